#include "listdata/ListFile.h"

#include "listdata/ByteScan.h"
#include "platform/Paths.h"

#include <cstring>
#include <filesystem>

CListFile::CListFile() = default;

CListFile::~CListFile()
{
    Close();
}

bool CListFile::Open(int index, const CAppSettings& settings)
{
    if (index < 0 || index >= kListCount) {
        listIndex = -1;
        return false;
    }
    return OpenPath(index, platform::ResolveCaseInsensitive(settings.ListFilePath(index)));
}

void CListFile::ResetReadState()
{
    started = false;
    noPassBefore = 0;
    barrierSearchTo = 0;
    continuation = false;
    midLine = false;
    heldLine[0] = '\0';
    line = heldLine;
    lineLength = 0;
}

bool CListFile::OpenPath(int index, const std::string& path)
{
    ResetReadState();
    std::error_code error;
    // A folder opens for reading here but not where the lists were first read; every
    // read of it fails.
    if (index < 0 || index >= kListCount || std::filesystem::is_directory(path, error) || !OpenRead(path)) {
        listIndex = -1;
        return false;
    }
    listIndex = index;
    return true;
}

bool CListFile::OpenSource(int index, std::unique_ptr<platform::ByteSource> source, const std::string& name)
{
    ResetReadState();
    if (index < 0 || index >= kListCount || !source) {
        listIndex = -1;
        return false;
    }
    TextFile::OpenSource(std::move(source), name);
    listIndex = index;
    return true;
}

void CListFile::Close()
{
    if (listIndex >= 0) {
        HoldLine();
        CloseFile();
        listIndex = -1;
    }
}

bool CListFile::FindStart()
{
    if (listIndex < 0)
        return false;
    midLine = false;
    HoldLine();
    const ListCatalogEntry& entry = ListCatalog[listIndex];
    const std::size_t headerLength = std::strlen(entry.header);
    std::string text;
    for (;;) {
        if (!ReadLineHead(text))
            return false;
        if (text.compare(0, headerLength, entry.header) == 0 && text.size() >= headerLength)
            break;
    }
    switch (entry.kind) {
    case 0:
        return ReadLineHead(text);
    case 1:
        if (!ReadLineHead(text))
            return false;
        do {
            if (!ReadLineHead(text))
                return false;
        } while (text.empty());
        return ReadLineHead(text);
    case 2:
        for (;;) {
            if (!ReadLineHead(text))
                return false;
            if (text == kRatingsTableHeading)
                return true;
        }
    default:
        return false;
    }
}

bool CListFile::FindNextRatingsTable()
{
    if (listIndex != kRatings)
        return false;
    midLine = false;
    HoldLine();
    std::string text;
    while (ReadLineHead(text)) {
        if (text == kRatingsTableHeading)
            return true;
    }
    return false;
}

// The first piece of a line is longer than any header or heading; the rest of a longer
// line is passed over in large pieces.
bool CListFile::ReadLineHead(std::string& head)
{
    int length = 0;
    const char* piece = ReadBufferInPlace(kLineSize, &length);
    if (!piece)
        return false;
    const bool whole = length > 0 && piece[length - 1] == '\n';
    head.assign(piece, static_cast<std::size_t>(whole ? length - 1 : length));
    if (!whole && length == kLineSize - 1) {
        constexpr int kPassPiece = 1 << 16;
        while ((piece = ReadBufferInPlace(kPassPiece, &length)) != nullptr && piece[length - 1] != '\n') {
        }
    }
    return true;
}

void CListFile::HoldLine()
{
    if (line != heldLine) {
        std::memcpy(heldLine, line, static_cast<std::size_t>(lineLength));
        heldLine[lineLength] = '\0';
        line = heldLine;
    }
}

bool CListFile::IsBlank() const
{
    return !continuation && (line[0] == '\n' || line[0] == '\0');
}

bool CListFile::BeginsWith(const char* prefix, std::size_t length) const
{
    return !continuation && static_cast<std::size_t>(lineLength) >= length && std::memcmp(line, prefix, length) == 0;
}

bool CListFile::BeginsWithDashes() const
{
    return BeginsWith("---", 3);
}

