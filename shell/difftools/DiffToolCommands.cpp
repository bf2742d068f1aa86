// The application's File > DiffTools commands: the Deltamend and Sumwatch dialogs with
// the settings copied in, and out and saved on OK. Running a tool changes no setting, and
// nothing is refreshed.

#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"
#include "shell/app/SettingsExchange.h"
#include "shell/difftools/DeltamendDlg.h"
#include "shell/difftools/SumwatchDlg.h"

namespace {

void ExchangeDeltamend(CAppSettings& s, CDeltamendDlg& d, bool toSettings)
{
    Exchange(s.DeltamendSumwatch, d.Sumwatch, toSettings);
    Exchange(s.DeltamendForce, d.Force, toSettings);
    Exchange(s.DeltamendKeep, d.Keep, toSettings);
    Exchange(s.DeltamendNoStats, d.NoStats, toSettings);
    Exchange(s.DeltamendQuiet, d.Quiet, toSettings);
    Exchange(s.DeltamendLogfile, d.Logfile, toSettings);
    Exchange(s.DeltamendLogfilePath, d.LogfilePath, toSettings);
    Exchange(s.DiffilesPath, d.DiffilesPath, toSettings);
    Exchange(s.DeltamendPath, d.ProgramPath, toSettings);
}

void ExchangeSumwatch(CAppSettings& s, CSumwatchDlg& d, bool toSettings)
{
    Exchange(s.SumwatchNoStats, d.NoStats, toSettings);
    Exchange(s.SumwatchQuiet, d.Quiet, toSettings);
    Exchange(s.SumwatchLogfile, d.Logfile, toSettings);
    Exchange(s.SumwatchLogfilePath, d.LogfilePath, toSettings);
    Exchange(s.SumwatchPath, d.ProgramPath, toSettings);
}

template <typename Dialog> void RunDiffTool(CReelvoyagerApp& app, void (*exchange)(CAppSettings&, Dialog&, bool))
{
    Dialog dialog(app.Settings.ListsPath, app.MainFrame());
    exchange(app.Settings, dialog, false);
    const int result = dialog.exec();
    if (app.MainFrame())
        app.MainFrame()->UpdateCommands();
    if (result != QDialog::Accepted)
        return;
    exchange(app.Settings, dialog, true);
    app.SaveSettings();
}

} // namespace

void CReelvoyagerApp::OnDeltamend()
{
    RunDiffTool<CDeltamendDlg>(*this, ExchangeDeltamend);
}

void CReelvoyagerApp::OnSumwatch()
{
    RunDiffTool<CSumwatchDlg>(*this, ExchangeSumwatch);
}
