#include "base/FileErrors.h"
#include "base/UiText.h"

#include <cerrno>
#include <cstring>
#include <iterator>

namespace pav {

namespace {

struct Reason {
    int errnoValue;
    const char* words;
};

// Most likely first: a text is matched against the system's message of each in turn.
constexpr Reason kReasons[] = {
    {ENOENT, "文件夹不存在"},
    {EACCES, "没有写入权限"},
    {EPERM, "没有写入权限"},
    {EROFS, "磁盘是只读的"},
    {ENOSPC, "磁盘已满"},
    {EDQUOT, "磁盘空间配额已用完"},
    {ENOTDIR, "路径中有一部分不是文件夹"},
    {EISDIR, "已有同名的文件夹"},
    {ENAMETOOLONG, "文件名太长"},
    {EFBIG, "文件太大"},
    {EIO, "磁盘读写出错"},
    {EMFILE, "打开的文件太多"},
    {ENFILE, "打开的文件太多"},
    {ETXTBSY, "文件正在被使用"},
    {ENOMEM, "内存不足"},
};

} // namespace

QString fileErrorText(int errnoValue) {
    for (const Reason& reason : kReasons)
        if (reason.errnoValue == errnoValue) return uiText(reason.words);
    return {};
}

QString fileErrorText(const QString& systemText) {
    if (systemText.trimmed().isEmpty()) return uiText("未知错误");
    for (const Reason& reason : kReasons) {
        const QString message = QString::fromLocal8Bit(std::strerror(reason.errnoValue));
        if (systemText.contains(message, Qt::CaseInsensitive)) return uiText(reason.words);
    }
    // Qt's own wording when the name given is a folder (QFile, QSaveFile).
    if (systemText.contains(QStringLiteral("refers to a directory"), Qt::CaseInsensitive))
        return fileErrorText(EISDIR);
    return uiText("系统错误：") + systemText;
}

} // namespace pav
