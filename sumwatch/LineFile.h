#pragma once
// Buffered line reader of the checker. Hands out lines in place, inside its own buffer,
// without copying; only the unread tail moves when the buffer is refilled. A NUL byte in
// the file ends a line exactly like a line feed; a carriage return stays in its line.

#include <cstdint>
#include <cstdio>

// Reader codes.
constexpr int kLineOk = 0;
constexpr int kLineNoSize = 0x51;     // the file size could not be determined
constexpr int kLineTooLong = 0x52;    // over the caller's limit, or a last line without line end
constexpr int kLineShortWrite = 0x53; // closing a written file wrote fewer bytes than pending
constexpr int kLineEndOfFile = 0x56;

// Flags of openLineFile: bits 0-1 the mode, plus kLineFileWantSize with kLineFileRead.
constexpr int kLineFileRead = 0;   // "rb"
constexpr int kLineFileWrite = 1;  // "wb"
constexpr int kLineFileAppend = 2; // "ab"
constexpr int kLineFileWantSize = 0x10;

struct LineFile {
    int errorClass = 0; // 5 once an error is recorded
    int reserved = 0;
    int errorCode = 0;
    const char* errorFileName = nullptr;
    std::int64_t fileSize = 0;      // only with kLineFileWantSize
    std::int64_t bytesConsumed = 0; // per line handed out: its length + 1
    char* fileName = nullptr;
    int mode = 0;
    std::FILE* stream = nullptr;
    int bufferSize = 0;
    int readPosition = 0; // first unread byte
    int fill = 0;         // valid bytes in the buffer
    // bufferSize + 2 bytes: [bufferSize] is a line feed and [bufferSize + 1] a NUL, so every
    // scan for a line end stops inside the buffer.
    char* buffer = nullptr;
};

// Null when the stream cannot be opened or memory fails. A size that cannot be determined
// is recorded in the error fields (kLineNoSize); the reader is still returned.
LineFile* openLineFile(const char* name, int flags, int bufferSize);
// Writes what is pending in write modes, closes and frees. 0, kLineShortWrite, or 1 for null.
int closeLineFile(LineFile* file);
// Sets *line to the next line, NUL-terminated in place, valid until the next read. Lines may
// hold up to maxLen - 1 characters. After a nonzero code the caller stops reading.
int readLine(LineFile* file, char** line, int maxLen);
// Hands out a run of one or more whole lines at once, as readLine would hand them out one by
// one: each line keeps its end, folded to a line feed, and none holds maxLen characters or
// more. Returns kLineOk with *block and *length set, or the code that readLine would give for
// the next line (kLineTooLong, kLineEndOfFile). Needs a buffer larger than maxLen.
int readLines(LineFile* file, char** block, std::int64_t* length, int maxLen);
