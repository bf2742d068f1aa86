#pragma once
// The text of the console window as a console program's output builds it up. Backspaces
// take back the characters before them, which is how a program redraws a progress figure
// in place; they take effect when the next ordinary character of the same channel comes,
// also when a read of the program's output ends between the two. Every change happens at
// the end of the text, so each piece of output comes down to one Change that a text
// control applies at its end.

#include <cstddef>
#include <string>
#include <string_view>

namespace shellcore {

class CConsoleText {
public:
    // Where a text comes from; each channel keeps its own backspaces not yet applied.
    enum Channel { kOwnText, kStdout, kStderr, kChannelCount };

    // Remove the last `removed` UTF-16 units of the text, then append `inserted`.
    struct Change {
        std::size_t removed = 0;
        std::u16string inserted;
    };

    // Appends `text` written on `channel`: a backspace takes back one character (a
    // surrogate pair is one), never more than the text holds; "\r" and NUL are dropped, so
    // "\r\n" is one line end however the reads split it.
    Change Append(Channel channel, std::u16string_view text);
    // Empties the text and forgets pending backspaces.
    void Clear();

    const std::u16string& Text() const { return m_text; }

private:
    void TakeBack(std::size_t characters);

    std::u16string m_text;
    std::size_t m_pendingBackspaces[kChannelCount] = {};
};

} // namespace shellcore
