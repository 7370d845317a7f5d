#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace k9r {

// Files of the older tool are in the Windows ANSI code page of the PC that
// wrote them; inside the program every text is UTF-8. Conversion happens only
// where a file is read or written.
inline constexpr const char* kDefaultCodePage = "WINDOWS-1252";

bool IsValidUtf8(std::string_view bytes);
// True when the conversion library knows the name ("BIG5", "CP1252", ...).
bool IsKnownCodePage(const std::string& codePage);

// Bytes of a file to UTF-8: a file that is valid UTF-8 is taken as UTF-8
// (a leading byte-order mark dropped), anything else as the code page. A
// byte that has no character there becomes U+FFFD: a damaged file still
// loads, and the damage shows.
std::string DecodeFileBytes(std::string_view bytes, const std::string& codePage);

// UTF-8 text to the code page; nullopt when a character has no code there.
std::optional<std::string> EncodeInCodePage(std::string_view utf8, const std::string& codePage);

}  // namespace k9r
