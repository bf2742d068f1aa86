#include "platform/Archive.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using platform::Archive;
using platform::ArchiveException;

namespace {
int CauseOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const ArchiveException& e) {
        return e.m_cause;
    }
    return ArchiveException::none;
}
} // namespace

TEST(Archive, NumbersRoundTripLittleEndian)
{
    Archive out;
    out.WriteInt32(-2);
    out.WriteUInt32(0x01020304u);
    out.WriteInt16(-300);
    out.WriteByte(0xAB);
    out.Write("xyz", 3);
    const std::vector<unsigned char> expected = {0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02,
                                                 0x01, 0xD4, 0xFE, 0xAB, 'x',  'y',  'z'};
    EXPECT_EQ(out.Data(), expected);

    Archive in(out.Data());
    EXPECT_TRUE(in.IsLoading());
    EXPECT_EQ(in.ReadInt32(), -2);
    EXPECT_EQ(in.ReadUInt32(), 0x01020304u);
    EXPECT_EQ(in.ReadInt16(), -300);
    EXPECT_EQ(in.ReadByte(), 0xAB);
    char text[4] = {};
    EXPECT_EQ(in.Read(text, 10), 3u); // fewer only at the end
    EXPECT_STREQ(text, "xyz");
    EXPECT_EQ(in.BytesLeft(), 0u);
}

TEST(Archive, TruncatedInputAndWrongDirectionGiveTheirCauses)
{
    // Every truncated prefix of a 4-byte number is an end of file.
    for (std::size_t n = 0; n < 4; ++n) {
        Archive in(std::vector<unsigned char>(n, 0x11));
        EXPECT_EQ(CauseOf([&] { in.ReadInt32(); }), ArchiveException::endOfFile) << n;
        EXPECT_EQ(in.Position(), 0u) << "a failed read consumes nothing";
    }
    Archive in(std::vector<unsigned char>{1});
    EXPECT_EQ(CauseOf([&] { in.ReadInt16(); }), ArchiveException::endOfFile);
    EXPECT_EQ(CauseOf([&] { in.WriteByte(1); }), ArchiveException::readOnly);
    Archive out;
    EXPECT_EQ(CauseOf([&] { out.ReadByte(); }), ArchiveException::writeOnly);
    EXPECT_EQ(ArchiveException::genericException, 1);
    EXPECT_EQ(ArchiveException::endOfFile, 3);
    EXPECT_EQ(ArchiveException::badIndex, 5);
    EXPECT_EQ(ArchiveException::badSchema, 7);
}

TEST(Archive, FilesRoundTripAndFailuresAreGeneric)
{
    testsupport::TempDir dir;
    Archive out;
    out.WriteUInt32(0xCAFEF00Du);
    out.SaveFile(dir.File("doc"));
    EXPECT_EQ(Archive::LoadFile(dir.File("doc")).ReadUInt32(), 0xCAFEF00Du);

    // A save replaces the old file whole.
    Archive shorter;
    shorter.WriteByte(7);
    shorter.SaveFile(dir.File("doc"));
    EXPECT_EQ(testsupport::ReadFile(dir.File("doc")), std::string(1, '\7'));

    EXPECT_EQ(CauseOf([&] { Archive::LoadFile(dir.File("missing")); }), ArchiveException::genericException);
    EXPECT_EQ(CauseOf([&] { out.SaveFile(dir.File("no/such/dir/doc")); }), ArchiveException::genericException);
}

TEST(Archive, SaveReplacesTheRealFileWholeOrNotAtAll)
{
    namespace fs = std::filesystem;
    using fs::perms;
    testsupport::TempDir dir;
    const fs::path root = dir.Path();
    Archive out;
    out.WriteByte('N');
    struct Case {
        const char* name;
        std::function<void()> setup;
        const char* saveTo; // in the folder
        bool saved;
        const char* written; // the file that holds the result
        std::string content;
        perms mode;
    };
    const Case cases[] = {
        {"a link stays a link; the file it names is written, its permissions kept",
         [&] {
             fs::create_directory(root / "real");
             testsupport::WriteFile((root / "real/doc").string(), "old");
             fs::permissions(root / "real/doc", perms::owner_read | perms::owner_write | perms::group_read);
             fs::create_symlink("real/doc", root / "link");
             fs::create_symlink("link", root / "link2");
         },
         "link2", true, "real/doc", "N", perms::owner_read | perms::owner_write | perms::group_read},
        {"a link to a name not yet there makes that file", [&] { fs::create_symlink("made", root / "dangling"); },
         "dangling", true, "made", "N",
         perms::owner_read | perms::owner_write | perms::group_read | perms::others_read},
        {"a read-only file is refused and stays as it was",
         [&] {
             testsupport::WriteFile((root / "locked").string(), "old");
             fs::permissions(root / "locked", perms::owner_read | perms::group_read);
         },
         "locked", false, "locked", "old", perms::owner_read | perms::group_read},
        {"a folder in the way", [&] { fs::create_directory(root / "folder"); }, "folder", false, nullptr, "", {}},
        {"a missing folder", [] {}, "no/such/doc", false, nullptr, "", {}},
    };
    ::umask(022);
    // A file of the user's that a fixed temporary name would have taken.
    testsupport::WriteFile((root / "locked.tmp").string(), "mine");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.setup();
        const std::string path = (root / c.saveTo).string();
        if (c.saved)
            EXPECT_NO_THROW(out.SaveFile(path));
        else
            EXPECT_EQ(CauseOf([&] { out.SaveFile(path); }), ArchiveException::genericException);
        if (c.written) {
            EXPECT_EQ(testsupport::ReadFile((root / c.written).string()), c.content);
            EXPECT_EQ(fs::status(root / c.written).permissions(), c.mode);
        }
        // No temporary file is left behind, whatever happened.
        for (const auto& entry : fs::recursive_directory_iterator(root))
            EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
    }
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(root / "link2")));
    EXPECT_EQ(testsupport::ReadFile((root / "locked.tmp").string()), "mine");
}
