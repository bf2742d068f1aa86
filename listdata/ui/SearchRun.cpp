#include "listdata/ui/SearchRun.h"

#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"

ISearchDocument* CSearchRun::Adapt(platform::CDocument& document)
{
    if (auto* movie = dynamic_cast<CRVMDoc*>(&document))
        m_adapters.push_back(std::make_unique<CSearchDocumentAdapter>(*movie));
    else if (auto* cast = dynamic_cast<CRVCDoc*>(&document))
        m_adapters.push_back(std::make_unique<CSearchDocumentAdapter>(*cast));
    else
        return nullptr;
    return m_adapters.back().get();
}
