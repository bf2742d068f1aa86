// The list browsers, their title list and the Please Wait box: the dialog on fixture
// lists, and every browser command through the real main window.

#include "GuiFixture.h"
#include "listdata/ui/GetInformationDlg.h"
#include "listdata/ui/SearchingDlg.h"
#include "platform/qt/QtText.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/ShellDialogIds.h"
#include "shell/app/PleaseWaitDlg.h"
#include "shell/app/SyncListRead.h"
#include "shell/browsers/ListBrowserDlg.h"
#include "shell/browsers/TitleListView.h"
#include "support/FixtureLists.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <stdexcept>

using namespace guitest;
using namespace resources;

namespace {

QStringList Rows(const CTitleListView& list)
{
    QStringList rows;
    for (int i = 0; i < list.GetCount(); ++i)
        rows << platform::ToQString(list.GetText(i));
    return rows;
}

void Select(CTitleListView& list, const std::string& title)
{
    for (int row = 0; row < list.GetCount(); ++row)
        if (list.GetText(row) == title) {
            list.setCurrentIndex(list.model()->index(row, 0));
            return;
        }
    QFAIL(("not listed: " + title).c_str());
}

QString Entry(QDialog& dialog)
{
    return dialog.findChild<QPlainTextEdit*>(QString::number(IDC_BROWSER_ENTRY))->toPlainText();
}

bool Enabled(QDialog& dialog, int id)
{
    return dialog.findChild<QPushButton*>(QString::number(id))->isEnabled();
}

// While the returned flag stays false, rejects every modal dialog of type T and counts it.
template <typename T> std::shared_ptr<bool> RejectWhileRunning(std::shared_ptr<int> shown)
{
    auto done = std::make_shared<bool>(false);
    auto attempt = std::make_shared<std::function<void()>>();
    *attempt = [shown, done, attempt] {
        if (*done)
            return;
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            ++*shown;
            dialog->reject();
        }
        QTimer::singleShot(5, *attempt);
    };
    QTimer::singleShot(0, *attempt);
    return done;
}

// Lists with titles beginning with a lower-case letter, a digit, a quote, a byte above
// 127 or nothing.
const char* const kTriviaBody = "# Zeta (1999)\n- about Zeta\n\n\n"
                                "# lower case (2000)\n- lower\n\n\n"
                                "# 9 Lives (2001)\n- nine\n\n\n"
                                "# \"Series\" (1990) {Pilot Stranger (#1.1)}\n- pilot\n\n\n"
                                "# \xC4pfel (2002)\n- apples\n\n\n"
                                "# \n- no title\n\n\n"
                                "# Alpha Stranger (1950)\n- A\n\n\n"
                                "# Zulu Stranger (1951)\n- Z\n\n\n";

} // namespace

class TestBrowsers : public QObject {
    Q_OBJECT

private slots:
    void init() { platform::MessageBox::ClearShown(); }
    void cleanup() { QCOMPARE(platform::MessageBox::PendingAnswers(), 0); }

    void letterFilterSearchAndSelection()
    {
        testsupport::TempDir dir;
        testsupport::WriteList(dir.Path(), kTrivia, kTriviaBody);
        const CAppSettings settings = testsupport::ListSettings(dir.Path());
        CTriviaBrowserDlg dialog(settings);
        dialog.LetterFilter = 0;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Trivia Browser"));
        CTitleListView& list = *dialog.TitleList();
        QCOMPARE(Rows(list), (QStringList{"lower case (2000)", "9 Lives (2001)",
                                          "\"Series\" (1990) {Pilot Stranger (#1.1)}", QString::fromLatin1("\xC4pfel (2002)"),
                                          ""}));
        QVERIFY(!Enabled(dialog, IDC_BROWSER_GETINFO));
        QVERIFY(!Enabled(dialog, IDC_BROWSER_SEARCH));
        QVERIFY(Entry(dialog).isEmpty());

        Click(dialog, IDC_BROWSER_OTHER + 'Z' - '@');
        QCOMPARE(Rows(list), (QStringList{"Zeta (1999)", "Zulu Stranger (1951)"}));
        Select(list, "Zeta (1999)");
        QCOMPARE(dialog.SelectedTitle, std::string("Zeta (1999)"));
        QCOMPARE(Entry(dialog), QStringLiteral("Zeta (1999)\n\n- about Zeta"));
        QVERIFY(Enabled(dialog, IDC_BROWSER_GETINFO));

        // A letter change and a search replace the list, not the selection or the entry.
        Click(dialog, IDC_BROWSER_LETTER_A);
        QCOMPARE(Rows(list), QStringList{"Alpha Stranger (1950)"});
        auto* edit = dialog.findChild<QLineEdit*>(QString::number(IDC_BROWSER_SEARCHTEXT));
        QTest::keyClicks(edit, "stranger");
        QVERIFY(Enabled(dialog, IDC_BROWSER_SEARCH));
        QTest::keyClick(edit, Qt::Key_Return);
        // Words beginning in any title, of any letter; an episode's name is not searched.
        QCOMPARE(Rows(list), (QStringList{"Alpha Stranger (1950)", "Zulu Stranger (1951)"}));
        QCOMPARE(dialog.LetterFilter, 1);
        QCOMPARE(dialog.SelectedTitle, std::string("Zeta (1999)"));
        QCOMPARE(Entry(dialog), QStringLiteral("Zeta (1999)\n\n- about Zeta"));
        QVERIFY(Enabled(dialog, IDC_BROWSER_GETINFO));
        // The letter that is the filter already does nothing, even after a search.
        Click(dialog, IDC_BROWSER_LETTER_A);
        QCOMPARE(list.GetCount(), 2);
        // Two words, each beginning a word.
        edit->setText(QStringLiteral("str zul"));
        Click(dialog, IDC_BROWSER_SEARCH);
        QCOMPARE(Rows(list), QStringList{"Zulu Stranger (1951)"});
        // With the search text emptied, Enter neither searches nor ends the dialog.
        edit->clear();
        QVERIFY(!Enabled(dialog, IDC_BROWSER_SEARCH));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(list.GetCount(), 1);
        QVERIFY(dialog.isVisible());
        QVERIFY(platform::MessageBox::Shown().isEmpty());
    }

