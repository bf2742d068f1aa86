#include "shell/app/ReelvoyagerApp.h"

#include "documents/CastCrewDocTemplate.h"
#include "documents/MovieTVDocTemplate.h"
#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "documents/ui/RVCView.h"
#include "documents/ui/RVMView.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/Prompt.h"
#include "platform/qt/FileDialog.h"
#include "platform/qt/PopupMenu.h"
#include "platform/qt/QtPrompt.h"
#include "platform/qt/QtText.h"
#include "resources/CommandIds.h"
#include "resources/StringTable.h"
#include "shell/app/ChildFrame.h"
#include "shell/app/MainFrame.h"

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStandardPaths>

using namespace resources;

namespace {
CReelvoyagerApp* g_app = nullptr;
}

CReelvoyagerApp* TheApp()
{
    return g_app;
}

CReelvoyagerApp::CReelvoyagerApp(platform::IProfile& profile) : m_profile(profile), m_docManager(kRecentFileCount)
{
    g_app = this;
}

CReelvoyagerApp::~CReelvoyagerApp()
{
    if (m_mainFrame) {
        // Saving under a new name adds to the recent files too; the list is kept for the
        // next start when the program ends.
        m_docManager.RecentFiles().WriteList(m_profile);
        // No document may go while the search thread still writes into it.
        m_mainFrame->CancelAndWaitForSearch();
        m_docManager.CloseAllDocuments();
        m_mainFrame.reset();
    }
    platform::SetPrompt(nullptr);
    CRVCDoc::SetActiveDocumentHook(nullptr);
    if (g_app == this)
        g_app = nullptr;
}

bool CReelvoyagerApp::InitInstance(const QStringList& arguments, const std::string& executablePath)
{
    // A path named relative to where the program was started keeps meaning that place
    // after step 13 changes the current directory.
    QStringList paths;
    for (const QString& argument : arguments)
        paths.append(QFileInfo(argument).absoluteFilePath());

    // 1-2. OLE and control containment: nothing to initialise here.
    // 3. The profile comes keyed "Tolvik-Software" / "Reelvoyager".
    platform::SetAppName(kAppTitle);
    // 4. Recent files, four entries.
    m_docManager.RecentFiles().ReadList(m_profile);

    // 5-6. Templates, Movie/TV first.
    auto movieTemplate = std::make_unique<CMovieTVDocTemplate>();
    movieTemplate->SetFrameFactory([this](platform::CDocument& document) { return CreateFrameFor(document); });
    m_docManager.AddDocTemplate(std::move(movieTemplate));
    auto castTemplate = std::make_unique<CCastCrewDocTemplate>();
    castTemplate->SetFrameFactory([this](platform::CDocument& document) { return CreateFrameFor(document); });
    m_docManager.AddDocTemplate(std::move(castTemplate));

    // 7-8. The main frame, accepting dropped files.
    m_mainFrame = std::make_unique<CMainFrame>();
    if (!m_mainFrame->OnCreate())
        return false;
    m_prompt = std::make_unique<platform::QtPrompt>(m_mainFrame.get());
    platform::SetPrompt(m_prompt.get());
    CRVCDoc::SetActiveDocumentHook([this]() -> platform::CDocument* {
        CChildFrame* child = m_mainFrame ? m_mainFrame->MDIGetActive() : nullptr;
        return child && child->View() ? child->View()->GetDocument() : nullptr;
    });
    m_mainFrame->show();

    // 9. Program directory, with its trailing separator.
    ProgramDir = QFileInfo(QString::fromStdString(executablePath)).absolutePath().toStdString();
    if (ProgramDir.empty() || ProgramDir.back() != '/')
        ProgramDir += '/';

    // 10. Settings; after 9, since the tool paths default into the program directory.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    Settings.SetEnvironment(platform::PathFromQString(documents), ProgramDir);
    Settings.Load(m_profile);

    // 11-12. Run-only values.
    LastCastCrewText.clear();
    LastMovieTVText.clear();
    CreditedWithOptions = {};
    for (int i = 0; i < kListCount; ++i)
        ListChoices[i] = {Settings.Lists[i].UseMovieTV, Settings.Lists[i].UseCastCrew};

    // 13.
    MakeDefaultDirectoryCurrent();

    // 14. A plain start opens nothing; a path opens that document.
    m_mainFrame->UpdateCommands();
    if (!paths.isEmpty() && !OpenDocumentFile(paths.first().toStdString()))
        return false;
    return true;
}

