#include "listdata/TitleSearch.h"

#include "listdata/ListFile.h"
#include "listdata/ListLine.h"

namespace {

const char* TextOf(const CListLine& line)
{
    return line.GetText() ? line.GetText() : "";
}

} // namespace

CTitleSearch::CTitleSearch(IHost* host) : CNewDocumentSearch(host)
{
}

bool CTitleSearch::Run(const CAppSettings& settings, const std::string& text, bool alsoAka)
{
    Pattern().SetTitlePattern(text.c_str());
    PrepareLineFilter();
    ClearResults();
    if (Host())
        Host()->SearchStatus("Searching - Movies", "Please Wait...");
    BeginRun();
    bool stopped = SearchMovies(settings);
    if (alsoAka && !stopped && !Cancelled()) {
        if (Host())
            Host()->SearchStatus("Searching - Aka Titles", "Please Wait...");
        stopped = SearchAkaTitles(settings);
    }
    EndRun();
    return stopped;
}

bool CTitleSearch::AddResult(const std::string& line)
{
    return AppendResult(line, kOverflowMessage);
}

bool CTitleSearch::SearchMovies(const CAppSettings& settings)
{
    CListFile file;
    if (!OpenList(file, kMovies, settings, "Movies"))
        return true;
    const ::SearchType mode = GetSearchType();
    CListLine field;
    CListLine bare;
    TitleFlags flags = 0;
    char year[kTitleYearSize] = {};
    return ReadList("Movies", [&] {
        while (Searching() && file.NextRecord()) {
            if (!MayMatch(file.GetLine(), file.GetLineLength())) {
                RecordDone();
                continue;
            }
            int position = 0;
            field.NextTabField(position, file.GetLine());
            bare.ParseTitle(TextOf(field), flags, year);
            // Lines without a year group are notes and headings between the titles.
            if (flags != kTitleNoYear && Pattern().MatchTitle(mode, TextOf(bare), static_cast<int>(flags), year) &&
                AddResult(TextOf(field)))
                return true;
            RecordDone();
        }
        return false;
    });
}

bool CTitleSearch::SearchAkaTitles(const CAppSettings& settings)
{
    CListFile file;
    if (!OpenList(file, kAkaTitles, settings, "Aka-Titles"))
        return true;
    const ::SearchType mode = GetSearchType();
    CListLine mainTitle;
    CListLine aka;
    CListLine bare;
    TitleFlags flags = 0;
    char year[kTitleYearSize] = {};
    return ReadList("Aka-Titles", [&] {
        while (Searching() && file.NextRecord()) {
            mainTitle.SetTrimRight(file.GetLine());
            bool shown = false;
            // One aka line a line: a piece that continues one is none.
            while (file.NextLineStart()) {
                if (!MayMatch(file.GetLine(), file.GetLineLength()))
                    continue;
                aka.ParseAka(file.GetLine());
                bare.ParseTitle(TextOf(aka), flags, year);
                if (flags == kTitleNoYear || !Pattern().MatchTitle(mode, TextOf(bare), static_cast<int>(flags), year))
                    continue;
                if (!shown) {
                    if (AddResult(TextOf(mainTitle)))
                        return true;
                    shown = true;
                }
                if (AddResult(std::string(kAkaPrefix) + TextOf(aka)))
                    return true;
            }
            RecordDone();
        }
        return false;
    });
}
