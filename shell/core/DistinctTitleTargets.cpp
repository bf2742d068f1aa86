#include "shell/core/DistinctTitleTargets.h"

#include "documents/RtfLinkTable.h"

#include <string_view>
#include <unordered_set>

namespace shellcore {

std::vector<std::string> DistinctTitleTargets(const CRtfLinkTable& links)
{
    std::vector<std::string> titles;
    // Keys view the strings of `titles`' elements: reserved first, so none moves.
    titles.reserve(static_cast<std::size_t>(links.GetCount()));
    std::unordered_set<std::string_view> seen;
    for (int i = 0; i < links.GetCount(); ++i) {
        RtfLink link = links.GetAt(i);
        if (link.kind != RtfLinkKind::Title || seen.count(link.target) != 0)
            continue;
        titles.push_back(std::move(link.target));
        seen.insert(titles.back());
    }
    return titles;
}

} // namespace shellcore
