#include "documents/CastCrewDocTemplate.h"
#include "documents/MovieTVDocTemplate.h"
#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "platform/Archive.h"
#include "platform/DocManager.h"
#include "platform/View.h"
#include "support/ScriptedPrompt.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>

using platform::CDocTemplate;

namespace {

struct FrameView : platform::IView {
    platform::CDocument* doc = nullptr;
    int activations = 0;
    bool closed = false;
    void OnUpdate(platform::IView*, std::intptr_t) override {}
    void ActivateFrame() override { ++activations; }
    void OnCloseDocument() override { closed = true; }
};

// The application's two templates, each document getting one view.
class Application {
public:
    Application()
    {
        auto attach = [this](platform::CDocument& doc) {
            views.push_back(std::make_unique<FrameView>());
            views.back()->doc = &doc;
            doc.AddView(views.back().get());
            return true;
        };
        movieTemplate = manager.AddDocTemplate(std::make_unique<CMovieTVDocTemplate>());
        castTemplate = manager.AddDocTemplate(std::make_unique<CCastCrewDocTemplate>());
        movieTemplate->SetFrameFactory(attach);
        castTemplate->SetFrameFactory(attach);
    }
    // The views (frames) outlive the manager, which closes the documents when it goes.
    std::vector<std::unique_ptr<FrameView>> views;
    platform::CDocManager manager;
    CDocTemplate* movieTemplate;
    CDocTemplate* castTemplate;
};

template <class Doc> void WriteDocument(const std::string& path, const std::string& name)
{
    Doc doc;
    if constexpr (std::is_same_v<Doc, CRVMDoc>)
        doc.SetMovieTitle(name);
    else
        doc.SetPersonName(name);
    ASSERT_TRUE(doc.OnSaveDocument(path));
}

} // namespace

TEST(DocTemplates, MatchDocTypeByExtension)
{
    CMovieTVDocTemplate movie;
    CCastCrewDocTemplate cast;
    struct Case {
        const char* path;
        CDocTemplate::Confidence movie, cast;
    } const cases[] = {
        {"/d/a.rvmtv", CDocTemplate::yesAttemptNative, CDocTemplate::yesAttemptForeign},
        {"/d/a.RVMTV", CDocTemplate::yesAttemptNative, CDocTemplate::yesAttemptForeign},
        {"/d/a.rvm", CDocTemplate::yesAttemptNative, CDocTemplate::yesAttemptForeign},
        {"/d/a.Rvm", CDocTemplate::yesAttemptNative, CDocTemplate::yesAttemptForeign},
        {"/d/a.rvcc", CDocTemplate::yesAttemptForeign, CDocTemplate::yesAttemptNative},
        {"/d/a.RVC", CDocTemplate::yesAttemptForeign, CDocTemplate::yesAttemptNative},
        {"/d/a.rvmtv.bak", CDocTemplate::yesAttemptForeign, CDocTemplate::yesAttemptForeign},
        {"/d/a.rvmt", CDocTemplate::yesAttemptForeign, CDocTemplate::yesAttemptForeign},
        {"/d/noextension", CDocTemplate::yesAttemptForeign, CDocTemplate::yesAttemptForeign},
        {"/d.rvmtv/name", CDocTemplate::yesAttemptForeign, CDocTemplate::yesAttemptForeign},
        {"rvmtv", CDocTemplate::yesAttemptForeign, CDocTemplate::yesAttemptForeign},
        {".rvcc", CDocTemplate::yesAttemptForeign, CDocTemplate::yesAttemptNative},
        {"", CDocTemplate::yesAttemptForeign, CDocTemplate::yesAttemptForeign},
    };
    for (const Case& c : cases) {
        platform::CDocument* match = reinterpret_cast<platform::CDocument*>(1);
        EXPECT_EQ(movie.MatchDocType(c.path, match), c.movie) << c.path;
        EXPECT_EQ(match, nullptr);
        match = reinterpret_cast<platform::CDocument*>(1);
        EXPECT_EQ(cast.MatchDocType(c.path, match), c.cast) << c.path;
        EXPECT_EQ(match, nullptr);
    }
    EXPECT_EQ(movie.GetProgId(), "Reelvoyager.RVMTVDoc");
    EXPECT_EQ(cast.GetProgId(), "Reelvoyager.RVCCDoc");
}

