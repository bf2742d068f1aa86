// Get Information over a generated list set of about 3 GB (Actors about 1 GB): one title
// over every Movie/TV list and one person over every Cast/Crew list, each beside
// `grep -F -c` of the same text over the same files in the same run.
//
// usage: bench_search [DIR] [--gb N] [--actors-gb N]
// DIR (default /tmp/rv_bench_search) keeps the generated lists between runs. Beside each
// time stands the number of bytes the search read from the files, and grep's (all).

#include "BenchSupport.h"
#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "documents/SearchDocumentAdapter.h"
#include "listdata/ListCatalog.h"
#include "listdata/SearchEngine.h"
#include "listdata/SearchSink.h"
#include "tools/ListGenerator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class CountingSink : public ISearchSink {
public:
    void SetCaption(const std::string&) override {}
    void SetUpperStatus(const std::string&) override {}
    void SetLowerStatus(const std::string& text) override { lastLower = text; }
    void ClearStatusList() override {}
    void InsertStatusLine(int, const std::string& text) override
    {
        if (text.rfind("OK - ", 0) != 0)
            std::printf("  status: %s\n", text.c_str());
    }
    void SetProgressRange(int) override {}
    void StepProgress() override {}
    void Beep() override {}
    void DocumentChanged(ISearchDocument*) override {}
    void SearchDone() override {}
    void SearchStopped() override {}
    std::string lastLower;
};

std::vector<std::string> ListPaths(const std::string& dir, bool movieTV)
{
    std::vector<std::string> paths;
    for (int i = 0; i < kListCount; ++i)
        if (movieTV ? ListCatalog[i].useMovieTV : ListCatalog[i].useCastCrew)
            paths.push_back(dir + DefaultListFileName(i));
    return paths;
}

