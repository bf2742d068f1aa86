#pragma once
// What the benchmarks share: argument checks and the machine facts every benchmark prints
// beside its figures; timing (best of several rounds), running a reference command through
// the shell, and the common command line (--bytes N, --dir DIR, --keep, and --file LIST
// where a benchmark can take an existing list).

#include "platform/VectorLevel.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

// A whole decimal number above 0; false for anything else.
inline bool ParseCount(const char* text, std::uint64_t& value)
{
    const char* end = text + std::strlen(text);
    const auto [at, error] = std::from_chars(text, end, value);
    return error == std::errc() && at == end && value > 0;
}

// A decimal number above 0 (fractions allowed); false for anything else.
inline bool ParseAmount(const char* text, double& value)
{
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && value > 0;
}

// The reader's vector level, and the load of the machine, on one line.
inline void PrintMachine()
{
    double load[3] = {0, 0, 0};
    if (std::FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf %lf %lf", &load[0], &load[1], &load[2]) != 3)
            load[0] = load[1] = load[2] = 0;
        std::fclose(f);
    }
    std::printf("vector level %s (RV_VECTOR_LEVEL forces a lower one); load average %.2f %.2f %.2f\n",
                platform::VectorLevelName(platform::ActiveVectorLevel()), load[0], load[1], load[2]);
}

// Seconds since `start`.
inline double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The best time of `rounds` runs of `run`; `before` (untimed) goes before each.
inline double Best(int rounds, const std::function<void()>& run, const std::function<void()>& before = nullptr)
{
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        if (before)
            before();
        const auto start = std::chrono::steady_clock::now();
        run();
        best = std::min(best, Seconds(start));
    }
    return best;
}

// The best of three runs of `work`, in seconds.
template <class F> double Best(F work)
{
    return Best(3, work);
}

// `command` run by the shell; exits on failure (grep -c finding nothing is no failure).
// Note: grep with its output on /dev/null stops at the first match; send counts to a file.
inline void Run(const std::string& command)
{
    std::fflush(stdout);
    const int status = std::system(command.c_str());
    if (status == -1 || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 1)) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
}

// `text` as one quoted shell word.
inline std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct Arguments {
    std::uint64_t bytes = 1ull << 30; // size of the generated lists
    std::string dir = "/tmp";         // where they are written
    bool keep = false;                // not deleted afterwards
    std::string file;                 // an existing list instead (--file, when allowed)
};

// A new folder for a benchmark's lists: DIR/bench-<name>-<process id>/.
inline std::string ListsFolder(const Arguments& arguments, const char* name)
{
    const std::string folder = arguments.dir + "/bench-" + name + "-" + std::to_string(::getpid()) + "/";
    std::filesystem::create_directories(folder);
    return folder;
}

// Reads the command line; prints `usage` and exits with 2 on anything else.
inline Arguments ParseArguments(int argc, char** argv, const char* usage, bool fileAllowed = false)
{
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--bytes" && i + 1 < argc && ParseCount(argv[i + 1], arguments.bytes))
            ++i;
        else if (arg == "--dir" && i + 1 < argc)
            arguments.dir = argv[++i];
        else if (arg == "--keep")
            arguments.keep = true;
        else if (fileAllowed && arg == "--file" && i + 1 < argc)
            arguments.file = argv[++i];
        else {
            std::fprintf(stderr, "usage: %s\n", usage);
            std::exit(2);
        }
    }
    return arguments;
}

} // namespace bench
