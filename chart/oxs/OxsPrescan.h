#pragma once
// A pass over a chart file's raw bytes before the XML reader sees them, refusing
// shapes no chart has and on which the reader itself is slow: an element with
// thousands of attributes costs the reader time quadratic in their number, and a
// text of megabytes costs every later step that copies or draws it. The pass
// does not judge well-formedness: what it cannot follow it leaves to the reader.

#include "chart/oxs/OxsFile.h"

#include <QByteArray>

namespace pav::chart::oxs {

struct PrescanResult {
    OxsError error = OxsError::None;
    qint64 line = 1; // where the pass stopped
};

PrescanResult prescanOxs(const QByteArray& data);

} // namespace pav::chart::oxs
