#pragma once

#include "shell/core/BrowserList.h"

#include <string>
#include <string_view>

namespace shellcore {

// How a dialog's read of a list ended: a read error is reported as a list that cannot be
// opened, keeping what was read before it.
enum class ListReadStatus { Ok, CannotOpen, NoBeginning, ReadError };

// Opens list `listIndex` into `file` with `open` and moves it to the list's first record:
// Ok, CannotOpen, NoBeginning, or ReadError when reading, or anything else (memory
// running out), failed on the way.
ListReadStatus OpenAtStart(const ListOpener& open, CListFile& file, int listIndex);

// The text of the message box the Specials show for a read of list `listName` that ended
// with `status`: the list could not be opened or read, or its beginning was not found.
// Empty for Ok.
std::string ListFailureText(std::string_view listName, ListReadStatus status);

} // namespace shellcore
