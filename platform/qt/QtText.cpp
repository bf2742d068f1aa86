#include "platform/qt/QtText.h"

#include "platform/CodePage.h"

namespace platform {

QString ToQString(std::string_view cp1252)
{
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (const char c : cp1252)
        out.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(c)))));
    return out;
}

std::string FromQString(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        out += static_cast<char>(UnicodeToCp1252(c.unicode()));
    return out;
}

QString PathToQString(std::string_view utf8Path)
{
    return QString::fromUtf8(utf8Path.data(), static_cast<qsizetype>(utf8Path.size()));
}

std::string PathFromQString(const QString& path)
{
    return path.toStdString();
}

} // namespace platform
