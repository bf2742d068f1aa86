// The parsers over the lines of generated list files: every coded line of a list gets a
// code, every full date parses, every ratings line gives its four fields, and hostile lists
// (over-long lines, bytes 128-255, no final line end) go through every parser.

#if __has_include("tools/ListGenerator.h")

#include "listdata/ListCatalog.h"
#include "listdata/ListLine.h"
#include "support/TestSupport.h"
#include "tools/ListGenerator.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ListLines(const listgen::ListGenerator& generator, int listIndex,
                                   const testsupport::TempDir& dir)
{
    const listgen::ListFileInfo info = generator.WriteList(listIndex, dir.Path());
    const std::string bytes = testsupport::ReadFile(info.path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        end = end == std::string::npos ? bytes.size() : end + 1;
        lines.push_back(bytes.substr(start, end - start));
        start = end;
    }
    return lines;
}

bool IsUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

// "XX:" with `letters` capitals.
bool HasCodeShape(const std::string& line, std::size_t offset, std::size_t letters)
{
    if (line.size() < offset + letters + 1 || line[offset + letters] != ':')
        return false;
    for (std::size_t i = 0; i < letters; ++i) {
        if (!IsUpper(line[offset + i]))
            return false;
    }
    return true;
}

} // namespace

TEST(ListLineGenerated, CodedLinesGetTheirCodes)
{
    testsupport::TempDir dir;
    listgen::ListGenerator generator(listgen::GeneratorOptions{});
    using Parser = const char* (CListLine::*)(int&);
    struct ListCase {
        int list;
        Parser parse;
        std::size_t offset;
        std::size_t letters;
        int defaultCode;
        const char* titlePrefix; // the record's title line, which has no code
    } cases[] = {
        {kBusiness, &CListLine::ParseBusinessCode, 0, 2, 0, "MV:"},
        {kLaserdisc, &CListLine::ParseLaserdiscCode, 0, 2, 0, "OT:"},
        {kPlot, &CListLine::ParsePlotCode, 0, 2, 0, "MV:"},
        {kBiographies, &CListLine::ParseBiographyCode, 0, 2, -1, "--"},
        {kLiterature, &CListLine::ParseLiteratureCode, 0, 4, 0, "MOVI:"},
        {kGoofs, &CListLine::ParseGoofCode, 2, 4, 0, "--"},
    };
    for (const ListCase& c : cases) {
        int coded = 0;
        for (const std::string& line : ListLines(generator, c.list, dir)) {
            if (!HasCodeShape(line, c.offset, c.letters) || line.rfind(c.titlePrefix, 0) == 0 ||
                line.rfind("CRC:", 0) == 0)
                continue;
            CListLine l(line.c_str());
            int code = c.defaultCode;
            (l.*c.parse)(code);
            EXPECT_NE(code, c.defaultCode) << ListCatalog[c.list].name << ": " << line;
            ++coded;
        }
        EXPECT_GT(coded, 0) << ListCatalog[c.list].name;
    }

    int links = 0;
    for (const std::string& line : ListLines(generator, kMovieLinks, dir)) {
        if (line.rfind("  (", 0) != 0)
            continue;
        CListLine l(line.c_str());
        int code = 0;
        const std::string title = l.ParseMovieLinkCode(code);
        EXPECT_NE(code, 0) << line;
        // Only the relation's ')' goes: the title's own groups stay whole.
        EXPECT_EQ(std::count(title.begin(), title.end(), '('), std::count(title.begin(), title.end(), ')')) << line;
        ++links;
    }
    EXPECT_GT(links, 0);
}

TEST(ListLineGenerated, BiographyDatesParse)
{
    testsupport::TempDir dir;
    listgen::ListGenerator generator(listgen::GeneratorOptions{});
    int dates = 0;
    for (const std::string& line : ListLines(generator, kBiographies, dir)) {
        CListLine l(line.c_str());
        int code = 0;
        l.ParseBiographyCode(code);
        if (code != 4 && code != 8)
            continue;
        const std::string rest = l.GetText();
        int position = 0;
        int part = 0;
        CListLine date;
        date.NextDatePlaceField(position, part, rest.c_str());
        EXPECT_EQ(part, 1);
        int day = 0;
        int month = 0;
        int year = 0;
        EXPECT_TRUE(date.ParseDate(day, month, year)) << line;
        EXPECT_GE(month, 1);
        EXPECT_LE(month, 12);
        ++dates;
    }
    EXPECT_GT(dates, 0);
}

