#include "documents/RtfWriter.h"

#include "listdata/AppSettings.h"
#include "support/FakeRichTextHost.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using testsupport::FakeHost;
using testsupport::FixedPitchMeasure;

class RtfWriterTest : public ::testing::Test {
protected:
    RtfWriterTest()
    {
        settings.Font.lfHeight = -16;
        settings.Font.lfWeight = 400;
        settings.Font.lfCharSet = 0;
        settings.Font.lfPitchAndFamily = 49;
        std::strcpy(settings.Font.lfFaceName, "Courier New");
        settings.FontColor = platform::Rgb(1, 2, 3);
        settings.LinkColor = platform::Rgb(0, 0, 255);
        settings.UnderlineLinks = 1;
        settings.DisableLinkColor = 0;
        settings.NoLinks = 0;
        settings.NameOutput = 0;
        settings.RemoveNameNumber = 1;
        writer.Attach(&host);
    }

    // SetupFont, Reset and BeginDocument as a view's rebuild starts them.
    void Begin()
    {
        writer.SetupFont();
        writer.Reset();
        writer.BeginDocument();
    }

    // The output behind the document start that Begin wrote.
    std::string Body() const { return writer.Output().substr(start.size()); }

    CAppSettings settings;
    FakeHost host;
    CRtfWriter writer{&settings};
    const std::string start = "{\\rtf1\\ansi {\\colortbl ;\\red1\\green2\\blue3;\\red0\\green0\\blue255;}"
                              "\\cf1 \\b0 \\i0 \\ulnone ";
};

TEST_F(RtfWriterTest, EmptyDocumentHasHeaderColourTableStyleWordsAndFinalParagraph)
{
    Begin();
    writer.EndDocument();
    EXPECT_EQ(writer.Output(), start + "\\par}");
    EXPECT_EQ(writer.Position(), 0);
    EXPECT_EQ(writer.Links().GetCount(), 0);
}

