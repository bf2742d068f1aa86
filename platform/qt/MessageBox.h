#pragma once
// Message boxes in the framework's terms (button and icon flags in, the pressed
// button's id out). Tests queue the answers of the next boxes; a queued answer is
// returned without showing anything, and the box's text is kept for inspection. In test
// mode a box that nobody answered is not shown either: it is reported, so that a test
// fails at once instead of waiting on a box that no one will press.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class QWidget;

namespace platform {

class MessageBox {
public:
    // Buttons (low nibble) and icons, as the framework numbers them.
    enum Type {
        Ok = 0x0,
        OkCancel = 0x1,
        YesNoCancel = 0x3,
        YesNo = 0x4,
        IconError = 0x10,
        IconQuestion = 0x20,
        IconWarning = 0x30,
        IconInformation = 0x40,
        DefaultButton2 = 0x100, // the second button is the default one
    };
    // Answers.
    enum Answer { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

    // Shows `text` (Windows-1252) with `caption` (the application's title when empty),
    // centred over `parent`'s window. A window not yet on the screen (a dialog that reads
    // its list before it shows) has no place to centre on: the box stands over the window
    // that owns it instead, the main window in the end.
    static int Show(QWidget* parent, const std::string& text, const std::string& caption = {}, int type = Ok);
    // The same for a text that is already Unicode (one that names a file, say).
    static int ShowText(QWidget* parent, const QString& text, const QString& caption, int type);

    // Test hooks.
    static void SetNextAnswer(int answer);
    static int PendingAnswers();
    static void ClearAnswers();
    // Texts of the boxes shown or answered since the last ClearShown, oldest first.
    static const QStringList& Shown();
    static void ClearShown();
    // The parent the last box was given (as Show chose it); null when it had none or the
    // window has gone since.
    static QWidget* LastParent();

    // Test mode, which the test programs set and the program never does: a box without a
    // queued answer calls `unanswered` with its caption and text and returns the answer
    // that does least (Cancel, No, or OK where OK is its only button). An empty function
    // ends test mode.
    using Unanswered = std::function<void(const QString& caption, const QString& text)>;
    static void SetTestMode(Unanswered unanswered);
};

} // namespace platform
