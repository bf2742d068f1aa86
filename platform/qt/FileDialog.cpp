#include "platform/qt/FileDialog.h"

#include <QFileDialog>
#include <QStringList>
#include <deque>

namespace platform {

namespace {

std::deque<QString>& NextFileNames()
{
    static std::deque<QString> names;
    return names;
}

bool TakeNext(QString* path)
{
    if (NextFileNames().empty())
        return false;
    *path = NextFileNames().front();
    NextFileNames().pop_front();
    return true;
}

} // namespace

QString FileDialog::ToQtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // The display name often repeats the patterns; Qt reads the last parentheses.
        filters.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

QString FileDialog::GetOpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                    const QString& filter)
{
    QString path;
    if (TakeNext(&path))
        return path;
    return QFileDialog::getOpenFileName(parent, caption, directory, ToQtFilter(filter));
}

QString FileDialog::GetSaveFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                                    const QString& filter)
{
    QString path;
    if (TakeNext(&path))
        return path;
    return QFileDialog::getSaveFileName(parent, caption, proposedPath, ToQtFilter(filter));
}

void FileDialog::SetNextFileName(const QString& path)
{
    NextFileNames().push_back(path);
}
int FileDialog::PendingFileNames()
{
    return static_cast<int>(NextFileNames().size());
}

} // namespace platform
