#pragma once

#include <sys/resource.h>

// While it lives, no file of this process grows beyond `bytes`, as on a
// full disk: a longer write fails (EFBIG) instead of ending the process.
// Root is held to the limit as everyone is, so tests running as root can
// make a write fail with it.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};
