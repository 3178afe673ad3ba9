#include "game/drawrule.h"

#include <algorithm>

int DiscardCount(const SlotFlags& discards) {
  return static_cast<int>(std::count(discards.begin(), discards.end(), 1));
}

DrawCheck CheckDraw(const Hand& hand, const SlotFlags& discards) {
  const int n = DiscardCount(discards);
  if (n == 5) return {DrawRefusal::Five};
  if (n == 4) {
    const auto kept =
        std::find_if(discards.begin(), discards.end(), [](int f) { return f != 1; }) - discards.begin();
    if (!IsAce(hand[static_cast<std::size_t>(kept)])) return {DrawRefusal::FourWithoutAnAce};
  }
  return {};
}
