#include "platform/qt/RichTextView.h"

#include "documents/MovieTVText.h"
#include "documents/RVMDoc.h"
#include "documents/RtfWriter.h"
#include "listdata/AppSettings.h"
#include "listdata/ListCatalog.h"
#include "platform/MulDiv.h"
#include "platform/qt/QtFont.h"
#include "platform/qt/QtText.h"
#include "support/TestSupport.h"
#include "support/ViewFixture.h"

#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace {

using platform::CRichTextView;

void SetFace(CAppSettings& settings, const char* face)
{
    std::memset(settings.Font.lfFaceName, 0, sizeof settings.Font.lfFaceName);
    std::strncpy(settings.Font.lfFaceName, face, sizeof settings.Font.lfFaceName - 1);
}

CAppSettings OutputSettings()
{
    CAppSettings settings;
    settings.Font.lfHeight = -15;
    settings.Font.lfWeight = 400;
    settings.Font.lfPitchAndFamily = 49;
    SetFace(settings, "Fixedsys");
    settings.FontColor = platform::Rgb(0, 0, 0);
    settings.LinkColor = platform::Rgb(0, 0, 192);
    settings.DisableLinkColor = 0;
    settings.UnderlineLinks = 1;
    settings.NameOutput = 0;
    settings.RemoveNameNumber = 1;
    return settings;
}

