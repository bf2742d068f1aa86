#pragma once
// The titles a view links to, for the Movie Links dialog: the targets of its title links,
// each once, in the order the text first shows them.

#include <string>
#include <vector>

class CRtfLinkTable;

namespace shellcore {

// The target of every title link (kind 0) of `links` whose target no earlier title link
// has (exact comparison), in table order. Links of the other kinds are passed over.
std::vector<std::string> DistinctTitleTargets(const CRtfLinkTable& links);

} // namespace shellcore
