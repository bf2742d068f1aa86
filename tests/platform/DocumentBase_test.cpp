#include "platform/Archive.h"
#include "platform/DocManager.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/Profile.h"
#include "platform/View.h"
#include "support/ScriptedPrompt.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using platform::Archive;
using platform::ArchiveException;

namespace {

// A document holding one string, in a file of "NOTE" and the string's bytes.
class NoteDoc : public platform::CDocument {
public:
    std::string text;
    int deletes = 0;
    void Serialize(Archive& ar) override
    {
        if (ar.IsStoring()) {
            ar.Write("NOTE", 4);
            ar.WriteInt32(static_cast<std::int32_t>(text.size()));
            ar.Write(text.data(), text.size());
        } else {
            char magic[4];
            ar.ReadExact(magic, 4);
            if (std::string(magic, 4) != "NOTE")
                throw ArchiveException(ArchiveException::badIndex, "not a note");
            const std::int32_t n = ar.ReadInt32();
            if (n < 0 || static_cast<std::size_t>(n) > ar.BytesLeft())
                throw ArchiveException(ArchiveException::endOfFile, "short");
            text.resize(static_cast<std::size_t>(n));
            ar.ReadExact(text.data(), text.size());
        }
    }
    void DeleteContents() override
    {
        text.clear();
        ++deletes;
    }
};

struct RecordingView : platform::IView {
    std::vector<std::pair<platform::IView*, std::intptr_t>> updates;
    void OnUpdate(platform::IView* sender, std::intptr_t hint) override { updates.push_back({sender, hint}); }
};

std::unique_ptr<platform::CDocTemplate> NoteTemplate(const char* progId = "Test.Note", const char* ext = ".note")
{
    return std::make_unique<platform::CDocTemplate>(progId, "Note", "Notes (*.note)", ext,
                                                    [] { return std::make_unique<NoteDoc>(); });
}

} // namespace

TEST(DocumentBase, UpdateAllViewsSkipsTheSender)
{
    NoteDoc doc;
    RecordingView a, b;
    doc.AddView(&a);
    doc.AddView(&b);
    doc.AddView(&a); // once only
    doc.UpdateAllViews(&a, 7);
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(a.updates.size(), 1u);
    ASSERT_EQ(b.updates.size(), 2u);
    EXPECT_EQ(b.updates[0].first, &a);
    EXPECT_EQ(b.updates[0].second, 7);
    EXPECT_EQ(b.updates[1].first, nullptr);
    doc.RemoveView(&b);
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(b.updates.size(), 2u);
}

TEST(DocumentBase, SaveModifiedFollowsTheAnswer)
{
    testsupport::ScriptedPrompt prompt;
    testsupport::TempDir dir;
    NoteDoc doc;
    doc.SetTitle("Note1");
    EXPECT_TRUE(doc.SaveModified()) << "an unmodified document closes without a question";
    EXPECT_TRUE(prompt.messages.empty());

    doc.text = "hello";
    doc.SetModifiedFlag();
    prompt.answers = {platform::IDCANCEL, platform::IDNO, platform::IDYES, platform::IDYES};
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(doc.IsModified()) << "No closes without saving";
    EXPECT_FALSE(doc.SaveModified()) << "Yes, then a cancelled file dialog";
    EXPECT_EQ(prompt.fileDialogs, 1);
    prompt.fileNames = {dir.File("n.note")};
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), dir.File("n.note"));
    EXPECT_EQ(doc.GetTitle(), "n.note");
    ASSERT_EQ(prompt.messages.size(), 4u);
    EXPECT_EQ(prompt.messages[0].text, "Save changes to Note1?");
    EXPECT_EQ(prompt.messages[0].caption, "Reelvoyager");
    EXPECT_EQ(prompt.messages[0].type & platform::MB_BUTTONMASK, platform::MB_YESNOCANCEL);

    // With a path, File > Save asks for no name.
    doc.text = "changed";
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_EQ(prompt.fileDialogs, 2);
    EXPECT_EQ(testsupport::ReadFile(dir.File("n.note")), std::string("NOTE\x07\0\0\0changed", 15));
}

TEST(DocumentBase, FailedSaveIsReportedAndKeepsTheDocumentModified)
{
    testsupport::ScriptedPrompt prompt;
    testsupport::TempDir dir;
    NoteDoc doc;
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.DoSave(dir.File("no/such/dir/x.note")));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].text.find("x.note"), std::string::npos);
    // A path in any script is named as it is: messages are UTF-8.
    const std::string cyrillic = dir.File("\xD0\xA4\xD0\xB8\xD0\xBB\xD1\x8C\xD0\xBC\xD1\x8B/x.note");
    EXPECT_FALSE(doc.DoSave(cyrillic));
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.messages[1].text.rfind("Cannot save \"" + cyrillic + "\".\n", 0), 0u) << prompt.messages[1].text;
}

