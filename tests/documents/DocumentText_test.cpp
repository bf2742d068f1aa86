#include "documents/DocumentText.h"

#include "listdata/AppSettings.h"
#include "listdata/RecordStore.h"
#include "support/FakeRichTextHost.h"
#include "support/RtfToText.h"

#include <gtest/gtest.h>

TEST(DocumentText, FooterFormsFollowTheDocumentVersion)
{
    struct Case {
        int docVersion;
        const char* footer;
    };
    const Case cases[] = {
        {0x200, "Created in Reelvoyager 3.5 (2001.02.03) - Last Updated: Reelvoyager 3.4 (2002.03.04) - DocVer 2.0"},
        {0x180, "Created in Reelvoyager 3.5 (2001.02.03) - Last Updated: 2002.03.04 - DocVer 1.128"},
        {0x100, "Created in Reelvoyager 3.5 (2001.02.03) - DocVer 1.0"},
    };
    for (const Case& c : cases) {
        CRecordStore records;
        records.Init(10, 10);
        const int values[9] = {0x305, c.docVersion, 2001, 2, 3, 2002, 3, 4, 0x304};
        for (int key = 0; key < 9; ++key)
            records.AddInt(kRecordDocInfo, key, values[key]);
        EXPECT_EQ(CDocumentText::DocInfoText(records), c.footer);
    }
    CRecordStore empty;
    EXPECT_TRUE(CDocumentText::DocInfoText(empty).empty());
}

namespace {

// Blocks that write one line each, or nothing.
class LineText : public CDocumentText {
public:
    using CDocumentText::CDocumentText;
    bool Line(std::string_view text)
    {
        Writer().WriteText(text, 0, false);
        Writer().NewLine();
        return true;
    }
    template <std::size_t N> void Write(const TextBlock<LineText> (&blocks)[N]) { WriteBlocks(blocks); }

protected:
    void PrepareWriter() override {}
    bool WriteHeading() override { return false; }
    void WriteContent() override {}
};

} // namespace

TEST(DocumentText, BlocksAndGroupsAreFollowedByOneBlankLineWhenTheyWrote)
{
    const TextBlock<LineText> blocks[] = {
        {[](LineText& t) { return t.Line("alone"); }},
        {[](LineText&) { return false; }},
        {[](LineText& t) { return t.Line("group 1, first"); }, 1},
        {[](LineText&) { return false; }, 1},
        {[](LineText& t) { return t.Line("group 1, third"); }, 1},
        {[](LineText&) { return false; }, 2},
        {[](LineText&) { return false; }, 2},
        {[](LineText&) { return false; }, 1},
        {[](LineText& t) { return t.Line("group 1 again"); }, 1},
    };
    CAppSettings settings;
    CRtfWriter writer(&settings);
    CRecordStore records;
    const testsupport::FixedPitchMeasure measure;
    LineText(writer, records, measure).Write(blocks);
    writer.Flush();
    EXPECT_EQ(testsupport::RtfToText(writer), "alone\n\ngroup 1, first\ngroup 1, third\n\ngroup 1 again\n\n");
}
