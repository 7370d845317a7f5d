#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace k9r {

// Digits of a non-negative value in the given base (2..36), most significant
// first, "0" for 0. Digits are "0"-"9" then "A"-"Z".
std::string ToBaseString(std::int32_t value, std::uint8_t base);

// Inverse of ToBaseString. Digits are not checked against the base, and
// lower-case letters are not folded: callers pass "0"/"1" texts.
std::int32_t FromBaseString(std::string_view text, std::uint8_t base);

// A byte as its eight-character bit pattern, most significant bit first.
std::string BitPattern(int byteValue);

}  // namespace k9r
