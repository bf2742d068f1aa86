#include "shell/app/MainFrame.h"

#include "documents/ui/RichDocumentView.h"
#include "listdata/SearchEngine.h"
#include "listdata/ui/GetInformationDlg.h"
#include "listdata/ui/SearchMessages.h"
#include "listdata/ui/SearchRun.h"
#include "listdata/ui/SearchThread.h"
#include "listdata/ui/SearchingDlg.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/qt/QtText.h"
#include "resources/MenuTables.h"
#include "resources/StringTable.h"
#include "shell/app/ChildFrame.h"
#include "shell/app/DocumentCommands.h"
#include "shell/app/ReelvoyagerApp.h"
#include "shell/app/WindowMenu.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <QUrl>
#include <algorithm>
#include <set>

using namespace resources;

namespace {

// The text of a command in the first menu table that holds it.
QString MenuText(int id)
{
    for (int menuId : {IDR_RVMTVTYPE, IDR_RVCCTYPE, IDR_MAINFRAME})
        for (const MenuEntry& entry : MenuTable(menuId))
            if (entry.id == id)
                return QString::fromLatin1(entry.text);
    return {};
}

std::set<int> AllCommandIds()
{
    std::set<int> ids;
    for (int menuId : {IDR_MAINFRAME, IDR_RVMTVTYPE, IDR_RVCCTYPE})
        for (const MenuEntry& entry : MenuTable(menuId))
            if (entry.id > 0)
                ids.insert(entry.id);
    for (const Accelerator& accelerator : kAccelerators)
        ids.insert(accelerator.id);
    for (int id : kToolbar)
        if (id > 0)
            ids.insert(id);
    for (int i = 0; i < kRecentFileCount; ++i)
        ids.insert(ID_FILE_MRU_FILE1 + i);
    ids.insert(ID_FILE_PRINT_DIRECT);
    return ids;
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), m_mdiArea(new QMdiArea(this))
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(QString::fromLatin1(kMainFrameTitle));
    setCentralWidget(m_mdiArea);
    setAcceptDrops(true);
    resize(1024, 720);
    CreateActions();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] { UpdateCommands(); });
}

CMainFrame::~CMainFrame()
{
    // The child windows go with the base class; nothing may be updated meanwhile.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        disconnect(window, nullptr, this, nullptr);
    // A frame destroyed without closing (tests, start-up failure) still must not leave a
    // thread running on its documents.
    CancelAndWaitForSearch();
}

void CMainFrame::CancelAndWaitForSearch()
{
    if (!m_pSearchThread)
        return;
    // The thread's remaining messages to this frame still arrive later; with no thread
    // and no request they only refresh documents that are still open.
    m_pSearchThread->CancelAndWait();
    delete m_pSearchThread;
    m_pSearchThread = nullptr;
    m_pSearchRequest.reset();
    if (m_pSearchingDlg) {
        m_pSearchingDlg->DestroyWindow();
        m_pSearchingDlg = nullptr;
    }
}

bool CMainFrame::OnCreate()
{
    m_toolBar = addToolBar(QStringLiteral("Toolbar"));
    m_toolBar->setObjectName(QString::number(AFX_IDW_TOOLBAR));
    m_toolBar->setMovable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : kToolbar) {
        if (id == kSeparator)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(m_actions.at(id));
    }

    QStatusBar* bar = statusBar();
    bar->setObjectName(QString::number(AFX_IDW_STATUS_BAR));
    // Caps Lock, Num Lock and Scroll Lock panes: the toolkit cannot read the lock
    // states, so the panes hold their place and stay blank.
    for (const char* name : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(bar);
        pane->setObjectName(QString::fromLatin1(name));
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(pane);
    }
    bar->showMessage(QString::fromLatin1(kIdleMessage));
    UpdateCommands();
    return true;
}

