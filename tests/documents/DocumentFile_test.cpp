#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "listdata/RecordStore.h"
#include "platform/Archive.h"
#include "support/ByteBuilder.h"
#include "support/TestSupport.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using platform::Archive;
using platform::ArchiveException;

namespace {

using testsupport::Bytes;

template <class Doc> std::vector<unsigned char> Save(Doc& doc)
{
    Archive ar;
    doc.Serialize(ar);
    return ar.Data();
}

template <class Doc> void Load(Doc& doc, const std::vector<unsigned char>& bytes)
{
    Archive ar(bytes);
    doc.Serialize(ar);
}

template <class Doc> int LoadCause(const std::vector<unsigned char>& bytes)
{
    Doc doc;
    try {
        Load(doc, bytes);
    } catch (const ArchiveException& e) {
        return e.m_cause;
    }
    return 0;
}

// Records of every value kind, and the block bytes they store to.
void FillRecords(CRecordStore& store)
{
    store.AddString(kRecordHeading, 0, "Ein Film (1999)");
    store.AddString(kRecordWebAddress, 0, "https://www.zuvo.example/Title?Ein+Film+(1999)");
    store.AddInt(kRecordDocInfo, kDocInfoCreatorVersion, 0x305);
    store.AddInt(kRecordDocInfo, kDocInfoUpdaterVersion, 0x305);
    store.AddInt(kRecordDocInfo, kDocInfoDocVersion, 0x300);
    store.AddEmpty(19, 4);
    store.AddString(33, 1, "");
    store.AddBytes3(47, 9, 0x00010203);
    store.AddBytes10(38, 2, 0x31323334, 0x35363738, 0x3930);
    store.AddInt(0, -7, -123456);
}

Bytes RecordBlock()
{
    Bytes b;
    b.I32(51).I32(10);
    b.I32(48).I32(0).I32(16).Str("Ein Film (1999)");
    b.I32(49).I32(0).I32(47).Str("https://www.zuvo.example/Title?Ein+Film+(1999)");
    b.I32(50).I32(0).I32(4).I32(0x305);
    b.I32(50).I32(8).I32(4).I32(0x305);
    b.I32(50).I32(1).I32(4).I32(0x300);
    b.I32(19).I32(4).I32(0);
    b.I32(33).I32(1).I32(1).Str("");
    b.I32(47).I32(9).I32(3).Raw("\x03\x02\x01", 3);
    b.I32(38).I32(2).I32(10).Text("4321876509");
    b.I32(0).I32(-7).I32(4).I32(-123456);
    return b;
}

std::vector<unsigned char> MovieFile(const char* header, std::int32_t programVersion, std::int32_t docVersion)
{
    Bytes b;
    b.Text(header).I32(programVersion).I32(docVersion).I32(2).I32(6).Str("Title");
    b.I32(51).I32(1).I32(48).I32(0).I32(2).Str("T");
    return b.b;
}

std::vector<unsigned char> CastFile(const char* header, std::int32_t programVersion, std::int32_t docVersion)
{
    Bytes b;
    b.Text(header).I32(programVersion).I32(docVersion).I32(1).I32(10).Str("Doe, Jane");
    b.I32(51).I32(0);
    return b.b;
}

} // namespace

TEST(DocumentFile, MovieTVFileIsByteExact)
{
    CRVMDoc doc;
    doc.SetMovieTitle("Ein Film (1999)");
    doc.OnSectionMode(kSectionComplete);
    FillRecords(doc.GetRecords());

    Bytes expected;
    expected.Text("Reelvoyager 3 - Movie/TV").I32(0x305).I32(0x300).I32(6).I32(16).Str("Ein Film (1999)");
    const Bytes block = RecordBlock();
    expected.Raw(block.b.data(), block.b.size());

    const auto bytes = Save(doc);
    EXPECT_EQ(bytes, expected.b);
    EXPECT_EQ(doc.GetProgramVersion(), 0x305) << "saving takes the version words from the records";
    EXPECT_EQ(doc.GetDocVersion(), 0x300);

    CRVMDoc loaded;
    loaded.SetSearchState(kSearchRunning);
    Load(loaded, bytes);
    EXPECT_EQ(loaded.GetMovieTitle(), "Ein Film (1999)");
    EXPECT_EQ(loaded.GetSectionMode(), kSectionComplete);
    EXPECT_EQ(loaded.GetProgramVersion(), 0x305);
    EXPECT_EQ(loaded.GetDocVersion(), 0x300);
    EXPECT_EQ(loaded.GetSearchState(), kSearchIdle) << "a loaded document is idle";
    EXPECT_EQ(loaded.GetRecords().GetCount(), 10);
    EXPECT_EQ(Save(loaded), bytes);
}

