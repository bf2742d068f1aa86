#include "shell/core/CommandLine.h"

#include <gtest/gtest.h>

#include <random>

using namespace shellcore;

namespace {

TEST(CommandLine, DeltamendSwitchesInTheirOrder)
{
    DeltamendArguments all{"P", "L", "D", true, true, true, true, true, true, "G"};
    EXPECT_EQ(BuildDeltamendCommandLine(all), "P L D -sumwatch -force -keep -nostats -quiet -logfile G");
    DeltamendArguments some{"/opt/rv/deltamend", "/z/lists/", "/z/diffs/", false, true, false, false, true, false,
                            "/z/log.txt"};
    EXPECT_EQ(BuildDeltamendCommandLine(some), "/opt/rv/deltamend /z/lists/ /z/diffs/ -force -quiet");
    EXPECT_EQ(BuildDeltamendCommandLine({"P", "L", "D", false, false, false, false, false, false, "G"}), "P L D");
    // An empty path is an argument of its own: the switches keep their places.
    const DeltamendArguments empty{"P", "L", "", true, false, false, false, false, true, ""};
    EXPECT_EQ(BuildDeltamendCommandLine(empty), "P L \"\" -sumwatch -logfile \"\"");
    EXPECT_EQ(SplitCommandLine(BuildDeltamendCommandLine(empty)),
              (std::vector<std::string>{"P", "L", "", "-sumwatch", "-logfile", ""}));
}

TEST(CommandLine, SumwatchSwitchesInTheirOrder)
{
    const struct {
        SumwatchArguments arguments;
        const char* expected;
    } rows[] = {
        {{"P", "L", false, false, false, "G"}, "P L"},
        {{"P", "L", true, true, true, "G"}, "P L -nostats -quiet -logfile G"},
        {{"P", "L", false, false, true, "G"}, "P L -logfile G"},
        // An unchecked log file leaves its path out; an empty one is written as "".
        {{"P", "L", true, false, false, "G"}, "P L -nostats"},
        {{"P", "L", false, false, true, ""}, "P L -logfile \"\""},
        {{"", "", true, false, false, ""}, "\"\" \"\" -nostats"},
        // Paths with blanks stay one argument; other paths stand as typed.
        {{"/a b/sumwatch", "/My Lists/", false, false, true, "/x/log \"1\".txt"},
         "\"/a b/sumwatch\" \"/My Lists/\" -logfile \"/x/log \\\"1\\\".txt\""},
        {{"/a\\b/sumwatch", "/lists/", false, false, false, ""}, "/a\\b/sumwatch /lists/"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BuildSumwatchCommandLine(row.arguments), row.expected);
}

TEST(CommandLine, SplitReadsQuotesAndBlanks)
{
    const struct {
        const char* line;
        std::vector<std::string> arguments;
    } rows[] = {
        {"", {}},
        {" \t ", {}},
        {"a  b\tc ", {"a", "b", "c"}},
        {"\"/My Lists/\" x", {"/My Lists/", "x"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\" x", {"", "x"}},
        {"\"a \\\"q\\\" \\\\\"", {"a \"q\" \\"}},
        {"a\\\"b", {"a\\b"}},   // outside quotes a backslash is kept and the quote opens
        {"\"open end", {"open end"}},
        {"\"a\\x\"", {"a\\x"}}, // only \" and \\ are escapes
    };
    for (const auto& row : rows)
        EXPECT_EQ(SplitCommandLine(row.line), row.arguments) << row.line;
}

// Whatever the arguments hold, empty ones included, quoting and joining them with blanks,
// then splitting, gives them back.
TEST(CommandLine, QuoteThenSplitGivesTheArgumentsBack)
{
    const std::string alphabet = std::string("ab/. \t\"\\-") + '\xe9' + '\x81';
    std::mt19937 random(19);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::string> arguments(1 + random() % 5);
        std::string line;
        for (auto& argument : arguments) {
            const std::size_t length = random() % 8;
            for (std::size_t i = 0; i < length; ++i)
                argument += alphabet[random() % alphabet.size()];
            line += (line.empty() ? "" : " ") + QuoteArgument(argument);
        }
        ASSERT_EQ(SplitCommandLine(line), arguments) << line;
    }
}

} // namespace
