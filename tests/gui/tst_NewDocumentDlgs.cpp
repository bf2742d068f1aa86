// The New Movie/TV and New Cast/Crew Document dialogs driven as a user would: typing,
// choosing the search type, Search, Cancel Search, picking lines and OK, with the
// message boxes answered through the platform hooks.

#include "documents/CastCrewDocTemplate.h"
#include "documents/MovieTVDocTemplate.h"
#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "listdata/ui/NewCastCrewDlg.h"
#include "listdata/ui/NewMovieTVDlg.h"
#include "platform/Clock.h"
#include "platform/DocManager.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/ShellOpen.h"
#include "platform/qt/WideListBox.h"
#include "resources/ControlIds.h"
#include "resources/NewDocumentIds.h"
#include "support/FixtureLists.h"
#include "tools/ListGenerator.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <ctime>
#include <functional>

using namespace resources;
using testsupport::WriteList;

namespace {

template <class T> T* Control(QWidget* dialog, int id)
{
    return dialog->findChild<T*>(QString::number(id));
}

QStringList Lines(const CWideListBox* box)
{
    QStringList lines;
    for (int i = 0; i < box->count(); ++i)
        lines << box->item(i)->text();
    return lines;
}

std::time_t March5th2024()
{
    std::tm t{};
    t.tm_year = 124;
    t.tm_mon = 2;
    t.tm_mday = 5;
    t.tm_hour = 12;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

// The records of a new document as "type/key=value" texts.
QStringList RecordTexts(const CRecordStore& store)
{
    QStringList out;
    for (int i = 0; i < store.GetCount(); ++i) {
        const InfoRecord r = store.GetRecord(i);
        std::int32_t value = 0;
        const QString text =
            r.GetInt(value) && r.type == kRecordDocInfo ? QString::number(value) : QString::fromLatin1(r.GetText());
        out << QStringLiteral("%1/%2=%3").arg(r.type).arg(r.key).arg(text);
    }
    return out;
}

QStringList ExpectedRecords(const QString& heading, const QString& link, int docVersion)
{
    return {"48/0=" + heading, "49/0=" + link, "50/0=773", "50/8=773",  QStringLiteral("50/1=%1").arg(docVersion),
            "50/2=2024",       "50/3=3",       "50/4=5",   "50/5=2024", "50/6=3",
            "50/7=5"};
}

const char* const kMoviesBody = "\n"
                                "Matrix, The (1999)\t\t\t\t\t1999\n"
                                "Matrix Reloaded, The (2003)\t\t\t\t2003\n"
                                "Star Wars (1977)\t\t\t\t\t1977\n"
                                "\n";
const char* const kAkaTitlesBody = "\n"
                                   "Matrix, The (1999)\n"
                                   "   (aka Die Matrix (1999))\t(Germany)\n"
                                   "   (aka The Matrix (1999) (V))\t(USA)\n"
                                   "\n";

} // namespace

class TestNewDocumentDlgs : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<testsupport::TempDir>();
        m_settings = testsupport::ListSettings(m_dir->Path());
        WriteList(m_dir->Path(), kMovies, kMoviesBody);
        WriteList(m_dir->Path(), kAkaTitles, kAkaTitlesBody);
        m_manager = std::make_unique<platform::CDocManager>();
        m_manager->AddDocTemplate(std::make_unique<CMovieTVDocTemplate>());
        m_manager->AddDocTemplate(std::make_unique<CCastCrewDocTemplate>());
        platform::SetClock(&m_clock);
        platform::MessageBox::ClearShown();
    }

    void cleanup()
    {
        platform::SetClock(nullptr);
        m_manager.reset();
        m_dir.reset();
        QCOMPARE(platform::MessageBox::PendingAnswers(), 0);
    }

    void movieDialogStartsIdleWithSearchDisabledForAnEmptyText()
    {
        CNewMovieTVDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchType = 1;
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("New Movie/TV Document"));
        auto* search = Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH);
        auto* edit = Control<QLineEdit>(&dlg, IDC_NEWDOC_SEARCHTEXT);
        QVERIFY(search && edit);
        QVERIFY(!search->isEnabled());
        QVERIFY(!Control<QPushButton>(&dlg, IDOK)->isEnabled());
        QVERIFY(!Control<QPushButton>(&dlg, IDC_NEWDOC_CANCELSEARCH)->isVisible());
        QVERIFY(!Control<QLabel>(&dlg, IDC_NEWDOC_STATUS)->isVisible());
        QVERIFY(Control<QRadioButton>(&dlg, IDC_NEWMOVIE_WHOLEWORDS)->isChecked());
        QCOMPARE(edit->maxLength(), 255);
        QTest::keyClicks(edit, "ma");
        QVERIFY(search->isEnabled());
        QCOMPARE(dlg.SearchText, std::string("ma"));
        edit->clear();
        QVERIFY(!search->isEnabled());

        // Return in the text searches: Search is the default button.
        QTest::keyClicks(edit, "star wars");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(Lines(dlg.Results()), QStringList{"Star Wars (1977)"});
        QVERIFY(dlg.isVisible());
    }

    void resultListShowsScrollBarsOnlyWhenNeeded()
    {
        CNewMovieTVDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchText = "star wars";
        dlg.show();
        Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH)->click();
        CWideListBox* results = dlg.Results();
        QCOMPARE(results->count(), 1);
        QTRY_VERIFY(!results->horizontalScrollBar()->isVisible() && !results->verticalScrollBar()->isVisible());
        results->AddString(std::string(400, 'x'));
        QTRY_VERIFY(results->horizontalScrollBar()->isVisible());
        for (int i = 0; i < 40; ++i)
            results->AddString("line");
        QTRY_VERIFY(results->verticalScrollBar()->isVisible());
    }

    void searchWithAkaTitlesThenOkCreatesADocumentPerChosenLine()
    {
        CNewMovieTVDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchText = "The Matrix";
        dlg.SearchType = 1;
        dlg.AlsoAka = 1;
        dlg.show();
        const int beeps = platform::BeepCount();
        QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH), Qt::LeftButton);
        const QStringList expected = {"Matrix, The (1999)", "Matrix Reloaded, The (2003)", "Matrix, The (1999)",
                                      "   aka - The Matrix (1999) (V)"};
        QCOMPARE(Lines(dlg.Results()), expected);
        QCOMPARE(platform::BeepCount(), beeps + 1);
        QVERIFY(platform::MessageBox::Shown().isEmpty());
        QCOMPARE(Control<QLabel>(&dlg, IDC_NEWDOC_STATUS)->text(), QStringLiteral("Searching - Done!"));
        QVERIFY(Control<QPushButton>(&dlg, IDOK)->isEnabled());
        QVERIFY(Control<QPushButton>(&dlg, IDOK)->isVisible());
        QVERIFY(!Control<QPushButton>(&dlg, IDC_NEWDOC_CANCELSEARCH)->isVisible());

        // The main line of the aka record and its aka line: two documents.
        dlg.Results()->item(2)->setSelected(true);
        dlg.Results()->item(3)->setSelected(true);
        QTest::mouseClick(Control<QPushButton>(&dlg, IDOK), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        const auto docs = m_manager->FindTemplate(CMovieTVDocTemplate::kProgId)->GetDocuments();
        QCOMPARE(docs.size(), std::size_t(2));
        auto* first = dynamic_cast<CRVMDoc*>(docs[0]);
        auto* second = dynamic_cast<CRVMDoc*>(docs[1]);
        QCOMPARE(first->GetMovieTitle(), std::string("Matrix, The (1999)"));
        QCOMPARE(second->GetMovieTitle(), std::string("Matrix, The (1999)"));
        const QString link = QStringLiteral("https://www.zuvo.example/Title?Matrix,+The+(1999)");
        QCOMPARE(RecordTexts(first->GetRecords()), ExpectedRecords("Matrix, The (1999)", link, 0x300));
        QCOMPARE(RecordTexts(second->GetRecords()), ExpectedRecords("The Matrix (1999) (V)", link, 0x300));
        QCOMPARE(dlg.SearchText, std::string("The Matrix"));
        QCOMPARE(dlg.AlsoAka, 1);
    }

    void nothingFoundShowsTheBoxAndABeep()
    {
        CNewMovieTVDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchText = "no such title";
        dlg.SearchType = 3;
        dlg.show();
        const int beeps = platform::BeepCount();
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH), Qt::LeftButton);
        QCOMPARE(platform::MessageBox::Shown(),
                 QStringList{"No Movies Found!\nCheck the spelling or try another 'Search Type'."});
        QCOMPARE(platform::BeepCount(), beeps + 1);
        QVERIFY(!Control<QPushButton>(&dlg, IDOK)->isEnabled());
    }

    void aMissingMoviesFileShowsOneErrorBoxAndNoBeep()
    {
        std::remove(m_settings.ListFilePath(kMovies).c_str());
        CNewMovieTVDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchText = "matrix";
        dlg.SearchType = 1;
        dlg.AlsoAka = 1;
        dlg.show();
        const int beeps = platform::BeepCount();
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH), Qt::LeftButton);
        QCOMPARE(platform::MessageBox::Shown(), QStringList{"Error in Listfile 'Movies':\nCouldn't open file."});
        QCOMPARE(platform::BeepCount(), beeps);
        QVERIFY(!Control<QPushButton>(&dlg, IDOK)->isEnabled());
        QVERIFY(Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH)->isVisible());
    }

    void cancelSearchKeepsTheLinesBeepsAndSkipsTheAkaPass()
    {
        CNewMovieTVDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchText = "";
        dlg.SearchType = 3;
        dlg.AlsoAka = 1;
        dlg.show();
        dlg.Search().SetPumpInterval(std::chrono::microseconds(0));
        bool searchingStateSeen = false;
        int linesWhileSearching = -1;
        QTimer::singleShot(0, &dlg, [&] {
            // Only the status lines, the results and Cancel Search are shown now.
            searchingStateSeen = dlg.Searching() && Control<QPushButton>(&dlg, IDC_NEWDOC_CANCELSEARCH)->isVisible() &&
                                 !Control<QPushButton>(&dlg, IDOK)->isVisible() &&
                                 !Control<QLineEdit>(&dlg, IDC_NEWDOC_SEARCHTEXT)->isVisible() &&
                                 !Control<QPushButton>(&dlg, IDCANCEL)->isVisible() &&
                                 Control<QLabel>(&dlg, IDC_NEWDOC_STATUS)->text() == "Searching - Movies" &&
                                 Control<QLabel>(&dlg, IDC_NEWDOC_WAIT)->text() == "Please Wait...";
            // The first hit is in the list while the scan goes on.
            linesWhileSearching = dlg.Results()->count();
            // A double-click while searching creates nothing and ends nothing.
            if (dlg.Results()->count() > 0)
                emit dlg.Results()->itemDoubleClicked(dlg.Results()->item(0));
            QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_CANCELSEARCH), Qt::LeftButton);
        });
        // An empty text cannot be searched from the keyboard; the handler is called as the
        // button would.
        const int beeps = platform::BeepCount();
        dlg.OnSearch();
        QVERIFY(searchingStateSeen);
        QCOMPARE(linesWhileSearching, 1);
        QVERIFY(dlg.Cancelled());
        QCOMPARE(Lines(dlg.Results()), QStringList{"Matrix, The (1999)"});
        QCOMPARE(platform::BeepCount(), beeps + 1);
        QVERIFY(platform::MessageBox::Shown().isEmpty());
        QVERIFY(dlg.isVisible());
        QVERIFY(m_manager->GetDocuments().empty());
    }

    void cancelSearchBeforeAnyHitShowsNoNothingFoundBox()
    {
        CNewMovieTVDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchText = "star wars";
        dlg.SearchType = 1;
        dlg.AlsoAka = 1;
        dlg.show();
        dlg.Search().SetPumpInterval(std::chrono::microseconds(0));
        QTimer::singleShot(
            0, &dlg, [&] { QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_CANCELSEARCH), Qt::LeftButton); });
        const int beeps = platform::BeepCount();
        // An answer waits in case the box comes, so a fault fails here instead of waiting.
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH), Qt::LeftButton);
        QCOMPARE(platform::MessageBox::PendingAnswers(), 1);
        platform::MessageBox::ClearAnswers();
        QCOMPARE(dlg.Results()->count(), 0);
        QVERIFY(platform::MessageBox::Shown().isEmpty());
        QCOMPARE(platform::BeepCount(), beeps + 1);
        QVERIFY(!Control<QPushButton>(&dlg, IDOK)->isEnabled());
    }

    void cancelDuringASearchEndsTheDialog()
    {
        CNewMovieTVDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchText = "matrix";
        dlg.SearchType = 1;
        dlg.show();
        dlg.Search().SetPumpInterval(std::chrono::microseconds(0));
        QTimer::singleShot(0, &dlg, [&] { dlg.reject(); });
        QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(!dlg.isVisible());
        QVERIFY(!dlg.Searching());
        QCOMPARE(dlg.Results()->count(), 1);
        QVERIFY(platform::MessageBox::Shown().isEmpty());
    }

    void overflowKeepsAllLinesAndAtMost1024BecomeDocuments()
    {
        std::string body = "\n";
        for (int i = 0; i < 1100; ++i)
            body += "Same Name " + std::to_string(i) + " (2000)\t\t2000\n";
        WriteList(m_dir->Path(), kMovies, body + "\n");
        CNewMovieTVDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchText = "same name";
        dlg.SearchType = 1;
        dlg.show();
        const int beeps = platform::BeepCount();
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH), Qt::LeftButton);
        // Filling the list costs about the same per line however long it is: scrolling
        // after every line made 1025 hits take seconds (a few tens of milliseconds now).
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
        QCOMPARE(platform::MessageBox::Shown(), QStringList{"Too many movies found!\nTry to be more specific..."});
        QCOMPARE(dlg.Results()->count(), 1025);
        QCOMPARE(platform::BeepCount(), beeps);
        dlg.Results()->selectAll();
        QTest::mouseClick(Control<QPushButton>(&dlg, IDOK), Qt::LeftButton);
        const auto docs = m_manager->GetDocuments();
        QCOMPARE(docs.size(), std::size_t(1024));
        QCOMPARE(dynamic_cast<CRVMDoc*>(docs.back())->GetMovieTitle(), std::string("Same Name 1023 (2000)"));
    }

    void createDocumentWorksOnADialogNeverShown()
    {
        CNewMovieTVDlg movie;
        movie.SetContext(&m_settings, m_manager.get());
        CRVMDoc* doc = movie.CreateDocument("Star Wars (1977)", "Star Wars (1977)");
        QVERIFY(doc);
        QCOMPARE(RecordTexts(doc->GetRecords()),
                 ExpectedRecords("Star Wars (1977)", "https://www.zuvo.example/Title?Star+Wars+(1977)", 0x300));
        CNewCastCrewDlg person;
        person.SetContext(&m_settings, m_manager.get());
        CRVCDoc* cast = person.CreateDocument("Doe, Jane", "Doe, Jane");
        QVERIFY(cast);
        QCOMPARE(cast->GetPersonName(), std::string("Doe, Jane"));
        QCOMPARE(RecordTexts(cast->GetRecords()),
                 ExpectedRecords("Doe, Jane", "https://www.zuvo.example/Name?Doe,+Jane", 0x200));
        QVERIFY(!movie.isVisible());
    }

    void castCrewMergesRolesAcrossTheGeneratedListsAndCreatesOneDocument()
    {
        listgen::GeneratorOptions options;
        const listgen::ListGenerator generator(options);
        generator.WriteSet(m_dir->Path());
        const std::string actor = generator.FeaturedActor();
        CNewCastCrewDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchText = actor;
        dlg.SearchType = 0;
        dlg.SearchActors = dlg.SearchActresses = dlg.SearchDirectors = dlg.SearchOtherCrew = 1;
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("New Cast/Crew Document"));
        QVERIFY(Control<QCheckBox>(&dlg, IDC_NEWCAST_OTHERCREW)->isChecked());
        QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH), Qt::LeftButton);
        QVERIFY(platform::MessageBox::Shown().isEmpty());
        const QString expected = QString::fromLatin1(actor.c_str()) +
                                 "  - [Actor], [Director], [Producer], [Writer], [Composer], [Editor], "
                                 "[Production Designer], [Cinematographer], [Costume Designer], [Miscellaneous Crew]";
        QVERIFY(dlg.Results()->count() >= 1);
        QCOMPARE(dlg.Results()->item(0)->text(), expected);
        dlg.Results()->item(0)->setSelected(true);
        emit dlg.Results()->itemDoubleClicked(dlg.Results()->item(0));
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        const auto docs = m_manager->FindTemplate(CCastCrewDocTemplate::kProgId)->GetDocuments();
        QCOMPARE(docs.size(), std::size_t(1));
        auto* doc = dynamic_cast<CRVCDoc*>(docs[0]);
        QCOMPARE(doc->GetPersonName(), actor);
        QCOMPARE(std::string(doc->GetRecords().GetRecord(0).GetText()), actor);
    }

    void castCrewAkaLineNamesTheDocumentAfterTheMainName()
    {
        for (int list : FilmographyJobOrder)
            WriteList(m_dir->Path(), list, "\n-----\n");
        WriteList(m_dir->Path(), kActors, "Smith, John (I)\t\tFilm (1999)\n\n-----\n");
        WriteList(m_dir->Path(), kAkaNames, "\nJones, Tom\n   (aka Smith, John)\t(credit)\n\n");
        CNewCastCrewDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchText = "john smith";
        dlg.SearchType = 1;
        dlg.AlsoAka = 1;
        dlg.SearchActors = 1;
        dlg.show();
        QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH), Qt::LeftButton);
        QCOMPARE(Lines(dlg.Results()),
                 (QStringList{"Smith, John (I)  - [Actor]", "Jones, Tom", "   aka - Smith, John"}));
        dlg.Results()->item(0)->setSelected(true);
        dlg.Results()->item(2)->setSelected(true);
        QTest::mouseClick(Control<QPushButton>(&dlg, IDOK), Qt::LeftButton);
        const auto docs = m_manager->GetDocuments();
        QCOMPARE(docs.size(), std::size_t(2));
        auto* first = dynamic_cast<CRVCDoc*>(docs[0]);
        auto* second = dynamic_cast<CRVCDoc*>(docs[1]);
        QCOMPARE(first->GetPersonName(), std::string("Smith, John (I)"));
        QCOMPARE(std::string(first->GetRecords().GetRecord(0).GetText()), std::string("Smith, John (I)"));
        QCOMPARE(second->GetPersonName(), std::string("Jones, Tom"));
        QCOMPARE(RecordTexts(second->GetRecords()),
                 ExpectedRecords("Smith, John", "https://www.zuvo.example/Name?Jones,+Tom", 0x200));
    }

    void optionsChangedAfterTheSearchAreTakenAtOk()
    {
        for (int list : FilmographyJobOrder)
            WriteList(m_dir->Path(), list, "\n-----\n");
        WriteList(m_dir->Path(), kActors, "Smith, John (I)\t\tFilm (1999)\n\n-----\n");
        WriteList(m_dir->Path(), kAkaNames, "\nJones, Tom\n   (aka Smith, John)\t(credit)\n\n");
        CNewCastCrewDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchType = 0;
        dlg.SearchActors = 1;
        dlg.show();
        QTest::keyClicks(Control<QLineEdit>(&dlg, IDC_NEWDOC_SEARCHTEXT), "smith");
        QTest::mouseClick(Control<QRadioButton>(&dlg, IDC_NEWCAST_WHOLENAMES), Qt::LeftButton);
        QTest::mouseClick(Control<QCheckBox>(&dlg, IDC_NEWCAST_ALSOAKA), Qt::LeftButton);
        QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH), Qt::LeftButton);
        QCOMPARE(dlg.Results()->count(), 3);
        // The user changes the options after the search and before OK: the framework's
        // OK reads the controls, so these are what the application stores.
        QTest::mouseClick(Control<QRadioButton>(&dlg, IDC_NEWCAST_INSIDE), Qt::LeftButton);
        QTest::mouseClick(Control<QCheckBox>(&dlg, IDC_NEWCAST_DIRECTORS), Qt::LeftButton);
        QTest::mouseClick(Control<QCheckBox>(&dlg, IDC_NEWCAST_ALSOAKA), Qt::LeftButton);
        dlg.Results()->item(0)->setSelected(true);
        QTest::mouseClick(Control<QPushButton>(&dlg, IDOK), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.SearchType, 3);
        QCOMPARE(dlg.SearchDirectors, 1);
        QCOMPARE(dlg.AlsoAka, 0);
        QCOMPARE(dlg.SearchText, std::string("smith"));
        QCOMPARE(m_manager->GetDocuments().size(), std::size_t(1));
    }

    void castCrewWithNoListReadsNothingAndSaysSo()
    {
        CNewCastCrewDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchText = "anyone";
        dlg.SearchType = 1;
        dlg.show();
        const int beeps = platform::BeepCount();
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH), Qt::LeftButton);
        QCOMPARE(platform::MessageBox::Shown(),
                 QStringList{"No Names Found!\nCheck the spelling or try another 'Search Type'."});
        QCOMPARE(platform::BeepCount(), beeps + 1);
        // The list choices are part of the search controls.
        QVERIFY(Control<QCheckBox>(&dlg, IDC_NEWCAST_ACTORS)->isVisible());
    }

    void castCrewErrorInDirectorsKeepsTheEarlierLines()
    {
        for (int list : FilmographyJobOrder)
            WriteList(m_dir->Path(), list, "\n-----\n");
        WriteList(m_dir->Path(), kActors, "Smith, John (I)\t\tFilm (1999)\n\n-----\n");
        WriteList(m_dir->Path(), kActresses, "Smith, Jane\t\tFilm (1999)\n\n-----\n");
        std::remove(m_settings.ListFilePath(kDirectors).c_str());
        CNewCastCrewDlg dlg;
        dlg.SetContext(&m_settings, m_manager.get());
        dlg.SearchText = "smith";
        dlg.SearchType = 2;
        dlg.AlsoAka = 1;
        dlg.SearchActors = dlg.SearchActresses = dlg.SearchDirectors = dlg.SearchOtherCrew = 1;
        dlg.show();
        const int beeps = platform::BeepCount();
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        QTest::mouseClick(Control<QPushButton>(&dlg, IDC_NEWDOC_SEARCH), Qt::LeftButton);
        QCOMPARE(platform::MessageBox::Shown(), QStringList{"Error in Listfile 'Directors':\nCouldn't open file."});
        QCOMPARE(Lines(dlg.Results()), (QStringList{"Smith, John (I)  - [Actor]", "Smith, Jane  - [Actress]"}));
        QCOMPARE(platform::BeepCount(), beeps);
        dlg.UpdateData(true);
        QCOMPARE(dlg.SearchDirectors, 1);
    }

private:
    std::unique_ptr<testsupport::TempDir> m_dir;
    CAppSettings m_settings;
    std::unique_ptr<platform::CDocManager> m_manager;
    platform::FixedClock m_clock{March5th2024()};
};

QTEST_MAIN(TestNewDocumentDlgs)
#include "tst_NewDocumentDlgs.moc"
