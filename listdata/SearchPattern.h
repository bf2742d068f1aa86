#pragma once
// Matches titles and people's names from the list files against the text the user typed.
// Prepared once per search (SetTitlePattern or SetNamePattern), then asked once per record.
// Case is ignored for the ASCII letters only; bytes 128-255 are word characters whose case
// is kept. Belongs to the thread that uses it (the Found marks change during a test).

#include "listdata/ListLine.h"

#include <cstdint>

enum SearchType : int {
    kSearchExact = 0,
    kSearchWholeWords = 1,
    kSearchWordBeginnings = 2,
    kSearchInsideWords = 3,
};

class CSearchPattern {
public:
    static constexpr int kMaxWords = 64;
    // Candidate words longer than this are cut to it.
    static constexpr int kMaxCandidateWord = 254;

    struct Word {
        char* Text = nullptr; // owned
        int Length = 0;
        std::uint8_t Found = 0;
    };

    CSearchPattern();
    CSearchPattern(const CSearchPattern&) = delete;
    CSearchPattern& operator=(const CSearchPattern&) = delete;
    virtual ~CSearchPattern();

    // A title search text: its bare name, year and kind flags (ParseTitle) make the pattern.
    void SetTitlePattern(const char* text);
    // A name search text: FormatName in "First Last" order without its number.
    void SetNamePattern(const char* text);

    // The characters 0-47, 58-64, 91-96 and 123-126 (as signed 8-bit values; every byte
    // 128-255 is a word character).
    static bool IsSeparator(char c);
    // Fills the words from `text` (at most kMaxWords; the rest is ignored).
    void SplitWords(const char* text);

    // The name test: the candidate (a list name or title) is formatted as the pattern was.
    bool Match(SearchType mode, const char* candidate);
    // The title test on a title already split by CListLine::ParseTitle; the pattern's year
    // and flags 2-32 must be matched by the candidate in every mode.
    bool MatchTitle(SearchType mode, const char* title, int titleFlags, const char* year);

    const char* GetPatternText() const { return PatternText; }
    int GetPatternLength() const { return PatternLength; }
    const char* GetPattern() const { return Pattern.GetText(); }
    const char* GetYear() const { return Year; }
    int GetFlags() const { return Flags; }
    int GetWordCount() const { return WordCount; }
    const Word& GetWord(int index) const { return Words[index]; }

private:
    void SetPatternText(const char* text);
    // The word test of modes 1-3 over `candidate`; clears the Found marks afterwards.
    bool MatchWords(SearchType mode, const char* candidate);
    void MarkWord(SearchType mode, const char* word, int length);

    char* PatternText = nullptr;
    int PatternLength = 0;
    CListLine Pattern;
    char Year[8] = {};
    int Flags = 0;
    Word Words[kMaxWords];
    int WordCount = 0;
};
