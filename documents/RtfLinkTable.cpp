#include "documents/RtfLinkTable.h"

#include <stdexcept>

void CRtfLinkTable::Add(RtfLinkKind kind, std::int32_t start, std::int32_t end, std::string_view display,
                        std::string_view target, std::string_view alt)
{
    m_links.push_back(RtfLink{start, end, kind, std::string(display), std::string(target), std::string(alt)});
}

void CRtfLinkTable::RemoveAll()
{
    m_links.clear();
}

RtfLink CRtfLinkTable::GetAt(int index) const
{
    if (index < 0 || index >= GetCount())
        throw std::out_of_range("link index " + std::to_string(index) + " outside the link table");
    return m_links[static_cast<std::size_t>(index)];
}
