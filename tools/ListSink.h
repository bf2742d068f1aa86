#pragma once
// Output of one generated list file: buffers the text, turns "\n" into "\r\n" on
// request, and keeps the list checksum of everything after the first line exactly as
// the checker computes it (lines end at a line feed or a NUL, a carriage return is part
// of its line, reading stops at a line of 8192 or more characters, and a final line
// without a line end is not covered).

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace listgen {

// Folds one line and a line feed into `crc` (the checker's table and update step).
std::uint32_t ChecksumAddLine(std::uint32_t crc, std::string_view line);

class ListSink {
public:
    // `file` null: nothing is written, only bytes are counted (for size estimates).
    ListSink(std::FILE* file, bool crlf);
    ~ListSink();
    ListSink(const ListSink&) = delete;
    ListSink& operator=(const ListSink&) = delete;

    // Text in which every "\n" is a line end.
    void Write(std::string_view text);
    // Writes what is buffered; false on a write error.
    bool Flush();

    std::uint64_t Bytes() const { return m_bytes; }
    // The checksum of the lines written so far that the checker would cover.
    std::uint32_t Checksum() const { return m_lineStartCrc; }

private:
    void Put(const char* data, std::size_t size);

    std::FILE* m_file;
    bool m_crlf;
    std::string m_buffer;
    std::uint64_t m_bytes = 0;
    bool m_ok = true;
    // Running checksum, checksum at the start of the current line, its length so far.
    std::uint32_t m_crc = 0xFFFFFFFFu;
    std::uint32_t m_lineStartCrc = 0xFFFFFFFFu;
    std::uint64_t m_lineLength = 0;
    bool m_stopped = false;
};

} // namespace listgen
