#include "listdata/ListLine.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Pair {
    int code;
    const char* prefix;
};

// The codes as stored in document files: written out here, not taken from the tables, so a
// changed table entry fails.
const std::vector<Pair> kBusiness = {{1, "BT"}, {2, "GR"}, {3, "WG"}, {4, "OW"}, {5, "RT"},
                                     {6, "AD"}, {7, "SD"}, {8, "PD"}, {9, "ST"}, {10, "CP"}};
const std::vector<Pair> kGoofs = {{2, "CONT"}, {3, "PLOT"}, {4, "FACT"},  {5, "DATE"},  {6, "FAKE"},  {7, "BOOM"},
                                  {8, "CREW"}, {9, "SYNC"}, {10, "GEOG"}, {11, "FAIR"}, {12, "MISC"}, {13, "CHAR"}};
const std::vector<Pair> kLaserdisc = {
    {1, "LN"},  {2, "LB"},  {3, "CN"},  {4, "LT"},  {5, "OT"},  {6, "PC"},  {7, "YR"},  {8, "CF"},  {9, "CA"},
    {10, "GR"}, {11, "LA"}, {12, "SU"}, {13, "LE"}, {14, "RD"}, {15, "ST"}, {16, "PR"}, {17, "VS"}, {18, "CO"},
    {19, "SE"}, {20, "DS"}, {21, "AL"}, {22, "AR"}, {23, "MF"}, {24, "PP"}, {25, "SZ"}, {26, "SI"}, {27, "DF"},
    {28, "PF"}, {29, "AS"}, {30, "CC"}, {31, "CS"}, {32, "QP"}, {33, "IN"}, {34, "SL"}, {35, "RC"}, {36, "RV"}};
const std::vector<Pair> kLiterature = {{1, "SCRP"}, {2, "NOVL"}, {3, "ADPT"}, {4, "BOOK"}, {5, "PROT"},
                                       {6, "IVIW"}, {7, "CRIT"}, {8, "ESSY"}, {9, "OTHR"}};
const std::vector<Pair> kMovieLinks = {{17, "alternate language version of"},
                                       {7, "referenced in"},
                                       {16, "spin off from"},
                                       {2, "followed by"},
                                       {11, "featured in"},
                                       {13, "edited into"},
                                       {14, "edited from"},
                                       {6, "version of"},
                                       {8, "references"},
                                       {9, "spoofed in"},
                                       {4, "remade as"},
                                       {5, "remake of"},
                                       {12, "features"},
                                       {15, "spin off"},
                                       {3, "follows"},
                                       {10, "spoofs"}};
const std::vector<Pair> kPlot = {{1, "PL"}, {2, "BY"}};
const std::vector<Pair> kTechnical = {{2, "CAM"}, {3, "MET"}, {4, "OFM"}, {5, "PFM"},
                                      {6, "RAT"}, {7, "PCS"}, {8, "LAB"}};
const std::vector<Pair> kBiography = {{1, "NM"},  {2, "RN"},  {3, "NK"},  {4, "DB"},  {8, "DD"},  {12, "HT"},
                                      {13, "BG"}, {14, "BY"}, {15, "BO"}, {17, "BT"}, {19, "PI"}, {21, "OW"},
                                      {23, "GA"}, {29, "TR"}, {31, "QU"}, {33, "SA"}, {36, "WN"}, {38, "SP"},
                                      {41, "TM"}, {43, "IT"}, {52, "AT"}, {61, "PT"}, {70, "CV"}, {79, "AG"}};

using Parser = const char* (CListLine::*)(int&);

struct PrefixTable {
    const char* name;
    const std::vector<Pair>* pairs;
    const CodeTableEntry* table;
    int count;
    Parser parse;
    const char* before; // what stands in front of the prefix
    const char* after;  // what follows it
    const char* closing;
};

