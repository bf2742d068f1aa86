// The Cast/Crew view's blocks on small hand-built stores, read back as text (RtfToText:
// {first,left|tabs} paragraph formats in characters, → tabs, *bold*, /italic/,
// [display|kind|target|alt] links; one character is 8 pixels).

#include "documents/CastCrewText.h"

#include "documents/RVCDoc.h"
#include "listdata/ListCatalog.h"
#include "support/FakeRichTextHost.h"
#include "support/RtfToText.h"
#include "support/ViewFixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Rec {
    int type;
    int key;
    std::string text;
    int number = -1; // a 4-byte record when not negative
};

Rec Bio(int key, std::string text)
{
    return {kBiographies, key, std::move(text)};
}
Rec Credit(int list, int key, std::string text)
{
    return {list, key, std::move(text)};
}
Rec Billing(int list, int number)
{
    return {list, 4, {}, number};
}

using Block = bool (*)(CCastCrewText&);

struct Case {
    const char* name;
    std::vector<Rec> records;
    std::string expected; // "(false)" in front when the block says it wrote nothing
};

constexpr int kNewLayout = 0x200;
constexpr int kOldLayout = 0x100;

class CastCrewTextTest : public ::testing::Test {
protected:
    void Fill(const std::vector<Rec>& records)
    {
        store.Init(100, 100);
        for (const Rec& r : records) {
            if (r.number >= 0)
                store.AddInt(r.type, r.key, r.number);
            else if (r.type == kWriters && r.key == 3)
                store.AddBytes3(r.type, r.key, 0x010101);
            else if (r.text.empty())
                store.AddEmpty(r.type, r.key);
            else
                store.AddString(r.type, r.key, r.text.c_str());
        }
    }

    // The text one block writes for `records`.
    std::string Write(const std::vector<Rec>& records, Block block, int docVersion = kNewLayout)
    {
        Fill(records);
        writer.Reset();
        writer.SetupFont();
        writer.BeginDocument();
        CCastCrewText text(writer, store, measure, docVersion, kFilmographyCategorized);
        const bool wrote = block(text);
        writer.Flush();
        return (wrote ? "" : "(false)") + testsupport::RtfToText(writer);
    }

    // The whole view of a document holding `records`.
    std::string View(const std::vector<Rec>& records, int mode, int docVersion = kNewLayout)
    {
        Fill(records);
        CCastCrewText(writer, store, measure, docVersion, mode).Build(kSearchIdle);
        return testsupport::RtfToText(writer);
    }

    void Check(const std::vector<Case>& cases, Block block, int docVersion = kNewLayout)
    {
        for (const Case& c : cases)
            EXPECT_EQ(Write(c.records, block, docVersion), c.expected) << c.name;
    }

    CAppSettings settings = testsupport::DefaultViewSettings();
    testsupport::FakeHost host;
    CRtfWriter writer{&settings};
    const testsupport::FixedPitchMeasure measure;
    CRecordStore store;

    void SetUp() override { writer.Attach(&host); }
};

TEST_F(CastCrewTextTest, EveryHeadingStandsAloneWithAlwaysShowHeadersAndNothingWithout)
{
    const std::string names = "{-1,1}*Real Name: *\n*Nickname: *\n\n*Date of Birth: *\n*Date of Death: *\n\n"
                              "*Sometimes Credited As:*\n\n*Spouse:*\n\n";
    const std::string rest =
        "*Notable TV Guest Appearances:*\n\n*Mini Biography:*\n\n*Height:*\n\n*Trivia:*\n\n*Trademark:*\n\n"
        "*Personal Quotes:*\n\n*Other Works:*\n\n*Where are they now:*\n\n*Biography (print):*\n\n"
        "*Biographical Movies:*\n\n*Interview:*\n\n*Article:*\n\n*Pictorials:*\n\n*Magazine Cover Photo:*\n\n"
        "*Portrayed in:*\n\n*Salary:*\n\n*Agent:*\n\n\n"; // the view's text ends in an empty line
    const std::string categorized =
        "*Actor Filmography:*\n\n*Himself Filmography:*\n\n*Actress Filmography:*\n\n*Herself Filmography:*\n\n"
        "*Director Filmography:*\n\n*Producer Filmography:*\n\n*Writer Filmography:*\n\n"
        "*Composer Filmography:*\n\n*Editor Filmography:*\n\n*Production Designer Filmography:*\n\n"
        "*Cinematographer Filmography:*\n\n*Costume Designer Filmography:*\n\n"
        "*Miscellaneous Crew Filmography:*\n\n";
    settings.AlwaysShowHeaders = 1;
    EXPECT_EQ(View({}, kFilmographyNone), names + rest);
    EXPECT_EQ(View({}, kFilmographyCategorized), names + categorized + rest);
    EXPECT_EQ(View({}, kFilmographyCombined), names + "*Combined Filmography:*\n" + rest);
    settings.AlwaysShowHeaders = 0;
    for (const int mode : {kFilmographyNone, kFilmographyCategorized, kFilmographyCombined})
        EXPECT_EQ(View({}, mode), "\n") << mode;
}

