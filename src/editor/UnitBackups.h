#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace k9r {

class MainWindow;

// Every unit read is kept as a setup (the four files of Save) in a folder of
// its serial number, named by the time of the read, so that the settings a
// unit held before a write can always be loaded and written back.
class UnitBackups {
 public:
  // Without a folder nothing is kept.
  explicit UnitBackups(std::filesystem::path folder = {}) : folder_(std::move(folder)) {}
  bool Enabled() const { return !folder_.empty(); }
  const std::filesystem::path& Folder() const { return folder_; }

  // Writes the window's setup as read from unit serialNumber: the main
  // file's path, or nullopt when it could not be written.
  std::optional<std::filesystem::path> Keep(MainWindow& window, const std::string& serialNumber,
                                            std::chrono::system_clock::time_point readAt) const;
  // The latest backup of the unit, if there is one.
  std::optional<std::filesystem::path> Latest(const std::string& serialNumber) const;

 private:
  std::filesystem::path UnitFolder(const std::string& serialNumber) const;

  std::filesystem::path folder_;
};

// The backups of real units: backups in the user's data folder.
std::filesystem::path UnitBackupFolder();

// The serial number in READ_MODTYPE_SN form ("33 55 00 ..."), or nullopt
// when a byte is no digit code.
std::optional<std::string> SerialNumberOfCodeBytes(const std::string& codeBytes);

}  // namespace k9r