const PrefixTable kTables[] = {
    {"business", &kBusiness, BusinessCodes, kBusinessCodeCount, &CListLine::ParseBusinessCode, "", ": ", ""},
    {"goofs", &kGoofs, GoofCodes, kGoofCodeCount, &CListLine::ParseGoofCode, "- ", ": ", ""},
    {"laserdisc", &kLaserdisc, LaserdiscCodes, kLaserdiscCodeCount, &CListLine::ParseLaserdiscCode, "", ": ", ""},
    {"literature", &kLiterature, LiteratureCodes, kLiteratureCodeCount, &CListLine::ParseLiteratureCode, "", ": ", ""},
    {"movie links", &kMovieLinks, MovieLinkCodes, kMovieLinkCodeCount, &CListLine::ParseMovieLinkCode, "  (", " ", ")"},
    {"plot", &kPlot, PlotCodes, kPlotCodeCount, &CListLine::ParsePlotCode, "", ": ", ""},
    {"biography", &kBiography, BiographyCodes, kBiographyCodeCount, &CListLine::ParseBiographyCode, "", ": ", ""},
};

std::string Text(const CListLine& line)
{
    return line.GetText() != nullptr ? line.GetText() : "<null>";
}

} // namespace

TEST(ListLineCodes, TablesHoldTheStoredCodes)
{
    for (const PrefixTable& t : kTables) {
        ASSERT_EQ(static_cast<int>(t.pairs->size()), t.count) << t.name;
        for (int i = 0; i < t.count; ++i) {
            EXPECT_EQ(t.table[i].code, (*t.pairs)[i].code) << t.name << " " << i;
            EXPECT_STREQ(t.table[i].prefix, (*t.pairs)[i].prefix) << t.name << " " << i;
        }
    }
    ASSERT_EQ(static_cast<int>(kTechnical.size()), kTechnicalCodeCount);
    for (int i = 0; i < kTechnicalCodeCount; ++i) {
        EXPECT_EQ(TechnicalCodes[i].code, kTechnical[i].code);
        EXPECT_STREQ(TechnicalCodes[i].prefix, kTechnical[i].prefix);
    }
}

TEST(ListLineCodes, EveryPrefixGivesItsCodeAndTheTextBehindIt)
{
    for (const PrefixTable& t : kTables) {
        for (const Pair& pair : *t.pairs) {
            const std::string line =
                std::string(t.before) + pair.prefix + t.after + "Some text, 12" + t.closing + " \n";
            CListLine l(line.c_str());
            int code = -99;
            EXPECT_STREQ((l.*t.parse)(code), "Some text, 12") << t.name << ": " << line;
            EXPECT_EQ(code, pair.code) << t.name << ": " << line;

            // The prefix alone: the text is empty.
            const std::string bare = std::string(t.before) + pair.prefix;
            l = bare.c_str();
            code = -99;
            EXPECT_STREQ((l.*t.parse)(code), "") << t.name << ": " << bare;
            EXPECT_EQ(code, pair.code) << t.name << ": " << bare;
        }
    }
    for (const Pair& pair : kTechnical) {
        const std::string field = std::string(pair.prefix) + ":Panavision\tnote";
        CListLine l;
        int code = -99;
        EXPECT_STREQ(l.ParseTechnicalCode(code, field.c_str()), "Panavision") << field;
        EXPECT_EQ(code, pair.code) << field;
    }
}

TEST(ListLineCodes, UnknownPrefixesGiveTheDefaultCode)
{
    struct Case {
        Parser parse;
        const char* line;
        int code;
        const char* text;
    } cases[] = {
        {&CListLine::ParseBusinessCode, "XX: USD 5\n", 0, "XX: USD 5"},
        {&CListLine::ParseBusinessCode, "bt: lower case\n", 0, "bt: lower case"},
        {&CListLine::ParseBiographyCode, "ZZ: text", -1, "ZZ: text"},
        {&CListLine::ParseGoofCode, "  continued line\n", 0, "continued line"},
        {&CListLine::ParseGoofCode, "x", 0, "x"},
        {&CListLine::ParseGoofCode, "- ", 0, ""},
        {&CListLine::ParseMovieLinkCode, "  (unknown relation Title (1999))", 0, "unknown relation Title (1999)"},
        {&CListLine::ParseMovieLinkCode, "ab", 0, "ab"},
        {&CListLine::ParsePlotCode, "\n", 0, "\n"}, // the line's first character stays
        {&CListLine::ParseLaserdiscCode, "", 0, ""},
        {&CListLine::ParseBusinessCode, "B", 0, "B"},
    };
    for (const Case& c : cases) {
        CListLine l(c.line);
        int code = -99;
        EXPECT_EQ(Text(CListLine((l.*c.parse)(code))), c.text) << c.line;
        EXPECT_EQ(code, c.code) << c.line;
    }
    // No text at all: default code, still no text.
    CListLine none;
    int code = -99;
    EXPECT_EQ(none.ParseBiographyCode(code), nullptr);
    EXPECT_EQ(code, -1);
    EXPECT_EQ(none.ParseGoofCode(code), nullptr);
    EXPECT_EQ(code, 0);
}

