#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "device/ProductData.h"
#include "device/SerialPort.h"

namespace k9r::sim {

// The 64 KiB address space of an MSP430F149 as the loader sees it.
inline constexpr int kRamStart = 0x0200, kRamEnd = 0x09FF;
inline constexpr int kLoaderRomStart = 0x0C00, kLoaderRomEnd = 0x0FFF;
inline constexpr int kInfoStart = 0x1000, kInfoEnd = 0x10FF, kInfoSegmentSize = 0x80;
inline constexpr int kMainStart = 0x1100, kMainEnd = 0xFFFF, kMainSegmentSize = 0x200;
inline constexpr int kLoaderVersionAddress = 0x0FFA;
inline constexpr int kSettingsAddress = 0x1080;
inline constexpr int kSerialAddress = 0xFFD0;  // 8 code bytes
inline constexpr int kDateAddress = 0xFFD9;    // 3 bytes
inline constexpr int kModelAddress = 0xFFDD;
inline constexpr int kVectorTableAddress = 0xFFE0;  // 32 bytes: the loader password

enum class Region { Unused, Ram, LoaderRom, InfoFlash, MainFlash };
Region RegionOf(int address);

// What makes one simulated unit differ from another.
struct UnitIdentity {
  std::uint8_t modelByte = 0xC5;
  std::array<std::uint8_t, 8> serialCode{0x33, 0x55, 0x00, 0x00, 0x00, 0x0F, 0x33, 0x3C};  // 24000123
  std::array<std::uint8_t, 3> date{0x06, 0x0F, 0x18};
  LoaderPassword password{};
  int loaderVersion = 0x0160;
};

class UnitMemory {
 public:
  UnitMemory() { bytes_.fill(0xFF); }
  // A unit as it leaves the factory: firmware, identity and the default
  // settings of its model.
  static UnitMemory Fresh(const UnitIdentity& identity);

  std::uint8_t At(int address) const { return bytes_.at(static_cast<std::size_t>(address)); }
  void Set(int address, std::uint8_t value) { bytes_.at(static_cast<std::size_t>(address)) = value; }
  Bytes Range(int address, int length) const;
  void SetRange(int address, const Bytes& bytes);
  bool IsErased(int first, int last) const;
  void Erase(int first, int last);
  int LoaderVersion() const { return At(kLoaderVersionAddress) << 8 | At(kLoaderVersionAddress + 1); }
  void SetLoaderVersion(int version);
  LoaderPassword Password() const;

  // The memory file is TI-TXT of every non-erased stretch; RAM is not kept.
  bool Save(const std::string& path, std::string& error) const;
  static std::optional<UnitMemory> Load(const std::string& path, std::string& error);

 private:
  std::array<std::uint8_t, 0x10000> bytes_;
};

}  // namespace k9r::sim
