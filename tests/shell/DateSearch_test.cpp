#include "listdata/ListFile.h"
#include "shell/core/DateSearch.h"
#include "support/FailingSource.h"
#include "support/FixtureLists.h"

#include <gtest/gtest.h>

#include <memory>

using namespace shellcore;

namespace {

const std::string kDashes(79, '-');

std::string Person(const std::string& name, const std::string& lines)
{
    return kDashes + "\nNM: " + name + "\n\nRN: Someone Else\n" + lines + "\nBG: A life.\nBY: staff\n\n";
}

// Dates the generated lists do not hold: 29 February, dates without a day, a death line
// before the birth line, a person without a birth line.
const std::string kPeople =
    Person("Smith, John (I)", "DB: 5 May 1950, London, UK (note)\nDD: 10 June 2000, Leeds, UK (pneumonia)\n") +
    Person("Leap, Lena", "HT: 5' 2\"\nDB: 29 February 1904, Paris, France\n") +
    Person("Partial, Pat", "DB: May 1950, Rome, Italy\nDD: 5 June 1999, Rome, Italy\n") +
    Person("Year, Yves", "DB: 1950\nDD: 10 June 1990\n") +
    Person("Late, Lou", "DD: 5 May 1980, Oslo, Norway\nDB: 1 January 1900, Bergen, Norway\n") +
    Person("Nobirth, Ned", "DD: 5 June 1950, Bath, UK (heart attack)\n") +
    Person("Young, Ann", "DB: 10 June 1900, York, UK\nDD: 5 June 1950, Bath, UK\n") +
    Person("Old, Bob", "DB: 10 June 1900\nDD: 10 June 1950\n") + Person("Bare", "DB: 5 May 1960\n") + kDashes + "\n";

struct Row {
    std::string year, age, name, location, listName;
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& r)
{
    return out << r.year << "|" << r.age << "|" << r.name << "|" << r.location << "|" << r.listName;
}

enum Kind { Births, Deaths };

ListReadStatus Search(CListFile& file, Kind kind, const DateSearchQuery& query, std::vector<Row>& rows)
{
    auto add = [&](const DateSearchRow& r) {
        rows.push_back({std::to_string(r.year), r.hasAge ? std::to_string(r.age) : "", r.name, r.location, r.listName});
    };
    return kind == Births ? SearchBirthdays(file, query, add) : SearchDeaths(file, query, add);
}

} // namespace

TEST(DateSearch, RowsOfTheDayAndMonth)
{
    testsupport::TempDir dir;
    testsupport::WriteList(dir.Path(), kBiographies, kPeople);
    const CAppSettings settings = testsupport::ListSettings(dir.Path());
    const struct {
        Kind kind;
        CalendarDate picked;
        int nameOrder;
        bool dropNumber;
        std::vector<Row> rows;
    } cases[] = {
        {Births,
         {5, 5, 2024},
         0,
         true,
         {{"1950", "74", "John Smith", "London, UK - (note)", "Smith, John (I)"}, {"1960", "64", "Bare", "", "Bare"}}},
        // A picked year before the birth gives a negative age; the name as the list has it.
        {Births,
         {5, 5, 1940},
         1,
         false,
         {{"1950", "-10", "Smith, John (I)", "London, UK - (note)", "Smith, John (I)"},
          {"1960", "-20", "Bare", "", "Bare"}}},
        {Births, {29, 2, 2024}, 0, true, {{"1904", "120", "Lena Leap", "Paris, France", "Leap, Lena"}}},
        {Births, {28, 2, 2024}, 0, true, {}},
        {Births, {1, 3, 2024}, 0, true, {}},
        // Dates without a day are never listed.
        {Births, {1, 5, 2024}, 0, true, {}},
        // Age at death only from a full birth date read before the death line.
        {Deaths,
         {5, 6, 2024},
         0,
         true,
         {{"1999", "", "Pat Partial", "Rome, Italy", "Partial, Pat"},
          {"1950", "", "Ned Nobirth", "Bath, UK - (heart attack)", "Nobirth, Ned"},
          {"1950", "49", "Ann Young", "Bath, UK", "Young, Ann"}}},
        {Deaths,
         {10, 6, 2024},
         0,
         true,
         {{"2000", "50", "John Smith", "Leeds, UK - (pneumonia)", "Smith, John (I)"},
          {"1990", "", "Yves Year", "", "Year, Yves"},
          {"1950", "50", "Bob Old", "", "Old, Bob"}}},
        {Deaths, {5, 5, 2024}, 0, true, {{"1980", "", "Lou Late", "Oslo, Norway", "Late, Lou"}}},
    };
    for (const auto& c : cases) {
        CListFile file;
        ASSERT_TRUE(file.Open(kBiographies, settings));
        ASSERT_TRUE(file.FindStart());
        std::vector<Row> rows;
        EXPECT_EQ(Search(file, c.kind, {c.picked, c.nameOrder, c.dropNumber}, rows), ListReadStatus::Ok);
        EXPECT_EQ(rows, c.rows) << (c.kind == Births ? "births " : "deaths ") << c.picked.day << "." << c.picked.month;
    }
}

