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
};

constexpr Block kOverviewBlocks[] = {
    {[](CMovieTVText& t) { return t.AddCrew(kDirectors); }},
    {[](CMovieTVText& t) { return t.AddWritingCredits(); }},
    {[](CMovieTVText& t) { return t.AddCast(); }},
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

void CMovieTVText::AddComplete()
{
    WriteBlocks(kCreditsBlocks);
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
