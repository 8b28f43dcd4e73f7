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

struct ChartFileExtras {
    XmlAttributes properties;            // chart properties this program does not set itself
    XmlAttributes cloth;                 // the cloth's attributes other than its colour
    std::vector<XmlAttributes> threads;  // per thread (by index), attributes the chart does not hold
    std::vector<XmlElement> elements;    // part stitches, knots, beads, comment boxes and unknown elements
    int notShown = 0;                    // how many stitches and objects of those elements are not drawn
    bool operator==(const ChartFileExtras&) const = default;
};

} // namespace pav::chart
