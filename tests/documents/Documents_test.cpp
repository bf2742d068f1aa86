#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "platform/Archive.h"
#include "platform/Clock.h"
#include "platform/Prompt.h"
#include "platform/View.h"
#include "support/LocalClock.h"
#include "support/ScriptedPrompt.h"
#include "support/TestSupport.h"

#include <atomic>
#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

struct CountingView : platform::IView {
    int updates = 0;
    void OnUpdate(platform::IView*, std::intptr_t) override { ++updates; }
};

using testsupport::ClockScope;
using testsupport::LocalNoon;

struct KeyValue {
    int key;
    std::int32_t value;
    bool operator==(const KeyValue&) const = default;
};

std::vector<KeyValue> DocInfo(const CRecordStore& store)
{
    std::vector<KeyValue> out;
    for (int i = store.FindFirst(kRecordDocInfo); i >= 0; i = store.FindNext(i, kRecordDocInfo)) {
        std::int32_t v = -1;
        store.GetRecord(i).GetInt(v);
        out.push_back({store.GetRecord(i).key, v});
    }
    return out;
}

} // namespace

TEST(Documents, NewDocumentsStartEmptyAndIdle)
{
    CRVMDoc movie;
    EXPECT_EQ(movie.GetSearchState(), kSearchIdle);
    EXPECT_EQ(movie.GetSectionMode(), kSectionNone);
    EXPECT_EQ(movie.GetProgramVersion(), 0);
    EXPECT_EQ(movie.GetDocVersion(), 0);
    EXPECT_EQ(movie.GetMovieTitle(), "");
    EXPECT_EQ(movie.GetRecords().GetCount(), 0);
    EXPECT_TRUE(movie.OnNewDocument());

    CRVCDoc cast;
    EXPECT_EQ(cast.GetFilmographyMode(), kFilmographyNone);
    EXPECT_EQ(cast.GetPersonName(), "");
    EXPECT_FALSE(cast.IsCreditedWithEnabled()) << "Credited With waits for the first search's mode";
    cast.SetDefaultFilmographyMode(kFilmographyCategorized);
    EXPECT_TRUE(cast.IsCreditedWithEnabled());
}

TEST(Documents, CreditedWithIsDisabledWhileTheDocumentIsSearched)
{
    CRVCDoc cast;
    cast.OnFilmographyMode(kFilmographyCombined);
    for (int state : {kSearchQueued, kSearchRunning}) {
        cast.SetSearchState(state);
        EXPECT_FALSE(cast.IsCreditedWithEnabled()) << state;
    }
    cast.SetSearchState(kSearchIdle);
    EXPECT_TRUE(cast.IsCreditedWithEnabled());
}

TEST(Documents, StampKeepsCreationDateAndWritesKeysInOrder)
{
    ClockScope clock(LocalNoon(2026, 12, 9));
    CRVCDoc doc;
    CRecordStore& records = doc.GetRecords();
    records.AddString(kRecordHeading, 0, "Doe, Jane");
    records.AddInt(kRecordDocInfo, kDocInfoCreatorVersion, 0x301);
    records.AddInt(kRecordDocInfo, kDocInfoCreatedYear, 1999);
    records.AddInt(kRecordDocInfo, kDocInfoCreatedMonth, 3);
    records.AddInt(kRecordDocInfo, kDocInfoCreatedDay, 4);
    records.AddInt(kRecordDocInfo, kDocInfoCreatedDay, 5);       // a later record wins
    records.AddBytes3(kRecordDocInfo, kDocInfoCreatedMonth, 11); // not an integer record
    records.AddInt(kRecordDocInfo, kDocInfoUpdatedYear, 2000);
    records.AddInt(0, 1, 1);

    doc.StampDocInfo();
    EXPECT_EQ(DocInfo(records),
              (std::vector<KeyValue>{
                  {0, 0x301}, {8, 0x305}, {1, 0x200}, {2, 1999}, {3, 3}, {4, 5}, {5, 2026}, {6, 12}, {7, 9}}));
    EXPECT_EQ(records.GetRecord(0).type, kRecordHeading);
    EXPECT_EQ(records.GetRecord(1).type, 0) << "other records keep their place, type 50 goes to the end";
    EXPECT_EQ(doc.GetDocVersion(), 0x200);
    EXPECT_EQ(doc.GetProgramVersion(), 0x305);

    // A second search a day later changes only the date of the last update.
    clock.Set(LocalNoon(2027, 1, 10));
    doc.StampDocInfo();
    EXPECT_EQ(DocInfo(records),
              (std::vector<KeyValue>{
                  {0, 0x301}, {8, 0x305}, {1, 0x200}, {2, 1999}, {3, 3}, {4, 5}, {5, 2027}, {6, 1}, {7, 10}}));
}

