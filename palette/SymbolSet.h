#pragma once
// The symbol characters that stand for threads in the grid and the legend.

#include <string>
#include <vector>

namespace pav::palette {

// The five symbol groups and the 240-position symbol string built from them.
struct SymbolSet {
    std::vector<std::string> groups;  // five texts, UTF-8
    std::vector<std::string> symbols; // index 0 = position 1; each one UTF-8 character

    // The symbol at 1-based position p, or an empty string beyond the end.
    std::string at(int position) const;
    int size() const { return static_cast<int>(symbols.size()); }
};

// Builds the symbol set; identical at every call.
SymbolSet loadxiuChr();

// The symbols made for patterns, clearest first (at least 400, none alike at
// a 2 mm cell in black and white); drawn in DejaVu Sans Bold.
std::vector<std::string> designedSymbols();

// UTF-8 text split into its characters (each one to four bytes).
std::vector<std::string> utf8Characters(const std::string& text);

} // namespace pav::palette