void CMainFrame::CreateActions()
{
    for (int id : AllCommandIds()) {
        auto* action = new QAction(this);
        action->setObjectName(QString::number(id));
        QString text = MenuText(id);
        if (text.isEmpty())
            text = QString::number(id);
        action->setText(text);
        if (const char* prompt = CommandPromptText(id)) {
            const QStringList parts = QString::fromLatin1(prompt).split(QLatin1Char('\n'));
            action->setStatusTip(parts.value(0));
            action->setToolTip(parts.value(1, parts.value(0)));
            action->setIconText(parts.value(1, parts.value(0)));
        }
        QList<QKeySequence> keys;
        for (const Accelerator& accelerator : kAccelerators)
            if (accelerator.id == id)
                keys.append(QKeySequence(QString::fromLatin1(accelerator.key)));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
        // Added to the window itself so that the accelerators work whatever menu shows.
        addAction(action);
        m_actions[id] = action;
    }
    const QStyle* style = QApplication::style();
    m_actions[ID_FILE_OPEN]->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    m_actions[ID_FILE_SAVE]->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    m_actions[ID_FILE_NEW_MOVIETV]->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    m_actions[ID_FILE_NEW_CASTCREW]->setIcon(style->standardIcon(QStyle::SP_FileDialogContentsView));
    m_actions[ID_EDIT_CUT]->setIcon(QIcon::fromTheme(QStringLiteral("edit-cut")));
    m_actions[ID_EDIT_COPY]->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy")));
    m_actions[ID_EDIT_PASTE]->setIcon(QIcon::fromTheme(QStringLiteral("edit-paste")));
    m_actions[ID_FILE_PRINT]->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
}

QAction* CMainFrame::Action(int id) const
{
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::BuildMenuBar(int menuId)
{
    m_menuResource = menuId;
    QMenuBar* bar = menuBar();
    // The bar keeps the menus it made; the old ones go with their bar (later, since this
    // may run while one of them is about to show).
    for (QAction* action : bar->actions())
        if (QMenu* menu = action->menu())
            menu->deleteLater();
    bar->clear();
    QMenu* menus[4] = {};
    for (const MenuEntry& entry : MenuTable(menuId)) {
        QMenu* parent = entry.depth > 0 ? menus[entry.depth - 1] : nullptr;
        if (entry.id == kPopup) {
            QMenu* menu = parent ? parent->addMenu(QString::fromLatin1(entry.text))
                                 : bar->addMenu(QString::fromLatin1(entry.text));
            // Command state is brought up to date before a menu shows.
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
            menus[entry.depth] = menu;
            if (entry.depth == 0 && QLatin1String(entry.text) == QLatin1String("&Window"))
                new CWindowMenu(menu, m_mdiArea); // the list of document windows at its foot
        } else if (entry.id == kSeparator) {
            parent->addSeparator();
        } else if (entry.id == kRecentFiles) {
            FillRecentFiles(parent);
        } else {
            parent->addAction(m_actions.at(entry.id));
        }
    }
}

void CMainFrame::FillRecentFiles(QMenu* menu)
{
    // The four entries are always in the menu; the update rule hides the unused ones,
    // and the first shows "Recent File" disabled while the list is empty.
    for (int i = 0; i < kRecentFileCount; ++i)
        menu->addAction(m_actions.at(ID_FILE_MRU_FILE1 + i));
}

CChildFrame* CMainFrame::MDIGetActive() const
{
    QMdiSubWindow* window = m_mdiArea->activeSubWindow();
    if (!window)
        window = m_mdiArea->currentSubWindow();
    return qobject_cast<CChildFrame*>(window);
}

void CMainFrame::AddChildFrame(CChildFrame* frame)
{
    // Like a framework MDI child, a new frame takes most of the client area rather than its
    // widget's minimal size; sized before it is added, so the area places it by that size and
    // a later window does not hang over the area's right or bottom edge.
    frame->resize(m_mdiArea->viewport()->size() * 3 / 4);
    m_mdiArea->addSubWindow(frame);
    // Maximized or not changes the caption, whether or not the area writes one meanwhile.
    connect(frame, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::QueueCaptionUpdate);
    // The windows left of its document are numbered anew, whichever window was active.
    connect(frame, &QObject::destroyed, this, &CMainFrame::UpdateCommands, Qt::QueuedConnection);
    frame->ActivateFrame(-1);
    UpdateCommands();
}

QString CMainFrame::Caption() const
{
    QString caption = QString::fromLatin1(kMainFrameTitle);
    CChildFrame* child = MDIGetActive();
    const QString title = child ? child->FrameTitle() : QString();
    if (title.isEmpty())
        return caption;
    // A maximized window's caption bar is hidden: its name stands in brackets instead.
    return caption + (child->isMaximized() ? QStringLiteral(" - [%1]").arg(title) : QStringLiteral(" - ") + title);
}

void CMainFrame::UpdateCaption()
{
    m_captionQueued = false;
    setWindowTitle(Caption());
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // The MDI area writes its own caption while a window is maximized ("caption - [name]",
    // around whatever the caption was) and puts the old one back when it is restored; ours
    // is written again once the area is done.
    if (event->type() == QEvent::WindowTitleChange && windowTitle() != Caption())
        QueueCaptionUpdate();
}

void CMainFrame::QueueCaptionUpdate()
{
    if (m_captionQueued)
        return;
    m_captionQueued = true;
    QMetaObject::invokeMethod(this, &CMainFrame::UpdateCaption, Qt::QueuedConnection);
}

void CMainFrame::CascadeChildFrames()
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::StackingOrder))
        if (!window->isHidden() && !window->isMinimized())
            windows.append(window);
    if (windows.isEmpty())
        return;
    for (QMdiSubWindow* window : windows)
        if (window->isMaximized())
            window->showNormal();
    // Each window as large as the area less the steps, stepped down and right by a title
    // bar, so that every title stays in sight and every text readable (the area's own
    // cascade sizes each window to its contents' hint, a few lines at most). Past the
    // steps that still leave a window two thirds of the area, the row starts again at
    // the top left.
    const QRect area = m_mdiArea->viewport()->rect();
    const QStyle* style = windows.first()->style();
    const int step = std::max(1, style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first()) +
                                     style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, windows.first()));
    const int maxSteps = std::min(area.width(), area.height()) / 3 / step;
    const int steps = std::min(static_cast<int>(windows.size()) - 1, maxSteps);
    const QSize size(area.width() - steps * step, area.height() - steps * step);
    // Bottom of the stack first, so that the window on top stays on top, at the last step.
    for (int i = 0; i < windows.size(); ++i) {
        const int offset = (i % (steps + 1)) * step;
        windows[i]->setGeometry(QRect(area.topLeft() + QPoint(offset, offset), size));
        windows[i]->raise();
    }
}

