#include "listdata/ListLine.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

const char* kEpisode = "\"Some Show\" (1999) {Pilot (#1.1)}";

} // namespace

TEST(ListLineTitle, ParseTitleSplitsNameYearAndKind)
{
    struct Case {
        const char* title;
        const char* name;
        TitleFlags flags;
        const char* year;
    } cases[] = {
        {"\"Some Show\" (1999) (TV)", "Some Show", kTitleSeries | kTitleTV, "1999"},
        {"Film (1999/II)", "Film", 0, "1999"},
        {"Film", "Film", kTitleNoYear, ""},
        {"Film (1999) (V) (TV)", "Film", kTitleVideo | kTitleTV, "1999"},
        {"Film (1999) (tv)", "Film", kTitleTV, "1999"},
        {"Film (2004) (Mini) (vg)", "Film", kTitleMini | kTitleVideoGame, "2004"},
        {"\"Show", "Show", kTitleNoYear, ""},
        {"Film (\?\?\?\?)", "Film", 0, "\?\?\?\?"},
        {"Matrix, The (1999)", "Matrix, The", 0, "1999"},
        {"Film (VG)", "Film", kTitleVideoGame | kTitleNoYear, ""},
        {"Film (TVX) (V)", "Film", kTitleVideo, "TVX)"},
        {"Film)", "Film", kTitleNoYear, ""},
        {"Film (19", "Film (19", kTitleNoYear, ""},
        {"(1999)", "", 0, "1999"},
        {")", ")", kTitleNoYear, ""},
        {"\"\" (2000)", "", kTitleSeries, "2000"},
        {"", "", kTitleNoYear, ""},
        {"Caf\xe9 (1950)", "Caf\xe9", 0, "1950"},
        // An episode's number group counts as its year; the closing quote is then not last.
        {kEpisode, "Some Show\" (1999) {Pilot", 0, "#1.1"},
    };
    for (const Case& c : cases) {
        CListLine l;
        TitleFlags flags = 12345;
        char year[kTitleYearSize] = "zzzz";
        EXPECT_STREQ(l.ParseTitle(c.title, flags, year), c.name) << c.title;
        EXPECT_EQ(flags, c.flags) << c.title;
        EXPECT_STREQ(year, c.year) << c.title;
    }
}

