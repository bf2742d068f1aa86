#pragma once
// What the four Specials dialogs share: a sortable report list over most of the dialog,
// OK in its corner, a right-click menu with one command that ends the dialog with a cell
// of the chosen row (for a new document and its Get Information), and the error box of
// a list that cannot be read.

#include <QDialog>
#include <memory>
#include <span>
#include <string>

class CAppSettings;
class CCmdUI;
namespace platform {
class CSortListCtrl;
class DialogTemplate;
} // namespace platform

class CSpecialsDlg : public QDialog {
    Q_OBJECT
public:
    // A dialog's template: its ids, caption and columns, and its popup's command.
    struct Column {
        const char* heading;
        int width; // pixels
        bool numeric;
        bool ascending;
    };
    struct Template {
        int templateId;
        const char* caption;
        int listId;
        std::span<const Column> columns;
        // The popup's one command and its text; the column `choice` is taken from.
        int command;
        const char* commandText;
        int choiceColumn;
    };

    ~CSpecialsDlg() override;

    // Set when the dialog ends by the menu's command; `choice` is then the chosen row's
    // title (Top 250, Bottom 10) or list name (Birthdays, Deaths).
    int getInformation = 0;
    std::string choice;
    platform::CSortListCtrl* list;

    // The menu's command: the chosen cell of the current row, and the dialog ends with OK.
    void OnGetInformation();
    bool OnUpdateGetInformation(CCmdUI& cmdUI) const;

protected:
    // Makes the list with its columns; the subclass places its own controls with Place
    // and ends its constructor with FinishLayout.
    CSpecialsDlg(const Template& layout, QWidget* parent);

    // Places a control of the subclass in dialog units (see DialogTemplate).
    void Place(QWidget* control, int x, int y, int width, int height, bool fitText = false);
    // Adds OK (the default button) after the subclass's controls and sizes the dialog.
    void FinishLayout();

    // The box telling that a list cannot be read (caption "Error!", stop icon).
    void ShowError(const std::string& text);

private:
    void OnContextMenu(const QPoint& position);

    const int m_command;
    const char* const m_commandText;
    const int m_choiceColumn;
    std::unique_ptr<platform::DialogTemplate> m_layout;
};

// One of the four dialogs: `Dialog` (CRankedTitlesDlg, CDateSearchDlg) made for `Kind`,
// so that each has a type and constructor of its own.
template <class Dialog, auto Kind> class CSpecial : public Dialog {
public:
    explicit CSpecial(const CAppSettings& settings, QWidget* parent = nullptr) : Dialog(Kind, settings, parent) {}
};
