// Generated lists -> the search engine -> the view builders -> texts compared with the
// reviewed goldens in tests/data/views/, and checks that hold for any view text.

#include "documents/RVMDoc.h"
#include "documents/RecordAccess.h"
#include "support/ViewFixture.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace {

using testsupport::GeneratedDocuments;
using testsupport::Golden;
using testsupport::ViewWriter;

struct Featured {
    std::unique_ptr<CRVMDoc> film;
    std::unique_ptr<CRVMDoc> series;
};

class ViewsEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const bool crlf : {false, true}) {
            const GeneratedDocuments lists(crlf);
            Featured& featured = crlf ? s_crlf : s_lf;
            featured.film = lists.SearchMovie(lists.Generator().FeaturedFilm());
            featured.series = lists.SearchMovie(lists.Generator().FeaturedSeries());
        }
    }
    static void TearDownTestSuite()
    {
        s_lf = {};
        s_crlf = {};
    }

    static Featured s_lf;
    static Featured s_crlf;
    CAppSettings settings = testsupport::DefaultViewSettings();
};

Featured ViewsEndToEnd::s_lf;
Featured ViewsEndToEnd::s_crlf;

// Every stored disc of the featured film begins with its LN record. The text is built on
// a thread of its own, so a disc walk that never ends fails the test instead of hanging.
TEST_F(ViewsEndToEnd, TheFeaturedFilmsTwoDiscsAreTwoPartsWithinATimeLimit)
{
    std::packaged_task<std::string()> build([this] { return ViewWriter(settings).MovieTV(*s_lf.film, kSectionOtherInfo); });
    std::future<std::string> built = build.get_future();
    std::thread(std::move(build)).detach();
    if (built.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "the laserdisc details do not end";
        std::fflush(stdout);
        std::_Exit(1); // the build cannot be stopped
    }
    const std::string text = built.get();
    const std::string discs = text.substr(text.find("*Laserdisc Details:*"));
    auto count = [&](const std::string& what) {
        int n = 0;
        for (std::size_t at = discs.find(what); at != std::string::npos; at = discs.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("Disc Title: "), 2);
    EXPECT_EQ(count("Disc Details:"), 2);
    EXPECT_EQ(count("\n\n{-1,2}Disc Title: "), 1); // a blank line between them
}

TEST_F(ViewsEndToEnd, FeaturedTitlesReadAsTheirGoldens)
{
    struct Case {
        const char* golden;
        bool series;
        int mode;
    };
    const Case cases[] = {
        {"film-overview.txt", false, kSectionOverview},
        {"film-credits.txt", false, kSectionCredits},
        {"film-fun-stuff.txt", false, kSectionFunStuff},
        {"film-plot-quotes.txt", false, kSectionPlotQuotes},
        {"film-other-info.txt", false, kSectionOtherInfo},
        {"film-complete.txt", false, kSectionComplete},
        {"series-overview.txt", true, kSectionOverview},
        {"series-credits.txt", true, kSectionCredits},
        {"series-fun-stuff.txt", true, kSectionFunStuff},
        {"series-plot-quotes.txt", true, kSectionPlotQuotes},
        {"series-other-info.txt", true, kSectionOtherInfo},
        {"series-complete.txt", true, kSectionComplete},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        ViewWriter lf(settings), crlf(settings);
        const std::string text = lf.MovieTV(c.series ? *s_lf.series : *s_lf.film, c.mode);
        EXPECT_EQ(text, Golden(c.golden, text));
        EXPECT_EQ(crlf.MovieTV(c.series ? *s_crlf.series : *s_crlf.film, c.mode), text);
    }
}

TEST_F(ViewsEndToEnd, NoControlBytesAndEveryLinkLeadsToAStoredTextOrReference)
{
    for (const CRVMDoc* document : {s_lf.film.get(), s_lf.series.get()}) {
        // Texts of the records, and the titles and names that running texts mark as
        // references ("_Title_ (qv)", "'Name' (qv)").
        std::set<std::string> stored;
        const CRecordStore& records = document->GetRecords();
        for (int i = 0; i < records.GetCount(); ++i) {
            std::string_view text = RecordText(records.GetRecord(i));
            stored.insert(std::string(text));
            for (QvSplit split = SplitAtQv(text); split.found; split = SplitAtQv(split.rest))
                stored.insert(std::string(split.reference));
        }
        for (int mode = kSectionNone; mode <= kSectionComplete; ++mode) {
            SCOPED_TRACE(mode);
            ViewWriter view(settings);
            view.MovieTV(*document, mode);
            // An integer record written as text would bring its zero bytes along.
            for (const char c : view.Writer().Output())
                EXPECT_TRUE(static_cast<unsigned char>(c) >= 32 || c == '\t' || c == '\n') << int(c);
            const CRtfLinkTable& links = view.Writer().Links();
            for (int i = 0; i < links.GetCount(); ++i) {
                const RtfLink link = links.GetAt(i);
                if (link.kind != RtfLinkKind::WebAddress) {
                    EXPECT_TRUE(stored.contains(link.target)) << link.target;
                }
            }
        }
    }
}

TEST_F(ViewsEndToEnd, AlwaysShowHeadersShowsEveryHeadingOfEachModeOnAnEmptyDocument)
{
    settings.AlwaysShowHeaders = 1;
    CRVMDoc empty;
    std::string text;
    for (int mode = kSectionNone; mode <= kSectionComplete + 1; ++mode) {
        ViewWriter view(settings);
        text += "mode " + std::to_string(mode) + ":\n" + view.MovieTV(empty, mode);
    }
    EXPECT_EQ(text, Golden("empty-always-headers.txt", text));
}

} // namespace
