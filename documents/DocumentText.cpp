#include "documents/DocumentText.h"

#include "documents/RVMDoc.h"
#include "listdata/AppSettings.h"
#include "listdata/ListLine.h"
#include "listdata/RecordStore.h"
#include "platform/MulDiv.h"
#include "platform/RichTextHost.h"

#include <cstdio>

CDocumentText::CDocumentText(CRtfWriter& writer, const CRecordStore& records, const platform::ITextMeasure& measure)
    : m_writer(writer), m_records(records), m_measure(measure)
{
}

void CDocumentText::Build(int searchState)
{
    PrepareWriter();
    m_writer.BeginDocument();
    if (WriteHeading())
        m_writer.NewLine();
    if (searchState == kSearchQueued || searchState == kSearchRunning) {
        m_writer.Paragraph(-1, 1, true);
        m_writer.WriteText(searchState == kSearchQueued ? "Queued..." : "Search in progress...", kRtfStyleBold, false);
        m_writer.NewLine();
        m_writer.NewLine();
    } else {
        WriteContent();
    }
    WriteWebAddress();
    AddDocInfo();
    m_writer.EndDocument();
}

bool CDocumentText::EmptyBlock(std::string_view heading)
{
    if (!Settings().AlwaysShowHeaders)
        return false;
    Heading(heading, HeadingForm::kClosed);
    return true;
}

void CDocumentText::Heading(std::string_view heading, HeadingForm form)
{
    m_writer.Paragraph(-1, 1, true);
    m_writer.WriteText(heading, kRtfStyleBold, false);
    if (form == HeadingForm::kClosed)
        m_writer.NewLine();
}

bool CDocumentText::WriteHeadingRecords(bool asName)
{
    bool wrote = false;
    for (int index = m_records.FindFirst(kRecordHeading); index >= 0;
         index = m_records.FindNext(index, kRecordHeading)) {
        const std::string_view stored = RecordText(m_records.GetRecord(index));
        m_writer.Paragraph(-1, 1, true);
        m_writer.WriteText(asName ? FormatName(stored) : std::string(stored), kRtfStyleLarge | kRtfStyleBold, true);
        m_writer.NewLine();
        wrote = true;
    }
    return wrote;
}

std::string CDocumentText::FormatName(std::string_view stored) const
{
    const std::string copy(stored);
    CListLine line;
    const char* formatted = line.FormatName(copy.c_str(), Settings().NameOutput, Settings().RemoveNameNumber != 0);
    return formatted ? std::string(formatted) : copy;
}

void CDocumentText::NameLink(std::string_view stored, std::string_view formatted)
{
    m_writer.WriteLink(formatted, stored, std::string_view(), 0, RtfLinkKind::Name, true);
}

int CDocumentText::ShownWidth(std::string_view text) const
{
    return m_writer.QvTextExtent(text, m_measure);
}

int CDocumentText::PixelsToTwips(int pixels) const
{
    return platform::MulDiv(pixels, 1440, m_measure.PixelsPerInch());
}

void CDocumentText::WriteWebAddress()
{
    const int index = m_records.FindFirst(kRecordWebAddress);
    if (index < 0)
        return;
    const std::string_view address = RecordText(m_records.GetRecord(index));
    m_writer.Paragraph(-1, 1, true);
    m_writer.WriteText("Zuvo URL: ", kRtfStyleBold, false);
    m_writer.WriteLink(address, address, std::string_view(), 0, RtfLinkKind::WebAddress, true);
    m_writer.NewLine();
    m_writer.NewLine();
}

std::string CDocumentText::DocInfoText(const CRecordStore& records)
{
    // Keys 0-8, a later record of the same key winning. A key that a document lacks
    // shows as 0 (documents made by this program always hold all nine).
    std::int32_t keys[9] = {};
    bool any = false;
    for (int index = records.FindFirst(kRecordDocInfo); index >= 0; index = records.FindNext(index, kRecordDocInfo)) {
        const InfoRecord record = records.GetRecord(index);
        std::int32_t value = 0;
        if (record.key < 0 || record.key > 8 || !record.GetInt(value))
            continue;
        keys[record.key] = value;
        any = true;
    }
    if (!any)
        return {};
    auto high = [](std::int32_t version) { return static_cast<int>((version >> 8) & 0xFF); };
    auto low = [](std::int32_t version) { return static_cast<int>(version & 0xFF); };
    char buffer[256];
    std::string text;
    std::snprintf(buffer, sizeof buffer, "Created in Reelvoyager %i.%i (%04i.%02i.%02i) - ", high(keys[0]),
                  low(keys[0]), keys[2], keys[3], keys[4]);
    text += buffer;
    if (keys[1] >= 0x200) {
        std::snprintf(buffer, sizeof buffer, "Last Updated: Reelvoyager %i.%i (%04i.%02i.%02i) - ", high(keys[8]),
                      low(keys[8]), keys[5], keys[6], keys[7]);
        text += buffer;
    } else if (keys[1] > 0x100) {
        std::snprintf(buffer, sizeof buffer, "Last Updated: %04i.%02i.%02i - ", keys[5], keys[6], keys[7]);
        text += buffer;
    }
    std::snprintf(buffer, sizeof buffer, "DocVer %i.%i", high(keys[1]), low(keys[1]));
    text += buffer;
    return text;
}

void CDocumentText::AddDocInfo()
{
    const std::string text = DocInfoText(m_records);
    if (text.empty())
        return;
    m_writer.Paragraph(-1, 1, true);
    m_writer.WriteText(text, 0, false);
}
