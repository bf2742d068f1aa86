#include "platform/qt/RtfReader.h"

#include "documents/RtfWriter.h"
#include "listdata/AppSettings.h"
#include "platform/qt/QtText.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// Format of the character at `position`.
QTextCharFormat FormatAt(QTextDocument& document, int position)
{
    QTextCursor cursor(&document);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

class RtfReaderTest : public ::testing::Test {
protected:
    RtfReaderTest()
    {
        settings.Font.lfHeight = -16;
        settings.Font.lfWeight = 400;
        std::strcpy(settings.Font.lfFaceName, "Courier New");
        settings.FontColor = platform::Rgb(10, 20, 30);
        settings.LinkColor = platform::Rgb(200, 0, 100);
        settings.DisableLinkColor = 0;
        settings.UnderlineLinks = 1;
        writer.SetupFont(); // no view: 96 dots per inch, normal 24, large 30 half-points
        writer.Reset();
        writer.BeginDocument();
    }

    bool Read(std::string_view rtf)
    {
        base.setFontFamilies({QStringLiteral("Monospace")});
        base.setFontPointSize(9);
        platform::CRtfReader reader(96, base);
        return reader.Read(rtf, document);
    }

    CAppSettings settings;
    CRtfWriter writer{&settings};
    QTextCharFormat base;
    QTextDocument document;
};

TEST_F(RtfReaderTest, StylesAndSizesLandOnTheirCharacters)
{
    writer.WriteText("L", kRtfStyleLarge | kRtfStyleBold, false);
    writer.WriteText("b", kRtfStyleBold, false);
    writer.WriteText("i", kRtfStyleItalic, false);
    writer.WriteText("u", kRtfStyleUnderline, false);
    writer.WriteText("p", 0, false);
    writer.EndDocument();
    ASSERT_TRUE(Read(writer.Output()));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Lbiup\n"));

    struct Expect {
        int position;
        bool bold, italic, underline;
        double points;
    };
    const Expect expects[] = {{0, true, false, false, 15},
                              {1, true, false, false, 12},
                              {2, false, true, false, 12},
                              {3, false, false, true, 12},
                              {4, false, false, false, 12}};
    for (const Expect& e : expects) {
        SCOPED_TRACE(e.position);
        const QTextCharFormat f = FormatAt(document, e.position);
        EXPECT_EQ(f.fontWeight() == QFont::Bold, e.bold);
        EXPECT_EQ(f.fontItalic(), e.italic);
        EXPECT_EQ(f.fontUnderline(), e.underline);
        EXPECT_DOUBLE_EQ(f.fontPointSize(), e.points);
        EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{QStringLiteral("Monospace")});
    }
}

TEST_F(RtfReaderTest, ColoursComeFromTheColourTable)
{
    writer.WriteText("a ", 0, false);
    writer.WriteLink("link", "t", "", 0, RtfLinkKind::Title, false);
    writer.WriteText(" b", 0, false);
    writer.EndDocument();
    ASSERT_TRUE(Read(writer.Output()));
    EXPECT_EQ(FormatAt(document, 0).foreground().color(), QColor(10, 20, 30));
    EXPECT_EQ(FormatAt(document, 2).foreground().color(), QColor(200, 0, 100));
    EXPECT_TRUE(FormatAt(document, 2).fontUnderline());
    EXPECT_EQ(FormatAt(document, 5).foreground().color(), QColor(200, 0, 100));
    EXPECT_EQ(FormatAt(document, 7).foreground().color(), QColor(10, 20, 30));
    EXPECT_FALSE(FormatAt(document, 7).fontUnderline());
}

TEST_F(RtfReaderTest, ColourZeroAndUnknownIndicesKeepTheBaseColour)
{
    base.setForeground(QColor(1, 2, 3));
    ASSERT_TRUE(Read("{\\rtf1\\ansi {\\colortbl ;\\red9\\green9\\blue9;}\\cf0 a\\cf7 b\\cf1 c}"));
    EXPECT_EQ(FormatAt(document, 0).foreground().color(), QColor(1, 2, 3));
    EXPECT_EQ(FormatAt(document, 1).foreground().color(), QColor(1, 2, 3));
    EXPECT_EQ(FormatAt(document, 2).foreground().color(), QColor(9, 9, 9));
}

