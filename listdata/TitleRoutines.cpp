#include "listdata/TitleRoutines.h"

#include "listdata/ListLine.h"
#include "listdata/RoutineWalker.h"

#include <algorithm>
#include <cstdint>
#include <vector>

using namespace searchtext;
using routines::LineStep;
using routines::RecordOut;
using routines::TitleForm;
using routines::TitleShape;

namespace {

constexpr int kLabelKey = 99;

// Whether a routine opens each matching entry with its episode label.
enum class Label { never, whenEpisode, always };

bool AddLabel(RecordOut& out, int key, Label when, std::string_view label)
{
    if (when == Label::always || (when == Label::whenEpisode && !label.empty()))
        return out.Text(key, label);
    return true;
}

const char* OrEmpty(const char* text)
{
    return text ? text : "";
}

using CodeParser = const char* (CListLine::*)(int& code);

// The key of a piece that continues an over-long line of a coded list, from the code of
// the line it continues: the key under which the list's view joins it to that line. Null
// for lists whose view shows each line as an item of its own: there the piece is passed
// over. Either way the piece carries no code.
using ContinuationKey = int (*)(int lineCode);

// Records whose further lines each carry a prefix code: key = code, the text behind it.
bool SearchCodedLines(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target,
                      const TitleShape& shape, Label label, CodeParser parse, ContinuationKey continuationKey)
{
    RecordOut out(target, listIndex);
    CListLine line;
    int lineCode = 0;
    return routines::WalkTitleRecords(
        file, title, shape, [&](std::string_view, std::size_t, bool, std::string_view episode) {
            if (!AddLabel(out, kLabelKey, label, episode))
                return false;
            lineCode = 0;
            return routines::ForEachFurtherLine(file, [&](std::string_view raw) {
                if (file.IsContinuation()) {
                    if (continuationKey == nullptr)
                        return LineStep::next;
                    return routines::Step(out.Text(continuationKey(lineCode), routines::ContinuationText(raw)));
                }
                line = std::string(raw).c_str();
                const char* text = OrEmpty((line.*parse)(lineCode));
                return routines::Step(out.Text(lineCode, text));
            });
        });
}

// The run of blanks and dashes that opens a line of the hash lists: 1 when the line
// begins with '-', 2 when a '-' follows leading blanks, 0 without a '-'.
int DashIndent(std::string_view& text)
{
    std::size_t i = 0;
    bool dash = false;
    while (i < text.size() && (text[i] == ' ' || text[i] == '-')) {
        dash = dash || text[i] == '-';
        ++i;
    }
    const int kind = !dash ? 0 : (text.front() == '-' ? 1 : 2);
    text = TrimRight(text.substr(i));
    return kind;
}

// Lists of single lines "title TAB value [TAB note]": the title's own values, then each
// distinct value of its episodes once with the number of episodes carrying it.
struct ValueEntry {
    bool episode = false;
    std::string value;
    std::string note;
    int count = 0;
};

void GroupEpisodeValues(std::vector<ValueEntry>& entries)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ValueEntry& entry = entries[i];
        entry.count = 0;
        if (!entry.episode || entry.value.empty())
            continue;
        entry.count = 1;
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            ValueEntry& later = entries[j];
            if (later.episode && later.value == entry.value && later.note == entry.note) {
                ++entry.count;
                later.value.clear();
                later.note.clear();
            }
        }
    }
}

template <class OnEntry>
bool CollectValues(CListFile& file, const std::string& title, std::vector<ValueEntry>& entries, OnEntry&& onEntry)
{
    const TitleShape shape{TitleForm::tabField, {}, true, false};
    return routines::WalkTitleRecords(file, title, shape,
                                      [&](std::string_view line, std::size_t pos, bool episode, std::string_view) {
                                          ValueEntry& entry = entries.emplace_back();
                                          entry.episode = episode;
                                          onEntry(entry, line, pos);
                                          return true;
                                      });
}

} // namespace

