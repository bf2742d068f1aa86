// The hyperlink control and the wide list box.

#include "platform/qt/HyperLink.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/ShellOpen.h"
#include "platform/qt/WideListBox.h"

#include <QDialog>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QScrollBar>
#include <QtTest>

class TestLinkAndListControls : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        platform::MessageBox::ClearShown();
        platform::ShellOpen::ClearOpened();
    }

    void cleanup()
    {
        QCOMPARE(platform::MessageBox::PendingAnswers(), 0);
        QCOMPARE(platform::ShellOpen::PendingResults(), 0);
    }

    void wideListBoxExtentFollowsTheWidestLine()
    {
        CWideListBox box;
        box.resize(80, 100);
        box.show();
        const std::string wide(60, 'W');
        const std::string narrow = "ab";
        const std::string middle(20, 'm');
        QCOMPARE(box.AddString(narrow), 0);
        QCOMPARE(box.HorizontalExtent(), box.TextWidth(narrow) + 6);
        QCOMPARE(box.AddString(wide), 1);
        const int wideExtent = box.TextWidth(wide) + 6;
        QCOMPARE(box.HorizontalExtent(), wideExtent);
        QCOMPARE(box.horizontalScrollBar()->maximum(), wideExtent - box.viewport()->width());
        QCOMPARE(box.InsertString(0, middle), 0);
        QCOMPARE(box.HorizontalExtent(), wideExtent);

        // Lines: middle, narrow, wide. A narrower line goes without a new measurement.
        QCOMPARE(box.DeleteString(1), 2);
        QCOMPARE(box.HorizontalExtent(), wideExtent);
        // The widest: the rest is measured again.
        QCOMPARE(box.DeleteString(1), 1);
        QCOMPARE(box.HorizontalExtent(), box.TextWidth(middle) + 6);
        QCOMPARE(box.GetText(0), middle);

        box.ResetContent();
        QCOMPARE(box.count(), 0);
        QCOMPARE(box.HorizontalExtent(), 0);
        QCOMPARE(box.horizontalScrollBar()->maximum(), 0);
    }

    void wideListBoxRefusesIndexesOutsideTheList()
    {
        CWideListBox box;
        QCOMPARE(box.DeleteString(0), CWideListBox::LB_ERR);
        box.AddString("one");
        box.AddString("two");
        QCOMPARE(box.DeleteString(-1), CWideListBox::LB_ERR);
        QCOMPARE(box.DeleteString(2), CWideListBox::LB_ERR);
        QCOMPARE(box.InsertString(3, "x"), CWideListBox::LB_ERR);
        QCOMPARE(box.InsertString(-2, "x"), CWideListBox::LB_ERR);
        QCOMPARE(box.count(), 2);
        QCOMPARE(box.InsertString(-1, "three"), 2);
        QCOMPARE(box.InsertString(3, "four"), 3);
        QCOMPARE(box.GetText(3), std::string("four"));
        QCOMPARE(box.GetText(9), std::string());
    }

    void wideListBoxMeasuresInTheCopiedFontAndKeepsWindowsText()
    {
        CWideListBox box;
        QFont big = box.font();
        big.setPointSize(big.pointSize() * 3);
        box.CopyFont(big);
        const std::string text = "Caf\xe9 Society (1958)";
        box.AddString(text);
        QCOMPARE(box.HorizontalExtent(), QFontMetrics(big).horizontalAdvance(QString::fromLatin1(text.c_str())) + 6);
        QVERIFY(box.HorizontalExtent() > QFontMetrics(box.font()).horizontalAdvance(QStringLiteral("Caf")) * 3);
        QCOMPARE(box.GetText(0), text);
        QCOMPARE(box.item(0)->text(), QString::fromUtf8("Caf\u00e9 Society (1958)"));
    }

    void linkTakesItsTargetFromTheTextAndShowsIt()
    {
        QDialog dialog;
        CHyperLink link(QStringLiteral("https://www.zuvo.example/"), &dialog);
        link.setGeometry(10, 10, 400, 40);
        dialog.show();
        QCOMPARE(link.GetURL(), std::string("https://www.zuvo.example/"));
        QCOMPARE(link.toolTip(), QStringLiteral("https://www.zuvo.example/"));
        QVERIFY(link.font().underline());
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        // Sized to its text.
        QCOMPARE(link.width(), QFontMetrics(link.font()).size(Qt::TextSingleLine, link.text()).width());

        CHyperLink empty(&dialog);
        empty.SetURL("mailto:someone@zuvo.example");
        empty.SetUnderline(false);
        empty.show();
        QCOMPARE(empty.text(), QStringLiteral("mailto:someone@zuvo.example"));
        QVERIFY(!empty.font().underline());
        empty.SetURL("https://other.example/");
        QCOMPARE(empty.toolTip(), QStringLiteral("https://other.example/"));
    }

    void linkSizedToItsTextKeepsItsPlace_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("centredVertically");
        QTest::newRow("static default") << -1 << false;
        QTest::newRow("centred") << int(Qt::AlignHCenter | Qt::AlignTop) << false;
        QTest::newRow("centre image") << int(Qt::AlignLeft | Qt::AlignVCenter) << true;
    }

    void linkSizedToItsTextKeepsItsPlace()
    {
        QFETCH(int, alignment);
        QFETCH(bool, centredVertically);
        QDialog dialog;
        CHyperLink link(QStringLiteral("https://www.zuvo.example/"), &dialog);
        if (alignment >= 0)
            link.setAlignment(Qt::Alignment(alignment));
        link.setGeometry(10, 20, 400, 40);
        dialog.show();
        const int height = QFontMetrics(link.font()).size(Qt::TextSingleLine, link.text()).height();
        QCOMPARE(link.height(), height);
        QCOMPARE(link.y(), centredVertically ? 20 + (40 - height) / 2 : 20);
    }

    void hoverAndVisitChooseTheColour()
    {
        QDialog dialog;
        CHyperLink link(QStringLiteral("https://www.zuvo.example/"), &dialog);
        dialog.show();
        QCOMPARE(link.CurrentColour(), CHyperLink::RGB(0, 0, 238));
        link.SetColours(CHyperLink::RGB(1, 2, 3), CHyperLink::RGB(4, 5, 6), CHyperLink::RGB(7, 8, 9));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(&link, &enter);
        QVERIFY(link.IsOverControl());
        QCOMPARE(link.CurrentColour(), CHyperLink::RGB(7, 8, 9));
        QCOMPARE(link.palette().color(QPalette::WindowText), QColor(7, 8, 9));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&link, &leave);
        QCOMPARE(link.CurrentColour(), CHyperLink::RGB(1, 2, 3));
        link.SetVisited(true);
        QCOMPARE(link.CurrentColour(), CHyperLink::RGB(4, 5, 6));
        // The default hover colour is the system highlight.
        link.SetColours(CHyperLink::RGB(1, 2, 3), CHyperLink::RGB(4, 5, 6));
        const QColor highlight = QApplication::palette().color(QPalette::Highlight);
        QCOMPARE(link.GetHoverColour(), CHyperLink::RGB(highlight.red(), highlight.green(), highlight.blue()));
    }

    void aSuccessfulClickOpensTheTargetAndMarksTheLinkVisited()
    {
        QDialog dialog;
        CHyperLink link(QStringLiteral("https://www.zuvo.example/"), &dialog);
        dialog.show();
        platform::ShellOpen::SetNextResult(42);
        const int beeps = platform::BeepCount();
        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(platform::ShellOpen::Opened(), QStringList{"https://www.zuvo.example/"});
        QVERIFY(link.GetVisited());
        QCOMPARE(link.palette().color(QPalette::WindowText), QColor(85, 26, 139));
        QCOMPARE(platform::BeepCount(), beeps);
        QVERIFY(platform::MessageBox::Shown().isEmpty());
    }

    void aFailedClickBeepsAndReportsTheCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("2") << 2 << "The specified file was not found.";
        QTest::newRow("26") << 26 << "A sharing violation occurred. ";
        QTest::newRow("31") << 31 << "There is no application associated\nwith the given filename extension.";
        QTest::newRow("0") << 0 << "The operating system is out\nof memory or resources.";
        QTest::newRow("7") << 7 << "Unknown Error (7) occurred.";
        QTest::newRow("32") << 32 << "The specified dynamic-link library was not found.";
    }

    void aFailedClickBeepsAndReportsTheCode()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QDialog dialog;
        CHyperLink link(QStringLiteral("https://www.zuvo.example/"), &dialog);
        dialog.show();
        platform::ShellOpen::SetNextResult(code);
        platform::MessageBox::SetNextAnswer(platform::MessageBox::IdOk);
        const int beeps = platform::BeepCount();
        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(platform::MessageBox::Shown(), QStringList{"Unable to open hyperlink:\n\n" + text});
        QCOMPARE(platform::BeepCount(), beeps + 1);
        QVERIFY(!link.GetVisited());
    }
};

QTEST_MAIN(TestLinkAndListControls)
#include "tst_LinkAndListControls.moc"
