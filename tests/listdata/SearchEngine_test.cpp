#include "RoutineFixture.h"

#include "listdata/SearchDocument.h"
#include "listdata/SearchEngine.h"
#include "listdata/SearchSink.h"
#include "platform/Paths.h"
#include "support/ByteSources.h"
#include "support/FixtureLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <thread>

using namespace searchtest;

namespace {

// A document as the engine sees it, holding its records in a recording target.
class FakeDocument : public ISearchDocument {
public:
    FakeDocument(std::string name, std::string key) : m_name(std::move(name)), m_key(std::move(key)) {}

    int GetSearchState() const override { return m_state; }
    void SetSearchState(int state) override { m_state = state; }
    std::string GetSearchKey() const override { return m_key; }
    void SetModifiedFlag(bool modified) override { m_modified = modified; }
    int SetListRecordsAside(int listIndex) override { return m_records.Target().SetListRecordsAside(listIndex); }
    void EndListRead(int listIndex, bool keepRead) override { m_records.Target().EndListRead(listIndex, keepRead); }
    void OrderListRecords() override { m_records.Target().OrderListRecords(); }
    void StampDocInfo() override
    {
        ++m_stamps;
        m_records.Target().AddInt(50, 5, m_stamps);
    }
    void SetDefaultMode(int mode) override
    {
        if (m_mode == 0)
            m_mode = mode;
    }
    IRecordTarget& Records() override { return m_records.Target(); }

    const std::string& Name() const { return m_name; }
    std::vector<Rec> ListRecords(int type) const
    {
        std::vector<Rec> out;
        for (const Rec& r : m_records.Records())
            if (r.type == type)
                out.push_back(r);
        return out;
    }
    std::vector<Rec> AllRecords() const { return m_records.Records(); }
    StoredRecords& Stored() { return m_records; }

    std::atomic<int> m_mode{0};
    std::atomic<bool> m_modified{false};
    std::atomic<int> m_stamps{0};

private:
    std::string m_name;
    std::string m_key;
    std::atomic<int> m_state{0};
    StoredRecords m_records;
};

// Remembers every call as a line of text; `hook` runs after each.
class RecordingSink : public ISearchSink {
public:
    void SetCaption(const std::string& text) override { Add("caption " + text); }
    void SetUpperStatus(const std::string& text) override { Add("upper " + text); }
    void SetLowerStatus(const std::string& text) override { Add("lower " + text); }
    void ClearStatusList() override { Add("clear"); }
    void InsertStatusLine(int position, const std::string& text) override
    {
        Add("line " + std::to_string(position) + " " + text);
    }
    void SetProgressRange(int upper) override { Add("range " + std::to_string(upper)); }
    void StepProgress() override { Add("step"); }
    void Beep() override { Add("beep"); }
    void DocumentChanged(ISearchDocument* document) override
    {
        auto* doc = static_cast<FakeDocument*>(document);
        Add("changed " + doc->Name() + " " + std::to_string(doc->GetSearchState()));
    }
    void SearchDone() override { Add("done"); }
    void SearchStopped() override { Add("stopped"); }

    std::vector<std::string> Events() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_events;
    }
    // Only the events that begin with `prefix`.
    std::vector<std::string> Events(const std::string& prefix) const
    {
        std::vector<std::string> out;
        for (const std::string& e : Events())
            if (e.rfind(prefix, 0) == 0)
                out.push_back(e);
        return out;
    }

    std::function<void(const std::string&)> hook;

private:
    void Add(const std::string& event)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_events.push_back(event);
        }
        if (hook)
            hook(event);
    }

    mutable std::mutex m_mutex;
    std::vector<std::string> m_events;
};

// Hands out its text, then throws something that is no standard exception.
// Throws, after its text, neither a read error nor memory running out: a standard
// exception of another kind (`standard`), or something that is no standard exception.
class ThrowingSource : public testsupport::FailingSource {
public:
    ThrowingSource(std::string text, bool standard) : FailingSource(std::move(text)), m_standard(standard) {}

protected:
    long Fail(int*) override
    {
        if (m_standard)
            throw std::length_error("line");
        throw 42;
    }

private:
    bool m_standard;
};

