// The one-line reason for a hold: what it stands pat on, keeps or draws to.
#include "game/holdreason.h"

#include <gtest/gtest.h>

#include "game/handrank.h"
#include "tests/support/cardnames.h"

namespace {

using namespace cardnames;

TEST(HoldReason, NamesWhatTheHoldKeepsOrDrawsTo) {
  struct Row {
    const char* rule;
    Hand hand;
    SlotFlags discards;
    HoldReason reason;
  };
  const Row rows[] = {
      {"standing_pat_names_the_made_hand",
       {C(Nine, H), C(Ten, D), C(Jack, Cl), C(Queen, S), C(King, H)},
       {0, 0, 0, 0, 0},
       {HoldReason::StandsPat, Straight, 5}},
      {"a_pair_with_its_rank_not_the_kickers",
       {C(King, H), C(King, D), C(Seven, Cl), C(Four, S), C(Two, H)},
       {0, 0, 1, 1, 1},
       {HoldReason::KeepsPair, King, 2}},
      {"the_higher_of_two_pairs",
       {C(Five, H), C(Five, D), C(Jack, Cl), C(Jack, S), C(Two, H)},
       {0, 0, 0, 0, 1},
       {HoldReason::KeepsTwoPair, Jack, 4}},
      {"three_of_a_kind_kept_with_a_kicker",
       {C(Six, H), C(Six, D), C(Six, Cl), C(Ace, S), C(Two, H)},
       {0, 0, 0, 0, 1},
       {HoldReason::KeepsThree, Six, 4}},
      {"four_of_one_suit",
       {C(Two, H), C(Seven, H), C(Jack, H), C(King, H), C(King, S)},
       {0, 0, 0, 0, 1},
       {HoldReason::DrawsToFlush, King, 4}},
      {"four_of_one_suit_in_reach_of_a_run",
       {C(Six, S), C(Seven, S), C(Eight, S), C(Ten, S), C(Ace, H)},
       {0, 0, 0, 0, 1},
       {HoldReason::DrawsToStraightFlush, Ten, 4}},
      {"an_open_run",
       {C(Six, S), C(Seven, D), C(Eight, S), C(Nine, H), C(King, H)},
       {0, 0, 0, 0, 1},
       {HoldReason::DrawsToStraight, Nine, 4}},
      {"a_run_with_the_ace_low",
       {C(Ace, S), C(Two, D), C(Three, S), C(Five, H), C(King, H)},
       {0, 0, 0, 0, 1},
       {HoldReason::DrawsToStraight, Ace, 4}},
      {"four_ranks_too_far_apart_are_high_cards",
       {C(Six, S), C(Seven, D), C(Eight, S), C(Jack, H), C(Two, H)},
       {0, 0, 0, 0, 1},
       {HoldReason::KeepsHighCards, Jack, 4}},
      {"the_lone_ace",
       {C(Ace, H), C(Ten, D), C(Eight, H), C(Five, Cl), C(Two, S)},
       {0, 1, 1, 1, 1},
       {HoldReason::KeepsAceDrawsFour, Ace, 1}},
      {"two_high_cards",
       {C(Ace, H), C(King, D), C(Eight, H), C(Five, Cl), C(Two, S)},
       {0, 0, 1, 1, 1},
       {HoldReason::KeepsHighCards, Ace, 2}},
  };
  for (const Row& row : rows) {
    const HoldReason found = ReasonFor(row.hand, row.discards);
    EXPECT_EQ(found.kind, row.reason.kind) << row.rule;
    EXPECT_EQ(found.rank, row.reason.rank) << row.rule;
    EXPECT_EQ(found.count, row.reason.count) << row.rule;
  }
}

}  // namespace
