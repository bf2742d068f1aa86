// The command line, console output, table, log file and exit codes, through the real program.
#include "ListCrc.h"
#include "Sumwatch.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <sys/wait.h>

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

const std::string kBannerStart = "Sumwatch 1.5 (22.11.01)";
const std::string kUsage = "usage: Sumwatch <list(s)> [-nostats][-quiet][-logfile <filename>]\n";
const std::string kHeader = "\nStatus   Filesize  Filedate                  Listfile\n" + std::string(60, '-') + "\n";
const std::string kWarning = "\nWARNING: Sumwatch encountered errors.\n";
const std::string kOk = "\b\b\b\b\b\b- CRC O.K.\n";

struct Outcome {
    int code = -1;
    std::string banner; // the first line
    std::string rest;   // everything after it
};

std::string quote(const std::string& argument)
{
    std::string quoted = "'";
    for (char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

Outcome run(const std::vector<std::string>& arguments)
{
    std::string command = RV_SUMWATCH_EXE;
    for (const std::string& argument : arguments)
        command += " " + quote(argument);
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("popen");
    std::string output;
    char buffer[4096];
    std::size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, got);
    int status = pclose(pipe);
    Outcome result;
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::size_t lineEnd = output.find('\n');
    result.banner = output.substr(0, lineEnd);
    result.rest = lineEnd == std::string::npos ? "" : output.substr(lineEnd + 1);
    return result;
}

std::string listFile(const std::vector<std::string>& lines, const std::string& date = " Date: Fri Nov 30 2001")
{
    static std::unique_ptr<std::uint32_t[]> table = makeCrcTable();
    std::uint32_t crc = kCrcStart;
    std::string body;
    for (const std::string& line : lines) {
        crcAddLine(table.get(), line.c_str(), crc);
        body += line + "\n";
    }
    char text[16];
    std::snprintf(text, sizeof text, "CRC: 0x%08X", static_cast<unsigned>(crc));
    return text + date + "\n" + body;
}

// The statistics title line with its time text, then what follows it.
void expectTitleThen(const std::string& text, const std::string& after)
{
    static const std::regex title(
        "Sumwatch Statistics - [A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n");
    ASSERT_GE(text.size(), 47u) << text;
    EXPECT_TRUE(std::regex_match(text.substr(0, 47), title)) << text;
    EXPECT_EQ(text.substr(47), after);
}

TEST(SumwatchTest, UsageErrors)
{
    TempDir dir;
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {}, {dir.Path(), "-Quiet"}, {dir.Path(), "-logfile"}, {dir.Path(), "-quiet", "extra"}}) {
        Outcome got = run(arguments);
        EXPECT_EQ(got.code, 10);
        EXPECT_EQ(got.banner.substr(0, kBannerStart.size()), kBannerStart);
        EXPECT_EQ(got.rest, kUsage);
    }
}

TEST(SumwatchTest, SingleCorrectFileQuietWithoutStatistics)
{
    TempDir dir;
    WriteFile(dir.File("Actors.list"), listFile({"abc"}));
    Outcome got = run({dir.File("Actors.list"), "-quiet", "-nostats"});
    EXPECT_EQ(got.code, 0);
    EXPECT_EQ(got.rest, "\n");
}

TEST(SumwatchTest, DirectoryChecksListFilesInNameOrder)
{
    TempDir dir;
    std::string trivia = listFile({"# trivia", "- a fact"});
    std::string actors = listFile({"Doe, John\tFilm (2001)"}, "");
    WriteFile(dir.File("Trivia.list"), trivia);
    WriteFile(dir.File("Actors.list"), actors);
    WriteFile(dir.File("notes.txt"), "not a list\n");
    WriteFile(dir.File("ABC.LIST"), "CRC: 0x00000000\n");
    WriteFile(dir.File(".list"), "CRC: 0x00000000\n");
    WriteFile(dir.File("a.list"), "CRC: 0x00000000\n"); // exactly six characters: a list

    // Byte-wise order puts upper-case letters before lower-case ones.
    std::string sortedChecks = "\n"
                               "Check CRC of File Actors.list (000%)" +
                               kOk + "Check CRC of File Trivia.list (000%)" + kOk +
                               "Check CRC of File a.list (000%)\b\b\b\b\b\b- CRC Error\n\n";
    for (const std::string& argument : {dir.Path(), dir.Path().substr(0, dir.Path().size() - 1)}) {
        Outcome got = run({argument});
        EXPECT_EQ(got.code, 0);
        ASSERT_EQ(got.rest.substr(0, sortedChecks.size()), sortedChecks) << argument;
        std::string sortedRows = kHeader + "CRC OK   " + "      " + std::to_string(actors.size()) +
                                 "  ---- not  available ----  Actors.list\n" + "CRC OK   " + "      " +
                                 std::to_string(trivia.size()) + "  Fri Nov 30 2001  Trivia.list\n" +
                                 "CRC-Error      16  ---- not  available ----  a.list\n";
        expectTitleThen(got.rest.substr(sortedChecks.size()), sortedRows);
    }
}

