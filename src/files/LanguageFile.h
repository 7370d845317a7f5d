#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace k9r {

// A language file: text k is line k, counted from 0, taken whole.
class LanguageTexts {
 public:
  static constexpr int kMaxLines = 211;

  explicit LanguageTexts(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  // A line the file does not have is an empty text.
  const std::string& Text(int line) const;
  int LineCount() const { return static_cast<int>(lines_.size()); }

 private:
  std::vector<std::string> lines_;
};

// nullopt when the file is missing or unreadable, or has more than 211 lines.
std::optional<LanguageTexts> ReadLanguageFile(const std::filesystem::path& path, const std::string& codePage);

// Which file start-up applies: the chosen path when one is set (nullopt if
// that file is gone: the default is not tried then), otherwise ENG.ini in the
// program's directory if it is there.
std::optional<std::filesystem::path> ChooseLanguageFile(const std::string& languagePath,
                                                        const std::filesystem::path& programDir);

}  // namespace k9r
