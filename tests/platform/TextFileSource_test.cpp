// TextFile over substitute byte sources: reads that end anywhere, and read errors.

#include "platform/TextFile.h"
#include "support/TestSupport.h"
#include "support/VectorLevels.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

using platform::ByteSource;
using platform::FileException;
using platform::TextFile;

namespace {

// Hands out `text` in reads of at most `chunk` bytes; fails once `failAfter` bytes went.
class ChunkSource : public ByteSource {
public:
    ChunkSource(std::string text, std::size_t chunk, std::size_t failAfter = std::string::npos)
        : m_text(std::move(text)), m_chunk(chunk), m_failAfter(failAfter)
    {
    }
    long Read(char* buffer, std::size_t count, int* error) override
    {
        if (m_pos >= m_failAfter) {
            *error = 5;
            return -1;
        }
        std::size_t n = std::min({count, m_chunk, m_text.size() - m_pos});
        if (m_failAfter != std::string::npos)
            n = std::min(n, m_failAfter - m_pos);
        std::memcpy(buffer, m_text.data() + m_pos, n);
        m_pos += n;
        return static_cast<long>(n);
    }

private:
    std::string m_text;
    std::size_t m_chunk;
    std::size_t m_failAfter;
    std::size_t m_pos = 0;
};

// What fgets gives on the text-mode stream: CR LF folded, then pieces of at most 1023
// characters. *folded receives the folded text.
std::vector<std::string> FgetsPieces(const std::string& text, std::string* folded)
{
    folded->clear();
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            *folded += text[i];
    std::vector<std::string> pieces;
    for (std::size_t pos = 0; pos < folded->size();) {
        const std::size_t nl = folded->find('\n', pos);
        std::size_t take = nl == std::string::npos ? folded->size() - pos : nl - pos + 1;
        take = std::min<std::size_t>(take, 1023);
        pieces.push_back(folded->substr(pos, take));
        pos += take;
    }
    return pieces;
}

std::vector<std::string> InPlacePieces(TextFile& file)
{
    std::vector<std::string> pieces;
    int n = 0;
    while (const char* piece = file.ReadBufferInPlace(1024, &n)) {
        EXPECT_EQ(piece[n], '\0');
        pieces.push_back(std::string(piece, n));
    }
    return pieces;
}

std::vector<std::string> WholeLines(TextFile& file)
{
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadWholeLine(line))
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(TextFileSource, CrLfFoldsWhereverTheReadsEnd)
{
    const std::string text = "ab\r\ncd\r\r\n\r\ne\rf\r";
    const std::vector<std::string> expected = {"ab", "cd\r", "", "e\rf\r"};
    for (std::size_t chunk = 1; chunk <= text.size(); ++chunk) {
        TextFile file;
        file.OpenSource(std::make_unique<ChunkSource>(text, chunk), "t");
        EXPECT_EQ(WholeLines(file), expected) << chunk;
    }
}

TEST(TextFileSource, CrLfSplitAtTheEndOfTheLargeBuffer)
{
    // The file's own reads fill a buffer of 1 MiB; put the CR as its last byte.
    testsupport::TempDir dir;
    const std::size_t size = 1 << 20;
    std::string text(size - 1, 'x');
    text += "\r\nnext\r\n";
    testsupport::WriteFile(dir.File("big"), text);
    TextFile file;
    ASSERT_TRUE(file.OpenRead(dir.File("big")));
    const std::vector<std::string> lines = WholeLines(file);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(size - 1, 'x'));
    EXPECT_EQ(lines[1], "next");
}

TEST(TextFileSource, BufferReadKeepsNulBytesAndTheNewline)
{
    TextFile file;
    file.OpenSource(std::make_unique<ChunkSource>(std::string("a\0b\r\n\0\n", 7), 2), "t");
    char buf[16];
    int n = 0;
    ASSERT_TRUE(file.ReadBuffer(buf, sizeof buf, &n));
    EXPECT_EQ(std::string(buf, n), std::string("a\0b\n", 4));
    ASSERT_TRUE(file.ReadBuffer(buf, sizeof buf, &n));
    EXPECT_EQ(std::string(buf, n), std::string("\0\n", 2));
    EXPECT_FALSE(file.ReadBuffer(buf, sizeof buf, &n));
    EXPECT_EQ(n, 0);
}

TEST(TextFileSource, BufferReadStopsOneShortOfTheSize)
{
    TextFile file;
    file.OpenSource(std::make_unique<ChunkSource>("abcdef\ng", 3), "t");
    char buf[4];
    int n = 0;
    std::vector<std::string> pieces;
    while (file.ReadBuffer(buf, sizeof buf, &n)) {
        EXPECT_EQ(buf[n], '\0');
        pieces.push_back(std::string(buf, n));
    }
    EXPECT_EQ(pieces, (std::vector<std::string>{"abc", "def", "\n", "g"}));
}

TEST(TextFileSource, AReadErrorIsAFileExceptionNamingTheFile)
{
    for (std::size_t failAfter : {0u, 3u, 10u}) {
        TextFile file;
        file.OpenSource(std::make_unique<ChunkSource>("line one\nline two\n", 4, failAfter), "lists/Actors.list");
        std::string line;
        try {
            while (file.ReadWholeLine(line)) {
            }
            ADD_FAILURE() << "no exception after " << failAfter;
        } catch (const FileException& e) {
            EXPECT_EQ(e.m_fileName, "lists/Actors.list");
            EXPECT_EQ(e.m_osError, 5);
            EXPECT_EQ(e.m_cause, FileException::generic);
        }
        TextFile again;
        again.OpenSource(std::make_unique<ChunkSource>("line one\nline two\n", 4, failAfter), "x");
        char buf[1024];
        EXPECT_THROW(
            {
                while (again.ReadBuffer(buf, sizeof buf)) {
                }
            },
            FileException);
    }
}

