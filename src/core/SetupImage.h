#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace k9r {

// The working copy of device information memory 0x1000-0x10FF: 256 text
// cells, one per byte. A cell normally holds two upper-case hex digits; an
// empty cell stands for an erased byte (0xFF).
class SetupImage {
 public:
  static constexpr int kCellCount = 256;
  static constexpr int kFirstAddress = 0x1000;

  using CellObserver = std::function<void(int cellIndex)>;

  const std::string& CellText(int cellIndex) const;
  // Stores the text exactly as given: typed text is the cell's content.
  void SetCellText(int cellIndex, std::string text);

  int ReadImageByte(int address) const;
  void WriteImageByte(int address, int value);
  // position 1 is the most significant bit (0x80), position 8 the least.
  void SetImageBit(int address, int position, int bitValue);
  void SetImageBit(std::string_view addressText, int position, int bitValue);

  // Called after every change of a cell's text (the window refreshes its box).
  void SetObserver(CellObserver observer);

 private:
  std::array<std::string, kCellCount> cells_;
  CellObserver observer_;
};

// Cell index 0-255 of a device address 0x1000-0x10FF; throws
// std::out_of_range for any other address.
int ImageCellIndex(int address);
int ImageCellIndex(std::string_view addressText);

// Four upper-case hex digits without prefix ("10A0").
std::string AddressText(int address);
// Hex text to number; stops at the first character that is no hex digit.
int ParseHex(std::string_view text);
// Two upper-case hex digits ("0A").
std::string ByteText(int value);
// True for one or two hex digits, either case.
bool IsHexByteText(std::string_view text);

}  // namespace k9r
