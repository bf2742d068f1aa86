// Lines that only the featured film and series get, so that their documents hold every
// kind of line the views show: marked cross-references, every laserdisc field, a
// business line without a prefix, links of one relation in a row.

#include "tools/ListShapes.h"

namespace listgen {

bool IsFeatured(std::uint64_t group)
{
    return group < 2;
}

std::string MarkedName(const Universe& u, Rng& rng)
{
    return "'" + u.PersonName(rng.Below(static_cast<std::uint32_t>(u.People()))) + "' (qv)";
}

std::string MarkedTitle(const Universe& u, Rng& rng)
{
    return "_" + u.Title(rng.Below(static_cast<std::uint32_t>(u.TitleGroups()))) + "_ (qv)";
}

void AppendFeaturedDiscFields(std::uint64_t group, int disc, std::string& out)
{
    if (disc > 0) {
        // A mono disc without supplements.
        out += "AL: Mono\nAR: -\nSL: -\nQP: 6\n";
        return;
    }
    out += group == 0 ? "AL: Stereo (left)\nAR: Stereo (right)\n" : "AL: -\nAR: Stereo\n";
    out += "PP: Pioneer Video Manufacturing, Carson\n";
    out += "DF: CLV\n";
    out += "PF: 1.85:1\n";
    out += "CS: 28\n";
    out += "QP: 8\n";
    out += "SL: theatrical trailer; behind-the-scenes featurette\n";
    out += "SL: with the cast; commentary by the director\n";
    out += "RV: A clean transfer of a film that waited long for one.\n";
    out += "RV: The sound is clear, the colours a little warm.\n";
    out += "IN: Pressed in two runs.\n";
    out += "IN: \n";
    out += "IN: The second run corrects the chapter list.\n";
}

} // namespace listgen
