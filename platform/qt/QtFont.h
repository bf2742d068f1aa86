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
// The fixed-pitch "Courier New" of `pixelHeight` pixels, normal weight, that dialogs set
// on their text controls (the system's fixed font where that face is missing).
QFont CourierNewFont(int pixelHeight);
// The font of a default character format: face, size and strike-out where the mask says.
QFont FontFromCharFormat(const CharFormat& format, const QFont& base);

} // namespace platform
