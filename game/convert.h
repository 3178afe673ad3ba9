#pragma once
// Integer <-> text, by the game's own rules (not those of stoi/strtol).

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Thrown by StrToInt when the text is not a whole 32-bit number.
class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decimal digits, a leading '-' for negative values, no grouping.
std::string IntToStr(std::int64_t value);

// Leading blanks skipped; optional '+' or '-'; decimal digits, or hexadecimal digits after
// "$", "x", "X", "0x" or "0X". Anything else -- empty text, a stray character, trailing
// blanks, a value outside the signed 32-bit range -- throws ConvertError.
std::int32_t StrToInt(std::string_view text);

// The same rules without the exception.
bool TryStrToInt(std::string_view text, std::int32_t& value);
