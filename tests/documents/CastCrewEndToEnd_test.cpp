// The featured actor and actress of the generated lists, found by the search engine and
// shown by the Cast/Crew view: both filmography modes and both sorts against reviewed
// goldens in tests/data/views/, and what must hold of any such text.

#include "documents/RecordAccess.h"
#include "listdata/FilmographyJobs.h"
#include "support/ViewFixture.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using testsupport::GeneratedDocuments;
using testsupport::Golden;
using testsupport::ViewWriter;

struct People {
    std::unique_ptr<CRVCDoc> actor;
    std::unique_ptr<CRVCDoc> actress;
};

class CastCrewEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const bool crlf : {false, true}) {
            const GeneratedDocuments lists(crlf);
            People& people = crlf ? s_crlf : s_lf;
            people.actor = lists.SearchPerson(lists.Generator().FeaturedActor());
            people.actress = lists.SearchPerson(lists.Generator().FeaturedActress());
        }
    }
    static void TearDownTestSuite()
    {
        s_lf = {};
        s_crlf = {};
    }

    static People s_lf;
    static People s_crlf;
    CAppSettings settings = testsupport::DefaultViewSettings();
};

People CastCrewEndToEnd::s_lf;
People CastCrewEndToEnd::s_crlf;

TEST_F(CastCrewEndToEnd, FeaturedPeopleReadAsTheirGoldens)
{
    struct Case {
        const char* golden;
        bool actress;
        int mode;
        int sort;
    };
    const Case cases[] = {
        {"actor-categorized-year.txt", false, kFilmographyCategorized, 0},
        {"actor-categorized-title.txt", false, kFilmographyCategorized, 1},
        {"actor-combined-year.txt", false, kFilmographyCombined, 0},
        {"actor-combined-title.txt", false, kFilmographyCombined, 1},
        {"actress-categorized-year.txt", true, kFilmographyCategorized, 0},
        {"actress-categorized-title.txt", true, kFilmographyCategorized, 1},
        {"actress-combined-year.txt", true, kFilmographyCombined, 0},
        {"actress-combined-title.txt", true, kFilmographyCombined, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        settings.FilmographySort = c.sort;
        ViewWriter lf(settings), crlf(settings);
        const std::string text = lf.CastCrew(c.actress ? *s_lf.actress : *s_lf.actor, c.mode);
        EXPECT_EQ(text, Golden(c.golden, text));
        EXPECT_EQ(crlf.CastCrew(c.actress ? *s_crlf.actress : *s_crlf.actor, c.mode), text);
    }
}

TEST_F(CastCrewEndToEnd, EveryStoredTextShowsAndEveryLinkLeadsSomewhere)
{
    for (const CRVCDoc* document : {s_lf.actor.get(), s_lf.actress.get()}) {
        const CRecordStore& records = document->GetRecords();
        for (const int mode : {kFilmographyCategorized, kFilmographyCombined}) {
            SCOPED_TRACE(mode);
            ViewWriter view(settings);
            const std::string text = view.CastCrew(*document, mode);
            // Integers written as text would bring their zero bytes along.
            for (const char c : view.Writer().Output())
                EXPECT_TRUE(static_cast<unsigned char>(c) >= 32 || c == '\t' || c == '\n') << int(c);
            // Every credit title is a title link that leads to its stored text; the
            // quoted names of the biography texts are name references.
            std::set<std::string> titles, links, names;
            for (int i = 0; i < records.GetCount(); ++i) {
                const InfoRecord record = records.GetRecord(i);
                if (FilmographyJobOfList(record.type) >= 0 && record.key == 1)
                    titles.insert(std::string(RecordText(record)));
            }
            const CRtfLinkTable& table = view.Writer().Links();
            for (int i = 0; i < table.GetCount(); ++i) {
                const RtfLink link = table.GetAt(i);
                if (link.kind == RtfLinkKind::Title)
                    links.insert(link.target);
                else if (link.kind == RtfLinkKind::NameReference)
                    names.insert(link.target);
            }
            for (const std::string& title : titles)
                EXPECT_TRUE(links.contains(title)) << title;
            EXPECT_FALSE(names.empty());
            EXPECT_EQ(text.find("Unknown Headline"), std::string::npos);
        }
    }
}

} // namespace
