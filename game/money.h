#pragma once
// The money rules of the table, as plain functions: which bills the money panel offers for an
// amount, and the checks a bet must pass in the bet box, at the Deal and in the welcome dialog.
// Each check returns why it refused, as a code, or the accepted amount; the windows turn the
// code into the words they show.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "game/compare.h"

constexpr std::int32_t kStartingBank = 1000;  // the bank of every new game

// The bill denominations, largest first.
extern const std::array<std::int32_t, 14> BillValues;

// Bills offered in MoneySlot0 (top) .. MoneySlot4 (bottom); 0 is an empty slot.
using BillSlots = std::array<std::int32_t, 5>;

// Up to five different bills, each strictly smaller than the money it is drawn from (the
// 1-dollar bill may equal it), the largest at the bottom: a choice to bet with, not a count.
BillSlots BreakIntoBills(std::int32_t amount);

// Why a bet was refused. Each has its own message; the bet box, the Deal and the welcome dialog
// say the same thing in different words, so each has its own codes.
enum class BetRefusal {
  None,
  TypedNotANumber,    // the bet box
  TypedOverBank,      // the bet box
  LastBetOverBank,    // the Deal, with the box empty
  DealNotANumber,     // the Deal
  DealOverBank,       // the Deal
  NothingBet,         // the Deal and the welcome dialog: zero or less
  WinOverflow,        // the Deal: a win would take the bank past what it can hold
  WelcomeNotANumber,  // the welcome dialog
  WelcomeOverBank,    // the welcome dialog
};

struct BetCheck {
  BetRefusal refusal = BetRefusal::None;
  std::int32_t value = 0;  // see each check
  bool converted = false;  // the text was a number (the welcome dialog keeps it even when refused)

  bool Passed() const { return refusal == BetRefusal::None; }
};

// A change of the bet box, judged at once: value is the money left beside the typed bet.
// An empty box leaves the whole bank. Zero and negative bets pass here; the Deal refuses them.
BetCheck CheckTypedBet(std::string_view typed, std::int32_t bank);

// The Deal: value is the bet of the coming hand. An empty box repeats lastBet.
BetCheck CheckDealBet(std::string_view typed, std::int32_t lastBet, std::int32_t bank);

// The welcome dialog's starting bet: one leading "$" is dropped; value is the converted number.
BetCheck CheckWelcomeBet(std::string_view typed, std::int32_t bank);

// The bank after the showdown: a win adds the bet, a loss takes it, a push leaves the bank.
std::int32_t SettleBank(std::int32_t bank, std::int32_t bet, Outcome outcome);

// A click on a bill adds it to the bet in the box: the bill alone when the box is empty (or
// holds no number), else the sum. Nothing for an empty slot (bill 0).
std::optional<std::int32_t> BetWithBill(std::string_view typed, std::int32_t bill);
