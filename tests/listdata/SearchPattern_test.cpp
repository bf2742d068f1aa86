#include "listdata/SearchPattern.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A candidate title as the list routines hand it over: split by ParseTitle.
bool MatchListTitle(CSearchPattern& pattern, SearchType mode, const char* listTitle)
{
    CListLine bare;
    TitleFlags flags = 0;
    char year[kTitleYearSize];
    bare.ParseTitle(listTitle, flags, year);
    return pattern.MatchTitle(mode, bare.GetText(), static_cast<int>(flags), year);
}

std::vector<std::string> Words(const CSearchPattern& pattern)
{
    std::vector<std::string> out;
    for (int i = 0; i < pattern.GetWordCount(); ++i) {
        EXPECT_EQ(pattern.GetWord(i).Length, static_cast<int>(std::string(pattern.GetWord(i).Text).size()));
        out.emplace_back(pattern.GetWord(i).Text);
    }
    return out;
}

} // namespace

TEST(SearchPattern, SeparatorClasses)
{
    for (int c = 0; c < 256; ++c) {
        const bool expected = c <= 47 || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 126);
        EXPECT_EQ(CSearchPattern::IsSeparator(static_cast<char>(c)), expected) << c;
    }
}

TEST(SearchPattern, SplitWords)
{
    CSearchPattern p;
    p.SplitWords("O'Brien");
    EXPECT_EQ(Words(p), (std::vector<std::string>{"O", "Brien"}));
    p.SplitWords("  Caf\xe9-au-lait  2001: A Space\x7fOdyssey ");
    EXPECT_EQ(Words(p), (std::vector<std::string>{"Caf\xe9", "au", "lait", "2001", "A", "Space\x7fOdyssey"}));
    p.SplitWords("-- - --");
    EXPECT_EQ(p.GetWordCount(), 0);
    p.SplitWords("");
    EXPECT_EQ(p.GetWordCount(), 0);

    std::string many;
    for (int i = 1; i <= 65; ++i)
        many += "w" + std::to_string(i) + " ";
    p.SplitWords(many.c_str());
    ASSERT_EQ(p.GetWordCount(), 64);
    EXPECT_STREQ(p.GetWord(63).Text, "w64");
}

TEST(SearchPattern, TitleModes)
{
    struct Case {
        const char* pattern;
        SearchType mode;
        const char* title;
        bool match;
    } cases[] = {
        {"star wars", kSearchWordBeginnings, "Star Wars (1977)", true},
        {"star wars", kSearchWordBeginnings, "Wars of the Stars (1980)", true},
        {"star wars", kSearchWordBeginnings, "Star Trek (1979)", false},
        {"war", kSearchWholeWords, "Star Wars (1977)", false},
        {"war", kSearchWordBeginnings, "Star Wars (1977)", true},
        {"war", kSearchInsideWords, "Starwars (2001)", true},
        {"war", kSearchWordBeginnings, "Starwars (2001)", false},
        {"ars", kSearchInsideWords, "Star Wars (1977)", true},
        {"wars star", kSearchWholeWords, "STAR WARS (1977)", true},
        {"star star", kSearchWholeWords, "Star (1977)", true},
        {"star wars", kSearchExact, "star wars (1977)", true},
        {"star wars", kSearchExact, "Star Wars: Episode I (1999)", false},
        {"Matrix, The", kSearchExact, "Matrix, The (1999)", true}, // titles are not reformatted
        {"The Matrix", kSearchExact, "Matrix, The (1999)", false},
        // Year and kind markers of the pattern hold in every mode.
        {"Matrix (1999) (V)", kSearchExact, "Matrix (1999) (V)", true},
        {"Matrix (1999) (V)", kSearchExact, "Matrix (1999) (TV) (V)", true},
        {"Matrix (1999) (V)", kSearchExact, "Matrix (1999)", false},
        {"Matrix (1999) (V)", kSearchWholeWords, "Matrix (2000) (V)", false},
        {"Matrix (1999) (V)", kSearchWordBeginnings, "Matrix Reloaded (1999) (V)", true},
        {"Matrix (1999) (V)", kSearchInsideWords, "Animatrix (1999) (TV)", false},
        {"Matrix (1999/II)", kSearchWholeWords, "Matrix (1999/I)", true}, // four characters only
        {"Show (mini)", kSearchWholeWords, "Show (2001) (mini)", true},
        {"Show (mini)", kSearchWholeWords, "Show (2001)", false},
        {"\"Show\"", kSearchWholeWords, "\"Show\" (2001)", true},
        {"\"Show\"", kSearchWholeWords, "Show (2001)", false},
        {"Film", kSearchWholeWords, "Film (2001) (VG)", true}, // a candidate may carry more flags
        // Separators only: no words, every candidate passes in modes 1-3.
        {"- -", kSearchWholeWords, "Anything (2001)", true},
        {"- -", kSearchInsideWords, "Anything (2001)", true},
        {"- -", kSearchExact, "Anything (2001)", false},
        {"- - (1990)", kSearchWordBeginnings, "Anything (2001)", false},
        // Bytes above 127 are letters whose case is kept.
        {"caf\xe9", kSearchWholeWords, "CAF\xe9 (1950)", true},
        {"caf\xe9", kSearchWholeWords, "CAF\xc9 (1950)", false},
        {"\xe9t\xe9", kSearchInsideWords, "L'\xe9t\xe9 (1950)", true},
    };
    for (const Case& c : cases) {
        CSearchPattern p;
        p.SetTitlePattern(c.pattern);
        EXPECT_EQ(MatchListTitle(p, c.mode, c.title), c.match) << c.pattern << " / mode " << c.mode << " / " << c.title;
    }
}

