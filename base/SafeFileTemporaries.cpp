#include "base/SafeFileTemporaries.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace pav::safefile {
namespace {

// Fixed storage, so that the handler needs neither locks nor the heap.
constexpr int kSlots = 64;
constexpr std::size_t kNameBytes = 4096;
enum SlotState : int { kFree = 0, kClaimed = 1, kLive = 2 };

char g_names[kSlots][kNameBytes];
std::atomic<int> g_states[kSlots];

extern "C" void removeTemporariesAndEnd(int signal) {
    for (int i = 0; i < kSlots; ++i)
        if (g_states[i].load() == kLive) ::unlink(g_names[i]);
    // SA_RESETHAND restored the default action: raised again, it ends the run as the signal would have.
    ::raise(signal);
}

// A handler is set only where the program left the default: a caller's own handler stays.
void installHandlers() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
        struct sigaction action {};
        action.sa_handler = removeTemporariesAndEnd;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace

int rememberTemporary(const char* name) {
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    const std::size_t length = std::strlen(name);
    if (length >= kNameBytes) return -1;
    for (int i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (!g_states[i].compare_exchange_strong(expected, kClaimed)) continue;
        std::memcpy(g_names[i], name, length + 1);
        g_states[i].store(kLive);
        return i;
    }
    return -1;
}

void forgetTemporary(int slot) {
    if (slot >= 0 && slot < kSlots) g_states[slot].store(kFree);
}

} // namespace pav::safefile
