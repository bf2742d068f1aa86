// Prefix-code, line-shape, value and biography field parsers of CListLine.

#include "listdata/ListLine.h"

#include "listdata/TextChars.h"

#include <cstring>

using textchars::BoundedLength;
using textchars::IsTrailingWhite;

namespace {

constexpr std::size_t kNoNext = static_cast<std::size_t>(-1);

// The first table entry whose prefix stands at `offset` of s (length `length`); null when
// none does. A prefix that would reach past the end never matches.
const CodeTableEntry* ScanTable(const char* s, std::size_t length, const CodeTableEntry* table, int count,
                                std::size_t offset, std::size_t& prefixLength)
{
    if (offset > length)
        return nullptr;
    for (int i = 0; i < count; ++i) {
        const std::size_t n = std::strlen(table[i].prefix);
        if (n <= length - offset && std::memcmp(s + offset, table[i].prefix, n) == 0) {
            prefixLength = n;
            return &table[i];
        }
    }
    return nullptr;
}

// End of s[start, end) without trailing newline, tab and blank; the line's first character
// is never removed.
std::size_t TrimPrefixedEnd(const char* s, std::size_t start, std::size_t end)
{
    const std::size_t limit = start > 0 ? start : 1;
    while (end > limit && IsTrailingWhite(s[end - 1]))
        --end;
    return end;
}

std::size_t TrimWhiteEnd(const char* s, std::size_t start, std::size_t end)
{
    while (end > start && IsTrailingWhite(s[end - 1]))
        --end;
    return end;
}

std::size_t TrimBlankEnd(const char* s, std::size_t start, std::size_t end)
{
    while (end > start && s[end - 1] == ' ')
        --end;
    return end;
}

std::size_t Skip(const char* s, std::size_t i, const char* set)
{
    while (s[i] != '\0' && std::strchr(set, s[i]) != nullptr)
        ++i;
    return i;
}

std::size_t IndexOf(const char* s, std::size_t from, char c, std::size_t notFound)
{
    const char* hit = std::strchr(s + from, c);
    return hit != nullptr ? static_cast<std::size_t>(hit - s) : notFound;
}

bool StartsWith(const char* s, const char* prefix)
{
    return std::strncmp(s, prefix, std::strlen(prefix)) == 0;
}

// End of a part that runs up to the '(' at `open`: the blank before it is left out, any
// other character is kept.
std::size_t EndBeforeGroup(const char* s, std::size_t begin, std::size_t open)
{
    if (open > begin && (s[open - 1] == ' ' || s[open - 1] == '\t'))
        return open - 1;
    return open;
}

// A field of a biography line: its part value, its text [begin, end) and where the next
// field starts (kNoNext: none).
struct FieldSpan {
    int value;
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

// A name up to and with its "(qv)" (value 1), else the rest of the line (value 0).
FieldSpan NameUpToQv(const char* line, std::size_t begin, std::size_t length)
{
    const char* qv = std::strstr(line + begin, "(qv)");
    if (qv == nullptr)
        return {0, begin, TrimWhiteEnd(line, begin, length), kNoNext};
    const std::size_t end = static_cast<std::size_t>(qv - line) + 4;
    return {1, begin, end, end};
}

// Text up to the next parenthesised group, which is the next field; else up to `rest`.
FieldSpan TextUpToGroup(const char* line, std::size_t begin, std::size_t rest, int value)
{
    const std::size_t open = IndexOf(line, begin, '(', kNoNext);
    if (open == kNoNext)
        return {value, begin, rest, kNoNext};
    return {value, begin, EndBeforeGroup(line, begin, open), open};
}

} // namespace

// ---- Prefix codes ------------------------------------------------------------------------

const char* CListLine::ParsePrefixCode(int& code, const CodeTableEntry* table, int count, int defaultCode,
                                       std::size_t offset, std::size_t separatorLength, std::size_t fallbackStart)
{
    code = defaultCode;
    if (text == nullptr) {
        cursor = 0;
        return nullptr;
    }
    const std::size_t length = std::strlen(text);
    std::size_t prefixLength = 0;
    std::size_t start = length >= fallbackStart ? fallbackStart : 0;
    if (const CodeTableEntry* entry = ScanTable(text, length, table, count, offset, prefixLength)) {
        code = entry->code;
        start = offset + prefixLength + separatorLength;
        if (start > length)
            start = length;
    }
    return KeepRange(start, TrimPrefixedEnd(text, start, length) - start);
}

const char* CListLine::ParseBusinessCode(int& code)
{
    return ParsePrefixCode(code, BusinessCodes, kBusinessCodeCount, 0, 0, 2, 0);
}

const char* CListLine::ParseGoofCode(int& code)
{
    return ParsePrefixCode(code, GoofCodes, kGoofCodeCount, 0, 2, 2, 2);
}

const char* CListLine::ParseLaserdiscCode(int& code)
{
    return ParsePrefixCode(code, LaserdiscCodes, kLaserdiscCodeCount, 0, 0, 2, 0);
}

const char* CListLine::ParseLiteratureCode(int& code)
{
    code = 0;
    if (text == nullptr) {
        cursor = 0;
        return nullptr;
    }
    const std::size_t length = std::strlen(text);
    std::size_t prefixLength = 0;
    std::size_t start = 0;
    if (const CodeTableEntry* entry = ScanTable(text, length, LiteratureCodes, kLiteratureCodeCount, 0, prefixLength)) {
        code = entry->code;
        start = prefixLength + 2 < length ? prefixLength + 2 : length;
    }
    // An indented text continues the previous item, whatever prefix stood before it.
    if (text[start] == ' ') {
        code = 0;
        start = Skip(text, start, " ");
    }
    return KeepRange(start, TrimPrefixedEnd(text, start, length) - start);
}

const char* CListLine::ParseMovieLinkCode(int& code)
{
    code = 0;
    if (text == nullptr) {
        cursor = 0;
        return nullptr;
    }
    const std::size_t length = std::strlen(text);
    std::size_t prefixLength = 0;
    std::size_t start = length >= 3 ? 3 : 0;
    if (const CodeTableEntry* entry = ScanTable(text, length, MovieLinkCodes, kMovieLinkCodeCount, 3, prefixLength)) {
        code = entry->code;
        start = prefixLength + 4 < length ? prefixLength + 4 : length;
    }
    std::size_t end = TrimPrefixedEnd(text, start, length);
    if (end > start && text[end - 1] == ')')
        --end;
    return KeepRange(start, end - start);
}

const char* CListLine::ParsePlotCode(int& code)
{
    return ParsePrefixCode(code, PlotCodes, kPlotCodeCount, 0, 0, 2, 0);
}

const char* CListLine::ParseBiographyCode(int& code)
{
    return ParsePrefixCode(code, BiographyCodes, kBiographyCodeCount, -1, 0, 2, 0);
}

const char* CListLine::ParseTechnicalCode(int& code, const char* field)
{
    code = 0;
    if (field == nullptr)
        return Assign(nullptr, 0);
    std::size_t end = 0;
    while (field[end] != '\0' && field[end] != '\t' && field[end] != '\n')
        ++end;
    std::size_t prefixLength = 0;
    std::size_t start = 0;
    if (const CodeTableEntry* entry = ScanTable(field, end, TechnicalCodes, kTechnicalCodeCount, 0, prefixLength)) {
        code = entry->code;
        start = prefixLength + 1 < end ? prefixLength + 1 : end;
    }
    return Assign(field + start, end - start);
}

// ---- Line shapes -------------------------------------------------------------------------

const char* CListLine::ParseBracketField(int& code)
{
    code = 2;
    if (text == nullptr) {
        cursor = 0;
        return nullptr;
    }
    const std::size_t length = std::strlen(text);
    char closing = '\0';
    if (text[0] == '[') {
        code = 3;
        closing = ']';
    } else if (text[0] == '<') {
        code = 4;
        closing = '>';
    }
    if (code == 2)
        return KeepRange(0, TrimBlankEnd(text, 0, length));
    std::size_t end = length;
    while (end > 1 && text[end - 1] == closing)
        --end;
    return KeepRange(1, end - 1);
}

const char* CListLine::ParseAngleField(int& code)
{
    code = 2;
    if (text == nullptr) {
        cursor = 0;
        return nullptr;
    }
    const std::size_t length = std::strlen(text);
    if (text[0] != '<')
        return KeepRange(0, TrimBlankEnd(text, 0, length));
    code = 3;
    std::size_t end = length;
    while (end > 1 && text[end - 1] == '>')
        --end;
    return KeepRange(1, end - 1);
}

const char* CListLine::ParseDashIndent(int& code)
{
    code = 0;
    if (text == nullptr) {
        cursor = 0;
        return nullptr;
    }
    std::size_t start = 0;
    bool dash = false;
    while (text[start] == ' ' || text[start] == '-') {
        dash = dash || text[start] == '-';
        ++start;
    }
    if (text[0] == '-')
        code = 1;
    else if (dash)
        code = 2;
    const std::size_t end = TrimWhiteEnd(text, start, start + std::strlen(text + start));
    return KeepRange(start, end - start);
}

const char* CListLine::ParseQuoteLine(int& code)
{
    code = 2;
    if (text == nullptr) {
        cursor = 0;
        return nullptr;
    }
    if (text[0] == ' ')
        code = 0;
    const std::size_t start = Skip(text, 0, " ");
    const std::size_t end = TrimWhiteEnd(text, start, start + std::strlen(text + start));
    return KeepRange(start, end - start);
}

const char* CListLine::ParseSoundtrackLine(int& code)
{
    code = 2;
    if (text == nullptr) {
        cursor = 0;
        return nullptr;
    }
    const std::size_t length = std::strlen(text);
    // A third character beyond the end counts as absent, so not as a blank.
    if (text[0] == ' ')
        code = (length > 2 && text[2] == ' ') ? 0 : 1;
    std::size_t start = length < 2 ? length : 2;
    if (code == 0)
        start = Skip(text, start, " ");
    const std::size_t end = TrimWhiteEnd(text, start, length);
    return KeepRange(start, end - start);
}

// ---- Values ------------------------------------------------------------------------------

void CListLine::ParseVoteDistribution(std::uint8_t values[10]) const
{
    const std::size_t length = text != nullptr ? BoundedLength(text, 10) : 0;
    for (std::size_t i = 0; i < 10; ++i) {
        const char c = i < length ? text[i] : '\0';
        if (c >= '0' && c <= '9')
            values[i] = static_cast<std::uint8_t>(c - '0');
        else if (c == '*')
            values[i] = 10;
        else
            values[i] = 11;
    }
}

void CListLine::ParseWriterOrder(std::uint8_t values[3]) const
{
    const std::size_t length = text != nullptr ? BoundedLength(text, 5) : 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t at = i * 2;
        values[i] = at < length ? static_cast<std::uint8_t>(text[at] - '0') : 0;
    }
}

