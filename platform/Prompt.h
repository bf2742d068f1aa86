#pragma once
// Questions and messages to the user, and the file-name dialog, behind an interface: the
// Qt half of the platform implements it with real dialogs, tests with scripted answers,
// so document and command logic runs without widgets.

#include <string>

namespace platform {

// Button and icon choices, combined with |, and the answers. Same numbers as the
// framework's message boxes.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_BUTTONMASK = 0xF;
constexpr unsigned MB_DEFBUTTON2 = 0x100; // the second button (No, Cancel) is the default

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class CDocTemplate;

class IPrompt {
public:
    virtual ~IPrompt() = default;
    // Shows `text` with `caption` (both UTF-8: a message may name a file) and the buttons
    // of `type`; returns the answer.
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
    // Asks for a file name to save (`save` true) or open. `fileName` holds the proposal
    // and receives the choice as the dialog gave it; false when the user cancelled.
    // `docTemplate` (may be null) gives the filter; the document adds its extension.
    virtual bool PromptForFileName(std::string& fileName, bool save, const CDocTemplate* docTemplate) = 0;
};

// The prompt in force. Without one installed, every question gets the answer that
// changes nothing (OK for a plain message, Cancel or No for a question) and no file
// name is chosen.
IPrompt& Prompt();
// Installs `prompt` (not owned; null restores the silent default).
void SetPrompt(IPrompt* prompt);

// The application's name, the caption of its messages ("Reelvoyager" by default).
const std::string& AppName();
void SetAppName(const std::string& name);

// A message (UTF-8) captioned with the application's name.
int AppMessageBox(const std::string& text, unsigned type = MB_OK);

} // namespace platform
