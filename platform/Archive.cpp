#include "platform/Archive.h"

#include "platform/Paths.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// A new file with a name of its own beside `target` (".name.<process>.<n>.tmp"),
// created with the permissions a new file gets; removed again unless its name is cleared.
struct TemporaryFile {
    explicit TemporaryFile(const std::string& target)
    {
        const std::size_t slash = target.rfind('/');
        const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
        const std::string file = slash == std::string::npos ? target : target.substr(slash + 1);
        static std::atomic<unsigned> counter{0};
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            name = folder + "." + file + "." + std::to_string(::getpid()) + "." + std::to_string(++counter) + ".tmp";
            fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST)
                break;
        }
        if (fd < 0)
            name.clear();
    }
    ~TemporaryFile()
    {
        Close();
        if (!name.empty())
            ::unlink(name.c_str());
    }
    bool Close()
    {
        const bool closed = fd < 0 || ::close(fd) == 0;
        fd = -1;
        return closed;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd = -1;
    std::string name;
};

} // namespace

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
    // Written to a temporary file beside the real target and renamed over it, so a failed
    // save never leaves a half-written document in place of the old one, and a symbolic
    // link on the way stays a link. The new file keeps the old one's permissions; a
    // read-only file is refused, as the framework does, and stays as it was.
    const std::string target = SaveTarget(path);
    struct stat old;
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && IsReadOnlyFile(target))
        throw ArchiveException(ArchiveException::genericException, path + " is read-only");

    TemporaryFile temp(target);
    if (temp.fd < 0)
        throw ArchiveException(ArchiveException::genericException, "cannot create " + path);
    std::size_t written = 0;
    while (written < m_data.size()) {
        const ssize_t n = ::write(temp.fd, m_data.data() + written, m_data.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw ArchiveException(ArchiveException::genericException, "cannot write " + path);
        written += static_cast<std::size_t>(n);
    }
    if ((replacing && ::fchmod(temp.fd, old.st_mode & 07777) != 0) || ::fsync(temp.fd) != 0 || !temp.Close())
        throw ArchiveException(ArchiveException::genericException, "cannot write " + path);
    if (std::rename(temp.name.c_str(), target.c_str()) != 0)
        throw ArchiveException(ArchiveException::genericException, "cannot replace " + path);
    temp.name.clear(); // it is the document now
}

} // namespace platform
