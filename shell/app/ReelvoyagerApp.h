#pragma once
// The program's one application object: the settings, the values that live for one run
// (list choices of Get Information, Credited With options, last search texts), the two
// document templates and the main frame. Commands of the application are routed here
// last, after view, document and frame.

#include "listdata/AppSettings.h"
#include "listdata/ListCatalog.h"
#include "listdata/ui/ListChoice.h"
#include "platform/CmdUI.h"
#include "platform/DocManager.h"
#include "shell/core/CreditedWithOptions.h"

#include <QStringList>
#include <array>
#include <memory>
#include <string>

class CMainFrame;
class CRichDocumentView;
class QPrinter;

namespace platform {
class CDocument;
class IProfile;
class IPrompt;
} // namespace platform

class CReelvoyagerApp : public ICommandTarget {
public:
    // `profile` (not owned) holds the settings; the user's QSettings profile in the
    // program, a temporary one in tests.
    explicit CReelvoyagerApp(platform::IProfile& profile);
    ~CReelvoyagerApp() override;
    CReelvoyagerApp(const CReelvoyagerApp&) = delete;
    CReelvoyagerApp& operator=(const CReelvoyagerApp&) = delete;

    // Start-up in the fixed order; `arguments` are the command line without the program
    // name. False ends the program.
    bool InitInstance(const QStringList& arguments, const std::string& executablePath);

    // Refreshes every view of every open document (after a change of the output settings).
    void UpdateAllDocuments();
    const std::string& GetProgramDir() const { return ProgramDir; }

    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    platform::CDocManager& DocManager() { return m_docManager; }
    platform::IProfile& Profile() { return m_profile; }
    // The printer that Print, Print Setup and Print Preview share.
    QPrinter& Printer();

    // Opens a document file (File > Open, the command line, a dropped file); null when it
    // could not be opened.
    platform::CDocument* OpenDocumentFile(const std::string& path);
    // True while `document` is one of the open documents.
    bool IsDocumentOpen(const platform::CDocument* document) const;
    // Saves the settings to the profile.
    void SaveSettings();

    // Another window on `document` (Window > New Window).
    void NewWindow(platform::CDocument& document);

    // File > New > Movie/TV Document and Cast/Crew Document: the New-document dialogs
    // pre-filled with the last search text.
    void OnFileNewMovieTV();
    void OnFileNewCastCrew();
    // The New-document dialogs pre-filled with `text` (the last search text when it is
    // empty); on OK the text and the dialog's options are kept and the settings saved.
    void NewMovieTVDocument(std::string text);
    void NewCastCrewDocument(std::string text);

    // File > DiffTools > Deltamend and Sumwatch: the tools' dialogs; OK saves their settings.
    void OnDeltamend();
    void OnSumwatch();

    // Specials > Top 250 Movies, Bottom 10 Movies, Birthdays and Deaths: the dialogs; a row
    // chosen by their popup command gets a new document and Get Information.
    void OnTop250();
    void OnBottom10();
    void OnBirthdays();
    void OnDeaths();

    // Browsers > ...: runs the browser of command `id`; false when `id` is none.
    bool OnBrowser(int id);
    static bool IsBrowserCommand(int id);

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

    // A new Movie/TV (Cast/Crew) document for a title (name) chosen in a dialog, and Get
    // Information for it.
    void GetMovieTVInformationFor(const std::string& title);
    void GetCastCrewInformationFor(const std::string& name);

    std::array<ListChoice, kListCount> ListChoices{};
    CAppSettings Settings;
    shellcore::CreditedWithOptions CreditedWithOptions;
    std::string ProgramDir;
    std::string LastCastCrewText;
    std::string LastMovieTVText;

    // Options commands (OptionsCommands.cpp).
    void OnPathFilenames();
    void OnMovieTVOptions();
    void OnCastCrewOptions();
    void OnOutputOptions();
    void OnChangeFont();
    // Help > About (AboutDlg.cpp).
    void OnAppAbout();

    // A new document of `kind` (0 Movie/TV, 1 Cast/Crew) for the title or name `key`,
    // headed `heading`, then Get Information for it (LinkCommands.cpp).
    void OpenLinkedDocument(int kind, const std::string& key, const std::string& heading);

private:
    // Credited With and Movie Links (DocumentToolCommands.cpp).
    bool OnDocumentToolCommand(int id);
    void OnCreditedWith();
    void OnMovieTVMovieLinks();
    void OnCastCrewMovieLinks();

    void OnFileOpen();
    void OnFileNew();
    void OnFilePrintSetup();
    void OnNoLinks();
    bool CreateFrameFor(platform::CDocument& document);
    // The default open/save directory becomes the current one, where Open and Save As start.
    void MakeDefaultDirectoryCurrent() const;
    // Carries out what the view's popup commands ask of the program.
    void ConnectLinkCommands(CRichDocumentView& view);

    platform::IProfile& m_profile;
    platform::CDocManager m_docManager;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<platform::IPrompt> m_prompt;
    std::unique_ptr<QPrinter> m_printer;
};

// The running application object (set by its constructor).
CReelvoyagerApp* TheApp();
