// Walks a generated Actors list with NextRecord/NextLine and compares the time with
// `wc -l` over the same file, measured in the same run (best of five each, after one
// untimed read that brings the file into the page cache).
//
//   bench_ListWalk [--bytes N] [--dir DIR] [--keep] [--file LIST]
//
// The list is written to DIR (default /tmp) and deleted afterwards unless --keep;
// --file walks an existing Actors list instead. RV_VECTOR_LEVEL=sse2 (or avx2) measures
// a narrower path of the reader's scans.

#include "BenchSupport.h"
#include "listdata/ListFile.h"
#include "tools/ListGenerator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double Seconds(const std::chrono::steady_clock::time_point& start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// User + system time of this process (`who` RUSAGE_SELF) or of its waited-for children.
double CpuSeconds(int who)
{
    rusage usage{};
    ::getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct WalkResult {
    std::uint64_t records = 0;
    std::uint64_t lines = 0;
    std::uint64_t checksum = 0; // keeps the reads from being optimised away
};

WalkResult Walk(const std::string& path)
{
    WalkResult r;
    CListFile reader;
    if (!reader.OpenPath(kActors, path) || !reader.FindStart()) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        std::exit(1);
    }
    while (reader.NextRecord()) {
        ++r.records;
        r.checksum += static_cast<unsigned char>(reader.GetLine()[0]);
        while (reader.NextLine()) {
            ++r.lines;
            r.checksum += static_cast<unsigned char>(reader.GetLine()[3]);
        }
    }
    return r;
}

// Wall and CPU seconds of `wc -l` over the file (the shell that starts it costs ~1 ms).
double TimeWcL(const std::string& path, double* cpu = nullptr)
{
    const std::string command = "wc -l < '" + path + "' > /dev/null";
    const double cpuBefore = CpuSeconds(RUSAGE_CHILDREN);
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "wc -l failed\n");
        std::exit(1);
    }
    const double wall = Seconds(start);
    if (cpu)
        *cpu = CpuSeconds(RUSAGE_CHILDREN) - cpuBefore;
    return wall;
}


} // namespace

int main(int argc, char** argv)
{
    std::uint64_t bytes = 1ull << 30;
    std::string dir = "/tmp";
    bool keep = false;
    std::string existing;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--bytes" && i + 1 < argc && bench::ParseCount(argv[i + 1], bytes))
            ++i;
        else if (arg == "--dir" && i + 1 < argc)
            dir = argv[++i];
        else if (arg == "--keep")
            keep = true;
        else if (arg == "--file" && i + 1 < argc)
            existing = argv[++i];
        else {
            std::fprintf(stderr, "usage: bench_ListWalk [--bytes N] [--dir DIR] [--keep] [--file LIST]\n");
            return 2;
        }
    }
    std::string path = existing;
    auto start = std::chrono::steady_clock::now();
    if (existing.empty()) {
        path = dir + "/bench-Actors-" + std::to_string(::getpid()) + ".list";
        listgen::GeneratorOptions options;
        options.targetBytes = bytes;
        const listgen::ListFileInfo info = listgen::ListGenerator(options).WriteListTo(kActors, path);
        std::printf("generated %s: %llu bytes, %llu records in %.2f s\n", path.c_str(),
                    static_cast<unsigned long long>(info.bytes), static_cast<unsigned long long>(info.records),
                    Seconds(start));
    } else {
        keep = true;
    }

    bench::PrintMachine();
    TimeWcL(path); // untimed: page cache
    double walkBest = 1e30, wcBest = 1e30, walkCpuBest = 1e30, wcCpuBest = 1e30;
    WalkResult result;
    for (int round = 0; round < 5; ++round) {
        const double cpuBefore = CpuSeconds(RUSAGE_SELF);
        start = std::chrono::steady_clock::now();
        result = Walk(path);
        walkBest = std::min(walkBest, Seconds(start));
        walkCpuBest = std::min(walkCpuBest, CpuSeconds(RUSAGE_SELF) - cpuBefore);
        double wcCpu = 0;
        wcBest = std::min(wcBest, TimeWcL(path, &wcCpu));
        wcCpuBest = std::min(wcCpuBest, wcCpu);
    }
    std::printf("walk (NextRecord/NextLine): %.3f s  (%llu records, %llu further lines, check %llu)\n", walkBest,
                static_cast<unsigned long long>(result.records), static_cast<unsigned long long>(result.lines),
                static_cast<unsigned long long>(result.checksum));
    std::printf("wc -l:                      %.3f s\n", wcBest);
    const platform::VectorLevel level = platform::ActiveVectorLevel();
    std::printf("ratio walk / wc -l:         %.2f (target <= %s at vector level %s)\n", walkBest / wcBest,
                level == platform::VectorLevel::sse2 ? "2.5" : "2.0", platform::VectorLevelName(level));
    std::printf("cpu time walk %.3f s, wc -l %.3f s, ratio %.2f\n", walkCpuBest, wcCpuBest, walkCpuBest / wcCpuBest);
    if (!keep)
        std::remove(path.c_str());
    return 0;
}
