#include "listdata/SearchText.h"

#include "RoutineFixture.h"

#include <gtest/gtest.h>

using namespace searchtext;

TEST(SearchText, MatchTitleByTheOutermostBraceGroup)
{
    struct Case {
        std::string_view field;
        TitleMatch match;
        std::string_view label;
    };
    const std::string_view title = "\"Show\" (1999)";
    const Case cases[] = {
        {"\"Show\" (1999)", TitleMatch::exact, ""},
        {"\"Show\" (1999) {Pilot (#1.1)}", TitleMatch::episode, "Pilot (#1.1)"},
        {"\"Show\" (1999)   {Pilot}", TitleMatch::episode, "Pilot"},
        {"\"Show\" (1999) {A {B} C}", TitleMatch::episode, "A {B} C"},
        {"\"Show\" (1999) {}", TitleMatch::episode, ""},
        {"\"Show\" (1999) {A} {B}", TitleMatch::none, ""},
        {"\"Show\" (1999) B}", TitleMatch::none, ""},
        {"\"Show\" (1999)x{B}", TitleMatch::none, ""},
        {"\"show\" (1999)", TitleMatch::none, ""},
        {"\"Show\" (199", TitleMatch::none, ""},
        {"", TitleMatch::none, ""},
    };
    for (const Case& c : cases) {
        std::string_view label = "unset";
        EXPECT_EQ(MatchTitle(c.field, title, &label), c.match) << c.field;
        if (c.match == TitleMatch::episode) {
            EXPECT_EQ(label, c.label) << c.field;
        }
    }
    // An empty document title matches nothing, not even a bare brace group.
    EXPECT_EQ(MatchTitle("{B}", ""), TitleMatch::none);
}

TEST(SearchText, FieldsByTwoBlanksAndByTabs)
{
    const std::string_view line = "Name, A\t\tTitle (1999)  [Role x]  <3>\n";
    std::size_t pos = 0;
    std::string_view field;
    ASSERT_TRUE(NextTabField(line, pos, field));
    EXPECT_EQ(field, "Name, A");
    std::vector<std::string_view> fields;
    while (NextField(line, pos, field))
        fields.push_back(field);
    EXPECT_EQ(fields, (std::vector<std::string_view>{"Title (1999)", "[Role x]", "<3>"}));
    EXPECT_EQ(pos, std::string_view::npos);
    // A single trailing blank belongs to the field; a lone newline is no field.
    pos = 0;
    ASSERT_TRUE(NextField("a b \n", pos, field));
    EXPECT_EQ(field, "a b ");
    EXPECT_FALSE(NextField("a b \n", pos, field));
    pos = 0;
    EXPECT_FALSE(NextField("\n", pos, field));
    EXPECT_FALSE(NextTabField("\t\t\n", pos = 0, field));
}

TEST(SearchText, NamesCompareWithAsciiLettersFolded)
{
    EXPECT_EQ(CompareNoCase("Smith, John", "SMITH, JOHN"), 0);
    EXPECT_LT(CompareNoCase("Smith", "smithe"), 0);
    EXPECT_GT(CompareNoCase("b", "A"), 0);
    // Bytes 128-255 are not folded and sort after ASCII.
    EXPECT_NE(CompareNoCase("\xc9mile", "\xe9mile"), 0);
    EXPECT_GT(CompareNoCase("\xe9", "z"), 0);
}

TEST(SearchText, EmptyTitleFindsNothingInPersonLists)
{
    const std::string body = "Abbot, Ann\t\t{Odd}\n\t\t\tFilm (2001)\n\n";
    EXPECT_TRUE(searchtest::RunMovie(kActors, body, "").empty());
    EXPECT_TRUE(searchtest::RunMovie(kMovies, "{Odd}\t\t2001\n\n", "").empty());
}
