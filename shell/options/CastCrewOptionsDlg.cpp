#include "shell/options/CastCrewOptionsDlg.h"

#include "resources/OptionsIds.h"

using namespace resources;

CCastCrewOptionsDlg::CCastCrewOptionsDlg(QWidget* parent)
    : CListOptionsDlg(parent, IDD_CASTCREWOPTIONS, "Cast/Crew Options", 1,
                      {"&Sort Filmography", {{IDC_CAST_BYYEAR, "By Year"}, {IDC_CAST_BYTITLE, "By Title"}}},
                      {"Default &View Type",
                       {{IDC_CAST_VIEW_CATEGORIZED, "Categorized Filmography"},
                        {IDC_CAST_VIEW_COMBINED, "Combined Filmography"}}})
{
}
