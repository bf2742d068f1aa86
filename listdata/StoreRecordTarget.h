#pragma once
// The list routines' record target over a document's record store: each add holds the
// store's lock, so the GUI thread can rebuild a view between two adds. It also keeps a
// list's earlier records while the list is read again, so that a search replaces only
// what it has read.

#include "listdata/RecordStore.h"
#include "listdata/RecordTarget.h"

class CStoreRecordTarget : public IRecordTarget {
public:
    // `store` must outlive the target.
    explicit CStoreRecordTarget(CRecordStore& store) : m_store(store) {}

    bool AddEmpty(int type, int key) override;
    bool AddInt(int type, int key, std::int32_t value) override;
    bool AddString(int type, int key, std::string_view text) override;
    bool AddBytes3(int type, int key, std::uint32_t value) override;
    bool AddBytes10(int type, int key, std::uint32_t first, std::uint32_t second, std::uint16_t third) override;

    // Before list `listIndex` is read again: moves its records out of the store; returns
    // their number. Throws std::bad_alloc, having moved nothing, when memory fails.
    int SetListRecordsAside(int listIndex);
    // When that read has ended: `keepRead` frees the records set aside; otherwise the
    // read's records are dropped and those set aside come back.
    void EndListRead(int listIndex, bool keepRead);
    // The store's records in the order a search of every list places them.
    void OrderListRecords();

private:
    CRecordStore& m_store;
    CRecordStore m_aside;
};
