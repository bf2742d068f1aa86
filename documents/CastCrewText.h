#pragma once
// The text of a Cast/Crew document's view: the person's name as the heading, then the
// biography blocks and the filmography in their fixed order (see DocumentText.h for the
// block convention; the order is a table of blocks written with WriteBlocks, the pairs
// of names and of dates each one group).

#include "documents/DocumentText.h"

class CCastCrewText : public CDocumentText {
public:
    // `docVersion` is the document's DocVer (older documents show two kinds of records in
    // their older form); `filmographyMode` its FilmographyMode (0: no filmography).
    CCastCrewText(CRtfWriter& writer, const CRecordStore& records, const platform::ITextMeasure& measure,
                  int docVersion, int filmographyMode);

protected:
    void PrepareWriter() override;
    bool WriteHeading() override;
    void WriteContent() override;

private:
    int m_docVersion;
    int m_filmographyMode;
};
