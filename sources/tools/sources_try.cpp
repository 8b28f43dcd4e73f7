// Opens the file browser, the gallery or the screen capture on a stand-in main
// window that only prints what it is asked, for trying the windows by hand.
//   pav_sources_try browser|gallery|capture [program-folder]

#include <iostream>

#include <QApplication>
#include <QMessageBox>
#include <QPainter>

#include "sources/views/CaptureView.h"
#include "sources/views/Form2View.h"
#include "sources/views/Form6View.h"
#include "sources/views/SourceWindows.h"

namespace {

class PrintingHost : public pav::sources::SourceHost {
public:
    bool loadSourcePicture(const std::string& path) override {
        const QImage picture(QString::fromStdString(path));
        std::cout << "loadSourcePicture " << path << (picture.isNull() ? " failed" : " ok") << std::endl;
        if (!picture.isNull()) m_picture4 = picture;
        return !picture.isNull();
    }
    QPoint mainWindowTopLeft() const override { return {40, 40}; }
    double fabricWidth() const override { return 117; }
    int fabricHeight() const override { return 132; }
    int ifScale() const override { return 1; }
    int moveX1() const override { return 0; }
    int moveY1() const override { return 0; }
    void copyIntoPicture4(const QImage& block, QPoint at) override {
        std::cout << "copyIntoPicture4 " << block.width() << "x" << block.height() << " at " << at.x() << ","
                  << at.y() << std::endl;
        block.save(QStringLiteral("captured.png"));
    }
    void hideMainWindow() override { std::cout << "hide main window" << std::endl; }
    void showMainWindow() override { std::cout << "show main window" << std::endl; }

private:
    QImage m_picture4;
};

class BoxMessages : public pav::MessageSink {
public:
    void showMessage(const std::string& text, const std::string& title, pav::MessageIcon) override {
        QMessageBox::information(nullptr, QString::fromStdString(title), QString::fromStdString(text));
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("browser");
    PrintingHost host;
    pav::sources::PicturePaths paths;
    BoxMessages messages;
    pav::sources::SourceWindows windows(host, paths, messages, nullptr,
                                        argc > 2 ? std::string(argv[2]) : std::string());
    if (what == QLatin1String("gallery")) {
        windows.openGallery(true);
    } else if (what == QLatin1String("capture")) {
        if (!windows.startCapture()) return 1;
    } else {
        windows.openBrowser(true);
    }
    QApplication::setQuitOnLastWindowClosed(true);
    return app.exec();
}
