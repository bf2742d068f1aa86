#include "shell/core/BrowserList.h"

#include "listdata/AppSettings.h"
#include "listdata/ListCatalog.h"
#include "listdata/ListFile.h"
#include "listdata/TextChars.h"
#include "shell/core/ListReadStatus.h"
#include "shell/core/TitleArena.h"

#include <cstring>
#include <exception>

namespace shellcore {

const BrowserList BrowserLists[kBrowserListCount] = {
    {kAlternateVersions, "Alternate Versions Browser", "# ", "Alternate Versions", "Alternate-Versions",
     EntryLayout::Plain},
    {kBusiness, "Business Browser", "MV: ", "Business", "Business", EntryLayout::Business},
    {kCrazyCredits, "Crazy Credits Browser", "# ", "Crazy-Credits", "Crazy-Credits", EntryLayout::Plain},
    {kGoofs, "Goofs Browser", "# ", "Goofs", "Goofs", EntryLayout::Goofs},
    {kMovieLinks, "Movie Links Browser", nullptr, "Movie-Links", "Movie-Links", EntryLayout::MovieLinks},
    {kPlot, "Plot Browser", "MV: ", "Plot", "Plot", EntryLayout::Plot},
    {kQuotes, "Quotes Browser", "# ", "Quotes", "Quotes", EntryLayout::Quotes},
    {kSoundtracks, "Soundtracks Browser", "# ", "Soundtracks", "Soundtracks", EntryLayout::Plain},
    {kTaglines, "Taglines Browser", "# ", "Taglines", "Taglines", EntryLayout::Taglines},
    {kTrivia, "Trivia Browser", "# ", "Trivia", "Trivia", EntryLayout::Plain},
};

const char* const kBrowserTitleNotFound = "Error!\r\nCouldn't find any info about the selected Title.";

namespace {

std::string Failure(const char* listName, const char* lineBreak, const char* reason)
{
    return std::string("Error in ListFile '") + listName + "':" + lineBreak + reason;
}

} // namespace

std::string BrowserBoxOpenFailure(const char* listName)
{
    return Failure(listName, "\n", "Couldn't open file.");
}

std::string BrowserBoxStartFailure(const char* listName)
{
    return Failure(listName, "\n", "Couldn't find begining of list.");
}

std::string BrowserEntryOpenFailure(const char* listName)
{
    return Failure(listName, "\r\n", "Couldn't open file.");
}

std::string BrowserEntryStartFailure(const char* listName)
{
    return Failure(listName, "\r\n", "Couldn't find begining of list");
}

std::string_view BrowserTitle(const char* line, const char* prefix)
{
    std::size_t start = 0;
    if (prefix) {
        const std::size_t prefixLength = std::strlen(prefix);
        if (std::strncmp(line, prefix, prefixLength) == 0)
            start = prefixLength;
    }
    std::size_t end = start + std::strlen(line + start);
    // The whole-line rule may cut a line to nothing; the prefix rule keeps a first
    // character when no prefix was cut.
    const std::size_t limit = prefix ? (start > 0 ? start : 1) : 0;
    while (end > limit && textchars::IsTrailingWhite(line[end - 1]))
        --end;
    if (end < start)
        end = start;
    return std::string_view(line + start, end - start);
}

ListOpener OpenBySettings(const CAppSettings& settings)
{
    return [&settings](CListFile& file, int listIndex) { return file.Open(listIndex, settings); };
}

std::string LoadBrowserTitles(const BrowserList& browser, const ListOpener& open, CTitleArena& titles)
{
    titles.Clear();
    CListFile file;
    ListReadStatus status = OpenAtStart(open, file, browser.listIndex);
    if (status == ListReadStatus::Ok) {
        try {
            while (file.NextRecord())
                titles.Add(BrowserTitle(file.GetLine(), browser.titlePrefix));
        } catch (const std::exception&) {
            // What was read stays listed.
            status = ListReadStatus::ReadError;
        }
    }
    titles.FinishAdding();
    file.Close();
    return BrowserBoxFailure(browser.boxListName, status);
}

std::string ShowBrowserEntry(const BrowserList& browser, const ListOpener& open, std::string_view title)
{
    CListFile file;
    const ListReadStatus status = OpenAtStart(open, file, browser.listIndex);
    if (status != ListReadStatus::Ok)
        return BrowserEntryFailure(browser.entryListName, status);
    std::string entry = kBrowserTitleNotFound;
    try {
        for (;;) {
            // Only a record whose first line holds the title can be the one.
            file.PassRecordStartsWithout(title);
            if (!file.NextRecord())
                break;
            if (BrowserTitle(file.GetLine(), browser.titlePrefix) == title) {
                entry = ComposeBrowserEntry(browser.layout, title, FurtherLinesOf(file));
                break;
            }
        }
    } catch (const std::exception&) {
        entry = BrowserEntryOpenFailure(browser.entryListName);
    }
    file.Close();
    return entry;
}

} // namespace shellcore
