// Sumwatch on a generated list of about 1 GB, page-cached, against `wc -l` on the same file
// and against the line-by-line, byte-at-a-time check, all in one run.
//
//   bench_sumwatch [path-of-sumwatch] [size-in-MB]
//
// Without a path the build tree's bin/sumwatch is used.

#include "CrcEngine.h"
#include "LineFile.h"
#include "ListCheck.h"
#include "ListCrc.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

double seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Best of three runs of a shell command; exits when it fails.
double timeCommand(const std::string& command)
{
    double best = 1e30;
    for (int i = 0; i < 3; ++i) {
        auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "failed: %s\n", command.c_str());
            std::exit(1);
        }
        best = std::min(best, seconds(start));
    }
    return best;
}

// A list of credit-like lines of mixed lengths, with the correct checksum line on top.
void generateList(const std::string& path, std::int64_t size, const CrcEngine& engine)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::perror(path.c_str());
        std::exit(1);
    }
    const char* headFormat = "CRC: 0x%08X Date: Wed Dec  9 04:00:00 2026\n";
    char head[64];
    std::snprintf(head, sizeof head, headFormat, 0u);
    std::fwrite(head, 1, std::strlen(head), file);

    static const char* const names[] = {"Abbott, Anna",   "Berg, Carl",      "Castell, Dora", "Dunmore, Evan",
                                        "Esterhazy, Fay", "Frost, Gil (II)", "Grieg, Hana",   "Holm, Ivo"};
    static const char* const titles[] = {"Harbour Lights",  "The Long Field",    "Night Ferry", "A Quiet Year",
                                         "Stone and Water", "Return to Osterby", "Paper Moons"};
    std::mt19937 random(42);
    std::string chunk;
    std::uint32_t crc = kCrcStart;
    std::int64_t written = static_cast<std::int64_t>(std::strlen(head));
    while (written < size) {
        chunk.clear();
        while (chunk.size() < (1u << 20)) {
            chunk += names[random() % 8];
            chunk += "\t\t";
            chunk += titles[random() % 7];
            chunk += " (" + std::to_string(1920 + random() % 90) + ")";
            if (random() % 3 == 0)
                chunk += "  (uncredited)";
            if (random() % 2 == 0)
                chunk += "  [Extra " + std::to_string(random() % 500) + "]";
            chunk += '\n';
        }
        crc = engine.update(crc, reinterpret_cast<const unsigned char*>(chunk.data()), chunk.size());
        std::fwrite(chunk.data(), 1, chunk.size(), file);
        written += static_cast<std::int64_t>(chunk.size());
    }
    std::snprintf(head, sizeof head, headFormat, static_cast<unsigned>(crc));
    std::fseek(file, 0, SEEK_SET);
    std::fwrite(head, 1, std::strlen(head), file);
    if (std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::exit(1);
    }
}

// The check as first defined: every line through readLine and crcAddLine.
std::uint32_t referenceChecksum(const std::string& path, const std::uint32_t* table)
{
    LineFile* file = openLineFile(path.c_str(), kLineFileRead, kListBufferSize);
    char* line = nullptr;
    std::uint32_t crc = kCrcStart;
    if (file && readLine(file, &line, kListMaxLine) == kLineOk)
        while (readLine(file, &line, kListMaxLine) == kLineOk)
            crcAddLine(table, line, crc);
    closeLineFile(file);
    return crc;
}

} // namespace

int main(int argc, char** argv)
{
    std::string sumwatch =
        argc > 1 && argv[1][0]
            ? argv[1]
            : (std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "bin" / "sumwatch")
                  .string();
    std::int64_t megabytes = argc > 2 ? std::atoll(argv[2]) : 1024;
    std::string path = "/tmp/sumwatch-bench-" + std::to_string(::getpid()) + ".list";

    auto table = makeCrcTable();
    CrcEngine engine(table.get());
    auto start = std::chrono::steady_clock::now();
    generateList(path, megabytes << 20, engine);
    double size = static_cast<double>(std::filesystem::file_size(path));
    std::printf("generated %s: %.0f MB in %.1f s\n", path.c_str(), size / 1e6, seconds(start));

    // Into the page cache, and a check that the program finds the checksum correct.
    std::string verify = "'" + sumwatch + "' '" + path + "' -quiet | grep -q 'CRC OK'";
    if (std::system(("cat '" + path + "' > /dev/null").c_str()) != 0 || std::system(verify.c_str()) != 0) {
        std::fprintf(stderr, "sumwatch did not report the generated list as correct\n");
        std::filesystem::remove(path);
        return 1;
    }

    double wc = timeCommand("wc -l '" + path + "' > /dev/null");
    double fast = timeCommand("'" + sumwatch + "' '" + path + "' -nostats > /dev/null");
    // The same check in process with the portable tables only, as on processors without the
    // vector instructions.
    CrcEngine portable(table.get(), false);
    double tables = 1e30;
    for (int i = 0; i < 3; ++i) {
        DiffInfo info;
        info.name = path;
        std::ostringstream quiet;
        start = std::chrono::steady_clock::now();
        checkListFile(portable, std::string(), info, false, quiet);
        tables = std::min(tables, seconds(start));
        if (info.status != kStatusCrcOk) {
            std::fprintf(stderr, "the portable check did not find the list correct\n");
            return 1;
        }
    }
    start = std::chrono::steady_clock::now();
    std::uint32_t crc = referenceChecksum(path, table.get());
    double reference = seconds(start);
    std::filesystem::remove(path);

    std::printf("checksum 0x%08X\n", static_cast<unsigned>(crc));
    std::printf("wc -l                         %7.3f s  %6.2f GB/s\n", wc, size / wc / 1e9);
    std::printf("sumwatch program             %7.3f s  %6.2f GB/s  %5.2fx wc -l (target <= 1.5x; %s)\n", fast,
                size / fast / 1e9, fast / wc, engine.usesVector() ? "vector path" : "tables only");
    std::printf("check with tables only        %7.3f s  %6.2f GB/s  %5.2fx wc -l (in process)\n", tables,
                size / tables / 1e9, tables / wc);
    std::printf("byte-at-a-time (in process)   %7.3f s  %6.2f GB/s  %5.2fx wc -l, %5.2fx sumwatch\n", reference,
                size / reference / 1e9, reference / wc, reference / fast);
    return 0;
}
