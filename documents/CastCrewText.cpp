#include "documents/CastCrewText.h"

CCastCrewText::CCastCrewText(CRtfWriter& writer, const CRecordStore& records, const platform::ITextMeasure& measure,
                             int docVersion, int filmographyMode)
    : CDocumentText(writer, records, measure), m_docVersion(docVersion), m_filmographyMode(filmographyMode)
{
}

void CCastCrewText::PrepareWriter()
{
    Writer().SetupFont();
    Writer().Reset();
}

bool CCastCrewText::WriteHeading()
{
    return WriteHeadingRecords(true);
}

void CCastCrewText::WriteContent()
{
    // The biography blocks and the filmography are written here, in their fixed order.
}