TEST(DocumentFile, CastCrewFileIsByteExact)
{
    CRVCDoc doc;
    doc.SetPersonName("Doe, Jane (I)");
    doc.OnFilmographyMode(kFilmographyCombined);
    FillRecords(doc.GetRecords());
    // A Cast/Crew document's own version records.
    doc.GetRecords().RemoveType(kRecordDocInfo);
    doc.GetRecords().AddInt(kRecordDocInfo, kDocInfoCreatorVersion, 0x301);
    doc.GetRecords().AddInt(kRecordDocInfo, kDocInfoDocVersion, 0x200);

    Bytes expected;
    expected.Text("Reelvoyager 3 - Cast/Crew").I32(0x301).I32(0x200).I32(2).I32(14).Str("Doe, Jane (I)");
    expected.I32(51).I32(9);
    expected.I32(48).I32(0).I32(16).Str("Ein Film (1999)");
    expected.I32(49).I32(0).I32(47).Str("https://www.zuvo.example/Title?Ein+Film+(1999)");
    expected.I32(19).I32(4).I32(0);
    expected.I32(33).I32(1).I32(1).Str("");
    expected.I32(47).I32(9).I32(3).Raw("\x03\x02\x01", 3);
    expected.I32(38).I32(2).I32(10).Text("4321876509");
    expected.I32(0).I32(-7).I32(4).I32(-123456);
    expected.I32(50).I32(0).I32(4).I32(0x301);
    expected.I32(50).I32(1).I32(4).I32(0x200);

    const auto bytes = Save(doc);
    EXPECT_EQ(bytes, expected.b);

    CRVCDoc loaded;
    Load(loaded, bytes);
    EXPECT_EQ(loaded.GetPersonName(), "Doe, Jane (I)");
    EXPECT_EQ(loaded.GetFilmographyMode(), kFilmographyCombined);
    EXPECT_EQ(loaded.GetProgramVersion(), 0x301);
    EXPECT_EQ(loaded.GetDocVersion(), 0x200);
    EXPECT_EQ(Save(loaded), bytes);
}

TEST(DocumentFile, OlderHeaderLoadsAndSavesAsCurrent)
{
    CRVMDoc movie;
    Load(movie, MovieFile("Reelvoyager 2 - Movie/TV", 0x205, 0x200));
    EXPECT_EQ(movie.GetMovieTitle(), "Title");
    const auto saved = Save(movie);
    EXPECT_EQ(std::string(saved.begin(), saved.begin() + 24), "Reelvoyager 3 - Movie/TV");

    CRVCDoc cast;
    Load(cast, CastFile("Reelvoyager 2 - Cast/Crew", 0x205, 0x200));
    EXPECT_EQ(cast.GetPersonName(), "Doe, Jane");
    const auto savedCast = Save(cast);
    EXPECT_EQ(std::string(savedCast.begin(), savedCast.begin() + 25), "Reelvoyager 3 - Cast/Crew");
}

