#pragma once
// Byte sources for list readers under test: a file that fails part-way, a huge file
// without line feeds made on the fly, and a cap on the address space while one is read.

#include "platform/TextFile.h"
#include "support/FailingSource.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace testsupport {

// `head`, `size` bytes of `filler`, then `tail`: a list of any size without line feeds
// (NUL bytes, or text with CR-only line ends), made as it is read.
class FlatSource : public platform::ByteSource {
public:
    FlatSource(std::string head, char filler, std::size_t size, std::string tail = {})
        : m_head(std::move(head)), m_tail(std::move(tail)), m_filler(filler), m_size(size)
    {
    }
    long Read(char* buffer, std::size_t count, int*) override
    {
        std::size_t n = 0;
        while (n < count && m_pos < m_head.size() + m_size + m_tail.size()) {
            std::size_t take;
            if (m_pos < m_head.size()) {
                take = std::min(count - n, m_head.size() - m_pos);
                std::memcpy(buffer + n, m_head.data() + m_pos, take);
            } else if (m_pos < m_head.size() + m_size) {
                take = std::min(count - n, m_head.size() + m_size - m_pos);
                std::memset(buffer + n, m_filler, take);
            } else {
                const std::size_t at = m_pos - m_head.size() - m_size;
                take = std::min(count - n, m_tail.size() - at);
                std::memcpy(buffer + n, m_tail.data() + at, take);
            }
            n += take;
            m_pos += take;
        }
        return static_cast<long>(n);
    }

private:
    std::string m_head;
    std::string m_tail;
    char m_filler;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// While it lives, the process may map at most `extra` bytes more than it has mapped now
// (RLIMIT_AS). The sanitizers reserve address space as they go, so under them it sets
// nothing and Active() is false.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(std::size_t extra)
    {
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
        unsigned long pages = 0;
        if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%lu", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        if (pages != 0 && ::getrlimit(RLIMIT_AS, &m_saved) == 0) {
            rlimit limit = m_saved;
            limit.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + extra;
            m_active = ::setrlimit(RLIMIT_AS, &limit) == 0;
        }
#else
        (void)extra;
#endif
    }
    ~AddressSpaceLimit()
    {
        if (m_active)
            ::setrlimit(RLIMIT_AS, &m_saved);
    }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

    bool Active() const
    {
        return m_active;
    }

private:
    rlimit m_saved{};
    bool m_active = false;
};

} // namespace testsupport
