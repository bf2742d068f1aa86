#pragma once
// The people of the Biographies list born, or died, on a chosen day and month of any year.
// A record is read from its "NM" line up to its "DB" line (births) or its "DD" line
// (deaths); only full dates ("5 May 1950") are compared, so "May 1950" or "1950" never
// matches.

#include "shell/core/BrowserList.h"
#include "shell/core/ListReadStatus.h"

#include <functional>
#include <string>
#include <vector>

class CListFile;

namespace shellcore {

struct CalendarDate {
    int day = 0;
    int month = 0; // 1-12
    int year = 0;
};

struct DateSearchQuery {
    // The picked day; its year gives a birthday's age.
    CalendarDate picked;
    // How names are shown: "Name Output" (0 "First Last", 1 "Last, First") and "Remove
    // Name Number".
    int nameOrder = 0;
    bool dropNameNumber = true;
};

struct DateSearchRow {
    int year = 0; // of the birth or the death
    // Births: the picked year minus the birth year (negative before the birth). Deaths:
    // the age at death, when a full birth date came before the death line.
    bool hasAge = false;
    int age = 0;
    std::string name;     // in the chosen name format
    std::string location; // the place; " - " and the note or cause after it
    std::string listName; // as the list writes it
};

using DateSearchRowFn = std::function<void(const DateSearchRow&)>;

// Walk the records of `file`, which stands behind the Biographies header (FindStart
// done); `row` gets each hit as soon as its record line is read. A read error ends the
// walk with ReadError after the rows found so far.
ListReadStatus SearchBirthdays(CListFile& file, const DateSearchQuery& query, const DateSearchRowFn& row);
ListReadStatus SearchDeaths(CListFile& file, const DateSearchQuery& query, const DateSearchRowFn& row);

enum class DateSearchKind { Births, Deaths };

// "Start Search" of the Birthdays (Deaths) dialog over the Biographies list that `open`
// opens. When the list cannot be opened or its beginning is not found, nothing is called
// and the text of the message box is returned. Otherwise `started` runs once (the dialog
// empties its list and shows that it reads), the records are walked as SearchBirthdays
// (SearchDeaths) walks them, and the text returned is empty, or after a read error that of
// a list that cannot be opened (the rows found before it were given).
std::string SearchBiographies(const ListOpener& open, DateSearchKind kind, const DateSearchQuery& query,
                              const std::function<void()>& started, const DateSearchRowFn& row);
// A row's cells in the dialog's columns: year, age (empty when unknown), name, location,
// the name as the list writes it.
std::vector<std::string> DateSearchCells(const DateSearchRow& row);

// Full years from `born` to `died`: one less while the birthday of the death year has
// not come yet.
int AgeAtDeath(const CalendarDate& born, const CalendarDate& died);

} // namespace shellcore
