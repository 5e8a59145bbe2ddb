#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no regular file of this process may grow past `bytes`: a write
// there comes back short, or fails with EFBIG, as on a full disk, instead of
// ending the process with SIGXFSZ. Pipes and terminals are not affected.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_valid = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_valid = m_valid && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isValid() const { return m_valid; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_valid = false;
};
