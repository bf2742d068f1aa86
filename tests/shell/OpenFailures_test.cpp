#include "shell/core/BrowserList.h"
#include "shell/core/RatingsTables.h"
#include "shell/core/TitleArena.h"
#include "support/FixtureLists.h"

#include <gtest/gtest.h>

#include <functional>

using namespace shellcore;

// Whatever an opener throws, memory running out as the reader makes its buffer or a read
// that fails, each reader of a list in the browsers and the Specials tells it in its own
// words as a list that cannot be opened.
TEST(OpenFailures, AnOpenerThatThrowsReadsAsAListThatCannotBeOpened)
{
    const BrowserList& trivia = BrowserLists[kTriviaBrowser];
    const auto titles = [](const std::function<std::string(CTitleArena&)>& load) {
        CTitleArena arena;
        return load(arena);
    };
    const auto ranked = [](const ListOpener& open, RatingsTable table) {
        std::vector<RankedTitle> rows;
        return LoadRankedTitles(open, table, rows);
    };
    const std::string rankedFailure = "Error in Listfile 'Ratings':\nCouldn't open file.";
    const struct {
        const char* reader;
        std::function<std::string(const ListOpener&)> read;
        std::string text;
    } cases[] = {
        {"browser titles",
         [&](const ListOpener& open) {
             return titles([&](CTitleArena& arena) { return LoadBrowserTitles(trivia, open, arena); });
         },
         BrowserBoxOpenFailure("Trivia")},
        {"browser entry", [&](const ListOpener& open) { return ShowBrowserEntry(trivia, open, "Alpha (1950)"); },
         BrowserEntryOpenFailure("Trivia")},
        {"ratings titles",
         [&](const ListOpener& open) {
             return titles([&](CTitleArena& arena) { return LoadRatingsTitles(open, arena); });
         },
         BrowserBoxOpenFailure("Ratings")},
        {"ratings entry", [](const ListOpener& open) { return ShowRatingsEntry(open, "Alpha (1990)"); },
         BrowserEntryOpenFailure("Ratings")},
        {"top 250", [&](const ListOpener& open) { return ranked(open, RatingsTable::Top); }, rankedFailure},
        {"bottom 10", [&](const ListOpener& open) { return ranked(open, RatingsTable::Bottom); }, rankedFailure},
    };
    for (const auto& c : cases)
        for (const bool outOfMemory : {false, true})
            EXPECT_EQ(c.read(testsupport::OpenThrowing(outOfMemory)), c.text) << c.reader << " " << outOfMemory;
}
