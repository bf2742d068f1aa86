#pragma once
// Path/Filenames: the folder of the list files, each list's file name and the default
// open/save directory. The caller fills the members, runs the dialog and takes them back
// on OK; the dialog never touches the settings itself. Paths and names are UTF-8, as the
// settings hold them.

#include "listdata/ListCatalog.h"

#include <QDialog>
#include <string>

class QLineEdit;
class QListWidget;

class CPathFilenamesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPathFilenamesDlg(QWidget* parent = nullptr);

    // The row selected in the list ("Vald Lista").
    int SelectedList = 0;
    std::string FileNames[kListCount];
    // The file name of the selected list, as its field shows it.
    std::string FileName;
    std::string ListsPath;
    std::string DefaultDirectory;

    // Members to the three fields (false) or the fields to members (true).
    void UpdateData(bool saveAndValidate);
    // `path` ending in "/": an empty text becomes "/".
    static std::string WithSeparator(std::string path);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void accept() override;

private:
    void OnInitDialog();
    void OnSelectList(int row);
    void OnBrowseFolder(std::string& path, const char* title);
    void OnBrowseFile();
    void OnRestore();

    QListWidget* m_lists;
    QLineEdit* m_fileName;
    QLineEdit* m_listsPath;
    QLineEdit* m_defaultDirectory;
    bool m_initialised = false;
};
