// The one-line reason for a hold: what it stands pat on, keeps or draws to, and what the cards
// it keeps are; never "the highest" when a card thrown is higher.
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
      {"the_three_highest_are_high_cards_though_a_straight_could_hold_them",
       {C(Ace, Cl), C(King, D), C(Queen, S), C(Seven, H), C(Two, Cl)},
       {0, 0, 0, 1, 1},
       {HoldReason::KeepsHighCards, Ace, 3}},
      {"two_of_one_suit_below_a_card_thrown_are_suited_not_the_highest",
       {C(Four, S), C(Five, D), C(Two, D), C(Nine, H), C(Three, H)},
       {1, 1, 1, 0, 0},
       {HoldReason::KeepsSuited, Nine, 2}},
      {"three_of_one_suit_within_a_straight",
       {C(Six, S), C(Queen, D), C(Ten, D), C(Three, Cl), C(King, D)},
       {1, 0, 0, 1, 0},
       {HoldReason::KeepsThreeToStraightFlush, King, 3}},
      {"three_of_one_suit_too_far_apart_for_a_straight",
       {C(Two, H), C(Seven, H), C(King, H), C(Nine, S), C(Four, Cl)},
       {0, 0, 0, 1, 1},
       {HoldReason::KeepsThreeToFlush, King, 3}},
      {"three_within_a_straight_below_a_card_thrown",
       {C(King, Cl), C(Eight, D), C(Nine, S), C(Jack, H), C(Two, Cl)},
       {1, 0, 0, 0, 1},
       {HoldReason::KeepsThreeToStraight, Jack, 3}},
      {"two_neighbours_below_a_card_thrown",
       {C(King, Cl), C(Nine, D), C(Eight, S), C(Four, H), C(Two, Cl)},
       {1, 0, 0, 1, 1},
       {HoldReason::KeepsConnected, Nine, 2}},
      {"the_ace_is_the_deuces_neighbour",
       {C(King, Cl), C(Ace, D), C(Two, S), C(Nine, H), C(Six, Cl)},
       {1, 0, 0, 1, 1},
       {HoldReason::KeepsConnected, Ace, 2}},
      {"cards_that_are_none_of_these",
       {C(King, Cl), C(Nine, D), C(Five, S), C(Four, H), C(Two, Cl)},
       {1, 0, 1, 1, 0},
       {HoldReason::KeepsCards, Nine, 2}},
  };
  for (const Row& row : rows) {
    const HoldReason found = ReasonFor(row.hand, row.discards);
    EXPECT_EQ(found.kind, row.reason.kind) << row.rule;
    EXPECT_EQ(found.rank, row.reason.rank) << row.rule;
    EXPECT_EQ(found.count, row.reason.count) << row.rule;
  }
}

}  // namespace
