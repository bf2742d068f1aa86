#include "shell/app/AboutDlg.h"

#include "listdata/ListLine.h"
#include "platform/qt/DialogTemplate.h"
#include "platform/qt/HyperLink.h"
#include "platform/qt/QtText.h"
#include "resources/ControlIds.h"
#include "resources/OptionsIds.h"
#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

using namespace resources;

// The program's pictures live in a resource of the shell's static library, which the
// linker keeps only when it is named.
static void InitResources()
{
    Q_INIT_RESOURCE(reelvoyager);
}

namespace {

// A text of the box, wrapped within its place and starting at its top.
QLabel* Text(QWidget* dialog, const char* text)
{
    auto* label = new QLabel(QString::fromLatin1(text), dialog);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

CHyperLink* Link(QWidget* dialog, int id, const std::string& text, const std::string& url)
{
    auto* link = new CHyperLink(platform::ToQString(text), dialog);
    link->setObjectName(QString::number(id));
    link->SetURL(url);
    return link;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent, const std::string& providerAddress) : QDialog(parent)
{
    InitResources();
    setObjectName(QString::number(IDD_ABOUTBOX));
    setWindowTitle(QStringLiteral("About Reelvoyager"));
    platform::DialogTemplate layout(this, 250, 190);

    auto* icon = new QLabel(this);
    icon->setObjectName(QString::number(IDR_MAINFRAME_ICON));
    icon->setPixmap(QPixmap(QString::fromLatin1(kMainFrameIconPath)));
    layout.Place(icon, 9, 9, 21, 20);
    // The version line keeps to one line: the box widens until it fits.
    layout.Place(new QLabel(QStringLiteral("Reelvoyager - Version 3.5            (2007.04.06)"), this), 38, 12, 150, 8,
                 true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    layout.Place(ok, 193, 9, 50, 14, true);

    layout.Place(Text(this, "Reelvoyager comes without any warranty or support, but if you have problems, "
                            "questions or any comments about it, feel free to send me an email."),
                 38, 34, 205, 36);
    m_mail = Link(this, IDC_ABOUT_MAIL, kMailAddress, std::string("mailto:") + kMailAddress);
    layout.Place(m_mail, 38, 71, 205, 10);
    layout.Place(Text(this, "Visit my home page for news and the latest version of Reelvoyager."), 38, 86, 205, 18);
    m_homePage = Link(this, IDC_ABOUT_HOMEPAGE, kHomePage, kHomePage);
    layout.Place(m_homePage, 38, 105, 205, 10);
    layout.Place(Text(this, "For more info about Zuvo and for the latest Listfiles."), 38, 120, 205, 18);
    m_provider = Link(this, IDC_ABOUT_PROVIDER, providerAddress, providerAddress);
    layout.Place(m_provider, 38, 139, 205, 10);

    auto* bitmap = new QLabel(this);
    bitmap->setObjectName(QString::number(IDB_ABOUT));
    bitmap->setPixmap(QPixmap(QString::fromLatin1(kAboutBitmapPath)));
    layout.Place(bitmap, 38, 154, 64, 30);
    layout.Apply();

    connect(ok, &QPushButton::clicked, this, &CAboutDlg::accept);
}

void CReelvoyagerApp::OnAppAbout()
{
    CAboutDlg dialog(MainFrame(), kProviderWebAddress);
    dialog.exec();
}
