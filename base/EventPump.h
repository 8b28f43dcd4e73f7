#pragma once
// The window side of TaskDelegate::yield: a long loop asks at every check, and
// pending events really run at most once per interval, so that the loop stays
// fast and the window stays responsive.

#include <QElapsedTimer>
#include <QEventLoop>

#include <functional>

namespace pav {

class ThrottledEventPump {
public:
    // runAtFirst: whether the first request runs the events, or waits one interval from now.
    explicit ThrottledEventPump(int intervalMs, bool runAtFirst,
                                QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);

    // Runs beforeEvents (showing what the loop has drawn so far) and the pending
    // events when the interval has passed since they last ran.
    void run(const std::function<void()>& beforeEvents = {});

private:
    int m_intervalMs;
    QEventLoop::ProcessEventsFlags m_flags;
    QElapsedTimer m_since;
};

} // namespace pav
