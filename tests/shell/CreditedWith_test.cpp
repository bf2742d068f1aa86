#include "documents/RtfLinkTable.h"
#include "listdata/FilmographyJobs.h"
#include "listdata/ListFile.h"
#include "listdata/RecordStore.h"
#include "shell/core/CreditList.h"
#include "shell/core/CreditSearch.h"
#include "shell/core/DistinctTitleTargets.h"
#include "shell/core/DocumentTitles.h"
#include "support/FailingSource.h"
#include "support/FixtureLists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <new>

using namespace shellcore;

namespace {

const std::string kPerson = "Smith, John (I)";

// The person acted in four titles, two of them differing only in case, and directed one.
void FillPersonStore(CRecordStore& store)
{
    for (const char* title : {"Alpha (1990)", "Beta (1991)", "Gamma (1992)", "alpha (1990)", "Beta (1991)"}) {
        store.AddString(kActors, 1, title);
        store.AddString(kActors, 3, "A role");
    }
    store.AddString(kDirectors, 1, "Delta (1993)");
}

const std::string kActorsList = "Adams, Ann\t\tAlpha (1990)  [Herself]\n"
                                "\t\t\tBeta (1991)\n"
                                "\t\t\tZeta (1999)\n\n"
                                "Baker, Bob\t\tAlpha (1990)\n"
                                "\t\t\tBeta (1991)  (voice)\n"
                                "\t\t\tGamma (1992)  [Bob]  <3>\n\n"
                                "Case, Carl\t\talpha (1990)\n\n"
                                "smith, john (I)\t\tAlpha (1990)\n"
                                "\t\t\tGamma (1992)\n\n"
                                "Smith, John (II)\tBeta (1991)\n\n"
                                "-----------------------------------------------------------------------------\n";
const std::string kDirectorsList = "Baker, Bob\t\tGamma (1992)\n\t\t\tOmega (2000)\n\n"
                                   "Dunn, Dee\t\tDelta (1993)\n\n";
const std::string kProducersList = "Baker, Bob\t\tDelta (1993)\n\nPrice, Pam\t\tGamma (1992)  (producer)\n\n";

struct Found {
    std::vector<std::string> names;  // list names of every entry, in entry order
    std::vector<std::string> titles; // "title|roles" of Baker, Bob
    std::vector<std::string> failures;
};

class CreditedWithTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillPersonStore(store);
        testsupport::WriteList(dir.Path(), kActors, kActorsList);
        testsupport::WriteList(dir.Path(), kActresses, "");
        testsupport::WriteList(dir.Path(), kDirectors, kDirectorsList);
        testsupport::WriteList(dir.Path(), kProducers, kProducersList);
        settings = testsupport::ListSettings(dir.Path());
    }

    Found Search(unsigned filmography, unsigned searched)
    {
        CollectDocumentTitles(store, filmography, titles);
        credits.RemoveAll();
        Found found;
        found.failures = SearchCreditedWith(OpenBySettings(settings), searched, kPerson, titles, credits);
        for (const CreditNameRow& row : CreditNameRows(credits, 1, 1, false))
            found.names.push_back(row.listName);
        for (const CreditTitleRow& row : CreditTitleRows(credits, titles, "Baker, Bob"))
            found.titles.push_back(row.title + "|" + row.roles);
        return found;
    }

    testsupport::TempDir dir;
    CAppSettings settings;
    CRecordStore store;
    CDocumentTitles titles;
    CCreditList credits;
};

using Names = std::vector<std::string>;

} // namespace

// Who shares which titles: the person's own records are passed over also when their case
// differs, a namesake with another number is someone else, titles differing only in case
// are different titles, and a person credited in two roles on one title has one row.
TEST_F(CreditedWithTest, CoCreditsByRoleAndTitle)
{
    const unsigned acting = CreditRolesOf({.actorActress = true});
    const unsigned directing = CreditRolesOf({.director = true});
    const unsigned producing = CreditRolesOf({.producer = true});
    const struct {
        const char* what;
        unsigned filmography, searched;
        Names names, bakerTitles;
    } cases[] = {
        {"acting titles in the acting lists", acting, acting,
         {"Adams, Ann", "Baker, Bob", "Case, Carl", "Smith, John (II)"},
         {"Alpha (1990)|Actor", "Beta (1991)|Actor", "Gamma (1992)|Actor"}},
        {"and in the directors' list", acting, acting | directing,
         {"Adams, Ann", "Baker, Bob", "Case, Carl", "Smith, John (II)"},
         {"Alpha (1990)|Actor", "Beta (1991)|Actor", "Gamma (1992)|Actor, Director"}},
        {"producers of the acting titles", acting, producing, {"Price, Pam"}, {}},
        {"producers of the directed title", directing, producing, {"Baker, Bob"}, {"Delta (1993)|Producer"}},
    };
    for (const auto& c : cases) {
        const Found found = Search(c.filmography, c.searched);
        EXPECT_EQ(found.names, c.names) << c.what;
        EXPECT_EQ(found.titles, c.bakerTitles) << c.what;
        EXPECT_TRUE(found.failures.empty()) << c.what;
    }
    EXPECT_EQ(titles.GetCount(), 1) << "Delta (1993) only";
    Search(acting, acting);
    EXPECT_EQ(titles.GetCount(), 4) << "Beta once; alpha beside Alpha";
    EXPECT_EQ(CreditTitleRows(credits, titles, "Case, Carl")[0].title, "alpha (1990)");
}

