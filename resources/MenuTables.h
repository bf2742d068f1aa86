#pragma once
// Menu bars, accelerators, toolbar and the command prompts, as tables the main frame
// builds its actions and menus from. A menu table is a pre-order walk: each entry has
// its nesting depth; a popup has id kPopup, a separator kSeparator, and the recent-file
// slot kRecentFiles.

#include "resources/CommandIds.h"

#include <span>

namespace resources {

constexpr int kPopup = 0;
constexpr int kSeparator = -1;
constexpr int kRecentFiles = -2;

struct MenuEntry {
    int depth;
    int id;
    const char* text;
};

// Menu resource numbers.
constexpr int IDR_MAINFRAME = 128; // no document open
constexpr int IDR_RVMTVTYPE = 129; // Movie/TV document active
constexpr int IDR_RVCCTYPE = 130;  // Cast/Crew document active

// The popup menus of lists of people (162) and of titles (163) in the Specials and Credited
// With: one item each, ID_POPUP_GETCASTCREWINFO and ID_POPUP_GETMOVIETVINFO.
inline constexpr const char* kPopupCastCrewText = " > Get Cast/Crew &Information";
inline constexpr const char* kPopupMovieTVText = " > Get Movie/TV &Information";

// clang-format off
#define RV_MENU_FILE_HEAD                                                                      \
    {0, kPopup, "&File"}, {1, kPopup, "&New"}, {2, ID_FILE_NEW_MOVIETV, "&Movie/TV Document\tCtrl+M"}, \
        {2, ID_FILE_NEW_CASTCREW, "Cast/Cre&w Document\tCtrl+W"}, {1, ID_FILE_OPEN, "&Open...\tCtrl+O"}
#define RV_MENU_FILE_DOCUMENT                                                                  \
    {1, ID_FILE_CLOSE, "&Close"}, {1, ID_FILE_SAVE, "&Save\tCtrl+S"}, {1, ID_FILE_SAVE_AS, "Save &As..."}
#define RV_MENU_FILE_DIFFTOOLS                                                                 \
    {1, kSeparator, nullptr}, {1, kPopup, "Diff&Tools"}, {2, ID_DIFFTOOLS_DELTAMEND, "Deltamend"}, \
        {2, ID_DIFFTOOLS_SUMWATCH, "Sumwatch"}, {1, kSeparator, nullptr}
#define RV_MENU_FILE_PRINT                                                                     \
    {1, ID_FILE_PRINT, "&Print...\tCtrl+P"}, {1, ID_FILE_PRINT_PREVIEW, "Print Pre&view"}
#define RV_MENU_FILE_TAIL                                                                      \
    {1, ID_FILE_PRINT_SETUP, "P&rint Setup..."}, {1, kSeparator, nullptr}, {1, kRecentFiles, "Recent File"}, \
        {1, kSeparator, nullptr}, {1, ID_APP_EXIT, "E&xit"}
#define RV_MENU_EDIT                                                                           \
    {0, kPopup, "&Edit"}, {1, ID_EDIT_UNDO, "&Undo\tCtrl+Z"}, {1, kSeparator, nullptr},         \
        {1, ID_EDIT_CUT, "Cu&t\tCtrl+X"}, {1, ID_EDIT_COPY, "&Copy\tCtrl+C"},                 \
        {1, ID_EDIT_PASTE, "&Paste\tCtrl+V"}, {1, ID_EDIT_SELECT_ALL, "Select &All"},         \
        {1, kSeparator, nullptr}, {1, ID_EDIT_FIND, "&Find...\tCtrl+F"}, {1, ID_EDIT_REPEAT, "Find &Next\tF3"}
#define RV_MENU_VIEW                                                                           \
    {0, kPopup, "&View"}, {1, ID_VIEW_TOOLBAR, "&Toolbar"}, {1, ID_VIEW_STATUS_BAR, "&Status Bar"}
#define RV_MENU_REST                                                                           \
    {0, kPopup, "&Specials"}, {1, ID_SPECIALS_TOP250, "&Top 250 Movies"},                       \
        {1, ID_SPECIALS_BOTTOM10, "Botto&m 10 Movies"}, {1, kSeparator, nullptr},             \
        {1, ID_SPECIALS_BIRTHDAYS, "&Birthdays"}, {1, ID_SPECIALS_DEATHS, "&Deaths"},          \
        {0, kPopup, "&Browsers"}, {1, ID_BROWSERS_ALTVERSIONS, "&Alternate Versions"},         \
        {1, ID_BROWSERS_BUSINESS, "&Business"}, {1, ID_BROWSERS_CRAZYCREDITS, "&Crazy Credits"}, \
        {1, ID_BROWSERS_GOOFS, "&Goofs"}, {1, ID_BROWSERS_MOVIELINKS, "&Movie Links"},         \
        {1, ID_BROWSERS_PLOT, "&Plot"}, {1, ID_BROWSERS_QUOTES, "&Quotes"},                    \
        {1, ID_BROWSERS_RATINGS, "&Ratings"}, {1, ID_BROWSERS_SOUNDTRACKS, "&Soundtracks"},    \
        {1, ID_BROWSERS_TAGLINES, "Tagli&nes"}, {1, ID_BROWSERS_TRIVIA, "&Trivia"},             \
        {0, kPopup, "&Options"}, {1, ID_OPTIONS_PATHFILENAMES, "&Path / Filenames"},           \
        {1, kSeparator, nullptr}, {1, ID_OPTIONS_MOVIETVOPTIONS, "Movie/&TV Options"},         \
        {1, ID_OPTIONS_CASTCREWOPTIONS, "C&ast/Crew Options"}, {1, kSeparator, nullptr},      \
        {1, ID_OPTIONS_OUTPUTOPTIONS, "&Output Options"}, {1, ID_OPTIONS_NOLINKS, "No &Links\tCtrl+L"}, \
        {1, kSeparator, nullptr}, {1, ID_OPTIONS_CHANGEFONT, "Change &Font"}
#define RV_MENU_WINDOW                                                                         \
    {0, kPopup, "&Window"}, {1, ID_WINDOW_NEW, "&New Window"}, {1, ID_WINDOW_CASCADE, "&Cascade"}, \
        {1, ID_WINDOW_TILE_HORZ, "&Tile"}, {1, ID_WINDOW_ARRANGE, "&Arrange Icons"}
#define RV_MENU_HELP {0, kPopup, "&Help"}, {1, ID_APP_ABOUT, "&About Reelvoyager..."}

inline constexpr MenuEntry kMenuMainFrame[] = {
    RV_MENU_FILE_HEAD, RV_MENU_FILE_DIFFTOOLS, RV_MENU_FILE_TAIL, RV_MENU_VIEW, RV_MENU_REST, RV_MENU_HELP,
};

inline constexpr MenuEntry kMenuMovieTV[] = {
    RV_MENU_FILE_HEAD,
    RV_MENU_FILE_DOCUMENT,
    RV_MENU_FILE_DIFFTOOLS,
    RV_MENU_FILE_PRINT,
    RV_MENU_FILE_TAIL,
    RV_MENU_EDIT,
    RV_MENU_VIEW,
    {0, kPopup, "&Movie/TV"},
    {1, ID_MOVIETV_GETINFORMATION, "&Get Information"},
    {1, kSeparator, nullptr},
    {1, ID_MOVIETV_OVERVIEW, "&Overview"},
    {1, ID_MOVIETV_CREDITS, "&Credits"},
    {1, ID_MOVIETV_FUNSTUFF, "&Fun Stuff"},
    {1, ID_MOVIETV_PLOTQUOTES, "&Plot && Quotes"},
    {1, ID_MOVIETV_OTHERINFO, "Other &Info"},
    {1, ID_MOVIETV_COMPLETE, "Complet&e"},
    {1, kSeparator, nullptr},
    {1, ID_MOVIETV_MOVIELINKS, "Movie &Links"},
    RV_MENU_REST,
    RV_MENU_WINDOW,
    RV_MENU_HELP,
};

inline constexpr MenuEntry kMenuCastCrew[] = {
    RV_MENU_FILE_HEAD,
    RV_MENU_FILE_DOCUMENT,
    RV_MENU_FILE_DIFFTOOLS,
    RV_MENU_FILE_PRINT,
    RV_MENU_FILE_TAIL,
    RV_MENU_EDIT,
    RV_MENU_VIEW,
    {0, kPopup, "&Cast/Crew"},
    {1, ID_CASTCREW_GETINFORMATION, "&Get Information"},
    {1, kSeparator, nullptr},
    {1, ID_CASTCREW_CATEGORIZED, "&Categorized Filmography"},
    {1, ID_CASTCREW_COMBINED, "C&ombined Filmography"},
    {1, kSeparator, nullptr},
    {1, ID_CASTCREW_CREDITEDWITH, "Credited &With..."},
    {1, kSeparator, nullptr},
    {1, ID_CASTCREW_MOVIELINKS, "Movie &Links"},
    RV_MENU_REST,
    RV_MENU_WINDOW,
    RV_MENU_HELP,
};

#undef RV_MENU_FILE_HEAD
#undef RV_MENU_FILE_DOCUMENT
#undef RV_MENU_FILE_DIFFTOOLS
#undef RV_MENU_FILE_PRINT
#undef RV_MENU_FILE_TAIL
#undef RV_MENU_EDIT
#undef RV_MENU_VIEW
#undef RV_MENU_REST
#undef RV_MENU_WINDOW
#undef RV_MENU_HELP
// clang-format on

// The menu bar of a menu resource number (128, 129 or 130).
constexpr std::span<const MenuEntry> MenuTable(int menuId)
{
    if (menuId == IDR_RVMTVTYPE)
        return kMenuMovieTV;
    if (menuId == IDR_RVCCTYPE)
        return kMenuCastCrew;
    return kMenuMainFrame;
}

// Popup menus of the views' right click, one per link kind and view. Each table holds
// the entries of the menu that is shown (the resource's first submenu).
constexpr int IDR_POPUP_MOVIETV_NONE = 142;
constexpr int IDR_POPUP_CASTCREW_NONE = 143;
constexpr int IDR_POPUP_MOVIETV_WEB = 144;
constexpr int IDR_POPUP_CASTCREW_WEB = 145;
constexpr int IDR_POPUP_MOVIETV_TITLE = 146;
constexpr int IDR_POPUP_CASTCREW_TITLE = 147;
constexpr int IDR_POPUP_MOVIETV_NAME = 148;
constexpr int IDR_POPUP_CASTCREW_NAME = 149;
constexpr int IDR_POPUP_CASTCREW_NAMEREF = 150;
constexpr int IDR_POPUP_MOVIETV_NAMEREF = 151;

// clang-format off
#define RV_POPUP_HEAD {0, ID_EDIT_COPY, "&Copy"}, {0, kSeparator, nullptr}
#define RV_POPUP_NEW                                                                           \
    {0, ID_LINK_NEWMOVIETV, "New &Movie/TV"}, {0, ID_LINK_NEWCASTCREW, "New Cas&t/Crew"}, {0, kSeparator, nullptr}, \
        {0, ID_OPTIONS_OUTPUTOPTIONS, "&Output Options"}
#define RV_POPUP_MOVIETV_OPTIONS {0, ID_OPTIONS_MOVIETVOPTIONS, "Movie/&TV Options"}
#define RV_POPUP_CASTCREW_OPTIONS {0, ID_OPTIONS_CASTCREWOPTIONS, "C&ast/Crew Options"}
#define RV_POPUP_TITLE {0, ID_LINK_GETMOVIETVINFO, "Get Movie/TV &Information"}, {0, kSeparator, nullptr}
#define RV_POPUP_NAME {0, ID_LINK_GETCASTCREWINFO, "Get Cast/Crew &Information"}, {0, kSeparator, nullptr}
#define RV_POPUP_NAMEREF                                                                       \
    {0, ID_LINK_SENDTONEWCASTCREW, "Send To &New Cast/Crew Dialog"},                            \
        {0, ID_LINK_GETINFOFORNAME, "Get Information for 'name'"}, {0, kSeparator, nullptr}
#define RV_POPUP_WEB {0, ID_LINK_GOTOURL, "Go to &URL"}, {0, kSeparator, nullptr}

inline constexpr MenuEntry kPopupMovieTVNone[] = {RV_POPUP_HEAD, RV_POPUP_NEW, RV_POPUP_MOVIETV_OPTIONS};
inline constexpr MenuEntry kPopupCastCrewNone[] = {RV_POPUP_HEAD, RV_POPUP_NEW, RV_POPUP_CASTCREW_OPTIONS};
inline constexpr MenuEntry kPopupMovieTVWeb[] = {RV_POPUP_HEAD, RV_POPUP_WEB, RV_POPUP_NEW, RV_POPUP_MOVIETV_OPTIONS};
inline constexpr MenuEntry kPopupCastCrewWeb[] = {RV_POPUP_HEAD, RV_POPUP_WEB, RV_POPUP_NEW,
                                                  RV_POPUP_CASTCREW_OPTIONS};
inline constexpr MenuEntry kPopupMovieTVTitle[] = {RV_POPUP_HEAD, RV_POPUP_TITLE, RV_POPUP_NEW,
                                                   RV_POPUP_MOVIETV_OPTIONS};
inline constexpr MenuEntry kPopupCastCrewTitle[] = {RV_POPUP_HEAD, RV_POPUP_TITLE, RV_POPUP_NEW,
                                                    RV_POPUP_CASTCREW_OPTIONS};
inline constexpr MenuEntry kPopupMovieTVName[] = {RV_POPUP_HEAD, RV_POPUP_NAME, RV_POPUP_NEW,
                                                  RV_POPUP_MOVIETV_OPTIONS};
inline constexpr MenuEntry kPopupCastCrewName[] = {RV_POPUP_HEAD, RV_POPUP_NAME, RV_POPUP_NEW,
                                                   RV_POPUP_CASTCREW_OPTIONS};
inline constexpr MenuEntry kPopupMovieTVNameRef[] = {RV_POPUP_HEAD, RV_POPUP_NAMEREF, RV_POPUP_NEW,
                                                     RV_POPUP_MOVIETV_OPTIONS};
inline constexpr MenuEntry kPopupCastCrewNameRef[] = {RV_POPUP_HEAD, RV_POPUP_NAMEREF, RV_POPUP_NEW,
                                                      RV_POPUP_CASTCREW_OPTIONS};

#undef RV_POPUP_HEAD
#undef RV_POPUP_NEW
#undef RV_POPUP_MOVIETV_OPTIONS
#undef RV_POPUP_CASTCREW_OPTIONS
#undef RV_POPUP_TITLE
#undef RV_POPUP_NAME
#undef RV_POPUP_NAMEREF
#undef RV_POPUP_WEB
// clang-format on

// The entries of popup menu 142-151; empty for any other number.
constexpr std::span<const MenuEntry> PopupMenuTable(int menuId)
{
    switch (menuId) {
    case IDR_POPUP_MOVIETV_NONE:
        return kPopupMovieTVNone;
    case IDR_POPUP_CASTCREW_NONE:
        return kPopupCastCrewNone;
    case IDR_POPUP_MOVIETV_WEB:
        return kPopupMovieTVWeb;
    case IDR_POPUP_CASTCREW_WEB:
        return kPopupCastCrewWeb;
    case IDR_POPUP_MOVIETV_TITLE:
        return kPopupMovieTVTitle;
    case IDR_POPUP_CASTCREW_TITLE:
        return kPopupCastCrewTitle;
    case IDR_POPUP_MOVIETV_NAME:
        return kPopupMovieTVName;
    case IDR_POPUP_CASTCREW_NAME:
        return kPopupCastCrewName;
    case IDR_POPUP_CASTCREW_NAMEREF:
        return kPopupCastCrewNameRef;
    case IDR_POPUP_MOVIETV_NAMEREF:
        return kPopupMovieTVNameRef;
    default:
        return {};
    }
}

// Accelerator table 128. Keys in the portable text form of a key sequence.
struct Accelerator {
    const char* key;
    int id;
};

// clang-format off
inline constexpr Accelerator kAccelerators[] = {
    {"Ctrl+C", ID_EDIT_COPY},       {"Ctrl+F", ID_EDIT_FIND},        {"Ctrl+H", ID_EDIT_REPLACE},
    {"Ctrl+L", ID_OPTIONS_NOLINKS}, {"Ctrl+N", ID_FILE_NEW},         {"Ctrl+O", ID_FILE_OPEN},
    {"Ctrl+P", ID_FILE_PRINT},      {"Ctrl+S", ID_FILE_SAVE},        {"Ctrl+V", ID_EDIT_PASTE},
    {"Alt+Backspace", ID_EDIT_UNDO}, {"Shift+Del", ID_EDIT_CUT},     {"Esc", ID_CANCEL_EDIT_CNTR},
    {"F3", ID_EDIT_REPEAT},         {"F6", ID_NEXT_PANE},            {"Shift+F6", ID_PREV_PANE},
    {"Ctrl+Ins", ID_EDIT_COPY},     {"Shift+Ins", ID_EDIT_PASTE},    {"Alt+Return", ID_OLE_EDIT_PROPERTIES},
    {"Ctrl+X", ID_EDIT_CUT},        {"Ctrl+Z", ID_EDIT_UNDO},
};

// Toolbar 128; kSeparator marks a gap.
inline constexpr int kToolbar[] = {
    ID_FILE_NEW_MOVIETV, ID_FILE_NEW_CASTCREW, ID_FILE_OPEN, ID_FILE_SAVE, kSeparator,
    ID_EDIT_CUT,         ID_EDIT_COPY,         ID_EDIT_PASTE, kSeparator,  ID_FILE_PRINT,
};
// clang-format on

} // namespace resources
