#include "base/SafeFile.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pav {
namespace {

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool fail(QString* error, const QString& reason) {
    if (error) *error = reason;
    return false;
}

// A name in the target's own folder, so that the final rename never crosses a file system.
QByteArray temporaryName(const QByteArray& target) {
    static std::atomic<unsigned> counter{0};
    return target + ".tmp" + QByteArray::number(static_cast<qint64>(::getpid())) + "-" +
           QByteArray::number(++counter);
}

bool writeAll(int fd, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

StagedFiles::~StagedFiles() {
    for (const Staged& file : m_staged) ::unlink(file.temp.constData());
}

bool StagedFiles::stage(const QString& path, const char* data, qint64 size, QString* error) {
    return stage(path, [&](const ByteSink& sink) { return sink(data, size); }, error);
}

bool StagedFiles::stage(const QString& path, const ByteMaker& make, QString* error) {
    const QByteArray target = QFile::encodeName(path);
    if (target.isEmpty()) return fail(error, QStringLiteral("no file name"));

    // An existing file keeps its permissions; a new one gets the usual ones (umask applies).
    struct stat existing {};
    const bool replacing = ::stat(target.constData(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode))
        return fail(error, QStringLiteral("cannot write %1: not a regular file").arg(path));

    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = temporaryName(target);
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return fail(error, QStringLiteral("cannot create %1: %2").arg(path, systemReason()));

    bool written = true; // false once a write failed, with errno telling why
    const bool made = make([&](const char* data, qint64 size) { return written = written && writeAll(fd, data, size); });
    bool ok = made && written;
    if (!made && written) errno = EIO; // the maker gave up: the file would be incomplete
    if (ok && replacing) ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    // A write the kernel accepted may still fail to reach the disk; fsync reports it.
    if (ok) ok = ::fsync(fd) == 0;
    QString reason = ok ? QString() : systemReason();
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = systemReason();
    }
    if (!ok) {
        ::unlink(temp.constData());
        return fail(error, QStringLiteral("cannot write %1: %2").arg(path, reason));
    }
    m_staged.push_back(Staged{temp, target, path});
    return true;
}

bool StagedFiles::commit(QString* error) {
    std::vector<Staged> staged;
    staged.swap(m_staged);
    for (std::size_t i = 0; i < staged.size(); ++i) {
        if (std::rename(staged[i].temp.constData(), staged[i].target.constData()) != 0) {
            const QString reason = systemReason();
            for (std::size_t k = i; k < staged.size(); ++k) ::unlink(staged[k].temp.constData());
            return fail(error, QStringLiteral("cannot write %1: %2").arg(staged[i].path, reason));
        }
    }
    return true;
}

bool writeFileSafely(const QString& path, const char* data, qint64 size, QString* error) {
    StagedFiles file;
    return file.stage(path, data, size, error) && file.commit(error);
}

bool writeFileSafely(const QString& path, const ByteMaker& make, QString* error) {
    StagedFiles file;
    return file.stage(path, make, error) && file.commit(error);
}

} // namespace pav
