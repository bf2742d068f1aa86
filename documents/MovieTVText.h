#pragma once
// The text of a Movie/TV document's view: the heading records, the title's own line and
// its "Episodes:" list, then the section of the document's section mode, each section a
// table of blocks (see DocumentText.h for the block convention).
//
// Adding a block
// --------------
// 1. Declare it below as a public member named as the view names it (AddTagline,
//    AddTitleWords(int list) ...) and write it in the .cpp of its kind: the title line and
//    the sections are in MovieTVSections.cpp, the crew, writer and cast blocks in
//    MovieTVCredits.cpp, facts in MovieTVFacts.cpp, running texts in
//    MovieTVRunningTexts.cpp and the laserdisc details in MovieTVLaserdisc.cpp.
// 2. Add one entry per place where it appears to the section tables at the top of
//    MovieTVSections.cpp, in the section's order:
//        {[](CMovieTVText& t) { return t.AddTitleWords(kGenres); }, 1},
//    The second field is the group: the one-line blocks of a section (Genre, MPAA,
//    Runtime ...) share a group number and so one blank line after them; a block with 0
//    stands alone, with a blank line after it when it wrote. Complete shows the whole
//    Credits table between a head table and a tail table of its own.
// 3. A block that takes a list index picks its heading from a KeyedHeading table with
//    HeadingOf (DocumentText.h), which gives kUnknownHeadline for an index it does not
//    know.
// 4. Test it in the test file of its kind (tests/documents/MovieTVText_test.cpp,
//    MovieTVFacts_test.cpp ...): a table of small stores and the texts they give
//    (RtfToText form). The goldens of the generated featured titles in
//    tests/data/views/ change with every new block: rewrite them by running the tests
//    with RV_UPDATE_GOLDENS=1, then read the difference before committing it.
//
// Sorts that promise "equal keys keep store order" use std::stable_sort with the
// "ranks first" predicate of the selection they describe.

#include "documents/DocumentText.h"

#include <string>
#include <vector>

class CMovieTVText : public CDocumentText {
public:
    // `movieTitle` is the document's title (CRVMDoc::GetMovieTitle); `sectionMode` its
    // SectionMode (0 and values outside 1-6 show no section).
    CMovieTVText(CRtfWriter& writer, const CRecordStore& records, const platform::ITextMeasure& measure,
                 std::string movieTitle, int sectionMode);

    // The title's own line from the Movies list and the episodes of a series; true when
    // it wrote. Written also while the document is queued or searched.
    bool AddEpisodes();

    // The sections of SectionMode 1-6.
    void AddOverview();
    void AddCredits();
    void AddFunStuff();
    void AddPlotAndQuotes();
    void AddOtherInfo();
    void AddComplete();

    // Credit blocks. AddCrew takes the list index of a crew list (Directors, Producers,
    // Composers, Cinematographers, Costume-Designers, Production-Designers, Editors,
    // Miscellaneous).
    bool AddCrew(int list);
    bool AddWritingCredits();
    bool AddCast();

    // Facts about the title (MovieTVFacts.cpp). The blocks that take a list index take
    // Aka-Titles, German- or Italian-Aka-Titles (AddAkaTitles); Countries, Genres or
    // Keywords (AddTitleWords); Running-Times, Language, Color-Info, Sound-Mix or
    // Certificates (AddTitleValues); Production-Companies, Distributors or
    // Special-Effects-Companies (AddCompanies).
    bool AddTagline();
    bool AddAkaTitles(int list);
    bool AddTitleWords(int list);
    bool AddMpaa();
    bool AddTitleValues(int list);
    bool AddReleaseDates();
    bool AddMovieLinks();
    bool AddUserRatings();
    bool AddLocations();
    bool AddCompanies(int list);
    bool AddOtherCompanies();

    // Running texts (MovieTVRunningTexts.cpp). AddEntryList takes Alternate-Versions,
    // Crazy-Credits or Trivia.
    bool AddPlot();
    bool AddQuotes();
    bool AddGoofs();
    bool AddEntryList(int list);
    bool AddTechnical();
    bool AddBusiness();
    bool AddLiterature();
    bool AddSoundtracks();

    // The discs of the Laserdisc list (MovieTVLaserdisc.cpp).
    bool AddLaserdiscDetails();

protected:
    void PrepareWriter() override;
    bool WriteHeading() override;
    void WriteContent() override;

private:
    // One line per entry named at `names` (key-0 records of `type`): the name in a column
    // as wide as the widest name and two characters, then its notes (key 2) and episode
    // counts (`countKey`), the first after a tab, the others after a blank.
    void WriteNameLines(int type, const std::vector<int>& names, int countKey);

    // A one-line block of `list` under `heading`: its values, notes and the episode
    // counts of key `countKey`.
    bool WriteValueLine(int list, std::string_view heading, int countKey);
    // NewLine, then Paragraph(-1, indent) in characters: the next line of a block.
    void LineAt(int indent);
    // A value list's episode count after one blank, in italics: "(1 episode)" for exactly
    // 1, else "(n episodes)". A record that holds no integer, or a 4-byte one whose value
    // no count reaches (0 to 2^21 - 1), is an older file's text and shows as that text.
    void WriteEpisodeCount(const InfoRecord& record);
    // D of the indents that hang behind a dash: the width of "- " in twips.
    int DashWidth() const;
    // A value of Technical, Business or Literature under its `kind` name (null: a code
    // without a name), the kind's line at `indent` when the kind changes.
    void WriteKindValue(const InfoRecord& record, const char* kind, int& previousKind, int indent);
    // One disc of the Laserdisc list; `slots` holds, per code 0-36, the store index of
    // the disc's first record with that code, or -1.
    void WriteDisc(const int (&slots)[37]);
    // The supplement items of the SL run that starts at store index `first`.
    void WriteSupplements(int first);

    std::string m_movieTitle;
    int m_sectionMode;
};