void CMainFrame::ArrangeIconicFrames()
{
    // Minimized windows in rows along the area's bottom, left to right in the order they
    // were opened, a row filled before the next one up begins.
    const QRect area = m_mdiArea->viewport()->rect();
    QPoint place(area.left(), area.bottom() + 1);
    int rowHeight = 0;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (window->isHidden() || !window->isMinimized())
            continue;
        const QSize size = window->size();
        if (place.x() > area.left() && place.x() + size.width() > area.right() + 1) {
            place = QPoint(area.left(), place.y() - rowHeight);
            rowHeight = 0;
        }
        rowHeight = std::max(rowHeight, size.height());
        window->move(place.x(), place.y() - size.height());
        place.rx() += size.width();
    }
}

void CMainFrame::RouteCommand(int id)
{
    CChildFrame* child = MDIGetActive();
    CRichDocumentView* view = child ? child->View() : nullptr;
    bool done = false;
    if (view && view->OnCommand(id))
        done = true;
    else if (view && view->GetDocument() && CDocumentCommands::OnCommand(*view->GetDocument(), id))
        done = true;
    else if (OnCommand(id))
        done = true;
    else if (TheApp())
        done = TheApp()->OnCommand(id);
    (void)done;
    UpdateCommands();
}

void CMainFrame::UpdateCommands()
{
    CChildFrame* child = MDIGetActive();
    CRichDocumentView* view = child ? child->View() : nullptr;
    platform::CDocument* document = view ? view->GetDocument() : nullptr;

    // Frame captions follow the documents' titles (Save As renames) and their number of
    // windows; the main window adds the active document's.
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        const QString title = frame ? frame->FrameTitle() : QString();
        if (!title.isEmpty())
            frame->setWindowTitle(title);
    }
    UpdateCaption();

    int menuId = IDR_MAINFRAME;
    if (document)
        menuId = CDocumentCommands::IsCastCrew(*document) ? IDR_RVCCTYPE : IDR_RVMTVTYPE;
    if (menuId != m_menuResource)
        BuildMenuBar(menuId);

    for (auto& [id, action] : m_actions) {
        CCmdUI cmdUI(id);
        bool handled = (view && view->OnUpdateCommand(cmdUI)) ||
                       (document && CDocumentCommands::OnUpdateCommand(*document, cmdUI)) || OnUpdateCommand(cmdUI) ||
                       (TheApp() && TheApp()->OnUpdateCommand(cmdUI));
        // A command without a handler or update rule is disabled.
        action->setEnabled(handled && cmdUI.m_enabled);
        action->setCheckable(cmdUI.m_checkSet);
        if (cmdUI.m_checkSet)
            action->setChecked(cmdUI.m_checked);
        const bool recentFile = id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount;
        // A recent-file entry's text holds its path.
        if (cmdUI.m_textSet)
            action->setText(recentFile ? platform::PathToQString(cmdUI.m_text) : platform::ToQString(cmdUI.m_text));
        if (recentFile)
            action->setVisible(!cmdUI.m_text.empty() || id == ID_FILE_MRU_FILE1);
    }
}

