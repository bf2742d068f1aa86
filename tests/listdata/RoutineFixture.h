#pragma once
// Shared by the search tests: a record target that remembers every add (and can play a
// full store), and small list files written with their header blocks.

#include "listdata/ListCatalog.h"
#include "listdata/ListFile.h"
#include "listdata/ListRoutine.h"
#include "listdata/RecordStore.h"
#include "listdata/RecordTarget.h"
#include "listdata/StoreRecordTarget.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace searchtest {

// One stored record: its type, key and data bytes as the store would hold them.
struct Rec {
    int type = 0;
    int key = 0;
    std::string data;
    bool operator==(const Rec&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Rec& r)
{
    os << "{" << r.type << "," << r.key << ",";
    bool text = !r.data.empty() && r.data.back() == '\0';
    for (std::size_t i = 0; text && i + 1 < r.data.size(); ++i)
        text = r.data[i] != '\0';
    if (text) {
        os << '"' << r.data.substr(0, r.data.size() - 1) << '"';
    } else {
        os << "bytes";
        for (unsigned char c : r.data)
            os << ' ' << static_cast<int>(c);
    }
    return os << "}";
}

inline std::string LittleEndian(std::uint64_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

// Expected records of a list (type filled in by Expect).
inline Rec T(int key, const std::string& text)
{
    return {-1, key, text + std::string(1, '\0')};
}
inline Rec I(int key, std::int32_t value)
{
    return {-1, key, LittleEndian(static_cast<std::uint32_t>(value), 4)};
}
inline Rec E(int key)
{
    return {-1, key, {}};
}
inline Rec B3(int key, int a, int b, int c)
{
    return {-1, key, std::string{char(a), char(b), char(c)}};
}
inline Rec B10(int key, const std::vector<int>& v)
{
    Rec r{-1, key, {}};
    for (int x : v)
        r.data.push_back(static_cast<char>(x));
    return r;
}

// A list's body and the records a routine stores from it (type filled in by Typed).
struct ListCase {
    const char* what;
    int list;
    std::string body;
    std::vector<Rec> records;
};

inline std::vector<Rec> Typed(int type, std::vector<Rec> records)
{
    for (Rec& r : records)
        r.type = type;
    return records;
}

class RecordingTarget : public IRecordTarget {
public:
    // Adds fail once `capacity` records are held (-1: never).
    explicit RecordingTarget(int capacity = -1) : m_capacity(capacity) {}

    bool AddEmpty(int type, int key) override { return Add(type, key, {}); }
    bool AddInt(int type, int key, std::int32_t value) override
    {
        return Add(type, key, LittleEndian(static_cast<std::uint32_t>(value), 4));
    }
    bool AddString(int type, int key, std::string_view text) override
    {
        return Add(type, key, std::string(text) + std::string(1, '\0'));
    }
    bool AddBytes3(int type, int key, std::uint32_t value) override { return Add(type, key, LittleEndian(value, 3)); }
    bool AddBytes10(int type, int key, std::uint32_t a, std::uint32_t b, std::uint16_t c) override
    {
        return Add(type, key, LittleEndian(a, 4) + LittleEndian(b, 4) + LittleEndian(c, 2));
    }

    std::vector<Rec> Records() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_records;
    }
    void Clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_records.clear();
    }
    void SetCapacity(int capacity) { m_capacity = capacity; }

private:
    bool Add(int type, int key, std::string data)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_capacity >= 0 && static_cast<int>(m_records.size()) >= m_capacity)
            return false;
        m_records.push_back({type, key, std::move(data)});
        return true;
    }

    mutable std::mutex m_mutex;
    std::vector<Rec> m_records;
    int m_capacity;
};

// A document's record store as a search reaches it, read back as Recs. Adds that carry
// data fail once `capacity` records are held (-1: never).
class StoredRecords {
public:
    explicit StoredRecords(int capacity = -1) { m_store.capacity = capacity; }

    CStoreRecordTarget& Target() { return m_target; }
    void SetCapacity(int capacity) { m_store.capacity = capacity; }
    std::vector<Rec> Records() const
    {
        auto lock = m_store.Lock();
        std::vector<Rec> out;
        for (int i = 0; i < m_store.GetCount(); ++i) {
            const InfoRecord r = m_store.GetRecord(i);
            out.push_back({r.type, r.key, std::string(reinterpret_cast<const char*>(r.data), r.data ? r.size : 0)});
        }
        return out;
    }

private:
    struct Store : CRecordStore {
        int capacity = -1;
        unsigned char* AllocateData(std::size_t size) override
        {
            return capacity >= 0 && GetCount() >= capacity ? nullptr : CRecordStore::AllocateData(size);
        }
    };
    Store m_store;
    CStoreRecordTarget m_target{m_store};
};

// The list's file as the provider writes it: preamble, header line and header block, then
// `body` (lines separated by '\n'), then the trailer.
inline std::string ListText(int listIndex, const std::string& body)
{
    const ListCatalogEntry& entry = ListCatalog[listIndex];
    std::string text = "CRC: 0x00000000  Date: Fri Dec  4 00:00:00 2026\n\nCopyright notice\n\n";
    if (entry.kind == 2) {
        text += std::string(entry.header) + "\n==============\nNew  Distribution  Votes  Rank  Title\n";
        return text + body;
    }
    text += std::string(entry.header) + "\n" + std::string(std::string(entry.header).size(), '=') + "\n";
    if (entry.kind == 1)
        text += "\nName\t\t\tTitles\n----\t\t\t------\n";
    return text + body;
}

// Writes the list into `dir` under its default file name and runs `routine` on it.
inline std::vector<Rec> RunRoutine(ListRoutine routine, int listIndex, const std::string& body, const std::string& key,
                                   bool* result = nullptr, int capacity = -1)
{
    testsupport::TempDir dir;
    const std::string path = dir.File(DefaultListFileName(listIndex));
    testsupport::WriteFile(path, ListText(listIndex, body));
    CListFile file;
    if (!file.OpenPath(listIndex, path) || !file.FindStart()) {
        ADD_FAILURE() << "fixture list " << listIndex << " not readable";
        return {};
    }
    RecordingTarget target(capacity);
    const bool ok = routine(listIndex, file, key, target);
    if (result)
        *result = ok;
    return target.Records();
}

inline std::vector<Rec> RunMovie(int listIndex, const std::string& body, const std::string& title,
                                 bool* result = nullptr)
{
    return RunRoutine(MovieListRoutine(listIndex), listIndex, body, title, result);
}

inline std::vector<Rec> RunCast(int listIndex, const std::string& body, const std::string& person,
                                bool* result = nullptr)
{
    return RunRoutine(CastListRoutine(listIndex), listIndex, body, person, result);
}

} // namespace searchtest
