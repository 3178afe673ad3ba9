#pragma once
// The player's name: what the welcome dialog takes and the settings give back. It is shown in
// labels and written as the last line of a statistics file, so it must stay on one line.

#include <cstddef>
#include <string_view>

constexpr std::size_t kMaxNameLength = 10;  // characters, not bytes

enum class NameRefusal {
  None,
  TooLong,           // more than kMaxNameLength characters
  ControlCharacter,  // a tab, a line break or another control character
};

// The name as the characters (code points) the player typed; too long is judged first.
NameRefusal CheckPlayerName(std::u32string_view name);
