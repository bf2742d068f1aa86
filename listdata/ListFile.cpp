#include "listdata/ListFile.h"

#include "platform/Paths.h"

#include <cstring>

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

bool CListFile::OpenPath(int index, const std::string& path)
{
    started = false;
    continuation = false;
    midLine = false;
    heldLine[0] = '\0';
    line = heldLine;
    lineLength = 0;
    if (index < 0 || index >= kListCount || !OpenRead(path)) {
        listIndex = -1;
        return false;
    }
    listIndex = index;
    return true;
}

bool CListFile::OpenSource(int index, std::unique_ptr<platform::ByteSource> source, const std::string& name)
{
    started = false;
    continuation = false;
    midLine = false;
    heldLine[0] = '\0';
    line = heldLine;
    lineLength = 0;
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
        if (!ReadWholeLine(text))
            return false;
        if (text.compare(0, headerLength, entry.header) == 0 && text.size() >= headerLength)
            break;
    }
    switch (entry.kind) {
    case 0:
        return ReadWholeLine(text);
    case 1:
        if (!ReadWholeLine(text))
            return false;
        do {
            if (!ReadWholeLine(text))
                return false;
        } while (text.empty());
        return ReadWholeLine(text);
    case 2:
        for (;;) {
            if (!ReadWholeLine(text))
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
    while (ReadWholeLine(text)) {
        if (text == kRatingsTableHeading)
            return true;
    }
    return false;
}

// One buffer read into `line`. A piece that continues an over-long line is marked; a
// continuation holding nothing but the newline is dropped.
bool CListFile::ReadPiece()
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
    while (ReadPiece()) {
        if (continuation)
            continue;
        const char c = line[0];
        if (c == '\n' || c == '\t' || c == ' ' || c == '\0')
            continue;
        return !BeginsWithDashes();
    }
    return false;
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
