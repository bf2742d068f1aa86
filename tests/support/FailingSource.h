#pragma once
// A byte source that hands out its text and then fails, as a disk that breaks while a
// list is read, or (with `outOfMemory`) throws std::bad_alloc, as a reader that runs
// out of memory would.

#include "platform/TextFile.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

namespace testsupport {

class FailingSource : public platform::ByteSource {
public:
    explicit FailingSource(std::string text, bool outOfMemory = false)
        : m_text(std::move(text)), m_outOfMemory(outOfMemory)
    {
    }
    long Read(char* buffer, std::size_t count, int* error) override
    {
        if (m_pos == m_text.size())
            return Fail(error);
        const std::size_t n = std::min(count, m_text.size() - m_pos);
        std::memcpy(buffer, m_text.data() + m_pos, n);
        m_pos += n;
        return static_cast<long>(n);
    }

protected:
    // The read after the text: an error, or the throw.
    virtual long Fail(int* error)
    {
        if (m_outOfMemory)
            throw std::bad_alloc();
        *error = 5; // EIO
        return -1;
    }

private:
    std::string m_text;
    bool m_outOfMemory;
    std::size_t m_pos = 0;
};

} // namespace testsupport
