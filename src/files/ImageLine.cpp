#include "files/ImageLine.h"

#include <cctype>
#include <charconv>

namespace k9r {

namespace {

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

std::optional<char> CharacterOfCode(std::string_view code) {
  unsigned value = 0;
  const char* end = code.data() + code.size();
  const auto [stop, error] = std::from_chars(code.data(), end, value);
  if (code.empty() || error != std::errc() || stop != end || value > 255) return std::nullopt;
  return static_cast<char>(value);
}

}  // namespace

std::optional<std::string> BuildImageLine(const ImageFileCells& cells) {
  std::string imageText;
  for (const std::string& cell : cells) imageText += cell + " ";
  std::string line;
  for (char c : TrimSpaces(imageText)) {
    if (!line.empty()) line.push_back(' ');
    line += std::to_string(static_cast<unsigned char>(c));
  }
  if (TrimSpaces(line).size() != kImageLineLength) return std::nullopt;
  return line;
}

std::optional<ImageFileCells> ParseImageLine(std::string_view line) {
  // The line's own end (a blank or a stray control character) is no code.
  while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.remove_suffix(1);
  std::string decoded;
  while (!line.empty()) {
    const std::size_t space = line.find(' ');
    const auto character = CharacterOfCode(line.substr(0, space));
    if (!character) return std::nullopt;
    decoded.push_back(*character);
    line = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
  }

  const std::string_view text = TrimSpaces(decoded);
  if (text.size() != kImageTextLength) return std::nullopt;
  ImageFileCells cells;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const std::size_t at = 3 * i;
    if (!IsHexDigit(text[at]) || !IsHexDigit(text[at + 1]) || (at + 2 < text.size() && text[at + 2] != ' ')) {
      return std::nullopt;
    }
    cells[i] = {static_cast<char>(std::toupper(static_cast<unsigned char>(text[at]))),
                static_cast<char>(std::toupper(static_cast<unsigned char>(text[at + 1])))};
  }
  return cells;
}

}  // namespace k9r
