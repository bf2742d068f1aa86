#pragma once
// What the search engine needs of a document. listdata knows no document class, so the
// Movie/TV and Cast/Crew documents are reached through this interface (their adapters
// live beside the documents).

#include <string>

class IRecordTarget;

class ISearchDocument {
public:
    virtual ~ISearchDocument() = default;

    // 0 idle, 1 queued, 2 being searched. Written by the search thread during a run and
    // read by the GUI thread, so implementations keep it atomic.
    virtual int GetSearchState() const = 0;
    virtual void SetSearchState(int state) = 0;
    // The title (Movie/TV) or person name (Cast/Crew) as the lists write it.
    virtual std::string GetSearchKey() const = 0;
    virtual void SetModifiedFlag(bool modified) = 0;
    // A search replaces a list's records only where it reads the list, so a list that
    // cannot be read, is not reached or is cut short keeps what the document held.
    // Before list `listIndex` is read: sets its records aside and returns their number.
    virtual int SetListRecordsAside(int listIndex) = 0;
    // When that read has ended: `keepRead` keeps what it stored and frees the records
    // set aside; otherwise they come back in place of what it stored.
    virtual void EndListRead(int listIndex, bool keepRead) = 0;
    // At the end of the document's search: the records in the order a search of every
    // list places them. Each of the three holds the store's mutex.
    virtual void OrderListRecords() = 0;
    // Rewrites the document-information records, holding the store's mutex.
    virtual void StampDocInfo() = 0;
    // Sets the section mode (Movie/TV) or filmography mode (Cast/Crew) only while it is 0.
    virtual void SetDefaultMode(int mode) = 0;
    // Where the list routines add their records; each add holds the store's mutex.
    virtual IRecordTarget& Records() = 0;
};
