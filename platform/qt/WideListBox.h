#pragma once
// A list box whose horizontal scroll extent follows its widest line (plus 6 pixels), so
// that long lines can be scrolled into view; the horizontal scroll bar shows only while
// the widest line does not fit. Lines are Windows-1252 text; the return
// values are the list box's: an index or count, or LB_ERR (-1).

#include <QFont>
#include <QListWidget>
#include <string>

class CWideListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int LB_ERR = -1;
    // Room beside the text of the widest line.
    static constexpr int kExtentMargin = 6;

    explicit CWideListBox(QWidget* parent = nullptr);
    ~CWideListBox() override;

    // Appends `text`; its index, or LB_ERR.
    int AddString(const std::string& text);
    // Inserts `text` before line `index` (-1: at the end); its index, or LB_ERR when the
    // index lies beyond the end.
    int InsertString(int index, const std::string& text);
    // Removes line `index`; the number of lines left, or LB_ERR for an index outside the
    // list (nothing is read or removed then).
    int DeleteString(int index);
    void ResetContent();

    // The text of line `index` (empty outside the list).
    std::string GetText(int index) const;
    int GetCount() const { return count(); }
    // Scrolls line `index` to the top.
    void SetTopIndex(int index);

    // The font the lines are measured with; the dialogs hand in their own font before
    // lines are added.
    void CopyFont(const QFont& font);
    int WidestExtent() const { return m_widestExtent; }
    int HorizontalExtent() const { return m_horizontalExtent; }
    // Width of `text` in the measuring font.
    int TextWidth(const std::string& text) const;

protected:
    void updateGeometries() override;

private:
    void UpdateExtent(const std::string& text);
    void SetHorizontalExtent(int extent);

    QFont m_font;
    int m_widestExtent = 0;
    int m_horizontalExtent = 0;
};
