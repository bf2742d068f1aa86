// The views' right-click menus and link commands, driven through the real main window:
// the links are written through each view's own writer, clicked with the mouse, and the
// popup menus answered through their test hook.

#include "GuiFixture.h"
#include "listdata/ui/GetInformationDlg.h"
#include "platform/qt/PopupMenu.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ShellOpen.h"
#include "resources/CommandIds.h"
#include "resources/NewDocumentIds.h"

#include <QLineEdit>
#include <QTextCursor>

using namespace guitest;
using namespace resources;

namespace {

// The links every test view holds, one per kind, on lines of their own.
struct TestLink {
    RtfLinkKind kind;
    const char* display;
    const char* target;
    const char* alt;
};
const TestLink kLinks[] = {
    {RtfLinkKind::Title, "The Wedding (#1.2)", "\"Harbour Lights\" (1999) {The Wedding (#1.2)}",
     "Harbour Lights - The Wedding (#1.2)"},
    {RtfLinkKind::Name, "Stanley Kubrick", "Kubrick, Stanley", ""},
    {RtfLinkKind::NameReference, "Smith & Jones", "Smith & Jones", ""},
    {RtfLinkKind::WebAddress, "https://www.zuvo.example/Title?Dune", "https://www.zuvo.example/Title?Dune", ""},
};

// Replaces the view's text by a line of plain text and one line per test link.
void WriteLinks(CRichDocumentView& view)
{
    CRtfWriter& writer = view.Writer();
    writer.SetupFont();
    writer.Reset();
    writer.BeginDocument();
    writer.Paragraph(0, 0, true);
    writer.WriteText("Plain words here", 0, false);
    writer.NewLine();
    for (const TestLink& link : kLinks) {
        writer.WriteText("Link: ", 0, false);
        writer.WriteLink(link.display, link.target, link.alt, 0, link.kind, false);
        writer.NewLine();
    }
    writer.EndDocument();
    QVERIFY(writer.StreamIn());
}

// The middle of character `position` of the view's text, in viewport coordinates.
QPoint PointOf(CRichDocumentView& view, int position)
{
    QTextCursor cursor(view.document());
    cursor.setPosition(position);
    const QRect left = view.cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect right = view.cursorRect(cursor);
    return QPoint((left.left() + right.left()) / 2, left.center().y());
}

// A point beside every link: far right of the first, short line.
QPoint WhiteSpace(CRichDocumentView& view)
{
    QTextCursor cursor(view.document());
    cursor.setPosition(3);
    return view.cursorRect(cursor).center() + QPoint(view.viewport()->width() / 2, 0);
}

// Right-clicks `point` with the mouse; the popup is answered by what was queued.
void RightClick(CRichDocumentView& view, const QPoint& point)
{
    QTest::mousePress(view.viewport(), Qt::RightButton, Qt::NoModifier, point);
    QTest::mouseRelease(view.viewport(), Qt::RightButton, Qt::NoModifier, point);
}

// The last popup's entries: '-' for a separator, '!' before a disabled item.
QString Offered()
{
    QStringList items;
    for (const platform::PopupMenu::Offered& entry : platform::PopupMenu::LastOffered())
        items << (entry.id == 0 ? QStringLiteral("-")
                                : (entry.enabled ? QString() : QStringLiteral("!")) + platform::ToQString(entry.text));
    return items.join(QLatin1Char('|'));
}

int LinkIndex(RtfLinkKind kind)
{
    for (int i = 0; i < static_cast<int>(std::size(kLinks)); ++i)
        if (kLinks[i].kind == kind)
            return i;
    return -1;
}

std::string HeadingOf(platform::CDocument* document)
{
    const CRecordStore& records = dynamic_cast<CRVMDoc*>(document) ? static_cast<CRVMDoc*>(document)->GetRecords()
                                                                    : static_cast<CRVCDoc*>(document)->GetRecords();
    auto lock = records.Lock();
    const int index = records.FindFirst(kRecordHeading);
    if (index < 0)
        return {};
    const InfoRecord record = records.GetRecord(index);
    return std::string(record.GetText(), record.GetTextLength());
}

} // namespace

