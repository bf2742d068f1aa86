// listgen: writes generated list files (see ListGenerator.h).

#include "listdata/ListCatalog.h"
#include "tools/ListGenerator.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

void Usage()
{
    std::fputs("usage: listgen --out DIR [options]\n"
               "  --sample          a small set of all 48 lists (the sample lists of the app)\n"
               "  --lists A,B,...   lists by name or index (default: all 48)\n"
               "  --seed N          random seed (default 1)\n"
               "  --records N       N title groups and 2N people (default 24 and 40)\n"
               "  --titles N        title groups\n"
               "  --people N        people\n"
               "  --bytes N[K|M|G]  write each list up to about N bytes\n"
               "  --crlf            CR LF line ends\n"
               "  --hostile         over-long lines, bytes 128-255, no final line end\n"
               "  --date TEXT       the date on the checksum line\n"
               "  --prolific N      the featured actor credited on N more titles (N/10 per crew list)\n"
               "  --quiet           print nothing\n",
               stderr);
}

bool ParseNumber(const char* text, std::uint64_t& value)
{
    const char* end = text + std::strlen(text);
    std::uint64_t n = 0;
    auto [p, ec] = std::from_chars(text, end, n);
    if (ec != std::errc() || p == text)
        return false;
    std::uint64_t scale = 1;
    if (p != end) {
        if (p + 1 != end)
            return false;
        switch (*p) {
        case 'k':
        case 'K':
            scale = 1ull << 10;
            break;
        case 'm':
        case 'M':
            scale = 1ull << 20;
            break;
        case 'g':
        case 'G':
            scale = 1ull << 30;
            break;
        default:
            return false;
        }
    }
    value = n * scale;
    return true;
}

bool ParseLists(const std::string& text, std::vector<int>& lists)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string item = text.substr(start, end - start);
        int found = -1;
        for (int i = 0; i < kListCount; ++i)
            if (item == ListCatalog[i].name || item == std::to_string(i))
                found = i;
        if (found < 0) {
            std::fprintf(stderr, "listgen: no list named '%s'\n", item.c_str());
            return false;
        }
        lists.push_back(found);
        start = end + 1;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    listgen::GeneratorOptions options;
    std::string out;
    std::vector<int> lists;
    bool quiet = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        std::uint64_t n = 0;
        if (arg == "--sample") {
            options.titles = listgen::GeneratorOptions::kSampleTitles;
            options.people = listgen::GeneratorOptions::kSamplePeople;
        } else if (arg == "--out" && hasValue) {
            out = argv[++i];
        } else if (arg == "--lists" && hasValue) {
            if (!ParseLists(argv[++i], lists))
                return 2;
        } else if ((arg == "--seed" || arg == "--records" || arg == "--titles" || arg == "--people" ||
                    arg == "--bytes" || arg == "--prolific") &&
                   hasValue) {
            if (!ParseNumber(argv[++i], n)) {
                std::fprintf(stderr, "listgen: bad number for %s\n", arg.c_str());
                return 2;
            }
            if (arg == "--seed")
                options.seed = n;
            else if (arg == "--records")
                options.titles = n, options.people = 2 * n;
            else if (arg == "--titles")
                options.titles = n;
            else if (arg == "--people")
                options.people = n;
            else if (arg == "--prolific")
                options.prolificTitles = n;
            else
                options.targetBytes = n;
        } else if (arg == "--crlf") {
            options.crlf = true;
        } else if (arg == "--hostile") {
            options.hostile = true;
        } else if (arg == "--date" && hasValue) {
            options.date = argv[++i];
        } else if (arg == "--quiet") {
            quiet = true;
        } else {
            Usage();
            return 2;
        }
    }
    if (out.empty()) {
        Usage();
        return 2;
    }
    ::mkdir(out.c_str(), 0777);
    try {
        const listgen::ListGenerator generator(options);
        for (const listgen::ListFileInfo& info : generator.WriteSet(out, lists)) {
            if (!quiet)
                std::printf("%-32s %12llu bytes %9llu records  CRC: 0x%08X\n", info.path.c_str(),
                            static_cast<unsigned long long>(info.bytes), static_cast<unsigned long long>(info.records),
                            static_cast<unsigned>(info.checksum));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "listgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
