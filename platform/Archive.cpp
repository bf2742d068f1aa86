#include "platform/Archive.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace platform {

ArchiveException::ArchiveException(int cause, const std::string& what) : std::runtime_error(what), m_cause(cause)
{
}

Archive::Archive() : m_mode(store)
{
}

Archive::Archive(std::vector<unsigned char> bytes) : m_mode(load), m_data(std::move(bytes))
{
}

void Archive::Write(const void* data, std::size_t count)
{
    if (m_mode != store)
        throw ArchiveException(ArchiveException::readOnly, "archive is open for loading");
    const auto* bytes = static_cast<const unsigned char*>(data);
    m_data.insert(m_data.end(), bytes, bytes + count);
}

std::size_t Archive::Read(void* data, std::size_t count)
{
    if (m_mode != load)
        throw ArchiveException(ArchiveException::writeOnly, "archive is open for storing");
    const std::size_t n = count < BytesLeft() ? count : BytesLeft();
    if (n != 0)
        std::memcpy(data, m_data.data() + m_position, n);
    m_position += n;
    return n;
}

void Archive::ReadExact(void* data, std::size_t count)
{
    if (m_mode != load)
        throw ArchiveException(ArchiveException::writeOnly, "archive is open for storing");
    if (count > BytesLeft())
        throw ArchiveException(ArchiveException::endOfFile, "unexpected end of archive");
    Read(data, count);
}

void Archive::WriteUInt32(std::uint32_t value)
{
    const unsigned char b[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    Write(b, 4);
}

void Archive::WriteInt32(std::int32_t value)
{
    WriteUInt32(static_cast<std::uint32_t>(value));
}

void Archive::WriteInt16(std::int16_t value)
{
    const auto v = static_cast<std::uint16_t>(value);
    const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
    Write(b, 2);
}

void Archive::WriteByte(std::uint8_t value)
{
    Write(&value, 1);
}

std::uint32_t Archive::ReadUInt32()
{
    unsigned char b[4];
    ReadExact(b, 4);
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

std::int32_t Archive::ReadInt32()
{
    return static_cast<std::int32_t>(ReadUInt32());
}

std::int16_t Archive::ReadInt16()
{
    unsigned char b[2];
    ReadExact(b, 2);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | b[1] << 8));
}

std::uint8_t Archive::ReadByte()
{
    std::uint8_t b;
    ReadExact(&b, 1);
    return b;
}

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
} // namespace

Archive Archive::LoadFile(const std::string& path)
{
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
    if (!f)
        throw ArchiveException(ArchiveException::genericException, "cannot open " + path);
    std::vector<unsigned char> bytes;
    unsigned char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f.get())) > 0)
        bytes.insert(bytes.end(), chunk, chunk + n);
    if (std::ferror(f.get()))
        throw ArchiveException(ArchiveException::genericException, "cannot read " + path);
    return Archive(std::move(bytes));
}

void Archive::SaveFile(const std::string& path) const
{
    // Written beside the target and renamed over it, so a failed save never leaves a
    // half-written document in place of the old one.
    const std::string temp = path + ".tmp";
    {
        std::unique_ptr<std::FILE, FileCloser> f(std::fopen(temp.c_str(), "wb"));
        if (!f)
            throw ArchiveException(ArchiveException::genericException, "cannot create " + path);
        if (!m_data.empty() && std::fwrite(m_data.data(), 1, m_data.size(), f.get()) != m_data.size())
            throw ArchiveException(ArchiveException::genericException, "cannot write " + path);
        if (std::fflush(f.get()) != 0)
            throw ArchiveException(ArchiveException::genericException, "cannot write " + path);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        throw ArchiveException(ArchiveException::genericException, "cannot replace " + path);
    }
}

} // namespace platform
