#pragma once
// The links of one view's text: character ranges of the rich-text control and what each
// link leads to. Filled by CRtfWriter during a rebuild; read by the view's hit test, its
// link commands and the Movie Links dialog.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class RtfLinkKind : std::int32_t {
    Title = 0,         // a list title (builders and title cross-references)
    Name = 1,          // a person key from a credit list
    NameReference = 2, // a name written with "(qv)" in running text
    WebAddress = 3,
};

struct RtfLink {
    std::int32_t start = 0; // position of the first character
    std::int32_t end = 0;   // position just behind the last character
    RtfLinkKind kind = RtfLinkKind::Title;
    std::string display; // the text shown
    std::string target;  // what a link command works on: a title or name key, or a web address
    std::string alt;     // a second text for the link (the display text when none was given)
};

class CRtfLinkTable {
public:
    void Add(RtfLinkKind kind, std::int32_t start, std::int32_t end, std::string_view display, std::string_view target,
             std::string_view alt);
    void RemoveAll();
    // A copy of link i; it owns its texts, so it stays valid across the next rebuild.
    // Throws std::out_of_range for an index outside [0, GetCount()).
    RtfLink GetAt(int index) const;
    int GetCount() const { return static_cast<int>(m_links.size()); }
    // Index of the link whose range [start, end) holds `position`, the last one added when
    // several do; -1 for none. Logarithmic in the number of links when they were added in
    // order of their starts, as a rebuild adds them.
    int FindAt(std::int32_t position) const;

private:
    std::vector<RtfLink> m_links;
    // Per link, the largest end of it and every link before it (the search's stop rule),
    // and whether the starts never decreased.
    std::vector<std::int32_t> m_maxEnd;
    bool m_ordered = true;
};
