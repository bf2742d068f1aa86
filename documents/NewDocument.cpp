#include "documents/NewDocument.h"

#include "documents/CastCrewDocTemplate.h"
#include "documents/MovieTVDocTemplate.h"
#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "listdata/ListLine.h"
#include "listdata/RecordStore.h"
#include "platform/Clock.h"
#include "platform/DocManager.h"

#include <ctime>

LocalDate TodayLocalDate()
{
    const std::time_t now = platform::Clock().Now();
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

bool AddNewDocumentRecords(CRecordStore& store, const std::string& heading, const std::string& webAddress,
                           std::int32_t docVersion, const LocalDate& today)
{
    auto lock = store.Lock();
    if (!store.AddString(kRecordHeading, 0, heading.c_str()))
        return false;
    store.AddString(kRecordWebAddress, 0, webAddress.c_str());
    store.AddInt(kRecordDocInfo, kDocInfoCreatorVersion, kProgramVersion);
    store.AddInt(kRecordDocInfo, kDocInfoUpdaterVersion, kProgramVersion);
    store.AddInt(kRecordDocInfo, kDocInfoDocVersion, docVersion);
    store.AddInt(kRecordDocInfo, kDocInfoCreatedYear, today.year);
    store.AddInt(kRecordDocInfo, kDocInfoCreatedMonth, today.month);
    store.AddInt(kRecordDocInfo, kDocInfoCreatedDay, today.day);
    store.AddInt(kRecordDocInfo, kDocInfoUpdatedYear, today.year);
    store.AddInt(kRecordDocInfo, kDocInfoUpdatedMonth, today.month);
    store.AddInt(kRecordDocInfo, kDocInfoUpdatedDay, today.day);
    return true;
}

namespace {

// The first template of `progId` that gives a new document, in registration order.
template <class Doc> Doc* NewDocumentOf(platform::CDocManager& docManager, const char* progId)
{
    for (const auto& docTemplate : docManager.GetTemplates()) {
        if (docTemplate->GetProgId() != progId)
            continue;
        if (auto* doc = dynamic_cast<Doc*>(docTemplate->OpenDocumentFile(std::string())))
            return doc;
    }
    return nullptr;
}

} // namespace

CRVMDoc* CreateMovieTVDocument(platform::CDocManager& docManager, const std::string& mainTitle,
                               const std::string& heading)
{
    CRVMDoc* doc = NewDocumentOf<CRVMDoc>(docManager, CMovieTVDocTemplate::kProgId);
    if (!doc)
        return nullptr;
    doc->SetModifiedFlag(true);
    doc->SetDocVersion(kMovieTVDocVersion);
    doc->SetProgramVersion(kProgramVersion);
    doc->SetMovieTitle(mainTitle);
    CListLine link;
    link.MakeTitleLink(mainTitle.c_str());
    AddNewDocumentRecords(doc->GetRecords(), heading, link.GetText() ? link.GetText() : "", kMovieTVDocVersion,
                          TodayLocalDate());
    doc->UpdateAllViews(nullptr, 0);
    return doc;
}

CRVCDoc* CreateCastCrewDocument(platform::CDocManager& docManager, const std::string& mainName,
                                const std::string& heading)
{
    CRVCDoc* doc = NewDocumentOf<CRVCDoc>(docManager, CCastCrewDocTemplate::kProgId);
    if (!doc)
        return nullptr;
    doc->SetModifiedFlag(true);
    doc->SetDocVersion(kCastCrewDocVersion);
    doc->SetProgramVersion(kProgramVersion);
    doc->SetPersonName(mainName);
    CListLine link;
    link.MakeNameLink(mainName.c_str());
    AddNewDocumentRecords(doc->GetRecords(), heading, link.GetText() ? link.GetText() : "", kCastCrewDocVersion,
                          TodayLocalDate());
    doc->UpdateAllViews(nullptr, 0);
    return doc;
}
