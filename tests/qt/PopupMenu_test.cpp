#include "platform/qt/PopupMenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using platform::PopupMenu;

const std::vector<PopupMenu::Item> kItems = {
    {1, "&Copy"}, {}, {2, "&Paste"}, {3, "No &Rule"}, {4, "Get &Information"},
};

// 1 enabled, 2 disabled, 3 without a rule, 4 enabled, checked and renamed.
bool Rule(CCmdUI& cmdUI)
{
    switch (cmdUI.m_nID) {
    case 1:
        cmdUI.Enable(true);
        return true;
    case 2:
        cmdUI.Enable(false);
        return true;
    case 4:
        cmdUI.Enable(true);
        cmdUI.SetCheck(1);
        cmdUI.SetText("Get Information for 'Smith && Jones'");
        return true;
    default:
        return false;
    }
}

TEST(PopupMenuTest, OffersEachItemAfterItsRuleAndTakesOnlyAnEnabledChoice)
{
    const struct {
        int choice;
        int expected;
    } cases[] = {{1, 1}, {2, 0}, {3, 0}, {4, 4}, {0, 0}, {99, 0}};
    for (const auto& c : cases) {
        PopupMenu::SetNextChoice(c.choice);
        EXPECT_EQ(PopupMenu::Track(nullptr, kItems, QPoint(10, 10), Rule), c.expected) << c.choice;
        EXPECT_EQ(PopupMenu::PendingChoices(), 0);
    }
    const std::vector<PopupMenu::Offered>& offered = PopupMenu::LastOffered();
    ASSERT_EQ(offered.size(), kItems.size());
    const PopupMenu::Offered expected[] = {{1, "&Copy", true, false},
                                           {0, "", false, false},
                                           {2, "&Paste", false, false},
                                           {3, "No &Rule", false, false},
                                           {4, "Get Information for 'Smith && Jones'", true, true}};
    for (std::size_t i = 0; i < offered.size(); ++i) {
        EXPECT_EQ(offered[i].id, expected[i].id) << i;
        EXPECT_EQ(offered[i].text, expected[i].text) << i;
        EXPECT_EQ(offered[i].enabled, expected[i].enabled) << i;
        EXPECT_EQ(offered[i].checked, expected[i].checked) << i;
    }
}

TEST(PopupMenuTest, TheShownMenuReturnsTheChosenItemOrNothing)
{
    // Without a queued choice the menu really shows; it is answered by keys.
    const struct {
        int activate; // the item made current before the key; 0 none
        Qt::Key key;
        int expected;
    } cases[] = {{4, Qt::Key_Return, 4}, {0, Qt::Key_Escape, 0}};
    for (const auto& c : cases) {
        QStringList shown; // text, enabled, checked of each command
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->isSeparator())
                    continue;
                shown
                    << QStringLiteral("%1 %2 %3").arg(action->text()).arg(action->isEnabled()).arg(action->isChecked());
                if (action->data().toInt() == c.activate)
                    menu->setActiveAction(action);
            }
            QTest::keyClick(menu, c.key);
        });
        EXPECT_EQ(PopupMenu::Track(nullptr, kItems, QPoint(10, 10), Rule), c.expected);
        EXPECT_EQ(shown,
                  (QStringList{"&Copy 1 0", "&Paste 0 0", "No &Rule 0 0", "Get Information for 'Smith && Jones' 1 1"}));
    }
}

TEST(PopupMenuTest, MenuLiteralDoublesEveryAmpersandAndNothingElse)
{
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"", ""},
        {"Smith & Jones", "Smith && Jones"},
        {"&&", "&&&&"},
        {"&a&", "&&a&&"},
        {"/tmp/No\xC3\xAB&l/&.rvmtv", "/tmp/No\xC3\xAB&&l/&&.rvmtv"}, // UTF-8 path
        {"Caf\xE9 & Bar", "Caf\xE9 && Bar"},                          // Windows-1252 title
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::MenuLiteral(c.text), c.shown) << c.text;
    EXPECT_EQ(platform::MenuLiteral(QStringLiteral("No\u00EBl & Co \u4E2D&")),
              QStringLiteral("No\u00EBl && Co \u4E2D&&"));
}

} // namespace