TEST(Documents, StampWithoutRecordsCreatesToday)
{
    ClockScope clock(LocalNoon(2024, 2, 29));
    CRVMDoc doc;
    doc.StampDocInfo();
    EXPECT_EQ(DocInfo(doc.GetRecords()),
              (std::vector<KeyValue>{
                  {0, 0x305}, {8, 0x305}, {1, 0x300}, {2, 2024}, {3, 2}, {4, 29}, {5, 2024}, {6, 2}, {7, 29}}));
    EXPECT_EQ(doc.GetDocVersion(), 0x300);
}

TEST(Documents, DefaultModeAppliesOnlyWhileNoneIsSet)
{
    CRVMDoc movie;
    movie.SetDefaultSectionMode(kSectionCredits);
    EXPECT_EQ(movie.GetSectionMode(), kSectionCredits);
    movie.SetDefaultSectionMode(kSectionOverview);
    EXPECT_EQ(movie.GetSectionMode(), kSectionCredits);

    CRVCDoc cast;
    cast.SetDefaultFilmographyMode(kFilmographyCombined);
    cast.SetDefaultFilmographyMode(kFilmographyCategorized);
    EXPECT_EQ(cast.GetFilmographyMode(), kFilmographyCombined);
}

TEST(Documents, ModeCommandRedrawsOnlyWhenTheModeChanges)
{
    CRVMDoc movie;
    CountingView view;
    movie.AddView(&view);
    movie.OnSectionMode(kSectionComplete);
    movie.OnSectionMode(kSectionComplete);
    EXPECT_EQ(view.updates, 1);
    movie.OnSectionMode(kSectionOverview);
    EXPECT_EQ(view.updates, 2);

    CRVCDoc cast;
    CountingView castView;
    cast.AddView(&castView);
    cast.OnFilmographyMode(kFilmographyCategorized);
    cast.OnFilmographyMode(kFilmographyCategorized);
    cast.OnFilmographyMode(kFilmographyCombined);
    EXPECT_EQ(castView.updates, 2);
}

TEST(Documents, ModeCommandStates)
{
    CRVMDoc movie;
    for (int mode = kSectionOverview; mode <= kSectionComplete; ++mode) {
        const ModeCommandState s = movie.GetSectionModeCommandState(mode);
        EXPECT_FALSE(s.enabled);
        EXPECT_FALSE(s.checked);
    }
    movie.OnSectionMode(kSectionPlotQuotes);
    for (int mode = kSectionOverview; mode <= kSectionComplete; ++mode) {
        const ModeCommandState s = movie.GetSectionModeCommandState(mode);
        EXPECT_TRUE(s.enabled);
        EXPECT_EQ(s.checked, mode == kSectionPlotQuotes) << mode;
    }

    CRVCDoc cast;
    EXPECT_FALSE(cast.GetFilmographyModeCommandState(kFilmographyCategorized).enabled);
    cast.OnFilmographyMode(kFilmographyCombined);
    EXPECT_TRUE(cast.GetFilmographyModeCommandState(kFilmographyCategorized).enabled);
    EXPECT_FALSE(cast.GetFilmographyModeCommandState(kFilmographyCategorized).checked);
    EXPECT_TRUE(cast.GetFilmographyModeCommandState(kFilmographyCombined).checked);
}

