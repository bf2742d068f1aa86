#pragma once
// The Credited With search: everyone credited on a person's titles in the chosen credit
// lists, found by reading each list once from start to end, and the rows the dialog's two
// lists show. Roles are the filmography jobs (bit r of a role set: job r), whose job
// words name them. Plain C++, on the caller's thread.

#include "shell/core/BrowserList.h"
#include "shell/core/CreditedWithOptions.h"
#include "shell/core/ListReadStatus.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CListFile;

namespace shellcore {

class CCreditList;
class CDocumentTitles;

// The roles of a group of the dialog's check boxes: Actor/Actress the actors and
// actresses, Director and Producer their one list each, Other Crew the seven other crew
// lists.
unsigned CreditRolesOf(const CreditRoleBoxes& boxes);

// Reads every record of `file` (the list of `role`, its start found). A record of
// `person` (ASCII case ignored, as the person's own search matches) is passed over; in
// every other record each line's title (its first two-blank field, behind the name on
// the first line; a line is its first piece) that equals one of `titles` credits the
// record's name in `role`. A read error, or any other failure while the list is read
// (memory running out), ends the walk with ReadError; what was found stays.
ListReadStatus SearchCredits(CListFile& file, int role, std::string_view person, const CDocumentTitles& titles,
                             CCreditList& credits);

// SearchCredits over the list of each role of `roles`, in role order, each opened by
// `open`. Returns the text of the message box for each role whose list could not be
// opened, had no beginning or could not be read to its end; the other roles are searched.
std::vector<std::string> SearchCreditedWith(const ListOpener& open, unsigned roles, std::string_view person,
                                            const CDocumentTitles& titles, CCreditList& credits);

// Appends `word` to `text`, behind ", " unless `text` is empty.
void AppendRoleWord(std::string& text, std::string_view word);
// The words of the roles of `bits`, in role order, joined by ", ".
std::string RoleWords(std::uint32_t bits);

struct CreditNameRow {
    std::string name;     // as "Name Output" and "Remove Name Number" show names
    std::string listName; // as the list writes it
};
// A row for every entry with at least `minimum` shared titles, in entry order.
std::vector<CreditNameRow> CreditNameRows(const CCreditList& credits, int minimum, int nameOrder, bool dropNameNumber);

struct CreditTitleRow {
    std::string title;
    std::string roles;
};
// The shared titles of the entry named `listName`, in entry order; none when no entry has
// that name.
std::vector<CreditTitleRow> CreditTitleRows(const CCreditList& credits, const CDocumentTitles& titles,
                                            std::string_view listName);

} // namespace shellcore
