// Not a check: with RV_SHOWCASE_DIR set (and a real display, e.g. under xvfb-run) it
// writes the sample documents of the bundled sample lists into that folder, runs Get
// Information on them and saves a picture of the screen as main-window.png there.

#include "GuiFixture.h"
#include "listdata/ui/GetInformationDlg.h"
#include "listdata/ui/SearchingDlg.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

using namespace guitest;
using namespace resources;

class TestShowcase : public QObject {
    Q_OBJECT

private slots:
    void sampleDocumentsAndScreenshot()
    {
        const QString out = qEnvironmentVariable("RV_SHOWCASE_DIR");
        if (out.isEmpty())
            QSKIP("RV_SHOWCASE_DIR not set");
        // The options of `listgen --sample`, so the documents match the sample lists.
        listgen::GeneratorOptions options;
        options.titles = 60;
        options.people = 120;
        Program p(options);
        QVERIFY(p.Start());
        p.Frame().setGeometry(20, 20, 1000, 700);
        CRVMDoc* film = p.NewMovie(p.generator->FeaturedFilm());
        CRVMDoc* series = p.NewMovie(p.generator->FeaturedSeries());
        CRVCDoc* actor = p.NewPerson(p.generator->FeaturedActor());
        QVERIFY(film->DoSave((out + QStringLiteral("/film.rvmtv")).toStdString()));
        QVERIFY(series->DoSave((out + QStringLiteral("/series.rvmtv")).toStdString()));
        QVERIFY(actor->DoSave((out + QStringLiteral("/person.rvcc")).toStdString()));

        Program::FrameOf(film)->ActivateFrame(0);
        p.Frame().MdiArea()->tileSubWindows();
        WhenModal<CGetInformationDlg>([](CGetInformationDlg& dialog) {
            Click(dialog, IDC_GI_BATCH);
            Click(dialog, IDOK);
        });
        p.Action(ID_MOVIETV_GETINFORMATION)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(p.Frame().SearchingDialog() && p.Frame().SearchingDialog()->searching == 0, 60000);
        Click(*p.Frame().SearchingDialog(), IDCANCEL);
        QTRY_VERIFY(!p.Frame().SearchingDialog());
        Program::FrameOf(film)->ActivateFrame(0);
        p.Frame().UpdateCommands();
        QTest::qWait(500);
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 1060, 760);
        QVERIFY(shot.save(out + QStringLiteral("/main-window.png")));
        for (platform::CDocument* document : p.app->DocManager().GetDocuments())
            document->SetModifiedFlag(false);
    }
};

QTEST_MAIN(TestShowcase)
#include "tst_Showcase.moc"
