#include "documents/ui/RVCView.h"

#include "documents/RVCDoc.h"
#include "listdata/AppSettings.h"
#include "listdata/ListLine.h"
#include "resources/MenuTables.h"

// Rows of the block table: names, dates, aliases, spouse, filmography, guest
// appearances, mini biography, height, six item lists, biographical movies, four
// publication kinds, portrayals, salary, agent. The first two rows are groups of two.
constexpr int kBlockGroupCount = 22;

CRVCView::CRVCView(CRVCDoc& document, const Context& context, QWidget* parent)
    : CRichDocumentView(document, context, parent), m_cast(document), m_groups(kBlockGroupCount)
{
    setObjectName(QStringLiteral("CRVCView"));
}

CRVCDoc* CRVCView::GetCastDocument() const
{
    return GetDocument() ? &m_cast : nullptr;
}

void CRVCView::PrepareWriter()
{
    Writer().SetupFont();
    Writer().Reset();
}

bool CRVCView::WriteHeading(const CRecordStore& records)
{
    bool wrote = false;
    const CAppSettings& settings = Writer().Settings();
    for (int index = records.FindFirst(kRecordHeading); index >= 0; index = records.FindNext(index, kRecordHeading)) {
        const InfoRecord record = records.GetRecord(index);
        const std::string stored(record.GetText(), record.GetTextLength());
        CListLine line;
        const char* name = line.FormatName(stored.c_str(), settings.NameOutput, settings.RemoveNameNumber != 0);
        Writer().Paragraph(-1, 1, true);
        Writer().WriteText(name ? name : stored.c_str(), kRtfStyleLarge | kRtfStyleBold, true);
        Writer().NewLine();
        wrote = true;
    }
    return wrote;
}

void CRVCView::WriteContent(const CRecordStore& records)
{
    for (BlockGroup& group : m_groups) {
        bool wrote = false;
        for (BlockBuilder& block : group.blocks)
            if (block && block(*this, records))
                wrote = true;
        if (wrote)
            Writer().NewLine();
    }
}

int CRVCView::SearchState() const
{
    return m_cast.GetSearchState();
}
const CRecordStore& CRVCView::Records() const
{
    return m_cast.GetRecords();
}

// Popup menus by link kind: none, title, name, name reference, web address.
int CRVCView::PopupMenuFor(int linkKind) const
{
    using namespace resources;
    switch (linkKind) {
    case 0:
        return IDR_POPUP_CASTCREW_TITLE;
    case 1:
        return IDR_POPUP_CASTCREW_NAME;
    case 2:
        return IDR_POPUP_CASTCREW_NAMEREF;
    case 3:
        return IDR_POPUP_CASTCREW_WEB;
    default:
        return IDR_POPUP_CASTCREW_NONE;
    }
}

// A document made from a link is headed with the text selected at the click (the link's own text).
std::string CRVCView::LinkHeading() const
{
    return Clicked().selection;
}
