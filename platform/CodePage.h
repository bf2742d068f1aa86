#pragma once
// Windows-1252 text (the lists' and the documents' encoding) to and from UTF-8 (file
// paths and the Qt boundary). The five undefined bytes 0x81 0x8D 0x8F 0x90 0x9D map to
// the C1 controls of the same value, so every byte survives a round trip.

#include <string>
#include <string_view>

namespace platform {

// Unicode code point of a Windows-1252 byte.
char32_t Cp1252ToUnicode(unsigned char byte);
// The Windows-1252 byte of a code point; '?' when it has none.
unsigned char UnicodeToCp1252(char32_t codePoint);

std::string Cp1252ToUtf8(std::string_view text);
// Malformed UTF-8 sequences and unmappable characters become '?'.
std::string Utf8ToCp1252(std::string_view text);

// True when `text` is well-formed UTF-8 (no stray continuation byte, no truncated or
// overlong sequence, nothing beyond U+10FFFF, no surrogate).
bool IsUtf8(std::string_view text);

} // namespace platform
