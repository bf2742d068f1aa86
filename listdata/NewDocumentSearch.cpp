#include "listdata/NewDocumentSearch.h"

#include "listdata/ListFile.h"

CNewDocumentSearch::CNewDocumentSearch(IHost* host) : m_host(host) {}

CNewDocumentSearch::~CNewDocumentSearch() = default;

void CNewDocumentSearch::SetSearchType(int searchType)
{
    // A type from an old profile or an unset radio group must not reach the pattern.
    m_searchType = searchType >= 0 && searchType <= 3 ? static_cast<::SearchType>(searchType) : kSearchExact;
}

void CNewDocumentSearch::Cancel()
{
    m_searching = false;
    m_cancelled = true;
}

void CNewDocumentSearch::ClearResults()
{
    m_results.clear();
    if (m_host)
        m_host->ResultsCleared();
}

int CNewDocumentSearch::MainLineOf(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_results.size()))
        return -1;
    while (index > 0 && !m_results[index].empty() && m_results[index][0] == ' ')
        --index;
    return index;
}

std::string CNewDocumentSearch::HeadingOf(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_results.size()))
        return {};
    const std::string& line = m_results[index];
    if (!line.empty() && line[0] == ' ')
        return line.size() > kAkaPrefixLength ? line.substr(kAkaPrefixLength) : std::string();
    return line;
}

void CNewDocumentSearch::BeginRun()
{
    m_searching = true;
    m_cancelled = false;
    m_recordsSincePump = 0;
    m_lastPump = std::chrono::steady_clock::now();
}

void CNewDocumentSearch::EndRun() { m_searching = false; }

bool CNewDocumentSearch::Overflowed(int index, const char* overflowMessage)
{
    if (index != kOverflowIndex)
        return false;
    if (m_host)
        m_host->ShowOverflow(overflowMessage);
    return true;
}

bool CNewDocumentSearch::AppendResult(const std::string& line, const char* overflowMessage)
{
    m_results.push_back(line);
    const int index = static_cast<int>(m_results.size()) - 1;
    if (m_host)
        m_host->ResultInserted(index, line);
    return Overflowed(index, overflowMessage);
}

bool CNewDocumentSearch::ReplaceResult(int index, const std::string& line, const char* overflowMessage)
{
    m_results[index] = line;
    if (m_host) {
        m_host->ResultDeleted(index);
        m_host->ResultInserted(index, line);
    }
    return Overflowed(index, overflowMessage);
}

bool CNewDocumentSearch::OpenList(CListFile& file, int listIndex, const CAppSettings& settings,
                                  const char* listName)
{
    if (!OpenListFile(file, listIndex, settings)) {
        ReportReadError(listName);
        return false;
    }
    bool started = false;
    try {
        started = file.FindStart();
    } catch (const platform::FileException&) {
        file.Close();
        ReportReadError(listName);
        return false;
    }
    if (!started) {
        file.Close();
        if (m_host)
            m_host->ShowError(std::string("Error in Listfile '") + listName + "':\nCouldn't find begining of file.");
        return false;
    }
    return true;
}

bool CNewDocumentSearch::OpenListFile(CListFile& file, int listIndex, const CAppSettings& settings)
{
    return file.Open(listIndex, settings);
}

void CNewDocumentSearch::ReportReadError(const char* listName)
{
    if (m_host)
        m_host->ShowError(std::string("Error in Listfile '") + listName + "':\nCouldn't open file.");
}

void CNewDocumentSearch::PumpIfDue()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastPump < m_pumpInterval)
        return;
    if (m_host)
        m_host->PumpMessages();
    m_lastPump = std::chrono::steady_clock::now();
}