bool CListLine::ParseDate(int& day, int& month, int& year) const
{
    static constexpr const char* kMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                                "July",    "August",   "September", "October", "November", "December"};
    if (text == nullptr)
        return false;
    const char* blank = std::strchr(text, ' ');
    if (blank == nullptr)
        return false;
    const std::size_t dayLength = static_cast<std::size_t>(blank - text);
    if (dayLength < 1 || dayLength > 2)
        return false;
    int dayValue = 0;
    for (std::size_t i = 0; i < dayLength; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        dayValue = dayValue * 10 + (text[i] - '0');
    }
    const char* monthText = blank + 1;
    int monthValue = 0;
    for (int m = 0; m < 12 && monthValue == 0; ++m) {
        if (StartsWith(monthText, kMonths[m]))
            monthValue = m + 1;
    }
    if (monthValue == 0)
        return false;
    const char* yearBlank = std::strchr(monthText, ' ');
    if (yearBlank == nullptr)
        return false;
    const char* yearText = yearBlank + 1;
    if (std::strlen(yearText) != 4)
        return false;
    int yearValue = 0;
    for (int i = 0; i < 4; ++i) {
        if (yearText[i] < '0' || yearText[i] > '9')
            return false;
        yearValue = yearValue * 10 + (yearText[i] - '0');
    }
    day = dayValue;
    month = monthValue;
    year = yearValue;
    return true;
}

