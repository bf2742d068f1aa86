#pragma once
// The Movie Links and Credited With dialogs: templates and control ids.

namespace resources {

constexpr int IDD_MOVIELINKS = 172;
constexpr int IDC_MOVIELINKS_TITLES = 1159;
constexpr int IDC_MOVIELINKS_CREATE = 1160;
constexpr int IDC_MOVIELINKS_CLEARALL = 1161;
constexpr int IDC_MOVIELINKS_SETALL = 1162;

constexpr int IDD_CREDITEDWITH = 168;
constexpr int IDC_CW_NAMES = 1133;
constexpr int IDC_CW_TITLES = 1134;
constexpr int IDC_CW_MINIMUM = 1135;
// Filmographies to Use.
constexpr int IDC_CW_USE_ACTOR = 1140;
constexpr int IDC_CW_USE_DIRECTOR = 1141;
constexpr int IDC_CW_USE_PRODUCER = 1142;
constexpr int IDC_CW_USE_OTHERCREW = 1143;
// Listfiles to Search.
constexpr int IDC_CW_SEARCH_ACTOR = 1144;
constexpr int IDC_CW_SEARCH_DIRECTOR = 1145;
constexpr int IDC_CW_SEARCH_PRODUCER = 1146;
constexpr int IDC_CW_SEARCH_OTHERCREW = 1147;
// The list name of the person whose titles are listed.
constexpr int IDC_CW_LISTED_NAME = 1148;

} // namespace resources
