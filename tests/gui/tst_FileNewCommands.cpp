// File > New > Movie/TV Document and Cast/Crew Document from the main window, on
// generated lists and a temporary profile.

#include "GuiFixture.h"
#include "listdata/ui/NewCastCrewDlg.h"
#include "listdata/ui/NewMovieTVDlg.h"
#include "platform/qt/WideListBox.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/NewDocumentIds.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

using namespace guitest;
using namespace resources;

namespace {

int RowOf(const QListWidget* box, const QString& text)
{
    for (int i = 0; i < box->count(); ++i)
        if (box->item(i)->text() == text)
            return i;
    return -1;
}

// One mark per button, "1" when it is checked.
QString Checked(const QDialog& dialog, std::initializer_list<int> ids)
{
    QString marks;
    for (const int id : ids) {
        const auto* button = dialog.findChild<QAbstractButton*>(QString::number(id));
        marks += button && button->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    }
    return marks;
}

void ClickEach(QDialog& dialog, std::initializer_list<int> ids)
{
    for (const int id : ids)
        dialog.findChild<QAbstractButton*>(QString::number(id))->click();
}

} // namespace

class TestFileNewCommands : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<Program>(); }
    void cleanup() { m_program.reset(); }

    void newMovieTVSearchesAndOpensTheChosenTitleAndKeepsTheText()
    {
        QVERIFY(m_program->Start());
        const std::string film = m_program->generator->FeaturedFilm();
        const QString filmText = QString::fromLatin1(film.c_str());
        QAction* action = m_program->Action(ID_FILE_NEW_MOVIETV);
        QVERIFY(action && action->isEnabled());
        bool answered = false;
        WhenModal<CNewMovieTVDlg>([&](CNewMovieTVDlg& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QString::number(IDC_NEWDOC_SEARCHTEXT));
            QCOMPARE(edit->text(), QString());
            QTest::keyClicks(edit, filmText);
            dialog.findChild<QRadioButton*>(QString::number(IDC_NEWMOVIE_WHOLEWORDS))->setChecked(true);
            Click(dialog, IDC_NEWDOC_SEARCH);
            const int row = RowOf(dialog.Results(), filmText);
            QVERIFY(row >= 0);
            dialog.Results()->item(row)->setSelected(true);
            Click(dialog, IDOK);
            answered = true;
        });
        action->trigger();
        QVERIFY(answered);
        const auto documents = m_program->app->DocManager().GetDocuments();
        QCOMPARE(documents.size(), std::size_t(1));
        auto* movie = dynamic_cast<CRVMDoc*>(documents[0]);
        QVERIFY(movie);
        QCOMPARE(movie->GetMovieTitle(), film);
        QCOMPARE(std::string(movie->GetRecords().GetRecord(0).GetText()), film);
        // The new document has a window and the menus follow it.
        QVERIFY(Program::ViewOf(movie));
        QCOMPARE(m_program->Frame().MenuResource(), 129);
        QVERIFY(Program::TextOf(movie).contains(filmText));
        // The text and the options are kept, and the settings saved.
        QCOMPARE(m_program->app->LastMovieTVText, film);
        QCOMPARE(m_program->app->Settings.MovieTVSearchType, 1);
        QCOMPARE(m_program->profile->GetProfileInt("Settings", "Movie/TV Search Type", -1), 1);

        // The next File > New shows the last search text.
        QString shown;
        WhenModal<CNewMovieTVDlg>([&](CNewMovieTVDlg& dialog) {
            shown = dialog.findChild<QLineEdit*>(QString::number(IDC_NEWDOC_SEARCHTEXT))->text();
            dialog.reject();
        });
        action->trigger();
        QCOMPARE(shown, filmText);
    }

    void cancelChangesNothing()
    {
        QVERIFY(m_program->Start());
        m_program->app->LastCastCrewText = "Earlier, Text";
        WhenModal<CNewCastCrewDlg>([&](CNewCastCrewDlg& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QString::number(IDC_NEWDOC_SEARCHTEXT));
            QCOMPARE(edit->text(), QStringLiteral("Earlier, Text"));
            edit->setText(QStringLiteral("Something Else"));
            dialog.findChild<QRadioButton*>(QString::number(IDC_NEWCAST_INSIDE))->setChecked(true);
            Click(dialog, IDCANCEL);
        });
        m_program->Action(ID_FILE_NEW_CASTCREW)->trigger();
        QCOMPARE(m_program->app->LastCastCrewText, std::string("Earlier, Text"));
        QCOMPARE(m_program->app->Settings.CastCrewSearchType, 0);
        QVERIFY(m_program->app->DocManager().GetDocuments().empty());
    }

    void newCastCrewWithATextFindsThePersonAcrossTheLists()
    {
        QVERIFY(m_program->Start());
        const std::string actress = m_program->generator->FeaturedActress();
        m_program->app->LastCastCrewText = "Not, This";
        QString shown;
        WhenModal<CNewCastCrewDlg>([&](CNewCastCrewDlg& dialog) {
            shown = dialog.findChild<QLineEdit*>(QString::number(IDC_NEWDOC_SEARCHTEXT))->text();
            dialog.findChild<QRadioButton*>(QString::number(IDC_NEWCAST_EXACT))->setChecked(true);
            Click(dialog, IDC_NEWDOC_SEARCH);
            QVERIFY(dialog.Results()->count() >= 1);
            QVERIFY(dialog.Results()->item(0)->text().startsWith(QString::fromLatin1(actress.c_str()) +
                                                                 "  - [Actress], [Director]"));
            dialog.Results()->item(0)->setSelected(true);
            Click(dialog, IDOK);
        });
        // A view's link command hands in its own text.
        m_program->app->NewCastCrewDocument(actress);
        QCOMPARE(shown, QString::fromLatin1(actress.c_str()));
        const auto documents = m_program->app->DocManager().GetDocuments();
        QCOMPARE(documents.size(), std::size_t(1));
        auto* person = dynamic_cast<CRVCDoc*>(documents[0]);
        QVERIFY(person);
        QCOMPARE(person->GetPersonName(), actress);
        QCOMPARE(m_program->Frame().MenuResource(), 130);
        QCOMPARE(m_program->app->LastCastCrewText, actress);
        QCOMPARE(m_program->profile->GetProfileInt("Settings", "Cast/Crew Search Type", -1), 0);
    }

    // Every option the two dialogs keep goes in from the settings and back out on OK.
    void optionsGoIntoTheDialogsAndBackOnOK()
    {
        QVERIFY(m_program->Start());
        CAppSettings& settings = m_program->app->Settings;
        settings.MovieTVAlsoAka = 1;
        settings.MovieTVSearchType = 2;
        settings.CastCrewAlsoAka = 0;
        settings.CastCrewSearchType = 3;
        settings.CastCrewSearchActors = 1;
        settings.CastCrewSearchActresses = 0;
        settings.CastCrewSearchDirectors = 1;
        settings.CastCrewSearchOtherCrew = 0;

        QString shown;
        WhenModal<CNewMovieTVDlg>([&](CNewMovieTVDlg& dialog) {
            shown = Checked(dialog, {IDC_NEWMOVIE_ALSOAKA, IDC_NEWMOVIE_BEGINNING});
            ClickEach(dialog, {IDC_NEWMOVIE_ALSOAKA, IDC_NEWMOVIE_INSIDE});
            dialog.accept(); // OK, which is greyed while no line was found
        });
        m_program->Action(ID_FILE_NEW_MOVIETV)->trigger();
        QCOMPARE(shown, QStringLiteral("11"));
        QCOMPARE(settings.MovieTVAlsoAka, 0);
        QCOMPARE(settings.MovieTVSearchType, 3);

        const std::initializer_list<int> castChecks = {IDC_NEWCAST_ALSOAKA, IDC_NEWCAST_ACTORS, IDC_NEWCAST_ACTRESSES,
                                                       IDC_NEWCAST_DIRECTORS, IDC_NEWCAST_OTHERCREW};
        WhenModal<CNewCastCrewDlg>([&](CNewCastCrewDlg& dialog) {
            shown = Checked(dialog, castChecks) + Checked(dialog, {IDC_NEWCAST_INSIDE});
            ClickEach(dialog, castChecks);
            ClickEach(dialog, {IDC_NEWCAST_WHOLENAMES});
            dialog.accept();
        });
        m_program->Action(ID_FILE_NEW_CASTCREW)->trigger();
        QCOMPARE(shown, QStringLiteral("010101"));
        QCOMPARE(settings.CastCrewAlsoAka, 1);
        QCOMPARE(settings.CastCrewSearchType, 1);
        QCOMPARE(settings.CastCrewSearchActors, 0);
        QCOMPARE(settings.CastCrewSearchActresses, 1);
        QCOMPARE(settings.CastCrewSearchDirectors, 0);
        QCOMPARE(settings.CastCrewSearchOtherCrew, 1);
        QCOMPARE(m_program->profile->GetProfileInt("Settings", "Cast/Crew Search OtherCrew", -1), 1);
        QVERIFY(m_program->app->DocManager().GetDocuments().empty());
    }

private:
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestFileNewCommands)
#include "tst_FileNewCommands.moc"
