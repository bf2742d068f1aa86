#include "platform/Paths.h"

#include <dirent.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace platform {

std::string WithTrailingSeparator(const std::string& directory)
{
    if (directory.empty() || directory.back() == kPathSeparator)
        return directory;
    return directory + kPathSeparator;
}

bool FileExists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    struct stat first;
    struct stat second;
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

namespace {
bool EqualsIgnoringAsciiCase(const char* a, const std::string& b)
{
    std::size_t i = 0;
    for (; a[i] != '\0' && i < b.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y + 32);
        if (x != y)
            return false;
    }
    return a[i] == '\0' && i == b.size();
}

struct DirCloser {
    void operator()(DIR* d) const { ::closedir(d); }
};
} // namespace

std::string ResolveCaseInsensitive(const std::string& path)
{
    if (FileExists(path))
        return path;
    const std::size_t slash = path.rfind(kPathSeparator);
    const std::string directory = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty())
        return path;
    std::unique_ptr<DIR, DirCloser> dir(::opendir(directory.c_str()));
    if (!dir)
        return path;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (EqualsIgnoringAsciiCase(entry->d_name, name))
            return slash == std::string::npos ? std::string(entry->d_name) : directory + entry->d_name;
    }
    return path;
}

std::string SaveTarget(const std::string& path)
{
    std::string target = path;
    // A bounded walk: a loop of links ends where the system would give up as well.
    for (int hop = 0; hop < 40; ++hop) {
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(target.c_str(), buffer, sizeof buffer - 1);
        if (n <= 0)
            break;
        std::string link(buffer, static_cast<std::size_t>(n));
        const std::size_t slash = target.rfind(kPathSeparator);
        // A relative link is relative to the folder that holds it.
        if (link.front() != kPathSeparator && slash != std::string::npos)
            link = target.substr(0, slash + 1) + link;
        target = link;
    }
    return target;
}

bool IsReadOnlyFile(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

std::string ProgramDirectory()
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return "/";
    std::string path(buffer, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind(kPathSeparator);
    return slash == std::string::npos ? std::string("/") : path.substr(0, slash + 1);
}

} // namespace platform
