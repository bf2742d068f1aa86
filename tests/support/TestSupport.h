#pragma once
// Helpers shared by the tests.

#include <string>

namespace testsupport {

// A fresh directory under the system's temporary folder, removed with everything in it
// when the object goes. Path() ends with "/".
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    // Path() + name
    std::string File(const std::string& name) const { return m_path + name; }

private:
    std::string m_path;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

} // namespace testsupport
