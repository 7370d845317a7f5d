#include "sim/UnitMemory.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <variant>

#include "core/SetupImage.h"
#include "device/DefaultImages.h"
#include "device/TiTxt.h"

namespace k9r::sim {

Region RegionOf(int address) {
  if (address >= kRamStart && address <= kRamEnd) return Region::Ram;
  if (address >= kLoaderRomStart && address <= kLoaderRomEnd) return Region::LoaderRom;
  if (address >= kInfoStart && address <= kInfoEnd) return Region::InfoFlash;
  if (address >= kMainStart && address <= kMainEnd) return Region::MainFlash;
  return Region::Unused;
}

UnitMemory UnitMemory::Fresh(const UnitIdentity& identity) {
  UnitMemory memory;
  memory.SetRange(0x0FF0, {0xF1, 0x49});  // chip id of the F149
  memory.SetLoaderVersion(identity.loaderVersion);
  // Calibration data of the unit's own in the lower information segment.
  memory.SetRange(kInfoStart, {0x5A, 0x01, 0x3C, 0x7E, 0x10, 0x22, 0x00, 0x04});
  const std::string image = DefaultRepairImage(ByteText(identity.modelByte));
  for (int i = 0; i < 128; ++i) {
    memory.Set(kSettingsAddress + i, static_cast<std::uint8_t>(ParseHex(image.substr(2 * static_cast<std::size_t>(i), 2))));
  }
  memory.SetRange(kMainStart, {0x31, 0x40, 0x00, 0x0A, 0xB2, 0x40, 0x80, 0x5A, 0x20, 0x01});  // firmware start
  memory.SetRange(kSerialAddress, Bytes(identity.serialCode.begin(), identity.serialCode.end()));
  memory.SetRange(kDateAddress, Bytes(identity.date.begin(), identity.date.end()));
  memory.Set(kModelAddress, identity.modelByte);
  memory.SetRange(kVectorTableAddress, Bytes(identity.password.begin(), identity.password.end()));
  return memory;
}

Bytes UnitMemory::Range(int address, int length) const {
  Bytes bytes;
  for (int i = 0; i < length; ++i) bytes.push_back(At((address + i) & 0xFFFF));
  return bytes;
}

void UnitMemory::SetRange(int address, const Bytes& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) Set((address + static_cast<int>(i)) & 0xFFFF, bytes[i]);
}

bool UnitMemory::IsErased(int first, int last) const {
  for (int address = first; address <= last; ++address) {
    if (At(address) != 0xFF) return false;
  }
  return true;
}

void UnitMemory::Erase(int first, int last) {
  for (int address = first; address <= last; ++address) Set(address, 0xFF);
}

void UnitMemory::SetLoaderVersion(int version) {
  SetRange(kLoaderVersionAddress, {static_cast<std::uint8_t>(version >> 8), static_cast<std::uint8_t>(version)});
}

LoaderPassword UnitMemory::Password() const {
  LoaderPassword password{};
  const Bytes table = Range(kVectorTableAddress, kPasswordLength);
  std::copy(table.begin(), table.end(), password.begin());
  return password;
}

bool UnitMemory::Save(const std::string& path, std::string& error) const {
  std::vector<TiTxtSection> sections;
  for (int line = kLoaderRomStart; line <= 0xFFFF; line += 16) {
    if (IsErased(line, line + 15)) continue;
    if (sections.empty() || sections.back().address + static_cast<int>(sections.back().bytes.size()) != line) {
      sections.push_back({line, {}});
    }
    const Bytes bytes = Range(line, 16);
    sections.back().bytes.insert(sections.back().bytes.end(), bytes.begin(), bytes.end());
  }
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::trunc);
    WriteTiTxt(out, sections);
    if (!out.flush()) {
      error = "cannot write " + temporary;
      return false;
    }
  }
  // Replacing the file in one step keeps a complete copy even if we stop
  // half-way through writing.
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    error = "cannot replace " + path;
    return false;
  }
  return true;
}

std::optional<UnitMemory> UnitMemory::Load(const std::string& path, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot open " + path;
    return std::nullopt;
  }
  const auto read = ReadTiTxt(in);
  if (const auto* fault = std::get_if<TiTxtError>(&read)) {
    error = path + (fault->line ? ":" + std::to_string(fault->line) : std::string()) + ": " + fault->what;
    return std::nullopt;
  }
  UnitMemory memory;
  for (const TiTxtSection& section : std::get<std::vector<TiTxtSection>>(read)) {
    memory.SetRange(section.address, section.bytes);
  }
  return memory;
}

}  // namespace k9r::sim
