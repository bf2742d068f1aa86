#include "listdata/ui/SearchingDlg.h"

#include "listdata/SearchEngine.h"
#include "listdata/ui/SearchMessages.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/QtText.h"
#include "resources/ControlIds.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

using namespace resources;

namespace {
int g_nextSerial = 1;
}

CSearchingDlg::CSearchingDlg(QWidget* parent) : QDialog(parent), m_serial(g_nextSerial++)
{
    setObjectName(QString::number(IDD_SEARCHING));
    setWindowTitle(QStringLiteral("Searching..."));
    setModal(false);
    const platform::DialogUnits units(this);
    setFixedSize(units.X(178), units.Y(146));

    auto* group = new QGroupBox(QStringLiteral("Progress Status"), this);
    group->setObjectName(QString::number(IDC_SEARCH_GROUP));
    units.Place(group, 7, 7, 164, 112);

    m_statusList = new QListWidget(this);
    m_statusList->setObjectName(QString::number(IDC_SEARCH_STATUSLIST));
    m_statusList->setSelectionMode(QAbstractItemView::NoSelection);
    m_statusList->setSortingEnabled(false);
    units.Place(m_statusList, 13, 18, 152, 58);

    m_upperStatus = new QLabel(QStringLiteral("Status Rad 1"), this);
    m_upperStatus->setObjectName(QString::number(IDC_SEARCH_STATUS1));
    m_upperStatus->setAlignment(Qt::AlignCenter);
    units.Place(m_upperStatus, 13, 79, 152, 8);

    m_lowerStatus = new QLabel(QStringLiteral("Status Rad 2"), this);
    m_lowerStatus->setObjectName(QString::number(IDC_SEARCH_STATUS2));
    m_lowerStatus->setAlignment(Qt::AlignCenter);
    units.Place(m_lowerStatus, 13, 88, 152, 8);

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QString::number(IDC_SEARCH_PROGRESS));
    m_progressBar->setTextVisible(false);
    units.Place(m_progressBar, 13, 99, 152, 14);

    m_cancelButton = new QPushButton(QStringLiteral("Cancel Search"), this);
    m_cancelButton->setObjectName(QString::number(IDCANCEL));
    units.Place(m_cancelButton, 59, 125, 59, 14);
    connect(m_cancelButton, &QPushButton::clicked, this, &CSearchingDlg::OnCancel);

    // Centred on the owner.
    if (parent) {
        const QRect owner = parent->frameGeometry();
        move(owner.center() - rect().center());
    }
}

CSearchingDlg::~CSearchingDlg() = default;

void CSearchingDlg::DestroyWindow()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    hide();
    deleteLater();
}

void CSearchingDlg::OnCancel()
{
    g_bCancelSearch = true;
    // Cancel does not end the dialog itself: it closes it, and the close either cancels
    // the run or tells the frame.
    QMetaObject::invokeMethod(
        this, [this] { close(); }, Qt::QueuedConnection);
}

void CSearchingDlg::closeEvent(QCloseEvent* event)
{
    // The frame destroys the dialog: on the run's stop message while searching, on
    // WM_SEARCHDLG_CLOSED afterwards. Either way the window stays until then.
    event->ignore();
    if (m_destroyed)
        return;
    if (searching) {
        g_bCancelSearch = true;
    } else if (frameWindow) {
        QCoreApplication::postEvent(frameWindow,
                                    new CSearchMessage(WM_SEARCHDLG_CLOSED, 0, static_cast<std::uintptr_t>(m_serial)));
    }
}

void CSearchingDlg::SetCaption(const std::string& text)
{
    setWindowTitle(platform::ToQString(text));
}
void CSearchingDlg::SetUpperStatus(const std::string& text)
{
    m_upperStatus->setText(platform::ToQString(text));
}
void CSearchingDlg::SetLowerStatus(const std::string& text)
{
    m_lowerStatus->setText(platform::ToQString(text));
}
void CSearchingDlg::ClearStatusList()
{
    m_statusList->clear();
}

void CSearchingDlg::InsertStatusLine(int position, const std::string& text)
{
    m_statusList->insertItem(position, platform::ToQString(text));
    if (QListWidgetItem* item = m_statusList->item(position))
        m_statusList->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void CSearchingDlg::SetProgressRange(int upper)
{
    // The progress control's bounds are 16-bit. An empty range shows an empty bar (Qt
    // would animate 0..0 as busy).
    const int bounded = upper < 0 ? 0 : (upper > 0xFFFF ? 0xFFFF : upper);
    m_progressBar->setRange(0, bounded == 0 ? 1 : bounded);
    m_progressBar->setValue(0);
}

void CSearchingDlg::StepProgress()
{
    if (m_progressBar->value() < m_progressBar->maximum())
        m_progressBar->setValue(m_progressBar->value() + 1);
}
