#pragma once
// The one way the program replaces a file: the bytes go to a new file beside the
// target, every write and the final flush to disk are checked, and only a
// complete file is renamed over the target. On any failure the old file stays
// as it was and no temporary file is left behind.

#include <QByteArray>
#include <QString>

namespace pav {

// False with the reason in *error (when given) if the file could not be written
// whole; a full disk is a failure, never a shortened file.
bool writeFileSafely(const QString& path, const char* data, qint64 size, QString* error = nullptr);

inline bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr) {
    return writeFileSafely(path, bytes.constData(), bytes.size(), error);
}

} // namespace pav
