// The sortable list control and its in-place edit.

#include "platform/qt/SortListCtrl.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QtTest>

using platform::CInPlaceEdit;
using platform::CSortListCtrl;

namespace {

// A list of three columns: Number (numeric, ascending), Text (text, ascending) and
// Votes (numeric, descending), one row per text, each row's data its place in `texts`.
void Fill(CSortListCtrl& list, const std::vector<std::string>& texts)
{
    list.InsertColumn(0, "Number", CSortListCtrl::FormatLeft, 60, true, true);
    list.InsertColumn(1, "Text", CSortListCtrl::FormatLeft, 60, false, true);
    list.InsertColumn(2, "Votes", CSortListCtrl::FormatRight, 60, true, false);
    std::vector<CSortListCtrl::Row> rows;
    for (std::size_t i = 0; i < texts.size(); ++i)
        rows.push_back({{texts[i], texts[i], texts[i]}, static_cast<std::intptr_t>(i)});
    list.AddRows(std::move(rows));
}

QStringList Column(const CSortListCtrl& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts << QString::fromStdString(list.GetItemText(row, column));
    return texts;
}

QPoint CellCenter(const CSortListCtrl& list, int row, int column)
{
    return list.visualRect(list.model()->index(row, column)).center();
}

} // namespace

class TestSortListCtrl : public QObject {
    Q_OBJECT

private slots:
    void sortsByTheColumnsDeclaredWay_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("number ascending") << 0 << QStringList{"_a", "9", "9.2", "10", "100"};
        QTest::newRow("text ascending") << 1 << QStringList{"10", "100", "9", "9.2", "_a"};
        QTest::newRow("number descending") << 2 << QStringList{"100", "10", "9.2", "9", "_a"};
    }
    void sortsByTheColumnsDeclaredWay()
    {
        QFETCH(int, column);
        QFETCH(QStringList, order);
        const std::vector<std::string> texts = {"10", "9", "100", "_a", "9.2"};
        CSortListCtrl list;
        Fill(list, texts);
        list.SetSelectionMark(1); // "9"
        // The heading sorts; a second click sorts the same way again.
        for (int click = 0; click < 2; ++click) {
            emit list.header()->sectionClicked(column);
            QCOMPARE(Column(list, 0), order);
            QCOMPARE(list.LastSortColumn, column);
        }
        // Each row keeps its data, and the current row stays on its row.
        for (int row = 0; row < list.GetItemCount(); ++row)
            QCOMPARE(list.GetItemText(row, 1), texts[static_cast<std::size_t>(list.GetItemData(row))]);
        QCOMPARE(list.GetItemText(list.GetSelectionMark(), 0), std::string("9"));
    }

    void refusesColumnsOutsideItsRange()
    {
        CSortListCtrl list;
        Fill(list, {"b", "a"});
        QCOMPARE(list.InsertColumn(255, "Too far", 0, 50, false, true), -1);
        QCOMPARE(list.InsertColumn(-1, "Negative", 0, 50, false, true), -1);
        QCOMPARE(list.GetColumnCount(), 3);
        // Nothing sorted yet: Resort and a refused column change nothing.
        list.Resort();
        list.SortColumn(-1);
        QCOMPARE(Column(list, 0), (QStringList{"b", "a"}));
        QCOMPARE(list.LastSortColumn, -1);
        list.SortColumn(1);
        list.InsertItem("0");
        list.Resort();
        QCOMPARE(Column(list, 0), (QStringList{"0", "a", "b"}));
    }

    void doubleClickFocusesThenEdits()
    {
        CSortListCtrl list;
        Fill(list, {"10", "9", "100"});
        list.resize(300, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QPoint cell = CellCenter(list, 1, 1);
        auto doubleClick = [&] {
            QTest::mousePress(list.viewport(), Qt::LeftButton, {}, cell);
            QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, cell);
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, cell);
        };
        // A row with the focus but not selected is no selection mark.
        list.selectionModel()->setCurrentIndex(list.model()->index(0, 0), QItemSelectionModel::NoUpdate);
        QCOMPARE(list.GetSelectionMark(), -1);
        doubleClick();
        QCOMPARE(list.GetSelectionMark(), 1);
        QVERIFY(!list.InPlaceEdit());

        doubleClick();
        CInPlaceEdit* edit = list.InPlaceEdit();
        QVERIFY(edit);
        QCOMPARE(edit->objectName(), QStringLiteral("101"));
        QVERIFY(edit->isReadOnly());
        QCOMPARE(edit->text(), QStringLiteral("9"));
        QCOMPARE(edit->selectedText(), QStringLiteral("9"));
        QCOMPARE(edit->Row, 1);
        QCOMPARE(edit->Column, 1);
        QVERIFY(edit->hasFocus());

        // Escape closes it and leaves the cell as it was; so does Enter.
        QTest::keyClick(edit, Qt::Key_Escape);
        QTRY_VERIFY(!list.InPlaceEdit());
        QCOMPARE(list.GetItemText(1, 1), std::string("9"));
        QVERIFY(list.hasFocus());
        QVERIFY(list.EditCell(1, 1));
        QTest::keyClick(list.InPlaceEdit(), Qt::Key_Return);
        QTRY_VERIFY(!list.InPlaceEdit());
        QCOMPARE(list.GetItemText(1, 1), std::string("9"));

        // A scroll ends an open edit too.
        QVERIFY(list.EditCell(0, 0));
        list.horizontalScrollBar()->setMaximum(100);
        list.horizontalScrollBar()->setValue(50);
        QTRY_VERIFY(!list.InPlaceEdit());
        // No edit for a narrow column, a missing row or column.
        list.setColumnWidth(2, 4);
        QVERIFY(!list.EditCell(0, 2));
        QVERIFY(!list.EditCell(3, 0));
        QVERIFY(!list.EditCell(0, 3));
    }

    void hitTestFollowsTheHorizontalScroll()
    {
        CSortListCtrl list;
        list.InsertColumn(0, "A", 0, 300, false, true);
        list.InsertColumn(1, "B", 0, 300, false, true);
        list.InsertColumn(2, "C", 0, 300, false, true);
        list.AddRows({{{"a0", "b0", "c0"}, 0}, {{"a1", "b1", "c1"}, 1}});
        list.resize(250, 150);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.horizontalScrollBar()->setValue(320);
        const QPoint point(10, CellCenter(list, 1, 0).y());
        int column = -1;
        QCOMPARE(list.HitTestEx(point, &column), 1);
        QCOMPARE(column, 1);
        QCOMPARE(list.HitTestEx(QPoint(10, 140), &column), -1);
        // The edit opens over the cell under the mouse, scrolled into view.
        list.SetSelectionMark(1);
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, point);
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, point);
        QVERIFY(list.InPlaceEdit());
        QCOMPARE(list.InPlaceEdit()->text(), QStringLiteral("b1"));
        QCOMPARE(list.InPlaceEdit()->x(), list.visualRect(list.model()->index(1, 1)).left() + 4);
        QCOMPARE(list.visualRect(list.model()->index(1, 1)).left(), 0);
    }
};

QTEST_MAIN(TestSortListCtrl)
#include "tst_SortListCtrl.moc"