TEST_F(CastCrewTextTest, NamesDatesAndAkaNames)
{
    Check({{"only the first real name, as a name",
            {Bio(2, "Doe, Jo (II)"), Bio(2, "Roe, Al")},
            "{-1,1}*Real Name: *\n{-1,2}Jo Doe\n"}},
          [](CCastCrewText& t) { return t.AddRealName(); });
    Check({{"every nickname on its own line", {Bio(3, " The Kid "), Bio(3, "Jo")}, "{-1,1}*Nickname: *\n{-1,2}The Kid\nJo\n"}},
          [](CCastCrewText& t) { return t.AddNicknames(); });
    Check({{"a date alone", {Bio(5, "1 May 1950")}, "{-1,1}*Date of Birth: *\n{-1,2}1 May 1950\n"},
           {"a place alone", {Bio(6, "Graz, Austria")}, "{-1,1}*Date of Birth: *\n{-1,2}Graz, Austria\n"},
           {"death records are not birth records", {Bio(9, "1 May 1950")}, "(false)"}},
          [](CCastCrewText& t) { return t.AddDatePlace(4); });
    Check({{"date, place and cause",
            {Bio(9, "2 June 2001"), Bio(10, "Bergen, Norway"), Bio(11, "(pneumonia)")},
            "{-1,1}*Date of Death: *\n{-1,2}2 June 2001, Bergen, Norway - (pneumonia)\n"},
           {"an unparsed line and a cause",
            {Bio(8, "in the 1990s"), Bio(11, "(pneumonia)")},
            "{-1,1}*Date of Death: *\n{-1,2}in the 1990s (pneumonia)\n"}},
          [](CCastCrewText& t) { return t.AddDatePlace(8); });
    Check({{"any key, as names",
            {Credit(kAkaNames, 0, "Doe, Jo (I)"), Credit(kAkaNames, 1, "Roe, Al")},
            "{-1,1}*Sometimes Credited As:*\n{-1,2}Jo Doe\nAl Roe\n"}},
          [](CCastCrewText& t) { return t.AddAkaNames(); });
}

