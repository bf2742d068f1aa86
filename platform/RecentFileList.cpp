#include "platform/RecentFileList.h"

#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <algorithm>

namespace platform {

namespace {
const char kSection[] = "Recent File List";
std::string EntryName(int index)
{
    return "File" + std::to_string(index + 1);
}

// Profiles written before strings were kept as UTF-8 took each byte of a path as one
// Windows-1252 character, so the two bytes of an accented letter came back as two
// letters. Such an entry is taken back to the bytes it was written from: its characters
// all map to bytes, the bytes are UTF-8 with something beyond ASCII, and no file bears
// the name as it reads now.
std::string PathOfEntry(const std::string& stored)
{
    const std::string bytes = Utf8ToCp1252(stored);
    if (bytes == stored || Cp1252ToUtf8(bytes) != stored || !IsUtf8(bytes) || FileExists(stored))
        return stored;
    return bytes;
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
        const std::string path = PathOfEntry(profile.GetProfileString(kSection, EntryName(i), ""));
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
