// The house limit on discards, as the Draw button and the coach both apply it.
#include "game/drawrule.h"

#include <gtest/gtest.h>

#include "tests/support/cardnames.h"

namespace {

using namespace cardnames;

const Hand kAceInSlot2{C(King, H), C(Nine, D), C(Ace, S), C(Four, Cl), C(Two, H)};

struct DrawCase {
  const char* rule;
  SlotFlags discards;
  DrawRefusal refusal;
};

TEST(DrawRule, UpToThreeFourToAnAceNeverFive) {
  const DrawCase cases[] = {
      {"stand_pat", {0, 0, 0, 0, 0}, DrawRefusal::None},
      {"three_any", {1, 1, 0, 1, 0}, DrawRefusal::None},
      {"four_keeping_the_ace", {1, 1, 0, 1, 1}, DrawRefusal::None},
      {"four_keeping_a_king", {0, 1, 1, 1, 1}, DrawRefusal::FourWithoutAnAce},
      {"four_keeping_the_last_card", {1, 1, 1, 1, 0}, DrawRefusal::FourWithoutAnAce},
      {"five_never", {1, 1, 1, 1, 1}, DrawRefusal::Five},
  };
  for (const auto& c : cases) {
    const DrawCheck check = CheckDraw(kAceInSlot2, c.discards);
    EXPECT_EQ(check.refusal, c.refusal) << c.rule;
  }
}

}  // namespace
