// Writes the sample documents of the sample lists (film.rvmtv, series.rvmtv, person.rvcc,
// which scripts/run.sh offers) and a picture of the main window after Get Information
// (main-window.png, in the README) into a folder. It drives the real application on its
// own generated lists and profile, so it needs a display:
//
//     xvfb-run -s "-screen 0 1280x800x24" build/tools/showcase docs/

#include "documents/NewDocument.h"
#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "listdata/ui/GetInformationDlg.h"
#include "listdata/ui/SearchingDlg.h"
#include "platform/Document.h"
#include "platform/View.h"
#include "platform/qt/QtProfile.h"
#include "resources/ControlIds.h"
#include "shell/app/ChildFrame.h"
#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"
#include "tools/ListGenerator.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <functional>

namespace {

// Runs the event loop until `done` holds or `seconds` have passed; false on the time-out.
bool WaitFor(const std::function<bool()>& done, int seconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > seconds * 1000)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

void Click(QWidget& dialog, int controlId)
{
    if (auto* button = dialog.findChild<QPushButton*>(QString::number(controlId)))
        button->click();
}

bool Fail(const char* what)
{
    std::fprintf(stderr, "showcase: %s\n", what);
    return false;
}

bool Showcase(const QString& out)
{
    QTemporaryDir work;
    listgen::GeneratorOptions options;
    options.titles = listgen::GeneratorOptions::kSampleTitles;
    options.people = listgen::GeneratorOptions::kSamplePeople;
    const listgen::ListGenerator generator(options);
    const std::string lists = work.filePath(QStringLiteral("lists")).toStdString() + "/";
    std::filesystem::create_directories(lists);
    generator.WriteSet(lists);
    platform::QtProfile profile(work.filePath(QStringLiteral("profile.ini")));
    profile.WriteProfileString("Settings", "Lists Path", lists);

    CReelvoyagerApp app(profile);
    if (!app.InitInstance({}, QCoreApplication::applicationFilePath().toStdString()))
        return Fail("the application did not start");
    CMainFrame& frame = *app.MainFrame();
    frame.setGeometry(20, 20, 1000, 700);
    // Made as the New-document dialogs make them.
    CRVMDoc* film = CreateMovieTVDocument(app.DocManager(), generator.FeaturedFilm(), generator.FeaturedFilm());
    CRVMDoc* series = CreateMovieTVDocument(app.DocManager(), generator.FeaturedSeries(), generator.FeaturedSeries());
    CRVCDoc* actor = CreateCastCrewDocument(app.DocManager(), generator.FeaturedActor(), generator.FeaturedActor());
    if (!film || !series || !actor)
        return Fail("the documents were not made");
    if (!film->DoSave(QDir(out).filePath(QStringLiteral("film.rvmtv")).toStdString()) ||
        !series->DoSave(QDir(out).filePath(QStringLiteral("series.rvmtv")).toStdString()) ||
        !actor->DoSave(QDir(out).filePath(QStringLiteral("person.rvcc")).toStdString()))
        return Fail("the documents were not saved");

    // Get Information on every document at once, with the film's window active.
    auto activateFilm = [&] {
        film->UpdateAllViews(nullptr);
        for (platform::IView* view : film->GetViews())
            view->ActivateFrame();
    };
    activateFilm();
    frame.MdiArea()->tileSubWindows();
    QTimer::singleShot(0, [] {
        WaitFor([] { return qobject_cast<CGetInformationDlg*>(QApplication::activeModalWidget()) != nullptr; }, 10);
        if (auto* dialog = qobject_cast<CGetInformationDlg*>(QApplication::activeModalWidget())) {
            Click(*dialog, resources::IDC_GI_BATCH);
            Click(*dialog, resources::IDOK);
        }
    });
    frame.OnMovieTVGetInformation();
    if (!WaitFor([&] { return frame.SearchingDialog() && frame.SearchingDialog()->searching == 0; }, 120))
        return Fail("Get Information did not end");
    Click(*frame.SearchingDialog(), resources::IDCANCEL);
    WaitFor([&] { return !frame.SearchingDialog(); }, 10);
    activateFilm();
    frame.UpdateCommands();
    WaitFor([] { return false; }, 1); // let the windows paint
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 1060, 760);
    if (!shot.save(QDir(out).filePath(QStringLiteral("main-window.png"))))
        return Fail("the picture was not saved");
    for (platform::CDocument* document : app.DocManager().GetDocuments())
        document->SetModifiedFlag(false);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 2) {
        std::fprintf(stderr, "usage: showcase <folder>\n");
        return 2;
    }
    return Showcase(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
