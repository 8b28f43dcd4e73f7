#include "ReductionRules.h"
#include "base/Rounding.h"

#include <cmath>
#include <functional>

namespace pav::image::rules {

double greyDouble(int r, int g, int b) {
    return 0.299 * r + 0.587 * g + 0.114 * b;
}

int grey1(int r, int g, int b) {
    return static_cast<int>(roundHalfEven(greyDouble(r, g, b)));
}

float greyFloat(int r, int g, int b) {
    return static_cast<float>(greyDouble(r, g, b));
}

int greyLevel(float grey, int t, int q) {
    const int top = 255 / q;
    int level = static_cast<int>(roundHalfEven(grey)) / q;
    if (level != top) {
        // A grey that rounds up into the next band gives a negative f and keeps its level.
        const float f = static_cast<float>((static_cast<double>(grey) - q * level) * 256 / q);
        if (f > static_cast<float>(t)) ++level;
    }
    return level;
}

bool eightColourBit(int c, int t) {
    return (c * 256) / 255 > t;
}

int level216(int c, int t) {
    if (c == 255) return 5;
    return c / 51 + ((c % 51) * 256 / 51.0 > t ? 1 : 0);
}

namespace {
// floor(c / S), plus one where the remainder's share of the step exceeds t; double precision throughout.
int steppedLevel(int c, int t, float step) {
    const double s = step;
    const double level = std::floor(c / s);
    const double remainder = c - level * s;
    return static_cast<int>(level) + (remainder * 256 / s > t ? 1 : 0);
}
} // namespace

int level8BlueGreen(int c, int t) {
    return c == 255 ? 7 : steppedLevel(c, t, kStep8);
}

int level8Red(int c, int t) {
    if (c == 255) return 3;
    return c / 85 + ((c % 85) * 256 / 85.0 > t ? 1 : 0);
}

int value16(int c, int t, float step) {
    if (c == 255) return 255;
    return static_cast<int>(roundHalfEven(steppedLevel(c, t, step) * static_cast<double>(step)));
}

int grey1Fast(int r, int g, int b) {
    const int sum = greySum(r, g, b);
    const int whole = sum / 1000, part = sum % 1000;
    // An exact half of the true grey lands either side of .5 in double precision,
    // depending on the operands; only then is the literal form needed.
    if (part == 500) [[unlikely]]
        return grey1(r, g, b);
    return whole + (part > 500 ? 1 : 0);
}

namespace {

// Every rule raises its value by one step exactly where the threshold lies below a
// switch-over point; this finds that point (0..256) by bisection.
template <typename Raised> int switchOver(Raised raised) {
    int low = 0, high = 256;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (raised(middle))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

// Packs a literal per-channel rule: the output for threshold 255 is the low value, for 0 the
// high one (never below the low one: a level only ever rises by one).
ChannelRule buildRule(const std::function<int(int c, int t)>& literal) {
    ChannelRule rule;
    for (int c = 0; c < 256; ++c) {
        const int low = literal(c, 255), high = literal(c, 0);
        const int below = switchOver([&](int t) { return literal(c, t) != low; });
        rule.packed[static_cast<std::size_t>(c)] = static_cast<std::uint32_t>(below) |
                                                   static_cast<std::uint32_t>(low) << 16 |
                                                   static_cast<std::uint32_t>(high - low) << 24;
    }
    return rule;
}

} // namespace

const ChannelRule& rule216(int weight) {
    static const ChannelRule r36 = buildRule([](int c, int t) { return 36 * level216(c, t); });
    static const ChannelRule r6 = buildRule([](int c, int t) { return 6 * level216(c, t); });
    static const ChannelRule r1 = buildRule([](int c, int t) { return level216(c, t); });
    return weight == 36 ? r36 : weight == 6 ? r6 : r1;
}

const ChannelRule& rule256BlueGreen(int weight) {
    static const ChannelRule r32 = buildRule([](int c, int t) { return 32 * level8BlueGreen(c, t); });
    static const ChannelRule r4 = buildRule([](int c, int t) { return 4 * level8BlueGreen(c, t); });
    return weight == 32 ? r32 : r4;
}

const ChannelRule& rule256Red() {
    static const ChannelRule r = buildRule([](int c, int t) { return level8Red(c, t); });
    return r;
}

const ChannelRule& rule8Colours(int weight) {
    static const ChannelRule r4 = buildRule([](int c, int t) { return eightColourBit(c, t) ? 4 : 0; });
    static const ChannelRule r2 = buildRule([](int c, int t) { return eightColourBit(c, t) ? 2 : 0; });
    static const ChannelRule r1 = buildRule([](int c, int t) { return eightColourBit(c, t) ? 1 : 0; });
    return weight == 4 ? r4 : weight == 2 ? r2 : r1;
}

const ChannelRule& rule16Bit(bool green) {
    static const ChannelRule r32 = buildRule([](int c, int t) { return value16(c, t, kStep32); });
    static const ChannelRule r64 = buildRule([](int c, int t) { return value16(c, t, kStep64); });
    return green ? r64 : r32;
}

namespace {

GreyRule buildGreyRule(int q) {
    GreyRule rule;
    rule.packed.resize(kMaxGreySum + 1);
    for (int sum = 0; sum <= kMaxGreySum; ++sum) {
        // The exact grey sum / 1000 is never near a rounding boundary of a float, so the
        // correctly rounded float division gives the literal form's single-precision grey.
        const float grey = static_cast<float>(sum) / 1000.0f;
        const int base = greyLevel(grey, 255, q);
        const int below = switchOver([&](int t) { return greyLevel(grey, t, q) != base; });
        rule.packed[static_cast<std::size_t>(sum)] = static_cast<std::uint16_t>(below | base << 9);
    }
    return rule;
}

} // namespace

const GreyRule& greyRule(int q) {
    static const GreyRule r85 = buildGreyRule(85);
    static const GreyRule r17 = buildGreyRule(17);
    return q == 85 ? r85 : r17;
}

} // namespace pav::image::rules
