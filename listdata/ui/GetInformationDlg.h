#pragma once
// The dialog before every search run: which list files to read for Movie/TV and for
// Cast/Crew documents, and which open documents to search. It edits copies that the
// caller hands in and takes back after OK.

#include "listdata/ListCatalog.h"
#include "listdata/SearchRequest.h"
#include "listdata/ui/ListChoice.h"

#include <QDialog>
#include <array>
#include <vector>

class QGroupBox;
class QListWidget;
class QFrame;
class CAppSettings;

class CGetInformationDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGetInformationDlg(QWidget* parent = nullptr);
    ~CGetInformationDlg() override;

    // Filled by the caller before exec().
    int CurrentEntry = 0;
    int Kind = 0;
    std::array<::ListChoice, kListCount> ListChoice{};
    std::vector<SearchDocEntry> Entries;
    // The saved defaults that "Default" restores (not owned); without them Default does
    // nothing.
    const CAppSettings* DefaultSettings = nullptr;

    void FillLists(int kind);
    void SaveListChecks();
    void ToggleBatch();
    bool IsBatch() const { return Batch; }

    QListWidget* ListsBox() const { return m_listsBox; }
    QListWidget* DocumentsBox() const { return m_documentsBox; }

    // The catalogue index of row `row` of the lists box for `kind`; -1 past the end.
    static int ListOfRow(int kind, int row);

public slots:
    void accept() override { OnOK(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void OnOK();
    void OnListsClearAll() { SetAllChecks(m_listsBox, false); }
    void OnListsSetAll() { SetAllChecks(m_listsBox, true); }
    void OnDefault();
    void OnDocumentsClearAll() { SetAllChecks(m_documentsBox, false); }
    void OnDocumentsSetAll() { SetAllChecks(m_documentsBox, true); }
    void OnSwitchListfiles();
    static void SetAllChecks(QListWidget* box, bool checked);

    QGroupBox* m_listsGroup;
    QListWidget* m_listsBox;
    QListWidget* m_documentsBox;
    QFrame* m_divider;
    std::vector<QWidget*> m_afterDivider; // in child order
    bool Batch = false;
    int CollapsedHeight = 0;
    int FullHeight = 0;
    bool m_initialised = false;
};
