#include "ChartOutputs.h"

#include "chart/ChartSaver.h"
#include "chart/ChartSheet.h"
#include "chart/oxs/OxsFile.h"
#include "chart/print/SheetOutput.h"

#include <cstdio>

namespace pav::cli {

void finishChart(const ChartArgs& args, const chart::Chart& chart, chart::Swatches swatches, Outputs& outputs,
                 const std::function<std::string(QSize, std::optional<int> pages)>& summary) {
    // The sheet is drawn a band at a time, each band's rows going straight to its file.
    const QSize sheetSize = chart::sheetSize(chart);
    const chart::SheetOptions sheet{args.style, swatches};
    outputs.stage(args.output, chart::sheetBmp(chart, sheet));
    if (!args.pdf.empty()) {
        QByteArray pdf;
        QString error;
        if (print::makeSheetPdf(print::PrintSheet{chart, args.style, swatches}, chart::JobControl{}, print::defaultPdfLayout(), pdf, &error) !=
            print::PrintOutcome::Printed)
            throw CliError(ExitCode::Output, "cannot write '" + args.pdf + "': " + error.toStdString());
        outputs.add(args.pdf, pdf);
    }
    if (!args.oxs.empty()) outputs.add(args.oxs, chart::oxs::writeOxs(chartFileChart(chart, args.pattern)));
    std::optional<int> pages;
    if (!args.pattern.path.empty()) {
        QByteArray pdf;
        std::string problem;
        pages = makePattern(chart, args.pattern, pdf, &problem);
        if (!pages) throw CliError(ExitCode::Output, "cannot write '" + args.pattern.path + "': " + problem);
        outputs.add(args.pattern.path, pdf);
    }
    outputs.write();
    if (!args.pattern.path.empty())
        for (const std::string& hint : patternHints(chart, args.pattern, !isChartFile(args.input)))
            std::fprintf(stderr, "%s\n", hint.c_str());
    if (args.json) std::printf("%s\n", summary(sheetSize, pages).c_str());
}

} // namespace pav::cli