void CReelvoyagerApp::MakeDefaultDirectoryCurrent() const
{
    if (!Settings.DefaultDirectoryPath.empty())
        QDir::setCurrent(platform::PathToQString(Settings.DefaultDirectoryPath));
}

bool CReelvoyagerApp::CreateFrameFor(platform::CDocument& document)
{
    if (!m_mainFrame)
        return false;
    const CRichDocumentView::Context context{&Settings, [this] { return &Printer(); },
                                             [this](CCmdUI& cmdUI) { return OnUpdateCommand(cmdUI); }};
    CRichDocumentView* view = nullptr;
    if (auto* movie = dynamic_cast<CRVMDoc*>(&document))
        view = new CRVMView(*movie, context);
    else if (auto* cast = dynamic_cast<CRVCDoc*>(&document))
        view = new CRVCView(*cast, context);
    if (!view)
        return false;
    QObject::connect(view, &CRichDocumentView::CommandStateChanged, m_mainFrame.get(), &CMainFrame::UpdateCommands);
    ConnectLinkCommands(*view);
    auto* frame = new CChildFrame(view);
    document.AddView(view);
    frame->setWindowTitle(frame->FrameTitle());
    view->OnInitialUpdate();
    m_mainFrame->AddChildFrame(frame);
    return true;
}

void CReelvoyagerApp::NewWindow(platform::CDocument& document)
{
    CreateFrameFor(document);
}

platform::CDocument* CReelvoyagerApp::OpenDocumentFile(const std::string& path)
{
    platform::CDocument* document = m_docManager.OpenDocumentFile(path);
    m_docManager.RecentFiles().WriteList(m_profile);
    // The frames' captions follow their documents' titles there.
    if (m_mainFrame)
        m_mainFrame->UpdateCommands();
    return document;
}

bool CReelvoyagerApp::IsDocumentOpen(const platform::CDocument* document) const
{
    for (const platform::CDocument* open : m_docManager.GetDocuments())
        if (open == document)
            return true;
    return false;
}

void CReelvoyagerApp::UpdateAllDocuments()
{
    for (const auto& docTemplate : m_docManager.GetTemplates())
        for (platform::CDocument* document : docTemplate->GetDocuments())
            if (document)
                document->UpdateAllViews(nullptr, 0);
}

void CReelvoyagerApp::SaveSettings()
{
    Settings.Save(m_profile);
}

QPrinter& CReelvoyagerApp::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageMargins(CRichDocumentView::PrintMargins(), QPageLayout::Millimeter);
    }
    return *m_printer;
}

// --- Commands -----------------------------------------------------------------------

bool CReelvoyagerApp::OnCommand(int id)
{
    if (OnDocumentToolCommand(id))
        return true;
    switch (id) {
    case ID_FILE_OPEN:
        OnFileOpen();
        return true;
    case ID_FILE_NEW:
        OnFileNew();
        return true;
    case ID_FILE_NEW_MOVIETV:
        OnFileNewMovieTV();
        return true;
    case ID_FILE_NEW_CASTCREW:
        OnFileNewCastCrew();
        return true;
    case ID_FILE_PRINT_SETUP:
        OnFilePrintSetup();
        return true;
    case ID_OPTIONS_NOLINKS:
        OnNoLinks();
        return true;
    case ID_OPTIONS_PATHFILENAMES:
        OnPathFilenames();
        return true;
    case ID_OPTIONS_MOVIETVOPTIONS:
        OnMovieTVOptions();
        return true;
    case ID_OPTIONS_CASTCREWOPTIONS:
        OnCastCrewOptions();
        return true;
    case ID_OPTIONS_OUTPUTOPTIONS:
        OnOutputOptions();
        return true;
    case ID_OPTIONS_CHANGEFONT:
        OnChangeFont();
        return true;
    case ID_APP_ABOUT:
        OnAppAbout();
        return true;
    case ID_DIFFTOOLS_DELTAMEND:
        OnDeltamend();
        return true;
    case ID_DIFFTOOLS_SUMWATCH:
        OnSumwatch();
        return true;
    case ID_SPECIALS_TOP250:
        OnTop250();
        return true;
    case ID_SPECIALS_BOTTOM10:
        OnBottom10();
        return true;
    case ID_SPECIALS_BIRTHDAYS:
        OnBirthdays();
        return true;
    case ID_SPECIALS_DEATHS:
        OnDeaths();
        return true;
    default:
        break;
    }
    if (OnBrowser(id))
        return true;
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount) {
        m_docManager.OpenRecentFile(id - ID_FILE_MRU_FILE1);
        m_docManager.RecentFiles().WriteList(m_profile);
        return true;
    }
    return false;
}

