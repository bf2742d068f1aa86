#pragma once
// The text of a view as the RTF writer built it, in a form to read and to compare with
// reviewed golden files:
// - one line per paragraph line (each paragraph mark ends one);
// - a paragraph format that differs from the line before is shown in front of the line
//   as {first-line indent,left indent} or {first,left|tab stop,tab stop...}, in
//   characters of the writer's character width (in twips with "tw" when not a whole
//   number of characters);
// - a tab as "→"; large text between "^", bold between "*", italic between "/",
//   underlined text outside links between "_";
// - a link as [display|kind|target|alt], where alt is left out when it equals the
//   display, and target too when both equal it;
// - Windows-1252 text in UTF-8.

#include <string>
#include <string_view>

class CRtfWriter;
class CRtfLinkTable;

namespace testsupport {

std::string RtfToText(std::string_view rtf, const CRtfLinkTable& links, int charWidth);
// The writer's output after EndDocument.
std::string RtfToText(const CRtfWriter& writer);

// Only the characters, as a text control shows them: one line per paragraph line, tabs
// as tabs, in UTF-8.
std::string RtfToPlainText(std::string_view rtf);

} // namespace testsupport
