#pragma once
// What a chart file holds beyond what the chart draws: attributes and whole
// elements kept as they were read, so that opening and saving a file written by
// another program loses none of it. Plain values, no XML library types.

#include <string>
#include <vector>

namespace pav::chart {

struct XmlAttribute {
    std::string name;
    std::string value;
    bool operator==(const XmlAttribute&) const = default;
};
using XmlAttributes = std::vector<XmlAttribute>;

// An element with its attributes, text and child elements, in document order.
struct XmlElement {
    std::string name;
    XmlAttributes attributes;
    std::string text; // the element's own character data, concatenated
    std::vector<XmlElement> children;
    bool operator==(const XmlElement&) const = default;
};

// The value of an attribute, or nullptr.
inline const std::string* findAttribute(const XmlAttributes& attributes, const std::string& name) {
    for (const XmlAttribute& attribute : attributes)
        if (attribute.name == name) return &attribute.value;
    return nullptr;
}

// A thread's symbol as the file wrote it (a character code of a symbol font, say)
// and the symbol the chart shows for it: saved as written while the chart still shows that.
struct KeptSymbol {
    std::string written;
    std::string shown;
    bool operator==(const KeptSymbol&) const = default;
};

struct ChartFileExtras {
    XmlAttributes root;                  // the <chart> element's attributes and namespace declarations
    XmlAttributes format;                // the <format> element's comments, when the file has them
    XmlAttributes properties;            // chart properties this program does not set itself
    XmlAttributes palette;               // the <palette> element's attributes (the catalogue file, say)
    XmlAttributes cloth;                 // the cloth's attributes other than its colour
    std::vector<XmlAttributes> threads;  // per thread (by index), attributes the chart does not hold
    std::vector<KeptSymbol> symbols;     // per thread (by index); empty when every symbol was written as shown
    std::vector<XmlElement> elements;    // part stitches, knots, beads, comment boxes and unknown elements
    int notShown = 0;                    // how many stitches and objects of those elements are not drawn
    // What reading mended, for a note: full stitches on a cell that already had one
    // (the first is kept), and threads whose symbol repeated another's or was missing.
    int repeatedStitches = 0;
    int replacedSymbols = 0;
    bool operator==(const ChartFileExtras&) const = default;
};

} // namespace pav::chart
