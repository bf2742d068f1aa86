#pragma once
// Checks the checksum line at the top of one list file.

#include <cstdint>
#include <ostream>
#include <string>

class CrcEngine;
struct LineFile;

// DiffInfo status values.
constexpr int kStatusCrcOk = 0;
constexpr int kStatusCrcError = 1;
constexpr int kStatusIoError = 2; // the file cannot be opened, is empty, or its first line is unreadable
constexpr int kStatusSyntaxError = 4;
constexpr int kStatusNoCrc = 6; // the first line holds no checksum

constexpr int kListBufferSize = 0x80000;
constexpr int kListMaxLine = 0x2000;

// One list file to check.
struct DiffInfo {
    std::string name; // a directory entry's name, or in single-file mode the path as given
    std::string date; // the list's date text, at most 39 characters
    std::int64_t size = 0;
    int status = kStatusCrcOk;
};

// Checks prefix + info.name and fills info's size, date and status. With progress, writes the
// running percentage and the result text to out; they overwrite the "(000%)" that the caller
// wrote at the end of the current line.
void checkListFile(const CrcEngine& crc, const std::string& prefix, DiffInfo& info, bool progress, std::ostream& out);
// The same check of a list already open in `file` (opened with kLineFileWantSize; null when
// it could not be opened), which it closes. A read error anywhere in the file is an
// input error, not a checksum error.
void checkList(const CrcEngine& crc, LineFile* file, DiffInfo& info, bool progress, std::ostream& out);
