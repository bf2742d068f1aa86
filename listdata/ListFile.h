#pragma once
// Reader of one list file, opened by catalogue index. Finds the line that opens the
// list's data, then hands out records (NextRecord) and the further lines of a record
// (NextLine) by the catalogue's start and body kinds. Never seeks: every use reads the
// file from its beginning. Belongs to the thread that made it.

#include "listdata/AppSettings.h"
#include "platform/TextFile.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

class CListFile : public platform::TextFile {
public:
    static constexpr int kLineSize = 1024;
    static constexpr const char* kRatingsTableHeading = "New  Distribution  Votes  Rank  Title";

    CListFile();
    ~CListFile() override;

    // Opens settings.ListsPath + the list's file name (an exact name first, then one
    // differing only in ASCII case). False, and closed, when it cannot be opened.
    bool Open(int listIndex, const CAppSettings& settings);
    // Opens `path` as list `listIndex`; false for a folder.
    bool OpenPath(int listIndex, const std::string& path);
    // Reads list `listIndex` from `source` (tests: a source that fails after N bytes).
    bool OpenSource(int listIndex, std::unique_ptr<platform::ByteSource> source, const std::string& name);
    void Close();

    bool FindStart();
    bool FindNextRatingsTable();
    bool NextRecord();
    // A line longer than the buffer comes in pieces of up to 1023 bytes. A walk that takes
    // one item or one code from a line (a credit, an alias, a coded or dated line, a link)
    // reads the line by its first piece: a piece that continues it never starts an item
    // nor carries a code. Text lists, whose paragraphs run on, read every piece, the
    // continuing ones as the rest of the line they continue.
    //
    // The next line of the record: each piece of an over-long line in turn, for text lists.
    bool NextLine();
    // The same for lines that are one item or one code each: only the first piece of each
    // line, so a piece that continues an over-long line never reads as a line of its own.
    bool NextLineStart();
    // The current line is a piece that continues an over-long line (its first piece was
    // read before it).
    bool IsContinuation() const { return continuation; }

    // Passing over records a walk would read without effect. `text` is what the walk
    // looks for; it must appear in a line for that line to matter. Both leave the reader
    // exactly where the plain walk would next call NextRecord, having passed only records
    // that hold no line with `text` and that could not have ended the list; where that
    // cannot be told cheaply they do nothing.
    //
    // For walks that read each record with NextRecord and then NextLine (up to its blank
    // line or earlier) and act only on records with a line holding `text`. Lists whose
    // records begin unindented and end at a blank line (start and body kind 1) only.
    void PassRecordsWithout(std::string_view text);
    // For walks that read with NextRecord only, until a record's first line holds `text`.
    void PassRecordStartsWithout(std::string_view text);
    // For walks that read with NextRecord only and do nothing with a record whose first
    // line satisfies `passes(text)` (`text` the line without its line end). Lists whose
    // records begin unindented (start kind 1) only. With `below` not 0, every record
    // whose first byte, ASCII letters folded, is less than `below` (a line of dashes
    // aside) must satisfy `passes`: such records are passed on that byte alone, 64 lines
    // at a time, without asking.
    template <class Passes> void PassRecordsWhile(unsigned char below, Passes&& passes);
    // All of the above, and NextRecord's passing over whole lines, do nothing when this
    // is off (tests compare the two ways).
    void AllowPassing(bool allow) { passingAllowed = allow; }

    // The current line, newline kept; at most 1023 characters. Valid until the next read.
    const char* GetLine() const { return line; }
    int GetLineLength() const { return lineLength; }
    // The current line is blank for the record and line rules: it begins with a newline
    // or a NUL and does not continue an over-long line.
    bool IsBlank() const;
    int GetListIndex() const { return listIndex; }

private:
    // Forgets what was read from the previous file.
    void ResetReadState();
    // Whole-line read for the header search: `head` receives the line without its
    // newline, but only its first kLineSize - 1 characters; the rest is passed over, so
    // a file without line ends is never held in memory. False at end of file.
    bool ReadLineHead(std::string& head);
    bool ReadPiece();
    bool NextBlankEndedRecord();
    bool NextUnindentedRecord();
    bool NextHashRecord();
    bool NextPrefixRecord(const char* prefix, std::size_t length, bool dashesEnd);
    bool NextLineUntilBlank();
    bool NextLineUntilTwoBlanks();
    bool NextLineUntilDashes();
    bool NextAnyLine();

