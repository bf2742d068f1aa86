// The Specials and the Ratings browser on generated 1 GiB Biographies and Ratings lists,
// offscreen, each figure beside a reference measured in the same run over the same file
// (best of five, after one untimed read that brings the files into the page cache):
//   - Birthdays and Deaths on one day, the dialogs' Start Search with their rows shown,
//     against LC_ALL=C grep -c -F 'DB: <d> <Month> ' ('DD: ') (target <= 2.5x);
//   - the Ratings browser's titles (third table) loaded, against wc -l (target <= 5x),
//     and their memory against their text plus 16 bytes per title (target <= 1x);
//   - Top 250 and Bottom 10 made and shown (target <= 100 ms: only the head is read),
//     beside wc -l over the whole file;
//   - 50,000 rows filled into the sortable list, sorted by a text column and shown
//     (target <= 0.5 s), beside a plain sort of the same texts.
//
//   bench_specials [--bytes N] [--dir DIR] [--keep]

#include "bench/BenchSupport.h"
#include "listdata/AppSettings.h"
#include "listdata/ListFile.h"
#include "platform/SortKeys.h"
#include "platform/qt/SortListCtrl.h"
#include "shell/core/RatingsTables.h"
#include "shell/core/TitleArena.h"
#include "shell/specials/DateSearchDlg.h"
#include "shell/specials/RankedTitlesDlg.h"
#include "tools/ListGenerator.h"

#include <QApplication>
#include <QDateEdit>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

using bench::Best;
using bench::Run;
using bench::Seconds;

