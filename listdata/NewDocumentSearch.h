#pragma once
// What the New Movie/TV and New Cast/Crew Document dialogs share: the found lines in the
// order of finding, the Searching and Cancelled flags, the overflow rule, the message-
// queue pump between records and the walk from a chosen line to its main line. The scan
// runs on the caller's (GUI) thread; the host's PumpMessages may re-enter the owner's
// handlers, which may only call Cancel.

#include "listdata/AppSettings.h"
#include "listdata/SearchPattern.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

class CListFile;

class CNewDocumentSearch {
public:
    // The window side of a search: a list box that mirrors Results, the status lines, the
    // message boxes and the message pump.
    class IHost {
    public:
        virtual ~IHost() = default;
        // `line` became Results()[index]; the lines from `index` on moved down by one.
        virtual void ResultInserted(int index, const std::string& line) = 0;
        virtual void ResultDeleted(int index) = 0;
        virtual void ResultsCleared() = 0;
        // The two status lines shown while searching (1046 and 1050).
        virtual void SearchStatus(const std::string& status, const std::string& wait) = 0;
        // "Error!" box with the error icon.
        virtual void ShowError(const std::string& message) = 0;
        // "Overflow!" box with the information icon.
        virtual void ShowOverflow(const std::string& message) = 0;
        // Dispatches the messages waiting in the thread's queue.
        virtual void PumpMessages() = 0;
    };

    // The line of this index is the first one too many; it stays in the list.
    static constexpr int kOverflowIndex = 1024;
    // Lines beyond this many selected ones create no document.
    static constexpr int kMaxSelected = 1024;
    // "   aka - " before an alternative title or name.
    static constexpr const char* kAkaPrefix = "   aka - ";
    static constexpr int kAkaPrefixLength = 9;

    explicit CNewDocumentSearch(IHost* host);
    virtual ~CNewDocumentSearch();
    CNewDocumentSearch(const CNewDocumentSearch&) = delete;
    CNewDocumentSearch& operator=(const CNewDocumentSearch&) = delete;

    void SetHost(IHost* host) { m_host = host; }

    // The search type 0-3 of the next run; any other value searches for the exact text.
    void SetSearchType(int searchType);
    ::SearchType GetSearchType() const { return m_searchType; }

    bool Searching() const { return m_searching; }
    bool Cancelled() const { return m_cancelled; }
    // Stops a running scan after its current record; the lines found so far stay.
    void Cancel();
    // Neither searching nor cancelled (a dialog that opens).
    void ResetFlags()
    {
        m_searching = false;
        m_cancelled = false;
    }

    const std::vector<std::string>& Results() const { return m_results; }
    void ClearResults();

    // Time between two message pumps while a scan runs: pumping after every record would
    // cost more than reading it. Zero pumps after every record.
    void SetPumpInterval(std::chrono::microseconds interval) { m_pumpInterval = interval; }

    // The main line of the chosen line `index`: the nearest line at or above it that does
    // not begin with a blank (or line 0).
    int MainLineOf(int index) const;
    // The heading that a chosen line gives: the line, or an aka line without its prefix.
    std::string HeadingOf(int index) const;

protected:
    // Marks the start of a run: Searching set, Cancelled cleared.
    void BeginRun();
    void EndRun();

    // Appends `line` at the end; true when this is the overflow line (the box is shown).
    bool AppendResult(const std::string& line, const char* overflowMessage);
    // Appends `text` to line `index` in place; true when that is the overflow index.
    // During a scan the host sees the longer line before the next pump (once, however
    // many appends came) and at the end of the run; otherwise at once.
    bool AppendToResult(int index, const std::string& text, const char* overflowMessage);

    // Opens list `listIndex` and finds its start, showing "Error in Listfile ..." boxes
    // named `listName`. False (box shown, file closed) when the list cannot be used; any
    // failure while it opens (a read error, memory) shows the box of a file that cannot
    // be opened.
    bool OpenList(CListFile& file, int listIndex, const CAppSettings& settings, const char* listName);
    // The box for a list whose file fails to read: the box of a file that cannot be opened.
    void ReportReadError(const char* listName);
    // Runs `scan` (a pass over an open list; returns true when it stopped on an error or
    // an overflow). Any failure while the list is read (a read error, memory) ends the
    // pass with the box of a file that cannot be opened, and true.
    template <class Scan> bool ReadList(const char* listName, Scan&& scan)
    {
        try {
            return scan();
        } catch (const std::exception&) {
            ReportReadError(listName);
            return true;
        }
    }
    // Opens the file of list `listIndex`; tests put a failing file in its place.
    virtual bool OpenListFile(CListFile& file, int listIndex, const CAppSettings& settings);

    // After the pattern is set: the word that every matching line must hold.
    void PrepareLineFilter();
    // False when `line` cannot hold a match: the pattern's longest word is not in it
    // (ASCII case ignored). Every word of a match, title or name, is a piece of the
    // line, so this only spares the parse of lines that the pattern would refuse.
    bool MayMatch(const char* line, int length) const;

    // Called after every record; pumps when the interval has passed.
    void RecordDone()
    {
        if ((++m_recordsSincePump & 63) == 0 || m_pumpInterval.count() == 0)
            PumpIfDue();
    }

    IHost* Host() const { return m_host; }
    CSearchPattern& Pattern() { return m_pattern; }

private:
    void PumpIfDue();
    bool Overflowed(int index, const char* overflowMessage);
    // Shows the host the lines changed since it last saw them.
    void ShowChangedResults();

    IHost* m_host;
    CSearchPattern m_pattern;
    std::vector<std::string> m_results;
    std::vector<int> m_changedResults; // lines the host has not yet seen as they are
    std::string m_filterWord;          // ASCII lower case; empty: every line passes
    ::SearchType m_searchType = kSearchExact;
    bool m_searching = false;
    bool m_cancelled = false;
    std::uint32_t m_recordsSincePump = 0;
    std::chrono::microseconds m_pumpInterval{15000};
    std::chrono::steady_clock::time_point m_lastPump;
};
