#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <string>

namespace k9r {

// The settings block 1080-10FF as an image file: 128 bytes as hex digits,
// blanks and line breaks anywhere. A line may begin with its address and a
// colon ("1080: 33 55 ..."), as `k9r read` prints the image; "#" starts a
// comment line.
using BlockImage = std::array<std::string, 128>;

// nullopt with the reason in error when the text is no such image.
std::optional<BlockImage> ParseImageFile(std::istream& in, std::string& error);
void PrintImage(std::ostream& out, const BlockImage& image);

}  // namespace k9r
