// The title block under the heading and the section tables of the Movie/TV view.

#include "documents/MovieTVText.h"

#include "documents/RVMDoc.h"
#include "listdata/ListCatalog.h"
#include "listdata/ListLine.h"

#include <algorithm>
#include <vector>

namespace {

using Block = TextBlock<CMovieTVText>;

// Directed by ... Other Companies: the Credits section, and the middle of Complete.
constexpr Block kCreditsBlocks[] = {
    {[](CMovieTVText& t) { return t.AddCrew(kDirectors); }},
    {[](CMovieTVText& t) { return t.AddWritingCredits(); }},
    {[](CMovieTVText& t) { return t.AddCast(); }},
    {[](CMovieTVText& t) { return t.AddCrew(kProducers); }},
    {[](CMovieTVText& t) { return t.AddCrew(kComposers); }},
    {[](CMovieTVText& t) { return t.AddCrew(kCinematographers); }},
    {[](CMovieTVText& t) { return t.AddCrew(kCostumeDesigners); }},
    {[](CMovieTVText& t) { return t.AddCrew(kProductionDesigners); }},
    {[](CMovieTVText& t) { return t.AddCrew(kEditors); }},
    {[](CMovieTVText& t) { return t.AddCrew(kMiscellaneous); }},
    {[](CMovieTVText& t) { return t.AddCompanies(kProductionCompanies); }},
    {[](CMovieTVText& t) { return t.AddCompanies(kDistributors); }},
    {[](CMovieTVText& t) { return t.AddCompanies(kSpecialEffectsCompanies); }},
    {[](CMovieTVText& t) { return t.AddOtherCompanies(); }},
};

constexpr Block kOverviewBlocks[] = {
    {[](CMovieTVText& t) { return t.AddTagline(); }},
    {[](CMovieTVText& t) { return t.AddAkaTitles(kAkaTitles); }},
    {[](CMovieTVText& t) { return t.AddTitleWords(kGenres); }, 1},
    {[](CMovieTVText& t) { return t.AddMpaa(); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleValues(kRunningTimes); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleWords(kCountries); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleValues(kLanguage); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleValues(kColorInfo); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleValues(kSoundMix); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleValues(kCertificates); }, 1},
    {[](CMovieTVText& t) { return t.AddUserRatings(); }},
    {[](CMovieTVText& t) { return t.AddCrew(kDirectors); }},
    {[](CMovieTVText& t) { return t.AddWritingCredits(); }},
    {[](CMovieTVText& t) { return t.AddCast(); }},
};

constexpr Block kFunStuffBlocks[] = {
    {[](CMovieTVText& t) { return t.AddMovieLinks(); }},
    {[](CMovieTVText& t) { return t.AddGoofs(); }},
    {[](CMovieTVText& t) { return t.AddEntryList(kAlternateVersions); }},
    {[](CMovieTVText& t) { return t.AddEntryList(kTrivia); }},
    {[](CMovieTVText& t) { return t.AddEntryList(kCrazyCredits); }},
    {[](CMovieTVText& t) { return t.AddSoundtracks(); }},
};

constexpr Block kPlotAndQuotesBlocks[] = {
    {[](CMovieTVText& t) { return t.AddTagline(); }},
    {[](CMovieTVText& t) { return t.AddTitleWords(kGenres); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleWords(kKeywords); }, 1},
    {[](CMovieTVText& t) { return t.AddPlot(); }},
    {[](CMovieTVText& t) { return t.AddQuotes(); }},
};

constexpr Block kOtherInfoBlocks[] = {
    {[](CMovieTVText& t) { return t.AddReleaseDates(); }},
    {[](CMovieTVText& t) { return t.AddLocations(); }},
    {[](CMovieTVText& t) { return t.AddTechnical(); }},
    {[](CMovieTVText& t) { return t.AddBusiness(); }},
    {[](CMovieTVText& t) { return t.AddLiterature(); }},
    {[](CMovieTVText& t) { return t.AddSoundtracks(); }},
    {[](CMovieTVText& t) { return t.AddLaserdiscDetails(); }},
};

// Complete: these, the Credits section, then the tail.
constexpr Block kCompleteHeadBlocks[] = {
    {[](CMovieTVText& t) { return t.AddTagline(); }},
    {[](CMovieTVText& t) { return t.AddAkaTitles(kAkaTitles); }},
    {[](CMovieTVText& t) { return t.AddAkaTitles(kGermanAkaTitles); }},
    {[](CMovieTVText& t) { return t.AddAkaTitles(kItalianAkaTitles); }},
    {[](CMovieTVText& t) { return t.AddTitleWords(kGenres); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleWords(kKeywords); }, 1},
    {[](CMovieTVText& t) { return t.AddMpaa(); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleValues(kRunningTimes); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleWords(kCountries); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleValues(kLanguage); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleValues(kColorInfo); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleValues(kSoundMix); }, 1},
    {[](CMovieTVText& t) { return t.AddTitleValues(kCertificates); }, 1},
    {[](CMovieTVText& t) { return t.AddReleaseDates(); }},
    {[](CMovieTVText& t) { return t.AddMovieLinks(); }},
    {[](CMovieTVText& t) { return t.AddUserRatings(); }},
    {[](CMovieTVText& t) { return t.AddLocations(); }},
};

constexpr Block kCompleteTailBlocks[] = {
    {[](CMovieTVText& t) { return t.AddPlot(); }},
    {[](CMovieTVText& t) { return t.AddQuotes(); }},
    {[](CMovieTVText& t) { return t.AddGoofs(); }},
    {[](CMovieTVText& t) { return t.AddEntryList(kAlternateVersions); }},
    {[](CMovieTVText& t) { return t.AddEntryList(kTrivia); }},
    {[](CMovieTVText& t) { return t.AddEntryList(kCrazyCredits); }},
    {[](CMovieTVText& t) { return t.AddTechnical(); }},
    {[](CMovieTVText& t) { return t.AddBusiness(); }},
    {[](CMovieTVText& t) { return t.AddLiterature(); }},
    {[](CMovieTVText& t) { return t.AddSoundtracks(); }},
    {[](CMovieTVText& t) { return t.AddLaserdiscDetails(); }},
};

// An episode of the series: its full title and the two parts the list shows of it.
struct Episode {
    std::string_view title;
    std::string name;
    std::string number;
};

} // namespace