TEST(SumwatchTest, MissingPathGivesEmptyTableAndWarning)
{
    TempDir dir;
    std::string missing = dir.File("nowhere");
    Outcome got = run({missing});
    EXPECT_EQ(got.code, 20);
    std::string start = "Can't access " + missing + "/\n\n";
    ASSERT_EQ(got.rest.substr(0, start.size()), start);
    expectTitleThen(got.rest.substr(start.size()), kHeader + kWarning);
}

TEST(SumwatchTest, UpperCaseListNameIsADirectoryArgument)
{
    TempDir dir;
    WriteFile(dir.File("ABC.LIST"), listFile({"abc"}));
    Outcome got = run({dir.File("ABC.LIST"), "-nostats"});
    EXPECT_EQ(got.code, 20);
    EXPECT_EQ(got.rest, dir.File("ABC.LIST") + "/ is no directory.\n\n" + kWarning);
}

TEST(SumwatchTest, SingleFileThatCannotBeOpened)
{
    TempDir dir;
    Outcome got = run({dir.File("gone.list"), "-quiet"});
    EXPECT_EQ(got.code, 20);
    std::string start = "Failed to open " + dir.File("gone.list") + "!\n\n";
    ASSERT_EQ(got.rest.substr(0, start.size()), start);
    expectTitleThen(got.rest.substr(start.size()), kHeader + kWarning);
}

TEST(SumwatchTest, DirectoryNamedLikeAListFileCannotBeOpened)
{
    // Given directly it is a single list file that cannot be opened; found in a directory it
    // is a list that cannot be read.
    TempDir dir;
    std::filesystem::create_directories(dir.File("Sub.list"));
    Outcome got = run({dir.File("Sub.list"), "-nostats"});
    EXPECT_EQ(got.code, 20);
    EXPECT_EQ(got.rest, "Failed to open " + dir.File("Sub.list") + "!\n\n" + kWarning);

    got = run({dir.Path(), "-nostats"});
    EXPECT_EQ(got.code, 0);
    EXPECT_EQ(got.rest, "\nCheck CRC of File Sub.list (000%)\b\b\b\b\b\b- IO-Error\n\n");
}

TEST(SumwatchTest, SingleFileRowsForEachResult)
{
    TempDir dir;
    struct Case {
        std::string content;
        std::string result;
        std::string row;
    } cases[] = {
        {"CRC: 0xa48b3cd7 Date: Fri Nov 30 2001\nabc\n", "\b\b\b\b\b\b- CRC Error\n",
         "CRC-Error      42  Fri Nov 30 2001  "},
        {"CRC: 0xA48B3CD7\nabc\n", kOk, "CRC OK         20  ---- not  available ----  "},
        {"Checksum: none\nabc\n", "\b\b\b\b\b\b- CRC not available\n", "CRC n/a        19  ---- not  available ----  "},
        {"", "\b\b\b\b\b\b- IO-Error\n", "IO-Error        0    "},
    };
    for (const Case& c : cases) {
        WriteFile(dir.File("x.list"), c.content);
        Outcome got = run({dir.File("x.list")});
        EXPECT_EQ(got.code, 0);
        std::string checks = "\nCheck CRC of File " + dir.File("x.list") + " (000%)" + c.result + "\n";
        ASSERT_EQ(got.rest.substr(0, checks.size()), checks) << c.content;
        expectTitleThen(got.rest.substr(checks.size()), kHeader + c.row + dir.File("x.list") + "\n");
    }
}

