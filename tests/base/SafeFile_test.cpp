// Files written from pieces: the pieces land in order, and a maker that gives up
// leaves the old file as it was and nothing beside it.
#include "base/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SafeFile, PiecesFromAMakerLandInOrderAndAMakerThatGivesUpKeepsTheOldFile) {
    QTemporaryDir folder;
    const QString target = QDir(folder.path()).filePath(QStringLiteral("sheet.bmp"));
    const pav::ByteMaker pieces = [](const pav::ByteSink& sink) {
        for (int i = 0; i < 3; ++i)
            if (!sink(QByteArray(100000, char('a' + i)).constData(), 100000)) return false;
        return true;
    };
    QString error;
    ASSERT_TRUE(pav::writeFileSafely(target, pieces, &error)) << error.toStdString();
    EXPECT_EQ(contents(target), QByteArray(100000, 'a') + QByteArray(100000, 'b') + QByteArray(100000, 'c'));

    const pav::ByteMaker givesUp = [](const pav::ByteSink& sink) { return sink("new", 3) && false; };
    EXPECT_FALSE(pav::writeFileSafely(target, givesUp, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contents(target).size(), 300000);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("sheet.bmp")});
}

std::string repeated(char c, int n) {
    return std::string(static_cast<std::size_t>(n), c);
}

ino_t inodeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

// Targets of every kind the writer meets: each gets the new bytes, atomically where it is a
// file, and nothing else is left in its folder.
TEST(SafeFile, LongNamesLinksAndDevicesAreWrittenWhereTheyPoint) {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString longest = dir.filePath(QString::fromStdString(repeated('n', 251) + ".bmp")); // 255 bytes
    const QString longName = dir.filePath(QString::fromStdString(repeated('m', 242) + ".bmp")); // 246 bytes
    ASSERT_TRUE(QFile(dir.filePath("target.bmp")).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link("target.bmp", dir.filePath("link.bmp")));
    ASSERT_TRUE(QFile::link(dir.filePath("made-by-link.bmp"), dir.filePath("dangling.bmp")));
    const struct {
        QString path;
        QString holds; // where the bytes land
    } cases[] = {
        {longest, longest},
        {longName, longName},
        {dir.filePath("link.bmp"), dir.filePath("target.bmp")},
        {dir.filePath("dangling.bmp"), dir.filePath("made-by-link.bmp")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const ino_t before = inodeOf(c.holds);
        QString error;
        ASSERT_TRUE(pav::writeFileSafely(c.path, QByteArray("new bytes"), &error)) << error.toStdString();
        EXPECT_EQ(contents(c.holds), QByteArray("new bytes"));
        if (before != 0) {
            EXPECT_NE(inodeOf(c.holds), before) << "replaced by a rename, not rewritten in place";
        }
    }
    EXPECT_EQ(QFileInfo(dir.filePath("link.bmp")).symLinkTarget(), dir.filePath("target.bmp")) << "the link stays a link";
    EXPECT_TRUE(QFileInfo(dir.filePath("dangling.bmp")).isSymLink());
    EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 6) << dir.entryList().join(' ').toStdString();

    // A character device is written directly, as other tools write it.
    QString error;
    EXPECT_TRUE(pav::writeFileSafely(QStringLiteral("/dev/null"), QByteArray("discarded"), &error)) << error.toStdString();
    EXPECT_FALSE(pav::writeFileSafely(QStringLiteral("/dev/full"), QByteArray("no room"), &error));
    EXPECT_FALSE(error.isEmpty());
}

// A run ended by SIGINT or SIGTERM while a file is being written leaves no temporary file.
TEST(SafeFile, AnInterruptedRunRemovesItsTemporaryFiles) {
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        QTemporaryDir folder;
        const QString target = QDir(folder.path()).filePath(QStringLiteral("sheet.bmp"));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            pav::StagedFiles files;
            files.stage(QDir(folder.path()).filePath(QStringLiteral("first.bmp")), QByteArray("done"));
            files.stage(target, [&](const pav::ByteSink& sink) {
                sink("part", 4);
                ::raise(signal); // as a user's Ctrl+C or a kill in the middle of a file
                return sink("rest", 4);
            });
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
    }
}

} // namespace