// ---- Biography fields --------------------------------------------------------------------

const char* CListLine::EndPart(int& position, int& part, int value, const char* line, std::size_t begin,
                               std::size_t end, std::size_t next, const char* skip)
{
    part = value;
    if (end < begin)
        end = begin;
    // The position is worked out first: `line` may be the text that Assign replaces.
    int after = -1;
    if (next != kNoNext) {
        const std::size_t at = Skip(line, next, skip);
        if (line[Skip(line, at, " ")] != '\0')
            after = static_cast<int>(at);
    }
    Assign(line + begin, end - begin);
    cursor = after;
    position = after;
    return text;
}

const char* CListLine::NextBulletField(int& position, int& part, const char* line)
{
    if (line == nullptr || position < 0)
        return EndPart(position, part, 0, "", 0, 0, kNoNext, "");
    const std::size_t at = BoundedLength(line, static_cast<std::size_t>(position));
    const int value = line[at] == '*' ? 0 : 1;
    const std::size_t begin = Skip(line, at, " *");
    const std::size_t end = TrimWhiteEnd(line, begin, begin + std::strlen(line + begin));
    return EndPart(position, part, value, line, begin, end, kNoNext, "");
}

const char* CListLine::NextDatePlaceField(int& position, int& part, const char* line)
{
    if (line == nullptr || position < 0)
        return EndPart(position, part, 0, "", 0, 0, kNoNext, "");
    const std::size_t at = BoundedLength(line, static_cast<std::size_t>(position));
    const std::size_t length = at + std::strlen(line + at);
    if (position == 0) {
        const std::size_t comma = IndexOf(line, 0, ',', kNoNext);
        if (comma == kNoNext)
            return EndPart(position, part, 1, line, 0, TrimWhiteEnd(line, 0, length), kNoNext, "");
        return EndPart(position, part, 1, line, 0, comma, comma + 1, "");
    }
    const std::size_t begin = Skip(line, at, " ");
    if (line[begin] != '(') {
        const FieldSpan f = TextUpToGroup(line, begin, TrimWhiteEnd(line, begin, length), 2);
        return EndPart(position, part, f.value, line, f.begin, f.end, f.next, "");
    }
    std::size_t close = IndexOf(line, begin, ')', kNoNext);
    if (close == kNoNext)
        return EndPart(position, part, 3, line, begin, TrimWhiteEnd(line, begin, length), kNoNext, "");
    while (line[close + 1] == ')')
        ++close;
    return EndPart(position, part, 3, line, begin, close + 1, close + 1, "");
}

