#include "listdata/RecordStore.h"

#include "listdata/ListCatalog.h"
#include "platform/Archive.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr int kOldTypeCount = 50;
constexpr std::size_t kRecordHeaderSize = 12; // type, key, size

bool KeyInRange(int key, int minKey, int maxKey)
{
    return maxKey < 0 ? key == minKey : key >= minKey && key <= maxKey;
}

void PutInt32(unsigned char* out, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    out[0] = static_cast<unsigned char>(v);
    out[1] = static_cast<unsigned char>(v >> 8);
    out[2] = static_cast<unsigned char>(v >> 16);
    out[3] = static_cast<unsigned char>(v >> 24);
}

} // namespace

bool InfoRecord::GetInt(std::int32_t& value) const
{
    if (size != 4 || data == nullptr)
        return false;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
                                      static_cast<std::uint32_t>(data[2]) << 16 |
                                      static_cast<std::uint32_t>(data[3]) << 24);
    return true;
}

const char* InfoRecord::GetText() const
{
    return data != nullptr && size > 0 ? reinterpret_cast<const char*>(data) : "";
}

std::size_t InfoRecord::GetTextLength() const
{
    if (data == nullptr || size <= 0)
        return 0;
    const void* nul = std::memchr(data, 0, static_cast<std::size_t>(size));
    return nul ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - data)
               : static_cast<std::size_t>(size);
}

CRecordStore::CRecordStore() = default;

CRecordStore::~CRecordStore()
{
    FreeAll();
}

void CRecordStore::FreeAll()
{
    for (InfoRecord& r : m_records)
        delete[] r.data;
    m_records.clear();
}

void CRecordStore::Init(int initialSize, int growBy)
{
    FreeAll();
    m_growBy = growBy > 0 ? growBy : 0;
    if (initialSize > 0) {
        try {
            m_records.reserve(static_cast<std::size_t>(initialSize));
        } catch (const std::bad_alloc&) {
            // The array simply grows later.
        }
    }
}

InfoRecord CRecordStore::GetRecord(int index) const
{
    if (index < 0 || index >= GetCount())
        return InfoRecord{};
    return m_records[static_cast<std::size_t>(index)];
}

unsigned char* CRecordStore::AllocateData(std::size_t size)
{
    return new (std::nothrow) unsigned char[size];
}

bool CRecordStore::MakeRoom()
{
    if (m_records.size() < m_records.capacity())
        return true;
    // Grow in the document's steps so that thousands of adds reallocate rarely.
    const std::size_t step = m_growBy > 0 ? static_cast<std::size_t>(m_growBy) : m_records.size() / 2 + 16;
    std::size_t wanted = m_records.capacity() + step;
    if (wanted > static_cast<std::size_t>(kMaxRecords))
        wanted = kMaxRecords;
    try {
        m_records.reserve(wanted);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool CRecordStore::Append(int type, int key, const void* bytes, std::size_t size)
{
    if (GetCount() >= kMaxRecords || !MakeRoom())
        return false;
    InfoRecord record;
    record.type = type;
    record.key = key;
    record.size = static_cast<std::int32_t>(size);
    if (size != 0) {
        record.data = AllocateData(size);
        if (record.data == nullptr)
            return false;
        std::memcpy(record.data, bytes, size);
    }
    m_records.push_back(record); // cannot throw: MakeRoom made room
    return true;
}

bool CRecordStore::AddEmpty(int type, int key)
{
    return Append(type, key, nullptr, 0);
}

bool CRecordStore::AddInt(int type, int key, std::int32_t value)
{
    unsigned char b[4];
    PutInt32(b, value);
    return Append(type, key, b, sizeof b);
}

bool CRecordStore::AddString(int type, int key, const char* text)
{
    if (text == nullptr)
        text = "";
    return Append(type, key, text, std::strlen(text) + 1);
}

bool CRecordStore::AddBytes3(int type, int key, std::int32_t value)
{
    unsigned char b[4];
    PutInt32(b, value);
    return Append(type, key, b, 3);
}

bool CRecordStore::AddBytes10(int type, int key, std::int32_t value1, std::int32_t value2, std::int16_t value3)
{
    unsigned char b[10];
    PutInt32(b, value1);
    PutInt32(b + 4, value2);
    const auto v3 = static_cast<std::uint16_t>(value3);
    b[8] = static_cast<unsigned char>(v3);
    b[9] = static_cast<unsigned char>(v3 >> 8);
    return Append(type, key, b, sizeof b);
}

int CRecordStore::FindFirst(int type) const
{
    return FindNext(-1, type);
}

int CRecordStore::FindFirstInRange(int type, int minKey, int maxKey) const
{
    return FindNextInRange(-1, type, minKey, maxKey);
}

int CRecordStore::FindNext(int index, int type) const
{
    const int count = GetCount();
    for (int i = index < 0 ? 0 : index + 1; i < count; ++i)
        if (m_records[static_cast<std::size_t>(i)].type == type)
            return i;
    return -1;
}

int CRecordStore::FindNextInRange(int index, int type, int minKey, int maxKey) const
{
    const int count = GetCount();
    for (int i = index < 0 ? 0 : index + 1; i < count; ++i) {
        const InfoRecord& r = m_records[static_cast<std::size_t>(i)];
        if (r.type == type && KeyInRange(r.key, minKey, maxKey))
            return i;
    }
    return -1;
}

bool CRecordStore::FindNextUntil(int& index, int type, int key, int stopKey) const
{
    const int count = GetCount();
    if (index >= count)
        return false;
    for (int i = index < 0 ? 0 : index + 1; i < count; ++i) {
        const InfoRecord& r = m_records[static_cast<std::size_t>(i)];
        if (r.type != type)
            continue;
        if (r.key == key) {
            index = i;
            return true;
        }
        if (r.key == stopKey) {
            index = i;
            return false;
        }
    }
    index = -1;
    return false;
}

void CRecordStore::RemoveType(int type)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (m_records[i].type == type)
            delete[] m_records[i].data;
        else
            m_records[kept++] = m_records[i];
    }
    m_records.resize(kept);
}

