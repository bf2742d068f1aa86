#pragma once
// Writes list files in the provider's format for tests, benchmarks and the sample set:
// the checksum line and preamble, the list's header block by its header kind, records of
// the list's own shapes, the trailing dashes and trailer text. Everything is a function
// of the options, so the same options give the same bytes; lists are streamed, so a list
// of gigabytes needs no more memory than one of a few records.

#include "tools/Universe.h"

#include <cstdint>
#include <string>
#include <vector>

namespace listgen {

struct GeneratorOptions {
    std::uint64_t seed = 1;
    // Size of the universe the lists talk about: title groups (a film, or a series with
    // its episodes) and people.
    std::uint64_t titles = 24;
    std::uint64_t people = 40;

    // The application's sample lists: a small set of all 48 lists (`listgen --sample`).
    static constexpr std::uint64_t kSampleTitles = 60;
    static constexpr std::uint64_t kSamplePeople = 120;
    // When not 0: each list is written until it holds about this many bytes (the
    // universe is enlarged to allow it) instead of covering the universe once.
    std::uint64_t targetBytes = 0;
    bool crlf = false;
    // Over-long lines (1023, 1024, 1500 and 9000 characters), bytes 128-255 in texts and
    // no line end after the last line.
    bool hostile = false;
    std::string date = "Fri Nov 30 00:00:00 2001";
    // When not 0: the featured actor is prolific, credited on this many more titles in
    // the Actors list and on a tenth as many in each crew list.
    std::uint64_t prolificTitles = 0;
};

struct ListFileInfo {
    int listIndex = -1;
    std::string path;
    std::uint64_t bytes = 0;
    std::uint32_t checksum = 0;
    std::uint64_t records = 0;
};

class ListGenerator {
public:
    explicit ListGenerator(GeneratorOptions options);

    const GeneratorOptions& Options() const { return m_options; }
    const Universe& GetUniverse() const { return m_universe; }

    // Writes list `listIndex` to `path`; throws std::runtime_error when it cannot.
    ListFileInfo WriteListTo(int listIndex, const std::string& path) const;
    // Writes list `listIndex` as `directory` (ending with "/") + "<name>.list".
    ListFileInfo WriteList(int listIndex, const std::string& directory) const;
    // Writes the given lists (all 48 when empty) into `directory`.
    std::vector<ListFileInfo> WriteSet(const std::string& directory, const std::vector<int>& lists = {}) const;

    // The keys of list `listIndex`'s records in file order: titles for title-keyed lists,
    // names for person-keyed ones (Ratings: the titles of its full table). Small sets only.
    std::vector<std::string> RecordKeys(int listIndex) const;

    // Titles and people that every list able to hold them contains: a film, a series
    // with ten episodes, a man credited as actor and a woman credited as actress, both
    // also in every crew list, Writers, Aka-Names and Biographies.
    std::string FeaturedFilm() const { return m_universe.Title(0); }
    std::string FeaturedSeries() const { return m_universe.Title(1); }
    std::string FeaturedEpisode(int episode) const { return m_universe.Title(1, episode); }
    int FeaturedEpisodeCount() const { return m_universe.EpisodeCount(1); }
    std::string FeaturedActor() const { return m_universe.PersonName(0); }
    std::string FeaturedActress() const { return m_universe.PersonName(1); }

    static const std::string& PreambleText();

private:
    GeneratorOptions m_options;
    Universe m_universe;
};

// True when list `listIndex` has one record per person (filmography lists, Aka-Names,
// Biographies); false when it has one per title.
bool IsPersonKeyed(int listIndex);

} // namespace listgen
