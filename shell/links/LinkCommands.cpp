// What the views' popup commands ask of the program: a document for a clicked title or
// name with its Get Information, the New-document dialogs pre-filled, and the
// application's own commands.

#include "documents/ui/RichDocumentView.h"
#include "listdata/ui/NewCastCrewDlg.h"
#include "listdata/ui/NewMovieTVDlg.h"
#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"

void CReelvoyagerApp::ConnectLinkCommands(CRichDocumentView& view)
{
    QObject::connect(&view, &CRichDocumentView::CommandRequested, m_mainFrame.get(), &CMainFrame::RouteCommand);
    QObject::connect(&view, &CRichDocumentView::LinkedDocumentRequested, m_mainFrame.get(),
                     [this](int kind, const std::string& key, const std::string& heading) {
                         OpenLinkedDocument(kind, key, heading);
                     });
    QObject::connect(&view, &CRichDocumentView::NewDocumentRequested, m_mainFrame.get(),
                     [this](int kind, const std::string& text) {
                         if (kind == 0)
                             NewMovieTVDocument(text);
                         else
                             NewCastCrewDocument(text);
                     });
}

void CReelvoyagerApp::OpenLinkedDocument(int kind, const std::string& key, const std::string& heading)
{
    if (!m_mainFrame)
        return;
    // The dialogs make the document without showing themselves; the new document's
    // window is the active one when Get Information looks for it.
    if (kind == 0) {
        CNewMovieTVDlg dialog(m_mainFrame.get());
        dialog.SetContext(&Settings, &m_docManager);
        if (dialog.CreateDocument(key, heading))
            m_mainFrame->OnMovieTVGetInformation();
    } else {
        CNewCastCrewDlg dialog(m_mainFrame.get());
        dialog.SetContext(&Settings, &m_docManager);
        if (dialog.CreateDocument(key, heading))
            m_mainFrame->OnCastCrewGetInformation();
    }
    m_mainFrame->UpdateCommands();
}