const std::string kFilm = "Film (2001)";
const std::string kOther = "Other (2002)";

class SearchEngineTest : public ::testing::Test {
protected:
    SearchEngineTest() : engine(sink)
    {
        settings.ListsPath = dir.Path();
        for (int i = 0; i < kListCount; ++i)
            settings.Lists[i].FileName = DefaultListFileName(i);
        // Every call of the clock advances it by 1.5 seconds.
        engine.SetTickSource([this] { return ticks += tickStep; });
        g_bCancelSearch = false;
    }

    void WriteList(int listIndex, const std::string& body)
    {
        testsupport::WriteFile(dir.File(DefaultListFileName(listIndex)), ListText(listIndex, body));
    }

    // The lists every test reads: Genres and Countries hold both films, the Actors list
    // credits both.
    void WriteStandardLists()
    {
        WriteList(kGenres, kFilm + "\t\tDrama\n" + kOther + "\t\tComedy\n\n");
        WriteList(kCountries, kFilm + "\t\tNorway\n" + kOther + "\t\tSweden\n\n");
        WriteList(kActors, "Abbot, Ann\t\t" + kFilm + "  [Nurse]\n\t\t\t" + kOther + "  [Doctor]\n\n");
    }

    SearchRequest Request(std::vector<FakeDocument*> docs, std::vector<int> movieLists, std::vector<int> castLists = {})
    {
        std::array<SearchListChoice, kListCount> choices{};
        for (int i : movieLists)
            choices[i].movieTV = true;
        for (int i : castLists)
            choices[i].castCrew = true;
        SearchRequest request;
        request.settings = SearchSettings::Take(settings, choices);
        for (FakeDocument* doc : docs)
            request.documents.push_back({doc, kMovieTVDocument, true});
        return request;
    }

    void QueueAndRun(const SearchRequest& request)
    {
        engine.QueueDocuments(request);
        engine.Run(request);
    }

    testsupport::TempDir dir;
    CAppSettings settings;
    RecordingSink sink;
    CSearchEngine engine;
    std::int64_t ticks = 0;
    std::int64_t tickStep = 1500;
};

} // namespace

TEST_F(SearchEngineTest, NoSelectedDocumentOnlyReportsDone)
{
    FakeDocument doc("A", kFilm);
    SearchRequest request = Request({&doc}, {kGenres});
    request.documents[0].selected = false;
    QueueAndRun(request);
    EXPECT_EQ(sink.Events(), std::vector<std::string>{"done"});
    EXPECT_FALSE(doc.m_modified);
}

TEST_F(SearchEngineTest, FullProtocolOfOneDocument)
{
    WriteStandardLists();
    FakeDocument doc("A", kFilm);
    settings.MovieTVDefaultView = 3;
    QueueAndRun(Request({&doc}, {kGenres, kActors}));

    const std::vector<std::string> expected = {
        "changed A 1",
        "caption Searching... Film (2001)",
        "clear",
        "range 2",
        "changed A 2",
        "upper Actors",
        "lower Opening",
        "lower Searching for Information",
        "upper ",
        "lower ",
        "line 0 OK - Actors (1.50s)",
        "step",
        "upper Genres",
        "lower Opening",
        "lower Searching for Information",
        "upper ",
        "lower ",
        "line 1 OK - Genres (1.50s)",
        "step",
        "upper Done ! (0m7.50s)",
        "lower All Listfiles searched !",
        "beep",
        "changed A 0",
        "done",
    };
    EXPECT_EQ(sink.Events(), expected);
    EXPECT_EQ(doc.ListRecords(kActors), Typed(kActors, {T(0, "Abbot, Ann"), T(3, "Nurse")}));
    EXPECT_EQ(doc.ListRecords(kGenres), Typed(kGenres, {T(0, "Drama")}));
    EXPECT_TRUE(doc.m_modified);
    EXPECT_EQ(doc.m_mode, 3);
    EXPECT_EQ(doc.GetSearchState(), 0);
}

