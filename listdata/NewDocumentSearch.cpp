#include "listdata/NewDocumentSearch.h"

#include "listdata/ListFile.h"
#include "listdata/ListOpen.h"

#include <algorithm>
#include <cstring>

namespace {

unsigned char LowerAscii(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
}
unsigned char UpperAscii(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c;
}

} // namespace

CNewDocumentSearch::CNewDocumentSearch(IHost* host) : m_host(host)
{
}

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
    m_changedResults.clear();
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

void CNewDocumentSearch::EndRun()
{
    ShowChangedResults();
    m_searching = false;
}

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

bool CNewDocumentSearch::AppendToResult(int index, const std::string& text, const char* overflowMessage)
{
    m_results[index] += text;
    if (std::find(m_changedResults.begin(), m_changedResults.end(), index) == m_changedResults.end())
        m_changedResults.push_back(index);
    // Outside a scan no pump follows: the host sees the line at once.
    if (index == kOverflowIndex || !m_searching)
        ShowChangedResults();
    return Overflowed(index, overflowMessage);
}

void CNewDocumentSearch::ShowChangedResults()
{
    if (m_host) {
        for (int index : m_changedResults) {
            m_host->ResultDeleted(index);
            m_host->ResultInserted(index, m_results[index]);
        }
    }
    m_changedResults.clear();
}

bool CNewDocumentSearch::OpenList(CListFile& file, int listIndex, const CAppSettings& settings, const char* listName)
{
    switch (OpenAtStart(file, [&](CListFile& opening) { return OpenListFile(opening, listIndex, settings); })) {
    case ListReadStatus::Ok:
        return true;
    case ListReadStatus::NoBeginning:
        if (m_host)
            m_host->ShowError(std::string("Error in Listfile '") + listName + "':\nCouldn't find begining of file.");
        return false;
    case ListReadStatus::CannotOpen:
    case ListReadStatus::ReadError:
        break;
    }
    ReportReadError(listName);
    return false;
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
    ShowChangedResults();
    if (m_host)
        m_host->PumpMessages();
    m_lastPump = std::chrono::steady_clock::now();
}

void CNewDocumentSearch::PrepareLineFilter()
{
    m_filterWord.clear();
    for (int i = 0; i < m_pattern.GetWordCount(); ++i) {
        const CSearchPattern::Word& word = m_pattern.GetWord(i);
        // A word longer than a candidate word can be never matches; it is no filter.
        if (word.Length > static_cast<int>(m_filterWord.size()) && word.Length <= CSearchPattern::kMaxCandidateWord)
            m_filterWord.assign(word.Text, static_cast<std::size_t>(word.Length));
    }
    for (char& c : m_filterWord)
        c = static_cast<char>(LowerAscii(static_cast<unsigned char>(c)));
}

bool CNewDocumentSearch::MayMatch(const char* line, int length) const
{
    const std::size_t n = m_filterWord.size();
    if (n == 0)
        return true;
    if (length < 0 || static_cast<std::size_t>(length) < n)
        return false;
    const unsigned char lower = static_cast<unsigned char>(m_filterWord[0]);
    const unsigned char upper = UpperAscii(lower);
    const char* const last = line + (length - n); // the last place the word can start
    for (const char* p = line; p <= last;) {
        const std::size_t left = static_cast<std::size_t>(last - p) + 1;
        const char* a = static_cast<const char*>(std::memchr(p, lower, left));
        if (upper != lower) {
            const char* b = static_cast<const char*>(std::memchr(p, upper, a ? static_cast<std::size_t>(a - p) : left));
            if (b)
                a = b;
        }
        if (!a)
            return false;
        std::size_t i = 1;
        while (i < n && LowerAscii(static_cast<unsigned char>(a[i])) == static_cast<unsigned char>(m_filterWord[i]))
            ++i;
        if (i == n)
            return true;
        p = a + 1;
    }
    return false;
}
