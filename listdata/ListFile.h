#pragma once
// Reader of one list file, opened by catalogue index. Finds the line that opens the
// list's data, then hands out records (NextRecord) and the further lines of a record
// (NextLine) by the catalogue's start and body kinds. Never seeks: every use reads the
// file from its beginning. Belongs to the thread that made it.

#include "listdata/AppSettings.h"
#include "platform/TextFile.h"

#include <memory>
#include <string>

class CListFile : public platform::TextFile {
public:
    static constexpr int kLineSize = 1024;
    static constexpr const char* kRatingsTableHeading = "New  Distribution  Votes  Rank  Title";

    CListFile();
    ~CListFile() override;

    // Opens settings.ListsPath + the list's file name (an exact name first, then one
    // differing only in ASCII case). False, and closed, when it cannot be opened.
    bool Open(int listIndex, const CAppSettings& settings);
    // Opens `path` as list `listIndex`.
    bool OpenPath(int listIndex, const std::string& path);
    // Reads list `listIndex` from `source` (tests: a source that fails after N bytes).
    bool OpenSource(int listIndex, std::unique_ptr<platform::ByteSource> source, const std::string& name);
    void Close();

    bool FindStart();
    bool FindNextRatingsTable();
    bool NextRecord();
    bool NextLine();

    // The current line, newline kept; at most 1023 characters. Valid until the next read.
    const char* GetLine() const { return line; }
    int GetLineLength() const { return lineLength; }
    int GetListIndex() const { return listIndex; }

private:
    bool ReadPiece();
    bool NextBlankEndedRecord();
    bool NextUnindentedRecord();
    bool NextHashRecord();
    bool NextPrefixRecord(const char* prefix, std::size_t length, bool dashesEnd);
    bool NextLineUntilBlank();
    bool NextLineUntilTwoBlanks();
    bool NextLineUntilDashes();
    bool NextAnyLine();

    bool IsBlank() const;
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
};
