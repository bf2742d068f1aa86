#pragma once
// What an RTF writer needs from the read-only rich-text control it fills: measuring in
// the control's screen context, its default character format, and a stream-in that
// replaces the whole content. The Qt view implements it; tests implement it with fakes.

#include "platform/LogFont.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace platform {

// Mask bits of CharFormat, as the control's 8-bit character-format structure has them.
constexpr std::uint32_t kCfmStrikeOut = 0x00000008;
constexpr std::uint32_t kCfmSize = 0x80000000;
constexpr std::uint32_t kCfmFace = 0x20000000;
constexpr std::uint32_t kCfmOffset = 0x10000000;
constexpr std::uint32_t kCfmCharSet = 0x08000000;
// Effect bit.
constexpr std::uint32_t kCfeStrikeOut = 0x00000008;

// Default character format of the control; only the fields named in `mask` apply.
struct CharFormat {
    std::uint32_t mask = 0;
    std::uint32_t effects = 0;
    std::int32_t heightTwips = 0;
    std::int32_t offset = 0;
    std::uint8_t charSet = 0;
    std::uint8_t pitchAndFamily = 0;
    char faceName[kFaceNameSize] = {};
};

// A screen measuring context with one font selected.
class ITextMeasure {
public:
    virtual ~ITextMeasure() = default;
    // Width of Windows-1252 text in device units (pixels).
    virtual int TextWidth(std::string_view text) const = 0;
    // Vertical pixels per logical inch of the context.
    virtual int PixelsPerInch() const = 0;
};

// Pulls the next bytes of a stream into `buffer` (at most `requested`); 0 ends the stream.
using StreamReadCallback = std::function<std::size_t(char* buffer, std::size_t requested)>;

class IRichTextHost {
public:
    virtual ~IRichTextHost() = default;

    virtual void SetReadOnly(bool readOnly) = 0;
    // Empties the control (the document's DeleteContents).
    virtual void DeleteContents() = 0;
    virtual void SetDefaultCharFormat(const CharFormat& format) = 0;
    // A measuring context of the control's screen with `font` selected; valid while the
    // host lives.
    virtual std::unique_ptr<ITextMeasure> CreateMeasure(const LogFont& font) const = 0;
    // Replaces the whole content by the RTF that `read` delivers; returns false when the
    // stream could not be read.
    virtual bool StreamInRtf(const StreamReadCallback& read) = 0;
};

} // namespace platform