TEST_F(SearchEngineTest, NoFlaggedListStillFinishes)
{
    FakeDocument doc("A", kFilm);
    // Aka-Names never serves a Movie/TV document, whatever the choices say.
    QueueAndRun(Request({&doc}, {kAkaNames}));
    EXPECT_EQ(sink.Events("range"), std::vector<std::string>{"range 0"});
    EXPECT_TRUE(sink.Events("line").empty());
    EXPECT_EQ(sink.Events("upper"), std::vector<std::string>{"upper Done ! (0m1.50s)"});
    EXPECT_EQ(sink.Events("lower"), std::vector<std::string>{"lower All Listfiles searched !"});
    EXPECT_EQ(sink.Events("beep").size(), 1u);
    EXPECT_EQ(doc.m_mode, 1);
}

TEST_F(SearchEngineTest, UnreadableListsAreCountedAndTheOthersRead)
{
    WriteStandardLists();
    // Countries has no header line; Genres is missing; Ratings is a folder, which cannot
    // be opened as a file.
    testsupport::WriteFile(dir.File(DefaultListFileName(kCountries)), kFilm + "\t\tNorway\n");
    std::filesystem::remove(dir.File(DefaultListFileName(kGenres)));
    std::filesystem::create_directory(dir.File(DefaultListFileName(kRatings)));
    FakeDocument doc("A", kFilm);
    tickStep = 40000;
    QueueAndRun(Request({&doc}, {kGenres, kCountries, kActors, kRatings}));
    EXPECT_EQ(sink.Events("line"),
              (std::vector<std::string>{"line 0 OK - Actors (40.00s)", "line 1 Wrong Format - Countries",
                                        "line 2 Couldn't Open - Genres", "line 3 Couldn't Open - Ratings"}));
    EXPECT_EQ(sink.Events("step").size(), 4u);
    // Three steps of the clock from the run's start: whole minutes before the m, seconds after it.
    EXPECT_EQ(sink.Events("upper Done"), std::vector<std::string>{"upper Done ! (2m0.00s)"});
    EXPECT_EQ(sink.Events("lower 3"), std::vector<std::string>{"lower 3 Error(s) occured !"});
    EXPECT_EQ(doc.ListRecords(kActors).size(), 2u);
    EXPECT_EQ(sink.Events().back(), "done");
}

TEST_F(SearchEngineTest, FullStoreEndsTheDocumentButNotTheRun)
{
    WriteStandardLists();
    FakeDocument first("A", kFilm);
    FakeDocument second("B", kOther);
    // Room for the stamp and one list record.
    first.Stored().SetCapacity(2);
    QueueAndRun(Request({&first, &second}, {kActors, kCountries, kGenres}));

    const auto lines = sink.Events("line");
    ASSERT_EQ(lines.size(), 1u + 3u);
    EXPECT_EQ(lines[0], "line 0 Error! Couldn't store more information");
    EXPECT_EQ(sink.Events("lower 1 Error"), std::vector<std::string>{"lower 1 Error(s) occured !"});
    EXPECT_EQ(first.ListRecords(kActors), Typed(kActors, {T(0, "Abbot, Ann")}));
    EXPECT_TRUE(first.ListRecords(kGenres).empty());
    EXPECT_EQ(second.ListRecords(kGenres), Typed(kGenres, {T(0, "Comedy")}));
    EXPECT_EQ(sink.Events().back(), "done");
}