TEST_F(RtfReaderTest, IndentsAndTabStopsBecomeBlockFormatsInPixels)
{
    writer.Paragraph(-1440, 2880, false); // 96 dpi: -96 and 192 pixels
    writer.WriteText("first", 0, false);
    writer.NewLine();
    writer.TabStop(720, true); // a new paragraph format: indents back to 0
    writer.TabStop(2160, false);
    writer.WriteText("a\tb\tc", 0, false);
    writer.NewLine();
    writer.Paragraph(0, 144, false);
    writer.WriteText("last", 0, false);
    writer.EndDocument();
    ASSERT_TRUE(Read(writer.Output()));

    QTextBlock block = document.begin();
    EXPECT_EQ(block.text(), QStringLiteral("first"));
    EXPECT_DOUBLE_EQ(block.blockFormat().textIndent(), -96);
    EXPECT_DOUBLE_EQ(block.blockFormat().leftMargin(), 192);
    // The hanging indent's stop, counted from the line's start as Qt counts stops.
    ASSERT_EQ(block.blockFormat().tabPositions().size(), 1);
    EXPECT_DOUBLE_EQ(block.blockFormat().tabPositions()[0].position, 96);

    block = block.next();
    EXPECT_EQ(block.text(), QStringLiteral("a\tb\tc"));
    EXPECT_DOUBLE_EQ(block.blockFormat().textIndent(), 0);
    EXPECT_DOUBLE_EQ(block.blockFormat().leftMargin(), 0);
    const QList<QTextOption::Tab> tabs = block.blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_DOUBLE_EQ(tabs[0].position, 48);
    EXPECT_DOUBLE_EQ(tabs[1].position, 144);
    EXPECT_EQ(tabs[0].type, QTextOption::LeftTab);

    block = block.next();
    EXPECT_EQ(block.text(), QStringLiteral("last"));
    EXPECT_DOUBLE_EQ(block.blockFormat().leftMargin(), 9.6);
    EXPECT_TRUE(block.blockFormat().tabPositions().isEmpty());
}

TEST_F(RtfReaderTest, EscapesAndWindows1252BytesAreOneCharacterEach)
{
    const std::string text = "{a}\\b \x80\xE9\x9F\t\x81";
    writer.WriteText(text, 0, false);
    writer.EndDocument();
    ASSERT_TRUE(Read(writer.Output()));
    const QString expected = QStringLiteral("{a}\\b ") + QChar(0x20AC) + QChar(0xE9) + QChar(0x178) + QChar('\t') +
                             QChar(0x81) + QChar('\n');
    EXPECT_EQ(document.toPlainText(), expected);
    EXPECT_EQ(platform::FromQString(document.toPlainText()), text + "\n");
    EXPECT_EQ(document.characterCount(), writer.Position() + 2);
}

TEST_F(RtfReaderTest, LineBreaksInTheRtfCarryNoText)
{
    ASSERT_TRUE(Read("{\\rtf1\\ansi a\\par\r\nb\\par\nc\n}"));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("a\nb\nc"));
}

TEST_F(RtfReaderTest, UnbalancedGroupsAreReportedButTheTextIsKept)
{
    EXPECT_FALSE(Read("{\\rtf1\\ansi abc"));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("abc"));
    EXPECT_FALSE(Read("{\\rtf1\\ansi x}}y"));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("xy"));
    EXPECT_TRUE(Read(""));
    EXPECT_TRUE(document.toPlainText().isEmpty());
}

TEST_F(RtfReaderTest, UnknownWordsAndTrailingBackslashAreSkipped)
{
    // A negative parameter and the blank behind it belong to the word.
    ASSERT_TRUE(Read("{\\rtf1\\ansi\\deff0 a\\qc-12 b\\~c\\fi-x}"));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("abc-x"));
    EXPECT_FALSE(Read("{\\rtf1 a\\"));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("a"));
}

} // namespace
