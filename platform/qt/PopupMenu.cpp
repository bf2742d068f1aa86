#include "platform/qt/PopupMenu.h"

#include "platform/qt/QtText.h"

#include <QAction>
#include <QMenu>
#include <deque>

namespace platform {

namespace {

std::deque<PopupMenu::Answer>& NextChoices()
{
    static std::deque<PopupMenu::Answer> choices;
    return choices;
}

std::vector<PopupMenu::Offered>& Offers()
{
    static std::vector<PopupMenu::Offered> offered;
    return offered;
}

} // namespace

int PopupMenu::Track(QWidget* parent, const std::vector<Item>& items, const QPoint& globalPos, const UpdateRule& update)
{
    std::vector<Offered>& offered = Offers();
    offered.clear();
    for (const Item& item : items) {
        Offered entry{item.id, item.text, false, false};
        if (item.id != 0) {
            CCmdUI cmdUI(item.id);
            const bool handled = update && update(cmdUI);
            entry.enabled = handled && cmdUI.m_enabled;
            entry.checked = handled && cmdUI.m_checkSet && cmdUI.m_checked;
            if (handled && cmdUI.m_textSet)
                entry.text = cmdUI.m_text;
        }
        offered.push_back(entry);
    }

    if (!NextChoices().empty()) {
        const Answer answer = std::move(NextChoices().front());
        NextChoices().pop_front();
        const int choice = answer(offered);
        for (const Offered& entry : offered)
            if (choice != 0 && entry.id == choice && entry.enabled)
                return choice;
        return 0;
    }

    QMenu menu(parent);
    for (const Offered& entry : offered) {
        if (entry.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(ToQString(entry.text));
        action->setData(entry.id);
        action->setEnabled(entry.enabled);
        action->setCheckable(entry.checked);
        action->setChecked(entry.checked);
    }
    const QAction* chosen = menu.exec(globalPos);
    return chosen ? chosen->data().toInt() : 0;
}

const std::vector<PopupMenu::Offered>& PopupMenu::LastOffered()
{
    return Offers();
}

void PopupMenu::SetNextChoice(int id)
{
    NextChoices().push_back([id](const std::vector<Offered>&) { return id; });
}

void PopupMenu::SetNextAnswer(Answer answer)
{
    NextChoices().push_back(std::move(answer));
}

int PopupMenu::PendingChoices()
{
    return static_cast<int>(NextChoices().size());
}

void PopupMenu::ClearChoices()
{
    NextChoices().clear();
}

std::string MenuLiteral(const std::string& text)
{
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        shown += c;
        if (c == '&')
            shown += '&';
    }
    return shown;
}

QString MenuLiteral(const QString& text)
{
    return QString::fromStdString(MenuLiteral(text.toStdString()));
}

} // namespace platform
