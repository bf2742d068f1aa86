#include "RoutineFixture.h"

#include "listdata/SearchDocument.h"
#include "listdata/SearchEngine.h"
#include "listdata/SearchSink.h"
#include "tools/ListGenerator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace searchtest;

namespace {

class Document : public ISearchDocument {
public:
    explicit Document(std::string key) : m_key(std::move(key)) {}
    int GetSearchState() const override { return m_state; }
    void SetSearchState(int state) override { m_state = state; }
    std::string GetSearchKey() const override { return m_key; }
    void SetModifiedFlag(bool) override {}
    int SetListRecordsAside(int listIndex) override { return records.Target().SetListRecordsAside(listIndex); }
    void EndListRead(int listIndex, bool keepRead) override { records.Target().EndListRead(listIndex, keepRead); }
    void OrderListRecords() override { records.Target().OrderListRecords(); }
    void StampDocInfo() override {}
    void SetDefaultMode(int) override {}
    IRecordTarget& Records() override { return records.Target(); }

    std::set<int> Types() const
    {
        std::set<int> types;
        for (const Rec& r : records.Records())
            types.insert(r.type);
        return types;
    }

    StoredRecords records;

private:
    std::string m_key;
    std::atomic<int> m_state{0};
};

class Sink : public ISearchSink {
public:
    void SetCaption(const std::string&) override {}
    void SetUpperStatus(const std::string&) override {}
    void SetLowerStatus(const std::string& text) override { lower.push_back(text); }
    void ClearStatusList() override {}
    void InsertStatusLine(int, const std::string& text) override { lines.push_back(text); }
    void SetProgressRange(int) override {}
    void StepProgress() override {}
    void Beep() override {}
    void DocumentChanged(ISearchDocument*) override {}
    void SearchDone() override {}
    void SearchStopped() override {}

    std::vector<std::string> lines;
    std::vector<std::string> lower;
};

// Every list of the generated set, as the search would read it for the featured titles
// and people.
class SearchGeneratedTest : public ::testing::TestWithParam<std::pair<bool, bool>> {
protected:
    void SetUp() override
    {
        listgen::GeneratorOptions options;
        options.seed = 7;
        options.crlf = GetParam().first;
        options.hostile = GetParam().second;
        generator = std::make_unique<listgen::ListGenerator>(options);
        generator->WriteSet(dir.Path());
        CAppSettings settings;
        settings.ListsPath = dir.Path();
        std::array<SearchListChoice, kListCount> choices{};
        for (int i = 0; i < kListCount; ++i) {
            settings.Lists[i].FileName = DefaultListFileName(i);
            choices[i] = {true, true};
        }
        request.settings = SearchSettings::Take(settings, choices);
    }

    void Run(std::vector<std::pair<Document*, int>> docs)
    {
        for (auto [doc, kind] : docs)
            request.documents.push_back({doc, kind, true});
        CSearchEngine engine(sink);
        engine.QueueDocuments(request);
        engine.Run(request);
    }

    testsupport::TempDir dir;
    std::unique_ptr<listgen::ListGenerator> generator;
    SearchRequest request;
    Sink sink;
};

std::set<int> ListsServing(bool movieTV)
{
    std::set<int> lists;
    for (int i = 0; i < kListCount; ++i)
        if (movieTV ? ListCatalog[i].useMovieTV : ListCatalog[i].useCastCrew)
            lists.insert(i);
    return lists;
}

} // namespace

TEST_P(SearchGeneratedTest, FeaturedTitlesAndPeopleAreFoundInEveryList)
{
    Document film(generator->FeaturedFilm()), series(generator->FeaturedSeries());
    Document actor(generator->FeaturedActor()), actress(generator->FeaturedActress());
    Run({{&film, kMovieTVDocument},
         {&series, kMovieTVDocument},
         {&actor, kCastCrewDocument},
         {&actress, kCastCrewDocument}});

    for (const std::string& line : sink.lines)
        EXPECT_EQ(line.rfind("OK - ", 0), 0u) << line;
    EXPECT_EQ(std::count(sink.lower.begin(), sink.lower.end(), "All Listfiles searched !"), 4);

    std::set<int> movieLists = ListsServing(true);
    EXPECT_EQ(series.Types(), movieLists);
    std::set<int> actorLists = ListsServing(false);
    actorLists.erase(kActresses);
    EXPECT_EQ(actor.Types(), actorLists);
    std::set<int> actressLists = ListsServing(false);
    actressLists.erase(kActors);
    EXPECT_EQ(actress.Types(), actressLists);
    EXPECT_EQ(film.Types(), movieLists);

    // The series' episodes reach it: one full episode title per episode from Movies.
    std::vector<std::string> episodes;
    for (const Rec& r : series.records.Records())
        if (r.type == kMovies && r.key == 2)
            episodes.push_back(r.data.substr(0, r.data.size() - 1));
    std::vector<std::string> expected;
    for (int e = 0; e < generator->FeaturedEpisodeCount(); ++e)
        expected.push_back(generator->FeaturedEpisode(e));
    EXPECT_EQ(episodes, expected);

    // The generated shapes reach the awkward keys: episode aggregation of cast, crew and
    // writers, order marks, episode labels and counts, the Ratings full table, the
    // biography's dates, items and paragraphs.
    std::map<int, std::set<int>> keys;
    for (Document* d : {&film, &series, &actor, &actress})
        for (const Rec& r : d->records.Records())
            keys[r.type].insert(r.key);
    const std::pair<int, std::set<int>> required[] = {
        {kActors, {0, 3, 4, 5, 6}},
        {kDirectors, {0, 2, 3}},
        {kWriters, {0, 2, 3, 5}},
        {kGenres, {0, 1}},
        {kRunningTimes, {0, 1, 2}},
        {kTrivia, {0, 1, 3}},
        {kQuotes, {0, 1, 2, 99}},
        {kLiterature, {99}},
        {kRatings, {0, 1, 2, 9}},
        {kMovies, {0, 2}},
        {kBiographies, {5, 9, 10, 11, 13, 29, 30}},
    };
    for (const auto& [list, wanted] : required)
        for (int key : wanted)
            EXPECT_TRUE(keys[list].count(key)) << ListCatalog[list].name << " key " << key;

    // The featured records' hostile lines whose continuing piece looks like an alias, an
    // alternative title or a birth line add none.
    for (Document* d : {&film, &series, &actor, &actress}) {
        int births = 0;
        for (const Rec& r : d->records.Records()) {
            EXPECT_EQ(r.data.find("Phantom"), std::string::npos) << ListCatalog[r.type].name << " key " << r.key;
            births += r.type == kBiographies && r.key == 5 ? 1 : 0;
        }
        EXPECT_LE(births, 1) << d->GetSearchKey();
    }
}

// LF, CR LF, and hostile lines (over-long, bytes 128-255, no final line end).
INSTANTIATE_TEST_SUITE_P(Lists, SearchGeneratedTest,
                         ::testing::Values(std::make_pair(false, false), std::make_pair(true, false),
                                           std::make_pair(false, true), std::make_pair(true, true)));
