// The right-click hit test of a document view: the character under the point and the
// link that holds it, in a view of 20,000 lines with a link on each, against Qt's own
// hit test of the document layout at the same points, measured in the same run.
//
//   bench_linkhit [lines, default 20000]
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "documents/RtfWriter.h"
#include "listdata/AppSettings.h"
#include "platform/qt/RichTextView.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Microseconds per call of `work` over every point, best of five runs.
template <class F> double BestMicros(const std::vector<QPoint>& points, int rounds, F work)
{
    double best = 1e30;
    for (int run = 0; run < 5; ++run) {
        const auto start = Clock::now();
        for (int round = 0; round < rounds; ++round)
            for (const QPoint& point : points)
                work(point);
        const double micros = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        best = std::min(best, micros / (double(rounds) * double(points.size())));
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int lines = argc > 1 ? std::max(100, std::atoi(argv[1])) : 20000;

    CAppSettings settings;
    settings.NoLinks = 0;
    platform::CRichTextView view;
    view.resize(900, 700);
    view.show();
    CRtfWriter writer(&settings);
    writer.Attach(&view);
    writer.SetupFont();
    writer.Reset();
    writer.BeginDocument();
    for (int i = 0; i < lines; ++i) {
        writer.Paragraph(0, 2, true);
        writer.WriteText("Credit " + std::to_string(i) + " .... ", 0, false);
        const std::string name = "Person, Name " + std::to_string(i);
        writer.WriteLink(name, name, "", 0, RtfLinkKind::Name, false);
        writer.WriteText(" as Somebody", 0, false);
        writer.NewLine();
    }
    writer.EndDocument();
    const auto streamStart = Clock::now();
    if (!writer.StreamIn()) {
        std::fprintf(stderr, "the view did not take the text\n");
        return 1;
    }
    view.document()->documentLayout()->documentSize(); // the whole layout, before timing
    const double streamSeconds = std::chrono::duration<double>(Clock::now() - streamStart).count();

    // Points in the middle of a link's third character, near the top, the middle and the
    // end of the text, each with the view scrolled to it.
    struct Probe {
        int scroll;
        QPoint point;
    };
    std::vector<Probe> probes;
    for (int line : {5, lines / 2, lines - 5}) {
        const RtfLink link = writer.Links().GetAt(line);
        QTextCursor cursor(view.document());
        cursor.setPosition(link.start + 2);
        view.setTextCursor(cursor);
        view.ensureCursorVisible();
        const QRect left = view.cursorRect(cursor);
        cursor.setPosition(link.start + 3);
        const QRect right = view.cursorRect(cursor);
        probes.push_back({view.verticalScrollBar()->value(), QPoint((left.left() + right.left()) / 2, left.center().y())});
    }

    std::printf("view: %d lines, %d links, streamed and laid out in %.0f ms\n", lines, writer.Links().GetCount(),
                streamSeconds * 1000);
    std::printf("%-10s %14s %16s %8s\n", "point", "ours (us)", "Qt hitTest (us)", "ratio");
    const char* names[] = {"top", "middle", "end"};
    int failures = 0;
    for (std::size_t i = 0; i < probes.size(); ++i) {
        view.verticalScrollBar()->setValue(probes[i].scroll);
        const std::vector<QPoint> points{probes[i].point};
        int found = -1;
        const double ours = BestMicros(points, 2000, [&](const QPoint& point) {
            found = writer.Links().FindAt(view.CharacterAt(point));
        });
        QAbstractTextDocumentLayout* layout = view.document()->documentLayout();
        int hit = -1;
        const QPointF offset(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value());
        const double reference = BestMicros(points, 2000, [&](const QPoint& point) {
            hit = layout->hitTest(QPointF(point) + offset, Qt::ExactHit);
        });
        const int expected = static_cast<int>(i == 0 ? 5 : i == 1 ? lines / 2 : lines - 5);
        if (found != expected || hit < 0) {
            std::printf("%s: found link %d (expected %d), Qt position %d\n", names[i], found, expected, hit);
            ++failures;
        }
        std::printf("%-10s %14.2f %16.2f %7.2fx\n", names[i], ours, reference, ours / reference);
    }
    return failures == 0 ? 0 : 1;
}
