#pragma once
// The people credited on a Movie/TV document's title: the cast and crew lists, Writers
// (person-keyed, read to the end) and the coverage-tracking lists (title-keyed).

#include <string>

class CListFile;
class IRecordTarget;

// Actors, Actresses: key 0 name, 4 best billing, 3 most frequent role, 5 number of
// lines, 6 number of distinct roles.
bool SearchCast(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
// The eight crew lists: key 0 name, then key 2 note / key 3 episode count per line or
// group of episode lines with equal notes.
bool SearchCrew(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
// Writers: key 0 name, 2 note, 3 order (three bytes) per credit of the title itself;
// then one key 0 and key 2 note / key 5 count per group of episode lines.
bool SearchWriters(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
// Complete-Cast, Complete-Crew: one record without data, key 1 for a long status, else 0.
bool SearchCoverage(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
