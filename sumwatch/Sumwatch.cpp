#include "Sumwatch.h"

#include "CrcEngine.h"
#include "LineFile.h"
#include "ListCheck.h"
#include "ListCrc.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <system_error>

namespace fs = std::filesystem;

namespace {

const char* const kBanner = "Sumwatch 1.5 (22.11.01) - checks the CRC line at the top of list files\n";
const char* const kUsage = "usage: Sumwatch <list(s)> [-nostats][-quiet][-logfile <filename>]\n";

bool endsWith(const std::string& text, const char* tail)
{
    std::size_t n = std::char_traits<char>::length(tail);
    return text.size() >= n && text.compare(text.size() - n, n, tail) == 0;
}

bool isSingleList(const std::string& argument)
{
    return argument.size() >= 6 && endsWith(argument, ".list");
}

std::string statusWord(int status)
{
    switch (status) {
    case kStatusCrcOk:
        return "CRC OK   ";
    case kStatusCrcError:
        return "CRC-Error";
    case kStatusIoError:
        return "IO-Error ";
    case kStatusSyntaxError:
        return "Syntax Error";
    case kStatusNoCrc:
        return "CRC n/a  ";
    default:
        return std::to_string(status);
    }
}

// Collects the list files of a directory in the order the system returns them. False on a
// set-up error, after its message.
bool collectDirectory(const std::string& argument, const std::string& prefix, std::vector<DiffInfo>& records,
                      std::ostream& out)
{
    // The prefix without its separator, but the root stays itself.
    std::string examined = prefix;
    if (examined.size() > 1 || argument.empty())
        examined.pop_back();
    std::error_code ec;
    fs::file_status status = fs::status(examined, ec);
    if (ec || !fs::exists(status)) {
        out << "Can't access " << prefix << "\n";
        return false;
    }
    if (!fs::is_directory(status)) {
        out << prefix << " is no directory.\n";
        return false;
    }
    fs::directory_iterator it(prefix, ec);
    if (ec) {
        out << "Can't open " << prefix << "\n";
        return false;
    }
    bool complete = true;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (!isSingleList(name))
            continue;
        try {
            DiffInfo info;
            info.name = name;
            records.push_back(std::move(info));
        } catch (const std::bad_alloc&) {
            out << "Can't allocate memory for DiffInfo\n";
            complete = false;
        }
    }
    if (ec) {
        out << "Can't open " << prefix << "\n";
        complete = false;
    }
    return complete;
}

std::string timeText()
{
    std::time_t now = std::time(nullptr);
    char text[64];
    if (now == static_cast<std::time_t>(-1) || !ctime_r(&now, text))
        return {};
    return text; // 24 characters and a line end
}

void writeStatistics(const std::vector<DiffInfo>& records, const std::string& logFile, std::ostream& out)
{
    std::ofstream log;
    if (!logFile.empty())
        log.open(logFile, std::ios::binary | std::ios::app);
    auto both = [&](const std::string& line) {
        out << line;
        if (log.is_open())
            log << line;
    };
    std::string when = timeText();
    std::string title = when.empty() ? "Sumwatch Statistics\n" : "Sumwatch Statistics - " + when;
    out << title;
    if (log.is_open())
        log << "\n" << title;
    both("\nStatus   Filesize  Filedate                  Listfile\n");
    both(std::string(60, '-') + "\n");
    for (const DiffInfo& info : records)
        both(statisticsRow(info));
}

} // namespace

std::string statisticsRow(const DiffInfo& info)
{
    char size[32];
    std::snprintf(size, sizeof size, "%8" PRId64, info.size);
    // At least one blank between the status word and a size of nine digits or more.
    std::string word = statusWord(info.status);
    if (word.back() != ' ' && size[0] != ' ')
        word += ' ';
    return word + size + "  " + info.date + "  " + info.name + "\n";
}

int runSumwatch(const std::vector<std::string>& arguments, std::ostream& out)
{
    out << kBanner;
    if (arguments.empty()) {
        out << kUsage;
        return kExitUsage;
    }
    const std::string& argument = arguments[0];
    std::string prefix = argument;
    if (!endsWith(prefix, "/"))
        prefix += "/";

    bool noStats = false;
    bool quiet = false;
    std::string logFile;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "-nostats") {
            noStats = true;
        } else if (arguments[i] == "-quiet") {
            quiet = true;
        } else if (arguments[i] == "-logfile" && i + 1 < arguments.size()) {
            logFile = arguments[++i];
        } else {
            out << kUsage;
            return kExitUsage;
        }
    }

    std::unique_ptr<std::uint32_t[]> table = makeCrcTable();
    std::unique_ptr<CrcEngine> engine(table ? new (std::nothrow) CrcEngine(table.get()) : nullptr);
    if (!engine) {
        out << "Can't Create CRC-Table!\n";
        return kExitSetUp;
    }

    int errorCode = kExitDone;
    std::vector<DiffInfo> records;
    bool single = isSingleList(argument);
    if (!single) {
        if (!collectDirectory(argument, prefix, records, out))
            errorCode = kExitSetUp;
    } else if (LineFile* test = openLineFile(argument.c_str(), kLineFileRead, kListBufferSize)) {
        closeLineFile(test);
        DiffInfo info;
        info.name = argument;
        records.push_back(std::move(info));
    } else {
        out << "Failed to open " << argument << "!\n";
        errorCode = kExitSetUp;
    }
    std::stable_sort(records.begin(), records.end(),
                     [](const DiffInfo& a, const DiffInfo& b) { return a.name < b.name; });
    out << "\n";

    if (errorCode == kExitDone) {
        for (DiffInfo& info : records) {
            if (!quiet) {
                out << "Check CRC of File " << info.name << " (000%)";
                out.flush();
            }
            checkListFile(*engine, single ? std::string() : prefix, info, !quiet, out);
        }
        if (!quiet)
            out << "\n";
    } else {
        records.clear(); // never checked: no rows
    }

    if (!noStats)
        writeStatistics(records, logFile, out);
    if (errorCode == kExitSetUp)
        out << "\nWARNING: Sumwatch encountered errors.\n";
    out.flush();
    return errorCode;
}
