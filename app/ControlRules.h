#pragma once
// The arithmetic and control rules the main window's handlers are written
// against: 15 twips to the pixel, rounding halves to even, 16-bit integers
// whose overflow is an error, and scroll bars with Min, Max, Value,
// LargeChange and SmallChange. A failing statement throws StatementError;
// handlers either skip that one statement (attempt) or stop there.

#include "base/Rounding.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace pav::app {

inline constexpr int kTwipsPerPixel = 15;

enum class StatementFault {
    Overflow,         // a result does not fit its integer type
    InvalidValue,     // a property was given a value outside its range
    DivisionByZero,
    BadPicture,       // a picture file that cannot be decoded
};

class StatementError : public std::runtime_error {
public:
    StatementError(StatementFault fault, const std::string& what) : std::runtime_error(what), m_fault(fault) {}
    StatementFault fault() const { return m_fault; }

private:
    StatementFault m_fault;
};

using pav::roundHalfEven;

// Conversions of a real number to an integer type: rounded half to even; a
// result outside the type (or not a number) is an Overflow error.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

inline double twipsToPixels(double twips) { return twips / kTwipsPerPixel; }
inline double pixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

// Runs one statement of a handler that goes on after a failing statement.
// Returns false when the statement failed.
template <class Statement>
bool attempt(Statement&& statement) {
    try {
        statement();
        return true;
    } catch (const StatementError&) {
        return false;
    }
}

// A scroll bar as the handlers see it. Every limit and the value are 16-bit
// integers; Min may exceed Max (the bar then runs backwards). Assigning a
// value outside the range is an error of that assignment. The change handler
// runs, synchronously, only when the value really changes; a drag of the thumb
// (the scroll event) runs the same handler.
class ScrollBar {
public:
    ScrollBar(int min, int max, int largeChange, int smallChange, int value);

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Value() const { return m_value; }
    int LargeChange() const { return m_largeChange; }
    int SmallChange() const { return m_smallChange; }
    bool Visible() const { return m_visible; }
    bool Enabled() const { return m_enabled; }
    int lowest() const { return m_min < m_max ? m_min : m_max; }
    int highest() const { return m_min < m_max ? m_max : m_min; }

    // Property assignments from code. Each converts its argument to a 16-bit
    // integer first (Overflow). A new limit that leaves the value outside the
    // range moves the value to that limit, which counts as a change.
    void setMin(double min);
    void setMax(double max);
    void setValue(double value);
    // 1..32767; anything else is an InvalidValue error.
    void setLargeChange(double change);
    void setSmallChange(double change);
    void setVisible(bool visible);
    void setEnabled(bool enabled);

    // The user dragged the thumb or clicked an arrow or the track: the value
    // is kept inside the range, and the handler runs as for a change.
    void scrollTo(int value);
    void stepBy(int direction, bool large);

    // The change (and scroll) handler.
    void onChange(std::function<void()> handler) { m_onChange = std::move(handler); }
    // Called after any property changed, for the view that mirrors the bar.
    void onPropertyChange(std::function<void()> listener) { m_onProperty = std::move(listener); }

private:
    void assignValue(int value);
    void keepValueInRange();
    void propertyChanged();

    int m_min;
    int m_max;
    int m_largeChange;
    int m_smallChange;
    int m_value;
    bool m_visible = true;
    bool m_enabled = true;
    std::function<void()> m_onChange;
    std::function<void()> m_onProperty;
};

} // namespace pav::app
