#include "device/TiTxt.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "core/SetupImage.h"

namespace k9r {

std::variant<std::vector<TiTxtSection>, TiTxtError> ReadTiTxt(std::istream& in) {
  std::vector<TiTxtSection> sections;
  std::string line;
  int lineNumber = 0;
  bool ended = false;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string word;
    if (!(words >> word) || word[0] == '#') continue;
    if (ended) return TiTxtError{lineNumber, "text after the closing \"q\""};
    if (word == "q" || word == "Q") {
      ended = true;
      continue;
    }
    if (word[0] == '@') {
      const std::string digits = word.substr(1);
      if (digits.empty() || digits.size() > 4 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return TiTxtError{lineNumber, "\"" + word + "\" is no address (expected @ and up to four hex digits)"};
      }
      sections.push_back({ParseHex(digits), {}});
      continue;
    }
    if (sections.empty()) return TiTxtError{lineNumber, "data before the first @address line"};
    do {
      if (word.size() != 2 || !IsHexByteText(word)) {
        return TiTxtError{lineNumber, "\"" + word + "\" is not a byte (two hex digits)"};
      }
      sections.back().bytes.push_back(static_cast<std::uint8_t>(ParseHex(word)));
    } while (words >> word);
  }
  if (!ended) return TiTxtError{0, "the closing \"q\" line is missing"};
  return sections;
}

void WriteTiTxt(std::ostream& out, const std::vector<TiTxtSection>& sections) {
  for (const TiTxtSection& section : sections) {
    out << '@' << AddressText(section.address) << '\n';
    for (std::size_t i = 0; i < section.bytes.size(); ++i) {
      out << ByteText(section.bytes[i]) << ((i % 16 == 15 || i + 1 == section.bytes.size()) ? "\n" : " ");
    }
  }
  out << "q\n";
}

}  // namespace k9r
