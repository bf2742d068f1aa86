#include "documents/NewDocument.h"

#include "documents/CastCrewDocTemplate.h"
#include "documents/MovieTVDocTemplate.h"
#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "listdata/RecordStore.h"
#include "platform/Clock.h"
#include "platform/DocManager.h"
#include "platform/View.h"
#include "support/LocalClock.h"

#include <ctime>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

using testsupport::LocalNoon;

class ClockFixture : public ::testing::Test {
protected:
    void SetUp() override { platform::SetClock(&clock); }
    void TearDown() override { platform::SetClock(nullptr); }

    platform::FixedClock clock{LocalNoon(2024, 3, 5)};
};

struct Rec {
    int type;
    int key;
    std::string text; // string records
    int value;        // 4-byte records
    bool operator==(const Rec&) const = default;
};

std::vector<Rec> Records(const CRecordStore& store)
{
    std::vector<Rec> out;
    for (int i = 0; i < store.GetCount(); ++i) {
        const InfoRecord r = store.GetRecord(i);
        std::int32_t value = 0;
        if (r.type == kRecordDocInfo) {
            EXPECT_TRUE(r.GetInt(value));
            out.push_back({r.type, r.key, "", value});
        } else {
            out.push_back({r.type, r.key, r.GetText(), 0});
        }
    }
    return out;
}

std::vector<Rec> Expected(const std::string& heading, const std::string& link, int docVersion)
{
    return {
        {48, 0, heading, 0},     {49, 0, link, 0},  {50, 0, "", 0x305}, {50, 8, "", 0x305},
        {50, 1, "", docVersion}, {50, 2, "", 2024}, {50, 3, "", 3},     {50, 4, "", 5},
        {50, 5, "", 2024},       {50, 6, "", 3},    {50, 7, "", 5},
    };
}

class CountingView : public platform::IView {
public:
    void OnUpdate(platform::IView*, std::intptr_t hint) override
    {
        ++updates;
        lastHint = hint;
    }
    int updates = 0;
    std::intptr_t lastHint = -1;
};

using NewDocumentTest = ClockFixture;

TEST_F(NewDocumentTest, TodayFollowsTheProgramClock)
{
    const LocalDate today = TodayLocalDate();
    EXPECT_EQ(today.year, 2024);
    EXPECT_EQ(today.month, 3);
    EXPECT_EQ(today.day, 5);
}

TEST_F(NewDocumentTest, RecordsComeInTheirFixedOrder)
{
    CRecordStore store;
    store.Init(0, kMovieTVGrowBy);
    ASSERT_TRUE(AddNewDocumentRecords(store, "Heading", "https://link", 0x300, {2024, 3, 5}));
    EXPECT_EQ(Records(store), Expected("Heading", "https://link", 0x300));
}

TEST_F(NewDocumentTest, AFullStoreTakesNothingWhenTheHeadingFails)
{
    CRecordStore store;
    store.Init(0, kMovieTVGrowBy);
    for (int i = 0; i < CRecordStore::kMaxRecords - 1; ++i)
        ASSERT_TRUE(store.AddEmpty(0, i));
    // Room for the heading only: it goes in, the rest fails quietly.
    EXPECT_TRUE(AddNewDocumentRecords(store, "H", "L", 0x200, {2024, 3, 5}));
    EXPECT_EQ(store.GetCount(), CRecordStore::kMaxRecords);
    EXPECT_EQ(store.GetRecord(CRecordStore::kMaxRecords - 1).type, kRecordHeading);
    // Now the heading fails: nothing else is written.
    EXPECT_FALSE(AddNewDocumentRecords(store, "H", "L", 0x200, {2024, 3, 5}));
    EXPECT_EQ(store.GetCount(), CRecordStore::kMaxRecords);
}

TEST_F(NewDocumentTest, MovieTVDocumentHoldsTitleVersionsAndRecords)
{
    // The views outlive the manager, which detaches them when it closes the documents.
    std::vector<std::unique_ptr<CountingView>> views;
    CountingView* view = nullptr;
    platform::CDocManager manager;
    manager.AddDocTemplate(std::make_unique<CCastCrewDocTemplate>());
    auto* movieTemplate = manager.AddDocTemplate(std::make_unique<CMovieTVDocTemplate>());
    movieTemplate->SetFrameFactory([&](platform::CDocument& doc) {
        views.push_back(std::make_unique<CountingView>());
        view = views.back().get();
        doc.AddView(view);
        return true;
    });

    CRVMDoc* doc = CreateMovieTVDocument(manager, "Matrix, The (1999)", "The Matrix (1999) (V)");
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetDocTemplate(), movieTemplate);
    EXPECT_EQ(doc->GetMovieTitle(), "Matrix, The (1999)");
    EXPECT_EQ(doc->GetDocVersion(), 0x300);
    EXPECT_EQ(doc->GetProgramVersion(), 0x305);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->GetSectionMode(), 0);
    EXPECT_EQ(Records(doc->GetRecords()),
              Expected("The Matrix (1999) (V)", "https://www.zuvo.example/Title?Matrix,+The+(1999)", 0x300));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->updates, 1);
    EXPECT_EQ(view->lastHint, 0);

    // A second call makes a second document.
    CRVMDoc* second = CreateMovieTVDocument(manager, "Matrix, The (1999)", "Matrix, The (1999)");
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, doc);
    EXPECT_EQ(movieTemplate->GetDocuments().size(), 2u);
}

TEST_F(NewDocumentTest, CastCrewDocumentHoldsNameVersionsAndRecords)
{
    platform::CDocManager manager;
    manager.AddDocTemplate(std::make_unique<CMovieTVDocTemplate>());
    manager.AddDocTemplate(std::make_unique<CCastCrewDocTemplate>());
    CRVCDoc* doc = CreateCastCrewDocument(manager, "Smith, John (I)", "Smythe, John");
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetPersonName(), "Smith, John (I)");
    EXPECT_EQ(doc->GetDocVersion(), 0x200);
    EXPECT_EQ(doc->GetProgramVersion(), 0x305);
    EXPECT_EQ(Records(doc->GetRecords()),
              Expected("Smythe, John", "https://www.zuvo.example/Name?Smith,+John+(I)", 0x200));
}

TEST_F(NewDocumentTest, TemplatesThatGiveNoDocumentArePassedOver)
{
    platform::CDocManager manager;
    EXPECT_EQ(CreateMovieTVDocument(manager, "A (2000)", "A (2000)"), nullptr);

    // A template of the right kind whose frame cannot be made gives no document; the walk
    // goes on with the next one.
    auto* refusing = manager.AddDocTemplate(std::make_unique<CMovieTVDocTemplate>());
    refusing->SetFrameFactory([](platform::CDocument&) { return false; });
    EXPECT_EQ(CreateMovieTVDocument(manager, "A (2000)", "A (2000)"), nullptr);
    EXPECT_EQ(CreateCastCrewDocument(manager, "A", "A"), nullptr);
    auto* working = manager.AddDocTemplate(std::make_unique<CMovieTVDocTemplate>());
    CRVMDoc* doc = CreateMovieTVDocument(manager, "A (2000)", "A (2000)");
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetDocTemplate(), working);
    EXPECT_TRUE(refusing->GetDocuments().empty());
}

} // namespace
