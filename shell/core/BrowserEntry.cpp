#include "shell/core/BrowserEntry.h"

#include "listdata/CodeNames.h"
#include "listdata/ListFile.h"
#include "listdata/ListLine.h"
#include "listdata/SearchText.h"

namespace shellcore {

namespace {

// The heading of a group whose code has no name (a line without a known prefix).
constexpr const char* kOtherHeading = "Other:";

// A piece that continues a line, on a line of the entry after `lineStart`, without the
// blanks around it.
void AppendPiece(std::string& entry, const char* lineStart, const char* piece)
{
    entry += lineStart;
    entry += searchtext::TrimRight(searchtext::SkipBlanks(piece));
}

// Text layouts show every piece as a line of its own.
void AppendPlain(std::string& entry, const NextRecordLine& next, const char* cutPrefix)
{
    CListLine text;
    bool continues = false;
    while (const char* line = next(continues)) {
        entry += "\r\n";
        entry += cutPrefix ? text.StripPrefix(line, cutPrefix) : text.SetTrimRight(line);
    }
}

// Only two blank lines in a row end a quotes record; the reader hands out every line.
void AppendQuotes(std::string& entry, const NextRecordLine& next)
{
    CListLine text;
    int pendingBlanks = 0;
    bool continues = false;
    while (pendingBlanks < 2) {
        const char* line = next(continues);
        if (!line)
            break;
        if (*text.SetTrimRight(line) == '\0') {
            // The blank rest of a line is no blank line.
            if (!continues)
                ++pendingBlanks;
            continue;
        }
        for (; pendingBlanks > 0; --pendingBlanks)
            entry += "\r\n";
        entry += "\r\n";
        entry += text.GetText();
    }
}

void AppendGoofs(std::string& entry, const NextRecordLine& next)
{
    CListLine text;
    bool continues = false;
    while (const char* line = next(continues)) {
        // The rest of a line stands under its goof as the goof's own further lines do.
        if (continues) {
            AppendPiece(entry, "\r\n  ", line);
            continue;
        }
        text = line;
        int code = 0;
        text.ParseGoofCode(code);
        entry += "\r\n";
        if (const char* name = GoofCodeName(code)) {
            entry += name;
            entry += ":\r\n";
        }
        entry += "  ";
        entry += text.GetText();
    }
}

void AppendPlot(std::string& entry, const NextRecordLine& next)
{
    constexpr int kAuthorLine = 2;
    CListLine text;
    int previousCode = 0;
    bool continues = false;
    while (const char* line = next(continues)) {
        // The rest of a line follows it, with no author mark or break of its own.
        if (continues) {
            AppendPiece(entry, "\r\n", line);
            continue;
        }
        text = line;
        int code = 0;
        text.ParsePlotCode(code);
        if (previousCode == kAuthorLine)
            entry += "\r\n";
        entry += "\r\n";
        if (code == kAuthorLine)
            entry += "- Summary written by: ";
        entry += text.GetText();
        previousCode = code;
    }
}

// Consecutive lines of one code form a group under a heading; `heading(code)` gives the
// heading's text, null for a code without a name.
template <class Parse, class Name>
void AppendGroups(std::string& entry, const NextRecordLine& next, Parse parse, Name name, const char* headingEnd)
{
    CListLine text;
    int group = -1;
    bool continues = false;
    while (const char* line = next(continues)) {
        // One item a line: the rest of a line would stand as an item of its own.
        if (continues)
            continue;
        text = line;
        int code = 0;
        parse(text, code);
        if (code != group) {
            const char* heading = name(code);
            entry += "\r\n\r\n";
            if (heading) {
                entry += heading;
                entry += headingEnd;
            } else {
                entry += kOtherHeading;
            }
            group = code;
        }
        entry += "\r\n  ";
        entry += text.GetText();
    }
}

} // namespace

NextRecordLine FurtherLinesOf(CListFile& file)
{
    return [&file](bool& continues) -> const char* {
        if (!file.NextLine())
            return nullptr;
        continues = file.IsContinuation();
        return file.GetLine();
    };
}

std::string ComposeBrowserEntry(EntryLayout layout, std::string_view title, const NextRecordLine& next)
{
    std::string entry(title);
    switch (layout) {
    case EntryLayout::Plain:
        entry += "\r\n";
        AppendPlain(entry, next, nullptr);
        break;
    case EntryLayout::Taglines:
        entry += "\r\n";
        AppendPlain(entry, next, "\t");
        break;
    case EntryLayout::Quotes:
        entry += "\r\n";
        AppendQuotes(entry, next);
        break;
    case EntryLayout::Goofs:
        entry += "\r\n";
        AppendGoofs(entry, next);
        break;
    case EntryLayout::Plot:
        entry += "\r\n";
        AppendPlot(entry, next);
        break;
    case EntryLayout::Business:
        AppendGroups(
            entry, next, [](CListLine& text, int& code) { text.ParseBusinessCode(code); }, BusinessCodeName, ":");
        break;
    case EntryLayout::MovieLinks:
        AppendGroups(
            entry, next, [](CListLine& text, int& code) { text.ParseMovieLinkCode(code); }, MovieLinkCodeName, "");
        break;
    }
    return entry;
}

} // namespace shellcore
