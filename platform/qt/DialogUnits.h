#pragma once
// Places controls by the dialog-unit coordinates of their templates: a horizontal unit
// is a quarter of the font's average character width, a vertical one an eighth of its
// height, so the layout keeps its proportions with any dialog font.

#include <QFontMetrics>
#include <QRect>
#include <QWidget>

namespace platform {

class DialogUnits {
public:
    explicit DialogUnits(const QWidget* dialog)
    {
        const QFontMetrics metrics(dialog->font());
        m_baseX = metrics.averageCharWidth();
        m_baseY = metrics.height();
    }
    int X(int units) const { return units * m_baseX / 4; }
    int Y(int units) const { return units * m_baseY / 8; }
    QRect Rect(int x, int y, int width, int height) const { return QRect(X(x), Y(y), X(width), Y(height)); }
    void Place(QWidget* control, int x, int y, int width, int height) const
    {
        control->setGeometry(Rect(x, y, width, height));
    }

private:
    int m_baseX;
    int m_baseY;
};

} // namespace platform
