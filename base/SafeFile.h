#pragma once
// The one way the program replaces a file: the bytes go to a new file beside the
// target, every write and the final flush to disk are checked, and only a
// complete file is renamed over the target. On any failure the old file stays
// as it was and no temporary file is left behind, nor after SIGINT, SIGTERM or
// SIGHUP. A symbolic link is followed: its target is replaced and the link stays.
// A character device (/dev/null, a terminal) is written directly, once every
// other file is ready.

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace pav {

// Takes the next piece of a file's bytes; false when it could not be written.
using ByteSink = std::function<bool(const char* data, qint64 size)>;
// Hands a file's bytes to the sink in order, in as many pieces as it likes, so that
// a large file never needs a second copy in memory; false when it stopped early.
using ByteMaker = std::function<bool(const ByteSink& sink)>;

// False with the reason in *error (when given) if the file could not be written
// whole; a full disk is a failure, never a shortened file.
bool writeFileSafely(const QString& path, const char* data, qint64 size, QString* error = nullptr);
bool writeFileSafely(const QString& path, const ByteMaker& make, QString* error = nullptr);

// Several files replaced together: each is written whole beside its target
// first, and only once every one of them is on disk are they renamed over
// their targets. What was staged but not committed is removed.
class StagedFiles {
public:
    StagedFiles() = default;
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;
    ~StagedFiles();

    bool stage(const QString& path, const char* data, qint64 size, QString* error = nullptr);
    bool stage(const QString& path, const ByteMaker& make, QString* error = nullptr);
    bool stage(const QString& path, const QByteArray& bytes, QString* error = nullptr) {
        return stage(path, bytes.constData(), bytes.size(), error);
    }
    // Renames every staged file over its target.
    bool commit(QString* error = nullptr);

private:
    struct Staged {
        QByteArray temp;    // beside the target; empty for a device
        QByteArray target;  // the file replaced, links followed
        QString path;
        int slot = -1;      // where the signal handler finds temp
        int spool = -1;     // for a device: an unnamed file holding the bytes until commit
    };
    static void discard(const Staged& file);
    std::vector<Staged> m_staged;
};

inline bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr) {
    return writeFileSafely(path, bytes.constData(), bytes.size(), error);
}

} // namespace pav
