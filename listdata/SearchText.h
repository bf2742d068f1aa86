#pragma once
// Allocation-free cutting of list lines for the list routines. The rules are those of
// the text line class (two-blank fields, TAB fields, trailing white), on string_views
// into the reader's line buffer, because the person-keyed lists are walked line by line
// to their end for every Movie/TV search.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace searchtext {

inline bool IsSkipWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// The current line of a reader as a view.
inline std::string_view LineView(const char* line, int length)
{
    return std::string_view(line, static_cast<std::size_t>(length));
}

// Without trailing newlines, tabs and blanks.
inline std::string_view TrimRight(std::string_view text)
{
    while (!text.empty() && IsSkipWhite(text.back()))
        text.remove_suffix(1);
    return text;
}

// Without trailing blanks only.
inline std::string_view TrimRightBlanks(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Without trailing newlines and tabs (a cut field keeps its blanks).
inline std::string_view TrimFieldEnd(std::string_view text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

inline std::string_view SkipBlanks(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    return text.substr(i);
}

inline std::size_t SkipWhiteFrom(std::string_view line, std::size_t pos)
{
    while (pos < line.size() && IsSkipWhite(line[pos]))
        ++pos;
    return pos;
}

// The next field separated by two blanks, from `pos`. Returns false (and pos npos) when
// no field is left.
inline bool NextField(std::string_view line, std::size_t& pos, std::string_view& field)
{
    if (pos == std::string_view::npos || pos > line.size()) {
        pos = std::string_view::npos;
        return false;
    }
    const std::size_t start = SkipWhiteFrom(line, pos);
    if (start >= line.size()) {
        pos = std::string_view::npos;
        return false;
    }
    // Lines are short and full of single blanks, so a plain scan beats find("  ").
    std::size_t end = std::string_view::npos;
    for (std::size_t i = start + 1; i + 1 < line.size(); ++i) {
        if (line[i] == ' ' && line[i + 1] == ' ') {
            end = i;
            break;
        }
    }
    if (end == std::string_view::npos) {
        field = TrimFieldEnd(line.substr(start));
        pos = line.size();
    } else {
        field = TrimFieldEnd(line.substr(start, end - start));
        pos = end + 2;
    }
    if (field.empty()) {
        pos = std::string_view::npos;
        return false;
    }
    return true;
}

// The next field ended by a TAB or a newline, from `pos`.
inline bool NextTabField(std::string_view line, std::size_t& pos, std::string_view& field)
{
    if (pos == std::string_view::npos || pos > line.size()) {
        pos = std::string_view::npos;
        return false;
    }
    const std::size_t start = SkipWhiteFrom(line, pos);
    std::size_t end = start;
    while (end < line.size() && line[end] != '\t' && line[end] != '\n')
        ++end;
    field = line.substr(start, end - start);
    pos = end;
    if (field.empty()) {
        pos = std::string_view::npos;
        return false;
    }
    return true;
}

// The line's first field up to a TAB or newline, without skipping anything before it.
inline std::string_view FirstTabField(std::string_view line)
{
    std::size_t end = 0;
    while (end < line.size() && line[end] != '\t' && line[end] != '\n')
        ++end;
    return line.substr(0, end);
}

inline bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && std::memcmp(text.data(), prefix.data(), prefix.size()) == 0;
}

// The line without `prefix` when it begins with it, trailing white removed.
inline std::string_view StripPrefix(std::string_view line, std::string_view prefix)
{
    if (StartsWith(line, prefix))
        line.remove_prefix(prefix.size());
    return TrimRight(line);
}

// Whether `line` holds the non-empty `title` at `pos`. Titles of a list share their
// first and last characters (quotes, year groups), so a middle character is tried before
// the whole comparison.
inline bool BeginsWithTitle(std::string_view line, std::size_t pos, std::string_view title)
{
    const std::size_t n = title.size();
    if (pos > line.size() || line.size() - pos < n)
        return false;
    const char* at = line.data() + pos;
    return at[n / 2] == title[n / 2] && at[0] == title[0] && std::memcmp(at, title.data(), n) == 0;
}

// Index of the '{' that opens the title's last (outermost) brace group, counting nested
// braces backwards from the final '}'; npos when the title does not end in '}' or the
// group is not closed.
inline std::size_t EpisodeGroupStart(std::string_view title)
{
    if (title.empty() || title.back() != '}')
        return std::string_view::npos;
    int depth = 0;
    for (std::size_t i = title.size(); i-- > 0;) {
        if (title[i] == '}')
            ++depth;
        else if (title[i] == '{' && --depth == 0)
            return i;
    }
    return std::string_view::npos;
}

enum class TitleMatch { none, exact, episode };

// The common match of a list line's title against a Movie/TV document's title. For an
// episode match `label` receives the text inside the braces.
inline TitleMatch MatchTitle(std::string_view field, std::string_view title, std::string_view* label = nullptr)
{
    if (field.empty() || title.empty())
        return TitleMatch::none;
    if (field == title)
        return TitleMatch::exact;
    if (field.size() <= title.size() || field.back() != '}')
        return TitleMatch::none;
    // Cheap reject before the brace scan: the series title must open the field.
    if (std::memcmp(field.data(), title.data(), title.size()) != 0)
        return TitleMatch::none;
    const std::size_t open = EpisodeGroupStart(field);
    if (open == std::string_view::npos)
        return TitleMatch::none;
    if (TrimRightBlanks(field.substr(0, open)) != title)
        return TitleMatch::none;
    if (label)
        *label = field.substr(open + 1, field.size() - open - 2);
    return TitleMatch::episode;
}

inline unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

// Case-insensitive order of two names, folding ASCII letters only.
inline int CompareNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = FoldAscii(static_cast<unsigned char>(a[i]));
        const unsigned char y = FoldAscii(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Leading decimal digits as a number (0 when none); saturates instead of overflowing.
inline int LeadingNumber(std::string_view text)
{
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > 0x7fffffff)
            return 0x7fffffff;
    }
    return static_cast<int>(value);
}

// Angle or square brackets around a field: the text without the opening one and
// without every closing one at its end.
inline std::string_view Unbracket(std::string_view field, char close)
{
    field.remove_prefix(1);
    while (!field.empty() && field.back() == close)
        field.remove_suffix(1);
    return field;
}

// Digits at positions 0, 2 and 4 of a writer's order mark ("1,2,1") as three bytes, each
// its value; a digit the mark is too short to hold reads as 0.
inline std::uint32_t WriterOrder(std::string_view mark)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t at = static_cast<std::size_t>(i) * 2;
        const unsigned char digit = at < mark.size() ? static_cast<unsigned char>(mark[at] - '0') : 0;
        value |= static_cast<std::uint32_t>(digit) << (8 * i);
    }
    return value;
}

} // namespace searchtext
