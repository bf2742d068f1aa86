#include "shell/browsers/TitleListView.h"

#include "platform/qt/QtText.h"

#include <QAbstractListModel>
#include <QEvent>
#include <QFontMetrics>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>

// Rows are arena indices; the texts are made for the rows on screen only.
class TitleListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !titles || !index.isValid() ||
            static_cast<std::size_t>(index.row()) >= rows.size())
            return {};
        return platform::ToQString((*titles)[rows[static_cast<std::size_t>(index.row())]]);
    }

    void Append(std::vector<std::uint32_t>&& indices)
    {
        const int first = static_cast<int>(rows.size());
        beginInsertRows({}, first, first + static_cast<int>(indices.size()) - 1);
        if (rows.empty())
            rows.swap(indices); // a whole list comes without a copy
        else
            rows.insert(rows.end(), indices.begin(), indices.end());
        endInsertRows();
    }
    void Clear()
    {
        beginResetModel();
        rows.clear();
        rows.shrink_to_fit();
        endResetModel();
    }

    const shellcore::CTitleArena* titles = nullptr;
    std::vector<std::uint32_t> rows;
};

namespace {

// Every row is as wide as the widest (the view asks one row for the size of all).
class TitleDelegate : public QStyledItemDelegate {
public:
    explicit TitleDelegate(CTitleListView* view) : QStyledItemDelegate(view), m_view(view) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(m_view->WidestExtent());
        return size;
    }

private:
    CTitleListView* m_view;
};

// Candidates whose estimated width comes this close to the widest are measured exactly
// (the estimate knows no kerning); at most this many.
constexpr double kCandidateShare = 0.95;
constexpr std::size_t kMaxMeasured = 64;
// Rows laid out between two looks at the event queue.
constexpr int kLayoutBatch = 50000;

} // namespace

CTitleListView::CTitleListView(QWidget* parent) : QListView(parent), m_model(new TitleListModel(this))
{
    setModel(m_model);
    setItemDelegate(new TitleDelegate(this));
    setUniformItemSizes(true);
    // A list of millions is shown at once and laid out in batches while events go on.
    setLayoutMode(QListView::Batched);
    setBatchSize(kLayoutBatch);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    MeasureAdvances();
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        // A single-selection list box has no way to deselect: an emptied selection is no change.
        if (GetCurSel() >= 0)
            emit SelectionChanged();
    });
}

CTitleListView::~CTitleListView() = default;

void CTitleListView::SetTitles(const shellcore::CTitleArena* titles)
{
    ResetContent();
    m_titles = titles;
    m_model->titles = titles;
}

void CTitleListView::AddTitles(std::vector<std::uint32_t> indices)
{
    if (indices.empty() || !m_titles)
        return;
    const QSignalBlocker blocker(this);
    GrowExtent(indices);
    m_model->Append(std::move(indices));
}

void CTitleListView::ResetContent()
{
    const QSignalBlocker blocker(this);
    m_widestExtent = 0;
    m_widestEstimate = 0;
    m_model->Clear();
}

int CTitleListView::GetCount() const
{
    return static_cast<int>(m_model->rows.size());
}

long long CTitleListView::TitleAt(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_model->rows.size())
        return -1;
    return m_model->rows[static_cast<std::size_t>(row)];
}

std::string CTitleListView::GetText(int row) const
{
    const long long index = TitleAt(row);
    return index < 0 || !m_titles ? std::string() : std::string((*m_titles)[static_cast<std::size_t>(index)]);
}

int CTitleListView::GetCurSel() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void CTitleListView::changeEvent(QEvent* event)
{
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        MeasureAdvances();
        m_widestExtent = 0;
        m_widestEstimate = 0;
        GrowExtent(m_model->rows);
    }
}

void CTitleListView::MeasureAdvances()
{
    const QFontMetrics metrics(font());
    m_maxAdvance = 1;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        m_advance[static_cast<std::size_t>(byte)] = metrics.horizontalAdvance(platform::ToQString({&c, 1}));
        m_maxAdvance = std::max(m_maxAdvance, m_advance[static_cast<std::size_t>(byte)]);
    }
}

void CTitleListView::GrowExtent(const std::vector<std::uint32_t>& indices)
{
    if (!m_titles)
        return;
    struct Candidate {
        long long estimate;
        std::uint32_t index;
    };
    std::vector<Candidate> candidates;
    long long widest = m_widestEstimate;
    for (const std::uint32_t index : indices) {
        const std::string_view text = (*m_titles)[index];
        // No byte is wider than the widest one: most rows are passed on their length alone.
        const long long bound = static_cast<long long>(text.size()) * m_maxAdvance;
        if (bound < widest * kCandidateShare)
            continue;
        long long estimate = 0;
        for (const char c : text)
            estimate += m_advance[static_cast<unsigned char>(c)];
        if (estimate < widest * kCandidateShare)
            continue;
        widest = std::max(widest, estimate);
        candidates.push_back({estimate, index});
        if (candidates.size() > 4 * kMaxMeasured) {
            std::erase_if(candidates, [&](const Candidate& c) { return c.estimate < widest * kCandidateShare; });
            if (candidates.size() > 2 * kMaxMeasured) {
                std::nth_element(candidates.begin(), candidates.begin() + kMaxMeasured, candidates.end(),
                                 [](const Candidate& a, const Candidate& b) { return a.estimate > b.estimate; });
                candidates.resize(kMaxMeasured);
            }
        }
    }
    m_widestEstimate = widest;
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.estimate > b.estimate; });
    if (candidates.size() > kMaxMeasured)
        candidates.resize(kMaxMeasured);
    const QFontMetrics metrics(font());
    for (const Candidate& candidate : candidates) {
        if (candidate.estimate < widest * kCandidateShare)
            break;
        const int width = metrics.horizontalAdvance(platform::ToQString((*m_titles)[candidate.index]));
        m_widestExtent = std::max(m_widestExtent, width + kExtentMargin);
    }
}
