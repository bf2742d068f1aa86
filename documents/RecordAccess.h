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

// The episode count a 4-byte record holds: from 0 to 2^21 - 1. Older files stored some
// counts as text, and a text of three characters and its NUL is a 4-byte record too: read
// as a number its third character alone makes it 2^21 or more (and a fourth one without a
// NUL can make it negative), far beyond any count. False for anything that is no count.
inline bool RecordEpisodeCount(const InfoRecord& record, std::int32_t& count)
{
    constexpr std::int32_t kCountLimit = 1 << 21;
    return record.GetInt(count) && count >= 0 && count < kCountLimit;
}
