#include "shell/options/OutputOptionsDlg.h"

#include "platform/qt/DialogTemplate.h"
#include "resources/ControlIds.h"
#include "resources/OptionsIds.h"
#include "shell/options/ColorComboBox.h"
#include "shell/options/RadioGroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace resources;

namespace {

template <typename T> T* Control(QWidget* dialog, int id, const char* text)
{
    auto* control = new T(QString::fromLatin1(text), dialog);
    control->setObjectName(QString::number(id));
    return control;
}

} // namespace

COutputOptionsDlg::COutputOptionsDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QString::number(IDD_OUTPUTOPTIONS));
    setWindowTitle(QStringLiteral("Output Options"));
    platform::DialogTemplate layout(this, 196, 186);

    auto* nameGroup = new QGroupBox(QStringLiteral("Name Output"), this);
    layout.Place(nameGroup, 7, 7, 182, 58);
    m_nameOutput = new QButtonGroup(this);
    auto* firstLast = Control<QRadioButton>(this, IDC_OUTPUT_FIRSTLAST, "&First Last (John Smith)");
    auto* lastFirst = Control<QRadioButton>(this, IDC_OUTPUT_LASTFIRST, "&Last, First (Smith, John)");
    m_nameOutput->addButton(firstLast, 0);
    m_nameOutput->addButton(lastFirst, 1);
    layout.Place(firstLast, 15, 19, 166, 10, true);
    layout.Place(lastFirst, 15, 31, 166, 10, true);
    m_removeNumber = Control<QCheckBox>(this, IDC_OUTPUT_REMOVENUMBER, "&Remove any additional Number");
    layout.Place(m_removeNumber, 15, 47, 166, 10, true);

    m_linksGroup = Control<QGroupBox>(this, IDC_OUTPUT_LINKSGROUP, "Links");
    layout.Place(m_linksGroup, 7, 70, 182, 56);
    m_underline = Control<QCheckBox>(this, IDC_OUTPUT_UNDERLINE, "&Underline");
    layout.Place(m_underline, 15, 82, 80, 10, true);
    m_disableColors = Control<QCheckBox>(this, IDC_OUTPUT_DISABLECOLORS, "&Disable Colors");
    layout.Place(m_disableColors, 15, 94, 80, 10, true);
    m_colorLabel = Control<QLabel>(this, IDC_OUTPUT_COLORLABEL, "Color:");
    layout.Place(m_colorLabel, 15, 109, 28, 8, true);
    m_color = new CColorComboBox(this);
    m_color->setObjectName(QString::number(IDC_OUTPUT_COLOR));
    layout.Place(m_color, 45, 107, 80, 13);

    m_alwaysHeaders = Control<QCheckBox>(this, IDC_OUTPUT_ALWAYSHEADERS, "&Always Show Headers");
    layout.Place(m_alwaysHeaders, 7, 133, 120, 10, true);
    m_maximized = Control<QCheckBox>(this, IDC_OUTPUT_MAXIMIZED, "Open Document &Maximized");
    layout.Place(m_maximized, 7, 145, 120, 10, true);
    m_noLinks = Control<QCheckBox>(this, IDC_OUTPUT_NOLINKS, "&No Links");
    layout.Place(m_noLinks, 7, 157, 120, 10, true);

    auto* ok = Control<QPushButton>(this, IDOK, "OK");
    ok->setDefault(true);
    auto* cancel = Control<QPushButton>(this, IDCANCEL, "Cancel");
    layout.Place(ok, 85, 167, 50, 14, true);
    layout.Place(cancel, 139, 167, 50, 14, true);
    layout.Apply();

    connect(ok, &QPushButton::clicked, this, &COutputOptionsDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &COutputOptionsDlg::reject);
    connect(m_disableColors, &QCheckBox::clicked, this, &COutputOptionsDlg::OnLinkSwitchClicked);
    connect(m_noLinks, &QCheckBox::clicked, this, &COutputOptionsDlg::OnLinkSwitchClicked);
}

void COutputOptionsDlg::UpdateData(bool saveAndValidate)
{
    if (saveAndValidate) {
        ReadRadio(m_nameOutput, NameOutput);
        RemoveNameNumber = m_removeNumber->isChecked();
        UnderlineLinks = m_underline->isChecked();
        DisableLinkColor = m_disableColors->isChecked();
        AlwaysShowHeaders = m_alwaysHeaders->isChecked();
        OpenMaximized = m_maximized->isChecked();
        NoLinks = m_noLinks->isChecked();
        return;
    }
    CheckRadio(m_nameOutput, NameOutput);
    m_removeNumber->setChecked(RemoveNameNumber != 0);
    m_underline->setChecked(UnderlineLinks != 0);
    m_disableColors->setChecked(DisableLinkColor != 0);
    m_alwaysHeaders->setChecked(AlwaysShowHeaders != 0);
    m_maximized->setChecked(OpenMaximized != 0);
    m_noLinks->setChecked(NoLinks != 0);
}

void COutputOptionsDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void COutputOptionsDlg::OnInitDialog()
{
    UpdateData(false);
    m_color->SelectColor(LinkColor);
    EnableControls();
}

void COutputOptionsDlg::EnableControls()
{
    const bool links = !m_noLinks->isChecked();
    const bool colours = links && !m_disableColors->isChecked();
    m_colorLabel->setEnabled(colours);
    m_color->setEnabled(colours);
    // The group's own enabling would take its children with it; only its frame and title
    // follow here.
    m_linksGroup->setEnabled(links);
    m_underline->setEnabled(links);
    m_disableColors->setEnabled(links);
}

void COutputOptionsDlg::OnLinkSwitchClicked()
{
    UpdateData(true);
    EnableControls();
}

void COutputOptionsDlg::accept()
{
    LinkColor = m_color->GetSelectedColor();
    UpdateData(true);
    QDialog::accept();
}
