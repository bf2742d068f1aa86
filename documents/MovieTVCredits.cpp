// The credit blocks of the Movie/TV view: crew, writing credits and cast.

#include "documents/MovieTVText.h"

#include "listdata/AppSettings.h"
#include "listdata/ListCatalog.h"
#include "listdata/TextChars.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

constexpr KeyedHeading kCrewHeadings[] = {
    {kDirectors, "Directed by:"},
    {kProducers, "Produced by:"},
    {kComposers, "Original Music by:"},
    {kCinematographers, "Cinematography by:"},
    {kCostumeDesigners, "Costume Design by:"},
    {kProductionDesigners, "Production Design by:"},
    {kEditors, "Film Editing by:"},
    {kMiscellaneous, "Other Crew:"},
};

// "(1 episode)" for a count of 1 or less, else "(n episodes)".
std::string EpisodeCount(std::int32_t count)
{
    return "(" + std::to_string(count) + (count <= 1 ? " episode)" : " episodes)");
}

// The key-0 records of `type`: each starts a person's entry, which holds the records of
// that type up to the next key 0.
std::vector<int> Entries(const CRecordStore& records, int type)
{
    std::vector<int> entries;
    for (int index = records.FindFirst(type); index >= 0; index = records.FindNext(index, type))
        if (records.GetRecord(index).key == 0)
            entries.push_back(index);
    return entries;
}

// Calls visit(index, record) for the records of the entry named at `name`, in store order.
template <class Visit> void ForEachDetail(const CRecordStore& records, int type, int name, Visit visit)
{
    for (int index = records.FindNext(name, type); index >= 0; index = records.FindNext(index, type)) {
        const InfoRecord record = records.GetRecord(index);
        if (record.key == 0)
            break;
        visit(index, record);
    }
}

// A writer's order numbers (credited first, second, third); none: -1, -1, -1.
using WriterOrder = std::array<int, 3>;
constexpr WriterOrder kNoOrder = {-1, -1, -1};

WriterOrder ReadWriterOrder(const InfoRecord& record)
{
    if (record.size != 3 || record.data == nullptr)
        return kNoOrder;
    return {record.data[0], record.data[1], record.data[2]};
}

} // namespace

void CMovieTVText::WriteNameLines(int type, const std::vector<int>& names, int countKey)
{
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    std::vector<std::string> formatted;
    int widest = 1;
    for (const int name : names) {
        formatted.push_back(FormatName(RecordText(records.GetRecord(name))));
        widest = std::max(widest, ShownWidth(formatted.back()));
    }
    const int nameTab = PixelsToTwips(widest) + 2 * writer.GetCharWidth();

    for (std::size_t i = 0; i < names.size(); ++i) {
        writer.NewLine();
        writer.Paragraph(-1, 2, true);
        AddTabStop(nameTab);
        NameLink(RecordText(records.GetRecord(names[i])), formatted[i]);
        bool afterName = true;
        ForEachDetail(records, type, names[i], [&](int, const InfoRecord& record) {
            std::int32_t count = 0;
            if (record.key == 2) {
                writer.WriteText(afterName ? "\t" : " ", 0, false);
                writer.WriteText(RecordText(record), 0, true);
            } else if (record.key == countKey) {
                // A count record that holds no count (a document file's) shows its text.
                writer.WriteText(afterName ? "\t" : " ", 0, false);
                writer.WriteText(RecordEpisodeCount(record, count) ? EpisodeCount(count)
                                                                   : std::string(RecordText(record)),
                                 kRtfStyleItalic, true);
            }
            afterName = false;
        });
    }
}

bool CMovieTVText::AddCrew(int list)
{
    const std::string_view heading = HeadingOf(kCrewHeadings, list);
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(list) < 0)
        return EmptyBlock(heading);
    Heading(heading, HeadingForm::kOpen);

    WriteNameLines(list, Entries(records, list), 3);
    writer.NewLine();

    if (list == kMiscellaneous) {
        const int coverage = records.FindFirst(kCompleteCrew);
        if (coverage >= 0) {
            writer.Paragraph(-1, 1, true);
            const int key = records.GetRecord(coverage).key;
            if (key == 0)
                writer.WriteText("Crew believed to be complete.", 0, false);
            else if (key == 1)
                writer.WriteText("Crew verified as complete.", 0, false);
            writer.NewLine();
        }
    }
    return true;
}

bool CMovieTVText::AddWritingCredits()
{
    constexpr std::string_view kHeading = "Writing Credits:";
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kWriters) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);

    // Writers credited on episodes hold episode counts (key 5); the others are credited
    // on the title itself.
    struct TitleWriter {
        int name = -1;
        WriterOrder order = kNoOrder; // the entry's first key 3
        int note = -1;                // the entry's last key 2
    };
    std::vector<TitleWriter> titleWriters;
    std::vector<int> seriesWriters;
    for (const int entry : Entries(records, kWriters)) {
        TitleWriter title{entry};
        bool series = false;
        bool ordered = false;
        ForEachDetail(records, kWriters, entry, [&](int index, const InfoRecord& record) {
            if (record.key == 5) {
                series = true;
            } else if (record.key == 3 && !ordered) {
                title.order = ReadWriterOrder(record);
                ordered = true;
            } else if (record.key == 2) {
                title.note = index;
            }
        });
        if (series)
            seriesWriters.push_back(entry);
        else
            titleWriters.push_back(title);
    }

    // Credited order; writers without order numbers first, equals in store order.
    std::stable_sort(titleWriters.begin(), titleWriters.end(),
                     [](const TitleWriter& a, const TitleWriter& b) { return a.order < b.order; });
    WriterOrder previous = kNoOrder;
    for (const TitleWriter& entry : titleWriters) {
        if (entry.order[0] == previous[0] && previous[1] != -1) {
            writer.WriteText(entry.order[1] == previous[1] ? " & " : " and ", 0, false);
        } else {
            writer.NewLine();
            writer.Paragraph(-1, 2, true);
        }
        const std::string_view name = RecordText(records.GetRecord(entry.name));
        NameLink(name, FormatName(name));
        if (entry.note >= 0) {
            writer.WriteText(" ", 0, false);
            writer.WriteText(RecordText(records.GetRecord(entry.note)), 0, true);
        }
        previous = entry.order;
    }

    if (!seriesWriters.empty()) {
        if (!titleWriters.empty())
            writer.NewLine();
        WriteNameLines(kWriters, seriesWriters, 5);
    }
    writer.NewLine();
    return true;
}