TEST(DocTemplates, OpenDocumentIsFoundByExactPath)
{
    testsupport::TempDir dir;
    const std::string path = dir.File("Film.rvmtv");
    WriteDocument<CRVMDoc>(path, "Film");
    Application app;
    platform::CDocument* doc = app.manager.OpenDocumentFile(path);
    ASSERT_NE(doc, nullptr);
    EXPECT_NE(dynamic_cast<CRVMDoc*>(doc), nullptr);

    platform::CDocument* match = nullptr;
    EXPECT_EQ(app.movieTemplate->MatchDocType(path, match), CDocTemplate::yesAlreadyOpen);
    EXPECT_EQ(match, doc);
    EXPECT_EQ(app.movieTemplate->MatchDocType(dir.File("film.rvmtv"), match), CDocTemplate::yesAttemptNative)
        << "the path comparison is case-sensitive";
    EXPECT_EQ(match, nullptr);
    EXPECT_EQ(app.castTemplate->MatchDocType(path, match), CDocTemplate::yesAttemptForeign)
        << "only the template's own documents count";
}

TEST(DocTemplates, ReopeningActivatesTheOpenDocument)
{
    testsupport::TempDir dir;
    const std::string path = dir.File("Person.rvcc");
    WriteDocument<CRVCDoc>(path, "Doe, Jane");
    Application app;
    platform::CDocument* first = app.manager.OpenDocumentFile(path);
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(app.views.size(), 1u);

    EXPECT_EQ(app.manager.OpenDocumentFile(path), first);
    EXPECT_EQ(app.views.size(), 1u) << "no second copy";
    EXPECT_EQ(app.views[0]->activations, 1);
    EXPECT_EQ(app.manager.GetDocuments().size(), 1u);

    // The same file named with other letter case is loaded again (a second file here).
    const std::string upper = dir.File("PERSON.RVCC");
    WriteDocument<CRVCDoc>(upper, "Doe, Jane");
    platform::CDocument* second = app.manager.OpenDocumentFile(upper);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_NE(dynamic_cast<CRVCDoc*>(second), nullptr) << "capital extension still Cast/Crew";
    EXPECT_EQ(app.manager.GetDocuments().size(), 2u);
}

TEST(DocTemplates, ForeignFileGoesToTheFirstRegisteredTemplate)
{
    testsupport::ScriptedPrompt prompt;
    testsupport::TempDir dir;
    // A Movie/TV file under another extension loads as Movie/TV: foreign files are offered
    // to both templates and the first registered wins the tie.
    WriteDocument<CRVMDoc>(dir.File("film.bak"), "Film");
    Application app;
    platform::CDocument* doc = app.manager.OpenDocumentFile(dir.File("film.bak"));
    ASSERT_NE(doc, nullptr);
    EXPECT_NE(dynamic_cast<CRVMDoc*>(doc), nullptr);

    // A Cast/Crew file under a foreign extension is therefore refused, and no document
    // stays open.
    WriteDocument<CRVCDoc>(dir.File("person.rvcc.old"), "Doe, Jane");
    EXPECT_EQ(app.manager.OpenDocumentFile(dir.File("person.rvcc.old")), nullptr);
    EXPECT_EQ(app.manager.GetDocuments().size(), 1u);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].text.find("person.rvcc.old"), std::string::npos);
}

TEST(DocTemplates, RecentFilesListSuccessfulOpensOnly)
{
    testsupport::ScriptedPrompt prompt;
    testsupport::TempDir dir;
    Application app;
    for (const char* name : {"a.rvmtv", "b.rvmtv", "c.rvmtv", "d.rvmtv", "e.rvmtv"}) {
        WriteDocument<CRVMDoc>(dir.File(name), name);
        ASSERT_NE(app.manager.OpenDocumentFile(dir.File(name)), nullptr);
    }
    EXPECT_EQ(app.manager.OpenDocumentFile(dir.File("missing.rvmtv")), nullptr);
    const platform::CRecentFileList& recent = app.manager.RecentFiles();
    ASSERT_EQ(recent.GetCount(), 4);
    EXPECT_EQ(recent.GetAt(0), dir.File("e.rvmtv"));
    EXPECT_EQ(recent.GetAt(3), dir.File("b.rvmtv"));
}

TEST(DocTemplates, ClosingAllAsksEveryDocumentAndStopsAtARefusal)
{
    testsupport::ScriptedPrompt prompt;
    Application app;
    auto* movie = dynamic_cast<CRVMDoc*>(app.movieTemplate->OpenDocumentFile(""));
    auto* cast = dynamic_cast<CRVCDoc*>(app.castTemplate->OpenDocumentFile(""));
    ASSERT_TRUE(movie && cast);
    EXPECT_EQ(movie->GetTitle(), "Untitled1");
    cast->SetSearchState(kSearchRunning);
    EXPECT_FALSE(app.manager.SaveAllModified()) << "a searched document refuses to close";
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "First cancel the search operation.");

    cast->SetSearchState(kSearchIdle);
    EXPECT_TRUE(app.manager.SaveAllModified());
    app.manager.CloseAllDocuments();
    EXPECT_TRUE(app.manager.GetDocuments().empty());
    for (const auto& v : app.views)
        EXPECT_TRUE(v->closed);
}
