#pragma once
// What the name-sorted people lists hold about a Cast/Crew document's person. Each
// reads only up to the person's place in its list.

#include <string>

class CListFile;
class IRecordTarget;

// Actors, Actresses: per credit line key 1 title, then per field key 2 note, 3 role,
// 4 billing, in line order.
bool SearchActingCredits(int listIndex, CListFile& file, const std::string& person, IRecordTarget& out);
// The eight crew lists: per credit line key 1 title, key 2 per further field.
bool SearchCrewCredits(int listIndex, CListFile& file, const std::string& person, IRecordTarget& out);
// Writers: per credit line key 1 title, key 3 order (three bytes) or key 2 note per field.
bool SearchWritingCredits(int listIndex, CListFile& file, const std::string& person, IRecordTarget& out);
// Aka-Names: key 0 per alternative name.
bool SearchAkaNames(int listIndex, CListFile& file, const std::string& person, IRecordTarget& out);
// Biographies: key = biography code + part, per part of each coded line.
bool SearchBiography(int listIndex, CListFile& file, const std::string& person, IRecordTarget& out);
