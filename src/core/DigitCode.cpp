#include "core/DigitCode.h"

#include <array>
#include <sstream>
#include <vector>

#include "core/SetupImage.h"

namespace k9r {

namespace {

constexpr std::array<int, 16> kCodeBytes{0x00, 0x0F, 0x33, 0x3C, 0x55, 0x5A, 0x66, 0x69,
                                         0x96, 0x99, 0xA5, 0xAA, 0xC3, 0xCC, 0xF0, 0xFF};

std::vector<std::string> SplitAtBlanks(std::string_view text) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : text) {
    if (c == ' ') {
      parts.push_back(part);
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  parts.push_back(part);
  return parts;
}

// The leading decimal digits of a text as a number, 0 when there are none.
long LeadingDecimal(std::string_view text) {
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string HexText(long value) {
  std::ostringstream out;
  out << std::uppercase << std::hex << value;
  return out.str();
}

// The unit stores years since 2000; the display wants the full year, kept
// as hex text so that every field is read back the same way.
std::string FullYearHex(const std::string& year) {
  if (year.size() == 1) return HexText(LeadingDecimal("200" + year));
  if (year.size() == 2 && year != "FF" && year != "F2") {
    const int value = ParseHex(year);
    return HexText(LeadingDecimal((value > 9 ? "20" : "200") + std::to_string(value)));
  }
  return year;
}

}  // namespace

int CodeByteOfDigit(int digit) { return kCodeBytes.at(static_cast<std::size_t>(digit)); }

std::optional<char> DigitOfCodeByteText(std::string_view text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (std::size_t digit = 0; digit < kCodeBytes.size(); ++digit) {
    if (text == ByteText(kCodeBytes[digit])) return kDigits[digit];
  }
  return std::nullopt;
}

std::string ProductionDateText(std::string_view dateBytes) {
  std::vector<std::string> fields = SplitAtBlanks(dateBytes);
  fields.resize(3);
  fields[2] = FullYearHex(fields[2]);
  std::string text;
  for (const std::string& field : fields) text += std::to_string(ParseHex(field)) + "/";
  text.pop_back();
  return text;
}

}  // namespace k9r
