#include "listdata/SearchPattern.h"

#include "listdata/TextChars.h"

#include <cstring>

using textchars::CompareNoCase;
using textchars::EqualNoCase;

namespace {

// The kind flags a title pattern asks for; "no year" (1) is never asked for.
constexpr int kRequiredFlags = kTitleSeries | kTitleMini | kTitleTV | kTitleVideo | kTitleVideoGame;

} // namespace

CSearchPattern::CSearchPattern() = default;

CSearchPattern::~CSearchPattern()
{
    delete[] PatternText;
    for (Word& word : Words)
        delete[] word.Text;
}

void CSearchPattern::SetPatternText(const char* text)
{
    if (text == nullptr)
        text = "";
    const std::size_t length = std::strlen(text);
    char* copy = new char[length + 1];
    std::memcpy(copy, text, length + 1);
    delete[] PatternText;
    PatternText = copy;
    PatternLength = static_cast<int>(length);
}

void CSearchPattern::SetTitlePattern(const char* text)
{
    SetPatternText(text);
    TitleFlags flags = 0;
    Pattern.ParseTitle(PatternText, flags, Year);
    Flags = static_cast<int>(flags);
    SplitWords(Pattern.GetText());
}

void CSearchPattern::SetNamePattern(const char* text)
{
    SetPatternText(text);
    Pattern.FormatName(PatternText, 0, true);
    SplitWords(Pattern.GetText());
}

bool CSearchPattern::IsSeparator(char c)
{
    const signed char v = static_cast<signed char>(c);
    return (v >= 0 && v <= 47) || (v >= 58 && v <= 64) || (v >= 91 && v <= 96) || (v >= 123 && v <= 126);
}

void CSearchPattern::SplitWords(const char* text)
{
    WordCount = 0;
    if (text == nullptr)
        return;
    const char* wordStart = nullptr;
    for (const char* p = text; WordCount < kMaxWords; ++p) {
        if (!IsSeparator(*p)) {
            if (wordStart == nullptr)
                wordStart = p;
            continue;
        }
        if (wordStart != nullptr) {
            const std::size_t length = static_cast<std::size_t>(p - wordStart);
            char* copy = new char[length + 1];
            std::memcpy(copy, wordStart, length);
            copy[length] = '\0';
            Word& word = Words[WordCount++];
            delete[] word.Text;
            word.Text = copy;
            word.Length = static_cast<int>(length);
            word.Found = 0;
            wordStart = nullptr;
        }
        if (*p == '\0')
            break;
    }
}

void CSearchPattern::MarkWord(SearchType mode, const char* word, int length)
{
    for (int i = 0; i < WordCount; ++i) {
        Word& p = Words[i];
        if (p.Found || p.Length > length)
            continue;
        bool hit = false;
        switch (mode) {
        case kSearchWholeWords:
            hit = p.Length == length && EqualNoCase(word, p.Text, static_cast<std::size_t>(length));
            break;
        case kSearchWordBeginnings:
            hit = EqualNoCase(word, p.Text, static_cast<std::size_t>(p.Length));
            break;
        case kSearchInsideWords:
            for (int at = 0; at <= length - p.Length && !hit; ++at)
                hit = EqualNoCase(word + at, p.Text, static_cast<std::size_t>(p.Length));
            break;
        default:
            break;
        }
        if (hit)
            p.Found = 1;
    }
}

bool CSearchPattern::MatchWords(SearchType mode, const char* candidate)
{
    if (candidate == nullptr)
        candidate = "";
    char word[kMaxCandidateWord + 1];
    int length = 0;
    for (const char* p = candidate;; ++p) {
        if (!IsSeparator(*p)) {
            if (length < kMaxCandidateWord)
                word[length++] = *p;
            continue;
        }
        if (length > 0) {
            word[length] = '\0';
            MarkWord(mode, word, length);
            length = 0;
        }
        if (*p == '\0')
            break;
    }
    bool all = true;
    for (int i = 0; i < WordCount; ++i) {
        all = all && Words[i].Found;
        Words[i].Found = 0;
    }
    return all;
}

bool CSearchPattern::Match(SearchType mode, const char* candidate)
{
    CListLine formatted;
    formatted.FormatName(candidate != nullptr ? candidate : "", 0, true);
    if (mode == kSearchExact)
        return CompareNoCase(formatted.GetText(), Pattern.GetText() != nullptr ? Pattern.GetText() : "") == 0;
    return MatchWords(mode, formatted.GetText());
}

bool CSearchPattern::MatchTitle(SearchType mode, const char* title, int titleFlags, const char* year)
{
    if (title == nullptr)
        title = "";
    bool match = false;
    if (mode == kSearchExact)
        match = CompareNoCase(Pattern.GetText() != nullptr ? Pattern.GetText() : "", title) == 0;
    else
        match = MatchWords(mode, title);
    if (!match)
        return false;
    if (Year[0] != '\0' && CompareNoCase(Year, year != nullptr ? year : "") != 0)
        return false;
    const int required = Flags & kRequiredFlags;
    return (titleFlags & required) == required;
}
