#pragma once
// Integer <-> text, by the game's own rules (not those of stoi/strtol).

#include <cstdint>
#include <string>
#include <string_view>

// Decimal digits, a leading '-' for negative values, no grouping.
std::string IntToStr(std::int64_t value);

// Text to integer: leading blanks skipped; optional '+' or '-'; decimal digits, or hexadecimal
// digits after "$", "x", "X", "0x" or "0X". Anything else -- empty text, a stray character,
// trailing blanks, a value outside the signed 32-bit range -- is a failure (false), which the
// callers report.
bool TryStrToInt(std::string_view text, std::int32_t& value);