TEST_F(SearchEngineTest, CancelDuringTheSecondOfThreeDocuments)
{
    WriteStandardLists();
    FakeDocument first("A", kFilm), second("B", kOther), third("C", kFilm);
    // A flag left set by an earlier run is cleared when this one starts.
    g_bCancelSearch = true;
    sink.hook = [&](const std::string& event) {
        if (event == "upper Countries" && second.GetSearchState() == 2)
            g_bCancelSearch = true;
    };
    QueueAndRun(Request({&first, &second, &third}, {kActors, kCountries, kGenres}));

    EXPECT_EQ(sink.Events("changed"),
              (std::vector<std::string>{"changed A 1", "changed B 1", "changed C 1", "changed A 2", "changed A 0",
                                        "changed B 2", "changed B 0", "changed C 0"}));
    EXPECT_EQ(sink.Events().back(), "stopped");
    EXPECT_EQ(first.ListRecords(kGenres).size(), 1u);
    // What was stored before the cancel stays; the list in hand stops after its first
    // record but is reported; no further list is read.
    EXPECT_EQ(second.ListRecords(kActors), Typed(kActors, {T(0, "Abbot, Ann"), T(3, "Doctor")}));
    EXPECT_TRUE(second.ListRecords(kCountries).empty());
    EXPECT_TRUE(second.ListRecords(kGenres).empty());
    EXPECT_EQ(sink.Events("line 1"),
              (std::vector<std::string>{"line 1 OK - Countries (1.50s)", "line 1 OK - Countries (1.50s)"}));
    EXPECT_EQ(third.AllRecords(), std::vector<Rec>{});
    EXPECT_FALSE(third.m_modified);
    // A cancelled document still gets its default view, without the Done texts.
    EXPECT_EQ(second.m_mode, 1);
    EXPECT_EQ(sink.Events("beep").size(), 1u);
}

TEST_F(SearchEngineTest, CancelPressedBeforeTheRunStartsIsKept)
{
    WriteStandardLists();
    FakeDocument first("A", kFilm), second("B", kOther);
    const SearchRequest request = Request({&first, &second}, {kGenres});
    engine.QueueDocuments(request);
    g_bCancelSearch = true; // the Searching dialog's Cancel, before the thread starts
    engine.Run(request);
    // The first document reads no list; the second is never searched.
    EXPECT_EQ(sink.Events("changed"),
              (std::vector<std::string>{"changed A 1", "changed B 1", "changed A 2", "changed A 0", "changed B 0"}));
    EXPECT_EQ(sink.Events().back(), "stopped");
    EXPECT_TRUE(first.ListRecords(kGenres).empty());
    EXPECT_FALSE(second.m_modified);
}

TEST_F(SearchEngineTest, SecondSearchReplacesTheListsItReadsAndKeepsTheOthers)
{
    WriteStandardLists();
    FakeDocument doc("A", kFilm);
    doc.Records().AddString(48, 0, kFilm);
    QueueAndRun(Request({&doc}, {kGenres, kCountries}));
    WriteList(kGenres, kFilm + "\t\tWestern\n\n");
    QueueAndRun(Request({&doc}, {kGenres}));

    // Countries was not read this time. The list records stand behind the others in
    // list order, as after a search of both lists.
    const std::vector<Rec> expected = {{48, 0, kFilm + std::string(1, '\0')},
                                       {50, 5, LittleEndian(1, 4)},
                                       {50, 5, LittleEndian(2, 4)},
                                       {kCountries, 0, std::string("Norway") + std::string(1, '\0')},
                                       {kGenres, 0, std::string("Western") + std::string(1, '\0')}};
    EXPECT_EQ(doc.AllRecords(), expected);
}

TEST_F(SearchEngineTest, CastCrewDocumentsUseTheirOwnChoicesAndRoutines)
{
    WriteStandardLists();
    WriteList(kAkaNames, "Abbot, Ann\n   (aka Abbott, Anne)\n\n");
    FakeDocument person("P", "abbot, ann");
    settings.CastCrewDefaultView = 2;
    SearchRequest request = Request({&person}, {kGenres}, {kAkaNames, kActors, kGenres});
    request.documents[0].kind = kCastCrewDocument;
    QueueAndRun(request);
    EXPECT_EQ(sink.Events("line"),
              (std::vector<std::string>{"line 0 OK - Actors (1.50s)", "line 1 OK - Aka-Names (1.50s)"}));
    EXPECT_EQ(person.ListRecords(kActors), Typed(kActors, {T(1, kFilm), T(3, "Nurse"), T(1, kOther), T(3, "Doctor")}));
    EXPECT_EQ(person.ListRecords(kAkaNames), Typed(kAkaNames, {T(0, "Abbott, Anne")}));
    EXPECT_EQ(person.m_mode, 2);
}

