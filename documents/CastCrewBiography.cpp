// The biography blocks of the Cast/Crew view: names, dates and places, aka names,
// spouses, guest appearances, the mini biography, height, the item lists, publications,
// salaries and agent.

#include "documents/CastCrewText.h"

#include "listdata/AppSettings.h"
#include "listdata/ListCatalog.h"
#include "listdata/RecordStore.h"
#include "platform/RichTextHost.h"

#include <algorithm>
#include <string>

namespace {

constexpr KeyedHeading kItemListHeadings[] = {
    {15, "Biography (print):"}, {17, "Biographical Movies:"}, {19, "Portrayed in:"},
    {21, "Other Works:"},       {29, "Trivia:"},              {31, "Personal Quotes:"},
    {36, "Where are they now:"}, {41, "Trademark:"},
};
constexpr KeyedHeading kOldTitleListHeadings[] = {{17, "Biographical Movies:"}, {19, "Portrayed in:"}};
constexpr KeyedHeading kPublicationHeadings[] = {
    {43, "Interview:"}, {52, "Article:"}, {61, "Pictorials:"}, {70, "Magazine Cover Photo:"}};
constexpr KeyedHeading kDatePlaceHeadings[] = {{4, "Date of Birth: "}, {8, "Date of Death: "}};

// Calls visit(record) for the biography records of keys first..last in store order.
template <class Visit> void ForEachBio(const CRecordStore& records, int first, int last, Visit visit)
{
    for (int index = records.FindFirstInRange(kBiographies, first, last); index >= 0;
         index = records.FindNextInRange(index, kBiographies, first, last))
        visit(records.GetRecord(index));
}

bool HasBio(const CRecordStore& records, int first, int last)
{
    return records.FindFirstInRange(kBiographies, first, last) >= 0;
}

constexpr int kRealName = 2;
constexpr int kNickname = 3;
constexpr int kHeight = 12;
constexpr int kMiniBiography = 13;
constexpr int kBiographyAuthor = 14;
constexpr int kGuestFirst = 23;
constexpr int kSalaryFirst = 33;
constexpr int kSpouseFirst = 38;
constexpr int kAgent = 79;

} // namespace

int CCastCrewText::ColumnBeyond(int key) const
{
    int widest = 1;
    ForEachBio(Records(), key, key,
               [&](const InfoRecord& record) { widest = std::max(widest, ShownWidth(RecordText(record))); });
    return PixelsToTwips(widest) + 2 * Writer().GetCharWidth();
}

bool CCastCrewText::AddRealName()
{
    constexpr std::string_view kHeading = "Real Name: ";
    const int index = Records().FindFirstInRange(kBiographies, kRealName, kRealName);
    if (index < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kClosed);
    Writer().Paragraph(-1, 2, true);
    Writer().WriteText(FormatName(RecordText(Records().GetRecord(index))), 0, false);
    Writer().NewLine();
    return true;
}

bool CCastCrewText::AddNicknames()
{
    constexpr std::string_view kHeading = "Nickname: ";
    if (!HasBio(Records(), kNickname, kNickname))
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kClosed);
    Writer().Paragraph(-1, 2, true);
    ForEachBio(Records(), kNickname, kNickname, [&](const InfoRecord& record) {
        Writer().WriteText(RecordText(record), 0, true);
        Writer().NewLine();
    });
    return true;
}

bool CCastCrewText::AddDatePlace(int code)
{
    const std::string_view heading = HeadingOf(kDatePlaceHeadings, code);
    if (!HasBio(Records(), code, code + 3))
        return EmptyBlock(heading);
    Heading(heading, HeadingForm::kClosed);
    CRtfWriter& writer = Writer();
    writer.Paragraph(-1, 2, true);
    int previous = -1;
    ForEachBio(Records(), code, code + 3, [&](const InfoRecord& record) {
        if (previous == code + 1)
            writer.WriteText(", ", 0, false); // after the date
        else if (previous == code + 2)
            writer.WriteText(" - ", 0, false); // after the place
        else if (previous >= 0)
            writer.WriteText(" ", 0, false);
        writer.WriteText(RecordText(record), 0, true);
        previous = record.key;
    });
    writer.NewLine();
    return true;
}

bool CCastCrewText::AddAkaNames()
{
    constexpr std::string_view kHeading = "Sometimes Credited As:";
    const CRecordStore& records = Records();
    if (records.FindFirst(kAkaNames) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kClosed);
    Writer().Paragraph(-1, 2, true);
    for (int index = records.FindFirst(kAkaNames); index >= 0; index = records.FindNext(index, kAkaNames)) {
        Writer().WriteText(FormatName(RecordText(records.GetRecord(index))), 0, false);
        Writer().NewLine();
    }
    return true;
}

