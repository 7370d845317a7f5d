#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k9r {

// Splits at CR LF, CR or LF. A line break at the very end closes the last
// line; it does not begin an empty one.
std::vector<std::string> SplitLines(std::string_view text);

// The lines of a text file as UTF-8 (see DecodeFileBytes); nullopt when the
// file cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path, const std::string& codePage);

// Writes the lines whole, each ended by CR LF, in the code page (as UTF-8
// when a text has characters the code page cannot hold, so nothing is lost).
// The text goes to a temporary file beside the target that is then renamed
// over it: a failed write leaves no half-written file and the old one as it
// was. False when the file could not be written.
bool WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                    const std::string& codePage);

// True when a file (not a directory) of that name exists; any error is false.
bool IsFileExit(const std::filesystem::path& path);

}  // namespace k9r
