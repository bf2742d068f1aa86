#include "tools/ListGenerator.h"

#include "listdata/ListCatalog.h"
#include "tools/ListShapes.h"
#include "tools/ListSink.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace listgen {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

const std::string kDashes(79, '-');

std::string FirstLine(std::uint32_t checksum, const std::string& date, bool crlf)
{
    char crc[16];
    std::snprintf(crc, sizeof crc, "CRC: 0x%08X", static_cast<unsigned>(checksum));
    return std::string(crc) + "  Date: " + date + (crlf ? "\r\n" : "\n");
}

std::string HeaderBlock(int listIndex)
{
    const ListCatalogEntry& entry = ListCatalog[listIndex];
    const std::string header = entry.header;
    std::string out = header + "\n" + std::string(header.size(), '=') + "\n\n";
    if (entry.kind == 1)
        out += "Name\t\t\tTitles\n----\t\t\t------\n";
    return out;
}

std::string Trailer(int listIndex)
{
    std::string out;
    if (ListCatalog[listIndex].startKind == 0 && listIndex != kRatings)
        out += '\n'; // a blank line ends a list of single-line records
    out += kDashes + "\n\n";
    out += "Every title, person and figure in this list is invented; it only follows\n";
    out += "the layout of the provider's lists.\n";
    return out;
}

// The key of a record as a reader sees it: the title or name on its first line.
std::string KeyOfFirstLine(int listIndex, std::string_view line)
{
    switch (ListCatalog[listIndex].startKind) {
    case 2:
        return std::string(line.substr(2));
    case 3:
    case 4:
    case 6:
        return std::string(line.substr(4));
    case 5:
        return std::string(line.substr(6));
    default:
        return std::string(line.substr(0, line.find('\t')));
    }
}

bool IsFirstLine(int listIndex, std::string_view line)
{
    if (line.empty())
        return false;
    switch (ListCatalog[listIndex].startKind) {
    case 0:
        return true;
    case 1:
        return line[0] != ' ' && line[0] != '\t';
    case 2:
        return line.starts_with("# ");
    case 3:
        return line.starts_with("MV: ");
    case 4:
        return line.starts_with("OT: ");
    case 5:
        return line.starts_with("MOVI: ");
    case 6:
        return line.starts_with("NM: ");
    default:
        return false;
    }
}

// Writes list `listIndex` through `sink`; appends record keys to `keys` when not null.
std::uint64_t WriteBody(const Universe& universe, const GeneratorOptions& options, int listIndex, ListSink& sink,
                        std::vector<std::string>* keys)
{
    const ShapeContext context{universe, options, listIndex};
    sink.Write("\n" + ListGenerator::PreambleText() + "\n");
    sink.Write(HeaderBlock(listIndex));
    std::uint64_t records = 0;
    const ListShape& shape = ShapeOf(listIndex);
    if (!shape.record) {
        records = WriteRatingsTables(context, universe.TitleGroups(), sink, keys);
    } else {
        const std::uint64_t count = shape.personKeyed ? universe.People() : universe.TitleGroups();
        // The featured people come first; the featured film comes after every series.
        const std::uint64_t featuredFilm = universe.PositionOf(0);
        std::string out;
        for (std::uint64_t i = 0; i < count; ++i) {
            if (options.targetBytes != 0 && sink.Bytes() >= options.targetBytes) {
                // A list that reaches its size before the featured film still gets it.
                if (shape.personKeyed || i > featuredFilm)
                    break;
                i = featuredFilm;
            }
            const std::uint64_t key = shape.personKeyed ? i : universe.GroupAt(i);
            out.clear();
            if (!shape.record(context, key, out))
                continue;
            sink.Write(out);
            std::size_t start = 0;
            while (start < out.size()) {
                std::size_t end = out.find('\n', start);
                if (end == std::string::npos)
                    end = out.size();
                const std::string_view line = std::string_view(out).substr(start, end - start);
                if (IsFirstLine(listIndex, line)) {
                    ++records;
                    if (keys) {
                        std::string key = KeyOfFirstLine(listIndex, line);
                        if (keys->empty() || keys->back() != key)
                            keys->push_back(std::move(key));
                    }
                }
                start = end + 1;
            }
        }
    }
    std::string trailer = Trailer(listIndex);
    if (options.hostile)
        trailer.pop_back(); // no line end after the last line
    sink.Write(trailer);
    return records;
}

} // namespace

const std::string& ListGenerator::PreambleText()
{
    static const std::string text = "Zuvo list data, generated sample. Nothing in this file is real.\n"
                                    "Lines of this kind stand before the list's header line.\n";
    return text;
}

ListGenerator::ListGenerator(GeneratorOptions options)
    : m_options(std::move(options)),
      m_universe(m_options.seed,
                 m_options.targetBytes ? std::max<std::uint64_t>(m_options.titles, m_options.targetBytes / 40)
                                       : m_options.titles,
                 m_options.targetBytes ? std::max<std::uint64_t>(m_options.people, m_options.targetBytes / 60)
                                       : m_options.people)
{
}

ListFileInfo ListGenerator::WriteListTo(int listIndex, const std::string& path) const
{
    if (listIndex < 0 || listIndex >= kListCount)
        throw std::out_of_range("no list " + std::to_string(listIndex));
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw std::runtime_error("cannot create " + path + ": " + std::strerror(errno));
    ListFileInfo info;
    info.listIndex = listIndex;
    info.path = path;
    const std::string placeholder = FirstLine(0, m_options.date, m_options.crlf);
    bool ok = std::fwrite(placeholder.data(), 1, placeholder.size(), file.get()) == placeholder.size();
    {
        ListSink sink(file.get(), m_options.crlf);
        info.records = WriteBody(m_universe, m_options, listIndex, sink, nullptr);
        ok = sink.Flush() && ok;
        info.checksum = sink.Checksum();
        info.bytes = placeholder.size() + sink.Bytes();
    }
    // The checksum is known only now; the first line keeps its length.
    const std::string first = FirstLine(info.checksum, m_options.date, m_options.crlf);
    ok = ok && std::fseek(file.get(), 0, SEEK_SET) == 0 &&
         std::fwrite(first.data(), 1, first.size(), file.get()) == first.size();
    ok = std::fclose(file.release()) == 0 && ok;
    if (!ok)
        throw std::runtime_error("cannot write " + path);
    return info;
}

ListFileInfo ListGenerator::WriteList(int listIndex, const std::string& directory) const
{
    std::string dir = directory;
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return WriteListTo(listIndex, dir + DefaultListFileName(listIndex));
}

std::vector<ListFileInfo> ListGenerator::WriteSet(const std::string& directory, const std::vector<int>& lists) const
{
    std::vector<ListFileInfo> written;
    if (lists.empty()) {
        for (int i = 0; i < kListCount; ++i)
            written.push_back(WriteList(i, directory));
    } else {
        for (int i : lists)
            written.push_back(WriteList(i, directory));
    }
    return written;
}

std::vector<std::string> ListGenerator::RecordKeys(int listIndex) const
{
    if (listIndex < 0 || listIndex >= kListCount)
        throw std::out_of_range("no list " + std::to_string(listIndex));
    std::vector<std::string> keys;
    ListSink sink(nullptr, false);
    WriteBody(m_universe, m_options, listIndex, sink, &keys);
    return keys;
}

} // namespace listgen