TEST(ListLineCodes, PartExamples)
{
    CListLine l("BT: USD 1,000,000\n");
    int code = 0;
    EXPECT_STREQ(l.ParseBusinessCode(code), "USD 1,000,000");
    EXPECT_EQ(code, 1);

    l = "- CONT: The glass moves.";
    EXPECT_STREQ(l.ParseGoofCode(code), "The glass moves.");
    EXPECT_EQ(code, 2);

    l = "  (spin off Some Title (1999))\n";
    EXPECT_STREQ(l.ParseMovieLinkCode(code), "Some Title (1999)");
    EXPECT_EQ(code, 15);
    l = "  (spin off from Some Title (1999))\n";
    EXPECT_STREQ(l.ParseMovieLinkCode(code), "Some Title (1999)");
    EXPECT_EQ(code, 16);

    l = "SCRP:  text";
    EXPECT_STREQ(l.ParseLiteratureCode(code), "text");
    EXPECT_EQ(code, 0);
    l = "   indented continuation";
    code = 5;
    EXPECT_STREQ(l.ParseLiteratureCode(code), "indented continuation");
    EXPECT_EQ(code, 0);

    l = "QQ: unknown";
    EXPECT_STREQ(l.ParseBiographyCode(code), "QQ: unknown");
    EXPECT_EQ(code, -1);

    EXPECT_STREQ(l.ParseTechnicalCode(code, "CAM:Panavision\tcamera note"), "Panavision");
    EXPECT_EQ(code, 2);
    EXPECT_STREQ(l.ParseTechnicalCode(code, "Something else\tx"), "Something else");
    EXPECT_EQ(code, 0);
    EXPECT_STREQ(l.ParseTechnicalCode(code, "CAM"), "");
    EXPECT_EQ(code, 2);
    l = "LAB:Own text\n";
    EXPECT_STREQ(l.ParseTechnicalCode(code, l.GetText()), "Own text");
    EXPECT_EQ(code, 8);
}

TEST(ListLineCodes, CodeParsersWorkInPlace)
{
    CListLine l("GR: USD 10 (USA)  \t\n");
    const char* buffer = l.GetText();
    int code = 0;
    EXPECT_EQ(l.ParseBusinessCode(code), buffer);
    EXPECT_STREQ(buffer, "USD 10 (USA)");
}

