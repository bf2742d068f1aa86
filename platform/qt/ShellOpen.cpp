#include "platform/qt/ShellOpen.h"

#include "platform/qt/QtText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <deque>

namespace platform {

namespace {

std::deque<int>& NextResults()
{
    static std::deque<int> results;
    return results;
}

QStringList& OpenedTargets()
{
    static QStringList targets;
    return targets;
}

int g_beeps = 0;

// The address that OpenWebAddress opens for `target`; empty when it opens nothing.
QString WebAddress(const std::string& target)
{
    QString text = ToQString(target).trimmed();
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        text.prepend(QLatin1String("http://"));
    // Tolerant: the provider's addresses hold blanks turned '+', quotes, braces and
    // accented letters as they are, which the opener encodes.
    const QUrl url(text, QUrl::TolerantMode);
    const bool web = url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    return url.isValid() && web && !url.host().isEmpty() ? text : QString();
}

} // namespace

int ShellOpen::Open(const std::string& target)
{
    const QString text = ToQString(target);
    OpenedTargets().append(text);
    if (!NextResults().empty()) {
        const int result = NextResults().front();
        NextResults().pop_front();
        return result;
    }
    // A bare path is a file; anything with a scheme ("https:", "mailto:") is a URL.
    const QUrl url = QUrl::fromUserInput(text);
    return url.isValid() && QDesktopServices::openUrl(url) ? kSuccess : kNoAssociation;
}

int ShellOpen::OpenWebAddress(const std::string& target)
{
    const QString address = WebAddress(target);
    return address.isEmpty() ? kNotWebAddress : Open(FromQString(address));
}

void ShellOpen::SetNextResult(int result)
{
    NextResults().push_back(result);
}
int ShellOpen::PendingResults()
{
    return static_cast<int>(NextResults().size());
}
void ShellOpen::ClearResults()
{
    NextResults().clear();
}
const QStringList& ShellOpen::Opened()
{
    return OpenedTargets();
}
void ShellOpen::ClearOpened()
{
    OpenedTargets().clear();
}

void MessageBeep(unsigned)
{
    ++g_beeps;
    QApplication::beep();
}

int BeepCount()
{
    return g_beeps;
}

} // namespace platform
