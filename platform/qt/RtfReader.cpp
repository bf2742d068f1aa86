#include "platform/qt/RtfReader.h"

#include "platform/CodePage.h"

#include <QColor>
#include <QList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <map>
#include <vector>

namespace platform {

namespace {

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0; // 0: the base format's size
    int color = 0;      // colour-table index; 0: the base format's colour
    auto operator<=>(const CharState&) const = default;
};

struct ParagraphState {
    int firstIndent = 0; // twips, relative to the left indent
    int leftIndent = 0;
    std::vector<int> tabs;
    auto operator<=>(const ParagraphState&) const = default;
};

struct Group {
    CharState chars;
    ParagraphState paragraph;
    bool colorTable = false;
};

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

class Parser {
public:
    Parser(const CRtfReader& reader, const QTextCharFormat& base, QTextDocument& document)
        : m_reader(reader), m_base(base), m_cursor(&document)
    {
    }

    bool Run(std::string_view rtf);

private:
    void ControlWord(std::string_view word, bool hasParameter, int parameter);
    void AddText(char c);
    void FlushText();
    void EndParagraph(bool last);
    // The formats of the current state; each state's format is made once, so the
    // document finds it again by the format's cached hash.
    const QTextCharFormat& CurrentCharFormat();
    const QTextBlockFormat& CurrentBlockFormat();
    QTextCharFormat MakeCharFormat(const CharState& chars) const;
    QTextBlockFormat MakeBlockFormat(const ParagraphState& paragraph) const;
    Group& Top() { return m_groups.back(); }

    const CRtfReader& m_reader;
    QTextCharFormat m_base;
    QTextCursor m_cursor;
    std::vector<Group> m_groups{Group{}};
    std::vector<QColor> m_colors; // index 0: automatic
    QColor m_colorBeingRead;
    bool m_colorComponentSeen = false;
    QString m_run;
    std::map<CharState, QTextCharFormat> m_charFormats;
    std::map<ParagraphState, QTextBlockFormat> m_blockFormats;
};

bool Parser::Run(std::string_view rtf)
{
    m_cursor.movePosition(QTextCursor::Start);
    // One edit block: the layout is redone once at the end, not after every run of text.
    m_cursor.beginEditBlock();
    bool balanced = true;
    std::size_t i = 0;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{') {
            FlushText();
            m_groups.push_back(Group{Top().chars, Top().paragraph, false});
            ++i;
        } else if (c == '}') {
            FlushText();
            if (m_groups.size() > 1)
                m_groups.pop_back();
            else
                balanced = false;
            ++i;
        } else if (c == '\\') {
            ++i;
            if (i >= rtf.size())
                break;
            const char next = rtf[i];
            if (next == '\\' || next == '{' || next == '}') {
                AddText(next);
                ++i;
            } else if (IsLetter(next)) {
                const std::size_t start = i;
                while (i < rtf.size() && IsLetter(rtf[i]))
                    ++i;
                const std::string_view word = rtf.substr(start, i - start);
                bool negative = false;
                if (i < rtf.size() && rtf[i] == '-' && i + 1 < rtf.size() && IsDigit(rtf[i + 1])) {
                    negative = true;
                    ++i;
                }
                bool hasParameter = false;
                long long value = 0;
                while (i < rtf.size() && IsDigit(rtf[i])) {
                    hasParameter = true;
                    if (value < 100000000)
                        value = value * 10 + (rtf[i] - '0');
                    ++i;
                }
                if (i < rtf.size() && rtf[i] == ' ')
                    ++i; // the delimiter belongs to the word
                ControlWord(word, hasParameter, static_cast<int>(negative ? -value : value));
            } else {
                ++i; // a control symbol the writer never emits
            }
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else {
            AddText(c);
            ++i;
        }
    }
    if (m_groups.size() != 1)
        balanced = false;
    EndParagraph(true);
    m_cursor.endEditBlock();
    return balanced;
}

void Parser::ControlWord(std::string_view word, bool hasParameter, int parameter)
{
    CharState& chars = Top().chars;
    ParagraphState& paragraph = Top().paragraph;
    const bool on = !hasParameter || parameter != 0;
    if (Top().colorTable) {
        if (word == "red" || word == "green" || word == "blue") {
            const int value = std::clamp(parameter, 0, 255);
            if (word == "red")
                m_colorBeingRead.setRed(value);
            else if (word == "green")
                m_colorBeingRead.setGreen(value);
            else
                m_colorBeingRead.setBlue(value);
            m_colorComponentSeen = true;
        }
        return;
    }
    if (word == "colortbl") {
        Top().colorTable = true;
        m_colors.clear();
        m_charFormats.clear();
        m_colorBeingRead = QColor(0, 0, 0);
        m_colorComponentSeen = false;
        return;
    }
    // Every other word ends the run of text before it that has the old format.
    FlushText();
    if (word == "b")
        chars.bold = on;
    else if (word == "i")
        chars.italic = on;
    else if (word == "ul")
        chars.underline = on;
    else if (word == "ulnone")
        chars.underline = false;
    else if (word == "fs")
        chars.halfPoints = hasParameter && parameter > 0 ? parameter : 0;
    else if (word == "cf")
        chars.color = hasParameter ? parameter : 0;
    else if (word == "pard")
        paragraph = ParagraphState{};
    else if (word == "fi")
        paragraph.firstIndent = parameter;
    else if (word == "li")
        paragraph.leftIndent = parameter;
    else if (word == "tx")
        paragraph.tabs.push_back(parameter);
    else if (word == "par")
        EndParagraph(false);
}

void Parser::AddText(char c)
{
    if (Top().colorTable) {
        if (c == ';') {
            m_colors.push_back(m_colorComponentSeen ? m_colorBeingRead : QColor());
            m_colorBeingRead = QColor(0, 0, 0);
            m_colorComponentSeen = false;
        }
        return;
    }
    m_run.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(c)))));
}

