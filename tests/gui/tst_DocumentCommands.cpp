// File and Window commands on documents through the real main window: the names Save As
// gives, what Print prints, and the list of document windows in the Window menu.

#include "GuiFixture.h"
#include "resources/CommandIds.h"
#include "shell/app/WindowMenu.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTextDocument>
#include <filesystem>

using namespace guitest;
using namespace resources;

namespace {

// Pages of a PDF file as Qt writes it: one "/Type /Page" object each.
int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type /Page\\b(?!s)")));
}

// Every page of `document` printed onto images of `page` pixels at 96 dots per inch.
QList<QImage> PrintedPages(const QTextDocument& document, int fromPage, int toPage)
{
    const QSize page(300, 200);
    QList<QImage> pages;
    auto next = [&pages, page] {
        pages.append(QImage(page, QImage::Format_RGB32));
        pages.last().fill(Qt::white);
        return &pages.last();
    };
    QPainter painter(next());
    CRichDocumentView::PrintPages(
        document, painter.device()->logicalDpiY(), painter, page,
        [&] {
            painter.end();
            return painter.begin(next());
        },
        fromPage, toPage);
    painter.end();
    return pages;
}

} // namespace

class TestDocumentCommands : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<Program>(); }
    void cleanup() { m_program.reset(); }

    void saveAsAddsTheKindsExtensionUnlessTheNameEndsWithIt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("dot inside the title") << "Dr. No (1962)"
                                              << "Dr. No (1962).rvmtv";
        QTest::newRow("no dot") << "Matrix"
                                << "Matrix.rvmtv";
        QTest::newRow("the extension") << "Matrix.rvmtv"
                                       << "Matrix.rvmtv";
        QTest::newRow("in capitals") << "MATRIX.RVMTV"
                                     << "MATRIX.RVMTV";
        QTest::newRow("another extension") << "Matrix.txt"
                                           << "Matrix.txt.rvmtv";
    }

    void saveAsAddsTheKindsExtensionUnlessTheNameEndsWithIt()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QVERIFY(m_program->Start());
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        const QString folder = QString::fromStdString(m_program->dir.Path());
        platform::FileDialog::SetNextFileName(folder + typed);
        m_program->Action(ID_FILE_SAVE_AS)->trigger();
        QCOMPARE(QString::fromStdString(movie->GetPathName()), folder + saved);
        QVERIFY(QFileInfo::exists(folder + saved));
    }

    // "leon" typed where leon.rvcc holds another person: the name the extension completes
    // gets the question the dialog asks about a name typed in full.
    void saveAsAsksBeforeReplacingTheFileTheExtensionNames_data()
    {
        QTest::addColumn<bool>("closing");       // Save As reached from "Save changes to ...?" Yes
        QTest::addColumn<bool>("ownFile");       // leon.rvcc is the document's own file
        QTest::addColumn<QStringList>("typed");  // one name per file dialog shown; "" cancels
        QTest::addColumn<QList<int>>("answers"); // to the replace questions, in order
        QTest::addColumn<QString>("savedAs");    // the document's file afterwards; "" none
        const int no = platform::MessageBox::IdNo;
        const int yes = platform::MessageBox::IdYes;
        QTest::newRow("No goes back to the dialog")
            << false << false << QStringList{"leon", ""} << QList<int>{no} << "";
        QTest::newRow("No, then another name")
            << false << false << QStringList{"leon", "leon2"} << QList<int>{no} << "leon2.rvcc";
        QTest::newRow("Yes replaces") << false << false << QStringList{"leon"} << QList<int>{yes} << "leon.rvcc";
        QTest::newRow("typed in full: the dialog asked")
            << false << false << QStringList{"leon.rvcc"} << QList<int>{} << "leon.rvcc";
        QTest::newRow("the document's own file") << false << true << QStringList{"leon"} << QList<int>{} << "leon.rvcc";
        QTest::newRow("closing: No goes back to the dialog")
            << true << false << QStringList{"leon", ""} << QList<int>{no} << "";
        QTest::newRow("closing: Yes replaces")
            << true << false << QStringList{"leon"} << QList<int>{yes} << "leon.rvcc";
    }

    void saveAsAsksBeforeReplacingTheFileTheExtensionNames()
    {
        QFETCH(bool, closing);
        QFETCH(bool, ownFile);
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, answers);
        QFETCH(QString, savedAs);
        QVERIFY(m_program->Start());
        const std::string leon = m_program->dir.File("leon.rvcc");
        const std::string actress = m_program->generator->FeaturedActress();
        const std::string actor = m_program->generator->FeaturedActor();
        CRVCDoc* person = m_program->NewPerson(actress);
        QVERIFY(person->DoSave(leon));
        if (!ownFile) {
            m_program->Action(ID_FILE_CLOSE)->trigger();
            person = m_program->NewPerson(actor);
        }
        const std::string before = testsupport::ReadFile(leon);
        person->SetModifiedFlag(true);

        platform::MessageBox::ClearShown();
        if (closing)
            platform::MessageBox::SetNextAnswer(platform::MessageBox::IdYes); // Save changes to ...?
        for (int answer : answers)
            platform::MessageBox::SetNextAnswer(answer);
        const QString folder = QString::fromStdString(m_program->dir.Path());
        for (const QString& name : typed)
            platform::FileDialog::SetNextFileName(name.isEmpty() ? name : folder + name);
        m_program->Action(closing ? ID_FILE_CLOSE : ID_FILE_SAVE_AS)->trigger();
        QCOMPARE(platform::FileDialog::PendingFileNames(), 0);
        QCOMPARE(platform::MessageBox::PendingAnswers(), 0);

        const QString question = QStringLiteral("leon.rvcc already exists.\nDo you want to replace it?");
        QCOMPARE(platform::MessageBox::Shown().count(question), answers.size());
        QCOMPARE(platform::MessageBox::Shown().size(), answers.size() + (closing ? 1 : 0)); // nothing else asked
        const std::vector<platform::CDocument*> open = m_program->app->DocManager().GetDocuments();
        if (savedAs.isEmpty()) {
            // Nothing saved: the document stays as it was, still open.
            QCOMPARE(open.size(), std::size_t(1));
            QCOMPARE(person->GetPathName(), std::string());
            QVERIFY(person->IsModified());
        } else if (!closing) {
            QCOMPARE(QString::fromStdString(person->GetPathName()), folder + savedAs);
            QVERIFY(!person->IsModified());
        } else {
            QVERIFY(open.empty()); // saved, then closed
        }
        const std::string after = testsupport::ReadFile(leon);
        if (savedAs == QStringLiteral("leon.rvcc") && !ownFile) {
            QVERIFY(after.find(actor) != std::string::npos);
            QVERIFY(after.find(actress) == std::string::npos);
        } else if (!ownFile) {
            QVERIFY(after == before); // the other person's file, byte for byte
        }
    }

    // The question asked after the dialog reads as the dialog's own.
    void replaceQuestionReadsAsTheFileDialogs()
    {
        const QString folder = QString::fromStdString(m_program->dir.Path());
        testsupport::WriteFile(m_program->dir.File("leon.rvcc"), "another person");
        QFileDialog dialog(nullptr, QStringLiteral("Save As"), folder);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.selectFile(QStringLiteral("leon.rvcc"));
        QString asked;
        WhenModal<QMessageBox>([&asked](QMessageBox& box) {
            asked = box.windowTitle() + QLatin1Char('|') + box.text();
            box.button(QMessageBox::Yes)->click();
        });
        WhenModal<QFileDialog>([](QFileDialog& shown) { QMetaObject::invokeMethod(&shown, "accept"); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));

        QVERIFY(m_program->Start());
        m_program->NewPerson(m_program->generator->FeaturedActor());
        platform::MessageBox::ClearShown();
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdNo);
        platform::FileDialog::SetNextFileName(folder + QStringLiteral("leon"));
        platform::FileDialog::SetNextFileName(QString());
        m_program->Action(ID_FILE_SAVE_AS)->trigger();
        QCOMPARE(QStringLiteral("Save As|") + platform::MessageBox::Shown().value(0), asked);
    }

    void allFilesFilterTakesNamesWithoutADot()
    {
        QCOMPARE(platform::FileDialog::ToQtFilter("Reelvoyager Movie/TV Files (*.rvmtv)|*.rvmtv|All Files (*.*)|*.*||"),
                 QStringLiteral("Reelvoyager Movie/TV Files (*.rvmtv) (*.rvmtv);;All Files (*.*) (*)"));
        QCOMPARE(platform::FileDialog::ToQtFilter("Lists|*.list;*.*|"), QStringLiteral("Lists (*.list *) (*.list *)"));
    }

    // The file-type list as the user sees it: each name once, as given; and the files
    // each type lists, a name without a dot under "All Files" too.
    void fileDialogsNameEachFileTypeOnce_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("kind"); // -1 none, 0 Movie/TV, 1 Cast/Crew
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QStringList>("listed"); // per type: the files its list shows
        QTest::newRow("Open") << int(ID_FILE_OPEN) << -1
                              << QStringList{"Reelvoyager Files (*.rvmtv, *.rvcc, *.rvm, *.rvc)",
                                             "Reelvoyager Movie/TV Files (*.rvmtv, *.rvm)",
                                             "Reelvoyager Cast/Crew Files (*.rvcc, *.rvc)", "All Files (*.*)"}
                              << QStringList{"a.rvc a.rvcc a.rvm a.rvmtv", "a.rvm a.rvmtv", "a.rvc a.rvcc",
                                             "README a.rvc a.rvcc a.rvm a.rvmtv a.txt"};
        QTest::newRow("Save As Movie/TV")
            << int(ID_FILE_SAVE_AS) << 0 << QStringList{"Reelvoyager Movie/TV Files (*.rvmtv)", "All Files (*.*)"}
            << QStringList{"a.rvmtv", "README a.rvc a.rvcc a.rvm a.rvmtv a.txt"};
        QTest::newRow("Save As Cast/Crew")
            << int(ID_FILE_SAVE_AS) << 1 << QStringList{"Reelvoyager Cast/Crew Files (*.rvcc)", "All Files (*.*)"}
            << QStringList{"a.rvcc", "README a.rvc a.rvcc a.rvm a.rvmtv a.txt"};
    }

    void fileDialogsNameEachFileTypeOnce()
    {
        QFETCH(int, command);
        QFETCH(int, kind);
        QFETCH(QStringList, types);
        QFETCH(QStringList, listed);
        const std::string folder = m_program->dir.Path() + "types/";
        std::filesystem::create_directories(folder);
        for (const char* name : {"a.rvmtv", "a.rvcc", "a.rvm", "a.rvc", "a.txt", "README"})
            testsupport::WriteFile(folder + name, "x");
        m_program->profile->WriteProfileString("Settings", "Default Open/Save Directory", folder);
        QVERIFY(m_program->Start());
        if (kind == 0)
            m_program->NewMovie(m_program->generator->FeaturedFilm());
        else if (kind == 1)
            m_program->NewPerson(m_program->generator->FeaturedActor());

        QStringList shownTypes;
        QStringList shownFiles;
        WhenModal<QFileDialog>([&](QFileDialog& dialog) {
            ReadFileDialog(dialog, listed, shownTypes, shownFiles);
            dialog.reject();
        });
        m_program->Action(command)->trigger();
        QCOMPARE(shownTypes, types);
        QCOMPARE(shownFiles, listed);
    }

    // Window > New Window: the windows of one document are told apart by ":n" in their
    // captions, the Window menu and the main window's caption, numbered in the order
    // they were opened, through Save As and as windows close; one left bears the name.
    void windowsOfOneDocumentAreNumbered()
    {
        QVERIFY(m_program->Start());
        m_program->Frame().show();
        CRVCDoc* person = m_program->NewPerson(m_program->generator->FeaturedActor());
        const std::string path = m_program->dir.File("leon.rvcc");
        QVERIFY(person->DoSave(path));
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        const QString film = QString::fromStdString(movie->GetTitle());
        Program::FrameOf(person)->ActivateFrame(0);
        m_program->Action(ID_WINDOW_NEW)->trigger();
        m_program->Action(ID_WINDOW_NEW)->trigger();
        QCOMPARE(WindowEntries(),
                 (QStringList{"&1 leon.rvcc:1", "&2 " + film, "&3 leon.rvcc:2", "&4 leon.rvcc:3 (active)"}));
        QCOMPARE(m_program->Frame().windowTitle(), QStringLiteral("Reelvoyager 3.5 - leon.rvcc:3"));

        platform::FileDialog::SetNextFileName(QString::fromStdString(m_program->dir.File("renamed.rvcc")));
        m_program->Action(ID_FILE_SAVE_AS)->trigger();
        QCOMPARE(WindowEntries(),
                 (QStringList{"&1 renamed.rvcc:1", "&2 " + film, "&3 renamed.rvcc:2", "&4 renamed.rvcc:3 (active)"}));
        QCOMPARE(m_program->Frame().windowTitle(), QStringLiteral("Reelvoyager 3.5 - renamed.rvcc:3"));

        // The first window closed: the others move up.
        Program::FrameOf(person)->close();
        QTRY_COMPARE(Captions(), (QStringList{film, "renamed.rvcc:1", "renamed.rvcc:2"}));
        QCOMPARE(WindowEntries().value(1), QStringLiteral("&2 renamed.rvcc:1"));
        Program::FrameOf(person)->close();
        QTRY_COMPARE(Captions(), (QStringList{film, "renamed.rvcc"}));
        QCOMPARE(WindowEntries(), (QStringList{"&1 " + film, "&2 renamed.rvcc (active)"}));
        QCOMPARE(m_program->Frame().windowTitle(), QStringLiteral("Reelvoyager 3.5 - renamed.rvcc"));
    }

    void printHonoursTheDialogsRangeAndKeepsPrintSetupsMargins_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<bool>("select");
        QTest::addColumn<int>("pages"); // -1: every page of the document
        QTest::newRow("all") << "printAll" << false << -1;
        QTest::newRow("page 2") << "printRange" << false << 1;
        QTest::newRow("selection") << "printSelection" << true << 1;
    }

    void printHonoursTheDialogsRangeAndKeepsPrintSetupsMargins()
    {
        QFETCH(QString, range);
        QFETCH(bool, select);
        QFETCH(int, pages);
        QVERIFY(m_program->Start());
        // A large font, so that the document runs over several pages.
        m_program->app->Settings.Font.lfHeight = -150;
        CRVMDoc* movie = m_program->NewMovie(m_program->generator->FeaturedFilm());
        CRichDocumentView* view = Program::ViewOf(movie);
        if (select) {
            QTextCursor cursor = view->textCursor();
            cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
            view->setTextCursor(cursor);
        }
        // Margins of 10 mm, as Print Setup would leave them.
        QPrinter& printer = m_program->app->Printer();
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        const QString pdf = QString::fromStdString(m_program->dir.File("print.pdf"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        bool selectionOffered = false;
        WhenModal<QPrintDialog>([&](QPrintDialog& dialog) {
            auto* selection = dialog.findChild<QRadioButton*>("printSelection");
            selectionOffered = selection->isEnabled() && !selection->isHidden();
            dialog.findChild<QRadioButton*>(range)->setChecked(true);
            dialog.findChild<QSpinBox*>("from")->setValue(2);
            dialog.findChild<QSpinBox*>("to")->setValue(2);
            dialog.accept();
        });
        m_program->Action(ID_FILE_PRINT)->trigger();
        QCOMPARE(selectionOffered, select);
        const int printed = PdfPageCount(pdf);
        if (pages < 0)
            QVERIFY2(printed >= 3, qPrintable(QString::number(printed)));
        else
            QCOMPARE(printed, pages);
        const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
        QVERIFY(qAbs(margins.left() - 10) < 0.1 && qAbs(margins.top() - 10) < 0.1);
    }

    void aPageRangePrintsThosePages()
    {
        QTextDocument document;
        QString text;
        for (int line = 1; line <= 40; ++line)
            text += QStringLiteral("Line %1\n").arg(line);
        document.setPlainText(text);
        const QList<QImage> all = PrintedPages(document, 1, 0);
        QVERIFY(all.size() >= 3);
        QCOMPARE(PrintedPages(document, 2, 2), QList<QImage>{all[1]});
        QCOMPARE(PrintedPages(document, 2, 0), all.mid(1));
        QCOMPARE(PrintedPages(document, all.size() + 1, 0).size(), 1); // nothing printed on its one sheet
        QCOMPARE(PrintedPages(document, all.size() + 1, 0).first(), PrintedPages(QTextDocument(), 1, 0).first());
    }

    void windowMenuListsTheDocumentWindowsAndActivatesTheChosenOne()
    {
        QVERIFY(m_program->Start());
        m_program->Frame().show();
        m_program->app->Settings.OpenMaximized = 1;
        CRVMDoc* first = m_program->NewMovie(m_program->generator->FeaturedFilm());
        CRVMDoc* second = m_program->NewMovie(m_program->generator->FeaturedSeries());
        CRVCDoc* third = m_program->NewPerson(m_program->generator->FeaturedActor());
        QVERIFY(Program::FrameOf(third)->isMaximized());
        // A '&' of a title shows; it is no mnemonic.
        first->SetTitle("Smith & Jones");
        m_program->Frame().UpdateCommands();
        QCOMPARE(WindowEntries(), (QStringList{"&1 Smith && Jones", "&2 " + Program::FrameOf(second)->windowTitle(),
                                               "&3 " + Program::FrameOf(third)->windowTitle() + " (active)"}));
        WindowEntry(0)->trigger();
        QCOMPARE(m_program->Frame().MDIGetActive(), Program::FrameOf(first));
        QVERIFY(Program::FrameOf(first)->isMaximized());
        QVERIFY(WindowEntries().value(0).endsWith(QStringLiteral(" (active)")));
        // The list follows the windows that are open.
        m_program->Action(ID_FILE_CLOSE)->trigger();
        QTRY_COMPARE(WindowEntries().size(), 2);
    }

    void moreWindowsChoosesAmongAllWindows()
    {
        QVERIFY(m_program->Start());
        QList<CRVMDoc*> movies;
        for (int i = 0; i < CWindowMenu::kListedWindows + 1; ++i)
            movies.append(m_program->NewMovie(m_program->generator->FeaturedFilm()));
        QCOMPARE(WindowEntries().size(), CWindowMenu::kListedWindows + 1);
        QCOMPARE(WindowEntries().last(), QStringLiteral("&More Windows..."));
        WhenModal<QInputDialog>([](QInputDialog& dialog) {
            dialog.setTextValue(dialog.comboBoxItems().value(0));
            dialog.accept();
        });
        WindowEntry(CWindowMenu::kListedWindows)->trigger();
        QCOMPARE(m_program->Frame().MDIGetActive(), Program::FrameOf(movies.first()));
    }

private:
    // The Window menu of the menu bar in force, as it is about to show.
    QMenu* WindowMenu()
    {
        for (QAction* action : m_program->Frame().menuBar()->actions())
            if (action->text() == QStringLiteral("&Window")) {
                emit action->menu()->aboutToShow();
                return action->menu();
            }
        return nullptr;
    }
    QAction* WindowEntry(int index)
    {
        QMenu* menu = WindowMenu();
        for (QAction* action : menu ? menu->actions() : QList<QAction*>())
            if (action->objectName().toInt() == CWindowMenu::AFX_IDM_FIRST_MDICHILD + index)
                return action;
        return nullptr;
    }
    // The captions of the document windows, in the order they were opened.
    QStringList Captions()
    {
        QStringList captions;
        for (QMdiSubWindow* window : m_program->Frame().MdiArea()->subWindowList(QMdiArea::CreationOrder))
            captions << window->windowTitle();
        return captions;
    }
    // The file types a file dialog offers, and the files its list shows under each type
    // (waiting up to the `expected` ones, since the folder is read in the background).
    static void ReadFileDialog(QFileDialog& dialog, const QStringList& expected, QStringList& types, QStringList& files)
    {
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(combo && list);
        for (int i = 0; i < combo->count(); ++i)
            types << combo->itemText(i);
        const QStringList filters = dialog.nameFilters();
        for (int i = 0; i < filters.size(); ++i) {
            dialog.selectNameFilter(filters[i]);
            auto listed = [list] {
                QStringList names;
                const QAbstractItemModel* model = list->model();
                for (int row = 0; row < model->rowCount(list->rootIndex()); ++row)
                    names << model->index(row, 0, list->rootIndex()).data().toString();
                names.sort();
                return names.join(QLatin1Char(' '));
            };
            QTRY_COMPARE_WITH_TIMEOUT(listed(), expected.value(i), 5000);
            files << listed();
        }
    }
    // The window entries, the checked one marked "(active)".
    QStringList WindowEntries()
    {
        QStringList entries;
        QMenu* menu = WindowMenu();
        for (QAction* action : menu ? menu->actions() : QList<QAction*>())
            if (action->objectName().toInt() >= CWindowMenu::AFX_IDM_FIRST_MDICHILD)
                entries << action->text() + (action->isChecked() ? QStringLiteral(" (active)") : QString());
        return entries;
    }

    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestDocumentCommands)
#include "tst_DocumentCommands.moc"
