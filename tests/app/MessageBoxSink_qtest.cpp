// Message boxes stand in front of the window the user works in, not of the
// main window the sink was made for.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include "app/views/MessageBoxSink.h"

class MessageBoxSinkTest : public QObject {
    Q_OBJECT

private slots:
    void theBoxBelongsToTheActiveWindow() {
        QWidget main, other;
        main.show();
        other.show();
        pav::app::MessageBoxSink sink(&main);
        QCOMPARE(sink.owner(), QApplication::activeWindow() ? QApplication::activeWindow() : &main);

        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QWidget* parentOfBox = nullptr;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                parentOfBox = box->parentWidget();
                box->accept();
            }
        });
        sink.showMessage("text", "title", pav::MessageIcon::None);
        QCOMPARE(parentOfBox, &other);

        other.hide();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QCOMPARE(sink.owner(), &main);
    }
};

QTEST_MAIN(MessageBoxSinkTest)
#include "MessageBoxSink_qtest.moc"