// A title shorter than the quick test's eight bytes is found; a field that only begins
// with a title, or a title that only begins with the field, is another title.
TEST_F(CreditedWithTest, TitlesMatchWhole)
{
    store.AddString(kActors, 1, "Xi (1)");
    testsupport::WriteList(dir.Path(), kActors,
                           "Ng, Al\t\tXi (1)\n\t\t\tXi (1) {Pilot}\n\t\t\tAlpha (1990) (TV)\n\n"
                           "Ox, Bo\t\tXi (10)\n\t\t\tXi (1)  [Bo]\n\t\t\tXi\n\n");
    const unsigned acting = CreditRolesOf({.actorActress = true});
    EXPECT_EQ(Search(acting, acting).names, (Names{"Ng, Al", "Ox, Bo"}));
    for (const char* name : {"Ng, Al", "Ox, Bo"}) {
        const std::vector<CreditTitleRow> rows = CreditTitleRows(credits, titles, name);
        ASSERT_EQ(rows.size(), 1u) << name;
        EXPECT_EQ(rows[0].title, "Xi (1)") << name;
    }
}

TEST_F(CreditedWithTest, MinimumFiltersTheNames)
{
    const unsigned acting = CreditRolesOf({.actorActress = true});
    Search(acting, acting);
    const struct {
        int minimum;
        Names names;
    } cases[] = {
        {1, {"Ann Adams", "Bob Baker", "Carl Case", "John Smith"}},
        {2, {"Ann Adams", "Bob Baker"}},
        {3, {"Bob Baker"}},
        {4, {}},
    };
    for (const auto& c : cases) {
        Names names;
        for (const CreditNameRow& row : CreditNameRows(credits, c.minimum, 0, true))
            names.push_back(row.name);
        EXPECT_EQ(names, c.names) << c.minimum;
    }
}

// A list that fails is reported by its role's word, and the other lists are searched.
TEST_F(CreditedWithTest, FailingListsAreReportedAndTheSearchGoesOn)
{
    const unsigned searched = CreditRolesOf({.actorActress = true, .director = true, .producer = true});
    std::filesystem::remove(dir.File(DefaultListFileName(kDirectors)));
    testsupport::WriteFile(dir.File(DefaultListFileName(kActresses)), "no header here\n");
    const Found found = Search(CreditRolesOf({.actorActress = true, .director = true}), searched);
    EXPECT_EQ(found.failures, (Names{"Error in Listfile 'Actress':\nCouldn't find begining of file.",
                                     "Error in Listfile 'Director':\nCouldn't open file."}));
    EXPECT_EQ(found.names, (Names{"Adams, Ann", "Baker, Bob", "Case, Carl", "Smith, John (II)", "Price, Pam"}));
    EXPECT_EQ(found.titles, (Names{"Alpha (1990)|Actor", "Beta (1991)|Actor", "Gamma (1992)|Actor", "Delta (1993)|Producer"}));

    // A read error, or running out of memory while the list is read, ends that list as
    // one that cannot be opened; what was read stays.
    for (const bool outOfMemory : {false, true}) {
        CListFile file;
        const std::string text = testsupport::ListFileText(kActors, kActorsList.substr(0, kActorsList.find("Case")));
        ASSERT_TRUE(
            file.OpenSource(kActors, std::make_unique<testsupport::FailingSource>(text, outOfMemory), "Actors"));
        ASSERT_TRUE(file.FindStart());
        credits.RemoveAll();
        EXPECT_EQ(SearchCredits(file, 0, kPerson, titles, credits), ListReadStatus::ReadError) << outOfMemory;
        EXPECT_EQ(credits.GetCount(), 2) << outOfMemory;
    }
}

