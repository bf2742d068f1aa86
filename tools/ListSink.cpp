#include "tools/ListSink.h"

#include <array>

namespace listgen {

namespace {

constexpr std::size_t kBufferSize = 1 << 20;
constexpr std::uint64_t kCheckerLineLimit = 8192;

// The non-reflected table (most significant bit first), used with a right-shifting
// update: that pairing is the checker's, and its values must be reproduced exactly.
std::array<std::uint32_t, 256> MakeTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t r = i << 24;
        for (int k = 0; k < 8; ++k)
            r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
        table[i] = r;
    }
    return table;
}

const std::array<std::uint32_t, 256> kTable = MakeTable();

inline std::uint32_t Step(std::uint32_t crc, unsigned char b)
{
    return (crc >> 8) ^ kTable[(crc ^ b) & 0xFF];
}

} // namespace

std::uint32_t ChecksumAddLine(std::uint32_t crc, std::string_view line)
{
    for (const char c : line) {
        if (c == '\0')
            break;
        crc = Step(crc, static_cast<unsigned char>(c));
    }
    return Step(crc, '\n');
}

ListSink::ListSink(std::FILE* file, bool crlf) : m_file(file), m_crlf(crlf)
{
    if (m_file)
        m_buffer.reserve(kBufferSize + 4096);
}

ListSink::~ListSink()
{
    Flush();
}

void ListSink::Write(std::string_view text)
{
    if (!m_crlf) {
        Put(text.data(), text.size());
        return;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            Put(text.data() + start, i - start);
            Put("\r\n", 2);
            start = i + 1;
        }
    }
    Put(text.data() + start, text.size() - start);
}

void ListSink::Put(const char* data, std::size_t size)
{
    m_bytes += size;
    if (!m_stopped) {
        std::uint32_t crc = m_crc;
        for (std::size_t i = 0; i < size; ++i) {
            const auto b = static_cast<unsigned char>(data[i]);
            if (b == '\n' || b == '\0') {
                crc = Step(crc, '\n');
                m_lineStartCrc = crc;
                m_lineLength = 0;
                continue;
            }
            if (++m_lineLength >= kCheckerLineLimit) {
                // The checker stops reading at this line; nothing after it counts.
                m_stopped = true;
                break;
            }
            crc = Step(crc, b);
        }
        m_crc = crc;
    }
    if (!m_file)
        return;
    m_buffer.append(data, size);
    if (m_buffer.size() >= kBufferSize)
        Flush();
}

bool ListSink::Flush()
{
    if (m_file && !m_buffer.empty()) {
        if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
            m_ok = false;
        m_buffer.clear();
    }
    return m_ok;
}

} // namespace listgen
