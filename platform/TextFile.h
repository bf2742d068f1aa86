#pragma once
// Buffered text-mode file reader: a carriage return directly before a line feed is
// dropped (CR LF reads as LF), any other CR stays. Reads go through a large buffer whose
// line feeds are found 64 bytes at a time with the widest vectors the processor has, so
// walking a multi-gigabyte list costs little more than reading it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>


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
        // The common case inline: the next line end already indexed and within reach.
        RestoreTerminatedByte();
        const std::size_t at = m_nextNewline < m_newlineCount ? m_newlines[m_nextNewline] : kNoTerminator;
        if (at != kNoTerminator && maxChars > 1 && at - m_pos + 1 < static_cast<std::size_t>(maxChars)) {
            char* const buf = m_buffer.get();
            char* const start = buf + m_pos;
            std::size_t piece = at - m_pos + 1;
            if (m_crSeen && piece > 1 && buf[at - 1] == '\r') {
                buf[at - 1] = '\n'; // CR LF reads as LF
                --piece;
                ++m_foldedPairs;
            }
            m_terminatorAt = m_pos + piece;
            m_terminatedByte = buf[m_terminatorAt];
            buf[m_terminatorAt] = '\0';
            PassNewline(at);
            *length = static_cast<int>(piece);
            return start;
        }
        return ReadBufferSlow(maxChars, length);
    }

    // Whole-line read: the complete line without its newline. False at end of file.
    bool ReadWholeLine(std::string& line);

    // Bytes handed out so far (after CR LF folding); for progress displays.
    std::uint64_t Consumed() const { return m_bufferOffset + m_pos - m_foldedPairs; }

protected:
    // Raw access for readers that pass over text they know they will not need. The
    // unread bytes in the buffer as they are in the file (CR LF not folded); valid until
    // the next read of any kind.
    std::string_view UnreadRaw();
    // Reads more of the file behind the unread bytes; false when nothing more fits or came.
    bool ReadMoreRaw() { return Refill(); }
    // Passes over the first `count` unread bytes, which must end just behind a line feed.
    // `mayHoldCr` false: the caller knows they hold no CR (saves counting CR LF pairs).
    void SkipRaw(std::size_t count, bool mayHoldCr = true);
    // File offset of the first unread byte.
    std::uint64_t RawOffset() const { return m_bufferOffset + m_pos; }
    // From a line start: passes over whole lines while `pass(bytes, size)` holds for the
    // line's raw bytes (line feed included, CR LF not folded). Stops at the first line
    // not wholly in the buffer, so the caller reads on as usual from there.
    template <class Pass> void PassLines(Pass&& pass)
    {
        RestoreTerminatedByte();
        const char* const buf = m_buffer.get();
        for (;;) {
            const std::size_t at = PeekNewline();
            if (at == kNoTerminator)
                return;
            const std::size_t size = at - m_pos + 1;
            if (!pass(buf + m_pos, size))
                return;
            if (m_crSeen && size >= 2 && buf[at - 1] == '\r')
                ++m_foldedPairs;
            PassNewline(at);
        }
    }

private:
    static constexpr std::size_t kNoTerminator = static_cast<std::size_t>(-1);

    bool Refill();
    void RestoreTerminatedByte()
    {
        if (m_terminatorAt != kNoTerminator) {
            m_buffer[m_terminatorAt] = m_terminatedByte;
            m_terminatorAt = kNoTerminator;
        }
    }
    const char* ReadBufferSlow(int maxChars, int* length);

    // The newline index: the positions of the line feeds of the buffer's bytes from m_pos
    // up to m_indexedTo, in order, found a slice at a time as the reads get there (text
    // passed over with SkipRaw is never indexed). m_newlines[m_nextNewline] is the first
    // at or after m_pos; m_newlineCount ends them.

    // Position of the first line feed at or after m_pos in the buffer, or kNoTerminator.
    std::size_t PeekNewline()
    {
        while (m_nextNewline == m_newlineCount)
            if (!IndexMore())
                return kNoTerminator;
        return m_newlines[m_nextNewline];
    }
    // Moves m_pos behind the line feed at `at`, which PeekNewline just returned.
    void PassNewline(std::size_t at)
    {
        m_pos = at + 1;
        ++m_nextNewline;
    }
    // Indexes the next slice of the buffer; false when all its bytes are indexed.
    bool IndexMore();
    // Drops the indexed line feeds that m_pos moved past by other means.
    void SyncIndex();

    std::unique_ptr<ByteSource> m_source;
    std::string m_fileName;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    // CR LF pairs read as one newline so far.
    std::uint64_t m_foldedPairs = 0;
    // Where ReadBufferInPlace wrote the NUL behind its piece, and the byte it replaced.
    std::size_t m_terminatorAt = kNoTerminator;
    char m_terminatedByte = 0;
    std::unique_ptr<std::uint32_t[]> m_newlines;
    std::size_t m_nextNewline = 0;
    std::size_t m_newlineCount = 0;
    std::size_t m_indexedTo = 0;
    // Whether a CR was among the bytes indexed since the open; until then no line can
    // end in CR LF.
    bool m_crSeen = false;
    // The newline index's scan, chosen for the vector level in force at the open.
    std::size_t (*m_indexNewlines)(const char* data, std::size_t words, std::uint32_t base, std::uint32_t* positions,
                                   bool* cr) = nullptr;
    // File offset of m_buffer[0].
    std::uint64_t m_bufferOffset = 0;
};

} // namespace platform