class TestLinkMenus : public QObject {
    Q_OBJECT

private:
    // A started program with one document of `view` kind ("movie" or "cast"), its view
    // showing the test links.
    CRichDocumentView* Open(const QString& view)
    {
        if (!m_program->Start())
            return nullptr;
        m_program->Frame().show();
        platform::CDocument* document = view == QStringLiteral("movie")
                                            ? static_cast<platform::CDocument*>(
                                                  m_program->NewMovie(m_program->generator->FeaturedFilm()))
                                            : m_program->NewPerson(m_program->generator->FeaturedActor());
        m_document = document;
        CRichDocumentView* shown = Program::ViewOf(document);
        WriteLinks(*shown);
        return shown;
    }

private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
        platform::PopupMenu::ClearChoices();
        platform::ShellOpen::ClearOpened();
        platform::MessageBox::ClearShown();
    }
    void cleanup()
    {
        QCOMPARE(platform::PopupMenu::PendingChoices(), 0);
        QCOMPARE(platform::ShellOpen::PendingResults(), 0);
        m_program.reset();
    }

    void popupMenuPerLinkKind_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("kind"); // -1: white space
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("entries");
        const QString movieTail = "-|New &Movie/TV|New Cas&t/Crew|-|&Output Options|Movie/&TV Options";
        const QString castTail = "-|New &Movie/TV|New Cas&t/Crew|-|&Output Options|C&ast/Crew Options";
        const struct {
            int kind;
            int movieMenu;
            int castMenu;
            const char* head;
        } rows[] = {
            {-1, 142, 143, "!&Copy|"},
            {0, 146, 147, "&Copy|-|Get Movie/TV &Information|"},
            {1, 148, 149, "&Copy|-|Get Cast/Crew &Information|"},
            {2, 151, 150, "&Copy|-|Send To &New Cast/Crew Dialog|Get Information for 'Smith && Jones'|"},
            {3, 144, 145, "&Copy|-|Go to &URL|"},
        };
        for (const auto& row : rows) {
            QTest::addRow("movie/%d", row.kind) << "movie" << row.kind << row.movieMenu << row.head + movieTail;
            QTest::addRow("cast/%d", row.kind) << "cast" << row.kind << row.castMenu << row.head + castTail;
        }
    }

    void popupMenuPerLinkKind()
    {
        QFETCH(QString, view);
        QFETCH(int, kind);
        QFETCH(int, menu);
        QFETCH(QString, entries);
        CRichDocumentView* shown = Open(view);
        QVERIFY(shown);
        const int index = kind < 0 ? -1 : LinkIndex(static_cast<RtfLinkKind>(kind));
        // The third character of the link, or beside every link.
        QPoint point = WhiteSpace(*shown);
        if (index >= 0)
            point = PointOf(*shown, shown->Writer().Links().GetAt(index).start + 2);
        platform::PopupMenu::SetNextChoice(0);
        RightClick(*shown, point);

        QCOMPARE(shown->PopupMenuShown(), menu);
        QCOMPARE(Offered(), entries);
        QCOMPARE(shown->ClickedLink(), index);
        if (index >= 0)
            QCOMPARE(shown->textCursor().selectedText(), QString::fromLatin1(kLinks[index].display));
        else
            QVERIFY(!shown->textCursor().hasSelection());
    }

    void whiteSpaceForgetsTheLinkAndOffersNoLinkCommand()
    {
        CRichDocumentView* shown = Open(QStringLiteral("movie"));
        QVERIFY(shown);
        const RtfLink web = shown->Writer().Links().GetAt(LinkIndex(RtfLinkKind::WebAddress));
        platform::PopupMenu::SetNextChoice(0);
        RightClick(*shown, PointOf(*shown, web.start + 2));
        QCOMPARE(shown->ClickedLink(), LinkIndex(RtfLinkKind::WebAddress));
        // The "none" menu offers no Go to URL, so a choice of it does nothing.
        platform::PopupMenu::SetNextChoice(ID_LINK_GOTOURL);
        RightClick(*shown, WhiteSpace(*shown));
        QCOMPARE(shown->ClickedLink(), -1);
        QVERIFY(platform::ShellOpen::Opened().isEmpty());
        shown->OnCommand(ID_LINK_GOTOURL);
        QVERIFY(platform::ShellOpen::Opened().isEmpty());
    }

    void linkCommandMakesADocumentAndRunsGetInformation_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("movieDocument");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<bool>("rebuildWhileOpen");
        const struct {
            const char* view;
            RtfLinkKind kind;
            int command;
            bool movie;
            const char* heading;
        } rows[] = {
            // An episode link in a Movie/TV view: the heading names the series.
            {"movie", RtfLinkKind::Title, ID_LINK_GETMOVIETVINFO, true, "Harbour Lights - The Wedding (#1.2)"},
            {"cast", RtfLinkKind::Title, ID_LINK_GETMOVIETVINFO, true, "The Wedding (#1.2)"},
            {"movie", RtfLinkKind::Name, ID_LINK_GETCASTCREWINFO, false, "Stanley Kubrick"},
            {"cast", RtfLinkKind::NameReference, ID_LINK_GETINFOFORNAME, false, "Smith & Jones"},
        };
        for (bool rebuild : {false, true})
            for (const auto& row : rows)
                QTest::addRow("%s/%d/%d%s", row.view, int(row.kind), row.command, rebuild ? "/rebuilt" : "")
                    << row.view << int(row.kind) << row.command << row.movie << row.heading << rebuild;
    }

    void linkCommandMakesADocumentAndRunsGetInformation()
    {
        QFETCH(QString, view);
        QFETCH(int, kind);
        QFETCH(int, command);
        QFETCH(bool, movieDocument);
        QFETCH(QString, heading);
        QFETCH(bool, rebuildWhileOpen);
        CRichDocumentView* shown = Open(view);
        QVERIFY(shown);
        const TestLink& link = kLinks[LinkIndex(static_cast<RtfLinkKind>(kind))];
        platform::CDocument* clicked = m_document;
        platform::PopupMenu::SetNextAnswer([&](const std::vector<platform::PopupMenu::Offered>&) {
            // A search message arriving while the menu is open rebuilds the text: the
            // selection and the link table are gone.
            if (rebuildWhileOpen) {
                clicked->UpdateAllViews(nullptr, 0);
                if (shown->textCursor().hasSelection() || shown->Writer().Links().GetCount() > 1)
                    return 0;
            }
            return command;
        });
        bool getInformationShown = false;
        WhenModal<CGetInformationDlg>([&getInformationShown](CGetInformationDlg& dialog) {
            getInformationShown = true;
            dialog.reject();
        });
        const auto before = m_program->app->DocManager().GetDocuments();
        RightClick(*shown, PointOf(*shown, shown->Writer().Links().GetAt(LinkIndex(link.kind)).start + 2));

        const auto documents = m_program->app->DocManager().GetDocuments();
        QCOMPARE(documents.size(), before.size() + 1);
        platform::CDocument* made = nullptr;
        for (platform::CDocument* document : documents)
            if (std::find(before.begin(), before.end(), document) == before.end())
                made = document;
        QVERIFY(made);
        QCOMPARE(dynamic_cast<CRVMDoc*>(made) != nullptr, movieDocument);
        QCOMPARE(QString::fromStdString(HeadingOf(made)), heading);
        const std::string key = movieDocument ? static_cast<CRVMDoc*>(made)->GetMovieTitle()
                                              : static_cast<CRVCDoc*>(made)->GetPersonName();
        QCOMPARE(key, std::string(link.target));
        QTRY_VERIFY(getInformationShown);
    }

    void goToUrlOpensTheAddressOrSaysItCouldNot_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("opened") << platform::ShellOpen::kSuccess << QString();
        QTest::newRow("failed") << 2 << QStringLiteral("Couldn't open a Internet Browser!");
    }

    void goToUrlOpensTheAddressOrSaysItCouldNot()
    {
        QFETCH(int, result);
        QFETCH(QString, message);
        CRichDocumentView* shown = Open(QStringLiteral("cast"));
        QVERIFY(shown);
        const RtfLink web = shown->Writer().Links().GetAt(LinkIndex(RtfLinkKind::WebAddress));
        platform::ShellOpen::SetNextResult(result);
        if (!message.isEmpty())
            platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        platform::PopupMenu::SetNextChoice(ID_LINK_GOTOURL);
        RightClick(*shown, PointOf(*shown, web.start + 2));
        QCOMPARE(platform::ShellOpen::Opened(), QStringList{QString::fromStdString(web.target)});
        QCOMPARE(platform::MessageBox::Shown().value(0), message);
    }

    // A document file may hold any web address: only http and https open (www. as http),
    // anything else gets the box a failed open shows.
    void goToUrlOpensOnlyWebAddresses_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("opened"); // empty: nothing opens, the box shows
        const QString dune = QStringLiteral("https://www.zuvo.example/Title?Dune");
        QTest::newRow("https") << dune << dune;
        QTest::newRow("http") << "http://www.zuvo.example/Name?Smith,+John"
                              << "http://www.zuvo.example/Name?Smith,+John";
        QTest::newRow("capitals") << "HTTPS://WWW.ZUVO.EXAMPLE"
                                  << "HTTPS://WWW.ZUVO.EXAMPLE";
        QTest::newRow("blanks around") << " https://www.zuvo.example/\r\n"
                                       << "https://www.zuvo.example/";
        QTest::newRow("quotes and braces") << "https://www.zuvo.example/Title?\"S\"+(1999)+{Ep+(#1.2)}"
                                           << "https://www.zuvo.example/Title?\"S\"+(1999)+{Ep+(#1.2)}";
        QTest::newRow("www.") << "www.zuvo.example/Title?Dune"
                              << "http://www.zuvo.example/Title?Dune";
        QTest::newRow("WWW.") << "WWW.zuvo.example"
                              << "http://WWW.zuvo.example";
        QTest::newRow("file:") << "file:///etc/passwd"
                               << "";
        QTest::newRow("javascript:") << "javascript:alert(1)"
                                     << "";
        QTest::newRow("relative path") << "../lists/Actors.list"
                                       << "";
        QTest::newRow("absolute path") << "/etc/passwd"
                                       << "";
        QTest::newRow("mailto:") << "mailto:someone@zuvo.example"
                                 << "";
        QTest::newRow("ftp:") << "ftp://www.zuvo.example/"
                              << "";
        QTest::newRow("no host") << "https:///etc/passwd"
                                 << "";
        QTest::newRow("no slashes") << "http:www.zuvo.example"
                                    << "";
        QTest::newRow("bare host") << "zuvo.example"
                                   << "";
        QTest::newRow("www without dot") << "wwwzuvo.example"
                                         << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void goToUrlOpensOnlyWebAddresses()
    {
        QFETCH(QString, target);
        QFETCH(QString, opened);
        CRichDocumentView* shown = Open(QStringLiteral("movie"));
        QVERIFY(shown);
        CRtfWriter& writer = shown->Writer();
        writer.Reset();
        writer.BeginDocument();
        writer.WriteText("Zuvo URL: ", kRtfStyleBold, false);
        writer.WriteLink("Zuvo", platform::FromQString(target), "", 0, RtfLinkKind::WebAddress, false);
        writer.EndDocument();
        QVERIFY(writer.StreamIn());
        // A result is queued either way: a refused target must leave it untaken.
        platform::ShellOpen::SetNextResult(platform::ShellOpen::kSuccess);
        if (opened.isEmpty())
            platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        platform::PopupMenu::SetNextChoice(ID_LINK_GOTOURL);
        RightClick(*shown, PointOf(*shown, writer.Links().GetAt(0).start + 1));
        QCOMPARE(shown->ClickedLink(), 0);
        if (opened.isEmpty()) {
            QCOMPARE(platform::ShellOpen::Opened(), QStringList());
            QCOMPARE(platform::MessageBox::Shown(), QStringList{QStringLiteral("Couldn't open a Internet Browser!")});
            QCOMPARE(platform::ShellOpen::PendingResults(), 1);
            platform::ShellOpen::ClearResults();
        } else {
            QCOMPARE(platform::ShellOpen::Opened(), QStringList{opened});
            QCOMPARE(platform::MessageBox::Shown(), QStringList());
        }
    }

    void popupCommandsOpenTheirDialogs_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("kind"); // -1: white space with a word selected first
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("prefill");
        QTest::newRow("new movie") << "movie" << -1 << ID_LINK_NEWMOVIETV << "133" << "words";
        QTest::newRow("new person") << "cast" << -1 << ID_LINK_NEWCASTCREW << "134" << "words";
        QTest::newRow("new from a link") << "cast" << 1 << ID_LINK_NEWMOVIETV << "133" << "Stanley Kubrick";
        QTest::newRow("send to new") << "movie" << 2 << ID_LINK_SENDTONEWCASTCREW << "134" << "Smith & Jones";
        QTest::newRow("output options") << "movie" << -1 << ID_OPTIONS_OUTPUTOPTIONS << "136" << "";
        QTest::newRow("movie options") << "movie" << 0 << ID_OPTIONS_MOVIETVOPTIONS << "137" << "";
        QTest::newRow("cast options") << "cast" << 3 << ID_OPTIONS_CASTCREWOPTIONS << "138" << "";
    }

    void popupCommandsOpenTheirDialogs()
    {
        QFETCH(QString, view);
        QFETCH(int, kind);
        QFETCH(int, command);
        QFETCH(QString, dialog);
        QFETCH(QString, prefill);
        CRichDocumentView* shown = Open(view);
        QVERIFY(shown);
        QPoint point = WhiteSpace(*shown);
        if (kind >= 0)
            point = PointOf(*shown, shown->Writer().Links().GetAt(LinkIndex(static_cast<RtfLinkKind>(kind))).start + 2);
        else
            shown->SelectRange(6, 11); // "words"
        QString shownDialog, shownText;
        WhenModal<QDialog>([&](QDialog& modal) {
            shownDialog = modal.objectName();
            if (auto* edit = modal.findChild<QLineEdit*>(QString::number(IDC_NEWDOC_SEARCHTEXT)))
                shownText = edit->text();
            modal.reject();
        });
        platform::PopupMenu::SetNextChoice(command);
        RightClick(*shown, point);
        QTRY_COMPARE(shownDialog, dialog);
        QCOMPARE(shownText, prefill);
    }

private:
    std::unique_ptr<Program> m_program;
    platform::CDocument* m_document = nullptr;
};

QTEST_MAIN(TestLinkMenus)
#include "tst_LinkMenus.moc"
