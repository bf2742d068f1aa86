// The rows of the four Specials dialogs for the generated sample lists, read by the core
// alone, against the golden file written from the dialogs themselves (tests/gui
// tst_Specials keeps the dialogs to it as well).

#include "shell/core/DateSearch.h"
#include "shell/core/RatingsTables.h"
#include "support/SampleLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

using namespace shellcore;

namespace {

void AppendRow(std::string& text, const std::vector<std::string>& cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i)
        text += (i > 0 ? "\t" : "") + cells[i];
    text += '\n';
}

std::string RankedRows(const ListOpener& open, RatingsTable table)
{
    std::vector<RankedTitle> rows;
    EXPECT_EQ(LoadRankedTitles(open, table, rows), "");
    // The Bottom 10 dialog shows rank 1 first; its ranks count down in file order.
    if (table == RatingsTable::Bottom)
        std::stable_sort(rows.begin(), rows.end(),
                         [](const RankedTitle& a, const RankedTitle& b) { return a.rank < b.rank; });
    std::string text;
    for (RankedTitle& row : rows)
        AppendRow(text, RankedTitleCells(std::move(row)));
    return text;
}

} // namespace

TEST(Specials, GeneratedListsGiveTheGoldenRows)
{
    const std::string golden = testsupport::ReadFile(testsupport::SpecialsRowsGoldenPath());
    ASSERT_FALSE(golden.empty());
    for (const bool hostile : {false, true}) {
        SCOPED_TRACE(hostile ? "CR LF and hostile lines" : "sample lists");
        testsupport::TempDir dir;
        const CAppSettings settings = testsupport::WriteSampleLists(dir.Path(), {kRatings, kBiographies}, hostile);
        const ListOpener open = OpenBySettings(settings);

        std::string text = "Top 250 Movies\n" + RankedRows(open, RatingsTable::Top);
        text += "Bottom 10 Movies\n" + RankedRows(open, RatingsTable::Bottom);
        using namespace std::chrono;
        for (sys_days day = year{2024} / January / 1; day < sys_days(year{2025} / January / 1); day += days{1}) {
            const year_month_day date(day);
            const DateSearchQuery query{{int(unsigned(date.day())), int(unsigned(date.month())), int(date.year())},
                                        settings.NameOutput,
                                        settings.RemoveNameNumber != 0};
            for (const auto& [kind, caption] :
                 {std::pair(DateSearchKind::Births, "Birthdays"), std::pair(DateSearchKind::Deaths, "Deaths")}) {
                std::string rows;
                EXPECT_EQ(SearchBiographies(
                              open, kind, query, [] {},
                              [&rows](const DateSearchRow& row) { AppendRow(rows, DateSearchCells(row)); }),
                          "");
                if (!rows.empty())
                    text += std::string(caption) + " " + std::to_string(query.picked.day) + " " +
                            std::to_string(query.picked.month) + " 2024\n" + rows;
            }
        }
        EXPECT_EQ(text, golden);
    }
}
