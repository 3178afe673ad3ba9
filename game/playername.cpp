#include "game/playername.h"

namespace {

// C0 and C1 controls, delete, and the two Unicode separators that break a line as a line feed
// does.
bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029; }

}  // namespace

NameRefusal CheckPlayerName(std::u32string_view name) {
  if (name.size() > kMaxNameLength) return NameRefusal::TooLong;
  for (const char32_t c : name)
    if (IsControl(c)) return NameRefusal::ControlCharacter;
  return NameRefusal::None;
}