QString TextAt(CRichTextView& view, int start, int end)
{
    QTextCursor cursor(view.document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

QTextCharFormat FormatAt(CRichTextView& view, int position)
{
    QTextCursor cursor(view.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

// Random documents in the shapes the view builders write: plain runs with every byte but
// NUL (line breaks inside texts included), cross-references, links in every style,
// paragraphs, tab stops, new lines.
class DocumentGenerator {
public:
    explicit DocumentGenerator(unsigned seed) : m_random(seed) {}

    struct Segment {
        int start;
        std::string text;
    };

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    // Text without cross-reference marks.
    std::string Plain(int maxLength)
    {
        static const std::string common = "abcdefghijklmnopqrstuvwxyz ABCXYZ 0123456789 ,.;:-()[]\t{}\\";
        std::string text;
        const int length = Pick(maxLength + 1);
        for (int i = 0; i < length; ++i) {
            char c;
            if (Pick(5) == 0) {
                c = static_cast<char>(1 + Pick(255));
                if (c == '\'' || c == '_')
                    c = '#';
            } else {
                c = common[static_cast<std::size_t>(Pick(static_cast<int>(common.size())))];
            }
            text += c;
        }
        if (text.find("(qv)") != std::string::npos)
            text = "qv";
        return text;
    }

    std::string Name()
    {
        std::string name = Word() + ", " + Word();
        if (Pick(2))
            name += " (" + std::string(Pick(3) + 1, 'I') + ")";
        return name;
    }

    std::string Word()
    {
        std::string word(1, static_cast<char>('A' + Pick(26)));
        const int length = 1 + Pick(8);
        for (int i = 0; i < length; ++i) {
            const int kind = Pick(10);
            word += kind == 0 ? static_cast<char>(0xC0 + Pick(64)) : kind == 1 ? "{}\\"[Pick(3)] : 'a' + Pick(26);
        }
        return word;
    }

    void Write(CRtfWriter& writer, int operations)
    {
        for (int i = 0; i < operations; ++i) {
            const int style = Pick(16);
            switch (Pick(9)) {
            case 0:
            case 1: {
                writer.Flush();
                const std::string text = Plain(40);
                const int start = writer.Position();
                writer.WriteText(text, style, false);
                writer.Flush();
                segments.push_back({start, text});
                break;
            }
            case 2:
                writer.WriteText(Plain(10) + " '" + Name() + "' (qv) " + Plain(10) + " _" + Word() + " (19" +
                                     std::to_string(10 + Pick(90)) + ")_ (qv)" + Plain(5),
                                 style, Pick(2));
                break;
            case 3:
                writer.WriteLink(Plain(3) + Word() + Plain(3), Name(), Pick(2) ? "" : Word(), style,
                                 static_cast<RtfLinkKind>(Pick(4)), Pick(2));
                break;
            case 4:
            case 5:
                writer.NewLine();
                break;
            case 6:
                writer.Paragraph(-Pick(3), Pick(6), Pick(2));
                break;
            case 7:
                writer.TabStop(720 * (1 + Pick(6)), Pick(2));
                writer.WriteText("\t" + Word() + "\t", style, false);
                break;
            case 8:
                writer.WriteText(Plain(20), style, Pick(2));
                break;
            }
        }
    }

    std::vector<Segment> segments;

private:
    std::mt19937 m_random;
};

TEST(RichTextView, LinkRangesAndTextPositionsMatchTheDocument)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        DocumentGenerator generator(seed);
        CAppSettings settings = OutputSettings();
        settings.NoLinks = generator.Pick(5) == 0;
        settings.DisableLinkColor = generator.Pick(2);
        settings.UnderlineLinks = generator.Pick(2);
        settings.NameOutput = generator.Pick(2);
        settings.RemoveNameNumber = generator.Pick(2);
        settings.Font.lfWeight = generator.Pick(3) == 0 ? 700 : 400;

        CRichTextView view;
        view.resize(500, 300);
        CRtfWriter writer(&settings);
        writer.Attach(&view);
        writer.SetupFont();
        writer.Reset();
        writer.BeginDocument();
        generator.Write(writer, 120);
        writer.EndDocument();
        ASSERT_TRUE(writer.StreamIn());

        // Every paragraph mark the writer counted is one character; "\par}" adds the last
        // paragraph, QTextDocument its own end mark.
        EXPECT_EQ(view.document()->characterCount(), writer.Position() + 2);
        // A line break inside a text shows as one blank.
        for (const DocumentGenerator::Segment& segment : generator.segments) {
            const int end = segment.start + static_cast<int>(segment.text.size());
            QString shown = platform::ToQString(segment.text);
            shown.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
            ASSERT_EQ(TextAt(view, segment.start, end), shown) << segment.start;
        }
        const CRtfLinkTable& links = writer.Links();
        if (settings.NoLinks)
            EXPECT_EQ(links.GetCount(), 0);
        else
            EXPECT_GT(links.GetCount(), 0);
        for (int i = 0; i < links.GetCount(); ++i) {
            const RtfLink link = links.GetAt(i);
            ASSERT_EQ(TextAt(view, link.start, link.end), platform::ToQString(link.display)) << i;
            if (link.end > link.start) {
                const QTextCharFormat format = FormatAt(view, link.start);
                if (settings.UnderlineLinks) {
                    EXPECT_TRUE(format.fontUnderline()) << i;
                }
                EXPECT_EQ(format.foreground().color(), settings.DisableLinkColor ? QColor(0, 0, 0) : QColor(0, 0, 192))
                    << i;
            }
        }
    }
}

// Line breaks inside record texts, through a real view: a lone CR of a list line (the
// list reader keeps it) and a LF that a document file stored. Every link, those behind
// the breaks included, covers exactly the text it was written for.
TEST(RichTextView, LinksBehindLineBreaksOfRecordTextsCoverTheirTexts)
{
    std::string film;
    const testsupport::GeneratedDocuments lists(false, [&film](const listgen::ListGenerator& generator,
                                                               const std::string& folder) {
        film = generator.FeaturedFilm();
        const std::string path = folder + "Trivia.list";
        std::string trivia = testsupport::ReadFile(path);
        const std::string header = "\n# " + film + "\n";
        const std::size_t at = trivia.find(header);
        ASSERT_NE(at, std::string::npos);
        trivia.insert(at + header.size(), "- Lone\rCR before 'Balaluseberg, Leon' (qv) of _Modilaba (1940)_ (qv).\n\n");
        testsupport::WriteFile(path, trivia);
    });
    const std::unique_ptr<CRVMDoc> searched = lists.SearchMovie(film);
    {
        auto lock = searched->GetRecords().Lock();
        searched->GetRecords().AddString(kTrivia, 1, "Stored\nin a file by 'Balaluseberg, Leon' (qv).\r\nEnd");
    }
    const testsupport::TempDir dir;
    ASSERT_TRUE(searched->OnSaveDocument(dir.File("breaks.rvmtv")));
    CRVMDoc loaded;
    ASSERT_TRUE(loaded.OnOpenDocument(dir.File("breaks.rvmtv")));

    CAppSettings settings = OutputSettings();
    CRichTextView view;
    view.resize(900, 600);
    CRtfWriter writer(&settings);
    writer.Attach(&view);
    const std::unique_ptr<platform::ITextMeasure> measure = view.CreateMeasure(settings.Font);
    {
        auto lock = loaded.GetRecords().Lock();
        CMovieTVText(writer, loaded.GetRecords(), *measure, loaded.GetMovieTitle(), kSectionComplete).Build(0);
    }
    ASSERT_TRUE(writer.StreamIn());

    const QString text = view.toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Lone CR before Leon Balaluseberg of Modilaba (1940).")));
    EXPECT_TRUE(text.contains(QStringLiteral("Stored in a file by Leon Balaluseberg.  End")));
    EXPECT_EQ(view.document()->characterCount(), writer.Position() + 2);
    const CRtfLinkTable& links = writer.Links();
    int named = 0;
    bool webAddress = false;
    for (int i = 0; i < links.GetCount(); ++i) {
        const RtfLink link = links.GetAt(i);
        EXPECT_EQ(TextAt(view, link.start, link.end), platform::ToQString(link.display)) << i << " " << link.target;
        EXPECT_EQ(link.display.find_first_of("\r\n"), std::string::npos) << i;
        if (link.target == "Balaluseberg, Leon") {
            EXPECT_EQ(link.display, "Leon Balaluseberg");
            ++named;
        }
        webAddress = webAddress || (link.kind == RtfLinkKind::WebAddress && link.display.starts_with("https://"));
    }
    EXPECT_EQ(named, 2);
    EXPECT_TRUE(webAddress);
}

class RichTextViewTest : public ::testing::Test {
protected:
    RichTextViewTest()
    {
        view.resize(640, 400);
        writer.Attach(&view);
        writer.SetupFont();
        writer.Reset();
        writer.BeginDocument();
    }

    CAppSettings settings = OutputSettings();
    CRichTextView view;
    CRtfWriter writer{&settings};
};

TEST_F(RichTextViewTest, AttachedViewIsReadOnlyAndTakesTheOutputFont)
{
    EXPECT_TRUE(view.isReadOnly());
    // "Fixedsys" is not on this system: the system's fixed-pitch font stands in.
    const QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    EXPECT_EQ(view.document()->defaultFont().family(), fixed);
    EXPECT_DOUBLE_EQ(view.document()->defaultFont().pointSizeF(),
                     std::abs(platform::MulDiv(-15, 72, view.ScreenPixelsPerInch())));
    EXPECT_STREQ(settings.Font.lfFaceName, "Fixedsys");
    // The character width is "X" in that font, in twips.
    const QFontMetrics metrics(platform::FontFromLogFont(settings.Font), view.viewport());
    EXPECT_EQ(writer.GetCharWidth(),
              platform::MulDiv(metrics.horizontalAdvance(QLatin1Char('X')), 1440, view.ScreenPixelsPerInch()));
    EXPECT_GT(writer.GetCharWidth(), 0);
}

TEST(QtFont, StoredFacesMapToInstalledFamilies)
{
    platform::LogFont font;
    font.lfHeight = -20;
    font.lfWeight = 700;
    font.lfItalic = 1;
    std::strcpy(font.lfFaceName, "Fixedsys");
    const QFont missing = platform::FontFromLogFont(font);
    EXPECT_EQ(missing.family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(missing.pixelSize(), 20);
    EXPECT_EQ(missing.weight(), QFont::Bold);
    EXPECT_TRUE(missing.italic());

    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty());
    const std::string installed = platform::FromQString(families.first());
    if (installed.size() < sizeof font.lfFaceName) {
        std::strcpy(font.lfFaceName, installed.c_str());
        EXPECT_EQ(platform::FontFromLogFont(font).family(), families.first());
    }
    font.lfFaceName[0] = '\0';
    font.lfHeight = 12; // a cell height is a size too
    EXPECT_EQ(platform::FontFromLogFont(font).pixelSize(), 12);
}

TEST_F(RichTextViewTest, StreamInReplacesTheWholeContent)
{
    writer.WriteText("first", 0, false);
    writer.EndDocument();
    ASSERT_TRUE(writer.StreamIn());
    writer.Reset();
    EXPECT_TRUE(view.document()->isEmpty());
    writer.BeginDocument();
    writer.WriteText("second", 0, false);
    writer.EndDocument();
    ASSERT_TRUE(writer.StreamIn());
    EXPECT_EQ(view.toPlainText(), QStringLiteral("second\n"));
}

TEST_F(RichTextViewTest, HitTestFindsTheCharacterUnderAPoint)
{
    writer.Paragraph(-1, 1, true);
    writer.WriteText("Title:", kRtfStyleBold, false);
    writer.NewLine();
    writer.Paragraph(0, 2, true);
    writer.WriteText("Director ", 0, false);
    writer.WriteLink("Kubrick, Stanley", "Kubrick, Stanley", "", 0, RtfLinkKind::Name, false);
    writer.NewLine();
    writer.EndDocument();
    ASSERT_TRUE(writer.StreamIn());
    view.show();

    const RtfLink link = writer.Links().GetAt(0);
    for (int j = 0; j < link.end - link.start; ++j) {
        QTextCursor cursor(view.document());
        cursor.setPosition(link.start + j);
        const QRect left = view.cursorRect(cursor);
        cursor.setPosition(link.start + j + 1);
        const QRect right = view.cursorRect(cursor);
        const QPoint middle((left.left() + right.left()) / 2, left.center().y());
        EXPECT_EQ(view.CharacterAt(middle), link.start + j) << j;
    }
    // Beside the end of a short line, in the hanging indent, and below the text: nothing.
    QTextCursor cursor(view.document());
    cursor.setPosition(6);
    const QRect endOfTitle = view.cursorRect(cursor);
    EXPECT_EQ(view.CharacterAt(QPoint(endOfTitle.right() + 40, endOfTitle.center().y())), -1);
    cursor.setPosition(7);
    const QRect lineStart = view.cursorRect(cursor);
    EXPECT_EQ(view.CharacterAt(QPoint(lineStart.left() - 3, lineStart.center().y())), -1);
    EXPECT_EQ(view.CharacterAt(QPoint(10, view.viewport()->height() - 2)), -1);

    view.SelectRange(link.start, link.end);
    EXPECT_EQ(view.textCursor().selectedText(), QStringLiteral("Kubrick, Stanley"));
}

TEST_F(RichTextViewTest, HitTestFollowsTheScrolledText)
{
    for (int i = 0; i < 200; ++i) {
        writer.WriteText("line " + std::to_string(i) + " ", 0, false);
        writer.WriteLink("link", std::to_string(i), "", 0, RtfLinkKind::Title, false);
        writer.NewLine();
    }
    writer.EndDocument();
    ASSERT_TRUE(writer.StreamIn());
    view.show();
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    ASSERT_GT(view.verticalScrollBar()->value(), 0);

    const RtfLink last = writer.Links().GetAt(199);
    QTextCursor cursor(view.document());
    cursor.setPosition(last.start + 1);
    const QRect rect = view.cursorRect(cursor); // viewport coordinates
    EXPECT_EQ(view.CharacterAt(rect.center() + QPoint(2, 0)), last.start + 1);
}

TEST_F(RichTextViewTest, TabStopsLineUpColumns)
{
    writer.TabStop(2880, true);
    writer.WriteText("a\tcolumn", 0, false);
    writer.NewLine();
    writer.WriteText("longer text\tcolumn", 0, false);
    writer.EndDocument();
    ASSERT_TRUE(writer.StreamIn());
    view.show();
    QTextCursor cursor(view.document());
    cursor.setPosition(2);
    const int first = view.cursorRect(cursor).left();
    cursor.setPosition(9 + 12);
    const int second = view.cursorRect(cursor).left();
    EXPECT_EQ(first, second);
    EXPECT_NEAR(first - view.document()->documentMargin(), 2 * view.ScreenPixelsPerInch(), 1.0);
}

// Renders a document like a Movie/TV view's into build/artifacts/ for a look by eye.
TEST_F(RichTextViewTest, RendersAGeneratedDocumentToAnImage)
{
    settings.Font.lfHeight = -14;
    SetFace(settings, "DejaVu Sans Mono");
    writer.SetupFont();
    writer.Reset();
    writer.BeginDocument();
    const int c = writer.GetCharWidth();
    writer.Paragraph(-1, 1, true);
    writer.WriteText("Matrix, The (1999)", kRtfStyleLarge | kRtfStyleBold, true);
    writer.NewLine();
    writer.NewLine();
    writer.Paragraph(-1, 1, true);
    writer.WriteText("Directed by", kRtfStyleBold, true);
    writer.NewLine();
    writer.Paragraph(0, 2, true);
    writer.WriteLink("Andy Wachowski", "Wachowski, Andy", "", 0, RtfLinkKind::Name, true);
    writer.NewLine();
    writer.NewLine();
    writer.Paragraph(-1, 1, true);
    writer.WriteText("Cast", kRtfStyleBold, true);
    writer.NewLine();
    const char* cast[][2] = {{"Reeves, Keanu", "Neo"},
                             {"Fishburne, Laurence", "Morpheus"},
                             {"Moss, Carrie-Anne", "Trinity"},
                             {"Weaving, Hugo", "Agent Smith"},
                             {"Pantoliano, Joe", "Cypher {\"Mr. Reagan\"} \\ caf\xE9"}};
    writer.Paragraph(0, 2, true);
    writer.TabStop(2 * c + 24 * c, false);
    for (const auto& row : cast) {
        writer.WriteLink(row[0], row[0], "", 0, RtfLinkKind::Name, true);
        writer.WriteText(" \t.... ", 0, false);
        writer.WriteText(row[1], kRtfStyleItalic, true);
        writer.NewLine();
    }
    writer.NewLine();
    writer.Paragraph(-1, 1, true);
    writer.WriteText("Plot Summary", kRtfStyleBold, true);
    writer.NewLine();
    writer.Paragraph(0, 2, true);
    writer.WriteText("A computer hacker learns from 'Fishburne, Laurence' (qv) about the true nature of his reality; "
                     "compare _Dark City (1998)_ (qv). Na\xEFve readers, beware of {braces} and back\\slashes.",
                     0, true);
    writer.NewLine();
    writer.NewLine();
    writer.Paragraph(-1, 1, true);
    writer.WriteText("Zuvo URL: ", kRtfStyleBold, false);
    writer.WriteLink("https://www.zuvo.example/Title?Matrix,+The+(1999)",
                     "https://www.zuvo.example/Title?Matrix,+The+(1999)", "", 0, RtfLinkKind::WebAddress, true);
    writer.NewLine();
    writer.NewLine();
    writer.Paragraph(-1, 1, true);
    writer.WriteText("Created in Reelvoyager 3.5 (2026.12.09) - DocVer 2.0", 0, false);
    writer.EndDocument();
    ASSERT_TRUE(writer.StreamIn());
    view.resize(720, 520);
    view.show();

    const QString folder = QStringLiteral(RV_BINARY_DIR "artifacts");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/RichTextView.png");
    const QPixmap shot = view.grab();
    ASSERT_TRUE(shot.save(file));
    const QImage image(file);
    ASSERT_EQ(image.size(), shot.size());
    // Link colour is on screen.
    bool linkColourSeen = false;
    for (int y = 0; y < image.height() && !linkColourSeen; ++y)
        for (int x = 0; x < image.width() && !linkColourSeen; ++x)
            linkColourSeen = image.pixelColor(x, y) == QColor(0, 0, 192);
    EXPECT_TRUE(linkColourSeen);
    EXPECT_EQ(writer.Links().GetCount(), 9);
}

} // namespace