namespace {

void Ratio(const char* what, double ours, const char* reference, double theirs, double target)
{
    std::printf("%-30s %7.3f s   %-30s %7.3f s   ratio %5.2f (target <= %.1f)\n", what, ours, reference, theirs,
                ours / theirs, target);
}

// A date search in its dialog, shown, for `day`; the rows found.
template <class Dialog> int Search(const CAppSettings& settings, const QDate& day, double& seconds)
{
    Dialog dialog(settings);
    dialog.picker->setDate(day);
    dialog.show();
    QApplication::processEvents();
    seconds = Best(5, [&] {
        dialog.OnStartSearch();
        QApplication::processEvents();
    });
    return dialog.list->GetItemCount();
}

template <class Dialog> int ShowRanked(const CAppSettings& settings, double& seconds)
{
    int rows = 0;
    seconds = Best(5, [&] {
        Dialog dialog(settings);
        dialog.show();
        QApplication::processEvents();
        rows = dialog.list->GetItemCount();
    });
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const bench::Arguments arguments =
        bench::ParseArguments(argc, argv, "bench_specials [--bytes N] [--dir DIR] [--keep]");
    const std::string lists = bench::ListsFolder(arguments, "specials");
    listgen::GeneratorOptions options;
    options.targetBytes = arguments.bytes;
    const listgen::ListGenerator generator(options);
    CAppSettings settings;
    settings.ListsPath = lists;
    for (int list : {kBiographies, kRatings}) {
        const auto start = std::chrono::steady_clock::now();
        const listgen::ListFileInfo info = generator.WriteList(list, lists);
        settings.Lists[list].FileName = DefaultListFileName(list);
        std::printf("generated %s: %llu bytes in %.1f s\n", info.path.c_str(),
                    static_cast<unsigned long long>(info.bytes), Seconds(start));
    }
    const std::string biographies = lists + DefaultListFileName(kBiographies);
    const std::string ratings = lists + DefaultListFileName(kRatings);
    Run("cat '" + biographies + "' '" + ratings + "' > /dev/null");
    bench::PrintMachine();

    // 5 May: the generated dates have days 1-28. grep's count goes to a file: with its
    // output on /dev/null grep stops at the first match.
    const QDate day(2024, 5, 5);
    double births = 0, deaths = 0;
    const int birthRows = Search<CBirthdaysDlg>(settings, day, births);
    const int deathRows = Search<CDeathsDlg>(settings, day, deaths);
    const std::string count = " '" + biographies + "' > '" + lists + "count'";
    const double grepBirths = Best(5, [&] { Run("LC_ALL=C grep -c -F 'DB: 5 May '" + count); });
    const double grepDeaths = Best(5, [&] { Run("LC_ALL=C grep -c -F 'DD: 5 May '" + count); });
    Ratio("Birthdays on 5 May", births, "grep -c -F 'DB: 5 May '", grepBirths, 2.5);
    Ratio("Deaths on 5 May", deaths, "grep -c -F 'DD: 5 May '", grepDeaths, 2.5);
    std::printf("  rows: %d births, %d deaths\n", birthRows, deathRows);

    shellcore::CTitleArena titles;
    const shellcore::ListOpener open = [&](CListFile& file, int list) { return file.OpenPath(list, ratings); };
    const double load = Best(5, [&] { shellcore::LoadRatingsTitles(open, titles); });
    const double wc = Best(5, [&] { Run("LC_ALL=C wc -l < '" + ratings + "' > /dev/null"); });
    std::size_t text = 0;
    for (std::size_t i = 0; i < titles.GetCount(); ++i)
        text += titles[i].size();
    const double bound = static_cast<double>(text) + 16.0 * static_cast<double>(titles.GetCount());
    Ratio("Ratings browser titles", load, "wc -l", wc, 5.0);
    std::printf("%-30s %7.1f MB  text + 16 B per title           %7.1f MB  ratio %5.2f (target <= 1.0)\n",
                "  their memory", static_cast<double>(titles.MemoryBytes()) / 1e6, bound / 1e6,
                static_cast<double>(titles.MemoryBytes()) / bound);
    titles.Clear();
    // The same read without keeping the titles: what keeping them costs. Where page faults
    // are dear (virtual machines), the first write of the memory they take can outweigh
    // the reading.
    std::size_t read = 0;
    const double readOnly = Best(5, [&] {
        CListFile file;
        open(file, kRatings);
        file.FindStart();
        file.FindNextRatingsTable();
        file.FindNextRatingsTable();
        for (read = 0; file.NextRecord();)
            read +=
                shellcore::ParseRatingsLine({file.GetLine(), std::size_t(file.GetLineLength())}).title.empty() ? 0 : 1;
    });
    Ratio("  the same read, titles not kept", readOnly, "wc -l", wc, 5.0);
    std::printf("  %zu titles\n", read);

    double top = 0, bottom = 0;
    const int topRows = ShowRanked<CTop250Dlg>(settings, top);
    const int bottomRows = ShowRanked<CBottom10Dlg>(settings, bottom);
    std::printf("%-30s %7.1f ms  (%d rows; target <= 100 ms; wc -l over the file %.0f ms)\n", "Top 250 shown",
                top * 1e3, topRows, wc * 1e3);
    std::printf("%-30s %7.1f ms  (%d rows; target <= 100 ms)\n", "Bottom 10 shown", bottom * 1e3, bottomRows);

    // 50,000 rows of names and numbers, as a large name list of the Specials might hold.
    const listgen::Universe& people = generator.GetUniverse();
    std::vector<platform::CSortListCtrl::Row> rows(50000);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string name = people.PersonName(people.People() - 1 - i * 7919 % people.People());
        rows[i] = {{std::to_string(1900 + i % 100), std::to_string(i % 97), name, "Somewhere, Else", name},
                   static_cast<std::intptr_t>(i)};
    }
    const double fill = Best(5, [&] {
        platform::CSortListCtrl list;
        for (int c = 0; c < 5; ++c)
            list.InsertColumn(c, "Column", platform::CSortListCtrl::FormatLeft, 100, c < 2, true);
        list.resize(800, 500);
        list.AddRows(rows);
        list.SortColumn(2);
        list.show();
        QApplication::processEvents();
    });
    std::vector<std::string> names;
    const double plain = Best(5, [&] {
        names.clear();
        for (const auto& row : rows)
            names.push_back(row.cells[2]);
        std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
            return platform::CompareTextNoCase(a, b) < 0;
        });
    });
    std::printf("%-30s %7.3f s   (target <= 0.5 s; a plain sort of the names %.3f s)\n", "50,000 rows filled, sorted",
                fill, plain);
    if (!arguments.keep)
        std::filesystem::remove_all(lists);
    return 0;
}