    bool CanPass(std::string_view text) const;
    // Passes the whole lines ahead in the buffer up to the first that PassRecordsWhile
    // cannot pass by its first byte against `below`.
    void PassLinesBelow(unsigned char below);
    template <class Find> std::size_t ListEndAhead(std::string_view unread, Find&& find);
    template <class Find> std::size_t TextOrEndAhead(std::string_view unread, std::string_view text, Find&& findEnd);
    std::size_t TextOrDashesAhead(std::string_view unread, std::string_view text, bool* mayHoldCr) const;
    template <class StopAhead, class Landing>
    void PassRawWithout(std::string_view text, StopAhead&& stopAhead, Landing&& landing);
    bool BeginsWithDashes() const;
    bool BeginsWith(const char* prefix, std::size_t length) const;
    // Keeps the current line in `heldLine` before a whole-line read reuses the buffer.
    void HoldLine();

    int listIndex = -1;
    bool started = false;
    // The current line: a piece inside the base class's buffer (read without a copy), or
    // `heldLine`.
    const char* line = heldLine;
    int lineLength = 0;
    char heldLine[kLineSize] = {};
    // True when the current piece continues a line longer than the buffer.
    bool continuation = false;
    // True when the last buffer read stopped inside a line (a full buffer without
    // newline); a whole-line read finishes that line and clears it.
    bool midLine = false;
    bool passingAllowed = true;
    // File offset before which passing was found to be of no use (nothing to pass up to
    // the next line holding the text); saves scanning the same bytes again per record.
    std::uint64_t noPassBefore = 0;
    // The last search for a line that could end the list: file offsets [from, to) were
    // searched and the first such line starts at `barrierAt` (kNoBarrier: none).
    static constexpr std::uint64_t kNoBarrier = ~std::uint64_t{0};
    std::uint64_t barrierSearchFrom = 0;
    std::uint64_t barrierSearchTo = 0;
    std::uint64_t barrierAt = kNoBarrier;
};

// One buffer read into `line`. A piece that continues an over-long line is marked; a
// continuation holding nothing but the newline is dropped.
__attribute__((always_inline)) inline bool CListFile::ReadPiece()
{
    for (;;) {
        const bool continues = midLine;
        const char* piece = ReadBufferInPlace(kLineSize, &lineLength);
        if (!piece) {
            heldLine[0] = '\0';
            line = heldLine;
            lineLength = 0;
            continuation = false;
            midLine = false;
            return false;
        }
        line = piece;
        midLine = lineLength == kLineSize - 1 && line[lineLength - 1] != '\n';
        continuation = continues;
        if (continuation && lineLength == 1 && line[0] == '\n')
            continue;
        return true;
    }
}

// Inline: the credit, aka and date walks call it for every line of a list.
inline bool CListFile::NextLineStart()
{
    // A continuation is never blank and never a line of dashes, so passing it changes
    // nothing about where the record's lines end.
    while (NextLine())
        if (!continuation)
            return true;
    return false;
}

template <class Passes> void CListFile::PassRecordsWhile(unsigned char below, Passes&& passes)
{
    if (!passingAllowed || listIndex < 0 || midLine || ListCatalog[listIndex].startKind != 1)
        return;
    HoldLine();
    for (;;) {
        if (below != 0)
            PassLinesBelow(below);
        // The line that stopped the quick pass is judged whole; then back to the quick pass.
        bool judged = false;
        bool more = false;
        PassLines([&](const char* bytes, std::size_t size) {
            if (judged && below != 0) {
                more = true;
                return false;
            }
            judged = true;
            const char c = bytes[0];
            // Lines NextRecord passes over.
            if (c == '\t' || c == ' ' || c == '\n' || c == '\0' || (c == '\r' && size == 2))
                return true;
            // A line of dashes ends the list; a long line comes in pieces: both are left to
            // NextRecord.
            if (size > 1000 || (size >= 3 && std::memcmp(bytes, "---", 3) == 0))
                return false;
            // The piece NextRecord would return, without its newline (CR LF reads as LF).
            std::size_t length = size - 1;
            if (length > 0 && bytes[length - 1] == '\r')
                --length;
            return passes(std::string_view(bytes, length));
        });
        if (!more)
            return;
    }
}
