// The running texts of the Movie/TV view: plot summaries, quotes, goofs, the item lists
// (alternate versions, trivia, crazy credits), technical specifications, business
// information, literature and soundtracks. Every heading line is left open: the first
// item starts with a NewLine.

#include "documents/MovieTVText.h"

#include "listdata/CodeNames.h"
#include "listdata/ListCatalog.h"

#include <string>

namespace {

constexpr int kEpisodeHeader = 99;

constexpr KeyedHeading kEntryListHeadings[] = {
    {kAlternateVersions, "Alternate Versions:"},
    {kCrazyCredits, "Crazy Credits:"},
    {kTrivia, "Trivia:"},
};

const char* TechnicalKindName(int code)
{
    static const char* const kNames[] = {
        "Camera",
        "Film length (metres)",
        "Film negative format (mm/video inches)",
        "Printed film format",
        "Aspect ratio",
        "Cinematographic process",
        "Laboratory",
    };
    return code >= 2 && code - 2 < static_cast<int>(std::size(kNames)) ? kNames[code - 2] : nullptr;
}

const char* LiteratureKindName(int code)
{
    static const char* const kNames[] = {
        "Screenplay/Teleplay",         "Original Literary Source", "Adaption of Literary Source",
        "Monographic Related Book",    "Production Process Protocol", "Interviews",
        "Printed Media Reviews",       "Essays",                   "Other Information",
    };
    return code >= 1 && code - 1 < static_cast<int>(std::size(kNames)) ? kNames[code - 1] : nullptr;
}

} // namespace

int CMovieTVText::DashWidth() const
{
    return PixelsToTwips(ShownWidth("- "));
}

// Technical, Business and Literature: a kind's name on one line, its values one
// character deeper below it. A code without a name (an unknown prefix, or none) is a
// value line of its own at the kind's indent: its text is kept, and the table is never
// read outside its range.
void CMovieTVText::WriteKindValue(const InfoRecord& record, const char* kind, int& previousKind, int indent)
{
    CRtfWriter& writer = Writer();
    if (kind == nullptr) {
        previousKind = record.key;
        LineAt(indent);
    } else {
        if (record.key != previousKind) {
            previousKind = record.key;
            LineAt(indent);
            writer.WriteText(std::string(kind) + ":", 0, false);
        }
        LineAt(indent + 1);
    }
    writer.WriteText(RecordText(record), 0, true);
}

bool CMovieTVText::AddPlot()
{
    constexpr std::string_view kHeading = "Plot Summary:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kPlot) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);

    bool newParagraph = true;
    bool lineStart = true;
    auto paragraph = [&] {
        writer.NewLine();
        writer.Paragraph(0, 1, true);
    };
    for (int index = records.FindFirst(kPlot); index >= 0; index = records.FindNext(index, kPlot)) {
        const InfoRecord record = records.GetRecord(index);
        const std::string_view text = RecordText(record);
        if (record.key == kEpisodeHeader) {
            if (newParagraph)
                paragraph();
            newParagraph = false;
            writer.WriteText(text, kRtfStyleItalic, true);
            writer.NewLine();
            lineStart = true;
        } else if (record.key == 1) {
            if (newParagraph)
                paragraph();
            newParagraph = false;
            if (!lineStart)
                writer.WriteText(" ", 0, false);
            writer.WriteText(text, 0, true);
            lineStart = false;
        } else if (record.key == 2) {
            paragraph();
            writer.WriteText("- Summary written by: ", kRtfStyleItalic, false);
            writer.WriteText(text, 0, true);
            writer.NewLine();
            newParagraph = true;
            lineStart = true;
        }
    }
    // A summary with an author ends its line; the section's NewLine ends any other.
    return true;
}

