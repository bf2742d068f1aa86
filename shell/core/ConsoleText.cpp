#include "shell/core/ConsoleText.h"

#include <algorithm>

namespace shellcore {

namespace {

bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

CConsoleText::Change CConsoleText::Append(Channel channel, std::u16string_view text)
{
    std::size_t& pending = m_pendingBackspaces[channel];
    // What stays of the text as it was; everything behind it is this call's insertion.
    std::size_t kept = m_text.size();
    const std::size_t before = kept;
    for (const char16_t c : text) {
        if (c == u'\b') {
            ++pending;
            continue;
        }
        if (c == u'\r' || c == u'\0')
            continue;
        if (pending > 0) {
            TakeBack(pending);
            pending = 0;
            kept = std::min(kept, m_text.size());
        }
        m_text.push_back(c);
    }
    return Change{before - kept, m_text.substr(kept)};
}

void CConsoleText::TakeBack(std::size_t characters)
{
    for (; characters > 0 && !m_text.empty(); --characters) {
        const std::size_t size = m_text.size();
        const bool pair = size >= 2 && IsLowSurrogate(m_text[size - 1]) && IsHighSurrogate(m_text[size - 2]);
        m_text.resize(size - (pair ? 2 : 1));
    }
}

void CConsoleText::Clear()
{
    m_text.clear();
    std::fill(std::begin(m_pendingBackspaces), std::end(m_pendingBackspaces), 0);
}

} // namespace shellcore
