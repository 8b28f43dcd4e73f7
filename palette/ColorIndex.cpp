#include "palette/ColorIndex.h"

#include "base/WholeNumber.h"

#include "palette/ColourMatcher.h"
#include "palette/ThreadCatalogue.h"
#include "palette/ThreadPalette.h"

#include <algorithm>
#include <vector>

namespace pav::palette {

namespace {

const char* const kIndexStatus = "正在创建颜色索引......";
const char* const kCountStatus = "正在计算颜色数目等信息......";

// Exact picture colours seen so far, each with its colour-list position. At most
// 500 colours are ever stored, so 1024 slots keep the table at most half full.
class ExactColorTable {
public:
    // The colour's position, or 0 when it has not been seen.
    int find(std::int32_t rgb) const {
        for (std::size_t slot = slotOf(rgb);; slot = (slot + 1) & kMask) {
            if (m_positions[slot] == 0) return 0;
            if (m_keys[slot] == rgb) return m_positions[slot];
        }
    }
    void insert(std::int32_t rgb, int position) {
        std::size_t slot = slotOf(rgb);
        while (m_positions[slot] != 0)
            slot = (slot + 1) & kMask;
        m_keys[slot] = rgb;
        m_positions[slot] = static_cast<std::int16_t>(position);
    }

private:
    static constexpr std::size_t kSlots = 1024;
    static constexpr std::size_t kMask = kSlots - 1;
    static std::size_t slotOf(std::int32_t rgb) {
        return (static_cast<std::uint32_t>(rgb) * 2654435761u) >> 22;
    }
    std::array<std::int32_t, kSlots> m_keys{};
    std::array<std::int16_t, kSlots> m_positions{};
};

// What one run reads from its job, with the missing pieces filled in: no
// delegate does nothing, no flag never aborts, and the area never leaves the matrix.
struct Run {
    ProgramState& state;
    const ColorIndexJob& job;
    TaskDelegate noTask;
    int width;
    int height;

    Run(ProgramState& s, const ColorIndexJob& j)
        : state(s), job(j), width(std::clamp(j.chartW, 0, kMatrixSide)),
          height(std::clamp(j.chartH, 0, kMatrixSide)) {}