// Whatever fails while a list is read, its role is told as a list that cannot be opened
// and the people found before stay, in that list and the lists before it.
TEST_F(CreditedWithTest, AnyFailureWhileAListIsReadReadsAsOneThatCannotBeOpened)
{
    CollectDocumentTitles(store, CreditRolesOf({.actorActress = true, .director = true}), titles);
    const std::string directors = testsupport::ListFileText(kDirectors, "Dunn, Dee\t\tDelta (1993)\n\n");
    // The people of the actors' list, the one the Directors list gives before it fails,
    // the one the Producers list behind it gives.
    const Names withDunn = {"Adams, Ann", "Baker, Bob", "Case, Carl", "Smith, John (II)", "Dunn, Dee", "Price, Pam"};
    const Names withoutDunn = {"Adams, Ann", "Baker, Bob", "Case, Carl", "Smith, John (II)", "Price, Pam"};
    const struct {
        const char* what;
        std::string directors; // the bytes the Directors list gives before it fails; none: it fails to open
        bool outOfMemory;
        const Names& names;
    } cases[] = {
        {"out of memory as it opens", "", true, withoutDunn},
        {"read error in the records", directors, false, withDunn},
        {"out of memory in the records", directors, true, withDunn},
        {"out of memory before the start", "CRC: 0x12345678\n", true, withoutDunn},
    };
    for (const auto& c : cases) {
        const ListOpener open = [&](CListFile& file, int list) {
            if (list == kDirectors && c.directors.empty())
                throw std::bad_alloc();
            if (list == kDirectors)
                return file.OpenSource(list, std::make_unique<testsupport::FailingSource>(c.directors, c.outOfMemory),
                                       "Directors");
            return file.OpenPath(list, dir.File(DefaultListFileName(list)));
        };
        credits.RemoveAll();
        const std::vector<std::string> failures = SearchCreditedWith(
            open, CreditRolesOf({.actorActress = true, .director = true, .producer = true}), kPerson, titles, credits);
        EXPECT_EQ(failures, (Names{"Error in Listfile 'Director':\nCouldn't open file."})) << c.what;
        Names names;
        for (const CreditNameRow& row : CreditNameRows(credits, 1, 1, false))
            names.push_back(row.listName);
        EXPECT_EQ(names, c.names) << c.what;
    }
}

// A piece that continues an over-long line is no line of its own: a title at its start is
// not shared, and the line behind it is read as usual.
TEST_F(CreditedWithTest, AnOverLongLineSharesOnlyItsOwnTitle)
{
    testsupport::WriteList(dir.Path(), kActors,
                           testsupport::OverLongLine("Ng, Al\t\tZeta (1999)", "Alpha (1990)  [Al]") +
                               "\t\t\tBeta (1991)\n\n" +
                               testsupport::OverLongLine("Ox, Bo\t\tGamma (1992)  (voice)", "Beta (1991)") + "\n");
    const unsigned acting = CreditRolesOf({.actorActress = true});
    EXPECT_EQ(Search(acting, acting).names, (Names{"Ng, Al", "Ox, Bo"}));
    const struct {
        const char* name;
        Names titles;
    } cases[] = {{"Ng, Al", {"Beta (1991)"}}, {"Ox, Bo", {"Gamma (1992)"}}};
    for (const auto& c : cases) {
        Names shared;
        for (const CreditTitleRow& row : CreditTitleRows(credits, titles, c.name))
            shared.push_back(row.title);
        EXPECT_EQ(shared, c.titles) << c.name;
    }
}

TEST(CreditedWith, RoleWordsAndNamesNotListed)
{
    EXPECT_EQ(RoleWords(0), "");
    EXPECT_EQ(RoleWords(0x7FF), "Actor, Actress, Director, Producer, Writer, Composer, Editor, Production Designer, "
                                "Cinematographer, Costume Designer, Miscellaneous Crew");
    EXPECT_EQ(CreditRolesOf({.otherCrew = true}), 0x7F0u);
    CCreditList credits;
    CDocumentTitles titles;
    EXPECT_EQ(credits.Add("Baker, Bob", titles.Add("Alpha (1990)"), 1), 1);
    EXPECT_EQ(credits.Add("Baker, Bob", titles.Add("Alpha (1990)"), 2), 1);
    EXPECT_EQ(credits.GetRoleBitsAt(0, 0), 0x6u);
    // A name no entry has (a row left over from before a refill) gives no rows.
    EXPECT_TRUE(CreditTitleRows(credits, titles, "").empty());
    EXPECT_TRUE(CreditTitleRows(credits, titles, "baker, bob").empty());
}

// Movie Links offers each title link once, where the text first shows it.
TEST(MovieLinks, DistinctTitleTargets)
{
    CRtfLinkTable links;
    const struct {
        RtfLinkKind kind;
        const char* target;
    } added[] = {
        {RtfLinkKind::WebAddress, "https://www.zuvo.example/Title?Beta"},
        {RtfLinkKind::Title, "Beta (1991)"},
        {RtfLinkKind::Name, "Alpha (1990)"},
        {RtfLinkKind::Title, "Alpha (1990)"},
        {RtfLinkKind::Title, "Beta (1991)"},
        {RtfLinkKind::NameReference, "Gamma (1992)"},
        {RtfLinkKind::Title, "beta (1991)"},
        {RtfLinkKind::Title, "Beta (1991)"},
    };
    for (const auto& link : added)
        links.Add(link.kind, 0, 1, "shown", link.target, "");
    EXPECT_EQ(DistinctTitleTargets(links), (Names{"Beta (1991)", "Alpha (1990)", "beta (1991)"}));
    EXPECT_TRUE(DistinctTitleTargets(CRtfLinkTable()).empty());
}
