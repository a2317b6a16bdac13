// A device that fills up part-way through a write, for the tests of the
// file writers: the process's file-size limit makes the kernel refuse the
// data beyond it (EFBIG), as a full disk would.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

// Runs `write` while this process may write files of at most `bytes` bytes,
// with SIGXFSZ ignored so that an oversized write fails instead of ending
// the process, and returns what `write` returned. A limit that cannot be set
// fails the test.
template <class Write>
bool writeWithFileSizeLimit(rlim_t bytes, Write write)
{
    struct rlimit saved {};
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0) {
        ADD_FAILURE() << "cannot read the file-size limit";
        return false;
    }
    struct rlimit small = saved;
    small.rlim_cur = bytes;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &small) != 0) {
        std::signal(SIGXFSZ, oldHandler);
        ADD_FAILURE() << "cannot set the file-size limit";
        return false;
    }
    const bool ok = write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return ok;
}

}  // namespace testsupport
