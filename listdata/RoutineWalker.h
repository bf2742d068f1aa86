#pragma once
// The record loops that the list routines share, one per shape of list: person-keyed
// lists read for a title to their end, title-keyed lists read up to the title's block,
// and name-sorted lists read up to the person's place. Each routine supplies only what it
// does with the lines of a matching record.

#include "listdata/ListFile.h"
#include "listdata/ListRoutine.h"
#include "listdata/RecordTarget.h"
#include "listdata/SearchText.h"

#include <cstring>
#include <string>
#include <string_view>

namespace routines {

// Adds records of one list's type.
class RecordOut {
public:
    RecordOut(IRecordTarget& target, int type) : m_target(target), m_type(type) {}
    bool Empty(int key) { return m_target.AddEmpty(m_type, key); }
    bool Int(int key, std::int32_t value) { return m_target.AddInt(m_type, key, value); }
    bool Text(int key, std::string_view text) { return m_target.AddString(m_type, key, text); }
    bool Bytes3(int key, std::uint32_t value) { return m_target.AddBytes3(m_type, key, value); }
    bool Bytes10(int key, std::uint32_t a, std::uint32_t b, std::uint16_t c)
    {
        return m_target.AddBytes10(m_type, key, a, b, c);
    }

private:
    IRecordTarget& m_target;
    int m_type;
};

inline std::string_view CurrentLine(const CListFile& file)
{
    return searchtext::LineView(file.GetLine(), file.GetLineLength());
}

// Person-keyed credit lists searched for a title (read to the end). For every record
// whose lines credit the title, `onLine(line, pos, episode)` is called per matching line
// with `pos` after the title field, then `onPerson(name)` once; the record's lines end at
// the first line without a title and at the first non-matching line after a match. Each
// line is one credit: the pieces that continue an over-long line are not read.
// Returns false when `onPerson` fails to store.
template <class OnLine, class OnPerson>
bool WalkCreditsForTitle(CListFile& file, std::string_view title, OnLine&& onLine, OnPerson&& onPerson)
{
    // No line credits an empty title.
    if (title.empty())
        return true;
    std::string name;
    for (;;) {
        // Records without a line holding the title act on nothing: pass them unread.
        const std::uint64_t before = file.Consumed();
        file.PassRecordsWithout(title);
        // Passed records are records in hand too: a cancel ends the walk behind them.
        if ((file.Consumed() != before && g_bCancelSearch) || !file.NextRecord())
            break;
        std::string_view line = CurrentLine(file);
        std::size_t pos = 0;
        std::string_view field;
        if (searchtext::NextTabField(line, pos, field)) {
            name.assign(field);
            bool matched = false;
            for (;;) {
                // Most lines credit another title: reject those on their first bytes
                // before cutting the field.
                pos = searchtext::SkipWhiteFrom(line, pos);
                if (pos >= line.size())
                    break;
                if (!searchtext::BeginsWithTitle(line, pos, title)) {
                    if (matched)
                        break;
                } else {
                    if (!searchtext::NextField(line, pos, field))
                        break;
                    const searchtext::TitleMatch match = searchtext::MatchTitle(field, title);
                    if (match != searchtext::TitleMatch::none) {
                        matched = true;
                        onLine(line, pos, match == searchtext::TitleMatch::episode);
                    } else if (matched) {
                        break;
                    }
                }
                if (!file.NextLineStart())
                    break;
                line = CurrentLine(file);
                pos = 0;
            }
            if (matched && !onPerson(name))
                return false;
        }
        if (g_bCancelSearch)
            break;
    }
    return true;
}

// How a title-keyed list writes the title of a record.
enum class TitleForm {
    prefixed,  // first line without a prefix, trailing white removed
    wholeLine, // first line, trailing white removed
    tabField,  // the first field up to a TAB
};

struct TitleShape {
    TitleForm form;
    std::string_view prefix; // for TitleForm::prefixed
    bool episodes;           // episode entries of a series match too
    bool firstOnly;          // stop rule A (else B)
};

// Title-keyed lists: calls `onMatch(line, pos, episode, label)` for each matching record
// (`pos` after the title for TAB-field titles; `label` the episode's brace content,
// empty for the title itself; both views die at the next read) and stops by the shape's
// rule. Returns false when `onMatch` does.
template <class OnMatch>
bool WalkTitleRecords(CListFile& file, std::string_view title, const TitleShape& shape, OnMatch&& onMatch)
{
    if (title.empty())
        return true;
    bool matched = false;
    for (;;) {
        // Up to the first match, records whose first line lacks the title are only
        // rejected: pass them unread. After it, a record that does not match ends the walk.
        const std::uint64_t before = file.Consumed();
        if (!matched)
            file.PassRecordStartsWithout(title);
        // Passed records are records in hand too: a cancel ends the walk behind them.
        if ((file.Consumed() != before && g_bCancelSearch) || !file.NextRecord())
            break;
        const std::string_view line = CurrentLine(file);
        // A title field always begins with the document's title when it matches, so
        // most records are rejected on their first bytes before the field is cut.
        std::size_t start = 0;
        if (shape.form == TitleForm::prefixed && searchtext::StartsWith(line, shape.prefix))
            start = shape.prefix.size();
        else if (shape.form == TitleForm::tabField)
            start = searchtext::SkipWhiteFrom(line, 0);
        if (!searchtext::BeginsWithTitle(line, start, title)) {
            if (matched)
                return true;
            if (g_bCancelSearch)
                break;
            continue;
        }
        std::string_view field;
        std::size_t pos = 0;
        switch (shape.form) {
        case TitleForm::prefixed:
            field = searchtext::StripPrefix(line, shape.prefix);
            break;
        case TitleForm::wholeLine:
            field = searchtext::TrimRight(line);
            break;
        case TitleForm::tabField:
            if (!searchtext::NextTabField(line, pos, field))
                field = {};
            break;
        }
        std::string_view label;
        searchtext::TitleMatch match = searchtext::MatchTitle(field, title, &label);
        if (match == searchtext::TitleMatch::episode && !shape.episodes)
            match = searchtext::TitleMatch::none;
        if (match != searchtext::TitleMatch::none) {
            matched = true;
            if (match == searchtext::TitleMatch::exact)
                label = {};
            if (!onMatch(line, pos, match == searchtext::TitleMatch::episode, label))
                return false;
            if (shape.firstOnly)
                return true;
        } else if (matched) {
            return true;
        }
        if (g_bCancelSearch)
            break;
    }
    return true;
}

enum class LineStep { next, end, fail };

// Which pieces of an over-long line a record's walk reads (CListFile::NextLine).
enum class Pieces {
    all,   // text lists: every piece; CListFile::IsContinuation tells the continuing ones
    first, // one item or code a line: the line's first piece only
};

// The further lines of the current record; `onLine(line)` decides whether to go on.
// Returns false when `onLine` reports a failed add.
template <Pieces pieces = Pieces::all, class OnLine> bool ForEachFurtherLine(CListFile& file, OnLine&& onLine)
{
    while (pieces == Pieces::all ? file.NextLine() : file.NextLineStart()) {
        switch (onLine(CurrentLine(file))) {
        case LineStep::next:
            break;
        case LineStep::end:
            return true;
        case LineStep::fail:
            return false;
        }
    }
    return true;
}

// The text of a piece that continues a line of a text list, as its item's views join it
// to the line before (behind a blank): no code or mark is read from it, only the blanks
// around it are dropped.
inline std::string_view ContinuationText(std::string_view piece)
{
    return searchtext::TrimRight(searchtext::SkipBlanks(piece));
}

inline LineStep Step(bool stored)
{
    return stored ? LineStep::next : LineStep::fail;
}

// Name-sorted lists searched for a person: reads records while their name sorts before
// `person` (ASCII case folded), hands the equal one to `onPerson(firstLine, pos)` with
// `pos` after the name, and stops at the first name at or after the person's place.
// `cutName(line, pos, name)` cuts a record's name and sets `pos` behind it; with
// `nameLeadsLine`, a name begins with its line's first byte whenever that byte is not
// white, so a first byte sorting before the person's first settles the order.
template <class CutName, class OnPerson>
bool WalkPersonRecords(CListFile& file, std::string_view person, bool nameLeadsLine, CutName&& cutName,
                       OnPerson&& onPerson)
{
    const unsigned char below =
        nameLeadsLine && !person.empty() ? searchtext::FoldAscii(static_cast<unsigned char>(person[0])) : 0;
    for (;;) {
        // Records whose name sorts before the person's are only passed over: let the
        // reader pass them unread where it can.
        const std::uint64_t before = file.Consumed();
        file.PassRecordsWhile(below, [&](std::string_view line) {
            std::size_t pos = 0;
            std::string_view name;
            return !g_bCancelSearch &&
                   (!cutName(line, pos, name) || name.empty() || searchtext::CompareNoCase(name, person) < 0);
        });
        // Passed records are records in hand too: a cancel ends the walk behind them.
        if ((file.Consumed() != before && g_bCancelSearch) || !file.NextRecord())
            break;
        const std::string_view line = CurrentLine(file);
        std::size_t pos = 0;
        std::string_view name;
        if (cutName(line, pos, name) && !name.empty()) {
            const int order = searchtext::CompareNoCase(name, person);
            if (order == 0 && !onPerson(line, pos))
                return false;
            if (order >= 0)
                return true;
        }
        if (g_bCancelSearch)
            break;
    }
    return true;
}

} // namespace routines
