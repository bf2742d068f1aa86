#include "listdata/ListLine.h"

#include "listdata/TextChars.h"

#include <cstring>

using textchars::BoundedLength;
using textchars::IsTrailingWhite;
using textchars::IsWhite;

namespace {

// Clamps [start, start + length) of a text to its end, reading no byte beyond its NUL.
void ClampRange(const char* s, int start, int length, std::size_t& from, std::size_t& count)
{
    if (start < 0)
        start = 0;
    if (length < 0)
        length = 0;
    const std::size_t available = BoundedLength(s, static_cast<std::size_t>(start) + static_cast<std::size_t>(length));
    from = static_cast<std::size_t>(start) < available ? static_cast<std::size_t>(start) : available;
    const std::size_t rest = available - from;
    count = static_cast<std::size_t>(length) < rest ? static_cast<std::size_t>(length) : rest;
}

// Clamps a tokenizer's position to the line: -1 stays -1 (nothing left).
int ClampPosition(const char* line, int position)
{
    if (position < 0)
        return -1;
    return static_cast<int>(BoundedLength(line, static_cast<std::size_t>(position)));
}

bool IsFieldSkip(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

} // namespace

CListLine::CListLine() = default;

CListLine::CListLine(const char* source)
{
    if (source != nullptr)
        Assign(source, std::strlen(source));
}

CListLine::CListLine(const CListLine& other) : CListLine(other.text)
{
}

CListLine::~CListLine()
{
    Clear();
}

CListLine& CListLine::operator=(const char* source)
{
    Assign(source, source != nullptr ? std::strlen(source) : 0);
    return *this;
}

CListLine& CListLine::operator=(const CListLine& other)
{
    if (this != &other)
        *this = other.text;
    else
        cursor = 0;
    return *this;
}

void CListLine::Clear()
{
    delete[] text;
    text = nullptr;
    cursor = 0;
}

char* CListLine::Allocate(std::size_t length)
{
    char* buffer = new char[length + 1];
    buffer[length] = '\0';
    return buffer;
}

const char* CListLine::Install(char* buffer)
{
    delete[] text;
    text = buffer;
    cursor = 0;
    return text;
}

const char* CListLine::Assign(const char* source, std::size_t length)
{
    if (source == nullptr) {
        Clear();
        return nullptr;
    }
    // The copy is made before the old buffer goes: the source may lie inside it.
    char* buffer = Allocate(length);
    std::memcpy(buffer, source, length);
    return Install(buffer);
}

const char* CListLine::KeepRange(std::size_t start, std::size_t length)
{
    cursor = 0;
    if (text == nullptr)
        return nullptr;
    if (start > 0)
        std::memmove(text, text + start, length);
    text[length] = '\0';
    return text;
}

// ---- Generic cutting operations ----------------------------------------------------------

const char* CListLine::SetSubstring(const char* source, int start, int length)
{
    if (source == nullptr)
        return Assign(nullptr, 0);
    std::size_t from = 0;
    std::size_t count = 0;
    ClampRange(source, start, length, from, count);
    while (count > 1 && (source[from + count - 1] == '\n' || source[from + count - 1] == '\t'))
        --count;
    return Assign(source + from, count);
}

const char* CListLine::Keep(int start, int length)
{
    if (text == nullptr) {
        cursor = 0;
        return nullptr;
    }
    std::size_t from = 0;
    std::size_t count = 0;
    ClampRange(text, start, length, from, count);
    return KeepRange(from, count);
}

int CListLine::Find(int start, const char* string, const char* pattern) const
{
    if (string == nullptr)
        return 0;
    if (start < -1)
        start = -1;
    const std::size_t length = BoundedLength(string, static_cast<std::size_t>(start) + 1);
    if (start >= 0 && static_cast<std::size_t>(start) >= length)
        return static_cast<int>(length); // start holds (or lies past) the NUL
    const char* from = string + start + 1;
    const char* hit = std::strstr(from, pattern != nullptr ? pattern : "");
    if (hit != nullptr)
        return static_cast<int>(hit - string);
    return static_cast<int>(from - string + std::strlen(from));
}

const char* CListLine::SetTrimmed(const char* source)
{
    if (source == nullptr)
        return Assign(nullptr, 0);
    std::size_t first = 0;
    while (IsWhite(source[first]))
        ++first;
    std::size_t end = first + std::strlen(source + first);
    while (end > first + 1 && IsWhite(source[end - 1]))
        --end;
    return Assign(source + first, end - first);
}

const char* CListLine::SetTrimRight(const char* source)
{
    if (source == nullptr)
        return Assign(nullptr, 0);
    std::size_t end = std::strlen(source);
    while (end > 0 && IsTrailingWhite(source[end - 1]))
        --end;
    return Assign(source, end);
}

const char* CListLine::StripPrefix(const char* line, const char* prefix)
{
    if (line == nullptr)
        return Assign(nullptr, 0);
    std::size_t start = 0;
    if (prefix != nullptr) {
        const std::size_t prefixLength = std::strlen(prefix);
        if (std::strncmp(line, prefix, prefixLength) == 0)
            start = prefixLength;
    }
    std::size_t end = start + std::strlen(line + start);
    const std::size_t limit = start > 0 ? start : 1;
    while (end > limit && IsTrailingWhite(line[end - 1]))
        --end;
    if (end < start)
        end = start;
    return Assign(line + start, end - start);
}

// ---- Names and links ---------------------------------------------------------------------

const char* CListLine::FormatName(const char* name, int order, bool dropNumber)
{
    if (name == nullptr)
        return Assign(nullptr, 0);

    // Last part: up to the first ',' or '('.
    std::size_t i = 0;
    while (name[i] != '\0' && name[i] != ',' && name[i] != '(')
        ++i;
    const std::size_t lastBegin = 0;
    std::size_t lastEnd = i;
    while (lastEnd > lastBegin && name[lastEnd - 1] == ' ')
        --lastEnd;

    // First part: only behind a comma; a '(' that ends the last part opens its number.
    std::size_t firstBegin = i;
    std::size_t firstEnd = i;
    std::size_t numberSearch = i;
    if (name[i] == ',') {
        ++i;
        while (name[i] == ',' || name[i] == ' ')
            ++i;
        firstBegin = i;
        while (name[i] != '\0' && name[i] != '(')
            ++i;
        firstEnd = i;
        while (firstEnd > firstBegin && name[firstEnd - 1] == ' ')
            --firstEnd;
        numberSearch = i;
    }

    // Number: the first "(...)" from there.
    std::size_t numberBegin = 0;
    std::size_t numberEnd = 0;
    if (!dropNumber) {
        const char* open = std::strchr(name + numberSearch, '(');
        if (open != nullptr) {
            const char* close = std::strchr(open, ')');
            if (close != nullptr) {
                numberBegin = static_cast<std::size_t>(open - name);
                numberEnd = static_cast<std::size_t>(close - name) + 1;
            }
        }
    }

    const std::size_t lastLength = lastEnd - lastBegin;
    const std::size_t firstLength = firstEnd - firstBegin;
    const std::size_t numberLength = numberEnd - numberBegin;
    const bool both = lastLength > 0 && firstLength > 0;
    const char* joint = order == 1 ? ", " : " ";
    const std::size_t jointLength = both ? std::strlen(joint) : 0;
    const std::size_t bodyLength = lastLength + firstLength + jointLength;
    const std::size_t numberGap = numberLength > 0 && bodyLength > 0 ? 1 : 0;

    char* buffer = Allocate(bodyLength + numberGap + numberLength);
    char* out = buffer;
    const char* leading = order == 1 ? name + lastBegin : name + firstBegin;
    const std::size_t leadingLength = order == 1 ? lastLength : firstLength;
    const char* trailing = order == 1 ? name + firstBegin : name + lastBegin;
    const std::size_t trailingLength = order == 1 ? firstLength : lastLength;
    std::memcpy(out, leading, leadingLength);
    out += leadingLength;
    std::memcpy(out, joint, jointLength);
    out += jointLength;
    std::memcpy(out, trailing, trailingLength);
    out += trailingLength;
    if (numberGap)
        *out++ = ' ';
    std::memcpy(out, name + numberBegin, numberLength);
    return Install(buffer);
}

const char* CListLine::MakeLink(const char* kind, const char* source)
{
    if (source == nullptr)
        source = "";
    const std::size_t addressLength = std::strlen(kProviderWebAddress);
    const std::size_t kindLength = std::strlen(kind);
    const std::size_t sourceLength = std::strlen(source);
    char* buffer = Allocate(addressLength + kindLength + sourceLength);
    std::memcpy(buffer, kProviderWebAddress, addressLength);
    std::memcpy(buffer + addressLength, kind, kindLength);
    char* out = buffer + addressLength + kindLength;
    for (std::size_t i = 0; i < sourceLength; ++i)
        out[i] = source[i] == ' ' ? '+' : source[i];
    return Install(buffer);
}

const char* CListLine::MakeTitleLink(const char* title)
{
    return MakeLink("/Title?", title);
}

const char* CListLine::MakeNameLink(const char* name)
{
    return MakeLink("/Name?", name);
}

// ---- Tokenizers --------------------------------------------------------------------------

const char* CListLine::EndField(int& position, int next, const char* line, std::size_t begin, std::size_t end)
{
    if (end <= begin) {
        Assign("", 0);
        cursor = -1;
        position = -1;
        return text;
    }
    SetSubstring(line, static_cast<int>(begin), static_cast<int>(end - begin));
    cursor = next;
    position = next;
    return text;
}

const char* CListLine::NextField(int& position, const char* line)
{
    const int at = line != nullptr ? ClampPosition(line, position) : -1;
    if (at < 0)
        return EndField(position, -1, "", 0, 0);
    std::size_t begin = static_cast<std::size_t>(at);
    while (IsFieldSkip(line[begin]))
        ++begin;
    if (line[begin] == '\0')
        return EndField(position, -1, line, begin, begin);
    std::size_t end = begin + 1;
    while (line[end] != '\0' && !(line[end] == ' ' && line[end + 1] == ' '))
        ++end;
    const int next = static_cast<int>(line[end] != '\0' ? end + 2 : end);
    return EndField(position, next, line, begin, end);
}

const char* CListLine::NextTabField(int& position, const char* line)
{
    const int at = line != nullptr ? ClampPosition(line, position) : -1;
    if (at < 0)
        return EndField(position, -1, "", 0, 0);
    std::size_t begin = static_cast<std::size_t>(at);
    while (IsFieldSkip(line[begin]))
        ++begin;
    std::size_t end = begin;
    while (line[end] != '\0' && line[end] != '\t' && line[end] != '\n')
        ++end;
    return EndField(position, static_cast<int>(end), line, begin, end);
}

const char* CListLine::NextColonField(int& position, const char* line)
{
    const int at = line != nullptr ? ClampPosition(line, position) : -1;
    if (at < 0)
        return EndField(position, -1, "", 0, 0);
    std::size_t begin = static_cast<std::size_t>(at);
    while (line[begin] == ':' || IsFieldSkip(line[begin]))
        ++begin;
    std::size_t end = begin;
    while (line[end] != '\0' && line[end] != ':' && line[end] != '\t' && line[end] != '\n')
        ++end;
    return EndField(position, static_cast<int>(end), line, begin, end);
}