const char* CListLine::NextGuestField(int& position, int& part, const char* line)
{
    if (line == nullptr || position < 0)
        return EndPart(position, part, 0, "", 0, 0, kNoNext, "");
    const std::size_t at = BoundedLength(line, static_cast<std::size_t>(position));
    const std::size_t length = at + std::strlen(line + at);
    if (position == 0) {
        const FieldSpan f = NameUpToQv(line, Skip(line, at, " *"), length);
        return EndPart(position, part, f.value, line, f.begin, f.end, f.next, ",");
    }
    const std::size_t begin = Skip(line, at, " ");
    const std::size_t rest = TrimWhiteEnd(line, begin, length);
    if (StartsWith(line + begin, "as ")) {
        const FieldSpan f = TextUpToGroup(line, begin + 3, rest, 2);
        return EndPart(position, part, f.value, line, f.begin, f.end, f.next, "");
    }
    std::size_t underscore = kNoNext;
    if (StartsWith(line + begin, "(episode ")) {
        const std::size_t episode = begin + 9;
        if (line[episode] != '_') {
            const std::size_t blank = IndexOf(line, episode, ' ', kNoNext);
            if (blank == kNoNext)
                return EndPart(position, part, 4, line, episode, rest, kNoNext, "");
            return EndPart(position, part, 4, line, episode, blank, blank, "");
        }
        underscore = episode;
    } else if (line[begin] == '_') {
        underscore = begin;
    }
    if (underscore != kNoNext) {
        const std::size_t title = underscore + 1;
        const std::size_t closing = IndexOf(line, title, '_', kNoNext);
        if (closing == kNoNext)
            return EndPart(position, part, 3, line, title, rest, kNoNext, "");
        return EndPart(position, part, 5, line, title, closing, kNoNext, "");
    }
    if (line[begin] == '(') {
        const std::size_t close = IndexOf(line, begin, ')', kNoNext);
        if (close == kNoNext)
            return EndPart(position, part, 3, line, begin, rest, kNoNext, "");
        return EndPart(position, part, 3, line, begin, close + 1, close + 1, "");
    }
    return EndPart(position, part, 3, line, begin, rest, kNoNext, "");
}

