#include "listdata/ListLine.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string Text(const CListLine& line)
{
    return line.GetText() != nullptr ? line.GetText() : "<null>";
}

// Every field a tokenizer gives for `line`, then the text and position of the final call.
template <typename Cut> std::vector<std::string> Fields(const char* line, Cut cut)
{
    CListLine l;
    std::vector<std::string> out;
    int position = 0;
    for (int guard = 0; position >= 0 && guard < 100; ++guard) {
        const char* field = (l.*cut)(position, line);
        if (position < 0) {
            EXPECT_STREQ(field, "");
            EXPECT_EQ(l.GetCursor(), -1);
            break;
        }
        EXPECT_EQ(l.GetCursor(), position);
        out.emplace_back(field);
    }
    return out;
}

} // namespace

TEST(ListLine, ConstructionAndAssignmentCopyTheText)
{
    CListLine none;
    EXPECT_EQ(none.GetText(), nullptr);
    CListLine fromNull(static_cast<const char*>(nullptr));
    EXPECT_EQ(fromNull.GetText(), nullptr);

    const char source[] = "Smith, John";
    CListLine a(source);
    EXPECT_NE(a.GetText(), source);
    EXPECT_EQ(Text(a), "Smith, John");

    CListLine b(a);
    EXPECT_NE(b.GetText(), a.GetText());
    EXPECT_EQ(Text(b), "Smith, John");

    CListLine c;
    c = a;
    EXPECT_EQ(Text(c), "Smith, John");
    c = none;
    EXPECT_EQ(c.GetText(), nullptr);
    c = "x";
    EXPECT_EQ(Text(c), "x");
    c = c;
    EXPECT_EQ(Text(c), "x");
    CListLine d(none);
    EXPECT_EQ(d.GetText(), nullptr);
}

TEST(ListLine, SettersResetTheCursor)
{
    CListLine l;
    int position = 0;
    l.NextField(position, "a  b");
    EXPECT_EQ(l.GetCursor(), 3);
    l.SetTrimmed(" x ");
    EXPECT_EQ(l.GetCursor(), 0);
    l.NextField(position, "a  b");
    l = "y";
    EXPECT_EQ(l.GetCursor(), 0);
}

TEST(ListLine, SettersAcceptTheirOwnText)
{
    CListLine l("  Smith, John (I)  \n");
    EXPECT_EQ(Text(CListLine(l.SetTrimmed(l.GetText()))), "Smith, John (I)");
    l.FormatName(l.GetText(), 0, false);
    EXPECT_EQ(Text(l), "John Smith (I)");
    l.SetSubstring(l.GetText() + 5, 0, 5);
    EXPECT_EQ(Text(l), "Smith");
    l.MakeNameLink(l.GetText());
    EXPECT_EQ(Text(l), std::string(kProviderWebAddress) + "/Name?Smith");
    l = "Title (1999)  9.2  77\n";
    int position = 0;
    l.NextField(position, l.GetText());
    EXPECT_EQ(Text(l), "Title (1999)");
    EXPECT_EQ(position, 14);
    l = "Show\t\tnote";
    position = 0;
    l.NextTabField(position, l.GetText());
    EXPECT_EQ(Text(l), "Show");
    l = "   (aka Other (2000))\tUSA";
    l.ParseAka(l.GetText());
    EXPECT_EQ(Text(l), "Other (2000)");
    l = "\"Show\" (1999) {Pilot (#1.1)}";
    l.EpisodeName(l.GetText());
    EXPECT_EQ(Text(l), "Pilot");
}

TEST(ListLine, SetSubstringCutsAndClamps)
{
    struct Case {
        const char* source;
        int start;
        int length;
        const char* expected;
    } cases[] = {
        {"abcdef", 1, 3, "bcd"},  {"abc\n", 0, 4, "abc"},
        {"abc\t\n", 0, 5, "abc"}, {"\n", 0, 1, "\n"},    // never the first character
        {"ab \n", 0, 4, "ab "},                          // blanks stay
        {"abcdef", 2, -5, ""},    {"abc", 1, 100, "bc"}, // length past the end
        {"abc", 10, 2, ""},                              // start past the end
        {"abc", -3, 2, "ab"},                            // negative start counts from 0
        {"", 0, 5, ""},
    };
    for (const Case& c : cases) {
        CListLine l;
        EXPECT_STREQ(l.SetSubstring(c.source, c.start, c.length), c.expected) << c.source << " " << c.start;
    }
    CListLine l("x");
    EXPECT_EQ(l.SetSubstring(nullptr, 0, 3), nullptr);
}

