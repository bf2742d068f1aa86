#pragma once
// The keys a sortable list compares its cells by: numbers as the C runtime's atof reads
// them in the "C" locale, texts with only the ASCII letters folded. Both work on the
// Windows-1252 bytes of a cell and never depend on the program's locale (a desktop locale
// with a decimal comma would read "9.2" as 9, and Unicode collation would order the bytes
// 0x80-0x9F differently).

#include <string_view>

namespace platform {

// The number `text` begins with: leading white space, a sign, digits with one optional
// '.', and an exponent when digits follow it; reading stops at the first other character.
// 0 when no number begins the text.
double AtofC(std::string_view text);

// Negative, 0 or positive as `a` sorts before, with or after `b`: bytes compared unsigned
// after folding 'A'-'Z' to lower case (so "_a" sorts before "A").
int CompareTextNoCase(std::string_view a, std::string_view b);

} // namespace platform
