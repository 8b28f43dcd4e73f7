#pragma once
// A stand-in home for tests of where files are saved: HOME and the XDG folders
// point into a scratch folder for the life of the object, so the user's
// pictures and cache folders are <scratch>/home/Pictures and <scratch>/home/.cache.

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

#include <array>
#include <string>

namespace pav::testing {

class ScratchHome {
public:
    ScratchHome() {
        QDir(m_root.path()).mkpath(QStringLiteral("home"));
        set("HOME", home());
        set("XDG_CONFIG_HOME", home() + "/.config"); // no user-dirs.dirs: Pictures is $HOME/Pictures
        set("XDG_CACHE_HOME", home() + "/.cache");
    }
    ~ScratchHome() {
        for (int i = 0; i < m_count; ++i) {
            const Saved& old = m_saved[static_cast<std::size_t>(i)];
            if (old.wasSet)
                qputenv(old.name, old.value);
            else
                qunsetenv(old.name);
        }
    }
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;

    std::string home() const { return QDir(m_root.path()).filePath(QStringLiteral("home")).toStdString(); }
    std::string pictures() const { return home() + "/Pictures/Pavlenta"; }
    std::string cache() const { return home() + "/.cache/pavlenta"; }
    // A folder of the scratch area outside the home.
    std::string path(const char* name) const { return QDir(m_root.path()).filePath(QString::fromUtf8(name)).toStdString(); }

private:
    struct Saved {
        const char* name = nullptr;
        bool wasSet = false;
        QByteArray value;
    };
    void set(const char* name, const std::string& value) {
        m_saved[static_cast<std::size_t>(m_count++)] = {name, qEnvironmentVariableIsSet(name), qgetenv(name)};
        qputenv(name, QByteArray::fromStdString(value));
    }

    QTemporaryDir m_root;
    std::array<Saved, 3> m_saved{};
    int m_count = 0;
};

} // namespace pav::testing
