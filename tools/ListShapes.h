#pragma once
// Record shapes of the generated lists: one function per list family, each writing the
// whole record of one key (a title group or a person) as the list holds it. Lists are
// assigned to their family in ListShapes.cpp.

#include "tools/ListGenerator.h"
#include "tools/Universe.h"

#include <cstdint>
#include <string>
#include <vector>

namespace listgen {

struct ShapeContext {
    const Universe& universe;
    const GeneratorOptions& options;
    int listIndex;

    Rng RecordRng(std::uint64_t key) const
    {
        return universe.RngFor(1000 + static_cast<std::uint64_t>(listIndex), key);
    }
    // Whether the list has a record for `key`: the featured titles and people always,
    // others by `percent`.
    bool Covers(std::uint64_t key, std::uint32_t percent) const;
    // In hostile mode, now and then: a length that an over-long line should get.
    std::size_t HostileLength(Rng& rng) const;
};

// Appends words to `line` (which has no newline yet) until it is `length` characters.
void PadLine(std::string& line, std::size_t length);

// In hostile mode, now and then: appends an over-long line that begins with `prefix`.
void AppendHostileLine(const ShapeContext& c, Rng& rng, std::string& out, const char* prefix);

// In hostile mode: appends `head` padded to fill the list reader's first piece exactly,
// then `continuation` and the line end, so the piece that continues the line begins with
// `continuation` as if it were a line of its own.
void AppendSplitLine(const ShapeContext& c, std::string& out, std::string head, const std::string& continuation);

// Writes the record of `key` into `out` (lines ending with "\n"); returns false, writing
// nothing, when the list has no record for it.
using RecordWriter = bool (*)(const ShapeContext&, std::uint64_t key, std::string& out);

struct ListShape {
    bool personKeyed;
    RecordWriter record; // null: the list writes itself (Ratings)
};

const ListShape& ShapeOf(int listIndex);

// Person-keyed families (PersonShapes.cpp).
bool WriteCastRecord(const ShapeContext&, std::uint64_t person, std::string& out);
bool WriteCrewRecord(const ShapeContext&, std::uint64_t person, std::string& out);
bool WriteWritersRecord(const ShapeContext&, std::uint64_t person, std::string& out);
bool WriteAkaNamesRecord(const ShapeContext&, std::uint64_t person, std::string& out);
bool WriteBiographyRecord(const ShapeContext&, std::uint64_t person, std::string& out);
// The credits of `person` in a filmography list, in list order (empty: not in the list).
std::vector<TitleRef> CreditsOf(const ShapeContext&, std::uint64_t person);

// Title lines: one line per title and value (TitleLineShapes.cpp).
bool WriteMoviesRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteTitleValueRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteTitleWordRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteReleaseDatesRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteTechnicalRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteCoverageRecord(const ShapeContext&, std::uint64_t group, std::string& out);

// Records opened by "# title" (HashShapes.cpp).
bool WriteHashItemsRecord(const ShapeContext&, std::uint64_t group, std::string& out); // 4, 15
bool WriteGoofsRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteTriviaRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteQuotesRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteSoundtracksRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteTaglinesRecord(const ShapeContext&, std::uint64_t group, std::string& out);

// Records between lines of dashes, opened by "MV:", "OT:" or "MOVI:" (BlockShapes.cpp).
bool WriteBusinessRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteMpaaRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WritePlotRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteLaserdiscRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteLiteratureRecord(const ShapeContext&, std::uint64_t group, std::string& out);

// Title and indented further lines ending at a blank line (AkaShapes.cpp).
bool WriteAkaTitlesRecord(const ShapeContext&, std::uint64_t group, std::string& out);
bool WriteMovieLinksRecord(const ShapeContext&, std::uint64_t group, std::string& out);

// The featured film and series (groups 0 and 1) and the lines only they get
// (FeaturedShapes.cpp).
bool IsFeatured(std::uint64_t group);
// A person "'Last, First' (qv)" and a title "_Title_ (qv)", as running texts mark them.
std::string MarkedName(const Universe& u, Rng& rng);
std::string MarkedTitle(const Universe& u, Rng& rng);
// The analog tracks, supplements, review, notes and other fields of disc `disc`.
void AppendFeaturedDiscFields(std::uint64_t group, int disc, std::string& out);

// The Ratings list with its three tables (RatingsShapes.cpp). `keys` receives the titles
// of the full table when not null.
class ListSink;
std::uint64_t WriteRatingsTables(const ShapeContext&, std::uint64_t groups, ListSink& sink,
                                 std::vector<std::string>* keys);

} // namespace listgen
