#pragma once
// The user's profile on QSettings: organisation "Tolvik-Software", application
// "Reelvoyager"; sections are QSettings groups ("Settings", "Settings/Actors").
// Strings are stored as Unicode and handed to the core as UTF-8: every string value is a
// path or a font face name, which must survive in any script.

#include "platform/Profile.h"

#include <QSettings>
#include <memory>

namespace platform {

class QtProfile : public IProfile {
public:
    // The user's profile in the native place.
    QtProfile();
    // A profile kept in the INI file `fileName` (tests).
    explicit QtProfile(const QString& fileName);
    ~QtProfile() override;

    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue) override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;

    QSettings& Settings() { return *m_settings; }

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace platform
