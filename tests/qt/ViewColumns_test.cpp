// Tab stops in the laid-out view: columns that the builders measure land where the texts
// put them (RTF tab stops count from the left margin, with a stop at a hanging indent).

#include "documents/MovieTVText.h"
#include "listdata/AppSettings.h"
#include "listdata/ListCatalog.h"
#include "platform/MulDiv.h"
#include "platform/qt/QtText.h"
#include "platform/qt/RichTextView.h"

#include <QTextCursor>
#include <QTextDocument>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ViewColumnsTest : public ::testing::Test {
protected:
    ViewColumnsTest()
    {
        settings.Font.lfHeight = -15;
        settings.Font.lfWeight = 400;
        std::strcpy(settings.Font.lfFaceName, "DejaVu Sans"); // proportional: digits differ from "X"
        settings.RemoveNameNumber = 1;
        view.resize(1600, 800);
        writer.Attach(&view);
        measure = view.CreateMeasure(settings.Font);
    }

    // The x of the cursor in front of the character at `position`, in the shown view.
    double XAt(int position)
    {
        view.show();
        QTextCursor cursor(view.document());
        cursor.setPosition(position);
        return view.cursorRect(cursor).left();
    }
    // x where `text` starts (or ends) in the view.
    double XOf(const char* text, bool end = false)
    {
        const QTextCursor found = view.document()->find(QString::fromLatin1(text));
        EXPECT_FALSE(found.isNull()) << text;
        return XAt(end ? found.selectionEnd() : found.selectionStart());
    }
    int Twips(const char* text) const
    {
        return platform::MulDiv(measure->TextWidth(text), 1440, measure->PixelsPerInch());
    }

    CAppSettings settings;
    platform::CRichTextView view;
    CRtfWriter writer{&settings};
    std::unique_ptr<platform::ITextMeasure> measure;
};

TEST_F(ViewColumnsTest, BilledAndUnbilledCastShareTheNameColumnAndNumbersEndTogether)
{
    CRecordStore store;
    store.Init(20, 20);
    const std::pair<const char*, int> cast[] = {{"Alpha", 123}, {"Bravo", 12}, {"Charlie", 7}, {"Delta", 0}};
    for (const auto& [name, billing] : cast) {
        store.AddString(kActors, 0, name);
        if (billing)
            store.AddInt(kActors, 4, billing);
        store.AddString(kActors, 3, "Role");
    }
    CMovieTVText(writer, store, *measure, "T", 2).Build(0);
    ASSERT_TRUE(writer.StreamIn());

    const double name = XOf("Alpha");
    for (const char* other : {"Bravo", "Charlie", "Delta"})
        EXPECT_NEAR(XOf(other), name, 1.0) << other;
    // Each number ends where the tab behind it begins.
    const double numberEnd = XOf("\tAlpha");
    EXPECT_NEAR(XOf("\tBravo"), numberEnd, 1.0);
    EXPECT_NEAR(XOf("\tCharlie"), numberEnd, 1.0);
    EXPECT_LT(numberEnd, name);
}

TEST_F(ViewColumnsTest, ContinuationLinksStandUnderTheFirstLinkOfTheirHeading)
{
    // A heading, a tab and a link; the same relation's next link after two tabs.
    writer.SetupFont();
    writer.BeginDocument();
    const int indent = 3;
    writer.Paragraph(-1, indent, true);
    writer.TabStop((indent - 1) * writer.GetCharWidth() + Twips("Followed by: "), false);
    writer.WriteText("Followed by: ", 0, false);
    writer.WriteText("\t", 0, false);
    writer.WriteLink("First Film (2001)", "First Film (2001)", "", 0, RtfLinkKind::Title, true);
    writer.NewLine();
    writer.WriteText("\t\t", 0, false);
    writer.WriteLink("Second Film (2002)", "Second Film (2002)", "", 0, RtfLinkKind::Title, true);
    writer.EndDocument();
    ASSERT_TRUE(writer.StreamIn());
    EXPECT_NEAR(XOf("Second Film"), XOf("First Film"), 1.0);
    EXPECT_NEAR(XOf("First Film"), XOf("Followed by: ", true), 1.0);
}

TEST_F(ViewColumnsTest, RightAlignedDatesEndAtOneEdge)
{
    writer.SetupFont();
    writer.BeginDocument();
    const std::pair<const char*, const char*> dates[] = {{"USA", "12 December 2001"}, {"West Germany", "1 May 2000"}};
    const int country = std::max(Twips("USA"), Twips("West Germany"));
    const int date = std::max(Twips("12 December 2001"), Twips("1 May 2000"));
    for (const auto& [place, day] : dates) {
        writer.NewLine();
        writer.Paragraph(-1, 2, true);
        writer.WriteText(place, 0, true);
        writer.TabStop(country + 2 * writer.GetCharWidth() + date - Twips(day), false);
        writer.WriteText("\t", 0, false);
        writer.WriteText(day, 0, true);
    }
    writer.EndDocument();
    ASSERT_TRUE(writer.StreamIn());
    EXPECT_NEAR(XOf("1 May 2000", true), XOf("12 December 2001", true), 1.0);
    EXPECT_GT(XOf("1 May 2000"), XOf("West Germany", true));
}

} // namespace
