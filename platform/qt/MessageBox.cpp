#include "platform/qt/MessageBox.h"

#include "platform/qt/QtText.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>
#include <deque>

namespace platform {

namespace {

std::deque<int>& NextAnswers()
{
    static std::deque<int> answers;
    return answers;
}

QStringList& ShownTexts()
{
    static QStringList texts;
    return texts;
}

MessageBox::Unanswered& UnansweredBox()
{
    static MessageBox::Unanswered unanswered;
    return unanswered;
}

int LeastAnswer(int type)
{
    switch (type & 0x0F) {
    case MessageBox::OkCancel:
    case MessageBox::YesNoCancel:
        return MessageBox::IdCancel;
    case MessageBox::YesNo:
        return MessageBox::IdNo;
    default:
        return MessageBox::IdOk;
    }
}

QPointer<QWidget>& LastParentWidget()
{
    static QPointer<QWidget> parent;
    return parent;
}

// A dialog that is being shown is visible before the window system has its window: only
// then has it been placed, so that a box can be centred on it.
bool IsOnScreen(const QWidget* window)
{
    return window->isVisible() && window->windowHandle() && window->windowHandle()->isVisible();
}

QWidget* BoxParent(QWidget* parent)
{
    QWidget* window = parent ? parent->window() : nullptr;
    if (!window || IsOnScreen(window))
        return parent;
    while (window && !IsOnScreen(window))
        window = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    return window;
}

} // namespace

int MessageBox::Show(QWidget* parent, const std::string& text, const std::string& caption, int type)
{
    return ShowText(parent, ToQString(text), ToQString(caption), type);
}

int MessageBox::ShowText(QWidget* parent, const QString& message, const QString& caption, int type)
{
    ShownTexts().append(message);
    parent = BoxParent(parent);
    LastParentWidget() = parent;
    if (!NextAnswers().empty()) {
        const int answer = NextAnswers().front();
        NextAnswers().pop_front();
        return answer;
    }
    const QString title = caption.isEmpty() ? QApplication::applicationName() : caption;
    if (UnansweredBox()) {
        UnansweredBox()(title, message);
        return LeastAnswer(type);
    }

    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(message);
    switch (type & 0xF0) {
    case IconError:
        box.setIcon(QMessageBox::Critical);
        break;
    case IconQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case IconWarning:
        box.setIcon(QMessageBox::Warning);
        break;
    case IconInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    switch (type & 0x0F) {
    case OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    // The second button: Cancel after OK, No after Yes.
    if (type & DefaultButton2)
        box.setDefaultButton((type & 0x0F) == OkCancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return IdOk;
    case QMessageBox::Yes:
        return IdYes;
    case QMessageBox::No:
        return IdNo;
    default:
        return (type & 0x0F) == Ok ? IdOk : IdCancel;
    }
}

void MessageBox::SetNextAnswer(int answer)
{
    NextAnswers().push_back(answer);
}
void MessageBox::ClearAnswers()
{
    NextAnswers().clear();
}
int MessageBox::PendingAnswers()
{
    return static_cast<int>(NextAnswers().size());
}
const QStringList& MessageBox::Shown()
{
    return ShownTexts();
}
void MessageBox::ClearShown()
{
    ShownTexts().clear();
}
QWidget* MessageBox::LastParent()
{
    return LastParentWidget();
}
void MessageBox::SetTestMode(Unanswered unanswered)
{
    UnansweredBox() = std::move(unanswered);
}

} // namespace platform
