#pragma once
// A prompt that records every message and answers from a script, installed for the
// lifetime of the object.

#include "platform/Prompt.h"

#include <deque>
#include <string>
#include <vector>

namespace testsupport {

class ScriptedPrompt : public platform::IPrompt {
public:
    struct Message {
        std::string text;
        std::string caption;
        unsigned type;
    };

    ScriptedPrompt() { platform::SetPrompt(this); }
    ~ScriptedPrompt() override { platform::SetPrompt(nullptr); }

    // Answers for the next message boxes, in order; without one a box is answered IDCANCEL.
    std::deque<int> answers;
    // File names for the next file dialogs; without one the dialog is cancelled.
    std::deque<std::string> fileNames;

    std::vector<Message> messages;
    int fileDialogs = 0;

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override
    {
        messages.push_back({text, caption, type});
        if (answers.empty())
            return platform::IDCANCEL;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    bool PromptForFileName(std::string& fileName, bool, const platform::CDocTemplate*) override
    {
        ++fileDialogs;
        if (fileNames.empty())
            return false;
        fileName = fileNames.front();
        fileNames.pop_front();
        return true;
    }
};

} // namespace testsupport
