#pragma once
// The one way every reader of a list opens it and finds its first record. Whatever fails
// on the way, a file that will not open, reads that fail, or the reader's buffer that
// cannot be made, comes back as an outcome for the caller to word: nothing is thrown.

#include "listdata/ListFile.h"

#include <exception>

// How opening, or a later read of, a list ended. A read error, or memory running out,
// is told to the user as a list that cannot be opened.
enum class ListReadStatus { Ok, CannotOpen, NoBeginning, ReadError };

// Opens a list into `file` with `open(file)` (false: the list cannot be opened) and moves
// it to the list's first record. ReadError when anything on the way threw. On any
// outcome but Ok, `file` is left closed.
template <class Open> ListReadStatus OpenAtStart(CListFile& file, Open&& open)
{
    ListReadStatus status = ListReadStatus::ReadError;
    try {
        if (!open(file))
            status = ListReadStatus::CannotOpen;
        else
            status = file.FindStart() ? ListReadStatus::Ok : ListReadStatus::NoBeginning;
    } catch (const std::exception&) {
        // The file's reads failed, or its buffer could not be made as it opened.
    }
    if (status != ListReadStatus::Ok)
        file.Close();
    return status;
}
