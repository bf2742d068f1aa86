// The Options commands, Change Font and About, run through the main window's actions
// with their dialogs answered as a user would; what reaches the profile is read back
// from it.

#include "GuiFixture.h"
#include "platform/MulDiv.h"
#include "platform/qt/HyperLink.h"
#include "platform/qt/QtFont.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ShellOpen.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/OptionsIds.h"
#include "resources/ShellDialogIds.h"
#include "shell/browsers/BrowserDlg.h"
#include "shell/browsers/TitleListView.h"
#include "shell/options/ColorComboBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

using namespace guitest;
using namespace resources;

namespace {

template <typename T = QWidget> T* ControlOf(QWidget& dialog, int id)
{
    return dialog.findChild<T*>(QString::number(id));
}

QStringList RowsOf(QListWidget* list)
{
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text();
    return rows;
}

} // namespace

class TestOptionsDialogs : public QObject {
    Q_OBJECT

private:
    // Triggers `command` and runs `answer` on its dialog once it shows.
    void Run(int command, std::function<void(QDialog&)> answer)
    {
        bool shown = false;
        WhenModal<QDialog>([&shown, answer](QDialog& dialog) {
            shown = true;
            answer(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
        QAction* action = m_program->Action(command);
        QVERIFY(action && action->isEnabled());
        action->trigger();
        QVERIFY(shown);
    }
    static void Ok(QDialog& dialog) { Click(dialog, IDOK); }
    QByteArray ProfileBytes()
    {
        m_program->profile->Settings().sync();
        QFile file(QString::fromStdString(m_program->dir.File("profile.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    int ProfileInt(const char* key) { return m_program->profile->GetProfileInt("Settings", key, -12345); }

private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
    }
    void cleanup()
    {
        QCOMPARE(platform::FileDialog::PendingFileNames(), 0);
        QCOMPARE(platform::MessageBox::PendingAnswers(), 0);
        m_program.reset();
    }

    void okSavesTheWholeRecordAndCancelNothing_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("rebuilds");
        QTest::newRow("path/filenames") << ID_OPTIONS_PATHFILENAMES << false;
        QTest::newRow("movie/tv options") << ID_OPTIONS_MOVIETVOPTIONS << true;
        QTest::newRow("cast/crew options") << ID_OPTIONS_CASTCREWOPTIONS << true;
        QTest::newRow("output options") << ID_OPTIONS_OUTPUTOPTIONS << true;
        QTest::newRow("change font") << ID_OPTIONS_CHANGEFONT << true;
    }

    void okSavesTheWholeRecordAndCancelNothing()
    {
        QFETCH(int, command);
        QFETCH(bool, rebuilds);
        QVERIFY(m_program->Start());
        int rebuilt = 0;
        for (platform::CDocument* document : {static_cast<platform::CDocument*>(m_program->NewMovie("A (2001)")),
                                              static_cast<platform::CDocument*>(m_program->NewPerson("B, C"))})
            connect(Program::ViewOf(document), &CRichDocumentView::Rebuilt, this, [&rebuilt] { ++rebuilt; });

        const QByteArray before = ProfileBytes();
        Run(command, [](QDialog& dialog) { Click(dialog, IDCANCEL); });
        QCOMPARE(ProfileBytes(), before);
        QCOMPARE(rebuilt, 0);

        // Every value is written on OK, not only what the dialog shows.
        platform::QtProfile reference(QString::fromStdString(m_program->dir.File("reference.ini")));
        m_program->app->Settings.Save(reference);
        m_program->profile->Settings().clear();
        Run(command, &TestOptionsDialogs::Ok);
        QCOMPARE(m_program->profile->Settings().allKeys(), reference.Settings().allKeys());
        QCOMPARE(rebuilt, rebuilds ? 2 : 0);
    }

    void radioGroupsRoundTrip_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QList<int>>("group");
        QTest::addColumn<int>("checked"); // 0: no button of the group
        const QList<int> movieViews{1088, 1089, 1090, 1091, 1092, 1093};
        QTest::newRow("movie view 6") << ID_OPTIONS_MOVIETVOPTIONS << "Movie/TV Default View" << 6 << movieViews << 1093;
        QTest::newRow("movie view 1") << ID_OPTIONS_MOVIETVOPTIONS << "Movie/TV Default View" << 1 << movieViews << 1088;
        QTest::newRow("cast view 2") << ID_OPTIONS_CASTCREWOPTIONS << "Cast/Crew Default View" << 2
                                     << QList<int>{1094, 1095} << 1095;
        QTest::newRow("cast order 1") << ID_OPTIONS_MOVIETVOPTIONS << "Movie/TV Cast Order" << 1
                                      << QList<int>{1031, 1033} << 1033;
        // Values that are no button of their group come back as they were.
        QTest::newRow("name output 5") << ID_OPTIONS_OUTPUTOPTIONS << "Name Output" << 5 << QList<int>{1034, 1035}
                                       << 0;
        QTest::newRow("cast order 7") << ID_OPTIONS_MOVIETVOPTIONS << "Movie/TV Cast Order" << 7
                                      << QList<int>{1031, 1033} << 0;
        QTest::newRow("filmography sort -1") << ID_OPTIONS_CASTCREWOPTIONS << "Cast/Crew Filmography Sort" << -1
                                             << QList<int>{1044, 1045} << 0;
    }

    void radioGroupsRoundTrip()
    {
        QFETCH(int, command);
        QFETCH(QString, key);
        QFETCH(int, stored);
        QFETCH(QList<int>, group);
        QFETCH(int, checked);
        m_program->profile->WriteProfileInt("Settings", key.toStdString(), stored);
        QVERIFY(m_program->Start());
        Run(command, [&](QDialog& dialog) {
            for (int id : group) {
                auto* radio = ControlOf<QAbstractButton>(dialog, id);
                QVERIFY(radio);
                QCOMPARE(radio->isChecked(), id == checked);
            }
            Ok(dialog);
        });
        QCOMPARE(ProfileInt(key.toLatin1().constData()), stored);
    }

    void listOptionsShowTheCataloguesListsAndClearExactlyThose_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("rows");
        QTest::newRow("movie/tv") << ID_OPTIONS_MOVIETVOPTIONS << 0 << 46;
        QTest::newRow("cast/crew") << ID_OPTIONS_CASTCREWOPTIONS << 1 << 13;
    }

    void listOptionsShowTheCataloguesListsAndClearExactlyThose()
    {
        QFETCH(int, command);
        QFETCH(int, kind);
        QFETCH(int, rows);
        QVERIFY(m_program->Start());
        CAppSettings& settings = m_program->app->Settings;
        QStringList expected;
        for (int i = 0; i < kListCount; ++i)
            if ((kind == 0 ? ListCatalog[i].useMovieTV : ListCatalog[i].useCastCrew) != 0)
                expected << QString::fromLatin1(ListCatalog[i].name);
        QCOMPARE(expected.size(), rows);
        ListFileSettings before[kListCount];
        std::copy(std::begin(settings.Lists), std::end(settings.Lists), before);

        Run(command, [&](QDialog& dialog) {
            auto* lists = ControlOf<QListWidget>(dialog, IDC_OPTIONS_LISTS);
            QVERIFY(lists);
            // Catalogue order, not re-sorted ("Aka-Titles" before "Alternate Versions").
            QCOMPARE(RowsOf(lists), expected);
            Click(dialog, IDC_OPTIONS_CLEARALL);
            Ok(dialog);
        });
        for (int i = 0; i < kListCount; ++i) {
            const int use = kind == 0 ? settings.Lists[i].UseMovieTV : settings.Lists[i].UseCastCrew;
            const int other = kind == 0 ? settings.Lists[i].UseCastCrew : settings.Lists[i].UseMovieTV;
            const int otherBefore = kind == 0 ? before[i].UseCastCrew : before[i].UseMovieTV;
            QCOMPARE(use, 0);
            QCOMPARE(other, otherBefore);
        }
        const char* section = kind == 0 ? "Use Movie/TV" : "Use Cast/Crew";
        QCOMPARE(m_program->profile->GetProfileInt("Settings/Plot", section, -1), 0);
    }

    void outputOptionsGreyTheLinkControls()
    {
        QVERIFY(m_program->Start());
        m_program->app->Settings.NoLinks = 0;
        m_program->app->Settings.DisableLinkColor = 0;
        Run(ID_OPTIONS_OUTPUTOPTIONS, [](QDialog& dialog) {
            auto* noLinks = ControlOf<QAbstractButton>(dialog, IDC_OUTPUT_NOLINKS);
            auto* disableColors = ControlOf<QAbstractButton>(dialog, IDC_OUTPUT_DISABLECOLORS);
            const int controls[] = {IDC_OUTPUT_LINKSGROUP, IDC_OUTPUT_UNDERLINE, IDC_OUTPUT_DISABLECOLORS,
                                    IDC_OUTPUT_COLORLABEL, IDC_OUTPUT_COLOR};
            const struct {
                bool noLinks, disableColors;
                bool enabled[5];
            } states[] = {
                {false, false, {true, true, true, true, true}},
                {false, true, {true, true, true, false, false}},
                {true, true, {false, false, false, false, false}},
                {true, false, {false, false, false, false, false}},
                {false, false, {true, true, true, true, true}},
            };
            for (const auto& state : states) {
                if (noLinks->isChecked() != state.noLinks)
                    noLinks->click();
                if (disableColors->isChecked() != state.disableColors) {
                    // Disabled while there are no links: set it the way the user would.
                    const bool wasEnabled = disableColors->isEnabled();
                    disableColors->setEnabled(true);
                    disableColors->click();
                    disableColors->setEnabled(wasEnabled);
                }
                for (int i = 0; i < 5; ++i)
                    QVERIFY2(ControlOf(dialog, controls[i])->isEnabled() == state.enabled[i],
                             qPrintable(QStringLiteral("control %1, no links %2, disable colours %3")
                                            .arg(controls[i])
                                            .arg(state.noLinks)
                                            .arg(state.disableColors)));
            }
        });
    }

    void outputOptionsShowAndKeepTheLinkColour_data()
    {
        QTest::addColumn<uint>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<uint>("saved");
        QTest::newRow("red") << 0x0000FFu << "Red" << 0x0000FFu;
        // A colour of no row leaves Black selected, and OK stores black.
        QTest::newRow("not in the table") << 0x123456u << "Black" << 0u;
    }

    void outputOptionsShowAndKeepTheLinkColour()
    {
        QFETCH(uint, stored);
        QFETCH(QString, shown);
        QFETCH(uint, saved);
        m_program->profile->WriteProfileInt("Settings", "Link Color", static_cast<int>(stored));
        QVERIFY(m_program->Start());
        Run(ID_OPTIONS_OUTPUTOPTIONS, [&](QDialog& dialog) {
            auto* combo = ControlOf<CColorComboBox>(dialog, IDC_OUTPUT_COLOR);
            QVERIFY(combo);
            QCOMPARE(combo->currentText(), shown);
            Ok(dialog);
        });
        QCOMPARE(static_cast<uint>(ProfileInt("Link Color")), saved);
    }

    void colourComboBoxRowsAndSelection()
    {
        CColorComboBox combo;
        QCOMPARE(combo.count(), 16);
        QCOMPARE(combo.currentIndex(), 0);
        QCOMPARE(combo.itemText(13), QStringLiteral("Fushcia"));
        combo.SelectColor(0x0000FF);
        QCOMPARE(combo.currentText(), QStringLiteral("Red"));
        QCOMPARE(combo.GetSelectedColor(), 0x0000FFu);
        combo.SelectColor(0x123456); // no such row: the selection stays
        QCOMPARE(combo.currentText(), QStringLiteral("Red"));
        QCOMPARE(combo.AddCustomColor(0x008000), 2); // a table colour needs no row of its own
        QCOMPARE(combo.AddCustomColor(8), 16);
        QCOMPARE(combo.itemText(16), QStringLiteral("Custom"));
        combo.setCurrentIndex(-1);
        QCOMPARE(combo.GetSelectedColor(), 0u);
    }

    void colourSwatchKeepsToTheRowsLeftEdge()
    {
        // A row drawn 40 pixels in, as the rows of a framed drop-down list are.
        QImage image(160, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const QRect row(40, 0, 80, 20);
        CColorComboBox::DrawItem(painter, row, QStringLiteral("Green"), 0x008000, false, false, true, QPalette());
        painter.end();
        // The swatch: a quarter of the row from its left edge, 2 pixels in, framed black.
        QCOMPARE(image.pixelColor(row.left() + 8, 10), QColor(0, 128, 0));
        QCOMPARE(image.pixelColor(row.left() + 2, 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(row.left() + 1, 10), QPalette().color(QPalette::Active, QPalette::Base));
        QVERIFY(image.pixelColor(row.left() + row.width() / 4 + 1, 10) != QColor(0, 128, 0));
        // A disabled row shows no colour.
        image.fill(Qt::white);
        QPainter disabled(&image);
        CColorComboBox::DrawItem(disabled, row, QStringLiteral("Green"), 0x008000, false, false, false, QPalette());
        disabled.end();
        QCOMPARE(image.pixelColor(row.left() + 8, 10), QPalette().color(QPalette::Disabled, QPalette::Text));
    }

    void pathsEndWithASeparator_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter"); // Enter takes OK without leaving the field
        QTest::addColumn<QString>("stored");
        for (bool enter : {false, true}) {
            const char* how = enter ? "enter" : "focus";
            QTest::addRow("%s empty", how) << IDC_PATH_LISTSPATH << "" << enter << "/";
            QTest::addRow("%s no separator", how) << IDC_PATH_LISTSPATH << "/data" << enter << "/data/";
            QTest::addRow("%s separator", how) << IDC_PATH_LISTSPATH << "/data/" << enter << "/data/";
            QTest::addRow("%s default directory", how) << IDC_PATH_DEFAULTDIR << "/home/x" << enter << "/home/x/";
        }
    }

    void pathsEndWithASeparator()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QString, stored);
        QVERIFY(m_program->Start());
        Run(ID_OPTIONS_PATHFILENAMES, [&](QDialog& dialog) {
            auto* edit = ControlOf<QLineEdit>(dialog, field);
            QVERIFY(edit);
            edit->clear();
            QTest::keyClicks(edit, typed);
            if (enter) {
                QTest::keyClick(edit, Qt::Key_Return);
                QVERIFY(!dialog.isVisible());
                return;
            }
            QFocusEvent out(QEvent::FocusOut);
            QCoreApplication::sendEvent(edit, &out);
            QCOMPARE(edit->text(), stored);
            Ok(dialog);
        });
        const CAppSettings& settings = m_program->app->Settings;
        QCOMPARE(QString::fromStdString(field == IDC_PATH_LISTSPATH ? settings.ListsPath : settings.DefaultDirectoryPath),
                 stored);
    }

    void pathFilenamesBrowseAndRestore_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("answer"); // the chosen path, or a message box answer
        QTest::addColumn<QString>("listsPath");
        QTest::addColumn<QString>("plotFile");
        QTest::addColumn<QString>("writersFile");
        const QString lists = "LISTS";
        QTest::newRow("folder") << IDC_PATH_BROWSELISTS << "/srv/zuvo" << "/srv/zuvo/" << "plot.txt" << "w.txt";
        QTest::newRow("folder cancelled") << IDC_PATH_BROWSELISTS << "" << lists << "plot.txt" << "w.txt";
        // Only the name of a file chosen elsewhere is kept; the lists path stays.
        QTest::newRow("file") << IDC_PATH_BROWSEFILE << "/elsewhere/Plot2.list" << lists << "Plot2.list" << "w.txt";
        QTest::newRow("file cancelled") << IDC_PATH_BROWSEFILE << "" << lists << "plot.txt" << "w.txt";
        QTest::newRow("restore") << IDC_PATH_RESTORE << "ok" << lists << "Plot.list" << "Writers.list";
        QTest::newRow("restore cancelled") << IDC_PATH_RESTORE << "cancel" << lists << "plot.txt" << "w.txt";
    }

    void pathFilenamesBrowseAndRestore()
    {
        QFETCH(int, button);
        QFETCH(QString, answer);
        QFETCH(QString, listsPath);
        QFETCH(QString, plotFile);
        QFETCH(QString, writersFile);
        m_program->profile->WriteProfileString("Settings/Plot", "FileName", "plot.txt");
        m_program->profile->WriteProfileString("Settings/Writers", "FileName", "w.txt");
        m_program->profile->WriteProfileInt("Settings", "Vald Lista", 99); // loads as row 0
        QVERIFY(m_program->Start());
        if (listsPath == QStringLiteral("LISTS"))
            listsPath = QString::fromStdString(m_program->Lists());
        platform::MessageBox::ClearShown();
        Run(ID_OPTIONS_PATHFILENAMES, [&](QDialog& dialog) {
            auto* lists = ControlOf<QListWidget>(dialog, IDC_PATH_LISTS);
            QCOMPARE(lists->currentRow(), 0);
            QCOMPARE(ControlOf<QLineEdit>(dialog, IDC_PATH_FILENAME)->text(), QStringLiteral("Actors.list"));
            lists->setCurrentRow(kPlot);
            QCOMPARE(ControlOf<QLineEdit>(dialog, IDC_PATH_FILENAME)->text(), QStringLiteral("plot.txt"));
            if (button == IDC_PATH_RESTORE)
                platform::MessageBox::SetNextAnswer(answer == QStringLiteral("ok") ? platform::MessageBox::IdOk
                                                                                   : platform::MessageBox::IdCancel);
            else
                platform::FileDialog::SetNextFileName(answer);
            Click(dialog, button);
            QCOMPARE(ControlOf<QLineEdit>(dialog, IDC_PATH_FILENAME)->text(), plotFile);
            Ok(dialog);
        });
        const CAppSettings& settings = m_program->app->Settings;
        QCOMPARE(QString::fromStdString(settings.ListsPath), listsPath);
        QCOMPARE(QString::fromStdString(settings.Lists[kPlot].FileName), plotFile);
        QCOMPARE(QString::fromStdString(settings.Lists[kWriters].FileName), writersFile);
        QCOMPARE(settings.SelectedList, int(kPlot));
        if (button == IDC_PATH_RESTORE)
            QCOMPARE(platform::MessageBox::Shown().value(0),
                     QStringLiteral("Your are now about to restore all filenames\nto the standard name "
                                    "'list-name.list'.\nThe 'Path to Listfiles' will not be changed."));
    }

    void foldersNamedInAnyScriptAreKeptAndRead_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("cyrillic") << QStringLiteral("Фильмы");
        QTest::newRow("polish") << QStringLiteral("Łódź");
    }

