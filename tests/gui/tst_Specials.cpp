// The Specials dialogs, alone and through the real main window: Top 250 and Bottom 10
// over the Ratings list, Birthdays and Deaths over the Biographies list, and the documents
// their popup menus lead to.

#include "GuiFixture.h"
#include "SortListSteps.h"
#include "listdata/ui/GetInformationDlg.h"
#include "platform/qt/PopupMenu.h"
#include "platform/qt/SortListCtrl.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/SpecialsIds.h"
#include "shell/specials/DateSearchDlg.h"
#include "shell/specials/RankedTitlesDlg.h"
#include "support/FixtureLists.h"
#include "support/SampleLists.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QRegularExpression>

using namespace guitest;
using namespace resources;

namespace {

QStringList Column(const platform::CSortListCtrl& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts << QString::fromLatin1(list.GetItemText(row, column).c_str());
    return texts;
}

// The birth date ("DB:" line) of `name` in the Biographies list at `path`.
QDate BirthDate(const std::string& path, const std::string& name)
{
    const QString text = QString::fromLatin1(testsupport::ReadFile(path).c_str());
    const qsizetype at = text.indexOf(QStringLiteral("NM: ") + QString::fromLatin1(name.c_str()) + '\n');
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("\nDB: (\\d+ \\w+ \\d{4})")).match(text, at);
    return at < 0 ? QDate() : QLocale::c().toDate(match.captured(1), QStringLiteral("d MMMM yyyy"));
}

const std::string kColumns = "New  Distribution  Votes  Rank  Title\n";

// The rows of a Specials list, a line each, their cells separated by tabs.
std::string RowsText(const platform::CSortListCtrl& list)
{
    std::string text;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        for (int column = 0; column < list.GetColumnCount(); ++column)
            text += (column > 0 ? "\t" : "") + list.GetItemText(row, column);
        text += '\n';
    }
    return text;
}

// The golden file of the rows the Specials list for the sample lists, first rewritten
// with `text` when RV_UPDATE_GOLDENS is set. The core's tests read it too.
std::string Golden(const std::string* text)
{
    if (text && qEnvironmentVariableIsSet("RV_UPDATE_GOLDENS"))
        testsupport::WriteFile(testsupport::SpecialsRowsGoldenPath(), *text);
    return testsupport::ReadFile(testsupport::SpecialsRowsGoldenPath());
}

// A Ratings list whose top table holds a line of two and a line of three fields and whose
// bottom table holds eleven titles.
std::string RatingsFixture()
{
    std::string bottom;
    for (int i = 1; i <= 11; ++i)
        bottom += "      9000000000  " + std::to_string(100 + i) + "  1." + std::to_string(i % 10) + "  Worst " +
                  std::to_string(i) + " (1970)\n";
    return "\n" + kColumns + "      0000001222  315017  9.9  Alpha (1990)\n      0000001222  12\n" +
           "      0000001222  12  5.5\n      0000001222  900  8.1  Delta (1994)\n\n\nBOTTOM 10 MOVIES\n" +
           "================\n\n" + kColumns + bottom + "\n\nMOVIE RATINGS REPORT\n\n" + kColumns +
           "      0000001222  315017  9.9  Alpha (1990)\n\n";
}

} // namespace