bool SearchAkaTitles(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    const TitleShape shape{TitleForm::wholeLine, {}, false, true};
    CListLine aka;
    return routines::WalkTitleRecords(file, title, shape, [&](std::string_view, std::size_t, bool, std::string_view) {
        // One alternative title a line: a piece that continues a line is none.
        return routines::ForEachFurtherLine<routines::Pieces::first>(file, [&](std::string_view line) {
            const std::string copy(line);
            if (!out.Text(0, OrEmpty(aka.ParseAka(copy.c_str()))))
                return LineStep::fail;
            std::size_t pos = static_cast<std::size_t>(aka.GetCursor() < 0 ? 0 : aka.GetCursor());
            std::string_view field;
            while (NextTabField(line, pos, field))
                if (!out.Text(1, field))
                    return LineStep::fail;
            return LineStep::next;
        });
    });
}

bool SearchBusiness(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out)
{
    // The view shows a line without a code as a line of its own.
    return SearchCodedLines(listIndex, file, title, out, {TitleForm::prefixed, "MV: ", false, true}, Label::never,
                            &CListLine::ParseBusinessCode, nullptr);
}

bool SearchLaserdisc(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out)
{
    // One field a line; the view shows each code's first line only.
    return SearchCodedLines(listIndex, file, title, out, {TitleForm::prefixed, "OT: ", false, false}, Label::never,
                            &CListLine::ParseLaserdiscCode, nullptr);
}

bool SearchGoofs(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out)
{
    // Key 0 continues any goof.
    return SearchCodedLines(listIndex, file, title, out, {TitleForm::prefixed, "# ", true, false}, Label::whenEpisode,
                            &CListLine::ParseGoofCode, [](int) { return 0; });
}

bool SearchMovieLinks(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out)
{
    // One linked title a line.
    return SearchCodedLines(listIndex, file, title, out, {TitleForm::wholeLine, {}, true, false}, Label::always,
                            &CListLine::ParseMovieLinkCode, nullptr);
}

bool SearchPlot(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out)
{
    // The view joins summary lines (key 1) into one paragraph; an author line has no
    // continuation, so the rest of one is kept under key 0, which the view leaves out.
    return SearchCodedLines(listIndex, file, title, out, {TitleForm::prefixed, "MV: ", true, false}, Label::whenEpisode,
                            &CListLine::ParsePlotCode, [](int code) { return code == 1 ? 1 : 0; });
}

bool SearchLiterature(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    const TitleShape shape{TitleForm::prefixed, "MOVI: ", true, false};
    CListLine line;
    return routines::WalkTitleRecords(file, title, shape,
                                      [&](std::string_view, std::size_t, bool, std::string_view episode) {
                                          if (!out.Text(kLabelKey, episode))
                                              return false;
                                          return routines::ForEachFurtherLine(file, [&](std::string_view raw) {
                                              // Key 0 continues any item.
                                              if (file.IsContinuation())
                                                  return routines::Step(out.Text(0, routines::ContinuationText(raw)));
                                              line = std::string(raw).c_str();
                                              int code = 0;
                                              std::string_view text = OrEmpty(line.ParseLiteratureCode(code));
                                              // Continuation lines of an item are indented.
                                              if (!text.empty() && text.front() == ' ') {
                                                  code = 0;
                                                  text = SkipBlanks(text);
                                              }
                                              return routines::Step(out.Text(code, text));
                                          });
                                      });
}

bool SearchMpaa(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    const TitleShape shape{TitleForm::prefixed, "MV: ", false, true};
    return routines::WalkTitleRecords(file, title, shape, [&](std::string_view, std::size_t, bool, std::string_view) {
        // The view joins every line into one text; a piece that continues a line has no prefix.
        return routines::ForEachFurtherLine(file, [&](std::string_view line) {
            return routines::Step(
                out.Text(1, file.IsContinuation() ? routines::ContinuationText(line) : StripPrefix(line, "RE: ")));
        });
    });
}

