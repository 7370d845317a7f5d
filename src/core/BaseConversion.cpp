#include "core/BaseConversion.h"

#include <cmath>

namespace k9r {

namespace {
constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
}

std::string ToBaseString(std::int32_t value, std::uint8_t base) {
  std::string text(1, kDigits[static_cast<std::size_t>(value % base)]);
  while (value >= base) {
    value /= base;
    text.insert(text.begin(), kDigits[static_cast<std::size_t>(value % base)]);
  }
  return text;
}

std::int32_t FromBaseString(std::string_view text, std::uint8_t base) {
  double result = 0;
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = text[i];
    int digit = 0;
    if (c < 'A') {
      digit = (c >= '0' && c <= '9') ? c - '0' : 0;
    } else {
      digit = static_cast<unsigned char>(c) - 55;
    }
    result += digit * std::pow(static_cast<double>(base), static_cast<double>(n - 1 - i));
  }
  return static_cast<std::int32_t>(std::lround(result));
}

std::string BitPattern(int byteValue) {
  std::string bits = ToBaseString(byteValue, 2);
  if (bits.size() < 8) bits.insert(0, 8 - bits.size(), '0');
  return bits;
}

}  // namespace k9r
