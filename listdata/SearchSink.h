#pragma once
// Everything the search engine tells the outside world while it runs. The engine calls
// these on the search thread, in the order of the protocol; an implementation for the
// GUI carries the Searching dialog calls out on the GUI thread before returning (the
// protocol's sent messages) and posts the frame notifications (its posted messages).
// Texts are Windows-1252.

#include <string>

class ISearchDocument;

class ISearchSink {
public:
    virtual ~ISearchSink() = default;

    // Searching dialog (sent: carried out before the call returns).
    virtual void SetCaption(const std::string& text) = 0;
    virtual void SetUpperStatus(const std::string& text) = 0; // control 1017
    virtual void SetLowerStatus(const std::string& text) = 0; // control 1019
    virtual void ClearStatusList() = 0;                       // control 1008
    // Inserts `text` at `position` (no sorting) and makes that position the top index.
    virtual void InsertStatusLine(int position, const std::string& text) = 0;
    virtual void SetProgressRange(int upper) = 0; // range 0..upper, position 0
    virtual void StepProgress() = 0;
    virtual void Beep() = 0;

    // Frame notifications (posted: the engine does not wait for them).
    // The document's search state or contents changed.
    virtual void DocumentChanged(ISearchDocument* document) = 0;
    // Every selected document was searched.
    virtual void SearchDone() = 0;
    // The run ended early because a document's search was cancelled.
    virtual void SearchStopped() = 0;
};
