#include "palette/ThreadTable.h"

#include <cctype>
#include <set>

namespace pav::palette {
namespace {

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        parts.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return parts;
        start = tab + 1;
    }
}

bool readColour(std::string_view text, std::int32_t& rgb) {
    if (text.size() != 7 || text[0] != '#') return false;
    std::uint32_t value = 0;
    for (const char c : text.substr(1)) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
        value = value * 16 + static_cast<std::uint32_t>(std::isdigit(static_cast<unsigned char>(c))
                                                            ? c - '0'
                                                            : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
    }
    // The program keeps colours as R + 256*G + 65536*B.
    rgb = static_cast<std::int32_t>(((value >> 16) & 255) + 256 * ((value >> 8) & 255) + 65536 * (value & 255));
    return true;
}

bool readKind(std::string_view text, ThreadKind& kind) {
    if (text == "metallic") kind = ThreadKind::Metallic;
    else if (text == "glow") kind = ThreadKind::Glow;
    else if (text == "variegated") kind = ThreadKind::Variegated;
    else return false;
    return true;
}

std::string upper(std::string_view text) {
    std::string result;
    for (const char c : text) result += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

} // namespace

ThreadTableReading readThreadTable(std::string_view text) {
    ThreadTableReading reading;
    ThreadTable& table = reading.table;
    std::set<std::string> numbers;
    const auto fail = [&reading](int line, std::string why) {
        reading.errorLine = line;
        reading.error = std::move(why);
        return reading;
    };
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;

        const std::vector<std::string_view> parts = fields(line);
        if (parts.size() == 2) {
            std::string* field = parts[0] == "range"     ? &table.range
                                 : parts[0] == "brand"   ? &table.brand
                                 : parts[0] == "source"  ? &table.source
                                 : parts[0] == "licence" ? &table.licence
                                                         : nullptr;
            if (field == nullptr) return fail(lineNumber, "unknown field");
            *field = std::string(parts[1]);
            continue;
        }
        if (parts.size() != 3 && parts.size() != 4) return fail(lineNumber, "not number, colour, name[, kind]");
        CatalogueThread thread;
        thread.number = std::string(parts[0]);
        thread.name = std::string(parts[2]);
        if (thread.number.empty()) return fail(lineNumber, "no number");
        if (!readColour(parts[1], thread.rgb)) return fail(lineNumber, "colour is not #RRGGBB");
        if (parts.size() == 4 && !readKind(parts[3], thread.kind)) return fail(lineNumber, "unknown kind");
        if (!numbers.insert(upper(thread.number)).second) return fail(lineNumber, "number given twice");
        table.threads.push_back(std::move(thread));
    }
    for (const auto& [field, name] : {std::pair{&table.range, "range"}, {&table.brand, "brand"},
                                      {&table.source, "source"}, {&table.licence, "licence"}})
        if (field->empty()) return fail(lineNumber + 1, std::string("no ") + name);
    if (table.threads.empty()) return fail(lineNumber + 1, "no threads");
    return reading;
}

} // namespace pav::palette
