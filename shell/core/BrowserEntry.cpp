#include "shell/core/BrowserEntry.h"

#include "listdata/CodeNames.h"
#include "listdata/ListLine.h"

namespace shellcore {

namespace {

// The heading of a group whose code has no name (a line without a known prefix).
constexpr const char* kOtherHeading = "Other:";

void AppendPlain(std::string& entry, const NextRecordLine& next, const char* cutPrefix)
{
    CListLine text;
    while (const char* line = next()) {
        entry += "\r\n";
        entry += cutPrefix ? text.StripPrefix(line, cutPrefix) : text.SetTrimRight(line);
    }
}

// Only two blank lines in a row end a quotes record; the reader hands out every line.
void AppendQuotes(std::string& entry, const NextRecordLine& next)
{
    CListLine text;
    int pendingBlanks = 0;
    while (pendingBlanks < 2) {
        const char* line = next();
        if (!line)
            break;
        if (*text.SetTrimRight(line) == '\0') {
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
    while (const char* line = next()) {
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
    while (const char* line = next()) {
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
    while (const char* line = next()) {
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
