#include "listdata/CreditRoutines.h"

#include "listdata/RoutineWalker.h"

#include <vector>

using namespace searchtext;
using routines::RecordOut;

namespace {

struct CastLine {
    int billing = 0;
    std::string role;
};

struct NoteLine {
    bool episode = false;
    bool consumed = false;
    std::string note;
    std::string order;
};

// Groups the episode lines of `lines` by equal notes: for each first line of a group
// returns its size and marks the later ones consumed; 0 for other lines.
int EpisodeGroupSize(std::vector<NoteLine>& lines, std::size_t i)
{
    if (!lines[i].episode || lines[i].consumed)
        return 0;
    int count = 1;
    for (std::size_t j = i + 1; j < lines.size(); ++j) {
        if (lines[j].episode && !lines[j].consumed && lines[j].note == lines[i].note) {
            lines[j].consumed = true;
            ++count;
        }
    }
    return count;
}

} // namespace

bool SearchCast(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    // Working arrays kept from person to person.
    std::vector<CastLine> lines;
    std::size_t used = 0;
    std::vector<std::pair<std::string_view, int>> roleCounts;

    auto onLine = [&](std::string_view line, std::size_t pos, bool) {
        if (used == lines.size())
            lines.resize(lines.size() + 100);
        CastLine& entry = lines[used++];
        entry.billing = 0;
        entry.role.clear();
        std::string_view field;
        while (NextField(line, pos, field)) {
            if (field.front() == '<')
                entry.billing = LeadingNumber(searchtext::Unbracket(field, '>'));
            else if (field.front() == '[')
                entry.role.assign(searchtext::Unbracket(field, ']'));
            else
                entry.role.assign(TrimRightBlanks(field));
        }
    };
    auto onPerson = [&](const std::string& name) {
        const std::size_t count = used;
        used = 0;
        if (!out.Text(0, name))
            return false;
        int billing = 0;
        for (std::size_t i = 0; i < count; ++i)
            if (lines[i].billing != 0 && (billing == 0 || lines[i].billing < billing))
                billing = lines[i].billing;
        if (billing != 0 && !out.Int(4, billing))
            return false;

        roleCounts.clear();
        for (std::size_t i = 0; i < count; ++i) {
            const std::string& role = lines[i].role;
            if (role.empty())
                continue;
            bool found = false;
            for (auto& [text, n] : roleCounts)
                if (text == role) {
                    ++n;
                    found = true;
                    break;
                }
            if (!found)
                roleCounts.emplace_back(role, 1);
        }
        std::size_t best = 0;
        for (std::size_t i = 1; i < roleCounts.size(); ++i)
            if (roleCounts[i].second > roleCounts[best].second)
                best = i;
        if (!roleCounts.empty() && !out.Text(3, roleCounts[best].first))
            return false;
        if (count > 1) {
            if (!out.Int(5, static_cast<std::int32_t>(count)))
                return false;
            if (roleCounts.size() > 1 && !out.Int(6, static_cast<std::int32_t>(roleCounts.size())))
                return false;
        }
        return true;
    };
    return routines::WalkCreditsForTitle(file, title, onLine, onPerson);
}

bool SearchCrew(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    std::vector<NoteLine> lines;

    auto onLine = [&](std::string_view line, std::size_t pos, bool episode) {
        NoteLine& entry = lines.emplace_back();
        entry.episode = episode;
        std::string_view field;
        while (NextField(line, pos, field))
            entry.note.assign(field);
    };
    auto onPerson = [&](const std::string& name) {
        bool ok = out.Text(0, name);
        for (std::size_t i = 0; ok && i < lines.size(); ++i) {
            const int count = EpisodeGroupSize(lines, i);
            if (!lines[i].note.empty() && !lines[i].consumed)
                ok = out.Text(2, lines[i].note);
            if (ok && count > 0)
                ok = out.Int(3, count);
        }
        lines.clear();
        return ok;
    };
    return routines::WalkCreditsForTitle(file, title, onLine, onPerson);
}

bool SearchWriters(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    std::vector<NoteLine> lines;

    auto onLine = [&](std::string_view line, std::size_t pos, bool episode) {
        NoteLine& entry = lines.emplace_back();
        entry.episode = episode;
        std::string_view field;
        while (NextField(line, pos, field)) {
            if (field.front() == '<')
                entry.order.assign(searchtext::Unbracket(field, '>'));
            else
                entry.note.assign(field);
        }
    };
    auto onPerson = [&](const std::string& name) {
        bool ok = true;
        for (const NoteLine& entry : lines) {
            if (entry.episode)
                continue;
            ok = ok && out.Text(0, name);
            if (ok && !entry.note.empty())
                ok = out.Text(2, entry.note);
            if (ok && !entry.order.empty())
                ok = out.Bytes3(3, searchtext::WriterOrder(entry.order));
        }
        bool named = false;
        for (std::size_t i = 0; ok && i < lines.size(); ++i) {
            const int count = EpisodeGroupSize(lines, i);
            if (count == 0)
                continue;
            if (!named) {
                ok = out.Text(0, name);
                named = true;
            }
            if (ok && !lines[i].note.empty())
                ok = out.Text(2, lines[i].note);
            if (ok)
                ok = out.Int(5, count);
        }
        lines.clear();
        return ok;
    };
    return routines::WalkCreditsForTitle(file, title, onLine, onPerson);
}

bool SearchCoverage(int listIndex, CListFile& file, const std::string& title, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    const routines::TitleShape shape{routines::TitleForm::tabField, {}, false, false};
    return routines::WalkTitleRecords(file, title, shape,
                                      [&](std::string_view line, std::size_t pos, bool, std::string_view) {
                                          std::string_view status;
                                          if (!NextTabField(line, pos, status))
                                              return true;
                                          return out.Empty(status.size() > 8 ? 1 : 0);
                                      });
}
