#include "base/EventPump.h"

#include <QCoreApplication>

namespace pav {

ThrottledEventPump::ThrottledEventPump(int intervalMs, bool runAtFirst, QEventLoop::ProcessEventsFlags flags)
    : m_intervalMs(intervalMs), m_flags(flags) {
    if (!runAtFirst) m_since.start();
}

void ThrottledEventPump::run(const std::function<void()>& beforeEvents) {
    if (m_since.isValid() && m_since.elapsed() < m_intervalMs) return;
    if (beforeEvents) beforeEvents();
    QCoreApplication::processEvents(m_flags);
    m_since.restart();
}

} // namespace pav
