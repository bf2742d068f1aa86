#pragma once
// Windows-1252 core text to and from QString.

#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString ToQString(std::string_view cp1252);
std::string FromQString(const QString& text);
// File paths, and the document titles made from them, are UTF-8 as the OS takes them.
QString PathToQString(std::string_view utf8Path);

} // namespace platform
