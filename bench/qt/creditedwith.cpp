// Credited With and Movie Links, offscreen, each figure beside a reference measured in the
// same run (best of five, after one untimed read that brings the list into the page cache):
//   - the Credited With search of the prolific featured actor (his 300 and more titles)
//     over a generated 1 GiB Actors list, against LC_ALL=C grep -c -F -f titles.txt over
//     the same file, titles.txt holding the same titles (target <= 1.5x);
//   - 50,000 names filled into the dialog's name list, sorted and shown (target <= 0.5 s),
//     beside the search that found them;
//   - the distinct titles of a view with 5,000 links, and the Movie Links dialog opened
//     and shown on them (target <= 50 ms).
//
//   bench_creditedwith [--bytes N] [--dir DIR] [--keep]

#include "bench/BenchSupport.h"
#include "documents/RVCDoc.h"
#include "documents/RtfWriter.h"
#include "listdata/AppSettings.h"
#include "listdata/CastCrewRoutines.h"
#include "listdata/ListCatalog.h"
#include "listdata/ListFile.h"
#include "listdata/StoreRecordTarget.h"
#include "platform/DocManager.h"
#include "platform/qt/SortListCtrl.h"
#include "shell/core/CreditList.h"
#include "shell/core/CreditSearch.h"
#include "shell/core/DistinctTitleTargets.h"
#include "shell/core/DocumentTitles.h"
#include "shell/links/CreditedWithDlg.h"
#include "shell/links/MovieLinksDlg.h"
#include "tools/ListGenerator.h"

#include <QApplication>
#include <QListWidget>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using bench::Best;
using bench::Run;
using bench::Seconds;
using namespace shellcore;

namespace {

constexpr unsigned kActingRoles = 0x3;

void Ratio(const char* what, double ours, const char* reference, double theirs, double target)
{
    std::printf("%-36s %7.3f s   %-34s %7.3f s   ratio %5.2f (target <= %.1f)\n", what, ours, reference, theirs,
                ours / theirs, target);
}

void Within(const char* what, double ours, const char* beside, double theirs, double target)
{
    std::printf("%-36s %7.3f s   %-34s %7.3f s   (target <= %.3f s)\n", what, ours, beside, theirs, target);
}

CListFile& Opened(CListFile& file, const std::string& path)
{
    if (!file.OpenPath(kActors, path) || !file.FindStart()) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        std::exit(1);
    }
    return file;
}

// The prolific actor's search over the generated list against grep with his titles.
void SearchAgainstGrep(const bench::Arguments& arguments, const std::string& lists)
{
    listgen::GeneratorOptions options;
    options.targetBytes = arguments.bytes;
    options.prolificTitles = 400;
    const listgen::ListGenerator generator(options);
    const auto start = std::chrono::steady_clock::now();
    const listgen::ListFileInfo info = generator.WriteList(kActors, lists);
    std::printf("generated %s: %llu bytes in %.1f s\n", info.path.c_str(), static_cast<unsigned long long>(info.bytes),
                Seconds(start));

    // His document as Get Information fills it, and the titles Credited With collects.
    const std::string person = generator.FeaturedActor();
    CRVCDoc document;
    CListFile file;
    CStoreRecordTarget target(document.GetRecords());
    SearchActingCredits(kActors, Opened(file, info.path), person, target);
    CDocumentTitles titles;
    CollectDocumentTitles(document.GetRecords(), kActingRoles, titles);
    const std::string titlesFile = lists + "titles.txt";
    {
        std::ofstream out(titlesFile, std::ios::binary);
        for (int i = 0; i < titles.GetCount(); ++i)
            out << titles.GetAt(i) << '\n';
    }
    Run("cat '" + info.path + "' > /dev/null");
    Run("uptime");

    int names = 0;
    const double ours = Best(5, [&] {
        CListFile list;
        CCreditList credits;
        SearchCredits(Opened(list, info.path), 0, person, titles, credits);
        names = credits.GetCount();
    });
    // grep's count goes to a file: with its output on /dev/null grep stops at the first match.
    const double grep = Best(5, [&] {
        Run("LC_ALL=C grep -c -F -f '" + titlesFile + "' '" + info.path + "' > '" + lists + "count'");
    });
    Ratio("Credited With search, Actors 1 GiB", ours, "grep -c -F -f titles.txt", grep, 1.5);
    std::printf("  %d titles of %s; %d people credited beside him\n", titles.GetCount(), person.c_str(), names);
}

