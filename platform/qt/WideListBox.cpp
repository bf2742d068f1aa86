#include "platform/qt/WideListBox.h"

#include "platform/qt/QtText.h"

#include <QFontMetrics>
#include <QScrollBar>

CWideListBox::CWideListBox(QWidget* parent) : QListWidget(parent), m_font(font())
{
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSortingEnabled(false);
}

CWideListBox::~CWideListBox() = default;

int CWideListBox::AddString(const std::string& text)
{
    return InsertString(-1, text);
}

int CWideListBox::InsertString(int index, const std::string& text)
{
    if (index < -1 || index > count())
        return LB_ERR;
    const int at = index == -1 ? count() : index;
    insertItem(at, platform::ToQString(text));
    UpdateExtent(text);
    return at;
}

int CWideListBox::DeleteString(int index)
{
    // The index is checked before the line is read: a bad index must not reach the list.
    if (index < 0 || index >= count())
        return LB_ERR;
    const std::string deleted = GetText(index);
    delete takeItem(index);
    if (TextWidth(deleted) + kExtentMargin >= m_widestExtent) {
        m_widestExtent = 0;
        for (int i = 0; i < count(); ++i)
            m_widestExtent = std::max(m_widestExtent, TextWidth(GetText(i)) + kExtentMargin);
        SetHorizontalExtent(m_widestExtent);
    }
    return count();
}

void CWideListBox::ResetContent()
{
    m_widestExtent = 0;
    SetHorizontalExtent(0);
    clear();
}

std::string CWideListBox::GetText(int index) const
{
    const QListWidgetItem* line = item(index);
    return line ? platform::FromQString(line->text()) : std::string();
}

void CWideListBox::SetTopIndex(int index)
{
    if (QListWidgetItem* line = item(index))
        scrollToItem(line, QAbstractItemView::PositionAtTop);
}

void CWideListBox::CopyFont(const QFont& font)
{
    m_font = font;
}

int CWideListBox::TextWidth(const std::string& text) const
{
    return QFontMetrics(m_font).horizontalAdvance(platform::ToQString(text));
}

void CWideListBox::UpdateExtent(const std::string& text)
{
    const int width = TextWidth(text) + kExtentMargin;
    if (width > m_widestExtent) {
        m_widestExtent = width;
        SetHorizontalExtent(width);
    }
}

void CWideListBox::SetHorizontalExtent(int extent)
{
    m_horizontalExtent = extent;
    updateGeometries();
}

void CWideListBox::updateGeometries()
{
    // The horizontal bar shows exactly when the measured extent is wider than the view.
    // The view's own layout measures its lines a few pixels differently; left to decide
    // ("as needed"), the two would show and hide the bar in turn without end.
    const Qt::ScrollBarPolicy policy =
        m_horizontalExtent > viewport()->width() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (horizontalScrollBarPolicy() != policy)
        setHorizontalScrollBarPolicy(policy);
    QListWidget::updateGeometries();
    // The scroll range comes from the measured extent, not from the view's own layout.
    const int range = std::max(0, m_horizontalExtent - viewport()->width());
    horizontalScrollBar()->setRange(0, range);
    horizontalScrollBar()->setPageStep(viewport()->width());
}
