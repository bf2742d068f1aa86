#pragma once
// Windows-1252 core text to and from QString.

#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString ToQString(std::string_view cp1252);
std::string FromQString(const QString& text);
// File paths, the document titles made from them and font face names are UTF-8, as the
// file system and the font database take them; they never pass the Windows-1252 table.
QString PathToQString(std::string_view utf8Path);
std::string PathFromQString(const QString& path);

} // namespace platform
