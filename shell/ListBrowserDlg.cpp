#include "shell/ListBrowserDlg.h"

#include "platform/qt/MessageBox.h"
#include "shell/SyncListRead.h"

CListBrowserDlg::CListBrowserDlg(shellcore::BrowserListId browser, const CAppSettings& settings, QWidget* parent)
    : CBrowserDlg(settings, parent), m_list(shellcore::BrowserLists[browser])
{
}

void CListBrowserDlg::OnInitDialog()
{
    CBrowserDlg::OnInitDialog();
    setWindowTitle(QString::fromLatin1(m_list.caption));
    LoadTitles(nullptr);
    FillTitleList();
    ShowEntry();
}

void CListBrowserDlg::OnSelChangeTitle()
{
    CBrowserDlg::OnSelChangeTitle();
    ShowEntry();
    UpdateGetInfoButton();
}

void CListBrowserDlg::LoadTitles(QWidget* owner)
{
    std::string message;
    {
        const SyncListRead read(owner);
        message = shellcore::LoadBrowserTitles(m_list, shellcore::OpenBySettings(Settings()), Titles);
    }
    // Told once the wait cursor and the box have gone.
    if (!message.empty())
        platform::MessageBox::Show(this, message, "Error!", platform::MessageBox::Ok | platform::MessageBox::IconError);
}

void CListBrowserDlg::ShowEntry()
{
    if (SelectedTitle.empty())
        return;
    std::string entry;
    {
        const SyncListRead read(this);
        entry = shellcore::ShowBrowserEntry(m_list, shellcore::OpenBySettings(Settings()), SelectedTitle);
    }
    SetEntryText(entry);
}
