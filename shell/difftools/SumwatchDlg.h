#pragma once
// File > DiffTools > Sumwatch: checks every list's checksum line with the Sumwatch program.

#include "shell/difftools/DiffToolDlg.h"

class CSumwatchDlg : public CDiffToolDlg {
    Q_OBJECT
public:
    // `listsPath`: the lists folder (UTF-8) that Sumwatch checks.
    explicit CSumwatchDlg(std::string listsPath, QWidget* parent = nullptr);

protected:
    std::string MakeCommandLine() const override;
};
