#include "history/handhistory.h"

#include <algorithm>

HandEntry::Cards PackCards(const Hand& hand) {
  HandEntry::Cards cards{};
  for (std::size_t slot = 0; slot < 5; ++slot)
    cards[slot] = hand[slot] >= 1 && hand[slot] <= 52 ? static_cast<std::uint8_t>(hand[slot]) : 0;
  return cards;
}

std::uint8_t PackDiscards(const SlotFlags& discards) {
  std::uint8_t bits = 0;
  for (std::size_t slot = 0; slot < 5; ++slot)
    if (discards[slot] != 0) bits = static_cast<std::uint8_t>(bits | 1u << slot);
  return bits;
}

Hand UnpackCards(const HandEntry::Cards& cards) {
  Hand hand{};
  for (std::size_t slot = 0; slot < 5; ++slot) hand[slot] = cards[slot];
  return hand;
}

SlotFlags UnpackDiscards(std::uint8_t bits) {
  SlotFlags flags{};
  for (std::size_t slot = 0; slot < 5; ++slot) flags[slot] = bits >> slot & 1;
  return flags;
}

void HandHistory::Start(std::int32_t bank) {
  start_ = bank;
  figures_ = {bank, bank, bank, bank, 0};
  // A plain clear() keeps the blocks; a new game gives them back.
  std::deque<HandEntry>().swap(hands_);
}

void HandHistory::Add(const HandEntry& entry) {
  hands_.push_back(entry);
  figures_.end = entry.bank;
  figures_.highest = std::max(figures_.highest, entry.bank);
  figures_.lowest = std::min(figures_.lowest, entry.bank);
  ++figures_.hands;
}

void HandHistory::MarkLastBankrupt() {
  if (!hands_.empty()) hands_.back().bankrupt = 1;
}

std::vector<BankColumn> HandHistory::Columns(int width) const {
  const std::int64_t points = Count() + 1;
  const std::int64_t columns = std::min<std::int64_t>(points, std::max(width, 1));
  std::vector<BankColumn> out(static_cast<std::size_t>(columns));
  std::int64_t n = 0;
  for (std::int64_t c = 0; c < columns; ++c) {
    const std::int64_t end = (c + 1) * points / columns;
    BankColumn& col = out[static_cast<std::size_t>(c)];
    col.first = col.low = col.high = BankAfter(n);
    for (; n < end; ++n) {
      const std::int32_t bank = BankAfter(n);
      col.low = std::min(col.low, bank);
      col.high = std::max(col.high, bank);
      col.last = bank;
      col.bankrupt = col.bankrupt || (n > 0 && At(n - 1).bankrupt);
    }
  }
  return out;
}

std::vector<BankColumn> JoinColumns(const std::vector<BankColumn>& fine, int width) {
  const auto count = static_cast<std::int64_t>(fine.size());
  const std::int64_t columns = std::min<std::int64_t>(count, std::max(width, 1));
  std::vector<BankColumn> out(static_cast<std::size_t>(columns));
  std::int64_t n = 0;
  for (std::int64_t c = 0; c < columns; ++c) {
    const std::int64_t end = (c + 1) * count / columns;
    BankColumn& col = out[static_cast<std::size_t>(c)];
    col = fine[static_cast<std::size_t>(n)];
    for (++n; n < end; ++n) {
      const BankColumn& f = fine[static_cast<std::size_t>(n)];
      col.low = std::min(col.low, f.low);
      col.high = std::max(col.high, f.high);
      col.last = f.last;
      col.bankrupt = col.bankrupt || f.bankrupt;
    }
  }
  return out;
}
