// Walks that pass over records must write exactly what the plain walks write: every list
// routine of the Movie/TV search is run both ways over hostile hand-mixed lists (read in
// chunks of random sizes, so that lines and titles straddle the reader's buffer) and over
// generated lists, and the records, results and reader positions compared.

#include "RoutineFixture.h"

#include "listdata/ByteScan.h"
#include "tools/ListGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace searchtest;
using testsupport::ReadFile;
using testsupport::TempDir;

namespace {

// Hands out its bytes in reads of random sizes.
class ChunkSource : public platform::ByteSource {
public:
    ChunkSource(std::string bytes, unsigned seed, std::size_t maxChunk)
        : m_bytes(std::move(bytes)), m_rng(seed), m_maxChunk(maxChunk)
    {
    }
    long Read(char* buffer, std::size_t count, int*) override
    {
        std::size_t n = std::uniform_int_distribution<std::size_t>(1, m_maxChunk)(m_rng);
        n = std::min({n, count, m_bytes.size() - m_at});
        std::memcpy(buffer, m_bytes.data() + m_at, n);
        m_at += n;
        return static_cast<long>(n);
    }

private:
    std::string m_bytes;
    std::size_t m_at = 0;
    std::mt19937 m_rng;
    std::size_t m_maxChunk;
};

struct Outcome {
    bool result = false;
    std::vector<Rec> records;
    std::uint64_t consumed = 0;
};

Outcome RunRoutine(int list, const std::string& bytes, const std::string& title, bool passing, unsigned seed,
                   std::size_t maxChunk, bool person = false)
{
    CListFile file;
    file.AllowPassing(passing);
    EXPECT_TRUE(file.OpenSource(list, std::make_unique<ChunkSource>(bytes, seed, maxChunk), "mixed"));
    Outcome outcome;
    if (!file.FindStart())
        return outcome;
    RecordingTarget target;
    outcome.result = (person ? CastListRoutine(list) : MovieListRoutine(list))(list, file, title, target);
    outcome.records = target.Records();
    outcome.consumed = file.Consumed();
    return outcome;
}

// The lists whose Movie/TV routines walk records, one or more per start and body kind.
const int kWalkedLists[] = {
    kActors,       kDirectors,   kWriters,    kCompleteCast, kMovies, kAkaTitles, kAlternateVersions,
    kBusiness,     kLaserdisc,   kLiterature, kGoofs,        kQuotes, kPlot,      kMovieLinks,
    kCrazyCredits, kSoundtracks, kTrivia,     kGenres};

std::string HeaderBlock(int list)
{
    const ListCatalogEntry& entry = ListCatalog[list];
    std::string text = "preamble\n";
    text += entry.header;
    text += "\n=========\n";
    if (entry.kind == 1)
        text += "\nName\t\t\tTitles\n----\t\t\t------\n";
    return text;
}

// A list body mixing the lines that decide record bounds with lines that hold the title
// at different places, including over-long lines with the title across the 1023
// boundary, lines of 1023 characters, CR LF and lone CR, NULs and bytes 128-255.
std::string MixedBody(std::mt19937& rng, const std::string& title, int lines, bool withEmptyLines = true)
{
    const std::string other = "\"Other Show\" (1999)";
    const std::string high = "Caf\xe9 \xff\x80";
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    auto someTitle = [&]() -> std::string {
        switch (pick(6)) {
        case 0:
            return title;
        case 1:
            return title + " {Episode " + std::to_string(pick(5)) + "}";
        case 2:
            return other;
        case 3:
            return "X" + title;
        case 4:
            return title + " 2";
        default:
            return high;
        }
    };
    std::string body;
    const bool crlf = pick(2) == 0;
    for (int i = 0; i < lines; ++i) {
        std::string line;
        int shape = pick(22);
        // Without empty lines (nor the ones that read as empty), kind 0 lists run long.
        while (!withEmptyLines && (shape <= 2 || shape == 16 || shape == 17))
            shape = pick(22);
        switch (shape) {
        case 0:
        case 1:
        case 2:
            line = ""; // record end
            break;
        case 3:
            line = pick(2) ? " \t" : "\t";
            break;
        case 4:
            line = pick(2) ? "---" : "-----------------";
            break;
        case 5:
        case 6:
            line = "Name, " + std::string(1, static_cast<char>('A' + pick(26))) + "\t" + someTitle() + "  [Role " +
                   std::to_string(pick(3)) + "]  <" + std::to_string(pick(9)) + ">";
            break;
        case 7:
        case 8:
            line = "\t\t\t" + someTitle() + "  (" + std::to_string(pick(3)) + ")  <1,2,1>";
            break;
        case 9:
            line = someTitle() + "\t\t\t" + std::to_string(1900 + pick(100));
            break;
        case 10:
            line = "# " + someTitle();
            break;
        case 11:
            line = std::string(pick(2) ? "MV: " : "OT: ") + someTitle();
            break;
        case 12:
            line = "MOVI: " + someTitle();
            break;
        case 13:
            line = "NM: " + someTitle();
            break;
        case 14: {
            // The title near the 1023 boundary of an over-long line.
            const int at = 1023 - static_cast<int>(title.size()) + pick(static_cast<int>(title.size()) * 2 + 2) - 1;
            line = std::string(pick(2) ? "Long, Name\t" : "\t\t\t");
            line += std::string(static_cast<std::size_t>(std::max(0, at - static_cast<int>(line.size()))), 'y');
            line += someTitle() + std::string(static_cast<std::size_t>(pick(1200)), 'z');
            break;
        }
        case 15:
            line = std::string(1023, pick(2) ? 'w' : '\t'); // the newline alone is the next piece
            break;
        case 16:
            line = std::string(1, '\0') + someTitle();
            break;
        case 17:
            line = "\r" + someTitle();
            break;
        case 18:
            line = "- " + someTitle() + " goof";
            break;
        case 19:
            line = "  " + someTitle();
            break;
        case 20:
            line = std::string(pick(2) ? "\t" : "") + "(follows " + someTitle() + ")";
            break;
        default:
            line = someTitle() + "\t" + (pick(2) ? "Verified as complete" : "Complete");
            break;
        }
        body += line;
        body += crlf ? "\r\n" : "\n";
    }
    if (pick(3) == 0 && !body.empty()) // no line end after the last line
        body.resize(body.size() - (crlf ? 2 : 1));
    return body;
}

void ExpectSameWalks(int list, const std::string& bytes, const std::string& title, unsigned seed, std::size_t maxChunk,
                     bool person = false)
{
    const Outcome plain = RunRoutine(list, bytes, title, false, seed, maxChunk, person);
    const Outcome passing = RunRoutine(list, bytes, title, true, seed, maxChunk, person);
    EXPECT_EQ(passing.result, plain.result);
    EXPECT_EQ(passing.records, plain.records);
    EXPECT_EQ(passing.consumed, plain.consumed);
}

TEST(PassRecords, MixedListsWriteWhatThePlainWalkWrites)
{
    const std::string title = "\"Tall Tale\" (2001)";
    std::mt19937 rng(2024);
    int records = 0;
    for (int round = 0; round < 60; ++round) {
        const std::string body = MixedBody(rng, title, 40 + round * 4, round % 4 != 1);
        for (int list : kWalkedLists) {
            SCOPED_TRACE("round " + std::to_string(round) + " list " + ListCatalog[list].name);
            const std::string bytes = HeaderBlock(list) + body;
            // Small reads put buffer ends everywhere; large ones give whole lists.
            const std::size_t maxChunk = round % 3 == 0 ? 1 << 20 : static_cast<std::size_t>(7 + round * 13);
            ExpectSameWalks(list, bytes, title, static_cast<unsigned>(round), maxChunk);
            records += static_cast<int>(RunRoutine(list, bytes, title, true, 1, 1 << 20).records.size());
        }
        // The person searches of the name-sorted lists read records by their first lines.
        for (int list : {kActors, kDirectors, kWriters}) {
            SCOPED_TRACE("round " + std::to_string(round) + " person list " + ListCatalog[list].name);
            const std::string bytes = HeaderBlock(list) + body;
            // Names sorting before, inside and after the lines' names, folded or not, and
            // first bytes that are no letters (a high byte, the dash of a list's end).
            const char* const people[] = {"Name, M", "Name, Z", "Long, Name", "name, m", "\xe9t\xe9", "-"};
            for (int i = 0; i < 6; ++i)
                if (i < 3 || round % 2 == 0) // the last three on every other round
                    ExpectSameWalks(list, bytes, people[i], static_cast<unsigned>(round), 5 + round * 7, true);
            records += static_cast<int>(RunRoutine(list, bytes, "Name, M", true, 1, 1 << 20, true).records.size());
        }
    }
    // The mixtures do reach the routines' matching paths.
    EXPECT_GT(records, 100);
}

// Every record start NextRecord finds, with the read position behind it.
std::vector<std::string> RecordStarts(int list, const std::string& bytes, bool passing, std::size_t maxChunk)
{
    CListFile file;
    file.AllowPassing(passing);
    EXPECT_TRUE(file.OpenSource(list, std::make_unique<ChunkSource>(bytes, 1, maxChunk), "mixed"));
    std::vector<std::string> starts;
    if (!file.FindStart())
        return starts;
    while (file.NextRecord())
        starts.push_back(std::string(file.GetLine(), static_cast<std::size_t>(file.GetLineLength())) + "@" +
                         std::to_string(file.Consumed()));
    return starts;
}

TEST(PassRecords, RecordStartsAreThoseOfThePlainReader)
{
    std::mt19937 rng(99);
    for (int round = 0; round < 40; ++round) {
        std::string body = "\n" + MixedBody(rng, "Tale (1990)", 200);
        // Without lines of dashes, which end the list at once.
        for (std::size_t at = 0; (at = body.find("\n---", at)) != std::string::npos; ++at)
            body[at + 1] = '=';
        const std::string bytes = HeaderBlock(kActors) + body;
        const std::size_t maxChunk = round % 2 ? 1 << 20 : 3 + static_cast<std::size_t>(round) * 11;
        const std::vector<std::string> plain = RecordStarts(kActors, bytes, false, maxChunk);
        EXPECT_GT(plain.size(), 10u);
        EXPECT_EQ(RecordStarts(kActors, bytes, true, maxChunk), plain) << "round " << round;
    }
}

// A credit walk leaves a matched record inside an over-long line; passing from there
// lands on a line start, whose first piece is a record start again.
TEST(PassRecords, PassingFromInsideALongLineLandsOnARecordStart)
{
    const std::string title = "Tall Tale (2001)";
    for (const char* end : {"\n", "\r\n"}) {
        std::string body =
            std::string("Alpha, A\t") + title + "  [R]" + end + "\t\t\tZed " + std::string(1500, 'z') + end + end;
        for (int i = 0; i < 50; ++i)
            body += "Beta, B" + std::to_string(i) + "\tOther (1999)" + end + end;
        body += "Gamma, G\t" + title + "  [S]" + end + end;
        const std::string bytes = HeaderBlock(kActors) + body;
        const Outcome passing = RunRoutine(kActors, bytes, title, true, 1, 1 << 20);
        EXPECT_EQ(passing.records, RunRoutine(kActors, bytes, title, false, 1, 1 << 20).records);
        const auto names =
            std::count_if(passing.records.begin(), passing.records.end(), [](const Rec& r) { return r.key == 0; });
        EXPECT_EQ(names, 2);
    }
}

TEST(PassRecords, TitlesThatCannotBeSearchedRawGiveThePlainWalk)
{
    std::mt19937 rng(77);
    const std::string body = MixedBody(rng, "Tale", 300);
    for (const std::string& title :
         std::vector<std::string>{"Tale\r", std::string("Ta\0le", 5), "Tale\n", "e", "Tall Tale\" (2001)"})
        for (int list : kWalkedLists)
            ExpectSameWalks(list, HeaderBlock(list) + body, title, 3, 50);
}

// The generated lists, LF and CR LF, with and without hostile lines, large enough that
// the credit lists span several buffer loads.
TEST(PassRecords, GeneratedListsWriteWhatThePlainWalkWrites)
{
    for (const bool crlf : {false, true}) {
        for (const bool hostile : {false, true}) {
            listgen::GeneratorOptions options;
            options.seed = 5;
            options.crlf = crlf;
            options.hostile = hostile;
            options.titles = 3000;
            options.people = 2000;
            const listgen::ListGenerator generator(options);
            TempDir dir;
            std::vector<int> lists(std::begin(kWalkedLists), std::end(kWalkedLists));
            generator.WriteSet(dir.Path(), lists);
            const std::vector<std::string> keys = generator.RecordKeys(kMovies);
            const std::vector<std::string> titles = {generator.FeaturedFilm(),
                                                     generator.FeaturedSeries(),
                                                     generator.FeaturedEpisode(2),
                                                     keys[keys.size() / 2],
                                                     keys.back(),
                                                     "\"",
                                                     "Nowhere (1900)"};
            for (int list : lists) {
                const std::string bytes = ReadFile(dir.Path() + DefaultListFileName(list));
                for (const std::string& title : titles) {
                    SCOPED_TRACE(std::string(ListCatalog[list].name) + " " + title);
                    ExpectSameWalks(list, bytes, title, 9, 1 << 20);
                }
            }
        }
    }
}

std::size_t NaiveFind(std::string_view bytes, std::string_view text)
{
    return bytes.find(text);
}

TEST(ByteScan, SearchesAgreeWithPlainLoops)
{
    std::mt19937 rng(5);
    const char alphabet[] = {'a', 'b', '\n', '\r', '-', '\0', '"', '\xe9'};
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(static_cast<std::size_t>(rng() % 120), 'a');
        for (char& c : bytes)
            c = alphabet[rng() % sizeof alphabet];
        std::string text(static_cast<std::size_t>(1 + rng() % 4), 'a');
        for (char& c : text)
            c = alphabet[rng() % sizeof alphabet];
        const bool atStart = rng() % 2 == 0;
        SCOPED_TRACE(round);
        EXPECT_EQ(bytescan::FindText(bytes, text), NaiveFind(bytes, text));

        std::size_t emptyish = std::string_view::npos, dashes = std::string_view::npos;
        for (std::size_t p = 0; p < bytes.size(); ++p) {
            const bool lineStart = p == 0 ? atStart : bytes[p - 1] == '\n';
            if (!lineStart)
                continue;
            if (emptyish == std::string_view::npos && (bytes[p] == '\n' || bytes[p] == '\r' || bytes[p] == '\0'))
                emptyish = p;
            if (dashes == std::string_view::npos && bytes.compare(p, 3, "---") == 0)
                dashes = p;
        }
        EXPECT_EQ(bytescan::FindEmptyishLineStart(bytes, atStart), emptyish);
        EXPECT_EQ(bytescan::FindDashesLineStart(bytes, atStart), dashes);
        // The one-pass search for both: the first of the two, and "no CR before it" only when
        // there is none.
        if (text.find('\n') == std::string::npos) {
            const std::size_t first = std::min(dashes, NaiveFind(bytes, text));
            bool cr = true;
            EXPECT_EQ(bytescan::FindTextOrDashesLineStart(bytes, text, atStart, &cr), first);
            if (!cr) {
                EXPECT_EQ(bytes.substr(0, first).find('\r'), std::string::npos);
            }
        }

        const std::size_t limit = bytes.empty() ? 0 : rng() % (bytes.size() + 1);
        std::size_t afterEmpty = 0, afterFeed = 0;
        for (std::size_t p = 1; p <= limit; ++p) {
            if (bytes[p - 1] != '\n')
                continue;
            afterFeed = p;
            // The line ending at p - 1 is empty (or only a CR) and its start is known.
            const bool lf = p >= 2 ? bytes[p - 2] == '\n' : atStart;
            const bool crlf = p >= 2 && bytes[p - 2] == '\r' && (p >= 3 ? bytes[p - 3] == '\n' : atStart);
            if (lf || crlf)
                afterEmpty = p;
        }
        EXPECT_EQ(bytescan::AfterLastEmptyLine(bytes, limit, atStart), afterEmpty);
        EXPECT_EQ(bytescan::AfterLastLineFeed(bytes, limit), afterFeed);
    }
}

} // namespace
