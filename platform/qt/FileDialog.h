#pragma once
// File dialogs taking the framework's filter form ("Name|*.a;*.b|Other|*.*||"). Tests
// queue the next chosen file names; an empty queued name stands for Cancel.

#include <QString>

class QWidget;

namespace platform {

class FileDialog {
public:
    // The chosen path, or an empty text on Cancel.
    static QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                   const QString& filter);
    static QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                                   const QString& filter);
    // An existing file, the dialog starting in `directory` with `selectedFile` chosen; a
    // name typed without a suffix gets `defaultSuffix`.
    static QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                   const QString& filter, const QString& selectedFile, const QString& defaultSuffix);
    // An existing folder (the chosen path, without a trailing separator), or an empty text.
    static QString GetExistingDirectory(QWidget* parent, const QString& caption, const QString& directory);
    // Any file name, existing or not, in a folder that exists: for a file that is written
    // or appended to later, so an existing file brings no overwrite question. The dialog
    // starts in `proposedPath`'s folder with its name filled in.
    static QString GetAnyFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                                  const QString& filter);

    // "Name|*.a;*.b|..." to Qt's "Name (*.a *.b) (*.a *.b);;...", whose last parentheses
    // the dialogs hide: the list shows "Name" with its patterns once, and a name that
    // already ends in parentheses ("Files (*.a, *.b)") as it is. The pattern "*.*"
    // becomes "*", which takes names without a dot too.
    static QString ToQtFilter(const QString& filter);

    // Test hooks: every dialog above takes the next queued name instead of showing itself.
    static void SetNextFileName(const QString& path);
    static int PendingFileNames();
    static void ClearFileNames();
};

} // namespace platform
