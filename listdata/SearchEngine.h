#pragma once
// The search protocol of one Get Information run: the per-document and per-list loops,
// the dispatch from list index to list routine, the status texts, the progress and the
// document state changes. Plain C++: the thread that runs it and the dialog that shows
// it plug in through ISearchSink.

#include "listdata/ListRoutine.h"
#include "listdata/SearchRequest.h"

#include <cstdint>
#include <functional>
#include <string>

class CListFile;
class ISearchSink;

class CSearchEngine {
public:
    // Milliseconds from an arbitrary start; replaceable in tests.
    using TickSource = std::function<std::int64_t()>;

    // Opens list `listIndex` by the run's settings; replaceable in tests (a file that
    // fails to read).
    using ListOpener = std::function<bool(CListFile& file, int listIndex, const CAppSettings& lists)>;

    explicit CSearchEngine(ISearchSink& sink);

    void SetTickSource(TickSource ticks) { m_ticks = std::move(ticks); }
    void SetListOpener(ListOpener opener) { m_openList = std::move(opener); }

    // Clears g_bCancelSearch and marks every selected document queued (state 1) and
    // reports each. Call on the GUI thread before the Searching dialog shows and the
    // request goes to the search thread.
    void QueueDocuments(const SearchRequest& request);

    // The whole run on the calling thread, after QueueDocuments: searches the selected
    // documents in order until g_bCancelSearch is set, puts the ones still queued after
    // a cancel back to 0 and ends with SearchDone or SearchStopped. Never throws: a list
    // that fails in any way is that list's failure, and anything else that fails (the
    // sink, a document) ends the run as a cancel does, every document back to 0.
    void Run(const SearchRequest& request);

    // One document each; false only when the search was cancelled.
    bool SearchMovieDoc(ISearchDocument& document, const SearchSettings& settings);
    bool SearchCastDoc(ISearchDocument& document, const SearchSettings& settings);

private:
    enum class ListOutcome {
        read,      // "OK - %s (%.2fs)"
        notOpened, // "Couldn't Open - %s": no such file, a folder, its reads fail or its buffer cannot be made
        noStart,   // "Wrong Format - %s"
        storeFull, // "Error! Couldn't store more information"
    };

    void RunDocuments(const SearchRequest& request);
    // After something escaped RunDocuments: every selected document not idle back to 0
    // and told, then SearchStopped; throws nothing.
    void EndFailedRun(const SearchRequest& request);
    bool SearchDocument(ISearchDocument& document, const SearchSettings& settings, int kind);
    // Opens list `listIndex`, finds its start and runs its routine for `key`; `seconds`
    // receives the routine's time. Any failure of the list, thrown or not, is its outcome.
    ListOutcome ReadList(ISearchDocument& document, const std::string& key, int listIndex, int kind,
                         const SearchSettings& settings, double& seconds);

    ISearchSink& m_sink;
    TickSource m_ticks;
    ListOpener m_openList;
};
