#pragma once
// Windows-1252 core text to and from QString.

#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString ToQString(std::string_view cp1252);
std::string FromQString(const QString& text);

} // namespace platform
