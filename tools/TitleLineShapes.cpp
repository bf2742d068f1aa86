// Title-keyed lists whose records are single lines: title, tabs, value and sometimes a
// note. A series is followed by lines for some of its episodes.

#include "listdata/ListCatalog.h"
#include "tools/ListShapes.h"

namespace listgen {

namespace {

struct ValueTable {
    int listIndex;
    std::vector<const char*> values;
    std::vector<const char*> notes;
};

const ValueTable kValueTables[] = {
    {kCertificates,
     {"USA:PG-13", "USA:R", "UK:15", "Germany:12", "Norway:11", "France:U"},
     {"(certificate #31337)", "(re-rating)"}},
    {kColorInfo, {"Color", "Black and White"}, {"(Technicolor)", "(Eastmancolor)", "(colorized)"}},
    {kDistributors,
     {"Northgate Pictures [us]", "Alder Films [gb]", "Kinowelt Nord [de]"},
     {"(1999) (USA) (theatrical)", "(2001) (worldwide) (video)"}},
    {kLanguage, {"English", "German", "French", "Norwegian", "Spanish"}, {"(a few lines)"}},
    {kLocations,
     {"Bergen, Norway", "Lyon, Rh\xF4ne, France", "Soundstage 4, Burbank, California, USA"},
     {"(harbour scenes)", "(studio)"}},
    {kMiscellaneousCompanies, {"Lumen Labs [us]", "Frameworks Titles [gb]"}, {"(titles)", "(catering)"}},
    {kProductionCompanies,
     {"Northgate Pictures [us]", "Vindfall Film [no]", "Studio Caf\xE9 [fr]"},
     {"(as Northgate)", "(in association with)"}},
    {kRunningTimes, {"95", "101", "USA:88", "30"}, {"(director's cut)", "(TV version)"}},
    {kSoundMix, {"Mono", "Dolby", "Stereo", "DTS"}, {"(RCA Sound Recording)", "(re-release)"}},
    {kSpecialEffectsCompanies, {"Pixelworks [gb]", "Stormlight FX [us]"}, {"(visual effects)", "(miniatures)"}},
};

const char* const kCountryWords[] = {"USA", "France", "Norway", "UK", "Germany", "Canada", "Italy"};
const char* const kGenreWords[] = {"Drama", "Comedy", "Thriller", "Western", "Romance", "Horror", "Mystery"};
const char* const kKeywordWords[] = {"small-town", "revenge", "based-on-novel", "train",
                                     "lighthouse", "amnesia", "heist"};
const char* const kReleaseCountries[] = {"USA", "France", "Norway", "UK", "West Germany", "Japan"};
const char* const kReleaseNotes[] = {"(premiere)", "(limited)", "(TV premiere)", "(Cannes Film Festival)"};
const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

void AppendTitleField(std::string& out, const std::string& title)
{
    out += title;
    const std::size_t tabs = title.size() >= 40 ? 1 : (47 - title.size()) / 8;
    out.append(tabs, '\t');
}

// The titles of `group` that get a line: the film or series itself, and for a series a
// run of episodes (all of them for the featured series).
std::vector<TitleRef> LinedTitles(const ShapeContext& c, std::uint64_t group, Rng& rng)
{
    std::vector<TitleRef> titles{{group, -1}};
    const int episodes = c.universe.EpisodeCount(group);
    for (int e = 0; e < episodes; ++e)
        if (group == 1 || rng.Percent(50))
            titles.push_back({group, e});
    return titles;
}

} // namespace

bool WriteMoviesRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(group);
    for (const TitleRef& t : u.TitlesOf(group)) {
        AppendTitleField(out, u.Title(t));
        const std::string year = u.YearText(group).substr(0, 4);
        if (u.IsSeries(group) && t.episode < 0)
            out += year + "-" + (year == "????" ? std::string("????") : std::to_string(u.Year(group) + 4));
        else
            out += year;
        if (t.episode < 0 && rng.Percent(5))
            out += "\t(unreleased)";
        out += '\n';
    }
    return true;
}

