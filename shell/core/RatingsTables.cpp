#include "shell/core/RatingsTables.h"

#include "listdata/ListFile.h"
#include "listdata/ListLine.h"
#include "shell/core/TitleArena.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The list's name in the failure texts of the browser and the dialogs.
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

// The field from `begin` up to its stop `end` (a newline or tab at its end dropped);
// `position` is set where the search for the next field goes on.
inline std::string_view FieldBetween(std::string_view line, std::size_t begin, std::size_t end, std::size_t& position)
{
    position = end < line.size() && line[end] == ' ' ? end + 2 : end;
    std::size_t length = end - begin;
    while (length > 1 && (line[begin + length - 1] == '\n' || line[begin + length - 1] == '\t'))
        --length;
    return line.substr(begin, length);
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
        field = FieldBetween(m_line, begin, FieldStop(m_line.data(), begin + 1, m_line.size()), m_position);
        return true;
    }

private:
    std::string_view m_line;
    std::size_t m_position = 0;
    bool m_done = false;
};

// The same cut with the line's first 64 bytes judged at once: bit masks of its blanks,
// field skips and NULs (a few vector compares) give where each field begins and ends, so
// the fixed-shape leading fields cost a handful of bit operations instead of a walk over
// their bytes. Past the window the cut goes on as FieldCutter's does. Lines shorter than
// one vector are left to FieldCutter (ParseRatingsLine), so nothing is read past a line.
class MaskedFieldCutter {
public:
    static constexpr std::size_t kVector = 16;
    static constexpr std::size_t kWindow = 64;

    __attribute__((always_inline)) explicit MaskedFieldCutter(std::string_view line) : m_line(line)
    {
        const std::size_t size = line.size();
        m_window = std::min(size, kWindow);
        std::uint64_t blankBits = 0, nulBits = 0;
        for (std::size_t at = 0; at < m_window; at += kVector) {
            // The last vector of a line shorter than the window ends at the line's end;
            // the bits of bytes already judged are shifted out.
            const std::size_t from = std::min(at, size - kVector);
            const std::size_t shift = at - from;
            std::uint32_t blanks, skips, nuls;
            Classify(line.data() + from, blanks, skips, nuls);
            blankBits |= std::uint64_t{blanks >> shift} << at;
            m_skips |= std::uint64_t{skips >> shift} << at;
            nulBits |= std::uint64_t{nuls >> shift} << at;
        }
        // A stop: a NUL, or a blank followed by a blank. Two blanks across the window's
        // end are not known from the masks: the last bit is left to FieldStop then.
        m_stops = nulBits | (blankBits & (blankBits >> 1));
        m_known = m_window == size ? m_window : m_window - 1;
    }

    // Inlined, so that the masks stay in registers across the four fields of a line.
    __attribute__((always_inline)) bool Next(std::string_view& field)
    {
        field = {};
        if (m_done)
            return false;
        const std::size_t size = m_line.size();
        std::size_t begin = m_position;
        const std::uint64_t fieldBytes = begin < m_window ? ~m_skips & Above(begin) & Below(m_window) : 0;
        if (fieldBytes != 0) {
            begin = static_cast<std::size_t>(std::countr_zero(fieldBytes));
        } else {
            begin = std::max(begin, m_window);
            while (begin < size && IsFieldSkip(m_line[begin]))
                ++begin;
        }
        if (begin == size || m_line[begin] == '\0') {
            m_done = true;
            return false;
        }
        std::size_t end = size;
        const std::uint64_t stops = begin + 1 < m_known ? m_stops & Above(begin + 1) & Below(m_known) : 0;
        if (stops != 0)
            end = static_cast<std::size_t>(std::countr_zero(stops));
        else if (m_known < size)
            end = FieldStop(m_line.data(), std::max(begin + 1, m_known), size);
        field = FieldBetween(m_line, begin, end, m_position);
        return true;
    }

private:
    // Bits from `at` up (none when `at` is 64).
    static std::uint64_t Above(std::size_t at) { return at < 64 ? ~std::uint64_t{0} << at : 0; }
    // Bits below `at`.
    static std::uint64_t Below(std::size_t at) { return at < 64 ? (std::uint64_t{1} << at) - 1 : ~std::uint64_t{0}; }

