// The reader over generated lists of all 48 kinds: every record the generator wrote is
// found, and CR LF files read exactly like their LF twins.

#include "listdata/ListFile.h"
#include "support/TestSupport.h"
#include "support/VectorLevels.h"
#include "tools/ListGenerator.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string WithoutNewline(const char* line)
{
    std::string s = line;
    if (!s.empty() && s.back() == '\n')
        s.pop_back();
    return s;
}

// The record key as the generator reports it, cut from a record's first line.
std::string KeyOf(int index, const char* line)
{
    const std::string s = WithoutNewline(line);
    switch (ListCatalog[index].startKind) {
    case 2:
        return s.substr(2);
    case 3:
    case 4:
    case 6:
        return s.substr(4);
    case 5:
        return s.substr(6);
    default:
        return s.substr(0, s.find('\t'));
    }
}

struct Walk {
    std::vector<std::string> events; // every line handed out, marked by how
    std::vector<std::string> keys;   // distinct record keys in order
};

void AddKey(Walk& walk, std::string key)
{
    if (walk.keys.empty() || walk.keys.back() != key)
        walk.keys.push_back(std::move(key));
}

// Reads a list as the search routines do; for Quotes (whose lines run on to the end of
// the file) an entry ends after two blank lines, as its routine ends it.
Walk WalkList(const std::string& path, int index)
{
    Walk walk;
    CListFile reader;
    EXPECT_TRUE(reader.OpenPath(index, path));
    EXPECT_TRUE(reader.FindStart());
    const int tables = index == kRatings ? 3 : 1;
    for (int table = 0; table < tables; ++table) {
        if (table > 0) {
            EXPECT_TRUE(reader.FindNextRatingsTable());
        }
        while (reader.NextRecord()) {
            walk.events.push_back("R " + std::string(reader.GetLine()));
            if (index == kRatings) {
                if (table == 2) {
                    // distribution, votes, rating, title
                    std::string s = WithoutNewline(reader.GetLine());
                    std::size_t pos = 0;
                    for (int f = 0; f < 3; ++f) {
                        pos = s.find_first_not_of(' ', pos);
                        pos = s.find("  ", pos);
                    }
                    AddKey(walk, s.substr(s.find_first_not_of(' ', pos)));
                }
            } else {
                AddKey(walk, KeyOf(index, reader.GetLine()));
            }
            int blanks = 0;
            while (reader.NextLine()) {
                walk.events.push_back("L " + std::string(reader.GetLine()));
                if (ListCatalog[index].bodyKind == 4) {
                    blanks = reader.GetLine()[0] == '\n' ? blanks + 1 : 0;
                    if (blanks == 2)
                        break;
                }
            }
        }
    }
    return walk;
}

class GeneratedLists : public ::testing::TestWithParam<bool> {};

} // namespace

TEST_P(GeneratedLists, EveryRecordIsFoundAndCrLfTwinsReadTheSame)
{
    const bool hostile = GetParam();
    testsupport::TempDir lf, crlf;
    listgen::GeneratorOptions options;
    options.seed = 3;
    options.titles = 40;
    options.people = 80;
    options.hostile = hostile;
    const listgen::ListGenerator lfGenerator(options);
    lfGenerator.WriteSet(lf.Path());
    options.crlf = true;
    listgen::ListGenerator(options).WriteSet(crlf.Path());

    for (int i = 0; i < kListCount; ++i) {
        SCOPED_TRACE(ListCatalog[i].name);
        const std::string name = DefaultListFileName(i);
        const Walk a = WalkList(lf.File(name), i);
        const Walk b = WalkList(crlf.File(name), i);
        EXPECT_EQ(a.keys, lfGenerator.RecordKeys(i));
        EXPECT_EQ(a.events, b.events);
        EXPECT_GE(a.events.size(), 5u);
        // Every vector level reads what the baseline level reads.
        for (platform::VectorLevel level : testsupport::SupportedVectorLevels()) {
            SCOPED_TRACE(platform::VectorLevelName(level));
            testsupport::ScopedVectorLevel forced(level);
            EXPECT_EQ(WalkList(crlf.File(name), i).events, a.events);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PlainAndHostile, GeneratedLists, ::testing::Values(false, true));

TEST(GeneratedLists, HostileListsHoldLongLinesHighBytesAndNoFinalNewline)
{
    testsupport::TempDir dir;
    listgen::GeneratorOptions options;
    options.hostile = true;
    options.titles = 200;
    options.people = 300;
    const listgen::ListGenerator generator(options);
    int longLines = 0;
    for (const listgen::ListFileInfo& info : generator.WriteSet(dir.Path())) {
        const std::string bytes = testsupport::ReadFile(info.path);
        EXPECT_NE(bytes.back(), '\n') << info.path;
        std::size_t start = 0, end;
        while ((end = bytes.find('\n', start)) != std::string::npos) {
            longLines += end - start >= 1023;
            start = end + 1;
        }
        bool high = false;
        for (unsigned char c : bytes)
            high = high || c >= 128;
        EXPECT_TRUE(high) << info.path;
    }
    EXPECT_GT(longLines, 20);
}
