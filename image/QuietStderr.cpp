#include "QuietStderr.h"

#include <cstdio>
#include <mutex>

#include <fcntl.h>
#include <unistd.h>

namespace pav::image {

namespace {

std::mutex g_mutex;
int g_depth = 0;
int g_saved = -1; // the real stderr while it is redirected

} // namespace

QuietStderr::QuietStderr() {
    const std::lock_guard lock(g_mutex);
    if (g_depth++ > 0) return;
    std::fflush(stderr);
    const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (sink < 0) return;
    g_saved = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (g_saved >= 0) ::dup2(sink, STDERR_FILENO);
    ::close(sink);
}

QuietStderr::~QuietStderr() {
    const std::lock_guard lock(g_mutex);
    if (--g_depth > 0 || g_saved < 0) return;
    std::fflush(stderr);
    ::dup2(g_saved, STDERR_FILENO);
    ::close(g_saved);
    g_saved = -1;
}

} // namespace pav::image
