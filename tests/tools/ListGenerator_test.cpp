#include "listdata/ListCatalog.h"
#include "support/TestSupport.h"
#include "tools/ListGenerator.h"
#include "tools/ListSink.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using listgen::GeneratorOptions;
using listgen::ListGenerator;

namespace {

// The checker's view of a list file: every line after the first, split at a line feed
// or a NUL, folded until a line of 8192 or more characters or a last line without a
// line end.
std::uint32_t CheckerChecksum(const std::string& bytes)
{
    std::size_t pos = bytes.find('\n');
    if (pos == std::string::npos)
        return 0;
    ++pos;
    std::uint32_t crc = 0xFFFFFFFFu;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\0')
            ++end;
        if (end == bytes.size() || end - pos >= 8192)
            break;
        crc = listgen::ChecksumAddLine(crc, std::string_view(bytes).substr(pos, end - pos));
        pos = end + 1;
    }
    return crc;
}

std::string StoredChecksumText(const std::string& bytes)
{
    return bytes.substr(0, 15);
}

std::string ChecksumText(std::uint32_t crc)
{
    char text[16];
    std::snprintf(text, sizeof text, "CRC: 0x%08X", static_cast<unsigned>(crc));
    return text;
}

} // namespace

TEST(ListChecksum, MatchesTheCheckersExamples)
{
    EXPECT_EQ(listgen::ChecksumAddLine(0xFFFFFFFFu, "abc"), 0xA48B3CD7u);
    // A file with nothing after its first line keeps the start value.
    EXPECT_EQ(CheckerChecksum("CRC: 0xFFFFFFFF\n"), 0xFFFFFFFFu);
    EXPECT_EQ(CheckerChecksum("CRC: 0xA48B3CD7  Date: Fri Nov 30 2001\nabc\n"), 0xA48B3CD7u);
    // A last line without its line feed is not covered.
    EXPECT_EQ(CheckerChecksum("CRC\nabc\nde"), 0xA48B3CD7u);
    // A carriage return is part of its line.
    EXPECT_NE(CheckerChecksum("CRC\nabc\r\n"), 0xA48B3CD7u);
}

TEST(ListChecksum, SinkAgreesWithTheCheckerOnAwkwardText)
{
    const std::string cases[] = {
        "",
        "abc\n",
        "abc\nde",
        "a\0b\nc\n",
        std::string("x\0y\n", 4),
        std::string(8191, 'x') + "\nafter\n",
        std::string(8192, 'x') + "\nafter\n",
        "one\r\ntwo\n\n\n",
    };
    for (const std::string& body : cases) {
        for (bool crlf : {false, true}) {
            listgen::ListSink sink(nullptr, crlf);
            // Written in pieces, so a line end may fall between two writes.
            for (std::size_t i = 0; i < body.size(); i += 3)
                sink.Write(std::string_view(body).substr(i, 3));
            std::string file = "CRC\n";
            for (char c : body) {
                if (crlf && c == '\n')
                    file += '\r';
                file += c;
            }
            EXPECT_EQ(sink.Checksum(), CheckerChecksum(file)) << body.size() << (crlf ? " crlf" : " lf");
            EXPECT_EQ(sink.Bytes(), file.size() - 4);
        }
    }
}

TEST(ListGenerator, EveryListCarriesAChecksumLineThatVerifies)
{
    testsupport::TempDir dir;
    for (bool hostile : {false, true}) {
        for (bool crlf : {false, true}) {
            GeneratorOptions options;
            options.seed = 7;
            options.hostile = hostile;
            options.crlf = crlf;
            options.date = "Fri Nov 30 2001";
            const ListGenerator generator(options);
            for (const listgen::ListFileInfo& info : generator.WriteSet(dir.Path())) {
                const std::string bytes = testsupport::ReadFile(info.path);
                SCOPED_TRACE(info.path + (hostile ? " hostile" : "") + (crlf ? " crlf" : ""));
                ASSERT_EQ(bytes.size(), info.bytes);
                EXPECT_EQ(StoredChecksumText(bytes), ChecksumText(CheckerChecksum(bytes)));
                EXPECT_EQ(bytes.substr(15, 24), crlf ? "  Date: Fri Nov 30 2001\r" : "  Date: Fri Nov 30 2001\n");
                EXPECT_EQ(bytes.back() == '\n', !hostile);
                EXPECT_NE(bytes.find(std::string("\n") + ListCatalog[info.listIndex].header + (crlf ? "\r\n" : "\n")),
                          std::string::npos);
            }
        }
    }
}

TEST(ListGenerator, SameOptionsGiveTheSameBytesAndAnotherSeedOthers)
{
    testsupport::TempDir dir;
    GeneratorOptions options;
    options.seed = 42;
    options.hostile = true;
    const std::vector<int> lists = {kActors, kBiographies, kRatings, kTrivia, kMovies};
    ListGenerator(options).WriteSet(dir.Path() + "", lists);
    std::vector<std::string> first;
    for (int i : lists)
        first.push_back(testsupport::ReadFile(dir.File(DefaultListFileName(i))));
    ListGenerator(options).WriteSet(dir.Path(), lists);
    for (std::size_t k = 0; k < lists.size(); ++k)
        EXPECT_EQ(testsupport::ReadFile(dir.File(DefaultListFileName(lists[k]))), first[k]) << lists[k];
    options.seed = 43;
    ListGenerator(options).WriteSet(dir.Path(), lists);
    for (std::size_t k = 0; k < lists.size(); ++k)
        EXPECT_NE(testsupport::ReadFile(dir.File(DefaultListFileName(lists[k]))), first[k]) << lists[k];
}

