#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "documents/SearchDocumentAdapter.h"
#include "listdata/ListCatalog.h"
#include "listdata/SearchEngine.h"
#include "listdata/SearchSink.h"
#include "platform/Archive.h"
#include "platform/Clock.h"
#include "support/LocalClock.h"
#include "support/TestSupport.h"

#include <atomic>
#include <ctime>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using testsupport::ClockScope;
using testsupport::LocalNoon;

// Keeps the status lines and the frame notifications.
class LineSink : public ISearchSink {
public:
    void SetCaption(const std::string&) override {}
    void SetUpperStatus(const std::string&) override {}
    void SetLowerStatus(const std::string& text) override
    {
        lower = text;
        if (onLower)
            onLower(text);
    }
    void ClearStatusList() override { lines.clear(); }
    void InsertStatusLine(int, const std::string& text) override
    {
        lines.push_back(text);
        if (onLine)
            onLine(text);
    }
    void SetProgressRange(int) override {}
    void StepProgress() override {}
    void Beep() override {}
    void DocumentChanged(ISearchDocument* document) override
    {
        changed.push_back(static_cast<CSearchDocumentAdapter*>(document)->GetDocument());
    }
    void SearchDone() override { done = true; }
    void SearchStopped() override {}

    std::vector<std::string> lines;
    std::string lower;
    std::function<void(const std::string&)> onLower;
    std::function<void(const std::string&)> onLine;
    std::vector<platform::CDocument*> changed;
    bool done = false;
};

struct KeyValue {
    int type;
    int key;
    std::string text;
    std::int32_t value;
    bool operator==(const KeyValue&) const = default;
};

std::vector<KeyValue> Contents(const CRecordStore& store)
{
    std::vector<KeyValue> out;
    for (int i = 0; i < store.GetCount(); ++i) {
        const InfoRecord r = store.GetRecord(i);
        std::int32_t value = 0;
        const bool isInt = r.type == kRecordDocInfo && r.GetInt(value);
        out.push_back({r.type, r.key, isInt ? std::string() : std::string(r.GetText()), value});
    }
    return out;
}

class SearchDocumentsTest : public ::testing::Test {
protected:
    SearchDocumentsTest()
    {
        settings.ListsPath = dir.Path();
        for (int i = 0; i < kListCount; ++i)
            settings.Lists[i].FileName = DefaultListFileName(i);
        testsupport::WriteFile(dir.File("Genres.list"),
                               "GENRES\n\n8: THE GENRES LIST\n==================\n\nFilm (2001)\t\tDrama\n\n");
        testsupport::WriteFile(dir.File("Actors.list"),
                               "THE ACTORS LIST\n===============\n\nName\t\t\tTitles\n----\t\t\t------\n"
                               "Abbot, Ann\t\tFilm (2001)  [Nurse]\n\t\t\tOther (2002)\n\n");
    }

    SearchRequest Request(std::vector<SearchDocEntry> entries)
    {
        std::array<SearchListChoice, kListCount> choices{};
        choices[kGenres] = {true, false};
        choices[kActors] = {true, true};
        SearchRequest request;
        request.settings = SearchSettings::Take(settings, choices);
        request.documents = std::move(entries);
        return request;
    }

    void Run(const SearchRequest& request)
    {
        CSearchEngine engine(sink);
        engine.QueueDocuments(request);
        engine.Run(request);
    }

    testsupport::TempDir dir;
    CAppSettings settings;
    LineSink sink;
};

} // namespace

