#include "CrcEngine.h"
#include "LineFile.h"
#include "ListCheck.h"
#include "ListCrc.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>

using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

struct Expected {
    std::uint32_t crc = kCrcStart;
    std::string progress;
};

// The check as defined, line by line and a byte at a time: the checksum of every line after
// the first and the progress texts that the loop writes.
Expected referenceCheck(const std::string& path, const std::uint32_t* table)
{
    Expected result;
    LineFile* file = openLineFile(path.c_str(), kLineFileRead | kLineFileWantSize, kListBufferSize);
    char* line = nullptr;
    if (readLine(file, &line, kListMaxLine) != kLineOk)
        throw std::runtime_error("first line");
    std::int64_t divisor = file->fileSize >> 7;
    int last = 0;
    while (readLine(file, &line, kListMaxLine) == kLineOk) {
        if (divisor > 0) {
            std::int64_t percent = ((file->bytesConsumed >> 7) * 100) / divisor;
            if (percent > 100)
                percent = 100;
            if (percent != last) {
                char text[16];
                std::snprintf(text, sizeof text, "\b\b\b\b\b\b(%03i%%)", static_cast<int>(percent));
                result.progress += text;
                last = static_cast<int>(percent);
            }
        }
        crcAddLine(table, line, result.crc);
    }
    closeLineFile(file);
    return result;
}

std::string crcLine(std::uint32_t crc, const std::string& rest = " Date: Fri Nov 30 2001")
{
    char text[16];
    std::snprintf(text, sizeof text, "CRC: 0x%08X", static_cast<unsigned>(crc));
    return text + rest + "\n";
}

class ListCheckTest : public ::testing::Test {
protected:
    std::unique_ptr<std::uint32_t[]> table = makeCrcTable();
    CrcEngine engine{table.get()};
    CrcEngine tablesOnly{table.get(), false};
    TempDir dir;

    DiffInfo check(const std::string& name, const std::string& bytes, std::string* output = nullptr,
                   const CrcEngine* with = nullptr)
    {
        WriteFile(dir.File(name), bytes);
        DiffInfo info;
        info.name = name;
        std::ostringstream out;
        checkListFile(with ? *with : engine, dir.Path(), info, true, out);
        if (output)
            *output = out.str();
        return info;
    }

    // Writes body under a correct checksum line and checks that the fast check agrees with
    // the definition in its result and in every progress text.
    void expectSameAsDefinition(const std::string& body, const std::string& label)
    {
        // The checksum depends on the body alone; a placeholder line of the same length
        // keeps the sizes and so the percentages.
        std::string placeholder = crcLine(0);
        WriteFile(dir.File("ref.list"), placeholder + body);
        Expected expected = referenceCheck(dir.File("ref.list"), table.get());
        for (const CrcEngine* with : {&engine, &tablesOnly}) {
            std::string output;
            DiffInfo info = check("ref.list", crcLine(expected.crc) + body, &output, with);
            ASSERT_EQ(info.status, kStatusCrcOk) << label << (with->usesVector() ? " vector" : " tables");
            ASSERT_EQ(output, expected.progress + "\b\b\b\b\b\b- CRC O.K.\n") << label;
            ASSERT_EQ(info.size, static_cast<std::int64_t>(placeholder.size() + body.size()));
        }
    }
};

TEST_F(ListCheckTest, ExamplesOfTheChecksumLine)
{
    std::string output;
    DiffInfo info = check("a.list", "CRC: 0xA48B3CD7 Date: Fri Nov 30 2001\nabc\n", &output);
    EXPECT_EQ(info.status, kStatusCrcOk);
    EXPECT_EQ(info.date, "Fri Nov 30 2001");
    EXPECT_EQ(info.size, 42);
    EXPECT_EQ(output, "\b\b\b\b\b\b- CRC O.K.\n") << "under 128 bytes: no percentage";

    info = check("b.list", "CRC: 0xa48b3cd7 Date: Fri Nov 30 2001\nabc\n", &output);
    EXPECT_EQ(info.status, kStatusCrcError) << "lower-case hexadecimal";
    EXPECT_EQ(output, "\b\b\b\b\b\b- CRC Error\n");

    info = check("c.list", "CRC: 0xFFFFFFFF\n");
    EXPECT_EQ(info.status, kStatusCrcOk);
    EXPECT_EQ(info.date, "---- not  available ----");

    info = check("d.list", "CRC: 0xA48B3CD7\nabc", &output);
    EXPECT_EQ(info.status, kStatusCrcError) << "a last line without line end is not covered";
    info = check("e.list", "CRC: 0xFFFFFFFF\nabc");
    EXPECT_EQ(info.status, kStatusCrcOk);

    info = check("f.list", "crc: 0xA48B3CD7\nabc\n", &output);
    EXPECT_EQ(info.status, kStatusNoCrc);
    EXPECT_EQ(info.date, "---- not  available ----");
    EXPECT_EQ(output, "\b\b\b\b\b\b- CRC not available\n");
}

