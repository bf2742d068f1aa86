#pragma once
// The shell's "open" of a web address, a mail link or a file, answered with the
// framework's result codes: above 32 on success, an error code (0-32) otherwise. Tests
// queue the next results; a queued result is returned without opening anything, and
// every target is kept for inspection.

#include <QStringList>
#include <string>

namespace platform {

class ShellOpen {
public:
    // No application could be found for the target.
    static constexpr int kNoAssociation = 31;
    // OpenWebAddress refused a target that is no web address.
    static constexpr int kNotWebAddress = 5;
    static constexpr int kSuccess = 42;

    // Opens `target` (Windows-1252) with the desktop's handler for it.
    static int Open(const std::string& target);
    // Opens `target` only when it is an http or https address (one that starts with
    // "www." as http): a target taken from a document file must not open a local file or
    // run another scheme's handler. Anything else opens nothing and gives kNotWebAddress,
    // without taking a queued result or being kept for the test hooks.
    static int OpenWebAddress(const std::string& target);

    // Test hooks.
    static void SetNextResult(int result);
    static int PendingResults();
    static void ClearResults();
    static const QStringList& Opened();
    static void ClearOpened();
};

// The default beep (type 0) or the exclamation beep (0x30). Tests count them.
void MessageBeep(unsigned type = 0);
int BeepCount();

} // namespace platform