bool CListFile::NextRecord()
{
    if (listIndex < 0)
        return false;
    bool found;
    switch (ListCatalog[listIndex].startKind) {
    case 0:
        found = NextBlankEndedRecord();
        break;
    case 1:
        found = NextUnindentedRecord();
        break;
    case 2:
        found = NextHashRecord();
        break;
    case 3:
        found = NextPrefixRecord("MV", 2, true);
        break;
    case 4:
        found = NextPrefixRecord("OT", 2, false);
        break;
    case 5:
        found = NextPrefixRecord("MOVI", 4, true);
        break;
    case 6:
        found = NextPrefixRecord("NM", 2, false);
        break;
    default:
        return false;
    }
    if (found)
        started = true;
    return found;
}

bool CListFile::NextBlankEndedRecord()
{
    while (ReadPiece()) {
        if (continuation)
            continue;
        if (!IsBlank())
            return true;
        if (started)
            return false;
    }
    return false;
}

bool CListFile::NextUnindentedRecord()
{
    for (;;) {
        // Lines this rule passes over, passed whole without reading them as pieces:
        // every piece of such a line is passed over (its first for its first byte, the
        // others as continuations).
        if (!midLine && passingAllowed)
            PassLines([](const char* bytes, std::size_t size) {
                const char c = bytes[0];
                return c == '\t' || c == ' ' || c == '\n' || c == '\0' || (c == '\r' && size == 2);
            });
        if (!ReadPiece())
            return false;
        if (continuation)
            continue;
        const char c = line[0];
        if (c == '\n' || c == '\t' || c == ' ' || c == '\0')
            continue;
        return !BeginsWithDashes();
    }
}

bool CListFile::NextHashRecord()
{
    while (ReadPiece()) {
        if (BeginsWith("#", 1))
            return true;
        if (BeginsWithDashes())
            return false;
    }
    return false;
}

// Kinds 3-6: the first line beginning with `prefix`. With `dashesEnd`, the second line of
// dashes met within this call ends the list (the first is passed over).
bool CListFile::NextPrefixRecord(const char* prefix, std::size_t length, bool dashesEnd)
{
    int dashes = 0;
    while (ReadPiece()) {
        if (BeginsWith(prefix, length))
            return true;
        if (dashesEnd && BeginsWithDashes() && ++dashes == 2)
            return false;
    }
    return false;
}

bool CListFile::NextLine()
{
    if (listIndex < 0)
        return false;
    switch (ListCatalog[listIndex].bodyKind) {
    case 1:
        return NextLineUntilBlank();
    case 2:
        return NextLineUntilTwoBlanks();
    case 3:
        return NextLineUntilDashes();
    case 4:
        return NextAnyLine();
    default:
        return false;
    }
}

bool CListFile::NextLineUntilBlank()
{
    return ReadPiece() && !IsBlank();
}

bool CListFile::NextLineUntilTwoBlanks()
{
    int blanks = 0;
    while (ReadPiece()) {
        if (!IsBlank())
            return true;
        if (++blanks == 2)
            return false;
    }
    return false;
}

bool CListFile::NextLineUntilDashes()
{
    while (ReadPiece()) {
        if (BeginsWithDashes())
            return false;
        if (!IsBlank())
            return true;
    }
    return false;
}

bool CListFile::NextAnyLine()
{
    return ReadPiece();
}

bool CListFile::CanPass(std::string_view text) const
{
    // A line feed, CR or NUL in the text could match across the text-mode folding or a
    // line end, which the raw search below cannot tell.
    return passingAllowed && listIndex >= 0 && RawOffset() >= noPassBefore && !text.empty() &&
           text.find_first_of(std::string_view("\n\r\0", 3)) == std::string_view::npos;
}

// Offset in `unread` (the unread bytes) of the first line start that could end the list,
// as `find(bytes, atLineStart)` tells on raw bytes (a list's kinds fix which lines those
// are); npos when none. The result is kept, so a walk that passes records several times
// in one buffer searches its bytes once.
template <class Find> std::size_t CListFile::ListEndAhead(std::string_view unread, Find&& find)
{
    if (!midLine && find(unread.substr(0, 4), true) == 0)
        return 0;
    const std::uint64_t base = RawOffset();
    if (barrierSearchFrom <= base && base < barrierSearchTo) {
        if (barrierAt != kNoBarrier && barrierAt >= base)
            return static_cast<std::size_t>(barrierAt - base);
        if (barrierAt == kNoBarrier && barrierSearchTo >= base + unread.size())
            return bytescan::npos;
    }
    const std::size_t at = find(unread, false);
    barrierSearchFrom = base;
    barrierSearchTo = base + unread.size();
    barrierAt = at == bytescan::npos ? kNoBarrier : base + at;
    return at;
}