bool CReelvoyagerApp::OnUpdateCommand(CCmdUI& cmdUI)
{
    const int id = cmdUI.m_nID;
    switch (id) {
    case ID_FILE_OPEN:
    case ID_FILE_NEW:
    case ID_FILE_NEW_MOVIETV:
    case ID_FILE_NEW_CASTCREW:
    case ID_FILE_PRINT_SETUP:
    case ID_OPTIONS_PATHFILENAMES:
    case ID_OPTIONS_MOVIETVOPTIONS:
    case ID_OPTIONS_CASTCREWOPTIONS:
    case ID_OPTIONS_OUTPUTOPTIONS:
    case ID_OPTIONS_CHANGEFONT:
    case ID_APP_ABOUT:
    case ID_DIFFTOOLS_DELTAMEND:
    case ID_DIFFTOOLS_SUMWATCH:
    case ID_SPECIALS_TOP250:
    case ID_SPECIALS_BOTTOM10:
    case ID_SPECIALS_BIRTHDAYS:
    case ID_SPECIALS_DEATHS:
        cmdUI.Enable(true);
        return true;
    case ID_OPTIONS_NOLINKS:
        cmdUI.Enable(true);
        cmdUI.SetCheck(Settings.NoLinks != 0);
        return true;
    default:
        break;
    }
    if (IsBrowserCommand(id)) {
        cmdUI.Enable(true);
        return true;
    }
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount) {
        const int index = id - ID_FILE_MRU_FILE1;
        const std::string path = m_docManager.RecentFiles().GetAt(index);
        if (path.empty()) {
            // An empty list shows its placeholder, disabled; unused slots stay hidden.
            cmdUI.SetText(index == 0 ? "Recent File" : "");
            cmdUI.Enable(false);
        } else {
            cmdUI.SetText("&" + std::to_string(index + 1) + " " + platform::MenuLiteral(path));
            cmdUI.Enable(true);
        }
        return true;
    }
    return false;
}

void CReelvoyagerApp::OnFileOpen()
{
    const QString path = platform::FileDialog::GetOpenFileName(m_mainFrame.get(), QStringLiteral("Open"),
                                                               QDir::currentPath(), QString::fromLatin1(kOpenFilter));
    if (path.isEmpty())
        return;
    OpenDocumentFile(path.toStdString());
}

void CReelvoyagerApp::OnFileNew()
{
    // The framework's New: the kinds by their New-list names.
    const QStringList kinds = {QStringLiteral("Movie/TV Document"), QStringLiteral("Cast/Crew Document")};
    bool ok = false;
    const QString kind =
        QInputDialog::getItem(m_mainFrame.get(), QStringLiteral("New"), QStringLiteral("New"), kinds, 0, false, &ok);
    if (!ok)
        return;
    const auto& templates = m_docManager.GetTemplates();
    const std::size_t index = kind == kinds[0] ? 0 : 1;
    if (index < templates.size())
        templates[index]->OpenDocumentFile(std::string());
    if (m_mainFrame)
        m_mainFrame->UpdateCommands();
}

void CReelvoyagerApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&Printer(), m_mainFrame.get());
    dialog.exec();
}

void CReelvoyagerApp::OnNoLinks()
{
    Settings.NoLinks = Settings.NoLinks ? 0 : 1;
    SaveSettings();
    UpdateAllDocuments();
}
