#pragma once
// The text of the console window as a console program's output builds it up. Backspaces
// take back the characters before them, which is how a program redraws a progress figure
// in place; they take effect when the next ordinary character of the same channel comes,
// also when a read of the program's output ends between the two. Every change happens at
// the end of the text, so whatever was appended since the control last caught up comes
// down to one Change that the control applies at its end. The text itself lives in the
// control; this keeps only what the control has not been given yet.

#include <cstddef>
#include <string>
#include <string_view>

namespace shellcore {

class CConsoleText {
public:
    // Where a text comes from; each channel keeps its own backspaces not yet applied.
    enum Channel { kOwnText, kStdout, kStderr, kChannelCount };

    // Remove the last `removed` UTF-16 units of the control's text, then append `inserted`
    // (which stays valid until the next call of another member).
    struct Change {
        std::size_t removed = 0;
        std::u16string_view inserted;
    };

    // Appends `text` written on `channel`: a backspace takes back one character (a
    // surrogate pair is one, as far back as the last few thousand units), never more than
    // the text holds; "\r" and NUL are dropped, so "\r\n" is one line end however the
    // reads split it.
    void Append(Channel channel, std::u16string_view text);
    // What turns the control's text, as of the previous TakeChange (or Clear), into the
    // text now.
    Change TakeChange();
    // Starts again from an empty control, with no pending backspaces.
    void Clear();

private:
    void TakeBack(std::size_t characters);
    void ForgetTaken();
    // The unit at `index` of the control's text, or 0 where it is no longer known.
    char16_t ShownAt(std::size_t index) const;

    // Appended since the last TakeChange; once taken, emptied by the next call (its buffer
    // serves again).
    std::u16string m_pending;
    bool m_pendingTaken = false;
    // Units the control holds, and how many of them are to go at its end.
    std::size_t m_shown = 0;
    std::size_t m_removed = 0;
    // The control's last units, enough to tell a surrogate pair from two characters.
    std::u16string m_shownTail;
    std::size_t m_pendingBackspaces[kChannelCount] = {};
};

} // namespace shellcore
