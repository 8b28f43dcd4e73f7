#pragma once
// Why a file could not be written, in the program's own Chinese
// words: the system's reason arrives in English ("No such file or directory"),
// which the message boxes do not show unless nothing else is known.

#include <QString>

namespace pav {

// The words for a C library error number; empty when the number is not one we name.
QString fileErrorText(int errnoValue);

// The words for a failure reported as text by Qt or the picture writers, which
// carry the system's message somewhere in it ("cannot create x.bmp: Permission
// denied"); text we cannot place comes back as "系统错误：" + the text itself.
QString fileErrorText(const QString& systemText);

} // namespace pav
