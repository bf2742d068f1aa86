#include "ListCheck.h"

#include "CrcEngine.h"
#include "LineFile.h"
#include "ListCrc.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const kDateNotAvailable = "---- not  available ----";

// The running percentage of the bytes handed out. Files under 128 bytes or of unknown size
// have no divisor and show none until their result.
class Progress {
public:
    Progress(bool enabled, std::int64_t fileSize, std::ostream& out)
        : m_enabled(enabled && (fileSize >> 7) > 0), m_divisor(fileSize >> 7), m_out(out)
    {
        if (m_enabled)
            m_nextAt = thresholdFor(1);
    }

    // A block of whole lines was handed out; the block ends at consumed bytes. Writes every
    // value that the line-by-line loop would have written, in order.
    void afterBlock(const char* block, std::int64_t length, std::int64_t consumed)
    {
        if (!m_enabled || consumed < m_nextAt)
            return;
        std::int64_t blockStart = consumed - length;
        while (m_last < 100) {
            // The first line that ends at or behind the threshold decides the next figure.
            std::int64_t from = m_nextAt - 1 - blockStart;
            if (from < 0)
                from = 0;
            if (from >= length)
                return;
            const void* end = std::memchr(block + from, '\n', static_cast<std::size_t>(length - from));
            if (!end)
                return;
            std::int64_t lineConsumed = blockStart + (static_cast<const char*>(end) - block) + 1;
            int percent = percentAt(lineConsumed);
            char text[16];
            std::snprintf(text, sizeof text, "\b\b\b\b\b\b(%03i%%)", percent);
            m_out << text;
            m_out.flush();
            m_last = percent;
            if (m_last < 100)
                m_nextAt = thresholdFor(m_last + 1);
        }
    }

private:
    int percentAt(std::int64_t consumed) const
    {
        std::int64_t percent = ((consumed >> 7) * 100) / m_divisor;
        return percent > 100 ? 100 : static_cast<int>(percent);
    }
    // The fewest bytes consumed that show at least `percent`.
    std::int64_t thresholdFor(int percent) const
    {
        std::int64_t units = (static_cast<std::int64_t>(percent) * m_divisor + 99) / 100;
        return units << 7;
    }

    bool m_enabled;
    std::int64_t m_divisor;
    std::ostream& m_out;
    int m_last = 0;
    std::int64_t m_nextAt = 0;
};

} // namespace

void checkListFile(const CrcEngine& crc, const std::string& prefix, DiffInfo& info, bool progress, std::ostream& out)
{
    const std::string path = prefix + info.name;
    checkList(crc, openLineFile(path.c_str(), kLineFileRead | kLineFileWantSize, kListBufferSize), info, progress, out);
}

void checkList(const CrcEngine& crc, LineFile* file, DiffInfo& info, bool progress, std::ostream& out)
{
    char* first = nullptr;
    if (!file || readLine(file, &first, kListMaxLine) != kLineOk) {
        if (progress)
            out << "\b\b\b\b\b\b- IO-Error\n";
        info.status = kStatusIoError;
        closeLineFile(file);
        return;
    }
    info.size = file->fileSize;

    if (std::strncmp(first, "CRC: ", 5) != 0) {
        if (progress)
            out << "\b\b\b\b\b\b- CRC not available\n";
        info.date = kDateNotAvailable;
        info.status = kStatusNoCrc;
        closeLineFile(file);
        return;
    }
    std::string stored(first, std::min<std::size_t>(std::strlen(first), 15));
    if (const char* date = std::strstr(first, "Date: "))
        info.date.assign(date + 6, std::min<std::size_t>(std::strlen(date + 6), 39));
    else
        info.date = kDateNotAvailable;
    // The line end of a CR LF list is no part of the date.
    if (!info.date.empty() && info.date.back() == '\r')
        info.date.pop_back();

    Progress shown(progress, file->fileSize, out);
    std::uint32_t sum = kCrcStart;
    char* block = nullptr;
    std::int64_t length = 0;
    while (readLines(file, &block, &length, kListMaxLine) == kLineOk) {
        shown.afterBlock(block, length, file->bytesConsumed);
        sum = crc.update(sum, reinterpret_cast<const unsigned char*>(block), static_cast<std::size_t>(length));
    }
    // The reader stops at a read error as at the end of the file; the checksum of what was
    // read says nothing about the list then.
    const bool readFailed = std::ferror(file->stream) != 0;
    closeLineFile(file);
    if (readFailed) {
        if (progress)
            out << "\b\b\b\b\b\b- IO-Error\n";
        info.status = kStatusIoError;
        return;
    }

    char computed[16];
    std::snprintf(computed, sizeof computed, "CRC: 0x%08X", static_cast<unsigned>(sum));
    if (stored == computed) {
        info.status = kStatusCrcOk;
        if (progress)
            out << "\b\b\b\b\b\b- CRC O.K.\n";
    } else {
        info.status = kStatusCrcError;
        if (progress)
            out << "\b\b\b\b\b\b- CRC Error\n";
    }
}
