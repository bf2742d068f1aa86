#pragma once
// What the window tests share: a temporary profile pointing at generated lists, the real
// application object and main frame, documents made the way the New dialogs make them,
// and helpers that answer modal dialogs.

#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "documents/ui/RichDocumentView.h"
#include "listdata/ListLine.h"
#include "listdata/RecordStore.h"
#include "platform/DocTemplate.h"
#include "platform/qt/FileDialog.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/QtProfile.h"
#include "shell/app/ChildFrame.h"
#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"
#include "support/TestSupport.h"
#include "tools/ListGenerator.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>

namespace guitest {

// One started program on its own profile and lists.
class Program {
public:
    explicit Program(listgen::GeneratorOptions options = {})
    {
        generator = std::make_unique<listgen::ListGenerator>(options);
        std::filesystem::create_directories(Lists());
        generator->WriteSet(Lists());
        profile = std::make_unique<platform::QtProfile>(QString::fromStdString(dir.File("profile.ini")));
        profile->WriteProfileString("Settings", "Lists Path", Lists());
        profile->WriteProfileString("Settings", "Default Open/Save Directory", dir.Path());
        app = std::make_unique<CReelvoyagerApp>(*profile);
    }
    ~Program()
    {
        platform::MessageBox::ClearAnswers();
        platform::FileDialog::ClearFileNames();
        // Whatever a test left modified closes without a question.
        if (app)
            for (platform::CDocument* document : app->DocManager().GetDocuments())
                document->SetModifiedFlag(false);
    }

    bool Start(const QStringList& arguments = {})
    {
        return app->InitInstance(arguments, QCoreApplication::applicationFilePath().toStdString());
    }
    std::string Lists() const { return dir.Path() + "lists/"; }
    CMainFrame& Frame() { return *app->MainFrame(); }
    QAction* Action(int id) { return Frame().Action(id); }

    // A new document of the featured title or person, holding what document creation
    // writes: heading, web address and the nine information keys.
    CRVMDoc* NewMovie(const std::string& title)
    {
        auto* document = static_cast<CRVMDoc*>(app->DocManager().GetTemplates()[0]->OpenDocumentFile(std::string()));
        document->SetMovieTitle(title);
        CListLine line;
        Fill(document->GetRecords(), title, line.MakeTitleLink(title.c_str()), kMovieTVDocVersion);
        document->UpdateAllViews(nullptr);
        Frame().UpdateCommands();
        return document;
    }
    CRVCDoc* NewPerson(const std::string& name)
    {
        auto* document = static_cast<CRVCDoc*>(app->DocManager().GetTemplates()[1]->OpenDocumentFile(std::string()));
        document->SetPersonName(name);
        CListLine line;
        Fill(document->GetRecords(), name, line.MakeNameLink(name.c_str()), kCastCrewDocVersion);
        document->UpdateAllViews(nullptr);
        Frame().UpdateCommands();
        return document;
    }

    static CRichDocumentView* ViewOf(platform::CDocument* document)
    {
        return document->GetViews().empty() ? nullptr : dynamic_cast<CRichDocumentView*>(document->GetViews().front());
    }
    // The window of the document's first view.
    static CChildFrame* FrameOf(platform::CDocument* document)
    {
        CRichDocumentView* view = ViewOf(document);
        return view ? qobject_cast<CChildFrame*>(view->parentWidget()) : nullptr;
    }
    static QString TextOf(platform::CDocument* document)
    {
        CRichDocumentView* view = ViewOf(document);
        return view ? view->toPlainText() : QString();
    }
    static int ListRecordCount(const CRecordStore& records)
    {
        auto lock = records.Lock();
        int count = 0;
        for (int i = 0; i < records.GetCount(); ++i)
            if (records.GetRecord(i).type < kRecordHeading)
                ++count;
        return count;
    }

    testsupport::TempDir dir;
    std::unique_ptr<listgen::ListGenerator> generator;
    std::unique_ptr<platform::QtProfile> profile;
    std::unique_ptr<CReelvoyagerApp> app;

private:
    static void Fill(CRecordStore& records, const std::string& key, const char* link, int docVersion)
    {
        auto lock = records.Lock();
        records.AddString(kRecordHeading, 0, key.c_str());
        records.AddString(kRecordWebAddress, 0, link);
        const int values[9] = {kProgramVersion, docVersion, 2007, 4, 6, 2007, 4, 6, kProgramVersion};
        for (int key : {0, 8, 1, 2, 3, 4, 5, 6, 7})
            records.AddInt(kRecordDocInfo, key, values[key]);
    }
};

// Runs `answer` on the next modal dialog of type T once it shows.
template <typename T> void WhenModal(std::function<void(T&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto attempt = std::make_shared<std::function<void()>>();
        *attempt = [answer, attempt] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                answer(*dialog);
                return;
            }
            QTimer::singleShot(5, *attempt);
        };
        (*attempt)();
    });
}

inline void Click(QWidget& dialog, int controlId)
{
    auto* button = dialog.findChild<QPushButton*>(QString::number(controlId));
    QVERIFY2(button, qPrintable(QStringLiteral("no button %1").arg(controlId)));
    button->click();
}

} // namespace guitest