TEST_F(SearchDocumentsTest, SecondSearchKeepsHeadingAddressAndCreationDate)
{
    ClockScope clock(LocalNoon(2020, 1, 2));
    CRVMDoc doc;
    doc.SetMovieTitle("Film (2001)");
    doc.GetRecords().AddString(kRecordHeading, 0, "Film (2001)");
    doc.GetRecords().AddString(kRecordWebAddress, 0, "https://www.zuvo.example/Title?Film+(2001)");
    doc.StampDocInfo();
    CSearchDocumentAdapter adapter(doc);
    settings.MovieTVDefaultView = 6;

    clock.Set(LocalNoon(2026, 12, 4));
    Run(Request({adapter.Entry(true)}));
    Run(Request({adapter.Entry(true)}));

    const std::vector<KeyValue> expected = {
        {kRecordHeading, 0, "Film (2001)", 0},
        {kRecordWebAddress, 0, "https://www.zuvo.example/Title?Film+(2001)", 0},
        {kRecordDocInfo, 0, "", 0x305},
        {kRecordDocInfo, 8, "", 0x305},
        {kRecordDocInfo, 1, "", 0x300},
        {kRecordDocInfo, 2, "", 2020},
        {kRecordDocInfo, 3, "", 1},
        {kRecordDocInfo, 4, "", 2},
        {kRecordDocInfo, 5, "", 2026},
        {kRecordDocInfo, 6, "", 12},
        {kRecordDocInfo, 7, "", 4},
        {kActors, 0, "Abbot, Ann", 0},
        {kActors, 3, "Nurse", 0},
        {kGenres, 0, "Drama", 0},
    };
    EXPECT_EQ(Contents(doc.GetRecords()), expected);
    EXPECT_EQ(doc.GetSectionMode(), 6);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.IsSearching());
    EXPECT_TRUE(sink.done);
    // Per run: queued, being searched with its document information stamped, done.
    EXPECT_EQ(sink.changed.size(), 6u);
    for (platform::CDocument* changed : sink.changed)
        EXPECT_EQ(changed, &doc);
}

TEST_F(SearchDocumentsTest, CastCrewDocumentThroughItsStore)
{
    CRVCDoc person;
    person.SetPersonName("ABBOT, ANN");
    CSearchDocumentAdapter adapter(person);
    settings.CastCrewDefaultView = 2;
    Run(Request({adapter.Entry(true)}));
    const auto contents = Contents(person.GetRecords());
    ASSERT_EQ(contents.size(), 9u + 3u);
    EXPECT_EQ(contents[9], (KeyValue{kActors, 1, "Film (2001)", 0}));
    EXPECT_EQ(contents[10], (KeyValue{kActors, 3, "Nurse", 0}));
    EXPECT_EQ(contents[11], (KeyValue{kActors, 1, "Other (2002)", 0}));
    EXPECT_EQ(person.GetFilmographyMode(), 2);
    EXPECT_EQ(person.GetDocVersion(), 0x200);
    EXPECT_EQ(sink.lines, std::vector<std::string>{"OK - Actors (" + sink.lines.at(0).substr(13)});
}

TEST_F(SearchDocumentsTest, StoreAtItsLimitEndsTheDocumentsLists)
{
    CRVMDoc doc;
    doc.SetMovieTitle("Film (2001)");
    // Room for the nine document-information records and one list record.
    for (int i = 0; i < CRecordStore::kMaxRecords - 9 - 1; ++i)
        ASSERT_TRUE(doc.GetRecords().AddEmpty(kRecordWebAddress, 1));
    CSearchDocumentAdapter adapter(doc);
    Run(Request({adapter.Entry(true)}));
    EXPECT_EQ(sink.lines, std::vector<std::string>{"Error! Couldn't store more information"});
    EXPECT_EQ(sink.lower, "1 Error(s) occured !");
    EXPECT_EQ(doc.GetRecords().GetCount(), CRecordStore::kMaxRecords);
    const InfoRecord last = doc.GetRecords().GetRecord(CRecordStore::kMaxRecords - 1);
    EXPECT_EQ(last.type, kActors);
    EXPECT_STREQ(last.GetText(), "Abbot, Ann");
    EXPECT_TRUE(sink.done);
}

TEST_F(SearchDocumentsTest, ViewsReadTheStoresWhileTheSearchThreadWrites)
{
    std::vector<std::unique_ptr<CRVMDoc>> docs;
    std::vector<std::unique_ptr<CSearchDocumentAdapter>> adapters;
    std::vector<SearchDocEntry> entries;
    for (int i = 0; i < 3; ++i) {
        docs.push_back(std::make_unique<CRVMDoc>());
        docs.back()->SetMovieTitle("Film (2001)");
        adapters.push_back(std::make_unique<CSearchDocumentAdapter>(*docs.back()));
        entries.push_back(adapters.back()->Entry(true));
    }
    const SearchRequest request = Request(entries);
    CSearchEngine engine(sink);
    engine.QueueDocuments(request);
    std::atomic<bool> finished{false};
    std::thread search([&] {
        engine.Run(request);
        finished = true;
    });
    // A view rebuild: the store's lock held for the whole read, mode and state read freely.
    int reads = 0;
    while (!finished) {
        for (const auto& doc : docs) {
            auto lock = doc->GetRecords().Lock();
            for (int i = 0; i < doc->GetRecords().GetCount(); ++i)
                reads += doc->GetRecords().GetRecord(i).size >= 0;
            reads += doc->GetSectionMode() + doc->GetSearchState() + doc->IsModified();
        }
        std::this_thread::yield();
    }
    search.join();
    for (const auto& doc : docs) {
        EXPECT_EQ(doc->GetSearchState(), kSearchIdle);
        EXPECT_EQ(doc->GetRecords().FindFirst(kGenres) >= 0, true);
    }
    EXPECT_GE(reads, 0);
}