bool CMainFrame::OnCommand(int id)
{
    switch (id) {
    case ID_MOVIETV_GETINFORMATION:
        OnMovieTVGetInformation();
        return true;
    case ID_CASTCREW_GETINFORMATION:
        OnCastCrewGetInformation();
        return true;
    case ID_VIEW_TOOLBAR:
        if (m_toolBar)
            m_toolBar->setVisible(!m_toolBar->isVisible());
        return true;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(!statusBar()->isVisible());
        return true;
    case ID_WINDOW_CASCADE:
        CascadeChildFrames();
        return true;
    case ID_WINDOW_TILE_HORZ:
        m_mdiArea->tileSubWindows();
        return true;
    case ID_WINDOW_ARRANGE:
        ArrangeIconicFrames();
        return true;
    case ID_WINDOW_NEW: {
        CChildFrame* child = MDIGetActive();
        if (child && child->View() && TheApp())
            TheApp()->NewWindow(*child->View()->GetDocument());
        return true;
    }
    case ID_APP_EXIT:
        close();
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OnUpdateCommand(CCmdUI& cmdUI)
{
    switch (cmdUI.m_nID) {
    case ID_MOVIETV_GETINFORMATION:
    case ID_CASTCREW_GETINFORMATION:
        cmdUI.Enable(!IsSearchRunning());
        return true;
    // Movie Links lists the active view's links: not while a run rewrites views.
    case ID_MOVIETV_MOVIELINKS:
    case ID_CASTCREW_MOVIELINKS:
        cmdUI.Enable(!IsSearchRunning() && MDIGetActive() && MDIGetActive()->View());
        return true;
    case ID_VIEW_TOOLBAR:
        cmdUI.Enable(true);
        cmdUI.SetCheck(m_toolBar && !m_toolBar->isHidden());
        return true;
    case ID_VIEW_STATUS_BAR:
        cmdUI.Enable(true);
        cmdUI.SetCheck(!statusBar()->isHidden());
        return true;
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE_HORZ:
    case ID_WINDOW_ARRANGE:
    case ID_WINDOW_NEW:
        cmdUI.Enable(MDIGetActive() != nullptr);
        return true;
    case ID_APP_EXIT:
        cmdUI.Enable(true);
        return true;
    default:
        return false;
    }
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // Between prompts the message pane shows the idle text.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        statusBar()->showMessage(tip.isEmpty() ? QString::fromLatin1(kIdleMessage) : tip);
        return true;
    }
    if (const auto* message = CSearchMessage::From(event)) {
        switch (message->message) {
        case WM_SEARCH_STOP:
            OnSearchEnded();
            break;
        case WM_SEARCH_DONE:
            OnSearchDone();
            break;
        case WM_SEARCHDLG_CLOSED:
            OnCloseSearchDialog(static_cast<int>(message->lParam));
            break;
        case WM_SEARCH_DOC_CHANGED:
            OnUpdateDocument(reinterpret_cast<void*>(message->lParam));
            break;
        default:
            break;
        }
        return true;
    }
    return QMainWindow::event(event);
}

// --- Get Information and the search run -------------------------------------------

void CMainFrame::GetInformation(int kind)
{
    CReelvoyagerApp* app = TheApp();
    if (!app || IsSearchRunning())
        return;
    CChildFrame* child = MDIGetActive();
    if (!child || !child->View())
        return;
    const platform::CDocument* activeDocument = child->View()->GetDocument();

    CGetInformationDlg dialog(this);
    dialog.Kind = kind;
    dialog.DefaultSettings = &app->Settings;
    for (int i = 0; i < kListCount; ++i)
        dialog.ListChoice[i] = {app->ListChoices[i].useMovieTV, app->ListChoices[i].useCastCrew};
    dialog.CurrentEntry = 0;

    // Documents in template order (Movie/TV first), each template's in its own order.
    auto run = std::make_unique<CSearchRun>();
    for (const auto& docTemplate : app->DocManager().GetTemplates()) {
        int entryKind = -1;
        if (docTemplate->GetProgId() == kProgIdMovieTV)
            entryKind = 0;
        else if (docTemplate->GetProgId() == kProgIdCastCrew)
            entryKind = 1;
        for (platform::CDocument* document : docTemplate->GetDocuments()) {
            if (!document)
                continue;
            if (document == activeDocument)
                dialog.CurrentEntry = static_cast<int>(dialog.Entries.size());
            if (entryKind < 0)
                continue;
            ISearchDocument* searchDocument = run->Adapt(*document);
            if (!searchDocument)
                continue;
            dialog.Entries.push_back({searchDocument, entryKind, false});
        }
    }

    if (dialog.exec() != QDialog::Accepted)
        return;
    for (int i = 0; i < kListCount; ++i)
        app->ListChoices[i] = {dialog.ListChoice[i].useMovieTV, dialog.ListChoice[i].useCastCrew};

    std::array<SearchListChoice, kListCount> choices{};
    for (int i = 0; i < kListCount; ++i)
        choices[i] = {app->ListChoices[i].useMovieTV != 0, app->ListChoices[i].useCastCrew != 0};
    run->request.documents = dialog.Entries;
    run->request.settings = SearchSettings::Take(app->Settings, choices);
    m_pSearchRequest = std::move(run);

    m_pSearchingDlg = new CSearchingDlg(this);
    m_pSearchingDlg->frameWindow = this;
    m_pSearchingDlg->searching = 1;
    m_pSearchRequest->searchingDialog = m_pSearchingDlg;

    m_pSearchThread = new CSearchThread(this, m_pSearchingDlg);
    // Queued on this thread, before the thread sees the request, so that no view can
    // show a document as idle while the run already owns it; the cancel flag is cleared
    // with it, before the dialog's Cancel can be pressed.
    m_pSearchThread->QueueDocuments(*m_pSearchRequest);
    m_pSearchingDlg->show();
    for (const SearchDocEntry& entry : m_pSearchRequest->request.documents)
        if (entry.selected)
            if (auto* adapter = dynamic_cast<CSearchDocumentAdapter*>(entry.document))
                adapter->GetDocument()->UpdateAllViews(nullptr, 0);
    m_pSearchThread->start();
    m_pSearchThread->PostStart(m_pSearchRequest.get());
    UpdateCommands();
}

void CMainFrame::OnUpdateDocument(void* document)
{
    auto* doc = static_cast<platform::CDocument*>(document);
    // The document may have been closed since the message was posted.
    if (TheApp() && TheApp()->IsDocumentOpen(doc))
        doc->UpdateAllViews(nullptr, 0);
    UpdateCommands();
}

void CMainFrame::OnSearchDone()
{
    if (m_pSearchingDlg) {
        if (auto* button = m_pSearchingDlg->findChild<QPushButton*>(QStringLiteral("2")))
            button->setText(QStringLiteral("Done"));
        m_pSearchingDlg->searching = 0;
    }
    // The request goes once the thread has ended, which can no longer read it.
    StopSearchThread();
    m_pSearchRequest.reset();
    UpdateCommands();
}

void CMainFrame::OnSearchEnded()
{
    if (m_pSearchingDlg) {
        m_pSearchingDlg->DestroyWindow();
        m_pSearchingDlg = nullptr;
    }
    StopSearchThread();
    m_pSearchRequest.reset();
    UpdateCommands();
}

void CMainFrame::OnCloseSearchDialog(int dialogSerial)
{
    // Only the dialog that sent the message goes: a late message from an earlier run's
    // dialog must not take the next run's dialog with it.
    if (m_pSearchingDlg && m_pSearchingDlg->Serial() == dialogSerial) {
        m_pSearchingDlg->DestroyWindow();
        m_pSearchingDlg = nullptr;
    }
    UpdateCommands();
}

void CMainFrame::StopSearchThread()
{
    if (m_pSearchThread) {
        m_pSearchThread->PostStop();
        m_pSearchThread->WaitFinished();
        delete m_pSearchThread;
    }
    m_pSearchThread = nullptr;
}

// --- Closing and dropped files ------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The documents' closing questions come first (a document that a run still owns
    // refuses: "First cancel the search operation."), so a run is only cancelled once
    // the close is certain. Then it is waited for: its thread writes into the documents
    // that are about to close.
    CReelvoyagerApp* app = TheApp();
    if (app && !app->DocManager().SaveAllModified()) {
        event->ignore();
        return;
    }
    CancelAndWaitForSearch();
    if (m_pSearchingDlg) {
        m_pSearchingDlg->DestroyWindow();
        m_pSearchingDlg = nullptr;
    }
    if (app)
        app->DocManager().CloseAllDocuments();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    OnDropFiles(event->mimeData()->urls());
    event->acceptProposedAction();
    activateWindow();
}

void CMainFrame::OnDropFiles(const QList<QUrl>& urls)
{
    // Each dropped file is opened like File > Open.
    for (const QUrl& url : urls)
        if (url.isLocalFile() && TheApp())
            TheApp()->OpenDocumentFile(url.toLocalFile().toStdString());
}
