// The rebuild of a Movie/TV view against Qt's own plain text, measured in the same run:
//   - the full rebuild (builders, RTF writer, RTF read into the view, layout) of a store
//     with 4,000 cast members, 2,000 crew entries and 2,000 episodes, against
//     QTextDocument::setPlainText of the view's resulting text and its layout, in the same
//     view (target: at most 3.0 times);
//   - the rebuild with 1,000, 4,000 and 16,000 cast members, each step four times the
//     cast (target: at most 4.5 times the time of the step before), with the plain-text
//     reference of each step beside it;
//   - the same two figures for the running texts of a long series: the Complete section
//     of 2,000 episodes, each with a goof, a trivia item, a quote and its line of the
//     ratings' full table (at most 3.0 times the plain text), and of 500 episodes against
//     2,000 (four times the records: at most 4.5 times the time).
// and of a Cast/Crew view, in both filmography modes:
//   - the full rebuild of a person with 8,000 credits across the eleven jobs and a full
//     biography against the same plain-text reference (target: at most 3.0 times);
//   - the rebuild with 2,000, 8,000 and 32,000 credits (target: at most 4.5 times the
//     time of the step before).
//
//   bench_viewbuild [runs, default 5]
//
// Times are the processor time of the GUI thread (which builds, reads and lays out), the
// best of the runs, so that other processes on a shared machine count less. Runs
// offscreen unless QT_QPA_PLATFORM says otherwise.

#include "bench/BenchSupport.h"
#include "documents/CastCrewText.h"
#include "documents/MovieTVText.h"
#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "listdata/AppSettings.h"
#include "listdata/FilmographyJobs.h"
#include "listdata/ListCatalog.h"
#include "listdata/RecordStore.h"
#include "platform/Profile.h"
#include "platform/qt/RichTextView.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Processor time of this thread: the machine is shared, and wall time would count the
// other processes' turns.
struct Clock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<Clock, duration>;
    static time_point now()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return time_point(duration(std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec));
    }
};

const char* const kSyllables[] = {"ba", "ke", "ri", "mo", "su", "la", "ve", "no", "zi", "po", "da", "gu"};

