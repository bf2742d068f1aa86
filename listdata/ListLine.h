#pragma once
// The text line every list-line parser works on: one owned heap buffer and the position the
// last tokenizer returned. Each operation replaces the buffer by a piece cut out of a line
// (a trimmed copy, a field, a name in display order, a link) and returns the new text.
//
// Buffer rules: GetText() is null only while the object has no text at all (default
// constructed, or given a null source); an operation whose result is empty leaves an empty
// string. A new text is allocated at exactly its length plus one; some in-place operations
// shorten it without reallocating. Every setter may be handed the object's own text (or a
// pointer into it) as its source. No operation reads or writes past the end of its source
// text: start indices and lengths are clamped to it.
//
// Text is 8-bit Windows-1252. White space means the characters 1 to 32; bytes 128-255 are
// letters. Case folding touches the ASCII letters only.
//
// Objects belong to the thread that uses them.

#include "listdata/CodeTables.h"

#include <cstddef>
#include <cstdint>

// The provider's web address, in front of "/Title?" and "/Name?" in web links.
inline constexpr const char* kProviderWebAddress = "https://www.zuvo.example";

// TitleFlags: what ParseTitle found besides the name.
using TitleFlags = std::uint32_t;
inline constexpr TitleFlags kTitleNoYear = 1;     // no year group
inline constexpr TitleFlags kTitleSeries = 2;     // name in double quotes
inline constexpr TitleFlags kTitleMini = 4;       // "(mini)"
inline constexpr TitleFlags kTitleTV = 8;         // "(TV)"
inline constexpr TitleFlags kTitleVideo = 16;     // "(V)"
inline constexpr TitleFlags kTitleVideoGame = 32; // "(VG)"

// Year as ParseTitle gives it: four characters and a NUL.
inline constexpr int kTitleYearSize = 5;

class CListLine {
public:
    CListLine();
    CListLine(const char* source); // null: no text
    CListLine(const CListLine& other);
    virtual ~CListLine();

    CListLine& operator=(const char* source);
    CListLine& operator=(const CListLine& other);

    // Null when the object has no text.
    const char* GetText() const { return text; }
    // The position the last tokenizer returned (ParseAka: where the alternative ended).
    int GetCursor() const { return cursor; }

    // ---- Generic cutting operations --------------------------------------------------
    // `length` characters of `source` from `start` (negative length: none); newline and tab
    // characters at the end are removed, never the first character.
    const char* SetSubstring(const char* source, int start, int length);
    // In place: the own text from `start` for `length` characters, moved to the front.
    const char* Keep(int start, int length);
    // Index of the first `pattern` in `string` that begins at start + 1 or later; the index
    // of the terminating NUL when there is none; `start` when `start` holds the NUL. Leaves
    // the object's text alone.
    int Find(int start, const char* string, const char* pattern) const;
    // Copy without white space (1-32) at either end.
    const char* SetTrimmed(const char* source);
    // Copy without trailing newline, tab and blank.
    const char* SetTrimRight(const char* source);
    // The line after `prefix` when it begins with it (case-sensitive), else the whole line;
    // trailing newline, tab and blank removed.
    const char* StripPrefix(const char* line, const char* prefix);
    // "Last, First (I)" in display order: order 0 "First Last", order 1 "Last, First"; the
    // number group appended unless `dropNumber`. Works on titles too ("Matrix, The (1999)").
    const char* FormatName(const char* name, int order, bool dropNumber);
    // kProviderWebAddress + "/Title?" or "/Name?" + the text with blanks as '+'.
    const char* MakeTitleLink(const char* title);
    const char* MakeNameLink(const char* name);

    // ---- Tokenizers ----------------------------------------------------------------------
    // Each cuts the next field of `line` from `position`, stores the position after it in
    // `position` and in the cursor, and returns the field. -1 means the field was empty (no
    // field left); loop while the position is not negative.
    // Fields separated by two blanks.
    const char* NextField(int& position, const char* line);
    // Fields ending at a tab or newline.
    const char* NextTabField(int& position, const char* line);
    // Fields ending at a colon, tab or newline.
    const char* NextColonField(int& position, const char* line);

    // ---- Titles, episodes, names ---------------------------------------------------------
    // The name without quotes, year group and kind markers; `flags` and `year` (at least
    // kTitleYearSize characters, empty when there is no year group) describe what was cut.
    // An episode title's last group inside its braces is taken as its year ("#1.1").
    const char* ParseTitle(const char* title, TitleFlags& flags, char* year);
    // The name without quotes, episode part, kind markers and year group.
    const char* BareTitle(const char* title);
    // The title before its episode part; the whole title when it has none.
    const char* SeriesTitle(const char* title);
    // The content of the last brace group; empty when there is none.
    const char* EpisodePart(const char* title);
    // The episode name inside the braces, without its number group.
    const char* EpisodeName(const char* title);
    // The episode number inside the braces without parentheses ("#1.5"); empty when none.
    const char* EpisodeNumber(const char* title);
    // The year group's content ("1999/II"); empty when none.
    const char* TitleYear(const char* title);
    // The alternative title or name of an Aka-Titles/Aka-Names line; the cursor is left at
    // the tab or newline that ends it.
    const char* ParseAka(const char* line);
    // 1 when the text contains "himself", 2 "herself" (ASCII case ignored), else 0.
    int SelfRole() const;
    // Episode numbers "#season.episode": +1 when a is earlier, -1 when later, 0 equal.
    // Other strings: case-insensitive comparison (negative when a sorts first). Despite
    // the opposite signs, "CompareEpisodes(a, b) > 0" and "CompareEpisodes(a, b) < 0" are
    // each a strict weak order over any texts, so either may order a sort: a text without
    // a leading '#' meets every number at its first byte, so the numbers stay one run.
    // With "> 0": texts above "#" falling, then the numbers rising, then the texts below
    // "#" (the empty one among them) falling; "< 0" gives the reverse order.
    static int CompareEpisodes(const char* a, const char* b);

