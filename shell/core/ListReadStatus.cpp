#include "shell/core/ListReadStatus.h"

#include "listdata/ListFile.h"

#include <exception>

namespace shellcore {

ListReadStatus OpenAtStart(const ListOpener& open, CListFile& file, int listIndex)
{
    try {
        if (!open(file, listIndex))
            return ListReadStatus::CannotOpen;
        return file.FindStart() ? ListReadStatus::Ok : ListReadStatus::NoBeginning;
    } catch (const std::exception&) {
        // A read error, or memory running out as the reader makes its buffers or reads.
        return ListReadStatus::ReadError;
    }
}

std::string ListFailureText(std::string_view listName, ListReadStatus status)
{
    if (status == ListReadStatus::Ok)
        return {};
    const char* reason =
        status == ListReadStatus::NoBeginning ? "Couldn't find begining of file." : "Couldn't open file.";
    return "Error in Listfile '" + std::string(listName) + "':\n" + reason;
}

} // namespace shellcore
