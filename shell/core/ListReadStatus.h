#pragma once

#include "listdata/ListOpen.h"
#include "shell/core/BrowserList.h"

#include <string>
#include <string_view>

namespace shellcore {

// How a dialog's read of a list ended: a read error is reported as a list that cannot be
// opened, keeping what was read before it.
using ::ListReadStatus;

// ::OpenAtStart of list `listIndex` with `open`.
ListReadStatus OpenAtStart(const ListOpener& open, CListFile& file, int listIndex);

// The text of the message box the Specials show for a read of list `listName` that ended
// with `status`: the list could not be opened or read, or its beginning was not found.
// Empty for Ok.
std::string ListFailureText(std::string_view listName, ListReadStatus status);

// The same for the browsers: the text of the message box while the titles load (of the
// entry box), the beginning failure for NoBeginning and the open failure for any other
// failure. Empty for Ok.
std::string BrowserBoxFailure(const char* listName, ListReadStatus status);
std::string BrowserEntryFailure(const char* listName, ListReadStatus status);

} // namespace shellcore
