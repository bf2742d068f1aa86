// A person's view in the real main window: File > New > Cast/Crew Document, Get
// Information, then both filmography modes and both sorts; the text the view shows is the
// text of the core builder, its columns line up and every link covers its own text.

#include "GuiFixture.h"
#include "listdata/ui/GetInformationDlg.h"
#include "listdata/ui/NewCastCrewDlg.h"
#include "listdata/ui/SearchingDlg.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WideListBox.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/NewDocumentIds.h"
#include "support/RtfToText.h"
#include "support/ViewFixture.h"

#include <QAbstractTextDocumentLayout>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextLayout>
#include <set>

using namespace guitest;
using namespace resources;

namespace {

// The x position of the text behind the first tab of each line of the block of lines
// under `heading` (up to the next empty line), for the lines that hold a tab.
std::set<int> ColumnsUnder(CRichDocumentView& view, const QString& heading)
{
    QTextDocument* document = view.document();
    document->documentLayout()->documentSize(); // lays the whole text out
    std::set<int> columns;
    QTextBlock block = document->begin();
    while (block.isValid() && block.text() != heading)
        block = block.next();
    for (block = block.next(); block.isValid() && !block.text().isEmpty(); block = block.next()) {
        const int tab = block.text().indexOf(QLatin1Char('\t'));
        if (tab < 0)
            continue;
        const QTextLine line = block.layout()->lineForTextPosition(tab + 1);
        columns.insert(qRound(line.cursorToX(tab + 1)));
    }
    return columns;
}

} // namespace

class TestCastCrewView : public QObject {
    Q_OBJECT

private slots:
    void personViewFromNewToEveryModeAndSort()
    {
        listgen::GeneratorOptions options;
        options.seed = testsupport::kViewSeed;
        Program p(options);
        QVERIFY(p.Start());
        const std::string actress = p.generator->FeaturedActress();

        p.app->LastCastCrewText = actress;
        WhenModal<CNewCastCrewDlg>([&](CNewCastCrewDlg& dialog) {
            dialog.findChild<QRadioButton*>(QString::number(IDC_NEWCAST_EXACT))->setChecked(true);
            Click(dialog, IDC_NEWDOC_SEARCH);
            QVERIFY(dialog.Results()->count() >= 1);
            dialog.Results()->item(0)->setSelected(true);
            Click(dialog, IDOK);
        });
        p.Action(ID_FILE_NEW_CASTCREW)->trigger();
        QCOMPARE(p.app->DocManager().GetDocuments().size(), std::size_t(1));
        auto* person = dynamic_cast<CRVCDoc*>(p.app->DocManager().GetDocuments()[0]);
        QVERIFY(person);
        CRichDocumentView* view = Program::ViewOf(person);
        QVERIFY(view);

        WhenModal<CGetInformationDlg>([](CGetInformationDlg& dialog) { Click(dialog, IDOK); });
        p.Action(ID_CASTCREW_GETINFORMATION)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(person->GetSearchState() == kSearchIdle &&
                                     Program::TextOf(person).contains(QStringLiteral("Mini Biography:")),
                                 30000);
        if (CSearchingDlg* searching = p.Frame().SearchingDialog())
            searching->close();

        const struct {
            int command;
            int mode;
            int sort;
        } cases[] = {
            {ID_CASTCREW_CATEGORIZED, kFilmographyCategorized, 0},
            {ID_CASTCREW_COMBINED, kFilmographyCombined, 0},
            {ID_CASTCREW_COMBINED, kFilmographyCombined, 1},
            {ID_CASTCREW_CATEGORIZED, kFilmographyCategorized, 1},
        };
        for (const auto& c : cases) {
            const QString name = QStringLiteral("mode %1 sort %2").arg(c.mode).arg(c.sort);
            p.app->Settings.FilmographySort = c.sort;
            person->UpdateAllViews(nullptr);
            p.Action(c.command)->trigger();
            QCOMPARE(person->GetFilmographyMode(), c.mode);

            // What the core builds for the same document, character for character.
            testsupport::ViewWriter core(p.app->Settings);
            core.CastCrew(*person, c.mode);
            QCOMPARE(view->toPlainText(), QString::fromStdString(testsupport::RtfToPlainText(core.Writer().Output())));

            // Spouses and credits: the texts behind the names or titles start at one x.
            QCOMPARE(ColumnsUnder(*view, QStringLiteral("Spouse:")).size(), std::size_t(1));
            const QString filmography = c.mode == kFilmographyCategorized ? QStringLiteral("Actress Filmography:")
                                                                            : QStringLiteral("Combined Filmography:");
            QVERIFY2(ColumnsUnder(*view, filmography).size() == 1, qPrintable(name));

            // Every link covers exactly the text it shows.
            const CRtfLinkTable& links = view->Writer().Links();
            QVERIFY(links.GetCount() > 10);
            for (int i = 0; i < links.GetCount(); ++i) {
                const RtfLink link = links.GetAt(i);
                view->SelectRange(link.start, link.end);
                QCOMPARE(view->textCursor().selectedText(), platform::ToQString(link.display));
            }
        }
    }
};

QTEST_MAIN(TestCastCrewView)
#include "tst_CastCrewView.moc"
