#include "sim/DemoUnit.h"

#include <filesystem>
#include <iostream>

namespace k9r::sim {

namespace {

constexpr std::uint8_t kStandardModelByte = 0xC5;
constexpr std::uint8_t kSixPairModelByte = 0xF4;
// "jmp $" as the two bytes of one MSP430 word, low byte first.
constexpr std::uint8_t kJumpToSelf[] = {0xFF, 0x3F};

}  // namespace

ProductData DemoProductData() {
  ProductData data;
  data.passwords.content.builds[0] = kDemoPassword;
  Bytes patch;
  while (patch.size() < kLoaderPatchLength) patch.insert(patch.end(), std::begin(kJumpToSelf), std::end(kJumpToSelf));
  data.loaderPatch.content = patch;
  return data;
}

UnitMemory FreshDemoMemory(bool sixPair, bool erasedSettings) {
  UnitIdentity identity;
  identity.password = kDemoPassword;
  identity.modelByte = sixPair ? kSixPairModelByte : kStandardModelByte;
  UnitMemory memory = UnitMemory::Fresh(identity);
  if (erasedSettings) memory.Erase(kSettingsAddress, kInfoEnd);
  return memory;
}

std::string DemoMemoryFile() {
  const std::string folder = UserDataFolder();
  return (folder.empty() ? std::string(".") : folder) + "/demo-unit.txt";
}

std::string DemoBackupFolder() {
  const std::string folder = UserDataFolder();
  return folder.empty() ? std::string() : folder + "/demo-backups";
}

std::optional<UnitMemory> LoadDemoMemory(const std::string& path, std::string& error) {
  if (!std::filesystem::exists(path)) return FreshDemoMemory();
  return UnitMemory::Load(path, error);
}

bool SaveDemoMemory(const UnitMemory& memory, const std::string& path, std::string& error) {
  std::error_code folderError;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), folderError);
  return memory.Save(path, error);
}

PtyDemoUnit::~PtyDemoUnit() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

bool PtyDemoUnit::Start(const std::string& memoryFile, std::string& error) {
  const std::optional<UnitMemory> memory = LoadDemoMemory(memoryFile, error);
  if (!memory) return false;
  if (!SaveDemoMemory(*memory, memoryFile, error) || !server_.Open(error)) return false;
  engine_ = std::make_unique<LoaderEngine>(*memory, LoaderOptions{});
  thread_ = std::thread([this, memoryFile] {
    const auto save = [this, &memoryFile] {
      std::string saveError;
      if (!engine_->Memory().Save(memoryFile, saveError)) std::cerr << "demo unit: " << saveError << "\n";
    };
    server_.Serve(*engine_, pace_, nullptr, save, stop_);
  });
  return true;
}

}  // namespace k9r::sim
