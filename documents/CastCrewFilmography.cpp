// The filmography of the Cast/Crew view: the credits of the eleven jobs grouped by job
// (Categorized) or one line per title with the jobs in brackets (Combined), sorted by
// year or by title.

#include "documents/CastCrewText.h"

#include "listdata/AppSettings.h"
#include "listdata/FilmographyJobs.h"
#include "listdata/ListLine.h"
#include "listdata/RecordStore.h"
#include "listdata/TextChars.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kTitleKey = 1;

// A collected title with the keys it sorts by, cut once before sorting.
struct Entry {
    int index = -1; // the title record
    std::string_view title;
    std::string bare;
    std::string year;
    std::string episodeName;
    std::string episodeNumber;
    int self = 0; // 1 himself, 2 herself
};

Entry MakeEntry(const CRecordStore& records, int index)
{
    Entry entry;
    entry.index = index;
    entry.title = RecordText(records.GetRecord(index));
    const std::string title(entry.title);
    CListLine line;
    entry.bare = line.BareTitle(title.c_str());
    entry.year = line.TitleYear(title.c_str());
    entry.episodeName = line.EpisodeName(title.c_str());
    entry.episodeNumber = line.EpisodeNumber(title.c_str());
    return entry;
}

// Texts below "#" (no number at all first), then the latest season and episode first,
// then the texts above "#" (dates, oldest first); a strict weak order (ListLine.h).
bool EpisodeFirst(const Entry& a, const Entry& b)
{
    return CListLine::CompareEpisodes(a.episodeNumber.c_str(), b.episodeNumber.c_str()) < 0;
}

int Compare(const std::string& a, const std::string& b)
{
    return textchars::CompareNoCase(a.c_str(), b.c_str());
}

// By Year (0): latest year first ("????" before every year), then bare title, then
// episode. By Title (any other value): bare title, episode name, latest year, episode.
// Equal entries keep the order they were collected in.
void SortEntries(std::vector<Entry>& entries, int sort)
{
    if (sort == 0) {
        std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            if (const int c = Compare(a.year, b.year))
                return c > 0;
            if (const int c = Compare(a.bare, b.bare))
                return c < 0;
            return EpisodeFirst(a, b);
        });
    } else {
        std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            if (const int c = Compare(a.bare, b.bare))
                return c < 0;
            if (const int c = Compare(a.episodeName, b.episodeName))
                return c < 0;
            if (const int c = Compare(a.year, b.year))
                return c > 0;
            return EpisodeFirst(a, b);
        });
    }
}

// The title with ASCII letters in lower case: titles equal but for their case are one.
std::string Folded(std::string_view title)
{
    std::string folded(title);
    for (char& c : folded)
        c = static_cast<char>(textchars::FoldAscii(c));
    return folded;
}

} // namespace

void CCastCrewText::WriteCreditDetails(int list, int title, std::string_view firstSeparator)
{
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    bool first = true;
    for (int index = records.FindNext(title, list); index >= 0; index = records.FindNext(index, list)) {
        const InfoRecord record = records.GetRecord(index);
        if (record.key == kTitleKey)
            break;
        const bool hidden = (list == kWriters && record.key == 3) ||
                            ((list == kActors || list == kActresses) && record.key == 4);
        if (hidden)
            continue;
        writer.WriteText(first ? firstSeparator : std::string_view(" "), 0, false);
        writer.WriteText(RecordText(record), 0, true);
        first = false;
    }
}

