// The money rules: the bills offered for an amount, and every check a bet passes or fails.
#include "game/money.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

namespace {

struct BillsCase {
  const char* rule;
  std::int32_t amount;
  BillSlots bills;  // MoneySlot0 (top) .. MoneySlot4 (bottom)
};

TEST(Bills, OfferedForEachAmount) {
  const BillsCase cases[] = {
      {"nothing_left_no_bills", 0, {0, 0, 0, 0, 0}},
      {"one_dollar_may_equal_the_amount", 1, {0, 0, 0, 0, 1}},
      {"two_dollars_offer_only_the_one", 2, {0, 0, 0, 0, 1}},
      {"a_five_is_never_offered_for_five", 5, {0, 0, 0, 0, 1}},
      {"six_offers_five_and_one", 6, {0, 0, 0, 1, 5}},
      {"fifty", 50, {0, 0, 1, 5, 20}},
      {"index_shared_by_the_slots", 123, {0, 0, 1, 20, 100}},
      {"five_hundred", 500, {1, 5, 20, 50, 100}},
      {"starting_bank", 1000, {5, 20, 50, 100, 500}},
      {"leftover_of_one_after_a_thousand", 1001, {0, 0, 0, 1, 1000}},
      {"two_thousand", 2000, {20, 50, 100, 500, 1000}},
      {"bundles_from_ten_thousand", 10000, {50, 100, 500, 1000, 5000}},
      {"half_a_million", 500000, {1000, 5000, 20000, 50000, 100000}},
      {"largest_bank", INT_MAX, {10000, 20000, 50000, 100000, 500000}},
      {"negative_shows_nothing", -40, {0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(BreakIntoBills(c.amount), c.bills) << c.rule;
}

enum class Check { Typed, Deal, Welcome };

struct BetCase {
  const char* rule;
  Check check;
  const char* typed;
  std::int32_t lastBet;  // the Deal's only
  std::int32_t bank;
  std::int32_t value;  // the accepted figure, or the converted number kept on a refusal
  BetRefusal refusal;
};

using R = BetRefusal;

TEST(Bets, EachCheckInItsOrder) {
  const BetCase cases[] = {
      // The bet box judges every change at once and shows the money left beside the bet.
      {"typed_empty_shows_the_bank", Check::Typed, "", 0, 1000, 1000, R::None},
      {"typed_bet_leaves_the_rest", Check::Typed, "250", 0, 1000, 750, R::None},
      {"typed_whole_bank_leaves_nothing", Check::Typed, "1000", 0, 1000, 0, R::None},
      {"typed_negative_shows_more", Check::Typed, "-100", 0, 1000, 1100, R::None},
      {"typed_negative_never_wraps", Check::Typed, "-2147483648", 0, 1000, INT_MAX, R::None},
      {"typed_letter", Check::Typed, "5x", 0, 1000, 0, R::TypedNotANumber},
      {"typed_above_bank", Check::Typed, "1500", 0, 1000, 1500, R::TypedOverBank},
      // The Deal.
      {"deal_repeats_last_bet", Check::Deal, "", 50, 1000, 50, R::None},
      {"deal_whole_bank", Check::Deal, "400", 600, 400, 400, R::None},
      {"deal_hexadecimal", Check::Deal, "$10", 0, 1000, 16, R::None},
      {"deal_last_bet_above_bank", Check::Deal, "", 600, 400, 0, R::LastBetOverBank},
      {"deal_typed_bet_overrides_a_last_bet_above_bank", Check::Deal, "300", 600, 400, 300, R::None},
      {"deal_no_number", Check::Deal, "abc", 50, 1000, 0, R::DealNotANumber},
      {"deal_above_bank", Check::Deal, "1001", 50, 1000, 1001, R::DealOverBank},
      {"deal_zero", Check::Deal, "0", 50, 1000, 0, R::NothingBet},
      {"deal_negative", Check::Deal, "-5", 50, 1000, -5, R::NothingBet},
      {"deal_nothing_bet_yet", Check::Deal, "", 0, 1000, 0, R::NothingBet},
      {"deal_win_would_overflow_the_bank", Check::Deal, "200000000", 50, 2000000000, 200000000,
       R::WinOverflow},
      // The welcome dialog.
      {"welcome_plain", Check::Welcome, "50", 0, 1000, 50, R::None},
      {"welcome_one_dollar_sign_dropped", Check::Welcome, "$50", 0, 1000, 50, R::None},
      {"welcome_second_dollar_sign_reads_hexadecimal", Check::Welcome, "$$32", 0, 1000, 50, R::None},
      {"welcome_whole_bank", Check::Welcome, "1000", 0, 1000, 1000, R::None},
      {"welcome_empty", Check::Welcome, "", 0, 1000, 0, R::WelcomeNotANumber},
      {"welcome_lone_dollar", Check::Welcome, "$", 0, 1000, 0, R::WelcomeNotANumber},
      {"welcome_dollar_between_digits", Check::Welcome, "5$0", 0, 1000, 0, R::WelcomeNotANumber},
      {"welcome_above_bank", Check::Welcome, "1001", 0, 1000, 1001, R::WelcomeOverBank},
      {"welcome_negative_kept", Check::Welcome, "-5", 0, 1000, -5, R::NothingBet},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    const BetCheck r = c.check == Check::Typed  ? CheckTypedBet(c.typed, c.bank)
                       : c.check == Check::Deal ? CheckDealBet(c.typed, c.lastBet, c.bank)
                                                : CheckWelcomeBet(c.typed, c.bank);
    EXPECT_EQ(r.refusal, c.refusal);
    if (r.Passed() || r.converted) {
      EXPECT_EQ(r.value, c.value);
    }
  }
}

struct PayCase {
  const char* rule;
  std::int32_t bank, bet;
  Outcome outcome;
  std::int32_t settled;
};

TEST(Payout, TheShowdownSettlesTheBank) {
  const PayCase cases[] = {
      {"push_leaves_the_bank", 1000, 300, Push, 1000},
      {"win_adds_the_bet", 1000, 300, PlayerWins, 1300},
      {"loss_takes_the_bet", 1000, 300, DealerWins, 700},
      {"whole_bank_lost_is_zero", 250, 250, DealerWins, 0},
      {"win_never_wraps", INT_MAX - 1, 5, PlayerWins, INT_MAX},
  };
  for (const auto& c : cases) EXPECT_EQ(SettleBank(c.bank, c.bet, c.outcome), c.settled) << c.rule;
}

struct BillClickCase {
  const char* rule;
  const char* typed;
  std::int32_t bill;
  std::optional<std::int32_t> bet;
};

TEST(BillClick, AddsTheBillToTheBet) {
  const BillClickCase cases[] = {
      {"empty_slot_does_nothing", "40", 0, std::nullopt}, {"empty_box_takes_the_bill", "", 500, 500},
      {"bill_adds_to_the_typed_bet", "500", 100, 600},    {"hexadecimal_bet_is_its_value", "$10", 5, 21},
      {"sum_never_wraps", "2147483640", 100, INT_MAX},
  };
  for (const auto& c : cases) EXPECT_EQ(BetWithBill(c.typed, c.bill), c.bet) << c.rule;
}

}  // namespace
