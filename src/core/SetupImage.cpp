#include "core/SetupImage.h"

#include <cctype>
#include <stdexcept>

#include "core/BaseConversion.h"

namespace k9r {

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

int ImageCellIndex(int address) {
  const int index = address - SetupImage::kFirstAddress;
  if (index < 0 || index >= SetupImage::kCellCount) {
    throw std::out_of_range("address " + AddressText(address) + " is outside 1000-10FF");
  }
  return index;
}

int ImageCellIndex(std::string_view addressText) { return ImageCellIndex(ParseHex(addressText)); }

std::string AddressText(int address) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text(4, '0');
  for (int i = 3; i >= 0; --i) {
    text[static_cast<std::size_t>(i)] = kHex[address & 0xF];
    address >>= 4;
  }
  return text;
}

int ParseHex(std::string_view text) {
  int value = 0;
  for (char c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0) break;
    value = value * 16 + digit;
  }
  return value;
}

std::string ByteText(int value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  return {kHex[(value >> 4) & 0xF], kHex[value & 0xF]};
}

bool IsHexByteText(std::string_view text) {
  if (text.empty() || text.size() > 2) return false;
  for (char c : text) {
    if (HexDigitValue(c) < 0) return false;
  }
  return true;
}

const std::string& SetupImage::CellText(int cellIndex) const {
  return cells_.at(static_cast<std::size_t>(cellIndex));
}

void SetupImage::SetCellText(int cellIndex, std::string text) {
  std::string& cell = cells_.at(static_cast<std::size_t>(cellIndex));
  if (cell == text) return;
  cell = std::move(text);
  if (observer_) observer_(cellIndex);
}

int SetupImage::ReadImageByte(int address) const {
  const std::string& text = CellText(ImageCellIndex(address));
  return text.empty() ? 0xFF : ParseHex(text);
}

void SetupImage::WriteImageByte(int address, int value) {
  SetCellText(ImageCellIndex(address), ByteText(value));
}

void SetupImage::SetImageBit(int address, int position, int bitValue) {
  std::string pattern = BitPattern(ReadImageByte(address));
  pattern[static_cast<std::size_t>(position - 1)] = static_cast<char>('0' + bitValue);
  WriteImageByte(address, FromBaseString(pattern, 2));
}

void SetupImage::SetImageBit(std::string_view addressText, int position, int bitValue) {
  SetImageBit(ParseHex(addressText), position, bitValue);
}

void SetupImage::SetObserver(CellObserver observer) { observer_ = std::move(observer); }

}  // namespace k9r
