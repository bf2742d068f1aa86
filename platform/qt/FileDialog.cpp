#include "platform/qt/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
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

// Every file dialog hides the patterns that ToQtFilter adds for Qt.
constexpr QFileDialog::Options kFilterOptions = QFileDialog::HideNameFilterDetails;

} // namespace

QString FileDialog::ToQtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'));
        // "*.*" means every file there; here it would miss the names without a dot.
        for (QString& pattern : patterns)
            if (pattern == QStringLiteral("*.*"))
                pattern = QStringLiteral("*");
        // Qt takes the patterns from the last parentheses, and the dialogs hide those
        // (kFilterOptions), so the list shows the name as given: a name that already
        // names its patterns shows them once. A name without any gets them shown.
        const QString qtPatterns = QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
        const QString shown = parts[i].trimmed().endsWith(QLatin1Char(')')) ? parts[i] : parts[i] + qtPatterns;
        filters.append(shown + qtPatterns);
    }
    return filters.join(QStringLiteral(";;"));
}

QString FileDialog::GetOpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                    const QString& filter)
{
    QString path;
    if (TakeNext(&path))
        return path;
    return QFileDialog::getOpenFileName(parent, caption, directory, ToQtFilter(filter), nullptr, kFilterOptions);
}

QString FileDialog::GetOpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                    const QString& filter, const QString& selectedFile, const QString& defaultSuffix)
{
    QString path;
    if (TakeNext(&path))
        return path;
    QFileDialog dialog(parent, caption, directory, ToQtFilter(filter));
    dialog.setOptions(kFilterOptions);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!selectedFile.isEmpty())
        dialog.selectFile(selectedFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString FileDialog::GetSaveFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                                    const QString& filter)
{
    QString path;
    if (TakeNext(&path))
        return path;
    return QFileDialog::getSaveFileName(parent, caption, proposedPath, ToQtFilter(filter), nullptr, kFilterOptions);
}

QString FileDialog::GetExistingDirectory(QWidget* parent, const QString& caption, const QString& directory)
{
    QString path;
    if (TakeNext(&path))
        return path;
    return QFileDialog::getExistingDirectory(parent, caption, directory, QFileDialog::ShowDirsOnly);
}

QString FileDialog::GetAnyFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                                   const QString& filter)
{
    QString path;
    if (TakeNext(&path))
        return path;
    const QFileInfo proposed(proposedPath);
    QFileDialog dialog(parent, caption, proposed.absolutePath(), ToQtFilter(filter));
    dialog.setOptions(kFilterOptions | QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!proposedPath.isEmpty())
        dialog.selectFile(proposed.fileName());
    // A name typed into a folder that does not exist is refused, and the dialog comes back.
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        path = dialog.selectedFiles().constFirst();
        const QDir folder = QFileInfo(path).absoluteDir();
        if (folder.exists() && !QFileInfo(path).isDir())
            return path;
        QMessageBox::warning(&dialog, caption, QStringLiteral("The folder of\n%1\ndoes not exist.").arg(path));
    }
    return QString();
}

void FileDialog::SetNextFileName(const QString& path)
{
    NextFileNames().push_back(path);
}
int FileDialog::PendingFileNames()
{
    return static_cast<int>(NextFileNames().size());
}
void FileDialog::ClearFileNames()
{
    NextFileNames().clear();
}

} // namespace platform