TEST_F(CastCrewTextTest, ColumnsOfSpousesSalariesPublicationsAndAgents)
{
    Check({{"details of a named spouse in the column, the others after a blank",
            {Bio(39, "'Roe, Al' (qv)"), Bio(40, "(1970 - 1975)"), Bio(40, "(divorced)"), Bio(38, "Kas Linde"),
             Bio(40, "(1980 - present)")},
            "{-1,1}*Spouse:*\n{-1,2|8}[Al Roe|2|Roe, Al]→(1970 - 1975) (divorced)\nKas Linde→(1980 - present)\n"}},
          [](CCastCrewText& t) { return t.AddSpouses(); });
    const std::vector<Rec> salaries = {Bio(34, "_Big (1990)_ (qv)"), Bio(35, "$10"), Bio(33, "per week"),
                                       Bio(35, "$2")};
    Check({{"titles resolved", salaries, "{-1,1}*Salary:*\n{-1,2|12}[Big (1990)|0]→$10\nper week→$2\n"}},
          [](CCastCrewText& t) { return t.AddSalaries(); });
    Check({{"titles as links of their own in the older layout", salaries,
            "{-1,1}*Salary:*\n{-1,2|12}[_Big (1990)_ (qv)|0]→$10\nper week→$2\n"}},
          [](CCastCrewText& t) { return t.AddSalaries(); }, kOldLayout);
    Check({{"publication, country, then the column; two blanks after each prefix",
            {Bio(44, "Screen Weekly"), Bio(45, "USA"), Bio(46, "May 1990"), Bio(47, "3"), Bio(48, "7"),
             Bio(49, "12-14"), Bio(50, "Ann Mayer"), Bio(51, "\"Take\""), Bio(44, "Film"), Bio(46, "1991")},
            "{-1,1}*Interview:*\n{-1,2|20}Screen Weekly (USA)→ May 1990 Vol:  3 Iss:  7 pg:  12-14 By:  Ann Mayer"
            " -  \"Take\"\nFilm 1991\n"}},
          [](CCastCrewText& t) { return t.AddPublications(43); });
    Check({{"an unknown kind", {Bio(81, "x")}, "{-1,1}*" + std::string(kUnknownHeadline) + "*\n{-1,2|5}x\n"}},
          [](CCastCrewText& t) { return t.AddPublications(80); });
    Check({{"a dash, continuations in the column", {Bio(79, "Acme"), Bio(80, "Los Angeles")},
            "{-1,1}*Agent:*\n{-1,2|2}- Acme\n→Los Angeles\n"}},
          [](CCastCrewText& t) { return t.AddAgent(); });
}

TEST_F(CastCrewTextTest, RunningTexts)
{
    Check({{"two paragraphs and two authors; no empty lines from stray breaks",
            {Bio(13, ""), Bio(13, "Born in Graz."), Bio(13, " Moved on. "), Bio(13, ""), Bio(13, ""),
             Bio(13, "Retired."), Bio(13, ""), Bio(14, "Ann"), Bio(14, "Bo")},
            "{-1,1}*Mini Biography:*\n{0,1}Born in Graz. Moved on.\nRetired.\n{-1,2}/- Zuvo mini-biography by: Ann/\n"},
           {"an author alone", {Bio(14, "Ann")}, "{-1,1}*Mini Biography:*\n"}},
          [](CCastCrewText& t) { return t.AddMiniBiography(); });
    Check({{"the first height on the heading's line", {Bio(12, "5' 9\""), Bio(12, "6'")},
            "{-1,1}*Height: *5' 9\"\n"}},
          [](CCastCrewText& t) { return t.AddHeight(); });
    Check({{"one item per first line, continuations run on",
            {Bio(29, "Trained as a carpenter"), Bio(30, "before his"), Bio(30, "first role."), Bio(29, "Speaks 'Roe, Al' (qv).")},
            "{-1,1}*Trivia:*\n{-2,3}- Trained as a carpenter before his first role.\n- Speaks [Al Roe|2|Roe, Al].\n"}},
          [](CCastCrewText& t) { return t.AddItemList(29); });
    Check({{"an unknown kind", {Bio(3, "x")}, "{-1,1}*" + std::string(kUnknownHeadline) + "*\n{-2,3}- x\n"}},
          [](CCastCrewText& t) { return t.AddItemList(3); });
    Check({{"appearances with their parts",
            {Bio(24, "\"Show\" (1990) (qv)"), Bio(25, "himself"), Bio(27, "1.1"), Bio(28, "Pilot"), Bio(23, "Talk"),
             Bio(28, "Finale"), Bio(26, "(uncredited)")},
            "{-1,1}*Notable TV Guest Appearances:*\n{-1,2}\"Show\" (1990)  playing himself in episode #1.1 - Pilot \n"
            "Talk in episode - Finale (uncredited)\n"}},
          [](CCastCrewText& t) { return t.AddGuestAppearances(); });
    Check({{"the title as a link of its own in the older layout", {Bio(24, "\"Show\" (1990) (qv)")},
            "{-1,1}*Notable TV Guest Appearances:*\n{-1,2}[\"Show\" (1990) (qv)|0]\n"}},
          [](CCastCrewText& t) { return t.AddGuestAppearances(); }, kOldLayout);
}

