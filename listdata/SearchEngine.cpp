#include "listdata/SearchEngine.h"

#include "listdata/ListFile.h"
#include "listdata/ListOpen.h"
#include "listdata/RecordTarget.h"
#include "listdata/SearchDocument.h"
#include "listdata/SearchSink.h"
#include "platform/TextFile.h"

#include <charconv>
#include <chrono>
#include <new>

std::atomic<bool> g_bCancelSearch{false};

SearchSettings SearchSettings::Take(const CAppSettings& settings,
                                    const std::array<SearchListChoice, kListCount>& choices)
{
    SearchSettings snapshot;
    snapshot.lists.ListsPath = settings.ListsPath;
    for (int i = 0; i < kListCount; ++i)
        snapshot.lists.Lists[i].FileName = settings.Lists[i].FileName;
    snapshot.choices = choices;
    snapshot.movieTVDefaultView = settings.MovieTVDefaultView;
    snapshot.castCrewDefaultView = settings.CastCrewDefaultView;
    return snapshot;
}

namespace {

// "%.2f" with a point whatever the locale.
std::string FormatSeconds(double seconds)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, seconds, std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr);
}

bool ListSelected(const SearchSettings& settings, int listIndex, int kind)
{
    const ListCatalogEntry& entry = ListCatalog[listIndex];
    if (kind == kMovieTVDocument)
        return entry.useMovieTV != 0 && settings.choices[listIndex].movieTV;
    return entry.useCastCrew != 0 && settings.choices[listIndex].castCrew;
}

bool KnownKind(int kind)
{
    return kind == kMovieTVDocument || kind == kCastCrewDocument;
}

} // namespace

CSearchEngine::CSearchEngine(ISearchSink& sink)
    : m_sink(sink), m_ticks([] {
          return std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::steady_clock::now().time_since_epoch())
              .count();
      }),
      m_openList([](CListFile& file, int listIndex, const CAppSettings& lists) { return file.Open(listIndex, lists); })
{
}

void CSearchEngine::QueueDocuments(const SearchRequest& request)
{
    // Cleared here, on the GUI thread before the Searching dialog shows, and not when
    // the run starts on the search thread: a Cancel pressed at once is never lost.
    g_bCancelSearch = false;
    for (const SearchDocEntry& entry : request.documents) {
        if (!entry.selected)
            continue;
        if (KnownKind(entry.kind))
            entry.document->SetSearchState(1);
        m_sink.DocumentChanged(entry.document);
    }
}

void CSearchEngine::Run(const SearchRequest& request)
{
    try {
        RunDocuments(request);
        return;
    } catch (...) {
        // Nothing may leave the search thread. What escaped a document's search (a
        // document or a sink that failed) ends the run as a cancel does.
    }
    EndFailedRun(request);
}

void CSearchEngine::EndFailedRun(const SearchRequest& request)
{
    // Each call on its own: one that fails again must not keep the others from the
    // documents and the frame.
    const auto attempt = [](auto&& call) {
        try {
            call();
        } catch (...) {
        }
    };
    for (const SearchDocEntry& entry : request.documents) {
        if (!entry.selected || !KnownKind(entry.kind))
            continue;
        attempt([&] {
            if (entry.document->GetSearchState() != 0) {
                entry.document->SetSearchState(0);
                m_sink.DocumentChanged(entry.document);
            }
        });
    }
    attempt([&] { m_sink.SearchStopped(); });
}

void CSearchEngine::RunDocuments(const SearchRequest& request)
{
    // The run works on its own copy of the entries.
    const std::vector<SearchDocEntry> entries = request.documents;
    std::vector<bool> searched(entries.size(), false);

    bool ok = true;
    for (std::size_t i = 0; i < entries.size() && ok; ++i) {
        const SearchDocEntry& entry = entries[i];
        if (!entry.selected)
            continue;
        if (KnownKind(entry.kind)) {
            ISearchDocument& document = *entry.document;
            document.SetSearchState(2);
            m_sink.SetCaption("Searching... " + document.GetSearchKey());
            ok = entry.kind == kMovieTVDocument ? SearchMovieDoc(document, request.settings)
                                                : SearchCastDoc(document, request.settings);
            document.SetSearchState(0);
        }
        searched[i] = true;
        m_sink.DocumentChanged(entry.document);
    }

    // After a cancel the documents still queued go back to idle; the finished ones are
    // left as they are.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SearchDocEntry& entry = entries[i];
        if (!entry.selected || searched[i] || !KnownKind(entry.kind))
            continue;
        if (entry.document->GetSearchState() != 0) {
            entry.document->SetSearchState(0);
            m_sink.DocumentChanged(entry.document);
        }
    }

    if (ok)
        m_sink.SearchDone();
    else
        m_sink.SearchStopped();
}

