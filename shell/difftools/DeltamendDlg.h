#pragma once
// File > DiffTools > Deltamend: applies the provider's difference files to the lists with
// a diff applier of the user's choice (none comes with this program).

#include "shell/difftools/DiffToolDlg.h"

class CDeltamendDlg : public CDiffToolDlg {
    Q_OBJECT
public:
    // `listsPath`: the lists folder (UTF-8) the diffs are applied to.
    explicit CDeltamendDlg(std::string listsPath, QWidget* parent = nullptr);

    int Sumwatch = 0;
    int Force = 0;
    int Keep = 0;
    std::string DiffilesPath;

protected:
    std::string MakeCommandLine() const override;

private:
    void OnBrowseDiffiles();
};
