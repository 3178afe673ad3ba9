#pragma once
// Every hand of the game in play, kept small: a game may run to hundreds of thousands of hands,
// so a hand is a fixed 32-byte entry (cards as bytes, the discards as bits) in a store that
// grows in blocks and never copies what it already holds.

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

#include "game/cards.h"
#include "game/compare.h"

// What the coach said of the player's draw.
enum class CoachCall : std::uint8_t {
  None,          // the coach was closed, or its odds came after the draw
  Best,          // the best hold
  AsGoodAsBest,  // below the best by less than a cent at this bet
  NotBest,       // below the best by HandEntry::centsBelow
};

struct HandEntry {
  using Cards = std::array<std::uint8_t, 5>;

  std::int32_t bet = 0;
  std::int32_t bank = 0;         // after the payout
  std::uint32_t centsBelow = 0;  // how far the draw fell below the coach's best hold
  Cards dealt{};                 // the player's hand before the draw
  Cards drawn{};                 // and after it
  Cards dealer{};                // the Dealer's final hand
  std::uint8_t discards = 0;     // bit s set: slot s was turned down
  std::uint8_t bestHold = 0;     // the same for the coach's best hold, when it had a verdict
  std::uint8_t playerCategory : 4 = 0;
  std::uint8_t dealerCategory : 4 = 0;
  std::uint8_t outcome : 2 = Push;
  std::uint8_t coach : 2 = 0;     // a CoachCall
  std::uint8_t bankrupt : 1 = 0;  // the hand emptied the bank and ended the game

  bool TurnedDown(int slot) const { return (discards >> slot & 1) != 0; }
  Outcome Result() const { return static_cast<Outcome>(outcome); }
  CoachCall Call() const { return static_cast<CoachCall>(coach); }
};
static_assert(sizeof(HandEntry) == 32);

HandEntry::Cards PackCards(const Hand& hand);
std::uint8_t PackDiscards(const SlotFlags& discards);
Hand UnpackCards(const HandEntry::Cards& cards);
SlotFlags UnpackDiscards(std::uint8_t bits);

// The figures a player reads off the chart of the bank; the start counts as a point of it.
struct BankFigures {
  std::int32_t start = 0;
  std::int32_t end = 0;
  std::int32_t highest = 0;
  std::int32_t lowest = 0;
  std::int64_t hands = 0;
};

// One pixel column of the chart: the bank's range over the hands it covers, and where the line
// enters and leaves it, so that the columns join into one line without losing a spike.
struct BankColumn {
  std::int32_t first = 0, last = 0, low = 0, high = 0;
  bool bankrupt = false;
};

// A game's bank as a finer line than any screen needs, for a game read back from the database.
struct BankLine {
  BankFigures figures;
  std::vector<BankColumn> columns;  // the first is the starting bank's alone
};
// fine in at most width columns, each joining the fine columns whose share of the width falls in
// it; fine itself when they are fewer.
std::vector<BankColumn> JoinColumns(const std::vector<BankColumn>& fine, int width);

class HandHistory {
 public:
  // Forgets every hand: a new game with bank.
  void Start(std::int32_t bank);
  void Add(const HandEntry& entry);
  void MarkLastBankrupt();

  std::int64_t Count() const { return static_cast<std::int64_t>(hands_.size()); }
  // index 0 is the first hand of the game, numbered 1.
  const HandEntry& At(std::int64_t index) const { return hands_[static_cast<std::size_t>(index)]; }
  std::int32_t StartingBank() const { return start_; }
  // The bank after hand n (1..Count()); the starting bank for 0.
  std::int32_t BankAfter(std::int64_t n) const { return n == 0 ? start_ : At(n - 1).bank; }

  const BankFigures& Figures() const { return figures_; }
  // The bank from the start (point 0) to the last hand in at most width columns, each the
  // points whose share of the width falls in it; one column a point when they are fewer.
  std::vector<BankColumn> Columns(int width) const;

 private:
  std::int32_t start_ = 0;
  BankFigures figures_;
  std::deque<HandEntry> hands_;
};