TEST_F(CastCrewTextTest, BiographicalMoviesAndPortrayalsFollowTheDocumentLayout)
{
    const std::vector<Rec> records = {Bio(17, "_Life (1990)_ (qv)"), Bio(18, "(TV)"), Bio(19, "_Roles (1995)_ (qv)")};
    EXPECT_EQ(View(records, kFilmographyNone, kOldLayout),
              "{-1,1}*Biographical Movies:*\n{-1,2}[_Life (1990)_ (qv)|0]\n(TV)\n\n{-1,1}*Portrayed in:*\n"
              "{-1,2}[_Roles (1995)_ (qv)|0]\n\n\n");
    EXPECT_EQ(View(records, kFilmographyNone, kNewLayout),
              "{-1,1}*Biographical Movies:*\n{-2,3}- [Life (1990)|0] (TV)\n\n{-1,1}*Portrayed in:*\n"
              "{-2,3}- [Roles (1995)|0]\n\n\n");
}

TEST_F(CastCrewTextTest, CategorizedGroupsAndSelfCredits)
{
    const Block categorized = [](CCastCrewText& t) { return t.AddCategorizedFilmography(); };
    const std::vector<Rec> allSelf = {Credit(kActors, 1, "A (1990)"), Credit(kActors, 3, "Himself"),
                                      Billing(kActors, 1), Credit(kActors, 1, "B (1991)"),
                                      Credit(kActors, 3, "himself - host")};
    const std::string selfCredits =
        "*Himself Filmography:*\n{-1,2|10}[B (1991)|0]→...himself - host\n[A (1990)|0]→...Himself\n\n";
    const std::string selfGroup = "{-1,1}" + selfCredits;
    Check({{"only self credits: no actor group", allSelf, "(false)" + selfGroup},
           {"an actress's himself stands under Herself",
            {Credit(kActresses, 1, "C (1990)"), Credit(kActresses, 3, "Himself")},
            "(false){-1,1}*Herself Filmography:*\n{-1,2|10}[C (1990)|0]→...Himself\n\n"},
           {"a credit with two self roles is one self credit",
            {Credit(kActors, 1, "A (1990)"), Credit(kActors, 3, "Himself"), Credit(kActors, 3, "Himself (archive)"),
             Credit(kActors, 1, "B (1991)"), Credit(kActors, 3, "Nurse")},
            "(false){-1,1}*Actor Filmography:*\n{-1,2|10}[B (1991)|0]→...Nurse\n\n{-1,1}*Himself Filmography:*\n"
            "{-1,2|10}[A (1990)|0]→...Himself Himself (archive)\n\n"},
           {"billing and writer order never show; a credit without details is its title",
            {Credit(kWriters, 1, "W (1990)"), Credit(kWriters, 2, "(story)"), Credit(kWriters, 3, ""),
             Credit(kWriters, 2, "(novel)"), Credit(kWriters, 1, "V (1980)"), Credit(kActors, 1, "A (1990)"),
             Credit(kActors, 2, "(voice)"), Billing(kActors, 3), Credit(kActors, 3, "Nurse")},
            "(false){-1,1}*Actor Filmography:*\n{-1,2|10}[A (1990)|0]→...(voice) Nurse\n\n"
            "{-1,1}*Writer Filmography:*\n{-1,2|10}[W (1990)|0]→...(story) (novel)\n[V (1980)|0]\n\n"}},
          categorized);

    settings.AlwaysShowHeaders = 1;
    const std::string text = Write(allSelf, categorized);
    const std::string expected = "(false){-1,1}*Actor Filmography:*\n\n" + selfCredits + "{-1,1}*Actress Filmography:*\n";
    EXPECT_EQ(text.substr(0, expected.size()), expected);
}

