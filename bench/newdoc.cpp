// The searches of the New-document dialogs against grep over the same files, measured in
// the same run:
//   - a whole-word title search over a generated Movies list against
//     `grep -i -w -c WORD Movies.list`;
//   - a whole-name search over the eleven generated credit lists against
//     `grep -i -w -c WORD` over the same eleven files.
//
//   bench_newdoc [TITLE-GROUPS [PEOPLE]]   (defaults 1000000 and 200000)
//
// The lists are written into a temporary folder and removed afterwards.

#include "BenchSupport.h"
#include "listdata/AppSettings.h"
#include "listdata/ListCatalog.h"
#include "listdata/NameSearch.h"
#include "listdata/TitleSearch.h"
#include "tools/ListGenerator.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using bench::Best;

long Grep(const std::string& word, const std::vector<std::string>& files)
{
    std::string command = "grep -i -w -c -h -- '" + word + "'";
    for (const std::string& file : files)
        command += " '" + file + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    long total = 0;
    char line[64];
    while (std::fgets(line, sizeof line, pipe))
        total += std::strtol(line, nullptr, 10);
    pclose(pipe);
    return total;
}

// The first word of a text: letters only, so it is one word to both searches.
std::string FirstWord(const std::string& text)
{
    std::size_t begin = 0;
    while (begin < text.size() && !std::isalpha(static_cast<unsigned char>(text[begin])))
        ++begin;
    std::size_t end = begin;
    while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end])))
        ++end;
    return text.substr(begin, end - begin);
}


} // namespace

int main(int argc, char** argv)
{
    listgen::GeneratorOptions options;
    options.titles = 1000000;
    options.people = 200000;
    if (argc > 3 || (argc > 1 && !bench::ParseCount(argv[1], options.titles)) ||
        (argc > 2 && !bench::ParseCount(argv[2], options.people))) {
        std::fprintf(stderr, "usage: bench_newdoc [TITLE-GROUPS [PEOPLE]]  (whole numbers above 0; defaults "
                             "1000000 and 200000)\n");
        return 2;
    }
    bench::PrintMachine();
    const std::string dir = (std::filesystem::temp_directory_path() / "rv_bench_newdoc/").string();
    std::filesystem::create_directories(dir);
    const listgen::ListGenerator generator(options);
    std::vector<int> lists(FilmographyJobOrder, FilmographyJobOrder + kFilmographyJobCount);
    lists.push_back(kMovies);
    std::printf("writing lists into %s ...\n", dir.c_str());
    std::uint64_t movieRecords = 0;
    for (const listgen::ListFileInfo& info : generator.WriteSet(dir, lists)) {
        if (info.listIndex == kMovies)
            movieRecords = info.records;
        std::printf("  %-22s %10llu bytes %9llu records\n", ListCatalog[info.listIndex].name,
                    static_cast<unsigned long long>(info.bytes), static_cast<unsigned long long>(info.records));
    }

    CAppSettings settings;
    settings.ListsPath = dir;
    for (int i = 0; i < kListCount; ++i)
        settings.Lists[i].FileName = DefaultListFileName(i);

    // Title search: one word of the featured film, whole words.
    const std::string titleWord = FirstWord(generator.FeaturedFilm());
    std::size_t titleHits = 0;
    const double titleTime = Best([&] {
        CTitleSearch search;
        search.SetSearchType(kSearchWholeWords);
        search.Run(settings, titleWord, false);
        titleHits = search.Results().size();
    });
    long titleGrepHits = 0;
    const double titleGrep = Best([&] { titleGrepHits = Grep(titleWord, {settings.ListFilePath(kMovies)}); });
    std::printf("title search '%s' over %llu Movies records: %.3f s (%zu hits), grep %.3f s (%ld lines), ratio %.2f\n",
                titleWord.c_str(), static_cast<unsigned long long>(movieRecords), titleTime, titleHits, titleGrep,
                titleGrepHits, titleTime / titleGrep);

    // The same with the first letter of that word, which nearly every title holds, so
    // nearly every line is parsed and tested (whole words: few or no hits).
    const std::string piece = titleWord.substr(0, 1);
    std::size_t pieceHits = 0;
    const double pieceTime = Best([&] {
        CTitleSearch search;
        search.SetSearchType(kSearchWholeWords);
        search.Run(settings, piece, false);
        pieceHits = search.Results().size();
    });
    long pieceGrepHits = 0;
    const double pieceGrep = Best([&] { pieceGrepHits = Grep(piece, {settings.ListFilePath(kMovies)}); });
    std::printf("title search '%s' (in nearly every line): %.3f s (%zu hits), grep %.3f s (%ld lines), ratio %.2f\n",
                piece.c_str(), pieceTime, pieceHits, pieceGrep, pieceGrepHits, pieceTime / pieceGrep);

    // Name search: the featured actor's last name, whole names, all eleven lists.
    const std::string nameWord = FirstWord(generator.FeaturedActor());
    std::size_t nameHits = 0;
    const double nameTime = Best([&] {
        CNameSearch search;
        search.SetSearchType(kSearchWholeWords);
        CNameSearch::ListSelection all;
        all.actors = all.actresses = all.directors = all.otherCrew = true;
        search.Run(settings, nameWord, false, all);
        nameHits = search.Results().size();
    });
    std::vector<std::string> creditFiles;
    for (int list : FilmographyJobOrder)
        creditFiles.push_back(settings.ListFilePath(list));
    long nameGrepHits = 0;
    const double nameGrep = Best([&] { nameGrepHits = Grep(nameWord, creditFiles); });
    std::printf("name search '%s' over the 11 credit lists: %.3f s (%zu lines), grep %.3f s (%ld lines), ratio %.2f\n",
                nameWord.c_str(), nameTime, nameHits, nameGrep, nameGrepHits, nameTime / nameGrep);

    std::filesystem::remove_all(dir);
    return 0;
}
