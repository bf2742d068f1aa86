#pragma once
// The entry text a list browser shows for one record: the record's title and its further
// lines, laid out by the browser's list. Texts are Windows-1252 with "\r\n" line breaks.

#include <functional>
#include <string>
#include <string_view>

class CListFile;

namespace shellcore {

// How a browser lays out a record's lines.
enum class EntryLayout {
    Plain,      // the title, an empty line, each line without its trailing blanks
    Taglines,   // as Plain, one leading tab cut from each line
    Quotes,     // as Plain, blank lines kept singly; two blank lines end the record
    Goofs,      // a heading line per coded goof, the goof indented under it
    Plot,       // summaries, each closed by its author line and an empty line
    Business,   // lines grouped under the name of their business code
    MovieLinks, // linked titles grouped under their relation
};

// The record's next line as the list reader hands it out (newline kept, NUL-terminated),
// `continues` set when it is a piece that continues an over-long line; null at the
// record's end.
using NextRecordLine = std::function<const char*(bool& continues)>;

// The further lines of the record `file` has just read the first line of.
NextRecordLine FurtherLinesOf(CListFile& file);

// The entry of the record titled `title` whose further lines `next` gives. A piece that
// continues a line carries no code: the coded layouts show it as the rest of its goof or
// summary, or pass it over where each line is an item under its code's heading.
std::string ComposeBrowserEntry(EntryLayout layout, std::string_view title, const NextRecordLine& next);

} // namespace shellcore
