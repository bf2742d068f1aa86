#pragma once
// The documents' questions and file-name prompts on real dialogs, through the message
// box and file dialog wrappers (so tests answer them through their hooks).

#include "platform/Prompt.h"

class QWidget;

namespace platform {

class QtPrompt : public IPrompt {
public:
    // `parent` (may be null) owns the dialogs.
    explicit QtPrompt(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    bool PromptForFileName(std::string& fileName, bool save, const CDocTemplate* docTemplate) override;

private:
    QWidget* m_parent;
};

} // namespace platform
