#include "platform/Prompt.h"

#include <atomic>

namespace platform {

namespace {

class SilentPrompt : public IPrompt {
public:
    int MessageBox(const std::string&, const std::string&, unsigned type) override
    {
        switch (type & MB_BUTTONMASK) {
        case MB_OK:
            return IDOK;
        case MB_YESNO:
            return IDNO;
        default:
            return IDCANCEL;
        }
    }
    bool PromptForFileName(std::string&, bool, const CDocTemplate*) override { return false; }
};

SilentPrompt g_silentPrompt;
std::atomic<IPrompt*> g_prompt{nullptr};
std::string g_appName = "Reelvoyager";

} // namespace

IPrompt& Prompt()
{
    IPrompt* prompt = g_prompt.load();
    return prompt ? *prompt : g_silentPrompt;
}

void SetPrompt(IPrompt* prompt)
{
    g_prompt.store(prompt);
}

const std::string& AppName()
{
    return g_appName;
}

void SetAppName(const std::string& name)
{
    g_appName = name;
}

int AppMessageBox(const std::string& text, unsigned type)
{
    return Prompt().MessageBox(text, AppName(), type);
}

} // namespace platform
