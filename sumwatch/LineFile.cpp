#include "LineFile.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include <sys/stat.h>

namespace {

void recordError(LineFile* file, int code)
{
    file->errorClass = 5;
    file->errorCode = code;
    file->errorFileName = file->fileName;
}

// Moves the unread tail to the buffer start and reads behind it. False when the tail does
// not fit, which only a corrupted reader can cause.
bool refill(LineFile* file)
{
    int unread = file->fill - file->readPosition;
    if (unread < 0 || unread > file->bufferSize)
        return false;
    if (unread > 0 && file->readPosition > 0)
        std::memmove(file->buffer, file->buffer + file->readPosition, static_cast<std::size_t>(unread));
    std::size_t got =
        std::fread(file->buffer + unread, 1, static_cast<std::size_t>(file->bufferSize - unread), file->stream);
    file->readPosition = 0;
    file->fill = unread + static_cast<int>(got);
    return true;
}

// Index of the first NUL or line feed from p on; the buffer's end bytes guarantee one.
int lineEnd(const char* p)
{
    const char* q = p;
    while (*q != '\n' && *q != '\0')
        ++q;
    return static_cast<int>(q - p);
}

// A NUL ends a line like a line feed; folding them beforehand lets the bulk reader look for
// one byte value only, and the checksum fold the line end as it stands. Pieces without a NUL,
// the usual case, are only searched; pieces with one are rewritten whole, which stays fast
// when a file holds many.
void foldNuls(char* p, std::size_t n)
{
    constexpr std::size_t kPiece = 4096;
    while (n) {
        std::size_t piece = n < kPiece ? n : kPiece;
        if (std::memchr(p, '\0', piece)) {
            std::size_t i = 0;
            for (; i + 8 <= piece; i += 8) {
                std::uint64_t word;
                std::memcpy(&word, p + i, 8);
                // 0x80 in exactly the zero bytes, which then become line feeds.
                constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
                std::uint64_t zeros = ~(((word & low7) + low7) | word | low7);
                word |= (zeros >> 7) * '\n';
                std::memcpy(p + i, &word, 8);
            }
            for (; i < piece; ++i)
                if (p[i] == '\0')
                    p[i] = '\n';
        }
        p += piece;
        n -= piece;
    }
}

} // namespace

LineFile* openLineFile(const char* name, int flags, int bufferSize)
{
    static const char* const modes[4] = {"rb", "wb", "ab", ""};
    if (!name || bufferSize <= 0)
        return nullptr;
    auto* file = new (std::nothrow) LineFile;
    if (!file)
        return nullptr;
    std::size_t nameLength = std::strlen(name);
    file->fileName = static_cast<char*>(std::malloc(nameLength + 1));
    if (!file->fileName) {
        delete file;
        return nullptr;
    }
    std::memcpy(file->fileName, name, nameLength + 1);
    file->mode = flags & 3;
    file->stream = std::fopen(file->fileName, modes[file->mode]);
    file->bufferSize = bufferSize;
    // A directory opens as a stream here but yields no bytes; it is not a file this reader
    // can open, and a caller told so reports it as such rather than as an unreadable list.
    struct stat status;
    if (file->stream && fstat(fileno(file->stream), &status) == 0 && S_ISDIR(status.st_mode)) {
        std::fclose(file->stream);
        file->stream = nullptr;
    }
    if (!file->stream) {
        std::free(file->fileName);
        delete file;
        return nullptr;
    }
    file->buffer = static_cast<char*>(std::malloc(static_cast<std::size_t>(bufferSize) + 2));
    if (!file->buffer) {
        std::fclose(file->stream);
        std::free(file->fileName);
        delete file;
        return nullptr;
    }
    file->buffer[bufferSize] = '\n';
    file->buffer[bufferSize + 1] = '\0';
    if (file->mode == kLineFileRead && (flags & kLineFileWantSize)) {
        if (fseeko(file->stream, 0, SEEK_END) != 0) {
            recordError(file, kLineNoSize);
        } else {
            off_t size = ftello(file->stream);
            if (size >= 0)
                file->fileSize = size;
            if (size < 0 || fseeko(file->stream, 0, SEEK_SET) != 0)
                recordError(file, kLineNoSize);
        }
    }
    return file;
}

int closeLineFile(LineFile* file)
{
    if (!file)
        return 1;
    int result = kLineOk;
    if (file->mode == kLineFileWrite || file->mode == kLineFileAppend) {
        std::size_t pending = file->fill > 0 ? static_cast<std::size_t>(file->fill) : 0;
        if (pending && std::fwrite(file->buffer, 1, pending, file->stream) != pending)
            result = kLineShortWrite;
    }
    std::fclose(file->stream);
    std::free(file->fileName);
    std::free(file->buffer);
    delete file;
    return result;
}

int readLine(LineFile* file, char** line, int maxLen)
{
    int unread = file->fill - file->readPosition;
    int i;
    if (unread < maxLen) {
        if (!refill(file))
            return kLineTooLong;
        if (file->fill == 0) {
            *line = nullptr;
            return kLineEndOfFile;
        }
        i = lineEnd(file->buffer);
        if (i >= maxLen || i >= file->fill)
            return kLineTooLong;
        file->buffer[i] = '\0';
        *line = file->buffer;
        file->readPosition = i + 1;
    } else {
        char* start = file->buffer + file->readPosition;
        i = lineEnd(start);
        if (i >= maxLen)
            return kLineTooLong;
        start[i] = '\0';
        *line = start;
        file->readPosition += i + 1;
    }
    file->bytesConsumed += i + 1;
    return kLineOk;
}

int readLines(LineFile* file, char** block, std::int64_t* length, int maxLen)
{
    if (maxLen <= 0 || maxLen >= file->bufferSize)
        return kLineTooLong;
    if (file->fill - file->readPosition < maxLen) {
        if (!refill(file))
            return kLineTooLong;
        if (file->fill == 0) {
            *block = nullptr;
            return kLineEndOfFile;
        }
    }
    char* start = file->buffer + file->readPosition;
    char* end = file->buffer + file->fill;
    foldNuls(start, static_cast<std::size_t>(end - start));

    // Every line must end within maxLen bytes of its start: the last line end of each
    // window of maxLen bytes from a line start covers the lines before it, and the next
    // window starts behind it.
    char* covered = start;
    for (;;) {
        std::size_t window = static_cast<std::size_t>(end - covered);
        if (window > static_cast<std::size_t>(maxLen))
            window = static_cast<std::size_t>(maxLen);
        if (window == 0)
            break;
        auto* last = static_cast<char*>(memrchr(covered, '\n', window));
        if (!last)
            break;
        covered = last + 1;
    }
    if (covered == start)
        return kLineTooLong; // no line end in the first maxLen bytes, or none before the data ends
    *block = start;
    *length = covered - start;
    file->readPosition += static_cast<int>(covered - start);
    file->bytesConsumed += covered - start;
    return kLineOk;
}
