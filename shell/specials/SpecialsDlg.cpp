#include "shell/specials/SpecialsDlg.h"

#include "platform/CmdUI.h"
#include "platform/qt/DialogTemplate.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/PopupMenu.h"
#include "platform/qt/SortListCtrl.h"
#include "resources/ControlIds.h"

#include <QPushButton>

using platform::CSortListCtrl;

CSpecialsDlg::CSpecialsDlg(const Template& layout, QWidget* parent)
    : QDialog(parent), m_command(layout.command), m_commandText(layout.commandText),
      m_choiceColumn(layout.choiceColumn), m_layout(std::make_unique<platform::DialogTemplate>(this, 420, 239))
{
    setObjectName(QString::number(layout.templateId));
    setWindowTitle(QString::fromLatin1(layout.caption));
    list = new CSortListCtrl(this);
    list->setObjectName(QString::number(layout.listId));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_layout->Place(list, 7, 7, 406, 205);
    connect(list, &QWidget::customContextMenuRequested, this, &CSpecialsDlg::OnContextMenu);
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        const Column& column = layout.columns[i];
        list->InsertColumn(static_cast<int>(i), column.heading, CSortListCtrl::FormatLeft, column.width, column.numeric,
                           column.ascending);
    }
}

CSpecialsDlg::~CSpecialsDlg() = default;

void CSpecialsDlg::Place(QWidget* control, int x, int y, int width, int height, bool fitText)
{
    m_layout->Place(control, x, y, width, height, fitText);
}

void CSpecialsDlg::FinishLayout()
{
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(resources::IDOK));
    ok->setDefault(true);
    m_layout->Place(ok, 363, 218, 50, 14, true);
    m_layout->Apply();
    m_layout.reset();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CSpecialsDlg::ShowError(const std::string& text)
{
    platform::MessageBox::Show(this, text, "Error!", platform::MessageBox::IconError);
}

void CSpecialsDlg::OnContextMenu(const QPoint& position)
{
    const int id =
        platform::PopupMenu::Track(this, {{m_command, m_commandText}}, list->viewport()->mapToGlobal(position),
                                   [this](CCmdUI& cmdUI) { return OnUpdateGetInformation(cmdUI); });
    if (id == m_command)
        OnGetInformation();
}

bool CSpecialsDlg::OnUpdateGetInformation(CCmdUI& cmdUI) const
{
    if (cmdUI.m_nID != m_command)
        return false;
    cmdUI.Enable(list->GetSelectionMark() >= 0);
    return true;
}

void CSpecialsDlg::OnGetInformation()
{
    const int row = list->GetSelectionMark();
    if (row < 0)
        return;
    choice = list->GetItemText(row, m_choiceColumn);
    getInformation = 1;
    accept();
}
