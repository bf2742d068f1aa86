#pragma once
// The Ratings list's three tables (the top 250, the bottom 10, every rated title), each a
// column line followed by one line per title up to a blank line. Each line holds, after
// six blanks, four fields separated by two blanks: the vote distribution (ten characters,
// one per rating value 1 to 10), the number of votes, the average rating and the title.
// What the Top 250 and Bottom 10 dialogs list and what the Ratings browser shows is read
// here; the dialogs only show it.

#include "shell/core/BrowserList.h"
#include "shell/core/ListReadStatus.h"

#include <string>
#include <string_view>
#include <vector>

class CListFile;

namespace shellcore {

class CTitleArena;

struct RatingsLine {
    std::string_view distribution;
    std::string_view votes;
    std::string_view rating;
    // Empty when the line has no fourth field.
    std::string_view title;
    // The first three fields were found: the line takes a place in its table's ranks,
    // with or without a title.
    bool ranked = false;
};

// Cuts a table line into its fields as CListLine::NextField does (blanks, tabs and
// newlines skipped before a field; a field ends at two blanks in a row or at the line's
// end or a NUL; a newline or tab at its end is dropped). The views point into `line`.
// Lines of 16 bytes and more are cut with vector compares over their first 64 bytes.
RatingsLine ParseRatingsLine(std::string_view line);
// The same cut walking the bytes one field after the other: what ParseRatingsLine gives on
// every line, and how it cuts short ones.
RatingsLine ParseRatingsLineBytewise(std::string_view line);

// An entry of the Ratings browser: the title; "Rank #n in the top 250" when `rank` is
// above 0; the votes and rating as the line writes them; ten lines for the rating values
// 10 down to 1 with the share of votes each got (a distribution value 0-9 gives
// " 1 -  9% of the votes" to "90 - 99% of the votes", 10 "100% of the votes", anything
// else "No votes cast"). Lines end with "\r\n".
std::string ComposeRatingsEntry(const RatingsLine& line, int rank);

// A row of the Top 250 or Bottom 10 dialog.
struct RankedTitle {
    int rank = 0;
    std::string title;
    std::string votes;
    std::string rating;
};

enum class RatingsTable { Top, Bottom };

// Reads the first (Top) or second (Bottom) table of the Ratings list that `file` stands at
// the start of (OpenAtStart). Top ranks count up from 1, Bottom ranks down from 10, never
// below 1; a line whose first three fields were found takes a rank, and gets a row only
// when it has a title. Rows are appended to `rows` as they are read.
ListReadStatus ReadRankedTitles(CListFile& file, RatingsTable table, std::vector<RankedTitle>& rows);

// The rows of the Top 250 (Bottom 10) dialog: `rows` is emptied, the Ratings list opened by
// `open` and its table read as above. Returns the text of the dialog's message box, empty
// when none; after a failed read the rows read before it stay.
std::string LoadRankedTitles(const ListOpener& open, RatingsTable table, std::vector<RankedTitle>& rows);
// A row's cells in the dialog's columns: rank, title, votes, rating.
std::vector<std::string> RankedTitleCells(RankedTitle row);

// The Ratings browser's titles: the title of each line of the third table, in file order
// (a line without one gives none). Returns the text of the message box to show, empty
// when none; the titles read before a failure stay.
std::string LoadRatingsTitles(const ListOpener& open, CTitleArena& titles);

// The Ratings browser's entry for `title` (not empty): its rank in the top 250 (every
// line of that table counts, with or without a title) and its line of the third table
// composed as above, or the browser's failure texts.
std::string ShowRatingsEntry(const ListOpener& open, std::string_view title);

} // namespace shellcore
