#pragma once
// The chart command's files: every output staged beside its target as soon as it
// is made and all renamed over their targets together at the end, and the sheet,
// PDF, chart file and pattern of a chart.

#include "ChartArgs.h"

#include "base/SafeFile.h"
#include "chart/Chart.h"
#include "image/ClsDIB.h"

#include <QByteArray>
#include <QSize>

#include <functional>
#include <optional>
#include <string>

namespace pav::cli {

// An error before write() removes what was staged and leaves every target as it was.
class Outputs {
public:
    void add(const std::string& path, const QByteArray& bytes) {
        if (!path.empty()) stage(path, [&](const ByteSink& sink) { return sink(bytes.constData(), bytes.size()); });
    }
    void addBmp(const std::string& path, const image::ClsDIB& picture) {
        if (path.empty()) return;
        const std::vector<std::uint8_t> bytes = picture.BmpFileBytes();
        stage(path, [&](const ByteSink& sink) {
            return sink(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        });
    }
    void stage(const std::string& path, const ByteMaker& make) {
        if (path.empty()) return;
        QString error;
        if (!m_staged.stage(QString::fromStdString(path), make, &error))
            throw CliError(ExitCode::Output, "cannot write '" + path + "': " + error.toStdString());
    }
    void write() {
        QString error;
        if (!m_staged.commit(&error)) throw CliError(ExitCode::Output, error.toStdString());
    }

private:
    StagedFiles m_staged;
};

// The sheet, the PDF, the chart file and the pattern of a chart; then every file at
// once, then the summary, told the pattern's page count when one was made.
void finishChart(const ChartArgs& args, const chart::Chart& chart, chart::Swatches swatches, Outputs& outputs,
                 const std::function<std::string(QSize, std::optional<int> pages)>& summary);

} // namespace pav::cli
