#include "documents/DocumentFile.h"

#include "listdata/RecordStore.h"
#include "platform/Archive.h"
#include "platform/Clock.h"
#include "platform/Prompt.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <vector>

namespace documentfile {

using platform::ArchiveException;

namespace {

// Calls `visit(key, value)` for each type-50 record of `store` in order; records that do
// not hold 4 bytes are passed over.
template <class Visit> void ForEachDocInfoInt(const CRecordStore& store, Visit visit)
{
    for (int i = store.FindFirst(kRecordDocInfo); i >= 0; i = store.FindNext(i, kRecordDocInfo)) {
        const InfoRecord r = store.GetRecord(i);
        std::int32_t value;
        if (r.GetInt(value))
            visit(r.key, value);
    }
}

// The version words the loader accepts.
bool ProgramVersionLoads(std::int32_t version)
{
    const std::int32_t major = version & 0xFF00;
    return major == 0x200 || major == 0x300;
}

bool DocVersionLoads(const Kind& kind, std::int32_t version)
{
    const std::int32_t major = version & 0xFF00;
    return major == 0x000 || major == 0x100 || major == 0x200 || (kind.acceptsDocVersion3 && major == 0x300);
}

} // namespace

void Today(int& year, int& month, int& day)
{
    const std::time_t now = platform::Clock().Now();
    std::tm local{};
    localtime_r(&now, &local);
    year = local.tm_year + 1900;
    month = local.tm_mon + 1;
    day = local.tm_mday;
}

void StampDocInfo(CRecordStore& store, std::int32_t docVersion)
{
    int year, month, day;
    Today(year, month, day);

    std::int32_t creator = kProgramVersion;
    std::int32_t created[3] = {year, month, day};
    ForEachDocInfoInt(store, [&](std::int32_t key, std::int32_t value) {
        if (key == kDocInfoCreatorVersion)
            creator = value;
        else if (key >= kDocInfoCreatedYear && key <= kDocInfoCreatedDay)
            created[key - kDocInfoCreatedYear] = value;
    });
    store.RemoveType(kRecordDocInfo);

    store.AddInt(kRecordDocInfo, kDocInfoCreatorVersion, creator);
    store.AddInt(kRecordDocInfo, kDocInfoUpdaterVersion, kProgramVersion);
    store.AddInt(kRecordDocInfo, kDocInfoDocVersion, docVersion);
    store.AddInt(kRecordDocInfo, kDocInfoCreatedYear, created[0]);
    store.AddInt(kRecordDocInfo, kDocInfoCreatedMonth, created[1]);
    store.AddInt(kRecordDocInfo, kDocInfoCreatedDay, created[2]);
    store.AddInt(kRecordDocInfo, kDocInfoUpdatedYear, year);
    store.AddInt(kRecordDocInfo, kDocInfoUpdatedMonth, month);
    store.AddInt(kRecordDocInfo, kDocInfoUpdatedDay, day);
}

void Store(platform::Archive& archive, const Kind& kind, Fields& fields, const CRecordStore& store)
{
    archive.Write(kind.header, std::strlen(kind.header));

    // A record whose version the loader would refuse is passed over: the document keeps
    // its own, so that every saved file loads again.
    ForEachDocInfoInt(store, [&](std::int32_t key, std::int32_t value) {
        if (key == kDocInfoCreatorVersion && ProgramVersionLoads(value))
            fields.programVersion = value;
        else if (key == kDocInfoDocVersion && DocVersionLoads(kind, value))
            fields.docVersion = value;
    });
    if (fields.programVersion == 0)
        fields.programVersion = kProgramVersion;
    if (fields.docVersion == 0)
        fields.docVersion = kind.docVersion;

    archive.WriteInt32(fields.programVersion);
    archive.WriteInt32(fields.docVersion);
    archive.WriteInt32(fields.mode);
    archive.WriteInt32(static_cast<std::int32_t>(fields.name.size() + 1));
    archive.Write(fields.name.c_str(), fields.name.size() + 1);
    store.Store(archive, fields.docVersion);
}

void Load(platform::Archive& archive, const Kind& kind, Fields& fields, CRecordStore& store)
{
    const std::size_t headerSize = std::strlen(kind.header);
    std::vector<char> header(headerSize);
    // A file too short to hold the header is foreign as well, not merely truncated.
    const std::size_t headerRead = archive.Read(header.data(), headerSize);
    if (headerRead != headerSize || (std::memcmp(header.data(), kind.header, headerSize) != 0 &&
                                     std::memcmp(header.data(), kind.oldHeader, headerSize) != 0))
        throw ArchiveException(ArchiveException::badIndex, "not a document of this kind (bad header)");

    fields.programVersion = archive.ReadInt32();
    if (!ProgramVersionLoads(fields.programVersion))
        throw ArchiveException(ArchiveException::badSchema, "unknown program version");

    fields.docVersion = archive.ReadInt32();
    if (!DocVersionLoads(kind, fields.docVersion))
        throw ArchiveException(ArchiveException::badSchema, "unknown document version");

    fields.mode = archive.ReadInt32();

    const std::int32_t length = archive.ReadInt32();
    if (length < 1)
        throw ArchiveException(ArchiveException::badIndex, "bad title length");
    if (static_cast<std::size_t>(length) > archive.BytesLeft())
        throw ArchiveException(ArchiveException::endOfFile, "title longer than the file");
    std::vector<char> text(static_cast<std::size_t>(length));
    archive.ReadExact(text.data(), text.size());
    // The title is a C string; its NUL ends it even if a damaged file has one early.
    fields.name.assign(text.begin(), std::find(text.begin(), text.end() - 1, '\0'));

    if (!store.Load(archive, fields.programVersion, fields.docVersion))
        throw ArchiveException(ArchiveException::genericException, "not enough memory for the document's records");
}

bool RefusedWhileSearching(bool searching)
{
    if (searching)
        platform::AppMessageBox("First cancel the search operation.", platform::MB_OK);
    return searching;
}

} // namespace documentfile
