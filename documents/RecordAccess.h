#pragma once
// Reading a record's value safely. A record loaded from a document file holds exactly the
// bytes that were stored, so its text need not end in a NUL: take it as a string_view of
// its own length, and copy it into a std::string before it meets a C-string function
// (CListLine, printf). Integers are read only from 4-byte records.

#include "listdata/RecordStore.h"

#include <cstdint>
#include <string_view>

inline std::string_view RecordText(const InfoRecord& record)
{
    return std::string_view(record.GetText(), record.GetTextLength());
}

// The value of a 4-byte record; `fallback` for a record of any other size.
inline std::int32_t RecordInt(const InfoRecord& record, std::int32_t fallback)
{
    std::int32_t value = fallback;
    return record.GetInt(value) ? value : fallback;
}
