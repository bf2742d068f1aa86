#pragma once
// Font description as stored in the profile (the fields of a Windows LOGFONT).

#include <cstdint>
#include <cstring>
#include <string_view>

namespace platform {

using ColorRef = std::uint32_t; // 0x00BBGGRR

constexpr ColorRef Rgb(int red, int green, int blue)
{
    return static_cast<ColorRef>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int RedOf(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

// A face name holds up to 31 characters, as the framework's does; it is UTF-8 here, so
// the buffer has room for 31 characters of up to 4 bytes and a NUL.
constexpr int kFaceNameChars = 31;
constexpr int kFaceNameSize = kFaceNameChars * 4 + 1;

struct LogFont {
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    char lfFaceName[kFaceNameSize] = {};
};

// Puts the UTF-8 `face` into `faceName`, NUL-filled, cut after kFaceNameChars characters
// and never inside one.
inline void SetFaceName(char (&faceName)[kFaceNameSize], std::string_view face)
{
    std::size_t end = 0;
    int characters = 0;
    for (std::size_t i = 0; i <= face.size(); ++i) {
        const bool characterStarts = i == face.size() || (static_cast<unsigned char>(face[i]) & 0xC0) != 0x80;
        if (!characterStarts)
            continue;
        if (i >= kFaceNameSize || characters > kFaceNameChars)
            break;
        end = i;
        ++characters;
    }
    std::memset(faceName, 0, kFaceNameSize);
    std::memcpy(faceName, face.data(), end);
}

} // namespace platform
