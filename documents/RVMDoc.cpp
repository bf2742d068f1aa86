#include "documents/RVMDoc.h"

#include "documents/DocumentFile.h"

namespace {

const documentfile::Kind kMovieTVKind = {CRVMDoc::kFileHeader, CRVMDoc::kOldFileHeader, kMovieTVDocVersion, true};

} // namespace

CRVMDoc::CRVMDoc() : CRecordDocument(kMovieTVKind, kMovieTVGrowBy)
{
}

CRVMDoc::~CRVMDoc() = default;
