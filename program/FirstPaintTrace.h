#pragma once
// An opt-in trace for timing the start: with PAVLENTA_FIRST_PAINT set in the
// environment, the first paint of the main window once its start-up is done
// (the start picture installed and its preview drawn) writes one line to
// stderr, "pavlenta: first paint N ms after process start (clock U us)", N
// from /proc/self/stat (10 ms steps), U the wall clock in microseconds for a
// caller that noted its own time before starting the program. Set to "quit",
// the program then ends. Off by default: nothing is watched without it.

#include <functional>

class QWidget;

namespace pav::app {

// Watches the paints of `preview`, the last part of the window that start-up draws.
void traceFirstPaint(QWidget* preview, std::function<bool()> startupDone);

} // namespace pav::app