    static void Classify(const char* bytes, std::uint32_t& blanks, std::uint32_t& skips, std::uint32_t& nuls)
    {
#if defined(__SSE2__)
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
        const __m128i blank = _mm_cmpeq_epi8(v, _mm_set1_epi8(' '));
        const __m128i skip =
            _mm_or_si128(blank, _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\t')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))));
        blanks = static_cast<std::uint32_t>(_mm_movemask_epi8(blank));
        skips = static_cast<std::uint32_t>(_mm_movemask_epi8(skip));
        nuls = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_setzero_si128())));
#else
        blanks = skips = nuls = 0;
        for (std::size_t i = 0; i < kVector; ++i) {
            blanks |= std::uint32_t{bytes[i] == ' '} << i;
            skips |= std::uint32_t{IsFieldSkip(bytes[i])} << i;
            nuls |= std::uint32_t{bytes[i] == '\0'} << i;
        }
#endif
    }

    std::string_view m_line;
    std::size_t m_window = 0;
    // Stop bits below `m_known` are exact.
    std::size_t m_known = 0;
    std::uint64_t m_skips = 0, m_stops = 0;
    std::size_t m_position = 0;
    bool m_done = false;
};

template <class Cutter> RatingsLine CutRatingsLine(std::string_view text)
{
    RatingsLine line;
    Cutter fields(text);
    line.ranked = fields.Next(line.distribution) && fields.Next(line.votes) && fields.Next(line.rating);
    if (line.ranked)
        fields.Next(line.title);
    return line;
}

std::string_view CurrentLine(const CListFile& file)
{
    return std::string_view(file.GetLine(), static_cast<std::size_t>(file.GetLineLength()));
}

} // namespace

RatingsLine ParseRatingsLine(std::string_view text)
{
    if (text.size() < MaskedFieldCutter::kVector)
        return ParseRatingsLineBytewise(text);
    return CutRatingsLine<MaskedFieldCutter>(text);
}

RatingsLine ParseRatingsLineBytewise(std::string_view text)
{
    return CutRatingsLine<FieldCutter>(text);
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
        if (table == RatingsTable::Bottom && !file.FindNextRatingsTable())
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

std::string LoadRankedTitles(const ListOpener& open, RatingsTable table, std::vector<RankedTitle>& rows)
{
    rows.clear();
    CListFile file;
    ListReadStatus status = OpenAtStart(open, file, kRatings);
    if (status == ListReadStatus::Ok)
        status = ReadRankedTitles(file, table, rows);
    return ListFailureText(kRatingsListName, status);
}

std::vector<std::string> RankedTitleCells(RankedTitle row)
{
    return {std::to_string(row.rank), std::move(row.title), std::move(row.votes), std::move(row.rating)};
}

namespace {

// Moves a Ratings reader from its first table to the first line of its third.
bool FindAllTitlesTable(CListFile& file)
{
    return file.FindNextRatingsTable() && file.FindNextRatingsTable();
}

} // namespace

std::string LoadRatingsTitles(const ListOpener& open, CTitleArena& titles)
{
    titles.Clear();
    CListFile file;
    ListReadStatus status = OpenAtStart(open, file, kRatings);
    if (status == ListReadStatus::Ok) {
        try {
            if (!FindAllTitlesTable(file)) {
                status = ListReadStatus::NoBeginning;
            } else {
                while (file.NextRecord()) {
                    const std::string_view title = ParseRatingsLine(CurrentLine(file)).title;
                    if (!title.empty())
                        titles.Add(title);
                }
            }
        } catch (const std::exception&) {
            status = ListReadStatus::ReadError;
        }
    }
    titles.FinishAdding();
    return BrowserBoxFailure(kRatingsListName, status);
}

std::string ShowRatingsEntry(const ListOpener& open, std::string_view title)
{
    try {
        // The rank: the place of the title's line among all lines of the top table.
        int rank = 0;
        {
            CListFile file;
            const ListReadStatus status = OpenAtStart(open, file, kRatings);
            if (status != ListReadStatus::Ok)
                return BrowserEntryFailure(kRatingsListName, status);
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
        const ListReadStatus status = OpenAtStart(open, file, kRatings);
        if (status != ListReadStatus::Ok)
            return BrowserEntryFailure(kRatingsListName, status);
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
