#include "platform/testing/FileSizeLimit.h"

#include <csignal>

namespace platform::testing {

// The signal that a write beyond the limit raises would end the process: the
// write is to fail, as on a full disk, and nothing more.
FileSizeLimit::FileSizeLimit(rlim_t bytes) : m_previousHandler(std::signal(SIGXFSZ, SIG_IGN))
{
    ::getrlimit(RLIMIT_FSIZE, &m_previous);
    rlimit limit = m_previous;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousHandler);
}

}  // namespace platform::testing
