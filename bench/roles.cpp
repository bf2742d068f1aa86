// The New Cast/Crew search over one person credited in many one-line Producers records:
// every find appends a role to the person's result line. The cost must grow linearly:
// the 100,000-record case at most 0.2 s, the 400,000-record case at most 4.5 times the
// 100,000-record case, both beside `wc -l` over the same files in the same run (best of
// three each).
//
//   bench_roles [records, default 100000]
//
// The lists are written into a temporary folder and removed afterwards.

#include "BenchSupport.h"
#include "listdata/AppSettings.h"
#include "listdata/ListCatalog.h"
#include "listdata/NameSearch.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using bench::Best;

// A list box's side of the search: a copy of every line it is shown.
class MirrorHost : public CNewDocumentSearch::IHost {
public:
    void ResultInserted(int index, const std::string& line) override
    {
        mirror.insert(mirror.begin() + index, line);
        ++redraws;
    }
    void ResultDeleted(int index) override { mirror.erase(mirror.begin() + index); }
    void ResultsCleared() override { mirror.clear(); }
    void SearchStatus(const std::string&, const std::string&) override {}
    void ShowError(const std::string& message) override { std::fprintf(stderr, "%s\n", message.c_str()); }
    void ShowOverflow(const std::string&) override {}
    void PumpMessages() override {}

    std::vector<std::string> mirror;
    long redraws = 0;
};

std::string HeaderBlock(int listIndex)
{
    const std::string header = ListCatalog[listIndex].header;
    return "CRC: 0x00000000  Date: Fri Nov 30 00:00:00 2001\n\n" + header + "\n" + std::string(header.size(), '=') +
           "\n\nName\t\t\tTitles\n----\t\t\t------\n";
}

// The eight lists of "Other Crew"; Producers credits one person `records` times.
void WriteLists(const std::string& dir, long records)
{
    for (int entry = 3; entry < CNameSearch::kPersonListCount; ++entry) {
        const int list = CNameSearch::PersonLists[entry].listIndex;
        std::FILE* file = std::fopen((dir + DefaultListFileName(list)).c_str(), "wb");
        std::fputs(HeaderBlock(list).c_str(), file);
        for (long i = 0; list == kProducers && i < records; ++i)
            std::fprintf(file, "Pole, Pat\t\tFilm %07ld (2001)\n\n", i);
        std::fputs("-----------------------------------------------------------------------------\n", file);
        std::fclose(file);
    }
}

struct Figures {
    double search;
    double wc;
    std::size_t lineLength;
    long redraws;
};

Figures Measure(long records)
{
    const std::string dir = (std::filesystem::temp_directory_path() / "rv_bench_roles/").string();
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    WriteLists(dir, records);
    CAppSettings settings;
    settings.ListsPath = dir;
    for (int i = 0; i < kListCount; ++i)
        settings.Lists[i].FileName = DefaultListFileName(i);

    Figures figures{};
    figures.search = Best([&] {
        MirrorHost host;
        CNameSearch search(&host);
        search.SetSearchType(kSearchWholeWords);
        CNameSearch::ListSelection crew;
        crew.otherCrew = true;
        search.Run(settings, "Pole", false, crew);
        if (search.Results().size() != 1 || host.mirror != search.Results()) {
            std::fprintf(stderr, "unexpected result lines\n");
            std::exit(1);
        }
        figures.lineLength = search.Results()[0].size();
        figures.redraws = host.redraws;
    });
    std::string command = "wc -l";
    for (int entry = 3; entry < CNameSearch::kPersonListCount; ++entry)
        command += " '" + settings.ListFilePath(CNameSearch::PersonLists[entry].listIndex) + "'";
    command += " > /dev/null";
    figures.wc = Best([&] {
        if (std::system(command.c_str()) != 0)
            std::exit(1);
    });
    std::filesystem::remove_all(dir);
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    std::uint64_t count = 100000;
    if (argc > 2 || (argc == 2 && !bench::ParseCount(argv[1], count))) {
        std::fprintf(stderr, "usage: bench_roles [records]\n");
        return 2;
    }
    const long records = static_cast<long>(count);
    bench::PrintMachine();
    const Figures small = Measure(records);
    const Figures large = Measure(4 * records);
    std::printf("%7ld records: search %.3f s (line of %zu bytes, %ld redraws), wc -l %.3f s, ratio %.2f (target: "
                "search <= 0.2 s)\n",
                records, small.search, small.lineLength, small.redraws, small.wc, small.search / small.wc);
    std::printf("%7ld records: search %.3f s (line of %zu bytes, %ld redraws), wc -l %.3f s, ratio %.2f\n",
                4 * records, large.search, large.lineLength, large.redraws, large.wc, large.search / large.wc);
    std::printf("4x the records: %.2f x the time (target <= 4.5)\n", large.search / small.search);
    return 0;
}
