#pragma once
// Reads the RTF that the system's own writer emits into a QTextDocument, so that every
// character lands at the position the writer counted for it: a paragraph mark is one
// character, each escaped or 8-bit character is one.
//
// Understood: groups, \rtf1 \ansi, \colortbl with \redN\greenN\blueN, \cfN, \b \b0 \i \i0
// \ul \ulnone \fsN, \pard \fiN \liN \txN \par, the escapes \\ \{ \}, bytes as
// Windows-1252, a tab byte as a tab. Other control words are skipped; line feeds and
// carriage returns between words carry no text, as in any RTF.

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <string_view>

class QTextDocument;

namespace platform {

class CRtfReader {
public:
    // Twips become pixels at `dotsPerInch`. Characters start from `baseFormat` (the
    // control's default character format).
    CRtfReader(double dotsPerInch, const QTextCharFormat& baseFormat);

    // Replaces the document's content. Returns false when the groups do not balance; the
    // text read so far stays in the document.
    bool Read(std::string_view rtf, QTextDocument& document);

    double TwipsToPixels(int twips) const { return twips * m_dotsPerInch / 1440.0; }

private:
    double m_dotsPerInch;
    QTextCharFormat m_baseFormat;
};

} // namespace platform
