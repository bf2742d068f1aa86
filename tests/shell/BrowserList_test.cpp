#include "shell/core/BrowserList.h"

#include "listdata/ListFile.h"
#include "listdata/ListLine.h"
#include "shell/core/TitleArena.h"
#include "support/FixtureLists.h"
#include "tools/ListGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace shellcore;

namespace {

std::vector<std::string> Texts(const CTitleArena& titles)
{
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < titles.GetCount(); ++i) {
        texts.emplace_back(titles[i]);
        EXPECT_EQ(titles[i].data()[titles[i].size()], '\0');
    }
    return texts;
}

} // namespace

// The title rules agree with the text line's own setters, which the document search uses.
TEST(BrowserTitle, AgreesWithTheTextLineRules)
{
    const std::string lines[] = {"# T (1999)\n", "# T \t\n", "#\n",      "# \n",         "#T\n",
                                 "MV: X (2000)\n", "MV:\n", "MV: \n", "",            " \t\n",
                                 std::string("# A\0B\n", 6), "# \xC4\x80 \n", "\"Series\" (1990)  \n", "a"};
    for (const char* prefix : {"# ", "MV: "}) {
        for (const std::string& line : lines) {
            CListLine expected;
            EXPECT_EQ(BrowserTitle(line.c_str(), prefix), expected.StripPrefix(line.c_str(), prefix))
                << prefix << "|" << line;
        }
    }
    for (const std::string& line : lines) {
        CListLine expected;
        EXPECT_EQ(BrowserTitle(line.c_str(), nullptr), expected.SetTrimRight(line.c_str())) << line;
    }
}

TEST(TitleArena, KeepsEveryTitleAcrossBlocks)
{
    CTitleArena titles;
    std::vector<std::string> expected;
    for (int i = 0; i < 50000; ++i) {
        expected.push_back("Title " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 37), 'x'));
        titles.Add(expected.back());
    }
    titles.Add(std::string(70000, 'L'));
    ASSERT_EQ(titles.GetCount(), expected.size() + 1);
    EXPECT_EQ(Texts(titles).back().size(), CTitleArena::kMaxTitleLength);
    expected.push_back(std::string(CTitleArena::kMaxTitleLength, 'L'));
    EXPECT_EQ(Texts(titles), expected);
}

// Past a million titles the table goes on in a further chunk, on large pages.
TEST(TitleArena, KeepsEveryTitleAcrossTableChunks)
{
    CTitleArena titles;
    const std::size_t count = (std::size_t{1} << 20) + 3;
    for (std::size_t i = 0; i < count; ++i)
        titles.Add(std::to_string(i));
    ASSERT_EQ(titles.GetCount(), count);
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < count; ++i)
        wrong += titles[i] == std::to_string(i) && titles[i].data()[titles[i].size()] == '\0' ? 0 : 1;
    EXPECT_EQ(wrong, 0u);
}

class BrowserListTest : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    CAppSettings settings = testsupport::ListSettings(dir.Path());
    CTitleArena titles;
    const BrowserList& trivia = BrowserLists[kTriviaBrowser];

    // Titles that begin with a lower-case letter, a digit, a quote, a byte above 127 or
    // nothing, and one title twice.
    const std::string body = "# Zeta (1999)\n- first Zeta\n\n\n"
                             "# lower case (2000)\n- lower\n\n\n"
                             "# 9 Lives (2001)\n- nine\n\n\n"
                             "# \"Series\" (1990) {Pilot (#1.1)}\n- pilot\n\n\n"
                             "# \xC4pfel (2002)\n- apples\n\n\n"
                             "# \n- no title\n\n\n"
                             "# Zeta (1999)\n- second Zeta\n\n\n"
                             "# Alpha (1950)\n- A\n\n- B\n\n\n";
};

TEST_F(BrowserListTest, LoadsTitlesInFileOrderAndShowsTheFirstOfTwins)
{
    testsupport::WriteList(dir.Path(), kTrivia, body);
    EXPECT_EQ(LoadBrowserTitles(trivia, OpenBySettings(settings), titles), "");
    EXPECT_EQ(Texts(titles), (std::vector<std::string>{"Zeta (1999)", "lower case (2000)", "9 Lives (2001)",
                                                       "\"Series\" (1990) {Pilot (#1.1)}", "\xC4pfel (2002)", "",
                                                       "Zeta (1999)", "Alpha (1950)"}));
    EXPECT_EQ(ShowBrowserEntry(trivia, OpenBySettings(settings), "Zeta (1999)"), "Zeta (1999)\r\n\r\n- first Zeta");
    // A single blank line inside a trivia record is passed over.
    EXPECT_EQ(ShowBrowserEntry(trivia, OpenBySettings(settings), "Alpha (1950)"), "Alpha (1950)\r\n\r\n- A\r\n- B");
    EXPECT_EQ(ShowBrowserEntry(trivia, OpenBySettings(settings), "Alpha"), kBrowserTitleNotFound);
}

