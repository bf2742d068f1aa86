#include "documents/RtfLinkTable.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

struct FindCase {
    const char* name;
    std::vector<std::pair<int, int>> ranges; // [start, end) in the order added
    int position;
    int expected;
};

CRtfLinkTable TableOf(const std::vector<std::pair<int, int>>& ranges)
{
    CRtfLinkTable table;
    for (const auto& [start, end] : ranges)
        table.Add(RtfLinkKind::Title, start, end, "d", "t", "a");
    return table;
}

} // namespace

TEST(RtfLinkTable, FindAtGivesTheLastLinkHoldingThePosition)
{
    const FindCase cases[] = {
        {"empty table", {}, 0, -1},
        {"first character", {{5, 9}, {12, 20}}, 5, 0},
        {"last character", {{5, 9}, {12, 20}}, 8, 0},
        {"just behind a link", {{5, 9}, {12, 20}}, 9, -1},
        {"before every link", {{5, 9}, {12, 20}}, 4, -1},
        {"behind every link", {{5, 9}, {12, 20}}, 20, -1},
        {"second link", {{5, 9}, {12, 20}}, 15, 1},
        {"adjacent links meet", {{0, 4}, {4, 8}}, 4, 1},
        {"an empty link holds nothing", {{3, 3}, {3, 6}}, 3, 1},
        // A long link around a later short one: the short one wins inside it, the long one
        // behind it, however many links lie between.
        {"nested, inside the later", {{0, 100}, {10, 12}, {20, 22}, {30, 32}}, 11, 1},
        {"nested, behind the later ones", {{0, 100}, {10, 12}, {20, 22}, {30, 32}}, 50, 0},
        {"same range twice", {{2, 6}, {2, 6}}, 4, 1},
        {"added out of order", {{20, 30}, {0, 10}, {5, 25}}, 7, 2},
        {"added out of order, none", {{20, 30}, {0, 10}}, 15, -1},
    };
    for (const FindCase& c : cases) {
        const CRtfLinkTable table = TableOf(c.ranges);
        EXPECT_EQ(table.FindAt(c.position), c.expected) << c.name;
    }
}

TEST(RtfLinkTable, FindAtFollowsRemoveAll)
{
    CRtfLinkTable table = TableOf({{20, 30}, {0, 10}});
    table.RemoveAll();
    EXPECT_EQ(table.FindAt(25), -1);
    table.Add(RtfLinkKind::Name, 0, 4, "d", "t", "a");
    table.Add(RtfLinkKind::Name, 6, 9, "d", "t", "a");
    EXPECT_EQ(table.FindAt(7), 1);
    EXPECT_EQ(table.FindAt(5), -1);
}
