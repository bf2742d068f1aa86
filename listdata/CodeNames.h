#pragma once
// The names shown for the prefix codes of the Business, Goofs and Movie-Links lines (the
// codes of CodeTables.h). The list browsers and the Movie/TV view show the same texts.

// "Budget" ... "Copyright Holder" for the business codes 1-10; null for any other code.
const char* BusinessCodeName(int code);
// "Continuity" ... for the goof codes 2-13; null for any other code.
const char* GoofCodeName(int code);
// "Followed by:" ... "Alternate language version of:" for the movie-link codes 2-17, each
// ending in its colon; null for any other code.
const char* MovieLinkCodeName(int code);
