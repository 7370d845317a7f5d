#include "files/CodePage.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace k9r {

namespace {

class Converter {
 public:
  Converter(const std::string& to, const std::string& from) : handle_(iconv_open(to.c_str(), from.c_str())) {}
  ~Converter() {
    if (Valid()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // The whole input or nothing: a byte sequence without a counterpart fails,
  // unless a replacement is given for it.
  std::optional<std::string> Convert(std::string_view input, std::string_view replacement = {}) {
    if (!Valid()) return std::nullopt;
    std::string output;
    std::vector<char> buffer(4096);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (true) {
      char* out = buffer.data();
      std::size_t outLeft = buffer.size();
      const std::size_t result = iconv(handle_, inLeft > 0 ? &in : nullptr, &inLeft, &out, &outLeft);
      output.append(buffer.data(), buffer.size() - outLeft);
      if (result != static_cast<std::size_t>(-1)) {
        if (inLeft == 0) break;
        continue;
      }
      if (errno == E2BIG) continue;
      if (replacement.empty() || inLeft == 0) return std::nullopt;
      output.append(replacement);
      ++in;
      --inLeft;
    }
    return output;
  }

 private:
  iconv_t handle_;
};

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      code = lead & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(length) > bytes.size()) return false;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(length);
  }
  return true;
}

bool IsKnownCodePage(const std::string& codePage) { return !codePage.empty() && Converter("UTF-8", codePage).Valid(); }

std::string DecodeFileBytes(std::string_view bytes, const std::string& codePage) {
  if (IsValidUtf8(bytes)) {
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    return std::string(bytes);
  }
  static constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
  if (auto text = Converter("UTF-8", codePage).Convert(bytes, kReplacementCharacter)) return *text;
  // An unknown code page: keep the ASCII and mark the rest.
  std::string text;
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) < 0x80) {
      text.push_back(c);
    } else {
      text.append(kReplacementCharacter);
    }
  }
  return text;
}

std::optional<std::string> EncodeInCodePage(std::string_view utf8, const std::string& codePage) {
  return Converter(codePage, "UTF-8").Convert(utf8);
}

}  // namespace k9r