TEST(DocumentFile, HeadersAndVersionWordsAcceptedAndRefused)
{
    struct Case {
        const char* header; // replaces the start of the header
        std::int32_t programVersion, docVersion;
        int movieCause, castCause; // 0: loads
    } const cases[] = {
        {nullptr, 0x305, 0x200, 0, 0},
        {nullptr, 0x305, 0x300, 0, ArchiveException::badSchema},
        {nullptr, 0x1FF, 0x200, ArchiveException::badSchema, ArchiveException::badSchema},
        {nullptr, 0x400, 0x200, ArchiveException::badSchema, ArchiveException::badSchema},
        {nullptr, 0x2FF, 0x200, 0, 0},
        {nullptr, 0x200, 0x200, 0, 0},
        {nullptr, 0x10305, 0x200, 0, 0}, // only bits 8-15 count
        {nullptr, 0, 0x200, ArchiveException::badSchema, ArchiveException::badSchema},
        {nullptr, -1, 0x200, ArchiveException::badSchema, ArchiveException::badSchema},
        {nullptr, 0x305, 0x3FF, 0, ArchiveException::badSchema},
        {nullptr, 0x305, 0x400, ArchiveException::badSchema, ArchiveException::badSchema},
        {nullptr, 0x305, -1, ArchiveException::badSchema, ArchiveException::badSchema},
        {"Reelvoyager 2", 0x305, 0x200, 0, 0},
        {"Reelvoyager 4", 0x305, 0x200, ArchiveException::badIndex, ArchiveException::badIndex},
        {"reelvoyager 3", 0x305, 0x200, ArchiveException::badIndex, ArchiveException::badIndex},
    };
    for (const Case& c : cases) {
        std::string movieHeader = "Reelvoyager 3 - Movie/TV";
        std::string castHeader = "Reelvoyager 3 - Cast/Crew";
        if (c.header) {
            movieHeader.replace(0, std::strlen(c.header), c.header);
            castHeader.replace(0, std::strlen(c.header), c.header);
        }
        EXPECT_EQ(LoadCause<CRVMDoc>(MovieFile(movieHeader.c_str(), c.programVersion, c.docVersion)), c.movieCause)
            << std::hex << c.programVersion << " " << c.docVersion << " " << movieHeader;
        EXPECT_EQ(LoadCause<CRVCDoc>(CastFile(castHeader.c_str(), c.programVersion, c.docVersion)), c.castCause)
            << std::hex << c.programVersion << " " << c.docVersion << " " << castHeader;
    }
    // One kind's file is not the other's.
    EXPECT_NE(LoadCause<CRVCDoc>(MovieFile("Reelvoyager 3 - Movie/TV", 0x305, 0x200)), 0);
    EXPECT_EQ(LoadCause<CRVMDoc>(CastFile("Reelvoyager 3 - Cast/Crew", 0x305, 0x200)), ArchiveException::badIndex);
}

TEST(DocumentFile, FileShorterThanTheHeaderIsForeign)
{
    // Whatever the file holds is compared with the header; too few bytes never equal it.
    const std::string movie = "Reelvoyager 3 - Movie/TV";
    const std::string cast = "Reelvoyager 3 - Cast/Crew";
    for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{10}, movie.size() - 1}) {
        EXPECT_EQ(LoadCause<CRVMDoc>(std::vector<unsigned char>(movie.begin(), movie.begin() + static_cast<long>(n))),
                  ArchiveException::badIndex)
            << n;
        EXPECT_EQ(LoadCause<CRVCDoc>(std::vector<unsigned char>(cast.begin(), cast.begin() + static_cast<long>(n))),
                  ArchiveException::badIndex)
            << n;
    }
    EXPECT_EQ(LoadCause<CRVMDoc>(std::vector<unsigned char>{'h', 'i', '\n'}), ArchiveException::badIndex);
    // With the whole header there, a cut further on is a truncated file.
    EXPECT_EQ(LoadCause<CRVMDoc>(std::vector<unsigned char>(movie.begin(), movie.end())), ArchiveException::endOfFile);
}

TEST(DocumentFile, OldDocumentVersionsReadTheirBlockLayout)
{
    // Below 0x100: no number of types, 50 index pairs; 0x100-0x1FF: number of types and
    // that many pairs.
    for (std::int32_t docVersion : {0x000, 0x0FF, 0x100, 0x180}) {
        Bytes b;
        b.Text("Reelvoyager 2 - Cast/Crew").I32(0x205).I32(docVersion).I32(1).I32(4).Str("Doe");
        int pairs = 50;
        if (docVersion >= 0x100) {
            pairs = 51;
            b.I32(pairs);
        }
        b.I32(1);
        for (int i = 0; i < 2 * pairs; ++i)
            b.I32(0x41414141);
        b.I32(5).I32(17).I32(4).Str("Old");

        CRVCDoc doc;
        Load(doc, b.b);
        ASSERT_EQ(doc.GetRecords().GetCount(), 1) << docVersion;
        EXPECT_STREQ(doc.GetRecords().GetRecord(0).GetText(), "Old");
        EXPECT_EQ(doc.GetDocVersion(), docVersion);

        // Without document-information records the loaded version words are kept (a
        // field of 0 takes the default), and the saved file reads back the same.
        const auto saved = Save(doc);
        CRVCDoc again;
        Load(again, saved);
        EXPECT_EQ(again.GetDocVersion(), docVersion == 0 ? kCastCrewDocVersion : docVersion);
        EXPECT_EQ(again.GetProgramVersion(), 0x205);
        ASSERT_EQ(again.GetRecords().GetCount(), 1) << docVersion;
        EXPECT_STREQ(again.GetRecords().GetRecord(0).GetText(), "Old");
    }
}

