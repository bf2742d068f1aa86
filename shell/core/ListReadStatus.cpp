#include "shell/core/ListReadStatus.h"

#include "listdata/ListFile.h"

namespace shellcore {

ListReadStatus OpenAtStart(const ListOpener& open, CListFile& file, int listIndex)
{
    return ::OpenAtStart(file, [&](CListFile& opening) { return open(opening, listIndex); });
}

std::string ListFailureText(std::string_view listName, ListReadStatus status)
{
    if (status == ListReadStatus::Ok)
        return {};
    const char* reason =
        status == ListReadStatus::NoBeginning ? "Couldn't find begining of file." : "Couldn't open file.";
    return "Error in Listfile '" + std::string(listName) + "':\n" + reason;
}

std::string BrowserBoxFailure(const char* listName, ListReadStatus status)
{
    if (status == ListReadStatus::Ok)
        return {};
    return status == ListReadStatus::NoBeginning ? BrowserBoxStartFailure(listName) : BrowserBoxOpenFailure(listName);
}

std::string BrowserEntryFailure(const char* listName, ListReadStatus status)
{
    if (status == ListReadStatus::Ok)
        return {};
    return status == ListReadStatus::NoBeginning ? BrowserEntryStartFailure(listName)
                                                 : BrowserEntryOpenFailure(listName);
}

} // namespace shellcore