TEST(SearchPattern, TitlePatternParts)
{
    CSearchPattern p;
    p.SetTitlePattern("\"Some Show\" (1999) (TV)");
    EXPECT_STREQ(p.GetPatternText(), "\"Some Show\" (1999) (TV)");
    EXPECT_EQ(p.GetPatternLength(), 23);
    EXPECT_STREQ(p.GetPattern(), "Some Show");
    EXPECT_STREQ(p.GetYear(), "1999");
    EXPECT_EQ(p.GetFlags(), static_cast<int>(kTitleSeries | kTitleTV));
    EXPECT_EQ(Words(p), (std::vector<std::string>{"Some", "Show"}));

    // A new pattern replaces everything of the old one.
    p.SetTitlePattern("Film");
    EXPECT_STREQ(p.GetYear(), "");
    EXPECT_EQ(p.GetFlags(), static_cast<int>(kTitleNoYear));
    EXPECT_EQ(Words(p), (std::vector<std::string>{"Film"}));
    EXPECT_TRUE(p.MatchTitle(kSearchWholeWords, "Film", 0, "2001"));
}

TEST(SearchPattern, FoundMarksAreClearedForTheNextCandidate)
{
    CSearchPattern p;
    p.SetTitlePattern("star wars");
    EXPECT_FALSE(p.MatchTitle(kSearchWholeWords, "Wars", 0, ""));
    EXPECT_FALSE(p.MatchTitle(kSearchWholeWords, "Star", 0, ""));
    EXPECT_TRUE(p.MatchTitle(kSearchWholeWords, "Star Wars", 0, ""));
    EXPECT_FALSE(p.MatchTitle(kSearchWholeWords, "Star", 0, ""));
}

TEST(SearchPattern, SixtyFifthWordIsIgnored)
{
    std::string text;
    std::string candidate;
    for (int i = 1; i <= 65; ++i) {
        text += "w" + std::to_string(i) + " ";
        if (i <= 64)
            candidate += "W" + std::to_string(i) + " ";
    }
    CSearchPattern p;
    p.SetTitlePattern(text.c_str());
    EXPECT_EQ(p.GetWordCount(), 64);
    EXPECT_TRUE(p.MatchTitle(kSearchWholeWords, candidate.c_str(), 0, ""));
    candidate.erase(candidate.rfind("W64"));
    EXPECT_FALSE(p.MatchTitle(kSearchWholeWords, candidate.c_str(), 0, ""));
}

