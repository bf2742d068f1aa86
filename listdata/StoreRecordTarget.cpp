#include "listdata/StoreRecordTarget.h"

#include <string>

bool CStoreRecordTarget::AddEmpty(int type, int key)
{
    auto lock = m_store.Lock();
    return m_store.AddEmpty(type, key);
}

bool CStoreRecordTarget::AddInt(int type, int key, std::int32_t value)
{
    auto lock = m_store.Lock();
    return m_store.AddInt(type, key, value);
}

bool CStoreRecordTarget::AddString(int type, int key, std::string_view text)
{
    const std::string copy(text);
    auto lock = m_store.Lock();
    return m_store.AddString(type, key, copy.c_str());
}

bool CStoreRecordTarget::AddBytes3(int type, int key, std::uint32_t value)
{
    auto lock = m_store.Lock();
    return m_store.AddBytes3(type, key, static_cast<std::int32_t>(value));
}

bool CStoreRecordTarget::AddBytes10(int type, int key, std::uint32_t first, std::uint32_t second, std::uint16_t third)
{
    auto lock = m_store.Lock();
    return m_store.AddBytes10(type, key, static_cast<std::int32_t>(first), static_cast<std::int32_t>(second),
                              static_cast<std::int16_t>(third));
}

int CStoreRecordTarget::SetListRecordsAside(int listIndex)
{
    auto lock = m_store.Lock();
    m_store.MoveType(listIndex, m_aside);
    return m_aside.GetCount();
}

void CStoreRecordTarget::EndListRead(int listIndex, bool keepRead)
{
    auto lock = m_store.Lock();
    if (!keepRead) {
        m_store.RemoveType(listIndex);
        // The store held these records before the read, so it has room for them again.
        m_aside.MoveType(listIndex, m_store);
    }
    m_aside.RemoveType(listIndex);
}

void CStoreRecordTarget::OrderListRecords()
{
    auto lock = m_store.Lock();
    m_store.OrderListRecords();
}