TEST_F(ListCheckTest, DateIsTheRestOfTheLineCutTo39Characters)
{
    DiffInfo info = check("a.list", "CRC: 0xFFFFFFFF xx Date: Fri Nov 30 2001\r\n");
    EXPECT_EQ(info.date, "Fri Nov 30 2001") << "the CR of a CR LF list is no part of the date";
    info = check("b.list", "CRC: 0xFFFFFFFF Date: " + std::string(50, 'd') + "\n");
    EXPECT_EQ(info.date, std::string(39, 'd'));
}

TEST_F(ListCheckTest, CarriageReturnsArePartOfTheChecksum)
{
    std::uint32_t withCr = kCrcStart;
    crcAddLine(table.get(), "abc\r", withCr);
    crcAddLine(table.get(), "de\r", withCr);
    std::uint32_t withoutCr = kCrcStart;
    crcAddLine(table.get(), "abc", withoutCr);
    crcAddLine(table.get(), "de", withoutCr);
    EXPECT_EQ(check("a.list", crcLine(withCr) + "abc\r\nde\r\n").status, kStatusCrcOk);
    EXPECT_EQ(check("b.list", crcLine(withoutCr) + "abc\r\nde\r\n").status, kStatusCrcError);
}

TEST_F(ListCheckTest, UnreadableFilesAreInputErrors)
{
    std::string output;
    DiffInfo info = check("empty.list", "", &output);
    EXPECT_EQ(info.status, kStatusIoError);
    EXPECT_EQ(output, "\b\b\b\b\b\b- IO-Error\n");
    EXPECT_EQ(check("long.list", std::string(kListMaxLine, 'x') + "\n").status, kStatusIoError);
    EXPECT_EQ(check("open.list", "CRC: 0xFFFFFFFF").status, kStatusIoError);

    DiffInfo missing;
    missing.name = "missing.list";
    std::ostringstream out;
    checkListFile(engine, dir.Path(), missing, false, out);
    EXPECT_EQ(missing.status, kStatusIoError);
    EXPECT_EQ(out.str(), "") << "no text without progress";
}

// A stream over `bytes` whose reads fail (EIO) once `failAt` bytes have been handed out.
struct FailingSource {
    std::string bytes;
    std::size_t failAt;
    std::size_t position = 0;
};

ssize_t ReadFailing(void* cookie, char* buffer, std::size_t size)
{
    auto* source = static_cast<FailingSource*>(cookie);
    if (source->position >= source->failAt) {
        errno = EIO;
        return -1;
    }
    const std::size_t n = std::min(size, source->failAt - source->position);
    std::memcpy(buffer, source->bytes.data() + source->position, n);
    source->position += n;
    return static_cast<ssize_t>(n);
}