bool SearchHashEntries(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    const TitleShape shape{TitleForm::prefixed, "# ", true, false};
    return routines::WalkTitleRecords(file, title, shape,
                                      [&](std::string_view, std::size_t, bool, std::string_view episode) {
                                          if (!AddLabel(out, 3, Label::whenEpisode, episode))
                                              return false;
                                          return routines::ForEachFurtherLine(file, [&](std::string_view line) {
                                              // Kind 0 continues an item; a piece has no dashes to read.
                                              if (file.IsContinuation())
                                                  return routines::Step(out.Text(0, routines::ContinuationText(line)));
                                              const int kind = DashIndent(line);
                                              return routines::Step(out.Text(kind, line));
                                          });
                                      });
}

bool SearchSoundtracks(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    const TitleShape shape{TitleForm::prefixed, "# ", true, false};
    return routines::WalkTitleRecords(
        file, title, shape, [&](std::string_view, std::size_t, bool, std::string_view episode) {
            if (!out.Text(3, episode))
                return false;
            return routines::ForEachFurtherLine(file, [&](std::string_view line) {
                // Key 0 continues a song or a detail; a piece has no indent to read.
                if (file.IsContinuation())
                    return routines::Step(out.Text(0, routines::ContinuationText(line)));
                // The first two characters ("- " or the indent) are never text; a line too
                // short to have them gives an empty text. Only a blank in the third place
                // makes a deeper line: a line that ends before it is a detail line.
                const std::string_view rest = line.size() > 2 ? line.substr(2) : std::string_view();
                int key;
                std::string_view text;
                if (line.front() != ' ') {
                    key = 2;
                    text = rest;
                } else if (line.size() <= 2 || line[2] != ' ') {
                    key = 1;
                    text = rest;
                } else {
                    key = 0;
                    text = SkipBlanks(rest);
                }
                return routines::Step(out.Text(key, TrimRight(text)));
            });
        });
}

bool SearchTaglines(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    const TitleShape shape{TitleForm::prefixed, "# ", true, false};
    return routines::WalkTitleRecords(file, title, shape,
                                      [&](std::string_view, std::size_t, bool, std::string_view episode) {
                                          if (!out.Text(1, episode))
                                              return false;
                                          // Every line is a line of the view, and there is no key
                                          // that continues one: a piece stays a line of its own.
                                          return routines::ForEachFurtherLine(file, [&](std::string_view line) {
                                              if (!line.empty() && line.front() == '\t')
                                                  line.remove_prefix(1);
                                              return routines::Step(out.Text(0, TrimRight(line)));
                                          });
                                      });
}

bool SearchQuotes(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    const TitleShape shape{TitleForm::prefixed, "# ", true, false};
    return routines::WalkTitleRecords(file, title, shape,
                                      [&](std::string_view, std::size_t, bool, std::string_view episode) {
                                          if (!out.Text(kLabelKey, episode))
                                              return false;
                                          int blanks = 0;
                                          // Every line of the file is offered; two blank lines in a row end the entry.
                                          return routines::ForEachFurtherLine(file, [&](std::string_view line) {
                                              if (line.empty() || file.IsBlank())
                                                  return ++blanks >= 2 ? LineStep::end : LineStep::next;
                                              // Key 0 continues a quote; a piece is never an aside.
                                              if (file.IsContinuation())
                                                  return routines::Step(out.Text(0, routines::ContinuationText(line)));
                                              if (line.front() == ':')
                                                  return LineStep::next;
                                              const int key = line.front() == ' ' ? 0 : (blanks >= 1 ? 1 : 2);
                                              blanks = 0;
                                              return routines::Step(out.Text(key, TrimRight(SkipBlanks(line))));
                                          });
                                      });
}

