#pragma once
// The program's main window: MDI area for the document frames, menus built from the
// resource tables, toolbar, status bar, and the owner of the one search run that may
// exist at a time.

#include "platform/CmdUI.h"

#include <QList>
#include <QMainWindow>
#include <QUrl>
#include <map>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class CChildFrame;
class CSearchingDlg;
class CSearchThread;
class CSearchRun;

class CMainFrame : public QMainWindow, public ICommandTarget {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Toolbar and status bar; false when they cannot be made.
    bool OnCreate();

    QMdiArea* MdiArea() const { return m_mdiArea; }
    // The action of a command id (every command of the tables has one); null otherwise.
    QAction* Action(int id) const;
    // The menu bar in force: 128 no document, 129 Movie/TV, 130 Cast/Crew.
    int MenuResource() const { return m_menuResource; }
    QToolBar* ToolBar() const { return m_toolBar; }

    CChildFrame* MDIGetActive() const;
    // Adds a frame to the MDI area and shows it.
    void AddChildFrame(CChildFrame* frame);

    // The command route: active view, its document, this frame, the application.
    void RouteCommand(int id);
    // Brings every action's enabled, checked and text state up to date, and the menu bar
    // to the active document's kind. The one place command state is decided.
    void UpdateCommands();

    // Get Information for the documents of `kind` (0 Movie/TV, 1 Cast/Crew).
    void GetInformation(int kind);
    void OnMovieTVGetInformation() { GetInformation(0); }
    void OnCastCrewGetInformation() { GetInformation(1); }
    // True while a search thread or a Searching dialog exists.
    bool IsSearchRunning() const { return m_pSearchThread != nullptr || m_pSearchingDlg != nullptr; }
    CSearchingDlg* SearchingDialog() const { return m_pSearchingDlg; }
    // Opens dropped files like File > Open.
    void OnDropFiles(const QList<QUrl>& urls);
    // Cancels a run in progress and returns once its thread has ended.
    void CancelAndWaitForSearch();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void BuildMenuBar(int menuId);
    void FillRecentFiles(class QMenu* menu);
    // The program's name and the active document's title, bracketed while the document's
    // window is maximized.
    QString Caption() const;
    void UpdateCaption();
    void QueueCaptionUpdate();
    // Window > Cascade: restored first, minimized windows left where they are.
    void CascadeChildFrames();
    // Window > Arrange Icons: the minimized windows in rows along the bottom.
    void ArrangeIconicFrames();

    void OnSearchEnded();
    void OnSearchDone();
    void OnCloseSearchDialog(int dialogSerial);
    void OnUpdateDocument(void* document);
    void StopSearchThread();

    QMdiArea* m_mdiArea;
    QToolBar* m_toolBar = nullptr;
    std::map<int, QAction*> m_actions;
    int m_menuResource = 0;
    bool m_captionQueued = false;

    std::unique_ptr<CSearchRun> m_pSearchRequest;
    CSearchThread* m_pSearchThread = nullptr;
    CSearchingDlg* m_pSearchingDlg = nullptr;
};
