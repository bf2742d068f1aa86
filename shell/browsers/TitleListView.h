#pragma once
// The title list of the list browsers: a list view over rows that index a title arena, so
// that millions of titles cost a few bytes each and fill in a blink. Rows keep the order
// they were added in (never sorted); one row is selected at a time. The horizontal extent
// follows the widest row (plus 6 pixels), as the wide list box's does.

#include "shell/core/TitleArena.h"

#include <QListView>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TitleListModel;

class CTitleListView : public QListView {
    Q_OBJECT
public:
    // Room beside the text of the widest row.
    static constexpr int kExtentMargin = 6;

    explicit CTitleListView(QWidget* parent = nullptr);
    ~CTitleListView() override;

    // The titles the rows index (not owned; must outlive the rows that show them).
    void SetTitles(const shellcore::CTitleArena* titles);

    // Appends rows for the titles `indices` (indices into the arena).
    void AddTitles(std::vector<std::uint32_t> indices);
    void ResetContent();

    int GetCount() const;
    // The arena index that row `row` shows; -1 outside the list.
    long long TitleAt(int row) const;
    // The text of row `row` (empty outside the list).
    std::string GetText(int row) const;
    // The selected row, or -1.
    int GetCurSel() const;

    int WidestExtent() const { return m_widestExtent; }

signals:
    // The user selected another row (never raised by the calls above).
    void SelectionChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Widens the extent to the widest of `indices`: the per-byte advances of the font give
    // each row's width cheaply; the few widest are measured exactly.
    void GrowExtent(const std::vector<std::uint32_t>& indices);
    void MeasureAdvances();

    TitleListModel* m_model;
    const shellcore::CTitleArena* m_titles = nullptr;
    std::array<int, 256> m_advance{};
    int m_maxAdvance = 1;
    int m_widestExtent = 0;
    // The widest per-byte estimate among the rows so far.
    long long m_widestEstimate = 0;
};