bool SearchMovies(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    const TitleShape shape{TitleForm::tabField, {}, true, false};
    return routines::WalkTitleRecords(file, title, shape,
                                      [&](std::string_view line, std::size_t pos, bool episode, std::string_view) {
                                          if (episode) {
                                              std::size_t start = 0;
                                              std::string_view whole;
                                              NextTabField(line, start, whole);
                                              if (!out.Text(2, whole))
                                                  return false;
                                          }
                                          std::string_view field;
                                          int key = 0;
                                          while (NextTabField(line, pos, field)) {
                                              if (!out.Text(key, field))
                                                  return false;
                                              key = 1;
                                          }
                                          return true;
                                      });
}

bool SearchTitleValueList(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    std::vector<ValueEntry> entries;
    CollectValues(file, title, entries, [](ValueEntry& entry, std::string_view line, std::size_t pos) {
        std::string_view field;
        if (!NextTabField(line, pos, field))
            return;
        entry.value.assign(field);
        while (NextTabField(line, pos, field))
            entry.note.assign(field);
    });
    GroupEpisodeValues(entries);
    for (const ValueEntry& entry : entries) {
        if (!entry.value.empty() && !out.Text(0, entry.value))
            return false;
        if (!entry.note.empty() && !out.Text(1, entry.note))
            return false;
        if (entry.count >= 1 && !out.Int(2, entry.count))
            return false;
    }
    return true;
}

bool SearchTitleWordList(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    std::vector<ValueEntry> entries;
    CollectValues(file, title, entries, [](ValueEntry& entry, std::string_view line, std::size_t pos) {
        std::string_view field;
        if (NextTabField(line, pos, field))
            entry.value.assign(field);
    });
    GroupEpisodeValues(entries);
    for (const ValueEntry& entry : entries) {
        if (!entry.value.empty() && !out.Text(0, entry.value))
            return false;
        if (entry.count >= 1 && !out.Int(1, entry.count))
            return false;
    }
    return true;
}

bool SearchReleaseDates(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    const TitleShape shape{TitleForm::tabField, {}, true, false};
    return routines::WalkTitleRecords(
        file, title, shape, [&](std::string_view line, std::size_t pos, bool, std::string_view episode) {
            std::string_view field;
            if (NextTabField(line, pos, field)) {
                const std::size_t colon = field.find(':');
                if (!out.Text(0, field.substr(0, colon)))
                    return false;
                if (colon != std::string_view::npos && !out.Text(1, field.substr(colon + 1)))
                    return false;
                while (NextTabField(line, pos, field))
                    if (!out.Text(2, field))
                        return false;
            }
            return AddLabel(out, 3, Label::whenEpisode, episode);
        });
}

bool SearchTechnical(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    const TitleShape shape{TitleForm::tabField, {}, true, false};
    CListLine parsed;
    return routines::WalkTitleRecords(file, title, shape,
                                      [&](std::string_view line, std::size_t pos, bool, std::string_view episode) {
                                          if (!out.Text(kLabelKey, episode))
                                              return false;
                                          std::string_view field;
                                          if (!NextTabField(line, pos, field))
                                              return true;
                                          int code = 0;
                                          const std::string copy(field);
                                          const char* text = OrEmpty(parsed.ParseTechnicalCode(code, copy.c_str()));
                                          if (!(code == 0 ? out.Text(0, field) : out.Text(code, text)))
                                              return false;
                                          while (NextTabField(line, pos, field))
                                              if (!out.Text(1, field))
                                                  return false;
                                          return true;
                                      });
}

