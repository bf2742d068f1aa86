#pragma once
// The text of a Cast/Crew document's view: the person's name as the heading, then the
// biography blocks and the filmography in their fixed order (see DocumentText.h for the
// block convention; the order is a table of blocks written with WriteBlocks, the pairs
// of names and of dates each one group).
//
// The biography blocks read the Biographies records (type 5, keyed by biography code plus
// the number of the part the search cut) and the Aka-Names records; they live in
// CastCrewBiography.cpp. The filmography reads the credits of the eleven jobs of
// FilmographyJobs.h, grouped by job or one line per title, and lives in
// CastCrewFilmography.cpp.

#include "documents/DocumentText.h"

class CCastCrewText : public CDocumentText {
public:
    // `docVersion` is the document's DocVer (below 0x200 the older layout: the titles of
    // guest appearances and salaries are links of their own, and biographical movies and
    // portrayals are title lists); `filmographyMode` its FilmographyMode (0: none).
    CCastCrewText(CRtfWriter& writer, const CRecordStore& records, const platform::ITextMeasure& measure,
                  int docVersion, int filmographyMode);

    // Biography blocks. AddDatePlace takes 4 (birth) or 8 (death); AddItemList,
    // AddOldTitleList and AddPublications take the biography code of their kind.
    bool AddRealName();
    bool AddNicknames();
    bool AddDatePlace(int code);
    bool AddAkaNames();
    bool AddSpouses();
    bool AddGuestAppearances();
    bool AddMiniBiography();
    bool AddHeight();
    bool AddItemList(int code);
    bool AddOldTitleList(int code);
    bool AddPublications(int code);
    bool AddSalaries();
    bool AddAgent();

    // The filmography by job; always false (each job group ends with its own blank line).
    bool AddCategorizedFilmography();
    // One line per title with the person's jobs on it; true when there was a credit.
    bool AddCombinedFilmography();
    // The filmography of the document's mode; false for mode 0.
    bool AddFilmography();

    // True for documents of the older layout.
    bool OldLayout() const { return m_docVersion < 0x200; }

protected:
    void PrepareWriter() override;
    bool WriteHeading() override;
    void WriteContent() override;

private:
    // A title link: display and target the stored text, trimmed.
    void TitleLink(std::string_view title);
    // The details of the credit whose title record is `title` (of list `list`), each
    // trimmed: the first after `firstSeparator`, the others after a blank. Billing
    // positions and writers' order values are never shown.
    void WriteCreditDetails(int list, int title, std::string_view firstSeparator);
    // The tab stop two characters beyond the widest shown text of biography key `key`.
    int ColumnBeyond(int key) const;

    int m_docVersion;
    int m_filmographyMode;
};