bool CCastCrewText::AddSpouses()
{
    constexpr std::string_view kHeading = "Spouse:";
    const int name = kSpouseFirst + 1;
    if (!HasBio(Records(), kSpouseFirst, kSpouseFirst + 2))
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);
    CRtfWriter& writer = Writer();
    const int tab = ColumnBeyond(name);

    bool afterName = false;
    ForEachBio(Records(), kSpouseFirst, kSpouseFirst + 2, [&](const InfoRecord& record) {
        if (record.key != kSpouseFirst + 2) {
            writer.NewLine();
            writer.Paragraph(-1, 2, true);
            AddTabStop(tab);
            afterName = true;
        } else {
            writer.WriteText(afterName ? "\t" : " ", 0, false);
            afterName = false;
        }
        writer.WriteText(RecordText(record), 0, true);
    });
    writer.NewLine();
    return true;
}

bool CCastCrewText::AddGuestAppearances()
{
    constexpr std::string_view kHeading = "Notable TV Guest Appearances:";
    if (!HasBio(Records(), kGuestFirst, kGuestFirst + 5))
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);
    CRtfWriter& writer = Writer();
    bool first = true;
    bool numbered = false;
    ForEachBio(Records(), kGuestFirst, kGuestFirst + 5, [&](const InfoRecord& record) {
        if (!first)
            writer.WriteText(" ", 0, false);
        first = false;
        switch (record.key - kGuestFirst) {
        case 0: // the appearance without a title reference
        case 1: // the title
            writer.NewLine();
            writer.Paragraph(-1, 2, true);
            numbered = false;
            break;
        case 2:
            writer.WriteText("playing ", 0, false);
            break;
        case 4:
            writer.WriteText("in episode #", 0, false);
            numbered = true;
            break;
        case 5:
            writer.WriteText(numbered ? "- " : "in episode - ", 0, false);
            break;
        default:
            break;
        }
        if (record.key == kGuestFirst + 1 && OldLayout())
            TitleLink(RecordText(record));
        else
            writer.WriteText(RecordText(record), 0, true);
    });
    writer.NewLine();
    return true;
}

bool CCastCrewText::AddMiniBiography()
{
    constexpr std::string_view kHeading = "Mini Biography:";
    if (!HasBio(Records(), kMiniBiography, kBiographyAuthor))
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kClosed);
    if (!HasBio(Records(), kMiniBiography, kMiniBiography))
        return true;
    CRtfWriter& writer = Writer();
    writer.Paragraph(0, 1, true);
    // An empty line of the biography ends its paragraph; breaks before the first text,
    // after the last or next to each other make no empty lines.
    bool paragraphStart = true;
    bool broken = false;
    ForEachBio(Records(), kMiniBiography, kMiniBiography, [&](const InfoRecord& record) {
        const std::string_view text = RecordText(record);
        if (text.empty()) {
            broken = !paragraphStart;
            return;
        }
        if (broken) {
            writer.NewLine();
            paragraphStart = true;
            broken = false;
        }
        if (!paragraphStart)
            writer.WriteText(" ", 0, false);
        writer.WriteText(text, 0, true);
        paragraphStart = false;
    });
    const int author = Records().FindFirstInRange(kBiographies, kBiographyAuthor, kBiographyAuthor);
    if (author >= 0) {
        writer.NewLine();
        writer.Paragraph(-1, 2, true);
        writer.WriteText("- Zuvo mini-biography by: ", kRtfStyleItalic, false);
        writer.WriteText(RecordText(Records().GetRecord(author)), kRtfStyleItalic, true);
    }
    writer.NewLine();
    return true;
}

bool CCastCrewText::AddHeight()
{
    constexpr std::string_view kHeading = "Height:";
    const int index = Records().FindFirstInRange(kBiographies, kHeight, kHeight);
    if (index < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kInline);
    Writer().WriteText(" ", kRtfStyleBold, false);
    Writer().WriteText(RecordText(Records().GetRecord(index)), 0, true);
    Writer().NewLine();
    return true;
}

