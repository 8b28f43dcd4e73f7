// Files written from pieces: the pieces land in order, and a maker that gives up
// leaves the old file as it was and nothing beside it.
#include "base/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

} // namespace