TEST(SumwatchTest, ProgressCountsUpInPlace)
{
    TempDir dir;
    // A first line of 128 bytes and 100 lines of 127: every line moves the figure.
    std::vector<std::string> lines(100, std::string(126, 'p'));
    std::string content = listFile(lines, " " + std::string(111, 'h'));
    ASSERT_EQ(content.size(), 128u + 100u * 127u);
    WriteFile(dir.File("p.list"), content);
    Outcome got = run({dir.File("p.list"), "-nostats"});
    EXPECT_EQ(got.code, 0);
    std::int64_t divisor = static_cast<std::int64_t>(content.size()) >> 7;
    std::string expected = "\nCheck CRC of File " + dir.File("p.list") + " (000%)";
    int last = 0;
    for (std::int64_t consumed = 128 + 127; consumed <= static_cast<std::int64_t>(content.size()); consumed += 127) {
        int percent = static_cast<int>(((consumed >> 7) * 100) / divisor);
        if (percent != last) {
            char text[16];
            std::snprintf(text, sizeof text, "\b\b\b\b\b\b(%03i%%)", percent);
            expected += text;
            last = percent;
        }
    }
    EXPECT_EQ(last, 100);
    expected += kOk + "\n";
    EXPECT_EQ(got.rest, expected);
}

TEST(SumwatchTest, LogFileIsAppendedWithABlankLineBeforeEachReport)
{
    TempDir dir;
    WriteFile(dir.File("Actors.list"), listFile({"abc"}));
    std::string log = dir.File("sums.log");
    for (int i = 0; i < 2; ++i) {
        Outcome got = run({dir.Path(), "-quiet", "-logfile", dir.File("ignored.log"), "-logfile", log});
        EXPECT_EQ(got.code, 0);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("ignored.log"))) << "the later -logfile wins";
    std::string report = kHeader + "CRC OK         42  Fri Nov 30 2001  Actors.list\n";
    std::string text = ReadFile(log);
    ASSERT_EQ(text.substr(0, 1), "\n");
    std::size_t second = text.find("\nSumwatch Statistics", 1);
    ASSERT_NE(second, std::string::npos);
    expectTitleThen(text.substr(1, second - 1), report);
    expectTitleThen(text.substr(second + 1), report);

    // A log file that cannot be opened is ignored.
    Outcome got = run({dir.Path(), "-quiet", "-logfile", dir.File("no/such/dir.log")});
    EXPECT_EQ(got.code, 0);
}

TEST(SumwatchTest, RootDirectoryAndLongArguments)
{
    Outcome root = run({"/", "-quiet", "-nostats"});
    EXPECT_EQ(root.code, 0);
    EXPECT_EQ(root.rest, "\n");

    TempDir dir;
    std::string deep = dir.Path();
    while (deep.size() < 300)
        deep += std::string(40, 'd') + "/";
    std::filesystem::create_directories(deep);
    WriteFile(deep + "Actors.list", listFile({"abc"}));
    Outcome got = run({deep + "Actors.list", "-quiet"});
    EXPECT_EQ(got.code, 0);
    EXPECT_NE(got.rest.find("CRC OK         42  Fri Nov 30 2001  " + deep + "Actors.list\n"), std::string::npos)
        << got.rest;
    got = run({deep, "-quiet", "-nostats"});
    EXPECT_EQ(got.code, 0);
}

TEST(SumwatchTest, UnreadableDirectory)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempDir dir;
    std::filesystem::create_directory(dir.File("closed"));
    std::filesystem::permissions(dir.File("closed"), std::filesystem::perms::none);
    Outcome got = run({dir.File("closed"), "-nostats"});
    std::filesystem::permissions(dir.File("closed"), std::filesystem::perms::owner_all);
    EXPECT_EQ(got.code, 20);
    EXPECT_EQ(got.rest, "Can't open " + dir.File("closed") + "/\n\n" + kWarning);
}

} // namespace

TEST(SumwatchTest, StatusWordAndSizeStayApartInEveryRow)
{
    struct Case {
        int status;
        std::int64_t size;
        std::string row;
    } cases[] = {
        {kStatusCrcError, 123456789, "CRC-Error 123456789  Fri Nov 30 2001  x.list\n"},
        {kStatusSyntaxError, 100000000, "Syntax Error 100000000  Fri Nov 30 2001  x.list\n"},
        {kStatusCrcOk, 123456789, "CRC OK   123456789  Fri Nov 30 2001  x.list\n"},
        {kStatusCrcError, 12345678, "CRC-Error 12345678  Fri Nov 30 2001  x.list\n"},
        {kStatusIoError, 42, "IO-Error       42  Fri Nov 30 2001  x.list\n"},
        {9, 4294967296, "9 4294967296  Fri Nov 30 2001  x.list\n"},
    };
    for (const Case& c : cases) {
        DiffInfo info;
        info.name = "x.list";
        info.date = "Fri Nov 30 2001";
        info.size = c.size;
        info.status = c.status;
        EXPECT_EQ(statisticsRow(info), c.row);
    }
}
