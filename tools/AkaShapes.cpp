// Title-keyed lists with a title line and indented further lines up to a blank line:
// the three alternative-title lists and Movie-Links.

#include "listdata/ListCatalog.h"
#include "tools/ListShapes.h"

namespace listgen {

namespace {
const char* const kAkaNotes[] = {"(USA)", "(France)", "(Norway)", "(working title)", "(Germany) (TV title)"};
const char* const kAkaWords[] = {"Die lange Nacht", "La Nuit longue", "Den lange natten", "La notte lunga",
                                 "Stra\xDF"
                                 "e der Tr\xE4ume"};
const char* const kRelations[] = {
    "alternate language version of",
    "referenced in",
    "spin off from",
    "followed by",
    "featured in",
    "edited into",
    "edited from",
    "version of",
    "references",
    "spoofed in",
    "remade as",
    "remake of",
    "features",
    "spin off",
    "follows",
    "spoofs",
};
} // namespace

bool WriteAkaTitlesRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    if (!c.Covers(group, 40))
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(group);
    std::vector<TitleRef> titles{{group, -1}};
    if (group == 1)
        titles.push_back({1, 0});
    for (const TitleRef& t : titles) {
        out += u.Title(t) + "\n";
        const int count = 1 + static_cast<int>(rng.Below(3));
        for (int i = 0; i < count; ++i) {
            out += std::string("   (aka ") + rng.Pick(kAkaWords) + " (" + u.YearText(group) + "))";
            const int notes = static_cast<int>(rng.Below(3));
            for (int n = 0; n < notes; ++n)
                out += std::string("\t") + rng.Pick(kAkaNotes);
            out += '\n';
        }
        // An alternative title with a note longer than a line can be, whose rest looks
        // like another alternative title.
        if (IsFeatured(group) && t.episode < 0)
            AppendSplitLine(c, out, "   (aka Die lange Nacht Redux (" + u.YearText(group) + "))\t(working title,",
                            "   (aka Phantom (" + u.YearText(group) + "))");
        out += '\n';
    }
    return true;
}

bool WriteMovieLinksRecord(const ShapeContext& c, std::uint64_t group, std::string& out)
{
    if (!c.Covers(group, 35))
        return false;
    const Universe& u = c.universe;
    Rng rng = c.RecordRng(group);
    out += u.Title(group) + "\n";
    const int count = 1 + static_cast<int>(rng.Below(4));
    for (int i = 0; i < count; ++i) {
        const std::uint64_t other = rng.Below(static_cast<std::uint32_t>(u.TitleGroups()));
        out += std::string("  (") + rng.Pick(kRelations) + " " + u.Title(other) + ")\n";
    }
    // Links of one relation in a row stand in one column under their heading.
    for (int i = 0; IsFeatured(group) && i < 3; ++i)
        out += "  (references " + u.Title(rng.Below(static_cast<std::uint32_t>(u.TitleGroups()))) + ")\n";
    out += '\n';
    return true;
}

} // namespace listgen
