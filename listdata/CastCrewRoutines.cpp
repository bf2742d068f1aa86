#include "listdata/CastCrewRoutines.h"

#include "listdata/ListLine.h"
#include "listdata/RoutineWalker.h"

using namespace searchtext;
using routines::LineStep;
using routines::RecordOut;

namespace {

bool CutTabName(std::string_view line, std::size_t& pos, std::string_view& name)
{
    return NextTabField(line, pos, name);
}

// The credit lines of the person's record: the first line's fields after the name, then
// every further line from its start. `onField(first, field)` gets each two-blank field,
// `first` true for the line's title. A credit is its line's first piece: the pieces that
// continue an over-long line would make titles of their text.
template <class OnField>
bool ForEachCreditLine(CListFile& file, std::string_view line, std::size_t pos, OnField&& onField)
{
    for (;;) {
        std::string_view field;
        bool first = true;
        while (NextField(line, pos, field)) {
            if (!onField(first, field))
                return false;
            first = false;
        }
        if (!file.NextLineStart())
            return true;
        line = routines::CurrentLine(file);
        pos = 0;
    }
}

} // namespace

bool SearchActingCredits(int listIndex, CListFile& file, const std::string& person, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    return routines::WalkPersonRecords(file, person, true, CutTabName, [&](std::string_view line, std::size_t pos) {
        return ForEachCreditLine(file, line, pos, [&](bool first, std::string_view field) {
            if (first)
                return out.Text(1, field);
            if (field.front() == '<')
                return out.Int(4, LeadingNumber(searchtext::Unbracket(field, '>')));
            if (field.front() == '[')
                return out.Text(3, searchtext::Unbracket(field, ']'));
            return out.Text(2, TrimRightBlanks(field));
        });
    });
}

bool SearchCrewCredits(int listIndex, CListFile& file, const std::string& person, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    return routines::WalkPersonRecords(file, person, true, CutTabName, [&](std::string_view line, std::size_t pos) {
        return ForEachCreditLine(file, line, pos, [&](bool first, std::string_view field) {
            return first ? out.Text(1, field) : out.Text(2, field);
        });
    });
}

bool SearchWritingCredits(int listIndex, CListFile& file, const std::string& person, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    return routines::WalkPersonRecords(file, person, true, CutTabName, [&](std::string_view line, std::size_t pos) {
        return ForEachCreditLine(file, line, pos, [&](bool first, std::string_view field) {
            if (first)
                return out.Text(1, field);
            if (field.front() == '<')
                return out.Bytes3(3, searchtext::WriterOrder(searchtext::Unbracket(field, '>')));
            return out.Text(2, field);
        });
    });
}

bool SearchAkaNames(int listIndex, CListFile& file, const std::string& person, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    auto cutName = [](std::string_view line, std::size_t& pos, std::string_view& name) {
        name = TrimRight(line);
        pos = line.size();
        return true;
    };
    return routines::WalkPersonRecords(file, person, true, cutName, [&](std::string_view, std::size_t) {
        CListLine aka;
        // One alias a line: a piece that continues a line is none.
        return routines::ForEachFurtherLine<routines::Pieces::first>(file, [&](std::string_view line) {
            return routines::Step(out.Text(0, aka.ParseAka(std::string(line).c_str())));
        });
    });
}

namespace {

enum class BiographyShape { whole, datePlace, bullet, guest, salary, spouse, publication };

BiographyShape ShapeOf(int code)
{
    switch (code) {
    case 4:
    case 8:
        return BiographyShape::datePlace;
    case 15:
    case 17:
    case 19:
    case 21:
    case 29:
    case 31:
    case 36:
    case 41:
    case 79:
        return BiographyShape::bullet;
    case 23:
        return BiographyShape::guest;
    case 33:
        return BiographyShape::salary;
    case 38:
        return BiographyShape::spouse;
    case 43:
    case 52:
    case 61:
    case 70:
        return BiographyShape::publication;
    default:
        return BiographyShape::whole;
    }
}

constexpr int kMiniBiography = 13;

// The records of one coded biography line; `text` is the line behind its prefix.
bool AddBiographyLine(RecordOut& out, int code, const char* text)
{
    const BiographyShape shape = ShapeOf(code);
    if (shape == BiographyShape::whole) {
        // An empty mini-biography line is the paragraph break between its paragraphs.
        if (*text == '\0' && code != kMiniBiography)
            return true;
        return out.Text(code, text);
    }
    CListLine field;
    int position = 0;
    while (position >= 0) {
        int part = 0;
        const char* cut = nullptr;
        switch (shape) {
        case BiographyShape::datePlace:
            cut = field.NextDatePlaceField(position, part, text);
            break;
        case BiographyShape::bullet:
            cut = field.NextBulletField(position, part, text);
            break;
        case BiographyShape::guest:
            cut = field.NextGuestField(position, part, text);
            break;
        case BiographyShape::salary:
            cut = field.NextSalaryField(position, part, text);
            break;
        case BiographyShape::spouse:
            cut = field.NextSpouseField(position, part, text);
            break;
        case BiographyShape::publication:
            cut = field.NextPublicationField(position, part, text);
            break;
        case BiographyShape::whole:
            break;
        }
        if (cut != nullptr && *cut != '\0' && !out.Text(code + part, cut))
            return false;
    }
    return true;
}

} // namespace

bool SearchBiography(int listIndex, CListFile& file, const std::string& person, IRecordTarget& target)
{
    RecordOut out(target, listIndex);
    auto cutName = [](std::string_view line, std::size_t& pos, std::string_view& name) {
        name = StripPrefix(line, "NM: ");
        pos = line.size();
        return true;
    };
    return routines::WalkPersonRecords(file, person, false, cutName, [&](std::string_view, std::size_t) {
        CListLine line;
        // One code a line, read by its first piece: the rest of an over-long line carries
        // no code, and a line without one is not stored.
        return routines::ForEachFurtherLine<routines::Pieces::first>(file, [&](std::string_view raw) {
            int code = -1;
            line = std::string(raw).c_str();
            const char* text = line.ParseBiographyCode(code);
            if (code < 0)
                return LineStep::next;
            return routines::Step(AddBiographyLine(out, code, text ? text : ""));
        });
    });
}
