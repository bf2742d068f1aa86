// The list browsers' reads on a generated Trivia list (1 GiB by default), each beside a
// reference measured in the same run (best of five, after one untimed read that brings
// the file into the page cache):
//   - loading every title, against `wc -l` over the file (target <= 5x);
//   - the memory of the titles, against their text plus 16 bytes per title (target <= 1x);
//   - showing the last title's entry, against `grep -c -F -x "# <title>"` (LC_ALL=C,
//     target <= 1x);
//   - a title search over all titles (target <= 0.5 s), beside the load.
//
//   bench_browser [--bytes N] [--dir DIR] [--keep] [--file LIST]

#include "bench/BenchSupport.h"
#include "listdata/ListCatalog.h"
#include "listdata/ListFile.h"
#include "listdata/SearchPattern.h"
#include "shell/core/BrowserList.h"
#include "shell/core/TitleArena.h"
#include "tools/ListGenerator.h"

#include <cstdio>
#include <string>
#include <unistd.h>

using namespace shellcore;

using bench::Best;
using bench::Quoted;
using bench::Run;
using bench::Seconds;

int main(int argc, char** argv)
{
    const bench::Arguments arguments =
        bench::ParseArguments(argc, argv, "bench_browser [--bytes N] [--dir DIR] [--keep] [--file LIST]", true);
    bool keep = arguments.keep;
    const std::string& existing = arguments.file;
    std::string path = existing;
    if (existing.empty()) {
        path = arguments.dir + "/bench-Trivia-" + std::to_string(::getpid()) + ".list";
        listgen::GeneratorOptions options;
        options.targetBytes = arguments.bytes;
        const auto start = std::chrono::steady_clock::now();
        const listgen::ListFileInfo info = listgen::ListGenerator(options).WriteListTo(kTrivia, path);
        std::printf("generated %s: %llu bytes, %llu records in %.1f s\n", path.c_str(),
                    static_cast<unsigned long long>(info.bytes), static_cast<unsigned long long>(info.records),
                    Seconds(start));
    } else {
        keep = true;
    }
    const BrowserList& trivia = BrowserLists[kTriviaBrowser];
    const ListOpener open = [&path](CListFile& file, int listIndex) { return file.OpenPath(listIndex, path); };
    const std::string wc = "LC_ALL=C wc -l < " + Quoted(path) + " > /dev/null";
    Run(wc); // page cache

    CTitleArena titles;
    std::string message;
    // The first load also pays for the fresh memory it fills, as a browser opened once does.
    const double firstLoad = Best(1, [&] { message = LoadBrowserTitles(trivia, open, titles); });
    const double load = Best(5, [&] { message = LoadBrowserTitles(trivia, open, titles); });
    const double wcl = Best(5, [&] { Run(wc); });
    if (!message.empty() || titles.GetCount() == 0) {
        std::fprintf(stderr, "loading failed: %s\n", message.c_str());
        return 1;
    }
    std::size_t text = 0;
    for (std::size_t i = 0; i < titles.GetCount(); ++i)
        text += titles[i].size();
    const double memoryBound = static_cast<double>(text) + 16.0 * static_cast<double>(titles.GetCount());

    const std::string last(titles[titles.GetCount() - 1]);
    std::string entry;
    const double show = Best(5, [&] { entry = ShowBrowserEntry(trivia, open, last); });
    const std::string grep = "LC_ALL=C grep -c -F -x " + Quoted("# " + last) + " " + Quoted(path) + " > /dev/null";
    const double grepped = Best(5, [&] { Run(grep); });

    std::size_t hits = 0;
    const double search = Best(5, [&] {
        CSearchPattern pattern;
        pattern.SetTitlePattern("stranger");
        hits = 0;
        for (std::size_t i = 0; i < titles.GetCount(); ++i)
            hits += pattern.Match(kSearchWordBeginnings, titles[i].data()) ? 1 : 0;
    });

    std::printf("titles: %zu, text %.1f MB\n", titles.GetCount(), static_cast<double>(text) / 1e6);
    std::printf("load titles:       %6.3f s   wc -l:       %6.3f s   ratio %.2f (target <= 5)\n", load, wcl,
                load / wcl);
    std::printf("first load:        %6.3f s   wc -l:       %6.3f s   ratio %.2f\n", firstLoad, wcl, firstLoad / wcl);
    std::printf("titles memory:     %6.1f MB  text + 16 B/title: %6.1f MB   ratio %.2f (target <= 1)\n",
                static_cast<double>(titles.MemoryBytes()) / 1e6, memoryBound / 1e6,
                static_cast<double>(titles.MemoryBytes()) / memoryBound);
    std::printf("show last entry:   %6.3f s   grep -c -F -x: %6.3f s   ratio %.2f (target <= 1)  [%zu bytes]\n", show,
                grepped, show / grepped, entry.size());
    std::printf("search all titles: %6.3f s   (%zu hits; target <= 0.5 s; load %.3f s)\n", search, hits, load);
    if (!keep)
        std::remove(path.c_str());
    return 0;
}
