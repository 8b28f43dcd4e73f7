#include "app/ControlRules.h"

#include <cmath>
#include <limits>

namespace pav::app {

namespace {

template <class Int>
Int toInteger(double value, const char* typeName) {
    if (std::isnan(value)) throw StatementError(StatementFault::Overflow, std::string("not a number for ") + typeName);
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        throw StatementError(StatementFault::Overflow, std::to_string(value) + " does not fit " + typeName);
    }
    return static_cast<Int>(rounded);
}

} // namespace

std::int16_t toInt16(double value) { return toInteger<std::int16_t>(value, "a 16-bit integer"); }
std::int32_t toInt32(double value) { return toInteger<std::int32_t>(value, "a 32-bit integer"); }

ScrollBar::ScrollBar(int min, int max, int largeChange, int smallChange, int value)
    : m_min(min), m_max(max), m_largeChange(largeChange), m_smallChange(smallChange), m_value(value) {}

void ScrollBar::setMin(double min) {
    m_min = toInt16(min);
    keepValueInRange();
    propertyChanged();
}

void ScrollBar::setMax(double max) {
    m_max = toInt16(max);
    keepValueInRange();
    propertyChanged();
}

void ScrollBar::setValue(double value) {
    const int v = toInt16(value);
    if (v < lowest() || v > highest()) {
        throw StatementError(StatementFault::InvalidValue,
                             "scroll bar value " + std::to_string(v) + " outside " + std::to_string(m_min) + ".." +
                                 std::to_string(m_max));
    }
    assignValue(v);
}

void ScrollBar::setLargeChange(double change) {
    const int v = toInt16(change);
    if (v < 1) throw StatementError(StatementFault::InvalidValue, "LargeChange must be at least 1");
    m_largeChange = v;
    propertyChanged();
}

void ScrollBar::setSmallChange(double change) {
    const int v = toInt16(change);
    if (v < 1) throw StatementError(StatementFault::InvalidValue, "SmallChange must be at least 1");
    m_smallChange = v;
    propertyChanged();
}

void ScrollBar::setVisible(bool visible) {
    m_visible = visible;
    propertyChanged();
}

void ScrollBar::setEnabled(bool enabled) {
    m_enabled = enabled;
    propertyChanged();
}

void ScrollBar::scrollTo(int value) {
    const int clamped = value < lowest() ? lowest() : (value > highest() ? highest() : value);
    assignValue(clamped);
}

void ScrollBar::stepBy(int direction, bool large) {
    const int step = large ? m_largeChange : m_smallChange;
    // A bar whose Min exceeds Max runs backwards: "forward" lowers the value.
    const int sign = m_min <= m_max ? 1 : -1;
    scrollTo(m_value + sign * direction * step);
}

void ScrollBar::assignValue(int value) {
    if (value == m_value) return;
    m_value = value;
    propertyChanged();
    if (m_onChange) m_onChange();
}

void ScrollBar::keepValueInRange() {
    if (m_value < lowest()) assignValue(lowest());
    else if (m_value > highest()) assignValue(highest());
}

void ScrollBar::propertyChanged() {
    if (m_onProperty) m_onProperty();
}

} // namespace pav::app