// 50,000 people credited on the title of a person's one credit: the search, then the
// name list filled again.
void FillNames(const std::string& folder)
{
    const std::string lists = folder + "fill/";
    std::filesystem::create_directories(lists);
    constexpr int kNames = 50000;
    const char* const title = "Shared Title (2000)";
    std::string body;
    for (int i = 0; i < kNames; ++i)
        body += "Person" + std::to_string(100000 + i) + ", Pat (I)\t\t" + title + "  [Guest]\n\n";
    // Actor/Actress searches both lists: the actresses' list is there, with no one in it.
    for (const int list : {kActors, kActresses}) {
        const std::string header = ListCatalog[list].header;
        std::ofstream out(lists + DefaultListFileName(list), std::ios::binary);
        out << "CRC: 0x00000000  Date: Fri Nov 30 00:00:00 2001\n\n" << header << "\n"
            << std::string(header.size(), '=') << "\n\nName\t\t\tTitles\n----\t\t\t------\n"
            << (list == kActors ? body : std::string()) << std::string(79, '-') << "\n";
    }
    CAppSettings settings;
    settings.ListsPath = lists;
    settings.Lists[kActors].FileName = DefaultListFileName(kActors);
    settings.Lists[kActresses].FileName = DefaultListFileName(kActresses);
    CRVCDoc document;
    document.SetPersonName("Someone, Sam");
    document.GetRecords().AddString(kActors, 1, title);
    document.SetDefaultFilmographyMode(1);
    CCreditedWithDlg dialog(document, settings, {});
    dialog.show();
    QApplication::processEvents();
    const double search = Best(5, [&] {
        dialog.OnStartSearch();
        QApplication::processEvents();
    });
    const double fill = Best(5, [&] {
        dialog.FillNameList();
        dialog.NameList()->viewport()->repaint();
        QApplication::processEvents();
    });
    Within("50,000 names filled and shown", fill, "Start Search (search and fill)", search, 0.5);
    std::printf("  %d rows\n", dialog.NameList()->GetItemCount());
}

// A view of 5,000 links: 4,000 title links to 2,000 titles, 1,000 name links.
void MovieLinks(const CAppSettings& settings, platform::CDocManager& documents)
{
    CRtfWriter writer(&settings);
    for (int i = 0; i < 5000; ++i) {
        const std::string text = (i % 5 == 4 ? "Name " : "Title ") + std::to_string(i % 2000) + " (1999)";
        writer.EmitLink(text, text, "", i % 5 == 4 ? RtfLinkKind::Name : RtfLinkKind::Title);
    }
    std::size_t distinct = 0;
    const double targets = Best(5, [&] { distinct = DistinctTitleTargets(writer.Links()).size(); });
    const double shown = Best(5, [&] {
        CMovieLinksDlg dialog(writer, documents);
        dialog.show();
        QApplication::processEvents();
    });
    Within("distinct titles of 5,000 links", targets, "Movie Links dialog opened, shown", shown, 0.05);
    std::printf("  %zu distinct titles\n", distinct);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Each figure as soon as it is measured, also into a file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const bench::Arguments arguments =
        bench::ParseArguments(argc, argv, "bench_creditedwith [--bytes N] [--dir DIR] [--keep]");
    bench::PrintMachine();
    const std::string lists = bench::ListsFolder(arguments, "creditedwith");
    SearchAgainstGrep(arguments, lists);
    FillNames(lists);
    CAppSettings settings;
    platform::CDocManager documents;
    MovieLinks(settings, documents);
    if (!arguments.keep)
        std::filesystem::remove_all(lists);
    return 0;
}
