#pragma once
// The New Cast/Crew Document dialog: finds people in up to eleven person lists (and the
// Aka-Names list when asked), one line per person with the roles found, and makes a new,
// empty Cast/Crew document of each chosen line on OK. CreateDocument also serves callers
// that never show the dialog.

#include "listdata/NameSearch.h"
#include "listdata/ui/NewDocumentDlg.h"

class CRVCDoc;

class CNewCastCrewDlg : public CNewDocumentDlg {
    Q_OBJECT
public:
    explicit CNewCastCrewDlg(QWidget* parent = nullptr);
    ~CNewCastCrewDlg() override;

    int SearchActors = 0;
    int SearchActresses = 0;
    int SearchDirectors = 0;
    int SearchOtherCrew = 0;

    // Opens and stamps one Cast/Crew document for `mainName` headed `heading`; null when
    // no document template gives one.
    CRVCDoc* CreateDocument(std::string mainName, std::string heading);

    // Entry 0-10 of the person-list table; each true after a reported error or overflow.
    bool SearchList(int entry);
    bool SearchAkaNames();
    // Adds a found person (entry -1: a line without a role); true on overflow.
    bool AddResult(const std::string& text, int entry) { return m_search.AddResult(text, entry); }

    CNewDocumentSearch& Search() override { return m_search; }
    const CNewDocumentSearch& Search() const override { return m_search; }

protected:
    bool RunSearch() override;
    void CreateFromLine(const std::string& mainLine, const std::string& heading) override;
    void ExchangeExtra(bool saveAndValidate) override;

private:
    CNameSearch m_search;
    class QCheckBox* m_listChecks[4];
};