const char* CListLine::NextSalaryField(int& position, int& part, const char* line)
{
    if (line == nullptr || position < 0)
        return EndPart(position, part, 0, "", 0, 0, kNoNext, "");
    const std::size_t at = BoundedLength(line, static_cast<std::size_t>(position));
    const std::size_t length = at + std::strlen(line + at);
    if (position == 0) {
        const FieldSpan f = NameUpToQv(line, Skip(line, at, " *"), length);
        return EndPart(position, part, f.value, line, f.begin, f.end, f.next, "");
    }
    const std::size_t begin = Skip(line, at, " ");
    const std::size_t rest = TrimWhiteEnd(line, begin, length);
    if (StartsWith(line + begin, "-> "))
        return EndPart(position, part, 2, line, begin + 3, rest, kNoNext, "");
    return EndPart(position, part, 0, line, begin, rest, kNoNext, "");
}

const char* CListLine::NextSpouseField(int& position, int& part, const char* line)
{
    if (line == nullptr || position < 0)
        return EndPart(position, part, 0, "", 0, 0, kNoNext, "");
    const std::size_t at = BoundedLength(line, static_cast<std::size_t>(position));
    const std::size_t length = at + std::strlen(line + at);
    if (position == 0) {
        const std::size_t begin = Skip(line, at, " *");
        const std::size_t rest = TrimWhiteEnd(line, begin, length);
        if (line[begin] != '\'')
            return EndPart(position, part, 0, line, begin, rest, kNoNext, "");
        const std::size_t closing = IndexOf(line, begin + 1, '\'', kNoNext);
        if (closing == kNoNext)
            return EndPart(position, part, 0, line, begin, rest, kNoNext, "");
        if (StartsWith(line + closing + 1, " (qv)"))
            return EndPart(position, part, 1, line, begin, closing + 6, closing + 6, "");
        return EndPart(position, part, 1, line, begin + 1, closing, closing + 1, "");
    }
    const std::size_t begin = Skip(line, at, " ");
    const std::size_t rest = TrimWhiteEnd(line, begin, length);
    if (line[begin] == '(') {
        const std::size_t close = IndexOf(line, begin, ')', kNoNext);
        if (close != kNoNext)
            return EndPart(position, part, 2, line, begin, close + 1, close + 1, "");
    }
    return EndPart(position, part, 2, line, begin, rest, kNoNext, "");
}

const char* CListLine::NextPublicationField(int& position, int& part, const char* line)
{
    if (line == nullptr || position < 0)
        return EndPart(position, part, 0, "", 0, 0, kNoNext, "");
    const std::size_t at = BoundedLength(line, static_cast<std::size_t>(position));
    const std::size_t length = at + std::strlen(line + at);
    if (position == 0) {
        const std::size_t begin = Skip(line, at, " *");
        const std::size_t rest = TrimWhiteEnd(line, begin, length);
        if (line[begin] != '"')
            return EndPart(position, part, 0, line, begin, rest, kNoNext, "");
        const std::size_t closing = IndexOf(line, begin + 1, '"', kNoNext);
        if (closing == kNoNext)
            return EndPart(position, part, 0, line, begin, rest, kNoNext, "");
        return EndPart(position, part, 1, line, begin + 1, closing, closing + 1, ",");
    }
    const std::size_t begin = Skip(line, at, " ");
    if (line[begin] == '(') {
        const std::size_t close = IndexOf(line, begin, ')', kNoNext);
        if (close == kNoNext)
            return EndPart(position, part, 2, line, begin + 1, TrimWhiteEnd(line, begin, length), kNoNext, "");
        return EndPart(position, part, 2, line, begin + 1, close, close + 1, ",");
    }
    struct FieldPrefix {
        const char* prefix;
        int part;
    };
    static constexpr FieldPrefix kPrefixes[] = {{"Vol. ", 4}, {"Iss. ", 5}, {"pg. ", 6}, {"by: ", 7}};
    int value = line[begin] == '"' ? 8 : 3;
    std::size_t start = begin;
    for (const FieldPrefix& p : kPrefixes) {
        if (StartsWith(line + begin, p.prefix)) {
            value = p.part;
            start = begin + std::strlen(p.prefix);
            break;
        }
    }
    const std::size_t comma = IndexOf(line, start, ',', kNoNext);
    if (comma == kNoNext)
        return EndPart(position, part, value, line, start, TrimWhiteEnd(line, start, length), kNoNext, "");
    return EndPart(position, part, value, line, start, comma, comma, ",");
}
