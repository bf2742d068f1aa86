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

    // "Name|*.a;*.b|..." to Qt's "Name (*.a *.b);;...".
    static QString ToQtFilter(const QString& filter);

    // Test hooks.
    static void SetNextFileName(const QString& path);
    static int PendingFileNames();
};

} // namespace platform
