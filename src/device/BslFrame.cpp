#include "device/BslFrame.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "core/SetupImage.h"

namespace k9r {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

}  // namespace

ParsedFrameText ParseFrameText(std::string_view text) {
  const std::string_view digits = Trimmed(text);
  ParsedFrameText parsed;
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
    const std::string_view pair = digits.substr(i, 2);
    if (!IsHexByteText(pair)) {
      parsed.complete = false;
      break;
    }
    parsed.bytes.push_back(static_cast<std::uint8_t>(ParseHex(pair)));
  }
  return parsed;
}

void AppendChecksum(Bytes& frame) {
  std::uint8_t even = 0;
  std::uint8_t odd = 0;
  for (std::size_t i = 0; i < frame.size(); ++i) {
    (i % 2 == 0 ? even : odd) ^= frame[i];
  }
  frame.push_back(static_cast<std::uint8_t>(0xFF - even));
  frame.push_back(static_cast<std::uint8_t>(0xFF - odd));
}

std::string ReadFrameText(int address, int length) {
  const std::string addressText = AddressText(address);
  return "80" "14" "04" "04" + addressText.substr(2, 2) + addressText.substr(0, 2) + ByteText(length) + "00";
}

std::string ReplyTextSpaced(const Bytes& bytes) {
  std::string text;
  for (std::uint8_t byte : bytes) text += ByteText(byte) + " ";
  return text;
}

std::string ReplyTextCompact(const Bytes& bytes) {
  std::string text;
  for (std::uint8_t byte : bytes) text += ByteText(byte);
  return text;
}

std::string ReplyTextNoLeadingZero(const Bytes& bytes) {
  std::string text;
  for (std::uint8_t byte : bytes) {
    if (byte >= 0x10) text += kHexDigits[byte >> 4];
    text += kHexDigits[byte & 0xF];
  }
  return text;
}

std::string AllTrim(std::string& Dwith) {
  std::string result(Trimmed(Dwith));
  result.erase(std::remove(result.begin(), result.end(), ' '), result.end());
  Dwith = result;
  return result;
}

std::string Mid(const std::string& text, std::size_t start, std::size_t length) {
  if (start < 1 || start > text.size()) return {};
  return text.substr(start - 1, length);
}

std::optional<std::string> ReadReplyProblem(const std::string& replyText, int expectedLength) {
  std::istringstream tokens(replyText);
  Bytes reply;
  std::string token;
  while (tokens >> token) {
    if (!IsHexByteText(token)) return "the reply holds \"" + token + "\", which is no byte";
    reply.push_back(static_cast<std::uint8_t>(ParseHex(token)));
  }
  const auto wanted = static_cast<std::size_t>(expectedLength);
  if (reply.empty()) return "no reply";
  if (reply.size() == 1 && reply[0] == kBslNak) return "the loader refused the read";
  if (reply.size() < 4 || reply[0] != kBslSync || reply[2] != expectedLength || reply[3] != expectedLength) {
    return "the reply does not start as a reply to a read of " + std::to_string(expectedLength) + " bytes";
  }
  if (reply.size() != wanted + 6) {
    return "the reply has " + std::to_string(reply.size()) + " bytes instead of " + std::to_string(wanted + 6);
  }
  Bytes body(reply.begin(), reply.end() - 2);
  AppendChecksum(body);
  if (!std::equal(body.end() - 2, body.end(), reply.end() - 2)) return "the reply's checksum is wrong";
  return std::nullopt;
}

}  // namespace k9r