TEST_F(SearchEngineTest, UnknownKindIsNeverSearchedOrChanged)
{
    FakeDocument doc("X", kFilm);
    SearchRequest request = Request({&doc}, {kGenres});
    request.documents[0].kind = 7;
    QueueAndRun(request);
    EXPECT_EQ(sink.Events(), (std::vector<std::string>{"changed X 0", "changed X 0", "done"}));
}

TEST_F(SearchEngineTest, RunOnAnotherThreadWhileTheGuiThreadReads)
{
    WriteStandardLists();
    std::vector<std::unique_ptr<FakeDocument>> docs;
    std::vector<FakeDocument*> pointers;
    for (int i = 0; i < 4; ++i) {
        docs.push_back(std::make_unique<FakeDocument>("D" + std::to_string(i), i % 2 ? kFilm : kOther));
        pointers.push_back(docs.back().get());
    }
    const SearchRequest request = Request(pointers, {kActors, kCountries, kGenres});
    engine.SetTickSource([] { return std::int64_t{0}; });
    engine.QueueDocuments(request);
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        engine.Run(request);
        finished = true;
    });
    // What a view rebuild does meanwhile: read states and stores.
    std::size_t seen = 0;
    while (!finished) {
        for (FakeDocument* doc : pointers)
            if (doc->GetSearchState() == 0)
                seen += doc->AllRecords().size();
        std::this_thread::yield();
    }
    worker.join();
    (void)seen;
    for (FakeDocument* doc : pointers) {
        EXPECT_EQ(doc->GetSearchState(), 0);
        EXPECT_EQ(doc->ListRecords(kGenres).size(), 1u);
    }
    EXPECT_EQ(sink.Events().back(), "done");
}

TEST(ListRoutines, EveryListADocumentKindReadsHasItsRoutine)
{
    for (int i = 0; i < kListCount; ++i) {
        EXPECT_EQ(MovieListRoutine(i) != nullptr, ListCatalog[i].useMovieTV != 0) << ListCatalog[i].name;
        EXPECT_EQ(CastListRoutine(i) != nullptr, ListCatalog[i].useCastCrew != 0) << ListCatalog[i].name;
    }
    EXPECT_EQ(MovieListRoutine(-1), nullptr);
    EXPECT_EQ(CastListRoutine(kListCount), nullptr);
    // The eight crew lists share one routine per document kind, unlike Writers.
    for (int crew : {kCinematographers, kComposers, kCostumeDesigners, kDirectors, kEditors, kMiscellaneous, kProducers,
                     kProductionDesigners}) {
        EXPECT_EQ(MovieListRoutine(crew), MovieListRoutine(kDirectors));
        EXPECT_EQ(CastListRoutine(crew), CastListRoutine(kDirectors));
    }
    EXPECT_NE(MovieListRoutine(kWriters), MovieListRoutine(kDirectors));
    EXPECT_NE(CastListRoutine(kWriters), CastListRoutine(kDirectors));
}

