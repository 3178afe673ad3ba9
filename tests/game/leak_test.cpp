// The kind of mistake a draw was, set beside the coach's best hold.
#include "game/leak.h"

#include <gtest/gtest.h>

#include "tests/support/cardnames.h"

namespace {

using namespace cardnames;

TEST(Leak, NamesTheMistakeBesideTheBestHold) {
  struct Row {
    const char* rule;
    Hand dealt;
    SlotFlags mine, best;
    DrawLeak leak;
  };
  const Hand kings{C(King, H), C(King, D), C(Seven, Cl), C(Four, S), C(Two, H)};
  const Hand straight{C(Nine, H), C(Ten, D), C(Jack, Cl), C(Queen, S), C(King, H)};
  const Hand flushDraw{C(Two, H), C(Seven, H), C(Jack, H), C(Queen, H), C(Queen, S)};
  const Hand flushHigh{C(Two, H), C(Seven, H), C(Jack, H), C(Queen, H), C(King, S)};
  const Hand gutshot{C(Five, H), C(Six, D), C(Eight, Cl), C(Nine, S), C(Ace, H)};
  const Hand runToAce{C(Jack, H), C(Queen, D), C(King, Cl), C(Ace, S), C(Three, H)};
  const Hand wheelDraw{C(Ace, H), C(Two, D), C(Three, Cl), C(Four, S), C(Nine, H)};
  const Hand open{C(Five, H), C(Six, D), C(Seven, Cl), C(Eight, S), C(King, H)};
  const Row rows[] = {
      {"the_best_hold_is_no_mistake", kings, {0, 0, 1, 1, 1}, {0, 0, 1, 1, 1}, DrawLeak::None},
      {"standing_pat_where_a_draw_was_better", kings, {0, 0, 0, 0, 0}, {0, 0, 1, 1, 1}, DrawLeak::StoodPat},
      {"drawing_from_a_straight", straight, {1, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, DrawLeak::BrokeMadeHand},
      {"throwing_one_card_of_the_pair", kings, {0, 1, 0, 1, 1}, {0, 0, 1, 1, 1}, DrawLeak::BrokePair},
      {"breaking_the_pair_for_a_flush_draw",
       flushDraw,
       {0, 0, 0, 0, 1},
       {1, 1, 1, 0, 0},
       DrawLeak::BrokePair},
      {"a_kicker_beside_the_pair", kings, {0, 0, 0, 1, 1}, {0, 0, 1, 1, 1}, DrawLeak::KeptKicker},
      {"four_of_a_suit_where_high_cards_were_better",
       flushHigh,
       {0, 0, 0, 0, 1},
       {1, 1, 1, 0, 0},
       DrawLeak::DrewToFlush},
      {"a_gap_inside_the_four", gutshot, {0, 0, 0, 0, 1}, {1, 1, 1, 1, 0}, DrawLeak::DrewToInsideStraight},
      {"four_up_to_the_ace_close_one_end",
       runToAce,
       {0, 0, 0, 0, 1},
       {1, 1, 1, 0, 1},
       DrawLeak::DrewToInsideStraight},
      {"the_ace_low_below_the_deuce",
       wheelDraw,
       {0, 0, 0, 0, 1},
       {0, 1, 1, 1, 1},
       DrawLeak::DrewToInsideStraight},
      {"four_in_a_row_open_at_both_ends",
       open,
       {0, 0, 0, 0, 1},
       {1, 1, 1, 1, 0},
       DrawLeak::DrewToOpenStraight},
      {"keeping_less_of_the_best_hold", runToAce, {1, 1, 1, 0, 1}, {1, 1, 0, 0, 1}, DrawLeak::ThrewKeeper},
      {"keeping_other_cards", runToAce, {0, 1, 1, 1, 1}, {1, 1, 1, 0, 1}, DrawLeak::KeptWrongCards},
  };
  for (const Row& row : rows) EXPECT_EQ(ClassifyLeak(row.dealt, row.mine, row.best), row.leak) << row.rule;
}

}  // namespace