bool CSearchEngine::SearchMovieDoc(ISearchDocument& document, const SearchSettings& settings)
{
    return SearchDocument(document, settings, kMovieTVDocument);
}

bool CSearchEngine::SearchCastDoc(ISearchDocument& document, const SearchSettings& settings)
{
    return SearchDocument(document, settings, kCastCrewDocument);
}

bool CSearchEngine::SearchDocument(ISearchDocument& document, const SearchSettings& settings, int kind)
{
    int listCount = 0;
    for (int i = 0; i < kListCount; ++i)
        if (ListSelected(settings, i, kind))
            ++listCount;

    m_sink.ClearStatusList();
    m_sink.SetProgressRange(listCount > 0xFFFF ? 0xFFFF : listCount);

    // The list records stay until their list is read (ReadList).
    document.SetModifiedFlag(true);
    document.StampDocInfo();
    m_sink.DocumentChanged(&document);

    const std::string key = document.GetSearchKey();
    int errors = 0;
    int lineNo = 0;
    bool ok = true;
    const std::int64_t runStart = m_ticks();

    for (int i = 0; i < kListCount && ok && !g_bCancelSearch; ++i) {
        if (!ListSelected(settings, i, kind))
            continue;
        const std::string name = ListCatalog[i].name;
        m_sink.SetUpperStatus(name);
        m_sink.SetLowerStatus("Opening");

        std::string line;
        double seconds = 0;
        switch (ReadList(document, key, i, kind, settings, seconds)) {
        case ListOutcome::read:
            line = "OK - " + name + " (" + FormatSeconds(seconds) + "s)";
            break;
        case ListOutcome::notOpened:
            line = "Couldn't Open - " + name;
            ++errors;
            break;
        case ListOutcome::noStart:
            line = "Wrong Format - " + name;
            ++errors;
            break;
        case ListOutcome::storeFull:
            line = "Error! Couldn't store more information";
            ++errors;
            ok = false;
            break;
        }
        m_sink.InsertStatusLine(lineNo, line);
        ++lineNo;
        m_sink.StepProgress();
    }

    document.OrderListRecords();
    document.SetDefaultMode(kind == kMovieTVDocument ? settings.movieTVDefaultView : settings.castCrewDefaultView);

    if (g_bCancelSearch)
        return false;

    const std::int64_t ms = m_ticks() - runStart;
    const int minutes = static_cast<int>(ms / 1000 / 60);
    const double seconds = static_cast<double>(ms) / 1000.0 - minutes * 60.0;
    m_sink.SetUpperStatus("Done ! (" + std::to_string(minutes) + "m" + FormatSeconds(seconds) + "s)");
    m_sink.SetLowerStatus(errors == 0 ? std::string("All Listfiles searched !")
                                      : std::to_string(errors) + " Error(s) occured !");
    m_sink.Beep();
    return true;
}

CSearchEngine::ListOutcome CSearchEngine::ReadList(ISearchDocument& document, const std::string& key, int listIndex,
                                                   int kind, const SearchSettings& settings, double& seconds)
{
    CListFile file;
    switch (OpenAtStart(file, [&](CListFile& opening) { return m_openList(opening, listIndex, settings.lists); })) {
    case ListReadStatus::Ok:
        break;
    case ListReadStatus::NoBeginning:
        return ListOutcome::noStart;
    case ListReadStatus::CannotOpen:
    case ListReadStatus::ReadError:
        // A file whose reads fail, or whose buffer cannot be made, cannot be opened
        // where these lists were first read.
        return ListOutcome::notOpened;
    }

    m_sink.SetLowerStatus("Searching for Information");
    const std::int64_t listStart = m_ticks();
    const ListRoutine routine = kind == kMovieTVDocument ? MovieListRoutine(listIndex) : CastListRoutine(listIndex);
    ListOutcome outcome = ListOutcome::read;
    int earlier = 0;
    try {
        earlier = document.SetListRecordsAside(listIndex);
        if (routine != nullptr && !routine(listIndex, file, key, document.Records()))
            outcome = ListOutcome::storeFull;
    } catch (const std::bad_alloc&) {
        // The store could not grow.
        outcome = ListOutcome::storeFull;
    } catch (...) {
        // A read that failed, or anything else that ended the read: the list could not be
        // read, as one that cannot be opened.
        outcome = ListOutcome::notOpened;
    }
    seconds = static_cast<double>(m_ticks() - listStart) / 1000.0;
    // A read cut short keeps the list's earlier records; a document that had none keeps
    // what was stored.
    const bool complete = outcome == ListOutcome::read && !g_bCancelSearch;
    document.EndListRead(listIndex, complete || earlier == 0);

    m_sink.SetUpperStatus("");
    m_sink.SetLowerStatus("");
    return outcome;
}
