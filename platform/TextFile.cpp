#include "platform/TextFile.h"

#include "platform/ByteKernels.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::size_t kBufferSize = 1 << 20;
// Slack behind the buffer: the newline scan reads whole 64-byte blocks and may look past
// the valid bytes (never past the allocation); the NUL behind a piece may stand there.
constexpr std::size_t kSlack = 64;
// Newlines are indexed this many 64-byte blocks at a time: small enough to stay in the
// cache between indexing and reading, large enough to make the indexing calls rare.
constexpr std::size_t kIndexSliceWords = 128;
// Room for a slice's line feeds, and the 8 positions more that the scan may write.
constexpr std::size_t kIndexRoom = 64 * kIndexSliceWords + 8;

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
    if (!m_buffer) {
        m_buffer = std::make_unique<char[]>(kBufferSize + kSlack); // zeroed: the scans look at whole blocks
        m_newlines = std::make_unique<std::uint32_t[]>(kIndexRoom);
    }
    m_indexNewlines = KernelsInForce().newlinePositions;
}

void TextFile::CloseFile()
{
    m_source.reset();
    m_pos = m_end = 0;
    m_atEnd = false;
    m_foldedPairs = 0;
    m_crSeen = false;
    m_terminatorAt = kNoTerminator;
    m_nextNewline = m_newlineCount = 0;
    m_indexedTo = 0;
    m_bufferOffset = 0;
}

bool TextFile::IndexMore()
{
    // Bytes before m_pos are never needed; blocks stay aligned to the buffer.
    const std::size_t from = m_indexedTo > m_pos ? m_indexedTo : m_pos / 64 * 64;
    if (from >= m_end)
        return false;
    const std::size_t words = std::min(kIndexSliceWords, (m_end - from + 63) / 64);
    bool cr = false;
    std::size_t count = m_indexNewlines(m_buffer.get() + from, words, static_cast<std::uint32_t>(from),
                                        m_newlines.get(), &cr);
    m_crSeen = m_crSeen || cr;
    // The bytes behind m_end are no part of the text.
    while (count > 0 && m_newlines[count - 1] >= m_end)
        --count;
    m_newlineCount = count;
    m_nextNewline = 0;
    m_indexedTo = from + 64 * words;
    SyncIndex();
    return true;
}

void TextFile::SyncIndex()
{
    while (m_nextNewline < m_newlineCount && m_newlines[m_nextNewline] < m_pos)
        ++m_nextNewline;
}

// Moves the unread bytes to the front of the buffer and reads more behind them. False
// when nothing more came (end of file, or a full buffer).
bool TextFile::Refill()
{
    if (m_atEnd || !m_source)
        return false;
    char* buf = m_buffer.get();
    const std::size_t unread = m_end - m_pos;
    if (m_pos != 0) {
        if (unread != 0)
            std::memmove(buf, buf + m_pos, unread);
        // The unread bytes moved: index them again.
        m_nextNewline = m_newlineCount = 0;
        m_indexedTo = 0;
    } else if (m_indexedTo > m_end) {
        // The partial last block grows: index it again.
        m_indexedTo = m_end / 64 * 64;
        while (m_newlineCount > m_nextNewline && m_newlines[m_newlineCount - 1] >= m_indexedTo)
            --m_newlineCount;
    }
    m_bufferOffset += m_pos;
    m_pos = 0;
    m_end = unread;
    bool more = false;
    if (m_end < kBufferSize) {
        int error = 0;
        const long n = m_source->Read(buf + m_end, kBufferSize - m_end, &error);
        if (n < 0)
            throw FileException(FileException::generic, error, m_fileName);
        if (n == 0)
            m_atEnd = true;
        m_end += static_cast<std::size_t>(n);
        more = n > 0;
    }
    return more;
}

