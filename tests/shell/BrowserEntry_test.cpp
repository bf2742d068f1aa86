#include "shell/core/BrowserEntry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace shellcore;

namespace {

struct EntryCase {
    const char* name;
    EntryLayout layout;
    std::vector<std::string> lines; // as the reader hands them out, until it says the record ended
    const char* expected;
    // Lines the layout must leave unread (the reader gives them, the record ended before).
    std::size_t unread = 0;
};

class BrowserEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(BrowserEntryTest, ComposesExactText)
{
    const EntryCase& c = GetParam();
    std::size_t at = 0;
    const std::string entry = ComposeBrowserEntry(c.layout, "T (1999)", [&](bool&) -> const char* {
        return at < c.lines.size() ? c.lines[at++].c_str() : nullptr;
    });
    EXPECT_EQ(entry, c.expected);
    EXPECT_EQ(c.lines.size() - at, c.unread);
}

const EntryCase kCases[] = {
    {"PlainNoLines", EntryLayout::Plain, {}, "T (1999)\r\n"},
    {"PlainTrimsEachLine",
     EntryLayout::Plain,
     {"- A  \t\n", "  continued\n", "- B\n"},
     "T (1999)\r\n\r\n- A\r\n  continued\r\n- B"},
    {"TaglinesCutOneTab",
     EntryLayout::Taglines,
     {"\tSome secrets never sleep.\n", "No tab here \n", "\t\tTwo tabs\n"},
     "T (1999)\r\n\r\nSome secrets never sleep.\r\nNo tab here\r\n\tTwo tabs"},
    {"QuotesEndAtTwoBlanks",
     EntryLayout::Quotes,
     {"Q1\n", "\n", "Q2\n", "\n", "\n", "# Next (2000)\n"},
     "T (1999)\r\n\r\nQ1\r\n\r\nQ2",
     1},
    {"QuotesLastRecordEndsAtEndOfFile", EntryLayout::Quotes, {"Q1\n", "\n", "Q2\n"}, "T (1999)\r\n\r\nQ1\r\n\r\nQ2"},
    {"QuotesBlanksAndTabsAreBlank",
     EntryLayout::Quotes,
     {"Q1\n", " \t\n", "\t\n", "Q3\n"},
     "T (1999)\r\n\r\nQ1",
     1},
    // Kept as the document search has it: one blank line does not end a record, so the
    // next record's lines run on into this entry.
    {"QuotesSingleBlankRunsIntoNextRecord",
     EntryLayout::Quotes,
     {"Q1\n", "\n", "# Next (2000)\n", "Q3\n", "\n", "\n"},
     "T (1999)\r\n\r\nQ1\r\n\r\n# Next (2000)\r\nQ3"},
    {"GoofsHeadingPerCodedLine",
     EntryLayout::Goofs,
     {"- CONT: A\n", "  The glass is full.\n", "- CONT: B\n", "- CHAR: C\n", "- XXXX: D\n"},
     "T (1999)\r\n\r\nContinuity:\r\n  A\r\n  The glass is full.\r\nContinuity:\r\n  B\r\n"
     "Errors made by characters (possibly deliberate errors by the filmmakers):\r\n  C\r\n  XXXX: D"},
    {"PlotEmptyLineAfterEachAuthor",
     EntryLayout::Plot,
     {"PL: a1\n", "PL: a2\n", "BY: First Author\n", "PL: b1\n", "BY: Second Author\n"},
     "T (1999)\r\n\r\na1\r\na2\r\n- Summary written by: First Author\r\n\r\nb1\r\n"
     "- Summary written by: Second Author"},
    {"BusinessGroupsConsecutiveCodes",
     EntryLayout::Business,
     {"BT: A\n", "GR: B\n", "GR: C\n", "BT: D\n", "CP: E\n"},
     "T (1999)\r\n\r\nBudget:\r\n  A\r\n\r\nGross:\r\n  B\r\n  C\r\n\r\nBudget:\r\n  D\r\n\r\nCopyright Holder:\r\n  E"},
    // A code outside the name table never indexes it.
    {"BusinessUnknownCodeIsOther",
     EntryLayout::Business,
     {"XX: odd\n", "YY: odder\n", "AD: 1,200\n"},
     "T (1999)\r\n\r\nOther:\r\n  XX: odd\r\n  YY: odder\r\n\r\nAdmissions:\r\n  1,200"},
    {"MovieLinksGroupsRelations",
     EntryLayout::MovieLinks,
     {"  (follows X (1990))\n", "  (follows Y (1991))\n", "  (spin off from Z (1992))\n", "  (spin off W (1993))\n",
      "  (alternate language version of V (1994))\n", "  (inspired by U (1995))\n"},
     "T (1999)\r\n\r\nFollows:\r\n  X (1990)\r\n  Y (1991)\r\n\r\nSpin off from:\r\n  Z (1992)\r\n\r\nSpin off:\r\n"
     "  W (1993)\r\n\r\nAlternate language version of:\r\n  V (1994)\r\n\r\nOther:\r\n  inspired by U (1995)"},
};

INSTANTIATE_TEST_SUITE_P(Layouts, BrowserEntryTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