namespace {

// One line of a Ratings table: distribution, votes, rating and title, two blanks apart.
struct RatingsLine {
    std::uint8_t distribution[10];
    int votes = 0;
    int rating = 0;
};

// The first three fields of a Ratings table line; `pos` ends up where the title field's
// cut begins, and false when the line has fewer than four fields.
bool CutRatingsNumbers(std::string_view line, std::size_t& pos, std::string_view (&numbers)[3])
{
    pos = 0;
    return NextField(line, pos, numbers[0]) && NextField(line, pos, numbers[1]) && NextField(line, pos, numbers[2]) &&
           SkipWhiteFrom(line, pos) < line.size(); // a title field is left: it opens with a byte that is not white
}

bool CutRatingsLine(std::string_view line, RatingsLine& parsed, std::string_view& titleField)
{
    std::size_t pos = 0;
    std::string_view numbers[3];
    if (!CutRatingsNumbers(line, pos, numbers) || !NextField(line, pos, titleField))
        return false;
    const std::string_view distribution = numbers[0], votes = numbers[1], rating = numbers[2];
    for (std::size_t i = 0; i < 10; ++i) {
        const char c = i < distribution.size() ? distribution[i] : '\0';
        parsed.distribution[i] = static_cast<std::uint8_t>(c >= '0' && c <= '9' ? c - '0' : (c == '*' ? 10 : 11));
    }
    parsed.votes = LeadingNumber(votes);
    // The rating as a decimal number times ten, truncated: exact on the digits. A whole
    // part too large for the value saturates it.
    const std::size_t point = rating.find('.');
    std::int64_t tenths = std::int64_t{LeadingNumber(rating.substr(0, point))} * 10;
    if (point != std::string_view::npos && point + 1 < rating.size() && rating[point + 1] >= '0' &&
        rating[point + 1] <= '9')
        tenths += rating[point + 1] - '0';
    parsed.rating = static_cast<int>(std::min<std::int64_t>(tenths, INT32_MAX));
    return true;
}

bool AddRatings(RecordOut& out, const RatingsLine& line, int distributionKey, std::string_view label, int labelKey)
{
    const std::uint8_t* d = line.distribution;
    const std::uint32_t first = d[0] | d[1] << 8 | d[2] << 16 | static_cast<std::uint32_t>(d[3]) << 24;
    const std::uint32_t second = d[4] | d[5] << 8 | d[6] << 16 | static_cast<std::uint32_t>(d[7]) << 24;
    const std::uint16_t third = static_cast<std::uint16_t>(d[8] | d[9] << 8);
    return out.Bytes10(distributionKey, first, second, third) && out.Int(distributionKey + 1, line.votes) &&
           out.Int(distributionKey + 2, line.rating) && (label.empty() || out.Text(labelKey, label));
}

} // namespace

bool SearchRatings(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    RatingsLine parsed;
    std::string_view titleField, label;

    // The top and bottom tables are short and read whole; the place counts every line.
    for (int table = 0; table < 2; ++table) {
        int place = table == 0 ? 1 : 10;
        while (file.NextRecord()) {
            if (!CutRatingsLine(routines::CurrentLine(file), parsed, titleField))
                break;
            const TitleMatch match = MatchTitle(titleField, title, &label);
            if (match != TitleMatch::none) {
                if (match == TitleMatch::exact)
                    label = {};
                if (!out.Int(table == 0 ? 3 : 4, place) || !AddRatings(out, parsed, 5, label, 8))
                    return false;
            }
            place = table == 0 ? place + 1 : (place > 0 ? place - 1 : 0);
            if (g_bCancelSearch)
                return true;
        }
        if (!file.FindNextRatingsTable())
            return true;
    }

    bool matched = false;
    while (file.NextRecord()) {
        const std::string_view line = routines::CurrentLine(file);
        // Most lines rate another title: reject those on the title field's first bytes
        // before the field is cut and the numbers read.
        std::size_t pos = 0;
        std::string_view numbers[3];
        if (!CutRatingsNumbers(line, pos, numbers))
            break;
        if (title.empty() || !BeginsWithTitle(line, SkipWhiteFrom(line, pos), title)) {
            if (matched || g_bCancelSearch)
                break;
            continue;
        }
        if (!CutRatingsLine(line, parsed, titleField))
            break;
        const TitleMatch match = MatchTitle(titleField, title, &label);
        if (match != TitleMatch::none) {
            matched = true;
            if (!AddRatings(out, parsed, 0, match == TitleMatch::exact ? std::string_view() : label, 9))
                return false;
        } else if (matched) {
            break;
        }
        if (g_bCancelSearch)
            break;
    }
    return true;
}
