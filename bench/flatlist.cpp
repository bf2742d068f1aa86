// A Movies list of 256 MB with CR-only line ends (one line, as the reader's rules read
// it) searched by Get Information and by the New Movie/TV Document search, each beside
// `wc -l` over the same file in the same run (best of three each), with the peak memory
// each takes above what the process held before it. Targets: within 2x `wc -l`, under
// 32 MB above the start.
//
//   bench_flatlist [megabytes, default 256] [--dir DIR]
//
// The list is written to DIR (default the system's temporary folder) and removed
// afterwards.

#include "BenchSupport.h"
#include "documents/RVMDoc.h"
#include "documents/SearchDocumentAdapter.h"
#include "listdata/ListCatalog.h"
#include "listdata/SearchEngine.h"
#include "listdata/SearchSink.h"
#include "listdata/TitleSearch.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Resident and peak resident kilobytes of this process.
long StatusKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::strtol(line.c_str() + std::char_traits<char>::length(field), nullptr, 10);
    return -1;
}

struct Run {
    double best = 1e30;
    long peakKb = 0; // the largest peak above the resident size at the start of a run
};

// Best of three runs of `work`, and its peak memory: the peak resident size is reset
// before each run.
template <class F> Run Measure(F work)
{
    Run run;
    for (int i = 0; i < 3; ++i) {
        std::ofstream("/proc/self/clear_refs") << "5";
        const long start = StatusKb("VmRSS:");
        const auto begin = std::chrono::steady_clock::now();
        work();
        run.best = std::min(run.best, bench::Seconds(begin));
        run.peakKb = std::max(run.peakKb, StatusKb("VmHWM:") - start);
    }
    return run;
}

class StatusSink : public ISearchSink {
public:
    void SetCaption(const std::string&) override {}
    void SetUpperStatus(const std::string&) override {}
    void SetLowerStatus(const std::string&) override {}
    void ClearStatusList() override {}
    void InsertStatusLine(int, const std::string& text) override { line = text; }
    void SetProgressRange(int) override {}
    void StepProgress() override {}
    void Beep() override {}
    void DocumentChanged(ISearchDocument*) override {}
    void SearchDone() override {}
    void SearchStopped() override {}
    std::string line;
};

class ErrorHost : public CNewDocumentSearch::IHost {
public:
    void ResultInserted(int, const std::string&) override {}
    void ResultDeleted(int) override {}
    void ResultsCleared() override {}
    void SearchStatus(const std::string&, const std::string&) override {}
    void ShowError(const std::string& message) override { error = message; }
    void ShowOverflow(const std::string&) override {}
    void PumpMessages() override {}
    std::string error;
};

void WriteFlatMovies(const std::string& path, std::uint64_t bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::string text = "CRC: 0x00000000  Date: Fri Nov 30 00:00:00 2001\r\rMOVIES LIST\r===========\r\r";
    std::uint64_t written = 0;
    char line[64];
    for (long i = 0; written < bytes; ++i) {
        const int n = std::snprintf(line, sizeof line, "Film %09ld (2001)\t\t\t\t2001\r", i);
        text.append(line, static_cast<std::size_t>(n));
        if (text.size() >= (1u << 20)) {
            written += std::fwrite(text.data(), 1, text.size(), file);
            text.clear();
        }
    }
    written += std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

} // namespace

int main(int argc, char** argv)
{
    std::uint64_t megabytes = 256;
    std::string dir = std::filesystem::temp_directory_path().string();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dir" && i + 1 < argc)
            dir = argv[++i];
        else if (!bench::ParseCount(argv[i], megabytes)) {
            std::fprintf(stderr, "usage: bench_flatlist [megabytes] [--dir DIR]\n");
            return 2;
        }
    }
    const std::string folder = dir + "/rv_bench_flatlist/";
    std::filesystem::create_directories(folder);
    CAppSettings settings;
    settings.ListsPath = folder;
    for (int i = 0; i < kListCount; ++i)
        settings.Lists[i].FileName = DefaultListFileName(i);
    const std::string path = settings.ListFilePath(kMovies);
    WriteFlatMovies(path, megabytes << 20);
    std::printf("%s: %llu bytes, CR-only line ends\n", path.c_str(),
                static_cast<unsigned long long>(std::filesystem::file_size(path)));

    bench::PrintMachine();
    const std::string wcCommand = "wc -l < '" + path + "' > /dev/null";
    const Run wc = Measure([&] {
        if (std::system(wcCommand.c_str()) != 0)
            std::exit(1);
    });

    StatusSink sink;
    const Run engine = Measure([&] {
        CRVMDoc doc;
        doc.SetMovieTitle("Film 000000001 (2001)");
        CSearchDocumentAdapter adapter(doc);
        std::array<SearchListChoice, kListCount> choices{};
        choices[kMovies].movieTV = true;
        SearchRequest request;
        request.documents = {adapter.Entry(true)};
        request.settings = SearchSettings::Take(settings, choices);
        CSearchEngine search(sink);
        search.QueueDocuments(request);
        search.Run(request);
    });

    ErrorHost host;
    const Run titles = Measure([&] {
        CTitleSearch search(&host);
        search.Run(settings, "film", false);
    });

    std::printf("wc -l:                  %.3f s\n", wc.best);
    std::printf("Get Information:        %.3f s, ratio %.2f (target <= 2), peak %ld kB above the start (target < "
                "32768), status \"%s\"\n",
                engine.best, engine.best / wc.best, engine.peakKb, sink.line.c_str());
    std::printf("New Movie/TV Document:  %.3f s, ratio %.2f (target <= 2), peak %ld kB above the start, box \"%s\"\n",
                titles.best, titles.best / wc.best, titles.peakKb, host.error.c_str());
    std::filesystem::remove_all(folder);
    return 0;
}