bool CMovieTVText::AddQuotes()
{
    constexpr std::string_view kHeading = "Memorable Quotes:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kQuotes) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);

    int indent = 2;
    bool afterHeader = true; // nothing written since the heading or an episode header
    for (int index = records.FindFirst(kQuotes); index >= 0; index = records.FindNext(index, kQuotes)) {
        const InfoRecord record = records.GetRecord(index);
        const std::string_view text = RecordText(record);
        switch (record.key) {
        case kEpisodeHeader:
            if (!text.empty()) {
                if (!afterHeader)
                    writer.NewLine();
                LineAt(2);
                writer.WriteText(text, kRtfStyleItalic, true);
                indent = 3;
            } else {
                indent = 2;
            }
            afterHeader = true;
            break;
        case 1: // a quote after a blank line: a blank line between quotes
            if (!afterHeader)
                writer.NewLine();
            LineAt(indent);
            writer.WriteText(text, 0, true);
            afterHeader = false;
            break;
        case 2:
            LineAt(indent);
            writer.WriteText(text, 0, true);
            afterHeader = false;
            break;
        case 0:
            writer.WriteText(" ", 0, false);
            writer.WriteText(text, 0, true);
            afterHeader = false;
            break;
        default:
            break;
        }
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddGoofs()
{
    constexpr std::string_view kHeading = "Goofs:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kGoofs) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);

    const int dash = DashWidth();
    const int charWidth = writer.GetCharWidth();
    for (int index = records.FindFirst(kGoofs); index >= 0; index = records.FindNext(index, kGoofs)) {
        const InfoRecord record = records.GetRecord(index);
        const std::string_view text = RecordText(record);
        if (const char* category = GoofCodeName(record.key)) {
            writer.NewLine();
            writer.Paragraph(-dash, charWidth + dash, false);
            writer.WriteText("- " + std::string(category) + ":", 0, false);
            writer.WriteText(" ", 0, false);
            writer.WriteText(text, 0, true);
        } else if (record.key == 0) {
            writer.WriteText(" ", 0, false);
            writer.WriteText(text, 0, true);
        } else if (record.key == 1) {
            writer.NewLine();
        } else if (record.key == kEpisodeHeader) {
            writer.NewLine();
            writer.Paragraph(-dash, charWidth + dash, false);
            writer.WriteText(text, kRtfStyleItalic, true);
        }
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddEntryList(int list)
{
    const std::string_view heading = HeadingOf(kEntryListHeadings, list);
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(list) < 0)
        return EmptyBlock(heading);
    Heading(heading, HeadingForm::kOpen);

    const int dash = DashWidth();
    const int charWidth = writer.GetCharWidth();
    bool lineStart = true;
    for (int index = records.FindFirst(list); index >= 0; index = records.FindNext(index, list)) {
        const InfoRecord record = records.GetRecord(index);
        if (record.key == 1 || record.key == 2) {
            // An item, or a sub-item one dash deeper.
            writer.NewLine();
            writer.Paragraph(-dash, charWidth + record.key * dash, false);
            writer.WriteText("- ", 0, false);
            lineStart = true;
        } else if (record.key == 3) {
            writer.NewLine();
            lineStart = true;
        }
        // Continuations, and lines of other kinds, join the current line.
        if (!lineStart)
            writer.WriteText(" ", 0, false);
        lineStart = false;
        writer.WriteText(RecordText(record), record.key == 3 ? kRtfStyleItalic : 0, true);
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddTechnical()
{
    constexpr std::string_view kHeading = "Technical Specifications:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kTechnical) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);

    // Every line carries its episode header; a header is shown when it changes.
    int previousKind = -1;
    int indent = 2;
    std::string previousEpisode;
    for (int index = records.FindFirst(kTechnical); index >= 0; index = records.FindNext(index, kTechnical)) {
        const InfoRecord record = records.GetRecord(index);
        const std::string_view text = RecordText(record);
        if (record.key == kEpisodeHeader) {
            if (text == previousEpisode)
                continue;
            previousEpisode = text;
            LineAt(2);
            writer.WriteText(text, kRtfStyleItalic, true);
            indent = text.empty() ? 2 : 3;
            previousKind = -1;
        } else if (record.key == 1) {
            writer.WriteText(" ", 0, false);
            writer.WriteText(text, 0, true);
        } else {
            WriteKindValue(record, TechnicalKindName(record.key), previousKind, indent);
        }
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddBusiness()
{
    constexpr std::string_view kHeading = "Business Information:";
    const CRecordStore& records = Records();
    if (records.FindFirst(kBusiness) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);
    int previousKind = -1;
    for (int index = records.FindFirst(kBusiness); index >= 0; index = records.FindNext(index, kBusiness)) {
        const InfoRecord record = records.GetRecord(index);
        WriteKindValue(record, BusinessCodeName(record.key), previousKind, 2);
    }
    Writer().NewLine();
    return true;
}

bool CMovieTVText::AddLiterature()
{
    constexpr std::string_view kHeading = "Literature:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    int index = records.FindFirst(kLiterature);
    if (index < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);

    int previousKind = -1;
    int indent = 2;
    for (bool first = true; index >= 0; index = records.FindNext(index, kLiterature), first = false) {
        const InfoRecord record = records.GetRecord(index);
        const std::string_view text = RecordText(record);
        if (record.key == kEpisodeHeader) {
            // Entries apart by a blank line; an episode's entry under its name.
            if (!first)
                writer.NewLine();
            indent = 2;
            if (!text.empty()) {
                indent = 3;
                LineAt(2);
                writer.WriteText(text, kRtfStyleItalic, true);
            }
            previousKind = -1;
        } else if (record.key == 0) {
            writer.WriteText(" ", 0, false);
            writer.WriteText(text, 0, true);
        } else {
            WriteKindValue(record, LiteratureKindName(record.key), previousKind, indent);
        }
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddSoundtracks()
{
    constexpr std::string_view kHeading = "Soundtracks:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kSoundtracks) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);

    const int dash = DashWidth();
    const int charWidth = writer.GetCharWidth();
    for (int index = records.FindFirst(kSoundtracks); index >= 0; index = records.FindNext(index, kSoundtracks)) {
        const InfoRecord record = records.GetRecord(index);
        const std::string_view text = RecordText(record);
        switch (record.key) {
        case 2: // a song
            writer.NewLine();
            writer.Paragraph(-dash, charWidth + dash, false);
            writer.WriteText("- ", 0, false);
            writer.WriteText(text, 0, true);
            break;
        case 3: // episode header
            if (!text.empty()) {
                writer.NewLine();
                writer.Paragraph(-dash, charWidth + dash, false);
                writer.WriteText(text, kRtfStyleItalic, true);
            }
            break;
        case 0:
            writer.WriteText(" ", 0, false);
            writer.WriteText(text, 0, true);
            break;
        default: // a detail of the song: its writer, its performer
            writer.NewLine();
            writer.Paragraph(-charWidth, dash + 2 * charWidth, false);
            writer.WriteText(text, 0, true);
            break;
        }
    }
    writer.NewLine();
    return true;
}