TEST_F(SearchEngineTest, AListThatFailsToReadIsNamedTruthfullyAndKeepsTheDocumentsRecords)
{
    const std::string actors = ListText(kActors, "Abbot, Ann\t\t" + kFilm + "  [Cook]\n\n");
    const std::string genresHeader = ListText(kGenres, "");
    struct Case {
        const char* name;
        int list;
        std::function<std::unique_ptr<platform::ByteSource>()> source;
        bool searchedBefore;
        std::string line;
        std::vector<Rec> records;
    };
    const std::vector<Rec> nurse = Typed(kActors, {T(0, "Abbot, Ann"), T(3, "Nurse")});
    const std::vector<Rec> cook = Typed(kActors, {T(0, "Abbot, Ann"), T(3, "Cook")});
    const std::vector<Rec> drama = Typed(kGenres, {T(0, "Drama")});
    const Case cases[] = {
        {"read error in the header block", kActors,
         [&] { return std::make_unique<testsupport::FailingSource>(actors.substr(0, 40)); }, true,
         "Couldn't Open - Actors", nurse},
        // The person's records were stored before the error.
        {"read error in the middle, records from before", kActors,
         [&] { return std::make_unique<testsupport::FailingSource>(actors); }, true, "Couldn't Open - Actors", nurse},
        {"read error in the middle, nothing from before", kActors,
         [&] { return std::make_unique<testsupport::FailingSource>(actors); }, false, "Couldn't Open - Actors", cook},
        // Memory running out, or a read failing, as the list opens or its start is looked
        // for: the reader's buffer is made as it opens.
        {"out of memory as it opens", kActors,
         []() -> std::unique_ptr<platform::ByteSource> { testsupport::ThrowAsOpeningFails(true); }, true,
         "Couldn't Open - Actors", nurse},
        {"read error as it opens", kActors,
         []() -> std::unique_ptr<platform::ByteSource> { testsupport::ThrowAsOpeningFails(false); }, true,
         "Couldn't Open - Actors", nurse},
        {"out of memory in the header block", kActors,
         [&] { return std::make_unique<testsupport::FailingSource>(actors.substr(0, 40), true); }, true,
         "Couldn't Open - Actors", nurse},
        // Something that is no standard exception, thrown while the routine reads.
        {"anything thrown in the middle", kActors, [&] { return std::make_unique<ThrowingSource>(actors, false); },
         true, "Couldn't Open - Actors", nurse},
        {"another standard exception in the middle", kActors,
         [&] { return std::make_unique<ThrowingSource>(actors, true); }, true, "Couldn't Open - Actors", nurse},
        {"NUL bytes only", kGenres, [] { return std::make_unique<testsupport::FlatSource>("", '\0', 96u << 20); }, true,
         "Wrong Format - Genres", drama},
        {"CR line ends only", kGenres,
         [&] {
             std::string head = genresHeader;
             std::replace(head.begin(), head.end(), '\n', '\r');
             return std::make_unique<testsupport::FlatSource>(head + kFilm + "\t\tWestern\r", '\r', 96u << 20);
         },
         true, "Wrong Format - Genres", drama},
    };
    WriteStandardLists();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDocument doc("A", kFilm);
        CSearchEngine engine(sink);
        if (c.searchedBefore)
            QueueAndRun(Request({&doc}, {kActors, kGenres}));
        engine.SetListOpener([&](CListFile& file, int listIndex, const CAppSettings& lists) {
            return listIndex == c.list ? file.OpenSource(listIndex, c.source(), "broken") : file.Open(listIndex, lists);
        });
        testsupport::AddressSpaceLimit limit(64u << 20);
        const SearchRequest request = Request({&doc}, {kActors, kGenres});
        engine.QueueDocuments(request);
        engine.Run(request);
        // Actors is read first, Genres second.
        EXPECT_EQ(sink.Events(c.list == kActors ? "line 0" : "line 1").back().substr(7), c.line);
        EXPECT_EQ(sink.Events("lower").back(), "lower 1 Error(s) occured !");
        EXPECT_EQ(sink.Events().back(), "done");
        EXPECT_EQ(doc.ListRecords(c.list), c.records);
    }
}

// Whatever fails outside a list's read, here the sink or a document, the run ends as a
// cancel would: every document back to idle, the frame told the run stopped.
TEST_F(SearchEngineTest, NothingThrownInARunLeavesIt)
{
    WriteStandardLists();
    const struct {
        const char* what;
        std::string event; // the sink throws after it
    } cases[] = {
        {"the sink fails on a status line", "line 0"},
        {"the sink fails as the document changes", "changed A 2"},
        {"the sink fails as the document ends", "changed A 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingSink failing;
        failing.hook = [&](const std::string& event) {
            if (event.rfind(c.event, 0) == 0)
                throw std::runtime_error("gone");
        };
        CSearchEngine engine(failing);
        FakeDocument a("A", kFilm);
        FakeDocument b("B", kOther);
        const SearchRequest request = Request({&a, &b}, {kGenres});
        engine.QueueDocuments(request);
        engine.Run(request);
        EXPECT_EQ(a.GetSearchState(), 0);
        EXPECT_EQ(b.GetSearchState(), 0);
        const std::vector<std::string> events = failing.Events();
        EXPECT_EQ(events.back(), "stopped");
        EXPECT_EQ(std::count(events.begin(), events.end(), "changed B 0"), 1);
    }
}
