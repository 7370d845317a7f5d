#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace k9r {

// The upper half of the setup image (0x1080-0x10FF) as the single line of a
// setup's third companion file: the cell texts joined by single spaces, each
// character written as its decimal code, the codes joined by single spaces.
inline constexpr int kImageFileCellCount = 128;
inline constexpr std::size_t kImageTextLength = 383;
inline constexpr std::size_t kImageLineLength = 1148;
using ImageFileCells = std::array<std::string, kImageFileCellCount>;

// nullopt when the cells do not give a line of exactly 1148 characters, as
// when a cell is empty or holds anything but two upper-case hex digits.
std::optional<std::string> BuildImageLine(const ImageFileCells& cells);

// The 128 cell texts (upper-case) of an image line; nullopt for a damaged
// line: a code that is no number 0-255, or codes that do not spell 128 hex
// bytes separated by single spaces.
std::optional<ImageFileCells> ParseImageLine(std::string_view line);

}  // namespace k9r