TEST(ListLine, KeepMovesAPieceToTheFront)
{
    CListLine l("0123456789");
    const char* buffer = l.GetText();
    EXPECT_STREQ(l.Keep(3, 4), "3456");
    EXPECT_EQ(l.GetText(), buffer); // no new buffer
    EXPECT_STREQ(l.Keep(2, 50), "56");
    EXPECT_STREQ(l.Keep(7, 1), "");
    l = "abc";
    EXPECT_STREQ(l.Keep(1, -1), "");
    CListLine none;
    EXPECT_EQ(none.Keep(0, 3), nullptr);
}

TEST(ListLine, FindLooksOnlyAfterItsStart)
{
    CListLine l("untouched");
    const char* s = "a(b)(c)";
    EXPECT_EQ(l.Find(1, s, "("), 4);
    EXPECT_EQ(l.Find(-1, s, "a"), 0);
    EXPECT_EQ(l.Find(0, s, "a"), 7);  // none after 0: the NUL
    EXPECT_EQ(l.Find(7, s, "("), 7);  // start holds the NUL
    EXPECT_EQ(l.Find(50, s, "("), 7); // start past the end
    EXPECT_EQ(l.Find(0, s, "(c)"), 4);
    EXPECT_EQ(Text(l), "untouched");
}