TEST(DocumentFile, DocumentWithoutVersionsSavesTheDefaults)
{
    CRVMDoc movie;
    movie.SetMovieTitle("X");
    auto bytes = Save(movie);
    Archive m(bytes);
    char header[24];
    m.ReadExact(header, 24);
    EXPECT_EQ(m.ReadInt32(), 0x305);
    EXPECT_EQ(m.ReadInt32(), 0x300);

    CRVCDoc cast;
    bytes = Save(cast);
    Archive c(bytes);
    char castHeader[25];
    c.ReadExact(castHeader, 25);
    EXPECT_EQ(c.ReadInt32(), 0x305);
    EXPECT_EQ(c.ReadInt32(), 0x200);
    EXPECT_EQ(c.ReadInt32(), 0);
    EXPECT_EQ(c.ReadInt32(), 1) << "an empty name is its NUL";
}

TEST(DocumentFile, VersionRecordsOverrideFieldsAndOnlyFourByteRecordsCount)
{
    CRVMDoc doc;
    doc.SetProgramVersion(0x201);
    doc.SetDocVersion(0x200);
    CRecordStore& records = doc.GetRecords();
    records.AddInt(kRecordDocInfo, kDocInfoCreatorVersion, 0x300);
    records.AddInt(kRecordDocInfo, kDocInfoCreatorVersion, 0x302); // a later record wins
    records.AddBytes3(kRecordDocInfo, kDocInfoDocVersion, 0x100);  // not an integer record
    Save(doc);
    EXPECT_EQ(doc.GetProgramVersion(), 0x302);
    EXPECT_EQ(doc.GetDocVersion(), 0x200) << "a missing key leaves the field as it was";

    // Type-50 records exist but none gives the program version: a field still 0 gets the
    // default, so the file is not refused when it is opened again.
    CRVCDoc cast;
    cast.GetRecords().AddInt(kRecordDocInfo, kDocInfoCreatedYear, 2001);
    const auto bytes = Save(cast);
    EXPECT_EQ(cast.GetProgramVersion(), 0x305);
    EXPECT_EQ(cast.GetDocVersion(), 0x200);
    CRVCDoc again;
    EXPECT_NO_THROW(Load(again, bytes));
}

TEST(DocumentFile, VersionRecordsTheLoaderWouldRefuseAreNotSaved)
{
    struct Case {
        bool castCrew;
        std::int32_t programRecord, docRecord; // the type-50 values of keys 0 and 1
        std::int32_t program, doc;             // what the file then holds
    };
    const Case cases[] = {
        {false, 0x100, 0x400, 0x301, 0x200}, {false, 0x7FFF, -1, 0x301, 0x200}, {true, 0x400, 0x300, 0x301, 0x200},
        {true, 0x210, 0x101, 0x210, 0x101},  {false, 0, 0x300, 0x301, 0x300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.castCrew << " " << c.programRecord << " " << c.docRecord);
        CRVMDoc movie;
        CRVCDoc cast;
        platform::CDocument& doc = c.castCrew ? static_cast<platform::CDocument&>(cast) : movie;
        CRecordStore& records = c.castCrew ? cast.GetRecords() : movie.GetRecords();
        // The document's own versions, as a loaded file gave them.
        if (c.castCrew) {
            cast.SetProgramVersion(0x301);
            cast.SetDocVersion(0x200);
        } else {
            movie.SetProgramVersion(0x301);
            movie.SetDocVersion(0x200);
        }
        records.AddInt(kRecordDocInfo, kDocInfoCreatorVersion, c.programRecord);
        records.AddInt(kRecordDocInfo, kDocInfoDocVersion, c.docRecord);
        Archive out;
        doc.Serialize(out);
        Archive in(out.Data());
        char header[25];
        in.ReadExact(header, c.castCrew ? 25 : 24);
        EXPECT_EQ(in.ReadInt32(), c.program);
        EXPECT_EQ(in.ReadInt32(), c.doc);
        EXPECT_EQ(c.castCrew ? LoadCause<CRVCDoc>(out.Data()) : LoadCause<CRVMDoc>(out.Data()), 0);
    }
}