bool CCastCrewText::AddCategorizedFilmography()
{
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    const bool always = Settings().AlwaysShowHeaders != 0;
    for (const FilmographyJob& job : FilmographyJobs) {
        const bool cast = job.list == kActors || job.list == kActresses;
        std::vector<Entry> entries;
        int widest = 1;
        for (int index = records.FindFirst(job.list); index >= 0; index = records.FindNext(index, job.list)) {
            const InfoRecord record = records.GetRecord(index);
            if (record.key == kTitleKey) {
                entries.push_back(MakeEntry(records, index));
                widest = std::max(widest, ShownWidth(entries.back().title));
            } else if (cast && record.key == 3 && !entries.empty()) {
                CListLine role;
                role = std::string(RecordText(record)).c_str();
                if (const int self = role.SelfRole())
                    entries.back().self = self;
            }
        }
        // Counted per credit: a credit with two self roles is one self credit.
        const std::size_t selfCount =
            static_cast<std::size_t>(std::count_if(entries.begin(), entries.end(), [](const Entry& e) { return e.self != 0; }));
        const bool ordinary = entries.size() > selfCount;

        bool wrote = false;
        if (ordinary || always) {
            wrote = true;
            Heading(job.heading, ordinary ? HeadingForm::kOpen : HeadingForm::kClosed);
        }
        const int tab = PixelsToTwips(widest) + 2 * writer.GetCharWidth(); // beyond the widest title
        SortEntries(entries, Settings().FilmographySort);

        auto writeCredit = [&](const Entry& entry) {
            writer.NewLine();
            writer.Paragraph(-1, 2, true);
            AddTabStop(tab);
            TitleLink(entry.title);
            WriteCreditDetails(job.list, entry.index, "\t...");
        };
        for (const Entry& entry : entries)
            if (!cast || entry.self == 0)
                writeCredit(entry);
        if (ordinary)
            writer.NewLine();

        if (cast && (selfCount > 0 || always)) {
            if (wrote)
                writer.NewLine();
            wrote = true;
            Heading(job.list == kActors ? "Himself Filmography:" : "Herself Filmography:",
                    selfCount > 0 ? HeadingForm::kOpen : HeadingForm::kClosed);
            if (selfCount > 0) {
                for (const Entry& entry : entries)
                    if (entry.self != 0)
                        writeCredit(entry);
                writer.NewLine();
            }
        }
        if (wrote)
            writer.NewLine();
    }
    return false;
}

bool CCastCrewText::AddCombinedFilmography()
{
    constexpr std::string_view kHeading = "Combined Filmography:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();

    // Every title once (the first form met, in job order), and per folded title its
    // credits in job order and store order.
    struct Credit {
        int job;
        int index;
    };
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::vector<Credit>> credits;
    int widest = 1;
    for (int job = 0; job < kFilmographyJobCount; ++job) {
        const int list = FilmographyJobs[job].list;
        for (int index = records.FindFirst(list); index >= 0; index = records.FindNext(index, list)) {
            if (records.GetRecord(index).key != kTitleKey)
                continue;
            std::vector<Credit>& titleCredits = credits[Folded(RecordText(records.GetRecord(index)))];
            if (titleCredits.empty()) {
                entries.push_back(MakeEntry(records, index));
                widest = std::max(widest, ShownWidth(entries.back().title));
            }
            titleCredits.push_back({job, index});
        }
    }

    if (entries.empty()) {
        if (Settings().AlwaysShowHeaders)
            Heading(kHeading, HeadingForm::kClosed);
        return false;
    }
    Heading(kHeading, HeadingForm::kOpen);
    const int tab = PixelsToTwips(widest) + 2 * writer.GetCharWidth(); // beyond the widest title
    SortEntries(entries, Settings().FilmographySort);

    for (const Entry& entry : entries) {
        writer.NewLine();
        writer.Paragraph(-1, 2, true);
        AddTabStop(tab);
        TitleLink(entry.title);
        bool firstGroup = true;
        for (const Credit& credit : credits[Folded(entry.title)]) {
            writer.WriteText(firstGroup ? "\t[" : " [", 0, false);
            writer.WriteText(FilmographyJobs[credit.job].jobWord, 0, false);
            WriteCreditDetails(FilmographyJobs[credit.job].list, credit.index, " ...");
            writer.WriteText("]", 0, false);
            firstGroup = false;
        }
    }
    writer.NewLine();
    return true;
}
