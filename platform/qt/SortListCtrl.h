#pragma once
// A report list whose columns sort by a click on their heading, each the way declared
// when the column was inserted (numbers or text, ascending or descending; a second click
// sorts the same way again), and whose cells open a read-only edit on a double-click of
// the focused row, so that their text can be selected and copied. Rows live in a model
// of their own (Windows-1252 cell texts and one value per row) and are shown by a view
// that measures only what it paints, so lists of tens of thousands of rows fill and sort
// at once.

#include <QLineEdit>
#include <QPointer>
#include <QTreeView>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class CInPlaceEdit;
class CSortListModel;

class CSortListCtrl : public QTreeView {
    Q_OBJECT
public:
    static constexpr int kMaxColumns = 255;
    // Column formats, as the framework numbers them.
    enum Format { FormatLeft = 0, FormatRight = 1, FormatCenter = 2 };
    struct ColumnFlag {
        bool Numeric = true;
        bool Ascending = true;
    };
    struct Row {
        std::vector<std::string> cells; // by column; missing cells read as empty
        std::intptr_t data = 0;         // the row's item data, kept across sorts
    };

    explicit CSortListCtrl(QWidget* parent = nullptr);
    ~CSortListCtrl() override;

    // Inserts a column before `index` (at the end when beyond it), `width` pixels wide,
    // sorted by its declared flags. -1, and no column, for an index outside 0-254.
    int InsertColumn(int index, const std::string& heading, int format, int width, bool numeric, bool ascending);
    int GetColumnCount() const;

    // Rows are appended in one step; callers that fill many rows hand them over together.
    void AddRows(std::vector<Row> rows);
    // Appends one row with `text` in column 0; its index.
    int InsertItem(const std::string& text, std::intptr_t data = 0);
    bool SetItemText(int row, int column, const std::string& text);
    std::string GetItemText(int row, int column) const;
    bool SetItemData(int row, std::intptr_t data);
    std::intptr_t GetItemData(int row) const;
    int GetItemCount() const;
    void DeleteAllItems();

    // The selected row, -1 when there is none.
    int GetSelectionMark() const;
    // Makes `row` current and selected.
    void SetSelectionMark(int row);
    // Scrolls `row` into view; false for a row that does not exist.
    bool EnsureVisible(int row);

    // Sorts by `column` with its flags and remembers it; a negative index or one above 254
    // is refused.
    void SortColumn(int column);
    // Sorts again by the last sorted column; nothing before the first sort.
    void Resort();

    // The row under `point` (viewport coordinates, which follow the scrolling) and its
    // column in `column` when not null; -1 when no cell is there.
    int HitTestEx(const QPoint& point, int* column) const;
    // Lays a read-only edit over the cell, its text selected and the focus in it. Null for
    // a row that does not exist, a column that does not or one narrower than 5 pixels.
    CInPlaceEdit* EditCell(int row, int column);
    // The open edit, if any.
    CInPlaceEdit* InPlaceEdit() const { return m_edit; }
    // An edit ended: `text` (null when it was cancelled) becomes the cell's text.
    void OnEndLabelEdit(int row, int column, const std::string* text);

    ColumnFlag ColumnFlags[kMaxColumns];
    int LastSortColumn = -1;

    // Rows scroll into view up and down only, as in a report list: a click on a cell that
    // shows in part does not move the columns under the mouse. EditCell scrolls sideways.
    void scrollTo(const QModelIndex& index, ScrollHint hint = QAbstractItemView::EnsureVisible) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // A scroll ends an open edit: the list takes the focus back.
    void OnScroll();
    // The row with the focus (the view's current row), -1 when there is none.
    int FocusedRow() const;

    CSortListModel* m_model;
    QPointer<CInPlaceEdit> m_edit;
    // The focused row before the last button press: a double-click edits only a row that
    // had the focus before its first click.
    int m_rowBeforePress = -1;
};

// The read-only edit over one cell. Escape cancels it, Enter ends it; both, a click
// elsewhere and a scroll take the focus away, which ends it. It deletes itself.
class CInPlaceEdit : public QLineEdit {
    Q_OBJECT
public:
    CInPlaceEdit(CSortListCtrl* list, int row, int column, const std::string& text);

    const int Row;
    const int Column;
    const std::string InitialText;
    bool Cancelled = false;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CSortListCtrl* m_list;
    bool m_ended = false;
};

} // namespace platform
