#pragma once
// What the New Movie/TV and New Cast/Crew Document dialogs share: the search text, the
// search type, the aka check box, the found lines, the idle and searching control
// states, and the search run in place on the GUI thread. While a scan runs, the queued
// events are dispatched between records, so these handlers can be re-entered; only
// Cancel Search and Cancel act then, and they only stop the scan.

#include "listdata/NewDocumentSearch.h"
#include "platform/qt/DialogTemplate.h"

#include <QDialog>
#include <string>
#include <vector>

class CAppSettings;
class CWideListBox;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace platform {
class CDocManager;
}

class CNewDocumentDlg : public QDialog, protected CNewDocumentSearch::IHost {
    Q_OBJECT
public:
    // What tells the two dialogs' templates apart.
    struct Template {
        int templateId;
        const char* caption;
        const char* listTitle; // the results group box
        int resultsId;
        int radioIds[4]; // the search types
        const char* radioTexts[4];
        int akaId;
        const char* akaText;
        int maxTextLength;            // of the search text; 0 for no limit
        const char* nothingFoundText; // the box after a search that found nothing
    };

    ~CNewDocumentDlg() override;

    // Dialog data, set before exec() and read after IDOK.
    std::string SearchText;
    int AlsoAka = 0;
    int SearchType = -1;

    // Where the lists are read and where the documents go (not owned); set before the
    // dialog shows. Without them a search finds nothing and no document is made.
    void SetContext(const CAppSettings* settings, platform::CDocManager* docManager);
    const CAppSettings* Settings() const { return m_settings; }
    platform::CDocManager* DocManager() const { return m_docManager; }

    // Copies the controls into the members (true) or the members into the controls.
    void UpdateData(bool saveAndValidate);

    void OnSearch();
    void OnCancelSearch();
    void OnSearchTextChange();
    void OnResultDblClk();
    void SetIdleState();
    void SetSearchingState();
    void PumpMessages() override;

    CWideListBox* Results() const { return m_results; }
    bool Searching() const { return Search().Searching(); }
    bool Cancelled() const { return Search().Cancelled(); }
    virtual CNewDocumentSearch& Search() = 0;
    virtual const CNewDocumentSearch& Search() const = 0;

public slots:
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }

protected:
    // The controls of both templates.
    CNewDocumentDlg(QWidget* parent, const Template& kind);

    // The scan itself; true when it stopped on a reported error or an overflow.
    virtual bool RunSearch() = 0;
    // Makes the document for a chosen line.
    virtual void CreateFromLine(const std::string& mainLine, const std::string& heading) = 0;
    // Controls of the derived dialog that belong with the search controls.
    std::vector<QWidget*> m_extraSearchControls;
    // The dialog's own data of the derived class, moved with UpdateData.
    virtual void ExchangeExtra(bool) {}

    // The template's layout: the base and the derived dialog place their controls, the
    // derived dialog's constructor applies it.
    platform::DialogTemplate m_layout;

    void OnInitDialog();
    void OnOK();
    void OnCancel();

    void showEvent(QShowEvent* event) override;

    // IHost
    void ResultInserted(int index, const std::string& line) override;
    void ResultDeleted(int index) override;
    void ResultsCleared() override;
    void SearchStatus(const std::string& status, const std::string& wait) override;
    void ShowError(const std::string& message) override;
    void ShowOverflow(const std::string& message) override;

    CWideListBox* m_results;
    QGroupBox* m_resultsGroup;
    QLabel* m_stringLabel;
    QLineEdit* m_edit;
    QPushButton* m_searchButton;
    QLabel* m_status;
    QLabel* m_wait;
    QGroupBox* m_typeGroup;
    QRadioButton* m_radios[4];
    QButtonGroup* m_radioGroup;
    QPushButton* m_cancelSearchButton;
    QCheckBox* m_akaCheck;
    QPushButton* m_cancelButton;
    QPushButton* m_okButton;

private:
    // Scrolls the last inserted line to the top, when one is waiting for it.
    void ScrollToPendingTop();

    const char* m_nothingFoundText;
    int m_pendingTop = -1;
    const CAppSettings* m_settings = nullptr;
    platform::CDocManager* m_docManager = nullptr;
    bool m_initialised = false;
};
