#pragma once
// The Specials dialogs: templates and control ids.

namespace resources {

constexpr int IDD_TOP250 = 141;
constexpr int IDC_TOP250_LIST = 1024;
constexpr int IDD_BOTTOM10 = 166;
constexpr int IDC_BOTTOM10_LIST = 1132;

constexpr int IDD_BIRTHDAYS = 157;
constexpr int IDC_BIRTHDAYS_LIST = 1099;
constexpr int IDD_DEATHS = 159;
constexpr int IDC_DEATHS_LIST = 1103;
// Shared by Birthdays and Deaths.
constexpr int IDC_DATE_PICKER = 1102;
constexpr int IDC_START_SEARCH = 1138;

} // namespace resources
