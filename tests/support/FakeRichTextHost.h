#pragma once
// A rich-text control and a measuring context for tests of the RTF writer and the view
// builders: every character is equally wide, and the control keeps what it was given.

#include "platform/RichTextHost.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

// Every character is `pitch` pixels wide, as in a fixed-pitch screen font.
class FixedPitchMeasure : public platform::ITextMeasure {
public:
    FixedPitchMeasure(int pitch = 8, int pixelsPerInch = 96) : m_pitch(pitch), m_pixelsPerInch(pixelsPerInch) {}
    int TextWidth(std::string_view text) const override { return m_pitch * static_cast<int>(text.size()); }
    int PixelsPerInch() const override { return m_pixelsPerInch; }

private:
    int m_pitch;
    int m_pixelsPerInch;
};

class FakeHost : public platform::IRichTextHost {
public:
    void SetReadOnly(bool readOnly) override { this->readOnly = readOnly; }
    void DeleteContents() override
    {
        ++deleteCount;
        streamed.clear();
    }
    void SetDefaultCharFormat(const platform::CharFormat& format) override
    {
        charFormat = format;
        ++charFormatCount;
    }
    std::unique_ptr<platform::ITextMeasure> CreateMeasure(const platform::LogFont& font) const override
    {
        fontsMeasured.push_back(font.lfHeight);
        return std::make_unique<FixedPitchMeasure>(pitch, pixelsPerInch);
    }
    bool StreamInRtf(const platform::StreamReadCallback& read) override
    {
        streamed.clear();
        char buffer[7]; // small, so the stream takes many calls
        for (;;) {
            const std::size_t count = read(buffer, sizeof buffer);
            if (count == 0)
                break;
            EXPECT_LE(count, sizeof buffer);
            streamed.append(buffer, count);
        }
        return true;
    }

    int pitch = 8;
    int pixelsPerInch = 96;
    bool readOnly = false;
    int deleteCount = 0;
    int charFormatCount = 0;
    platform::CharFormat charFormat;
    std::string streamed;
    mutable std::vector<int> fontsMeasured;
};

} // namespace testsupport
