#pragma once
// The parts that the Movie/TV and Cast/Crew documents share: the document-information
// stamp and the file layout (header, program version, document version, view mode,
// title or name, record store block). The two kinds differ only in header, default
// document version and which document versions they accept.

#include <cstdint>
#include <string>

class CRecordStore;
namespace platform {
class Archive;
}

namespace documentfile {

// The header fields of a document file.
struct Fields {
    std::int32_t programVersion = 0;
    std::int32_t docVersion = 0;
    std::int32_t mode = 0;
    std::string name;
};

// What tells the two kinds apart.
struct Kind {
    const char* header;      // written, and accepted on load
    const char* oldHeader;   // accepted on load
    std::int32_t docVersion; // written when the document has none
    bool acceptsDocVersion3; // document versions 0x3xx load
};

// Rewrites the type-50 records of `store`: creator version and creation date are kept
// (a later record of a key wins; only 4-byte records count), every type-50 record is
// removed, and the nine records are added again in the order 0, 8, 1, 2-7 with today's
// local date as the date of the last update. The caller holds the store's lock.
void StampDocInfo(CRecordStore& store, std::int32_t docVersion);

// Today's local date from the platform clock.
void Today(int& year, int& month, int& day);

// Writes the file. The version fields are first taken from the type-50 records (keys 0
// and 1) that hold a version the loader accepts; a field still 0 then gets the program
// version or `kind.docVersion`, so a saved file always loads again. The caller holds the store's lock.
void Store(platform::Archive& archive, const Kind& kind, Fields& fields, const CRecordStore& store);

// Reads the file into `fields` and `store`. Throws platform::ArchiveException: badIndex
// for a foreign header (a file shorter than the header included), badSchema for a
// version word not accepted, genericException when the store ran out of memory,
// endOfFile or badIndex for a truncated or damaged file.
void Load(platform::Archive& archive, const Kind& kind, Fields& fields, CRecordStore& store);

// Save, Save As and the save question are refused while a search is writing the
// document's records: says "First cancel the search operation." and returns true then.
bool RefusedWhileSearching(bool searching);

} // namespace documentfile