TEST(ListLineCodes, LineShapes)
{
    using Shape = const char* (CListLine::*)(int&);
    struct Case {
        Shape parse;
        const char* line;
        int code;
        const char* text;
    } cases[] = {
        {&CListLine::ParseBracketField, "[Man at Bar]", 3, "Man at Bar"},
        {&CListLine::ParseBracketField, "[Nested]]", 3, "Nested"},
        {&CListLine::ParseBracketField, "<12>", 4, "12"},
        {&CListLine::ParseBracketField, "(uncredited)  ", 2, "(uncredited)"},
        {&CListLine::ParseBracketField, "[", 3, ""},
        {&CListLine::ParseBracketField, "]", 2, "]"},
        {&CListLine::ParseAngleField, "<1,1,2>", 3, "1,1,2"},
        {&CListLine::ParseAngleField, "(novel) ", 2, "(novel)"},
        {&CListLine::ParseAngleField, "<", 3, ""},
        {&CListLine::ParseDashIndent, "- First item\n", 1, "First item"},
        {&CListLine::ParseDashIndent, "  - Nested item\n", 2, "Nested item"},
        {&CListLine::ParseDashIndent, "  continued\n", 0, "continued"},
        {&CListLine::ParseDashIndent, "--\n", 1, ""},
        {&CListLine::ParseDashIndent, "\n", 0, ""},
        {&CListLine::ParseQuoteLine, "Bob: Hello.\n", 2, "Bob: Hello."},
        {&CListLine::ParseQuoteLine, "  on and on\n", 0, "on and on"},
        {&CListLine::ParseQuoteLine, " ", 0, ""},
        {&CListLine::ParseSoundtrackLine, "- \"Song\"\n", 2, "\"Song\""},
        {&CListLine::ParseSoundtrackLine, "  Written by X\n", 1, "Written by X"},
        {&CListLine::ParseSoundtrackLine, "    Deeper\n", 0, "Deeper"},
        {&CListLine::ParseSoundtrackLine, " ", 1, ""}, // no third character: not a blank
        {&CListLine::ParseSoundtrackLine, "  ", 1, ""},
        {&CListLine::ParseSoundtrackLine, "-", 2, ""},
        {&CListLine::ParseSoundtrackLine, "", 2, ""},
    };
    for (const Case& c : cases) {
        CListLine l(c.line);
        int code = -99;
        EXPECT_EQ(Text(CListLine((l.*c.parse)(code))), c.text) << c.line;
        EXPECT_EQ(code, c.code) << c.line;
    }
}

