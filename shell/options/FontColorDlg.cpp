#include "shell/options/FontColorDlg.h"

#include "platform/qt/DialogTemplate.h"
#include "platform/qt/QtFont.h"
#include "resources/ControlIds.h"
#include "shell/options/ColorComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace resources;

namespace {

constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

QCheckBox* Check(QWidget* parent, const char* text, bool checked)
{
    auto* check = new QCheckBox(QString::fromLatin1(text), parent);
    check->setChecked(checked);
    return check;
}

// A label above `control` whose mnemonic moves the focus to it; boxes in dialog units.
void PlaceLabelled(platform::DialogTemplate& layout, const char* text, const QRect& labelBox, QWidget* control,
                   const QRect& controlBox)
{
    auto* label = new QLabel(QString::fromLatin1(text), control->parentWidget());
    label->setBuddy(control);
    layout.Place(label, labelBox.x(), labelBox.y(), labelBox.width(), labelBox.height(), true);
    layout.Place(control, controlBox.x(), controlBox.y(), controlBox.width(), controlBox.height());
}

} // namespace

CFontColorDlg::CFontColorDlg(QWidget* parent, const platform::LogFont& font, platform::ColorRef colour,
                             int dotsPerInch)
    : QDialog(parent), Font(font), Color(colour), m_dotsPerInch(dotsPerInch)
{
    setObjectName(QStringLiteral("Font"));
    setWindowTitle(QStringLiteral("Font"));
    platform::DialogTemplate layout(this, 226, 136);

    m_family = new QFontComboBox(this);
    m_family->setObjectName(QStringLiteral("Family"));
    m_family->setCurrentFont(QFont(platform::FontFamilyFor(font.lfFaceName)));
    m_shownFamily = m_family->currentFont().family();
    PlaceLabelled(layout, "&Font:", QRect(7, 7, 140, 8), m_family, QRect(7, 17, 150, 14));

    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("Size"));
    m_size->setEditable(true);
    m_size->setValidator(new QIntValidator(1, 999, m_size));
    for (int size : kSizes)
        m_size->addItem(QString::number(size));
    m_size->setCurrentText(QString::number(platform::PointSizeOfLogFont(font, dotsPerInch)));
    PlaceLabelled(layout, "&Size:", QRect(163, 7, 56, 8), m_size, QRect(163, 17, 56, 14));

    auto* effects = new QGroupBox(QStringLiteral("Effects"), this);
    layout.Place(effects, 7, 37, 212, 40);
    m_bold = Check(effects, "&Bold", font.lfWeight >= platform::kBoldWeight);
    m_italic = Check(effects, "&Italic", font.lfItalic != 0);
    m_underline = Check(effects, "&Underline", font.lfUnderline != 0);
    m_strikeOut = Check(effects, "Stri&keout", font.lfStrikeOut != 0);
    layout.Place(m_bold, 14, 48, 60, 10, true);
    layout.Place(m_italic, 14, 61, 60, 10, true);
    layout.Place(m_underline, 80, 48, 64, 10, true);
    layout.Place(m_strikeOut, 80, 61, 64, 10, true);
    m_color = new CColorComboBox(effects);
    m_color->setObjectName(QStringLiteral("Color"));
    m_color->setCurrentIndex(m_color->AddCustomColor(colour));
    PlaceLabelled(layout, "&Color:", QRect(150, 48, 60, 8), m_color, QRect(150, 58, 62, 13));

    auto* sampleGroup = new QGroupBox(QStringLiteral("Sample"), this);
    layout.Place(sampleGroup, 7, 81, 212, 32);
    m_sample = new QLabel(QStringLiteral("AaBbYyZz"), sampleGroup);
    m_sample->setAlignment(Qt::AlignCenter);
    layout.Place(m_sample, 12, 90, 202, 20);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QString::number(IDCANCEL));
    layout.Place(ok, 115, 117, 50, 14, true);
    layout.Place(cancel, 169, 117, 50, 14, true);
    layout.Apply();

    connect(ok, &QPushButton::clicked, this, &CFontColorDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CFontColorDlg::reject);
    connect(m_family, &QFontComboBox::currentFontChanged, this, &CFontColorDlg::UpdateSample);
    connect(m_size, &QComboBox::currentTextChanged, this, &CFontColorDlg::UpdateSample);
    for (QCheckBox* check : {m_bold, m_italic, m_underline, m_strikeOut})
        connect(check, &QCheckBox::toggled, this, &CFontColorDlg::UpdateSample);
    connect(m_color, &QComboBox::currentIndexChanged, this, &CFontColorDlg::UpdateSample);
    UpdateSample();
}

QFont CFontColorDlg::Chosen() const
{
    // A family left as it was keeps the stored face, even where a stand-in shows for it.
    const QString family = m_family->currentFont().family();
    QFont font(family == m_shownFamily ? platform::FontFamilyFor(Font.lfFaceName) : family);
    const int size = m_size->currentText().toInt();
    font.setPointSize(size > 0 ? size : platform::PointSizeOfLogFont(Font, m_dotsPerInch));
    font.setWeight(m_bold->isChecked() ? QFont::Bold : QFont::Normal);
    font.setItalic(m_italic->isChecked());
    font.setUnderline(m_underline->isChecked());
    font.setStrikeOut(m_strikeOut->isChecked());
    return font;
}

void CFontColorDlg::UpdateSample()
{
    // The sample as the documents will show it: the stored record with the choice.
    m_sample->setFont(platform::FontFromLogFont(platform::LogFontFromQFont(Chosen(), Font, m_dotsPerInch)));
    QPalette palette = m_sample->palette();
    const platform::ColorRef colour = m_color->GetSelectedColor();
    palette.setColor(QPalette::WindowText,
                     QColor(platform::RedOf(colour), platform::GreenOf(colour), platform::BlueOf(colour)));
    m_sample->setPalette(palette);
}

void CFontColorDlg::accept()
{
    Font = platform::LogFontFromQFont(Chosen(), Font, m_dotsPerInch);
    Color = m_color->GetSelectedColor();
    QDialog::accept();
}
