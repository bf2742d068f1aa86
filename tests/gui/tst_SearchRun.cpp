// Get Information from the main window: the dialog, the Searching dialog, the search
// thread and the views through a whole run, a cancelled run and the rules around a run.

#include "GuiFixture.h"
#include "documents/SearchDocumentAdapter.h"
#include "listdata/SearchEngine.h"
#include "listdata/ui/GetInformationDlg.h"
#include "listdata/ui/SearchMessages.h"
#include "listdata/ui/SearchingDlg.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"

#include "platform/qt/QtText.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>

using namespace guitest;
using namespace resources;

namespace {

// Every text a document's view showed, in order.
class ViewTexts : public QObject {
public:
    explicit ViewTexts(platform::CDocument* document)
    {
        CRichDocumentView* view = Program::ViewOf(document);
        connect(view, &CRichDocumentView::Rebuilt, this, [this, view] { texts.append(view->toPlainText()); });
    }
    bool Saw(const QString& part) const
    {
        for (const QString& text : texts)
            if (text.contains(part))
                return true;
        return false;
    }
    QStringList texts;
};

QStringList StatusLines(CSearchingDlg& dialog)
{
    QStringList lines;
    for (int i = 0; i < dialog.StatusList()->count(); ++i)
        lines << dialog.StatusList()->item(i)->text();
    return lines;
}

QString Label(CSearchingDlg& dialog, int id)
{
    return dialog.findChild<QLabel*>(QString::number(id))->text();
}

// Answers the Get Information dialog: unfolded (every document) or folded (the current one).
// `seen` (optional) receives the documents' rows and the current entry as shown.
void AnswerGetInformation(bool batch, QStringList* seen = nullptr, int* current = nullptr)
{
    WhenModal<CGetInformationDlg>([batch, seen, current](CGetInformationDlg& dialog) {
        if (seen)
            for (int i = 0; i < dialog.DocumentsBox()->count(); ++i)
                seen->append(dialog.DocumentsBox()->item(i)->text());
        if (current)
            *current = dialog.CurrentEntry;
        if (batch)
            Click(dialog, IDC_GI_BATCH);
        Click(dialog, IDOK);
    });
}

} // namespace