// Runs grep -F -c with its output discarded; returns the wall time.
double TimeGrep(const std::string& text, const std::vector<std::string>& paths)
{
    std::vector<std::string> args = {"grep", "-F", "-c", "--", text};
    args.insert(args.end(), paths.begin(), paths.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        execvp("grep", argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return Seconds(start);
}

void WarmCache(const std::vector<std::string>& paths)
{
    std::vector<char> buffer(1 << 20);
    for (const std::string& path : paths) {
        const int fd = open(path.c_str(), O_RDONLY);
        if (fd < 0)
            continue;
        while (read(fd, buffer.data(), buffer.size()) > 0) {
        }
        close(fd);
    }
}

// The key of the first record that begins after the middle of the file: a Movies line's
// title (an episode line gives its series' title) or a record's name.
std::string MiddleKey(const std::string& path, bool personList)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return {};
    std::fseek(f, static_cast<long>(std::filesystem::file_size(path) / 2), SEEK_SET);
    char line[4096];
    std::fgets(line, sizeof line, f);
    std::string key;
    while (key.empty() && std::fgets(line, sizeof line, f)) {
        std::string text(line);
        if (text.empty() || text[0] == '\t' || text[0] == ' ' || text[0] == '\n' || text[0] == '\r')
            continue;
        key = text.substr(0, text.find('\t'));
        if (!personList && key.back() == '}')
            key = key.substr(0, key.rfind(" {"));
    }
    std::fclose(f);
    return key;
}

std::uint64_t TotalBytes(const std::vector<std::string>& paths)
{
    std::uint64_t total = 0;
    for (const std::string& path : paths)
        total += std::filesystem::file_size(path);
    return total;
}

// Bytes this process has read from files so far (the kernel's count of read() bytes).
std::uint64_t BytesReadSoFar()
{
    unsigned long long bytes = 0;
    if (std::FILE* f = std::fopen("/proc/self/io", "r")) {
        char line[128];
        while (std::fgets(line, sizeof line, f))
            if (std::sscanf(line, "rchar: %llu", &bytes) == 1)
                break;
        std::fclose(f);
    }
    return bytes;
}

template <class Doc>
double TimeSearch(Doc& doc, const std::string& dir, bool movieTV, int& records, std::uint64_t& bytesRead)
{
    CAppSettings settings;
    settings.ListsPath = dir;
    std::array<SearchListChoice, kListCount> choices{};
    for (int i = 0; i < kListCount; ++i) {
        settings.Lists[i].FileName = DefaultListFileName(i);
        choices[i] = {movieTV, !movieTV};
    }
    CSearchDocumentAdapter adapter(doc);
    SearchRequest request;
    request.settings = SearchSettings::Take(settings, choices);
    request.documents.push_back(adapter.Entry(true));
    CountingSink sink;
    CSearchEngine engine(sink);
    engine.QueueDocuments(request);
    const std::uint64_t readBefore = BytesReadSoFar();
    const Clock::time_point start = Clock::now();
    engine.Run(request);
    const double seconds = Seconds(start);
    bytesRead = BytesReadSoFar() - readBefore;
    records = doc.GetRecords().GetCount();
    std::printf("  %s\n", sink.lastLower.c_str());
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::string dir = "/tmp/rv_bench_search/";
    double totalGb = 3.0, actorsGb = 1.0;
    bool dirGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--gb" && i + 1 < argc && bench::ParseAmount(argv[i + 1], totalGb)) {
            ++i;
        } else if (arg == "--actors-gb" && i + 1 < argc && bench::ParseAmount(argv[i + 1], actorsGb)) {
            ++i;
        } else if (!arg.empty() && arg[0] != '-' && !dirGiven) {
            dir = arg.back() == '/' ? arg : arg + "/";
            dirGiven = true;
        } else {
            std::fprintf(stderr, "usage: bench_search [DIR] [--gb N] [--actors-gb N]  (N in GB above 0; DIR "
                                 "default /tmp/rv_bench_search)\n");
            return 2;
        }
    }
    if (actorsGb >= totalGb) {
        std::fprintf(stderr, "bench_search: --actors-gb must be less than --gb\n");
        return 2;
    }
    bench::PrintMachine();
    std::filesystem::create_directories(dir);

    // One universe for every list (its size would otherwise follow each byte target), so
    // the lists talk about the same titles and people.
    listgen::GeneratorOptions options;
    options.seed = 11;
    const std::uint64_t actorsBytes = static_cast<std::uint64_t>(actorsGb * (1ull << 30));
    options.titles = actorsBytes / 40;
    options.people = actorsBytes / 60;
    options.targetBytes = actorsBytes;
    const listgen::ListGenerator actors(options);
    options.targetBytes = static_cast<std::uint64_t>((totalGb - actorsGb) * (1ull << 30) / (kListCount - 1));
    const listgen::ListGenerator others(options);
    // The Ratings tables cover the whole universe whatever the byte target, so that list
    // comes from a universe sized for its share.
    options.titles = options.targetBytes / 40;
    options.people = options.targetBytes / 60;
    const listgen::ListGenerator ratings(options);

    // Lists already there are kept (delete the folder after changing the sizes).
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kListCount; ++i) {
        if (std::filesystem::exists(dir + DefaultListFileName(i)))
            continue;
        std::printf("generating %s\n", DefaultListFileName(i).c_str());
        std::fflush(stdout);
        const listgen::ListGenerator& generator = i == kActors ? actors : (i == kRatings ? ratings : others);
        // Written under a temporary name so that an interrupted run leaves no short list.
        const listgen::ListFileInfo info = generator.WriteListTo(i, dir + ".partial");
        std::filesystem::rename(info.path, dir + DefaultListFileName(i));
    }
    std::printf("lists ready after %.1fs\n", Seconds(start));

    // A title from the middle of Movies and a person from the middle of Actors: the
    // title-keyed lists are then read about half-way, the people lists up to the middle.
    const std::string title = MiddleKey(dir + DefaultListFileName(kMovies), false);
    const std::string person = MiddleKey(dir + DefaultListFileName(kActors), true);

    const auto moviePaths = ListPaths(dir, true);
    const auto castPaths = ListPaths(dir, false);
    std::printf("Movie/TV lists: %zu files, %.2f GB; Cast/Crew lists: %zu files, %.2f GB\n", moviePaths.size(),
                TotalBytes(moviePaths) / 1e9, castPaths.size(), TotalBytes(castPaths) / 1e9);
    WarmCache(moviePaths);
    WarmCache(castPaths);

    const std::uint64_t movieBytes = TotalBytes(moviePaths);
    const std::uint64_t castBytes = TotalBytes(castPaths);
    double bestTitle = 1e30, bestPerson = 1e30;
    for (int round = 1; round <= 3; ++round) {
        std::printf("round %d\n", round);
        CRVMDoc movie;
        movie.SetMovieTitle(title);
        int records = 0;
        std::uint64_t bytesRead = 0;
        const double search = TimeSearch(movie, dir, true, records, bytesRead);
        const double grep = TimeGrep(title, moviePaths);
        std::printf("title  %-40s search %7.3fs (%d records, read %.2f GB)  grep -F -c %7.3fs (read %.2f GB)  "
                    "ratio %.2f\n",
                    title.c_str(), search, records, bytesRead / 1e9, grep, movieBytes / 1e9, search / grep);

        CRVCDoc cast;
        cast.SetPersonName(person);
        const double searchPerson = TimeSearch(cast, dir, false, records, bytesRead);
        const double grepPerson = TimeGrep(person, castPaths);
        std::printf("person %-40s search %7.3fs (%d records, read %.2f GB)  grep -F -c %7.3fs (read %.2f GB)  "
                    "ratio %.2f\n",
                    person.c_str(), searchPerson, records, bytesRead / 1e9, grepPerson, castBytes / 1e9,
                    searchPerson / grepPerson);
        bestTitle = std::min(bestTitle, search / grep);
        bestPerson = std::min(bestPerson, searchPerson / grepPerson);
    }
    std::printf("best ratio: title %.2f, person %.2f (targets <= 0.8)\n", bestTitle, bestPerson);
    return 0;
}
