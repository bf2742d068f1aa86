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
    // Removes the records of types 0-47, holding the store's mutex.
    virtual void RemoveListRecords() = 0;
    // Rewrites the document-information records, holding the store's mutex.
    virtual void StampDocInfo() = 0;
    // Sets the section mode (Movie/TV) or filmography mode (Cast/Crew) only while it is 0.
    virtual void SetDefaultMode(int mode) = 0;
    // Where the list routines add their records; each add holds the store's mutex.
    virtual IRecordTarget& Records() = 0;
};
