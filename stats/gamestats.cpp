#include "stats/gamestats.h"

#include <QCoreApplication>

#include "game/money.h"
#include "platform/platform.h"

namespace {

GameStatistics Fresh(std::int32_t bank) {
  GameStatistics s;
  s.BankSum = static_cast<std::uint32_t>(bank);
  s.BankHigh = static_cast<std::uint32_t>(bank);
  return s;
}

}  // namespace

GameStatistics GameStats = Fresh(kStartingBank);
QString PlayerName;

namespace {

// Draws counted for the hand in play before its showdown (-1: none).
std::int32_t plrDrawPending = -1;
std::int32_t dlrDrawPending = -1;

}  // namespace

namespace {

// Draw counts are indexed by cards drawn; anything outside 0..4 is not a draw and is ignored.
bool IsDrawCount(std::int32_t n) { return n >= 0 && n <= 4; }

void RecordSide(const HandRank& final, const HandRank& dealt, const Hand& cards, HandRank& best,
                Hand& bestCards, std::uint32_t& improved, std::array<std::uint32_t, 10>& rankCounts) {
  if (CompareHands(final, dealt) == 1) ++improved;
  if (CompareHands(final, best) == 1) {
    best = final;
    bestCards = cards;
  }
  const std::int32_t category = final[CategoryField];
  if (category >= 0 && category <= 9) ++rankCounts[static_cast<std::size_t>(category)];
}

}  // namespace

void RecordPlayerDraw(std::int32_t n) {
  if (!IsDrawCount(n)) return;
  ++GameStats.PlrDrawCounts[static_cast<std::size_t>(n)];
  plrDrawPending = n;
}

void RecordDealerDraw(std::int32_t n) {
  if (!IsDrawCount(n)) return;
  ++GameStats.DlrDrawCounts[static_cast<std::size_t>(n)];
  dlrDrawPending = n;
}

void ForgetPlayerDraw(std::int32_t n) {
  if (IsDrawCount(n) && GameStats.PlrDrawCounts[static_cast<std::size_t>(n)] > 0)
    --GameStats.PlrDrawCounts[static_cast<std::size_t>(n)];
}

void ForgetDealerDraw(std::int32_t n) {
  if (IsDrawCount(n) && GameStats.DlrDrawCounts[static_cast<std::size_t>(n)] > 0)
    --GameStats.DlrDrawCounts[static_cast<std::size_t>(n)];
}

void ForgetPendingDraws() {
  ForgetPlayerDraw(plrDrawPending);
  ForgetDealerDraw(dlrDrawPending);
  plrDrawPending = -1;
  dlrDrawPending = -1;
}

GameStatistics SettledStats() {
  GameStatistics s = GameStats;
  if (IsDrawCount(plrDrawPending) && s.PlrDrawCounts[static_cast<std::size_t>(plrDrawPending)] > 0)
    --s.PlrDrawCounts[static_cast<std::size_t>(plrDrawPending)];
  if (IsDrawCount(dlrDrawPending) && s.DlrDrawCounts[static_cast<std::size_t>(dlrDrawPending)] > 0)
    --s.DlrDrawCounts[static_cast<std::size_t>(dlrDrawPending)];
  return s;
}

void RecordHandResult(Outcome outcome, std::int32_t settledBank, std::int32_t currentBet) {
  plrDrawPending = -1;
  dlrDrawPending = -1;
  GameStatistics& s = GameStats;
  RecordSide(PlrFinalRank, PlrDealtRank, PlrHand, s.PlrBestRank, s.PlrBestCards, s.PlrImproved,
             s.PlrRankCounts);
  RecordSide(DlrFinalRank, DlrDealtRank, DlrHand, s.DlrBestRank, s.DlrBestCards, s.DlrImproved,
             s.DlrRankCounts);
  const auto bank = static_cast<std::uint32_t>(settledBank);
  if (outcome == PlayerWins) {
    if (bank > s.BankHigh) s.BankHigh = bank;
    ++s.HandsWon;
    s.DlrStreak = 0;
    ++s.PlrStreak;
    if (s.PlrStreak > s.PlrStreakMax) s.PlrStreakMax = s.PlrStreak;
  } else if (outcome == DealerWins) {
    s.PlrStreak = 0;
    ++s.DlrStreak;
    if (s.DlrStreak > s.DlrStreakMax) s.DlrStreakMax = s.DlrStreak;
  }
  ++s.HandsPlayed;
  const auto bet = static_cast<std::uint32_t>(currentBet);
  s.BetSum += bet;
  if (bet > s.BetHigh) s.BetHigh = bet;
  s.BankSum += bank;
}

void StartNewGameStats(std::int32_t bank) {
  ++GameStats.Resets;
  if (ShowMessage(QCoreApplication::translate("GameStats", "Save current stats?"),
                  QCoreApplication::translate("GameStats", "New Game"), QuestionYesNo) == MessageAnswer::Yes)
    return;
  GameStats = Fresh(bank);
}

void ResetGameStats() {
  GameStats = Fresh(kStartingBank);
  plrDrawPending = -1;
  dlrDrawPending = -1;
  PlayerName.clear();
}
