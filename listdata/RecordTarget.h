#pragma once
// Where the list routines put what they find: one append per piece of information, the
// record type always the list index. The document's implementation holds its store's
// mutex for each call, so a view may read the store between two adds.

#include <cstdint>
#include <string_view>

class IRecordTarget {
public:
    virtual ~IRecordTarget() = default;

    // Each returns false when the record could not be stored (store full, memory); the
    // caller then stops reading its list.
    virtual bool AddEmpty(int type, int key) = 0;
    virtual bool AddInt(int type, int key, std::int32_t value) = 0;
    // Stored as a C string: the bytes and one NUL.
    virtual bool AddString(int type, int key, std::string_view text) = 0;
    // The low three bytes of `value`, little-endian.
    virtual bool AddBytes3(int type, int key, std::uint32_t value) = 0;
    // `first`, `second` (32 bits each) and `third` (16 bits), little-endian, one after another.
    virtual bool AddBytes10(int type, int key, std::uint32_t first, std::uint32_t second, std::uint16_t third) = 0;
};
