#include "palette/ThreadCatalogue.h"

#include "palette/ThreadPalette.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace pav::palette {
namespace {

std::string normalisedNumber(std::string_view text, std::string_view brandName) {
    std::string upper;
    for (const char c : text)
        if (c != ' ' && c != '\t') upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string brand;
    for (const char c : brandName) brand += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (!brand.empty() && upper.size() > brand.size() && upper.compare(0, brand.size(), brand) == 0)
        upper.erase(0, brand.size());
    return upper;
}

// The prescribed range: its numbers and colours exactly as DmcTable.cpp has them;
// the name and kind of each from the full DMC table (whose snow white is "B5200").
ThreadTable prescribedDmc(const std::vector<ThreadTable>& files) {
    ThreadTable table;
    table.range = "DMC";
    table.brand = "DMC";
    table.source = "the program's own DMC table (DmcTable.cpp); names from the DMC 全色 table";
    table.licence = "GPL-3.0-or-later";
    const ThreadTable* all = nullptr;
    for (const ThreadTable& file : files)
        if (file.brand == "DMC") all = &file;
    for (const ThreadEntry& entry : dmcThreads()) {
        CatalogueThread thread{entry.number, entry.color, {}, ThreadKind::Plain};
        if (all) {
            const std::string wanted = thread.number == std::string("5200") ? "B5200" : thread.number;
            for (const CatalogueThread& named : all->threads)
                if (normalisedNumber(named.number, "") == wanted) {
                    thread.name = named.name;
                    thread.kind = named.kind;
                }
        }
        table.threads.push_back(std::move(thread));
    }
    return table;
}

std::vector<ThreadCatalogue> readCatalogues() {
    std::vector<ThreadTable> files;
    for (const BuiltInTable& file : builtInThreadTables()) {
        ThreadTableReading reading = readThreadTable(file.text);
        // A damaged built-in table is a fault of the build that the table test
        // names; the program goes on without that range.
        if (!reading.ok()) {
            std::fprintf(stderr, "thread table %s, line %d: %s\n", file.fileName, reading.errorLine,
                         reading.error.c_str());
            continue;
        }
        files.push_back(std::move(reading.table));
    }
    std::vector<ThreadCatalogue> catalogues;
    catalogues.emplace_back(ThreadBrand::Dmc, prescribedDmc(files));
    for (ThreadTable& table : files)
        catalogues.emplace_back(ThreadBrand{static_cast<int>(catalogues.size())}, std::move(table));
    return catalogues;
}

} // namespace

ThreadCatalogue::ThreadCatalogue(ThreadBrand brand, ThreadTable table) : m_brand(brand), m_table(std::move(table)) {}

const std::vector<ThreadCatalogue>& ThreadCatalogue::all() {
    static const std::vector<ThreadCatalogue> catalogues = readCatalogues();
    return catalogues;
}

const ThreadCatalogue& ThreadCatalogue::of(ThreadBrand brand) {
    const auto& catalogues = all();
    if (brand.id < 0 || brand.id >= static_cast<int>(catalogues.size())) return catalogues.front();
    return catalogues[static_cast<std::size_t>(brand.id)];
}

std::optional<ThreadBrand> brandOfRange(std::string_view rangeName) {
    for (const ThreadCatalogue& catalogue : ThreadCatalogue::all())
        if (catalogue.rangeName() == rangeName) return catalogue.brand();
    return std::nullopt;
}

std::vector<std::string> extraRangeNames() {
    std::vector<std::string> names;
    for (const ThreadCatalogue& catalogue : ThreadCatalogue::all())
        if (catalogue.brand() != ThreadBrand::Dmc) names.push_back(catalogue.rangeName());
    return names;
}

std::optional<int> ThreadCatalogue::rowOfNumber(std::string_view number) const {
    const std::string wanted = normalisedNumber(number, name());
    if (wanted.empty()) return std::nullopt;
    for (int row = 1; row <= size(); ++row)
        if (normalisedNumber(thread(row).number, name()) == wanted) return row;
    return std::nullopt;
}

} // namespace pav::palette
