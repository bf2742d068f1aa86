#include "documents/RtfLinkTable.h"

#include <algorithm>
#include <stdexcept>

void CRtfLinkTable::Add(RtfLinkKind kind, std::int32_t start, std::int32_t end, std::string_view display,
                        std::string_view target, std::string_view alt)
{
    if (!m_links.empty() && start < m_links.back().start)
        m_ordered = false;
    m_maxEnd.push_back(m_maxEnd.empty() ? end : std::max(m_maxEnd.back(), end));
    m_links.push_back(RtfLink{start, end, kind, std::string(display), std::string(target), std::string(alt)});
}

void CRtfLinkTable::RemoveAll()
{
    m_links.clear();
    m_maxEnd.clear();
    m_ordered = true;
}

int CRtfLinkTable::FindAt(std::int32_t position) const
{
    auto holds = [position](const RtfLink& link) { return link.start <= position && position < link.end; };
    if (!m_ordered) {
        for (std::size_t i = m_links.size(); i-- > 0;)
            if (holds(m_links[i]))
                return static_cast<int>(i);
        return -1;
    }
    // Links behind the first one starting after `position` cannot hold it; walking back
    // from there, no earlier link can once none up to here reaches past `position`.
    auto behind = std::upper_bound(m_links.begin(), m_links.end(), position,
                                   [](std::int32_t p, const RtfLink& link) { return p < link.start; });
    for (std::size_t i = static_cast<std::size_t>(behind - m_links.begin()); i-- > 0;) {
        if (m_maxEnd[i] <= position)
            break;
        if (holds(m_links[i]))
            return static_cast<int>(i);
    }
    return -1;
}

RtfLink CRtfLinkTable::GetAt(int index) const
{
    if (index < 0 || index >= GetCount())
        throw std::out_of_range("link index " + std::to_string(index) + " outside the link table");
    return m_links[static_cast<std::size_t>(index)];
}
