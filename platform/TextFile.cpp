#include "platform/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::size_t kBufferSize = 1 << 20;

class FdSource : public ByteSource {
public:
    explicit FdSource(int fd) : m_fd(fd) {}
    ~FdSource() override { ::close(m_fd); }
    long Read(char* buffer, std::size_t count, int* error) override
    {
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, count);
            if (n >= 0)
                return static_cast<long>(n);
            if (errno == EINTR)
                continue;
            *error = errno;
            return -1;
        }
    }

private:
    int m_fd;
};

} // namespace

FileException::FileException(int cause, int osError, const std::string& fileName)
    : std::runtime_error("read error in " + fileName + ": " + std::strerror(osError)), m_cause(cause),
      m_osError(osError), m_fileName(fileName)
{
}

TextFile::TextFile() = default;

TextFile::~TextFile() = default;

bool TextFile::OpenRead(const std::string& path)
{
    CloseFile();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
#ifdef POSIX_FADV_SEQUENTIAL
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    OpenSource(std::make_unique<FdSource>(fd), path);
    return true;
}

void TextFile::OpenSource(std::unique_ptr<ByteSource> source, const std::string& name)
{
    CloseFile();
    m_source = std::move(source);
    m_fileName = name;
    if (!m_buffer)
        m_buffer = std::make_unique<char[]>(kBufferSize);
}

void TextFile::CloseFile()
{
    m_source.reset();
    m_pos = m_end = 0;
    m_heldCarriageReturn = false;
    m_atEnd = false;
    m_consumed = 0;
}

// Refills the (fully consumed) buffer and folds CR LF pairs. A CR that ends the bytes
// read so far is held back until the next read shows what follows it.
bool TextFile::Fill()
{
    if (m_atEnd || !m_source)
        return false;
    char* buf = m_buffer.get();
    std::size_t total = 0;
    if (m_heldCarriageReturn) {
        buf[0] = '\r';
        total = 1;
        m_heldCarriageReturn = false;
    }
    int error = 0;
    const long n = m_source->Read(buf + total, kBufferSize - total, &error);
    if (n < 0)
        throw FileException(FileException::generic, error, m_fileName);
    if (n == 0)
        m_atEnd = true;
    total += static_cast<std::size_t>(n);

    char* cr = static_cast<char*>(std::memchr(buf, '\r', total));
    if (cr) {
        char* out = cr;
        const char* in = cr;
        const char* const end = buf + total;
        while (in < end) {
            if (*in == '\r') {
                if (in + 1 == end && !m_atEnd) {
                    m_heldCarriageReturn = true;
                    ++in;
                    continue;
                }
                if (in + 1 < end && in[1] == '\n') {
                    ++in;
                    continue;
                }
            }
            *out++ = *in++;
        }
        total = static_cast<std::size_t>(out - buf);
    }
    m_pos = 0;
    m_end = total;
    if (total == 0 && !m_atEnd)
        return Fill(); // the read brought a single held-back CR
    return total != 0;
}

bool TextFile::ReadBuffer(char* buffer, int maxChars, int* length)
{
    int stored = 0;
    if (maxChars <= 0) {
        if (length)
            *length = 0;
        return false;
    }
    const std::size_t room = static_cast<std::size_t>(maxChars - 1);
    while (static_cast<std::size_t>(stored) < room) {
        if (m_pos == m_end && !Fill())
            break;
        std::size_t avail = m_end - m_pos;
        const std::size_t want = room - static_cast<std::size_t>(stored);
        if (avail > want)
            avail = want;
        const char* start = m_buffer.get() + m_pos;
        const char* nl = static_cast<const char*>(std::memchr(start, '\n', avail));
        const std::size_t take = nl ? static_cast<std::size_t>(nl - start) + 1 : avail;
        std::memcpy(buffer + stored, start, take);
        stored += static_cast<int>(take);
        m_pos += take;
        if (nl)
            break;
    }
    buffer[stored] = '\0';
    m_consumed += static_cast<std::uint64_t>(stored);
    if (length)
        *length = stored;
    return stored != 0;
}

bool TextFile::ReadWholeLine(std::string& line)
{
    line.clear();
    bool any = false;
    for (;;) {
        if (m_pos == m_end && !Fill())
            return any;
        any = true;
        const char* start = m_buffer.get() + m_pos;
        const std::size_t avail = m_end - m_pos;
        const char* nl = static_cast<const char*>(std::memchr(start, '\n', avail));
        if (nl) {
            const std::size_t take = static_cast<std::size_t>(nl - start);
            line.append(start, take);
            m_pos += take + 1;
            m_consumed += take + 1;
            return true;
        }
        line.append(start, avail);
        m_pos += avail;
        m_consumed += avail;
    }
}

} // namespace platform
