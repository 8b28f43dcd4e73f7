#pragma once
// The thread ranges' catalogues: every thread's number, colour, name and kind, by
// row. The first is the prescribed "DMC" range (DmcTable.cpp, its names from the
// full DMC table); every other range is a data file in palette/threads/, built
// into the program and read at start. Adding a range is adding its file.

#include "palette/RgbValues.h"
#include "palette/ThreadTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pav::palette {

// Which catalogue a thread comes from: its place in the list of ranges. The
// prescribed DMC range is always the first.
struct ThreadBrand {
    int id = 0;
    static const ThreadBrand Dmc;
    friend bool operator==(ThreadBrand, ThreadBrand) = default;
};
inline constexpr ThreadBrand ThreadBrand::Dmc{0};

// The catalogue a thread range name stands for ("DMC", "Anchor", ...); none for a
// range of the stitch colours themselves (any other name, such as "CC").
std::optional<ThreadBrand> brandOfRange(std::string_view rangeName);

class ThreadCatalogue {
public:
    // The catalogue of a brand, built once; an unknown brand gives the DMC range's.
    static const ThreadCatalogue& of(ThreadBrand brand);
    // Every catalogue, the prescribed DMC range first, then the data files in order.
    static const std::vector<ThreadCatalogue>& all();

    ThreadBrand brand() const { return m_brand; }
    // The name the brand goes by on charts and in files: "DMC", "Anchor".
    const std::string& name() const { return m_table.brand; }
    // The range's name in the settings and on the command line: "DMC", "DMC 全色".
    const std::string& rangeName() const { return m_table.range; }
    const std::string& source() const { return m_table.source; }
    const std::string& licence() const { return m_table.licence; }
    int size() const { return static_cast<int>(m_table.threads.size()); }
    // Row 1..size().
    const CatalogueThread& thread(int row) const { return m_table.threads[static_cast<std::size_t>(row - 1)]; }
    const std::vector<CatalogueThread>& threads() const { return m_table.threads; }
    // The row of a thread number as files write it: blanks and the brand's name
    // around it are ignored, letters compared without case ("DMC    310", "  310", "blanc").
    std::optional<int> rowOfNumber(std::string_view number) const;

    ThreadCatalogue(ThreadBrand brand, ThreadTable table);

private:
    ThreadBrand m_brand;
    ThreadTable m_table;
};

// The thread range names in the order the settings list them after "DMC" and "CC".
std::vector<std::string> extraRangeNames();

} // namespace pav::palette
