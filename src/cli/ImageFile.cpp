#include "cli/ImageFile.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>

#include "core/SetupImage.h"

namespace k9r {

namespace {

constexpr int kFirstAddress = 0x1080;
constexpr std::size_t kBytesPerLine = 16;

// Drops "ADDR:" at the start of a line; false when a line's address is not
// where its bytes belong.
bool StripAddress(std::string& line, std::size_t bytesSoFar, std::string& error, int lineNumber) {
  const std::size_t colon = line.find(':');
  if (colon == std::string::npos) return true;
  std::string address = line.substr(0, colon);
  std::erase_if(address, [](unsigned char c) { return std::isspace(c); });
  const int expected = kFirstAddress + static_cast<int>(bytesSoFar);
  const bool allHex = std::all_of(address.begin(), address.end(), [](unsigned char c) { return std::isxdigit(c); });
  if (address.size() != 4 || !allHex || ParseHex(address) != expected) {
    error = "line " + std::to_string(lineNumber) + ": the address \"" + address + "\" should be " +
            AddressText(expected);
    return false;
  }
  line.erase(0, colon + 1);
  return true;
}

}  // namespace

std::optional<BlockImage> ParseImageFile(std::istream& in, std::string& error) {
  std::string digits;
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (line.starts_with('#')) continue;
    if (!StripAddress(line, digits.size() / 2, error, lineNumber)) return std::nullopt;
    for (char c : line) {
      if (std::isspace(static_cast<unsigned char>(c))) continue;
      if (!std::isxdigit(static_cast<unsigned char>(c))) {
        error = "line " + std::to_string(lineNumber) + ": '" + std::string(1, c) + "' is not a hex digit";
        return std::nullopt;
      }
      digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  if (digits.size() != 2 * std::tuple_size_v<BlockImage>) {
    error = "the image holds " + std::to_string(digits.size()) + " hex digits; 256 (the 128 bytes of 1080-10FF) are needed";
    return std::nullopt;
  }
  BlockImage image;
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = digits.substr(2 * i, 2);
  return image;
}

void PrintImage(std::ostream& out, const BlockImage& image) {
  for (std::size_t i = 0; i < image.size(); ++i) {
    if (i % kBytesPerLine == 0) out << AddressText(kFirstAddress + static_cast<int>(i)) << ":";
    out << " " << image[i];
    if (i % kBytesPerLine == kBytesPerLine - 1) out << "\n";
  }
}

}  // namespace k9r
