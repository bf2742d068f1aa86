#pragma once
// Dialog templates of the shell and the ids of their controls (set as each widget's
// object name).

namespace resources {

// List browsers (one template for all of them).
constexpr int IDD_BROWSER = 152;
constexpr int IDC_BROWSER_SEARCHTEXT = 1022;
constexpr int IDC_BROWSER_SEARCH = 1023;
constexpr int IDC_BROWSER_TITLES = 1060;
// "Other", then "A" to "Z": a letter's id is IDC_BROWSER_OTHER + its filter (1-26).
constexpr int IDC_BROWSER_OTHER = 1061;
constexpr int IDC_BROWSER_LETTER_A = 1062;
constexpr int IDC_BROWSER_LETTER_Z = 1087;
constexpr int IDC_BROWSER_ENTRY = 1097;
constexpr int IDC_BROWSER_GETINFO = 1098;

// Please Wait box.
constexpr int IDD_PLEASEWAIT = 153;

} // namespace resources
