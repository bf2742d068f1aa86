#include "platform/qt/RichTextView.h"

#include "platform/qt/QtFont.h"
#include "platform/qt/QtText.h"
#include "platform/qt/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <string>

namespace platform {

namespace {

class FontMeasure : public ITextMeasure {
public:
    FontMeasure(const QFont& font, QPaintDevice* device, int pixelsPerInch)
        : m_metrics(font, device), m_pixelsPerInch(pixelsPerInch)
    {
    }
    int TextWidth(std::string_view text) const override { return m_metrics.horizontalAdvance(ToQString(text)); }
    int PixelsPerInch() const override { return m_pixelsPerInch; }

private:
    QFontMetrics m_metrics;
    int m_pixelsPerInch;
};

// The control's default tab distance: half an inch.
constexpr int kDefaultTabTwips = 720;

} // namespace

CRichTextView::CRichTextView(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setReadOnly(true);
    // Lines wrap at the window's edge between words, and only inside a word that is wider
    // than the window; a tab stop lies at every half inch unless a paragraph sets its own.
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabStopDistance(kDefaultTabTwips * ScreenPixelsPerInch() / 1440.0);
    m_defaultFormat.setFont(document()->defaultFont());
}

void CRichTextView::SetReadOnly(bool readOnly)
{
    setReadOnly(readOnly);
}

void CRichTextView::DeleteContents()
{
    document()->clear();
}

void CRichTextView::SetDefaultCharFormat(const CharFormat& format)
{
    const QFont font = FontFromCharFormat(format, document()->defaultFont());
    document()->setDefaultFont(font);
    m_defaultFormat = QTextCharFormat();
    m_defaultFormat.setFont(font, QTextCharFormat::FontPropertiesAll);
}

std::unique_ptr<ITextMeasure> CRichTextView::CreateMeasure(const LogFont& font) const
{
    return std::make_unique<FontMeasure>(FontFromLogFont(font), viewport(), ScreenPixelsPerInch());
}

bool CRichTextView::StreamInRtf(const StreamReadCallback& read)
{
    std::string rtf;
    char buffer[4096];
    for (;;) {
        const std::size_t count = read(buffer, sizeof buffer);
        if (count == 0)
            break;
        rtf.append(buffer, count);
    }
    CRtfReader reader(ScreenPixelsPerInch(), m_defaultFormat);
    const bool ok = reader.Read(rtf, *document());
    QTextCursor start(document());
    setTextCursor(start);
    return ok;
}

int CRichTextView::ScreenPixelsPerInch() const
{
    return logicalDpiY();
}

int CRichTextView::CharacterAt(const QPoint& viewportPoint) const
{
    const QPointF point(viewportPoint.x() + horizontalScrollBar()->value(),
                        viewportPoint.y() + verticalScrollBar()->value());
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    // The layout's own hit test finds the nearest position without walking every block;
    // the block whose box holds the point is that position's or a neighbour of it.
    const int nearest = layout->hitTest(point, Qt::FuzzyHit);
    if (nearest < 0)
        return -1;
    const QTextBlock found = document()->findBlock(nearest);
    for (const QTextBlock& block : {found, found.previous(), found.next()}) {
        if (!block.isValid())
            continue;
        const QRectF blockRect = layout->blockBoundingRect(block);
        if (!blockRect.contains(point))
            continue;
        const QTextLayout* textLayout = block.layout();
        const QPointF inBlock = point - blockRect.topLeft();
        for (int i = 0; i < textLayout->lineCount(); ++i) {
            const QTextLine line = textLayout->lineAt(i);
            const QRectF lineRect = line.rect();
            if (inBlock.y() < lineRect.top() || inBlock.y() >= lineRect.bottom())
                continue;
            if (inBlock.x() < line.x() || inBlock.x() >= line.x() + line.naturalTextWidth())
                return -1;
            const int index = line.xToCursor(inBlock.x(), QTextLine::CursorOnCharacter);
            if (index < line.textStart() || index >= line.textStart() + line.textLength() ||
                index >= block.length() - 1)
                return -1;
            return block.position() + index;
        }
        return -1;
    }
    return -1;
}

void CRichTextView::keyPressEvent(QKeyEvent* event)
{
    const struct {
        QKeySequence::StandardKey key;
        QTextCursor::MoveOperation move;
        QTextCursor::MoveMode mode;
    } documentEnds[] = {
        {QKeySequence::MoveToStartOfDocument, QTextCursor::Start, QTextCursor::MoveAnchor},
        {QKeySequence::MoveToEndOfDocument, QTextCursor::End, QTextCursor::MoveAnchor},
        {QKeySequence::SelectStartOfDocument, QTextCursor::Start, QTextCursor::KeepAnchor},
        {QKeySequence::SelectEndOfDocument, QTextCursor::End, QTextCursor::KeepAnchor},
    };
    for (const auto& end : documentEnds) {
        if (event->matches(end.key)) {
            moveCursor(end.move, end.mode);
            // The whole way: the margin below the last line too.
            QScrollBar* bar = verticalScrollBar();
            bar->setValue(end.move == QTextCursor::Start ? bar->minimum() : bar->maximum());
            event->accept();
            return;
        }
    }
    QTextEdit::keyPressEvent(event);
}

void CRichTextView::SelectRange(int start, int end)
{
    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

} // namespace platform
