#pragma once
// What a list browser reads and how: the list, how a record's first line gives its title,
// the list's name in the failure texts and the layout of an entry; and the two reads every
// browser makes, loading all titles and showing one title's entry. Each read opens the
// list anew, reads it from its start and closes it. Plain C++, on the caller's thread.

#include "shell/core/BrowserEntry.h"

#include <functional>
#include <string>
#include <string_view>

class CAppSettings;
class CListFile;

namespace shellcore {

class CTitleArena;

struct BrowserList {
    int listIndex;
    const char* caption;
    // The prefix cut from a record's first line ("# ", "MV: "); null: the whole line.
    const char* titlePrefix;
    // The list's name in the message boxes and in the entry box.
    const char* boxListName;
    const char* entryListName;
    EntryLayout layout;
};

// The ten browsers of records with lines, in the order of their names.
enum BrowserListId : int {
    kAltVersionsBrowser,
    kBusinessBrowser,
    kCrazyCreditsBrowser,
    kGoofsBrowser,
    kMovieLinksBrowser,
    kPlotBrowser,
    kQuotesBrowser,
    kSoundtracksBrowser,
    kTaglinesBrowser,
    kTriviaBrowser,
    kBrowserListCount
};
extern const BrowserList BrowserLists[kBrowserListCount];

// Failure texts, with a list's name: message boxes while the titles load ("\n"), entry box
// texts ("\r\n", the beginning failure without a final full stop).
std::string BrowserBoxOpenFailure(const char* listName);
std::string BrowserBoxStartFailure(const char* listName);
std::string BrowserEntryOpenFailure(const char* listName);
std::string BrowserEntryStartFailure(const char* listName);
// The entry text when no record has the selected title.
extern const char* const kBrowserTitleNotFound;

// The title of a record's first line (newline kept, read up to a NUL): with `prefix`, the
// line without it when it begins with it, then without trailing newlines, tabs and blanks
// (never cut below the prefix, nor to nothing when there was none); without, the line
// without trailing newlines, tabs and blanks.
std::string_view BrowserTitle(const char* line, const char* prefix);

// Opens list `listIndex` into `file`; false when it cannot be opened.
using ListOpener = std::function<bool(CListFile& file, int listIndex)>;
// Opens the list by the settings' path and file name (kept by reference).
ListOpener OpenBySettings(const CAppSettings& settings);

// Fills `titles` with the title of every record, in file order. Returns the text of the
// message box to show, empty when none. A read error, or any failure while the list is
// opened or read, is reported as a list that cannot be opened; the titles read until
// then stay.
std::string LoadBrowserTitles(const BrowserList& browser, const ListOpener& open, CTitleArena& titles);

// The entry of the first record whose title equals `title` byte for byte, or the failure
// text. A read error, or any failure while the list is opened or read, reads as a list
// that cannot be opened.
std::string ShowBrowserEntry(const BrowserList& browser, const ListOpener& open, std::string_view title);

} // namespace shellcore