TEST_F(SearchDocumentsTest, ASearchAgainKeepsTheRecordsOfEveryListItDoesNotRead)
{
    ClockScope clock(LocalNoon(2026, 12, 4));
    const std::string genres = testsupport::ReadFile(dir.File("Genres.list"));
    const auto writeLists = [&] {
        testsupport::WriteFile(dir.File("Genres.list"), genres);
        testsupport::WriteFile(dir.File("Countries.list"), "COUNTRIES LIST\n==============\n\n"
                                                           "Film (2001)\t\tNorway\nOther (2002)\t\tSweden\n\n");
        testsupport::WriteFile(dir.File("Plot.list"), "PLOT SUMMARIES LIST\n===================\n\n"
                                                      "-------------------------------------------------------------\n"
                                                      "MV: Film (2001)\n\nPL: A film.\n\n");
        testsupport::WriteFile(dir.File("Actors.list"),
                               "THE ACTORS LIST\n===============\n\nName\t\t\tTitles\n----\t\t\t------\n"
                               "Abbot, Ann\t\tFilm (2001)  [Nurse]\n\t\t\tOther (2002)\n\n"
                               "Baker, Bob\t\tFilm (2001)  [Cook]\n\n");
    };
    std::array<SearchListChoice, kListCount> choices{};
    for (int list : {kActors, kCountries, kGenres, kPlot})
        choices[list].movieTV = true;

    struct Case {
        const char* name;
        bool searchedBefore;
        std::function<void()> breakLists;  // before the second search
        std::vector<KeyValue> actorsAfter; // when the document had none before
    };
    const auto cancelAt = [&](const std::string& lower) {
        sink.onLower = [lower](const std::string& text) {
            if (text == lower)
                g_bCancelSearch = true;
        };
    };
    const Case cases[] = {
        {"the lists folder is missing", true, [&] { settings.ListsPath = dir.File("missing/"); }, {}},
        {"one list is missing", true, [&] { std::filesystem::remove(dir.File("Plot.list")); }, {}},
        {"a list has no start",
         true,
         [&] { testsupport::WriteFile(dir.File("Genres.list"), "Film (2001)\tDrama\n"); },
         {}},
        {"cancelled before the second list",
         true,
         [&] { sink.onLine = [](const std::string&) { g_bCancelSearch = true; }; },
         {}},
        // Actors is read first: the cancel comes after its first person.
        {"cancelled inside a list", true, [&] { cancelAt("Searching for Information"); }, {}},
        {"cancelled inside a list that gave nothing before",
         false,
         [&] { cancelAt("Searching for Information"); },
         {{kActors, 0, "Abbot, Ann", 0}, {kActors, 3, "Nurse", 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CAppSettings full = settings;
        writeLists();
        CRVMDoc doc;
        doc.SetMovieTitle("Film (2001)");
        doc.GetRecords().AddString(kRecordHeading, 0, "Film (2001)");
        doc.StampDocInfo();
        CSearchDocumentAdapter adapter(doc);
        SearchRequest request;
        request.documents = {adapter.Entry(true)};
        request.settings = SearchSettings::Take(settings, choices);
        if (c.searchedBefore)
            Run(request);
        platform::Archive before;
        doc.Serialize(before);

        c.breakLists();
        request.settings = SearchSettings::Take(settings, choices);
        Run(request);
        sink.onLower = nullptr;
        sink.onLine = nullptr;
        platform::Archive after;
        doc.Serialize(after);
        if (c.searchedBefore) {
            EXPECT_EQ(after.Data(), before.Data());
        } else {
            CRVMDoc loaded;
            platform::Archive in(after.Data());
            loaded.Serialize(in);
            std::vector<KeyValue> actors;
            for (const KeyValue& record : Contents(loaded.GetRecords()))
                if (record.type < kListCount)
                    actors.push_back(record);
            EXPECT_EQ(actors, c.actorsAfter);
        }
        settings = full;
    }
}
