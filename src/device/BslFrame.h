#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "device/SerialPort.h"

namespace k9r {

// Loader bytes and commands (TI's MSP430 bootstrap loader for the 1xx family).
inline constexpr std::uint8_t kBslSync = 0x80;
inline constexpr std::uint8_t kBslAck = 0x90;
inline constexpr std::uint8_t kBslNak = 0xA0;
inline constexpr std::uint8_t kCmdPassword = 0x10;
inline constexpr std::uint8_t kCmdWriteBlock = 0x12;
inline constexpr std::uint8_t kCmdReadBlock = 0x14;
inline constexpr std::uint8_t kCmdEraseSegment = 0x16;
inline constexpr std::uint8_t kCmdMassErase = 0x18;
inline constexpr std::uint8_t kCmdLoadPc = 0x1A;

// A frame given as hex text, two digits a byte (either case, surrounding
// blanks allowed), without the checksum.
struct ParsedFrameText {
  Bytes bytes;
  // False when a pair is no hex number: bytes then hold those before it.
  bool complete = true;
};
ParsedFrameText ParseFrameText(std::string_view text);

// CKL is the complement of the XOR of the even bytes, CKH of the odd ones.
void AppendChecksum(Bytes& frame);

// "80 14 04 04 AL AH LEN 00": read `length` bytes at `address`.
std::string ReadFrameText(int address, int length);

// Reply texts as the link keeps them: "80 00 0F 0F " (read replies), "90"
// (two digits, no separator) and "9" for 0x09 (no leading zero).
std::string ReplyTextSpaced(const Bytes& bytes);
std::string ReplyTextCompact(const Bytes& bytes);
std::string ReplyTextNoLeadingZero(const Bytes& bytes);

// Trims the text and removes every blank in it; the argument becomes the
// result as well.
std::string AllTrim(std::string& Dwith);

// Characters start..start+length-1 counted from 1; shorter where the text
// ends.
std::string Mid(const std::string& text, std::size_t start, std::size_t length = std::string::npos);

// What is wrong with a spaced read reply that should carry expectedLength
// data bytes (header 80 00 n n, the data, the checksum); nullopt when it is
// complete and its checksum is right.
std::optional<std::string> ReadReplyProblem(const std::string& replyText, int expectedLength);

}  // namespace k9r
