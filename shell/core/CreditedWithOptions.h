#pragma once
// The Credited With dialog's choices. The application keeps them until the program ends
// (they are never saved), so every run starts with the values below.

namespace shellcore {

// The four role check boxes of one of the dialog's groups.
struct CreditRoleBoxes {
    bool actorActress = false;
    bool director = false;
    bool otherCrew = false;
    bool producer = false;

    bool operator==(const CreditRoleBoxes&) const = default;
};

struct CreditedWithOptions {
    // "Minimum number of Movies": people with fewer shared titles are not listed (1 to 255).
    int minimum = 1;
    // "Filmographies to Use": whose titles of the document are looked for.
    CreditRoleBoxes use{.actorActress = true};
    // "Listfiles to Search": which credit lists are read.
    CreditRoleBoxes search{.actorActress = true};

    bool operator==(const CreditedWithOptions&) const = default;
};

} // namespace shellcore
