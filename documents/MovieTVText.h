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
//    MovieTVCredits.cpp; facts, running texts and laserdiscs each take a file of their own.
// 2. Add one entry per place where it appears to the section tables at the top of
//    MovieTVSections.cpp, in the section's order:
//        {[](CMovieTVText& t) { return t.AddTitleWords(kGenres); }, 1},
//    The second field is the group: the one-line blocks of a section (Genre, MPAA,
//    Runtime ...) share a group number and so one blank line after them; a block with 0
//    stands alone, with a blank line after it when it wrote. Complete shows the whole
//    Credits table between blocks of its own: give it a head table and a tail table
//    around kCreditsBlocks. A section without a table yet (Fun Stuff, Plot & Quotes,
//    Other Info) gets its AddFunStuff ... member, its table and its case in WriteContent.
// 3. A block that takes a list index picks its heading from a table by that index and
//    writes kUnknownHeadline for an index it does not know.
// 4. Test it in tests/documents/MovieTVText_test.cpp: a table of small stores and the
//    texts they give (RtfToText form). The goldens of the generated featured titles in
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

    // The sections of SectionMode 1, 2 and 6.
    void AddOverview();
    void AddCredits();
    void AddComplete();

    // Credit blocks. AddCrew takes the list index of a crew list (Directors, Producers,
    // Composers, Cinematographers, Costume-Designers, Production-Designers, Editors,
    // Miscellaneous).
    bool AddCrew(int list);
    bool AddWritingCredits();
    bool AddCast();

protected:
    void PrepareWriter() override;
    bool WriteHeading() override;
    void WriteContent() override;

private:
    // One line per entry named at `names` (key-0 records of `type`): the name in a column
    // as wide as the widest name and two characters, then its notes (key 2) and episode
    // counts (`countKey`), the first after a tab, the others after a blank.
    void WriteNameLines(int type, const std::vector<int>& names, int countKey);

    std::string m_movieTitle;
    int m_sectionMode;
};
