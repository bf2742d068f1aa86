// The facts about a title in the Movie/TV view: tagline, alternative titles, the
// one-line blocks (Genre, MPAA, Runtime ...), release dates, movie links, user ratings,
// locations and the company blocks.

#include "documents/MovieTVText.h"

#include "listdata/CodeNames.h"
#include "listdata/ListCatalog.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace {

constexpr KeyedHeading kAkaHeadings[] = {
    {kAkaTitles, "Also Known As:"},
    {kGermanAkaTitles, "German Title:"},
    {kItalianAkaTitles, "Italian Title:"},
};

constexpr KeyedHeading kWordHeadings[] = {
    {kCountries, "Country: "},
    {kGenres, "Genre: "},
    {kKeywords, "Keywords: "},
};

constexpr KeyedHeading kValueHeadings[] = {
    {kRunningTimes, "Runtime: "}, {kLanguage, "Language: "},          {kColorInfo, "Color: "},
    {kSoundMix, "Sound Mix: "},   {kCertificates, "Certification: "},
};

constexpr KeyedHeading kCompanyHeadings[] = {
    {kProductionCompanies, "Production Companies:"},
    {kDistributors, "Distributors:"},
    {kSpecialEffectsCompanies, "Special Effects:"},
};

constexpr std::string_view kUnknownInfo = "Unknown Info. Please report this to the Author of this Program.";

// A rating stored in tenths, as "%.1f" prints it in the "C" locale whatever the
// process's locale is.
std::string RatingText(std::int32_t tenths)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, tenths / 10.0, std::chars_format::fixed, 1);
    return std::string(buffer, result.ptr);
}

} // namespace

void CMovieTVText::WriteEpisodeCount(const InfoRecord& record)
{
    std::int32_t count = 0;
    if (!RecordEpisodeCount(record, count)) {
        Writer().WriteText(RecordText(record), kRtfStyleItalic, true);
        return;
    }
    const std::string text = "(" + std::to_string(count) + (count == 1 ? " episode)" : " episodes)");
    Writer().WriteText(text, kRtfStyleItalic, true);
}

bool CMovieTVText::AddTagline()
{
    constexpr std::string_view kHeading = "Tagline:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    int index = records.FindFirst(kTaglines);
    if (index < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kClosed);
    writer.Paragraph(-1, 2, true);
    for (bool first = true; index >= 0; index = records.FindNext(index, kTaglines), first = false) {
        const InfoRecord record = records.GetRecord(index);
        const std::string_view text = RecordText(record);
        if (record.key == 0) {
            writer.WriteText(text, 0, true);
            writer.NewLine();
        } else if (record.key == 1 && !text.empty()) {
            // An episode's taglines stand one character deeper than its name.
            writer.Paragraph(-1, 2, true);
            writer.WriteText(text, kRtfStyleItalic, false);
            writer.NewLine();
            writer.Paragraph(-1, 3, true);
        } else if (record.key == 1) {
            // The title's own entry: a blank line between entries, never before the first.
            if (!first)
                writer.NewLine();
            writer.Paragraph(-1, 2, true);
        }
    }
    return true;
}

