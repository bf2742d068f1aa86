#pragma once
// A drop-down list of the 16 named colours, each row drawn as a colour swatch beside the
// colour's name. Each row's data is its stored colour (COLORREF, 0x00BBGGRR).

#include "platform/LogFont.h"

#include <QComboBox>
#include <QStyledItemDelegate>

// One row of the colour table.
struct ColorEntry {
    platform::ColorRef colour;
    char name[16];
};

constexpr int kColorCount = 16;
// The colour table, in the order the box shows it.
extern const ColorEntry ColorTable[kColorCount];

class CColorComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CColorComboBox(QWidget* parent = nullptr);

    // The data of the selected row; 0 (black) when no row is selected.
    platform::ColorRef GetSelectedColor() const;
    // Selects the last row whose data is `colour`; no such row leaves the selection alone.
    void SelectColor(platform::ColorRef colour);
    // Adds the row "Custom" for `colour` unless a row holds it already (the font colour
    // may be any colour). Returns the row that holds it.
    int AddCustomColor(platform::ColorRef colour);

    // Draws one row into `rect` of `painter`: the name in the row's text colour and the
    // swatch in the colour, or both in the disabled text colour for a disabled row.
    static void DrawItem(QPainter& painter, const QRect& rect, const QString& name, platform::ColorRef colour,
                         bool selected, bool focused, bool enabled, const QPalette& palette);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Adds the 16 colours once and selects the first.
    void Fill();

    bool m_filled = false;
};

// Draws the rows of the drop-down list.
class CColorItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
