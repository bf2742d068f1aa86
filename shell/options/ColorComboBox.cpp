#include "shell/options/ColorComboBox.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

const ColorEntry ColorTable[kColorCount] = {
    {0x000000, "Black"}, {0x000080, "Maroon"}, {0x008000, "Green"}, {0x008080, "Olive"},
    {0x800000, "Navy"},  {0x800080, "Purple"}, {0x808000, "Teal"},  {0x808080, "Grey"},
    {0xC0C0C0, "Silver"}, {0x0000FF, "Red"},   {0x00FF00, "Lime"},  {0x00FFFF, "Yellow"},
    {0xFF0000, "Blue"},  {0xFF00FF, "Fushcia"}, {0xFFFF00, "Aqua"}, {0xFFFFFF, "White"},
};

namespace {

QColor ToColor(platform::ColorRef colour)
{
    return QColor(platform::RedOf(colour), platform::GreenOf(colour), platform::BlueOf(colour));
}

const char* const kCustomName = "Custom";

} // namespace

CColorComboBox::CColorComboBox(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new CColorItemDelegate(this));
    setMaxVisibleItems(kColorCount);
    Fill();
}

void CColorComboBox::Fill()
{
    if (m_filled)
        return;
    for (const ColorEntry& entry : ColorTable)
        addItem(QString::fromLatin1(entry.name), QVariant::fromValue<uint>(entry.colour));
    m_filled = true;
    setCurrentIndex(0);
}

platform::ColorRef CColorComboBox::GetSelectedColor() const
{
    const int row = currentIndex();
    return row < 0 ? 0 : itemData(row).toUInt();
}

void CColorComboBox::SelectColor(platform::ColorRef colour)
{
    for (int row = count() - 1; row >= 0; --row) {
        if (itemData(row).toUInt() == colour) {
            setCurrentIndex(row);
            return;
        }
    }
}

int CColorComboBox::AddCustomColor(platform::ColorRef colour)
{
    for (int row = count() - 1; row >= 0; --row)
        if (itemData(row).toUInt() == colour)
            return row;
    addItem(QString::fromLatin1(kCustomName), QVariant::fromValue<uint>(colour));
    return count() - 1;
}

void CColorComboBox::DrawItem(QPainter& painter, const QRect& rect, const QString& name, platform::ColorRef colour,
                              bool selected, bool focused, bool enabled, const QPalette& palette)
{
    const int swatchWidth = rect.width() / 4;
    QColor text;
    if (selected) {
        const QRgb windowText = palette.color(QPalette::Active, QPalette::Text).rgb();
        text = QColor::fromRgb(~windowText & 0xFFFFFF);
        painter.fillRect(rect, palette.color(QPalette::Active, QPalette::Highlight));
    } else {
        text = palette.color(QPalette::Active, QPalette::Text);
        painter.fillRect(rect, palette.color(QPalette::Active, QPalette::Base));
    }
    if (focused) {
        painter.save();
        painter.setPen(QPen(text, 1, Qt::DotLine));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        painter.restore();
    }
    QColor swatch = ToColor(colour);
    if (!enabled) {
        swatch = palette.color(QPalette::Disabled, QPalette::Text);
        text = swatch;
    }
    // The swatch keeps to the row's own left edge, wherever the row is drawn.
    QRect swatchRect = rect.adjusted(2, 2, -2, -2);
    swatchRect.setRight(rect.left() + swatchWidth);
    const QRect textRect(rect.left() + swatchWidth + 2 + 2, rect.top(), rect.width() - swatchWidth - 4,
                         rect.height());
    painter.save();
    painter.setPen(text);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, name);
    painter.fillRect(swatchRect, swatch);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(swatchRect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void CColorComboBox::paintEvent(QPaintEvent*)
{
    // The frame and arrow of the style, the selected row drawn like the rows of the list.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const int row = currentIndex();
    if (row < 0)
        return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    DrawItem(painter, field, itemText(row), itemData(row).toUInt(), false, hasFocus(), isEnabled(), palette());
}

void CColorItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    CColorComboBox::DrawItem(*painter, option.rect, index.data(Qt::DisplayRole).toString(),
                             index.data(Qt::UserRole).toUInt(), (option.state & QStyle::State_Selected) != 0,
                             (option.state & QStyle::State_HasFocus) != 0,
                             (option.state & QStyle::State_Enabled) != 0, option.palette);
}
