#include "documents/CastCrewText.h"

#include "documents/RVCDoc.h"

namespace {

using Block = TextBlock<CCastCrewText>;

constexpr int kBirth = 4;
constexpr int kDeath = 8;
constexpr int kTrivia = 29;
constexpr int kTrademark = 41;
constexpr int kPersonalQuotes = 31;
constexpr int kOtherWorks = 21;
constexpr int kWhereNow = 36;
constexpr int kPrintBiography = 15;
constexpr int kBiographicalMovies = 17;
constexpr int kPortrayedIn = 19;
constexpr int kInterview = 43;
constexpr int kArticle = 52;
constexpr int kPictorial = 61;
constexpr int kCoverPhoto = 70;

// Group 1: the names, group 2: the dates; every other block stands alone.
constexpr Block kBlocks[] = {
    {[](CCastCrewText& t) { return t.AddRealName(); }, 1},
    {[](CCastCrewText& t) { return t.AddNicknames(); }, 1},
    {[](CCastCrewText& t) { return t.AddDatePlace(kBirth); }, 2},
    {[](CCastCrewText& t) { return t.AddDatePlace(kDeath); }, 2},
    {[](CCastCrewText& t) { return t.AddAkaNames(); }},
    {[](CCastCrewText& t) { return t.AddSpouses(); }},
    {[](CCastCrewText& t) { return t.AddFilmography(); }},
    {[](CCastCrewText& t) { return t.AddGuestAppearances(); }},
    {[](CCastCrewText& t) { return t.AddMiniBiography(); }},
    {[](CCastCrewText& t) { return t.AddHeight(); }},
    {[](CCastCrewText& t) { return t.AddItemList(kTrivia); }},
    {[](CCastCrewText& t) { return t.AddItemList(kTrademark); }},
    {[](CCastCrewText& t) { return t.AddItemList(kPersonalQuotes); }},
    {[](CCastCrewText& t) { return t.AddItemList(kOtherWorks); }},
    {[](CCastCrewText& t) { return t.AddItemList(kWhereNow); }},
    {[](CCastCrewText& t) { return t.AddItemList(kPrintBiography); }},
    {[](CCastCrewText& t) {
        return t.OldLayout() ? t.AddOldTitleList(kBiographicalMovies) : t.AddItemList(kBiographicalMovies);
    }},
    {[](CCastCrewText& t) { return t.AddPublications(kInterview); }},
    {[](CCastCrewText& t) { return t.AddPublications(kArticle); }},
    {[](CCastCrewText& t) { return t.AddPublications(kPictorial); }},
    {[](CCastCrewText& t) { return t.AddPublications(kCoverPhoto); }},
    {[](CCastCrewText& t) { return t.OldLayout() ? t.AddOldTitleList(kPortrayedIn) : t.AddItemList(kPortrayedIn); }},
    {[](CCastCrewText& t) { return t.AddSalaries(); }},
    {[](CCastCrewText& t) { return t.AddAgent(); }},
};

} // namespace

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
    WriteBlocks(kBlocks);
}

bool CCastCrewText::AddFilmography()
{
    switch (m_filmographyMode) {
    case kFilmographyCategorized:
        return AddCategorizedFilmography();
    case kFilmographyCombined:
        return AddCombinedFilmography();
    default:
        return false;
    }
}

void CCastCrewText::TitleLink(std::string_view title)
{
    Writer().WriteLink(title, title, std::string_view(), 0, RtfLinkKind::Title, true);
}