TEST_F(RtfWriterTest, SetupFontMeasuresAndSizesFromTheFontSetting)
{
    struct Case {
        int height;
        int pixelsPerInch;
        int pitch;
        int charWidth; // twips
        int normal;    // half-points
        int large;
    };
    // -16 px at 96 dpi is 12 points; a positive (cell) height gives the same positive size.
    // -16 px at 120 dpi is 9.6 points, rounded to 10. 7 px at 96 dpi: 5.25 -> 5 points.
    const Case cases[] = {
        {-16, 96, 8, 120, 24, 30}, {16, 96, 8, 120, 24, 30},  {-16, 120, 9, 108, 20, 25},
        {7, 96, 5, 75, 10, 12},    {-13, 96, 7, 105, 20, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        settings.Font.lfHeight = c.height;
        host.pixelsPerInch = c.pixelsPerInch;
        host.pitch = c.pitch;
        Begin();
        EXPECT_EQ(writer.GetCharWidth(), c.charWidth);
        writer.WriteText("a", kRtfStyleLarge, false);
        writer.WriteText("b", 0, false);
        writer.EndDocument();
        EXPECT_EQ(Body(), "\\fs" + std::to_string(c.large) + " a\\fs" + std::to_string(c.normal) + " b\\par}");
        EXPECT_EQ(host.charFormat.heightTwips, c.normal * 10);
    }
}

TEST_F(RtfWriterTest, SetupFontGivesTheViewItsDefaultCharacterFormat)
{
    settings.Font.lfStrikeOut = 1;
    settings.Font.lfCharSet = 186;
    writer.SetupFont();
    EXPECT_EQ(host.charFormat.mask, 0xB8000008u);
    EXPECT_EQ(host.charFormat.effects, platform::kCfeStrikeOut);
    EXPECT_EQ(host.charFormat.heightTwips, 240);
    EXPECT_EQ(host.charFormat.offset, 0);
    EXPECT_EQ(host.charFormat.charSet, 186);
    EXPECT_EQ(host.charFormat.pitchAndFamily, 49);
    EXPECT_STREQ(host.charFormat.faceName, "Courier New");

    settings.Font.lfStrikeOut = 0;
    writer.SetupFont();
    EXPECT_EQ(host.charFormat.effects, 0u);
}

TEST_F(RtfWriterTest, StylesOfTheOutputFontAreNeverSwitchedOff)
{
    struct Case {
        int weight;
        int italic;
        int underline;
        const char* neverEmitted;
    };
    const Case cases[] = {{700, 0, 0, "\\b0 "}, {401, 0, 0, "\\b0 "}, {400, 1, 0, "\\i0 "}, {400, 0, 1, "\\ulnone "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.neverEmitted);
        settings.Font.lfWeight = c.weight;
        settings.Font.lfItalic = static_cast<std::uint8_t>(c.italic);
        settings.Font.lfUnderline = static_cast<std::uint8_t>(c.underline);
        Begin();
        for (int style = 0; style < 16; ++style)
            writer.WriteText("x", style, false);
        writer.WriteText("y", 0, false);
        writer.WriteLink("link", "t", "", 0, RtfLinkKind::Title, false);
        writer.WriteText("z", 0, false);
        writer.EndDocument();
        EXPECT_EQ(writer.Output().find(c.neverEmitted), std::string::npos) << writer.Output();
    }
    // A plain font does switch them off.
    settings.Font.lfWeight = 400;
    settings.Font.lfItalic = settings.Font.lfUnderline = 0;
    Begin();
    writer.WriteText("x", kRtfStyleBold | kRtfStyleItalic | kRtfStyleUnderline, false);
    writer.WriteText("y", 0, false);
    writer.EndDocument();
    EXPECT_EQ(Body(), "\\b \\ul \\i x\\b0 \\ulnone \\i0 y\\par}");
}

TEST_F(RtfWriterTest, EscapesBracesAndBackslashesAndCountsEachOnce)
{
    Begin();
    const std::string text = "ab{cd}e\\f"; // nine characters
    ASSERT_EQ(text.size(), 9u);
    writer.WriteText(text, 0, false);
    writer.Flush();
    EXPECT_EQ(Body(), "ab\\{cd\\}e\\\\f");
    EXPECT_EQ(Body().size(), 12u);
    EXPECT_EQ(writer.Position(), 9);
}

TEST_F(RtfWriterTest, BytesAboveAsciiAndTabsGoOutAsTheyAre)
{
    Begin();
    writer.WriteText("Caf\xE9\t\x80\xFF", 0, false);
    writer.Flush();
    EXPECT_EQ(Body(), "Caf\xE9\t\x80\xFF");
    EXPECT_EQ(writer.Position(), 7);
}

// The control drops a CR or LF of the RTF: each goes out as one blank, so the links behind
// it keep their places (and a link's display is the text the view shows).
TEST_F(RtfWriterTest, LineBreaksInsideTextsGoOutAsOneBlankEach)
{
    struct Case {
        const char* text;  // written untrimmed, then a name link
        const char* body;  // what the text becomes
        const char* link;  // the link's display as written (trimmed)
        const char* shown; // its display in the table
        int noLinks;
    };
    const Case cases[] = {
        {"Leon\rBalaluseberg\n", "Leon Balaluseberg ", "Leon Balaluseberg", "Leon Balaluseberg", 0},
        {"a\r\nb", "a  b", "x\ry", "x y", 0},
        {"\r\r", "  ", "\nLeon\rB\n", "Leon B", 0},
        {"a\n_Dune\n(1984)_ (qv)\r", "a \\cf2 \\ul Dune (1984)\\cf1 \\ulnone  ", "L", "L", 0},
        {"a\n_Dune\n(1984)_ (qv)\r", "a _Dune (1984)_ (qv) ", "L\rM", "L M", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        settings.NoLinks = c.noLinks;
        Begin();
        writer.WriteText(c.text, 0, false);
        writer.Flush();
        EXPECT_EQ(Body(), c.body);
        const int textEnd = writer.Position();
        writer.WriteLink(c.link, "Balaluseberg, Leon", "", 0, RtfLinkKind::Name, true);
        writer.EndDocument();
        const std::string shown = c.shown;
        EXPECT_EQ(writer.Position(), textEnd + static_cast<int>(shown.size()));
        EXPECT_EQ(writer.Output().find('\r'), std::string::npos);
        EXPECT_EQ(writer.Output().find('\n'), std::string::npos);
        if (c.noLinks) {
            EXPECT_EQ(writer.Links().GetCount(), 0);
            continue;
        }
        const RtfLink last = writer.Links().GetAt(writer.Links().GetCount() - 1);
        EXPECT_EQ(last.display, shown);
        EXPECT_EQ(last.target, "Balaluseberg, Leon");
        EXPECT_EQ(last.start, textEnd);
        EXPECT_EQ(last.end, textEnd + static_cast<int>(shown.size()));
    }
    // The title reference of the fourth case keeps its stored target.
    settings.NoLinks = 0;
    Begin();
    writer.WriteText("_Dune\n(1984)_ (qv)", 0, false);
    writer.Flush();
    ASSERT_EQ(writer.Links().GetCount(), 1);
    EXPECT_EQ(writer.Links().GetAt(0).display, "Dune (1984)");
    EXPECT_EQ(writer.Links().GetAt(0).target, "Dune\n(1984)");
    EXPECT_EQ(writer.Links().GetAt(0).end, 11);
}

TEST_F(RtfWriterTest, NameAndTitleReferencesBecomeLinks)
{
    const std::string text = "'Smith, John (I)' (qv) met the crew of _Matrix, The (1999)_ (qv).";
    struct Case {
        int nameOutput;
        int removeNumber;
        const char* display;
    };
    const Case cases[] = {{0, 1, "John Smith"}, {0, 0, "John Smith (I)"}, {1, 1, "Smith, John"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.display);
        settings.NameOutput = c.nameOutput;
        settings.RemoveNameNumber = c.removeNumber;
        Begin();
        writer.WriteText(text, 0, true);
        writer.EndDocument();
        const std::string display = c.display;
        EXPECT_EQ(Body(), "\\cf2 \\ul " + display +
                              "\\cf1 \\ulnone  met the crew of \\cf2 \\ul Matrix, The (1999)\\cf1 \\ulnone .\\par}");
        ASSERT_EQ(writer.Links().GetCount(), 2);
        const RtfLink name = writer.Links().GetAt(0);
        EXPECT_EQ(name.kind, RtfLinkKind::NameReference);
        EXPECT_EQ(name.target, "Smith, John (I)");
        EXPECT_EQ(name.display, display);
        EXPECT_EQ(name.alt, display);
        EXPECT_EQ(name.start, 0);
        EXPECT_EQ(name.end, static_cast<int>(display.size()));
        const RtfLink title = writer.Links().GetAt(1);
        const int titleStart = name.end + static_cast<int>(std::string(" met the crew of ").size());
        EXPECT_EQ(title.kind, RtfLinkKind::Title);
        EXPECT_EQ(title.display, "Matrix, The (1999)");
        EXPECT_EQ(title.target, "Matrix, The (1999)");
        EXPECT_EQ(title.alt, "Matrix, The (1999)");
        EXPECT_EQ(title.start, titleStart);
        EXPECT_EQ(title.end, titleStart + 18);
        EXPECT_EQ(writer.Position(), title.end + 1);
    }
}

TEST_F(RtfWriterTest, NoLinksShowsTheTextUnchangedInTheTextColour)
{
    settings.NoLinks = 1;
    const std::string text = "'Smith, John (I)' (qv) met the crew of _Matrix, The (1999)_ (qv).";
    Begin();
    writer.WriteText(text, 0, false);
    writer.WriteLink("Home", "https://www.zuvo.example", "", 0, RtfLinkKind::WebAddress, false);
    writer.EndDocument();
    EXPECT_EQ(Body(), text + "Home\\par}");
    EXPECT_EQ(writer.Links().GetCount(), 0);
    EXPECT_EQ(writer.Position(), static_cast<int>(text.size()) + 4);
}

TEST_F(RtfWriterTest, LinkColourAndUnderlineFollowTheSettings)
{
    struct Case {
        int disableLinkColor;
        int underlineLinks;
        const char* body;
    };
    const Case cases[] = {
        {0, 1, "a\\cf2 \\ul L\\cf1 \\ulnone b\\par}"},
        {1, 1, "a\\ul L\\ulnone b\\par}"},
        {0, 0, "a\\cf2 L\\cf1 b\\par}"},
        {1, 0, "aLb\\par}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        settings.DisableLinkColor = c.disableLinkColor;
        settings.UnderlineLinks = c.underlineLinks;
        Begin();
        writer.WriteText("a", 0, false);
        writer.WriteLink("L", "t", "", 0, RtfLinkKind::Name, false);
        writer.WriteText("b", 0, false);
        writer.EndDocument();
        EXPECT_EQ(Body(), c.body);
        EXPECT_EQ(writer.Links().GetCount(), 1);
    }
}

TEST_F(RtfWriterTest, UnderlinedTextStaysUnderlinedAfterALink)
{
    Begin();
    writer.WriteText("a", kRtfStyleUnderline, false);
    writer.WriteLink("L", "t", "", kRtfStyleUnderline, RtfLinkKind::Name, false);
    writer.WriteText("b", kRtfStyleUnderline, false);
    writer.EndDocument();
    EXPECT_EQ(Body(), "\\ul a\\cf2 L\\cf1 b\\par}");
}

TEST_F(RtfWriterTest, WriteLinkTrimsTheDisplayAndDefaultsTheAltText)
{
    Begin();
    writer.WriteLink(" \t Foo Bar \n", "Bar, Foo", "", kRtfStyleBold, RtfLinkKind::Name, true);
    writer.WriteLink("  Baz ", "Baz", "Other", 0, RtfLinkKind::Title, false);
    writer.EndDocument();
    ASSERT_EQ(writer.Links().GetCount(), 2);
    const RtfLink first = writer.Links().GetAt(0);
    EXPECT_EQ(first.display, "Foo Bar");
    EXPECT_EQ(first.alt, "Foo Bar");
    EXPECT_EQ(first.target, "Bar, Foo");
    EXPECT_EQ(first.kind, RtfLinkKind::Name);
    EXPECT_EQ(first.start, 0);
    EXPECT_EQ(first.end, 7);
    const RtfLink second = writer.Links().GetAt(1);
    EXPECT_EQ(second.display, "  Baz ");
    EXPECT_EQ(second.alt, "Other");
    EXPECT_EQ(second.start, 7);
    EXPECT_EQ(second.end, 13);
    EXPECT_EQ(Body(), "\\b \\cf2 \\ul Foo Bar\\cf1 \\ulnone \\b0 \\cf2 \\ul   Baz \\cf1 \\ulnone \\par}");
}

TEST_F(RtfWriterTest, WriteTextTrimsWhiteAtBothEndsOnly)
{
    Begin();
    writer.WriteText(" \t\x01 in  side \xA0\r\n", 0, true);
    writer.WriteText("  kept  ", 0, false);
    writer.WriteText(" \t ", 0, true);
    writer.Flush();
    EXPECT_EQ(Body(), "in  side \xA0  kept  ");
}

TEST_F(RtfWriterTest, RepeatedTogglesEmitOneWordAndFlushTheTextBeforeThem)
{
    Begin();
    writer.WriteText("a", kRtfStyleBold, false);
    writer.WriteText("b", kRtfStyleBold, false);
    writer.SetBold(true, true);
    writer.WriteText("c", 0, false);
    writer.SetItalic(false, true);
    writer.SetColor(kRtfColorText, true);
    writer.WriteText("d", kRtfStyleItalic, false);
    writer.EndDocument();
    EXPECT_EQ(Body(), "\\b ab\\b0 c\\i d\\par}");
}

TEST_F(RtfWriterTest, ToggleWithoutFlushLeavesPendingTextBehindTheWord)
{
    Begin();
    writer.WriteText("a", 0, false);
    writer.SetBold(true, false);
    writer.SetColor(kRtfColorLink, false);
    writer.Flush();
    EXPECT_EQ(Body(), "\\b \\cf2 a");
}

TEST_F(RtfWriterTest, NewLinesCountOneCharacterEach)
{
    Begin();
    writer.NewLine();
    writer.NewLine();
    writer.NewLine();
    writer.WriteLink("Title", "Title (2001)", "", 0, RtfLinkKind::Title, true);
    writer.EndDocument();
    ASSERT_EQ(writer.Links().GetCount(), 1);
    EXPECT_EQ(writer.Links().GetAt(0).start, 3);
    EXPECT_EQ(writer.Links().GetAt(0).end, 8);
    EXPECT_EQ(Body(), "\\par\n\\par\n\\par\n\\cf2 \\ul Title\\cf1 \\ulnone \\par}");
}

TEST_F(RtfWriterTest, ParagraphsAndTabStops)
{
    Begin();
    writer.WriteText("x", 0, false);
    writer.Paragraph(-1, 1, true);
    writer.Paragraph(-2, 3, false);
    writer.TabStop(1440, true);
    writer.TabStop(2880, false);
    writer.WriteText("\ty", 0, false);
    writer.EndDocument();
    EXPECT_EQ(Body(), "x\\pard\\fi-120\\li120 \\pard\\fi-2\\li3 \\pard\\tx1440 \\tx2880 \ty\\par}");
    EXPECT_EQ(writer.Position(), 3);
}

TEST_F(RtfWriterTest, ColourTableTakesTheColoursOfEachCall)
{
    settings.FontColor = platform::Rgb(255, 128, 0);
    settings.LinkColor = platform::Rgb(7, 8, 9);
    Begin();
    EXPECT_EQ(writer.Output(), "{\\rtf1\\ansi {\\colortbl ;\\red255\\green128\\blue0;\\red7\\green8\\blue9;}"
                               "\\cf1 \\b0 \\i0 \\ulnone ");
}

TEST_F(RtfWriterTest, SettingsAreReadAtEachCall)
{
    Begin();
    writer.WriteText("_A_ (qv)", 0, false);
    writer.Flush();
    settings.NoLinks = 1;
    writer.WriteText("_B_ (qv)", 0, false);
    writer.Flush();
    EXPECT_EQ(writer.Links().GetCount(), 1);
    EXPECT_EQ(Body(), "\\cf2 \\ul A\\cf1 \\ulnone _B_ (qv)");
}

TEST_F(RtfWriterTest, ResetEmptiesEverythingAndTheView)
{
    Begin();
    writer.WriteLink("L", "t", "", kRtfStyleBold, RtfLinkKind::Name, false);
    writer.WriteText("pending", kRtfStyleBold, false);
    const int deletes = host.deleteCount;
    writer.Reset();
    EXPECT_EQ(host.deleteCount, deletes + 1);
    EXPECT_EQ(writer.Output(), "");
    EXPECT_EQ(writer.Position(), 0);
    EXPECT_EQ(writer.Links().GetCount(), 0);
    writer.BeginDocument();
    writer.EndDocument();
    EXPECT_EQ(writer.Output(), start + "\\par}"); // no pending text, bold off again
}

TEST_F(RtfWriterTest, AttachMakesTheViewReadOnly)
{
    FakeHost other;
    CRtfWriter fresh(&settings);
    fresh.Attach(&other);
    EXPECT_TRUE(other.readOnly);
    EXPECT_EQ(other.deleteCount, 1);
}

TEST_F(RtfWriterTest, StreamInHandsTheViewExactlyTheOutput)
{
    Begin();
    for (int i = 0; i < 20; ++i) {
        writer.WriteText("line \xE9{}\\ '" + std::to_string(i) + "' (qv)", i % 16, false);
        writer.NewLine();
    }
    writer.EndDocument();
    ASSERT_TRUE(writer.StreamIn());
    EXPECT_EQ(host.streamed, writer.Output());
    // A second stream starts from the beginning again.
    ASSERT_TRUE(writer.StreamIn());
    EXPECT_EQ(host.streamed, writer.Output());
}

TEST(RtfWriterWithoutView, WritesButCannotMeasureOrStream)
{
    CAppSettings settings;
    settings.Font.lfHeight = -16;
    CRtfWriter writer(&settings);
    writer.SetupFont();
    EXPECT_EQ(writer.GetCharWidth(), 0);
    writer.BeginDocument();
    writer.WriteText("x", kRtfStyleLarge, false);
    writer.EndDocument();
    EXPECT_NE(writer.Output().find("\\fs30 x"), std::string::npos); // 96 dots per inch assumed
    EXPECT_FALSE(writer.StreamIn());
}

TEST_F(RtfWriterTest, QvTextExtentMeasuresTheTextAsShown)
{
    const FixedPitchMeasure measure(10, 96);
    const std::string text = "'Smith, John (I)' (qv) and _Alien (1979)_ (qv)!";
    EXPECT_EQ(writer.QvTextExtent(text, measure),
              10 * static_cast<int>(std::string("John Smith and Alien (1979)!").size()));
    EXPECT_EQ(writer.QvTextExtent("plain", measure), 50);
    EXPECT_EQ(writer.QvTextExtent("lone (qv)", measure), 50);
    settings.NameOutput = 1;
    settings.RemoveNameNumber = 0;
    EXPECT_EQ(writer.QvTextExtent("'Smith, John (I)' (qv)", measure), 10 * 15); // "Smith, John (I)"
    settings.NoLinks = 1;
    EXPECT_EQ(writer.QvTextExtent(text, measure), 10 * static_cast<int>(text.size()));
}

TEST_F(RtfWriterTest, MalformedReferencesLoseOnlyTheirMark)
{
    struct Case {
        const char* text;
        const char* body;
        int links;
    };
    const Case cases[] = {
        {"see (qv) here", "see  here", 0},
        {"(qv)", "", 0},
        {"'(qv)", "'", 0},
        {"_ (qv)x", "_ x", 0},
        {"it's (qv) fine", "it's  fine", 0},
        {"''(qv)", "''", 0},
        {"a '' (qv)", "a '' ", 0},
        {"'A' (qv)(qv)", "\\cf2 \\ul A\\cf1 \\ulnone ", 1},
        {"Married to 'O'Brien, Pat' (qv) in 1950.", "Married to \\cf2 \\ul Pat O'Brien\\cf1 \\ulnone  in 1950.", 1},
        {"x 'A' (qv) y _B_ (qv) 'C' junk (qv)",
         "x \\cf2 \\ul A\\cf1 \\ulnone  y \\cf2 \\ul B\\cf1 \\ulnone  \\cf2 \\ul C\\cf1 \\ulnone ", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Begin();
        writer.WriteText(c.text, 0, false);
        writer.Flush();
        EXPECT_EQ(Body(), c.body);
        EXPECT_EQ(writer.Links().GetCount(), c.links);
    }
}

TEST(SplitAtQv, CutsAtTheFirstReference)
{
    struct Case {
        const char* text;
        bool found;
        const char* before;
        const char* reference;
        char mark;
        const char* rest;
    };
    const Case cases[] = {
        {"no reference", false, "no reference", "", 0, ""},
        {"", false, "", "", 0, ""},
        {"by 'Doe, Jane' (qv) and more (qv)", true, "by ", "Doe, Jane", '\'', " and more (qv)"},
        {"_Heat (1995)_ (qv)", true, "", "Heat (1995)", '_', ""},
        {"'Jane'(qv)", true, "", "Jane", '\'', ""},
        {"'Jane' xx (qv) y", true, "", "Jane", '\'', " y"},
        {"(qv) first", true, "", "", 0, " first"},
        {"'(qv)", true, "'", "", 0, ""},
        {"x' (qv)", true, "x' ", "", 0, ""},
        {"ab_c (qv)", true, "ab_c ", "", 0, ""},
        {"''(qv)", true, "''", "", 0, ""},
        {"_a' (qv)", true, "_a' ", "", 0, ""},
        {"'a_ (qv)", true, "'a_ ", "", 0, ""},
        {"_a_b_ (qv)", true, "_a", "b", '_', ""},
        // An opening quote stands at the start or behind a non-letter: apostrophes inside
        // the name are passed over; underscores keep the plain rule.
        {"Married to 'O'Brien, Pat' (qv) in 1950.", true, "Married to ", "O'Brien, Pat", '\'', " in 1950."},
        {"'Bob's' (qv)", true, "", "Bob's", '\'', ""},
        {"('Zo\xEB's' (qv))", true, "(", "Zo\xEB's", '\'', ")"},
        {"x'O'Brien' (qv)", true, "x'O'Brien' ", "", 0, ""},
        {"1'2' (qv)", true, "1'2' ", "", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QvSplit split = SplitAtQv(c.text);
        EXPECT_EQ(split.found, c.found);
        EXPECT_EQ(split.before, c.before);
        EXPECT_EQ(split.reference, c.reference);
        EXPECT_EQ(split.mark, c.mark);
        EXPECT_EQ(split.rest, c.rest);
    }
}

TEST(RtfLinkTable, CopiesOwnTheirTextsAndIndicesAreChecked)
{
    CRtfLinkTable table;
    std::string display = "shown";
    for (int i = 0; i < 250; ++i)
        table.Add(RtfLinkKind::WebAddress, i, i + 5, display, "target" + std::to_string(i), "alt");
    display = "changed";
    ASSERT_EQ(table.GetCount(), 250);
    const RtfLink copy = table.GetAt(249);
    table.RemoveAll();
    EXPECT_EQ(table.GetCount(), 0);
    EXPECT_EQ(copy.display, "shown");
    EXPECT_EQ(copy.target, "target249");
    EXPECT_EQ(copy.start, 249);
    EXPECT_EQ(copy.end, 254);
    EXPECT_EQ(copy.kind, RtfLinkKind::WebAddress);
    EXPECT_THROW(table.GetAt(0), std::out_of_range);
    EXPECT_THROW(table.GetAt(-1), std::out_of_range);
}

} // namespace