TEST(ListLineGenerated, RatingsLinesGiveFourFields)
{
    testsupport::TempDir dir;
    listgen::ListGenerator generator(listgen::GeneratorOptions{});
    int rows = 0;
    for (const std::string& line : ListLines(generator, kRatings, dir)) {
        if (line.rfind("      ", 0) != 0 || line.size() < 17 || line[16] != ' ')
            continue;
        CListLine field;
        int position = 0;
        std::vector<std::string> fields;
        while (position >= 0) {
            field.NextField(position, line.c_str());
            if (position >= 0)
                fields.emplace_back(field.GetText());
        }
        ASSERT_EQ(fields.size(), 4u) << line;
        CListLine distribution(fields[0].c_str());
        std::uint8_t values[10];
        distribution.ParseVoteDistribution(values);
        for (std::uint8_t v : values)
            EXPECT_LE(v, 11);
        TitleFlags flags = 0;
        char year[kTitleYearSize];
        CListLine title;
        title.ParseTitle(fields[3].c_str(), flags, year);
        EXPECT_EQ(flags & kTitleNoYear, 0u) << line;
        ++rows;
    }
    EXPECT_GT(rows, 0);
}

// Every parser over every line of every hostile list: nothing is read or written past a
// line's end (the sanitizer build checks), and every loop ends.
TEST(ListLineGenerated, HostileListsGoThroughEveryParser)
{
    testsupport::TempDir dir;
    listgen::GeneratorOptions options;
    options.hostile = true;
    options.titles = 6;
    options.people = 10;
    listgen::ListGenerator generator(options);
    using CodeParser = const char* (CListLine::*)(int&);
    const CodeParser codeParsers[] = {
        &CListLine::ParseBusinessCode,   &CListLine::ParseGoofCode,      &CListLine::ParseLaserdiscCode,
        &CListLine::ParseLiteratureCode, &CListLine::ParseMovieLinkCode, &CListLine::ParsePlotCode,
        &CListLine::ParseBiographyCode,  &CListLine::ParseBracketField,  &CListLine::ParseAngleField,
        &CListLine::ParseDashIndent,     &CListLine::ParseQuoteLine,     &CListLine::ParseSoundtrackLine};
    using FieldParser = const char* (CListLine::*)(int&, int&, const char*);
    const FieldParser fieldParsers[] = {&CListLine::NextBulletField, &CListLine::NextDatePlaceField,
                                        &CListLine::NextGuestField,  &CListLine::NextSalaryField,
                                        &CListLine::NextSpouseField, &CListLine::NextPublicationField};
    using Tokenizer = const char* (CListLine::*)(int&, const char*);
    const Tokenizer tokenizers[] = {&CListLine::NextField, &CListLine::NextTabField, &CListLine::NextColonField};
    std::uint64_t lines = 0;
    for (int list = 0; list < kListCount; ++list) {
        for (const std::string& line : ListLines(generator, list, dir)) {
            const char* s = line.c_str();
            CListLine l;
            for (CodeParser parse : codeParsers) {
                l = s;
                int code = 0;
                (l.*parse)(code);
            }
            int code = 0;
            l.ParseTechnicalCode(code, s);
            for (FieldParser parse : fieldParsers) {
                int position = 0;
                int part = 0;
                for (int guard = 0; position >= 0; ++guard) {
                    ASSERT_LT(guard, 10000) << line;
                    (l.*parse)(position, part, s);
                }
            }
            for (Tokenizer cut : tokenizers) {
                int position = 0;
                for (int guard = 0; position >= 0; ++guard) {
                    ASSERT_LT(guard, 10000) << line;
                    (l.*cut)(position, s);
                }
            }
            TitleFlags flags = 0;
            char year[kTitleYearSize];
            l.ParseTitle(s, flags, year);
            l.BareTitle(s);
            l.SeriesTitle(s);
            l.EpisodePart(s);
            l.EpisodeName(s);
            l.EpisodeNumber(s);
            l.TitleYear(s);
            l.ParseAka(s);
            l.FormatName(s, 0, false);
            l.FormatName(s, 1, false);
            l.MakeTitleLink(s);
            l = s;
            std::uint8_t votes[10];
            l.ParseVoteDistribution(votes);
            std::uint8_t order[3];
            l.ParseWriterOrder(order);
            int day = 0;
            int month = 0;
            int year4 = 0;
            l.ParseDate(day, month, year4);
            EXPECT_GE(l.SelfRole(), 0);
            ++lines;
        }
    }
    EXPECT_GT(lines, 0u);
}

#endif
