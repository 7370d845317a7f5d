#include "files/ProgramSettings.h"

#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "files/CodePage.h"
#include "files/TextFile.h"

namespace k9r {

namespace {

namespace fs = std::filesystem;

std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

SettingsFolders DefaultSettingsFolders() {
  SettingsFolders folders;
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (!error) folders.programDir = program.parent_path();
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
    folders.userConfigDir = fs::path(config) / "k9r-setup";
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    folders.userConfigDir = fs::path(home) / ".config" / "k9r-setup";
  }
  return folders;
}

PortSetting ParsePortLine(const std::string& line) {
  PortSetting port;
  const std::string text = TrimBlanks(line);
  if (text.starts_with('/')) {
    port.devicePath = text;
    return port;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc() && end == text.data() + text.size() && value >= 1 &&
      value <= std::numeric_limits<short>::max()) {
    port.number = value;
  }
  return port;
}

bool ProgramSettings::ProgramDirWritable() const {
  return !folders_.programDir.empty() && ::access(folders_.programDir.c_str(), W_OK) == 0;
}

std::vector<fs::path> ProgramSettings::ReadFolders() const {
  if (ProgramDirWritable()) return {folders_.programDir};
  return {folders_.userConfigDir, folders_.programDir};
}

std::optional<std::string> ProgramSettings::ReadFirstLine(const char* fileName, const std::string& codePage) const {
  for (const fs::path& folder : ReadFolders()) {
    if (folder.empty() || !IsFileExit(folder / fileName)) continue;
    const auto lines = ReadTextLines(folder / fileName, codePage);
    if (!lines) return std::nullopt;
    return lines->empty() ? std::string() : lines->front();
  }
  return std::nullopt;
}

bool ProgramSettings::WriteSingleLine(const char* fileName, const std::string& line) const {
  const fs::path folder = ProgramDirWritable() ? folders_.programDir : folders_.userConfigDir;
  if (folder.empty()) return false;
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return false;
  return WriteTextLines(folder / fileName, {line}, CodePage());
}

PortSetting ProgramSettings::ReadPort() const { return ParsePortLine(ReadFirstLine(kPortFile, CodePage()).value_or("")); }

bool ProgramSettings::WritePort(int number) const { return WriteSingleLine(kPortFile, std::to_string(number)); }

bool ProgramSettings::WritePortPath(const std::string& devicePath) const {
  return WriteSingleLine(kPortFile, devicePath);
}

std::string ProgramSettings::ReadLanguagePath() const { return ReadFirstLine(kLanguageFile, CodePage()).value_or(""); }

bool ProgramSettings::WriteLanguagePath(const std::string& path) const { return WriteSingleLine(kLanguageFile, path); }

std::string ProgramSettings::CodePage() const {
  if (!codePageOverride_.empty()) return codePageOverride_;
  // The name is plain ASCII: any code page reads it.
  const std::string name = TrimBlanks(ReadFirstLine(kCodePageFile, kDefaultCodePage).value_or(""));
  return IsKnownCodePage(name) ? name : kDefaultCodePage;
}

bool ProgramSettings::OverrideCodePage(const std::string& codePage) {
  if (!IsKnownCodePage(codePage)) return false;
  codePageOverride_ = codePage;
  return true;
}

bool ProgramSettings::WriteCodePage(const std::string& codePage) const {
  if (!IsKnownCodePage(codePage)) return false;
  return WriteSingleLine(kCodePageFile, codePage);
}

}  // namespace k9r
