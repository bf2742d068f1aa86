#pragma once
// The recent-file list under File: newest first, each path once, a fixed number of
// entries; kept in the profile section "Recent File List" as "File1", "File2", ...

#include <string>
#include <vector>

namespace platform {

class IProfile;

class CRecentFileList {
public:
    explicit CRecentFileList(int size = 4);

    // Puts `path` first, dropping an equal entry (exact comparison: file names are case
    // sensitive here) and the oldest beyond the size.
    void Add(const std::string& path);
    void Remove(int index);
    int GetSize() const { return m_size; }
    int GetCount() const { return static_cast<int>(m_paths.size()); }
    // Empty for an index out of range.
    std::string GetAt(int index) const;

    void ReadList(IProfile& profile);
    void WriteList(IProfile& profile) const;

private:
    int m_size;
    std::vector<std::string> m_paths;
};

} // namespace platform
