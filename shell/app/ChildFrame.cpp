#include "shell/app/ChildFrame.h"

#include "documents/ui/RichDocumentView.h"
#include "platform/Document.h"
#include "platform/qt/QtText.h"
#include "shell/app/DocumentCommands.h"
#include "shell/app/ReelvoyagerApp.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <algorithm>

CChildFrame::CChildFrame(CRichDocumentView* view, QWidget* parent) : QMdiSubWindow(parent), m_view(view)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    connect(view, &CRichDocumentView::ActivateFrameRequested, this, [this] { ActivateFrame(0); });
    connect(view, &CRichDocumentView::DocumentClosed, this, &CChildFrame::DestroyForDocument);
    // The window menu's Close answers Ctrl+F4 only: Ctrl+W belongs to the Cast/Crew New
    // command's label and must never close a document.
    if (QMenu* menu = systemMenu()) {
        for (QAction* action : menu->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            if (keys.removeAll(QKeySequence(QStringLiteral("Ctrl+W"))) > 0) {
                if (keys.isEmpty())
                    keys.append(QKeySequence(QStringLiteral("Ctrl+F4")));
                action->setShortcuts(keys);
            }
        }
    }
}

CChildFrame::~CChildFrame() = default;

QString CChildFrame::FrameTitle() const
{
    const platform::CDocument* document = m_view ? m_view->GetDocument() : nullptr;
    if (!document)
        return QString();
    const QString title = platform::PathToQString(document->GetTitle());
    const std::vector<platform::IView*>& views = document->GetViews();
    if (views.size() < 2)
        return title;
    // Numbered in the order the windows were opened; a window closed renumbers the rest.
    const auto place = std::find(views.begin(), views.end(), static_cast<platform::IView*>(m_view));
    return QStringLiteral("%1:%2").arg(title).arg(place - views.begin() + 1);
}

void CChildFrame::ActivateFrame(int nCmdShow)
{
    const bool maximized = nCmdShow == -1 && TheApp() && TheApp()->Settings.OpenMaximized != 0;
    if (maximized)
        showMaximized();
    else if (isMinimized())
        showNormal(); // activating a document brings its window back from an icon
    else
        show();
    if (mdiArea())
        mdiArea()->setActiveSubWindow(this);
}

void CChildFrame::DestroyForDocument()
{
    // Inside this frame's own close the close goes on by itself.
    if (m_destroying)
        return;
    m_destroying = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!MayClose()) {
        event->ignore();
        return;
    }
    // The base tells the area now, while the frame still counts as maximized, rather than
    // when it is deleted: the area then activates the next window maximized, as a switch
    // between maximized windows does, where it would restore it otherwise.
    QMdiSubWindow::closeEvent(event);
}

bool CChildFrame::MayClose()
{
    platform::CDocument* document = m_view ? m_view->GetDocument() : nullptr;
    if (m_destroying || !document)
        return true;
    if (document->GetViews().size() > 1) {
        // Another window still shows the document.
        m_view->DetachFromDocument();
        return true;
    }
    // The last window of the document: the document's closing rule decides.
    m_destroying = true;
    if (!CDocumentCommands::CloseDocument(*document)) {
        m_destroying = false;
        return false;
    }
    return true;
}
