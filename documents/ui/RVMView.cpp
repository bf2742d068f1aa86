#include "documents/ui/RVMView.h"

#include "documents/RVMDoc.h"
#include "resources/MenuTables.h"

CRVMView::CRVMView(CRVMDoc& document, const Context& context, QWidget* parent)
    : CRichDocumentView(document, context, parent), m_movie(document)
{
    setObjectName(QStringLiteral("CRVMView"));
}

CRVMDoc* CRVMView::GetMovieDocument() const
{
    return GetDocument() ? &m_movie : nullptr;
}

void CRVMView::PrepareWriter()
{
    Writer().Reset();
    Writer().SetupFont();
}

bool CRVMView::WriteHeading(const CRecordStore& records)
{
    bool wrote = false;
    for (int index = records.FindFirst(kRecordHeading); index >= 0; index = records.FindNext(index, kRecordHeading)) {
        const InfoRecord record = records.GetRecord(index);
        Writer().Paragraph(-1, 1, true);
        Writer().WriteText(std::string_view(record.GetText(), record.GetTextLength()), kRtfStyleLarge | kRtfStyleBold,
                           true);
        Writer().NewLine();
        wrote = true;
    }
    if (WriteEpisodes(records))
        wrote = true;
    return wrote;
}

void CRVMView::WriteContent(const CRecordStore& records)
{
    const int mode = m_movie.GetSectionMode();
    if (mode >= kSectionOverview && mode <= kSectionComplete)
        WriteSection(mode, records);
}

int CRVMView::SearchState() const
{
    return m_movie.GetSearchState();
}
const CRecordStore& CRVMView::Records() const
{
    return m_movie.GetRecords();
}

// The episodes list and the sections are rendered by their own builders.
bool CRVMView::WriteEpisodes(const CRecordStore&)
{
    return false;
}
void CRVMView::WriteSection(int, const CRecordStore&)
{
}

// Popup menus by link kind: none, title, name, name reference, web address.
int CRVMView::PopupMenuFor(int linkKind) const
{
    using namespace resources;
    switch (linkKind) {
    case 0:
        return IDR_POPUP_MOVIETV_TITLE;
    case 1:
        return IDR_POPUP_MOVIETV_NAME;
    case 2:
        return IDR_POPUP_MOVIETV_NAMEREF;
    case 3:
        return IDR_POPUP_MOVIETV_WEB;
    default:
        return IDR_POPUP_MOVIETV_NONE;
    }
}

// A document made from a link is headed with the link's alt text (an episode link carries its series).
std::string CRVMView::LinkHeading() const
{
    return Clicked().link.alt;
}
