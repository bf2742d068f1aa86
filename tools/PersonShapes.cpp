// Person-keyed lists: the filmography lists (cast, crew, writers), Aka-Names and
// Biographies. Records are written in person order, which is the lists' name order.

#include "listdata/ListCatalog.h"
#include "tools/ListShapes.h"

#include <algorithm>

namespace listgen {

namespace {

const char* const kRoles[] = {
    "Himself",   "Herself",        "Detective Arlo Brenn", "Mrs. Halvorsen", "Narrator",     "Young Pilot",
    "Bartender", "Dr. K\xE4stner", "The Stranger",         "Nurse",          "Captain Vold", "Guest",
};
const char* const kCastNotes[] = {"(voice)", "(uncredited)", "(archive footage)", "(as Bud Winter)",
                                  "(scenes deleted)"};
const char* const kCrewNotes[] = {
    "(producer)",       "(executive producer)", "(co-producer)",        "(uncredited)", "(second unit)",  "(assistant)",
    "(as J. Halloway)", "(supervising editor)", "(costume supervisor)", "(music)",      "(orchestrator)",
};
const char* const kWriterNotes[] = {"(screenplay)", "(story)", "(novel)", "(written by)", "(teleplay)", "(characters)"};
const char* const kPlaces[] = {
    "Springfield, Ohio, USA", "Lyon, Rh\xF4ne, France",   "Bergen, Norway",       "Leeds, West Yorkshire, England, UK",
    "Graz, Austria",          "Toronto, Ontario, Canada", "Valpara\xEDso, Chile",
};
const char* const kCauses[] = {"(heart attack)", "(natural causes)", "(pneumonia)", "(car accident)"};
const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

std::string DateText(Rng& rng, int year)
{
    return std::to_string(1 + rng.Below(28)) + " " + kMonths[rng.Below(12)] + " " + std::to_string(year);
}

bool InFilmographyList(const ShapeContext& c, std::uint64_t person)
{
    const Universe& u = c.universe;
    if (c.listIndex == kActors)
        return !u.IsFemale(person);
    if (c.listIndex == kActresses)
        return u.IsFemale(person);
    return person < 2 || Mix(u.Seed(), 31, static_cast<std::uint64_t>(c.listIndex), person) % 100 < 30;
}

// The first line carries the name and a tab run before the first credit; further
// credit lines are indented by tabs.
void AppendCreditLine(std::string& out, bool first, const std::string& name, const std::string& credit)
{
    if (first) {
        out += name;
        out += name.size() < 8 ? "\t\t\t" : name.size() < 16 ? "\t\t" : "\t";
    } else {
        out += "\t\t\t";
    }
    out += credit;
    out += '\n';
}

void MaybeHostile(const ShapeContext& c, Rng& rng, std::string& credit, std::size_t indent)
{
    if (const std::size_t length = c.HostileLength(rng); length > indent + credit.size()) {
        credit += "  (";
        PadLine(credit, length - indent - 1);
        credit += ')';
    }
}

// The record of `person` in a filmography list, one line per credit as `credit(rng, title,
// name, first)` appends it; false when the person has no credits in the list.
template <class Credit>
bool WriteCreditsRecord(const ShapeContext& c, std::uint64_t person, std::string& out, Credit credit)
{
    const std::vector<TitleRef> credits = CreditsOf(c, person);
    if (credits.empty())
        return false;
    const std::string name = c.universe.PersonName(person);
    Rng rng = c.RecordRng(person);
    bool first = true;
    for (const TitleRef& t : credits) {
        credit(rng, t, name, first);
        first = false;
    }
    out += '\n';
    return true;
}

} // namespace

std::vector<TitleRef> CreditsOf(const ShapeContext& c, std::uint64_t person)
{
    std::vector<TitleRef> credits;
    if (!InFilmographyList(c, person))
        return credits;
    const Universe& u = c.universe;
    Rng rng = u.RngFor(2000 + static_cast<std::uint64_t>(c.listIndex), person);
    const std::uint32_t groups = static_cast<std::uint32_t>(std::min<std::uint64_t>(u.TitleGroups(), 0xFFFFFFFFu));
    const int count = 1 + static_cast<int>(rng.Below(5));
    for (int i = 0; i < count; ++i) {
        const std::uint64_t g = rng.Below(groups);
        if (!u.IsSeries(g) || rng.Percent(25)) {
            credits.push_back({g, -1});
            continue;
        }
        const int episodes = u.EpisodeCount(g);
        const int first = static_cast<int>(rng.Below(static_cast<std::uint32_t>(episodes)));
        const int last = std::min(episodes - 1, first + static_cast<int>(rng.Below(4)));
        for (int e = first; e <= last; ++e)
            credits.push_back({g, e});
    }
    if (person < 2) {
        // The featured people: the film, and episodes of the featured series.
        credits.push_back({0, -1});
        const int episodes = u.EpisodeCount(1);
        for (int e = 0; e < episodes; ++e)
            if (person == 0 || e % 3 == 0)
                credits.push_back({1, e});
    }
    if (person == 0 && c.options.prolificTitles != 0 && u.TitleGroups() > 2) {
        // A run of consecutive groups from a place of the list's own, so the titles are
        // distinct as far as the universe has titles.
        const std::uint64_t more = c.listIndex == kActors ? c.options.prolificTitles : c.options.prolificTitles / 10;
        const std::uint64_t first = Mix(u.Seed(), 61, static_cast<std::uint64_t>(c.listIndex));
        for (std::uint64_t i = 0; i < more; ++i)
            credits.push_back({2 + (first + i) % (u.TitleGroups() - 2), -1});
    }
    std::sort(credits.begin(), credits.end());
    credits.erase(std::unique(credits.begin(), credits.end()), credits.end());
    return credits;
}

bool WriteCastRecord(const ShapeContext& c, std::uint64_t person, std::string& out)
{
    const Universe& u = c.universe;
    bool twoSelfRoles = person < 2; // on the featured people's first other credit
    return WriteCreditsRecord(c, person, out, [&](Rng& rng, const TitleRef& t, const std::string& name, bool first) {
        std::string credit = u.Title(t);
        if (person < 2 && t.group == 1) {
            // Two roles over the series' episodes, billed on some of them.
            if (t.episode == 2)
                credit += "  (voice)";
            credit += t.episode < 7 ? "  [Captain Vold]" : "  [Narrator]";
            if (t.episode % 4 == 1)
                credit += "  <" + std::to_string(2 + t.episode) + ">";
        } else if (person < 2 && t.group == 0) {
            credit += "  [" + std::string(person == 0 ? "Himself" : "Herself") + "]  <1>";
        } else if (twoSelfRoles) {
            const std::string self = person == 0 ? "Himself" : "Herself";
            credit += "  [" + self + "]  [" + self + " (archive footage)]";
            twoSelfRoles = false;
        } else {
            if (rng.Percent(15))
                credit += std::string("  ") + rng.Pick(kCastNotes);
            if (rng.Percent(80))
                credit += std::string("  [") + rng.Pick(kRoles) + "]";
            if (rng.Percent(50))
                credit += "  <" + std::to_string(1 + rng.Below(40)) + ">";
            MaybeHostile(c, rng, credit, first ? name.size() + 1 : 3);
        }
        AppendCreditLine(out, first, name, credit);
    });
}

bool WriteCrewRecord(const ShapeContext& c, std::uint64_t person, std::string& out)
{
    const Universe& u = c.universe;
    return WriteCreditsRecord(c, person, out, [&](Rng& rng, const TitleRef& t, const std::string& name, bool first) {
        std::string credit = u.Title(t);
        if (person < 2 && t.group == 1) {
            // Episodes without a note, then a group sharing one.
            if (t.episode >= 5 && t.episode < 7)
                credit += "  (second unit)";
        } else if (rng.Percent(45)) {
            credit += std::string("  ") + rng.Pick(kCrewNotes);
        }
        MaybeHostile(c, rng, credit, first ? name.size() + 1 : 3);
        AppendCreditLine(out, first, name, credit);
    });
}

bool WriteWritersRecord(const ShapeContext& c, std::uint64_t person, std::string& out)
{
    const Universe& u = c.universe;
    return WriteCreditsRecord(c, person, out, [&](Rng& rng, const TitleRef& t, const std::string& name, bool first) {
        std::string title = u.Title(t);
        if (person < 2 && t.group == 0) {
            // Two credits on the same title, with different notes and order marks.
            AppendCreditLine(out, first, name, title + "  (screenplay)  <1,2,1>");
            AppendCreditLine(out, false, name, title + "  (story)  <2,1,1>");
            return;
        }
        std::string credit = title;
        if (rng.Percent(60))
            credit += std::string("  ") + rng.Pick(kWriterNotes);
        if (rng.Percent(50))
            credit += "  <" + std::to_string(1 + rng.Below(3)) + "," + std::to_string(1 + rng.Below(3)) + "," +
                      std::to_string(1 + rng.Below(3)) + ">";
        MaybeHostile(c, rng, credit, first ? name.size() + 1 : 3);
        AppendCreditLine(out, first, name, credit);
    });
}

bool WriteAkaNamesRecord(const ShapeContext& c, std::uint64_t person, std::string& out)
{
    if (!c.Covers(person, 20))
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(person);
    out += u.PersonName(person);
    out += '\n';
    const int count = 1 + static_cast<int>(rng.Below(3));
    for (int i = 0; i < count; ++i) {
        // An alias is another person's name form, so it looks like a list name.
        out += "   (aka ";
        out += u.PersonName(Mix(u.Seed(), 41, person, static_cast<std::uint64_t>(i)) % u.People());
        out += ")\n";
    }
    // An alias with a note longer than a line can be, whose rest looks like another alias.
    if (person < 2)
        AppendSplitLine(c, out, "   (aka " + u.PersonName(Mix(u.Seed(), 43, person) % u.People()) + ")\t(as",
                        "   (aka Phantom, Name)");
    out += '\n';
    return true;
}

bool WriteBiographyRecord(const ShapeContext& c, std::uint64_t person, std::string& out)
{
    if (!c.Covers(person, 40))
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(person);
    const std::string name = u.PersonName(person);
    const bool female = u.IsFemale(person);
    const int born = 1900 + static_cast<int>(rng.Below(80));

    out += std::string(79, '-');
    out += "\nNM: " + name + "\n\n";
    if (person < 2 || rng.Percent(50))
        out += "RN: " + name.substr(name.find(", ") == std::string::npos ? 0 : name.find(", ") + 2) + " " +
               name.substr(0, name.find(',')) + "\n";
    if (person < 2 || rng.Percent(20))
        out += "NK: The Kid\n";
    if (person < 2 || rng.Percent(40))
        out += "HT: 5' " + std::to_string(rng.Below(12)) + "\"\n";
    const bool bornLine = person < 2 || rng.Percent(70);
    if (bornLine) {
        out += "DB: " + DateText(rng, born);
        if (person < 2 || rng.Percent(80))
            out += std::string(", ") + rng.Pick(kPlaces);
        out += '\n';
    }
    if (person == 1 || (person >= 2 && rng.Percent(30))) {
        out += "DD: " + DateText(rng, born + 40 + static_cast<int>(rng.Below(40))) + ", " + rng.Pick(kPlaces);
        if (person < 2 || rng.Percent(70))
            out += std::string(" ") + rng.Pick(kCauses);
        out += '\n';
    }
    out += "\nBG: " + std::string(female ? "She" : "He") + " was born in " + rng.Pick(kPlaces) + " and worked with " +
           u.PersonName(rng.Below(static_cast<std::uint32_t>(u.People()))) + " (qv) on\n";
    std::string line = "BG: " + u.Title(rng.Below(static_cast<std::uint32_t>(u.TitleGroups()))) + " (qv).";
    if (const std::size_t length = c.HostileLength(rng); length > line.size())
        PadLine(line, length);
    out += line + "\n";
    if (rng.Percent(50))
        out += "BG:\n"; // an empty line between paragraphs
    // A paragraph longer than a line can be, whose rest looks like a birth line: a second
    // one for the featured people, the only one for people without a birth line.
    if (person < 2 || !bornLine)
        AppendSplitLine(c, out, "BG: " + std::string(female ? "Her" : "His") + " early years were",
                        "DB: 12 March 1950, Bergen, Norway");
    if (person < 2) {
        // A second paragraph with marked references to a name and a title.
        out += "BG:\nBG: Later " + std::string(female ? "she" : "he") + " taught acting with '" + u.PersonName(2) +
               "' (qv) and\nBG: appeared in _" + u.Title(2) + "_ (qv).\n";
    }
    out += "BY: Zuvo staff\n\n";
    if (person < 2 || rng.Percent(60)) {
        out += "TR: * Trained as a carpenter before " + std::string(female ? "her" : "his") + " first role.\n";
        out += "TR: Kept the tools all " + std::string(female ? "her" : "his") + " life.\n";
        out += "TR: * Speaks three languages.\n";
    }
    if (person < 2)
        out += "TR: * Worked with '" + u.PersonName(3) + "' (qv) on _" + u.Title(3) + "_ (qv).\n";
    if (person < 2 || rng.Percent(40)) {
        out += "SP: '" + u.PersonName(Mix(u.Seed(), 42, person) % u.People()) + "' (qv) (" + DateText(rng, born + 25) +
               " - " + DateText(rng, born + 31) + ") (divorced)\n";
        // The featured people's second spouse is a reference too, so both names align.
        out += std::string(person < 2 ? "SP: 'Linde, Kaspar' (qv) (" : "SP: Kaspar Linde (") +
               DateText(rng, born + 33) + " - present)\n";
    }
    if (person < 2 || rng.Percent(25))
        out += "OW: * Owned a vineyard in " + std::string(rng.Pick(kPlaces)) + ".\n";
    if (person < 2 || rng.Percent(20))
        out += "QU: * \"I never read the script twice.\"\n";
    if (person < 2 || rng.Percent(20))
        out += "GA: " + u.Title(1, 0) + " (qv), as " + std::string(female ? "herself" : "himself") + " (episode 1.1)\n";
    if (person < 2 || rng.Percent(15))
        out += "SA: " + u.Title(0) + " (qv) -> $" + std::to_string(10 + rng.Below(900)) + ",000\n";
    if (person < 2 || rng.Percent(15))
        out += "IT: \"Screen Weekly\" (USA), " + DateText(rng, born + 40) + ", Vol. 3, Iss. " +
               std::to_string(1 + rng.Below(50)) + ", pg. 12-14, by: Ann Mayer, \"Second Take\"\n";
    if (person < 2 || rng.Percent(10))
        out += "PT: \"Film Quarterly Review\" (UK), " + DateText(rng, born + 45) + ", Iss. 7, pg. 1\n";
    if (person < 2) {
        // The rarer codes, on the featured people only.
        out += "BO: * \"A Life in Pictures\" by Ann Mayer, 1998\n";
        out += "BT: * _" + u.Title(4) + "_ (qv)\n";
        out += "PI: * _" + u.Title(5) + "_ (qv)\nPI: (TV)\n";
        out += "WN: * Lives in Bergen, Norway,\nWN: and teaches.\n";
        out += "TM: * A low, gravelly voice.\n";
        out += "AT: \"Film Weekly\" (UK), " + DateText(rng, born + 50) +
               ", Iss. 12, pg. 4, by: Bo Lund, \"A Quiet Star\"\n";
        out += "CV: \"Screen Weekly\" (USA), " + DateText(rng, born + 52) + ", Vol. 5\n";
        out += "AG: * Acme Talent Agency\nAG: 100 Main Street, Los Angeles\n";
    }
    out += '\n';
    return true;
}

} // namespace listgen