TEST(ListLineCodes, VoteDistribution)
{
    struct Case {
        const char* text;
        std::vector<int> values;
    } cases[] = {
        {"0000.0121*", {0, 0, 0, 0, 11, 0, 1, 2, 1, 10}},
        {"9876543210extra", {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
        {"12", {1, 2, 11, 11, 11, 11, 11, 11, 11, 11}}, // missing characters give 11
        {"", {11, 11, 11, 11, 11, 11, 11, 11, 11, 11}},
    };
    for (const Case& c : cases) {
        CListLine l(c.text);
        std::uint8_t values[10];
        l.ParseVoteDistribution(values);
        EXPECT_EQ(std::vector<int>(values, values + 10), c.values) << c.text;
    }
    std::uint8_t values[10];
    CListLine().ParseVoteDistribution(values);
    EXPECT_EQ(values[0], 11);
}

TEST(ListLineCodes, WriterOrder)
{
    struct Case {
        const char* text;
        std::vector<int> values;
    } cases[] = {
        {"1,1,2", {1, 1, 2}}, {"3,9,0", {3, 9, 0}}, {"1,2", {1, 2, 0}}, // a missing digit gives 0
        {"7", {7, 0, 0}},     {"", {0, 0, 0}},
    };
    for (const Case& c : cases) {
        CListLine l(c.text);
        std::uint8_t values[3] = {99, 99, 99};
        l.ParseWriterOrder(values);
        EXPECT_EQ(std::vector<int>(values, values + 3), c.values) << c.text;
    }
    std::uint8_t values[3] = {99, 99, 99};
    CListLine().ParseWriterOrder(values);
    EXPECT_EQ(std::vector<int>(values, values + 3), (std::vector<int>{0, 0, 0}));
}

TEST(ListLineCodes, ParseDateTakesOnlyFullDates)
{
    struct Case {
        const char* text;
        bool ok;
        int day, month, year;
    } cases[] = {
        {"31 December 1999", true, 31, 12, 1999},
        {"5 May 1999", true, 5, 5, 1999},
        {"07 Mayday 2001", true, 7, 5, 2001}, // only the month's beginning is compared
        {"1 Mai 1999", false, 0, 0, 0},
        {"123 May 1999", false, 0, 0, 0},
        {"May 1999", false, 0, 0, 0},
        {"1999", false, 0, 0, 0},
        {"1 may 1999", false, 0, 0, 0},
        {"1 May 19999", false, 0, 0, 0},
        {"1 May 199x", false, 0, 0, 0},
        {"1 May 1999\n", false, 0, 0, 0},
        {"1 May", false, 0, 0, 0},
        {"a1 May 1999", false, 0, 0, 0},
        {" May 1999", false, 0, 0, 0},
        {"", false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        CListLine l(c.text);
        int day = -1, month = -1, year = -1;
        EXPECT_EQ(l.ParseDate(day, month, year), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(day, c.day);
            EXPECT_EQ(month, c.month);
            EXPECT_EQ(year, c.year);
        }
    }
    int day = 0, month = 0, year = 0;
    EXPECT_FALSE(CListLine().ParseDate(day, month, year));
}

namespace {

using FieldParser = const char* (CListLine::*)(int&, int&, const char*);

struct Part {
    int part;
    std::string text;
    bool operator==(const Part& other) const { return part == other.part && text == other.text; }
};

std::ostream& operator<<(std::ostream& out, const Part& p)
{
    return out << "{" << p.part << ", \"" << p.text << "\"}";
}

std::vector<Part> Parts(FieldParser parse, const char* line)
{
    CListLine l;
    std::vector<Part> out;
    int position = 0;
    for (int guard = 0; position >= 0 && guard < 50; ++guard) {
        int part = -99;
        const char* text = (l.*parse)(position, part, line);
        out.push_back({part, text});
        EXPECT_EQ(l.GetCursor(), position);
    }
    EXPECT_LT(position, 0) << "endless loop over " << line;
    return out;
}

} // namespace

TEST(ListLineCodes, BiographyFields)
{
    struct Case {
        const char* name;
        FieldParser parse;
        const char* line;
        std::vector<Part> parts;
    } cases[] = {
        {"bullet item", &CListLine::NextBulletField, "* Trivia item.\n", {{0, "Trivia item."}}},
        {"bullet continuation", &CListLine::NextBulletField, "goes on here ", {{1, "goes on here"}}},
        {"death",
         &CListLine::NextDatePlaceField,
         "5 May 1999, Los Angeles, California, USA (heart attack)",
         {{1, "5 May 1999"}, {2, "Los Angeles, California, USA"}, {3, "(heart attack)"}}},
        {"date only", &CListLine::NextDatePlaceField, "5 May 1999", {{1, "5 May 1999"}}},
        {"date and place", &CListLine::NextDatePlaceField, "1950, Oslo, Norway", {{1, "1950"}, {2, "Oslo, Norway"}}},
        {"cause with inner group",
         &CListLine::NextDatePlaceField,
         "1 May 1990, Rome (complications (stroke))",
         {{1, "1 May 1990"}, {2, "Rome"}, {3, "(complications (stroke))"}}},
        {"place glued to cause",
         &CListLine::NextDatePlaceField,
         "1 May 1990, Rome(x)",
         {{1, "1 May 1990"}, {2, "Rome"}, {3, "(x)"}}},
        {"trailing comma", &CListLine::NextDatePlaceField, "1 May 1990,", {{1, "1 May 1990"}}},
        {"guest role and episode",
         &CListLine::NextGuestField,
         "* \"Show\" (1999) (qv), as Himself (episode 2.5)",
         {{1, "\"Show\" (1999) (qv)"}, {2, "Himself"}, {4, "2.5)"}}},
        {"guest episode title",
         &CListLine::NextGuestField,
         "\"Show\" (1999) (qv) (episode _The Pilot_)",
         {{1, "\"Show\" (1999) (qv)"}, {5, "The Pilot"}}},
        {"guest unclosed title",
         &CListLine::NextGuestField,
         "\"Show\" (1999) (qv) _The Pilot",
         {{1, "\"Show\" (1999) (qv)"}, {3, "The Pilot"}}},
        {"guest group and rest",
         &CListLine::NextGuestField,
         "\"Show\" (1999) (qv) (1 episode) and more",
         {{1, "\"Show\" (1999) (qv)"}, {3, "(1 episode)"}, {3, "and more"}}},
        {"guest without qv", &CListLine::NextGuestField, "  Some talk show", {{0, "Some talk show"}}},
        {"salary",
         &CListLine::NextSalaryField,
         "* Film (1999) (qv) -> $1,000,000",
         {{1, "Film (1999) (qv)"}, {2, "$1,000,000"}}},
        {"salary other",
         &CListLine::NextSalaryField,
         "Film (1999) (qv) plus points",
         {{1, "Film (1999) (qv)"}, {0, "plus points"}}},
        {"salary without qv", &CListLine::NextSalaryField, "$5", {{0, "$5"}}},
        {"spouse without qv",
         &CListLine::NextSpouseField,
         "'Jane Doe' (1 May 1990 - 2 June 1995) (divorced)",
         {{1, "Jane Doe"}, {2, "(1 May 1990 - 2 June 1995)"}, {2, "(divorced)"}}},
        {"spouse with qv",
         &CListLine::NextSpouseField,
         "'Doe, Jane' (qv) (1990 - present); 2 children",
         {{1, "'Doe, Jane' (qv)"}, {2, "(1990 - present)"}, {2, "; 2 children"}}},
        {"spouse unclosed", &CListLine::NextSpouseField, "'Jane Doe (1990)", {{0, "'Jane Doe (1990)"}}},
        {"spouse plain", &CListLine::NextSpouseField, "Jane Doe (1990)", {{0, "Jane Doe (1990)"}}},
        {"spouse unclosed group", &CListLine::NextSpouseField, "'Jane' (1990", {{1, "Jane"}, {2, "(1990"}}},
        {"publication",
         &CListLine::NextPublicationField,
         "\"Zuvo Weekly\" (USA), 5 May 1999, Vol. 3, Iss. 12, pg. 40-42, by: A. Writer, \"The Article\"",
         {{1, "Zuvo Weekly"},
          {2, "USA"},
          {3, "5 May 1999"},
          {4, "3"},
          {5, "12"},
          {6, "40-42"},
          {7, "A. Writer"},
          {8, "\"The Article\""}}},
        {"publication unclosed", &CListLine::NextPublicationField, "\"Zuvo Weekly, 1999", {{0, "\"Zuvo Weekly, 1999"}}},
        {"publication plain", &CListLine::NextPublicationField, "Zuvo Weekly, 1999", {{0, "Zuvo Weekly, 1999"}}},
        {"publication trailing comma", &CListLine::NextPublicationField, "\"Mag\", 1999,", {{1, "Mag"}, {3, "1999"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Parts(c.parse, c.line), c.parts) << c.name;
}

TEST(ListLineCodes, BiographyFieldsRefuseHostileInput)
{
    const FieldParser parsers[] = {&CListLine::NextBulletField, &CListLine::NextDatePlaceField,
                                   &CListLine::NextGuestField,  &CListLine::NextSalaryField,
                                   &CListLine::NextSpouseField, &CListLine::NextPublicationField};
    const char* lines[] = {"",    "*",     "'",    "\"",     "(",    "_",       "(episode ", "(episode _", "as ",
                           "-> ", "Vol. ", ",,,,", "x (qv)", "a, (", "'a' (qv", "\"a\",(",   "  ,  "};
    for (FieldParser parse : parsers) {
        for (const char* line : lines)
            Parts(parse, line); // ends, and reads nothing past the line (sanitizer build)
        CListLine l;
        for (int start : {-5, 1000}) {
            int position = start;
            int part = -99;
            EXPECT_STREQ((l.*parse)(position, part, "abc"), "");
            EXPECT_EQ(position, -1);
        }
        int position = 0;
        int part = -99;
        EXPECT_STREQ((l.*parse)(position, part, nullptr), "");
        EXPECT_EQ(position, -1);
    }
}

TEST(ListLineCodes, BiographyFieldsMayCutTheirOwnText)
{
    CListLine l("5 May 1999, Oslo, Norway (old age)");
    int position = 0;
    int part = 0;
    std::vector<Part> parts;
    // Each call replaces the line it reads, so the caller keeps a copy of the line.
    const std::string line = l.GetText();
    l.NextDatePlaceField(position, part, l.GetText());
    parts.push_back({part, Text(l)});
    while (position >= 0) {
        l.NextDatePlaceField(position, part, line.c_str());
        parts.push_back({part, Text(l)});
    }
    EXPECT_EQ(parts, (std::vector<Part>{{1, "5 May 1999"}, {2, "Oslo, Norway"}, {3, "(old age)"}}));
}
