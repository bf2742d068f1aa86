#include "tools/Universe.h"

#include <algorithm>
#include <tuple>

namespace listgen {

namespace {

// Two-letter syllables in byte order, so fixed-length cores sort like their numbers.
constexpr char kConsonants[] = "bdfgklmnprstvz";
constexpr char kVowels[] = "aeiou";
constexpr std::uint64_t kSyllables = (sizeof kConsonants - 1) * (sizeof kVowels - 1); // 70

const char* const kTitleWords[] = {
    "Nights", "of the River", "Returns", "Forever", "Caf\xE9",   "Express",          "in Paris", "Story",
    "Blues",  "No\xEBl",      "Affair",  "Sunrise", "Reckoning", "and the Stranger", "Avenue",   "Se\xF1ora",
};
const char* const kFirstNames[] = {
    "Adam", "Bruno", "Carl",  "Dmitri", "Emil",  "Frank", "Gustav", "Hugo", "Ivan",     "J\xF6rg",
    "Karl", "Leon",  "Marco", "Nils",   "Oskar", "Pavel", "Rafael", "Sven", "Tom\xE1s", "Viktor",
};
const char* const kFemaleNames[] = {
    "Anna",
    "Beatrice",
    "Clara",
    "Dora",
    "Elena",
    "Fiona",
    "Greta",
    "Helga",
    "Ines",
    "Julia",
    "Katrin",
    "Lena",
    "Marta",
    "Nora",
    "Olga",
    "Petra",
    "Ren\xE9"
    "e",
    "Sofia",
    "Tess",
    "Zo\xEB",
};
const char* const kNameSuffixes[] = {"", "", "", "son", "ez", "ini", "ova", "berg", "ski", "ard"};
const char* const kRomans[] = {"I", "II", "III", "IV"};
// Episode names in byte order, so a series' episodes sort by their index.
const char* const kEpisodeNames[] = {
    "Arrival", "Beginnings", "Crossroads", "Departures", "Echoes",
    "Fallout", "Gambit",     "Homecoming", "Intervals",  "Junction",
};
constexpr int kMaxEpisodes = sizeof kEpisodeNames / sizeof kEpisodeNames[0];

} // namespace

std::uint64_t Mix(std::uint64_t a, std::uint64_t b, std::uint64_t c, std::uint64_t d)
{
    std::uint64_t h = 0x9E3779B97F4A7C15ull;
    for (std::uint64_t v : {a, b, c, d}) {
        h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
        h ^= h >> 30;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 27;
        h *= 0x94D049BB133111EBull;
        h ^= h >> 31;
    }
    return h;
}

std::uint64_t Rng::Next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

bool operator<(const TitleRef& a, const TitleRef& b)
{
    // Series (group % 4 == 1) sort before films; the series line before its episodes.
    const bool as = a.group % 4 == 1, bs = b.group % 4 == 1;
    return std::make_tuple(!as, a.group, a.episode) < std::make_tuple(!bs, b.group, b.episode);
}

bool operator==(const TitleRef& a, const TitleRef& b)
{
    return a.group == b.group && a.episode == b.episode;
}

Universe::Universe(std::uint64_t seed, std::uint64_t titleGroups, std::uint64_t people)
    : m_seed(seed), m_titleGroups(std::max<std::uint64_t>(titleGroups, 2)), m_people(std::max<std::uint64_t>(people, 2))
{
    m_seriesCount = (m_titleGroups + 2) / 4;
}

bool Universe::IsSeries(std::uint64_t group) const
{
    return group % 4 == 1;
}

int Universe::EpisodeCount(std::uint64_t group) const
{
    if (!IsSeries(group))
        return 0;
    if (group == 1)
        return kMaxEpisodes;
    return 2 + static_cast<int>(Mix(m_seed, 11, group) % (kMaxEpisodes - 1));
}

std::uint64_t Universe::GroupAt(std::uint64_t position) const
{
    if (position < m_seriesCount)
        return 4 * position + 1;
    const std::uint64_t j = position - m_seriesCount;
    static const std::uint64_t offsets[3] = {0, 2, 3};
    return 4 * (j / 3) + offsets[j % 3];
}

std::uint64_t Universe::PositionOf(std::uint64_t group) const
{
    if (IsSeries(group))
        return group / 4;
    static const std::uint64_t places[4] = {0, 0, 1, 2};
    return m_seriesCount + 3 * (group / 4) + places[group % 4];
}

std::vector<TitleRef> Universe::TitlesOf(std::uint64_t group) const
{
    std::vector<TitleRef> titles{{group, -1}};
    for (int e = 0; e < EpisodeCount(group); ++e)
        titles.push_back({group, e});
    return titles;
}

// A capitalised core of fixed length that grows with `index`: spread over the whole
// number range, with a random offset inside each index's share, so that neighbours do
// not look alike.
std::string Universe::Core(std::uint64_t index, std::uint64_t count, std::uint64_t salt) const
{
    int digits = 4;
    std::uint64_t range = kSyllables * kSyllables * kSyllables * kSyllables;
    while (range / 2 < count) {
        range *= kSyllables;
        ++digits;
    }
    const std::uint64_t share = range / count;
    std::uint64_t value = index * share + Mix(m_seed, salt, index) % share;
    std::string core(static_cast<std::size_t>(digits) * 2, ' ');
    for (int i = digits - 1; i >= 0; --i) {
        const std::uint64_t s = value % kSyllables;
        value /= kSyllables;
        core[static_cast<std::size_t>(i) * 2] = kConsonants[s / (sizeof kVowels - 1)];
        core[static_cast<std::size_t>(i) * 2 + 1] = kVowels[s % (sizeof kVowels - 1)];
    }
    core[0] = static_cast<char>(core[0] - 'a' + 'A');
    return core;
}

int Universe::Year(std::uint64_t group) const
{
    return 1925 + static_cast<int>(Mix(m_seed, 12, group) % 80);
}

std::string Universe::YearText(std::uint64_t group) const
{
    const std::uint64_t h = Mix(m_seed, 13, group);
    if (group > 1 && h % 41 == 0)
        return "????";
    std::string year = std::to_string(Year(group));
    if (group > 1 && h % 23 == 0)
        year += "/II";
    return year;
}

std::string Universe::Title(TitleRef ref) const
{
    const std::uint64_t g = ref.group;
    const std::uint64_t h = Mix(m_seed, 14, g);
    std::string name = Core(g, m_titleGroups, 15);
    if (h % 3 != 0) {
        name += ' ';
        name += kTitleWords[(h >> 8) % (sizeof kTitleWords / sizeof kTitleWords[0])];
    }
    std::string title;
    if (IsSeries(g)) {
        title = '"' + name + "\" (" + YearText(g) + ")";
        if (g != 1 && (h >> 16) % 7 == 0)
            title += " (mini)";
        if (ref.episode >= 0) {
            const int season = 1 + ref.episode / 4;
            const int number = 1 + ref.episode % 4;
            title += " {" + std::string(kEpisodeNames[ref.episode]) + " (#" + std::to_string(season) + "." +
                     std::to_string(number) + ")}";
        }
        return title;
    }
    title = name + " (" + YearText(g) + ")";
    if (g != 0) {
        switch ((h >> 16) % 9) {
        case 0:
            title += " (TV)";
            break;
        case 1:
            title += " (V)";
            break;
        case 2:
            title += " (VG)";
            break;
        default:
            break;
        }
    }
    return title;
}

bool Universe::IsFemale(std::uint64_t person) const
{
    if (person < 2)
        return person == 1;
    return Mix(m_seed, 21, person) % 2 == 0;
}

std::string Universe::PersonName(std::uint64_t person) const
{
    const std::uint64_t h = Mix(m_seed, 22, person);
    std::string name = Core(person, m_people, 23);
    name += kNameSuffixes[h % (sizeof kNameSuffixes / sizeof kNameSuffixes[0])];
    if (person >= 2 && (h >> 8) % 19 == 0)
        return name; // a single name
    name += ", ";
    if (IsFemale(person))
        name += kFemaleNames[(h >> 16) % (sizeof kFemaleNames / sizeof kFemaleNames[0])];
    else
        name += kFirstNames[(h >> 16) % (sizeof kFirstNames / sizeof kFirstNames[0])];
    if (person >= 2 && (h >> 24) % 11 == 0)
        name += std::string(" (") + kRomans[(h >> 32) % 4] + ")";
    return name;
}

} // namespace listgen
