#pragma once
// The dialog behind every entry of the Browsers menu: the titles of one list in file
// order, narrowed by a first letter or by a search text, and the selected title's entry
// from the list file. A browser reads its list only through its LoadTitles and ShowEntry.
// Modal; the caller sets LetterFilter before exec() and reads the results after it.

#include "shell/core/TitleArena.h"

#include <QDialog>
#include <QFont>
#include <string>

class CAppSettings;
class CTitleListView;
class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class CBrowserDlg : public QDialog {
    Q_OBJECT
public:
    ~CBrowserDlg() override;

    // True when the dialog ended through "Get Movie/TV Information".
    bool GetInfoRequested = false;
    // 0: titles not beginning with 'A'-'Z' ("Other"); 1-26: those beginning with 'A'-'Z'.
    int LetterFilter = 0;
    // The title the user selected last; empty until the first selection.
    std::string SelectedTitle;
    std::string SearchText;
    // Every title of the list, in file order.
    shellcore::CTitleArena Titles;
    QFont EntryFont;

    CTitleListView* TitleList() const { return m_titleList; }

    // Lists the titles that pass the letter filter, in file order.
    void FillTitleList();
    // The filter test on a title's first character (signed 8-bit; NUL for an empty title).
    bool MatchesLetterFilter(char c) const;
    // A letter button (IDC_BROWSER_OTHER ... IDC_BROWSER_LETTER_Z).
    void OnLetter(int id);
    void UpdateGetInfoButton();
    void OnChangeSearchText();
    // Lists every title in which each word of the search text begins a word.
    void OnFindTitle();
    void OnGetInformation();

public slots:
    void accept() override;

protected:
    // `settings` (kept by reference) names the list files.
    CBrowserDlg(const CAppSettings& settings, QWidget* parent);

    const CAppSettings& Settings() const { return m_settings; }

    // Set up before the dialog first shows. A browser's own adds its caption, loads its
    // titles, fills the list and shows the (empty) selection's entry.
    virtual void OnInitDialog();
    // The user selected a title: SelectedTitle becomes its text. A browser's own then shows
    // the entry and updates the Get Information button.
    virtual void OnSelChangeTitle();
    // Fills Titles from the list file, with the Please Wait box over `owner` (none: the main
    // window); a failure is told in a message box.
    virtual void LoadTitles(QWidget* owner) = 0;
    // Shows SelectedTitle's entry in the entry box; nothing while it is empty.
    virtual void ShowEntry() = 0;

    // The entry box shows `entry` ("\r\n" line breaks, Windows-1252).
    void SetEntryText(const std::string& entry);

    void showEvent(QShowEvent* event) override;

private:
    // Copies the search text from its control.
    void UpdateData();

    const CAppSettings& m_settings;
    CTitleListView* m_titleList;
    QButtonGroup* m_letters;
    QLineEdit* m_searchEdit;
    QPushButton* m_searchButton;
    QPushButton* m_getInfoButton;
    QPushButton* m_okButton;
    QPlainTextEdit* m_entry;
    bool m_initialised = false;
};
