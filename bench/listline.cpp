// Cost of the line tokenizers and the title parser per list line, against copying the
// same lines (every byte read once and written once), measured in the same run.
//
//   bench_listline [megabytes per list, default 64]
//
// The lines are those of a generated Actors list (fields separated by two blanks) and a
// generated Movies list (titles); without the generator, lines of the same shapes are made
// here.

#include "listdata/ListLine.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#if __has_include("tools/ListGenerator.h")
#include "listdata/ListCatalog.h"
#include "tools/ListGenerator.h"
#define RV_BENCH_HAS_GENERATOR 1
#endif

namespace {

using Lines = std::vector<std::string>;

#ifdef RV_BENCH_HAS_GENERATOR
Lines GeneratedLines(int listIndex, std::uint64_t bytes)
{
    listgen::GeneratorOptions options;
    options.targetBytes = bytes;
    listgen::ListGenerator generator(options);
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("rv_bench_listline_" + std::to_string(listIndex) + ".list");
    generator.WriteListTo(listIndex, path.string());
    Lines lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line + '\n');
    std::filesystem::remove(path);
    return lines;
}
#else
// Lines of the Actors and Movies shapes, for builds without the generator.
Lines MadeLines(bool movies, std::uint64_t bytes)
{
    static const char* const kWords[] = {"Dudurele", "Express",  "Katetuza", "Rofiteze", "Blues", "Tirameza",
                                         "Zilupide", "Bodisiro", "Returns",  "Defafeva", "Paris", "Caf\xe9"};
    static const char* const kRoles[] = {
        "[Captain Vold]", "[Narrator]", "(voice)", "(archive footage)  [Herself]", "[Dr. K\xe4stner]  <31>", ""};
    std::uint32_t state = 12345;
    auto next = [&state](std::uint32_t n) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % n;
    };
    auto title = [&]() {
        std::string t;
        const bool series = next(4) == 0;
        if (series)
            t += '"';
        t += kWords[next(12)];
        if (next(2))
            t += std::string(" ") + kWords[next(12)];
        if (series)
            t += '"';
        t += " (" + std::to_string(1900 + next(110)) + (next(8) == 0 ? "/II" : "") + ")";
        if (series && next(2))
            t += " {" + std::string(kWords[next(12)]) + " (#" + std::to_string(1 + next(9)) + "." +
                 std::to_string(1 + next(20)) + ")}";
        else if (next(4) == 0)
            t += next(2) ? " (TV)" : " (V)";
        return t;
    };
    Lines lines;
    std::uint64_t total = 0;
    while (total < bytes) {
        std::string line;
        if (movies) {
            line = title() + "\t\t\t" + std::to_string(1900 + next(110)) + "\n";
        } else {
            line = next(5) == 0 ? std::string(kWords[next(12)]) + ", " + kWords[next(12)] + "\t" : "\t\t\t";
            line += title();
            const char* role = kRoles[next(6)];
            if (*role)
                line += std::string("  ") + role;
            line += '\n';
        }
        total += line.size();
        lines.push_back(std::move(line));
    }
    return lines;
}
#endif

std::uint64_t ByteCount(const Lines& lines)
{
    std::uint64_t n = 0;
    for (const std::string& line : lines)
        n += line.size();
    return n;
}

template <typename Body> double BestSeconds(Body body)
{
    double best = 1e30;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        body();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

volatile std::uint64_t g_sink = 0;

void Report(const char* what, const Lines& lines, double seconds, double reference)
{
    const double ns = seconds * 1e9 / static_cast<double>(lines.size());
    const double mb = static_cast<double>(ByteCount(lines)) / (1024.0 * 1024.0) / seconds;
    std::printf("%-34s %8.1f ns/line %9.1f MB/s   %5.2fx the copy\n", what, ns, mb, seconds / reference);
}

// The reference: each line's length found and the line copied into a line buffer, as a
// reader does.
double CopySeconds(const Lines& lines)
{
    return BestSeconds([&] {
        char buffer[1024];
        std::uint64_t sum = 0;
        for (const std::string& line : lines) {
            const char* s = line.c_str();
            const std::size_t n = std::min<std::size_t>(std::strlen(s), sizeof buffer - 1);
            std::memcpy(buffer, s, n);
            buffer[n] = '\0';
            sum += static_cast<unsigned char>(buffer[n / 2]) + n;
        }
        g_sink = g_sink + sum;
    });
}

} // namespace

int main(int argc, char** argv)
{
    const std::uint64_t megabytes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 64;
    const std::uint64_t bytes = megabytes * 1024 * 1024;

#ifdef RV_BENCH_HAS_GENERATOR
    const Lines credits = GeneratedLines(kActors, bytes);
    const Lines titles = GeneratedLines(kMovies, bytes);
    const char* source = "generated Actors and Movies lists";
#else
    const Lines credits = MadeLines(false, bytes);
    const Lines titles = MadeLines(true, bytes);
    const char* source = "lines made by the benchmark (generator not built)";
#endif
    std::printf("%s: %zu + %zu lines, %.1f + %.1f MB\n", source, credits.size(), titles.size(),
                static_cast<double>(ByteCount(credits)) / (1024.0 * 1024.0),
                static_cast<double>(ByteCount(titles)) / (1024.0 * 1024.0));

    const double copyCredits = CopySeconds(credits);
    Report("copy (reference), credit lines", credits, copyCredits, copyCredits);
    const double nextField = BestSeconds([&] {
        CListLine field;
        std::uint64_t sum = 0;
        for (const std::string& line : credits) {
            int position = 0;
            field.NextTabField(position, line.c_str());
            while (position >= 0)
                sum += std::strlen(field.NextField(position, line.c_str()));
        }
        g_sink = g_sink + sum;
    });
    Report("NextTabField + NextField, all", credits, nextField, copyCredits);

    const double copyTitles = CopySeconds(titles);
    Report("copy (reference), title lines", titles, copyTitles, copyTitles);
    const double titleField = BestSeconds([&] {
        CListLine field;
        std::uint64_t sum = 0;
        for (const std::string& line : titles) {
            int position = 0;
            sum += std::strlen(field.NextTabField(position, line.c_str()));
        }
        g_sink = g_sink + sum;
    });
    Report("NextTabField (title)", titles, titleField, copyTitles);
    const double parseTitle = BestSeconds([&] {
        CListLine field;
        CListLine bare;
        std::uint64_t sum = 0;
        TitleFlags flags = 0;
        char year[kTitleYearSize];
        for (const std::string& line : titles) {
            int position = 0;
            field.NextTabField(position, line.c_str());
            sum += std::strlen(bare.ParseTitle(field.GetText(), flags, year)) + flags +
                   static_cast<unsigned char>(year[0]);
        }
        g_sink = g_sink + sum;
    });
    Report("NextTabField + ParseTitle", titles, parseTitle, copyTitles);
    return 0;
}