TEST(TextFileSource, MissingFileDoesNotOpen)
{
    TextFile file;
    EXPECT_FALSE(file.OpenRead("/nonexistent/dir/file"));
    EXPECT_FALSE(file.IsOpen());
}

TEST(TextFileSource, PiecesMatchFgetsOverAnyReadSizes)
{
    // Lines of many lengths around the 1023-character piece, CR LF and lone CRs.
    std::string text;
    unsigned seed = 1;
    for (int i = 0; i < 400; ++i) {
        seed = seed * 1103515245u + 12345u;
        const std::size_t length = (seed >> 8) % 2100;
        for (std::size_t k = 0; k < length; ++k)
            text += static_cast<char>('a' + (k + i) % 26);
        if (seed % 7 == 0)
            text += '\r';
        text += (seed % 3 == 0) ? "\r\n" : "\n";
    }
    text += "tail";
    std::string folded;
    const std::vector<std::string> expected = FgetsPieces(text, &folded);
    for (std::size_t chunk : {1u, 2u, 1023u, 1024u, 4096u, 300000u}) {
        TextFile file;
        file.OpenSource(std::make_unique<ChunkSource>(text, chunk), "t");
        const std::vector<std::string> pieces = InPlacePieces(file);
        EXPECT_EQ(pieces, expected) << chunk;
        EXPECT_EQ(file.Consumed(), folded.size());
    }
}

// Hands out the bytes of a text that outlives it, as much as asked for at a time.
class ViewSource : public ByteSource {
public:
    explicit ViewSource(std::string_view text) : m_text(text) {}
    long Read(char* buffer, std::size_t count, int*) override
    {
        const std::size_t n = std::min(count, m_text.size());
        std::memcpy(buffer, m_text.data(), n);
        m_text.remove_prefix(n);
        return static_cast<long>(n);
    }

private:
    std::string_view m_text;
};

// Checks that the file's pieces are those fgets gives on the folded text; stops at the
// first that differs.
void ExpectPiecesOf(TextFile& file, const std::string& folded)
{
    std::size_t pos = 0;
    std::size_t nl = folded.find('\n'); // the first line feed at or after pos
    int n = 0;
    while (const char* piece = file.ReadBufferInPlace(1024, &n)) {
        if (nl < pos)
            nl = folded.find('\n', pos);
        const std::size_t length = std::min<std::size_t>(nl == std::string::npos ? folded.size() - pos : nl - pos + 1, 1023);
        if (static_cast<std::size_t>(n) != length || folded.compare(pos, length, piece, length) != 0 || piece[n] != '\0') {
            ADD_FAILURE() << "piece at " << pos << ": " << std::string(piece, n).substr(0, 80);
            return;
        }
        pos += length;
    }
    EXPECT_EQ(pos, folded.size());
    EXPECT_EQ(file.Consumed(), folded.size());
}

// Line ends on every offset around a 64-byte block of the newline scan and around the end
// of the reader's 1 MiB buffer, over-long lines and lone CRs: every vector level reads
// the pieces and whole lines that the folded text gives.
TEST(TextFileSource, HostileTextReadsTheSameOnEveryVectorLevel)
{
    // Lines of every length from 0 to 130 put a line end, LF, CR LF or CR CR LF, on
    // every offset of a block.
    std::string sweep;
    for (std::size_t length = 0; length <= 130; ++length) {
        sweep += std::string(length, static_cast<char>('a' + length % 26));
        sweep += length % 3 == 0 ? "\n" : (length % 3 == 1 ? "\r\n" : "\r\r\n");
    }
    for (std::size_t length : {1022u, 1023u, 1024u, 1025u, 2046u, 2047u, 2048u, 5000u})
        for (const char* end : {"\n", "\r\n"})
            sweep += std::string(length - 1, 'L') + "\r" + end; // CRs at the end of 1023 pieces
    sweep += std::string("\0\n\r\0\r\n\r", 7);

    testsupport::TempDir dir;
    const std::size_t bufferEnd = 1 << 20;
    TextFile files[3]; // one per level, each keeping its buffer from shift to shift
    // The sweep's short lines end on each of 64 offsets around the buffer's end in turn.
    std::string text, folded; // kept from shift to shift, with their storage
    for (std::size_t shift = 0; shift < 64; ++shift) {
        text = sweep;
        text.append(bufferEnd - 1500 - shift - sweep.size(), 'f');
        text += '\n';
        text += sweep;
        text += "end\r";
        folded.clear();
        for (std::size_t i = 0; i < text.size(); ++i)
            if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
                folded += text[i];
        if (shift == 0)
            testsupport::WriteFile(dir.File("hostile"), text);
        for (platform::VectorLevel level : testsupport::SupportedVectorLevels()) {
            SCOPED_TRACE(std::string(platform::VectorLevelName(level)) + " shift " + std::to_string(shift));
            testsupport::ScopedVectorLevel forced(level);
            TextFile& file = files[static_cast<int>(level)];
            file.OpenSource(std::make_unique<ViewSource>(text), "t"); // whole buffers
            ExpectPiecesOf(file, folded);
            if (shift == 0) {
                ASSERT_TRUE(file.OpenRead(dir.File("hostile")));
                std::string expected = folded, line;
                if (!expected.empty() && expected.back() != '\n')
                    expected += '\n';
                std::string lines;
                while (file.ReadWholeLine(line))
                    lines += line + '\n';
                EXPECT_EQ(lines, expected);
                file.OpenSource(std::make_unique<ChunkSource>(text, 61), "t"); // buffer ends everywhere
                ExpectPiecesOf(file, folded);
            }
        }
    }
}
