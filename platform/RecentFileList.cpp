#include "platform/RecentFileList.h"

#include "platform/Profile.h"

#include <algorithm>

namespace platform {

namespace {
const char kSection[] = "Recent File List";
std::string EntryName(int index)
{
    return "File" + std::to_string(index + 1);
}
} // namespace

CRecentFileList::CRecentFileList(int size) : m_size(size > 0 ? size : 1)
{
}

void CRecentFileList::Add(const std::string& path)
{
    if (path.empty())
        return;
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
    m_paths.insert(m_paths.begin(), path);
    if (static_cast<int>(m_paths.size()) > m_size)
        m_paths.resize(static_cast<std::size_t>(m_size));
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < GetCount())
        m_paths.erase(m_paths.begin() + index);
}

std::string CRecentFileList::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? m_paths[static_cast<std::size_t>(index)] : std::string();
}

void CRecentFileList::ReadList(IProfile& profile)
{
    m_paths.clear();
    for (int i = 0; i < m_size; ++i) {
        const std::string path = profile.GetProfileString(kSection, EntryName(i), "");
        if (!path.empty() && std::find(m_paths.begin(), m_paths.end(), path) == m_paths.end())
            m_paths.push_back(path);
    }
}

void CRecentFileList::WriteList(IProfile& profile) const
{
    for (int i = 0; i < m_size; ++i)
        profile.WriteProfileString(kSection, EntryName(i), GetAt(i));
}

} // namespace platform