bool CMovieTVText::AddCast()
{
    constexpr std::string_view kHeading = "Cast:";
    constexpr std::int32_t kUnbilled = 32767;
    const CRecordStore& records = Records();
    CRtfWriter& writer = Writer();
    if (records.FindFirst(kActors) < 0 && records.FindFirst(kActresses) < 0)
        return EmptyBlock(kHeading);
    Heading(kHeading, HeadingForm::kOpen);

    const int coverage = records.FindFirst(kCompleteCast);
    if (coverage >= 0) {
        const int key = records.GetRecord(coverage).key;
        if (key == 0)
            writer.WriteText(" complete, awaiting verification.", 0, false);
        else if (key == 1)
            writer.WriteText(" verified as complete.", 0, false);
    }

    struct Member {
        std::string stored;
        std::string formatted;
        std::int32_t billing = kUnbilled;
        bool billed = false;
        int role = -1;      // key 3
        int text = -1;      // key 2
        int lines = -1;     // key 5: the number of crediting lines
        int roleCount = -1; // key 6: the number of distinct roles
    };
    std::vector<Member> cast;
    int widestName = 1;
    int widestBilling = 1;
    for (const int type : {kActors, kActresses}) {
        for (const int entry : Entries(records, type)) {
            Member& member = cast.emplace_back();
            member.stored = RecordText(records.GetRecord(entry));
            member.formatted = FormatName(member.stored);
            widestName = std::max(widestName, ShownWidth(member.formatted));
            ForEachDetail(records, type, entry, [&](int index, const InfoRecord& record) {
                std::int32_t number = 0;
                if (record.key == 4 && !member.billed && record.GetInt(number)) {
                    member.billing = number;
                    member.billed = true;
                    widestBilling = std::max(widestBilling, ShownWidth(std::to_string(number)));
                } else if (record.key == 3 && member.role < 0) {
                    member.role = index;
                } else if (record.key == 2 && member.text < 0) {
                    member.text = index;
                } else if (record.key == 5 && member.lines < 0 && RecordEpisodeCount(record, number)) {
                    member.lines = number;
                } else if (record.key == 6 && member.roleCount < 0 && RecordEpisodeCount(record, number)) {
                    member.roleCount = number;
                }
            });
        }
    }

    const int charWidth = writer.GetCharWidth();
    const int billingWidth = PixelsToTwips(widestBilling);
    const int nameTab = billingWidth + 2 * charWidth;
    const int roleTab = nameTab + PixelsToTwips(widestName) + charWidth;

    if (Settings().CastOrder == 0) {
        std::stable_sort(cast.begin(), cast.end(), [](const Member& a, const Member& b) {
            if (a.billing != b.billing)
                return a.billing < b.billing;
            return textchars::CompareNoCase(a.stored.c_str(), b.stored.c_str()) < 0;
        });
    } else {
        std::stable_sort(cast.begin(), cast.end(), [](const Member& a, const Member& b) {
            return textchars::CompareNoCase(a.stored.c_str(), b.stored.c_str()) < 0;
        });
    }

    for (const Member& member : cast) {
        writer.NewLine();
        writer.Paragraph(-1, 2, true);
        if (member.billed) {
            // Right-aligned: the line starts one character in, and a number that starts
            // beyond the hanging indent's stop passes that stop with a tab of its own.
            const std::string number = std::to_string(member.billing);
            const int pad = billingWidth - PixelsToTwips(ShownWidth(number));
            if (pad > 0) {
                if (pad > charWidth)
                    writer.WriteText("\t", 0, false);
                AddTabStop(charWidth + pad);
                writer.WriteText("\t", 0, false);
            }
            writer.WriteText(number, 0, false);
        } else {
            AddTabStop(nameTab);
            writer.WriteText("\t", 0, false);
        }
        if (!member.stored.empty()) {
            AddTabStop(nameTab);
            writer.WriteText("\t", 0, false);
            NameLink(member.stored, member.formatted);
        }
        AddTabStop(roleTab);
        writer.WriteText("\t", 0, false);
        if (member.role >= 0) {
            writer.WriteText("...", 0, false);
            writer.WriteText(RecordText(records.GetRecord(member.role)), 0, true);
        }
        if (member.text >= 0) {
            writer.WriteText(" ", 0, false);
            writer.WriteText(RecordText(records.GetRecord(member.text)), 0, true);
        }
        if (member.lines >= 0 || member.roleCount >= 0) {
            writer.WriteText(" (", kRtfStyleItalic, false);
            if (member.lines >= 0)
                writer.WriteText(std::to_string(member.lines) + " episodes", kRtfStyleItalic, true);
            if (member.lines >= 0 && member.roleCount >= 0)
                writer.WriteText(" / ", kRtfStyleItalic, false);
            if (member.roleCount >= 0)
                writer.WriteText(std::to_string(member.roleCount) + " character names", kRtfStyleItalic, true);
            writer.WriteText(")", kRtfStyleItalic, false);
        }
    }
    writer.NewLine();
    return true;
}