class TestSearchRun : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
        QVERIFY(m_program->Start());
    }
    void cleanup() { m_program.reset(); }

    void fullRunOverThreeDocumentsReachesDone()
    {
        Program& p = *m_program;
        CRVMDoc* film = p.NewMovie(p.generator->FeaturedFilm());
        CRVMDoc* series = p.NewMovie(p.generator->FeaturedSeries());
        CRVCDoc* actor = p.NewPerson(p.generator->FeaturedActor());
        ViewTexts filmTexts(film), seriesTexts(series), actorTexts(actor);
        Program::FrameOf(series)->ActivateFrame(0);

        QStringList rows;
        int current = -1;
        AnswerGetInformation(true, &rows, &current);
        p.Action(ID_MOVIETV_GETINFORMATION)->trigger();
        CSearchingDlg* dialog = p.Frame().SearchingDialog();
        QVERIFY(dialog);
        // Movie/TV documents first, each kind in its order; the active one is current.
        QCOMPARE(rows,
                 (QStringList{platform::ToQString(film->GetMovieTitle()), platform::ToQString(series->GetMovieTitle()),
                              platform::ToQString(actor->GetPersonName())}));
        QCOMPARE(current, 1);
        // Queued on this thread before the run began: no view can show a document idle.
        QCOMPARE(film->GetSearchState() + series->GetSearchState() + actor->GetSearchState() > 0, true);
        QVERIFY(!p.Action(ID_MOVIETV_GETINFORMATION)->isEnabled());

        auto* button = dialog->findChild<QPushButton*>(QString::number(IDCANCEL));
        QTRY_COMPARE_WITH_TIMEOUT(button->text(), QStringLiteral("Done"), 30000);
        QCOMPARE(dialog->searching, 0);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Searching... ") + platform::ToQString(actor->GetPersonName()));
        QVERIFY2(Label(*dialog, IDC_SEARCH_STATUS1).startsWith(QStringLiteral("Done ! (0m")),
                 qPrintable(Label(*dialog, IDC_SEARCH_STATUS1)));
        QCOMPARE(Label(*dialog, IDC_SEARCH_STATUS2), QStringLiteral("All Listfiles searched !"));
        // The last document's lines: one per Cast/Crew list, in list order.
        const QStringList lines = StatusLines(*dialog);
        QCOMPARE(lines.size(), 13);
        QVERIFY2(lines.first().startsWith(QStringLiteral("OK - Actors (")), qPrintable(lines.first()));
        QVERIFY(lines.last().startsWith(QStringLiteral("OK - Writers (")));
        QCOMPARE(dialog->ProgressBar()->value(), 13);

        for (auto [document, texts] : {std::pair<platform::CDocument*, ViewTexts*>{film, &filmTexts},
                                       {series, &seriesTexts},
                                       {actor, &actorTexts}}) {
            QVERIFY(texts->Saw(QStringLiteral("Queued...")));
            QVERIFY(texts->Saw(QStringLiteral("Search in progress...")));
            const QString final = Program::TextOf(document);
            QVERIFY(!final.contains(QStringLiteral("Queued...")));
            QVERIFY(!final.contains(QStringLiteral("Search in progress...")));
            QVERIFY(final.contains(QStringLiteral("Zuvo URL: ")));
            QVERIFY(final.contains(QStringLiteral("Last Updated: Reelvoyager 3.5")));
            QVERIFY(document->IsModified());
        }
        QVERIFY(Program::ListRecordCount(film->GetRecords()) > 0);
        QVERIFY(Program::ListRecordCount(series->GetRecords()) > 0);
        QVERIFY(Program::ListRecordCount(actor->GetRecords()) > 0);
        QCOMPARE(film->GetSectionMode(), 1);
        QCOMPARE(actor->GetFilmographyMode(), 1);
        // The queued state shows heading, state line, web address and footer in that order.
        const QString queued = [&] {
            for (const QString& text : actorTexts.texts)
                if (text.contains(QStringLiteral("Queued...")))
                    return text;
            return QString();
        }();
        const QStringList parts = queued.split(QLatin1Char('\n'));
        QVERIFY2(parts.size() >= 7, qPrintable(queued));
        QCOMPARE(parts[1], QString());
        QCOMPARE(parts[2], QStringLiteral("Queued..."));
        QCOMPARE(parts[3], QString());
        QVERIFY(parts[4].startsWith(QStringLiteral("Zuvo URL: ")));
        QCOMPARE(parts[5], QString());
        QVERIFY(parts[6].startsWith(QStringLiteral("Created in Reelvoyager")));

        // While "Done" shows, no second run; closing the dialog allows one again.
        QVERIFY(!p.Action(ID_MOVIETV_GETINFORMATION)->isEnabled());
        QVERIFY(!p.Action(ID_CASTCREW_GETINFORMATION)->isEnabled());
        p.Frame().GetInformation(0); // returns at once: no dialog shows, nothing blocks
        button->click();
        QTRY_VERIFY(!p.Frame().SearchingDialog());
        QVERIFY(p.Action(ID_MOVIETV_GETINFORMATION)->isEnabled());
    }

    void foldedDialogSearchesOnlyTheActiveDocument()
    {
        Program& p = *m_program;
        CRVMDoc* film = p.NewMovie(p.generator->FeaturedFilm());
        CRVMDoc* series = p.NewMovie(p.generator->FeaturedSeries());
        Program::FrameOf(series)->ActivateFrame(0);
        AnswerGetInformation(false);
        p.Action(ID_MOVIETV_GETINFORMATION)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(p.Frame().SearchingDialog() && p.Frame().SearchingDialog()->searching == 0, 30000);
        QCOMPARE(Program::ListRecordCount(film->GetRecords()), 0);
        QVERIFY(Program::ListRecordCount(series->GetRecords()) > 0);
        QVERIFY(!film->IsModified());
    }

    void cancelDuringTheSecondDocument_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Cancel Search") << false;
        QTest::newRow("close box") << true;
    }

    void cancelDuringTheSecondDocument()
    {
        QFETCH(bool, closeBox);
        Program& p = *m_program;
        CRVMDoc* first = p.NewMovie(p.generator->FeaturedFilm());
        CRVMDoc* second = p.NewMovie(p.generator->FeaturedSeries());
        CRVCDoc* third = p.NewPerson(p.generator->FeaturedActress());
        Program::FrameOf(first)->ActivateFrame(0);
        AnswerGetInformation(true);
        p.Action(ID_MOVIETV_GETINFORMATION)->trigger();
        CSearchingDlg* dialog = p.Frame().SearchingDialog();
        QVERIFY(dialog);
        // The caption is changed while the search thread waits for it: a click then lands
        // before the second document reads its first list.
        const QString secondCaption = QStringLiteral("Searching... ") + platform::ToQString(second->GetMovieTitle());
        connect(dialog, &QWidget::windowTitleChanged, dialog, [dialog, secondCaption, closeBox](const QString& title) {
            if (title != secondCaption)
                return;
            if (closeBox)
                dialog->close();
            else
                Click(*dialog, IDCANCEL);
        });
        QTRY_VERIFY_WITH_TIMEOUT(!p.Frame().SearchingDialog(), 30000);
        QVERIFY(!p.Frame().IsSearchRunning());
        QVERIFY(p.Action(ID_MOVIETV_GETINFORMATION)->isEnabled());
        QVERIFY(Program::ListRecordCount(first->GetRecords()) > 0);
        QCOMPARE(Program::ListRecordCount(second->GetRecords()), 0);
        QCOMPARE(Program::ListRecordCount(third->GetRecords()), 0);
        for (platform::CDocument* document :
             {static_cast<platform::CDocument*>(first), static_cast<platform::CDocument*>(second),
              static_cast<platform::CDocument*>(third)})
            for (const QString& state : {QStringLiteral("Queued..."), QStringLiteral("Search in progress...")})
                QVERIFY(!Program::TextOf(document).contains(state));
        QCOMPARE(third->GetSearchState(), 0);
        // The cancelled run left nothing that stops the next.
        AnswerGetInformation(false);
        p.Action(ID_MOVIETV_GETINFORMATION)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(p.Frame().SearchingDialog() && p.Frame().SearchingDialog()->searching == 0, 30000);
        QVERIFY(Program::ListRecordCount(first->GetRecords()) > 0);
    }

    void missingListFileIsReported()
    {
        Program& p = *m_program;
        QVERIFY(QFile::remove(QString::fromStdString(p.Lists() + "Plot.list")));
        p.NewMovie(p.generator->FeaturedFilm());
        AnswerGetInformation(false);
        p.Action(ID_MOVIETV_GETINFORMATION)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(p.Frame().SearchingDialog() && p.Frame().SearchingDialog()->searching == 0, 30000);
        CSearchingDlg& dialog = *p.Frame().SearchingDialog();
        QVERIFY(StatusLines(dialog).contains(QStringLiteral("Couldn't Open - Plot")));
        QCOMPARE(Label(dialog, IDC_SEARCH_STATUS2), QStringLiteral("1 Error(s) occured !"));
    }

    void searchedDocumentRefusesToCloseAndToSave()
    {
        Program& p = *m_program;
        CRVMDoc* film = p.NewMovie(p.generator->FeaturedFilm());
        AnswerGetInformation(false);
        p.Action(ID_MOVIETV_GETINFORMATION)->trigger();
        CSearchingDlg* dialog = p.Frame().SearchingDialog();
        QVERIFY(dialog);
        bool tried = false;
        bool stayed = false;
        connect(dialog, &QWidget::windowTitleChanged, dialog, [&] {
            if (tried)
                return;
            tried = true;
            platform::MessageBox::ClearShown();
            platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
            platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
            Program::FrameOf(film)->close();
            p.Frame().RouteCommand(ID_FILE_SAVE);
            stayed = p.app->IsDocumentOpen(film);
        });
        QTRY_VERIFY_WITH_TIMEOUT(tried, 30000);
        QVERIFY(stayed);
        QCOMPARE(platform::MessageBox::Shown(), (QStringList{QStringLiteral("First cancel the search operation."),
                                                             QStringLiteral("First cancel the search operation.")}));
        QTRY_VERIFY_WITH_TIMEOUT(dialog->searching == 0, 30000);
        QVERIFY(p.app->IsDocumentOpen(film));
    }

    void closingTheMainWindowDuringARunAsksFirstAndCancelsOnlyWhenCertain()
    {
        Program& p = *m_program;
        CRVMDoc* film = p.NewMovie(p.generator->FeaturedFilm());
        p.NewMovie(p.generator->FeaturedSeries());
        AnswerGetInformation(true);
        p.Action(ID_MOVIETV_GETINFORMATION)->trigger();
        CSearchingDlg* dialog = p.Frame().SearchingDialog();
        QVERIFY(dialog);
        CMainFrame* frame = &p.Frame();
        bool closed = true;
        connect(
            dialog, &QWidget::windowTitleChanged, frame,
            [frame, &closed] {
                platform::MessageBox::ClearShown();
                platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
                closed = frame->close();
            },
            Qt::SingleShotConnection);
        // The documents the run owns refuse; the run goes on to its end untouched.
        QTRY_VERIFY_WITH_TIMEOUT(dialog->searching == 0, 30000);
        QVERIFY(!closed);
        QVERIFY(frame->isVisible());
        QCOMPARE(platform::MessageBox::Shown().value(0), QStringLiteral("First cancel the search operation."));
        QVERIFY(Program::ListRecordCount(film->GetRecords()) > 0);

        // Once the run has ended the close goes through, after the save questions.
        for (int i = 0; i < 2; ++i)
            platform::MessageBox::SetNextAnswer(platform::MessageBox::IdNo);
        QVERIFY(frame->close());
        QVERIFY(!frame->IsSearchRunning());
        QVERIFY(p.app->DocManager().GetDocuments().empty());
    }

    void cancelPressedAsTheRunStartsIsNeverLost()
    {
        Program& p = *m_program;
        CRVMDoc* film = p.NewMovie(p.generator->FeaturedFilm());
        CRVMDoc* series = p.NewMovie(p.generator->FeaturedSeries());
        AnswerGetInformation(true);
        p.Action(ID_MOVIETV_GETINFORMATION)->trigger();
        CSearchingDlg* dialog = p.Frame().SearchingDialog();
        QVERIFY(dialog);
        Click(*dialog, IDCANCEL);
        QTRY_VERIFY_WITH_TIMEOUT(!p.Frame().IsSearchRunning(), 30000);
        QCOMPARE(Program::ListRecordCount(film->GetRecords()) + Program::ListRecordCount(series->GetRecords()), 0);
        QCOMPARE(film->GetSearchState() + series->GetSearchState(), 0);
    }

    void getInformationDialogRules()
    {
        Program& p = *m_program;
        CRVMDoc* film = p.NewMovie(p.generator->FeaturedFilm());
        CRVCDoc* actor = p.NewPerson(p.generator->FeaturedActor());
        std::vector<std::unique_ptr<CSearchDocumentAdapter>> adapters;
        adapters.push_back(std::make_unique<CSearchDocumentAdapter>(*film));
        adapters.push_back(std::make_unique<CSearchDocumentAdapter>(*actor));

        CGetInformationDlg dialog(&p.Frame());
        dialog.Kind = 1;
        for (int i = 0; i < kListCount; ++i)
            dialog.ListChoice[i] = {1, 1};
        dialog.Entries = {{adapters[0].get(), 0, false}, {adapters[1].get(), 1, false}};
        dialog.CurrentEntry = 1;
        dialog.show();
        QCOMPARE(dialog.findChild<QGroupBox*>(QString::number(IDC_GI_LISTS_GROUP))->title(),
                 QStringLiteral("Listfiles to use (Cast/Crew) :"));
        QStringList rows;
        for (int i = 0; i < dialog.ListsBox()->count(); ++i)
            rows << dialog.ListsBox()->item(i)->text();
        QCOMPARE(rows, (QStringList{"Actors", "Actresses", "Aka-Names", "Biographies", "Cinematographers", "Composers",
                                    "Costume-Designers", "Directors", "Editors", "Miscellaneous", "Producers",
                                    "Production-Designers", "Writers"}));
        QCOMPARE(dialog.DocumentsBox()->count(), 2);
        QVERIFY(!dialog.IsBatch());
        QVERIFY(!dialog.findChild<QPushButton*>(QString::number(IDC_GI_SWITCH))->isEnabled());

        // Uncheck Biographies, switch to Movie/TV and uncheck Plot, switch back: both kept.
        Click(dialog, IDC_GI_BATCH);
        QVERIFY(dialog.IsBatch());
        dialog.ListsBox()->item(3)->setCheckState(Qt::Unchecked);
        Click(dialog, IDC_GI_SWITCH);
        QCOMPARE(dialog.Kind, 0);
        const int plotRow = [&] {
            for (int i = 0; i < dialog.ListsBox()->count(); ++i)
                if (dialog.ListsBox()->item(i)->text() == QStringLiteral("Plot"))
                    return i;
            return -1;
        }();
        QVERIFY(plotRow >= 0);
        dialog.ListsBox()->item(plotRow)->setCheckState(Qt::Unchecked);
        Click(dialog, IDC_GI_SWITCH);
        QCOMPARE(dialog.ListsBox()->item(3)->checkState(), Qt::Unchecked);
        // Folded again: OK selects only the current entry, whatever the documents' checks.
        Click(dialog, IDC_GI_BATCH);
        Click(dialog, IDOK);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.ListChoice[kBiographies].useCastCrew, 0);
        QCOMPARE(dialog.ListChoice[kPlot].useMovieTV, 0);
        QCOMPARE(dialog.ListChoice[kActors].useCastCrew, 1);
        QVERIFY(!dialog.Entries[0].selected);
        QVERIFY(dialog.Entries[1].selected);
    }

    void defaultRestoresTheSavedUsesOfTheShownKind()
    {
        CGetInformationDlg dialog;
        CAppSettings settings;
        for (int i = 0; i < kListCount; ++i)
            settings.Lists[i].UseMovieTV = ListCatalog[i].useMovieTV;
        settings.Lists[kGoofs].UseMovieTV = 0;
        dialog.DefaultSettings = &settings;
        dialog.Kind = 0;
        dialog.show();
        Click(dialog, IDC_GI_LISTS_SETALL);
        Click(dialog, IDC_GI_DEFAULT);
        int unchecked = 0;
        for (int i = 0; i < dialog.ListsBox()->count(); ++i)
            if (dialog.ListsBox()->item(i)->checkState() == Qt::Unchecked) {
                ++unchecked;
                QCOMPARE(dialog.ListsBox()->item(i)->text(), QStringLiteral("Goofs"));
            }
        QCOMPARE(unchecked, 1);
        Click(dialog, IDC_GI_LISTS_CLEARALL);
        Click(dialog, IDOK);
        for (int i = 0; i < kListCount; ++i)
            QCOMPARE(dialog.ListChoice[i].useMovieTV, 0);
    }

    void getInformationButtonsShowTheirWholeCaptions()
    {
        CGetInformationDlg dialog;
        dialog.show();
        Click(dialog, IDC_GI_BATCH);
        const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 9);
        for (QPushButton* button : buttons) {
            // The caption with a little room on either side, as a push button draws it.
            const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 6;
            QVERIFY2(button->width() >= needed, qPrintable(button->text()));
            QVERIFY2(button->geometry().right() < dialog.width(), qPrintable(button->text()));
            for (QPushButton* other : buttons)
                QVERIFY2(other == button || !other->geometry().intersects(button->geometry()),
                         qPrintable(button->text() + QStringLiteral(" / ") + other->text()));
        }
    }

    void lateClosedMessageKeepsTheNextRunsDialog()
    {
        Program& p = *m_program;
        p.NewMovie(p.generator->FeaturedFilm());
        AnswerGetInformation(false);
        p.Action(ID_MOVIETV_GETINFORMATION)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(p.Frame().SearchingDialog() && p.Frame().SearchingDialog()->searching == 0, 30000);
        CSearchingDlg* first = p.Frame().SearchingDialog();
        const int firstSerial = first->Serial();
        first->close();
        QTRY_VERIFY(!p.Frame().SearchingDialog());

        AnswerGetInformation(false);
        p.Action(ID_MOVIETV_GETINFORMATION)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(p.Frame().SearchingDialog() && p.Frame().SearchingDialog()->searching == 0, 30000);
        // A second "closed" of the first dialog arrives late.
        QCoreApplication::postEvent(&p.Frame(), new CSearchMessage(WM_SEARCHDLG_CLOSED, 0, firstSerial));
        QCoreApplication::processEvents();
        QVERIFY(p.Frame().SearchingDialog());
    }

private:
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestSearchRun)
#include "tst_SearchRun.moc"
