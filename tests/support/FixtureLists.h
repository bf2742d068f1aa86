#pragma once
// Small list files for tests: the header block that the list-file reader skips for the
// list's header kind, followed by the records a test needs.

#include "listdata/AppSettings.h"
#include "listdata/ListCatalog.h"
#include "listdata/ListFile.h"
#include "support/FailingSource.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <new>
#include <string>

namespace testsupport {

// The whole file of list `listIndex` with `body` after its header block. Plain lists end
// their header at the underline, filmography lists after the column headings.
inline std::string ListFileText(int listIndex, const std::string& body)
{
    const ListCatalogEntry& entry = ListCatalog[listIndex];
    std::string text =
        "CRC: 0x12345678  File: " + DefaultListFileName(listIndex) + "  Date: Fri Mar  1 00:00:00 2024\n\n";
    text += "Copyright notice of the fixture.\n\n";
    text += std::string(entry.header) + "\n" + std::string(std::string(entry.header).size(), '=') + "\n";
    if (entry.kind == 1)
        text += "\nName\t\t\tTitles\n----\t\t\t------\n";
    return text + body;
}

// `text` with CR LF line ends in place of LF.
inline std::string WithCrLf(const std::string& text)
{
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    return crlf;
}

// Writes list `listIndex` under its default file name into `directory`.
inline void WriteList(const std::string& directory, int listIndex, const std::string& body)
{
    WriteFile(directory + DefaultListFileName(listIndex), ListFileText(listIndex, body));
}

// Makes `file` the whole file of list `listIndex` under its default name in `directory`;
// an empty `file` removes it, so that the list cannot be opened.
inline void PlaceList(const std::string& directory, int listIndex, const std::string& file)
{
    std::filesystem::remove(directory + DefaultListFileName(listIndex));
    if (!file.empty())
        WriteFile(directory + DefaultListFileName(listIndex), file);
}

// Opens a list as the file `text`, whose reading then fails, as a disk that breaks
// part-way would.
inline std::function<bool(CListFile&, int)> OpenFailingAfter(std::string text)
{
    return [text = std::move(text)](CListFile& file, int listIndex) {
        return file.OpenSource(listIndex, std::make_unique<FailingSource>(text), "failing");
    };
}

// Throws as opening a list fails: the reader's buffer cannot be made (`outOfMemory`) or
// the file's first read fails.
[[noreturn]] inline void ThrowAsOpeningFails(bool outOfMemory)
{
    if (outOfMemory)
        throw std::bad_alloc();
    throw platform::FileException(platform::FileException::generic, 5, "failing");
}

// Opens no list: throws as above.
inline std::function<bool(CListFile&, int)> OpenThrowing(bool outOfMemory)
{
    return [outOfMemory](CListFile&, int) -> bool { ThrowAsOpeningFails(outOfMemory); };
}

// Settings whose lists path is `directory` and whose list files have their default names.
inline CAppSettings ListSettings(const std::string& directory)
{
    CAppSettings settings;
    settings.ListsPath = directory;
    for (int i = 0; i < kListCount; ++i)
        settings.Lists[i].FileName = DefaultListFileName(i);
    return settings;
}

// A line longer than the list reader's buffer, with its line end: `head` filled with
// blanks up to the reader's first piece, then `rest`, which the reader hands out as a
// piece that continues the line.
inline std::string OverLongLine(const std::string& head, const std::string& rest)
{
    std::string line = head;
    line.resize(CListFile::kLineSize - 1, ' ');
    return line + rest + "\n";
}

} // namespace testsupport