// A biography paragraph longer than a line can be: the piece that continues it is no
// date line, even when it begins like one. No birthday, and no age at the death.
TEST(DateSearch, APieceThatContinuesAParagraphIsNoDateLine)
{
    testsupport::TempDir dir;
    testsupport::WriteList(dir.Path(), kBiographies,
                           kDashes + "\nNM: Long, Lee\n\n" +
                               testsupport::OverLongLine("BG: A life.", "DB: 12 March 1950, Bergen, Norway") +
                               "DD: 12 March 1990, Oslo, Norway\n\n" + kDashes + "\n");
    const CAppSettings settings = testsupport::ListSettings(dir.Path());
    for (const Kind kind : {Births, Deaths}) {
        CListFile file;
        ASSERT_TRUE(file.Open(kBiographies, settings));
        ASSERT_TRUE(file.FindStart());
        std::vector<Row> rows;
        EXPECT_EQ(Search(file, kind, {{12, 3, 2024}, 0, true}, rows), ListReadStatus::Ok);
        const std::vector<Row> expected = {{"1990", "", "Lee Long", "Oslo, Norway", "Long, Lee"}};
        EXPECT_EQ(rows, kind == Births ? std::vector<Row>{} : expected);
    }
}

TEST(DateSearch, AReadErrorKeepsTheRowsFound)
{
    const std::string text = testsupport::ListFileText(kBiographies, kPeople);
    CListFile file;
    ASSERT_TRUE(file.OpenSource(
        kBiographies, std::make_unique<testsupport::FailingSource>(text.substr(0, text.find("NM: Bare"))), "broken"));
    ASSERT_TRUE(file.FindStart());
    std::vector<Row> rows;
    EXPECT_EQ(Search(file, Deaths, {{10, 6, 2024}, 0, true}, rows), ListReadStatus::ReadError);
    EXPECT_EQ(rows.size(), 3u);
}

// "Start Search" of Birthdays and Deaths for each shape of the list: whether the dialog's
// rows were replaced, the new rows' cells as the dialogs show them, and the box.
TEST(DateSearch, DialogSearchOfEveryListShape)
{
    using Cells = std::vector<std::vector<std::string>>;
    const std::string normal = testsupport::ListFileText(kBiographies, kPeople);
    const std::string crlf = testsupport::WithCrLf(normal);
    const std::string nameless = testsupport::ListFileText(
        kBiographies, kDashes + "\nNM: \n\nDB: 5 May 1970, Oslo, Norway\n\n" + kDashes + "\n");
    const std::string noStart = "CRC: 0x0\n\nno header here\nNM: Bare\nDB: 5 May 1960\n";
    const std::string cannotOpen = "Error in Listfile 'Biographies':\nCouldn't open file.";
    const Cells births = {{"1950", "74", "John Smith", "London, UK - (note)", "Smith, John (I)"},
                          {"1960", "64", "Bare", "", "Bare"}};
    const Cells deaths = {{"1980", "", "Lou Late", "Oslo, Norway", "Late, Lou"}};
    const struct {
        const char* shape;
        std::string file;   // empty: there is none
        std::size_t failAt; // the read fails after this many bytes; npos: never
        DateSearchKind kind;
        bool started;
        Cells rows;
        std::string message;
    } cases[] = {
        {"normal", normal, std::string::npos, DateSearchKind::Births, true, births, ""},
        {"normal", normal, std::string::npos, DateSearchKind::Deaths, true, deaths, ""},
        {"CR LF", crlf, std::string::npos, DateSearchKind::Births, true, births, ""},
        {"CR LF", crlf, std::string::npos, DateSearchKind::Deaths, true, deaths, ""},
        {"a record without a name",
         nameless,
         std::string::npos,
         DateSearchKind::Births,
         true,
         {{"1970", "54", "", "Oslo, Norway", ""}},
         ""},
        // The dialog keeps its rows: the search never started.
        {"cannot be opened", "", std::string::npos, DateSearchKind::Births, false, {}, cannotOpen},
        {"without its start",
         noStart,
         std::string::npos,
         DateSearchKind::Deaths,
         false,
         {},
         "Error in Listfile 'Biographies':\nCouldn't find begining of file."},
        {"read error before the start", normal, 20, DateSearchKind::Births, false, {}, cannotOpen},
        // The rows found before a failed read stay, and it reads as a list not opened.
        {"read error", normal, normal.find("NM: Bare"), DateSearchKind::Births, true, {births[0]}, cannotOpen},
    };
    testsupport::TempDir dir;
    const CAppSettings settings = testsupport::ListSettings(dir.Path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape + std::string(c.kind == DateSearchKind::Births ? " births" : " deaths"));
        testsupport::PlaceList(dir.Path(), kBiographies, c.file);
        const ListOpener open = c.failAt == std::string::npos
                                    ? OpenBySettings(settings)
                                    : testsupport::OpenFailingAfter(c.file.substr(0, c.failAt));
        int started = 0;
        Cells cells;
        const std::string message = SearchBiographies(
            open, c.kind, {{5, 5, 2024}, 0, true}, [&] { ++started; },
            [&](const DateSearchRow& row) {
                EXPECT_EQ(started, 1);
                cells.push_back(DateSearchCells(row));
            });
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(started, c.started ? 1 : 0);
        EXPECT_EQ(cells, c.rows);
    }
}

TEST(DateSearch, AgeAtDeathCountsFullYears)
{
    const struct {
        CalendarDate born, died;
        int age;
    } cases[] = {
        {{10, 6, 1900}, {5, 6, 1950}, 49},  {{10, 6, 1900}, {10, 6, 1950}, 50}, {{10, 6, 1900}, {11, 6, 1950}, 50},
        {{10, 6, 1900}, {31, 5, 1950}, 49}, {{10, 6, 1900}, {1, 7, 1950}, 50},  {{29, 2, 1904}, {28, 2, 1950}, 45},
        {{29, 2, 1904}, {1, 3, 1950}, 46},  {{17, 11, 1940}, {8, 6, 1982}, 41},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AgeAtDeath(c.born, c.died), c.age) << c.died.day << "." << c.died.month << "." << c.died.year;
}
