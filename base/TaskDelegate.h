#pragma once
// What a long loop asks of whoever runs it. The core never touches an event loop:
// the window view passes hooks that process events (throttled), tests pass
// scripted ones, the command line passes nothing.

#include "base/MessageSink.h"

#include <functional>
#include <string>

namespace pav {

struct TaskDelegate {
    // "Let pending events run": called where the user may act (abort, close).
    std::function<void()> yield;
    // Progress of the current pass: done == 0 resets the fill to its 2-pixel
    // start, otherwise fill = frame width * done / total.
    std::function<void(int done, int total)> progress;
    // The status line text.
    std::function<void(const std::string& text)> status;
    // Whether the work should go on: false asks it to stop at its next check.
    // None never stops it. May be asked from a worker thread.
    std::function<bool()> keepGoing;

    void letEventsRun() const {
        if (yield) yield();
    }
    void report(int done, int total) const {
        if (progress) progress(done, total);
    }
    void say(const std::string& text) const {
        if (status) status(text);
    }
    bool carryOn() const { return !keepGoing || keepGoing(); }
};

} // namespace pav
