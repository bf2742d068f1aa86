#pragma once
// Right-click popup menus in the framework's terms: items by command id, each item's
// update rule run before the menu shows (the same CCmdUI rules the main menus use), the
// chosen command's id out, 0 for none. Tests queue the next choices: a queued choice is
// answered without showing the menu, and is taken only when its item is enabled.
//
//     const int id = platform::PopupMenu::Track(this, {{ID_EDIT_COPY, "&Copy"}, {},
//         {ID_LINK_OPEN, "&Open"}}, event->globalPos(), [this](CCmdUI& ui) { return OnUpdateCommand(ui); });

#include "platform/CmdUI.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace platform {

class PopupMenu {
public:
    // A command (id above 0) with its text, or a separator (id 0). Texts are
    // Windows-1252; a '&' marks the mnemonic, so a text meant to show as it is (a title,
    // a name, a path) goes through MenuLiteral (in texts that an update rule sets as well).
    struct Item {
        int id = 0;
        std::string text;
    };
    // An item as it was offered, after its update rule.
    struct Offered {
        int id = 0;
        std::string text;
        bool enabled = false;
        bool checked = false;
    };
    // Fills `cmdUI` for its command and returns true, or returns false when it has no
    // rule for that command; such an item is disabled, as in the main menus.
    using UpdateRule = std::function<bool(CCmdUI&)>;

    // Runs the update rule of every item, shows the menu at `globalPos` and returns the
    // chosen item's id; 0 when the menu is dismissed.
    static int Track(QWidget* parent, const std::vector<Item>& items, const QPoint& globalPos,
                     const UpdateRule& update);

    // Test hooks. The items of the last menu tracked, separators included, in order.
    static const std::vector<Offered>& LastOffered();
    // Queues the choice of the next menu; 0 dismisses it. A choice whose item is missing
    // or disabled also gives 0.
    static void SetNextChoice(int id);
    // Queues an answer that runs where the next menu would be open (so it may do what
    // could happen meanwhile, such as a rebuild of the window's text) and returns the
    // choice, on the same terms as SetNextChoice.
    using Answer = std::function<int(const std::vector<Offered>&)>;
    static void SetNextAnswer(Answer answer);
    static int PendingChoices();
    static void ClearChoices();
};

// `text` for a menu item (popup or main menu) that shows it as it is: each '&' doubled,
// so that none is taken as the item's mnemonic. Windows-1252 and UTF-8 texts alike ('&'
// is never a byte of a longer UTF-8 character).
std::string MenuLiteral(const std::string& text);
QString MenuLiteral(const QString& text);

} // namespace platform
