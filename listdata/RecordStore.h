#pragma once
// A document's content: an ordered collection of typed records, each a small block of
// bytes tagged with a record type and a sub key. Records keep their insertion order; the
// order in which a search routine adds them is the order in which the views find them.
//
// Threads: the store does no locking of its own. The search thread writes a store while
// the GUI thread may read it, so every caller that can meet the other thread holds
// Lock(): the search thread for each add, remove and stamp, a view for a whole rebuild,
// a save for the whole write, a dialog for as long as it reads.

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace platform {
class Archive;
}

// Record types 0-47 are list indices of the catalogue: records taken from that list.
enum RecordType : int {
    kRecordHeading = 48,    // the title or name as a C string, key 0
    kRecordWebAddress = 49, // the provider's title or name link as a C string, key 0
    kRecordDocInfo = 50,    // document information: 4-byte integers, keys DocInfoKey
    kRecordTypeCount = 51,
};

// Keys of the document-information records (type 50).
enum DocInfoKey : int {
    kDocInfoCreatorVersion = 0, // program version that created the document
    kDocInfoDocVersion = 1,     // document-format version word
    kDocInfoCreatedYear = 2,
    kDocInfoCreatedMonth = 3,
    kDocInfoCreatedDay = 4,
    kDocInfoUpdatedYear = 5, // date of the last search
    kDocInfoUpdatedMonth = 6,
    kDocInfoUpdatedDay = 7,
    kDocInfoUpdaterVersion = 8, // program version of the last search
};

// Version words: high byte major, low byte minor.
constexpr std::int32_t kProgramVersion = 0x305;
constexpr std::int32_t kMovieTVDocVersion = 0x300;
constexpr std::int32_t kCastCrewDocVersion = 0x200;

// Growth steps of the two document kinds.
constexpr int kCastCrewGrowBy = 250;
constexpr int kMovieTVGrowBy = 500;

// One record, copied by value. `data` belongs to the store that handed it out and is
// valid until the record is removed or the store is cleared or destroyed.
struct InfoRecord {
    std::int32_t type = -1;
    std::int32_t key = 0;
    std::int32_t size = 0;
    unsigned char* data = nullptr; // null when size is 0

    // The value of a 4-byte record (little-endian). False, leaving `value` alone, for a
    // record of another size, so a damaged file never makes a view read past the data.
    bool GetInt(std::int32_t& value) const;
    // The value of a string record: its bytes up to the first NUL, never past `size`.
    // Empty for a record without data.
    const char* GetText() const;
    std::size_t GetTextLength() const;
};

class CRecordStore {
public:
    static constexpr int kMaxRecords = 0x7FFF;

    CRecordStore();
    virtual ~CRecordStore();
    CRecordStore(const CRecordStore&) = delete;
    CRecordStore& operator=(const CRecordStore&) = delete;

    // Frees every record and starts empty, with room for `initialSize` records and
    // growth in steps of `growBy` records.
    void Init(int initialSize, int growBy);

    // The lock that every reader and writer meeting another thread holds (see above).
    std::unique_lock<std::mutex> Lock() const { return std::unique_lock<std::mutex>(m_mutex); }

    int GetCount() const { return static_cast<int>(m_records.size()); }
    // A copy of record `index`; a record of type -1 and no data when `index` is outside
    // 0 .. GetCount()-1.
    InfoRecord GetRecord(int index) const;

    // Every add appends; each returns false and changes nothing when the store holds
    // kMaxRecords records or memory fails.
    bool AddEmpty(int type, int key);
    bool AddInt(int type, int key, std::int32_t value);
    // A copy of the C string with its NUL (size = length + 1); null adds an empty string.
    bool AddString(int type, int key, const char* text);
    // The low three bytes of `value`.
    bool AddBytes3(int type, int key, std::int32_t value);
    // `value1`, `value2` and `value3` laid one after another, little-endian (10 bytes).
    bool AddBytes10(int type, int key, std::int32_t value1, std::int32_t value2, std::int16_t value3);

    // Indexes of records in insertion order; -1 when none.
    int FindFirst(int type) const;
    // The first record of `type` whose key lies in [minKey, maxKey]; a negative maxKey
    // means the key must equal minKey.
    int FindFirstInRange(int type, int minKey, int maxKey) const;
    // The next record of `type` after `index`; -1 when none or when `index` is not below
    // GetCount().
    int FindNext(int index, int type) const;
    int FindNextInRange(int index, int type, int minKey, int maxKey) const;
    // Walks the records of `type` after `index`: at the first whose key is `key` sets
    // `index` to it and returns true; at the first whose key is `stopKey` (tested after
    // `key`) sets `index` to it and returns false; at the end sets `index` to -1 and
    // returns false. When `index` is not below GetCount() returns false and leaves it.
    bool FindNextUntil(int& index, int type, int key, int stopKey) const;

    // Removes every record of `type`; the others keep their order.
    void RemoveType(int type);
    // Removes the records of the 48 lists (types 0-47); heading, web address and
    // document information stay.
    void RemoveListRecords();
    // Moves the records of `type` to the end of `to`, in their order; their data moves
    // with them. Throws std::bad_alloc, having moved nothing, when `to` cannot grow.
    void MoveType(int type, CRecordStore& to);
    // Puts the records in the order a search of every list places them: the other types
    // first, in their order, then the lists' records by list index, each list's records
    // in their order.
    void OrderListRecords();

    // Writes the block: number of record types, number of records, then each record as
    // type, key, size and data. `docVersion` is the document version written in the same
    // file; below 0x200 the block carries the older layout that Load expects for it, so
    // whatever is written reads back. Current documents get the current layout.
    void Store(platform::Archive& archive, int docVersion = kMovieTVDocVersion) const;
    // Replaces the content with the block read in the layout of `docVersion` (below
    // 0x100 no number of types; below 0x200 an old index to skip). `programVersion` is
    // not used. Returns false when memory for a record fails; the records read so far
    // stay and GetCount() is their number. Throws platform::ArchiveException when the
    // block is truncated or a count or size is negative or larger than the bytes left.
    bool Load(platform::Archive& archive, int programVersion, int docVersion);

protected:
    // Memory for a record's data, freed with delete[]; null when it fails. Tests override
    // it to fail (returning null or the base's memory).
    virtual unsigned char* AllocateData(std::size_t size);

private:
    bool Append(int type, int key, const void* bytes, std::size_t size);
    bool MakeRoom();
    void FreeAll();

    std::vector<InfoRecord> m_records;
    int m_growBy = 0;
    mutable std::mutex m_mutex;
};