// The piece that continues an over-long line carries no code: under its goof or after its
// summary line it is shown whole as the line's rest; in a list of coded lines, passed over.
// A blank rest of a quote line is no blank line between quotes.
TEST_F(BrowserListTest, APieceThatContinuesALineCarriesNoCode)
{
    const std::string dashes(79, '-');
    const struct {
        BrowserListId browser;
        std::string body;
        const char* entry;
    } cases[] = {
        {kGoofsBrowser,
         "# Film (2001)\n" + testsupport::OverLongLine("- CONT: The glass moves.", "- FACT: Phantom.") +
             "- FACT: Wrong.\n\n\n",
         "Film (2001)\r\n\r\nContinuity:\r\n  The glass moves.\r\n  - FACT: Phantom.\r\nFactual Errors:\r\n  Wrong."},
        {kPlotBrowser,
         dashes + "\nMV: Film (2001)\n\n" + testsupport::OverLongLine("PL: A summary.", "BY: Phantom") +
             "BY: anon\n\n" + dashes + "\n",
         "Film (2001)\r\n\r\nA summary.\r\nBY: Phantom\r\n- Summary written by: anon"},
        {kBusinessBrowser,
         dashes + "\nMV: Film (2001)\n\n" + testsupport::OverLongLine("BT: USD 1,000,000", "WG: USD 5 (USA)") +
             "BT: USD 2\n\n" + dashes + "\n",
         "Film (2001)\r\n\r\nBudget:\r\n  USD 1,000,000\r\n  USD 2"},
        {kMovieLinksBrowser,
         "Film (2001)\n" + testsupport::OverLongLine("  (follows Earlier (1999))", "  (remake of Phantom (1950))") +
             "  (follows Later (2003))\n\n",
         "Film (2001)\r\n\r\nFollows:\r\n  Earlier (1999)\r\n  Later (2003)"},
        {kQuotesBrowser, "# Film (2001)\n" + testsupport::OverLongLine("Ann: Hello.", "   ") + "\nBob: Bye.\n\n\n",
         "Film (2001)\r\n\r\nAnn: Hello.\r\n\r\nBob: Bye."},
    };
    for (const auto& c : cases) {
        const BrowserList& browser = BrowserLists[c.browser];
        testsupport::WriteList(dir.Path(), browser.listIndex, c.body);
        EXPECT_EQ(ShowBrowserEntry(browser, OpenBySettings(settings), "Film (2001)"), c.entry) << browser.caption;
    }
}

TEST_F(BrowserListTest, FailuresGiveTheirTexts)
{
    const BrowserList& alt = BrowserLists[kAltVersionsBrowser];
    EXPECT_EQ(LoadBrowserTitles(alt, OpenBySettings(settings), titles),
              "Error in ListFile 'Alternate Versions':\nCouldn't open file.");
    EXPECT_EQ(titles.GetCount(), 0u);
    EXPECT_EQ(ShowBrowserEntry(alt, OpenBySettings(settings), "X"),
              "Error in ListFile 'Alternate-Versions':\r\nCouldn't open file.");

    testsupport::WriteFile(dir.File(DefaultListFileName(kAlternateVersions)), "CRC: 0x0\n\nno header here\n# X\n");
    EXPECT_EQ(LoadBrowserTitles(alt, OpenBySettings(settings), titles),
              "Error in ListFile 'Alternate Versions':\nCouldn't find begining of list.");
    EXPECT_EQ(titles.GetCount(), 0u);
    EXPECT_EQ(ShowBrowserEntry(alt, OpenBySettings(settings), "X"),
              "Error in ListFile 'Alternate-Versions':\r\nCouldn't find begining of list");
}

TEST_F(BrowserListTest, AReadErrorKeepsWhatWasReadAndReadsAsUnopened)
{
    const std::string text = testsupport::ListFileText(kTrivia, body);
    const std::string cut = text.substr(0, text.find("# \xC4pfel"));
    EXPECT_EQ(LoadBrowserTitles(trivia, testsupport::OpenFailingAfter(cut), titles), BrowserBoxOpenFailure("Trivia"));
    EXPECT_EQ(Texts(titles), (std::vector<std::string>{"Zeta (1999)", "lower case (2000)", "9 Lives (2001)",
                                                       "\"Series\" (1990) {Pilot (#1.1)}"}));
    EXPECT_EQ(ShowBrowserEntry(trivia, testsupport::OpenFailingAfter(cut), "Alpha (1950)"),
              "Error in ListFile 'Trivia':\r\nCouldn't open file.");
    // A failure before the header is found reads the same way.
    EXPECT_EQ(LoadBrowserTitles(trivia, testsupport::OpenFailingAfter(text.substr(0, 20)), titles),
              BrowserBoxOpenFailure("Trivia"));
}

// Every title a browser lists is found again, with the same entry whether the reader
// passes over records or walks them one by one, on plain, CR LF and hostile lists.
TEST(BrowserLists, EveryListedTitleShowsItsRecord)
{
    for (const bool crlf : {false, true}) {
        listgen::GeneratorOptions options;
        options.crlf = crlf;
        options.hostile = crlf;
        testsupport::TempDir dir;
        listgen::ListGenerator generator(options);
        const CAppSettings settings = testsupport::ListSettings(dir.Path());
        for (const BrowserList& browser : BrowserLists) {
            generator.WriteList(browser.listIndex, dir.Path());
            CTitleArena titles;
            ASSERT_EQ(LoadBrowserTitles(browser, OpenBySettings(settings), titles), "") << browser.caption;
            ASSERT_GE(titles.GetCount(), 5u) << browser.caption;
            const ListOpener walking = [&settings](CListFile& file, int listIndex) {
                file.AllowPassing(false);
                return file.Open(listIndex, settings);
            };
            // Every third title and the last (each read opens the list anew).
            for (std::size_t i = 0; i < titles.GetCount(); i += (i + 3 < titles.GetCount() ? 3 : 1)) {
                const std::string title(titles[i]);
                const std::string entry = ShowBrowserEntry(browser, OpenBySettings(settings), title);
                ASSERT_EQ(entry.compare(0, title.size(), title), 0) << browser.caption << ": " << title;
                ASSERT_EQ(entry, ShowBrowserEntry(browser, walking, title)) << browser.caption << ": " << title;
            }
        }
    }
}