TEST_F(CastCrewTextTest, FilmographySortsByYearOrByTitle)
{
    const std::vector<Rec> titles = {
        Credit(kDirectors, 1, "B (1990)"),
        Credit(kDirectors, 1, "\"S\" (1995) {Ep (#1.5)}"),
        Credit(kDirectors, 1, "E (1980)"),
        Credit(kDirectors, 1, "\"S\" (1995) {Ep10 (#2.10)}"),
        Credit(kDirectors, 1, "C (?\?\?\?)"),
        Credit(kDirectors, 1, "\"S\" (1995) {Ep9 (#2.9)}"),
        Credit(kDirectors, 1, "a (1990)"),
        Credit(kDirectors, 1, "E (1999)"),
        Credit(kDirectors, 1, "D (2001)"),
    };
    auto lines = [](std::vector<std::string> order) {
        std::string text = "(false){-1,1}*Director Filmography:*\n{-1,2|27}";
        for (const std::string& title : order)
            text += "[" + title + "|0]\n";
        return text + "\n";
    };
    const Block categorized = [](CCastCrewText& t) { return t.AddCategorizedFilmography(); };
    EXPECT_EQ(Write(titles, categorized),
              lines({"C (?\?\?\?)", "D (2001)", "E (1999)", "\"S\" (1995) {Ep10 (#2.10)}", "\"S\" (1995) {Ep9 (#2.9)}",
                     "\"S\" (1995) {Ep (#1.5)}", "a (1990)", "B (1990)", "E (1980)"}));
    for (const int sort : {1, 7}) {
        settings.FilmographySort = sort;
        EXPECT_EQ(Write(titles, categorized),
                  lines({"a (1990)", "B (1990)", "C (?\?\?\?)", "D (2001)", "E (1999)", "E (1980)",
                         "\"S\" (1995) {Ep (#1.5)}", "\"S\" (1995) {Ep10 (#2.10)}", "\"S\" (1995) {Ep9 (#2.9)}"}))
            << sort;
    }

    // Episodes of one name with numbers of every kind: no number, then the latest
    // season and episode, then dates, oldest first, in either sort.
    const std::vector<Rec> episodes = {
        Credit(kDirectors, 1, "\"S\" (1995) {Ep (2004-05-01)}"),
        Credit(kDirectors, 1, "\"S\" (1995) {Ep (#1.1)}"),
        Credit(kDirectors, 1, "\"S\" (1995) {Ep}"),
        Credit(kDirectors, 1, "\"S\" (1995) {Ep (#2.1)}"),
        Credit(kDirectors, 1, "\"S\" (1995) {Ep (1999-01-01)}"),
    };
    for (const int sort : {0, 1}) {
        settings.FilmographySort = sort;
        std::string expected = "(false){-1,1}*Director Filmography:*\n{-1,2|30}";
        for (const char* title : {"{Ep}", "{Ep (#2.1)}", "{Ep (#1.1)}", "{Ep (1999-01-01)}", "{Ep (2004-05-01)}"})
            expected += "[\"S\" (1995) " + std::string(title) + "|0]\n";
        EXPECT_EQ(Write(episodes, categorized), expected + "\n") << sort;
    }
}

TEST_F(CastCrewTextTest, CombinedLinesHoldEveryJobOfATitle)
{
    Check({{"one line per title whatever its case, jobs in table order",
            {Credit(kDirectors, 1, "Film (1990)"), Credit(kDirectors, 2, "(uncredited)"),
             Credit(kActors, 1, "FILM (1990)"), Credit(kActors, 3, "Nurse"), Billing(kActors, 2),
             Credit(kActors, 1, "Other (1985)"), Credit(kDirectors, 1, "film (1990)")},
            "{-1,1}*Combined Filmography:*\n{-1,2|14}[FILM (1990)|0]→[Actor ...Nurse] [Director ...(uncredited)] "
            "[Director]\n[Other (1985)|0]→[Actor]\n"},
           {"no credit", {Bio(2, "Doe, Jo")}, "(false)"}},
          [](CCastCrewText& t) { return t.AddCombinedFilmography(); });
    settings.AlwaysShowHeaders = 1;
    EXPECT_EQ(Write({}, [](CCastCrewText& t) { return t.AddCombinedFilmography(); }),
              "(false){-1,1}*Combined Filmography:*\n");
}

} // namespace
