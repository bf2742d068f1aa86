#include "listdata/NameSearch.h"

#include "listdata/ListFile.h"
#include "listdata/ListLine.h"

namespace {

const char* TextOf(const CListLine& line)
{
    return line.GetText() ? line.GetText() : "";
}

} // namespace

const CNameSearch::PersonList CNameSearch::PersonLists[kPersonListCount] = {
    {kActors, "Actor"},
    {kActresses, "Actress"},
    {kDirectors, "Director"},
    {kProducers, "Producer"},
    {kWriters, "Writer"},
    {kComposers, "Composer"},
    {kEditors, "Editor"},
    {kProductionDesigners, "Production Designer"},
    {kCinematographers, "Cinematographer"},
    {kCostumeDesigners, "Costume Designer"},
    {kMiscellaneous, "Miscellaneous Crew"},
};

CNameSearch::CNameSearch(IHost* host) : CNewDocumentSearch(host)
{
}

bool CNameSearch::Run(const CAppSettings& settings, const std::string& text, bool alsoAka, const ListSelection& lists)
{
    Pattern().SetNamePattern(text.c_str());
    PrepareLineFilter();
    ClearResults();
    m_listSelected[0] = lists.actors;
    m_listSelected[1] = lists.actresses;
    m_listSelected[2] = lists.directors;
    for (int entry = 3; entry < kPersonListCount; ++entry)
        m_listSelected[entry] = lists.otherCrew;
    BeginRun();
    bool stopped = false;
    for (int entry = 0; entry < kPersonListCount && !stopped && !Cancelled(); ++entry) {
        if (!m_listSelected[entry])
            continue;
        if (Host())
            Host()->SearchStatus(std::string("Searching - ") + ListCatalog[PersonLists[entry].listIndex].name,
                                 "Please Wait...");
        stopped = SearchList(settings, entry);
    }
    if (alsoAka && !stopped && !Cancelled()) {
        if (Host())
            Host()->SearchStatus("Searching - Aka Names", "Please Wait...");
        stopped = SearchAkaNames(settings);
    }
    EndRun();
    return stopped;
}

bool CNameSearch::SearchList(const CAppSettings& settings, int entry)
{
    if (entry < 0 || entry >= kPersonListCount)
        return false;
    const char* listName = ListCatalog[PersonLists[entry].listIndex].name;
    CListFile file;
    if (!OpenList(file, PersonLists[entry].listIndex, settings, listName))
        return true;
    const ::SearchType mode = GetSearchType();
    CListLine name;
    return ReadList(listName, [&] {
        while (Searching() && file.NextRecord()) {
            if (!MayMatch(file.GetLine(), file.GetLineLength())) {
                RecordDone();
                continue;
            }
            int position = 0;
            name.NextTabField(position, file.GetLine());
            if (Pattern().Match(mode, TextOf(name)) && AddResult(TextOf(name), entry))
                return true;
            RecordDone();
        }
        return false;
    });
}

bool CNameSearch::SearchAkaNames(const CAppSettings& settings)
{
    CListFile file;
    if (!OpenList(file, kAkaNames, settings, "Aka-Names"))
        return true;
    const ::SearchType mode = GetSearchType();
    CListLine mainName;
    CListLine aka;
    return ReadList("Aka-Names", [&] {
        while (Searching() && file.NextRecord()) {
            mainName.SetTrimRight(file.GetLine());
            bool shown = false;
            // One aka line a line: a piece that continues one is none.
            while (file.NextLineStart()) {
                if (!MayMatch(file.GetLine(), file.GetLineLength()))
                    continue;
                aka.ParseAka(file.GetLine());
                if (!Pattern().Match(mode, TextOf(aka)))
                    continue;
                if (!shown) {
                    if (AddResult(TextOf(mainName), -1))
                        return true;
                    shown = true;
                }
                if (AddResult(std::string(kAkaPrefix) + TextOf(aka), -1))
                    return true;
            }
            RecordDone();
        }
        return false;
    });
}

bool CNameSearch::AddResult(const std::string& text, int entry)
{
    if (entry < 0 || entry >= kPersonListCount)
        return AppendResult(text, kOverflowMessage);
    const std::string role = PersonLists[entry].roleName;
    const std::vector<std::string>& results = Results();
    int earlier = -1;
    for (int i = 0; i < static_cast<int>(results.size()); ++i) {
        const std::size_t separator = results[i].find(kRoleSeparator);
        if (separator != std::string::npos && separator == text.size() && results[i].compare(0, separator, text) == 0)
            earlier = i;
    }
    if (earlier >= 0)
        return AppendToResult(earlier, ", [" + role + "]", kOverflowMessage);
    return AppendResult(text + kRoleSeparator + "[" + role + "]", kOverflowMessage);
}

std::string CNameSearch::WithoutRoles(const std::string& line)
{
    const std::size_t separator = line.find(kRoleSeparator);
    return separator == std::string::npos ? line : line.substr(0, separator);
}