class TestSpecials : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
        platform::MessageBox::ClearShown();
        platform::PopupMenu::ClearChoices();
    }
    void cleanup()
    {
        QCOMPARE(platform::PopupMenu::PendingChoices(), 0);
        QCOMPARE(platform::MessageBox::PendingAnswers(), 0);
        m_program.reset();
    }

    void top250ChoiceOpensTheFilmAndAsksForInformation()
    {
        QVERIFY(m_program->Start());
        const std::string film = m_program->generator->FeaturedFilm();
        bool chose = false;
        bool asked = false;
        WhenModal<CRankedTitlesDlg>([&](CRankedTitlesDlg& dialog) {
            QCOMPARE(dialog.objectName(), QString::number(IDD_TOP250));
            platform::CSortListCtrl& list = *dialog.list;
            QCOMPARE(list.objectName(), QString::number(IDC_TOP250_LIST));
            QVERIFY(list.GetItemCount() > 0);
            QCOMPARE(list.GetItemText(0, 0), std::string("1"));
            QCOMPARE(list.GetItemText(0, 1), film);
            // Without a current row the item is disabled and nothing happens.
            QVERIFY(!ChooseFromPopup(list, ID_POPUP_GETMOVIETVINFO));
            QVERIFY(dialog.isVisible());
            list.SetSelectionMark(0);
            QVERIFY(ChooseFromPopup(list, ID_POPUP_GETMOVIETVINFO));
            chose = true;
        });
        WhenModal<CGetInformationDlg>([&](CGetInformationDlg& dialog) {
            asked = true;
            dialog.reject();
        });
        m_program->Action(ID_SPECIALS_TOP250)->trigger();
        QVERIFY(chose);
        QVERIFY(asked);
        const auto documents = m_program->app->DocManager().GetDocuments();
        QCOMPARE(documents.size(), std::size_t(1));
        auto* movie = dynamic_cast<CRVMDoc*>(documents[0]);
        QVERIFY(movie);
        QCOMPARE(movie->GetMovieTitle(), film);
        QCOMPARE(std::string(movie->GetRecords().GetRecord(0).GetText()), film);
        QCOMPARE(m_program->Frame().MenuResource(), 129);
    }

    void rankedTablesOfAFixture()
    {
        QVERIFY(m_program->Start());
        testsupport::WriteList(m_program->Lists(), kRatings, RatingsFixture());
        const CAppSettings& settings = m_program->app->Settings;
        // Lines of two or three fields add no row; the one of three takes rank 2.
        CTop250Dlg top(settings);
        QCOMPARE(Column(*top.list, 0), (QStringList{"1", "3"}));
        QCOMPARE(Column(*top.list, 1), (QStringList{"Alpha (1990)", "Delta (1994)"}));
        QCOMPARE(Column(*top.list, 2), (QStringList{"315017", "900"}));
        // Ranks count down from 10, never below 1, and show rank 1 first.
        CBottom10Dlg bottom(settings);
        QCOMPARE(Column(*bottom.list, 0), (QStringList{"1", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
        QCOMPARE(bottom.list->GetItemText(0, 1), std::string("Worst 10 (1970)"));
        QCOMPARE(bottom.list->LastSortColumn, 0);
        // OK leaves the dialog without a choice.
        Click(bottom, IDOK);
        QCOMPARE(bottom.result(), int(QDialog::Accepted));
        QCOMPARE(bottom.getInformation, 0);
        QVERIFY(platform::MessageBox::Shown().isEmpty());

        // A list without its tables: one box, no rows.
        testsupport::WriteList(m_program->Lists(), kRatings, "\nno tables here\n");
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        CBottom10Dlg none(settings);
        QCOMPARE(none.list->GetItemCount(), 0);
        QCOMPARE(platform::MessageBox::Shown(),
                 QStringList{"Error in Listfile 'Ratings':\nCouldn't find begining of file."});
    }

    void birthdaysChoiceOpensThePersonNamedInListForm()
    {
        QVERIFY(m_program->Start());
        const std::string actor = m_program->generator->FeaturedActor();
        const QDate born = BirthDate(m_program->Lists() + DefaultListFileName(kBiographies), actor);
        QVERIFY(born.isValid());
        bool chose = false;
        WhenModal<CDateSearchDlg>([&](CDateSearchDlg& dialog) {
            QCOMPARE(dialog.objectName(), QString::number(IDD_BIRTHDAYS));
            dialog.picker->setDate(QDate(2024, born.month(), born.day()));
            Click(dialog, IDC_START_SEARCH);
            const int row = RowOf(*dialog.list, 4, actor);
            QVERIFY(row >= 0);
            QCOMPARE(dialog.list->GetItemText(row, 0), std::to_string(born.year()));
            QCOMPARE(dialog.list->GetItemText(row, 1), std::to_string(2024 - born.year()));
            dialog.list->SetSelectionMark(row);
            QVERIFY(ChooseFromPopup(*dialog.list, ID_POPUP_GETCASTCREWINFO));
            chose = true;
        });
        WhenModal<CGetInformationDlg>([](CGetInformationDlg& dialog) { dialog.reject(); });
        m_program->Action(ID_SPECIALS_BIRTHDAYS)->trigger();
        QVERIFY(chose);
        const auto documents = m_program->app->DocManager().GetDocuments();
        QCOMPARE(documents.size(), std::size_t(1));
        auto* person = dynamic_cast<CRVCDoc*>(documents[0]);
        QVERIFY(person);
        QCOMPARE(person->GetPersonName(), actor);
        QCOMPARE(m_program->Frame().MenuResource(), 130);
    }

    void searchesReplaceTheirRowsAndKeepThemOnFailure()
    {
        QVERIFY(m_program->Start());
        testsupport::WriteList(m_program->Lists(), kBiographies,
                               "------\nNM: Young, Ann\n\nDB: 10 June 1900, York, UK\nDD: 5 June 1950, Bath, UK\n\n"
                               "------\nNM: Leap, Lena\n\nDB: 29 February 1904, Paris, France\n"
                               "DD: 5 June 1960, Paris, France (old age)\n\n------\n");
        CDeathsDlg dialog(m_program->app->Settings);
        QCOMPARE(dialog.objectName(), QString::number(IDD_DEATHS));
        dialog.picker->setDate(QDate(2024, 6, 5));
        // Sorted by Age (ascending): the user's sort is kept for the next search.
        emit dialog.list->header()->sectionClicked(1);
        for (int search = 0; search < 2; ++search) {
            Click(dialog, IDC_START_SEARCH);
            QCOMPARE(Column(*dialog.list, 1), (QStringList{"49", "56"}));
        }
        QCOMPARE(Column(*dialog.list, 3), (QStringList{"Bath, UK", "Paris, France - (old age)"}));
        QCOMPARE(Column(*dialog.list, 2), (QStringList{"Ann Young", "Lena Leap"}));
        // Without a current row the popup item is disabled.
        QVERIFY(!ChooseFromPopup(*dialog.list, ID_POPUP_GETCASTCREWINFO));

        // The list cannot be opened: one box, and the rows stay.
        std::filesystem::remove(m_program->Lists() + DefaultListFileName(kBiographies));
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        Click(dialog, IDC_START_SEARCH);
        QCOMPARE(platform::MessageBox::Shown(), QStringList{"Error in Listfile 'Biographies':\nCouldn't open file."});
        QCOMPARE(dialog.list->GetItemCount(), 2);
    }

    void commandsRunTheirDialogsAndTellAMissingListOverTheWindow_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("dialogId");
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("failure");
        const QString ratings = QStringLiteral("Error in Listfile 'Ratings':\nCouldn't open file.");
        const QString biographies = QStringLiteral("Error in Listfile 'Biographies':\nCouldn't open file.");
        QTest::newRow("top 250") << ID_SPECIALS_TOP250 << IDD_TOP250 << int(kRatings) << ratings;
        QTest::newRow("bottom 10") << ID_SPECIALS_BOTTOM10 << IDD_BOTTOM10 << int(kRatings) << ratings;
        QTest::newRow("birthdays") << ID_SPECIALS_BIRTHDAYS << IDD_BIRTHDAYS << int(kBiographies) << biographies;
        QTest::newRow("deaths") << ID_SPECIALS_DEATHS << IDD_DEATHS << int(kBiographies) << biographies;
    }

    // Each menu command runs its own dialog. The box about a missing list stands over the
    // main window while the dialog is not on the screen yet (Top 250 and Bottom 10 read
    // their list before they show), over the dialog once it is.
    void commandsRunTheirDialogsAndTellAMissingListOverTheWindow()
    {
        QFETCH(int, command);
        QFETCH(int, dialogId);
        QFETCH(int, list);
        QFETCH(QString, failure);
        QVERIFY(m_program->Start());
        std::filesystem::remove(m_program->Lists() + DefaultListFileName(list));
        const bool readsOnSearch = list == kBiographies;
        QString shownId;
        QWidget* boxParent = nullptr;
        WhenModal<CSpecialsDlg>([&](CSpecialsDlg& dialog) {
            shownId = dialog.objectName();
            if (readsOnSearch) {
                QVERIFY(platform::MessageBox::Shown().isEmpty());
                platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
                Click(dialog, IDC_START_SEARCH);
                boxParent = platform::MessageBox::LastParent();
                QCOMPARE(boxParent, &dialog);
            }
            Click(dialog, IDOK);
        });
        if (!readsOnSearch)
            platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        m_program->Action(command)->trigger();
        QCOMPARE(shownId, QString::number(dialogId));
        QCOMPARE(platform::MessageBox::Shown(), QStringList{failure});
        if (!readsOnSearch)
            QCOMPARE(platform::MessageBox::LastParent(), static_cast<QWidget*>(&m_program->Frame()));
        else
            QVERIFY(boxParent);
        QVERIFY(m_program->app->DocManager().GetDocuments().empty());
    }

    void rowsOfTheGeneratedListsMatchTheGolden_data()
    {
        QTest::addColumn<bool>("hostile");
        QTest::newRow("sample lists") << false;
        QTest::newRow("CR LF and hostile lines") << true;
    }

    // What the four dialogs list for the sample lists (Birthdays and Deaths on every day of
    // a leap year), as the golden file holds it; CR LF line ends and hostile lines
    // elsewhere in the lists change no row.
    void rowsOfTheGeneratedListsMatchTheGolden()
    {
        QFETCH(bool, hostile);
        testsupport::TempDir dir;
        const CAppSettings settings = testsupport::WriteSampleLists(dir.Path(), {kRatings, kBiographies}, hostile);

        std::string text = "Top 250 Movies\n" + RowsText(*CTop250Dlg(settings).list);
        text += "Bottom 10 Movies\n" + RowsText(*CBottom10Dlg(settings).list);
        CBirthdaysDlg births(settings);
        CDeathsDlg deaths(settings);
        for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1)) {
            for (CDateSearchDlg* dialog : std::initializer_list<CDateSearchDlg*>{&births, &deaths}) {
                dialog->picker->setDate(day);
                Click(*dialog, IDC_START_SEARCH);
                const std::string rows = RowsText(*dialog->list);
                if (!rows.empty())
                    text += dialog->windowTitle().toStdString() + " " +
                            day.toString(QStringLiteral("d M yyyy")).toStdString() + "\n" + rows;
            }
        }
        QVERIFY(platform::MessageBox::Shown().isEmpty());
        QCOMPARE(text, Golden(hostile ? nullptr : &text));
    }

private:
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestSpecials)
#include "tst_Specials.moc"