TEST(ListLine, TrimmingKeepsBytesAbove127)
{
    struct Case {
        const char* source;
        const char* trimmed;
        const char* trimRight;
    } cases[] = {
        {"  Caf\xe9 \n", "Caf\xe9", "  Caf\xe9"},
        {"   ", "", ""},
        {"abc \t\n", "abc", "abc"},
        {"\n", "", ""},
        {"\x01\x1f x \x02", "x", "\x01\x1f x \x02"},
        {"\xa0word\xa0", "\xa0word\xa0", "\xa0word\xa0"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        CListLine l;
        EXPECT_STREQ(l.SetTrimmed(c.source), c.trimmed) << c.source;
        EXPECT_STREQ(l.SetTrimRight(c.source), c.trimRight) << c.source;
    }
}

TEST(ListLine, StripPrefixCutsOnlyAWholePrefix)
{
    struct Case {
        const char* line;
        const char* prefix;
        const char* expected;
    } cases[] = {
        {"MV: Film (1999)\n", "MV: ", "Film (1999)"},
        {"MV Film\n", "MV: ", "MV Film"},
        {"mv: Film", "MV: ", "mv: Film"},
        {"# \n", "# ", ""},
        {"\tLine \n", "\t", "Line"},
        {" \n", "# ", " "}, // the line's first character stays
        {"# ", "# x", "#"},
    };
    for (const Case& c : cases) {
        CListLine l;
        EXPECT_STREQ(l.StripPrefix(c.line, c.prefix), c.expected) << c.line;
    }
}

TEST(ListLine, NextFieldSplitsAtTwoBlanks)
{
    EXPECT_EQ(Fields("Title (1999)  9.2  1234\n", &CListLine::NextField),
              (std::vector<std::string>{"Title (1999)", "9.2", "1234"}));
    EXPECT_EQ(Fields("  \t a b   c  ", &CListLine::NextField), (std::vector<std::string>{"a b", "c"}));
    EXPECT_EQ(Fields("", &CListLine::NextField), std::vector<std::string>{});
    EXPECT_EQ(Fields("\xe9t\xe9  x", &CListLine::NextField), (std::vector<std::string>{"\xe9t\xe9", "x"}));
    EXPECT_EQ(Fields("x ", &CListLine::NextField), (std::vector<std::string>{"x "}));
}

TEST(ListLine, NextFieldPositionAfterTheLastFieldIsItsNul)
{
    CListLine l;
    int position = 0;
    l.NextField(position, "ab  cd");
    EXPECT_EQ(position, 4);
    l.NextField(position, "ab  cd");
    EXPECT_EQ(position, 6);
    EXPECT_STREQ(l.NextField(position, "ab  cd"), "");
    EXPECT_EQ(position, -1);
}

TEST(ListLine, NextTabAndColonFields)
{
    EXPECT_EQ(Fields("Name\t\tTitle (1999)\n", &CListLine::NextTabField),
              (std::vector<std::string>{"Name", "Title (1999)"}));
    EXPECT_EQ(Fields("a b \t c\nd", &CListLine::NextTabField), (std::vector<std::string>{"a b ", "c", "d"}));
    EXPECT_EQ(Fields("USA:12 May 1999\t(festival)", &CListLine::NextColonField),
              (std::vector<std::string>{"USA", "12 May 1999", "(festival)"}));
    EXPECT_EQ(Fields(":: a:b", &CListLine::NextColonField), (std::vector<std::string>{"a", "b"}));
}

TEST(ListLine, TokenizersRefuseHostilePositions)
{
    CListLine l;
    for (int start : {-1, -100, 3, 1000}) {
        int position = start;
        EXPECT_STREQ(l.NextField(position, "abc"), "") << start;
        EXPECT_EQ(position, -1);
        position = start;
        EXPECT_STREQ(l.NextTabField(position, "abc"), "");
        EXPECT_EQ(position, -1);
        position = start;
        EXPECT_STREQ(l.NextColonField(position, "abc"), "");
        EXPECT_EQ(position, -1);
    }
    int position = 0;
    EXPECT_STREQ(l.NextField(position, nullptr), "");
    EXPECT_EQ(position, -1);
}

TEST(ListLine, FormatNameOrdersAndNumbers)
{
    struct Case {
        const char* name;
        int order;
        bool drop;
        const char* expected;
    } cases[] = {
        {"Smith, John (I)", 0, false, "John Smith (I)"},
        {"Smith, John (I)", 1, false, "Smith, John (I)"},
        {"Smith, John (I)", 0, true, "John Smith"},
        {"Smith, John", 1, false, "Smith, John"},
        {"Smith,John", 0, false, "John Smith"},
        {"Matrix, The (1999)", 0, false, "The Matrix (1999)"},
        {"Matrix, The (1999)", 0, true, "The Matrix"},
        {"Madonna", 0, false, "Madonna"},
        {"Madonna", 1, false, "Madonna"},
        {"Madonna (I)", 0, false, "Madonna (I)"}, // a name without first part keeps its number
        {"Madonna (I)", 1, true, "Madonna"},
        {"Smith, J", 0, false, "J Smith"}, // one-character parts are kept
        {"X, John (II)", 1, false, "X, John (II)"},
        {"Smith, John (I) (voice)", 0, false, "John Smith (I)"},
        {"Smith , ,  John  (I)", 0, false, "John Smith (I)"},
        {"Smith, John (unclosed", 0, false, "John Smith"},
        {"Smith,", 0, false, "Smith"},
        {", John", 1, false, "John"},
        {"", 0, false, ""},
        {"M\xfcller, J\xfcrgen", 0, false, "J\xfcrgen M\xfcller"},
    };
    for (const Case& c : cases) {
        CListLine l;
        EXPECT_STREQ(l.FormatName(c.name, c.order, c.drop), c.expected)
            << c.name << " order " << c.order << " drop " << c.drop;
    }
}

TEST(ListLine, LinksReplaceOnlyBlanks)
{
    CListLine l;
    EXPECT_STREQ(l.MakeTitleLink("Matrix, The (1999)"), "https://www.zuvo.example/Title?Matrix,+The+(1999)");
    EXPECT_STREQ(l.MakeTitleLink("\"Show\" (1999) {Pilot (#1.1)}"),
                 "https://www.zuvo.example/Title?\"Show\"+(1999)+{Pilot+(#1.1)}");
    EXPECT_STREQ(l.MakeNameLink("M\xfcller, J\xfcrgen (II)"),
                 "https://www.zuvo.example/Name?M\xfcller,+J\xfcrgen+(II)");
    EXPECT_STREQ(l.MakeNameLink(""), "https://www.zuvo.example/Name?");
}

TEST(ListLine, OverlongAndHighByteLinesSurviveEveryCut)
{
    std::string longLine(5000, '\xe9');
    longLine[100] = ' ';
    longLine[101] = ' ';
    longLine += '\n';
    CListLine l;
    EXPECT_EQ(std::strlen(l.SetTrimmed(longLine.c_str())), 5000u);
    EXPECT_EQ(std::strlen(l.SetTrimRight(longLine.c_str())), 5000u);
    int position = 0;
    EXPECT_EQ(std::strlen(l.NextField(position, longLine.c_str())), 100u);
    EXPECT_EQ(std::strlen(l.NextField(position, longLine.c_str())), 4898u);
    EXPECT_EQ(std::strlen(l.FormatName(longLine.c_str(), 0, false)), 5001u); // newline is no blank
}
