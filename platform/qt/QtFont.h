#pragma once
// Stored font descriptions (LOGFONT values, the control's character format) as QFonts.
// A face this system does not have, such as "Fixedsys", falls back to the system's
// fixed-pitch font; the stored face name itself is left alone.

#include "platform/LogFont.h"
#include "platform/RichTextHost.h"

#include <QFont>
#include <QString>

namespace platform {

// The font family to use for a stored face name.
QString FontFamilyFor(const char* faceName);
// The font a screen context would select for `font` (heights are in pixels).
QFont FontFromLogFont(const LogFont& font);
// A stored weight from this on counts as bold.
constexpr int kBoldWeight = 600;
// The point size of a stored height at `dotsPerInch` (the screen FontFromLogFont's pixels
// are measured on); 0 for a height of 0 (the default size).
int PointSizeOfLogFont(const LogFont& font, int dotsPerInch);
// `stored` with the choice of a font dialog applied: family, point size, bold, italic,
// underline and strike-out of `chosen`. Every other field is kept (character set,
// precisions, quality, pitch and family, width, escapement), as are the face name while
// the family is the one `stored` shows in, the height while the point size is the one it
// has, and the weight while bold stays as it was.
LogFont LogFontFromQFont(const QFont& chosen, const LogFont& stored, int dotsPerInch);
// The fixed-pitch "Courier New" of `pixelHeight` pixels, normal weight, that dialogs set
// on their text controls (the system's fixed font where that face is missing).
QFont CourierNewFont(int pixelHeight);
// The font of a default character format: face, size and strike-out where the mask says.
QFont FontFromCharFormat(const CharFormat& format, const QFont& base);

} // namespace platform
