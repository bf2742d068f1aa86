#pragma once
// The New Movie/TV Document dialog: finds titles in the Movies list (and the Aka-Titles
// list when asked) and makes a new, empty Movie/TV document of each chosen line on OK.
// CreateDocument also serves callers that never show the dialog.

#include "listdata/TitleSearch.h"
#include "listdata/ui/NewDocumentDlg.h"

class CRVMDoc;

class CNewMovieTVDlg : public CNewDocumentDlg {
    Q_OBJECT
public:
    explicit CNewMovieTVDlg(QWidget* parent = nullptr);
    ~CNewMovieTVDlg() override;

    // Opens and stamps one Movie/TV document for `mainTitle` (what Get Information looks
    // for) headed `heading`; null when no document template gives one.
    CRVMDoc* CreateDocument(std::string mainTitle, std::string heading);

    // Each true when the scan ended on a reported error or an overflow.
    bool SearchMovies();
    bool SearchAkaTitles();
    // Appends a found line; true on overflow.
    bool AddResult(const std::string& text) { return m_search.AddResult(text); }

    CNewDocumentSearch& Search() override { return m_search; }
    const CNewDocumentSearch& Search() const override { return m_search; }

protected:
    bool RunSearch() override;
    void CreateFromLine(const std::string& mainLine, const std::string& heading) override;

private:
    CTitleSearch m_search;
};
