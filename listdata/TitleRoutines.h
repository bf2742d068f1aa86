#pragma once
// What the title-keyed lists hold about a Movie/TV document's title. Each reads up to
// the title's block and stops there (or reads to the end when the title is missing).

#include <string>

class CListFile;
class IRecordTarget;

bool SearchAkaTitles(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchHashEntries(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchBusiness(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchTitleValueList(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchTitleWordList(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchGoofs(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchLaserdisc(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchLiterature(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchMovieLinks(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchMovies(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchMpaa(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchPlot(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchQuotes(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchRatings(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchReleaseDates(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchSoundtracks(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchTaglines(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
bool SearchTechnical(int listIndex, CListFile& file, const std::string& title, IRecordTarget& out);