    // Folders typed into Path/Filenames are kept through OK, saved to the profile and read
    // back unchanged; a browser finds its list there, and the default directory is the
    // current one at once.
    void foldersNamedInAnyScriptAreKeptAndRead()
    {
        QFETCH(QString, folder);
        const QString lists = QString::fromStdString(m_program->dir.Path()) + folder + "/";
        const QString documents = lists + folder;
        std::filesystem::rename(m_program->Lists(), lists.toStdString());
        QVERIFY(QDir().mkpath(documents));
        QVERIFY(m_program->Start());
        Run(ID_OPTIONS_PATHFILENAMES, [&](QDialog& dialog) {
            // The lists folder is chosen with Browse, the default directory typed as an
            // input method types: key events carrying their text.
            platform::FileDialog::SetNextFileName(lists.chopped(1));
            Click(dialog, IDC_PATH_BROWSELISTS);
            QCOMPARE(ControlOf<QLineEdit>(dialog, IDC_PATH_LISTSPATH)->text(), lists);
            auto* edit = ControlOf<QLineEdit>(dialog, IDC_PATH_DEFAULTDIR);
            edit->clear();
            for (const QChar c : documents) {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QCoreApplication::sendEvent(edit, &press);
            }
            QCOMPARE(edit->text(), documents);
            Ok(dialog);
        });
        const CAppSettings& settings = m_program->app->Settings;
        QCOMPARE(QString::fromStdString(settings.ListsPath), lists);
        QCOMPARE(QString::fromStdString(settings.DefaultDirectoryPath), documents + "/");
        QCOMPARE(QFileInfo(QDir::currentPath()).canonicalFilePath(), QFileInfo(documents).canonicalFilePath());

        QVERIFY(ProfileBytes().contains(lists.toUtf8()));
        CAppSettings reloaded;
        reloaded.Load(*m_program->profile);
        QCOMPARE(QString::fromStdString(reloaded.ListsPath), lists);
        QCOMPARE(QString::fromStdString(reloaded.DefaultDirectoryPath), documents + "/");

        const std::string film = m_program->generator->FeaturedFilm();
        bool listed = false;
        WhenModal<CBrowserDlg>([&](CBrowserDlg& browser) {
            browser.OnLetter(IDC_BROWSER_OTHER + film.front() - '@');
            for (int row = 0; row < browser.TitleList()->GetCount(); ++row)
                listed = listed || browser.TitleList()->GetText(row) == film;
            browser.reject();
        });
        platform::MessageBox::ClearShown();
        m_program->Action(ID_BROWSERS_TRIVIA)->trigger();
        QVERIFY(listed);
        QCOMPARE(platform::MessageBox::Shown(), QStringList());
    }

