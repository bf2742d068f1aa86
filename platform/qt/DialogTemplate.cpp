#include "platform/qt/DialogTemplate.h"

#include "platform/qt/DialogUnits.h"

#include <QPushButton>
#include <algorithm>

namespace platform {

namespace {
// A template never grows wider than this.
constexpr double kMaxWidening = 2.0;
} // namespace

DialogTemplate::DialogTemplate(QWidget* dialog, int width, int height)
    : m_dialog(dialog), m_width(width), m_height(height)
{
}

void DialogTemplate::Place(QWidget* control, int x, int y, int width, int height, bool fitText)
{
    m_placements.push_back({control, x, y, width, height, fitText});
}

int DialogTemplate::NeededWidth(const QWidget* control) const
{
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return button->fontMetrics().horizontalAdvance(button->text()) + DialogUnits(m_dialog).X(8);
    return control->sizeHint().width();
}

double DialogTemplate::Apply()
{
    const DialogUnits units(m_dialog);
    m_scale = 1.0;
    for (const Placement& p : m_placements)
        if (p.fitText && units.X(p.width) > 0)
            m_scale = std::max(m_scale, double(NeededWidth(p.control)) / units.X(p.width));
    m_scale = std::min(m_scale, kMaxWidening);
    for (const Placement& p : m_placements) {
        QRect place(X(p.x), Y(p.y), X(p.width), Y(p.height));
        // A control inside a group box is placed by the dialog's units all the same.
        if (QWidget* parent = p.control->parentWidget(); parent && parent != m_dialog)
            place.translate(-parent->mapTo(m_dialog, QPoint(0, 0)));
        p.control->setGeometry(place);
    }
    m_dialog->setFixedSize(X(m_width), Y(m_height));
    return m_scale;
}

int DialogTemplate::X(int units) const
{
    return int(DialogUnits(m_dialog).X(units) * m_scale + 0.5);
}

int DialogTemplate::Y(int units) const
{
    return DialogUnits(m_dialog).Y(units);
}

} // namespace platform
