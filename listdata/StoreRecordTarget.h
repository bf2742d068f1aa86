#pragma once
// The list routines' record target over a document's record store: each add holds the
// store's lock, so the GUI thread can rebuild a view between two adds.

#include "listdata/RecordTarget.h"

class CRecordStore;

class CStoreRecordTarget : public IRecordTarget {
public:
    // `store` must outlive the target.
    explicit CStoreRecordTarget(CRecordStore& store) : m_store(store) {}

    bool AddEmpty(int type, int key) override;
    bool AddInt(int type, int key, std::int32_t value) override;
    bool AddString(int type, int key, std::string_view text) override;
    bool AddBytes3(int type, int key, std::uint32_t value) override;
    bool AddBytes10(int type, int key, std::uint32_t first, std::uint32_t second, std::uint16_t third) override;

private:
    CRecordStore& m_store;
};
