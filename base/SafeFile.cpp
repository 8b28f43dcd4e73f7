#include "base/SafeFile.h"

#include "base/SafeFileTemporaries.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <chrono>
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

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// The file a path names once its links are followed; a dangling link names the
// file it points to, which writing creates. Empty (errno set) for a loop of links.
QByteArray followLinks(QByteArray path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat link {};
        if (::lstat(path.constData(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
        char to[4096];
        const ssize_t n = ::readlink(path.constData(), to, sizeof to - 1);
        if (n < 0) return path;
        const QByteArray points(to, n);
        path = points.startsWith('/') ? points : folderOf(path) + '/' + points;
    }
    errno = ELOOP;
    return {};
}

// A short name in the target's own folder ("pav" + six letters or digits + ".tmp"), so
// that the final rename never crosses a file system and a target name of up to 255
// bytes still works.
QByteArray temporaryName(const QByteArray& target) {
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t seed = (static_cast<std::uint64_t>(::getpid()) << 32) ^ ++counter ^
                         static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    // splitmix64: one step spreads the seed's bits over the name.
    seed += 0x9E3779B97F4A7C15ull;
    seed = (seed ^ (seed >> 30)) * 0xBF58476D1CE4E5B9ull;
    seed = (seed ^ (seed >> 27)) * 0x94D049BB133111EBull;
    seed ^= seed >> 31;
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = "pav";
    for (int i = 0; i < 6; ++i, seed /= 36) name += kLetters[seed % 36];
    return folderOf(target) + '/' + name + ".tmp";
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

// The spooled bytes of a device output, written to the device itself.
bool copyToDevice(int spool, const QByteArray& device) {
    if (::lseek(spool, 0, SEEK_SET) != 0) return false;
    const int fd = ::open(device.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char buffer[65536];
    bool ok = true;
    while (ok) {
        const ssize_t n = ::read(spool, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = writeAll(fd, buffer, n);
    }
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return ok;
}

// An unnamed file for a device's bytes: nothing to remove, whatever ends the run.
int unnamedFile() {
    std::FILE* file = std::tmpfile();
    if (!file) return -1;
    const int fd = ::fcntl(::fileno(file), F_DUPFD_CLOEXEC, 0);
    std::fclose(file);
    return fd;
}

} // namespace

void StagedFiles::discard(const Staged& file) {
    if (!file.temp.isEmpty()) ::unlink(file.temp.constData());
    safefile::forgetTemporary(file.slot);
    if (file.spool >= 0) ::close(file.spool);
}

StagedFiles::~StagedFiles() {
    for (const Staged& file : m_staged) discard(file);
}

bool StagedFiles::stage(const QString& path, const char* data, qint64 size, QString* error) {
    return stage(path, [&](const ByteSink& sink) { return sink(data, size); }, error);
}

bool StagedFiles::stage(const QString& path, const ByteMaker& make, QString* error) {
    const QByteArray named = QFile::encodeName(path);
    if (named.isEmpty()) return fail(error, QStringLiteral("no file name"));
    const QByteArray target = followLinks(named);
    if (target.isEmpty()) return fail(error, QStringLiteral("cannot write %1: %2").arg(path, systemReason()));

    // An existing file keeps its permissions; a new one gets the usual ones (umask applies).
    struct stat existing {};
    const bool replacing = ::stat(target.constData(), &existing) == 0;
    const bool device = replacing && S_ISCHR(existing.st_mode);
    if (replacing && S_ISDIR(existing.st_mode)) {
        errno = EISDIR;
        return fail(error, QStringLiteral("cannot write %1: %2").arg(path, systemReason()));
    }
    if (replacing && !S_ISREG(existing.st_mode) && !device)
        return fail(error, QStringLiteral("cannot write %1: not a regular file").arg(path));

    Staged staged{{}, target, path};
    int fd = -1;
    if (device) {
        fd = staged.spool = unnamedFile();
    } else {
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            staged.temp = temporaryName(target);
            fd = ::open(staged.temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST) break;
        }
        if (fd >= 0) staged.slot = safefile::rememberTemporary(staged.temp.constData());
    }
    if (fd < 0) return fail(error, QStringLiteral("cannot create %1: %2").arg(path, systemReason()));

    bool written = true; // false once a write failed, with errno telling why
    const bool made = make([&](const char* data, qint64 size) { return written = written && writeAll(fd, data, size); });
    bool ok = made && written;
    if (!made && written) errno = EIO; // the maker gave up: the file would be incomplete
    if (device) {
        if (ok) {
            m_staged.push_back(staged);
            return true;
        }
        const QString reason = systemReason();
        discard(staged);
        return fail(error, QStringLiteral("cannot write %1: %2").arg(path, reason));
    }
    if (ok && replacing) ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    // A write the kernel accepted may still fail to reach the disk; fsync reports it.
    if (ok) ok = ::fsync(fd) == 0;
    QString reason = ok ? QString() : systemReason();
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = systemReason();
    }
    if (!ok) {
        discard(staged);
        return fail(error, QStringLiteral("cannot write %1: %2").arg(path, reason));
    }
    m_staged.push_back(staged);
    return true;
}

bool StagedFiles::commit(QString* error) {
    std::vector<Staged> staged;
    staged.swap(m_staged);
    const auto failAt = [&](std::size_t i) {
        const QString reason = systemReason();
        for (const Staged& file : staged) discard(file); // what is done is done; the rest goes
        return fail(error, QStringLiteral("cannot write %1: %2").arg(staged[i].path, reason));
    };
    // Devices first: a device that refuses its bytes still leaves every file as it was.
    for (std::size_t i = 0; i < staged.size(); ++i) {
        if (staged[i].spool < 0) continue;
        if (!copyToDevice(staged[i].spool, staged[i].target)) return failAt(i);
        ::close(staged[i].spool);
        staged[i].spool = -1;
    }
    for (std::size_t i = 0; i < staged.size(); ++i) {
        if (staged[i].temp.isEmpty()) continue;
        if (std::rename(staged[i].temp.constData(), staged[i].target.constData()) != 0) return failAt(i);
        safefile::forgetTemporary(staged[i].slot);
        staged[i].slot = -1;
        staged[i].temp.clear();
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
