#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace k9r {

// Every digit of the ID code and of the serial number is kept as one code
// byte. The table is linear over exclusive or (8 -> 96, 4 -> 55, 2 -> 33,
// 1 -> 0F), so any two code bytes differ in at least four bits.
int CodeByteOfDigit(int digit);

// The digit "0"-"F" of a code byte written as two upper-case hex digits;
// nullopt for any other text.
std::optional<char> DigitOfCodeByteText(std::string_view text);

// The production date as the unit keeps it ("0C 1F 0C": month, day, year
// since 2000) shown as month/day/year ("12/31/2012"). Erased bytes show as
// 255; year bytes FF and F2 are shown as they are.
std::string ProductionDateText(std::string_view dateBytes);

}  // namespace k9r