TEST(SearchPattern, LongCandidateWordsAreCut)
{
    const std::string w254(254, 'a');
    const std::string w255(255, 'a');
    const std::string candidate(300, 'A');
    CSearchPattern p;
    p.SetTitlePattern(w254.c_str());
    EXPECT_TRUE(p.MatchTitle(kSearchWholeWords, candidate.c_str(), 0, ""));
    p.SetTitlePattern(w255.c_str());
    EXPECT_FALSE(p.MatchTitle(kSearchWholeWords, candidate.c_str(), 0, ""));
    EXPECT_FALSE(p.MatchTitle(kSearchInsideWords, candidate.c_str(), 0, ""));
    EXPECT_TRUE(p.MatchTitle(kSearchExact, w255.c_str(), 0, ""));
}

TEST(SearchPattern, NameModes)
{
    struct Case {
        const char* pattern;
        SearchType mode;
        const char* name;
        bool match;
    } cases[] = {
        {"Smith, John", kSearchExact, "Smith, John (II)", true},
        {"John Smith", kSearchExact, "Smith, John (II)", true},
        {"john smith", kSearchExact, "Smith, John", true},
        {"Smith", kSearchExact, "Smith, John", false},
        {"Madonna", kSearchExact, "Madonna (I)", true},
        {"Madonna (II)", kSearchExact, "Madonna (I)", true},
        // One-character parts count on both sides.
        {"Smith, J", kSearchExact, "Smith, J (I)", true},
        {"Smith, J", kSearchExact, "Smith, John", false},
        {"J Smith", kSearchWholeWords, "Smith, J", true},
        {"smith", kSearchWholeWords, "Smith, John (I)", true},
        {"smit", kSearchWholeWords, "Smith, John (I)", false},
        {"jo smi", kSearchWordBeginnings, "Smith, John (I)", true},
        {"ohn mit", kSearchInsideWords, "Smith, John (I)", true},
        {"ohn mit", kSearchWordBeginnings, "Smith, John (I)", false},
        {"I", kSearchWholeWords, "Smith, John (I)", false}, // the number is dropped
        {"O'Brien", kSearchWholeWords, "O'Brien, Pat", true},
        {"Brien", kSearchWholeWords, "O'Brien, Pat", true},
        {"matrix the", kSearchWholeWords, "Matrix, The (1999)", true},
        {"M\xfcller", kSearchWholeWords, "M\xfcller, Hans", true},
        {"M\xfcller", kSearchWholeWords, "M\xdcller, Hans", false},
        {"--", kSearchWholeWords, "Anyone, At All", true},
        {"--", kSearchExact, "Anyone, At All", false},
    };
    for (const Case& c : cases) {
        CSearchPattern p;
        p.SetNamePattern(c.pattern);
        EXPECT_EQ(p.Match(c.mode, c.name), c.match) << c.pattern << " / mode " << c.mode << " / " << c.name;
    }
}

TEST(SearchPattern, NamePatternLeavesYearAndFlags)
{
    CSearchPattern p;
    p.SetTitlePattern("Film (1999) (V)");
    p.SetNamePattern("Smith, John (I)");
    EXPECT_STREQ(p.GetPattern(), "John Smith");
    EXPECT_STREQ(p.GetPatternText(), "Smith, John (I)");
    EXPECT_STREQ(p.GetYear(), "1999");
    EXPECT_EQ(p.GetFlags(), static_cast<int>(kTitleVideo));
    EXPECT_TRUE(p.Match(kSearchExact, "Smith, John (III)"));
}

TEST(SearchPattern, NullTextsAreEmpty)
{
    CSearchPattern p;
    EXPECT_FALSE(p.MatchTitle(kSearchExact, "x", 0, nullptr));
    EXPECT_TRUE(p.MatchTitle(kSearchExact, nullptr, 0, nullptr));
    EXPECT_TRUE(p.Match(kSearchWholeWords, nullptr));
    p.SetTitlePattern(nullptr);
    EXPECT_STREQ(p.GetPatternText(), "");
    EXPECT_EQ(p.GetWordCount(), 0);
    p.SetNamePattern(nullptr);
    EXPECT_TRUE(p.Match(kSearchExact, ""));
}
