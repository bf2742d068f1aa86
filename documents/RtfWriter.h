#pragma once
// Builds a view's whole text as one RTF string, counts the character position that the
// rich-text control will give every character, records each link with its range in a
// CRtfLinkTable, and streams the result into the attached control.
//
// Per rebuild: SetupFont and Reset (either order), BeginDocument, any number of text,
// link, paragraph, tab and new-line calls, EndDocument, StreamIn. The settings are read at
// each call, so a changed setting shows at the next rebuild.
//
// A CR or LF inside a text shows as a blank (one position, as the control counts it),
// and a link's display text in the table is that shown text.
//
// GUI thread only.

#include "documents/RtfLinkTable.h"
#include "platform/RichTextHost.h"

#include <cstdint>
#include <string>
#include <string_view>

class CAppSettings;

// Style bits of WriteText and WriteLink.
constexpr int kRtfStyleLarge = 1;
constexpr int kRtfStyleBold = 2;
constexpr int kRtfStyleUnderline = 4;
constexpr int kRtfStyleItalic = 8;

// Colour-table entries.
constexpr int kRtfColorNone = 0;
constexpr int kRtfColorText = 1;
constexpr int kRtfColorLink = 2;

// Used when no view is attached to measure on.
constexpr int kRtfDefaultPixelsPerInch = 96;

// A list text cut at its first "(qv)": a name in single quotes or a title between
// underscores, right before "(qv)", is a cross-reference.
struct QvSplit {
    bool found = false;         // the text holds a "(qv)"
    std::string_view before;    // text in front of the reference (all of it when !found)
    std::string_view reference; // between the marks; empty when there is no valid reference
    char mark = 0;              // '\'' name, '_' title; 0 when there is no reference
    std::string_view rest;      // what follows "(qv)"
};

// The one rule that Flush and QvTextExtent share. A "(qv)" whose closing mark has no
// earlier matching mark is only removed: nothing else is dropped.
QvSplit SplitAtQv(std::string_view text);

// `text` without the bytes of code 32 or below at both ends: what the trim flag writes.
std::string_view RtfTrimmed(std::string_view text);

class CRtfWriter {
public:
    // `settings` must outlive the writer (or be replaced with SetSettings first).
    explicit CRtfWriter(const CAppSettings* settings);
    CRtfWriter(const CRtfWriter&) = delete;
    CRtfWriter& operator=(const CRtfWriter&) = delete;

    void SetSettings(const CAppSettings* settings) { m_settings = settings; }
    const CAppSettings& Settings() const { return *m_settings; }

    // Remembers the view (which must outlive the writer or be detached with nullptr),
    // makes it read-only and resets the writer.
    void Attach(platform::IRichTextHost* view);
    platform::IRichTextHost* View() const { return m_view; }

    void Reset();
    void SetupFont();
    void BeginDocument();
    void EndDocument();

    // Indents in twips, or in characters of the output font when `inCharacters`.
    void Paragraph(int firstIndent, int leftIndent, bool inCharacters);
    // `first` starts a new paragraph format holding this one tab stop; otherwise the stop
    // is added to the current paragraph.
    void TabStop(int positionTwips, bool first);
    void NewLine();
    void WriteText(std::string_view text, int style, bool trim);
    // An empty `alt` stands for the display text.
    void WriteLink(std::string_view display, std::string_view target, std::string_view alt, int style, RtfLinkKind kind,
                   bool trim);
    void EmitLink(std::string_view display, std::string_view target, std::string_view alt, RtfLinkKind kind);

    void SetLarge(bool on, bool flush);
    void SetBold(bool on, bool flush);
    void SetUnderline(bool on, bool flush);
    void SetItalic(bool on, bool flush);
    void SetColor(int index, bool flush);

    // Width of one character ("X") of the output font in twips, as of the last SetupFont.
    int GetCharWidth() const { return m_charWidth; }
    // Width of `text` in the output font on the view's screen, in twips; 0 without a view.
    int MeasureCharWidth(std::string_view text) const;
    // Width in `context`'s device units of `text` as the view will show it: references
    // resolved as Flush resolves them, "(qv)" marks removed (unchanged under "No Links").
    int QvTextExtent(std::string_view text, const platform::ITextMeasure& context) const;
    // Replaces the attached control's content by the output. False without a view or when
    // the control could not take it.
    bool StreamIn();
    // Converts the pending text to RTF, turning cross-references into links.
    void Flush();

    const CRtfLinkTable& Links() const { return m_links; }
    const std::string& Output() const { return m_output; }
    std::int32_t Position() const { return m_position; }

private:
    int PixelsPerInch() const;
    void Toggle(bool& flag, bool on, bool flush, const std::string& onWord, const std::string& offWord);
    void AppendEscaped(std::string_view text);
    std::string FormatPersonName(std::string_view name) const;
    // The text as the view shows it (what Flush makes of it without the RTF).
    std::string ShownText(std::string_view text) const;

    const CAppSettings* m_settings;
    CRtfLinkTable m_links;
    bool m_large = false;
    bool m_bold = false;
    bool m_underline = false;
    bool m_italic = false;
    int m_color = kRtfColorNone;
    int m_charWidth = 0;
    std::int32_t m_position = 0;
    std::string m_boldOn = "\\b ";
    std::string m_boldOff = "\\b0 ";
    std::string m_italicOn = "\\i ";
    std::string m_italicOff = "\\i0 ";
    std::string m_underlineOn = "\\ul ";
    std::string m_underlineOff = "\\ulnone ";
    std::string m_largeSize;
    std::string m_normalSize;
    std::string m_pending;
    std::string m_output;
    platform::IRichTextHost* m_view = nullptr;
};
