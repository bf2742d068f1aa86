#pragma once
// One Get Information run as the main frame owns it: the request handed to the search
// thread, the documents' adapters the request points into, and the run's dialog.

#include "documents/SearchDocumentAdapter.h"
#include "listdata/SearchRequest.h"

#include <memory>
#include <vector>

class CSearchingDlg;

namespace platform {
class CDocument;
}

class CSearchRun {
public:
    // The engine's view of `document`; null for a document of neither kind. The adapter
    // lives as long as the run.
    ISearchDocument* Adapt(platform::CDocument& document);

    SearchRequest request;
    CSearchingDlg* searchingDialog = nullptr;

private:
    std::vector<std::unique_ptr<CSearchDocumentAdapter>> m_adapters;
};
