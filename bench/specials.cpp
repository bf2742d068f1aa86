// The Specials and the Ratings browser over generated 1 GiB lists, each figure beside a
// reference measured in the same run over the same file (best of five each, after one
// untimed read that brings the file into the page cache):
//   Birthdays and Deaths on one day      against LC_ALL=C grep -c -F 'DB: <d> <Month> ' ('DD: ')
//   the Ratings browser's titles         against wc -l
//   Top 250 and Bottom 10                 (only the head of the list is read)
//
//   bench_specials [--bytes N] [--dir DIR] [--keep]
//
// The lists are written to DIR (default /tmp) and deleted afterwards unless --keep. grep's
// count goes to a file: with its output on /dev/null grep stops at the first match.

#include "listdata/ListFile.h"
#include "shell/core/DateSearch.h"
#include "shell/core/RatingsTables.h"
#include "tools/ListGenerator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>

using namespace shellcore;

namespace {

double Seconds(const std::chrono::steady_clock::time_point& start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Best(int rounds, const std::function<void()>& run)
{
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        best = std::min(best, Seconds(start));
    }
    return best;
}

void Shell(const std::string& command)
{
    if (std::system(command.c_str()) < 0) {
        std::fprintf(stderr, "cannot run %s\n", command.c_str());
        std::exit(1);
    }
}

void Report(const char* what, double ours, const char* reference, double theirs, double target)
{
    std::printf("%-34s %7.3f s   %-44s %7.3f s   ratio %5.2f (target <= %.1f)\n", what, ours, reference, theirs,
                ours / theirs, target);
}

CListFile& Opened(CListFile& file, int list, const std::string& path)
{
    if (!file.OpenPath(list, path)) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        std::exit(1);
    }
    return file;
}

} // namespace

int main(int argc, char** argv)
{
    std::uint64_t bytes = 1ull << 30;
    std::string dir = "/tmp";
    bool keep = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--bytes" && i + 1 < argc)
            bytes = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--dir" && i + 1 < argc)
            dir = argv[++i];
        else if (arg == "--keep")
            keep = true;
        else {
            std::fprintf(stderr, "usage: bench_specials [--bytes N] [--dir DIR] [--keep]\n");
            return 2;
        }
    }
    const std::string folder = dir + "/bench-specials-" + std::to_string(::getpid()) + "/";
    Shell("mkdir -p '" + folder + "'");
    listgen::GeneratorOptions options;
    options.targetBytes = bytes;
    const listgen::ListGenerator generator(options);
    for (int list : {kBiographies, kRatings}) {
        const auto start = std::chrono::steady_clock::now();
        const listgen::ListFileInfo info = generator.WriteList(list, folder);
        std::printf("generated %s: %llu bytes in %.1f s\n", info.path.c_str(),
                    static_cast<unsigned long long>(info.bytes), Seconds(start));
    }
    const std::string biographies = folder + DefaultListFileName(kBiographies);
    const std::string ratings = folder + DefaultListFileName(kRatings);
    Shell("cat '" + biographies + "' '" + ratings + "' > /dev/null");
    Shell("uptime");

    // 5 May: a day the generated dates (days 1-28) hold.
    const DateSearchQuery query{{5, 5, 2024}, 0, true};
    std::uint64_t births = 0, deaths = 0;
    auto search = [&](bool died) {
        CListFile file;
        Opened(file, kBiographies, biographies).FindStart();
        std::uint64_t& count = died ? deaths : births;
        count = 0;
        auto row = [&](const DateSearchRow&) { ++count; };
        died ? SearchDeaths(file, query, row) : SearchBirthdays(file, query, row);
    };
    for (bool died : {false, true}) {
        const std::string pattern = died ? "DD: 5 May " : "DB: 5 May ";
        const double ours = Best(5, [&] { search(died); });
        const double grep = Best(
            5, [&] { Shell("LC_ALL=C grep -c -F '" + pattern + "' '" + biographies + "' > '" + folder + "count'"); });
        Report(died ? "Deaths on 5 May" : "Birthdays on 5 May", ours, ("grep -c -F '" + pattern + "'").c_str(), grep,
               2.5);
    }
    std::printf("  rows: %llu births, %llu deaths\n", static_cast<unsigned long long>(births),
                static_cast<unsigned long long>(deaths));

    std::uint64_t titles = 0, titleBytes = 0;
    const double load = Best(5, [&] {
        CListFile file;
        titles = titleBytes = 0;
        ReadRatingsTitles(Opened(file, kRatings, ratings), [&](std::string_view t) {
            ++titles;
            titleBytes += t.size();
        });
    });
    const double wc = Best(5, [&] { Shell("wc -l < '" + ratings + "' > /dev/null"); });
    Report("Ratings browser titles", load, "wc -l", wc, 5.0);
    std::printf("  %llu titles, %llu bytes of title text\n", static_cast<unsigned long long>(titles),
                static_cast<unsigned long long>(titleBytes));

    for (RatingsTable table : {RatingsTable::Top, RatingsTable::Bottom}) {
        std::size_t rows = 0;
        const double read = Best(5, [&] {
            CListFile file;
            std::vector<RankedTitle> ranked;
            ReadRankedTitles(Opened(file, kRatings, ratings), table, ranked);
            rows = ranked.size();
        });
        std::printf("%-34s %7.1f ms  (%zu rows; target <= 100 ms shown)\n",
                    table == RatingsTable::Top ? "Top 250 read" : "Bottom 10 read", read * 1000, rows);
    }
    if (!keep)
        Shell("rm -rf '" + folder + "'");
    return 0;
}
