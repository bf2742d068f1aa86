#pragma once
// Making a new, empty Movie/TV or Cast/Crew document for a title or a person: the New-
// document dialogs, the browsers, the Specials and the views' link commands all come
// here. A new document holds only its heading, its web address and its document
// information until Get Information fills it.

#include <cstdint>
#include <string>

class CRecordStore;
class CRVMDoc;
class CRVCDoc;

namespace platform {
class CDocManager;
}

struct LocalDate {
    int year = 0;
    int month = 0; // 1-12
    int day = 0;   // 1-31
};

// Today by the program's clock, in local time.
LocalDate TodayLocalDate();

// Adds type 48 (the heading); only when that succeeds, type 49 (the web address) and the
// type-50 keys 0, 8, 1, 2-7 with `today` as both the creation and the last update date.
// False when the heading could not be added (nothing else is then written). Holds the
// store's lock while it writes.
bool AddNewDocumentRecords(CRecordStore& store, const std::string& heading, const std::string& webAddress,
                           std::int32_t docVersion, const LocalDate& today);

// Asks the templates registered as "Reelvoyager.RVMTVDoc" / "Reelvoyager.RVCCDoc", in
// their order, for a new document; the first that gives one is stamped with the title or
// name (what Get Information searches for), the versions and the records above, and its
// views are updated. Null, with nothing shown, when no template gives a document.
CRVMDoc* CreateMovieTVDocument(platform::CDocManager& docManager, const std::string& mainTitle,
                               const std::string& heading);
CRVCDoc* CreateCastCrewDocument(platform::CDocManager& docManager, const std::string& mainName,
                                const std::string& heading);
