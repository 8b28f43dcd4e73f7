#pragma once
// A thread brand's catalogue: every thread's number and colour, by row. The
// brand is a typed id; its table is data in a file of its own (DmcTable.cpp),
// so another brand is another table and one more id, not new code.

#include "palette/RgbValues.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pav::palette {

enum class ThreadBrand { Dmc };

struct CatalogueThread {
    std::string number;  // "3713", "BLANC", ...
    std::int32_t rgb = 0;
};

// The brand a thread range name stands for ("DMC"); none for a range of the
// stitch colours themselves (any other name, such as "CC").
std::optional<ThreadBrand> brandOfRange(std::string_view rangeName);

class ThreadCatalogue {
public:
    // The catalogue of a brand, built once.
    static const ThreadCatalogue& of(ThreadBrand brand);

    ThreadBrand brand() const { return m_brand; }
    // The name the brand goes by on charts and in files: "DMC".
    const std::string& name() const { return m_name; }
    int size() const { return static_cast<int>(m_threads.size()); }
    // Row 1..size().
    const CatalogueThread& thread(int row) const { return m_threads[static_cast<std::size_t>(row - 1)]; }
    const std::vector<CatalogueThread>& threads() const { return m_threads; }
    // The row of a thread number as files write it: blanks and the brand's name
    // around it are ignored, letters compared without case ("DMC    310", "  310", "blanc").
    std::optional<int> rowOfNumber(std::string_view number) const;

private:
    ThreadCatalogue(ThreadBrand brand, std::string name, std::vector<CatalogueThread> threads);

    ThreadBrand m_brand;
    std::string m_name;
    std::vector<CatalogueThread> m_threads;
};

} // namespace pav::palette
