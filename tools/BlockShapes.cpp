// Title-keyed lists whose records stand between lines of dashes and open with a
// prefixed title line: Business, Mpaa-Ratings-Reasons and Plot ("MV: "), Laserdisc
// ("OT: ", the disc's fields behind it) and Literature ("MOVI: ").

#include "listdata/ListCatalog.h"
#include "tools/ListShapes.h"

namespace listgen {

namespace {

const std::string kDashes(79, '-');
const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

std::string Date(Rng& rng, int year)
{
    return std::to_string(1 + rng.Below(28)) + " " + kMonths[rng.Below(12)] + " " + std::to_string(year);
}

std::string Money(Rng& rng)
{
    return "USD " + std::to_string(1 + rng.Below(90)) + ",000,000";
}

void Separator(std::string& out)
{
    out += kDashes + "\n";
}

} // namespace

bool WriteBusinessRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    if (!c.Covers(group, 35))
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(group);
    const int year = u.Year(group);
    Separator(out);
    out += "MV: " + u.Title(group) + "\n\n";
    if (rng.Percent(70) || group == 0)
        out += "BT: " + Money(rng) + "\n";
    if (IsFeatured(group))
        out += "Figures as the studio reported them.\n";
    const int grosses = static_cast<int>(rng.Below(4));
    for (int i = 0; i < grosses; ++i)
        out += "GR: " + Money(rng) + " (USA) (" + Date(rng, year) + ")\n";
    if (rng.Percent(40))
        out += "WG: USD " + std::to_string(100 + rng.Below(900)) + ",000 (USA) (" + Date(rng, year) + ") (" +
               std::to_string(100 + rng.Below(2000)) + " screens)\n";
    if (rng.Percent(30))
        out += "OW: " + Money(rng) + " (USA) (" + Date(rng, year) + ") (1,200 screens)\n";
    if (rng.Percent(25))
        out += "RT: USD 12,500,000 (USA)\n";
    if (rng.Percent(25))
        out += "AD: 1,200,000 (France)\n";
    if (rng.Percent(40))
        out += "SD: " + Date(rng, year - 1) + "\n";
    if (rng.Percent(30))
        out += "PD: " + Date(rng, year - 1) + "\n";
    if (rng.Percent(15))
        out += "ST: Palace Theater, Springfield, USA\n";
    if (rng.Percent(15))
        out += "CP: Northgate Pictures\n";
    AppendHostileLine(c, rng, out, "CP: ");
    out += '\n';
    return true;
}

bool WriteMpaaRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    if (!c.Covers(group, 30))
        return false;
    Rng rng = c.RecordRng(group);
    Separator(out);
    out += "MV: " + c.universe.Title(group) + "\n";
    out += "RE: Rated " + std::string(rng.Percent(50) ? "R" : "PG-13") + " for violence, some language\n";
    if (rng.Percent(50))
        out += "RE: and brief nudity.\n";
    out += '\n';
    return true;
}

bool WritePlotRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    if (!c.Covers(group, 60))
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(group);
    std::vector<TitleRef> titles{{group, -1}};
    for (int e = 0; e < u.EpisodeCount(group); ++e)
        if ((group == 1 && e < 2) || rng.Percent(30))
            titles.push_back({group, e});
    for (const TitleRef& t : titles) {
        Separator(out);
        out += "MV: " + u.Title(t) + "\n\n";
        const int summaries = 1 + static_cast<int>(rng.Below(2));
        for (int s = 0; s < summaries; ++s) {
            out += "PL: When the ferry stops running, a harbour town must decide who it trusts.\n";
            if (IsFeatured(group))
                out += "PL: " + MarkedName(u, rng) + " plays the keeper of the old lighthouse, as in " +
                       MarkedTitle(u, rng) + ".\n";
            else
                out += "PL: " + u.PersonName(rng.Below(static_cast<std::uint32_t>(u.People()))) +
                       " (qv) plays the keeper of the old lighthouse.\n";
            AppendHostileLine(c, rng, out, "PL: ");
            out += "\nBY: reviewer" + std::to_string(rng.Below(1000)) + "@example.com\n\n";
        }
    }
    return true;
}

bool WriteLaserdiscRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    if (!c.Covers(group, 20))
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(group);
    const std::string title = u.Title(group);
    Separator(out);
    out += "OT: " + title + "\n";
    const int discs = group == 0 ? 2 : 1 + static_cast<int>(rng.Percent(20));
    for (int d = 0; d < discs; ++d) {
        out += "LN: " + std::to_string(10000 + rng.Below(90000)) + "\n";
        out += "LB: Northgate Home Video\n";
        out += "CN: ID" + std::to_string(1000 + rng.Below(9000)) + "NG\n";
        out += "LT: " + title + "\n";
        out += "PC: " + std::to_string(1 + rng.Below(9)) + "\n";
        out += "YR: " + std::to_string(u.Year(group) + 3) + "\n";
        out += "CF: " + std::string(rng.Percent(30) ? "-" : "R") + "\n";
        out += "CA: Feature\n";
        out += "GR: Drama\n";
        out += "LA: English\n";
        out += "SU: " + std::string(rng.Percent(50) ? "-" : "Spanish") + "\n";
        out += "LE: " + std::to_string(85 + rng.Below(60)) + "\n";
        out += "RD: " + Date(rng, u.Year(group) + 3) + "\n";
        out += "ST: Standard Play\n";
        out += "PR: 39.95\n";
        out += "VS: NTSC\n";
        out += "CO: Color\n";
        out += "SE: CLV\n";
        out += "DS: " + std::string(rng.Percent(50) ? "-" : "Digital Stereo") + "\n";
        if (!IsFeatured(group))
            out += "AR: 1.85:1\n";
        out += "MF: Pioneer\n";
        out += "SZ: 12\"\n";
        out += "SI: 2\n";
        out += "AS: Letterboxed\n";
        out += "CC: " + std::string(rng.Percent(50) ? "-" : "Yes") + "\n";
        out += "RC: USA\n";
        if (IsFeatured(group))
            AppendFeaturedDiscFields(group, d, out);
    }
    out += '\n';
    return true;
}

bool WriteLiteratureRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    static const char* const kCodes[] = {"SCRP", "NOVL", "ADPT", "BOOK", "PROT", "IVIW", "CRIT", "ESSY", "OTHR"};
    if (!c.Covers(group, 30))
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(group);
    std::vector<TitleRef> titles{{group, -1}};
    if (group == 1)
        titles.push_back({1, 0});
    for (const TitleRef& t : titles) {
        Separator(out);
        out += "MOVI: " + u.Title(t) + "\n\n";
        const int items = 1 + static_cast<int>(rng.Below(3));
        for (int i = 0; i < items; ++i) {
            out += std::string(rng.Pick(kCodes)) + ": " +
                   u.PersonName(rng.Below(static_cast<std::uint32_t>(u.People()))) +
                   ". \"The Long Harbour\". Northgate Press, Boston 1988, ISBN 0-12-345678-9\n";
            if (rng.Percent(30))
                out += "      (second edition, revised)\n";
        }
        out += '\n';
    }
    return true;
}

} // namespace listgen
