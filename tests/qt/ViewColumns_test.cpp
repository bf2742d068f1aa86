// Tab stops in the laid-out view: columns that the builders measure land where the texts
// put them (RTF tab stops count from the left margin, with a stop at a hanging indent).

#include "documents/MovieTVText.h"
#include "documents/RVMDoc.h"
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
    CRecordStore store;
    store.Init(20, 20);
    store.AddString(kMovieLinks, 99, "");
    for (const char* title : {"First Film (2001)", "Second Film (2002)", "Third Film (2003)"})
        store.AddString(kMovieLinks, 2, title);
    store.AddString(kMovieLinks, 99, "Pilot (#1.1)");
    store.AddString(kMovieLinks, 8, "Fourth Film (2004)");
    store.AddString(kMovieLinks, 8, "Fifth Film (2005)");
    CMovieTVText(writer, store, *measure, "T", kSectionFunStuff).Build(0);
    ASSERT_TRUE(writer.StreamIn());
    EXPECT_NEAR(XOf("Second Film"), XOf("First Film"), 1.0);
    EXPECT_NEAR(XOf("Third Film"), XOf("First Film"), 1.0);
    EXPECT_GT(XOf("First Film"), XOf("Followed by:", true));
    // Under an episode header, one character deeper.
    EXPECT_NEAR(XOf("Fifth Film"), XOf("Fourth Film"), 1.0);
    EXPECT_GT(XOf("Fourth Film"), XOf("References:", true));
}

TEST_F(ViewColumnsTest, RightAlignedDatesEndAtOneEdge)
{
    CRecordStore store;
    store.Init(20, 20);
    const std::pair<const char*, const char*> dates[] = {
        {"USA", "12 December 2001"}, {"West Germany", "1 May 2000"}, {"UK", "2001"}};
    for (const auto& [place, day] : dates) {
        store.AddString(kReleaseDates, 0, place);
        store.AddString(kReleaseDates, 1, day);
    }
    CMovieTVText(writer, store, *measure, "T", kSectionOtherInfo).Build(0);
    ASSERT_TRUE(writer.StreamIn());
    const double edge = XOf("12 December 2001", true);
    EXPECT_NEAR(XOf("1 May 2000", true), edge, 1.0);
    const QTextCursor year = view.document()->find(QStringLiteral("2001"), view.document()->find(QStringLiteral("UK")));
    ASSERT_FALSE(year.isNull());
    EXPECT_NEAR(XAt(year.selectionEnd()), edge, 1.0);
    EXPECT_GT(XOf("1 May 2000"), XOf("West Germany", true));
}

} // namespace