TEST(DocumentFile, TitleLengthIsChecked)
{
    for (std::int32_t n : {0, -1, -2147483647 - 1, 1000, 0x7FFFFFFF}) {
        Bytes b;
        b.Text("Reelvoyager 3 - Movie/TV").I32(0x305).I32(0x300).I32(0).I32(n).Str("Title").I32(51).I32(0);
        EXPECT_NE(LoadCause<CRVMDoc>(b.b), 0) << n;
    }
    // A title whose bytes hold an early NUL ends there; one without a final NUL still
    // gets n - 1 bytes.
    Bytes early;
    early.Text("Reelvoyager 3 - Movie/TV").I32(0x305).I32(0x300).I32(0).I32(6).Raw("ab\0cd\0", 6).I32(51).I32(0);
    CRVMDoc doc;
    Load(doc, early.b);
    EXPECT_EQ(doc.GetMovieTitle(), "ab");
    Bytes noNul;
    noNul.Text("Reelvoyager 3 - Movie/TV").I32(0x305).I32(0x300).I32(0).I32(3).Raw("abc", 3).I32(51).I32(0);
    Load(doc, noNul.b);
    EXPECT_EQ(doc.GetMovieTitle(), "ab");
}

TEST(DocumentFile, EveryTruncatedFileFailsWithTheArchiveException)
{
    CRVMDoc movie;
    movie.SetMovieTitle("Ein Film (1999)");
    FillRecords(movie.GetRecords());
    CRVCDoc cast;
    cast.SetPersonName("Doe, Jane");
    FillRecords(cast.GetRecords());
    cast.GetRecords().RemoveType(kRecordDocInfo);

    const auto movieBytes = Save(movie);
    const auto castBytes = Save(cast);
    for (std::size_t n = 0; n < movieBytes.size(); ++n) {
        const std::vector<unsigned char> prefix(movieBytes.begin(), movieBytes.begin() + static_cast<long>(n));
        EXPECT_NE(LoadCause<CRVMDoc>(prefix), 0) << "prefix " << n;
    }
    for (std::size_t n = 0; n < castBytes.size(); ++n) {
        const std::vector<unsigned char> prefix(castBytes.begin(), castBytes.begin() + static_cast<long>(n));
        EXPECT_NE(LoadCause<CRVCDoc>(prefix), 0) << "prefix " << n;
    }
}

TEST(DocumentFile, FlippedCountsAndSizesFailWithTheArchiveException)
{
    CRVMDoc movie;
    movie.SetMovieTitle("Ein Film (1999)");
    FillRecords(movie.GetRecords());
    const auto bytes = Save(movie);

    // Offsets of the title length, the record count and every record's size.
    std::vector<std::size_t> counts = {36};
    std::size_t pos = 40 + 16;
    counts.push_back(pos + 4);
    pos += 8;
    while (pos < bytes.size()) {
        counts.push_back(pos + 8);
        const std::uint32_t size = bytes[pos + 8] | bytes[pos + 9] << 8 | bytes[pos + 10] << 16 |
                                   static_cast<std::uint32_t>(bytes[pos + 11]) << 24;
        pos += 12 + size;
    }
    ASSERT_EQ(pos, bytes.size());
    ASSERT_EQ(counts.size(), 12u);

    for (std::size_t offset : counts) {
        for (std::int32_t value : {-1, -2147483647 - 1, 0x7FFFFFFF, 0x00FFFFFF}) {
            auto damaged = bytes;
            for (int i = 0; i < 4; ++i)
                damaged[offset + i] = static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> (8 * i));
            EXPECT_NE(LoadCause<CRVMDoc>(damaged), 0) << "offset " << offset << " value " << value;
        }
    }
    // The last record one byte longer than the file, one record more than the file holds.
    auto longer = bytes;
    longer[counts.back()] += 1;
    EXPECT_EQ(LoadCause<CRVMDoc>(longer), ArchiveException::endOfFile);
    auto more = bytes;
    more[counts[1]] += 1;
    EXPECT_EQ(LoadCause<CRVMDoc>(more), ArchiveException::endOfFile);
}

