#pragma once
// Tests of the Movie/TV view's blocks: a block run on a small hand-built store, its text
// read back in the form of RtfToText ({first,left|tabs} paragraph formats in characters,
// → tabs, *bold*, /italic/, [display|kind|target|alt] links).

#include "documents/MovieTVText.h"
#include "documents/RVMDoc.h"
#include "listdata/ListCatalog.h"
#include "support/FakeRichTextHost.h"
#include "support/RtfToText.h"
#include "support/ViewFixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace testsupport {

// A record to store: a text, a 4-byte integer or the three order bytes of a writer.
struct Rec {
    int type;
    int key;
    std::string text;
    int number = 0;
    enum Kind { kText, kInt, kOrder } kind = kText;
};

inline Rec Text(int type, int key, std::string text)
{
    return {type, key, std::move(text)};
}
inline Rec Int(int type, int key, int number)
{
    return {type, key, {}, number, Rec::kInt};
}
inline Rec Order(int first, int second, int third)
{
    return {kWriters, 3, {}, first | second << 8 | third << 16, Rec::kOrder};
}

using Block = bool (*)(CMovieTVText&);

struct Case {
    const char* name;
    std::vector<Rec> records;
    std::string expected; // "(false)" in front when the block says it wrote nothing
};

class MovieTVTextTest : public ::testing::Test {
protected:
    // The text one block writes for `records`.
    std::string Write(const std::vector<Rec>& records, Block block)
    {
        CRecordStore store;
        store.Init(100, 100);
        for (const Rec& r : records) {
            if (r.kind == Rec::kInt)
                store.AddInt(r.type, r.key, r.number);
            else if (r.kind == Rec::kOrder)
                store.AddBytes3(r.type, r.key, r.number);
            else if (r.text.empty())
                store.AddEmpty(r.type, r.key);
            else
                store.AddString(r.type, r.key, r.text.c_str());
        }
        testsupport::FakeHost host;
        CRtfWriter writer(&settings);
        writer.Attach(&host);
        writer.SetupFont();
        writer.BeginDocument();
        const testsupport::FixedPitchMeasure measure;
        CMovieTVText text(writer, store, measure, "Show", kSectionNone);
        const bool wrote = block(text);
        writer.Flush();
        return (wrote ? "" : "(false)") + testsupport::RtfToText(writer);
    }

    void Check(const std::vector<Case>& cases, Block block)
    {
        for (const Case& c : cases)
            EXPECT_EQ(Write(c.records, block), c.expected) << c.name;
    }

    CAppSettings settings = testsupport::DefaultViewSettings();
};

} // namespace testsupport
