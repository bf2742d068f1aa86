// Title, episode and name parsers of CListLine.

#include "listdata/ListLine.h"

#include "listdata/TextChars.h"

#include <climits>
#include <cstring>

using textchars::EqualNoCase;

namespace {

struct KindMarker {
    const char* group;
    std::size_t length;
    TitleFlags flag;
};

constexpr KindMarker kKindMarkers[] = {
    {"(mini)", 6, kTitleMini},
    {"(TV)", 4, kTitleTV},
    {"(V)", 3, kTitleVideo},
    {"(VG)", 4, kTitleVideoGame},
};

// The flag of the group [open, close] when it is a kind marker, else 0.
TitleFlags MarkerFlag(const char* title, std::size_t open, std::size_t close)
{
    const std::size_t length = close - open + 1;
    for (const KindMarker& marker : kKindMarkers) {
        if (marker.length == length && EqualNoCase(title + open, marker.group, length))
            return marker.flag;
    }
    return 0;
}

// Cuts kind markers and then the year group from the end of title[0, end). The search for a
// ')' looks no further back than the second character. Returns the new end; `flags` gets
// the markers and kTitleNoYear, `year` (when given) the four characters after the year
// group's '('.
std::size_t CutMarkersAndYear(const char* title, std::size_t end, TitleFlags& flags, char* year)
{
    for (;;) {
        std::size_t close = end;
        while (close > 1 && title[close - 1] != ')')
            --close;
        if (close <= 1) {
            flags |= kTitleNoYear;
            return end;
        }
        close -= 1; // index of the ')'
        std::size_t open = close;
        while (open > 0 && title[open - 1] != '(')
            --open;
        if (open == 0) {
            flags |= kTitleNoYear;
            return close;
        }
        open -= 1; // index of the '('
        const TitleFlags marker = MarkerFlag(title, open, close);
        if (marker != 0) {
            flags |= marker;
            end = open;
            continue;
        }
        if (year != nullptr) {
            std::size_t n = 0;
            while (n < 4 && title[open + 1 + n] != '\0') {
                year[n] = title[open + 1 + n];
                ++n;
            }
            year[n] = '\0';
        }
        return open;
    }
}

std::size_t TrimBlanks(const char* s, std::size_t begin, std::size_t end)
{
    while (end > begin && s[end - 1] == ' ')
        --end;
    return end;
}

// The last brace group of a title: the last '}' and the '{' that opens it (nested braces
// counted). False when the title has no closed brace group.
bool FindLastBraceGroup(const char* title, std::size_t length, std::size_t& open, std::size_t& close)
{
    std::size_t i = length;
    while (i > 0 && title[i - 1] != '}')
        --i;
    if (i == 0)
        return false;
    close = i - 1;
    int depth = 0;
    for (std::size_t j = close + 1; j > 0; --j) {
        const char c = title[j - 1];
        if (c == '}') {
            ++depth;
        } else if (c == '{' && --depth == 0) {
            open = j - 1;
            return true;
        }
    }
    return false;
}

// The episode group of `title` (null taken as ""); false when it has none.
bool FindEpisodeBraces(const char*& title, std::size_t& open, std::size_t& close)
{
    if (title == nullptr)
        title = "";
    open = 0;
    close = 0;
    return FindLastBraceGroup(title, std::strlen(title), open, close);
}

// The last "(...)" inside [begin, end): false when there is none.
bool FindLastGroup(const char* s, std::size_t begin, std::size_t end, std::size_t& open, std::size_t& close)
{
    std::size_t i = end;
    while (i > begin && s[i - 1] != ')')
        --i;
    if (i == begin)
        return false;
    close = i - 1;
    std::size_t j = close;
    while (j > begin && s[j - 1] != '(')
        --j;
    if (j == begin)
        return false;
    open = j - 1;
    return true;
}

// Reads decimal digits; stops at the first other character and saturates at INT_MAX.
int ReadNumber(const char* s, const char* end)
{
    int value = 0;
    for (; s < end && *s >= '0' && *s <= '9'; ++s) {
        const int digit = *s - '0';
        value = value > (INT_MAX - digit) / 10 ? INT_MAX : value * 10 + digit;
    }
    return value;
}

void SplitEpisodeNumber(const char* s, int& season, int& episode)
{
    const char* end = s + std::strlen(s);
    const char* dot = std::strchr(s, '.');
    if (dot == nullptr) {
        // Without a '.', the season is the whole string ('#' first: no digits) and there is
        // no episode.
        season = ReadNumber(s, end);
        episode = 0;
        return;
    }
    season = ReadNumber(s + 1, dot);
    episode = ReadNumber(dot + 1, end);
}

} // namespace

const char* CListLine::ParseTitle(const char* title, TitleFlags& flags, char* year)
{
    flags = 0;
    if (year != nullptr)
        year[0] = '\0';
    if (title == nullptr)
        title = "";
    std::size_t start = 0;
    if (title[0] == '"') {
        flags |= kTitleSeries;
        start = 1;
    }
    std::size_t end = CutMarkersAndYear(title, std::strlen(title), flags, year);
    if (end < start)
        end = start;
    end = TrimBlanks(title, start, end);
    if (flags & kTitleSeries) {
        if (end > start && title[end - 1] == '"')
            --end;
        else
            flags &= ~kTitleSeries;
    }
    return Assign(title + start, end - start);
}