TEST(DocumentFile, EveryFlippedByteLoadsOrFailsWithTheArchiveException)
{
    // No assertion beyond the exception type: the sanitizer build catches any read past
    // a buffer or any oversized allocation on the way.
    CRVCDoc cast;
    cast.SetPersonName("Doe, Jane");
    FillRecords(cast.GetRecords());
    cast.GetRecords().RemoveType(kRecordDocInfo);
    const auto bytes = Save(cast);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        for (unsigned char mask : {0x01, 0x40, 0xFF}) {
            auto damaged = bytes;
            damaged[i] ^= mask;
            CRVCDoc doc;
            try {
                Load(doc, damaged);
            } catch (const ArchiveException&) {
            }
        }
    }
}

TEST(DocumentFile, OpeningADamagedFileLeavesTheDocumentEmpty)
{
    testsupport::TempDir dir;
    CRVMDoc good;
    good.SetMovieTitle("Good");
    FillRecords(good.GetRecords());
    const auto bytes = Save(good);
    testsupport::WriteFile(dir.File("cut.rvmtv"), std::string(bytes.begin(), bytes.end() - 3));

    CRVMDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(dir.File("cut.rvmtv")));
    EXPECT_EQ(doc.LastErrorCause(), ArchiveException::endOfFile);
    EXPECT_EQ(doc.GetRecords().GetCount(), 0);
    EXPECT_EQ(doc.GetMovieTitle(), "");

    EXPECT_FALSE(doc.OnOpenDocument(dir.File("missing.rvmtv")));
    EXPECT_EQ(doc.LastErrorCause(), ArchiveException::genericException);

    ASSERT_TRUE(good.OnSaveDocument(dir.File("good.rvmtv")));
    EXPECT_TRUE(doc.OnOpenDocument(dir.File("good.rvmtv")));
    EXPECT_EQ(doc.GetMovieTitle(), "Good");
    EXPECT_FALSE(doc.IsModified());
}

TEST(DocumentFile, AFailedOpenKeepsNothingOfTheFileOpenedBefore)
{
    // Title or name, mode and version words go with the records, in both kinds: a mode
    // left behind would draw the next file's view in a mode the user never chose.
    testsupport::TempDir dir;
    const auto write = [&](const char* name, const std::vector<unsigned char>& bytes, std::size_t cut) {
        testsupport::WriteFile(dir.File(name), std::string(bytes.begin(), bytes.end() - cut));
        return dir.File(name);
    };
    const auto movieBytes = MovieFile(CRVMDoc::kFileHeader, 0x305, 0x300);
    CRVMDoc movie;
    ASSERT_TRUE(movie.OnOpenDocument(write("film.rvmtv", movieBytes, 0)));
    EXPECT_EQ(movie.GetMovieTitle(), "Title");
    EXPECT_EQ(movie.GetSectionMode(), kSectionCredits);
    EXPECT_EQ(movie.GetRecords().GetCount(), 1);
    EXPECT_FALSE(movie.OnOpenDocument(write("cut.rvmtv", movieBytes, 1)));
    EXPECT_EQ(movie.GetMovieTitle(), "");
    EXPECT_EQ(movie.GetSectionMode(), kSectionNone);
    EXPECT_EQ(movie.GetProgramVersion(), 0);
    EXPECT_EQ(movie.GetDocVersion(), 0);
    EXPECT_EQ(movie.GetRecords().GetCount(), 0);

    const auto castBytes = CastFile(CRVCDoc::kFileHeader, 0x305, 0x200);
    CRVCDoc cast;
    ASSERT_TRUE(cast.OnOpenDocument(write("person.rvcc", castBytes, 0)));
    EXPECT_EQ(cast.GetPersonName(), "Doe, Jane");
    EXPECT_EQ(cast.GetFilmographyMode(), kFilmographyCategorized);
    EXPECT_EQ(cast.GetDocVersion(), 0x200);
    EXPECT_FALSE(cast.OnOpenDocument(write("cut.rvcc", castBytes, 1)));
    EXPECT_EQ(cast.GetPersonName(), "");
    EXPECT_EQ(cast.GetFilmographyMode(), kFilmographyNone);
    EXPECT_EQ(cast.GetProgramVersion(), 0);
    EXPECT_EQ(cast.GetDocVersion(), 0);
    EXPECT_FALSE(cast.IsCreditedWithEnabled());
}
