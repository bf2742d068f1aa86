// The main window driven as a user would: start-up, menus and command states, documents
// opened, saved and reopened, printing, closing rules.

#include "GuiFixture.h"
#include "listdata/ui/SearchMessages.h"
#include "platform/qt/QtText.h"
#include "resources/CommandIds.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>

using namespace guitest;
using namespace resources;

namespace {

// A document window inside the client area and at least half its width and height.
bool LargeInside(const QRect& window, const QRect& area)
{
    return area.contains(window) && window.width() >= area.width() / 2 && window.height() >= area.height() / 2;
}

QString Placement(const QString& window, const QRect& place, const QRect& area)
{
    return QStringLiteral("window %1 at %2,%3 %4x%5 in %6x%7")
        .arg(window)
        .arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height())
        .arg(area.width())
        .arg(area.height());
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<Program>(); }
    void cleanup() { m_program.reset(); }

    void plainStartShowsNoDocumentAndMenu128()
    {
        QVERIFY(m_program->Start());
        CMainFrame& frame = m_program->Frame();
        QCOMPARE(frame.MenuResource(), 128);
        QVERIFY(frame.MdiArea()->subWindowList().isEmpty());
        QStringList menus;
        for (QAction* action : frame.menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"&File", "&View", "&Specials", "&Browsers", "&Options", "&Help"}));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Reelvoyager 3.5"));
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Ready"));
        // The bars carry the framework's control ids.
        QCOMPARE(frame.ToolBar()->objectName(), QStringLiteral("59392"));
        QCOMPARE(frame.statusBar()->objectName(), QStringLiteral("59393"));
        QCOMPARE(m_program->Action(ID_FILE_OPEN)->statusTip(), QStringLiteral("Open an existing document"));
        QCOMPARE(m_program->Action(ID_FILE_OPEN)->toolTip(), QStringLiteral("Open"));
        QCOMPARE(m_program->Action(ID_FILE_OPEN)->shortcuts(),
                 QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+O"))});
        // The labels show Ctrl+M and Ctrl+W, but no key is bound to them.
        QVERIFY(m_program->Action(ID_FILE_NEW_CASTCREW)->shortcuts().isEmpty());
        QCOMPARE(m_program->Action(ID_EDIT_COPY)->shortcuts().size(), 2);
        // Every run starts with the same Credited With choices and the settings' list uses.
        QCOMPARE(m_program->app->CreditedWithOptions,
                 (shellcore::CreditedWithOptions{1, {.actorActress = true}, {.actorActress = true}}));
        QCOMPARE(m_program->app->ListChoices[kPlot].useMovieTV, 1);
        QCOMPARE(m_program->app->ListChoices[kPlot].useCastCrew, 0);
        QVERIFY(m_program->app->GetProgramDir().back() == '/');
    }

    void menusFollowTheActiveDocumentKind()
    {
        QVERIFY(m_program->Start());
        CMainFrame& frame = m_program->Frame();
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        QCOMPARE(frame.MenuResource(), 129);
        QStringList menus;
        for (QAction* action : frame.menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&View", "&Movie/TV", "&Specials", "&Browsers", "&Options",
                                     "&Window", "&Help"}));
        auto itemsOf = [](QMenu* menu) {
            QStringList items;
            for (QAction* action : menu->actions())
                items << (action->isSeparator() ? QStringLiteral("|") : action->text());
            return items;
        };
        QCOMPARE(itemsOf(frame.menuBar()->actions().at(3)->menu()),
                 (QStringList{"&Get Information", "|", "&Overview", "&Credits", "&Fun Stuff", "&Plot && Quotes",
                              "Other &Info", "Complet&e", "|", "Movie &Links"}));
        QCOMPARE(itemsOf(frame.menuBar()->actions().at(0)->menu()).mid(2, 4),
                 (QStringList{"&Close", "&Save\tCtrl+S", "Save &As...", "|"}));
        m_program->NewPerson(m_program->generator->FeaturedActor());
        QCOMPARE(frame.MenuResource(), 130);
        QCOMPARE(itemsOf(frame.menuBar()->actions().at(3)->menu()),
                 (QStringList{"&Get Information", "|", "&Categorized Filmography", "C&ombined Filmography", "|",
                              "Credited &With...", "|", "Movie &Links"}));
        QCOMPARE(frame.menuBar()->actions().at(3)->text(), QStringLiteral("&Cast/Crew"));
        Program::FrameOf(movie)->ActivateFrame(0);
        frame.UpdateCommands();
        QCOMPARE(frame.MenuResource(), 129);
        QVERIFY(frame.windowTitle().startsWith(QStringLiteral("Reelvoyager 3.5 - Untitled")));
    }

    void switchingBetweenKindsKeepsOneSetOfMenus()
    {
        QVERIFY(m_program->Start());
        CMainFrame& frame = m_program->Frame();
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        CRVCDoc* person = m_program->NewPerson(m_program->generator->FeaturedActor());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const qsizetype menus = frame.menuBar()->findChildren<QMenu*>().size();
        for (int i = 0; i < 20; ++i) {
            Program::FrameOf(i % 2 ? static_cast<platform::CDocument*>(person) : movie)->ActivateFrame(0);
            frame.UpdateCommands();
        }
        QCOMPARE(frame.MenuResource(), 130);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(frame.menuBar()->findChildren<QMenu*>().size(), menus);
    }

    void commandStatesPerMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        const struct {
            const char* mode;
            int id;
            bool enabled;
            bool checked;
        } rows[] = {
            {"none", ID_FILE_OPEN, true, false},
            {"none", ID_FILE_NEW_MOVIETV, true, false},
            {"none", ID_FILE_NEW_CASTCREW, true, false},
            {"none", ID_OPTIONS_NOLINKS, true, false},
            {"none", ID_FILE_SAVE, false, false},
            {"none", ID_EDIT_COPY, false, false},
            {"movie0", ID_MOVIETV_OVERVIEW, false, false},
            {"movie0", ID_MOVIETV_COMPLETE, false, false},
            {"movie0", ID_MOVIETV_GETINFORMATION, true, false},
            {"movie0", ID_FILE_SAVE, true, false},
            {"movie0", ID_FILE_CLOSE, true, false},
            {"movie0", ID_EDIT_CUT, false, false},
            {"movie0", ID_EDIT_PASTE, false, false},
            {"movie0", ID_EDIT_UNDO, false, false},
            {"movie0", ID_EDIT_SELECT_ALL, true, false},
            {"movie0", ID_FILE_PRINT, true, false},
            {"movie0", ID_FILE_PRINT_PREVIEW, true, false},
            {"movie3", ID_MOVIETV_OVERVIEW, true, false},
            {"movie3", ID_MOVIETV_FUNSTUFF, true, true},
            {"movie3", ID_MOVIETV_COMPLETE, true, false},
            {"movie3", ID_MOVIETV_MOVIELINKS, true, false},
            {"cast0", ID_CASTCREW_CATEGORIZED, false, false},
            {"cast0", ID_CASTCREW_COMBINED, false, false},
            {"cast0", ID_CASTCREW_CREDITEDWITH, false, false},
            {"cast0", ID_CASTCREW_GETINFORMATION, true, false},
            {"cast2", ID_CASTCREW_CATEGORIZED, true, false},
            {"cast2", ID_CASTCREW_COMBINED, true, true},
            {"cast2", ID_CASTCREW_CREDITEDWITH, true, false},
            {"cast2", ID_MOVIETV_OVERVIEW, false, false},
            // The diff tools, in every mode.
            {"none", ID_DIFFTOOLS_DELTAMEND, true, false},
            {"movie0", ID_DIFFTOOLS_SUMWATCH, true, false},
            {"cast0", ID_DIFFTOOLS_DELTAMEND, true, false},
            // The browsers, in every mode.
            {"none", ID_BROWSERS_TRIVIA, true, false},
            {"movie0", ID_BROWSERS_ALTVERSIONS, true, false},
            {"cast2", ID_BROWSERS_TAGLINES, true, false},
            {"cast0", ID_BROWSERS_RATINGS, true, false},
            // The Specials, in every mode.
            {"none", ID_SPECIALS_TOP250, true, false},
            {"none", ID_SPECIALS_BIRTHDAYS, true, false},
            {"movie0", ID_SPECIALS_BOTTOM10, true, false},
            {"cast0", ID_SPECIALS_DEATHS, true, false},
            // Movie Links with a view; Credited With once the person has a filmography.
            {"none", ID_MOVIETV_MOVIELINKS, false, false},
            {"none", ID_CASTCREW_CREDITEDWITH, false, false},
            {"movie0", ID_MOVIETV_MOVIELINKS, true, false},
            {"movie0", ID_CASTCREW_CREDITEDWITH, false, false},
            {"cast0", ID_CASTCREW_MOVIELINKS, true, false},
        };
        for (const auto& row : rows)
            QTest::addRow("%s/%d", row.mode, row.id) << row.mode << row.id << row.enabled << row.checked;
        // The Options and Help commands: enabled in every menu bar.
        for (const char* mode : {"none", "movie0", "cast0"})
            for (int id : {ID_OPTIONS_PATHFILENAMES, ID_OPTIONS_MOVIETVOPTIONS, ID_OPTIONS_CASTCREWOPTIONS,
                           ID_OPTIONS_OUTPUTOPTIONS, ID_OPTIONS_CHANGEFONT, ID_APP_ABOUT})
                QTest::addRow("%s/%d", mode, id) << mode << id << true << false;
    }

    void commandStatesPerMode()
    {
        QFETCH(QString, mode);
        QFETCH(int, id);
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        QVERIFY(m_program->Start());
        if (mode.startsWith(QStringLiteral("movie"))) {
            CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
            const int section = mode.back().digitValue();
            if (section > 0) {
                movie->SetDefaultSectionMode(section);
            }
        } else if (mode.startsWith(QStringLiteral("cast"))) {
            CRVCDoc* cast = m_program->NewPerson(m_program->generator->FeaturedActor());
            const int filmography = mode.back().digitValue();
            if (filmography > 0)
                cast->SetDefaultFilmographyMode(filmography);
        }
        m_program->Frame().UpdateCommands();
        QAction* action = m_program->Action(id);
        QVERIFY(action);
        QCOMPARE(action->objectName(), QString::number(id));
        QCOMPARE(action->isEnabled(), enabled);
        QCOMPARE(action->isChecked(), checked);
    }

    void sectionModeCommandRedrawsOnlyOnChange()
    {
        QVERIFY(m_program->Start());
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        movie->SetDefaultSectionMode(1);
        m_program->Frame().UpdateCommands();
        int rebuilds = 0;
        connect(Program::ViewOf(movie), &QTextEdit::textChanged, this, [&rebuilds] { ++rebuilds; });
        m_program->Action(ID_MOVIETV_COMPLETE)->trigger();
        QCOMPARE(movie->GetSectionMode(), 6);
        const int afterFirst = rebuilds;
        QVERIFY(afterFirst > 0);
        m_program->Action(ID_MOVIETV_COMPLETE)->trigger();
        QCOMPARE(rebuilds, afterFirst);
        QVERIFY(m_program->Action(ID_MOVIETV_COMPLETE)->isChecked());
        QVERIFY(!m_program->Action(ID_MOVIETV_OVERVIEW)->isChecked());
    }

    void viewShowsHeadingWebAddressAndFooter()
    {
        QVERIFY(m_program->Start());
        const std::string title = m_program->generator->FeaturedFilm();
        CRVMDoc* movie = m_program->NewMovie(title);
        const QString text = Program::TextOf(movie);
        QVERIFY2(text.startsWith(QString::fromStdString(title) + QLatin1Char('\n')), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Zuvo URL: https://www.zuvo.example/Title?")));
        QVERIFY2(text.trimmed().endsWith(
                     QStringLiteral("Created in Reelvoyager 3.5 (2007.04.06) - Last Updated: Reelvoyager 3.5 "
                                    "(2007.04.06) - DocVer 3.0")),
                 qPrintable(text));
        // The rebuild leaves an unchanged document unchanged.
        QVERIFY(!movie->IsModified());
        movie->UpdateAllViews(nullptr);
        QVERIFY(!movie->IsModified());
    }

    void openSaveReopenRoundTrip()
    {
        QVERIFY(m_program->Start());
        const std::string title = m_program->generator->FeaturedFilm();
        CRVMDoc* movie = m_program->NewMovie(title);
        movie->SetDefaultSectionMode(4);
        const QString path = QString::fromStdString(m_program->dir.File("film.rvmtv"));
        platform::FileDialog::SetNextFileName(path);
        m_program->Action(ID_FILE_SAVE_AS)->trigger();
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(QString::fromStdString(movie->GetTitle()), QStringLiteral("film.rvmtv"));
        QCOMPARE(Program::FrameOf(movie)->windowTitle(), QStringLiteral("film.rvmtv"));
        const int recordCount = movie->GetRecords().GetCount();

        m_program->Action(ID_FILE_CLOSE)->trigger();
        QVERIFY(m_program->app->DocManager().GetDocuments().empty());
        QTRY_VERIFY(m_program->Frame().MdiArea()->subWindowList().isEmpty());

        platform::FileDialog::SetNextFileName(path);
        m_program->Action(ID_FILE_OPEN)->trigger();
        const auto documents = m_program->app->DocManager().GetDocuments();
        QCOMPARE(documents.size(), std::size_t(1));
        auto* reopened = dynamic_cast<CRVMDoc*>(documents.front());
        QVERIFY(reopened);
        QCOMPARE(reopened->GetMovieTitle(), title);
        QCOMPARE(reopened->GetSectionMode(), 4);
        QCOMPARE(reopened->GetRecords().GetCount(), recordCount);
        QVERIFY(Program::TextOf(reopened).startsWith(QString::fromStdString(title)));
        // The recent-file list has it, and opening it again activates the same document.
        QCOMPARE(m_program->Action(ID_FILE_MRU_FILE1)->text(), QStringLiteral("&1 ") + path);
        m_program->Action(ID_FILE_MRU_FILE1)->trigger();
        QCOMPARE(m_program->app->DocManager().GetDocuments().size(), std::size_t(1));
    }

    void fileNamesShowAsTheyAreWritten()
    {
        QVERIFY(m_program->Start());
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        const QString directory = QString::fromStdString(m_program->dir.Path());
        const QString noel = directory + QStringLiteral("No\u00EBl & Co.rvmtv");
        QVERIFY(movie->DoSave(noel.toStdString()));
        m_program->app->DocManager().CloseAllDocuments();

        platform::FileDialog::SetNextFileName(noel);
        m_program->Action(ID_FILE_OPEN)->trigger();
        QCOMPARE(m_program->app->DocManager().GetDocuments().size(), std::size_t(1));
        platform::CDocument* reopened = m_program->app->DocManager().GetDocuments().front();
        QCOMPARE(Program::FrameOf(reopened)->windowTitle(), QStringLiteral("No\u00EBl & Co.rvmtv"));
        QCOMPARE(m_program->Frame().windowTitle(), QStringLiteral("Reelvoyager 3.5 - No\u00EBl & Co.rvmtv"));
        // The recent-file entry shows the path; its ampersand is no mnemonic.
        m_program->Frame().UpdateCommands();
        QString expected = noel;
        expected.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QCOMPARE(m_program->Action(ID_FILE_MRU_FILE1)->text(), QStringLiteral("&1 ") + expected);

        reopened->SetModifiedFlag(true);
        platform::MessageBox::ClearShown();
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdCancel);
        m_program->Action(ID_FILE_CLOSE)->trigger();
        QCOMPARE(platform::MessageBox::Shown().value(0), QStringLiteral("Save changes to No\u00EBl & Co.rvmtv?"));
    }

    // Beyond Latin-1 too: the window's title, the recent-file entry as shown and as kept,
    // and the message about a file that cannot be opened name the file as it is.
    void pathsInAnyScriptShowAsTheyAre()
    {
        QVERIFY(m_program->Start());
        const QString folder = QString::fromStdString(m_program->dir.Path()) + QStringLiteral("Фильмы/");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("Łódź.rvmtv");
        QVERIFY(m_program->NewMovie(m_program->generator->FeaturedFilm())->DoSave(path.toStdString()));
        m_program->app->DocManager().CloseAllDocuments();

        platform::FileDialog::SetNextFileName(path);
        m_program->Action(ID_FILE_OPEN)->trigger();
        QCOMPARE(m_program->app->DocManager().GetDocuments().size(), std::size_t(1));
        QCOMPARE(Program::FrameOf(m_program->app->DocManager().GetDocuments().front())->windowTitle(),
                 QStringLiteral("Łódź.rvmtv"));
        m_program->Frame().UpdateCommands();
        QCOMPARE(m_program->Action(ID_FILE_MRU_FILE1)->text(), QStringLiteral("&1 ") + path);
        m_program->profile->Settings().sync();
        QCOMPARE(m_program->profile->Settings().value("Recent File List/File1").toString(), path);

        const QString broken = folder + QStringLiteral("Łódź 2.rvmtv");
        testsupport::WriteFile(broken.toStdString(), "no document");
        platform::MessageBox::ClearShown();
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        platform::FileDialog::SetNextFileName(broken);
        m_program->Action(ID_FILE_OPEN)->trigger();
        QVERIFY2(platform::MessageBox::Shown().value(0).startsWith("Cannot open \"" + broken + "\".\n"),
                 qPrintable(platform::MessageBox::Shown().value(0)));
    }

    void documentSavedUnderANewNameIsRecentAfterARestart()
    {
        QVERIFY(m_program->Start());
        CRVCDoc* person = m_program->NewPerson(m_program->generator->FeaturedActress());
        const QString path = QString::fromStdString(m_program->dir.File("saved.rvcc"));
        platform::FileDialog::SetNextFileName(path);
        m_program->Action(ID_FILE_SAVE_AS)->trigger();
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(!person->IsModified());
        m_program->app.reset();
        QCOMPARE(m_program->profile->GetProfileString("Recent File List", "File1", ""), path.toStdString());
    }

    void commandLineOpensADocument()
    {
        // Save one with a first program, start a second on its path.
        QVERIFY(m_program->Start());
        CRVCDoc* person = m_program->NewPerson(m_program->generator->FeaturedActress());
        const std::string path = m_program->dir.File("person.rvcc");
        QVERIFY(person->DoSave(path));
        m_program->app->DocManager().CloseAllDocuments();

        // Named relative to the directory the program starts in, which start-up then
        // changes to the default open/save directory.
        auto second = std::make_unique<Program>();
        const QString startDirectory = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(m_program->dir.Path()));
        const bool started = second->Start({QStringLiteral("person.rvcc")});
        QDir::setCurrent(startDirectory);
        QVERIFY(started);
        QCOMPARE(second->app->DocManager().GetDocuments().size(), std::size_t(1));
        QCOMPARE(second->Frame().MenuResource(), 130);
        second.reset();

        auto third = std::make_unique<Program>();
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        QVERIFY(!third->Start({QString::fromStdString(m_program->dir.File("missing.rvcc"))}));
    }

    void printsToPdfWithMarginsAndPreviews()
    {
        QVERIFY(m_program->Start());
        m_program->NewMovie(m_program->generator->FeaturedFilm());
        const QString pdf = QString::fromStdString(m_program->dir.File("print.pdf"));
        QPrinter& printer = m_program->app->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        m_program->Frame().RouteCommand(ID_FILE_PRINT_DIRECT);
        QVERIFY(QFileInfo(pdf).size() > 0);
        const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
        QVERIFY(qAbs(margins.left() - 12.7) < 0.1 && qAbs(margins.bottom() - 12.7) < 0.1);

        bool previewShown = false;
        WhenModal<QPrintPreviewDialog>([&previewShown](QPrintPreviewDialog& dialog) {
            previewShown = true;
            dialog.reject();
        });
        m_program->Action(ID_FILE_PRINT_PREVIEW)->trigger();
        QVERIFY(previewShown);
    }

    void printedTextKeepsTheMarginsAndIndents()
    {
        QVERIFY(m_program->Start());
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        CRichDocumentView* view = Program::ViewOf(movie);
        // A narrow sheet at 300 dots per inch, so that the long lines wrap: 720 twips are
        // 150 dots.
        const int dpi = 300, margin = 150;
        QImage sheet(3 * dpi, 11 * dpi, QImage::Format_RGB32);
        sheet.setDotsPerMeterX(qRound(dpi / 0.0254));
        sheet.setDotsPerMeterY(qRound(dpi / 0.0254));
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        painter.translate(margin, margin);
        int pages = 1;
        CRichDocumentView::PrintPages(*view->document(), view->ScreenPixelsPerInch(), painter,
                                      QSizeF(sheet.width() - 2 * margin, sheet.height() - 2 * margin), [&pages] {
                                          ++pages;
                                          return false;
                                      });
        painter.end();
        QCOMPARE(pages, 1);
        // The printed lines: runs of rows with ink, each with its leftmost dot.
        QList<int> lineLefts;
        int top = -1, bottom = -1;
        bool inLine = false;
        for (int y = 0; y < sheet.height(); ++y) {
            int left = -1;
            for (int x = 0; x < sheet.width() && left < 0; ++x)
                if (qGray(sheet.pixel(x, y)) < 128)
                    left = x;
            if (left >= 0) {
                if (top < 0)
                    top = y;
                bottom = y;
                if (!inLine)
                    lineLefts.append(left);
                else
                    lineLefts.last() = qMin(lineLefts.last(), left);
            }
            inLine = left >= 0;
        }
        QVERIFY(lineLefts.size() >= 4);
        // Only the margins (and the editor's own few dots) lie before the first line.
        QVERIFY2(lineLefts.first() >= margin && lineLefts.first() < margin + 30,
                 qPrintable(QString::number(lineLefts.first())));
        QVERIFY2(top >= margin && top < margin + 60, qPrintable(QString::number(top)));
        // The footer's last line continues its paragraph one character further in (about
        // 25 dots at 300 dots per inch); no page number follows at the foot.
        QVERIFY2(lineLefts.last() >= lineLefts.first() + 16,
                 qPrintable(QStringLiteral("%1 %2").arg(lineLefts.first()).arg(lineLefts.last())));
        QVERIFY2(bottom < sheet.height() - 2 * margin, qPrintable(QString::number(bottom)));
    }

    void ctrlWNeverClosesADocument()
    {
        QVERIFY(m_program->Start());
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        m_program->Frame().show();
        QWidget* view = Program::ViewOf(movie);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_W, Qt::ControlModifier);
        QTest::keyClick(&m_program->Frame(), Qt::Key_W, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QCOMPARE(m_program->app->DocManager().GetDocuments().size(), std::size_t(1));
        QCOMPARE(m_program->Frame().MdiArea()->subWindowList().size(), 1);
    }

    void ctrlHomeAndCtrlEndGoToTheEndsOfTheText()
    {
        QVERIFY(m_program->Start());
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        m_program->Frame().show();
        QVERIFY(QTest::qWaitForWindowActive(&m_program->Frame()));
        CRichDocumentView* view = Program::ViewOf(movie);
        // Far more lines than the window shows.
        CRtfWriter& writer = view->Writer();
        writer.SetupFont();
        writer.Reset();
        writer.BeginDocument();
        for (int line = 0; line < 300; ++line) {
            writer.WriteText("Line " + std::to_string(line), 0, false);
            writer.NewLine();
        }
        writer.EndDocument();
        QVERIFY(writer.StreamIn());
        view->setFocus();
        QScrollBar* bar = view->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        const int end = view->document()->characterCount() - 1;

        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view->textCursor().position(), end);
        QVERIFY(!view->textCursor().hasSelection());
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(view->textCursor().position(), 0);
        QCOMPARE(bar->value(), 0);

        // With Shift the selection grows from where the cursor stood, and Copy follows it.
        view->SelectRange(12, 12);
        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(view->textCursor().selectionStart(), 12);
        QCOMPARE(view->textCursor().selectionEnd(), end);
        QCOMPARE(bar->value(), bar->maximum());
        m_program->Frame().UpdateCommands();
        QVERIFY(m_program->Action(ID_EDIT_COPY)->isEnabled());
        view->SelectRange(20, 20);
        QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(view->textCursor().selectionStart(), 0);
        QCOMPARE(view->textCursor().selectionEnd(), 20);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(view->textCursor().selectedText(), QStringLiteral("Line 0\u2029Line 1\u2029Line 2"));
    }

    void closingAModifiedDocumentAsks()
    {
        QVERIFY(m_program->Start());
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        movie->SetModifiedFlag(true);
        platform::MessageBox::ClearShown();
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdCancel);
        Program::FrameOf(movie)->close();
        QCOMPARE(m_program->app->DocManager().GetDocuments().size(), std::size_t(1));
        QCOMPARE(platform::MessageBox::Shown().value(0), QStringLiteral("Save changes to Untitled1?"));
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdNo);
        Program::FrameOf(movie)->close();
        QVERIFY(m_program->app->DocManager().GetDocuments().empty());
    }

    void selectAllEnablesCopyAndFindNextFindsAgain()
    {
        QVERIFY(m_program->Start());
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        CRichDocumentView* view = Program::ViewOf(movie);
        QVERIFY(!m_program->Action(ID_EDIT_COPY)->isEnabled());
        QVERIFY(!m_program->Action(ID_EDIT_REPEAT)->isEnabled());
        m_program->Action(ID_EDIT_SELECT_ALL)->trigger();
        QVERIFY(m_program->Action(ID_EDIT_COPY)->isEnabled());

        view->SetFindText(QStringLiteral("Reelvoyager"));
        m_program->Frame().UpdateCommands();
        m_program->Action(ID_EDIT_REPEAT)->trigger();
        QCOMPARE(view->textCursor().selectedText(), QStringLiteral("Reelvoyager"));
        const int first = view->textCursor().selectionStart();
        m_program->Action(ID_EDIT_REPEAT)->trigger();
        QVERIFY(view->textCursor().selectionStart() > first);
        // Past the last one it starts again from the top.
        m_program->Action(ID_EDIT_REPEAT)->trigger();
        QCOMPARE(view->textCursor().selectionStart(), first);
        QVERIFY(view->isReadOnly());
    }

    void droppedFileOpensLikeFileOpen()
    {
        QVERIFY(m_program->Start());
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        const std::string path = m_program->dir.File("dropped.rvmtv");
        QVERIFY(movie->DoSave(path));
        m_program->app->DocManager().CloseAllDocuments();
        QVERIFY(m_program->app->DocManager().GetDocuments().empty());

        QVERIFY(m_program->Frame().acceptDrops());
        m_program->Frame().OnDropFiles({QUrl::fromLocalFile(QString::fromStdString(path))});
        QCOMPARE(m_program->app->DocManager().GetDocuments().size(), std::size_t(1));
        QCOMPARE(m_program->app->DocManager().GetDocuments().front()->GetPathName(), path);
    }

    void openDocumentMaximizedSetting()
    {
        QVERIFY(m_program->Start());
        m_program->Frame().show();
        m_program->app->Settings.OpenMaximized = 0;
        CRVMDoc* normal = m_program->NewMovie(m_program->generator->FeaturedFilm());
        QVERIFY(!Program::FrameOf(normal)->isMaximized());
        m_program->app->Settings.OpenMaximized = 1;
        CRVMDoc* maximized = m_program->NewMovie(m_program->generator->FeaturedSeries());
        QVERIFY(Program::FrameOf(maximized)->isMaximized());
    }

    // The main window names the active document once: after the program's name, or in
    // brackets while the document's window is maximized (its own caption then hidden).
    void mainTitleNamesTheActiveDocumentOnce_data()
    {
        QTest::addColumn<bool>("openMaximized");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("title"); // %1: the active document's title
        QTest::newRow("opened normal") << false << ""
                                       << "Reelvoyager 3.5 - %1";
        QTest::newRow("opened maximized") << true << ""
                                          << "Reelvoyager 3.5 - [%1]";
        QTest::newRow("maximized later") << false << "maximize"
                                         << "Reelvoyager 3.5 - [%1]";
        QTest::newRow("restored") << true << "restore"
                                  << "Reelvoyager 3.5 - %1";
        QTest::newRow("minimized") << true << "minimize"
                                   << "Reelvoyager 3.5 - %1";
        QTest::newRow("another window while maximized") << true << "another"
                                                        << "Reelvoyager 3.5 - [%1]";
        QTest::newRow("saved under a name while maximized") << true << "save as"
                                                            << "Reelvoyager 3.5 - [%1]";
        QTest::newRow("the last window closed") << true << "close"
                                                << "Reelvoyager 3.5";
    }

    void mainTitleNamesTheActiveDocumentOnce()
    {
        QFETCH(bool, openMaximized);
        QFETCH(QString, step);
        QFETCH(QString, title);
        QVERIFY(m_program->Start());
        CMainFrame& frame = m_program->Frame();
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        m_program->app->Settings.OpenMaximized = openMaximized ? 1 : 0;
        platform::CDocument* active = m_program->NewMovie(m_program->generator->FeaturedFilm());
        if (step == QStringLiteral("maximize"))
            Program::FrameOf(active)->showMaximized();
        else if (step == QStringLiteral("restore"))
            Program::FrameOf(active)->showNormal();
        else if (step == QStringLiteral("minimize"))
            Program::FrameOf(active)->showMinimized();
        else if (step == QStringLiteral("another"))
            active = m_program->NewPerson(m_program->generator->FeaturedActor());
        else if (step == QStringLiteral("save as")) {
            platform::FileDialog::SetNextFileName(QString::fromStdString(m_program->dir.File("film.rvmtv")));
            m_program->Action(ID_FILE_SAVE_AS)->trigger();
            QCOMPARE(QString::fromStdString(active->GetTitle()), QStringLiteral("film.rvmtv"));
        } else if (step == QStringLiteral("close"))
            m_program->Action(ID_FILE_CLOSE)->trigger();
        const QString expected =
            title.contains(QStringLiteral("%1")) ? title.arg(platform::PathToQString(active->GetTitle())) : title;
        QTRY_COMPARE(frame.windowTitle(), expected);
        // Settled: nothing writes another title afterwards.
        QTest::qWait(50);
        QCOMPARE(frame.windowTitle(), expected);
    }

    // A new window takes most of the client area, and the area places it by that size:
    // none hangs over the area's edge.
    void newDocumentWindowsTakeMostOfTheClientAreaAndStayInside()
    {
        QVERIFY(m_program->Start());
        m_program->Frame().resize(900, 700);
        m_program->Frame().show();
        m_program->app->Settings.OpenMaximized = 0;
        const QRect area = m_program->Frame().MdiArea()->viewport()->rect();
        for (int i = 0; i < 5; ++i) {
            CRVMDoc* movie = m_program->NewMovie("Window " + std::to_string(i));
            const QRect frame = Program::FrameOf(movie)->geometry();
            QVERIFY2(LargeInside(frame, area), qPrintable(Placement(QString::number(i), frame, area)));
        }
    }

    // Window > Cascade as the desktop does it: every window restored and large, stepped
    // down and right in stacking order with the active one on top; icons stay put.
    void cascadeLeavesEveryWindowLargeAndStepped()
    {
        QVERIFY(StartOnScreen(QSize(900, 700)));
        CChildFrame* icon = Program::FrameOf(m_program->NewMovie("Minimized"));
        icon->showMinimized();
        const QRect iconPlace = icon->geometry();
        QList<CChildFrame*> frames;
        for (const char* title : {"First", "Second", "Third"})
            frames.append(Program::FrameOf(m_program->NewMovie(title)));
        frames.last()->showMaximized();
        m_program->Action(ID_WINDOW_CASCADE)->trigger();

        const QRect area = m_program->Frame().MdiArea()->viewport()->rect();
        QCOMPARE(m_program->Frame().MDIGetActive(), frames.last());
        QCOMPARE(m_program->Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder).last(), frames.last());
        QPoint previous(-1, -1);
        for (CChildFrame* frame : frames) {
            const QRect place = frame->geometry();
            QVERIFY2(!frame->isMaximized() && LargeInside(place, area) && place.x() > previous.x() &&
                         place.y() > previous.y(),
                     qPrintable(Placement(frame->windowTitle(), place, area)));
            previous = place.topLeft();
        }
        QVERIFY(icon->isMinimized());
        QCOMPARE(icon->geometry(), iconPlace);
    }

    // Window > Arrange Icons lines the minimized windows up along the area's bottom, in the
    // order they were opened, wherever they were moved; open windows stay where they are.
    void arrangeIconsLinesMinimizedWindowsUpAtTheBottom()
    {
        QVERIFY(StartOnScreen(QSize(900, 700)));
        QList<CChildFrame*> icons;
        for (const char* title : {"First", "Second", "Third"}) {
            icons.append(Program::FrameOf(m_program->NewMovie(title)));
            icons.last()->showMinimized();
        }
        CChildFrame* open = Program::FrameOf(m_program->NewMovie("Open"));
        const QRect openPlace = open->geometry();
        icons[0]->move(300, 100);
        icons[2]->move(20, 40);
        QAction* arrange = m_program->Action(ID_WINDOW_ARRANGE);
        QVERIFY(arrange->isEnabled());
        arrange->trigger();

        const QRect area = m_program->Frame().MdiArea()->viewport()->rect();
        int left = area.left();
        for (CChildFrame* icon : icons) {
            const QRect place = icon->geometry();
            QVERIFY2(icon->isMinimized() && place.x() == left && place.bottom() == area.bottom(),
                     qPrintable(Placement(icon->windowTitle(), place, area)));
            left = place.right() + 1;
        }
        QCOMPARE(open->geometry(), openPlace);
    }

    // Closing the active document while it is maximized leaves the one activated next
    // maximized, the main window's caption with it; closing a restored one restores nothing.
    void closingAMaximizedDocumentLeavesTheNextMaximized_data()
    {
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<QString>("title"); // %1: the document left
        QTest::newRow("maximized") << true << "Reelvoyager 3.5 - [%1]";
        QTest::newRow("restored") << false << "Reelvoyager 3.5 - %1";
    }

    void closingAMaximizedDocumentLeavesTheNextMaximized()
    {
        QFETCH(bool, maximized);
        QFETCH(QString, title);
        QVERIFY(m_program->Start());
        m_program->Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_program->Frame()));
        m_program->app->Settings.OpenMaximized = 0;
        CRVMDoc* left = m_program->NewMovie(m_program->generator->FeaturedFilm());
        CRVCDoc* closed = m_program->NewPerson(m_program->generator->FeaturedActor());
        if (maximized)
            Program::FrameOf(closed)->showMaximized();
        m_program->Action(ID_FILE_CLOSE)->trigger();
        const QString expected = title.arg(platform::PathToQString(left->GetTitle()));
        QTRY_COMPARE(m_program->Frame().windowTitle(), expected);
        QTest::qWait(50);
        QCOMPARE(m_program->Frame().MDIGetActive(), Program::FrameOf(left));
        QCOMPARE(Program::FrameOf(left)->isMaximized(), maximized);
        QCOMPARE(m_program->Frame().windowTitle(), expected);
    }

    void openingAnOpenMinimizedDocumentBringsItBack()
    {
        QVERIFY(m_program->Start());
        m_program->Frame().show();
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        const std::string path = m_program->dir.File("minimized.rvmtv");
        QVERIFY(movie->DoSave(path));
        m_program->NewMovie(m_program->generator->FeaturedSeries());
        CChildFrame* frame = Program::FrameOf(movie);
        frame->showMinimized();
        QVERIFY(frame->isMinimized());
        QCOMPARE(m_program->app->OpenDocumentFile(path), movie);
        QVERIFY(!frame->isMinimized());
        QCOMPARE(m_program->Frame().MDIGetActive(), frame);
    }

    void getInformationWithoutADocumentDoesNothing()
    {
        QVERIFY(m_program->Start());
        m_program->Frame().GetInformation(0); // a dialog would block here
        QVERIFY(!m_program->Frame().IsSearchRunning());
    }

    void documentMessageAfterCloseIsIgnored()
    {
        QVERIFY(m_program->Start());
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        m_program->app->DocManager().CloseAllDocuments();
        // The pointer is never followed once the document is gone.
        QCoreApplication::postEvent(
            &m_program->Frame(), new CSearchMessage(WM_SEARCH_DOC_CHANGED, 0, reinterpret_cast<std::uintptr_t>(movie)));
        QCoreApplication::processEvents();
        QVERIFY(m_program->app->DocManager().GetDocuments().empty());
    }

    void noLinksTogglesAndIsSaved()
    {
        m_program->profile->WriteProfileInt("Settings", "Disable Link Color", 0);
        QVERIFY(m_program->Start());
        const std::vector<platform::CDocument*> documents = {
            m_program->NewMovie(m_program->generator->FeaturedFilm()),
            m_program->NewPerson(m_program->generator->FeaturedActor())};
        auto colour = [](platform::ColorRef c) {
            return QColor(platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c));
        };
        const QColor linkColour = colour(m_program->app->Settings.LinkColor);
        const QColor textColour = colour(m_program->app->Settings.FontColor);
        QVERIFY(linkColour != textColour);
        // Every open view: how many links it holds, the colour its web address shows in
        // and whether a click on the address finds a link there.
        auto check = [&documents](int links, const QColor& addressColour) {
            for (platform::CDocument* document : documents) {
                CRichDocumentView* view = Program::ViewOf(document);
                QCOMPARE(view->Writer().Links().GetCount(), links);
                const QTextCursor found = view->document()->find(QStringLiteral("https://www.zuvo.example/"));
                QVERIFY(!found.isNull());
                QTextCursor inside(view->document());
                inside.setPosition(found.selectionStart() + 1);
                QCOMPARE(inside.charFormat().foreground().color(), addressColour);
                const QPoint point = view->cursorRect(inside).center() + QPoint(2, 0);
                QCOMPARE(view->LinkAt(point) >= 0, links > 0);
            }
        };
        check(1, linkColour);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!m_program->Action(ID_OPTIONS_NOLINKS)->isChecked());
        m_program->Action(ID_OPTIONS_NOLINKS)->trigger();
        QVERIFY(m_program->Action(ID_OPTIONS_NOLINKS)->isChecked());
        QCOMPARE(m_program->profile->GetProfileInt("Settings", "No Links", 0), 1);
        check(0, textColour);
        if (QTest::currentTestFailed())
            return;
        m_program->Action(ID_OPTIONS_NOLINKS)->trigger();
        QCOMPARE(m_program->profile->GetProfileInt("Settings", "No Links", 1), 0);
        check(1, linkColour);
    }

private:
    // Starts the program with its main window of `size` on the screen, new document
    // windows opening restored.
    bool StartOnScreen(const QSize& size)
    {
        if (!m_program->Start())
            return false;
        m_program->Frame().resize(size);
        m_program->Frame().show();
        m_program->app->Settings.OpenMaximized = 0;
        return QTest::qWaitForWindowExposed(&m_program->Frame());
    }

    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
