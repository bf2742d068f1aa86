#include "platform/qt/QtProfile.h"

#include "platform/qt/QtText.h"

namespace platform {

namespace {
QString KeyOf(const std::string& section, const std::string& entry)
{
    // QSettings treats '/' as a group separator, which is what "Settings/<list>" wants;
    // value names such as "Use Movie/TV" hold a '/' of their own, so it is escaped.
    QString name = ToQString(entry);
    name.replace(QLatin1Char('/'), QStringLiteral("%2F"));
    return ToQString(section) + QLatin1Char('/') + name;
}
} // namespace

QtProfile::QtProfile() : m_settings(std::make_unique<QSettings>("Tolvik-Software", "Reelvoyager")) {}

QtProfile::QtProfile(const QString& fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{
}

QtProfile::~QtProfile() = default;

int QtProfile::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue)
{
    const QVariant value = m_settings->value(KeyOf(section, entry));
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : defaultValue;
}

std::string QtProfile::GetProfileString(const std::string& section, const std::string& entry,
                                        const std::string& defaultValue)
{
    const QVariant value = m_settings->value(KeyOf(section, entry));
    if (!value.isValid())
        return defaultValue;
    return PathFromQString(value.toString());
}

bool QtProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value)
{
    m_settings->setValue(KeyOf(section, entry), value);
    return m_settings->status() == QSettings::NoError;
}

bool QtProfile::WriteProfileString(const std::string& section, const std::string& entry, const std::string& value)
{
    m_settings->setValue(KeyOf(section, entry), PathToQString(value));
    return m_settings->status() == QSettings::NoError;
}

} // namespace platform