// The value of `key` in `cache`, made with make(key) the first time.
template <class Key, class Value, class Make>
const Value& Cached(std::map<Key, Value>& cache, const Key& key, Make make)
{
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.emplace(key, make(key)).first;
    return found->second;
}

const QTextCharFormat& Parser::CurrentCharFormat()
{
    return Cached(m_charFormats, m_groups.back().chars, [this](const CharState& c) { return MakeCharFormat(c); });
}

const QTextBlockFormat& Parser::CurrentBlockFormat()
{
    return Cached(m_blockFormats, m_groups.back().paragraph,
                  [this](const ParagraphState& p) { return MakeBlockFormat(p); });
}

QTextCharFormat Parser::MakeCharFormat(const CharState& chars) const
{
    QTextCharFormat format = m_base;
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    if (chars.halfPoints > 0)
        format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.color > 0 && chars.color < static_cast<int>(m_colors.size()) && m_colors[chars.color].isValid())
        format.setForeground(m_colors[chars.color]);
    return format;
}

QTextBlockFormat Parser::MakeBlockFormat(const ParagraphState& paragraph) const
{
    QTextBlockFormat format;
    format.setLeftMargin(m_reader.TwipsToPixels(paragraph.leftIndent));
    format.setTextIndent(m_reader.TwipsToPixels(paragraph.firstIndent));
    // RTF measures tab stops from the left margin and puts one at the left indent of a
    // paragraph with a hanging indent; Qt measures them from the start of the line and
    // takes the first stop in list order that lies beyond the text. So each stop moves by
    // the line's start, the hanging indent's stop is added, and stops that do not lie
    // beyond the line's start are dropped.
    const int lineStart = paragraph.leftIndent + paragraph.firstIndent;
    std::vector<int> stops;
    for (const int twips : paragraph.tabs)
        if (twips > lineStart)
            stops.push_back(twips - lineStart);
    if (paragraph.firstIndent < 0)
        stops.push_back(-paragraph.firstIndent);
    std::sort(stops.begin(), stops.end());
    stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
    QList<QTextOption::Tab> tabs;
    for (const int twips : stops)
        tabs.append(QTextOption::Tab(m_reader.TwipsToPixels(twips), QTextOption::LeftTab));
    format.setTabPositions(tabs);
    return format;
}

void Parser::FlushText()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, CurrentCharFormat());
    m_run.clear();
}

void Parser::EndParagraph(bool last)
{
    FlushText();
    // As in RTF, the paragraph format in effect at its end applies to the whole paragraph.
    m_cursor.setBlockFormat(CurrentBlockFormat());
    if (!last)
        m_cursor.insertBlock(CurrentBlockFormat(), CurrentCharFormat());
}

} // namespace

CRtfReader::CRtfReader(double dotsPerInch, const QTextCharFormat& baseFormat)
    : m_dotsPerInch(dotsPerInch), m_baseFormat(baseFormat)
{
}

bool CRtfReader::Read(std::string_view rtf, QTextDocument& document)
{
    document.clear();
    Parser parser(*this, m_baseFormat, document);
    return parser.Run(rtf);
}

} // namespace platform