TEST_F(ListCheckTest, AReadErrorInsideTheListIsAnInputError)
{
    // Lines whose checksum, up to any point, differs from the stored one.
    std::string body;
    for (int i = 0; body.size() < 3 * kListBufferSize; ++i)
        body += "line " + std::to_string(i) + "\n";
    const std::string bytes = crcLine(0x12345678) + body;
    WriteFile(dir.File("a.list"), bytes);
    for (const std::size_t failAt : {std::size_t(100), std::size_t(kListBufferSize + 7), bytes.size() - 3}) {
        SCOPED_TRACE(failAt);
        LineFile* file = openLineFile(dir.File("a.list").c_str(), kLineFileRead | kLineFileWantSize, kListBufferSize);
        ASSERT_NE(file, nullptr);
        FailingSource source{bytes, failAt};
        std::fclose(file->stream);
        file->stream = fopencookie(&source, "rb", cookie_io_functions_t{ReadFailing, nullptr, nullptr, nullptr});
        DiffInfo info;
        std::ostringstream out;
        checkList(engine, file, info, true, out);
        EXPECT_EQ(info.status, kStatusIoError);
        EXPECT_TRUE(out.str().ends_with("\b\b\b\b\b\b- IO-Error\n")) << out.str().substr(out.str().size() - 20);
    }
}

TEST_F(ListCheckTest, AnOverlongLineEndsTheChecksum)
{
    std::uint32_t crc = kCrcStart;
    crcAddLine(table.get(), "kept", crc);
    std::string body = "kept\n" + std::string(kListMaxLine, 'L') + "\nlost\n";
    EXPECT_EQ(check("a.list", crcLine(crc) + body).status, kStatusCrcOk);
    std::string longest(kListMaxLine - 1, 'L');
    crcAddLine(table.get(), longest.c_str(), crc);
    EXPECT_EQ(check("b.list", crcLine(crc) + "kept\n" + longest + "\n").status, kStatusCrcOk);
}

TEST_F(ListCheckTest, FastCheckEqualsTheDefinitionOnRandomHostileFiles)
{
    std::mt19937 random(11);
    for (int round = 0; round < 6; ++round) {
        std::string body;
        std::size_t size = 300000 + random() % 900000;
        while (body.size() < size) {
            int kind = static_cast<int>(random() % 100);
            std::size_t length = kind < 90   ? random() % 80
                                 : kind < 98 ? random() % 3000
                                             : kListMaxLine - 3 + random() % 3;
            for (std::size_t i = 0; i < length; ++i)
                body += static_cast<char>(random() % 5 ? 'a' + random() % 26 : 0x80 + random() % 128);
            if (random() % 5 == 0)
                body += '\r';
            body += random() % 50 ? '\n' : '\0';
        }
        if (round % 2)
            body += "unterminated tail";
        expectSameAsDefinition(body, "round " + std::to_string(round));
    }
}

TEST_F(ListCheckTest, DenseNulsEndLinesLikeLineFeeds)
{
    // NULs next to bytes with the high bit set, runs of NULs, and a file of nothing else.
    std::mt19937 random(5);
    std::string body;
    static const char bytes[] = {'\0', '\0', '\0', 'a', '\x80', '\xFF', '\x01', '\n', '\r'};
    for (int i = 0; i < 200000; ++i)
        body += bytes[random() % sizeof bytes];
    body += '\n';
    expectSameAsDefinition(body, "mixed");
    expectSameAsDefinition(std::string(300000, '\0'), "only NULs");
}

TEST_F(ListCheckTest, FastCheckEqualsTheDefinitionAcrossTheBufferEnd)
{
    // A line of the longest length, a NUL or a CR LF placed at each position around the
    // point where the reader's buffer runs out.
    std::string head = crcLine(0);
    for (int shift = -6; shift <= 6; ++shift) {
        for (int kind = 0; kind < 3; ++kind) {
            std::size_t boundary = kListBufferSize - head.size() + shift;
            std::string body;
            while (body.size() + 100 < boundary - 9000)
                body += std::string(60 + body.size() % 37, 'f') + "\n";
            std::string special = kind == 0   ? std::string(kListMaxLine - 1, 'L') + "\n"
                                  : kind == 1 ? std::string("nul") + '\0'
                                              : std::string("crlf\r\n");
            while (body.size() + special.size() < boundary)
                body += std::string(std::min<std::size_t>(40, boundary - body.size() - special.size()), 'g') + "\n";
            body.resize(boundary - special.size(), 'h');
            if (!body.empty())
                body.back() = '\n';
            body += special + "after\n";
            expectSameAsDefinition(body, "shift " + std::to_string(shift) + " kind " + std::to_string(kind));
        }
    }
}

} // namespace
