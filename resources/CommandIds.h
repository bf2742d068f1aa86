#pragma once
// Command ids of the menus, accelerators and toolbar. The framework's standard ids keep
// their historical values, so that tables and tests speak the same numbers.

namespace resources {

// Framework commands.
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_CLOSE = 57602;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_DIRECT = 57608;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_FILE_MRU_FILE1 = 57616; // the recent-file entries take 57616-57619
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_FIND = 57636;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_REPEAT = 57640; // Find Next
constexpr int ID_EDIT_REPLACE = 57641;
constexpr int ID_EDIT_SELECT_ALL = 57642;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_WINDOW_NEW = 57648;
constexpr int ID_WINDOW_ARRANGE = 57649;
constexpr int ID_WINDOW_CASCADE = 57650;
constexpr int ID_WINDOW_TILE_HORZ = 57651;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;
constexpr int ID_OLE_EDIT_PROPERTIES = 57860;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;
// The bars' control ids, which their View commands share.
constexpr int AFX_IDW_TOOLBAR = ID_VIEW_TOOLBAR;
constexpr int AFX_IDW_STATUS_BAR = ID_VIEW_STATUS_BAR;

constexpr int kRecentFileCount = 4;

// Commands of this program.
constexpr int ID_CANCEL_EDIT_CNTR = 32768; // Escape: no handler takes it
constexpr int ID_FILE_NEW_MOVIETV = 32769;
constexpr int ID_FILE_NEW_CASTCREW = 32770;
constexpr int ID_OPTIONS_PATHFILENAMES = 32773;
constexpr int ID_OPTIONS_MOVIETVOPTIONS = 32774;
constexpr int ID_OPTIONS_CASTCREWOPTIONS = 32775;
constexpr int ID_MOVIETV_GETINFORMATION = 32776;
constexpr int ID_CASTCREW_GETINFORMATION = 32777;
constexpr int ID_SPECIALS_TOP250 = 32778;
constexpr int ID_OPTIONS_CHANGEFONT = 32779;
constexpr int ID_OPTIONS_OUTPUTOPTIONS = 32780;
constexpr int ID_SPECIALS_BIRTHDAYS = 32781;
constexpr int ID_SPECIALS_DEATHS = 32784;
constexpr int ID_MOVIETV_OVERVIEW = 32785;
constexpr int ID_MOVIETV_CREDITS = 32786;
constexpr int ID_MOVIETV_FUNSTUFF = 32787;
constexpr int ID_MOVIETV_PLOTQUOTES = 32788;
constexpr int ID_MOVIETV_OTHERINFO = 32789;
constexpr int ID_MOVIETV_COMPLETE = 32790;
constexpr int ID_CASTCREW_CATEGORIZED = 32791;
constexpr int ID_CASTCREW_COMBINED = 32792;
constexpr int ID_BROWSERS_ALTVERSIONS = 32800;
constexpr int ID_BROWSERS_QUOTES = 32801;
constexpr int ID_BROWSERS_CRAZYCREDITS = 32802;
constexpr int ID_BROWSERS_TRIVIA = 32803;
constexpr int ID_BROWSERS_PLOT = 32804;
constexpr int ID_BROWSERS_GOOFS = 32805;
constexpr int ID_BROWSERS_SOUNDTRACKS = 32806;
constexpr int ID_BROWSERS_BUSINESS = 32807;
constexpr int ID_BROWSERS_MOVIELINKS = 32808;
constexpr int ID_BROWSERS_TAGLINES = 32809;
constexpr int ID_BROWSERS_RATINGS = 32810;
constexpr int ID_DIFFTOOLS_DELTAMEND = 32822;
constexpr int ID_DIFFTOOLS_SUMWATCH = 32824;
constexpr int ID_SPECIALS_BOTTOM10 = 32825;
constexpr int ID_CASTCREW_CREDITEDWITH = 32828;
constexpr int ID_OPTIONS_NOLINKS = 32834;
constexpr int ID_MOVIETV_MOVIELINKS = 32836;
constexpr int ID_CASTCREW_MOVIELINKS = 32838;

// The one command of the popup menus of lists of people (162) and of titles (163).
constexpr int ID_POPUP_GETCASTCREWINFO = 32829;
constexpr int ID_POPUP_GETMOVIETVINFO = 32832;

// Link commands of the views' popup menus, carried out by the view that was clicked.
constexpr int ID_LINK_SENDTONEWCASTCREW = 32771; // "Send To &New Cast/Crew Dialog"
constexpr int ID_LINK_GETINFOFORNAME = 32772;    // "Get Information for '%s'"
constexpr int ID_LINK_GETMOVIETVINFO = 32783;    // "Get Movie/TV &Information"
constexpr int ID_LINK_NEWMOVIETV = 32793;        // "New &Movie/TV"
constexpr int ID_LINK_NEWCASTCREW = 32794;       // "New Cas&t/Crew"
constexpr int ID_LINK_GETCASTCREWINFO = 32795;   // "Get Cast/Crew &Information"
constexpr int ID_LINK_GOTOURL = 32798;           // "Go to &URL"

} // namespace resources
