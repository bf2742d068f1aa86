#include "LineFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

struct Lines {
    std::vector<std::string> lines;
    int code = kLineOk;
    std::int64_t consumed = 0;
};

Lines readAllLines(const std::string& path, int bufferSize, int maxLen)
{
    Lines result;
    LineFile* file = openLineFile(path.c_str(), kLineFileRead, bufferSize);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    char* line = nullptr;
    while ((result.code = readLine(file, &line, maxLen)) == kLineOk)
        result.lines.emplace_back(line);
    result.consumed = file->bytesConsumed;
    closeLineFile(file);
    return result;
}

TEST(LineFileTest, NulEndsALineAndCarriageReturnStays)
{
    TempDir dir;
    WriteFile(dir.File("a.list"), std::string("one\r\ntwo\0three\n\nlast", 20));
    Lines got = readAllLines(dir.File("a.list"), 64, 16);
    EXPECT_EQ(got.lines, (std::vector<std::string>{"one\r", "two", "three", ""}));
    EXPECT_EQ(got.code, kLineTooLong) << "a last line without line end";
    EXPECT_EQ(got.consumed, 5 + 4 + 6 + 1);
}

TEST(LineFileTest, LineLimitAndEndOfFile)
{
    TempDir dir;
    const int maxLen = 8;
    WriteFile(dir.File("a"), std::string(7, 'x') + "\n" + std::string(8, 'y') + "\nz\n");
    Lines got = readAllLines(dir.File("a"), 32, maxLen);
    EXPECT_EQ(got.lines, std::vector<std::string>{std::string(7, 'x')});
    EXPECT_EQ(got.code, kLineTooLong);

    WriteFile(dir.File("b"), "a\nb\n");
    got = readAllLines(dir.File("b"), 32, maxLen);
    EXPECT_EQ(got.lines, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(got.code, kLineEndOfFile);

    WriteFile(dir.File("empty"), "");
    got = readAllLines(dir.File("empty"), 32, maxLen);
    EXPECT_TRUE(got.lines.empty());
    EXPECT_EQ(got.code, kLineEndOfFile);
}

TEST(LineFileTest, OpenReportsSizeAndFailsOnMissingFile)
{
    TempDir dir;
    WriteFile(dir.File("a"), std::string(1000, 'q'));
    LineFile* file = openLineFile(dir.File("a").c_str(), kLineFileRead | kLineFileWantSize, 128);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->fileSize, 1000);
    EXPECT_EQ(file->errorClass, 0);
    EXPECT_EQ(closeLineFile(file), kLineOk);
    EXPECT_EQ(openLineFile(dir.File("missing").c_str(), kLineFileRead, 128), nullptr);
    EXPECT_EQ(openLineFile(dir.Path().c_str(), kLineFileRead, 128), nullptr) << "a directory";
    EXPECT_EQ(closeLineFile(nullptr), 1);
}

TEST(LineFileTest, WriteModeWritesPendingBytesOnClose)
{
    TempDir dir;
    LineFile* file = openLineFile(dir.File("out").c_str(), kLineFileWrite, 16);
    ASSERT_NE(file, nullptr);
    std::memcpy(file->buffer, "hello", 5);
    file->fill = 5;
    EXPECT_EQ(closeLineFile(file), kLineOk);
    EXPECT_EQ(testsupport::ReadFile(dir.File("out")), "hello");
}

// Files of short and long lines, NULs, CR LF, bytes over 127 and lines right at the limit,
// with or without a final line end.
std::string hostileText(std::mt19937& random, int maxLen, std::size_t size)
{
    static const char ends[] = {'\n', '\n', '\n', '\0'};
    std::string text;
    while (text.size() < size) {
        int kind = static_cast<int>(random() % 10);
        int length = kind < 6   ? static_cast<int>(random() % 6)
                     : kind < 9 ? maxLen - 2 + static_cast<int>(random() % 2)
                                : maxLen - 1 + static_cast<int>(random() % 3);
        for (int i = 0; i < length; ++i)
            text += static_cast<char>(random() % 3 ? 'a' + random() % 26 : 0x80 + random() % 128);
        if (random() % 4 == 0)
            text += '\r';
        text += ends[random() % 4];
    }
    if (random() % 2)
        text += "tail";
    return text;
}

TEST(LineFileTest, BlocksOfLinesEqualLineByLineAtEveryBufferBoundary)
{
    TempDir dir;
    std::mt19937 random(7);
    const int maxLen = 16;
    for (int round = 0; round < 300; ++round) {
        std::string text = hostileText(random, maxLen, 50 + random() % 400);
        WriteFile(dir.File("f"), text);
        for (int bufferSize = maxLen + 1; bufferSize <= 3 * maxLen + 5; ++bufferSize) {
            Lines expected = readAllLines(dir.File("f"), bufferSize, maxLen);
            std::string expectedBytes;
            for (const std::string& line : expected.lines)
                expectedBytes += line + '\n';

            LineFile* file = openLineFile(dir.File("f").c_str(), kLineFileRead, bufferSize);
            ASSERT_NE(file, nullptr);
            std::string gotBytes;
            char* block = nullptr;
            std::int64_t length = 0;
            int code;
            while ((code = readLines(file, &block, &length, maxLen)) == kLineOk) {
                ASSERT_GT(length, 0);
                gotBytes.append(block, static_cast<std::size_t>(length));
            }
            std::int64_t consumed = file->bytesConsumed;
            closeLineFile(file);
            ASSERT_EQ(gotBytes, expectedBytes) << "round " << round << " buffer " << bufferSize;
            ASSERT_EQ(code, expected.code) << "round " << round << " buffer " << bufferSize;
            ASSERT_EQ(consumed, expected.consumed);
        }
    }
}

TEST(LineFileTest, BlocksContinueAfterAFirstLineReadAlone)
{
    TempDir dir;
    WriteFile(dir.File("f"), std::string("head\nab\0cd\n", 11));
    LineFile* file = openLineFile(dir.File("f").c_str(), kLineFileRead, 32);
    char* line = nullptr;
    ASSERT_EQ(readLine(file, &line, 8), kLineOk);
    EXPECT_STREQ(line, "head");
    char* block = nullptr;
    std::int64_t length = 0;
    ASSERT_EQ(readLines(file, &block, &length, 8), kLineOk);
    EXPECT_EQ(std::string(block, static_cast<std::size_t>(length)), "ab\ncd\n");
    EXPECT_EQ(readLines(file, &block, &length, 8), kLineEndOfFile);
    closeLineFile(file);
}

} // namespace
