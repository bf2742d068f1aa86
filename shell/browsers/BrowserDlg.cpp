#include "shell/browsers/BrowserDlg.h"

#include "listdata/SearchPattern.h"
#include "platform/qt/DialogTemplate.h"
#include "platform/qt/QtFont.h"
#include "platform/qt/QtText.h"
#include "resources/ControlIds.h"
#include "resources/ShellDialogIds.h"
#include "shell/browsers/TitleListView.h"

#include <QButtonGroup>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <utility>
#include <vector>

using namespace resources;

namespace {

// While a search runs nothing else happens on the GUI thread; its hits are shown this
// often at most.
constexpr qint64 kSearchRepaintMs = 50;

QPushButton* MakeButton(QWidget* parent, int id, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    // Enter belongs to the search button alone.
    button->setAutoDefault(false);
    return button;
}

} // namespace

CBrowserDlg::CBrowserDlg(const CAppSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_titleList(new CTitleListView(this)), m_letters(new QButtonGroup(this)),
      m_searchEdit(new QLineEdit(this)), m_searchButton(MakeButton(this, IDC_BROWSER_SEARCH, "Search")),
      m_getInfoButton(MakeButton(this, IDC_BROWSER_GETINFO, "Get Movie/TV Information")),
      m_okButton(MakeButton(this, IDOK, "OK")), m_entry(new QPlainTextEdit(this))
{
    setObjectName(QString::number(IDD_BROWSER));
    setWindowTitle(QStringLiteral("Browser"));
    // Caption, system menu and close box; a fixed frame.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    m_titleList->setObjectName(QString::number(IDC_BROWSER_TITLES));
    m_titleList->SetTitles(&Titles);
    m_searchEdit->setObjectName(QString::number(IDC_BROWSER_SEARCHTEXT));
    m_entry->setObjectName(QString::number(IDC_BROWSER_ENTRY));
    m_entry->setReadOnly(true);
    m_entry->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_entry->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_searchButton->setAutoDefault(true);
    m_searchButton->setDefault(true);

    platform::DialogTemplate layout(this, 420, 239);
    layout.Place(m_titleList, 7, 7, 232, 73);
    // "A" to "N" on the first row, "O" to "Z" on the second; only "A" is a tab stop.
    for (int letter = 1; letter <= 26; ++letter) {
        const int id = IDC_BROWSER_OTHER + letter;
        QPushButton* button = MakeButton(this, id, QString(QChar('A' + letter - 1)));
        button->setFocusPolicy(letter == 1 ? Qt::StrongFocus : Qt::ClickFocus);
        m_letters->addButton(button, id);
        const int column = letter <= 14 ? letter - 1 : letter - 15;
        layout.Place(button, 245 + 12 * column, letter <= 14 ? 7 : 19, 12, 12);
    }
    QPushButton* other = MakeButton(this, IDC_BROWSER_OTHER, "Other");
    other->setFocusPolicy(Qt::ClickFocus);
    m_letters->addButton(other, IDC_BROWSER_OTHER);
    layout.Place(other, 389, 19, 24, 12, true);
    layout.Place(m_searchEdit, 245, 41, 109, 14);
    layout.Place(m_searchButton, 363, 43, 50, 14, true);
    layout.Place(m_getInfoButton, 252, 66, 96, 14, true);
    layout.Place(m_okButton, 363, 66, 50, 14, true);
    layout.Place(m_entry, 7, 87, 406, 145);
    layout.Apply();
    // Tab order: list, "A", edit, "Search", "Get Movie/TV Information", "OK", entry.
    QWidget::setTabOrder(m_titleList, m_letters->button(IDC_BROWSER_LETTER_A));
    QWidget::setTabOrder(m_letters->button(IDC_BROWSER_LETTER_A), m_searchEdit);
    QWidget::setTabOrder(m_searchEdit, m_searchButton);
    QWidget::setTabOrder(m_searchButton, m_getInfoButton);
    QWidget::setTabOrder(m_getInfoButton, m_okButton);
    QWidget::setTabOrder(m_okButton, m_entry);

    connect(m_letters, &QButtonGroup::idClicked, this, &CBrowserDlg::OnLetter);
    connect(m_titleList, &CTitleListView::SelectionChanged, this, &CBrowserDlg::OnSelChangeTitle);
    connect(m_searchEdit, &QLineEdit::textChanged, this, &CBrowserDlg::OnChangeSearchText);
    connect(m_searchButton, &QPushButton::clicked, this, &CBrowserDlg::OnFindTitle);
    connect(m_getInfoButton, &QPushButton::clicked, this, &CBrowserDlg::OnGetInformation);
    connect(m_okButton, &QPushButton::clicked, this, &CBrowserDlg::accept);
}

CBrowserDlg::~CBrowserDlg() = default;

void CBrowserDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CBrowserDlg::OnInitDialog()
{
    GetInfoRequested = false;
    // The settings clamp the stored filters; a caller's value is not trusted either.
    if (LetterFilter < 0 || LetterFilter > 26)
        LetterFilter = 0;
    SearchText.clear();
    SelectedTitle.clear();
    m_searchEdit->clear();
    UpdateGetInfoButton();
    OnChangeSearchText();
    Titles.Clear();
    EntryFont = platform::CourierNewFont(12);
    m_entry->setFont(EntryFont);
}

void CBrowserDlg::UpdateData()
{
    SearchText = platform::FromQString(m_searchEdit->text());
}

void CBrowserDlg::FillTitleList()
{
    std::vector<std::uint32_t> rows;
    // Room for every title: pages a short letter leaves untouched cost nothing.
    rows.reserve(Titles.GetCount());
    for (std::size_t i = 0; i < Titles.GetCount(); ++i) {
        const std::string_view title = Titles[i];
        if (MatchesLetterFilter(title.empty() ? '\0' : title.front()))
            rows.push_back(static_cast<std::uint32_t>(i));
    }
    m_titleList->ResetContent();
    m_titleList->AddTitles(std::move(rows));
}

bool CBrowserDlg::MatchesLetterFilter(char c) const
{
    const int value = static_cast<signed char>(c);
    if (LetterFilter == 0)
        return value < 'A' || value > 'Z';
    return value - 64 == LetterFilter;
}

void CBrowserDlg::OnLetter(int id)
{
    const int filter = id - IDC_BROWSER_OTHER;
    if (filter == LetterFilter)
        return;
    LetterFilter = filter;
    FillTitleList();
    repaint();
}

void CBrowserDlg::OnSelChangeTitle()
{
    const long long index = m_titleList->TitleAt(m_titleList->GetCurSel());
    if (index >= 0)
        SelectedTitle = Titles[static_cast<std::size_t>(index)];
}

void CBrowserDlg::UpdateGetInfoButton()
{
    m_getInfoButton->setEnabled(!SelectedTitle.empty());
}

void CBrowserDlg::OnChangeSearchText()
{
    UpdateData();
    m_searchButton->setEnabled(!SearchText.empty());
}

void CBrowserDlg::OnFindTitle()
{
    UpdateData();
    CSearchPattern pattern;
    pattern.SetTitlePattern(SearchText.c_str());
    m_titleList->ResetContent();
    repaint();
    // Hits are shown as they are found, the list repainted at most every 50 ms.
    std::vector<std::uint32_t> hits;
    QElapsedTimer sinceShown;
    sinceShown.start();
    for (std::size_t i = 0; i < Titles.GetCount(); ++i) {
        if (!pattern.Match(kSearchWordBeginnings, Titles[i].data()))
            continue;
        hits.push_back(static_cast<std::uint32_t>(i));
        if (sinceShown.elapsed() >= kSearchRepaintMs) {
            m_titleList->AddTitles(std::exchange(hits, {}));
            repaint();
            sinceShown.restart();
        }
    }
    m_titleList->AddTitles(std::move(hits));
    repaint();
}

void CBrowserDlg::OnGetInformation()
{
    GetInfoRequested = true;
    QDialog::accept();
}

void CBrowserDlg::accept()
{
    UpdateData();
    QDialog::accept();
}

void CBrowserDlg::SetEntryText(const std::string& entry)
{
    QString text = platform::ToQString(entry);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_entry->setPlainText(text);
}
