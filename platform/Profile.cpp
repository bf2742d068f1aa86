#include "platform/Profile.h"

namespace platform {

int MemoryProfile::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue)
{
    const auto it = m_values.find({section, entry});
    if (it == m_values.end())
        return defaultValue;
    if (const int* value = std::get_if<int>(&it->second))
        return *value;
    return defaultValue;
}

std::string MemoryProfile::GetProfileString(const std::string& section, const std::string& entry,
                                            const std::string& defaultValue)
{
    const auto it = m_values.find({section, entry});
    if (it == m_values.end())
        return defaultValue;
    if (const std::string* value = std::get_if<std::string>(&it->second))
        return *value;
    return defaultValue;
}

bool MemoryProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value)
{
    m_values[{section, entry}] = value;
    ++m_writes;
    return true;
}

bool MemoryProfile::WriteProfileString(const std::string& section, const std::string& entry, const std::string& value)
{
    m_values[{section, entry}] = value;
    ++m_writes;
    return true;
}

bool MemoryProfile::Contains(const std::string& section, const std::string& entry) const
{
    return m_values.count({section, entry}) != 0;
}

} // namespace platform
