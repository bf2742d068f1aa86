#pragma once
// The New Movie/TV and New Cast/Crew Document dialogs: templates and control ids.

namespace resources {

constexpr int IDD_NEWMOVIETV = 133;
constexpr int IDD_NEWCASTCREW = 134;

// Shared by both templates.
constexpr int IDC_NEWDOC_SEARCH = 1039;
constexpr int IDC_NEWDOC_SEARCHTEXT = 1040;
constexpr int IDC_NEWDOC_STATUS = 1046;
constexpr int IDC_NEWDOC_STRINGLABEL = 1047;
constexpr int IDC_NEWDOC_TYPEGROUP = 1048;
constexpr int IDC_NEWDOC_CANCELSEARCH = 1049;
constexpr int IDC_NEWDOC_WAIT = 1050;

// New Movie/TV Document.
constexpr int IDC_NEWMOVIE_RESULTS = 1041;
constexpr int IDC_NEWMOVIE_EXACT = 1052;
constexpr int IDC_NEWMOVIE_WHOLEWORDS = 1054;
constexpr int IDC_NEWMOVIE_BEGINNING = 1055;
constexpr int IDC_NEWMOVIE_INSIDE = 1056;
constexpr int IDC_NEWMOVIE_ALSOAKA = 1057;

// New Cast/Crew Document.
constexpr int IDC_NEWCAST_RESULTS = 1037;
constexpr int IDC_NEWCAST_ALSOAKA = 1038;
constexpr int IDC_NEWCAST_EXACT = 1042;
constexpr int IDC_NEWCAST_WHOLENAMES = 1043;
constexpr int IDC_NEWCAST_BEGINNING = 1058;
constexpr int IDC_NEWCAST_INSIDE = 1059;
constexpr int IDC_NEWCAST_LISTGROUP = 1051;
constexpr int IDC_NEWCAST_ACTORS = 1016;
constexpr int IDC_NEWCAST_ACTRESSES = 1018;
constexpr int IDC_NEWCAST_DIRECTORS = 1020;
constexpr int IDC_NEWCAST_OTHERCREW = 1021;

} // namespace resources