const char* CListLine::BareTitle(const char* title)
{
    if (title == nullptr)
        title = "";
    const std::size_t length = std::strlen(title);
    const std::size_t start = title[0] == '"' ? 1 : 0;
    std::size_t open = 0;
    std::size_t close = 0;
    std::size_t end = FindLastBraceGroup(title, length, open, close) ? open : length;
    TitleFlags ignored = 0;
    end = CutMarkersAndYear(title, end, ignored, nullptr);
    if (end < start)
        end = start;
    end = TrimBlanks(title, start, end);
    if (end > start && title[end - 1] == '"')
        --end;
    return Assign(title + start, end - start);
}

const char* CListLine::SeriesTitle(const char* title)
{
    if (title == nullptr)
        title = "";
    const std::size_t length = std::strlen(title);
    std::size_t open = 0;
    std::size_t close = 0;
    if (!FindLastBraceGroup(title, length, open, close))
        return Assign(title, length);
    return Assign(title, TrimBlanks(title, 0, open));
}

const char* CListLine::EpisodePart(const char* title)
{
    std::size_t open = 0;
    std::size_t close = 0;
    if (!FindEpisodeBraces(title, open, close))
        return Assign("", 0);
    return Assign(title + open + 1, close - open - 1);
}

const char* CListLine::EpisodeName(const char* title)
{
    std::size_t open = 0;
    std::size_t close = 0;
    if (!FindEpisodeBraces(title, open, close))
        return Assign("", 0);
    std::size_t groupOpen = 0;
    std::size_t groupClose = 0;
    std::size_t end = close;
    if (FindLastGroup(title, open + 1, close, groupOpen, groupClose))
        end = groupOpen;
    end = TrimBlanks(title, open + 1, end);
    return Assign(title + open + 1, end - open - 1);
}

const char* CListLine::EpisodeNumber(const char* title)
{
    std::size_t open = 0;
    std::size_t close = 0;
    std::size_t groupOpen = 0;
    std::size_t groupClose = 0;
    if (!FindEpisodeBraces(title, open, close) ||
        !FindLastGroup(title, open + 1, close, groupOpen, groupClose))
        return Assign("", 0);
    return Assign(title + groupOpen + 1, groupClose - groupOpen - 1);
}

const char* CListLine::TitleYear(const char* title)
{
    if (title == nullptr)
        title = "";
    std::size_t end = std::strlen(title);
    for (;;) {
        // The last ')' outside braces.
        int depth = 0;
        std::size_t i = end;
        for (; i > 0; --i) {
            const char c = title[i - 1];
            if (c == '}')
                ++depth;
            else if (c == '{' && depth > 0)
                --depth;
            else if (c == ')' && depth == 0)
                break;
        }
        if (i == 0)
            return Assign("", 0);
        const std::size_t close = i - 1;
        std::size_t open = close;
        while (open > 0 && title[open - 1] != '(')
            --open;
        if (open == 0)
            return Assign("", 0);
        open -= 1;
        if (MarkerFlag(title, open, close) == 0)
            return Assign(title + open + 1, close - open - 1);
        end = open;
    }
}

const char* CListLine::ParseAka(const char* line)
{
    if (line == nullptr)
        return Assign(nullptr, 0);
    static constexpr char kAkaPrefix[] = "   (aka ";
    const std::size_t prefixLength = sizeof kAkaPrefix - 1;
    const std::size_t start = std::strncmp(line, kAkaPrefix, prefixLength) == 0 ? prefixLength : 0;
    std::size_t end = start;
    while (line[end] != '\0' && line[end] != '\t' && line[end] != '\n')
        ++end;
    const std::size_t stop = end;
    if (end > start && line[end - 1] == ')')
        --end;
    Assign(line + start, end - start);
    cursor = static_cast<int>(stop);
    return text;
}

int CListLine::SelfRole() const
{
    if (text == nullptr)
        return 0;
    const std::size_t length = std::strlen(text);
    if (length < 7)
        return 0;
    for (std::size_t i = 0; i + 7 <= length; ++i) {
        if (EqualNoCase(text + i, "himself", 7))
            return 1;
        if (EqualNoCase(text + i, "herself", 7))
            return 2;
    }
    return 0;
}

int CListLine::CompareEpisodes(const char* a, const char* b)
{
    if (a == nullptr)
        a = "";
    if (b == nullptr)
        b = "";
    if (a[0] == '#' && b[0] == '#') {
        int seasonA = 0;
        int episodeA = 0;
        int seasonB = 0;
        int episodeB = 0;
        SplitEpisodeNumber(a, seasonA, episodeA);
        SplitEpisodeNumber(b, seasonB, episodeB);
        if (seasonA != seasonB)
            return seasonA < seasonB ? 1 : -1;
        if (episodeA != episodeB)
            return episodeA < episodeB ? 1 : -1;
        return 0;
    }
    return textchars::CompareNoCase(a, b);
}