    // ---- Prefix codes ------------------------------------------------------------------
    // Each reads the own text as a list line, sets `code` (the default when no prefix
    // matches) and leaves the text behind the prefix, trailing white removed. No text: the
    // default code, still no text.
    const char* ParseBusinessCode(int& code);   // default 0
    const char* ParseGoofCode(int& code);       // default 0
    const char* ParseLaserdiscCode(int& code);  // default 0
    const char* ParseLiteratureCode(int& code); // default 0; blanks behind the prefix reset it
    const char* ParseMovieLinkCode(int& code);  // default 0; the relation's ')' is dropped
    const char* ParsePlotCode(int& code);       // default 0
    const char* ParseBiographyCode(int& code);  // default -1
    // Reads `field` (not the own text): the text behind "CODE:" up to a tab, newline or end.
    const char* ParseTechnicalCode(int& code, const char* field);

    // ---- Line shapes -------------------------------------------------------------------
    // Filmography fields: 3 "[character]", 4 "<billing>", else 2; brackets removed.
    const char* ParseBracketField(int& code);
    // Writers fields: 3 "<order>", else 2; angle brackets removed.
    const char* ParseAngleField(int& code);
    // 0 continuation, 1 new item ("-" first), 2 nested item (blanks then '-').
    const char* ParseDashIndent(int& code);
    // 2, or 0 when the line begins with a blank.
    const char* ParseQuoteLine(int& code);
    // 2 song line, 1 indented line, 0 deeper indented line.
    const char* ParseSoundtrackLine(int& code);

    // ---- Values --------------------------------------------------------------------------
    // Ten values from the ten characters of a vote distribution: digit 0-9, '*' 10, any
    // other (or missing) character 11.
    void ParseVoteDistribution(std::uint8_t values[10]) const;
    // Three values from "1,1,2": the digits at 0, 2 and 4 minus '0'; a missing digit 0.
    void ParseWriterOrder(std::uint8_t values[3]) const;
    // "5 May 1999" -> day, month 1-12, year; false for anything else.
    bool ParseDate(int& day, int& month, int& year) const;

    // ---- Biography fields ------------------------------------------------------------------
    // Each cuts the next field of `line` (the text behind the biography prefix) from
    // `position` (0 on the first call for a line), sets `part` (added to the biography code
    // to form the record key) and returns the field; the position comes back -1 after the
    // last field.
    const char* NextBulletField(int& position, int& part, const char* line);
    const char* NextDatePlaceField(int& position, int& part, const char* line);
    const char* NextGuestField(int& position, int& part, const char* line);
    const char* NextSalaryField(int& position, int& part, const char* line);
    const char* NextSpouseField(int& position, int& part, const char* line);
    const char* NextPublicationField(int& position, int& part, const char* line);

private:
    // A buffer for a text of `length` characters, NUL already in place; Install makes it
    // the text (freeing the old one) so that a source inside the old text stays readable.
    static char* Allocate(std::size_t length);
    const char* Install(char* buffer);
    // Replaces the text by a copy of `length` bytes of `source` (which may lie inside the
    // current text). Null source: no text.
    const char* Assign(const char* source, std::size_t length);
    void Clear();
    // Shortens the own text in place to [start, start + length), moving it to the front.
    const char* KeepRange(std::size_t start, std::size_t length);
    // A tokenizer's result: the field [begin, end) of `line` (trailing newline and tab
    // removed) and the position `next`, or an empty text and -1 when the field is empty.
    const char* EndField(int& position, int next, const char* line, std::size_t begin, std::size_t end);
    // A biography field parser's result: like EndField but with the text kept as cut and
    // the position -1 when nothing but `skip` characters follows `next`.
    const char* EndPart(int& position, int& part, int value, const char* line, std::size_t begin, std::size_t end,
                        std::size_t next, const char* skip);
    // The shared scan of the prefix-code parsers over the own text.
    const char* ParsePrefixCode(int& code, const CodeTableEntry* table, int count, int defaultCode, std::size_t offset,
                                std::size_t separatorLength, std::size_t fallbackStart);
    const char* MakeLink(const char* kind, const char* source);

    char* text = nullptr;
    std::int32_t cursor = 0;
};