    void unreadableListGivesOneBoxAndAnEmptyList()
    {
        testsupport::TempDir dir;
        const CAppSettings settings = testsupport::ListSettings(dir.Path());
        CSoundtracksBrowserDlg dialog(settings);
        dialog.LetterFilter = 99;
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        dialog.show();
        QCOMPARE(platform::MessageBox::Shown(),
                 QStringList{"Error in ListFile 'Soundtracks':\nCouldn't open file."});
        QCOMPARE(dialog.TitleList()->GetCount(), 0);
        // A filter outside 0-26 reads as "Other".
        QCOMPARE(dialog.LetterFilter, 0);
    }

    // The titles are read while the browser is being shown, before it has its place on the
    // screen: the box stands over the main window, not where the browser is not yet.
    void missingListIsToldOverTheMainWindow()
    {
        Program program;
        QVERIFY(program.Start());
        std::filesystem::remove(program.Lists() + DefaultListFileName(kTrivia));
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        bool shown = false;
        WhenModal<CBrowserDlg>([&shown](CBrowserDlg& browser) {
            shown = true;
            browser.reject();
        });
        program.Action(ID_BROWSERS_TRIVIA)->trigger();
        QVERIFY(shown);
        QCOMPARE(platform::MessageBox::Shown(), QStringList{"Error in ListFile 'Trivia':\nCouldn't open file."});
        QCOMPARE(platform::MessageBox::LastParent(), static_cast<QWidget*>(&program.Frame()));
    }

    void titleListExtentIsTheWidestRow()
    {
        shellcore::CTitleArena titles;
        for (const char* title : {"iiiiiiiiiiiiiiiiiiii", "WWWWWWWW", "short", "WWWWWWW"})
            titles.Add(title);
        CTitleListView list;
        list.SetTitles(&titles);
        list.AddTitles({0, 2, 3});
        const QFontMetrics metrics(list.font());
        const int widest = std::max({metrics.horizontalAdvance("iiiiiiiiiiiiiiiiiiii"),
                                     metrics.horizontalAdvance("short"), metrics.horizontalAdvance("WWWWWWW")});
        QCOMPARE(list.WidestExtent(), widest + CTitleListView::kExtentMargin);
        list.AddTitles({1});
        QCOMPARE(list.WidestExtent(),
                 std::max(widest, metrics.horizontalAdvance("WWWWWWWW")) + CTitleListView::kExtentMargin);
        QCOMPARE(list.TitleAt(3), 1);
        QCOMPARE(list.TitleAt(4), -1);
        list.ResetContent();
        QCOMPARE(list.WidestExtent(), 0);
        QCOMPARE(list.GetCount(), 0);
    }

