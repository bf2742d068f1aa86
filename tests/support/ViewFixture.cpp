#include "support/ViewFixture.h"

#include "documents/CastCrewText.h"
#include "documents/MovieTVText.h"
#include "documents/NewDocument.h"
#include "documents/SearchDocumentAdapter.h"
#include "listdata/ListCatalog.h"
#include "listdata/ListLine.h"
#include "listdata/SearchEngine.h"
#include "listdata/SearchSink.h"
#include "platform/Profile.h"
#include "support/LocalClock.h"
#include "support/RtfToText.h"

#include <cstdlib>

namespace testsupport {

namespace {

constexpr LocalDate kCreated{2007, 4, 6};

class QuietSink : public ISearchSink {
public:
    void SetCaption(const std::string&) override {}
    void SetUpperStatus(const std::string&) override {}
    void SetLowerStatus(const std::string&) override {}
    void ClearStatusList() override {}
    void InsertStatusLine(int, const std::string&) override {}
    void SetProgressRange(int) override {}
    void StepProgress() override {}
    void Beep() override {}
    void DocumentChanged(ISearchDocument*) override {}
    void SearchDone() override {}
    void SearchStopped() override {}
};

listgen::GeneratorOptions Options(bool crlf)
{
    listgen::GeneratorOptions options;
    options.seed = kViewSeed;
    options.crlf = crlf;
    return options;
}

template <class Document> void Search(Document& document, const CAppSettings& settings)
{
    std::array<SearchListChoice, kListCount> choices{};
    for (SearchListChoice& choice : choices)
        choice = {true, true};
    CSearchDocumentAdapter adapter(document);
    SearchRequest request;
    request.settings = SearchSettings::Take(settings, choices);
    request.documents.push_back(adapter.Entry(true));
    QuietSink sink;
    CSearchEngine engine(sink);
    // The last update falls a day after the creation.
    ClockScope clock(LocalNoon(kCreated.year, kCreated.month, kCreated.day + 1));
    engine.QueueDocuments(request);
    engine.Run(request);
}

} // namespace

GeneratedDocuments::GeneratedDocuments(bool crlf, const ListEdit& edit) : m_generator(Options(crlf))
{
    m_generator.WriteSet(m_dir.Path());
    if (edit)
        edit(m_generator, m_dir.Path());
    m_settings.ListsPath = m_dir.Path();
    for (int i = 0; i < kListCount; ++i)
        m_settings.Lists[i].FileName = DefaultListFileName(i);
}

std::unique_ptr<CRVMDoc> GeneratedDocuments::SearchMovie(const std::string& title) const
{
    auto document = std::make_unique<CRVMDoc>();
    document->SetMovieTitle(title);
    document->SetDocVersion(kMovieTVDocVersion);
    document->SetProgramVersion(kProgramVersion);
    CListLine link;
    AddNewDocumentRecords(document->GetRecords(), title, link.MakeTitleLink(title.c_str()), kMovieTVDocVersion,
                          kCreated);
    Search(*document, m_settings);
    return document;
}

std::unique_ptr<CRVCDoc> GeneratedDocuments::SearchPerson(const std::string& name) const
{
    auto document = std::make_unique<CRVCDoc>();
    document->SetPersonName(name);
    document->SetDocVersion(kCastCrewDocVersion);
    document->SetProgramVersion(kProgramVersion);
    CListLine link;
    AddNewDocumentRecords(document->GetRecords(), name, link.MakeNameLink(name.c_str()), kCastCrewDocVersion, kCreated);
    Search(*document, m_settings);
    return document;
}

CAppSettings DefaultViewSettings()
{
    CAppSettings settings;
    platform::MemoryProfile profile;
    settings.Load(profile);
    return settings;
}

ViewWriter::ViewWriter(const CAppSettings& settings) : m_writer(&settings)
{
    m_writer.Attach(&m_host);
}

std::string ViewWriter::MovieTV(const CRVMDoc& document, int mode)
{
    const FixedPitchMeasure measure;
    auto lock = document.GetRecords().Lock();
    CMovieTVText(m_writer, document.GetRecords(), measure, document.GetMovieTitle(), mode)
        .Build(document.GetSearchState());
    return RtfToText(m_writer);
}

std::string ViewWriter::CastCrew(const CRVCDoc& document, int mode)
{
    const FixedPitchMeasure measure;
    auto lock = document.GetRecords().Lock();
    CCastCrewText(m_writer, document.GetRecords(), measure, document.GetDocVersion(), mode)
        .Build(document.GetSearchState());
    return RtfToText(m_writer);
}

std::string Golden(const std::string& name, const std::string& text)
{
    const std::string path = std::string(RV_TEST_DATA_DIR) + "views/" + name;
    if (std::getenv("RV_UPDATE_GOLDENS"))
        WriteFile(path, text);
    return ReadFile(path);
}

} // namespace testsupport
