#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(Paths, TrailingSeparatorIsAddedOnce)
{
    EXPECT_EQ(platform::WithTrailingSeparator("/home/u/Documents"), "/home/u/Documents/");
    EXPECT_EQ(platform::WithTrailingSeparator("/home/u/Documents/"), "/home/u/Documents/");
    EXPECT_EQ(platform::WithTrailingSeparator(""), "");
}

TEST(Paths, ListNamesFallBackToAnotherLetterCase)
{
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.File("actors.LIST"), "x");
    testsupport::WriteFile(dir.File("Movies.list"), "x");
    testsupport::WriteFile(dir.File("movies.list"), "y");
    EXPECT_EQ(platform::ResolveCaseInsensitive(dir.File("Actors.list")), dir.File("actors.LIST"));
    // The exact name wins when it exists.
    EXPECT_EQ(platform::ResolveCaseInsensitive(dir.File("Movies.list")), dir.File("Movies.list"));
    EXPECT_EQ(platform::ResolveCaseInsensitive(dir.File("Plot.list")), dir.File("Plot.list"));
    EXPECT_EQ(platform::ResolveCaseInsensitive(dir.File("nodir/Plot.list")), dir.File("nodir/Plot.list"));
    // Only ASCII letters fold.
    testsupport::WriteFile(dir.File("Caf\xC3\xA9.list"), "x");
    EXPECT_EQ(platform::ResolveCaseInsensitive(dir.File("CAF\xC3\xA9.LIST")), dir.File("Caf\xC3\xA9.list"));
    EXPECT_EQ(platform::ResolveCaseInsensitive(dir.File("Caf\xC3\x89.list")), dir.File("Caf\xC3\x89.list"));
}

TEST(Paths, ProgramDirectoryEndsWithASeparator)
{
    const std::string dir = platform::ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(platform::FileExists(dir));
}

TEST(CodePage, EveryByteSurvivesUtf8AndBack)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(platform::Utf8ToCp1252(platform::Cp1252ToUtf8(all)), all);
    EXPECT_EQ(platform::Cp1252ToUtf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");
    // Malformed and unmappable input becomes '?'.
    EXPECT_EQ(platform::Utf8ToCp1252("a\xC3"), "a?");
    EXPECT_EQ(platform::Utf8ToCp1252("\xFF"
                                     "b"),
              "?b");
    EXPECT_EQ(platform::Utf8ToCp1252("\xE4\xB8\xAD"), "?");
}