bool CMovieTVText::AddAkaTitles(int list)
{
    const std::string_view heading = HeadingOf(kAkaHeadings, list);
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(list) < 0)
        return EmptyBlock(heading);
    Heading(heading, HeadingForm::kOpen);
    for (int index = records.FindFirst(list); index >= 0; index = records.FindNext(index, list)) {
        const InfoRecord record = records.GetRecord(index);
        if (record.key == 0) {
            LineAt(2);
            writer.WriteText(RecordText(record), 0, true);
        } else if (record.key == 1) {
            writer.WriteText(" - ", 0, false);
            writer.WriteText(RecordText(record), kRtfStyleItalic, true);
        } else {
            writer.NewLine();
            writer.WriteText("Unknown Aka Title. Please report this to the Author of this Program.", 0, false);
        }
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddTitleWords(int list)
{
    return WriteValueLine(list, HeadingOf(kWordHeadings, list), 1);
}

// The one-line blocks: the values joined by " / ", each followed by its notes (key 1,
// unless key 1 holds the count) and its episode count (`countKey`).
bool CMovieTVText::WriteValueLine(int list, std::string_view heading, int countKey)
{
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(list) < 0)
        return EmptyBlock(heading);
    Heading(heading, HeadingForm::kInline);
    bool first = true;
    for (int index = records.FindFirst(list); index >= 0; index = records.FindNext(index, list)) {
        const InfoRecord record = records.GetRecord(index);
        if (record.key == 0) {
            if (!first)
                writer.WriteText(" / ", 0, false);
            writer.WriteText(RecordText(record), 0, true);
            first = false;
        } else if (record.key == countKey) {
            writer.WriteText(" ", 0, false);
            WriteEpisodeCount(record);
        } else if (record.key == 1) {
            writer.WriteText(" ", 0, false);
            writer.WriteText(RecordText(record), kRtfStyleItalic, true);
        } else {
            writer.WriteText(kUnknownInfo, 0, false);
        }
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddMpaa()
{
    constexpr std::string_view kHeading = "MPAA: ";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kMpaaRatingsReasons) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kInline);
    bool first = true;
    for (int index = records.FindFirstInRange(kMpaaRatingsReasons, 1, -1); index >= 0;
         index = records.FindNextInRange(index, kMpaaRatingsReasons, 1, -1)) {
        if (!first)
            writer.WriteText(" ", 0, false);
        writer.WriteText(RecordText(records.GetRecord(index)), 0, true);
        first = false;
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddTitleValues(int list)
{
    return WriteValueLine(list, HeadingOf(kValueHeadings, list), 2);
}

bool CMovieTVText::AddReleaseDates()
{
    constexpr std::string_view kHeading = "Release Dates:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kReleaseDates) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);

    // Countries in one column, the dates right-aligned in the next.
    int widestCountry = 1;
    int widestDate = 1;
    for (int index = records.FindFirst(kReleaseDates); index >= 0; index = records.FindNext(index, kReleaseDates)) {
        const InfoRecord record = records.GetRecord(index);
        if (record.key == 0)
            widestCountry = std::max(widestCountry, ShownWidth(RtfTrimmed(RecordText(record))));
        else if (record.key == 1)
            widestDate = std::max(widestDate, ShownWidth(RtfTrimmed(RecordText(record))));
    }
    const int dateColumn = PixelsToTwips(widestCountry) + 2 * writer.GetCharWidth();

    for (int index = records.FindFirst(kReleaseDates); index >= 0; index = records.FindNext(index, kReleaseDates)) {
        const InfoRecord record = records.GetRecord(index);
        const std::string_view text = RecordText(record);
        if (record.key == 0) {
            LineAt(2);
            writer.WriteText(text, 0, true);
        } else if (record.key == 1) {
            AddTabStop(dateColumn + PixelsToTwips(widestDate - ShownWidth(RtfTrimmed(text))));
            writer.WriteText("\t", 0, false);
            writer.WriteText(text, 0, true);
        } else if (record.key == 2) {
            writer.WriteText(" ", 0, false);
            writer.WriteText(text, 0, true);
        } else if (record.key == 3) {
            writer.WriteText(" - ", 0, false);
            writer.WriteText(text, kRtfStyleItalic, false);
        }
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddMovieLinks()
{
    constexpr std::string_view kHeading = "Movie Links:";
    constexpr int kEpisodeHeader = 99;
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kMovieLinks) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kClosed);

    int previous = -1;
    int indent = 2;
    bool namedHeader = false; // an episode header has written its name
    for (int index = records.FindFirst(kMovieLinks); index >= 0; index = records.FindNext(index, kMovieLinks)) {
        const InfoRecord record = records.GetRecord(index);
        const std::string_view text = RecordText(record);
        if (record.key == kEpisodeHeader) {
            // Only a header: empty ones before the first named one write nothing, a
            // later empty one a blank line.
            writer.Paragraph(-1, 2, true);
            indent = 2;
            if (!text.empty()) {
                writer.WriteText(text, kRtfStyleItalic, true);
                indent = 3;
                namedHeader = true;
            }
            if (namedHeader)
                writer.NewLine();
            previous = -1;
            continue;
        }
        if (record.key != previous) {
            // A relation's heading, then its links in one column. A code without a
            // heading writes its first link alone on the line.
            previous = record.key;
            if (const char* relation = MovieLinkCodeName(record.key)) {
                const int column =
                    (indent - 1) * writer.GetCharWidth() + PixelsToTwips(ShownWidth(std::string(relation) + " "));
                writer.Paragraph(-1, indent, true);
                AddTabStop(column);
                writer.WriteText(relation, 0, false);
                writer.WriteText("\t", 0, false);
            }
        } else {
            // The hanging indent's stop, then the relation's column.
            writer.WriteText("\t\t", 0, false);
        }
        writer.WriteLink(text, text, std::string_view(), 0, RtfLinkKind::Title, true);
        writer.NewLine();
    }
    return true;
}

bool CMovieTVText::AddUserRatings()
{
    constexpr std::string_view kHeading = "User Ratings:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kRatings) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kClosed);
    writer.Paragraph(-1, 2, true);

    // Every rank and every vote starts a line of its own; the votes of the full table
    // come before its rating.
    std::int32_t votes = 0;
    bool wroteLine = false;
    auto startLine = [&] {
        if (wroteLine)
            writer.NewLine();
        wroteLine = true;
    };
    for (int index = records.FindFirst(kRatings); index >= 0; index = records.FindNext(index, kRatings)) {
        const InfoRecord record = records.GetRecord(index);
        switch (record.key) {
        case 3:
        case 4:
            startLine();
            writer.WriteText("Ranked #" + std::to_string(RecordInt(record, 0)) +
                                 (record.key == 3 ? " in the top 250." : " in the bottom 10."),
                             0, false);
            break;
        case 8:
            if (wroteLine) {
                writer.WriteText(" - ", 0, false);
                writer.WriteText(RecordText(record), kRtfStyleItalic, false);
            }
            break;
        case 1:
            votes = RecordInt(record, 0);
            break;
        case 2:
            startLine();
            writer.WriteText(std::to_string(votes) + " Zuvo users have given a weighted average vote of " +
                                 RatingText(RecordInt(record, 0)) + " / 10.",
                             0, false);
            break;
        case 9:
            writer.WriteText(" - ", 0, false);
            writer.WriteText(RecordText(record), kRtfStyleItalic, false);
            break;
        default:
            break;
        }
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddLocations()
{
    constexpr std::string_view kHeading = "Locations:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kLocations) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);
    for (int index = records.FindFirst(kLocations); index >= 0; index = records.FindNext(index, kLocations)) {
        const InfoRecord record = records.GetRecord(index);
        if (record.key == 0) {
            LineAt(2);
            writer.WriteText(RecordText(record), 0, true);
        } else if (record.key == 1) {
            writer.WriteText(" ", 0, false);
            writer.WriteText(RecordText(record), 0, true);
        } else if (record.key == 2) {
            writer.WriteText(" ", 0, false);
            WriteEpisodeCount(record);
        } else {
            writer.NewLine();
            writer.WriteText("Unknown Location. Please report this to the Author of this Program.", 0, false);
        }
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddCompanies(int list)
{
    const std::string_view heading = HeadingOf(kCompanyHeadings, list);
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(list) < 0)
        return EmptyBlock(heading);
    Heading(heading, HeadingForm::kOpen);
    for (int index = records.FindFirst(list); index >= 0; index = records.FindNext(index, list)) {
        const InfoRecord record = records.GetRecord(index);
        if (record.key == 0) {
            LineAt(2);
            writer.WriteText(RecordText(record), 0, true);
        } else if (record.key == 1) {
            writer.WriteText(" ", 0, false);
            writer.WriteText(RecordText(record), 0, true);
        } else if (record.key == 2) {
            writer.WriteText(" ", 0, false);
            WriteEpisodeCount(record);
        }
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddOtherCompanies()
{
    constexpr std::string_view kHeading = "Other Companies:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kMiscellaneousCompanies) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);

    int widest = 1;
    for (int index = records.FindFirstInRange(kMiscellaneousCompanies, 0, -1); index >= 0;
         index = records.FindNextInRange(index, kMiscellaneousCompanies, 0, -1))
        widest = std::max(widest, ShownWidth(RtfTrimmed(RecordText(records.GetRecord(index)))));
    const int column = PixelsToTwips(widest) + 2 * writer.GetCharWidth();

    bool afterCompany = false;
    for (int index = records.FindFirst(kMiscellaneousCompanies); index >= 0;
         index = records.FindNext(index, kMiscellaneousCompanies)) {
        const InfoRecord record = records.GetRecord(index);
        if (record.key == 0) {
            LineAt(2);
            AddTabStop(column);
            writer.WriteText(RecordText(record), 0, true);
            afterCompany = true;
        } else if (record.key == 1 || record.key == 2) {
            writer.WriteText(afterCompany ? "\t" : " ", 0, false);
            if (record.key == 1)
                writer.WriteText(RecordText(record), 0, true);
            else
                WriteEpisodeCount(record);
            afterCompany = false;
        }
    }
    writer.NewLine();
    return true;
}