// Text mode is applied per piece: a piece ends at the first line feed, so the only CR LF
// pair it can hold is its last two bytes, which fold into the newline in place. That
// keeps the whole read to one scan of the bytes.
const char* TextFile::ReadBufferSlow(int maxChars, int* length)
{
    RestoreTerminatedByte();
    *length = 0;
    if (maxChars <= 1 || !m_buffer)
        return nullptr;
    const std::size_t room = static_cast<std::size_t>(maxChars - 1);
    // One byte more than fits, so that a CR LF pair behind `room - 1` characters is seen.
    const std::size_t window = room + 1;
    std::size_t at = kNoTerminator;
    for (;;) {
        const std::size_t avail = m_end - m_pos;
        at = PeekNewline();
        if (at != kNoTerminator && at - m_pos >= window)
            at = kNoTerminator;
        if (at != kNoTerminator || avail >= window)
            break;
        if (!Refill())
            break; // end of file: what is left is the last piece
    }
    const std::size_t avail = m_end - m_pos;
    if (avail == 0)
        return nullptr;
    char* const start = m_buffer.get() + m_pos;
    std::size_t raw;   // bytes consumed from the buffer
    std::size_t piece; // characters handed out
    if (at != kNoTerminator) {
        const std::size_t k = at - m_pos;
        if (k > 0 && start[k - 1] == '\r') {
            start[k - 1] = '\n';
            raw = k + 1;
            piece = k;
        } else if (k < room) {
            raw = piece = k + 1;
        } else {
            raw = piece = room; // the newline goes into the next piece
        }
    } else {
        raw = piece = avail < room ? avail : room;
        // A CR that ends the file's bytes stays a CR; one that ends a full piece is
        // judged with the next piece.
    }
    m_terminatorAt = m_pos + piece;
    m_terminatedByte = m_buffer[m_terminatorAt];
    m_buffer[m_terminatorAt] = '\0';
    m_foldedPairs += raw - piece;
    if (at != kNoTerminator && raw == at - m_pos + 1)
        PassNewline(at);
    else
        m_pos += raw; // the next line feed, if any, still lies ahead
    *length = static_cast<int>(piece);
    return start;
}

std::string_view TextFile::UnreadRaw()
{
    RestoreTerminatedByte();
    if (!m_buffer)
        return {};
    return std::string_view(m_buffer.get() + m_pos, m_end - m_pos);
}

void TextFile::SkipRaw(std::size_t count, bool mayHoldCr)
{
    RestoreTerminatedByte();
    if (count > m_end - m_pos)
        count = m_end - m_pos;
    // Progress counts folded bytes: every CR LF pair passed over reads as one byte.
    const char* p = m_buffer.get() + m_pos;
    const char* const end = p + (mayHoldCr ? count : 0);
    while ((p = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(end - p)))) && p + 1 < end) {
        if (p[1] == '\n')
            ++m_foldedPairs;
        ++p;
    }
    m_pos += count;
    SyncIndex();
}

bool TextFile::ReadBuffer(char* buffer, int maxChars, int* length)
{
    int stored = 0;
    const char* piece = ReadBufferInPlace(maxChars, &stored);
    if (piece)
        std::memcpy(buffer, piece, static_cast<std::size_t>(stored));
    if (maxChars > 0)
        buffer[stored] = '\0';
    if (length)
        *length = stored;
    return piece != nullptr;
}

bool TextFile::ReadWholeLine(std::string& line)
{
    RestoreTerminatedByte();
    line.clear();
    bool any = false;
    for (;;) {
        if (m_pos == m_end && !Refill())
            return any;
        any = true;
        const char* start = m_buffer.get() + m_pos;
        const std::size_t at = PeekNewline();
        if (at != kNoTerminator) {
            line.append(start, at - m_pos);
            PassNewline(at);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back(); // CR LF reads as LF
                ++m_foldedPairs;
            }
            return true;
        }
        line.append(start, m_end - m_pos);
        m_pos = m_end;
    }
}

} // namespace platform
