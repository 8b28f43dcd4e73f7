// Windows open fully inside the screen's available area.

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtTest>

#include "app/views/WindowPlacement.h"

using pav::app::placedInside;

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void framesMoveTheLeastIntoTheArea() {
        const QRect screen(0, 0, 1280, 1024);
        struct Case {
            QRect frame, placed;
        };
        const Case cases[] = {
            {{100, 100, 900, 700}, {100, 100, 900, 700}},  // inside: stays
            {{100, 339, 900, 700}, {100, 324, 900, 700}},  // past the bottom: up
            {{600, 462, 900, 700}, {380, 324, 900, 700}},  // past the right and the bottom
            {{-50, -20, 300, 200}, {0, 0, 300, 200}},      // above and left of the area
            {{10, 10, 1400, 1100}, {0, 0, 1400, 1100}},    // larger than the area: its corner inside
        };
        for (const Case& c : cases) QCOMPARE(placedInside(c.frame, screen), c.placed);
        // An area that does not start at the origin (a panel at the top).
        QCOMPARE(placedInside(QRect(0, 0, 200, 100), QRect(0, 30, 1280, 994)), QRect(0, 30, 200, 100));
    }

    void aWindowPastTheBottomComesInside() {
        QWidget window;
        window.resize(300, 200);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        window.move(area.right() - 100, area.bottom() - 50);
        window.show();
        pav::app::keepOnScreen(&window);
        QVERIFY2(area.contains(window.frameGeometry()), "the window lies inside the available area");
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacement_qtest.moc"
