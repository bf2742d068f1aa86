#include "shell/core/RatingsTables.h"

#include "listdata/ListFile.h"
#include "listdata/ListLine.h"
#include "shell/core/TitleArena.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <exception>

namespace shellcore {

namespace {

const char* const kShareTexts[12] = {
    " 1 -  9% of the votes", "10 - 19% of the votes", "20 - 29% of the votes", "30 - 39% of the votes",
    "40 - 49% of the votes", "50 - 59% of the votes", "60 - 69% of the votes", "70 - 79% of the votes",
    "80 - 89% of the votes", "90 - 99% of the votes", "100% of the votes",     "No votes cast",
};

const char* ShareText(int value)
{
    return kShareTexts[value >= 0 && value <= 10 ? value : 11];
}

// The list's name in the browser's failure texts.
const char* const kRatingsListName = "Ratings";

bool IsFieldSkip(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// The first NUL, or the first of two blanks in a row, in s[at, size); `size` when there
// is none. Eight bytes at a time: the loop runs once per line of the third table, tens of
// millions of times when the browser loads its titles.
std::size_t FieldStop(const char* s, std::size_t at, std::size_t size)
{
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101u;
        constexpr std::uint64_t kHigh = 0x8080808080808080u;
        constexpr std::uint64_t kBlanks = 0x2020202020202020u;
        for (; at + 9 <= size; at += 8) {
            std::uint64_t here, next;
            std::memcpy(&here, s + at, 8);
            std::memcpy(&next, s + at + 1, 8);
            // A zero byte: a NUL (in `here`), or a blank followed by a blank (in `pair`). The
            // lowest flagged byte is always a true one.
            const std::uint64_t pair = (here ^ kBlanks) | (next ^ kBlanks);
            const std::uint64_t flagged = (((pair - kOnes) & ~pair) | ((here - kOnes) & ~here)) & kHigh;
            if (flagged != 0)
                return at + static_cast<std::size_t>(std::countr_zero(flagged) / 8);
        }
    }
    for (; at < size; ++at)
        if (s[at] == '\0' || (s[at] == ' ' && at + 1 < size && s[at + 1] == ' '))
            return at;
    return size;
}

// The fields of one line, cut one after the other from the line's start. A NUL ends the
// line, as it ends a C string.
class FieldCutter {
public:
    explicit FieldCutter(std::string_view line) : m_line(line) {}

    // False, with `field` empty, when no field is left; after that every call is false.
    bool Next(std::string_view& field)
    {
        field = {};
        if (m_done)
            return false;
        const std::size_t size = m_line.size();
        std::size_t begin = m_position;
        while (begin < size && IsFieldSkip(m_line[begin]))
            ++begin;
        if (begin == size || m_line[begin] == '\0') {
            m_done = true;
            return false;
        }
        const std::size_t end = FieldStop(m_line.data(), begin + 1, size);
        m_position = end < size && m_line[end] == ' ' ? end + 2 : end;
        std::size_t length = end - begin;
        while (length > 1 && (m_line[begin + length - 1] == '\n' || m_line[begin + length - 1] == '\t'))
            --length;
        field = m_line.substr(begin, length);
        return true;
    }

private:
    std::string_view m_line;
    std::size_t m_position = 0;
    bool m_done = false;
};

std::string_view CurrentLine(const CListFile& file)
{
    return std::string_view(file.GetLine(), static_cast<std::size_t>(file.GetLineLength()));
}

} // namespace

RatingsLine ParseRatingsLine(std::string_view text)
{
    RatingsLine line;
    FieldCutter fields(text);
    line.ranked = fields.Next(line.distribution) && fields.Next(line.votes) && fields.Next(line.rating);
    if (line.ranked)
        fields.Next(line.title);
    return line;
}

std::string ComposeRatingsEntry(const RatingsLine& line, int rank)
{
    std::string entry;
    entry.append(line.title).append("\r\n\r\n");
    if (rank > 0)
        entry.append("Rank #").append(std::to_string(rank)).append(" in the top 250\r\n\r\n");
    entry.append(line.votes).append(" Zuvo users have given an average vote of ").append(line.rating);
    entry.append(" / 10\r\n");
    std::uint8_t values[10];
    CListLine(std::string(line.distribution).c_str()).ParseVoteDistribution(values);
    for (int value = 10; value >= 1; --value) {
        char label[16];
        std::snprintf(label, sizeof label, "\r\n%2i: ", value);
        entry.append(label).append(ShareText(values[value - 1]));
    }
    return entry;
}

ListReadStatus ReadRankedTitles(CListFile& file, RatingsTable table, std::vector<RankedTitle>& rows)
{
    try {
        if (!file.FindStart() || (table == RatingsTable::Bottom && !file.FindNextRatingsTable()))
            return ListReadStatus::NoBeginning;
        int ranked = 0;
        while (file.NextRecord()) {
            const RatingsLine line = ParseRatingsLine(CurrentLine(file));
            if (!line.ranked)
                continue;
            const int rank = table == RatingsTable::Top ? ranked + 1 : std::max(1, 10 - ranked);
            ++ranked;
            if (!line.title.empty())
                rows.push_back({rank, std::string(line.title), std::string(line.votes), std::string(line.rating)});
        }
    } catch (const std::exception&) {
        return ListReadStatus::ReadError;
    }
    return ListReadStatus::Ok;
}

namespace {

// Moves an opened Ratings reader to the first line of its third table.
bool FindAllTitlesTable(CListFile& file)
{
    return file.FindStart() && file.FindNextRatingsTable() && file.FindNextRatingsTable();
}

} // namespace

std::string LoadRatingsTitles(const ListOpener& open, CTitleArena& titles)
{
    titles.Clear();
    CListFile file;
    if (!open(file, kRatings))
        return BrowserBoxOpenFailure(kRatingsListName);
    std::string message;
    try {
        if (!FindAllTitlesTable(file)) {
            message = BrowserBoxStartFailure(kRatingsListName);
        } else {
            while (file.NextRecord()) {
                const std::string_view title = ParseRatingsLine(CurrentLine(file)).title;
                if (!title.empty())
                    titles.Add(title);
            }
        }
    } catch (const std::exception&) {
        message = BrowserBoxOpenFailure(kRatingsListName);
    }
    return message;
}

std::string ShowRatingsEntry(const ListOpener& open, std::string_view title)
{
    try {
        // The rank: the place of the title's line among all lines of the top table.
        int rank = 0;
        {
            CListFile file;
            if (!open(file, kRatings))
                return BrowserEntryOpenFailure(kRatingsListName);
            if (!file.FindStart())
                return BrowserEntryStartFailure(kRatingsListName);
            for (int count = 1; file.NextRecord(); ++count) {
                if (ParseRatingsLine(CurrentLine(file)).title == title) {
                    rank = count;
                    break;
                }
            }
        }
        // The third table is read by a reader of its own, as the titles were loaded: blank
        // lines directly after its column line are passed over, not taken as its end.
        CListFile file;
        if (!open(file, kRatings))
            return BrowserEntryOpenFailure(kRatingsListName);
        if (!FindAllTitlesTable(file))
            return BrowserEntryStartFailure(kRatingsListName);
        while (file.NextRecord()) {
            const RatingsLine line = ParseRatingsLine(CurrentLine(file));
            if (line.title == title)
                return ComposeRatingsEntry(line, rank);
            file.PassRecordStartsWithout(title);
        }
    } catch (const std::exception&) {
        return BrowserEntryOpenFailure(kRatingsListName);
    }
    return kBrowserTitleNotFound;
}

} // namespace shellcore
