#include "shell/RatingsBrowserDlg.h"

#include "platform/qt/MessageBox.h"
#include "shell/SyncListRead.h"
#include "shell/core/RatingsTables.h"

CRatingsBrowserDlg::CRatingsBrowserDlg(const CAppSettings& settings, QWidget* parent) : CBrowserDlg(settings, parent)
{
}

void CRatingsBrowserDlg::OnInitDialog()
{
    CBrowserDlg::OnInitDialog();
    setWindowTitle(QStringLiteral("Ratings Browser"));
    LoadTitles(nullptr);
    FillTitleList();
    ShowEntry();
}

void CRatingsBrowserDlg::OnSelChangeTitle()
{
    CBrowserDlg::OnSelChangeTitle();
    ShowEntry();
    UpdateGetInfoButton();
}

void CRatingsBrowserDlg::LoadTitles(QWidget* owner)
{
    std::string message;
    {
        const SyncListRead read(owner);
        message = shellcore::LoadRatingsTitles(shellcore::OpenBySettings(Settings()), Titles);
    }
    // Told once the wait cursor and the box have gone.
    if (!message.empty())
        platform::MessageBox::Show(this, message, "Error!", platform::MessageBox::Ok | platform::MessageBox::IconError);
}

void CRatingsBrowserDlg::ShowEntry()
{
    if (SelectedTitle.empty())
        return;
    std::string entry;
    {
        const SyncListRead read(this);
        entry = shellcore::ShowRatingsEntry(shellcore::OpenBySettings(Settings()), SelectedTitle);
    }
    SetEntryText(entry);
}