TEST(ListGenerator, PersonListsAreInCaseInsensitiveNameOrder)
{
    GeneratorOptions options;
    options.people = 400;
    const ListGenerator generator(options);
    auto folded = [](std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    for (int i = 0; i < kListCount; ++i) {
        if (!listgen::IsPersonKeyed(i))
            continue;
        const std::vector<std::string> keys = generator.RecordKeys(i);
        ASSERT_GT(keys.size(), 10u) << ListCatalog[i].name;
        for (std::size_t k = 1; k < keys.size(); ++k)
            EXPECT_LT(folded(keys[k - 1]), folded(keys[k])) << ListCatalog[i].name;
    }
}

TEST(ListGenerator, TitleListsAreInTitleOrderAndShareTheFeaturedTitles)
{
    // With a byte target the size is reached among the series, which sort first; the
    // featured film follows them all the same.
    GeneratorOptions sized;
    sized.targetBytes = 32 << 10;
    for (const GeneratorOptions& options : {GeneratorOptions{}, sized}) {
        const ListGenerator generator(options);
        for (int i = 0; i < kListCount; ++i) {
            if (listgen::IsPersonKeyed(i))
                continue;
            const std::vector<std::string> keys = generator.RecordKeys(i);
            SCOPED_TRACE(std::string(ListCatalog[i].name) + (options.targetBytes ? " with a byte target" : ""));
            EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
            EXPECT_NE(std::find(keys.begin(), keys.end(), generator.FeaturedFilm()), keys.end());
            EXPECT_NE(std::find(keys.begin(), keys.end(), generator.FeaturedSeries()), keys.end());
        }
    }
}

TEST(ListGenerator, FeaturedPeopleStandInEveryListThatCanHoldThem)
{
    const ListGenerator generator(GeneratorOptions{});
    for (int i = 0; i < kListCount; ++i) {
        if (!listgen::IsPersonKeyed(i))
            continue;
        const std::vector<std::string> keys = generator.RecordKeys(i);
        const bool actor = std::find(keys.begin(), keys.end(), generator.FeaturedActor()) != keys.end();
        const bool actress = std::find(keys.begin(), keys.end(), generator.FeaturedActress()) != keys.end();
        EXPECT_EQ(actor, i != kActresses) << ListCatalog[i].name;
        EXPECT_EQ(actress, i != kActors) << ListCatalog[i].name;
    }
}

TEST(ListGenerator, ByteTargetScalesAList)
{
    testsupport::TempDir dir;
    GeneratorOptions options;
    options.targetBytes = 2 << 20;
    const ListGenerator generator(options);
    // The Ratings list writes its tables itself, the others record by record.
    for (int list : {kActors, kRatings}) {
        const listgen::ListFileInfo info = generator.WriteList(list, dir.Path());
        EXPECT_GE(info.bytes, options.targetBytes) << ListCatalog[list].name;
        EXPECT_LT(info.bytes, options.targetBytes + 64 * 1024) << ListCatalog[list].name;
        const std::string bytes = testsupport::ReadFile(info.path);
        EXPECT_EQ(StoredChecksumText(bytes), ChecksumText(CheckerChecksum(bytes)));
        if (list == kRatings) { // the featured film heads the top table
            EXPECT_LT(bytes.find(generator.FeaturedFilm()), bytes.find("BOTTOM 10 MOVIES"));
        }
    }
}

// The prolific featured actor is credited on many more titles, most in the Actors list;
// every other record stays as the default writes it.
TEST(ListGenerator, ProlificFeaturedActor)
{
    testsupport::TempDir dir;
    GeneratorOptions usualOptions;
    usualOptions.titles = 1000;
    GeneratorOptions prolific = usualOptions;
    prolific.prolificTitles = 300;
    for (const auto& [list, atLeast] : {std::pair{kActors, 300}, std::pair{kDirectors, 30}}) {
        const std::string usual = testsupport::ReadFile(ListGenerator(usualOptions).WriteList(list, dir.Path()).path);
        const ListGenerator generator(prolific);
        const std::string bytes = testsupport::ReadFile(generator.WriteList(list, dir.Path()).path);
        const std::size_t start = bytes.find("\n" + generator.FeaturedActor() + "\t");
        const std::size_t end = bytes.find("\n\n", start);
        ASSERT_NE(start, std::string::npos) << ListCatalog[list].name;
        const auto lines = std::count(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                                      bytes.begin() + static_cast<std::ptrdiff_t>(end), '\n');
        EXPECT_GE(lines, atLeast) << ListCatalog[list].name;
        EXPECT_EQ(bytes.substr(end), usual.substr(usual.find("\n\n", usual.find("\n" + generator.FeaturedActor() + "\t"))))
            << ListCatalog[list].name;
    }
}
