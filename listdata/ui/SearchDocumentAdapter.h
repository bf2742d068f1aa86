#pragma once
// A Movie/TV or Cast/Crew document as the search engine sees it. Plain C++; the store's
// lock is held for each add, remove and stamp, so a view may rebuild between two adds.

#include "listdata/RecordTarget.h"
#include "listdata/SearchDocument.h"

class CRVMDoc;
class CRVCDoc;
class CRecordStore;

namespace platform {
class CDocument;
}

class CSearchDocumentAdapter : public ISearchDocument, private IRecordTarget {
public:
    explicit CSearchDocumentAdapter(CRVMDoc& document);
    explicit CSearchDocumentAdapter(CRVCDoc& document);

    platform::CDocument& Document() const;

    int GetSearchState() const override;
    void SetSearchState(int state) override;
    std::string GetSearchKey() const override;
    void SetModifiedFlag(bool modified) override;
    void RemoveListRecords() override;
    void StampDocInfo() override;
    void SetDefaultMode(int mode) override;
    IRecordTarget& Records() override { return *this; }

private:
    bool AddEmpty(int type, int key) override;
    bool AddInt(int type, int key, std::int32_t value) override;
    bool AddString(int type, int key, std::string_view text) override;
    bool AddBytes3(int type, int key, std::uint32_t value) override;
    bool AddBytes10(int type, int key, std::uint32_t first, std::uint32_t second, std::uint16_t third) override;

    CRecordStore& Store() const;

    CRVMDoc* m_movie = nullptr;
    CRVCDoc* m_cast = nullptr;
};
