#include "chart/pattern/PatternChart.h"

#include "chart/oxs/OxsNames.h"
#include "colour/ChartQuality.h"
#include "palette/SymbolSet.h"
#include "palette/ThreadCatalogue.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <utility>

namespace pav::pattern {
namespace {

bool fromCatalogue(const chart::Chart& chart, const chart::ChartThread& thread) {
    return chart.range == chart::ThreadRange::Dmc && thread.row > 0;
}

// The colour name a chart file gave the thread, when it is more than its number.
std::string fileName(const chart::Chart& chart, std::size_t t) {
    if (t >= chart.file.threads.size()) return {};
    const std::string* name = chart::findAttribute(chart.file.threads[t], chart::oxs::names::kName);
    const chart::ChartThread& thread = chart.threads()[t];
    // Files written before names were kept carry the brand and number as the name.
    const std::string numberOnly =
        thread.row > 0 ? palette::ThreadCatalogue::of(thread.brand).name() + " " + thread.number : thread.number;
    if (!name || name->empty() || *name == numberOnly) return {};
    return *name;
}

// The designed symbols by rank of stitches, most first; ties keep the chart's order.
void giveDesignedSymbols(chart::Chart& chart) {
    std::vector<int> order(chart.threads().size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return chart.threads()[static_cast<std::size_t>(a)].count > chart.threads()[static_cast<std::size_t>(b)].count;
    });
    const std::vector<std::string> designed = palette::designedSymbols();
    for (std::size_t rank = 0; rank < order.size(); ++rank)
        chart.threads()[static_cast<std::size_t>(order[rank])].symbol = rank < designed.size() ? designed[rank] : "";
}

// Threads the chart's own symbols ran out for (past the 240 of the symbol string)
// take designed symbols that no other thread shows, so that no cell is left blank.
void fillMissingSymbols(chart::Chart& chart) {
    std::set<std::string> taken;
    for (const chart::ChartThread& thread : chart.threads())
        if (!thread.symbol.empty()) taken.insert(thread.symbol);
    const std::vector<std::string> designed = palette::designedSymbols();
    auto next = designed.begin();
    for (chart::ChartThread& thread : chart.threads()) {
        if (!thread.symbol.empty()) continue;
        while (next != designed.end() && taken.count(*next)) ++next;
        if (next == designed.end()) return;
        thread.symbol = *next++;
    }
}

} // namespace

std::vector<int> mergedThreads(const chart::Chart& chart) {
    std::map<std::pair<int, std::string>, int> first;
    std::vector<int> into;
    int next = 0;
    for (const chart::ChartThread& thread : chart.threads()) {
        const auto key = std::make_pair(thread.brand.id, shopNumber(chart, thread));
        const auto [at, added] = first.emplace(key, next);
        into.push_back(at->second);
        if (added) ++next;
    }
    return into;
}

chart::Chart patternChart(const chart::Chart& chart, SymbolChoice symbols) {
    chart::Chart shown = chart;
    const std::vector<int> into = mergedThreads(chart);
    std::vector<chart::ChartThread> threads;
    for (std::size_t t = 0; t < into.size(); ++t) {
        chart::ChartThread thread = chart.threads()[t];
        if (thread.name.empty()) thread.name = fileName(chart, t);
        const auto target = static_cast<std::size_t>(into[t]);
        if (target == threads.size()) {
            threads.push_back(std::move(thread));
            continue;
        }
        chart::ChartThread& kept = threads[target];
        kept.listed = kept.listed || thread.listed;
        if (kept.name.empty()) kept.name = thread.name;
    }
    // Cells and back stitches move to their merged thread only when something merged.
    if (threads.size() != into.size()) {
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (const int t = shown.threadAt(x, y); t >= 0 && static_cast<std::size_t>(t) < into.size())
                    shown.setThreadAt(x, y, into[static_cast<std::size_t>(t)]);
        const auto move = [&](int& thread) {
            if (thread >= 0 && static_cast<std::size_t>(thread) < into.size())
                thread = into[static_cast<std::size_t>(thread)];
        };
        for (chart::BackStitch& stitch : shown.backStitches) move(stitch.thread);
        for (chart::PartStitch& stitch : shown.partStitches) move(stitch.thread);
        for (chart::Ornament& ornament : shown.ornaments) move(ornament.thread);
        shown.file.threads.clear();
    }
    shown.threads() = std::move(threads);
    shown.recount();
    if (symbols == SymbolChoice::Distinct) giveDesignedSymbols(shown);
    else fillMissingSymbols(shown);
    return shown;
}

chart::Chart withPatternSymbols(const chart::Chart& chart, SymbolChoice symbols) {
    if (symbols == SymbolChoice::Chart) return chart;
    const chart::Chart shown = patternChart(chart, symbols);
    const std::vector<int> into = mergedThreads(chart);
    chart::Chart marked = chart;
    for (std::size_t t = 0; t < into.size(); ++t)
        marked.threads()[t].symbol = shown.threads()[static_cast<std::size_t>(into[t])].symbol;
    return marked;
}

double isolatedStitchShare(const chart::Chart& chart) {
    std::vector<int> cells;
    cells.reserve(static_cast<std::size_t>(chart.width()) * chart.height());
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) cells.push_back(chart.threadAt(x, y));
    int stitches = 0, isolated = 0;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            if (chart.stitched(x, y)) {
                ++stitches;
                isolated += colour::isIsolated(cells, chart.width(), chart.height(), x, y);
            }
    return stitches > 0 ? static_cast<double>(isolated) / stitches : 0;
}

std::string shopNumber(const chart::Chart& chart, const chart::ChartThread& thread) {
    if (!fromCatalogue(chart, thread)) return thread.number;
    if (thread.number == "5200") return "B5200";
    if (thread.number == "0000") return "ECRU";
    std::string upper = thread.number;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == "BLANC" || upper == "ECRU" ? upper : thread.number;
}

bool isMetallic(const chart::Chart& chart, const chart::ChartThread& thread) {
    return fromCatalogue(chart, thread) && (thread.number == "5282" || thread.number == "5283");
}

} // namespace pav::pattern
