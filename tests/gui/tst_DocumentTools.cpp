// Movie Links and Credited With: the dialogs alone on hand-made links and lists, and
// through the real main window after a Get Information run.

#include "GuiFixture.h"
#include "SortListSteps.h"
#include "documents/NewDocument.h"
#include "documents/RtfWriter.h"
#include "listdata/ui/GetInformationDlg.h"
#include "listdata/ui/SearchingDlg.h"
#include "platform/qt/PopupMenu.h"
#include "platform/qt/QtText.h"
#include "platform/qt/SortListCtrl.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/LinkDialogIds.h"
#include "resources/SpecialsIds.h"
#include "shell/links/CreditedWithDlg.h"
#include "shell/links/MovieLinksDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>

using namespace guitest;
using namespace resources;

namespace {

void SetChecks(QListWidget& list, const std::vector<int>& checks)
{
    for (std::size_t i = 0; i < checks.size(); ++i)
        list.item(int(i))->setCheckState(checks[i] ? Qt::Checked : Qt::Unchecked);
}

// The titles of the open Movie/TV documents, in the order they were made.
std::vector<std::string> MovieTitles(Program& p)
{
    std::vector<std::string> titles;
    for (platform::CDocument* document : p.app->DocManager().GetDocuments())
        if (auto* movie = dynamic_cast<CRVMDoc*>(document))
            titles.push_back(movie->GetMovieTitle());
    return titles;
}

} // namespace

