#include "listdata/CodeNames.h"

namespace {

const char* const kBusinessNames[] = {
    "Budget",           "Gross",           "Weekly Gross",     "Opening Weekend",         "Rentals",
    "Admissions",       "Shooting Dates",  "Production Dates", "Filming Studio Location", "Copyright Holder",
};

const char* const kGoofNames[] = {
    "Continuity",
    "Plot Holes",
    "Factual Errors",
    "Anachronisms",
    "Revealing Mistakes",
    "Boom Mike Visible",
    "Crew or Equipment Visible",
    "Audio/Visual Unsynchronised",
    "Errors in Geography",
    "Incorrectly Regarded as Goofs",
    "Miscellaneous",
    "Errors made by characters (possibly deliberate errors by the filmmakers)",
};

const char* const kMovieLinkNames[] = {
    "Followed by:", "Follows:",     "Remade as:",   "Remake of:",   "Version of:",  "Referenced in:",
    "References:",  "Spoofed in:",  "Spoofs:",      "Featured in:", "Features:",    "Edited into:",
    "Edited from:", "Spin off:",    "Spin off from:", "Alternate language version of:",
};

// names[code - first], or null when the code lies outside the table.
template <int N> const char* NameAt(const char* const (&names)[N], int first, int code)
{
    return code >= first && code - first < N ? names[code - first] : nullptr;
}

} // namespace

const char* BusinessCodeName(int code)
{
    return NameAt(kBusinessNames, 1, code);
}

const char* GoofCodeName(int code)
{
    return NameAt(kGoofNames, 2, code);
}

const char* MovieLinkCodeName(int code)
{
    return NameAt(kMovieLinkNames, 2, code);
}
