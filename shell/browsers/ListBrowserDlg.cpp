#include "shell/browsers/ListBrowserDlg.h"

#include "platform/qt/MessageBox.h"
#include "shell/app/SyncListRead.h"

CListBrowserDlg::CListBrowserDlg(const char* caption, TitleReader readTitles, EntryReader readEntry,
                                 const CAppSettings& settings, QWidget* parent)
    : CBrowserDlg(settings, parent), m_caption(caption), m_readTitles(std::move(readTitles)),
      m_readEntry(std::move(readEntry))
{
}

CListBrowserDlg::CListBrowserDlg(shellcore::BrowserListId browser, const CAppSettings& settings, QWidget* parent)
    : CListBrowserDlg(
          shellcore::BrowserLists[browser].caption,
          [browser](const shellcore::ListOpener& open, shellcore::CTitleArena& titles) {
              return shellcore::LoadBrowserTitles(shellcore::BrowserLists[browser], open, titles);
          },
          [browser](const shellcore::ListOpener& open, std::string_view title) {
              return shellcore::ShowBrowserEntry(shellcore::BrowserLists[browser], open, title);
          },
          settings, parent)
{
}

void CListBrowserDlg::OnInitDialog()
{
    CBrowserDlg::OnInitDialog();
    setWindowTitle(QString::fromLatin1(m_caption));
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
        message = m_readTitles(shellcore::OpenBySettings(Settings()), Titles);
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
        entry = m_readEntry(shellcore::OpenBySettings(Settings()), SelectedTitle);
    }
    SetEntryText(entry);
}
