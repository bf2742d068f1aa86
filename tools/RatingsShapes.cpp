// The Ratings list: three tables (the best films, the worst films, every rated title in
// title order), each opened by the column heading line and ended by a blank line.

#include "listdata/ListCatalog.h"
#include "tools/ListShapes.h"
#include "tools/ListSink.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <queue>

namespace listgen {

namespace {

const char* const kHeading = "New  Distribution  Votes  Rank  Title";

struct Rating {
    TitleRef title;
    int tenths = 0; // 83 for 8.3
    std::uint64_t votes = 0;
    std::string distribution;
};

bool IsRated(const ShapeContext& c, TitleRef t)
{
    if (t.group < 2)
        return true;
    return Mix(c.universe.Seed(), 52, t.group, static_cast<std::uint64_t>(t.episode + 1)) % 100 < 70;
}

Rating RatingOf(const ShapeContext& c, TitleRef t)
{
    Rng rng = c.universe.RngFor(53, Mix(t.group, static_cast<std::uint64_t>(t.episode + 1)));
    Rating r;
    r.title = t;
    r.tenths = 10 + static_cast<int>(rng.Below(89));
    if (t.group == 0 && t.episode < 0)
        r.tenths = 99; // the featured film heads the top table
    r.votes = 5 + rng.Below(400000);
    static const char kMarks[] = "0123456789.*";
    r.distribution.resize(10);
    for (char& ch : r.distribution)
        ch = kMarks[rng.Below(12)];
    return r;
}

std::string TableLine(const ShapeContext& c, const Rating& r)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "      %s  %7llu  %2d.%d  ", r.distribution.c_str(),
                  static_cast<unsigned long long>(r.votes), r.tenths / 10, r.tenths % 10);
    return buffer + c.universe.Title(r.title) + "\n";
}

// Calls `f` for every rated title of the groups numbered below `groupLimit`, in list order.
void ForEachRated(const ShapeContext& c, std::uint64_t groups, std::uint64_t groupLimit,
                  const std::function<void(const Rating&)>& f)
{
    for (std::uint64_t i = 0; i < groups; ++i) {
        const std::uint64_t g = c.universe.GroupAt(i);
        if (g >= groupLimit)
            continue;
        for (const TitleRef& t : c.universe.TitlesOf(g))
            if (IsRated(c, t))
                f(RatingOf(c, t));
    }
}

} // namespace

std::uint64_t WriteRatingsTables(const ShapeContext& c, std::uint64_t groups, ListSink& sink,
                                 std::vector<std::string>* keys)
{
    // Only films (no series, no episodes) enter the top and bottom tables.
    auto better = [](const Rating& a, const Rating& b) {
        return a.tenths != b.tenths ? a.tenths > b.tenths : a.title < b.title;
    };
    std::priority_queue<Rating, std::vector<Rating>, decltype(better)> top(better); // worst of the best on top
    auto worse = [&](const Rating& a, const Rating& b) { return better(b, a); };
    std::priority_queue<Rating, std::vector<Rating>, decltype(worse)> bottom(worse);
    // The groups are taken by number, so that films and series mix whatever the size. With
    // a byte target, only as many as the lines of the full table need to fill it.
    const std::uint64_t budget = c.options.targetBytes > sink.Bytes() ? c.options.targetBytes - sink.Bytes() : 0;
    std::uint64_t bytes = 0;
    std::uint64_t groupLimit = 0;
    std::uint64_t films = 0;
    for (; groupLimit < groups && (budget == 0 || bytes < budget); ++groupLimit) {
        const bool film = !c.universe.IsSeries(groupLimit);
        films += film ? 1 : 0;
        for (const TitleRef& t : c.universe.TitlesOf(groupLimit)) {
            if (!IsRated(c, t))
                continue;
            const Rating r = RatingOf(c, t);
            if (budget != 0)
                bytes += TableLine(c, r).size();
            if (!film || t.episode >= 0)
                continue;
            top.push(r);
            if (top.size() > 250)
                top.pop();
            bottom.push(r);
            if (bottom.size() > 10)
                bottom.pop();
        }
    }
    std::vector<Rating> best, worst;
    for (; !top.empty(); top.pop())
        best.push_back(top.top());
    std::reverse(best.begin(), best.end());
    // A small universe has fewer than 250 films: keep the best half on top.
    if (films < 500 && best.size() > films / 2)
        best.resize(std::max<std::uint64_t>(1, films / 2));
    for (; !bottom.empty(); bottom.pop())
        worst.push_back(bottom.top());
    std::reverse(worst.begin(), worst.end());
    std::sort(worst.begin(), worst.end(), better); // ten down to one, the worst last

    std::string out = std::string(kHeading) + "\n";
    for (const Rating& r : best)
        out += TableLine(c, r);
    out += "\n\nBOTTOM 10 MOVIES\n================\n\n" + std::string(kHeading) + "\n";
    for (const Rating& r : worst)
        out += TableLine(c, r);
    out += "\n\nMOVIE RATINGS REPORT\n====================\n\n" + std::string(kHeading) + "\n";
    sink.Write(out);

    std::uint64_t rows = 0;
    ForEachRated(c, groups, groupLimit, [&](const Rating& r) {
        sink.Write(TableLine(c, r));
        if (keys)
            keys->push_back(c.universe.Title(r.title));
        ++rows;
    });
    sink.Write("\n");
    return rows;
}

} // namespace listgen
