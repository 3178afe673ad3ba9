#include "history/recorder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "platform/platform.h"

namespace {

std::int64_t Now() { return CurrentPlatform().LocalDateTime().toSecsSinceEpoch(); }

}  // namespace

HandRecorder::HandRecorder(QObject* parent) : QObject(parent) {}

void HandRecorder::GameStarted(std::int32_t bank, const QString& player) {
  if (!player.isEmpty()) player_ = player;
  NewGameStarted(bank);
}

void HandRecorder::NewGameStarted(std::int32_t bank) {
  EndGame(GameEnd::NewGame);
  history_.Start(bank);
  inPlay_ = false;
  gameOpen_ = true;
  emit Restarted();
  emit GameBegun(player_, bank, Now());
}

void HandRecorder::EndGame(GameEnd end) {
  if (!std::exchange(gameOpen_, false)) return;
  emit GameEnded(end, Now());
}

void HandRecorder::HandDealt(const Hand& player, const HandRank&, std::int32_t bet, std::int32_t) {
  pending_ = {};
  pending_.bet = bet;
  pending_.dealt = pending_.drawn = PackCards(player);
  inPlay_ = true;
}

void HandRecorder::DrawMade(const SlotFlags& discards, const Hand& before, const Hand& after,
                            const HandRank&) {
  pending_.dealt = PackCards(before);
  pending_.drawn = PackCards(after);
  pending_.discards = PackDiscards(discards);
}

void HandRecorder::CoachVerdict(std::int32_t place, double dollarsBelow, const SlotFlags& bestHold) {
  if (!inPlay_) return;
  pending_.bestHold = place > 0 ? PackDiscards(bestHold) : 0;
  const double cents = std::round(std::max(dollarsBelow, 0.0) * 100);
  CoachCall call = CoachCall::NotBest;
  if (place <= 0) {
    call = CoachCall::None;
  } else if (place == 1) {
    call = CoachCall::Best;
  } else if (cents < 1) {
    call = CoachCall::AsGoodAsBest;
  }
  pending_.coach = static_cast<std::uint8_t>(call);
  constexpr double kMost = std::numeric_limits<std::uint32_t>::max();
  pending_.centsBelow = call == CoachCall::NotBest ? static_cast<std::uint32_t>(std::min(cents, kMost)) : 0;
}

void HandRecorder::ShowdownSettled(const ShowdownRecord& result) {
  if (!inPlay_) HandDealt(result.player, result.playerDealtRank, result.bet, 0);
  HandEntry entry = pending_;
  entry.bet = result.bet;
  entry.bank = result.bank;
  entry.drawn = PackCards(result.player);
  entry.dealer = PackCards(result.dealer);
  entry.playerCategory = static_cast<std::uint8_t>(result.playerRank[CategoryField] & 15);
  entry.dealerCategory = static_cast<std::uint8_t>(result.dealerRank[CategoryField] & 15);
  entry.outcome = static_cast<std::uint8_t>(result.outcome & 3);
  history_.Add(entry);
  inPlay_ = false;
  emit HandAdded(history_.Count());
  if (gameOpen_)
    emit HandKept({entry, history_.Count(), Now(), RankKey(result.playerRank), RankKey(result.dealerRank)});
}

void HandRecorder::WentBankrupt() {
  if (history_.Count() == 0) return;
  history_.MarkLastBankrupt();
  emit HandChanged(history_.Count());
  EndGame(GameEnd::Bankrupt);
}