    void changeFontKeepsTheRecordsOtherFields_data()
    {
        QTest::addColumn<bool>("change");
        QTest::addColumn<QString>("face");
        QTest::newRow("untouched") << false << "Fixedsys";
        QTest::newRow("untouched, a face named in Cyrillic") << false << QStringLiteral("Ёлка Моно");
        QTest::newRow("12 points, bold, green") << true << "Fixedsys";
    }

    void changeFontKeepsTheRecordsOtherFields()
    {
        QFETCH(bool, change);
        QFETCH(QString, face);
        // A record the dialog cannot show in full: a face this system lacks, a character
        // set, quality and pitch of their own, and a height that points round off.
        const std::pair<const char*, int> stored[] = {
            {"Font Height", -14},       {"Font Width", 3},         {"Font Escapement", 0}, {"Font Orientation", 0},
            {"Font Weight", 400},       {"Font Italic", 1},        {"Font Underline", 0},  {"Font StrikeOut", 0},
            {"Font CharSet", 238},      {"Font OutPrecision", 3},  {"Font ClipPrecision", 2},
            {"Font Quality", 5},        {"Font PitchAndFamily", 49},
        };
        for (const auto& [key, value] : stored)
            m_program->profile->WriteProfileInt("Settings", key, value);
        m_program->profile->Settings().setValue("Settings/Font FaceName", face);
        QVERIFY(m_program->Start());
        QString family;
        const int dpi = m_program->Frame().logicalDpiY();

        Run(ID_OPTIONS_CHANGEFONT, [&](QDialog& dialog) {
            auto* colour = dialog.findChild<CColorComboBox*>(QStringLiteral("Color"));
            QVERIFY(colour);
            // The stored colour 8 is none of the 16: it shows as its own row.
            QCOMPARE(colour->currentText(), QStringLiteral("Custom"));
            if (change) {
                // A family the combo box offers under its own name: an alias such as "Serif"
                // is shown as the family it stands for.
                auto* families = dialog.findChild<QFontComboBox*>(QStringLiteral("Family"));
                for (int i = 0; i < families->count(); ++i) {
                    const QString candidate = families->itemText(i);
                    if (!QFontDatabase::isFixedPitch(candidate) && candidate != platform::FontFamilyFor("Fixedsys") &&
                        QFontInfo(QFont(candidate)).family() == candidate)
                        family = candidate;
                }
                QVERIFY(!family.isEmpty());
                families->setCurrentFont(QFont(family));
                QCOMPARE(families->currentFont().family(), family);
                dialog.findChild<QComboBox*>(QStringLiteral("Size"))->setCurrentText(QStringLiteral("12"));
                for (QCheckBox* check : dialog.findChildren<QCheckBox*>())
                    if (check->text() == QStringLiteral("&Bold"))
                        check->setChecked(true);
                colour->SelectColor(0x008000);
            }
            Ok(dialog);
        });
        for (const auto& [key, value] : stored) {
            int expected = value;
            if (change && QByteArray(key) == "Font Height")
                expected = -platform::MulDiv(12, dpi, 72);
            if (change && QByteArray(key) == "Font Weight")
                expected = 700;
            QCOMPARE(ProfileInt(key), expected);
        }
        QCOMPARE(m_program->profile->Settings().value("Settings/Font FaceName").toString(), change ? family : face);
        QCOMPARE(ProfileInt("Font Color"), change ? 0x008000 : 8);
    }

