#include "palette/ThreadCatalogue.h"

#include "palette/ThreadPalette.h"

#include <algorithm>
#include <cctype>

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

std::vector<CatalogueThread> dmcCatalogue() {
    std::vector<CatalogueThread> threads;
    for (const ThreadEntry& entry : dmcThreads()) threads.push_back({entry.number, entry.color});
    return threads;
}

} // namespace

ThreadCatalogue::ThreadCatalogue(ThreadBrand brand, std::string name, std::vector<CatalogueThread> threads)
    : m_brand(brand), m_name(std::move(name)), m_threads(std::move(threads)) {}

const ThreadCatalogue& ThreadCatalogue::of(ThreadBrand brand) {
    switch (brand) {
    case ThreadBrand::Dmc:
        break;
    }
    static const ThreadCatalogue dmc(ThreadBrand::Dmc, "DMC", dmcCatalogue());
    return dmc;
}

std::optional<ThreadBrand> brandOfRange(std::string_view rangeName) {
    if (rangeName == ThreadCatalogue::of(ThreadBrand::Dmc).name()) return ThreadBrand::Dmc;
    return std::nullopt;
}

std::optional<int> ThreadCatalogue::rowOfNumber(std::string_view number) const {
    const std::string wanted = normalisedNumber(number, m_name);
    if (wanted.empty()) return std::nullopt;
    for (int row = 1; row <= size(); ++row)
        if (normalisedNumber(thread(row).number, m_name) == wanted) return row;
    return std::nullopt;
}

} // namespace pav::palette
