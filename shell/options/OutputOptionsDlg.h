#pragma once
// Output Options: how names and links are written in the documents, whether empty
// blocks show their headings and whether document windows open maximized. The caller
// fills the members, runs the dialog and takes them back on OK; the dialog never touches
// the settings itself.

#include "platform/LogFont.h"

#include <QDialog>

class CColorComboBox;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;

class COutputOptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit COutputOptionsDlg(QWidget* parent = nullptr);

    // 0 "First Last", 1 "Last, First"; a value of neither checks no button and comes back
    // unchanged.
    int NameOutput = -1;
    int RemoveNameNumber = 0;
    int UnderlineLinks = 0;
    int DisableLinkColor = 0;
    platform::ColorRef LinkColor = 0;
    int AlwaysShowHeaders = 0;
    int OpenMaximized = 0;
    int NoLinks = 0;

    // Members to controls (false) or controls to members (true).
    void UpdateData(bool saveAndValidate);

protected:
    void showEvent(QShowEvent* event) override;
    void accept() override;

private:
    void OnInitDialog();
    // The colour controls are usable only with coloured links, the link controls only
    // with links.
    void EnableControls();
    void OnLinkSwitchClicked();

    QButtonGroup* m_nameOutput;
    QCheckBox* m_removeNumber;
    QGroupBox* m_linksGroup;
    QCheckBox* m_underline;
    QCheckBox* m_disableColors;
    QLabel* m_colorLabel;
    CColorComboBox* m_color;
    QCheckBox* m_alwaysHeaders;
    QCheckBox* m_maximized;
    QCheckBox* m_noLinks;
    bool m_initialised = false;
};
