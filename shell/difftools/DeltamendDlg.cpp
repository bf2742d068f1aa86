#include "shell/difftools/DeltamendDlg.h"

#include "platform/Paths.h"
#include "platform/qt/FileDialog.h"
#include "platform/qt/QtText.h"
#include "resources/ControlIds.h"
#include "resources/ShellDialogIds.h"
#include "shell/core/CommandLine.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace resources;

namespace {

const CDiffToolDlg::Texts kTexts = {
    IDD_DELTAMEND,
    "Deltamend",
    "Deltamend Argument",
    IDC_DELTAMEND_PROGRAMPATH,
    IDC_DELTAMEND_PROGRAMBROWSE,
    IDC_DELTAMEND_PROGRAMLABEL,
    "Path to the Deltamend program:",
    "Find the location of the Deltamend program:",
    IDC_DELTAMEND_RUN,
    "Run Deltamend",
    300,
    233,
};

} // namespace

CDeltamendDlg::CDeltamendDlg(std::string listsPath, QWidget* parent)
    : CDiffToolDlg(kTexts, std::move(listsPath), parent)
{
    AddCheck(IDC_DELTAMEND_SUMWATCH, "Check CRC-sum before applying diffs", &Sumwatch);
    AddCheck(IDC_DELTAMEND_FORCE, "Skip wrong/corrupted diffs, but apply all others", &Force);
    AddCheck(IDC_DELTAMEND_KEEP, "Keep old listfiles", &Keep);
    AddCheck(IDC_DIFF_NOSTATS, "Don't print the stats", &NoStats);
    AddCheck(IDC_DIFF_QUIET, "Don't print any progress-information, only stats", &Quiet);
    AddLabel(IDC_DELTAMEND_DIFFILESLABEL, "Path to Diffiles:");
    AddPathEdit(IDC_DELTAMEND_DIFFILESPATH, &DiffilesPath);
    connect(AddButton(IDC_DELTAMEND_DIFFILESBROWSE, "Browse"), &QPushButton::clicked, this,
            &CDeltamendDlg::OnBrowseDiffiles);

    Place(Group(), 7, 7, 286, 106);
    Place(Control(IDC_DELTAMEND_SUMWATCH), 14, 19, 200, 10, true);
    Place(Control(IDC_DELTAMEND_FORCE), 14, 31, 200, 10, true);
    Place(Control(IDC_DELTAMEND_KEEP), 14, 43, 200, 10, true);
    Place(Control(IDC_DIFF_NOSTATS), 14, 55, 200, 10, true);
    Place(Control(IDC_DIFF_QUIET), 14, 67, 200, 10, true);
    Place(Control(IDC_DIFF_LOGFILE), 14, 79, 100, 10, true);
    Place(Control(IDC_DIFF_LOGFILELABEL), 24, 95, 56, 8, true);
    Place(Control(IDC_DIFF_LOGFILEPATH), 84, 92, 146, 14);
    Place(Control(IDC_DIFF_LOGFILEBROWSE), 236, 92, 50, 14, true);
    Place(Control(IDC_DELTAMEND_DIFFILESLABEL), 7, 120, 200, 8, true);
    Place(Control(IDC_DELTAMEND_DIFFILESPATH), 7, 130, 229, 14);
    Place(Control(IDC_DELTAMEND_DIFFILESBROWSE), 243, 130, 50, 14, true);
    Place(Control(IDC_DELTAMEND_PROGRAMLABEL), 7, 150, 200, 8, true);
    Place(Control(IDC_DELTAMEND_PROGRAMPATH), 7, 160, 229, 14);
    Place(Control(IDC_DELTAMEND_PROGRAMBROWSE), 243, 160, 50, 14, true);
    Place(CommandLabel(), 7, 180, 200, 8, true);
    Place(Control(IDC_DIFF_COMMANDLINE), 7, 190, 286, 14);
    Place(Control(IDC_DELTAMEND_RUN), 7, 212, 70, 14, true);
    Place(Control(IDOK), 243, 212, 50, 14, true);
    ApplyLayout();
}

std::string CDeltamendDlg::MakeCommandLine() const
{
    return shellcore::BuildDeltamendCommandLine({ProgramPath, m_listsPath, DiffilesPath, Sumwatch != 0, Force != 0,
                                                 Keep != 0, NoStats != 0, Quiet != 0, Logfile != 0, LogfilePath});
}

void CDeltamendDlg::OnBrowseDiffiles()
{
    const QString folder = platform::FileDialog::GetExistingDirectory(this, QStringLiteral("Choose Diffile Directory:"),
                                                                      platform::PathToQString(DiffilesPath));
    if (!folder.isEmpty())
        DiffilesPath = platform::WithTrailingSeparator(platform::PathFromQString(folder));
    Refresh();
}
