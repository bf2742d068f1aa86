#include "listdata/RecordStore.h"

#include "platform/Archive.h"
#include "support/ByteBuilder.h"

#include <atomic>
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

using platform::Archive;
using platform::ArchiveException;

namespace {

using testsupport::Bytes;

std::vector<unsigned char> Stored(const CRecordStore& store, int docVersion = kMovieTVDocVersion)
{
    Archive ar;
    store.Store(ar, docVersion);
    return ar.Data();
}

std::vector<int> Keys(const CRecordStore& store)
{
    std::vector<int> keys;
    for (int i = 0; i < store.GetCount(); ++i)
        keys.push_back(store.GetRecord(i).key);
    return keys;
}

// A store whose memory runs out after a number of data allocations.
class FailingStore : public CRecordStore {
public:
    int allocationsLeft = 0;

protected:
    unsigned char* AllocateData(std::size_t size) override
    {
        if (allocationsLeft <= 0)
            return nullptr;
        --allocationsLeft;
        return CRecordStore::AllocateData(size);
    }
};

// One record of every value kind.
void FillEveryKind(CRecordStore& store)
{
    store.AddEmpty(7, 3);
    store.AddInt(kRecordDocInfo, kDocInfoCreatorVersion, 0x305);
    store.AddInt(12, -1, -2);
    store.AddString(kRecordHeading, 0, "Title (1999)");
    store.AddString(33, 4, "");
    store.AddString(33, 5, "\xe9t\xe9 \xff");
    store.AddBytes3(47, 2, 0x00030201);
    store.AddBytes10(38, 1, 0x04030201, 0x08070605, 0x0A09);
}

} // namespace

TEST(RecordStore, EmptyStoreSerializesToTypeCountAndZero)
{
    CRecordStore store;
    EXPECT_EQ(Stored(store), Bytes().I32(51).I32(0).b);
}

