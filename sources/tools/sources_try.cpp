// Opens the file browser, the gallery or the screen capture on a stand-in main
// window that only prints what it is asked, for trying the windows by hand.
//   pav_sources_try browser [start-folder [file-to-click]]
//   pav_sources_try gallery [program-folder [category [file-row]]]
//   pav_sources_try capture

#include <cstdlib>
#include <iostream>

#include <QApplication>
#include <QDir>
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
    const bool gallery = what == QLatin1String("gallery");
    const std::string folder = argc > 2 ? std::string(argv[2]) : std::string();
    if (!gallery && !folder.empty()) {
        paths.lastDir = folder;
        paths.lastDrive = QDir::rootPath().toStdString();
    }
    pav::sources::SourceWindows windows(host, paths, messages, nullptr, gallery ? folder : std::string());
    if (gallery) {
        auto& model = windows.openGallery(true)->model();
        if (argc > 3) model.chooseCategory(std::atoi(argv[3]));
        if (argc > 4) model.clickFile(std::atoi(argv[4]));
    } else if (what == QLatin1String("capture")) {
        if (!windows.startCapture()) return 1;
    } else {
        auto& model = windows.openBrowser(true)->model();
        const auto& files = model.files();
        for (std::size_t i = 0; argc > 3 && i < files.size(); ++i)
            if (files[i] == argv[3]) model.clickFile(static_cast<int>(i));
    }
    QApplication::setQuitOnLastWindowClosed(true);
    return app.exec();
}