    void aboutShowsTheVersionAndThreeLinks()
    {
        QVERIFY(m_program->Start());
        platform::ShellOpen::ClearOpened();
        Run(ID_APP_ABOUT, [](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("About Reelvoyager"));
            QStringList texts;
            for (QLabel* label : dialog.findChildren<QLabel*>())
                texts << label->text();
            QVERIFY(texts.contains(QStringLiteral("Reelvoyager - Version 3.5            (2007.04.06)")));
            QVERIFY(!ControlOf<QLabel>(dialog, IDR_MAINFRAME_ICON)->pixmap().isNull());
            QVERIFY(!ControlOf<QLabel>(dialog, IDB_ABOUT)->pixmap().isNull());
            const std::pair<int, const char*> links[] = {
                {IDC_ABOUT_MAIL, "mailto:reelvoyager@tolvik-software.example"},
                {IDC_ABOUT_HOMEPAGE, "https://www.tolvik-software.example"},
                {IDC_ABOUT_PROVIDER, "https://www.zuvo.example"},
            };
            for (const auto& [id, url] : links) {
                auto* link = ControlOf<CHyperLink>(dialog, id);
                QVERIFY(link);
                QCOMPARE(link->GetURL(), std::string(url));
                platform::ShellOpen::SetNextResult(platform::ShellOpen::kSuccess);
                QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
            }
            QCOMPARE(platform::ShellOpen::Opened(),
                     (QStringList{links[0].second, links[1].second, links[2].second}));
            Ok(dialog);
        });
    }

private:
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestOptionsDialogs)
#include "tst_OptionsDialogs.moc"
