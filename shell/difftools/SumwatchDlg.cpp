#include "shell/difftools/SumwatchDlg.h"

#include "resources/ControlIds.h"
#include "resources/ShellDialogIds.h"
#include "shell/core/CommandLine.h"

#include <QGroupBox>
#include <QLabel>

using namespace resources;

namespace {

const CDiffToolDlg::Texts kTexts = {
    IDD_SUMWATCH,
    "Sumwatch",
    "Sumwatsh Argument",
    IDC_SUMWATCH_PROGRAMPATH,
    IDC_SUMWATCH_PROGRAMBROWSE,
    IDC_SUMWATCH_PROGRAMLABEL,
    "Path to the Sumwatch program:",
    "Find the location of the Sumwatch program:",
    IDC_SUMWATCH_RUN,
    "Run Sumwatch",
    300,
    167,
};

} // namespace

CSumwatchDlg::CSumwatchDlg(std::string listsPath, QWidget* parent) : CDiffToolDlg(kTexts, std::move(listsPath), parent)
{
    AddCheck(IDC_DIFF_NOSTATS, "Don't print the stats.", &NoStats);
    AddCheck(IDC_DIFF_QUIET, "Don't print any progress-information, only stats", &Quiet);

    Place(Group(), 7, 7, 286, 70);
    Place(Control(IDC_DIFF_NOSTATS), 14, 19, 200, 10, true);
    Place(Control(IDC_DIFF_QUIET), 14, 31, 200, 10, true);
    Place(Control(IDC_DIFF_LOGFILE), 14, 43, 100, 10, true);
    Place(Control(IDC_DIFF_LOGFILELABEL), 24, 59, 56, 8, true);
    Place(Control(IDC_DIFF_LOGFILEPATH), 84, 56, 146, 14);
    Place(Control(IDC_DIFF_LOGFILEBROWSE), 236, 56, 50, 14, true);
    Place(Control(IDC_SUMWATCH_PROGRAMLABEL), 7, 84, 200, 8, true);
    Place(Control(IDC_SUMWATCH_PROGRAMPATH), 7, 94, 229, 14);
    Place(Control(IDC_SUMWATCH_PROGRAMBROWSE), 243, 94, 50, 14, true);
    Place(CommandLabel(), 7, 114, 200, 8, true);
    Place(Control(IDC_DIFF_COMMANDLINE), 7, 124, 286, 14);
    Place(Control(IDC_SUMWATCH_RUN), 7, 146, 70, 14, true);
    Place(Control(IDOK), 243, 146, 50, 14, true);
    ApplyLayout();
}

std::string CSumwatchDlg::MakeCommandLine() const
{
    return shellcore::BuildSumwatchCommandLine(
        {ProgramPath, m_listsPath, NoStats != 0, Quiet != 0, Logfile != 0, LogfilePath});
}
