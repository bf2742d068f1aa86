#pragma once
// A Movie/TV or Cast/Crew document as the search engine sees it. The main frame makes
// one per document of a Get Information run and keeps it alive until the run has ended;
// GetDocument() leads back from the engine's notifications to the document.

#include "listdata/SearchDocument.h"
#include "listdata/SearchRequest.h"
#include "listdata/StoreRecordTarget.h"

class CRVMDoc;
class CRVCDoc;

namespace platform {
class CDocument;
}

class CSearchDocumentAdapter : public ISearchDocument {
public:
    explicit CSearchDocumentAdapter(CRVMDoc& document);
    explicit CSearchDocumentAdapter(CRVCDoc& document);

    // kMovieTVDocument or kCastCrewDocument.
    int GetKind() const { return m_movie ? kMovieTVDocument : kCastCrewDocument; }
    platform::CDocument* GetDocument() const;
    // The run's entry for this document.
    SearchDocEntry Entry(bool selected) { return {this, GetKind(), selected}; }

    int GetSearchState() const override;
    void SetSearchState(int state) override;
    std::string GetSearchKey() const override;
    void SetModifiedFlag(bool modified) override;
    int SetListRecordsAside(int listIndex) override { return m_target.SetListRecordsAside(listIndex); }
    void EndListRead(int listIndex, bool keepRead) override { m_target.EndListRead(listIndex, keepRead); }
    void OrderListRecords() override { m_target.OrderListRecords(); }
    void StampDocInfo() override;
    void SetDefaultMode(int mode) override;
    IRecordTarget& Records() override { return m_target; }

private:
    CRVMDoc* m_movie = nullptr;
    CRVCDoc* m_cast = nullptr;
    CStoreRecordTarget m_target;
};
