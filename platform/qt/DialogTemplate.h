#pragma once
// Lays a dialog out from its template: each control's place in dialog units (see
// DialogUnits), the dialog's size in dialog units. The desktop's fonts run wider than
// the ones the templates were drawn for, so the whole layout is widened (at most to
// twice its width) until every control marked to fit shows its text in full; heights
// keep the template's units.
//
//     platform::DialogTemplate layout(this, 281, 176);
//     layout.Place(label, 6, 94, 46, 8, true);
//     layout.Place(edit, 53, 92, 163, 14);
//     layout.Apply();

#include <QWidget>
#include <vector>

namespace platform {

class DialogTemplate {
public:
    // `dialog` (not owned) is measured for its font and given the size on Apply.
    DialogTemplate(QWidget* dialog, int width, int height);

    // Records the place of `control` in dialog units, measured from the dialog's corner
    // also for a control inside a group box placed before it. With `fitText` the control's text
    // must fit its width: a push button's caption with 4 units on each side, any other
    // control's size hint (a check box's text with its box).
    void Place(QWidget* control, int x, int y, int width, int height, bool fitText = false);
    // Places every control and fixes the dialog's size; returns the factor the widths
    // were widened by (1 when everything fits).
    double Apply();

    // Dialog units in pixels, with the widening of the last Apply.
    int X(int units) const;
    int Y(int units) const;

private:
    struct Placement {
        QWidget* control;
        int x, y, width, height;
        bool fitText;
    };
    // The width that `control`'s text needs, in pixels.
    int NeededWidth(const QWidget* control) const;

    QWidget* m_dialog;
    int m_width;
    int m_height;
    double m_scale = 1.0;
    std::vector<Placement> m_placements;
};

} // namespace platform
