// The Trivia browser's title list on a generated Trivia list (1 GiB by default), offscreen:
// filling the "Other" list (every title of the generated list is a quoted series or one
// of its episodes) with its first paint (target <= 0.3 s, <= 32 bytes per row), and a
// title search over all titles with its repaints (target <= 0.5 s). Beside them, measured
// in the same run: opening the browser (titles loaded, a letter's list filled, painted)
// and `wc -l` over the file. Best of five.
//
//   bench_browserfill [--bytes N] [--dir DIR] [--keep] [--lists DIR]
//
// --lists reads the Trivia.list of an existing folder instead.

#include "listdata/AppSettings.h"
#include "resources/ShellDialogIds.h"
#include "shell/browsers/ListBrowserDlg.h"
#include "shell/browsers/TitleListView.h"
#include "tools/ListGenerator.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>

namespace {

double Seconds(const std::chrono::steady_clock::time_point& start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Best(int rounds, const std::function<void()>& before, const std::function<void()>& run)
{
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        before();
        const auto start = std::chrono::steady_clock::now();
        run();
        best = std::min(best, Seconds(start));
    }
    return best;
}

long ResidentBytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::uint64_t bytes = 1ull << 30;
    std::string dir = "/tmp";
    bool keep = false;
    std::string existing;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--bytes" && i + 1 < argc)
            bytes = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--dir" && i + 1 < argc)
            dir = argv[++i];
        else if (arg == "--keep")
            keep = true;
        else if (arg == "--lists" && i + 1 < argc)
            existing = argv[++i];
        else {
            std::fprintf(stderr, "usage: bench_browserfill [--bytes N] [--dir DIR] [--keep] [--lists DIR]\n");
            return 2;
        }
    }
    std::string lists = existing.empty() ? dir + "/bench-browser-" + std::to_string(::getpid()) + "/" : existing;
    if (lists.back() != '/')
        lists += '/';
    if (existing.empty()) {
        std::filesystem::create_directories(lists);
        listgen::GeneratorOptions options;
        options.targetBytes = bytes;
        const auto start = std::chrono::steady_clock::now();
        const listgen::ListFileInfo info = listgen::ListGenerator(options).WriteList(kTrivia, lists);
        std::printf("generated %s: %llu bytes in %.1f s\n", info.path.c_str(),
                    static_cast<unsigned long long>(info.bytes), Seconds(start));
    } else {
        keep = true;
    }
    const std::string wc = "LC_ALL=C wc -l < '" + lists + DefaultListFileName(kTrivia) + "' > /dev/null";
    if (std::system(wc.c_str()) != 0)
        return 1;

    CAppSettings settings;
    settings.ListsPath = lists;
    settings.Lists[kTrivia].FileName = DefaultListFileName(kTrivia);
    const double wcl = Best(5, [] {}, [&] {
        if (std::system(wc.c_str()) != 0)
            std::exit(1);
    });
    std::unique_ptr<CTriviaBrowserDlg> browser;
    const double open = Best(
        5, [&] { browser = std::make_unique<CTriviaBrowserDlg>(settings); browser->LetterFilter = 1; },
        [&] {
            browser->show();
            QApplication::processEvents();
        });
    CTitleListView& list = *browser->TitleList();

    // The first fill also takes the memory its rows need.
    browser->OnLetter(resources::IDC_BROWSER_LETTER_A);
    QApplication::processEvents();
    const long before = ResidentBytes();
    const double firstFill = Best(1, [] {}, [&] { browser->OnLetter(resources::IDC_BROWSER_OTHER); });
    const int rows = list.GetCount();
    // The rest of the rows are laid out in batches while events are handled.
    for (int stable = 0, range = -1; stable < 20;) {
        QApplication::processEvents();
        const int now = list.verticalScrollBar()->maximum();
        stable = now == range ? stable + 1 : 0;
        range = now;
    }
    const long rowBytes = ResidentBytes() - before;
    const double fill = Best(
        5,
        [&] {
            browser->OnLetter(resources::IDC_BROWSER_LETTER_A);
            QApplication::processEvents();
        },
        [&] { browser->OnLetter(resources::IDC_BROWSER_OTHER); });

    auto* edit = browser->findChild<QLineEdit*>(QString::number(resources::IDC_BROWSER_SEARCHTEXT));
    edit->setText(QStringLiteral("stranger"));
    const double search = Best(5, [] {}, [&] { browser->OnFindTitle(); });

    std::printf("titles %zu; \"Other\" rows %d\n", browser->Titles.GetCount(), rows);
    std::printf("open browser:       %6.3f s   wc -l: %6.3f s   ratio %.2f\n", open, wcl, open / wcl);
    std::printf("fill \"Other\":       %6.3f s   (first %.3f s; target <= 0.3 s; wc -l %.3f s)\n", fill, firstFill,
                wcl);
    std::printf("rows memory:        %6.1f bytes per row, laid out (target <= 32)\n", static_cast<double>(rowBytes) / rows);
    std::printf("search all titles:  %6.3f s   (%d hits; target <= 0.5 s)\n", search, list.GetCount());
    browser.reset();
    if (!keep)
        std::filesystem::remove_all(lists);
    return 0;
}