bool CCastCrewText::AddItemList(int code)
{
    const std::string_view heading = HeadingOf(kItemListHeadings, code);
    if (!HasBio(Records(), code, code + 1))
        return EmptyBlock(heading);
    Heading(heading, HeadingForm::kOpen);
    CRtfWriter& writer = Writer();
    // Wrapped lines of an item align under its text, beside the dash.
    const int hang = PixelsToTwips(Measure().TextWidth("- "));
    bool itemStart = false;
    ForEachBio(Records(), code, code + 1, [&](const InfoRecord& record) {
        if (record.key == code) {
            writer.NewLine();
            writer.Paragraph(-hang, writer.GetCharWidth() + hang, false);
            writer.WriteText("- ", 0, false);
            itemStart = true;
        }
        if (!itemStart)
            writer.WriteText(" ", 0, false);
        writer.WriteText(RecordText(record), 0, true);
        itemStart = false;
    });
    writer.NewLine();
    return true;
}

bool CCastCrewText::AddOldTitleList(int code)
{
    const std::string_view heading = HeadingOf(kOldTitleListHeadings, code);
    if (!HasBio(Records(), code, code + 1))
        return EmptyBlock(heading);
    Heading(heading, HeadingForm::kClosed);
    Writer().Paragraph(-1, 2, true);
    ForEachBio(Records(), code, code + 1, [&](const InfoRecord& record) {
        if (record.key == code)
            TitleLink(RecordText(record));
        else
            Writer().WriteText(RecordText(record), 0, true);
        Writer().NewLine();
    });
    return true;
}

bool CCastCrewText::AddPublications(int code)
{
    const std::string_view heading = HeadingOf(kPublicationHeadings, code);
    if (!HasBio(Records(), code, code + 8))
        return EmptyBlock(heading);
    Heading(heading, HeadingForm::kOpen);
    CRtfWriter& writer = Writer();

    // The column after each entry's publication and country.
    int widest = 1;
    int entry = 0;
    ForEachBio(Records(), code + 1, code + 2, [&](const InfoRecord& record) {
        if (record.key == code + 1)
            entry = 0;
        entry += ShownWidth(RecordText(record));
        widest = std::max(widest, entry);
    });
    const int tab = PixelsToTwips(widest + Measure().TextWidth("()")) + 2 * writer.GetCharWidth();

    bool lineStart = true;
    ForEachBio(Records(), code, code + 8, [&](const InfoRecord& record) {
        const int part = record.key - code;
        switch (part) {
        case 0:
        case 1:
            writer.NewLine();
            writer.Paragraph(-1, 2, true);
            AddTabStop(tab);
            lineStart = true;
            break;
        case 2:
            writer.WriteText(" (", 0, false);
            lineStart = true;
            break;
        case 4:
            writer.WriteText(" Vol: ", 0, false);
            break;
        case 5:
            writer.WriteText(" Iss: ", 0, false);
            break;
        case 6:
            writer.WriteText(" pg: ", 0, false);
            break;
        case 7:
            writer.WriteText(" By: ", 0, false);
            break;
        case 8:
            writer.WriteText(" - ", 0, false);
            break;
        default:
            break;
        }
        if (!lineStart)
            writer.WriteText(" ", 0, false);
        lineStart = false;
        writer.WriteText(RecordText(record), 0, true);
        if (part == 2)
            writer.WriteText(")\t", 0, false);
    });
    writer.NewLine();
    return true;
}

bool CCastCrewText::AddSalaries()
{
    constexpr std::string_view kHeading = "Salary:";
    const int title = kSalaryFirst + 1;
    if (!HasBio(Records(), kSalaryFirst, kSalaryFirst + 2))
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);
    CRtfWriter& writer = Writer();
    const int tab = ColumnBeyond(title);
    ForEachBio(Records(), kSalaryFirst, kSalaryFirst + 2, [&](const InfoRecord& record) {
        if (record.key == kSalaryFirst + 2) {
            writer.WriteText("\t", 0, false);
        } else {
            writer.NewLine();
            writer.Paragraph(-1, 2, true);
            AddTabStop(tab);
        }
        if (record.key == title && OldLayout())
            TitleLink(RecordText(record));
        else
            writer.WriteText(RecordText(record), 0, true);
    });
    writer.NewLine();
    return true;
}

bool CCastCrewText::AddAgent()
{
    constexpr std::string_view kHeading = "Agent:";
    if (!HasBio(Records(), kAgent, kAgent + 1))
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);
    CRtfWriter& writer = Writer();
    const int tab = PixelsToTwips(Measure().TextWidth("- "));
    ForEachBio(Records(), kAgent, kAgent + 1, [&](const InfoRecord& record) {
        writer.NewLine();
        writer.Paragraph(-1, 2, true);
        AddTabStop(tab);
        writer.WriteText(record.key == kAgent ? "- " : "\t", 0, false);
        writer.WriteText(RecordText(record), 0, true);
    });
    writer.NewLine();
    return true;
}
