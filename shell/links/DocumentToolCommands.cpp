// The tools of the documents' menus: Credited With (Cast/Crew) and Movie Links (both
// kinds). Their update rules belong to the document (Credited With) and the main frame
// (Movie Links); the application runs the dialogs.

#include "documents/RVCDoc.h"
#include "documents/ui/RichDocumentView.h"
#include "resources/CommandIds.h"
#include "shell/app/ChildFrame.h"
#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"
#include "shell/links/CreditedWithDlg.h"
#include "shell/links/MovieLinksDlg.h"

using namespace resources;

bool CReelvoyagerApp::OnDocumentToolCommand(int id)
{
    switch (id) {
    case ID_CASTCREW_CREDITEDWITH:
        OnCreditedWith();
        break;
    case ID_MOVIETV_MOVIELINKS:
        OnMovieTVMovieLinks();
        break;
    case ID_CASTCREW_MOVIELINKS:
        OnCastCrewMovieLinks();
        break;
    default:
        return false;
    }
    if (MainFrame())
        MainFrame()->UpdateCommands();
    return true;
}

void CReelvoyagerApp::OnCreditedWith()
{
    // The command is disabled while the document is queued or searched: the search thread
    // would be rewriting the titles the dialog reads.
    const CRVCDoc* document = CRVCDoc::GetActive();
    if (!document || !document->IsCreditedWithEnabled())
        return;
    CCreditedWithDlg dialog(*document, Settings, CreditedWithOptions, MainFrame());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Kept until the program ends, not saved.
    CreditedWithOptions = dialog.GetOptions();
    if (dialog.nameChosen)
        GetCastCrewInformationFor(dialog.resultText);
    if (dialog.titleChosen)
        GetMovieTVInformationFor(dialog.resultText);
}

void CReelvoyagerApp::OnMovieTVMovieLinks()
{
    CChildFrame* child = MainFrame() ? MainFrame()->MDIGetActive() : nullptr;
    CRichDocumentView* view = child ? child->View() : nullptr;
    // Without a view there are no links to offer.
    if (!view)
        return;
    CMovieLinksDlg dialog(view->Writer(), m_docManager, MainFrame());
    dialog.exec();
}

void CReelvoyagerApp::OnCastCrewMovieLinks()
{
    OnMovieTVMovieLinks();
}
