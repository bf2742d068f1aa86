#pragma once
// The Options dialogs, the About box and the ids of their controls.

namespace resources {

// About box.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDC_ABOUT_MAIL = 1136;
constexpr int IDC_ABOUT_HOMEPAGE = 1137;
constexpr int IDC_ABOUT_PROVIDER = 1138;
// Program icon and the About box's bitmap (Qt resource paths).
constexpr int IDR_MAINFRAME_ICON = 128;
constexpr int IDB_ABOUT = 136;
inline constexpr const char* kMainFrameIconPath = ":/resources/icon128.png";
inline constexpr const char* kAboutBitmapPath = ":/resources/bitmap136.png";

// Path/Filenames.
constexpr int IDD_PATHFILENAMES = 135;
constexpr int IDC_PATH_LISTSPATH = 1000;
constexpr int IDC_PATH_LISTS = 1002;
constexpr int IDC_PATH_FILENAME = 1003;
constexpr int IDC_PATH_BROWSELISTS = 1004;
constexpr int IDC_PATH_BROWSEFILE = 1005;
constexpr int IDC_PATH_RESTORE = 1006;
constexpr int IDC_PATH_DEFAULTDIR = 1007;
constexpr int IDC_PATH_BROWSEDEFAULTDIR = 1009;

// Output Options.
constexpr int IDD_OUTPUTOPTIONS = 136;
constexpr int IDC_OUTPUT_COLOR = 1001;
constexpr int IDC_OUTPUT_DISABLECOLORS = 1011;
constexpr int IDC_OUTPUT_COLORLABEL = 1013;
constexpr int IDC_OUTPUT_ALWAYSHEADERS = 1015;
constexpr int IDC_OUTPUT_FIRSTLAST = 1034;
constexpr int IDC_OUTPUT_LASTFIRST = 1035;
constexpr int IDC_OUTPUT_REMOVENUMBER = 1036;
constexpr int IDC_OUTPUT_UNDERLINE = 1096;
constexpr int IDC_OUTPUT_MAXIMIZED = 1131;
constexpr int IDC_OUTPUT_NOLINKS = 1150;
constexpr int IDC_OUTPUT_LINKSGROUP = 1151;

// Movie/TV Options and Cast/Crew Options.
constexpr int IDD_MOVIETVOPTIONS = 137;
constexpr int IDD_CASTCREWOPTIONS = 138;
constexpr int IDC_OPTIONS_LISTS = 1025;
constexpr int IDC_OPTIONS_CLEARALL = 1027;
constexpr int IDC_OPTIONS_SETALL = 1028;
constexpr int IDC_MOVIE_CREDITSORDER = 1031;
constexpr int IDC_MOVIE_ALPHABETICALLY = 1033;
constexpr int IDC_MOVIE_VIEW_OVERVIEW = 1088; // 1088-1093: Overview .. Complete
constexpr int IDC_CAST_BYYEAR = 1044;
constexpr int IDC_CAST_BYTITLE = 1045;
constexpr int IDC_CAST_VIEW_CATEGORIZED = 1094;
constexpr int IDC_CAST_VIEW_COMBINED = 1095;

} // namespace resources
