// The "Laserdisc Details:" block of the Movie/TV view: one part per disc of the
// Laserdisc list, its fields in a fixed order.

#include "documents/MovieTVText.h"

#include "listdata/ListCatalog.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

// The field codes of the Laserdisc list that the block reads (the record keys).
enum LaserdiscCode : int {
    kLN = 1,
    kLB = 2,
    kCN = 3,
    kLT = 4,
    kCF = 8,
    kLA = 11,
    kSU = 12,
    kLE = 13,
    kRD = 14,
    kST = 15,
    kPR = 16,
    kVS = 17,
    kCO = 18,
    kSE = 19,
    kDS = 20,
    kAL = 21,
    kAR = 22,
    kMF = 23,
    kPP = 24,
    kSI = 26,
    kDF = 27,
    kPF = 28,
    kAS = 29,
    kCC = 30,
    kCS = 31,
    kIN = 33,
    kSL = 34,
    kRC = 35,
    kRV = 36,
};

constexpr int kSlotCount = 37;

} // namespace

bool CMovieTVText::AddLaserdiscDetails()
{
    constexpr std::string_view kHeading = "Laserdisc Details:";
    const CRecordStore& records = Records();
    int start = records.FindFirst(kLaserdisc);
    if (start < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);

    // A disc runs from its first record up to the next LN. The stored data starts every
    // disc with its LN, so the record at the start is always the disc's own.
    while (start >= 0) {
        int slots[kSlotCount];
        std::fill(std::begin(slots), std::end(slots), -1);
        int next = -1;
        for (int index = start; index >= 0; index = records.FindNext(index, kLaserdisc)) {
            const int code = records.GetRecord(index).key;
            if (code == kLN && index != start) {
                next = index;
                break;
            }
            if (code >= 0 && code < kSlotCount && slots[code] < 0)
                slots[code] = index;
        }
        WriteDisc(slots);
        Writer().NewLine();
        start = next;
    }
    return true;
}