// Moves over the raw bytes ahead in whole buffers, up to the first line holding `text` or
// the first line start where the list could end, landing each time at
// `landing(unread, limit)`, a line start before `limit` that the caller's walk may go on
// from (0: none in these bytes). `stopAhead(unread, text, &mayHoldCr)` finds that first
// stop (npos for none) and tells whether the bytes before it may hold a CR.
template <class StopAhead, class Landing>
void CListFile::PassRawWithout(std::string_view text, StopAhead&& stopAhead, Landing&& landing)
{
    HoldLine();
    for (;;) {
        const std::uint64_t base = RawOffset();
        const std::string_view bytes = UnreadRaw();
        bool mayHoldCr = true;
        std::size_t limit = stopAhead(bytes, text, &mayHoldCr);
        const bool stopped = limit != bytescan::npos;
        if (!stopped)
            limit = bytes.size();
        const std::size_t to = landing(bytes, limit);
        if (to > 0) {
            SkipRaw(to, mayHoldCr);
            midLine = false;
        }
        if (stopped || (to == 0 && !ReadMoreRaw())) {
            noPassBefore = base + limit;
            return;
        }
        if (to > 0 && !ReadMoreRaw())
            return;
    }
}

// The first line holding `text` or, before it, the first line start where `findEnd` finds
// the list could end.
template <class Find>
std::size_t CListFile::TextOrEndAhead(std::string_view unread, std::string_view text, Find&& findEnd)
{
    const std::size_t end = ListEndAhead(unread, findEnd);
    const std::size_t hit = bytescan::FindText(unread.substr(0, end), text);
    return hit < end ? hit : end;
}

// The first line holding `text` or, before it, the first line of dashes: one pass.
std::size_t CListFile::TextOrDashesAhead(std::string_view unread, std::string_view text, bool* mayHoldCr) const
{
    return bytescan::FindTextOrDashesLineStart(unread, text, !midLine, mayHoldCr);
}

void CListFile::PassLinesBelow(unsigned char below)
{
    const std::string_view bytes = UnreadRaw();
    std::size_t to = bytescan::FindNameAtOrAbove(bytes, below);
    if (to == bytescan::npos)
        to = bytescan::AfterLastLineFeed(bytes, bytes.size());
    if (to > 0)
        SkipRaw(to);
}

// Lands behind an empty line: whatever the walk did with the lines before it (record
// lines, or lines NextRecord passes over), the empty line ends a record's lines or is
// passed over by NextRecord, so the walk's next step there is NextRecord. The lines
// passed hold no `text`, so no record among them acts, and no line among them begins
// with "---" at a line start, so NextRecord could not have ended the list there.
void CListFile::PassRecordsWithout(std::string_view text)
{
    if (!CanPass(text) || ListCatalog[listIndex].startKind != 1 || ListCatalog[listIndex].bodyKind != 1)
        return;
    PassRawWithout(
        text,
        [&](std::string_view bytes, std::string_view what, bool* mayHoldCr) {
            return TextOrDashesAhead(bytes, what, mayHoldCr);
        },
        [&](std::string_view bytes, std::size_t limit) { return bytescan::AfterLastEmptyLine(bytes, limit, !midLine); });
}

// Any line start can be landed on: NextRecord judges every line from its start, and the
// lines passed are records without `text` (rejected by the walk) or lines NextRecord
// passes over. Passing stops before a line that could end the list in NextRecord.
void CListFile::PassRecordStartsWithout(std::string_view text)
{
    if (!CanPass(text))
        return;
    const int kind = ListCatalog[listIndex].startKind;
    // An empty line ends kind 0 lists once a record was read; before that it is passed
    // over, which this does not follow.
    if (kind < 0 || kind > 6 || (kind == 0 && !started))
        return;
    PassRawWithout(
        text,
        [&](std::string_view bytes, std::string_view what, bool* mayHoldCr) {
            if (kind == 0)
                return TextOrEndAhead(bytes, what, bytescan::FindEmptyishLineStart);
            if (kind != 4 && kind != 6)
                return TextOrDashesAhead(bytes, what, mayHoldCr);
            return bytescan::FindText(bytes, what);
        },
        [](std::string_view bytes, std::size_t limit) { return bytescan::AfterLastLineFeed(bytes, limit); });
}
