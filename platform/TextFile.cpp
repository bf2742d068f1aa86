#include "platform/TextFile.h"

#include <cerrno>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

constexpr std::size_t kBufferSize = 1 << 20;
// Slack behind the buffer: the newline scan loads 16 bytes at a time and may look past
// the valid bytes (never past the allocation).
constexpr std::size_t kSlack = 64;
// Newlines are indexed this many bytes at a time: small enough to stay in the cache
// between indexing and reading, large enough to make the indexing calls rare.
constexpr std::size_t kIndexSlice = 32 << 10;

#if defined(__x86_64__) && defined(__GNUC__)
// The same 32 bytes at a time, where the processor has AVX2.
__attribute__((target("avx2"))) void IndexNewlinesAvx2(const char* buf, std::size_t from, std::size_t to,
                                                       std::vector<std::uint32_t>& positions)
{
    const __m256i newline = _mm256_set1_epi8('\n');
    for (std::size_t i = from; i < to; i += 32) {
        unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(
            _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(buf + i)), newline)));
        if (to - i < 32)
            mask &= (1u << (to - i)) - 1;
        while (mask != 0) {
            positions.push_back(static_cast<std::uint32_t>(i + static_cast<std::size_t>(__builtin_ctz(mask))));
            mask &= mask - 1;
        }
    }
}

const bool kHaveAvx2 = [] {
    __builtin_cpu_init(); // may run before the library's own initialisation
    return __builtin_cpu_supports("avx2") != 0;
}();
#endif

// Appends the positions of the '\n' bytes of buf[from, to) to `positions`. One pass
// over each slice keeps the per-line work of the readers to a look-up.
void IndexNewlines(const char* buf, std::size_t from, std::size_t to, std::vector<std::uint32_t>& positions)
{
#if defined(__x86_64__) && defined(__GNUC__)
    if (kHaveAvx2)
        return IndexNewlinesAvx2(buf, from, to, positions);
#endif
#if defined(__SSE2__)
    const __m128i newline = _mm_set1_epi8('\n');
    for (std::size_t i = from; i < to; i += 16) {
        unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + i)), newline)));
        if (to - i < 16)
            mask &= (1u << (to - i)) - 1;
        while (mask != 0) {
            positions.push_back(static_cast<std::uint32_t>(i + static_cast<std::size_t>(__builtin_ctz(mask))));
            mask &= mask - 1;
        }
    }
#else
    for (const char* p = buf + from; (p = static_cast<const char*>(std::memchr(p, '\n', buf + to - p))); ++p)
        positions.push_back(static_cast<std::uint32_t>(p - buf));
#endif
}

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
        m_buffer = std::make_unique<char[]>(kBufferSize + kSlack); // + the NUL behind a piece
}

void TextFile::CloseFile()
{
    m_source.reset();
    m_pos = m_end = 0;
    m_atEnd = false;
    m_consumed = 0;
    m_terminatorAt = kNoTerminator;
    m_newlines.clear();
    m_nextNewline = 0;
    m_indexedTo = 0;
    m_bufferOffset = 0;
}

std::size_t TextFile::NextNewline(std::size_t from, std::size_t limit)
{
    for (;;) {
        const std::size_t count = m_newlines.size();
        while (m_nextNewline < count && m_newlines[m_nextNewline] < from)
            ++m_nextNewline;
        if (m_nextNewline < count)
            return m_newlines[m_nextNewline] < limit ? m_newlines[m_nextNewline] : kNoTerminator;
        if (m_indexedTo >= limit || m_indexedTo >= m_end)
            return kNoTerminator;
        // Every indexed newline is passed: index the next slice.
        m_newlines.clear();
        m_nextNewline = 0;
        const std::size_t begin = m_indexedTo > from ? m_indexedTo : from;
        const std::size_t end = m_end - begin > kIndexSlice ? begin + kIndexSlice : m_end;
        IndexNewlines(m_buffer.get(), begin, end, m_newlines);
        m_indexedTo = end;
    }
}

void TextFile::RestoreTerminatedByte()
{
    if (m_terminatorAt != kNoTerminator) {
        m_buffer[m_terminatorAt] = m_terminatedByte;
        m_terminatorAt = kNoTerminator;
    }
}

// Moves the unread bytes to the front of the buffer and reads more behind them. False
// when nothing more came (end of file, or a full buffer).
bool TextFile::Refill()
{
    if (m_atEnd || !m_source)
        return false;
    char* buf = m_buffer.get();
    const std::size_t unread = m_end - m_pos;
    if (unread != 0 && m_pos != 0)
        std::memmove(buf, buf + m_pos, unread);
    // The unread newlines move with their bytes.
    std::size_t kept = 0;
    for (std::size_t i = m_nextNewline; i < m_newlines.size(); ++i)
        if (m_newlines[i] >= m_pos)
            m_newlines[kept++] = static_cast<std::uint32_t>(m_newlines[i] - m_pos);
    m_newlines.resize(kept);
    m_nextNewline = 0;
    m_indexedTo = m_indexedTo > m_pos ? m_indexedTo - m_pos : 0;
    m_bufferOffset += m_pos;
    m_pos = 0;
    m_end = unread;
    if (m_end == kBufferSize)
        return false;
    int error = 0;
    const long n = m_source->Read(buf + m_end, kBufferSize - m_end, &error);
    if (n < 0)
        throw FileException(FileException::generic, error, m_fileName);
    if (n == 0) {
        m_atEnd = true;
        return false;
    }
    m_end += static_cast<std::size_t>(n);
    return true;
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
    const char* nl = nullptr;
    for (;;) {
        const std::size_t avail = m_end - m_pos;
        const std::size_t at = NextNewline(m_pos, m_pos + (avail < window ? avail : window));
        nl = at == kNoTerminator ? nullptr : m_buffer.get() + at;
        if (nl || avail >= window)
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
    if (nl) {
        const std::size_t k = static_cast<std::size_t>(nl - start);
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
    m_pos += raw;
    m_consumed += piece;
    // Keep the newline cursor at the next unread newline, where the inline path looks.
    while (m_nextNewline < m_newlines.size() && m_newlines[m_nextNewline] < m_pos)
        ++m_nextNewline;
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

void TextFile::SkipRaw(std::size_t count)
{
    RestoreTerminatedByte();
    if (count > m_end - m_pos)
        count = m_end - m_pos;
    // Progress counts folded bytes: every CR LF pair passed over reads as one byte.
    const char* p = m_buffer.get() + m_pos;
    const char* const end = p + count;
    std::size_t pairs = 0;
    while ((p = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(end - p)))) && p + 1 < end) {
        if (p[1] == '\n')
            ++pairs;
        ++p;
    }
    m_pos += count;
    m_consumed += count - pairs;
    while (m_nextNewline < m_newlines.size() && m_newlines[m_nextNewline] < m_pos)
        ++m_nextNewline;
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
        const std::size_t avail = m_end - m_pos;
        const std::size_t at = NextNewline(m_pos, m_end);
        const char* nl = at == kNoTerminator ? nullptr : m_buffer.get() + at;
        if (nl) {
            const std::size_t take = static_cast<std::size_t>(nl - start);
            line.append(start, take);
            m_pos += take + 1;
            m_consumed += take + 1;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back(); // CR LF reads as LF
                --m_consumed;
            }
            return true;
        }
        line.append(start, avail);
        m_pos += avail;
        m_consumed += avail;
    }
}

} // namespace platform