void CMovieTVText::WriteDisc(const int (&slots)[37])
{
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    auto has = [&](int code) { return slots[code] >= 0; };
    auto value = [&](int code) { return RecordText(records.GetRecord(slots[code])); };
    // CF, SU, DS, AL, AR, CC and SL say "none" with a leading "-".
    auto none = [&](int code) {
        const std::string_view text = RtfTrimmed(value(code));
        return !text.empty() && text.front() == '-';
    };
    auto label = [&](std::string_view text) { writer.WriteText(text, 0, false); };
    auto write = [&](int code) { writer.WriteText(value(code), 0, true); };
    // A labelled value on a line of its own at `indent`.
    auto line = [&](int indent, std::string_view text, int code) {
        LineAt(indent);
        label(text);
        write(code);
    };

    if (has(kLT))
        line(2, "Disc Title: ", kLT);
    if (has(kLB))
        line(3, "", kLB);
    if (has(kCN)) {
        if (has(kLB))
            label(" ");
        else
            LineAt(3);
        write(kCN);
    }
    if (has(kCF) && !none(kCF))
        line(2, "Certificate: ", kCF);
    if (has(kCO))
        line(3, "", kCO);
    if (has(kLE)) {
        if (has(kCO))
            label(" - ");
        else
            LineAt(3);
        write(kLE);
        label(" minutes");
    }
    if (has(kRC) || has(kRD)) {
        LineAt(2);
        if (has(kRC)) {
            label("Released in ");
            write(kRC);
        }
        if (has(kRD)) {
            label(has(kRC) ? ", " : "Released: ");
            write(kRD);
        }
    }
    if (has(kST))
        line(3, "", kST);
    if (has(kPR))
        line(2, "List Price: ", kPR);
    if (has(kAS) || has(kPF) || has(kVS)) {
        LineAt(2);
        label("Video Information: ");
        bool first = true;
        for (const int code : {kAS, kPF, kVS}) {
            if (!has(code))
                continue;
            if (!first)
                label(", ");
            write(code);
            first = false;
        }
    }
    LineAt(2);
    label("Disc Details:");
    if (has(kCC)) {
        LineAt(3);
        label("Close Captioning: ");
        if (none(kCC))
            label("None");
        else
            write(kCC);
    }
    if (has(kMF))
        line(3, "Master Format: ", kMF);
    if (has(kPP))
        line(3, "Pressed at: ", kPP);
    if (has(kSI)) {
        line(3, "Sides: ", kSI);
        if (has(kDF)) {
            label(" (");
            write(kDF);
            label(")");
        }
    }
    if (has(kCS))
        line(3, "Chapter Stops: ", kCS);
    if (has(kLA))
        line(3, "Language: ", kLA);
    if (has(kSU) && !none(kSU))
        line(3, "Subtitles: ", kSU);
    if (has(kSE))
        line(3, "Sound Encoding: ", kSE);
    if (has(kDS) && !none(kDS))
        line(3, "Digital Track: ", kDS);
    if (has(kAL) && has(kAR)) {
        if (none(kAR)) {
            if (!none(kAL))
                line(3, "Analog Track: ", kAL);
        } else if (!none(kAL)) {
            line(3, "Analog Left: ", kAL);
            label(", Analog Right: ");
            write(kAR);
        } else {
            line(3, "Analog Right: ", kAR);
        }
    }
    if (has(kSL) && !none(kSL)) {
        LineAt(2);
        label("Supplements:");
        WriteSupplements(slots[kSL]);
    }
    if (has(kRV)) {
        LineAt(2);
        label("Review:");
        writer.NewLine();
        writer.Paragraph(0, 2, true);
        bool first = true;
        for (int index = slots[kRV]; index >= 0 && records.GetRecord(index).key == kRV;
             index = records.FindNext(index, kLaserdisc)) {
            if (!first)
                label(" ");
            writer.WriteText(RecordText(records.GetRecord(index)), 0, true);
            first = false;
        }
    }
    if (has(kIN)) {
        LineAt(2);
        label("Notes:");
        writer.NewLine();
        writer.Paragraph(0, 2, true);
        bool paragraphStart = true;
        for (int index = slots[kIN]; index >= 0 && records.GetRecord(index).key == kIN;
             index = records.FindNext(index, kLaserdisc)) {
            const std::string_view text = RtfTrimmed(RecordText(records.GetRecord(index)));
            if (text.empty()) {
                // An empty line parts the notes into paragraphs.
                writer.NewLine();
                paragraphStart = true;
                continue;
            }
            if (!paragraphStart)
                label(" ");
            writer.WriteText(text, 0, false);
            paragraphStart = false;
        }
    }
}

// The SL record at `first` and the SL records that directly follow it, as items split at
// ";": each item a bullet of its own, ended by "." where a ";" ended it; a record without
// ";" continues the item after one blank.
void CMovieTVText::WriteSupplements(int first)
{
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    const int dash = DashWidth();
    const int charWidth = writer.GetCharWidth();
    bool newItem = true;
    for (int index = first; index >= 0 && records.GetRecord(index).key == kSL;
         index = records.FindNext(index, kLaserdisc)) {
        std::string_view rest = RecordText(records.GetRecord(index));
        for (;;) {
            if (newItem) {
                writer.NewLine();
                writer.Paragraph(-dash, charWidth + 2 * dash, false);
                writer.WriteText("- ", 0, false);
            } else {
                writer.WriteText(" ", 0, false);
            }
            const std::size_t semicolon = rest.find(';');
            if (semicolon == std::string_view::npos) {
                writer.WriteText(rest, 0, true);
                newItem = false;
                break;
            }
            writer.WriteText(rest.substr(0, semicolon), 0, true);
            writer.WriteText(".", 0, false);
            newItem = true;
            rest = rest.substr(semicolon);
            const std::size_t more = rest.find_first_not_of("; ");
            if (more == std::string_view::npos)
                break;
            rest = rest.substr(more);
        }
    }
}