void CRecordStore::RemoveListRecords()
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        const int type = m_records[i].type;
        if (type >= 0 && type < kListCount)
            delete[] m_records[i].data;
        else
            m_records[kept++] = m_records[i];
    }
    m_records.resize(kept);
}

void CRecordStore::MoveType(int type, CRecordStore& to)
{
    std::size_t moving = 0;
    for (const InfoRecord& r : m_records)
        moving += r.type == type;
    to.m_records.reserve(to.m_records.size() + moving);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (m_records[i].type == type)
            to.m_records.push_back(m_records[i]); // cannot throw: room was made above
        else
            m_records[kept++] = m_records[i];
    }
    m_records.resize(kept);
}

void CRecordStore::OrderListRecords()
{
    // Other types rank before every list.
    const auto rank = [](const InfoRecord& r) { return r.type >= 0 && r.type < kListCount ? r.type : -1; };
    const auto before = [&](const InfoRecord& a, const InfoRecord& b) { return rank(a) < rank(b); };
    // stable_sort takes a buffer if it can and sorts in place otherwise: it never throws.
    if (!std::is_sorted(m_records.begin(), m_records.end(), before))
        std::stable_sort(m_records.begin(), m_records.end(), before);
}

void CRecordStore::Store(platform::Archive& archive, int docVersion) const
{
    const std::int32_t typeCount = kRecordTypeCount;
    if (docVersion >= 0x100)
        archive.WriteInt32(typeCount);
    archive.WriteInt32(GetCount());
    if (docVersion < 0x200) {
        // The old index's content is never read back; only its room counts.
        const int pairs = docVersion >= 0x100 ? typeCount : kOldTypeCount;
        for (int i = 0; i < 2 * pairs; ++i)
            archive.WriteInt32(0);
    }
    for (const InfoRecord& r : m_records) {
        archive.WriteInt32(r.type);
        archive.WriteInt32(r.key);
        archive.WriteInt32(r.size);
        if (r.size > 0)
            archive.Write(r.data, static_cast<std::size_t>(r.size));
    }
}

bool CRecordStore::Load(platform::Archive& archive, int /*programVersion*/, int docVersion)
{
    using platform::ArchiveException;
    FreeAll();

    std::int32_t typeCount = kOldTypeCount;
    if (docVersion >= 0x100)
        typeCount = archive.ReadInt32();
    const std::int32_t count = archive.ReadInt32();
    if (count < 0)
        throw ArchiveException(ArchiveException::badIndex, "negative record count");

    if (docVersion < 0x200) {
        if (typeCount < 0)
            throw ArchiveException(ArchiveException::badIndex, "negative number of record types");
        const std::size_t indexSize = static_cast<std::size_t>(typeCount) * 8;
        if (indexSize > archive.BytesLeft())
            throw ArchiveException(ArchiveException::endOfFile, "record index larger than the file");
        std::vector<unsigned char> skipped(indexSize);
        archive.ReadExact(skipped.data(), indexSize);
    }

    // Every record takes at least its 12 header bytes, so a count the bytes left cannot
    // hold is refused before anything is allocated for it.
    if (static_cast<std::size_t>(count) > archive.BytesLeft() / kRecordHeaderSize)
        throw ArchiveException(ArchiveException::endOfFile, "record count larger than the file");
    try {
        m_records.reserve(static_cast<std::size_t>(count));
    } catch (const std::bad_alloc&) {
        return false;
    }

    for (std::int32_t i = 0; i < count; ++i) {
        InfoRecord record;
        record.type = archive.ReadInt32();
        record.key = archive.ReadInt32();
        record.size = archive.ReadInt32();
        if (record.size < 0)
            throw ArchiveException(ArchiveException::badIndex, "negative record size");
        const auto size = static_cast<std::size_t>(record.size);
        if (size > archive.BytesLeft())
            throw ArchiveException(ArchiveException::endOfFile, "record larger than the file");
        if (size != 0) {
            record.data = AllocateData(size);
            if (record.data == nullptr)
                return false;
            archive.ReadExact(record.data, size);
        }
        m_records.push_back(record);
    }
    return true;
}
