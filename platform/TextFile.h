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

    // Whole-line read: the complete line without its newline. False at end of file.
    bool ReadWholeLine(std::string& line);

    // Bytes handed out so far (after CR LF folding); for progress displays.
    std::uint64_t Consumed() const { return m_consumed; }

private:
    bool Fill();

    std::unique_ptr<ByteSource> m_source;
    std::string m_fileName;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_heldCarriageReturn = false;
    bool m_atEnd = false;
    std::uint64_t m_consumed = 0;
};

} // namespace platform
