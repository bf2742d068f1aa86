// Title-keyed lists whose records open with "# title": items with dash indents
// (Alternate-Versions, Crazy-Credits, Trivia), goofs with their kind codes, quotes,
// soundtracks and taglines. A series has records of its own and for some episodes.

#include "listdata/ListCatalog.h"
#include "tools/ListShapes.h"

namespace listgen {

namespace {

const char* const kItems[] = {
    "The version shown on television runs four minutes shorter.",
    "The closing credits roll over a shot of the harbour at night.",
    "A scene in the caf\xE9 was re-shot after the first screening.",
    "The director appears in the crowd at the station.",
    "The credits thank \"everyone who lent us a boat\".",
};
const char* const kGoofCodes[] = {"CONT", "PLOT", "FACT", "DATE", "FAKE", "BOOM",
                                  "CREW", "SYNC", "GEOG", "FAIR", "MISC", "CHAR"};
const char* const kSpeakers[] = {"Arlo", "Mrs. Halvorsen", "The Stranger", "Nurse", "Captain Vold"};
const char* const kQuoteLines[] = {
    "I told you the tide would turn.",
    "Nobody leaves this town before the train does.",
    "Is that a threat or a promise?",
    "We'll need a bigger lighthouse.",
    "Keep the change.",
};
const char* const kSongs[] = {"Harbour Lights", "Blue Avenue", "S\xE9r\xE9nade du Soir", "Last Train Home"};
const char* const kTaglines[] = {
    "Some secrets never sleep.",
    "One town. One night. No way out.",
    "The tide is turning.",
    "Love is the longest journey.",
};

// The records' titles of `group`: the film or series itself, and some episodes.
std::vector<TitleRef> RecordTitles(const ShapeContext& c, std::uint64_t group, Rng& rng)
{
    std::vector<TitleRef> titles{{group, -1}};
    const int episodes = c.universe.EpisodeCount(group);
    for (int e = 0; e < episodes; ++e)
        if ((group == 1 && e < 3) || (group != 1 && rng.Percent(25)))
            titles.push_back({group, e});
    return titles;
}

// The records of `group` when the list covers it (`percent`): per title "# title", then
// what `body(rng)` appends, maybe an over-long line at `indent`, and `end`.
template <class Body>
bool WriteTitleRecords(const ShapeContext& c, std::uint64_t group, std::uint32_t percent, const char* indent,
                       const char* end, std::string& out, Body body)
{
    if (!c.Covers(group, percent))
        return false;
    Rng rng = c.RecordRng(group);
    for (const TitleRef& t : RecordTitles(c, group, rng)) {
        out += "# " + c.universe.Title(t) + "\n";
        body(rng);
        AppendHostileLine(c, rng, out, indent);
        out += end;
    }
    return true;
}

} // namespace

bool WriteHashItemsRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    return WriteTitleRecords(c, group, 35, "  ", "\n", out, [&](Rng& rng) {
        const int items = 1 + static_cast<int>(rng.Below(3));
        for (int i = 0; i < items; ++i) {
            out += std::string("- ") + rng.Pick(kItems) + "\n";
            if (rng.Percent(40))
                out += "  It was restored for the anniversary release.\n";
            if (rng.Percent(25))
                out += "  - Only in the European prints.\n";
        }
    });
}

bool WriteGoofsRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    return WriteTitleRecords(c, group, 45, "  ", "\n\n", out, [&](Rng& rng) {
        const int items = 1 + static_cast<int>(rng.Below(3));
        for (int i = 0; i < items; ++i) {
            if (i > 0)
                out += '\n';
            out += std::string("- ") + rng.Pick(kGoofCodes) + ": " + rng.Pick(kItems) + "\n";
            if (rng.Percent(40))
                out += "  The glass is full again in the next shot.\n";
        }
    });
}

bool WriteTriviaRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    return WriteTitleRecords(c, group, 50, "  ", "\n\n", out, [&](Rng& rng) {
        const int items = 1 + static_cast<int>(rng.Below(4));
        for (int i = 0; i < items; ++i) {
            if (i > 0)
                out += '\n';
            out += std::string("- ") + rng.Pick(kItems) + "\n";
            if (rng.Percent(50))
                out += "  Filming took eleven weeks, two more than planned.\n";
            if (rng.Percent(20))
                out += "  - The second unit shot the storm in one night.\n";
        }
        if (IsFeatured(group))
            out += "\n- " + MarkedName(c.universe, rng) + " first met the director on the set of " +
                   MarkedTitle(c.universe, rng) + ".\n";
    });
}

bool WriteQuotesRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    return WriteTitleRecords(c, group, 40, "  ", "\n\n", out, [&](Rng& rng) {
        const int quotes = 1 + static_cast<int>(rng.Below(3));
        for (int q = 0; q < quotes; ++q) {
            if (q > 0)
                out += '\n';
            const int lines = 1 + static_cast<int>(rng.Below(3));
            for (int i = 0; i < lines; ++i) {
                out += std::string(rng.Pick(kSpeakers)) + ": " + rng.Pick(kQuoteLines) + "\n";
                if (rng.Percent(30))
                    out += "  And I meant every word of it.\n";
                if (rng.Percent(10))
                    out += ":: (they both laugh)\n";
            }
        }
    });
}

bool WriteSoundtracksRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    const Universe& u = c.universe;
    const std::uint32_t people = static_cast<std::uint32_t>(u.People());
    return WriteTitleRecords(c, group, 40, "  ", "\n", out, [&](Rng& rng) {
        const int songs = 1 + static_cast<int>(rng.Below(3));
        for (int s = 0; s < songs; ++s) {
            out += std::string("- \"") + rng.Pick(kSongs) + "\"\n";
            if (IsFeatured(group)) {
                out += "  Written by " + MarkedName(u, rng) + "\n";
                out += "  Performed by " + MarkedName(u, rng) + "\n";
                continue;
            }
            out += "  Written by " + u.PersonName(rng.Below(people)) + " (qv)\n";
            if (rng.Percent(70))
                out += "  Performed by " + u.PersonName(rng.Below(people)) + " (qv)\n";
            if (rng.Percent(30))
                out += "    (uncredited)\n";
        }
    });
}

bool WriteTaglinesRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    return WriteTitleRecords(c, group, 40, "\t", "\n", out, [&](Rng& rng) {
        const int lines = 1 + static_cast<int>(rng.Below(3));
        for (int i = 0; i < lines; ++i)
            out += std::string("\t") + rng.Pick(kTaglines) + "\n";
    });
}

} // namespace listgen
