#include "shell/options/ListOptionsDlg.h"

#include "platform/qt/DialogTemplate.h"
#include "resources/ControlIds.h"
#include "resources/OptionsIds.h"
#include "shell/options/RadioGroup.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace resources;

namespace {

QButtonGroup* AddRadioGroup(QWidget* dialog, platform::DialogTemplate& layout,
                            const CListOptionsDlg::RadioGroup& radioGroup, int x, int y, int width)
{
    const int rows = static_cast<int>(radioGroup.buttons.size());
    auto* frame = new QGroupBox(QString::fromLatin1(radioGroup.title), dialog);
    layout.Place(frame, x, y, width, 16 + 12 * rows);
    auto* group = new QButtonGroup(dialog);
    for (int i = 0; i < rows; ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(radioGroup.buttons[i].second), frame);
        radio->setObjectName(QString::number(radioGroup.buttons[i].first));
        group->addButton(radio, i);
        layout.Place(radio, x + 8, y + 12 + 12 * i, width - 14, 10, true);
    }
    return group;
}

} // namespace

CListOptionsDlg::CListOptionsDlg(QWidget* parent, int templateId, const char* caption, int documentKind,
                                 const RadioGroup& order, const RadioGroup& view)
    : QDialog(parent), m_kind(documentKind)
{
    setObjectName(QString::number(templateId));
    setWindowTitle(QString::fromLatin1(caption));
    platform::DialogTemplate layout(this, 256, 196);

    auto* listsGroup = new QGroupBox(QStringLiteral("&Listfiles to use:"), this);
    layout.Place(listsGroup, 7, 7, 124, 182);
    m_lists = new QListWidget(listsGroup);
    m_lists->setObjectName(QString::number(IDC_OPTIONS_LISTS));
    layout.Place(m_lists, 14, 19, 110, 146);
    auto* clearAll = new QPushButton(QStringLiteral("Clear All"), listsGroup);
    clearAll->setObjectName(QString::number(IDC_OPTIONS_CLEARALL));
    clearAll->setAutoDefault(false);
    layout.Place(clearAll, 14, 169, 52, 14, true);
    auto* setAll = new QPushButton(QStringLiteral("Set All"), listsGroup);
    setAll->setObjectName(QString::number(IDC_OPTIONS_SETALL));
    setAll->setAutoDefault(false);
    layout.Place(setAll, 72, 169, 52, 14, true);

    m_order = AddRadioGroup(this, layout, order, 138, 7, 111);
    const int viewTop = 7 + 16 + 12 * static_cast<int>(order.buttons.size()) + 6;
    m_view = AddRadioGroup(this, layout, view, 138, viewTop, 111);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QString::number(IDCANCEL));
    layout.Place(ok, 143, 175, 50, 14, true);
    layout.Place(cancel, 199, 175, 50, 14, true);
    layout.Apply();

    connect(clearAll, &QPushButton::clicked, this, [this] { SetAll(false); });
    connect(setAll, &QPushButton::clicked, this, [this] { SetAll(true); });
    connect(ok, &QPushButton::clicked, this, &CListOptionsDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CListOptionsDlg::reject);
}

bool CListOptionsDlg::Allowed(int listIndex) const
{
    const ListCatalogEntry& entry = ListCatalog[listIndex];
    return (m_kind == 0 ? entry.useMovieTV : entry.useCastCrew) != 0;
}

int& CListOptionsDlg::UseFlag(int listIndex)
{
    return m_kind == 0 ? Lists[listIndex].UseMovieTV : Lists[listIndex].UseCastCrew;
}

void CListOptionsDlg::UpdateData(bool saveAndValidate)
{
    if (saveAndValidate) {
        ReadRadio(m_order, SortOrder);
        ReadRadio(m_view, DefaultView);
        return;
    }
    CheckRadio(m_order, SortOrder);
    CheckRadio(m_view, DefaultView);
}

void CListOptionsDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CListOptionsDlg::OnInitDialog()
{
    UpdateData(false);
    // Rows in catalogue order; a list the catalogue never allows for this kind has no
    // row and keeps its flag.
    m_lists->clear();
    m_rowLists.clear();
    for (int i = 0; i < kListCount; ++i) {
        if (!Allowed(i))
            continue;
        auto* item = new QListWidgetItem(QString::fromLatin1(ListCatalog[i].name), m_lists);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(UseFlag(i) ? Qt::Checked : Qt::Unchecked);
        m_rowLists.push_back(i);
    }
}

void CListOptionsDlg::SetAll(bool checked)
{
    for (int row = 0; row < m_lists->count(); ++row)
        m_lists->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void CListOptionsDlg::accept()
{
    for (int row = 0; row < m_lists->count(); ++row)
        UseFlag(m_rowLists[static_cast<std::size_t>(row)]) = m_lists->item(row)->checkState() == Qt::Checked ? 1 : 0;
    UpdateData(true);
    QDialog::accept();
}