    const TaskDelegate& task() const { return job.task ? *job.task : noTask; }
    const ColourMatcher& matcher() const { return job.matcher ? *job.matcher : dmcMatcher(); }
    int catalogueRows() const { return matcher().catalogue().size(); }
    bool running() const { return job.genRunning == nullptr || *job.genRunning; }
    void stop() const {
        if (job.genRunning) *job.genRunning = false;
    }
    // The range name, with an empty one made "DMC"; true for the DMC range.
    bool threadRange() const {
        if (job.whichType == nullptr) return true;
        if (job.whichType->empty()) *job.whichType = "DMC";
        return brandOfRange(*job.whichType).has_value();
    }
};

// Gives every stitch the colour-list position of its exact colour, adding new
// colours at the end. count receives the number of distinct colours.
IndexResult collectExactColors(const Run& run, int& count) {
    ProgramState& state = run.state;
    ExactColorTable seen;
    count = 1;
    state.colorList[1] = state.colors.at(0, 0);
    seen.insert(state.colorList[1], 1);
    for (int y = 0; y < run.height; ++y) {
        const std::int32_t* colours = state.colors.row(y);
        std::int32_t* index = state.index.row(y);
        for (int x = 0; x < run.width; ++x) {
            run.task().letEventsRun();
            int position = seen.find(colours[x]);
            if (position == 0) {
                if (++count > kListCapacity) {
                    run.stop();
                    return IndexResult::TooManyColours;
                }
                state.colorList[count] = colours[x];
                seen.insert(colours[x], count);
                position = count;
            }
            index[x] = position;
            if (!run.running()) return IndexResult::Aborted;
        }
        run.task().report(y + 1, run.height);
    }
    return IndexResult::Done;
}

// Replaces the colours at positions 1..count by their nearest thread rows,
// rewrites the index matrix from positions to rows, then keeps each row once, in
// order of first appearance, at the front of the colour list.
void matchThreads(const Run& run, int count) {
    ProgramState& state = run.state;
    const ColourMatcher& matcher = run.matcher();
    for (int c = 1; c <= count; ++c)
        state.colorList[c] = matcher.nearestRow(state.colorList[c]);

    std::vector<bool> kept(static_cast<std::size_t>(run.catalogueRows()) + 1, false);
    std::vector<std::int32_t> distinct;
    for (int c = 1; c <= count; ++c) {
        const std::int32_t row = state.colorList[c];
        if (!kept[row]) {
            kept[row] = true;
            distinct.push_back(row);
        }
    }

    // No abort check here: once matched, the rows are always written out whole.
    run.task().report(0, run.height);
    for (int y = 0; y < run.height; ++y) {
        std::int32_t* index = state.index.row(y);
        for (int x = 0; x < run.width; ++x)
            index[x] = state.colorList[index[x]];
        run.task().letEventsRun();
    }

    // Positions past the distinct rows keep the rows matched above (stale, but
    // read by nobody); positions past count keep the white mark.
    std::copy(distinct.begin(), distinct.end(), state.colorList.begin() + 1);
    state.colorCount = static_cast<int>(distinct.size());
    state.maxColor = state.colorCount;
}

std::string quantityText(int count) {
    return paddedRight(std::to_string(count), 4);
}

std::string colourNumberText(std::int32_t rgb) {
    return paddedRight(hexColourText(rgb), 8);
}

LegendRecord threadRecord(const ThreadCatalogue& catalogue, int row, int position, int count) {
    const CatalogueThread& thread = catalogue.thread(row);
    LegendRecord record;
    record.color = thread.rgb;
    record.row = row;
    record.position = position;
    record.number = paddedRight(thread.number, 8);
    record.quantity = quantityText(count);
    return record;
}

LegendRecord colourRecord(std::int32_t rgb, int position, int count) {
    LegendRecord record;
    record.color = rgb;
    record.row = 0;
    record.position = position;
    record.number = colourNumberText(rgb);
    record.quantity = quantityText(count);
    return record;
}

// The colour-list position of each thread row (0 when the row is not listed).
std::vector<int> rowPositions(const ProgramState& state, int rows) {
    std::vector<int> positions(static_cast<std::size_t>(rows) + 1, 0);
    const int count = std::clamp(state.colorCount, 0, kListCapacity);
    for (int c = count; c >= 1; --c) {
        const std::int32_t row = state.colorList[c];
        if (row >= 1 && row <= rows) positions[row] = c;
    }
    return positions;
}

} // namespace

IndexResult makeColorIndex(ProgramState& state, const ColorIndexJob& job, int /*unused*/) {
    const Run run(state, job);
    std::fill(state.colorList.begin() + 1, state.colorList.end(), kWhite);
    run.task().report(0, run.height);
    run.task().say(kIndexStatus);

    int count = 0;
    const IndexResult collected = collectExactColors(run, count);
    if (collected != IndexResult::Done) return collected;

    state.maxColor = count;
    if (!run.threadRange()) {
        // Colour ranges keep the picture's own colours: the index holds positions.
        state.colorCount = count;
        return IndexResult::Done;
    }
    matchThreads(run, count);
    return IndexResult::Done;
}

IndexResult sortColorIndex(ProgramState& state, const ColorIndexJob& job, int threshold) {
    const Run run(state, job);
    std::fill(state.legend.begin(), state.legend.end(), LegendRecord{});
    run.task().report(0, run.height);
    run.task().say(kCountStatus);

    // Entries are keyed by the index matrix value: a thread row for DMC, a
    // colour-list position for colour ranges. Other values (left by an aborted
    // matching) are never listed.
    const bool threads = run.threadRange();
    const int keys = threads ? run.catalogueRows() : kListCapacity;
    std::vector<int> counts(static_cast<std::size_t>(keys) + 1, 0);
    for (int y = 0; y < run.height; ++y) {
        const std::int32_t* index = state.index.row(y);
        for (int x = 0; x < run.width; ++x)
            if (index[x] >= 1 && index[x] <= keys) ++counts[index[x]];
    }
    const std::vector<int> positions = threads ? rowPositions(state, keys) : std::vector<int>{};

    // Walk the stitches in reading order; each value not yet listed is weighed
    // against the threshold again at every stitch, and each such weighing is
    // where an abort stops the count (no one can clear the flag in between).
    std::vector<bool> listed(counts.size(), false);
    int n = 0;
    for (int y = 0; y < run.height; ++y) {
        const std::int32_t* index = state.index.row(y);
        for (int x = 0; x < run.width; ++x) {
            const std::int32_t key = index[x];
            if (key < 1 || key > keys || listed[key]) continue;
            if (!run.running()) return IndexResult::Aborted;
            if (counts[key] < threshold) continue;
            listed[key] = true;
            ++n;
            state.legend[n] = threads ? threadRecord(run.matcher().catalogue(), key, positions[key], counts[key])
                                      : colourRecord(state.colorList[key], key, counts[key]);
        }
        run.task().report(y + 1, run.height);
    }
    state.maxColor = n;
    return IndexResult::Done;
}

bool parseThreshold(const std::string& text, int& value) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    const std::optional<long> number = wholeNumber(std::string_view(text).substr(begin, end - begin), 32768);
    if (!number || *number > 32767) return false;
    value = static_cast<int>(*number);
    return true;
}

} // namespace pav::palette
