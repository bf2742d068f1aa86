#include "support/RtfToText.h"

#include "documents/RtfWriter.h"
#include "platform/CodePage.h"

#include <vector>

namespace testsupport {

namespace {

struct Style {
    bool large = false;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Style&) const = default;
};

struct Paragraph {
    int firstIndent = 0;
    int leftIndent = 0;
    std::vector<int> tabs;
    bool operator==(const Paragraph&) const = default;
};

struct Char {
    char c;
    Style style;
};

struct Line {
    Paragraph paragraph;
    int start = 0; // position of the first character
    std::vector<Char> chars;
};

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Reads the writer's RTF into lines of styled characters.
std::vector<Line> ReadLines(std::string_view rtf)
{
    std::vector<Line> lines(1);
    Paragraph paragraph;
    Style style;
    int position = 0;
    std::size_t i = 0;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{' && rtf.substr(i).starts_with("{\\colortbl")) {
            i = rtf.find('}', i);
            i = i == std::string_view::npos ? rtf.size() : i + 1;
        } else if (c == '{' || c == '}' || c == '\n' || c == '\r') {
            ++i;
        } else if (c == '\\' && i + 1 < rtf.size() && !IsLetter(rtf[i + 1])) {
            lines.back().chars.push_back({rtf[i + 1], style});
            ++position;
            i += 2;
        } else if (c == '\\') {
            std::size_t end = i + 1;
            while (end < rtf.size() && IsLetter(rtf[end]))
                ++end;
            const std::string_view word = rtf.substr(i + 1, end - i - 1);
            std::size_t digits = end;
            if (digits < rtf.size() && rtf[digits] == '-')
                ++digits;
            while (digits < rtf.size() && rtf[digits] >= '0' && rtf[digits] <= '9')
                ++digits;
            const bool hasValue = digits > end;
            const int value = hasValue ? std::stoi(std::string(rtf.substr(end, digits - end))) : 0;
            i = digits < rtf.size() && rtf[digits] == ' ' ? digits + 1 : digits;
            if (word == "b")
                style.bold = !hasValue || value != 0;
            else if (word == "i")
                style.italic = !hasValue || value != 0;
            else if (word == "ul")
                style.underline = true;
            else if (word == "ulnone")
                style.underline = false;
            else if (word == "fs")
                style.large = !style.large; // the writer writes a size only when it changes
            else if (word == "pard")
                paragraph = Paragraph{};
            else if (word == "fi")
                paragraph.firstIndent = value;
            else if (word == "li")
                paragraph.leftIndent = value;
            else if (word == "tx")
                paragraph.tabs.push_back(value);
            else if (word == "par") {
                // The format in effect at the paragraph mark is the paragraph's.
                lines.back().paragraph = paragraph;
                ++position;
                lines.push_back(Line{{}, position, {}});
            }
        } else {
            lines.back().chars.push_back({c, style});
            ++position;
            ++i;
        }
    }
    // The document ends with a paragraph mark; nothing follows it.
    if (lines.back().chars.empty())
        lines.pop_back();
    return lines;
}

std::string Measure(int twips, int charWidth)
{
    if (charWidth > 0 && twips % charWidth == 0)
        return std::to_string(twips / charWidth);
    return std::to_string(twips) + "tw";
}

std::string FormatOf(const Paragraph& paragraph, int charWidth)
{
    std::string text = "{" + Measure(paragraph.firstIndent, charWidth) + "," + Measure(paragraph.leftIndent, charWidth);
    for (std::size_t i = 0; i < paragraph.tabs.size(); ++i)
        text += (i == 0 ? "|" : ",") + Measure(paragraph.tabs[i], charWidth);
    return text + "}";
}

class LineText {
public:
    void SetStyle(const Style& style)
    {
        if (style == m_style)
            return;
        Close();
        if (style.large)
            m_text += '^';
        if (style.bold)
            m_text += '*';
        if (style.italic)
            m_text += '/';
        if (style.underline)
            m_text += '_';
        m_style = style;
    }
    void Close()
    {
        if (m_style.underline)
            m_text += '_';
        if (m_style.italic)
            m_text += '/';
        if (m_style.bold)
            m_text += '*';
        if (m_style.large)
            m_text += '^';
        m_style = Style{};
    }
    void Add(char c)
    {
        if (c == '\t')
            m_text += "→";
        else
            m_text += platform::Cp1252ToUtf8(std::string_view(&c, 1));
    }
    void AddRaw(std::string_view text) { m_text += text; }
    std::string& Text() { return m_text; }

private:
    std::string m_text;
    Style m_style;
};

} // namespace

std::string RtfToText(std::string_view rtf, const CRtfLinkTable& links, int charWidth)
{
    std::vector<RtfLink> table;
    for (int i = 0; i < links.GetCount(); ++i)
        table.push_back(links.GetAt(i));

    std::string out;
    Paragraph previous;
    std::size_t link = 0;
    for (const Line& line : ReadLines(rtf)) {
        LineText text;
        if (!(line.paragraph == previous))
            text.AddRaw(FormatOf(line.paragraph, charWidth));
        previous = line.paragraph;
        bool inLink = false;
        auto closeLink = [&] {
            const RtfLink& done = table[link];
            text.Close();
            text.AddRaw("|" + std::to_string(static_cast<int>(done.kind)));
            if (done.target != done.display || done.alt != done.display)
                text.AddRaw("|" + platform::Cp1252ToUtf8(done.target));
            if (done.alt != done.display)
                text.AddRaw("|" + platform::Cp1252ToUtf8(done.alt));
            text.AddRaw("]");
            inLink = false;
            ++link;
        };
        for (std::size_t k = 0; k <= line.chars.size(); ++k) {
            const int position = line.start + static_cast<int>(k);
            if (inLink && position == table[link].end)
                closeLink();
            while (!inLink && link < table.size() && position == table[link].start) {
                text.Close();
                text.AddRaw("[");
                inLink = true;
                if (table[link].end == position)
                    closeLink();
            }
            if (k == line.chars.size())
                break;
            Style style = line.chars[k].style;
            if (inLink)
                style.underline = false;
            text.SetStyle(style);
            text.Add(line.chars[k].c);
        }
        text.Close();
        out += text.Text();
        out += '\n';
    }
    return out;
}

std::string RtfToText(const CRtfWriter& writer)
{
    return RtfToText(writer.Output(), writer.Links(), writer.GetCharWidth());
}

std::string RtfToPlainText(std::string_view rtf)
{
    std::string out;
    for (const Line& line : ReadLines(rtf)) {
        for (const Char& c : line.chars)
            out += platform::Cp1252ToUtf8(std::string_view(&c.c, 1));
        out += '\n';
    }
    return out;
}

} // namespace testsupport
