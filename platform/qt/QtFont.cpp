#include "platform/qt/QtFont.h"

#include "platform/MulDiv.h"
#include "platform/qt/QtText.h"

#include <QFontDatabase>
#include <algorithm>
#include <cstring>

namespace platform {

namespace {

std::string_view FaceOf(const char* faceName)
{
    return std::string_view(faceName, strnlen(faceName, kFaceNameSize));
}

} // namespace

QString FontFamilyFor(const char* faceName)
{
    const QString face = PathToQString(FaceOf(faceName));
    if (!face.isEmpty() && QFontDatabase::hasFamily(face))
        return face;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

QFont FontFromLogFont(const LogFont& font)
{
    QFont result(FontFamilyFor(font.lfFaceName));
    // Negative: character height; positive: cell height, which Qt has no separate notion of.
    if (font.lfHeight != 0)
        result.setPixelSize(std::max(1, std::abs(font.lfHeight)));
    if (font.lfWeight > 0)
        result.setWeight(static_cast<QFont::Weight>(std::clamp(font.lfWeight, 1, 1000)));
    result.setItalic(font.lfItalic != 0);
    result.setUnderline(font.lfUnderline != 0);
    result.setStrikeOut(font.lfStrikeOut != 0);
    if ((font.lfPitchAndFamily & 0x03) == 1) { // fixed pitch
        result.setFixedPitch(true);
        result.setStyleHint(QFont::TypeWriter);
    }
    return result;
}

int PointSizeOfLogFont(const LogFont& font, int dotsPerInch)
{
    if (font.lfHeight == 0 || dotsPerInch <= 0)
        return 0;
    return MulDiv(std::abs(font.lfHeight), 72, dotsPerInch);
}

LogFont LogFontFromQFont(const QFont& chosen, const LogFont& stored, int dotsPerInch)
{
    LogFont result = stored;
    if (chosen.family() != FontFamilyFor(stored.lfFaceName)) {
        SetFaceName(result.lfFaceName, PathFromQString(chosen.family()));
    }
    const int points = chosen.pointSize();
    if (points > 0 && points != PointSizeOfLogFont(stored, dotsPerInch))
        result.lfHeight = -MulDiv(points, dotsPerInch, 72);
    const bool bold = chosen.weight() >= kBoldWeight;
    if (bold != (stored.lfWeight >= kBoldWeight))
        result.lfWeight = bold ? QFont::Bold : QFont::Normal;
    result.lfItalic = chosen.italic() ? 1 : 0;
    result.lfUnderline = chosen.underline() ? 1 : 0;
    result.lfStrikeOut = chosen.strikeOut() ? 1 : 0;
    return result;
}

QFont CourierNewFont(int pixelHeight)
{
    LogFont font;
    font.lfHeight = -pixelHeight;
    font.lfWeight = 400;
    font.lfOutPrecision = 3;
    font.lfPitchAndFamily = 1;
    std::strcpy(font.lfFaceName, "Courier New");
    return FontFromLogFont(font);
}

QFont FontFromCharFormat(const CharFormat& format, const QFont& base)
{
    QFont result(base);
    if (format.mask & kCfmFace)
        result.setFamily(FontFamilyFor(format.faceName));
    if ((format.mask & kCfmSize) && format.heightTwips > 0)
        result.setPointSizeF(format.heightTwips / 20.0);
    if (format.mask & kCfmStrikeOut)
        result.setStrikeOut((format.effects & kCfeStrikeOut) != 0);
    if (format.mask & kCfmFace) {
        if ((format.pitchAndFamily & 0x03) == 1) {
            result.setFixedPitch(true);
            result.setStyleHint(QFont::TypeWriter);
        }
    }
    return result;
}

} // namespace platform
