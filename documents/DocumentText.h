#pragma once
// The text of a document view, built from the document's records through the view's
// RTF writer. Plain C++: the Qt views lock the store, make one measuring context in the
// output font, hand both to a builder (CMovieTVText, CCastCrewText), call Build and
// stream the writer's output into their control. Tests do the same with a fixed-pitch
// measure and read the output back as text.
//
// Writing a block
// ---------------
// A block is one member function of a builder that reads the records of its type(s),
// writes through Writer() and returns whether it wrote anything. Blocks of one kind live
// in one .cpp file of their own (MovieTVCredits.cpp holds the crew, writer and cast
// blocks); the class header declares them all. Every block keeps this convention:
//
//     bool CMovieTVText::AddCrew(int list)
//     {
//         const int first = Records().FindFirst(list);
//         if (first < 0)
//             return EmptyBlock(heading);     // the heading alone with "Always Show
//                                             // Headers", else nothing; says whether it wrote
//         Heading(heading, HeadingForm::kOpen);
//         ... one NewLine, Paragraph(-1, 2) and the texts per item ...
//         Writer().NewLine();                  // the block's text ends with a NewLine
//         return true;
//     }
//
// The heading text is passed exactly as the user sees it, with its ":" or ": ". Its form
// says where the block's first line goes:
//   kClosed  the heading line is ended at once; the lines start below it ("Tagline:");
//   kOpen    the heading line stays open; every item starts with its own NewLine
//            ("Cast:", the crew blocks), and a note may continue the heading's line;
//   kInline  the values follow on the heading's line ("Genre: A / B").
// The blank line between blocks is not the block's business: the section writes one
// NewLine after every block (or group) that returned true (WriteBlocks).
//
// Records: take texts with RecordText and integers with RecordInt (RecordAccess.h), never
// GetText() alone. Names are written with NameLink, measured widths come from ShownWidth
// (pixels, with "(qv)" references resolved) and become twips with PixelsToTwips.
//
// Threads: GUI thread, or any thread that owns the writer, while the store is locked.

#include "documents/RecordAccess.h"
#include "documents/RtfWriter.h"

#include <cstddef>
#include <string>
#include <string_view>

class CAppSettings;
class CRecordStore;

namespace platform {
class ITextMeasure;
}

// Where the first line of a block goes after its heading (see above).
enum class HeadingForm { kClosed, kOpen, kInline };

// Written in place of a heading that a block does not know for its argument.
inline constexpr std::string_view kUnknownHeadline =
    "Unknown Headline. Please report this to the Author of this Program.";

// A heading chosen by a number (a list index, a biography code), for the blocks that
// serve several.
struct KeyedHeading {
    int key;
    std::string_view heading;
};

// The heading of `key` in `headings`; kUnknownHeadline when it has none.
template <std::size_t N> std::string_view HeadingOf(const KeyedHeading (&headings)[N], int key)
{
    for (const KeyedHeading& row : headings)
        if (row.key == key)
            return row.heading;
    return kUnknownHeadline;
}

// One entry of a table of blocks written in order (a section of the Movie/TV view, the
// fixed order of the Cast/Crew view). Entries next to each other with the same non-zero
// group form a group: no blank line between its members, one after the group when any
// member wrote.
template <class Text> struct TextBlock {
    bool (*write)(Text& text);
    int group = 0;
};

class CDocumentText {
public:
    // Everything is borrowed for the builder's lifetime: the writer of the view, the
    // document's store (locked by the caller for the whole build) and one measuring
    // context in the output font of the writer's settings.
    CDocumentText(CRtfWriter& writer, const CRecordStore& records, const platform::ITextMeasure& measure);
    virtual ~CDocumentText() = default;
    CDocumentText(const CDocumentText&) = delete;
    CDocumentText& operator=(const CDocumentText&) = delete;

    // The whole text of one rebuild, from preparing the writer to EndDocument: heading,
    // then "Queued..." / "Search in progress..." while `searchState` is 1 or 2, else the
    // content; the web address and the footer. StreamIn is the caller's.
    void Build(int searchState);

    // The footer text of the document-information records; empty when there are none.
    static std::string DocInfoText(const CRecordStore& records);

protected:
    // SetupFont and Reset, in the kind's order.
    virtual void PrepareWriter() = 0;
    // The heading lines (and whatever the kind writes under them); true when it wrote.
    virtual bool WriteHeading() = 0;
    // The mode-dependent content.
    virtual void WriteContent() = 0;

    CRtfWriter& Writer() const { return m_writer; }
    const CRecordStore& Records() const { return m_records; }
    const CAppSettings& Settings() const { return m_writer.Settings(); }
    const platform::ITextMeasure& Measure() const { return m_measure; }

    // A block without records: with "Always Show Headers" its bold heading alone on its
    // line (true); otherwise nothing (false).
    bool EmptyBlock(std::string_view heading);
    // The bold heading in the heading paragraph (Paragraph(-1, 1)); kClosed ends its line.
    void Heading(std::string_view heading, HeadingForm form);

    // Every heading record (type 48) in store order, large and bold on its own line;
    // `asName` formats each as a person name. True when there was one.
    bool WriteHeadingRecords(bool asName);

    // A stored name in the display order of "Name Output" and "Remove Name Number".
    std::string FormatName(std::string_view stored) const;
    // A name link: display `formatted`, target the name as stored, no alt, plain, trimmed.
    void NameLink(std::string_view stored, std::string_view formatted);
    // Width in pixels of `text` as the view shows it ("(qv)" references resolved).
    int ShownWidth(std::string_view text) const;
    // Pixels of the measuring context in twips (multiply, then divide).
    int PixelsToTwips(int pixels) const;
    // The paragraph's tab stop at `twips` added to the current paragraph.
    void AddTabStop(int twips) { m_writer.TabStop(twips, false); }

    // Writes `blocks` in order with one NewLine after each block or group that wrote.
    template <class Text, std::size_t N> void WriteBlocks(const TextBlock<Text> (&blocks)[N])
    {
        Text& text = static_cast<Text&>(*this);
        for (std::size_t i = 0; i < N;) {
            const int group = blocks[i].group;
            bool wrote = false;
            do {
                if (blocks[i].write(text))
                    wrote = true;
                ++i;
            } while (group != 0 && i < N && blocks[i].group == group);
            if (wrote)
                m_writer.NewLine();
        }
    }

private:
    void WriteWebAddress();
    void AddDocInfo();

    CRtfWriter& m_writer;
    const CRecordStore& m_records;
    const platform::ITextMeasure& m_measure;
};
