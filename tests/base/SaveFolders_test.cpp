// Where saved pictures and working files go, and the words for file errors.

#include "base/FileErrors.h"
#include "base/ProgramFolder.h"
#include "base/SaveFolders.h"
#include "tests/base/UserFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <string>

namespace pav::testing {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

void makeFolder(const std::string& path) { ASSERT_TRUE(QDir().mkpath(q(path))); }

void makeFile(const std::string& path) {
    QFile file(q(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// A folder that refuses new files by its mode bits; root ignores them, so
// callers skip what needs it when the probe still succeeds.
std::string readOnlyFolder(const ScratchHome& home) {
    const std::string folder = home.path("read-only");
    QDir().mkpath(q(folder));
    QFile::setPermissions(q(folder), QFile::ReadOwner | QFile::ExeOwner);
    return folder;
}

TEST(SaveFolder, ProgramFolderWhenWritableOtherwiseThePicturesFolder) {
    ScratchHome home;
    const std::string own = home.path("build");
    makeFolder(own);
    EXPECT_EQ(saveFolder(own), own);
    EXPECT_FALSE(QFileInfo::exists(q(home.pictures()))) << "nothing is created while the program folder serves";

    const std::string file = home.path("a file");
    makeFile(file);
    const std::string installedBin = home.path("usr/bin");
    makeFolder(installedBin);
    makeFolder(home.path("usr/share/pavlenta"));
    struct Case {
        const char* what;
        std::string folder;
    } cases[] = {
        {"missing folder", home.path("gone")},
        {"a file, not a folder", file},
        {"empty name", std::string()},
        // An installed program's folder is a system folder even when root may write there.
        {"installed program", installedBin},
        {"read-only folder", readOnlyFolder(home)},
    };
    for (const Case& c : cases) {
        if (c.what == std::string("read-only folder") && folderWritable(c.folder)) continue; // root
        QDir(q(home.pictures())).removeRecursively();
        EXPECT_EQ(saveFolder(c.folder), home.pictures()) << c.what;
        EXPECT_TRUE(QFileInfo(q(home.pictures())).isDir()) << c.what << ": the pictures folder is created";
    }
}

TEST(SaveFolder, ProbingLeavesNothingBehind) {
    ScratchHome home;
    const std::string folder = home.path("probe");
    makeFolder(folder);
    EXPECT_TRUE(folderWritable(folder));
    EXPECT_TRUE(QDir(q(folder)).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST(WorkingFile, CurrentFolderWhenWritableOtherwiseTheCache) {
    ScratchHome home;
    const QString previous = QDir::currentPath();
    const std::string current = home.path("work");
    makeFolder(current);
    ASSERT_TRUE(QDir::setCurrent(q(current)));
    EXPECT_EQ(workingFile("tmppicv.bmp"), current + "/tmppicv.bmp");
    EXPECT_FALSE(QFileInfo::exists(q(home.cache())));

    // A current folder deleted under the running program cannot take new files, even for root.
    ASSERT_TRUE(QDir(q(current)).removeRecursively());
    EXPECT_EQ(workingFile("tmpcolorv.bmp"), home.cache() + "/tmpcolorv.bmp");
    EXPECT_TRUE(QFileInfo(q(home.cache())).isDir());

    const std::string locked = readOnlyFolder(home);
    ASSERT_TRUE(QDir::setCurrent(q(locked)));
    if (!folderWritable(locked)) {
        EXPECT_EQ(workingFile("tmppicv.bmp"), home.cache() + "/tmppicv.bmp");
    }
    QDir::setCurrent(previous);
}

TEST(DataFolder, InstalledTreeOrTheProgramFolder) {
    ScratchHome home;
    const std::string build = home.path("build");
    makeFolder(build);
    EXPECT_EQ(dataFolderOf(build), build);
    makeFolder(home.path("prefix/bin"));
    makeFolder(home.path("prefix/share/pavlenta"));
    EXPECT_EQ(dataFolderOf(home.path("prefix/bin")), QFileInfo(q(home.path("prefix/share/pavlenta"))).canonicalFilePath().toStdString());
}

TEST(FileErrors, SystemReasonsInOurWords) {
    EXPECT_EQ(fileErrorText(ENOENT), "文件夹不存在");
    EXPECT_EQ(fileErrorText(EACCES), "没有写入权限");
    EXPECT_EQ(fileErrorText(ENOSPC), "磁盘已满");
    EXPECT_EQ(fileErrorText(EROFS), "磁盘是只读的");
    EXPECT_TRUE(fileErrorText(0).isEmpty());

    ScratchHome home;
    // What Qt really reports, wrapped as the picture writers wrap it.
    QSaveFile missing(q(home.path("gone/x.bmp")));
    EXPECT_FALSE(missing.open(QIODevice::WriteOnly));
    EXPECT_EQ(fileErrorText("cannot create the file: " + missing.errorString()), "文件夹不存在");

    QSaveFile folder(q(home.home()));
    EXPECT_FALSE(folder.open(QIODevice::WriteOnly));
    EXPECT_EQ(fileErrorText(folder.errorString()), "已有同名的文件夹");

    QFile full(QStringLiteral("/dev/full"));
    if (full.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        EXPECT_EQ(full.write("stitches", 8), -1);
        EXPECT_EQ(fileErrorText(full.errorString()), "磁盘已满");
    }

    EXPECT_EQ(fileErrorText(QStringLiteral("Writing canceled by application")), "系统错误：Writing canceled by application");
    EXPECT_EQ(fileErrorText(QString()), "未知错误");
}

} // namespace
} // namespace pav::testing
