// The house limit on discards, as the Draw button and the coach both apply it.
#include "game/drawrule.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/cardnames.h"

namespace {

using namespace cardnames;

const Hand kAceInSlot2{C(King, H), C(Nine, D), C(Ace, S), C(Four, Cl), C(Two, H)};

struct DrawCase {
  const char* rule;
  SlotFlags discards;
  const char* text;  // "" when the draw is allowed
};

TEST(DrawRule, UpToThreeFourToAnAceNeverFive) {
  const DrawCase cases[] = {
      {"stand_pat", {0, 0, 0, 0, 0}, ""},
      {"three_any", {1, 1, 0, 1, 0}, ""},
      {"four_keeping_the_ace", {1, 1, 0, 1, 1}, ""},
      {"four_keeping_a_king", {0, 1, 1, 1, 1}, "You can only Draw 4 to an Ace!"},
      {"four_keeping_the_last_card", {1, 1, 1, 1, 0}, "You can only Draw 4 to an Ace!"},
      {"five_never", {1, 1, 1, 1, 1}, "You Can't draw 5!"},
  };
  for (const auto& c : cases) {
    const DrawCheck check = CheckDraw(kAceInSlot2, c.discards);
    EXPECT_EQ(std::string(check.text), c.text) << c.rule;
    EXPECT_EQ(std::string(check.caption), check.Passed() ? "" : "Illegal Draw") << c.rule;
  }
}

}  // namespace