TEST(RecordStore, EveryValueKindHasItsSizeAndBytes)
{
    CRecordStore store;
    FillEveryKind(store);
    ASSERT_EQ(store.GetCount(), 8);

    EXPECT_EQ(store.GetRecord(0).size, 0);
    EXPECT_EQ(store.GetRecord(0).data, nullptr);

    std::int32_t v = 0;
    ASSERT_TRUE(store.GetRecord(2).GetInt(v));
    EXPECT_EQ(v, -2);

    EXPECT_EQ(store.GetRecord(3).size, 13);
    EXPECT_STREQ(store.GetRecord(3).GetText(), "Title (1999)");
    EXPECT_EQ(store.GetRecord(4).size, 1); // empty string: its NUL
    EXPECT_EQ(store.GetRecord(4).GetTextLength(), 0u);

    const InfoRecord b3 = store.GetRecord(6);
    ASSERT_EQ(b3.size, 3);
    EXPECT_EQ(std::vector<unsigned char>(b3.data, b3.data + 3), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_FALSE(b3.GetInt(v)) << "only 4-byte records are integers";

    const InfoRecord b10 = store.GetRecord(7);
    ASSERT_EQ(b10.size, 10);
    EXPECT_EQ(std::vector<unsigned char>(b10.data, b10.data + 10),
              (std::vector<unsigned char>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    const auto expected = Bytes()
                              .I32(51)
                              .I32(8)
                              .I32(7)
                              .I32(3)
                              .I32(0)
                              .I32(50)
                              .I32(0)
                              .I32(4)
                              .I32(0x305)
                              .I32(12)
                              .I32(-1)
                              .I32(4)
                              .I32(-2)
                              .I32(48)
                              .I32(0)
                              .I32(13)
                              .Str("Title (1999)")
                              .I32(33)
                              .I32(4)
                              .I32(1)
                              .Str("")
                              .I32(33)
                              .I32(5)
                              .I32(6)
                              .Str("\xe9t\xe9 \xff")
                              .I32(47)
                              .I32(2)
                              .I32(3)
                              .Raw("\x01\x02\x03", 3)
                              .I32(38)
                              .I32(1)
                              .I32(10)
                              .Raw("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A", 10)
                              .b;
    EXPECT_EQ(Stored(store), expected);
}

TEST(RecordStore, LoadedBlockStoresTheSameBytes)
{
    CRecordStore store;
    FillEveryKind(store);
    const auto bytes = Stored(store);
    Archive in(bytes);
    CRecordStore loaded;
    ASSERT_TRUE(loaded.Load(in, 0x305, 0x300));
    EXPECT_EQ(in.BytesLeft(), 0u);
    EXPECT_EQ(Stored(loaded), bytes);
}

TEST(RecordStore, OutOfRangeIndexGivesAnEmptyRecord)
{
    CRecordStore store;
    store.AddInt(1, 1, 1);
    EXPECT_EQ(store.GetRecord(1).type, -1);
    EXPECT_EQ(store.GetRecord(-1).data, nullptr);
}

TEST(RecordStore, FindsByTypeAndKeyRange)
{
    CRecordStore store;
    store.AddEmpty(5, 1); // 0
    store.AddEmpty(6, 2); // 1
    store.AddEmpty(5, 3); // 2
    store.AddEmpty(5, 2); // 3
    store.AddEmpty(6, 3); // 4

    EXPECT_EQ(store.FindFirst(5), 0);
    EXPECT_EQ(store.FindFirst(7), -1);
    EXPECT_EQ(store.FindNext(0, 5), 2);
    EXPECT_EQ(store.FindNext(3, 5), -1);
    EXPECT_EQ(store.FindNext(5, 5), -1);
    EXPECT_EQ(store.FindNext(99, 6), -1);

    struct Case {
        int min, max, first;
    } const cases[] = {
        {2, -1, 3},                                               // negative maximum: key equal to the minimum
        {2, 2, 3},                                                // the same with maximum equal to minimum
        {3, -5, 2}, {2, 3, 2}, {1, 3, 0}, {4, 9, -1}, {3, 1, -1}, // empty range
    };
    for (const Case& c : cases)
        EXPECT_EQ(store.FindFirstInRange(5, c.min, c.max), c.first) << c.min << ".." << c.max;

    EXPECT_EQ(store.FindNextInRange(0, 5, 2, 3), 2);
    EXPECT_EQ(store.FindNextInRange(2, 5, 2, 3), 3);
    EXPECT_EQ(store.FindNextInRange(3, 5, 2, 3), -1);
    EXPECT_EQ(store.FindNextInRange(1, 6, 3, -1), 4);
}

TEST(RecordStore, FindNextUntilStopsAtKeyOrStopKey)
{
    CRecordStore store;
    store.AddEmpty(9, 0); // 0
    store.AddEmpty(9, 7); // 1 stop key
    store.AddEmpty(8, 5); // 2 other type, same key
    store.AddEmpty(9, 5); // 3 key
    store.AddEmpty(9, 5); // 4 key

    int index = 0;
    EXPECT_FALSE(store.FindNextUntil(index, 9, 5, 7));
    EXPECT_EQ(index, 1) << "a stop record before the key's record ends the walk there";

    EXPECT_TRUE(store.FindNextUntil(index, 9, 5, 7));
    EXPECT_EQ(index, 3) << "records of other types are skipped";

    EXPECT_TRUE(store.FindNextUntil(index, 9, 5, 7));
    EXPECT_EQ(index, 4);

    EXPECT_FALSE(store.FindNextUntil(index, 9, 5, 7));
    EXPECT_EQ(index, -1) << "the end sets the index to -1";

    index = 5;
    EXPECT_FALSE(store.FindNextUntil(index, 9, 5, 7));
    EXPECT_EQ(index, 5) << "an index not below the count stays";

    index = 0;
    EXPECT_TRUE(store.FindNextUntil(index, 9, 7, 7)) << "the key is tested before the stop key";
    EXPECT_EQ(index, 1);

    index = -1;
    EXPECT_TRUE(store.FindNextUntil(index, 9, 0, 7)) << "-1 starts at the first record";
    EXPECT_EQ(index, 0);
}

TEST(RecordStore, AddsFailAtTheLimitAndChangeNothing)
{
    CRecordStore store;
    store.Init(0, kMovieTVGrowBy);
    for (int i = 0; i < CRecordStore::kMaxRecords; ++i)
        ASSERT_TRUE(store.AddEmpty(i % 48, i)) << i;
    ASSERT_EQ(store.GetCount(), 32767);

    EXPECT_FALSE(store.AddEmpty(1, 1));
    EXPECT_FALSE(store.AddInt(1, 1, 1));
    EXPECT_FALSE(store.AddString(1, 1, "x"));
    EXPECT_FALSE(store.AddBytes3(1, 1, 1));
    EXPECT_FALSE(store.AddBytes10(1, 1, 1, 2, 3));
    EXPECT_EQ(store.GetCount(), 32767);
    EXPECT_EQ(store.GetRecord(32766).key, 32766);

    store.RemoveType(0);
    EXPECT_TRUE(store.AddEmpty(1, 1)) << "room again after a removal";
}

TEST(RecordStore, AddFailingForMemoryChangesNothing)
{
    FailingStore store;
    store.allocationsLeft = 1;
    EXPECT_TRUE(store.AddString(1, 1, "kept"));
    EXPECT_FALSE(store.AddString(1, 2, "lost"));
    EXPECT_FALSE(store.AddInt(1, 3, 3));
    EXPECT_TRUE(store.AddEmpty(1, 4)) << "a record without data needs no memory";
    EXPECT_EQ(Keys(store), (std::vector<int>{1, 4}));
}

TEST(RecordStore, RemoveTypeKeepsTheOrderOfTheRest)
{
    CRecordStore store;
    for (int i = 0; i < 10; ++i)
        store.AddInt(i % 3, i, i);
    store.RemoveType(1);
    EXPECT_EQ(Keys(store), (std::vector<int>{0, 2, 3, 5, 6, 8, 9}));
    store.RemoveType(1);
    EXPECT_EQ(store.GetCount(), 7);
}

TEST(RecordStore, RemoveListRecordsKeepsHeadingWebAddressAndDocInfo)
{
    CRecordStore store;
    store.AddString(kRecordHeading, 0, "Title");
    store.AddInt(0, 1, 1);
    store.AddString(kRecordWebAddress, 0, "https://www.zuvo.example/Title?Title");
    store.AddInt(47, 2, 2);
    store.AddInt(kRecordDocInfo, kDocInfoCreatorVersion, 0x305);
    store.AddInt(23, 3, 3);
    store.AddInt(kRecordDocInfo, kDocInfoUpdaterVersion, 0x305);
    store.RemoveListRecords();

    ASSERT_EQ(store.GetCount(), 4);
    EXPECT_EQ(store.GetRecord(0).type, kRecordHeading);
    EXPECT_EQ(store.GetRecord(1).type, kRecordWebAddress);
    EXPECT_EQ(store.GetRecord(2).type, kRecordDocInfo);
    EXPECT_EQ(store.GetRecord(2).key, kDocInfoCreatorVersion);
    EXPECT_EQ(store.GetRecord(3).key, kDocInfoUpdaterVersion);
}

TEST(RecordStore, LoadsOlderLayouts)
{
    const auto records = Bytes().I32(48).I32(0).I32(2).Str("T").I32(50).I32(1).I32(4).I32(0x100).b;

    // 0x100: number of types n, then n pairs of the old index.
    Bytes v100;
    v100.I32(3).I32(2);
    for (int i = 0; i < 3; ++i)
        v100.I32(1000 + i).I32(2000 + i);
    v100.Raw(records.data(), records.size());

    // Below 0x100: no number of types, 50 pairs.
    Bytes v0ff;
    v0ff.I32(2);
    for (int i = 0; i < 50; ++i)
        v0ff.I32(-1).I32(-1);
    v0ff.Raw(records.data(), records.size());

    // 0x1FF still carries the old index; 0x200 does not.
    Bytes v1ff = v100;
    Bytes v200;
    v200.I32(51).I32(2).Raw(records.data(), records.size());

    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
        int docVersion;
    } const cases[] = {
        {"0x100", v100.b, 0x100}, {"0x0FF", v0ff.b, 0x0FF}, {"0x1FF", v1ff.b, 0x1FF}, {"0x200", v200.b, 0x200}};
    for (const Case& c : cases) {
        Archive in(c.bytes);
        CRecordStore store;
        ASSERT_TRUE(store.Load(in, 0x305, c.docVersion)) << c.name;
        EXPECT_EQ(in.BytesLeft(), 0u) << c.name;
        ASSERT_EQ(store.GetCount(), 2) << c.name;
        EXPECT_STREQ(store.GetRecord(0).GetText(), "T") << c.name;
        std::int32_t v = 0;
        EXPECT_TRUE(store.GetRecord(1).GetInt(v));
        EXPECT_EQ(v, 0x100) << c.name;
    }
}

TEST(RecordStore, StoresTheLayoutItsDocumentVersionReadsBack)
{
    CRecordStore store;
    FillEveryKind(store);
    for (int docVersion : {0x000, 0x0FF, 0x100, 0x180, 0x200, 0x300}) {
        Archive in(Stored(store, docVersion));
        CRecordStore loaded;
        ASSERT_TRUE(loaded.Load(in, 0x305, docVersion)) << docVersion;
        EXPECT_EQ(in.BytesLeft(), 0u) << docVersion;
        EXPECT_EQ(Stored(loaded), Stored(store)) << docVersion;
    }
    EXPECT_EQ(Stored(store, 0x200), Stored(store, 0x300));
}

TEST(RecordStore, LoadReplacesEarlierContent)
{
    CRecordStore store;
    store.AddInt(1, 1, 1);
    Archive in(Bytes().I32(51).I32(0).b);
    ASSERT_TRUE(store.Load(in, 0x305, 0x300));
    EXPECT_EQ(store.GetCount(), 0);
}

TEST(RecordStore, EveryTruncatedBlockFailsWithTheArchiveException)
{
    CRecordStore source;
    FillEveryKind(source);
    for (int docVersion : {0x0FF, 0x100, 0x300}) {
        const auto bytes = Stored(source, docVersion);
        for (std::size_t n = 0; n < bytes.size(); ++n) {
            Archive in(std::vector<unsigned char>(bytes.begin(), bytes.begin() + static_cast<long>(n)));
            CRecordStore store;
            EXPECT_THROW(store.Load(in, 0x305, docVersion), ArchiveException) << docVersion << " prefix " << n;
        }
    }
}

TEST(RecordStore, ImpossibleCountsAndSizesFailBeforeAllocating)
{
    const std::int32_t hostile[] = {-1, -2147483647 - 1, 0x7FFFFFFF, 0x10000000};
    for (std::int32_t value : hostile) {
        // The record count.
        {
            Archive in(Bytes().I32(51).I32(value).I32(1).I32(0).I32(0).b);
            CRecordStore store;
            EXPECT_THROW(store.Load(in, 0x305, 0x300), ArchiveException) << value;
        }
        // A record's size.
        {
            Archive in(Bytes().I32(51).I32(1).I32(1).I32(0).I32(value).Raw("abcd", 4).b);
            CRecordStore store;
            EXPECT_THROW(store.Load(in, 0x305, 0x300), ArchiveException) << value;
        }
        // The number of types that sizes the old index.
        {
            Archive in(Bytes().I32(value).I32(0).I32(0).I32(0).b);
            CRecordStore store;
            EXPECT_THROW(store.Load(in, 0x305, 0x100), ArchiveException) << value;
        }
    }
    // One record too many, and a last record one byte longer than the file.
    {
        Archive in(Bytes().I32(51).I32(2).I32(1).I32(0).I32(1).Raw("x", 1).b);
        CRecordStore store;
        EXPECT_THROW(store.Load(in, 0x305, 0x300), ArchiveException);
    }
    {
        Archive in(Bytes().I32(51).I32(2).I32(1).I32(0).I32(1).Raw("x", 1).I32(1).I32(0).I32(16).Raw("abcd", 4).b);
        CRecordStore store;
        EXPECT_THROW(store.Load(in, 0x305, 0x300), ArchiveException);
        EXPECT_EQ(store.GetCount(), 1) << "the count equals the records placed";
    }
    {
        Archive in(Bytes().I32(51).I32(1).I32(1).I32(0).I32(2).Raw("x", 1).b);
        CRecordStore store;
        EXPECT_THROW(store.Load(in, 0x305, 0x300), ArchiveException);
    }
}

TEST(RecordStore, EveryFlippedByteLoadsOrFailsWithTheArchiveException)
{
    CRecordStore source;
    FillEveryKind(source);
    const auto bytes = Stored(source);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        for (unsigned char mask : {0x01, 0x80, 0xFF}) {
            auto damaged = bytes;
            damaged[i] ^= mask;
            Archive in(damaged);
            CRecordStore store;
            try {
                store.Load(in, 0x305, 0x300);
            } catch (const ArchiveException&) {
            }
            // Whatever was placed is consistent with the count.
            for (int r = 0; r < store.GetCount(); ++r) {
                const InfoRecord rec = store.GetRecord(r);
                EXPECT_GE(rec.size, 0);
                EXPECT_LE(rec.GetTextLength(), static_cast<std::size_t>(rec.size));
            }
        }
    }
}

TEST(RecordStore, LoadRunningOutOfMemoryKeepsTheRecordsPlaced)
{
    CRecordStore source;
    source.AddString(1, 1, "one");
    source.AddEmpty(1, 2);
    source.AddString(1, 3, "three");
    source.AddString(1, 4, "four");
    Archive in(Stored(source));
    FailingStore store;
    store.allocationsLeft = 2;
    EXPECT_FALSE(store.Load(in, 0x305, 0x300));
    EXPECT_EQ(store.GetCount(), 3);
    EXPECT_EQ(Keys(store), (std::vector<int>{1, 2, 3}));
    EXPECT_STREQ(store.GetRecord(2).GetText(), "three");
}

TEST(RecordStore, ReadersUnderTheLockSeeWholeRecords)
{
    // The search thread adds while a view reads; both hold the lock, so the reader never
    // sees a record whose data moved or was freed.
    CRecordStore store;
    store.Init(0, kCastCrewGrowBy);
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 5000; ++i) {
            auto lock = store.Lock();
            if (i % 1000 == 999)
                store.RemoveType(2);
            store.AddInt(i % 3, i, i);
        }
        done = true;
    });
    long checked = 0;
    while (!done) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        auto lock = store.Lock();
        for (int r = 0; r < store.GetCount(); ++r) {
            const InfoRecord rec = store.GetRecord(r);
            std::int32_t v = -1;
            ASSERT_TRUE(rec.GetInt(v));
            ASSERT_EQ(v, rec.key);
            ++checked;
        }
    }
    writer.join();
    EXPECT_GT(checked, 0);
    EXPECT_GT(store.GetCount(), 3000);
}
