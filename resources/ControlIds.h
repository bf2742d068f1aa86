#pragma once
// Dialog templates and the ids of their controls (set as each widget's object name).

namespace resources {

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Searching dialog.
constexpr int IDD_SEARCHING = 169;
constexpr int IDC_SEARCH_STATUSLIST = 1008;
constexpr int IDC_SEARCH_PROGRESS = 1010;
constexpr int IDC_SEARCH_GROUP = 1014;
constexpr int IDC_SEARCH_STATUS1 = 1017;
constexpr int IDC_SEARCH_STATUS2 = 1019;

// Get Information dialog.
constexpr int IDD_GETINFORMATION = 171;
constexpr int IDC_GI_LISTS = 1026;
constexpr int IDC_GI_LISTS_CLEARALL = 1029;
constexpr int IDC_GI_LISTS_SETALL = 1030;
constexpr int IDC_GI_DOCS_CLEARALL = 1031;
constexpr int IDC_GI_DEFAULT = 1032;
constexpr int IDC_GI_DOCS_SETALL = 1033;
constexpr int IDC_GI_LISTS_GROUP = 1053;
constexpr int IDC_GI_BATCH = 1152;
constexpr int IDC_GI_DOCUMENTS = 1153;
constexpr int IDC_GI_DIVIDER = 1157;
constexpr int IDC_GI_SWITCH = 1158;

} // namespace resources
