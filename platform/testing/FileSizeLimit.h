#pragma once
// A disk that fills up, for tests: while the object lives, no file of this
// process may grow beyond the given size, and a write beyond it fails as on
// a full disk (with EFBIG, "File too large", where a full disk gives ENOSPC).

#include <sys/resource.h>

namespace platform::testing {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int);
};

}  // namespace platform::testing
