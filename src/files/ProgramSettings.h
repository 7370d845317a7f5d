#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace k9r {

// Where the one-line settings files live. A copy of the program in a folder
// the user may write to (a portable copy, the build tree) keeps them beside
// the program; an installed program, whose folder is read-only, keeps them
// in the user's configuration folder and reads what was shipped beside the
// program as the default.
struct SettingsFolders {
  std::filesystem::path programDir;
  std::filesystem::path userConfigDir;
};

// The directory of the running program and $XDG_CONFIG_HOME/k9r-setup (or
// ~/.config/k9r-setup).
SettingsFolders DefaultSettingsFolders();

// The serial port of the device link: a port number (1 = COM1) or, on
// Linux, a device path.
struct PortSetting {
  int number = 1;
  std::string devicePath;
};

// Parses the first line of setupCOM.txt. Empty, absent, below 1 or not a
// number: port 1. A line beginning with "/" names a device.
PortSetting ParsePortLine(const std::string& line);

// setupCOM.txt, setupLANG.txt and setupCODEPAGE.txt. Every file error is
// passed over: a read gives the default, a write returns false.
class ProgramSettings {
 public:
  static constexpr const char* kPortFile = "setupCOM.txt";
  static constexpr const char* kLanguageFile = "setupLANG.txt";
  static constexpr const char* kCodePageFile = "setupCODEPAGE.txt";

  // Without folders nothing is read or written (tests, embedded models).
  ProgramSettings() = default;
  explicit ProgramSettings(SettingsFolders folders) : folders_(std::move(folders)) {}

  const std::filesystem::path& ProgramDir() const { return folders_.programDir; }

  PortSetting ReadPort() const;
  bool WritePort(int number) const;
  bool WritePortPath(const std::string& devicePath) const;

  std::string ReadLanguagePath() const;
  bool WriteLanguagePath(const std::string& path) const;

  // The code page of setup and language files: the command line's choice,
  // else setupCODEPAGE.txt when it names a known one, else Windows-1252.
  std::string CodePage() const;
  // False (and nothing changes) for a name the conversion library lacks.
  bool OverrideCodePage(const std::string& codePage);
  bool WriteCodePage(const std::string& codePage) const;

 private:
  // Beside the program when that folder can be written; otherwise the
  // user's folder first and what was shipped beside the program after it.
  std::vector<std::filesystem::path> ReadFolders() const;
  std::optional<std::string> ReadFirstLine(const char* fileName, const std::string& codePage) const;
  bool WriteSingleLine(const char* fileName, const std::string& line) const;
  bool ProgramDirWritable() const;

  SettingsFolders folders_;
  std::string codePageOverride_;
};

}  // namespace k9r