std::string Word(std::mt19937& random, int syllables)
{
    std::string word;
    for (int i = 0; i < syllables; ++i)
        word += kSyllables[random() % std::size(kSyllables)];
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

std::string PersonName(std::mt19937& random)
{
    return Word(random, 2 + random() % 3) + ", " + Word(random, 1 + random() % 3);
}

// Cast members (name and role; one in `billedEvery` with a billing number, the regulars
// with episode counts), crew entries spread over the eight crew lists, and episodes of
// a series in shuffled order.
void FillStore(CRecordStore& store, int cast, int billedEvery, int crew, int episodes)
{
    std::mt19937 random(20240601);
    store.Init(1000, 1000);
    store.AddString(kRecordHeading, 0, "\"Bakerimo Nights\" (1987)");
    store.AddString(kMovies, 0, "1987-1995");
    std::vector<std::pair<int, int>> numbers;
    for (int i = 0; i < episodes; ++i)
        numbers.emplace_back(1 + i / 25, 1 + i % 25);
    std::shuffle(numbers.begin(), numbers.end(), random);
    for (const auto& [season, episode] : numbers) {
        const std::string title = "\"Bakerimo Nights\" (1987) {" + Word(random, 3) + " (#" + std::to_string(season) +
                                  "." + std::to_string(episode) + ")}";
        store.AddString(kMovies, 2, title.c_str());
    }
    for (int i = 0; i < cast; ++i) {
        const int type = i % 3 == 0 ? kActresses : kActors;
        store.AddString(type, 0, PersonName(random).c_str());
        if (i % billedEvery == 0)
            store.AddInt(type, 4, 1 + static_cast<int>(random() % 400));
        store.AddString(type, 3, (Word(random, 2) + " " + Word(random, 3)).c_str());
        if (billedEvery == 1 && i % 10 == 0) {
            store.AddInt(type, 5, 2 + static_cast<int>(random() % 40));
            store.AddInt(type, 6, 2);
        }
    }
    const int crewLists[] = {kDirectors,        kProducers,           kComposers, kCinematographers,
                             kCostumeDesigners, kProductionDesigners, kEditors,   kMiscellaneous};
    for (int i = 0; i < crew; ++i) {
        const int list = crewLists[i % std::size(crewLists)];
        store.AddString(list, 0, PersonName(random).c_str());
        store.AddString(list, 2, ("(" + Word(random, 2) + " " + Word(random, 2) + ")").c_str());
    }
}

// A series of `episodes` episodes, each with its goof, trivia item, quote and full-table
// ratings line, in the order the search stores the lists.
void FillSeries(CRecordStore& store, int episodes)
{
    std::mt19937 random(20240602);
    store.Init(1000, 1000);
    store.AddString(kRecordHeading, 0, "\"Bakerimo Nights\" (1987)");
    std::vector<std::string> labels;
    for (int i = 0; i < episodes; ++i)
        labels.push_back(Word(random, 3) + " (#" + std::to_string(1 + i / 25) + "." + std::to_string(1 + i % 25) + ")");
    auto sentence = [&] { return Word(random, 2) + " " + Word(random, 3) + " " + Word(random, 2) + "."; };
    for (const std::string& label : labels) {
        store.AddString(kGoofs, 99, label.c_str());
        store.AddString(kGoofs, 2 + static_cast<int>(random() % 12), sentence().c_str());
    }
    store.AddString(kMovies, 0, "1987-1995");
    for (const std::string& label : labels)
        store.AddString(kMovies, 2, ("\"Bakerimo Nights\" (1987) {" + label + "}").c_str());
    for (const std::string& label : labels) {
        store.AddString(kQuotes, 99, label.c_str());
        store.AddString(kQuotes, 2, (Word(random, 2) + ": " + sentence()).c_str());
        store.AddString(kQuotes, 2, (Word(random, 2) + ": " + sentence()).c_str());
    }
    for (const std::string& label : labels) {
        store.AddBytes10(kRatings, 0, 0x01020304, 0x05060708, 0x0900);
        store.AddInt(kRatings, 1, static_cast<int>(random() % 100000));
        store.AddInt(kRatings, 2, static_cast<int>(random() % 100));
        store.AddString(kRatings, 9, label.c_str());
    }
    for (const std::string& label : labels) {
        store.AddString(kTrivia, 3, label.c_str());
        store.AddString(kTrivia, 1, sentence().c_str());
    }
}

// A person with `credits` credits spread over the eleven jobs (titles drawn from a pool, so
// that many titles recur across jobs, some as episodes; details on one credit in
// `detailedEvery`: a role and billing in the cast lists, a note on half the others), and
// one record of every biography part.
void FillPersonStore(CRecordStore& store, int credits, int detailedEvery)
{
    std::mt19937 random(20240602);
    store.Init(1000, 1000);
    store.AddString(kRecordHeading, 0, "Bakerimo, Suvela");
    const int pool = std::max(1, credits * 2 / 3);
    std::vector<std::string> titles;
    for (int i = 0; i < pool; ++i) {
        const std::string year = std::to_string(1920 + random() % 90);
        if (i % 4 == 0)
            titles.push_back("\"" + Word(random, 3) + "\" (" + year + ") {" + Word(random, 2) + " (#" +
                             std::to_string(1 + random() % 9) + "." + std::to_string(1 + random() % 24) + ")}");
        else
            titles.push_back(Word(random, 2 + random() % 3) + " " + Word(random, 2) + " (" + year + ")");
    }
    for (int i = 0; i < credits; ++i) {
        const int list = FilmographyJobs[i % kFilmographyJobCount].list;
        store.AddString(list, 1, titles[random() % titles.size()].c_str());
        if (i % detailedEvery != 0)
            continue;
        if (list == kActors || list == kActresses) {
            store.AddString(list, 3, (Word(random, 2) + " " + Word(random, 3)).c_str());
            store.AddInt(list, 4, 1 + static_cast<int>(random() % 40));
        } else if (random() % 2 == 0) {
            store.AddString(list, 2, ("(" + Word(random, 2) + " " + Word(random, 2) + ")").c_str());
        }
    }
    const std::pair<int, const char*> biography[] = {
        {2, "Suvela Bakerimo"}, {3, "Su"}, {5, "1 May 1950"}, {6, "Graz, Austria"}, {9, "2 June 2001"},
        {10, "Bergen, Norway"}, {11, "(pneumonia)"}, {12, "5' 9\""}, {13, "Born in Graz, 'Doe, Jo' (qv) said."},
        {13, ""}, {13, "Retired to _Kebari (1990)_ (qv)."}, {14, "Staff"}, {15, "A book"}, {17, "_Life (1990)_ (qv)"},
        {19, "_Roles (1995)_ (qv)"}, {21, "Painted."}, {24, "\"Show\" (1990) (qv)"}, {25, "herself"}, {29, "Trivia."},
        {30, "More."}, {31, "A quote."}, {34, "_Kebari (1990)_ (qv)"}, {35, "$10"}, {36, "Bergen."},
        {39, "'Roe, Al' (qv)"}, {40, "(1970 - 1975)"}, {41, "A voice."}, {44, "Screen Weekly"}, {45, "USA"},
        {46, "May 1990"}, {53, "Film"}, {62, "Review"}, {71, "Cover"}, {79, "Acme"}, {80, "Los Angeles"}};
    for (const auto& [key, text] : biography) {
        if (*text)
            store.AddString(kBiographies, key, text);
        else
            store.AddEmpty(kBiographies, key);
    }
    store.AddString(kAkaNames, 0, "Bakerimo, Su");
}

class Bench {
public:
    Bench()
    {
        platform::MemoryProfile profile;
        m_settings.Load(profile);
        m_view.resize(1200, 900);
        m_view.show();
        m_writer.Attach(&m_view);
    }

    // The whole rebuild of the view from `store`, laid out; milliseconds. `filmographyMode`
    // 0 shows a Movie/TV view, 1 and 2 a Cast/Crew view in that mode.
    double Rebuild(const CRecordStore& store, int filmographyMode = 0)
    {
        const auto start = Clock::now();
        {
            auto lock = store.Lock();
            const std::unique_ptr<platform::ITextMeasure> measure = m_view.CreateMeasure(m_settings.Font);
            if (filmographyMode == 0)
                CMovieTVText(m_writer, store, *measure, "Bakerimo Nights", kSectionComplete).Build(0);
            else
                CCastCrewText(m_writer, store, *measure, kCastCrewDocVersion, filmographyMode).Build(0);
        }
        m_writer.StreamIn();
        LayOut();
        return Milliseconds(start);
    }

    // setPlainText of the text the rebuild left in the view, laid out; milliseconds.
    double PlainText()
    {
        const QString text = m_view.toPlainText();
        const auto start = Clock::now();
        m_view.document()->setPlainText(text);
        LayOut();
        return Milliseconds(start);
    }

    int Lines() const { return m_view.document()->blockCount(); }

private:
    static double Milliseconds(Clock::time_point start)
    {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

    // Asking for the place of the last character lays the whole text out.
    void LayOut()
    {
        QTextCursor end(m_view.document());
        end.movePosition(QTextCursor::End);
        m_view.cursorRect(end);
        if (!m_view.document()->lastBlock().layout()->lineCount()) {
            std::fprintf(stderr, "the text was not laid out\n");
            std::exit(1);
        }
    }

    CAppSettings m_settings;
    platform::CRichTextView m_view;
    CRtfWriter m_writer{&m_settings};
};

struct Figures {
    double rebuild = 1e30;
    double plain = 1e30;
};

Figures Measure(Bench& bench, const CRecordStore& store, int runs, int filmographyMode = 0)
{
    Figures best;
    for (int i = 0; i < runs; ++i) {
        best.rebuild = std::min(best.rebuild, bench.Rebuild(store, filmographyMode));
        best.plain = std::min(best.plain, bench.PlainText());
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    Bench bench;
    bench::PrintMachine();

    CRecordStore store;
    FillStore(store, 4000, 1, 2000, 2000);
    const Figures full = Measure(bench, store, runs);
    std::printf("full rebuild, %d records, %d lines: %.1f ms; setPlainText + layout of its text: %.1f ms; "
                "ratio %.2f (target <= 3.0)\n",
                store.GetCount(), bench.Lines(), full.rebuild, full.plain, full.rebuild / full.plain);

    // Two records per member (and a billing for one in 40): 16,000 members fill the store.
    Figures previous;
    for (const int cast : {1000, 4000, 16000}) {
        FillStore(store, cast, 40, 0, 0);
        const Figures step = Measure(bench, store, runs);
        std::printf("cast %5d: rebuild %.1f ms, plain text %.1f ms", cast, step.rebuild, step.plain);
        if (previous.rebuild < 1e30)
            std::printf("; x4 cast: rebuild %.2f times (target <= 4.5), plain text %.2f times",
                        step.rebuild / previous.rebuild, step.plain / previous.plain);
        std::printf("\n");
        previous = step;
    }

    FillSeries(store, 2000);
    const Figures series = Measure(bench, store, runs);
    std::printf("Complete of a series of 2000 episodes, %d records, %d lines: %.1f ms; setPlainText + layout "
                "of its text: %.1f ms; ratio %.2f (target <= 3.0)\n",
                store.GetCount(), bench.Lines(), series.rebuild, series.plain, series.rebuild / series.plain);
    FillSeries(store, 500);
    const Figures quarter = Measure(bench, store, runs);
    std::printf("episodes 500 -> 2000: rebuild %.1f -> %.1f ms, %.2f times (target <= 4.5); plain text %.2f times\n",
                quarter.rebuild, series.rebuild, series.rebuild / quarter.rebuild, series.plain / quarter.plain);

    for (const int mode : {kFilmographyCategorized, kFilmographyCombined}) {
        const char* name = mode == kFilmographyCategorized ? "categorized" : "combined";
        FillPersonStore(store, 8000, 1);
        const Figures person = Measure(bench, store, runs, mode);
        std::printf("person, %s, %d records, %d lines: %.1f ms; setPlainText + layout of its text: %.1f ms; "
                    "ratio %.2f (target <= 3.0)\n",
                    name, store.GetCount(), bench.Lines(), person.rebuild, person.plain, person.rebuild / person.plain);
        // One record per credit but for one in 64: 32,000 credits fill the store.
        Figures before;
        for (const int credits : {2000, 8000, 32000}) {
            FillPersonStore(store, credits, 64);
            const Figures step = Measure(bench, store, runs, mode);
            std::printf("%s, credits %5d, %d records, %d lines: rebuild %.1f ms, plain text %.1f ms", name, credits,
                        store.GetCount(), bench.Lines(), step.rebuild, step.plain);
            if (before.rebuild < 1e30)
                std::printf("; x4 credits: rebuild %.2f times (target <= 4.5), plain text %.2f times",
                            step.rebuild / before.rebuild, step.plain / before.plain);
            std::printf("\n");
            before = step;
        }
    }
    return 0;
}
