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

// Deltamend, Console and Sumwatch.
constexpr int IDD_DELTAMEND = 161;
constexpr int IDD_CONSOLE = 162;
constexpr int IDD_SUMWATCH = 165;

// Console.
constexpr int IDC_CONSOLE_EDIT = 1120;

// Shared by the Deltamend and Sumwatch templates.
constexpr int IDC_DIFF_LOGFILE = 1109;
constexpr int IDC_DIFF_LOGFILEPATH = 1110;
constexpr int IDC_DIFF_LOGFILEBROWSE = 1112;
constexpr int IDC_DIFF_LOGFILELABEL = 1116;
constexpr int IDC_DIFF_NOSTATS = 1122;
constexpr int IDC_DIFF_QUIET = 1123;
constexpr int IDC_DIFF_COMMANDLINE = 1130;

// Deltamend.
constexpr int IDC_DELTAMEND_KEEP = 1106;
constexpr int IDC_DELTAMEND_FORCE = 1107;
constexpr int IDC_DELTAMEND_SUMWATCH = 1108;
constexpr int IDC_DELTAMEND_RUN = 1111;
constexpr int IDC_DELTAMEND_DIFFILESPATH = 1113;
constexpr int IDC_DELTAMEND_DIFFILESBROWSE = 1114;
constexpr int IDC_DELTAMEND_DIFFILESLABEL = 1115;
constexpr int IDC_DELTAMEND_PROGRAMLABEL = 1117;
constexpr int IDC_DELTAMEND_PROGRAMPATH = 1118;
constexpr int IDC_DELTAMEND_PROGRAMBROWSE = 1119;

// Sumwatch.
constexpr int IDC_SUMWATCH_RUN = 1124;
constexpr int IDC_SUMWATCH_PROGRAMLABEL = 1125;
constexpr int IDC_SUMWATCH_PROGRAMPATH = 1126;
constexpr int IDC_SUMWATCH_PROGRAMBROWSE = 1127;

} // namespace resources
