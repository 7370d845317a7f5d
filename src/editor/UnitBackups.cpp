#include "editor/UnitBackups.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <iomanip>
#include <sstream>

#include "core/DigitCode.h"
#include "device/ProductData.h"
#include "editor/SetupFileCommands.h"

namespace k9r {

namespace {

namespace fs = std::filesystem;

constexpr const char* kSetupExtension = ".K9S";

std::string TimeText(std::chrono::system_clock::time_point at) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(at);
  std::tm local{};
  localtime_r(&seconds, &local);
  std::ostringstream text;
  text << std::put_time(&local, "%Y%m%d-%H%M%S");
  return text.str();
}

}  // namespace

fs::path UnitBackups::UnitFolder(const std::string& serialNumber) const {
  // A serial number with unreadable digits still gets a folder name.
  std::string name;
  for (char c : serialNumber) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return folder_ / name;
}

std::optional<fs::path> UnitBackups::Keep(MainWindow& window, const std::string& serialNumber,
                                          std::chrono::system_clock::time_point readAt) const {
  if (!Enabled()) return std::nullopt;
  const fs::path unitFolder = UnitFolder(serialNumber);
  std::error_code error;
  fs::create_directories(unitFolder, error);
  if (error) return std::nullopt;
  const std::string stem = unitFolder.filename().string() + "-" + TimeText(readAt);
  fs::path mainFile = unitFolder / (stem + kSetupExtension);
  for (int again = 2; fs::exists(mainFile); ++again) {
    mainFile = unitFolder / (stem + "-" + std::to_string(again) + kSetupExtension);
  }
  if (!WriteSetupFiles(window, mainFile)) return std::nullopt;
  return mainFile;
}

std::optional<fs::path> UnitBackups::Latest(const std::string& serialNumber) const {
  if (!Enabled()) return std::nullopt;
  std::error_code error;
  std::optional<fs::path> latest;
  for (const auto& entry : fs::directory_iterator(UnitFolder(serialNumber), error)) {
    if (entry.path().extension() != kSetupExtension) continue;
    // The names carry the time of the read, so the greatest is the latest.
    if (!latest || entry.path().stem() > latest->stem()) latest = entry.path();
  }
  return latest;
}

fs::path UnitBackupFolder() {
  const std::string folder = UserDataFolder();
  return folder.empty() ? fs::path() : fs::path(folder) / "backups";
}

std::optional<std::string> SerialNumberOfCodeBytes(const std::string& codeBytes) {
  std::istringstream bytes(codeBytes);
  std::string serialNumber;
  std::string byte;
  while (bytes >> byte) {
    const auto digit = DigitOfCodeByteText(byte.size() == 1 ? "0" + byte : byte);
    if (!digit) return std::nullopt;
    serialNumber += *digit;
  }
  if (serialNumber.empty()) return std::nullopt;
  return serialNumber;
}

}  // namespace k9r
