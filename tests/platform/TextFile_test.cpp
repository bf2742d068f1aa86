#include "platform/TextFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using platform::TextFile;

TEST(TextFile, FoldsCarriageReturnLineFeedOnly)
{
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.File("a.txt"), "one\r\ntwo\rthree\r\n\r\nlast");
    TextFile file;
    ASSERT_TRUE(file.OpenRead(dir.File("a.txt")));
    std::string line;
    ASSERT_TRUE(file.ReadWholeLine(line));
    EXPECT_EQ(line, "one");
    ASSERT_TRUE(file.ReadWholeLine(line));
    EXPECT_EQ(line, "two\rthree");
    ASSERT_TRUE(file.ReadWholeLine(line));
    EXPECT_EQ(line, "");
    ASSERT_TRUE(file.ReadWholeLine(line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(file.ReadWholeLine(line));
}

TEST(TextFile, BufferReadSplitsLongLinesAndKeepsNewline)
{
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.File("a.txt"), std::string(1500, 'x') + "\nab\n");
    TextFile file;
    ASSERT_TRUE(file.OpenRead(dir.File("a.txt")));
    char buf[1024];
    int n = 0;
    ASSERT_TRUE(file.ReadBuffer(buf, 1024, &n));
    EXPECT_EQ(n, 1023);
    ASSERT_TRUE(file.ReadBuffer(buf, 1024, &n));
    EXPECT_EQ(std::string(buf, n), std::string(477, 'x') + "\n");
    ASSERT_TRUE(file.ReadBuffer(buf, 1024, &n));
    EXPECT_STREQ(buf, "ab\n");
    EXPECT_FALSE(file.ReadBuffer(buf, 1024, &n));
}
