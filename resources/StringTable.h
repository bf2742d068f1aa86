#pragma once
// Strings of the shell: captions, document strings and every command's status-bar
// prompt with its tooltip after a newline.

#include "resources/CommandIds.h"

namespace resources {

constexpr int IDP_OLE_INIT_FAILED = 100;
constexpr int IDS_MAINFRAME_TITLE = 128;
constexpr int IDS_APP_TITLE = 57344;
constexpr int IDS_IDLEMESSAGE = 57345;

inline constexpr const char* kOleInitFailed =
    "OLE initialization failed.  Make sure that the OLE libraries are the correct version.";
inline constexpr const char* kMainFrameTitle = "Reelvoyager 3.5";
inline constexpr const char* kAppTitle = "Reelvoyager";
inline constexpr const char* kIdleMessage = "Ready";

// Document strings 129 and 130: window title, document name, New-list name, filter
// name, extension, ProgID, file type name.
inline constexpr const char* kDocStringMovieTV =
    "\nUntitled\nMovie/TV Document\nReelvoyager Movie/TV Files (*.rvmtv)\n.rvmtv\nReelvoyager.RVMTVDoc\n"
    "Reelvoyager Movie/TV Document";
inline constexpr const char* kDocStringCastCrew =
    "\nUntitled\nCast/Crew Document\nReelvoyager Cast/Crew Files (*.rvcc)\n.rvcc\nReelvoyager.RVCCDoc\n"
    "Reelvoyager Cast/Crew Document";
inline constexpr const char* kProgIdMovieTV = "Reelvoyager.RVMTVDoc";
inline constexpr const char* kProgIdCastCrew = "Reelvoyager.RVCCDoc";

inline constexpr const char* kOpenFilter =
    "Reelvoyager Files (*.rvmtv, *.rvcc, *.rvm, *.rvc)|*.rvmtv;*.rvcc;*.rvm;*.rvc|"
    "Reelvoyager Movie/TV Files (*.rvmtv, *.rvm)|*.rvmtv;*.rvm|"
    "Reelvoyager Cast/Crew Files (*.rvcc, *.rvc)|*.rvcc;*.rvc|All Files (*.*)|*.*||";

struct CommandPrompt {
    int id;
    const char* text; // status-bar prompt, newline, tooltip
};

inline constexpr CommandPrompt kCommandPrompts[] = {
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_CLOSE, "Close the active document\nClose"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
    {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPage Setup"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_DIRECT, "Print the active document using current options\nQuick Print"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    {ID_FILE_MRU_FILE1, "Open this document"},
    {ID_FILE_MRU_FILE1 + 1, "Open this document"},
    {ID_FILE_MRU_FILE1 + 2, "Open this document"},
    {ID_FILE_MRU_FILE1 + 3, "Open this document"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    {ID_EDIT_FIND, "Find the specified text\nFind"},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    {ID_EDIT_REPEAT, "Repeat the last action\nRepeat"},
    {ID_EDIT_REPLACE, "Replace specific text with different text\nReplace"},
    {ID_EDIT_SELECT_ALL, "Select the entire document\nSelect All"},
    {ID_EDIT_UNDO, "Undo the last action\nUndo"},
    {ID_WINDOW_NEW, "Open another window for the active document\nNew Window"},
    {ID_WINDOW_ARRANGE, "Arrange icons at the bottom of the window\nArrange Icons"},
    {ID_WINDOW_CASCADE, "Arrange windows so they overlap\nCascade Windows"},
    {ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles\nTile Windows"},
    {ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
    {ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},
    {ID_OLE_EDIT_PROPERTIES, "Edit the properties of the selected item\nProperties"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    {ID_CANCEL_EDIT_CNTR, "Close in-place editing\nClose"},
    {ID_FILE_NEW_MOVIETV, "Search for a movie or TV title and create a new document\nNew Movie/TV Document"},
    {ID_FILE_NEW_CASTCREW, "Search for a person and create a new document\nNew Cast/Crew Document"},
    {ID_OPTIONS_PATHFILENAMES, "Set the path to the listfiles and their filenames\nPath / Filenames"},
    {ID_OPTIONS_MOVIETVOPTIONS, "Set the options for Movie/TV documents\nMovie/TV Options"},
    {ID_OPTIONS_CASTCREWOPTIONS, "Set the options for Cast/Crew documents\nCast/Crew Options"},
    {ID_MOVIETV_GETINFORMATION, "Search the listfiles for information about the title\nGet Information"},
    {ID_CASTCREW_GETINFORMATION, "Search the listfiles for information about the person\nGet Information"},
    {ID_SPECIALS_TOP250, "Show the 250 best rated movies\nTop 250 Movies"},
    {ID_OPTIONS_CHANGEFONT, "Change the font of the documents\nChange Font"},
    {ID_OPTIONS_OUTPUTOPTIONS, "Set the output options of the documents\nOutput Options"},
    {ID_SPECIALS_BIRTHDAYS, "Show the people born on a day\nBirthdays"},
    {ID_SPECIALS_DEATHS, "Show the people who died on a day\nDeaths"},
    {ID_MOVIETV_OVERVIEW, "Show an overview of the title\nOverview"},
    {ID_MOVIETV_CREDITS, "Show the complete credits of the title\nCredits"},
    {ID_MOVIETV_FUNSTUFF, "Show trivia, goofs, quotes and more about the title\nFun Stuff"},
    {ID_MOVIETV_PLOTQUOTES, "Show the plot and the quotes of the title\nPlot & Quotes"},
    {ID_MOVIETV_OTHERINFO, "Show other information about the title\nOther Info"},
    {ID_MOVIETV_COMPLETE, "Show everything about the title\nComplete"},
    {ID_CASTCREW_CATEGORIZED, "Show the filmography by category\nCategorized Filmography"},
    {ID_CASTCREW_COMBINED, "Show the filmography as one list\nCombined Filmography"},
    {ID_BROWSERS_ALTVERSIONS, "Browse the Alternate Versions listfile\nAlternate Versions"},
    {ID_BROWSERS_QUOTES, "Browse the Quotes listfile\nQuotes"},
    {ID_BROWSERS_CRAZYCREDITS, "Browse the Crazy Credits listfile\nCrazy Credits"},
    {ID_BROWSERS_TRIVIA, "Browse the Trivia listfile\nTrivia"},
    {ID_BROWSERS_PLOT, "Browse the Plot listfile\nPlot"},
    {ID_BROWSERS_GOOFS, "Browse the Goofs listfile\nGoofs"},
    {ID_BROWSERS_SOUNDTRACKS, "Browse the Soundtracks listfile\nSoundtracks"},
    {ID_BROWSERS_BUSINESS, "Browse the Business listfile\nBusiness"},
    {ID_BROWSERS_MOVIELINKS, "Browse the Movie Links listfile\nMovie Links"},
    {ID_BROWSERS_TAGLINES, "Browse the Taglines listfile\nTaglines"},
    {ID_BROWSERS_RATINGS, "Browse the Ratings listfile\nRatings"},
    {ID_DIFFTOOLS_DELTAMEND, "Apply difference files to the listfiles\nDeltamend"},
    {ID_DIFFTOOLS_SUMWATCH, "Check the listfiles against their checksums\nSumwatch"},
    {ID_SPECIALS_BOTTOM10, "Show the 10 worst rated movies\nBottom 10 Movies"},
    {ID_CASTCREW_CREDITEDWITH, "List Actors/Actresses which has been credited alongside this person\nCredited With"},
    {ID_OPTIONS_NOLINKS, "Show the documents without links\nNo Links"},
    {ID_MOVIETV_MOVIELINKS, "Create documents for the titles linked from this document\nMovie Links"},
    {ID_CASTCREW_MOVIELINKS, "Create documents for the titles linked from this document\nMovie Links"},
    {ID_LINK_SENDTONEWCASTCREW, "Search for this name in a new Cast/Crew document\nSend To New Cast/Crew Dialog"},
    {ID_LINK_GETINFOFORNAME, "Create a Cast/Crew document for this name and search the listfiles\nGet Information"},
    {ID_LINK_GETMOVIETVINFO, "Create a Movie/TV document for this title and search the listfiles\nGet Information"},
    {ID_LINK_NEWMOVIETV, "Search for the selected text in a new Movie/TV document\nNew Movie/TV"},
    {ID_LINK_NEWCASTCREW, "Search for the selected text in a new Cast/Crew document\nNew Cast/Crew"},
    {ID_LINK_GETCASTCREWINFO, "Create a Cast/Crew document for this person and search the listfiles\nGet Information"},
    {ID_LINK_GOTOURL, "Open this web address in the browser\nGo to URL"},
};

// The prompt of a command, or null when it has none.
constexpr const char* CommandPromptText(int id)
{
    for (const CommandPrompt& prompt : kCommandPrompts)
        if (prompt.id == id)
            return prompt.text;
    return nullptr;
}

} // namespace resources
