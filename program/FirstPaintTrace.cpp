#include "program/FirstPaintTrace.h"

#include <cstdio>
#include <ctime>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

namespace pav::app {

namespace {

double secondsOf(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Seconds since the process started: its start time in /proc/self/stat (field
// 22, clock ticks since boot) against the boot-time clock it is counted on.
double secondsSinceStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray text = stat.readAll();
    // The fields after the command name, which is in parentheses and may hold spaces.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20) return -1;
    const double started = fields[19].toDouble() / double(sysconf(_SC_CLK_TCK));
    return secondsOf(CLOCK_BOOTTIME) - started;
}

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* preview, std::function<bool()> startupDone, bool quit)
        : QObject(preview), m_startupDone(std::move(startupDone)), m_quit(quit) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen && m_startupDone()) {
            m_seen = true;
            // The paint of this round goes to the screen before the next event.
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report() {
        std::fprintf(stderr, "pavlenta: first paint %.0f ms after process start (clock %.0f us)\n",
                     secondsSinceStart() * 1000, secondsOf(CLOCK_REALTIME) * 1e6);
        std::fflush(stderr);
        if (m_quit) QCoreApplication::quit();
    }

    std::function<bool()> m_startupDone;
    bool m_quit;
    bool m_seen = false;
};

} // namespace

void traceFirstPaint(QWidget* preview, std::function<bool()> startupDone) {
    if (!preview || qEnvironmentVariableIsEmpty("PAVLENTA_FIRST_PAINT")) return;
    const bool quit = qEnvironmentVariable("PAVLENTA_FIRST_PAINT") == QLatin1String("quit");
    preview->installEventFilter(new FirstPaintWatch(preview, std::move(startupDone), quit));
}

} // namespace pav::app