TEST(DocumentBase, FailedOpenLeavesNoDocumentAndIsReported)
{
    testsupport::ScriptedPrompt prompt;
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.File("bad.note"), "NOPE");
    testsupport::WriteFile(dir.File("good.note"), std::string("NOTE\x02\0\0\0hi", 10));
    platform::CDocManager manager;
    platform::CDocTemplate* t = manager.AddDocTemplate(NoteTemplate());
    int frames = 0;
    t->SetFrameFactory([&](platform::CDocument&) { return ++frames < 3; });

    EXPECT_EQ(manager.OpenDocumentFile(dir.File("bad.note")), nullptr);
    EXPECT_TRUE(manager.GetDocuments().empty());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].text.find("Unexpected file format."), std::string::npos);
    EXPECT_EQ(frames, 0) << "no frame for a document that failed to load";

    auto* doc = dynamic_cast<NoteDoc*>(manager.OpenDocumentFile(dir.File("good.note")));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->text, "hi");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetTitle(), "good.note");
    EXPECT_EQ(manager.RecentFiles().GetAt(0), dir.File("good.note"));

    // A new document without a frame goes again.
    EXPECT_NE(t->OpenDocumentFile(""), nullptr);
    EXPECT_EQ(t->OpenDocumentFile(""), nullptr);
    EXPECT_EQ(manager.GetDocuments().size(), 2u);
    EXPECT_EQ(manager.FindTemplate("Test.Note"), t);
    EXPECT_EQ(manager.FindTemplate("Other"), nullptr);
}

TEST(DocumentBase, FirstRegisteredTemplateWinsATie)
{
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.File("x.other"), std::string("NOTE\0\0\0\0", 8));
    testsupport::WriteFile(dir.File("x.second"), std::string("NOTE\0\0\0\0", 8));
    platform::CDocManager manager;
    platform::CDocTemplate* first = manager.AddDocTemplate(NoteTemplate("First", ".first"));
    platform::CDocTemplate* second = manager.AddDocTemplate(NoteTemplate("Second", ".second"));
    platform::CDocument* foreign = manager.OpenDocumentFile(dir.File("x.other"));
    ASSERT_NE(foreign, nullptr);
    EXPECT_EQ(foreign->GetDocTemplate(), first);
    platform::CDocument* native = manager.OpenDocumentFile(dir.File("x.second"));
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->GetDocTemplate(), second);
}

TEST(DocumentBase, RecentFileListKeepsFourNewestFirst)
{
    platform::CRecentFileList list(4);
    for (const char* p : {"/a", "/b", "/c", "/a", "/d", "/e"})
        list.Add(p);
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetAt(0), "/e");
    EXPECT_EQ(list.GetAt(1), "/d");
    EXPECT_EQ(list.GetAt(2), "/a");
    EXPECT_EQ(list.GetAt(3), "/c");
    EXPECT_EQ(list.GetAt(4), "");
    list.Add("/A");
    EXPECT_EQ(list.GetAt(0), "/A") << "file names differ by case";
    EXPECT_EQ(list.GetAt(1), "/e");

    platform::MemoryProfile profile;
    list.Remove(3);
    list.WriteList(profile);
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1", "?"), "/A");
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File4", "?"), "");
    platform::CRecentFileList read(4);
    read.ReadList(profile);
    ASSERT_EQ(read.GetCount(), 3);
    EXPECT_EQ(read.GetAt(2), "/d");
}

// Older profiles kept each byte of a recent file's path as one character; such an entry
// reads as the path it was written from, and every other entry as it stands.
TEST(DocumentBase, RecentFilesOfAnOlderProfileReadAsTheirPaths)
{
    testsupport::TempDir dir;
    // A file whose name really is the two characters an older profile made of "ë".
    testsupport::WriteFile(dir.File("zo\xC3\x83\xC2\xAB.rvmtv"), "");
    const struct {
        std::string stored; // UTF-8, as the profile hands it over
        std::string path;
    } rows[] = {
        {"/home/zo\xC3\x83\xC2\xAB/a.rvmtv", "/home/zo\xC3\xAB/a.rvmtv"}, // "ë" as two characters
        {"/home/zo\xC3\xAB/a.rvmtv", "/home/zo\xC3\xAB/a.rvmtv"},         // written as UTF-8
        // "Фильмы" byte by byte; its bytes 0x8C and 0x8B stood for letters of the code page
        {"/x/\xC3\x90\xC2\xA4\xC3\x90\xC2\xB8\xC3\x90\xC2\xBB\xC3\x91\xC5\x92\xC3\x90\xC2\xBC\xC3\x91\xE2\x80\xB9/"
         "a.rvmtv",
         "/x/\xD0\xA4\xD0\xB8\xD0\xBB\xD1\x8C\xD0\xBC\xD1\x8B/a.rvmtv"},
        {"/x/\xD0\xA4\xD0\xB8\xD0\xBB\xD1\x8C\xD0\xBC\xD1\x8B/a.rvmtv",
         "/x/\xD0\xA4\xD0\xB8\xD0\xBB\xD1\x8C\xD0\xBC\xD1\x8B/a.rvmtv"},
        {"/plain/a?.rvmtv", "/plain/a?.rvmtv"},
        {"/x/\xC3\x83 \xC3\xA9.rvmtv", "/x/\xC3\x83 \xC3\xA9.rvmtv"}, // its bytes are no UTF-8
        {dir.File("zo\xC3\x83\xC2\xAB.rvmtv"), dir.File("zo\xC3\x83\xC2\xAB.rvmtv")},
    };
    for (const auto& row : rows) {
        platform::MemoryProfile profile;
        profile.WriteProfileString("Recent File List", "File1", row.stored);
        platform::CRecentFileList list(4);
        list.ReadList(profile);
        EXPECT_EQ(list.GetAt(0), row.path) << row.stored;
    }
}

