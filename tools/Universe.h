#pragma once
// The titles and people that a generated list set talks about. Every name is a pure
// function of (seed, index), so a list of any size is written without holding the
// universe in memory, and the same title or person reads the same in every list.
//
// Order: the name cores are fixed-length syllable strings that grow with the index, so
// byte order (titles) and ASCII case-insensitive order (people) equal index order.
// Series titles begin with a double quote and therefore sort before every other title:
// the title order is all series groups, then all other groups, each by group number.

#include <cstdint>
#include <string>
#include <vector>

namespace listgen {

// A small deterministic generator (splitmix64).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next();
    // 0 .. n-1 (n > 0)
    std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(Next() % n); }
    bool Percent(std::uint32_t p) { return Below(100) < p; }
    template <typename T, std::size_t N> const T& Pick(const T (&table)[N]) { return table[Below(N)]; }

private:
    std::uint64_t m_state;
};

std::uint64_t Mix(std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0, std::uint64_t d = 0);

// A title of the universe: a group (a film, or a series with its episodes) and, for a
// series, an episode (-1: the series itself).
struct TitleRef {
    std::uint64_t group = 0;
    int episode = -1;
};

bool operator<(const TitleRef& a, const TitleRef& b); // list order
bool operator==(const TitleRef& a, const TitleRef& b);

class Universe {
public:
    // Group 0 is always a film and group 1 always a series; people 0 (a man) and 1 (a
    // woman) are credited on both in every list that can hold them.
    Universe(std::uint64_t seed, std::uint64_t titleGroups, std::uint64_t people);

    std::uint64_t Seed() const { return m_seed; }
    std::uint64_t TitleGroups() const { return m_titleGroups; }
    std::uint64_t People() const { return m_people; }

    bool IsSeries(std::uint64_t group) const;
    int EpisodeCount(std::uint64_t group) const; // 0 for a film
    // The title as the lists write it, e.g. "Dafimo Nights (1987)", a series in double
    // quotes with its year, an episode with "{Name (#1.2)}".
    std::string Title(TitleRef ref) const;
    std::string Title(std::uint64_t group, int episode = -1) const { return Title(TitleRef{group, episode}); }
    // The year group's content ("1987", "1987/II" or "????").
    std::string YearText(std::uint64_t group) const;
    int Year(std::uint64_t group) const;

    // "Last, First" (sometimes a single name, sometimes with a number such as "(II)").
    std::string PersonName(std::uint64_t person) const;
    bool IsFemale(std::uint64_t person) const;

    // The i-th group in list order (0 <= i < TitleGroups()).
    std::uint64_t GroupAt(std::uint64_t position) const;
    // The place of `group` in list order: GroupAt(PositionOf(group)) == group.
    std::uint64_t PositionOf(std::uint64_t group) const;
    // Every title of a group in list order: the series (or film) line, then the episodes.
    std::vector<TitleRef> TitlesOf(std::uint64_t group) const;

    // A per-purpose random stream, the same for the same arguments.
    Rng RngFor(std::uint64_t purpose, std::uint64_t key) const { return Rng(Mix(m_seed, purpose, key)); }

private:
    std::string Core(std::uint64_t index, std::uint64_t count, std::uint64_t salt) const;

    std::uint64_t m_seed;
    std::uint64_t m_titleGroups;
    std::uint64_t m_people;
    std::uint64_t m_seriesCount;
};

} // namespace listgen
