#pragma once
// The common form of the list routines that collect a document's records from one list
// file, and the cancel flag that every routine polls after each record.

#include <atomic>
#include <string>

class CListFile;
class IRecordTarget;

// Set by the Searching dialog (any thread); cleared once at the start of each run.
extern std::atomic<bool> g_bCancelSearch;

// `file` is open on list `listIndex` and positioned by FindStart on its first data line;
// `key` is the document's title (Movie/TV) or person name (Cast/Crew) as stored. Adds
// records of type `listIndex` to `out`. Returns false only when a record failed to be
// stored. A read error of the file escapes as platform::FileException.
using ListRoutine = bool (*)(int listIndex, CListFile& file, const std::string& key, IRecordTarget& out);

// The routine that serves list `listIndex` for a Movie/TV or a Cast/Crew document; null
// for a list that the document kind never reads.
ListRoutine MovieListRoutine(int listIndex);
ListRoutine CastListRoutine(int listIndex);