TEST(DocumentBase, RecentFileThatFailsToOpenLeavesTheList)
{
    testsupport::ScriptedPrompt prompt;
    testsupport::TempDir dir;
    platform::CDocManager manager;
    manager.AddDocTemplate(NoteTemplate());
    manager.AddToRecentFileList(dir.File("gone.note"));
    EXPECT_EQ(manager.OpenRecentFile(0), nullptr);
    EXPECT_EQ(manager.RecentFiles().GetCount(), 0);
}

TEST(DocumentBase, SavingAReadOnlyFileAsksForAnotherName)
{
    testsupport::ScriptedPrompt prompt;
    testsupport::TempDir dir;
    NoteDoc doc;
    doc.text = "new";
    ASSERT_TRUE(doc.DoSave(dir.File("ro.note")));
    ::chmod(dir.File("ro.note").c_str(), 0444);
    doc.text = "changed";
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.DoFileSave()) << "the name dialog is cancelled";
    EXPECT_EQ(prompt.fileDialogs, 1);
    prompt.fileNames = {dir.File("ro.note")};
    EXPECT_FALSE(doc.DoFileSave()) << "the same name again is refused";
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].text.find("read-only"), std::string::npos);
    EXPECT_EQ(testsupport::ReadFile(dir.File("ro.note")), std::string("NOTE\x03\0\0\0new", 11));
    prompt.fileNames = {dir.File("rw.note")};
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_EQ(doc.GetPathName(), dir.File("rw.note"));
    EXPECT_FALSE(doc.IsModified());
}

TEST(DocumentBase, SaveAsAsksBeforeReplacingTheFileTheExtensionNames)
{
    testsupport::ScriptedPrompt prompt;
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.File("leon.note"), "another note");
    platform::CDocManager manager;
    auto* doc = dynamic_cast<NoteDoc*>(manager.AddDocTemplate(NoteTemplate())->OpenDocumentFile(""));
    ASSERT_NE(doc, nullptr);
    doc->text = "mine";
    prompt.fileNames = {dir.File("leon"), dir.File("leon")};
    prompt.answers = {platform::IDNO, platform::IDYES};
    EXPECT_TRUE(doc->DoSave(""));
    EXPECT_EQ(prompt.fileDialogs, 2) << "No goes back to the dialog";
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.messages[0].text, "leon.note already exists.\nDo you want to replace it?");
    EXPECT_EQ(prompt.messages[0].caption, "Save As");
    EXPECT_EQ(prompt.messages[0].type, platform::MB_YESNO | platform::MB_ICONEXCLAMATION | platform::MB_DEFBUTTON2);
    EXPECT_EQ(doc->GetPathName(), dir.File("leon.note"));
    EXPECT_EQ(testsupport::ReadFile(dir.File("leon.note")), std::string("NOTE\x04\0\0\0mine", 12));

    // The document's own file, under another spelling of its path, is no other file.
    prompt.fileNames = {dir.Path() + "./leon"};
    EXPECT_TRUE(doc->DoSave(""));
    EXPECT_EQ(prompt.messages.size(), 2u);

    // A name beyond Latin-1 is named as it is.
    const std::string film = "\xD0\xA4\xD0\xB8\xD0\xBB\xD1\x8C\xD0\xBC"; // "Фильм"
    testsupport::WriteFile(dir.File(film + ".note"), "another note");
    prompt.fileNames = {dir.File(film)};
    prompt.answers = {platform::IDNO};
    EXPECT_FALSE(doc->DoSave("")) << "No, then a cancelled dialog";
    ASSERT_EQ(prompt.messages.size(), 3u);
    EXPECT_EQ(prompt.messages[2].text, film + ".note already exists.\nDo you want to replace it?");
}
