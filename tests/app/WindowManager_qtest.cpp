// Window placement with a real window manager on the display (scripts/test runs
// openbox on its Xvfb server): frames arrive after a window is mapped, and a
// window mapped again is placed anew unless it says where it wants to be.

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QWidget>
#include <QtTest>

#include "AppTestSupport.h"
#include "app/Form1Model.h"
#include "app/views/Form1View.h"
#include "app/views/WindowPlacement.h"

namespace {

// The actions the window manager allows on a window, as xprop reads them; empty
// when no window manager answers.
QString allowedActions(const QWidget& window) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                          QStringLiteral("_NET_WM_ALLOWED_ACTIONS")});
    if (!xprop.waitForFinished(5000)) return {};
    const QString out = QString::fromLocal8Bit(xprop.readAllStandardOutput());
    return out.contains(QLatin1String("_NET_WM_ACTION")) ? out : QString();
}

// The values of a window property as xprop prints them after " = ".
QString windowProperty(const QWidget& window, const char* name) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()), QLatin1String(name)});
    if (!xprop.waitForFinished(5000)) return {};
    const QString out = QString::fromLocal8Bit(xprop.readAllStandardOutput()).trimmed();
    const int at = out.indexOf(QLatin1String(" = "));
    return at < 0 ? QString() : out.mid(at + 3);
}

bool framed(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

} // namespace

class WindowManagerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) QSKIP("needs an X display");
        QWidget probe;
        probe.resize(100, 100);
        probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
        if (!QTest::qWaitFor([&] { return framed(probe); }, 3000)) QSKIP("no window manager frames the windows");
    }

    // A window asked to open low on the screen ends up inside, frame and all.
    void framedWindowsOpenInsideTheScreen() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize sizes[] = {{900, 700}, {420, 380}};
        for (const QSize size : sizes) {
            QWidget window;
            window.resize(size);
            window.move(area.left() + 2, area.bottom() - size.height() + 15); // inside until the frame comes
            pav::app::showOnScreen(&window);
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(QTest::qWaitFor([&] { return framed(window); }, 3000));
            QVERIFY2(QTest::qWaitFor([&] { return area.contains(window.frameGeometry()); }, 3000),
                     qPrintable(QStringLiteral("frame %1,%2 %3x%4 in %5x%6")
                                    .arg(window.frameGeometry().x())
                                    .arg(window.frameGeometry().y())
                                    .arg(window.frameGeometry().width())
                                    .arg(window.frameGeometry().height())
                                    .arg(area.width())
                                    .arg(area.height())));
        }
    }

    // Hidden for a screen capture and shown again, a window is where it was.
    void aWindowShownAgainIsWhereItWas() {
        QWidget window;
        window.resize(600, 460);
        window.move(341, 310);
        pav::app::showOnScreen(&window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(QTest::qWaitFor([&] { return framed(window); }, 3000));
        QTest::qWait(300);
        const QPoint before = window.pos();
        pav::app::hideKeepingPlace(&window);
        QTest::qWait(300);
        pav::app::showInPlace(&window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(500);
        QCOMPARE(window.pos(), before);
    }

    // The main window keeps its size: the window manager offers no maximise, and the
    // hints that window managers draw their buttons from name none (MWM functions
    // and decorations, whose maximise bits are 0x10 and 0x40).
    void theFixedMainWindowCannotBeMaximised() {
        pav::app::testing::ensureApplication();
        pav::app::testing::RecordingSink sink;
        pav::app::Form1Model model(sink);
        pav::app::Form1View view(model);
        pav::app::showOnScreen(&view);
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QString actions;
        QVERIFY(QTest::qWaitFor([&] { return !(actions = allowedActions(view)).isEmpty(); }, 3000));
        QVERIFY2(!actions.contains(QLatin1String("MAXIMIZE")), qPrintable(actions));
        QVERIFY(actions.contains(QLatin1String("_NET_WM_ACTION_CLOSE")));
        const QStringList motif = windowProperty(view, "_MOTIF_WM_HINTS").split(QLatin1Char(','));
        QVERIFY2(motif.size() >= 3, qPrintable(motif.join(',')));
        bool ok = false;
        const unsigned functions = motif[1].trimmed().toUInt(&ok, 16);
        const unsigned decorations = motif[2].trimmed().toUInt(&ok, 16);
        QVERIFY2((functions & 0x10) == 0 && (decorations & 0x40) == 0, qPrintable(motif.join(',')));
    }
};

QTEST_MAIN(WindowManagerTest)
#include "WindowManager_qtest.moc"
