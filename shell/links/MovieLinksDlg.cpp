#include "shell/links/MovieLinksDlg.h"

#include "documents/NewDocument.h"
#include "documents/RtfWriter.h"
#include "platform/qt/DialogTemplate.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/QtText.h"
#include "resources/ControlIds.h"
#include "resources/LinkDialogIds.h"
#include "shell/core/DistinctTitleTargets.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace resources;

namespace {

QPushButton* MakeButton(QWidget* parent, const char* text, int id)
{
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    return button;
}

} // namespace

CMovieLinksDlg::CMovieLinksDlg(const CRtfWriter& writer, platform::CDocManager& docManager, QWidget* parent)
    : QDialog(parent), m_docManager(docManager), m_titles(shellcore::DistinctTitleTargets(writer.Links()))
{
    setObjectName(QString::number(IDD_MOVIELINKS));
    setWindowTitle(QStringLiteral("Movie Links"));
    platform::DialogTemplate layout(this, 282, 182);
    m_titleList = new QListWidget(this);
    m_titleList->setObjectName(QString::number(IDC_MOVIELINKS_TITLES));
    m_titleList->setUniformItemSizes(true);
    layout.Place(m_titleList, 7, 7, 196, 150);
    auto* note = new QLabel(
        QStringLiteral("This list only includes links that are available in the active window."), this);
    layout.Place(note, 7, 163, 268, 8, true);
    auto* create = MakeButton(this, "Create Document(s)", IDC_MOVIELINKS_CREATE);
    layout.Place(create, 209, 7, 66, 14, true);
    auto* clearAll = MakeButton(this, "Clear All", IDC_MOVIELINKS_CLEARALL);
    layout.Place(clearAll, 209, 26, 66, 14, true);
    auto* setAll = MakeButton(this, "Set All", IDC_MOVIELINKS_SETALL);
    layout.Place(setAll, 209, 45, 66, 14, true);
    auto* close = MakeButton(this, "Close", IDOK);
    close->setDefault(true);
    layout.Place(close, 209, 143, 66, 14, true);
    layout.Apply();

    for (const std::string& title : m_titles) {
        auto* item = new QListWidgetItem(platform::ToQString(title), m_titleList);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Checked);
    }
    create->setEnabled(!m_titles.empty());

    connect(create, &QPushButton::clicked, this, &CMovieLinksDlg::OnCreate);
    connect(clearAll, &QPushButton::clicked, this, &CMovieLinksDlg::OnClearAll);
    connect(setAll, &QPushButton::clicked, this, &CMovieLinksDlg::OnSetAll);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void CMovieLinksDlg::OnCreate()
{
    std::vector<const std::string*> checked;
    for (int i = 0; i < m_titleList->count(); ++i)
        if (m_titleList->item(i)->checkState() == Qt::Checked)
            checked.push_back(&m_titles[static_cast<std::size_t>(i)]);
    const std::string question =
        checked.size() == 1 ? std::string("This will create 1 new document.\nAre you sure you want to continue?")
                            : "This will create " + std::to_string(checked.size()) +
                                  " new documents.\nAre you sure you want to continue?";
    if (platform::MessageBox::Show(this, question, "Varning!",
                                   platform::MessageBox::YesNo | platform::MessageBox::IconWarning) !=
        platform::MessageBox::IdYes)
        return;
    // A title whose document cannot be made is passed over without a word.
    for (const std::string* title : checked)
        CreateMovieTVDocument(m_docManager, *title, *title);
    // The new windows take the activation; the question came from here, so does the focus.
    activateWindow();
}

void CMovieLinksDlg::OnClearAll()
{
    SetAllChecks(false);
}

void CMovieLinksDlg::OnSetAll()
{
    SetAllChecks(true);
}

void CMovieLinksDlg::SetAllChecks(bool checked)
{
    for (int i = 0; i < m_titleList->count(); ++i)
        m_titleList->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}
