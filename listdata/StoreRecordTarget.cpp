#include "listdata/StoreRecordTarget.h"

#include "listdata/RecordStore.h"

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
