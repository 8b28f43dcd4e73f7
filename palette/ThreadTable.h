#pragma once
// A thread table as text: the data file of one thread range. Lines of
// "key<TAB>value" name the range, the brand, the source and the licence; every
// other line is one thread, "number<TAB>#RRGGBB<TAB>name[<TAB>kind]"; "#" starts a
// comment line and blank lines are ignored.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pav::palette {

// Threads that are not plain cotton: left out of matching unless asked for.
enum class ThreadKind { Plain, Metallic, Glow, Variegated };

struct CatalogueThread {
    std::string number; // "3713", "BLANC", ...
    std::int32_t rgb = 0;
    std::string name;   // "Salmon Very Light"; empty when the table has none
    ThreadKind kind = ThreadKind::Plain;

    bool specialty() const { return kind != ThreadKind::Plain; }
};

struct ThreadTable {
    std::string range;   // the range name the settings and the command line offer
    std::string brand;   // the name thread numbers go by on charts and in files
    std::string source;
    std::string licence;
    std::vector<CatalogueThread> threads;
};

struct ThreadTableReading {
    ThreadTable table;
    int errorLine = 0;   // 0 when the text was read whole; else the first bad line
    std::string error;   // what is wrong with it
    bool ok() const { return errorLine == 0; }
};

// Reads a table; a missing header field, a bad colour or kind, or a number given
// twice is an error at its line (line 0 never: a missing field is the last line + 1).
ThreadTableReading readThreadTable(std::string_view text);

// The tables built into the program, in the order their ranges are offered.
struct BuiltInTable {
    const char* fileName;
    std::string_view text;
};
const std::vector<BuiltInTable>& builtInThreadTables();

} // namespace pav::palette
