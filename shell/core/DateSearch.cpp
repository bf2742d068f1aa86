#include "shell/core/DateSearch.h"

#include "listdata/ListCatalog.h"
#include "listdata/ListFile.h"
#include "listdata/ListLine.h"

#include <exception>

namespace shellcore {

namespace {

// Biography codes of the lines a date search reads.
constexpr int kBirthCode = 4; // "DB"
constexpr int kDeathCode = 8; // "DD"

// Parts of a date-and-place line's fields.
constexpr int kDatePart = 1;
constexpr int kPlacePart = 2;

// The one line of a record a search compares, and the birth line a death search reads
// on the way; every other line is passed over without being parsed. ParseBiographyCode
// gives these codes exactly to the lines that begin with their two letters.
bool MayBeDateLine(const char* line)
{
    return line[0] == 'D' && (line[1] == 'B' || line[1] == 'D');
}

class DateWalk {
public:
    DateWalk(const DateSearchQuery& query, int dateCode, const DateSearchRowFn& row)
        : m_query(query), m_dateCode(dateCode), m_row(row)
    {
    }

    ListReadStatus Run(CListFile& file)
    {
        try {
            while (file.NextRecord()) {
                m_recordLine.assign(file.GetLine(), static_cast<std::size_t>(file.GetLineLength()));
                m_born = false;
                // A line's code is read from its first piece: the rest of an over-long
                // line is never a date line.
                while (file.NextLineStart()) {
                    if (!MayBeDateLine(file.GetLine()))
                        continue;
                    int code = 0;
                    m_text = file.GetLine();
                    m_text.ParseBiographyCode(code);
                    if (code == m_dateCode) {
                        ReadDateLine();
                        break;
                    }
                    if (code == kBirthCode)
                        ReadBirth();
                }
            }
        } catch (const std::exception&) {
            return ListReadStatus::ReadError;
        }
        return ListReadStatus::Ok;
    }

private:
    // A death search's birth line: its date, when it is a full one, gives the age.
    void ReadBirth()
    {
        int position = 0;
        int part = 0;
        m_field.NextDatePlaceField(position, part, m_text.GetText());
        m_born = m_field.ParseDate(m_birth.day, m_birth.month, m_birth.year);
    }

    // The compared line: a row when its date is a full one on the picked day and month.
    void ReadDateLine()
    {
        DateSearchRow row;
        int position = 0;
        do {
            int part = 0;
            const char* field = m_field.NextDatePlaceField(position, part, m_text.GetText());
            if (part == kDatePart) {
                CalendarDate date;
                if (!m_field.ParseDate(date.day, date.month, date.year) || date.day != m_query.picked.day ||
                    date.month != m_query.picked.month)
                    return;
                row.year = date.year;
                if (m_dateCode == kBirthCode) {
                    row.hasAge = true;
                    row.age = m_query.picked.year - date.year;
                } else if (m_born) {
                    row.hasAge = true;
                    row.age = AgeAtDeath(m_birth, date);
                }
            } else if (part == kPlacePart) {
                row.location = field;
            } else {
                row.location.append(" - ").append(field);
            }
        } while (position >= 0);
        CListLine name;
        row.listName = name.StripPrefix(m_recordLine.c_str(), "NM: ");
        row.name = name.FormatName(row.listName.c_str(), m_query.nameOrder, m_query.dropNameNumber);
        m_row(row);
    }

    const DateSearchQuery& m_query;
    const int m_dateCode;
    const DateSearchRowFn& m_row;
    std::string m_recordLine;
    CListLine m_text;
    CListLine m_field;
    bool m_born = false;
    CalendarDate m_birth;
};

} // namespace

ListReadStatus SearchBirthdays(CListFile& file, const DateSearchQuery& query, const DateSearchRowFn& row)
{
    return DateWalk(query, kBirthCode, row).Run(file);
}

ListReadStatus SearchDeaths(CListFile& file, const DateSearchQuery& query, const DateSearchRowFn& row)
{
    return DateWalk(query, kDeathCode, row).Run(file);
}

std::string SearchBiographies(const ListOpener& open, DateSearchKind kind, const DateSearchQuery& query,
                              const std::function<void()>& started, const DateSearchRowFn& row)
{
    const char* const listName = "Biographies";
    CListFile file;
    const ListReadStatus status = OpenAtStart(open, file, kBiographies);
    if (status != ListReadStatus::Ok)
        return ListFailureText(listName, status);
    started();
    return ListFailureText(listName, kind == DateSearchKind::Deaths ? SearchDeaths(file, query, row)
                                                                    : SearchBirthdays(file, query, row));
}

std::vector<std::string> DateSearchCells(const DateSearchRow& row)
{
    return {std::to_string(row.year), row.hasAge ? std::to_string(row.age) : std::string(), row.name, row.location,
            row.listName};
}

int AgeAtDeath(const CalendarDate& born, const CalendarDate& died)
{
    const bool beforeBirthday = died.month < born.month || (died.month == born.month && died.day < born.day);
    return died.year - born.year - (beforeBirthday ? 1 : 0);
}

} // namespace shellcore
