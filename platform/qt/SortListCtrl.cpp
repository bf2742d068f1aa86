#include "platform/qt/SortListCtrl.h"

#include "platform/SortKeys.h"
#include "platform/qt/QtText.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>
#include <numeric>

namespace platform {

namespace {

// Cells sort by their text once a sort has begun, so one empty text serves them all.
const std::string kNoText;

Qt::Alignment AlignmentOf(int format)
{
    switch (format & 3) {
    case CSortListCtrl::FormatRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CSortListCtrl::FormatCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

// The rows and columns of one list.
class CSortListModel : public QAbstractTableModel {
public:
    struct Column {
        std::string heading;
        int format = CSortListCtrl::FormatLeft;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(columns.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return ToQString(Cell(index.row(), index.column()));
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(AlignmentOf(columns[static_cast<std::size_t>(index.column())].format));
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
            return {};
        const Column& column = columns[static_cast<std::size_t>(section)];
        if (role == Qt::DisplayRole)
            return ToQString(column.heading);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(AlignmentOf(column.format));
        return {};
    }

    const std::string& Cell(int row, int column) const
    {
        const std::vector<std::string>& cells = rows[static_cast<std::size_t>(row)].cells;
        return column >= 0 && static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)]
                                                                              : kNoText;
    }

    void InsertColumn(int index, Column column)
    {
        beginInsertColumns({}, index, index);
        columns.insert(columns.begin() + index, std::move(column));
        for (CSortListCtrl::Row& row : rows)
            if (static_cast<std::size_t>(index) < row.cells.size())
                row.cells.insert(row.cells.begin() + index, std::string());
        endInsertColumns();
    }

    void Append(std::vector<CSortListCtrl::Row> added)
    {
        if (added.empty())
            return;
        const int first = rowCount();
        beginInsertRows({}, first, first + static_cast<int>(added.size()) - 1);
        if (rows.empty())
            rows = std::move(added);
        else
            std::move(added.begin(), added.end(), std::back_inserter(rows));
        endInsertRows();
    }

    void SetCell(int row, int column, const std::string& text)
    {
        std::vector<std::string>& cells = rows[static_cast<std::size_t>(row)].cells;
        if (cells.size() <= static_cast<std::size_t>(column))
            cells.resize(static_cast<std::size_t>(column) + 1);
        cells[static_cast<std::size_t>(column)] = text;
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed);
    }

    void Clear()
    {
        beginResetModel();
        rows.clear();
        endResetModel();
    }

    // Orders the rows by `column`; rows with equal keys keep their order. The view keeps its
    // current row and selection on the same rows.
    void Sort(int column, const CSortListCtrl::ColumnFlag& flag)
    {
        std::vector<int> order(rows.size());
        std::iota(order.begin(), order.end(), 0);
        if (flag.Numeric) {
            std::vector<double> keys(rows.size());
            for (std::size_t i = 0; i < rows.size(); ++i)
                keys[i] = AtofC(Cell(static_cast<int>(i), column));
            auto before = [&](int a, int b) {
                return flag.Ascending ? keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)]
                                      : keys[static_cast<std::size_t>(a)] > keys[static_cast<std::size_t>(b)];
            };
            std::stable_sort(order.begin(), order.end(), before);
        } else {
            auto before = [&](int a, int b) {
                const int compared = CompareTextNoCase(Cell(a, column), Cell(b, column));
                return flag.Ascending ? compared < 0 : compared > 0;
            };
            std::stable_sort(order.begin(), order.end(), before);
        }

        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::vector<CSortListCtrl::Row> sorted;
        sorted.reserve(rows.size());
        std::vector<int> newRowOf(rows.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            sorted.push_back(std::move(rows[static_cast<std::size_t>(order[i])]));
            newRowOf[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
        }
        rows = std::move(sorted);
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex& old : before)
            after.append(index(newRowOf[static_cast<std::size_t>(old.row())], old.column()));
        changePersistentIndexList(before, after);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    std::vector<Column> columns;
    std::vector<CSortListCtrl::Row> rows;
};

CSortListCtrl::CSortListCtrl(QWidget* parent) : QTreeView(parent), m_model(new CSortListModel(this))
{
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(true);
    header()->setHighlightSections(false);
    header()->setMinimumSectionSize(0);
    connect(header(), &QHeaderView::sectionClicked, this, &CSortListCtrl::SortColumn);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CSortListCtrl::OnScroll);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CSortListCtrl::OnScroll);
}

CSortListCtrl::~CSortListCtrl() = default;

int CSortListCtrl::InsertColumn(int index, const std::string& heading, int format, int width, bool numeric,
                                bool ascending)
{
    if (index < 0 || index >= kMaxColumns)
        return -1;
    ColumnFlags[index] = {numeric, ascending};
    const int at = std::min(index, GetColumnCount());
    m_model->InsertColumn(at, {heading, format});
    header()->resizeSection(at, width);
    return at;
}

int CSortListCtrl::GetColumnCount() const
{
    return m_model->columnCount();
}

void CSortListCtrl::AddRows(std::vector<Row> rows)
{
    m_model->Append(std::move(rows));
}

int CSortListCtrl::InsertItem(const std::string& text, std::intptr_t data)
{
    std::vector<Row> row(1);
    row[0].cells.push_back(text);
    row[0].data = data;
    AddRows(std::move(row));
    return GetItemCount() - 1;
}

