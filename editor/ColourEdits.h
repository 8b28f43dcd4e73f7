#pragma once
// The colour editor's changes to a chart as commands: one replacement of a
// thread by another is one command, kept on a stack so that undo gives back
// exactly the stitches it changed, newest first.

#include "chart/Chart.h"

#include <cstdint>
#include <vector>

namespace pav::editor {

// Every stitch of thread `from` takes thread `to` and its colour.
class ReplaceThread {
public:
    ReplaceThread(int from, int to) : m_from(from), m_to(to) {}

    int from() const { return m_from; }
    int to() const { return m_to; }
    // Applies the replacement to chart and records what it changed; onCell(x, y)
    // is told of every stitch that changed.
    template <class OnCell>
    void apply(chart::Chart& chart, OnCell&& onCell);
    // Gives the changed stitches back their thread and colour.
    template <class OnCell>
    void revert(chart::Chart& chart, OnCell&& onCell) const;

private:
    struct Changed {
        int x;
        int y;
        std::int32_t block; // the stitch's colour before
    };
    int m_from;
    int m_to;
    std::vector<Changed> m_changed;
};

// The commands done so far, oldest first.
class EditStack {
public:
    void push(ReplaceThread command) { m_done.push_back(std::move(command)); }
    // The newest command, taken off the stack.
    ReplaceThread pop() {
        ReplaceThread last = std::move(m_done.back());
        m_done.pop_back();
        return last;
    }
    int size() const { return static_cast<int>(m_done.size()); }
    bool empty() const { return m_done.empty(); }
    void clear() { m_done.clear(); }

private:
    std::vector<ReplaceThread> m_done;
};

template <class OnCell>
void ReplaceThread::apply(chart::Chart& chart, OnCell&& onCell) {
    m_changed.clear();
    const std::int32_t colour = chart.threads()[static_cast<std::size_t>(m_to)].rgb;
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            if (chart.threadAt(x, y) != m_from) continue;
            m_changed.push_back({x, y, chart.blockColour(x, y)});
            chart.setThreadAt(x, y, m_to);
            chart.setBlockColour(x, y, colour);
            onCell(x, y);
        }
    }
    chart.recount();
}

template <class OnCell>
void ReplaceThread::revert(chart::Chart& chart, OnCell&& onCell) const {
    for (const Changed& cell : m_changed) {
        chart.setThreadAt(cell.x, cell.y, m_from);
        chart.setBlockColour(cell.x, cell.y, cell.block);
        onCell(cell.x, cell.y);
    }
    chart.recount();
}

} // namespace pav::editor
