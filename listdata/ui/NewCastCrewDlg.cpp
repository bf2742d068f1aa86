#include "listdata/ui/NewCastCrewDlg.h"

#include "documents/NewDocument.h"
#include "resources/NewDocumentIds.h"

#include <QCheckBox>
#include <QGroupBox>

using namespace resources;

namespace {

const CNewDocumentDlg::Template kCastCrewTemplate = {
    .templateId = IDD_NEWCASTCREW,
    .caption = "New Cast/Crew Document",
    .listTitle = "Found &Names",
    .resultsId = IDC_NEWCAST_RESULTS,
    .radioIds = {IDC_NEWCAST_EXACT, IDC_NEWCAST_WHOLENAMES, IDC_NEWCAST_BEGINNING, IDC_NEWCAST_INSIDE},
    .radioTexts = {"&Exact Name", "&Whole Names", "&Begining of Names", "&Inside Names"},
    .akaId = IDC_NEWCAST_ALSOAKA,
    .akaText = "Also search in &Aka-Names",
    .maxTextLength = 0,
    .nothingFoundText = "No Names Found!\nCheck the spelling or try another 'Search Type'.",
};

} // namespace

CNewCastCrewDlg::CNewCastCrewDlg(QWidget* parent) : CNewDocumentDlg(parent, kCastCrewTemplate), m_search(this)
{
    auto* group = new QGroupBox(QStringLiteral("Listfiles Selection"), this);
    group->setObjectName(QString::number(IDC_NEWCAST_LISTGROUP));
    m_layout.Place(group, 168, 111, 107, 36);
    const struct {
        int id;
        const char* text;
        int x, y;
    } checks[4] = {
        {IDC_NEWCAST_ACTORS, "A&ctors", 173, 120},
        {IDC_NEWCAST_ACTRESSES, "Ac&tresses", 222, 120},
        {IDC_NEWCAST_DIRECTORS, "&Directors", 173, 132},
        {IDC_NEWCAST_OTHERCREW, "&Other Crew", 222, 132},
    };
    m_extraSearchControls.push_back(group);
    for (int i = 0; i < 4; ++i) {
        m_listChecks[i] = new QCheckBox(QString::fromLatin1(checks[i].text), this);
        m_listChecks[i]->setObjectName(QString::number(checks[i].id));
        m_layout.Place(m_listChecks[i], checks[i].x, checks[i].y, 48, 10, true);
        m_extraSearchControls.push_back(m_listChecks[i]);
    }
    m_layout.Apply();
}

CNewCastCrewDlg::~CNewCastCrewDlg() = default;

void CNewCastCrewDlg::ExchangeExtra(bool saveAndValidate)
{
    int* values[4] = {&SearchActors, &SearchActresses, &SearchDirectors, &SearchOtherCrew};
    for (int i = 0; i < 4; ++i) {
        if (saveAndValidate)
            *values[i] = m_listChecks[i]->isChecked() ? 1 : 0;
        else
            m_listChecks[i]->setChecked(*values[i] != 0);
    }
}

bool CNewCastCrewDlg::RunSearch()
{
    if (!Settings())
        return true;
    CNameSearch::ListSelection lists;
    lists.actors = SearchActors != 0;
    lists.actresses = SearchActresses != 0;
    lists.directors = SearchDirectors != 0;
    lists.otherCrew = SearchOtherCrew != 0;
    return m_search.Run(*Settings(), SearchText, AlsoAka != 0, lists);
}

bool CNewCastCrewDlg::SearchList(int entry)
{
    return Settings() ? m_search.SearchList(*Settings(), entry) : true;
}

bool CNewCastCrewDlg::SearchAkaNames()
{
    return Settings() ? m_search.SearchAkaNames(*Settings()) : true;
}

void CNewCastCrewDlg::CreateFromLine(const std::string& mainLine, const std::string& heading)
{
    CreateDocument(CNameSearch::WithoutRoles(mainLine), CNameSearch::WithoutRoles(heading));
}

CRVCDoc* CNewCastCrewDlg::CreateDocument(std::string mainName, std::string heading)
{
    if (!DocManager())
        return nullptr;
    return CreateCastCrewDocument(*DocManager(), mainName, heading);
}
