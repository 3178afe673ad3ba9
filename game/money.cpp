#include "game/money.h"

#include <algorithm>
#include <limits>

#include "game/convert.h"

const std::array<std::int32_t, 14> BillValues{500000, 100000, 50000, 20000, 10000, 5000, 1000,
                                              500,    100,    50,    20,    10,    5,    1};

namespace {

constexpr std::int64_t kMaxMoney = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMinMoney = std::numeric_limits<std::int32_t>::min();

BetCheck Refuse(BetRefusal why, bool converted = false, std::int32_t value = 0) {
  return {why, value, converted};
}

BetCheck Pass(std::int32_t value) { return {BetRefusal::None, value, true}; }

}  // namespace

BillSlots BreakIntoBills(std::int32_t amount) {
  BillSlots slots{};
  std::int32_t left = amount;
  // One index into the denominations serves all five slots, bottom to top, so every slot
  // offers a smaller bill than the one below it.
  std::size_t i = 0;
  for (int slot = 4; slot >= 0; --slot) {
    while (i < BillValues.size()) {
      const std::int32_t v = BillValues[i];
      if (i == BillValues.size() - 1 && v <= left) {
        slots[slot] = v;
        left = 0;  // the 1-dollar bill is taken while it fits
        break;
      }
      if (v < left) {
        slots[slot] = v;
        left = (left - 1) % v + 1;  // taken while it is strictly less than what is left
        break;
      }
      ++i;
    }
  }
  return slots;
}

BetCheck CheckTypedBet(std::string_view typed, std::int32_t bank) {
  if (typed.empty()) return Pass(bank);
  std::int32_t value = 0;
  if (!TryStrToInt(typed, value)) return Refuse(BetRefusal::TypedNotANumber);
  const std::int64_t left = static_cast<std::int64_t>(bank) - value;
  if (left < 0) return Refuse(BetRefusal::TypedOverBank, true, value);
  // A negative bet shows more than the bank (the Deal refuses it); the figure stays in range.
  return Pass(static_cast<std::int32_t>(std::clamp(left, kMinMoney, kMaxMoney)));
}

BetCheck CheckDealBet(std::string_view typed, std::int32_t lastBet, std::int32_t bank) {
  if (lastBet > bank && typed.empty()) return Refuse(BetRefusal::LastBetOverBank);
  std::int32_t bet = lastBet;
  if (!typed.empty()) {
    std::int32_t value = 0;
    if (!TryStrToInt(typed, value)) return Refuse(BetRefusal::DealNotANumber);
    if (value > bank) return Refuse(BetRefusal::DealOverBank, true, value);
    if (value <= 0) return Refuse(BetRefusal::NothingBet, true, value);
    bet = value;
  }
  if (bet == 0) return Refuse(BetRefusal::NothingBet);
  // A win adds the bet to the bank, which must stay a 32-bit amount.
  if (static_cast<std::int64_t>(bank) + bet > kMaxMoney) return Refuse(BetRefusal::WinOverflow, true, bet);
  return Pass(bet);
}

BetCheck CheckWelcomeBet(std::string_view typed, std::int32_t bank) {
  if (!typed.empty() && typed.front() == '$') typed.remove_prefix(1);
  std::int32_t value = 0;
  if (!TryStrToInt(typed, value)) return Refuse(BetRefusal::WelcomeNotANumber);
  if (value > bank) return Refuse(BetRefusal::WelcomeOverBank, true, value);
  if (value <= 0) return Refuse(BetRefusal::NothingBet, true, value);
  return Pass(value);
}

std::int32_t SettleBank(std::int32_t bank, std::int32_t bet, Outcome outcome) {
  std::int64_t settled = bank;
  if (outcome == PlayerWins) settled += bet;
  if (outcome == DealerWins) settled -= bet;
  return static_cast<std::int32_t>(std::clamp(settled, kMinMoney, kMaxMoney));
}

std::optional<std::int32_t> BetWithBill(std::string_view typed, std::int32_t bill) {
  if (bill == 0) return std::nullopt;
  std::int32_t bet = 0;
  if (typed.empty() || !TryStrToInt(typed, bet)) return bill;
  return static_cast<std::int32_t>(std::clamp(static_cast<std::int64_t>(bet) + bill, kMinMoney, kMaxMoney));
}
