#pragma once
// The per-pixel rules of the colour-reduction modes, twice: once literally, in
// the floating-point steps that define the results, and once as the fast
// table-driven form that the reductions use. Tests prove the two equal for
// every input. Plain C++, no Qt.

#include <array>
#include <cstdint>
#include <vector>

namespace pav::image::rules {

// Step constants of the 8-level and 16-bit modes: single-precision values.
inline constexpr float kStep8 = 36.42857f;
inline constexpr float kStep32 = 8.225806f;
inline constexpr float kStep64 = 4.047619f;

// --- literal forms (t is the dither threshold 0..255) ---
// 0.299 R + 0.587 G + 0.114 B, left to right in double precision.
double greyDouble(int r, int g, int b);
// The grey of the black-and-white mode: greyDouble rounded half to even.
int grey1(int r, int g, int b);
// The grey of the 4- and 16-grey modes: greyDouble stored in single precision.
float greyFloat(int r, int g, int b);
// Output level of the 4-grey (q = 85) or 16-grey (q = 17) mode for a grey value.
int greyLevel(float grey, int t, int q);
// One channel of the 8-colour mode: whether the channel's bit is set.
bool eightColourBit(int c, int t);
// Channel level 0..5 of the 216-colour mode.
int level216(int c, int t);
// Blue or green level 0..7 of the 256-colour mode (step kStep8).
int level8BlueGreen(int c, int t);
// Red level 0..3 of the 256-colour mode.
int level8Red(int c, int t);
// Output value 0..255 of one channel of the 16-bit-style mode for a step.
int value16(int c, int t, float step);

// --- fast forms ---
// Integer weighted sum 299 R + 587 G + 114 B = 1000 x the exact grey.
inline int greySum(int r, int g, int b) {
    return 299 * r + 587 * g + 114 * b;
}
inline constexpr int kMaxGreySum = 255000;

// grey1 from the integer sum; only exact halves take the floating-point path.
int grey1Fast(int r, int g, int b);

// One channel of a dithered mode: its contribution is high[c] where t < below[c], low[c]
// elsewhere. Packed as below | low << 16 | (high - low) << 24 and applied without a branch,
// since on real pictures the comparison is as good as random.
struct ChannelRule {
    std::array<std::uint32_t, 256> packed{};
    static unsigned applyPacked(std::uint32_t e, int t) {
        const unsigned bump =
            static_cast<unsigned>(t - static_cast<int>(e & 0xFFFF)) >> 31; // 1 where t < below
        return ((e >> 16) & 0xFF) + bump * (e >> 24);
    }
    unsigned apply(int c, int t) const { return applyPacked(packed[static_cast<std::size_t>(c)], t); }
};

// The rules, built once from the literal forms. Weights are folded in:
// 216 colours 36/6/1, 256 colours 32/4/1, 8 colours 4/2/1.
const ChannelRule& rule216(int weight);
const ChannelRule& rule256BlueGreen(int weight);
const ChannelRule& rule256Red();
const ChannelRule& rule8Colours(int weight);
const ChannelRule& rule16Bit(bool green);

// A grey mode indexed by greySum: level = base + (t < below).
struct GreyRule {
    std::vector<std::uint16_t> packed; // below | base << 9, kMaxGreySum + 1 entries
    int apply(int sum, int t) const {
        const unsigned e = packed[static_cast<std::size_t>(sum)];
        return static_cast<int>(e >> 9) + (t < static_cast<int>(e & 0x1FF));
    }
};
const GreyRule& greyRule(int q); // q = 85 or 17

} // namespace pav::image::rules