bool WriteTitleValueRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    if (!c.Covers(group, 60))
        return false;
    const ValueTable* table = nullptr;
    for (const ValueTable& v : kValueTables)
        if (v.listIndex == c.listIndex)
            table = &v;
    if (!table)
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(group);
    const std::vector<TitleRef> titles = LinedTitles(c, group, rng);
    // Episodes mostly share one value, so that the search folds them into counts.
    const char* episodeValue = table->values[rng.Below(static_cast<std::uint32_t>(table->values.size()))];
    for (const TitleRef& t : titles) {
        const int lines = t.episode < 0 ? 1 + static_cast<int>(rng.Below(2)) : 1;
        for (int i = 0; i < lines; ++i) {
            std::string line;
            AppendTitleField(line, u.Title(t));
            if (t.episode >= 0 && (group == 1 || rng.Percent(70)))
                line += episodeValue;
            else
                line += table->values[rng.Below(static_cast<std::uint32_t>(table->values.size()))];
            if ((t.episode < 0 && group == 1) || (t.episode < 0 && rng.Percent(40))) {
                line += "\t";
                line += table->notes[rng.Below(static_cast<std::uint32_t>(table->notes.size()))];
            }
            if (const std::size_t length = c.HostileLength(rng); length > line.size() + 3) {
                line += "\t(";
                PadLine(line, length - 1);
                line += ')';
            }
            out += line + "\n";
        }
    }
    return true;
}

bool WriteTitleWordRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    if (!c.Covers(group, 70))
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(group);
    const char* const* words = c.listIndex == kCountries ? kCountryWords
                               : c.listIndex == kGenres  ? kGenreWords
                                                         : kKeywordWords;
    const std::uint32_t wordCount = 7;
    const std::vector<TitleRef> titles = LinedTitles(c, group, rng);
    const std::uint32_t shared = rng.Below(wordCount);
    for (const TitleRef& t : titles) {
        const int count = 1 + static_cast<int>(rng.Below(3));
        for (int i = 0; i < count; ++i) {
            AppendTitleField(out, u.Title(t));
            // Episodes repeat the series' first word, plus one of their own now and then.
            out += words[(i == 0 && t.episode >= 0) ? shared : (shared + 1 + rng.Below(wordCount - 1)) % wordCount];
            out += '\n';
        }
    }
    return true;
}

bool WriteReleaseDatesRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    if (!c.Covers(group, 70))
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(group);
    for (const TitleRef& t : LinedTitles(c, group, rng)) {
        const int count = 1 + static_cast<int>(rng.Below(3));
        for (int i = 0; i < count; ++i) {
            AppendTitleField(out, u.Title(t));
            out += rng.Pick(kReleaseCountries);
            out += ':';
            if (rng.Percent(80))
                out += std::to_string(1 + rng.Below(28)) + " " + rng.Pick(kMonths) + " ";
            out += std::to_string(u.Year(group) + static_cast<int>(rng.Below(2)));
            if (rng.Percent(30))
                out += std::string("\t") + rng.Pick(kReleaseNotes);
            out += '\n';
        }
    }
    return true;
}

bool WriteTechnicalRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    static const char* const kValues[] = {
        "CAM:Panavision Cameras and Lenses",
        "MET:2,700 m",
        "OFM:35 mm",
        "PFM:35 mm",
        "RAT:1.85 : 1",
        "PCS:Spherical",
        "LAB:Deluxe, Hollywood (CA), USA",
        "ZZZ:an unknown kind of value",
    };
    static const char* const kNotes[] = {"(negative)", "(prints)", "(blow-up)"};
    if (!c.Covers(group, 55))
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(group);
    for (const TitleRef& t : LinedTitles(c, group, rng)) {
        const int count = 1 + static_cast<int>(rng.Below(4));
        for (int i = 0; i < count; ++i) {
            AppendTitleField(out, u.Title(t));
            out += rng.Pick(kValues);
            if (rng.Percent(30))
                out += std::string("\t") + rng.Pick(kNotes);
            out += '\n';
        }
    }
    return true;
}

bool WriteCoverageRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    if (!c.Covers(group, 30))
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(group);
    AppendTitleField(out, u.Title(group));
    out += group == 0 || rng.Percent(50) ? "Verified as complete" : "Complete";
    out += '\n';
    return true;
}

} // namespace listgen
