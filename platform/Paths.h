#pragma once
// Path helpers. Stored directories end with "/"; a list file is the lists directory
// immediately followed by its file name.

#include <string>

namespace platform {

constexpr char kPathSeparator = '/';

// `directory` with a "/" appended unless it already ends with one (an empty text stays empty).
std::string WithTrailingSeparator(const std::string& directory);

// The path to open for `path`: `path` itself when it exists; otherwise a name in the same
// directory that equals its last component ignoring ASCII case (list files copied from
// another system may differ in case); otherwise `path` unchanged.
std::string ResolveCaseInsensitive(const std::string& path);

bool FileExists(const std::string& path);

// True when `a` and `b` both exist and are one file (another spelling of its path or a
// link to it counts as the same file).
bool IsSameFile(const std::string& a, const std::string& b);

// The file that a save to `path` writes: the end of its chain of symbolic links (a link
// to a link that does not exist yet ends at that name), so that the links stay links;
// `path` itself when it is no link.
std::string SaveTarget(const std::string& path);

// True when `path` is an existing file that may not be written: none of its write
// permission bits is set (as a read-only attribute), or this process may not write it.
bool IsReadOnlyFile(const std::string& path);

// Directory of the running program, with a trailing "/".
std::string ProgramDirectory();

} // namespace platform
