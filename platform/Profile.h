#pragma once
// The user's persistent profile: integers and strings by section and value name.
// A missing value, or one of the other type, reads as the default given. Strings are
// UTF-8: the profile holds paths and font face names, never list text.

#include <map>
#include <string>
#include <utility>
#include <variant>

namespace platform {

class IProfile {
public:
    virtual ~IProfile() = default;
    virtual int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& entry,
                                         const std::string& defaultValue) = 0;
    virtual bool WriteProfileInt(const std::string& section, const std::string& entry, int value) = 0;
    virtual bool WriteProfileString(const std::string& section, const std::string& entry,
                                    const std::string& value) = 0;
};

// In-memory profile for tests; records every write so tests can check what was saved.
class MemoryProfile : public IProfile {
public:
    using Value = std::variant<int, std::string>;
    using Key = std::pair<std::string, std::string>;

    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue) override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;

    const std::map<Key, Value>& Values() const { return m_values; }
    bool Contains(const std::string& section, const std::string& entry) const;
    int WriteCount() const { return m_writes; }
    void Clear() { m_values.clear(); }

private:
    std::map<Key, Value> m_values;
    int m_writes = 0;
};

} // namespace platform