TEST(ListLineTitle, BareAndSeriesTitle)
{
    struct Case {
        const char* title;
        const char* bare;
        const char* series;
    } cases[] = {
        {kEpisode, "Some Show", "\"Some Show\" (1999)"},
        {"Film (1999) (V)", "Film", "Film (1999) (V)"},
        {"Matrix, The (1999)", "Matrix, The", "Matrix, The (1999)"},
        {"\"Show\" (1999) {A {nested} b}", "Show", "\"Show\" (1999)"},
        {"\"Show\" (1999) {Ep}  ", "Show", "\"Show\" (1999)"},
        {"Film {unclosed", "Film {unclosed", "Film {unclosed"},
        {"{Only}", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        CListLine l;
        EXPECT_STREQ(l.BareTitle(c.title), c.bare) << c.title;
        EXPECT_STREQ(l.SeriesTitle(c.title), c.series) << c.title;
    }
}

TEST(ListLineTitle, EpisodeParts)
{
    struct Case {
        const char* title;
        const char* part;
        const char* name;
        const char* number;
    } cases[] = {
        {kEpisode, "Pilot (#1.1)", "Pilot", "#1.1"},
        {"\"S\" (1999) {(#1.2)}", "(#1.2)", "", "#1.2"},
        {"\"S\" (1999) {Pilot}", "Pilot", "Pilot", ""},
        {"Film (1999)", "", "", ""}, // the year outside braces is never the number
        {"\"S\" (1999) {Pilot (Part 1) (#2.10)}", "Pilot (Part 1) (#2.10)", "Pilot (Part 1)", "#2.10"},
        {"\"S\" (1999) {Pilot ))}", "Pilot ))", "Pilot ))", ""},
        {"\"S\" (1999) {}", "", "", ""},
        {"}", "", "", ""},
    };
    for (const Case& c : cases) {
        CListLine l;
        EXPECT_STREQ(l.EpisodePart(c.title), c.part) << c.title;
        EXPECT_STREQ(l.EpisodeName(c.title), c.name) << c.title;
        EXPECT_STREQ(l.EpisodeNumber(c.title), c.number) << c.title;
    }
}

TEST(ListLineTitle, TitleYearSkipsMarkersAndBraces)
{
    struct Case {
        const char* title;
        const char* year;
    } cases[] = {
        {"Film (2001/III) (VG)", "2001/III"}, {kEpisode, "1999"}, {"Film", ""}, {"Film (TV)", ""},
        {"Film (1999) (mini) (v)", "1999"},   {"Film 1999)", ""}, {"", ""},
    };
    for (const Case& c : cases) {
        CListLine l;
        EXPECT_STREQ(l.TitleYear(c.title), c.year) << c.title;
    }
}

TEST(ListLineTitle, ParseAkaCutsTheAlternativeAndLeavesTheCursorAtItsEnd)
{
    struct Case {
        const char* line;
        const char* alternative;
        int cursor;
    } cases[] = {
        {"   (aka Another Title (1999))\t(USA)", "Another Title (1999)", 29},
        {"Other Name\tnote", "Other Name", 10},
        {"   (aka X)\n", "X", 10},
        {"   (aka )", "", 9},
        {"  (aka X)", "  (aka X", 9},
        {"", "", 0},
    };
    for (const Case& c : cases) {
        CListLine l;
        EXPECT_STREQ(l.ParseAka(c.line), c.alternative) << c.line;
        EXPECT_EQ(l.GetCursor(), c.cursor) << c.line;
    }
    // The cursor lets the caller go on with the line's further fields.
    const char* line = "   (aka Other (2000))\t(USA)\t(alternative)";
    CListLine l;
    l.ParseAka(line);
    int position = l.GetCursor();
    CListLine field;
    EXPECT_STREQ(field.NextTabField(position, line), "(USA)");
    EXPECT_STREQ(field.NextTabField(position, line), "(alternative)");
}

TEST(ListLineTitle, SelfRoleTestsHimselfBeforeHerself)
{
    struct Case {
        const char* text;
        int role;
    } cases[] = {
        {"Himself - Host", 1}, {"herself", 2},    {"Himselfish", 1}, {"Herself and himself", 2},
        {"HIMSELF", 1},        {"as herself", 2}, {"himsel", 0},     {"", 0},
    };
    for (const Case& c : cases) {
        CListLine l(c.text);
        EXPECT_EQ(l.SelfRole(), c.role) << c.text;
        EXPECT_STREQ(l.GetText(), c.text);
    }
    EXPECT_EQ(CListLine().SelfRole(), 0);
}

TEST(ListLineTitle, CompareEpisodesNumbersAndTexts)
{
    struct Case {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"#1.10", "#1.9", -1},
        {"#2.1", "#10.1", 1},
        {"#1.1", "#1.2", 1},
        {"#3.4", "#3.4", 0},
        {"#5", "#7", 0}, // without '.' both parts count 0
        {"#1.x", "#1.", 0},
        {"Abc", "abd", -1},
        {"abd", "Abc", 1},
        {"ABC", "abc", 0},
        {"#1.5", "Pilot", -1},
        {"", "", 0},
        // Oversized numbers saturate instead of overflowing.
        {"#99999999999999999999.1", "#2147483647.1", 0},
        {"#99999999999999999999.1", "#1.1", -1},
        {"#1.99999999999999999999", "#1.2147483647", 0},
    };
    for (const Case& c : cases) {
        const int result = CListLine::CompareEpisodes(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " vs " << c.b;
    }
}

// The episode and filmography sorts order by "CompareEpisodes > 0" and "< 0": both must be
// strict weak orders over whatever episode numbers a title holds, mixed kinds included.
TEST(ListLineTitle, CompareEpisodesOrdersAreStrictWeakOrders)
{
    const char* const numbers[] = {
        "",
        " x",
        "!",
        "\"Q\"",
        "\x01",
        "#",
        "#1",
        "#7",
        "#1.",
        "#1.2",
        "#01.2",
        "#1.2b",
        "#1.10",
        "#2.1",
        "#x.1",
        "#1.x",
        "#99999999999999999999.1",
        "#2147483647.1",
        "$",
        "1999-05-01",
        "2004-06-01",
        "Abc",
        "abc",
        "ABD",
        "Pilot",
        "[x",
        "_x",
        "`x",
        "\x7F",
        "\xC9t\xE9",
        "\xE9t\xE9",
    };
    for (const int sign : {1, -1}) {
        SCOPED_TRACE(sign);
        const auto first = [sign](const char* a, const char* b) { return CListLine::CompareEpisodes(a, b) * sign > 0; };
        const auto equivalent = [&](const char* a, const char* b) { return !first(a, b) && !first(b, a); };
        for (const char* a : numbers) {
            EXPECT_FALSE(first(a, a)) << a;
            for (const char* b : numbers) {
                EXPECT_FALSE(first(a, b) && first(b, a)) << a << " | " << b;
                for (const char* c : numbers) {
                    if (first(a, b) && first(b, c)) {
                        EXPECT_TRUE(first(a, c)) << a << " | " << b << " | " << c;
                    }
                    if (equivalent(a, b) && equivalent(b, c)) {
                        EXPECT_TRUE(equivalent(a, c)) << a << " | " << b << " | " << c;
                    }
                }
            }
        }
    }
}
