#include "palette/ColorIndex.h"

#include "base/WholeNumber.h"

#include "palette/ThreadCatalogue.h"

#include <algorithm>
#include <array>
#include <vector>

namespace pav::palette {

namespace {

const char* const kIndexStatus = "正在创建颜色索引......";
const char* const kCountStatus = "正在计算颜色数目等信息......";

// Exact stitch colours seen so far, each with its entry. At most 500 colours are
// ever stored, so 1024 slots keep the table at most half full.
class ExactColorTable {
public:
    // The colour's entry, or -1 when it has not been seen.
    int find(std::int32_t rgb) const {
        for (std::size_t slot = slotOf(rgb);; slot = (slot + 1) & kMask) {
            if (m_entries[slot] == 0) return -1;
            if (m_keys[slot] == rgb) return m_entries[slot] - 1;
        }
    }
    void insert(std::int32_t rgb, int entry) {
        std::size_t slot = slotOf(rgb);
        while (m_entries[slot] != 0) slot = (slot + 1) & kMask;
        m_keys[slot] = rgb;
        m_entries[slot] = static_cast<std::int16_t>(entry + 1);
    }

private:
    static constexpr std::size_t kSlots = 1024;
    static constexpr std::size_t kMask = kSlots - 1;
    static std::size_t slotOf(std::int32_t rgb) { return (static_cast<std::uint32_t>(rgb) * 2654435761u) >> 22; }
    std::array<std::int32_t, kSlots> m_keys{};
    std::array<std::int16_t, kSlots> m_entries{};
};

const TaskDelegate& taskOf(const ColourIndexJob& job) {
    static const TaskDelegate none;
    return job.task ? *job.task : none;
}

// Gives every stitch the entry of its exact colour, adding new colours at the end.
IndexResult collectExactColours(const colour::RgbGrid& stitches, const TaskDelegate& task, ColourIndex& index) {
    ExactColorTable seen;
    for (int y = 0; y < stitches.height; ++y) {
        const std::int32_t* colours = stitches.row(y);
        int* cells = index.cells.data() + static_cast<std::size_t>(y) * stitches.width;
        for (int x = 0; x < stitches.width; ++x) {
            task.letEventsRun();
            int entry = seen.find(colours[x]);
            if (entry < 0) {
                if (static_cast<int>(index.entries.size()) >= kListCapacity) return IndexResult::TooManyColours;
                entry = static_cast<int>(index.entries.size());
                index.entries.push_back(colours[x]);
                seen.insert(colours[x], entry);
            }
            cells[x] = entry;
            if (!task.carryOn()) return IndexResult::Aborted;
        }
        task.report(y + 1, stitches.height);
    }
    return IndexResult::Done;
}

// Replaces the colours by their nearest thread rows, each row kept once in order
// of first appearance, and gives every stitch the entry of its row.
void matchThreads(const ColourIndexJob& job, const TaskDelegate& task, ColourIndex& index) {
    const ColourMatcher& matcher = job.matcher ? *job.matcher : dmcMatcher();
    std::vector<int> entryOfRow(static_cast<std::size_t>(matcher.catalogue().size()) + 1, -1);
    std::vector<int> entryOfColour(index.entries.size());
    std::vector<std::int32_t> rows;
    for (std::size_t c = 0; c < index.entries.size(); ++c) {
        const int row = matcher.nearestRow(index.entries[c]);
        int& entry = entryOfRow[static_cast<std::size_t>(row)];
        if (entry < 0) {
            entry = static_cast<int>(rows.size());
            rows.push_back(row);
        }
        entryOfColour[c] = entry;
    }
    // No abort check here: once matched, the rows are always written out whole.
    task.report(0, index.height);
    for (int y = 0; y < index.height; ++y) {
        int* cells = index.cells.data() + static_cast<std::size_t>(y) * index.width;
        for (int x = 0; x < index.width; ++x) cells[x] = entryOfColour[static_cast<std::size_t>(cells[x])];
        task.letEventsRun();
    }
    index.entries = std::move(rows);
}

// Counts each entry's stitches and lists those that reach the threshold. The
// stitches are walked in reading order and each entry not yet listed is weighed
// again at every stitch of it: that weighing is where an abort stops the count.
IndexResult countEntries(const TaskDelegate& task, int threshold, ColourIndex& index) {
    index.counts.assign(index.entries.size(), 0);
    index.listed.assign(index.entries.size(), false);
    for (const int entry : index.cells) ++index.counts[static_cast<std::size_t>(entry)];
    for (int y = 0; y < index.height; ++y) {
        const int* cells = index.cells.data() + static_cast<std::size_t>(y) * index.width;
        for (int x = 0; x < index.width; ++x) {
            const auto entry = static_cast<std::size_t>(cells[x]);
            if (index.listed[entry]) continue;
            if (!task.carryOn()) return IndexResult::Aborted;
            if (index.counts[entry] >= threshold) index.listed[entry] = true;
        }
        task.report(y + 1, index.height);
    }
    return IndexResult::Done;
}

} // namespace

int ColourIndex::listedCount() const {
    return static_cast<int>(std::count(listed.begin(), listed.end(), true));
}

IndexResult indexColours(const colour::RgbGrid& stitches, const ColourIndexJob& job, ColourIndex& index) {
    const TaskDelegate& task = taskOf(job);
    index = ColourIndex{};
    index.width = stitches.width;
    index.height = stitches.height;
    index.threadRows = job.rangeName.empty() || brandOfRange(job.rangeName).has_value();
    index.cells.assign(stitches.size(), 0);
    task.report(0, stitches.height);
    task.say(kIndexStatus);

    const IndexResult collected = collectExactColours(stitches, task, index);
    if (collected != IndexResult::Done) return collected;
    if (index.threadRows) matchThreads(job, task, index);

    task.report(0, stitches.height);
    task.say(kCountStatus);
    return countEntries(task, job.threshold, index);
}

void listEveryEntry(ColourIndex& index) {
    for (std::size_t e = 0; e < index.listed.size(); ++e) index.listed[e] = index.counts[e] > 0;
}

bool parseThreshold(const std::string& text, int& value) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    const std::optional<long> number = wholeNumber(std::string_view(text).substr(begin, end - begin), 32768);
    if (!number || *number > 32767) return false;
    value = static_cast<int>(*number);
    return true;
}

} // namespace pav::palette
