#include "files/LanguageFile.h"

#include "files/TextFile.h"

namespace k9r {

const std::string& LanguageTexts::Text(int line) const {
  static const std::string kEmpty;
  if (line < 0 || line >= LineCount()) return kEmpty;
  return lines_[static_cast<std::size_t>(line)];
}

std::optional<LanguageTexts> ReadLanguageFile(const std::filesystem::path& path, const std::string& codePage) {
  auto lines = ReadTextLines(path, codePage);
  if (!lines || static_cast<int>(lines->size()) > LanguageTexts::kMaxLines) return std::nullopt;
  return LanguageTexts(std::move(*lines));
}

std::optional<std::filesystem::path> ChooseLanguageFile(const std::string& languagePath,
                                                        const std::filesystem::path& programDir) {
  const std::filesystem::path chosen = languagePath.empty() ? programDir / "ENG.ini" : std::filesystem::path(languagePath);
  if ((languagePath.empty() && programDir.empty()) || !IsFileExit(chosen)) return std::nullopt;
  return chosen;
}

}  // namespace k9r
