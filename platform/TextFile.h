#pragma once
// Buffered text-mode file reader: a carriage return directly before a line feed is
// dropped (CR LF reads as LF), any other CR stays. Reads go through a large buffer and
// lines are found with memchr, so walking a multi-gigabyte list costs little more than
// reading it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A read error other than end of file.
class FileException : public std::runtime_error {
public:
    enum Cause { none = 0, generic = 1, fileNotFound = 2, accessDenied = 5, endOfFile = 14 };
    FileException(int cause, int osError, const std::string& fileName);
    int m_cause;
    int m_osError;
    std::string m_fileName;
};

// Source of raw bytes; tests substitute one that fails after N bytes.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `count` bytes; returns 0 at end of file, -1 on error (errno-style code in *error).
    virtual long Read(char* buffer, std::size_t count, int* error) = 0;
};

class TextFile {
public:
    TextFile();
    virtual ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Opens `path` for reading; false when it cannot be opened.
    bool OpenRead(const std::string& path);
    // Reads from `source` instead of a file (takes ownership).
    void OpenSource(std::unique_ptr<ByteSource> source, const std::string& name);
    void CloseFile();
    bool IsOpen() const { return m_source != nullptr; }
    const std::string& FileName() const { return m_fileName; }

    // Buffer read with fgets semantics: at most maxChars - 1 characters, stopping after a
    // newline, which is kept; the text is NUL-terminated. Returns false at end of file
    // when nothing was read. *length receives the number of characters stored (a line may
    // hold NUL bytes). Throws FileException on a read error.
    bool ReadBuffer(char* buffer, int maxChars, int* length = nullptr);

    // The same read without a copy: returns the piece inside the reader's own buffer,
    // NUL-terminated, valid until the next read of any kind; null at end of file.
    const char* ReadBufferInPlace(int maxChars, int* length)
    {
        // The common case inline: a known newline within reach and no CR before it.
        if (m_terminatorAt != kNoTerminator) {
            m_buffer[m_terminatorAt] = m_terminatedByte;
            m_terminatorAt = kNoTerminator;
        }
        if (m_nextNewline < m_newlines.size()) {
            const std::size_t at = m_newlines[m_nextNewline];
            char* const buf = m_buffer.get();
            if (at >= m_pos && at - m_pos + 1 < static_cast<std::size_t>(maxChars) &&
                (at == m_pos || buf[at - 1] != '\r')) {
                const std::size_t take = at - m_pos + 1;
                char* const start = buf + m_pos;
                m_terminatorAt = at + 1;
                m_terminatedByte = buf[at + 1];
                buf[at + 1] = '\0';
                m_pos = at + 1;
                ++m_nextNewline;
                m_consumed += take;
                *length = static_cast<int>(take);
                return start;
            }
        }
        return ReadBufferSlow(maxChars, length);
    }

    // Whole-line read: the complete line without its newline. False at end of file.
    bool ReadWholeLine(std::string& line);

    // Bytes handed out so far (after CR LF folding); for progress displays.
    std::uint64_t Consumed() const { return m_consumed; }

protected:
    // Raw access for readers that pass over text they know they will not need. The
    // unread bytes in the buffer as they are in the file (CR LF not folded); valid until
    // the next read of any kind.
    std::string_view UnreadRaw();
    // Reads more of the file behind the unread bytes; false when nothing more fits or came.
    bool ReadMoreRaw() { return Refill(); }
    // Passes over the first `count` unread bytes, which must end just behind a line feed.
    void SkipRaw(std::size_t count);
    // File offset of the first unread byte.
    std::uint64_t RawOffset() const { return m_bufferOffset + m_pos; }
    // From a line start: passes over whole lines while `pass(bytes, size)` holds for the
    // line's raw bytes (line feed included, CR LF not folded). Stops at the first line
    // not wholly in the buffer, so the caller reads on as usual from there.
    template <class Pass> void PassLines(Pass&& pass)
    {
        RestoreTerminatedByte();
        char* const buf = m_buffer.get();
        for (;;) {
            std::size_t at;
            if (m_nextNewline < m_newlines.size() && m_newlines[m_nextNewline] >= m_pos)
                at = m_newlines[m_nextNewline];
            else if ((at = NextNewline(m_pos, m_end)) == kNoTerminator)
                return;
            const std::size_t size = at - m_pos + 1;
            if (!pass(static_cast<const char*>(buf + m_pos), size))
                return;
            m_consumed += (size >= 2 && buf[at - 1] == '\r') ? size - 1 : size;
            m_pos = at + 1;
            ++m_nextNewline;
        }
    }

private:
    static constexpr std::size_t kNoTerminator = static_cast<std::size_t>(-1);

    bool Refill();
    void RestoreTerminatedByte();
    const char* ReadBufferSlow(int maxChars, int* length);
    // Position of the first newline in [from, limit), or kNoTerminator.
    std::size_t NextNewline(std::size_t from, std::size_t limit);

    std::unique_ptr<ByteSource> m_source;
    std::string m_fileName;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    std::uint64_t m_consumed = 0;
    // Where ReadBufferInPlace wrote the NUL behind its piece, and the byte it replaced.
    std::size_t m_terminatorAt = kNoTerminator;
    char m_terminatedByte = 0;
    // Positions of the newlines in buf[.., m_indexedTo), found a slice at a time as the
    // reads get there (text passed over with SkipRaw is never indexed); m_nextNewline is
    // the first one not yet passed.
    std::vector<std::uint32_t> m_newlines;
    std::size_t m_nextNewline = 0;
    std::size_t m_indexedTo = 0;
    // File offset of m_buffer[0].
    std::uint64_t m_bufferOffset = 0;
};

} // namespace platform
