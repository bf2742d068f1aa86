#include "shell/core/ConsoleText.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using shellcore::CConsoleText;

namespace {

constexpr auto O = CConsoleText::kStdout;
constexpr auto E = CConsoleText::kStderr;
constexpr auto S = CConsoleText::kOwnText;

// Each row: the pieces a console receives in order, and the text it shows at the end. A
// control that applies the changes at its end shows the same text, whether it catches up
// after every piece or only at the end.
TEST(ConsoleText, PiecesGiveTheTextShown)
{
    const struct {
        const char* name;
        std::vector<std::pair<CConsoleText::Channel, std::u16string>> pieces;
        std::u16string shown;
    } rows[] = {
        {"plain", {{O, u"abc"}, {O, u"def"}}, u"abcdef"},
        {"progress in one piece", {{O, u"File (000%)"}, {O, u"\b\b\b\b\b\b(050%)\b\b\b\b\b\b(100%)"}}, u"File (100%)"},
        {"backspaces end a piece", {{O, u"File (000%)\b\b\b\b\b\b"}, {O, u"(050%)"}}, u"File (050%)"},
        {"backspaces split", {{O, u"File (000%)\b\b\b"}, {O, u"\b\b\b(050%)"}}, u"File (050%)"},
        {"backspaces wait for the next character", {{O, u"Done\b\b"}}, u"Done"},
        {"more backspaces than text", {{O, u"ab"}, {O, u"\b\b\b\b\b\bX"}}, u"X"},
        {"backspace takes back a line end", {{O, u"a\r\n\bb"}}, u"ab"},
        {"each channel its own backspaces", {{O, u"out\b\b"}, {E, u"err\n"}, {O, u"X"}}, u"outerX"},
        {"own text keeps no backspaces of output", {{O, u"x\b"}, {S, u"\r\nProgram Ended."}}, u"x\nProgram Ended."},
        {"CR LF split across pieces", {{O, u"a\r"}, {O, u"\nb\r\n"}}, u"a\nb\n"},
        {"lone CR dropped", {{O, u"50%\r60%"}}, u"50%60%"},
        {"NUL skipped, not an end", {{O, std::u16string(u"a\0b", 3)}}, u"ab"},
        {"surrogate pair is one character", {{O, u"x\U0001F600"}, {O, u"\by"}}, u"xy"},
        {"taking back what was shown", {{O, u"abc"}, {O, u"\b\b"}, {O, u"X"}, {O, u"\b\b\bYZ"}}, u"YZ"},
        {"empty pieces", {{O, u""}, {O, u"\b"}, {O, u""}, {O, u"z"}}, u"z"},
    };
    auto apply = [](CConsoleText& text, std::u16string& control) {
        const CConsoleText::Change change = text.TakeChange();
        ASSERT_LE(change.removed, control.size());
        control.resize(control.size() - change.removed);
        control += change.inserted;
    };
    for (const auto& row : rows) {
        for (const bool eachPiece : {true, false}) {
            CConsoleText text;
            std::u16string control;
            for (const auto& [channel, piece] : row.pieces) {
                text.Append(channel, piece);
                if (eachPiece)
                    apply(text, control);
            }
            apply(text, control);
            EXPECT_EQ(control, row.shown) << row.name << (eachPiece ? " (each piece)" : " (at the end)");
        }
    }
}

TEST(ConsoleText, ClearStartsAgainWithNoPendingBackspaces)
{
    CConsoleText text;
    text.Append(O, u"abc\b\b");
    text.TakeChange();
    text.Clear();
    text.Append(O, u"xy\b\b\b\bz");
    const CConsoleText::Change change = text.TakeChange();
    EXPECT_EQ(change.removed, 0u);
    EXPECT_EQ(change.inserted, u"z");
}

} // namespace