    void pleaseWaitBoxIsCentredAndNeverEndsALoop()
    {
        QDialog owner;
        owner.setGeometry(100, 100, 600, 400);
        owner.show();
        CPleaseWaitDlg box;
        box.Create(&owner);
        QVERIFY(box.isVisible());
        QCOMPARE(box.windowTitle(), QStringLiteral("Please Wait..."));
        QVERIFY(!(box.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY((box.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength() <= 2);
        QSignalSpy finished(&box, &QDialog::finished);
        for (auto takeDown : {&QDialog::accept, &QDialog::reject}) {
            box.show();
            (box.*takeDown)();
            QVERIFY(!box.isVisible());
        }
        box.show();
        box.close();
        QVERIFY(!box.isVisible());
        QCOMPARE(finished.count(), 0);

        // Without an owner, the main window owns it.
        QMainWindow main;
        main.setGeometry(300, 200, 500, 300);
        main.show();
        CPleaseWaitDlg unowned;
        unowned.Create(nullptr);
        QCOMPARE(unowned.parentWidget(), &main);
        QVERIFY((unowned.frameGeometry().center() - main.frameGeometry().center()).manhattanLength() <= 2);
    }

    void syncReadRestoresTheCursorAndRemovesTheBoxWhenTheReadThrows()
    {
        QDialog owner;
        owner.show();
        try {
            const SyncListRead read(&owner);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            QCOMPARE(owner.findChildren<CPleaseWaitDlg*>().size(), 1);
            QVERIFY(owner.findChild<CPleaseWaitDlg*>()->isVisible());
            throw std::runtime_error("read failed");
        } catch (const std::runtime_error&) {
        }
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(owner.findChildren<CPleaseWaitDlg*>().isEmpty());
    }

    void browserCommands_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("filterName");
        QTest::newRow("alternate versions") << ID_BROWSERS_ALTVERSIONS << "Alternate Versions - Browser";
        QTest::newRow("business") << ID_BROWSERS_BUSINESS << "Business - Browser";
        QTest::newRow("crazy credits") << ID_BROWSERS_CRAZYCREDITS << "Crazy Credits - Browser";
        QTest::newRow("goofs") << ID_BROWSERS_GOOFS << "Goofs - Browser";
        QTest::newRow("movie links") << ID_BROWSERS_MOVIELINKS << "Movie Links - Browser";
        QTest::newRow("plot") << ID_BROWSERS_PLOT << "Plot - Browser";
        QTest::newRow("quotes") << ID_BROWSERS_QUOTES << "Quotes - Browser";
        QTest::newRow("ratings") << ID_BROWSERS_RATINGS << "Rating - Browser";
        QTest::newRow("soundtracks") << ID_BROWSERS_SOUNDTRACKS << "Soundtracks - Browser";
        QTest::newRow("taglines") << ID_BROWSERS_TAGLINES << "Taglines - Browser";
        QTest::newRow("trivia") << ID_BROWSERS_TRIVIA << "Trivia - Browser";
    }

    // Cancel keeps every filter; OK keeps exactly this browser's own; Get Movie/TV
    // Information makes one document and runs Get Information on it, and while a run
    // exists makes the document alone.
    void browserCommands()
    {
        QFETCH(int, id);
        QFETCH(QString, filterName);
        Program program;
        for (int i = 0; i < kBrowserCount; ++i)
            program.profile->WriteProfileInt("Settings", BrowserFilterNames[i], 0);
        QVERIFY(program.Start());
        QAction* action = program.Action(id);
        QVERIFY(action->isEnabled());
        const std::string film = program.generator->FeaturedFilm();
        const int letter = film.front() - '@';
        auto storedFilters = [&program] {
            QList<int> filters;
            for (int i = 0; i < kBrowserCount; ++i)
                filters << program.profile->GetProfileInt("Settings", BrowserFilterNames[i], -1);
            return filters;
        };
        const QList<int> before = storedFilters();

        WhenModal<CBrowserDlg>([letter](CBrowserDlg& browser) {
            browser.OnLetter(IDC_BROWSER_OTHER + letter);
            browser.reject();
        });
        action->trigger();
        QCOMPARE(storedFilters(), before);

        QString entry;
        WhenModal<CBrowserDlg>([letter, film, &entry](CBrowserDlg& browser) {
            browser.OnLetter(IDC_BROWSER_OTHER + letter);
            Select(*browser.TitleList(), film);
            entry = Entry(browser);
            Click(browser, IDOK);
        });
        action->trigger();
        QVERIFY2(entry.startsWith(platform::ToQString(film) + "\n"), qPrintable(entry));
        QList<int> expected = before;
        for (int i = 0; i < kBrowserCount; ++i)
            if (filterName == BrowserFilterNames[i])
                expected[i] = letter;
        QCOMPARE(storedFilters(), expected);
        QVERIFY(program.app->DocManager().GetDocuments().empty());

        // Reopened at the kept letter; Get Movie/TV Information.
        auto getInformation = [film](CBrowserDlg& browser) {
            Select(*browser.TitleList(), film);
            Click(browser, IDC_BROWSER_GETINFO);
        };
        WhenModal<CBrowserDlg>(getInformation);
        bool asked = false;
        WhenModal<CGetInformationDlg>([&asked](CGetInformationDlg& dialog) {
            asked = true;
            Click(dialog, IDOK);
        });
        action->trigger();
        QVERIFY(asked);
        QCOMPARE(program.app->DocManager().GetDocuments().size(), std::size_t(1));
        auto* document = dynamic_cast<CRVMDoc*>(program.app->DocManager().GetDocuments().front());
        QVERIFY(document);
        QCOMPARE(document->GetMovieTitle(), film);
        QVERIFY(program.Frame().IsSearchRunning());

        // The run's Searching box is still up: the document comes without the dialog.
        WhenModal<CBrowserDlg>(getInformation);
        auto shown = std::make_shared<int>(0);
        const std::shared_ptr<bool> done = RejectWhileRunning<CGetInformationDlg>(shown);
        action->trigger();
        *done = true;
        QCOMPARE(program.app->DocManager().GetDocuments().size(), std::size_t(2));
        QCOMPARE(*shown, 0);
        QTRY_VERIFY_WITH_TIMEOUT(program.Frame().SearchingDialog()->searching == 0, 30000);
    }
};

QTEST_MAIN(TestBrowsers)
#include "tst_Browsers.moc"
