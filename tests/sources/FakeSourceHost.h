#pragma once
// A stand-in main window for the picture sources' tests: it decodes the
// pictures it is asked to install, keeps a working picture, and records calls.

#include <string>
#include <utility>
#include <vector>

#include <QImage>
#include <QPainter>

#include "base/TaskDelegate.h"
#include "sources/SourceHost.h"

namespace pav::sources::test {

class FakeSourceHost : public SourceHost {
public:
    FakeSourceHost() : picture4(300, 300, QImage::Format_RGB32) { picture4.fill(Qt::white); }

    bool loadSourcePicture(const std::string& path) override {
        loads.push_back(path);
        if (refuseLoads) return false;
        const QImage picture(QString::fromStdString(path));
        if (picture.isNull()) return false;
        picture4 = picture.convertToFormat(QImage::Format_RGB32);
        return true;
    }
    std::string pictureFitText() const override { return refuseLoads ? refusalText : std::string(); }
    QPoint mainWindowTopLeft() const override { return topLeft; }
    double fabricWidth() const override { return width; }
    int fabricHeight() const override { return height; }
    int ifScale() const override { return scale; }
    int moveX1() const override { return x1; }
    int moveY1() const override { return y1; }
    void copyIntoPicture4(const QImage& block, QPoint at) override {
        QPainter painter(&picture4);
        painter.drawImage(at, block);
        copiedAt.push_back(at);
    }
    void hideMainWindow() override { ++hides; }
    void showMainWindow() override { ++shows; }

    // What the tests set.
    bool refuseLoads = false; // the host fails every install (an out-of-range bar, an overflow...)
    std::string refusalText;  // and then says why in its own words, when set
    QPoint topLeft{100, 50};
    double width = 117;
    int height = 132;
    int scale = 1;
    int x1 = 0;
    int y1 = 0;

    // What the tests read.
    std::vector<std::string> loads;
    QImage picture4;
    std::vector<QPoint> copiedAt;
    int hides = 0;
    int shows = 0;
};

class RecordingMessages : public pav::MessageSink {
public:
    void showMessage(const std::string& text, const std::string& title, pav::MessageIcon) override {
        shown.emplace_back(text, title);
    }
    std::vector<std::pair<std::string, std::string>> shown;
};

} // namespace pav::sources::test