class TestDocumentTools : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
        QVERIFY(m_program->Start());
        platform::MessageBox::ClearShown();
        platform::PopupMenu::ClearChoices();
    }
    void cleanup()
    {
        QCOMPARE(platform::PopupMenu::PendingChoices(), 0);
        QCOMPARE(platform::MessageBox::PendingAnswers(), 0);
        m_program.reset();
    }

    void movieLinksMakesADocumentPerCheckedTitle()
    {
        Program& p = *m_program;
        CRtfWriter empty(&p.app->Settings);
        empty.EmitLink("zuvo", "https://www.zuvo.example/Title?Alpha", "", RtfLinkKind::WebAddress);
        CMovieLinksDlg none(empty, p.app->DocManager());
        QCOMPARE(none.TitleList()->count(), 0);
        QVERIFY(!none.findChild<QPushButton*>(QString::number(IDC_MOVIELINKS_CREATE))->isEnabled());

        CRtfWriter writer(&p.app->Settings);
        for (const char* title : {"Alpha (1990)", "Beta (1991)", "Alpha (1990)"})
            writer.EmitLink(title, title, "", RtfLinkKind::Title);
        writer.EmitLink("Baker, Bob", "Baker, Bob", "", RtfLinkKind::Name);
        CMovieLinksDlg dialog(writer, p.app->DocManager());
        QListWidget& list = *dialog.TitleList();
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.item(1)->text(), QStringLiteral("Beta (1991)"));
        QCOMPARE(list.item(0)->checkState(), Qt::Checked);

        const QString ask = QStringLiteral("\nAre you sure you want to continue?");
        const struct {
            int button; // pressed before the checks are set; 0 none
            std::vector<int> checks;
            int answer;
            QString question;
            std::vector<std::string> made;
        } steps[] = {
            {IDC_MOVIELINKS_CLEARALL, {}, platform::MessageBox::IdYes, "This will create 0 new documents." + ask, {}},
            {0, {0, 1}, platform::MessageBox::IdNo, "This will create 1 new document." + ask, {}},
            {0, {0, 1}, platform::MessageBox::IdYes, "This will create 1 new document." + ask, {"Beta (1991)"}},
            {IDC_MOVIELINKS_SETALL, {}, platform::MessageBox::IdYes, "This will create 2 new documents." + ask,
             {"Beta (1991)", "Alpha (1990)", "Beta (1991)"}},
        };
        for (const auto& step : steps) {
            if (step.button)
                Click(dialog, step.button);
            SetChecks(list, step.checks);
            platform::MessageBox::ClearShown();
            platform::MessageBox::SetNextAnswer(step.answer);
            Click(dialog, IDC_MOVIELINKS_CREATE);
            QCOMPARE(platform::MessageBox::Shown(), QStringList{step.question});
            QCOMPARE(MovieTitles(p), step.made);
        }

        // Each new document is ready for Get Information: heading, web address, then the
        // document information with today as creation and update date; no section yet.
        const LocalDate today = TodayLocalDate();
        for (platform::CDocument* document : p.app->DocManager().GetDocuments()) {
            auto* movie = static_cast<CRVMDoc*>(document);
            QCOMPARE(movie->GetSectionMode(), 0);
            const CRecordStore& records = movie->GetRecords();
            auto lock = records.Lock();
            QCOMPARE(records.GetCount(), 11);
            QCOMPARE(std::string(records.GetRecord(0).GetText()), movie->GetMovieTitle());
            QCOMPARE(records.GetRecord(1).type, int(kRecordWebAddress));
            const int keys[9] = {0, 8, 1, 2, 3, 4, 5, 6, 7};
            const int values[9] = {kProgramVersion, kProgramVersion, kMovieTVDocVersion, today.year, today.month,
                                   today.day, today.year, today.month, today.day};
            for (int i = 0; i < 9; ++i) {
                const InfoRecord record = records.GetRecord(2 + i);
                std::int32_t value = 0;
                QVERIFY(record.GetInt(value));
                QCOMPARE(record.type, int(kRecordDocInfo));
                QCOMPARE(record.key, keys[i]);
                QCOMPARE(value, values[i]);
            }
        }
    }

    // Get Information on the featured series and actor; Movie Links of the series' view
    // lists its episodes; Credited With of the actor finds the featured actress on their
    // shared titles, and her name's menu opens her document and its Get Information.
    void documentToolsAfterASearch()
    {
        Program& p = *m_program;
        CRVMDoc* series = p.NewMovie(p.generator->FeaturedSeries());
        CRVCDoc* actor = p.NewPerson(p.generator->FeaturedActor());
        QVERIFY(!p.Action(ID_CASTCREW_CREDITEDWITH)->isEnabled());
        WhenModal<CGetInformationDlg>([](CGetInformationDlg& dialog) {
            Click(dialog, IDC_GI_BATCH);
            Click(dialog, IDOK);
        });
        p.Action(ID_CASTCREW_GETINFORMATION)->trigger();
        CSearchingDlg* searching = p.Frame().SearchingDialog();
        QVERIFY(searching);
        // Neither tool while the run rewrites the documents.
        QVERIFY(actor->IsSearching());
        QVERIFY(!p.Action(ID_CASTCREW_CREDITEDWITH)->isEnabled());
        QVERIFY(!p.Action(ID_CASTCREW_MOVIELINKS)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(searching->searching == 0, 30000);
        Click(*searching, IDCANCEL);
        QTRY_VERIFY(!p.Frame().IsSearchRunning());
        QVERIFY(p.Action(ID_CASTCREW_CREDITEDWITH)->isEnabled());

        Program::FrameOf(series)->ActivateFrame(0);
        p.Frame().UpdateCommands();
        QVERIFY(p.Action(ID_MOVIETV_MOVIELINKS)->isEnabled());
        QStringList offered;
        WhenModal<CMovieLinksDlg>([&offered](CMovieLinksDlg& dialog) {
            for (int i = 0; i < dialog.TitleList()->count(); ++i)
                offered << dialog.TitleList()->item(i)->text();
            Click(dialog, IDOK);
        });
        p.Action(ID_MOVIETV_MOVIELINKS)->trigger();
        QVERIFY2(offered.contains(platform::ToQString(p.generator->FeaturedEpisode(0))), qPrintable(offered.join('|')));

        Program::FrameOf(actor)->ActivateFrame(0);
        p.Frame().UpdateCommands();
        const std::string actress = p.generator->FeaturedActress();
        std::vector<std::string> shared = {p.generator->FeaturedFilm()};
        for (int episode = 0; episode < p.generator->FeaturedEpisodeCount(); episode += 3)
            shared.push_back(p.generator->FeaturedEpisode(episode));
        bool chose = false;
        bool asked = false;
        WhenModal<CCreditedWithDlg>([&](CCreditedWithDlg& dialog) {
            platform::CSortListCtrl& names = *dialog.NameList();
            QVERIFY(!ChooseFromPopup(names, ID_POPUP_GETCASTCREWINFO));
            Click(dialog, IDC_START_SEARCH);
            QCOMPARE(RowOf(names, 1, actor->GetPersonName()), -1);
            const int row = RowOf(names, 1, actress);
            QVERIFY(row >= 0);
            names.SetSelectionMark(row);
            platform::CSortListCtrl& titles = *dialog.TitleList();
            QCOMPARE(dialog.findChild<QLabel*>(QString::number(IDC_CW_LISTED_NAME))->text(),
                     platform::ToQString(actress));
            for (const std::string& title : shared) {
                const int at = RowOf(titles, 0, title);
                QVERIFY2(at >= 0, title.c_str());
                QCOMPARE(titles.GetItemText(at, 1), std::string("Actress"));
            }
            // A minimum above everyone's count empties the names at once; a row of the
            // earlier fill then shows no titles.
            dialog.findChild<QSpinBox*>(QString::number(IDC_CW_MINIMUM))->setValue(255);
            QCOMPARE(names.GetItemCount(), 0);
            dialog.FillTitleList(row);
            QCOMPARE(titles.GetItemCount(), 0);
            QVERIFY(dialog.findChild<QLabel*>(QString::number(IDC_CW_LISTED_NAME))->text().isEmpty());
            dialog.findChild<QSpinBox*>(QString::number(IDC_CW_MINIMUM))->setValue(1);
            names.SetSelectionMark(RowOf(names, 1, actress));
            QVERIFY(ChooseFromPopup(names, ID_POPUP_GETCASTCREWINFO));
            chose = true;
        });
        WhenModal<CGetInformationDlg>([&asked](CGetInformationDlg& dialog) {
            asked = true;
            dialog.reject();
        });
        p.Action(ID_CASTCREW_CREDITEDWITH)->trigger();
        QVERIFY(chose);
        QVERIFY(asked);
        const auto documents = p.app->DocManager().GetDocuments();
        QCOMPARE(documents.size(), std::size_t(3));
        auto* made = dynamic_cast<CRVCDoc*>(documents.back());
        QVERIFY(made);
        QCOMPARE(made->GetPersonName(), actress);
        QCOMPARE(p.Frame().MenuResource(), 130);
    }

    // A credit list that cannot be read is told over the dialog.
    void missingCreditListIsToldOverTheDialog()
    {
        Program& p = *m_program;
        CRVCDoc* actor = p.NewPerson(p.generator->FeaturedActor());
        actor->SetDefaultFilmographyMode(1);
        p.Frame().UpdateCommands();
        std::filesystem::remove(p.Lists() + DefaultListFileName(kActors));
        bool searched = false;
        WhenModal<CCreditedWithDlg>([&searched](CCreditedWithDlg& dialog) {
            platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
            Click(dialog, IDC_START_SEARCH);
            QCOMPARE(platform::MessageBox::Shown().size(), 1);
            QCOMPARE(platform::MessageBox::LastParent(), static_cast<QWidget*>(&dialog));
            searched = true;
            Click(dialog, IDOK);
        });
        p.Action(ID_CASTCREW_CREDITEDWITH)->trigger();
        QVERIFY(searched);
    }

    // The dialog shows the options it was given, box by box; Escape ends it as OK does:
    // the options are kept until the program ends.
    void escapeKeepsTheOptions()
    {
        Program& p = *m_program;
        CRVCDoc* actor = p.NewPerson(p.generator->FeaturedActor());
        actor->SetDefaultFilmographyMode(1);
        p.Frame().UpdateCommands();
        p.app->CreditedWithOptions = {
            2, {.director = true, .otherCrew = true}, {.actorActress = true, .producer = true}};
        WhenModal<CCreditedWithDlg>([](CCreditedWithDlg& dialog) {
            auto box = [&dialog](int id) { return dialog.findChild<QCheckBox*>(QString::number(id))->isChecked(); };
            QCOMPARE(dialog.findChild<QSpinBox*>(QString::number(IDC_CW_MINIMUM))->value(), 2);
            const QList<bool> shown = {box(IDC_CW_USE_ACTOR),        box(IDC_CW_USE_DIRECTOR),
                                       box(IDC_CW_USE_OTHERCREW),    box(IDC_CW_USE_PRODUCER),
                                       box(IDC_CW_SEARCH_ACTOR),     box(IDC_CW_SEARCH_DIRECTOR),
                                       box(IDC_CW_SEARCH_OTHERCREW), box(IDC_CW_SEARCH_PRODUCER)};
            QCOMPARE(shown, (QList<bool>{false, true, true, false, true, false, false, true}));
            dialog.findChild<QSpinBox*>(QString::number(IDC_CW_MINIMUM))->setValue(3);
            dialog.findChild<QCheckBox*>(QString::number(IDC_CW_SEARCH_DIRECTOR))->click();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        p.Action(ID_CASTCREW_CREDITEDWITH)->trigger();
        QCOMPARE(p.app->CreditedWithOptions,
                 (CCreditedWithDlg::Options{3,
                                            {.director = true, .otherCrew = true},
                                            {.actorActress = true, .director = true, .producer = true}}));
        QCOMPARE(p.app->DocManager().GetDocuments().size(), std::size_t(1));
    }

private:
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestDocumentTools)
#include "tst_DocumentTools.moc"