CMovieTVText::CMovieTVText(CRtfWriter& writer, const CRecordStore& records, const platform::ITextMeasure& measure,
                           std::string movieTitle, int sectionMode)
    : CDocumentText(writer, records, measure), m_movieTitle(std::move(movieTitle)), m_sectionMode(sectionMode)
{
}

void CMovieTVText::PrepareWriter()
{
    Writer().Reset();
    Writer().SetupFont();
}

bool CMovieTVText::WriteHeading()
{
    const bool heading = WriteHeadingRecords(false);
    const bool episodes = AddEpisodes();
    return heading || episodes;
}

void CMovieTVText::WriteContent()
{
    switch (m_sectionMode) {
    case kSectionOverview:
        AddOverview();
        break;
    case kSectionCredits:
        AddCredits();
        break;
    case kSectionFunStuff:
        AddFunStuff();
        break;
    case kSectionPlotQuotes:
        AddPlotAndQuotes();
        break;
    case kSectionOtherInfo:
        AddOtherInfo();
        break;
    case kSectionComplete:
        AddComplete();
        break;
    default:
        break;
    }
}

void CMovieTVText::AddOverview()
{
    WriteBlocks(kOverviewBlocks);
}

void CMovieTVText::AddCredits()
{
    WriteBlocks(kCreditsBlocks);
}

void CMovieTVText::AddFunStuff()
{
    WriteBlocks(kFunStuffBlocks);
}

void CMovieTVText::AddPlotAndQuotes()
{
    WriteBlocks(kPlotAndQuotesBlocks);
}

void CMovieTVText::AddOtherInfo()
{
    WriteBlocks(kOtherInfoBlocks);
}

void CMovieTVText::AddComplete()
{
    WriteBlocks(kCompleteHeadBlocks);
    WriteBlocks(kCreditsBlocks);
    WriteBlocks(kCompleteTailBlocks);
}

void CMovieTVText::LineAt(int indent)
{
    Writer().NewLine();
    Writer().Paragraph(-1, indent, true);
}

bool CMovieTVText::AddEpisodes()
{
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    int index = records.FindFirst(kMovies);
    if (index < 0)
        return false;
    writer.Paragraph(-1, 2, true);

    // The title's own line: its texts up to the first episode, a bare year left out.
    bool titleLine = false;
    for (; index >= 0; index = records.FindNext(index, kMovies)) {
        const InfoRecord record = records.GetRecord(index);
        if (record.key == 2)
            break;
        const std::string_view text = RecordText(record);
        if (record.key == 0 && text.size() <= 4)
            continue;
        if (titleLine)
            writer.WriteText("  ", 0, false);
        writer.WriteText(text, 0, true);
        titleLine = true;
    }

    std::vector<Episode> episodes;
    CListLine line;
    for (index = records.FindFirstInRange(kMovies, 2, -1); index >= 0;
         index = records.FindNextInRange(index, kMovies, 2, -1)) {
        Episode& episode = episodes.emplace_back();
        episode.title = RecordText(records.GetRecord(index));
        const std::string title(episode.title);
        episode.name = line.EpisodeName(title.c_str());
        episode.number = line.EpisodeNumber(title.c_str());
    }
    if (episodes.empty()) {
        if (titleLine)
            writer.NewLine();
        return titleLine;
    }
    if (titleLine)
        writer.NewLine();
    writer.NewLine();
    Heading("Episodes:", HeadingForm::kClosed);
    writer.Paragraph(-1, 2, true);

    // Season by season; dated episodes newest first. Equal numbers keep store order.
    std::stable_sort(episodes.begin(), episodes.end(), [](const Episode& a, const Episode& b) {
        return CListLine::CompareEpisodes(a.number.c_str(), b.number.c_str()) > 0;
    });
    for (const Episode& episode : episodes) {
        const std::string display = episode.name + " (" + episode.number + ")";
        const std::string alt = m_movieTitle + " - " + display;
        writer.WriteLink(display, episode.title, alt, 0, RtfLinkKind::Title, true);
        writer.NewLine();
    }
    return true;
}