TEST(Documents, ClosingAndSavingAreRefusedWhileSearching)
{
    testsupport::ScriptedPrompt prompt;
    testsupport::TempDir dir;
    for (int state : {kSearchQueued, kSearchRunning}) {
        CRVMDoc movie;
        CRVCDoc cast;
        movie.SetModifiedFlag(true);
        cast.SetModifiedFlag(true);
        movie.SetSearchState(state);
        cast.SetSearchState(state);
        EXPECT_TRUE(movie.IsSearching());
        prompt.messages.clear();
        prompt.fileNames = {dir.File("a.rvmtv"), dir.File("b.rvcc")};

        EXPECT_FALSE(movie.SaveModified());
        EXPECT_FALSE(cast.SaveModified());
        EXPECT_FALSE(movie.DoFileSave());
        EXPECT_FALSE(cast.DoSave("")); // Save As
        EXPECT_FALSE(movie.DoSave(dir.File("c.rvmtv")));

        ASSERT_EQ(prompt.messages.size(), 5u);
        for (const auto& m : prompt.messages) {
            EXPECT_EQ(m.text, "First cancel the search operation.");
            EXPECT_EQ(m.caption, platform::AppName());
            EXPECT_EQ(m.type & platform::MB_BUTTONMASK, platform::MB_OK);
        }
        EXPECT_EQ(prompt.fileDialogs, 0) << "no file dialog while searching";
        EXPECT_TRUE(movie.IsModified());
        EXPECT_TRUE(std::filesystem::is_empty(dir.Path())) << "nothing written";
    }
}

TEST(Documents, IdleModifiedDocumentAsksTheUsualQuestion)
{
    testsupport::ScriptedPrompt prompt;
    testsupport::TempDir dir;
    CRVMDoc movie;
    movie.SetTitle("Untitled1");
    movie.SetMovieTitle("Title");
    movie.SetModifiedFlag(true);

    prompt.answers = {platform::IDYES};
    prompt.fileNames = {dir.File("saved.rvmtv")};
    EXPECT_TRUE(movie.SaveModified());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Save changes to Untitled1?");
    EXPECT_FALSE(movie.IsModified());
    EXPECT_EQ(movie.GetPathName(), dir.File("saved.rvmtv"));

    CRVMDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(dir.File("saved.rvmtv")));
    EXPECT_EQ(reopened.GetMovieTitle(), "Title");
}

TEST(Documents, GetActiveFindsOnlyACastCrewDocument)
{
    EXPECT_EQ(CRVCDoc::GetActive(), nullptr) << "no main frame yet";

    CRVMDoc movie;
    CRVCDoc cast;
    platform::CDocument* active = &movie;
    CRVCDoc::SetActiveDocumentHook([&] { return active; });
    EXPECT_EQ(CRVCDoc::GetActive(), nullptr);
    active = &cast;
    EXPECT_EQ(CRVCDoc::GetActive(), &cast);
    active = nullptr;
    EXPECT_EQ(CRVCDoc::GetActive(), nullptr);
    CRVCDoc::SetActiveDocumentHook(nullptr);
    EXPECT_EQ(CRVCDoc::GetActive(), nullptr);
}

TEST(Documents, SavingWhileTheSearchThreadWritesGivesWholeFiles)
{
    // The search thread adds, removes and stamps under the store's lock; a save (and a
    // view reading the records) holds the same lock, so every file written meanwhile is
    // a consistent snapshot that loads again.
    CRVMDoc doc;
    doc.SetMovieTitle("Title");
    std::atomic<bool> done{false};
    std::thread search([&] {
        CRecordStore& records = doc.GetRecords();
        for (int round = 0; round < 5; ++round) {
            {
                auto lock = records.Lock();
                records.RemoveListRecords();
            }
            doc.StampDocInfo();
            for (int i = 0; i < 600; ++i) {
                auto lock = records.Lock();
                records.AddString(i % 48, i, "a line of the list");
            }
        }
        done = true;
    });
    int saves = 0;
    while (!done || saves == 0) {
        platform::Archive out;
        doc.Serialize(out);
        CRVMDoc loaded;
        platform::Archive in(out.Data());
        ASSERT_NO_THROW(loaded.Serialize(in));
        EXPECT_EQ(loaded.GetMovieTitle(), "Title");
        ++saves;
    }
    search.join();
    EXPECT_EQ(doc.GetRecords().GetCount(), 600 + 9);
}
