#pragma once
// Folders of small picture files for the browser and gallery tests.

#include <string>
#include <vector>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "sources/Drives.h"

namespace pav::sources::test {

// Decoding needs the image plugins, which an application object finds.
inline void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "sources_test";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

inline std::string writePicture(const QString& path, const QColor& colour, const char* format = "JPG",
                                QSize size = QSize(24, 16)) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    picture.save(path, format);
    return path.toStdString();
}

inline std::string writeText(const QString& path, const QByteArray& text = "not a picture\n") {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
    return path.toStdString();
}

// A folder like a user's pictures folder: names of every case, a fake picture, a sub-folder.
struct PictureFolder {
    PictureFolder() {
        writePicture(path("a.jpg"), Qt::red);
        writePicture(path("b.JPG"), Qt::green);
        writePicture(path("c.Jpg"), Qt::blue);
        writePicture(path("d.jpeg"), Qt::yellow);
        writePicture(path("e.bmp"), Qt::cyan, "BMP");
        writePicture(path("f.gif"), Qt::magenta, "PNG"); // a picture is known by its content
        writeText(path("notes.gif"));
        writeText(path("readme.txt"));
        QDir(dir.path()).mkpath(QStringLiteral("sub/deeper"));
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    std::string root() const { return QDir(dir.path()).absolutePath().toStdString(); }
    std::string file(const char* name) const {
        return (QString::fromStdString(root()) + '/' + name).toStdString();
    }

    QTemporaryDir dir;
};

// Two "drives": a folder of the test's, ready, and a volume that is not.
class FakeDrives : public Drives {
public:
    explicit FakeDrives(std::string root) : m_root(std::move(root)) {}
    std::vector<DriveInfo> list() const override { return {{m_root, "fixture"}, {"/nowhere", "usb"}}; }
    bool isReady(const std::string& root) const override { return root == m_root; }

private:
    std::string m_root;
};

} // namespace pav::sources::test
