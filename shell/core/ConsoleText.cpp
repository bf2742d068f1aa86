#include "shell/core/ConsoleText.h"

#include <algorithm>

namespace shellcore {

namespace {

// How much of the control's end is remembered.
constexpr std::size_t kTailUnits = 4096;

bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}
bool IsSpecial(char16_t c)
{
    return c == u'\b' || c == u'\r' || c == u'\0';
}

} // namespace

void CConsoleText::ForgetTaken()
{
    if (m_pendingTaken)
        m_pending.clear();
    m_pendingTaken = false;
}

void CConsoleText::Append(Channel channel, std::u16string_view text)
{
    ForgetTaken();
    std::size_t& pending = m_pendingBackspaces[channel];
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsSpecial(text[i])) {
            if (text[i] == u'\b')
                ++pending;
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !IsSpecial(text[end]))
            ++end;
        if (pending > 0) {
            TakeBack(pending);
            pending = 0;
        }
        m_pending.append(text.substr(i, end - i));
        i = end;
    }
}

char16_t CConsoleText::ShownAt(std::size_t index) const
{
    const std::size_t tailStart = m_shown - m_shownTail.size();
    return index >= tailStart && index < m_shown ? m_shownTail[index - tailStart] : 0;
}

void CConsoleText::TakeBack(std::size_t characters)
{
    for (; characters > 0; --characters) {
        const std::size_t size = m_pending.size();
        if (size > 0) {
            const bool pair = size >= 2 && IsLowSurrogate(m_pending[size - 1]) && IsHighSurrogate(m_pending[size - 2]);
            m_pending.resize(size - (pair ? 2 : 1));
            continue;
        }
        const std::size_t left = m_shown - m_removed;
        if (left == 0)
            return;
        const bool pair = left >= 2 && IsLowSurrogate(ShownAt(left - 1)) && IsHighSurrogate(ShownAt(left - 2));
        m_removed += pair ? 2 : 1;
    }
}

CConsoleText::Change CConsoleText::TakeChange()
{
    ForgetTaken();
    const Change change{m_removed, m_pending};
    m_pendingTaken = true;
    m_shownTail.resize(m_shownTail.size() - std::min(m_shownTail.size(), m_removed));
    m_shown -= m_removed;
    m_removed = 0;
    const std::u16string_view inserted = change.inserted;
    const std::size_t keep = std::min(inserted.size(), kTailUnits);
    if (m_shownTail.size() + keep > kTailUnits)
        m_shownTail.erase(0, m_shownTail.size() + keep - kTailUnits);
    m_shownTail.append(inserted.substr(inserted.size() - keep));
    m_shown += inserted.size();
    return change;
}

void CConsoleText::Clear()
{
    m_pending.clear();
    m_pendingTaken = false;
    m_shown = m_removed = 0;
    m_shownTail.clear();
    std::fill(std::begin(m_pendingBackspaces), std::end(m_pendingBackspaces), 0);
}

} // namespace shellcore
