#include "shell/MainFrame.h"

#include <QMdiArea>
#include <QStatusBar>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), m_mdiArea(new QMdiArea(this))
{
    setWindowTitle(QStringLiteral("Reelvoyager"));
    setCentralWidget(m_mdiArea);
    statusBar()->showMessage(QStringLiteral("Ready"));
    resize(1024, 720);
}

CMainFrame::~CMainFrame() = default;
