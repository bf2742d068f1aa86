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

// Directory of the running program, with a trailing "/".
std::string ProgramDirectory();

} // namespace platform
