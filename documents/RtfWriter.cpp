#include "documents/RtfWriter.h"

#include "listdata/AppSettings.h"
#include "listdata/ListLine.h"
#include "platform/MulDiv.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr std::string_view kQv = "(qv)";

bool IsWhite(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

bool IsMark(char c)
{
    return c == '\'' || c == '_';
}

// ASCII letters and digits, and the accented letters of Windows-1252 (from 0xC0 on).
bool IsLetterOrDigit(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte >= 0xC0;
}

// The control drops a CR or LF of the RTF text, so one inside a record text (a lone CR
// of a list line, a line break stored in a document file) would shift every later link.
// It is shown as one blank instead: the one position the writer counts for it.
bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

std::string WithoutLineBreaks(std::string_view text)
{
    std::string shown(text);
    std::replace_if(shown.begin(), shown.end(), IsLineBreak, ' ');
    return shown;
}

} // namespace

std::string_view RtfTrimmed(std::string_view text)
{
    while (!text.empty() && IsWhite(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsWhite(text.back()))
        text.remove_suffix(1);
    return text;
}

QvSplit SplitAtQv(std::string_view text)
{
    QvSplit split;
    const std::size_t p = text.find(kQv);
    if (p == std::string_view::npos) {
        split.before = text;
        return split;
    }
    split.found = true;
    split.before = text.substr(0, p);
    split.rest = text.substr(p + kQv.size());

    // Closing mark: the nearest quote or underscore in front of "(qv)"; whatever lies
    // between it and "(qv)" (normally one blank) is dropped with the "(qv)".
    std::size_t close = p;
    while (close > 0 && !IsMark(text[close - 1]))
        --close;
    if (close == 0)
        return split;
    --close;
    const char mark = text[close];

    // Opening mark: the nearest earlier mark of the same kind. An opening quote stands at
    // the start or behind a character that is no letter or digit, so the apostrophes of
    // 'O'Brien, Pat' or 'Bob's' are passed over. Without one the text is not a reference,
    // and only the "(qv)" goes.
    std::size_t open = close;
    bool opened = false;
    while (!opened && open > 0) {
        --open;
        opened = text[open] == mark && (mark == '_' || open == 0 || !IsLetterOrDigit(text[open - 1]));
    }
    if (!opened)
        return split;
    if (close - open > 1) {
        split.before = text.substr(0, open);
        split.reference = text.substr(open + 1, close - open - 1);
        split.mark = mark;
    }
    return split;
}

CRtfWriter::CRtfWriter(const CAppSettings* settings) : m_settings(settings)
{
    Reset();
}

void CRtfWriter::Attach(platform::IRichTextHost* view)
{
    m_view = view;
    if (m_view)
        m_view->SetReadOnly(true);
    Reset();
}

void CRtfWriter::Reset()
{
    m_large = m_bold = m_underline = m_italic = false;
    m_color = kRtfColorNone;
    m_links.RemoveAll();
    m_pending.clear();
    m_output.clear();
    m_position = 0;
    if (m_view)
        m_view->DeleteContents();
}

int CRtfWriter::PixelsPerInch() const
{
    if (!m_view)
        return kRtfDefaultPixelsPerInch;
    return m_view->CreateMeasure(Settings().Font)->PixelsPerInch();
}

int CRtfWriter::MeasureCharWidth(std::string_view text) const
{
    if (!m_view)
        return 0;
    const std::unique_ptr<platform::ITextMeasure> context = m_view->CreateMeasure(Settings().Font);
    return platform::MulDiv(context->TextWidth(text), 1440, context->PixelsPerInch());
}

void CRtfWriter::SetupFont()
{
    const platform::LogFont& font = Settings().Font;
    m_charWidth = MeasureCharWidth("X");

    // A negative height is a character height, a positive one a cell height; either way
    // the text must get a positive size.
    const int points = std::abs(platform::MulDiv(font.lfHeight, 72, PixelsPerInch()));
    const int normal = 2 * points;
    const int large = normal + normal / 4;
    m_largeSize = "\\fs" + std::to_string(large) + " ";
    m_normalSize = "\\fs" + std::to_string(normal) + " ";

    // Styles of the output font itself are never switched off.
    m_boldOn = "\\b ";
    m_boldOff = font.lfWeight > 400 ? "\\b " : "\\b0 ";
    m_italicOn = "\\i ";
    m_italicOff = font.lfItalic ? "\\i " : "\\i0 ";
    m_underlineOn = "\\ul ";
    m_underlineOff = font.lfUnderline ? "\\ul " : "\\ulnone ";

    if (m_view) {
        platform::CharFormat format;
        format.mask = platform::kCfmSize | platform::kCfmFace | platform::kCfmOffset | platform::kCfmCharSet |
                      platform::kCfmStrikeOut;
        format.effects = font.lfStrikeOut ? platform::kCfeStrikeOut : 0;
        format.heightTwips = points * 20;
        format.offset = 0;
        format.charSet = font.lfCharSet;
        format.pitchAndFamily = font.lfPitchAndFamily;
        std::memcpy(format.faceName, font.lfFaceName, sizeof format.faceName);
        format.faceName[sizeof format.faceName - 1] = '\0';
        m_view->SetDefaultCharFormat(format);
    }
}

void CRtfWriter::BeginDocument()
{
    const CAppSettings& s = Settings();
    m_output = "{\\rtf1\\ansi ";
    m_output += "{\\colortbl ;";
    for (const platform::ColorRef color : {s.FontColor, s.LinkColor}) {
        m_output += "\\red" + std::to_string(platform::RedOf(color));
        m_output += "\\green" + std::to_string(platform::GreenOf(color));
        m_output += "\\blue" + std::to_string(platform::BlueOf(color)) + ";";
    }
    m_output += "}";
    SetColor(kRtfColorText, false);
    SetLarge(false, false);
    m_output += m_boldOff;
    m_output += m_italicOff;
    m_output += m_underlineOff;
}

void CRtfWriter::EndDocument()
{
    Flush();
    m_output += "\\par}";
}

void CRtfWriter::Paragraph(int firstIndent, int leftIndent, bool inCharacters)
{
    Flush();
    if (inCharacters) {
        firstIndent *= m_charWidth;
        leftIndent *= m_charWidth;
    }
    m_output += "\\pard\\fi" + std::to_string(firstIndent) + "\\li" + std::to_string(leftIndent) + " ";
}

void CRtfWriter::TabStop(int positionTwips, bool first)
{
    Flush();
    m_output += first ? "\\pard\\tx" : "\\tx";
    m_output += std::to_string(positionTwips) + " ";
}

void CRtfWriter::NewLine()
{
    Flush();
    m_output += "\\par\n";
    ++m_position;
}

void CRtfWriter::WriteText(std::string_view text, int style, bool trim)
{
    SetLarge(style & kRtfStyleLarge, true);
    SetBold(style & kRtfStyleBold, true);
    SetUnderline(style & kRtfStyleUnderline, true);
    SetItalic(style & kRtfStyleItalic, true);
    m_pending += trim ? RtfTrimmed(text) : text;
}

void CRtfWriter::WriteLink(std::string_view display, std::string_view target, std::string_view alt, int style,
                           RtfLinkKind kind, bool trim)
{
    SetLarge(style & kRtfStyleLarge, true);
    SetBold(style & kRtfStyleBold, true);
    SetUnderline(style & kRtfStyleUnderline, true);
    SetItalic(style & kRtfStyleItalic, true);
    Flush();
    if (trim)
        display = RtfTrimmed(display);
    EmitLink(display, target, alt.empty() ? display : alt, kind);
}

void CRtfWriter::EmitLink(std::string_view display, std::string_view target, std::string_view alt, RtfLinkKind kind)
{
    const CAppSettings& s = Settings();
    const bool links = s.NoLinks == 0;
    const int keptColor = m_color;
    const bool keptUnderline = m_underline;
    if (links) {
        SetColor(s.DisableLinkColor ? kRtfColorText : kRtfColorLink, false);
        if (s.UnderlineLinks)
            SetUnderline(true, false);
    }
    const std::int32_t start = m_position;
    const std::string shown = WithoutLineBreaks(display);
    AppendEscaped(shown);
    if (links)
        m_links.Add(kind, start, m_position, shown, target, alt);
    SetColor(keptColor, false);
    SetUnderline(keptUnderline, false);
}

void CRtfWriter::Toggle(bool& flag, bool on, bool flush, const std::string& onWord, const std::string& offWord)
{
    if (flag == on)
        return;
    if (flush)
        Flush();
    m_output += on ? onWord : offWord;
    flag = on;
}

void CRtfWriter::SetLarge(bool on, bool flush)
{
    Toggle(m_large, on, flush, m_largeSize, m_normalSize);
}

void CRtfWriter::SetBold(bool on, bool flush)
{
    Toggle(m_bold, on, flush, m_boldOn, m_boldOff);
}

void CRtfWriter::SetUnderline(bool on, bool flush)
{
    Toggle(m_underline, on, flush, m_underlineOn, m_underlineOff);
}

void CRtfWriter::SetItalic(bool on, bool flush)
{
    Toggle(m_italic, on, flush, m_italicOn, m_italicOff);
}

void CRtfWriter::SetColor(int index, bool flush)
{
    if (index == m_color)
        return;
    if (flush)
        Flush();
    m_output += "\\cf" + std::to_string(index) + " ";
    m_color = index;
}

void CRtfWriter::AppendEscaped(std::string_view text)
{
    for (const char c : text) {
        if (c == '\\' || c == '{' || c == '}')
            m_output += '\\';
        m_output += IsLineBreak(c) ? ' ' : c;
    }
    // The control shows each escaped character once.
    m_position += static_cast<std::int32_t>(text.size());
}

std::string CRtfWriter::FormatPersonName(std::string_view name) const
{
    CListLine line;
    const CAppSettings& s = Settings();
    const char* formatted = line.FormatName(std::string(name).c_str(), s.NameOutput, s.RemoveNameNumber != 0);
    return formatted ? std::string(formatted) : std::string();
}

void CRtfWriter::Flush()
{
    const std::string pending = std::move(m_pending);
    m_pending.clear();
    if (Settings().NoLinks) {
        AppendEscaped(pending);
        return;
    }
    std::string_view rest = pending;
    for (;;) {
        const QvSplit split = SplitAtQv(rest);
        AppendEscaped(split.before);
        if (!split.found)
            break;
        if (split.mark == '\'') {
            const std::string display = FormatPersonName(split.reference);
            EmitLink(display, split.reference, display, RtfLinkKind::NameReference);
        } else if (split.mark == '_') {
            EmitLink(split.reference, split.reference, split.reference, RtfLinkKind::Title);
        }
        rest = split.rest;
    }
}

std::string CRtfWriter::ShownText(std::string_view text) const
{
    if (Settings().NoLinks)
        return WithoutLineBreaks(text);
    std::string shown;
    for (;;) {
        const QvSplit split = SplitAtQv(text);
        shown += split.before;
        if (!split.found)
            break;
        if (split.mark == '\'')
            shown += FormatPersonName(split.reference);
        else if (split.mark == '_')
            shown += split.reference;
        text = split.rest;
    }
    return WithoutLineBreaks(shown);
}

int CRtfWriter::QvTextExtent(std::string_view text, const platform::ITextMeasure& context) const
{
    return context.TextWidth(ShownText(text));
}

bool CRtfWriter::StreamIn()
{
    if (!m_view)
        return false;
    // The stream reads from its own copy, so nothing process-wide is shared between views.
    const auto buffer = std::make_shared<const std::string>(m_output);
    auto readPosition = std::make_shared<std::size_t>(0);
    return m_view->StreamInRtf([buffer, readPosition](char* out, std::size_t requested) {
        const std::size_t count = std::min(requested, buffer->size() - *readPosition);
        std::memcpy(out, buffer->data() + *readPosition, count);
        *readPosition += count;
        return count;
    });
}
