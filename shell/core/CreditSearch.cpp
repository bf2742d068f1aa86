#include "shell/core/CreditSearch.h"

#include "listdata/FilmographyJobs.h"
#include "listdata/ListFile.h"
#include "listdata/ListLine.h"
#include "listdata/SearchText.h"
#include "shell/core/CreditList.h"
#include "shell/core/DocumentTitles.h"

#include <algorithm>
#include <cstring>
#include <exception>

namespace shellcore {

namespace {

constexpr unsigned kActorActressRoles = 0x003; // Actors, Actresses
constexpr unsigned kDirectorRoles = 0x004;
constexpr unsigned kProducerRoles = 0x008;
constexpr unsigned kOtherCrewRoles = 0x7F0; // Writers .. Miscellaneous

// A quick test whether the field at a place of a line may be one of the titles: the first
// bytes of every title (as many as the shortest title has, at most eight) hashed into a
// bit table. A field equal to a title begins with that title's first bytes, so a miss
// rules the line out before its field is cut and looked up; nearly every line misses.
class CTitleStarts {
public:
    explicit CTitleStarts(const CDocumentTitles& titles)
    {
        for (int i = 0; i < titles.GetCount(); ++i)
            m_length = std::min(m_length, titles.GetAt(i).size());
        for (int i = 0; i < titles.GetCount(); ++i) {
            const std::size_t slot = Slot(titles.GetAt(i).data());
            m_bits[slot / 64] |= std::uint64_t{1} << (slot % 64);
        }
    }

    bool MayStartAt(std::string_view line, std::size_t start) const
    {
        if (m_length == 0)
            return true;
        if (start >= line.size() || line.size() - start < m_length)
            return false;
        const std::size_t slot = Slot(line.data() + start);
        return (m_bits[slot / 64] >> (slot % 64)) & 1;
    }

private:
    static constexpr int kSlotBits = 16;

    std::size_t Slot(const char* text) const
    {
        std::uint64_t key = 0;
        std::memcpy(&key, text, m_length);
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits));
    }

    std::size_t m_length = sizeof(std::uint64_t);
    std::vector<std::uint64_t> m_bits = std::vector<std::uint64_t>((std::size_t{1} << kSlotBits) / 64);
};

} // namespace

unsigned CreditRolesOf(const CreditRoleBoxes& boxes)
{
    return (boxes.actorActress ? kActorActressRoles : 0) | (boxes.director ? kDirectorRoles : 0) |
           (boxes.otherCrew ? kOtherCrewRoles : 0) | (boxes.producer ? kProducerRoles : 0);
}

ListReadStatus SearchCredits(CListFile& file, int role, std::string_view person, const CDocumentTitles& titles,
                             CCreditList& credits)
{
    using namespace searchtext;
    try {
        const CTitleStarts starts(titles);
        // The record's name outlives the reads of its further lines.
        std::string name;
        while (file.NextRecord()) {
            std::string_view line = LineView(file.GetLine(), file.GetLineLength());
            std::size_t pos = 0;
            std::string_view field;
            if (!NextTabField(line, pos, field) || CompareNoCase(field, person) == 0)
                continue;
            name.assign(field);
            do {
                if (starts.MayStartAt(line, SkipWhiteFrom(line, pos)) && NextField(line, pos, field)) {
                    if (const int title = titles.Find(field); title >= 0)
                        credits.Add(name, title, role);
                }
                // A piece that continues an over-long line is no credit: its text at a
                // title's place would share a title the record never credits.
                if (!file.NextLineStart())
                    break;
                line = LineView(file.GetLine(), file.GetLineLength());
                pos = 0;
            } while (true);
        }
    } catch (const std::exception&) {
        // A read error or running out of memory: what was found stays.
        return ListReadStatus::ReadError;
    }
    return ListReadStatus::Ok;
}

std::vector<std::string> SearchCreditedWith(const ListOpener& open, unsigned roles, std::string_view person,
                                            const CDocumentTitles& titles, CCreditList& credits)
{
    std::vector<std::string> failures;
    for (int role = 0; role < kFilmographyJobCount; ++role) {
        if ((roles & (1u << role)) == 0)
            continue;
        CListFile file;
        ListReadStatus status = OpenAtStart(open, file, FilmographyJobs[role].list);
        if (status == ListReadStatus::Ok)
            status = SearchCredits(file, role, person, titles, credits);
        if (status != ListReadStatus::Ok)
            failures.push_back(ListFailureText(FilmographyJobs[role].jobWord, status));
    }
    return failures;
}

void AppendRoleWord(std::string& text, std::string_view word)
{
    if (!text.empty())
        text += ", ";
    text += word;
}

std::string RoleWords(std::uint32_t bits)
{
    std::string text;
    for (int role = 0; role < kFilmographyJobCount; ++role)
        if (bits & (1u << role))
            AppendRoleWord(text, FilmographyJobs[role].jobWord);
    return text;
}

std::vector<CreditNameRow> CreditNameRows(const CCreditList& credits, int minimum, int nameOrder, bool dropNameNumber)
{
    std::vector<CreditNameRow> rows;
    CListLine formatter;
    for (int entry = 0; entry < credits.GetCount(); ++entry) {
        if (credits.GetTitleCount(entry) < minimum)
            continue;
        const std::string& name = credits.GetName(entry);
        rows.push_back({formatter.FormatName(name.c_str(), nameOrder, dropNameNumber), name});
    }
    return rows;
}

std::vector<CreditTitleRow> CreditTitleRows(const CCreditList& credits, const CDocumentTitles& titles,
                                            std::string_view listName)
{
    std::vector<CreditTitleRow> rows;
    const int entry = credits.Find(listName);
    if (entry < 0)
        return rows;
    for (int j = 0; j < credits.GetTitleCount(entry); ++j)
        rows.push_back({titles.GetAt(credits.GetTitleAt(entry, j)), RoleWords(credits.GetRoleBitsAt(entry, j))});
    return rows;
}

} // namespace shellcore
