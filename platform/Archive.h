#pragma once
// Binary archive over an in-memory byte buffer: the document files are read whole into
// memory and written from one, so a load never touches the disk halfway through.
// Numbers are little-endian; strings are raw bytes.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// Thrown by Archive on malformed or truncated input; the cause numbers are the
// framework's and callers (and tests) compare against them.
class ArchiveException : public std::runtime_error {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        readOnly = 2,
        endOfFile = 3,
        writeOnly = 4,
        badIndex = 5,
        badClass = 6,
        badSchema = 7,
    };

    ArchiveException(int cause, const std::string& what);
    int m_cause;
};

class Archive {
public:
    enum Mode { store, load };

    // An archive for storing: Write appends to Data().
    Archive();
    // An archive for loading from `bytes`.
    explicit Archive(std::vector<unsigned char> bytes);

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    void Write(const void* data, std::size_t count);
    // Reads up to `count` bytes; returns how many were there (fewer only at the end).
    std::size_t Read(void* data, std::size_t count);
    // Reads exactly `count` bytes or throws ArchiveException(endOfFile).
    void ReadExact(void* data, std::size_t count);
    std::size_t BytesLeft() const { return m_data.size() - m_position; }
    std::size_t Position() const { return m_position; }

    void WriteInt32(std::int32_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteInt16(std::int16_t value);
    void WriteByte(std::uint8_t value);
    std::int32_t ReadInt32();
    std::uint32_t ReadUInt32();
    std::int16_t ReadInt16();
    std::uint8_t ReadByte();

    const std::vector<unsigned char>& Data() const { return m_data; }

    // Whole-file helpers: throw ArchiveException(genericException) when the file cannot
    // be read or written.
    static Archive LoadFile(const std::string& path);
    // Replaces the file at `path` whole, or leaves it as it was: written beside the end
    // of its symbolic links under a temporary name of its own, which goes on failure;
    // the old file's permissions are kept; a read-only file is refused.
    void SaveFile(const std::string& path) const;

private:
    Mode m_mode;
    std::vector<unsigned char> m_data;
    std::size_t m_position = 0;
};

} // namespace platform