bool CSortListCtrl::SetItemText(int row, int column, const std::string& text)
{
    if (row < 0 || row >= GetItemCount() || column < 0 || column >= GetColumnCount())
        return false;
    m_model->SetCell(row, column, text);
    return true;
}

std::string CSortListCtrl::GetItemText(int row, int column) const
{
    if (row < 0 || row >= GetItemCount())
        return {};
    return m_model->Cell(row, column);
}

bool CSortListCtrl::SetItemData(int row, std::intptr_t data)
{
    if (row < 0 || row >= GetItemCount())
        return false;
    m_model->rows[static_cast<std::size_t>(row)].data = data;
    return true;
}

std::intptr_t CSortListCtrl::GetItemData(int row) const
{
    return row >= 0 && row < GetItemCount() ? m_model->rows[static_cast<std::size_t>(row)].data : 0;
}

int CSortListCtrl::GetItemCount() const
{
    return m_model->rowCount();
}

void CSortListCtrl::DeleteAllItems()
{
    m_model->Clear();
}

int CSortListCtrl::GetSelectionMark() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int CSortListCtrl::FocusedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CSortListCtrl::SetSelectionMark(int row)
{
    if (row < 0 || row >= GetItemCount())
        return;
    setCurrentIndex(m_model->index(row, 0));
    selectionModel()->select(m_model->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool CSortListCtrl::EnsureVisible(int row)
{
    if (row < 0 || row >= GetItemCount())
        return false;
    scrollTo(m_model->index(row, 0), QAbstractItemView::EnsureVisible);
    return true;
}

void CSortListCtrl::SortColumn(int column)
{
    if (column < 0 || column >= kMaxColumns)
        return;
    m_model->Sort(column, ColumnFlags[column]);
    LastSortColumn = column;
}

void CSortListCtrl::Resort()
{
    if (LastSortColumn >= 0)
        SortColumn(LastSortColumn);
}

int CSortListCtrl::HitTestEx(const QPoint& point, int* column) const
{
    if (column)
        *column = 0;
    const QModelIndex at = indexAt(point);
    if (!at.isValid())
        return -1;
    if (column)
        *column = at.column();
    return at.row();
}

CInPlaceEdit* CSortListCtrl::EditCell(int row, int column)
{
    if (!EnsureVisible(row))
        return nullptr;
    if (column < 0 || column >= GetColumnCount() || columnWidth(column) < 5)
        return nullptr;
    // Scroll sideways until the cell shows, or it is at least as wide as the list.
    const QModelIndex cell = m_model->index(row, column);
    QRect rect = visualRect(cell);
    const int clientWidth = viewport()->width();
    while (rect.left() < 0 || rect.right() - 3 > clientWidth) {
        const int before = horizontalScrollBar()->value();
        horizontalScrollBar()->setValue(before + rect.left());
        if (horizontalScrollBar()->value() == before)
            break;
        rect = visualRect(cell);
        if (rect.width() >= clientWidth)
            break;
    }
    rect.setLeft(rect.left() + 4);
    rect.setRight(std::min(rect.right(), clientWidth - 1));

    if (m_edit)
        setFocus(); // ends the edit that is open
    auto* edit = new CInPlaceEdit(this, row, column, GetItemText(row, column));
    edit->setAlignment(AlignmentOf(m_model->columns[static_cast<std::size_t>(column)].format));
    edit->setGeometry(rect);
    edit->show();
    edit->setFocus();
    edit->selectAll();
    m_edit = edit;
    return edit;
}

void CSortListCtrl::OnEndLabelEdit(int row, int column, const std::string* text)
{
    if (text)
        SetItemText(row, column, *text);
}

void CSortListCtrl::OnScroll()
{
    if (m_edit)
        setFocus();
}

void CSortListCtrl::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    const int sideways = horizontalScrollBar()->value();
    QTreeView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(sideways);
}

void CSortListCtrl::mousePressEvent(QMouseEvent* event)
{
    m_rowBeforePress = FocusedRow();
    QTreeView::mousePressEvent(event);
}

void CSortListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeView::mouseDoubleClickEvent(event);
    int column = 0;
    const int row = HitTestEx(event->position().toPoint(), &column);
    if (row < 0)
        return;
    if (row == m_rowBeforePress)
        EditCell(row, column);
    else
        SetSelectionMark(row);
}

CInPlaceEdit::CInPlaceEdit(CSortListCtrl* list, int row, int column, const std::string& text)
    : QLineEdit(list->viewport()), Row(row), Column(column), InitialText(text), m_list(list)
{
    setObjectName(QStringLiteral("101"));
    setAttribute(Qt::WA_DeleteOnClose);
    setReadOnly(true);
    setFont(list->font());
    setText(ToQString(text));
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event)
{
    // Handled here so that the dialog takes neither as its OK or Cancel.
    switch (event->key()) {
    case Qt::Key_Escape:
        Cancelled = true;
        m_list->setFocus();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_list->setFocus();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (m_ended)
        return;
    m_ended = true;
    const std::string text = FromQString(this->text());
    m_list->OnEndLabelEdit(Row, Column, Cancelled ? nullptr : &text);
    close();
}

} // namespace platform
