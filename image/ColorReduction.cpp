#include "ColorReduction.h"
#include "base/Rounding.h"

#include "Dither.h"
#include "ReductionRules.h"

#include <cmath>

namespace pav::image {

namespace {

using rules::ChannelRule;

// The three thresholds of one pixel column position within a picture row.
struct RowThresholds {
    std::uint8_t blue[16], green[16], red[16];
};

RowThresholds thresholdsForRow(int y, bool rotate) {
    const DitherTables& d = initDither();
    RowThresholds t{};
    for (int x = 0; x < 16; ++x) {
        t.green[x] = standardThreshold(d, x, y);
        t.blue[x] = rotate ? rotatedBlueThreshold(d, x, y) : t.green[x];
        t.red[x] = rotate ? rotatedRedThreshold(d, x, y) : t.green[x];
    }
    return t;
}

// Appends pixel values of `bits` bits to a row, most significant bits first; a partly
// filled last byte keeps its unused low bits 0.
template <int Bits> class RowPacker {
public:
    explicit RowPacker(std::uint8_t* row) : m_out(row) {}
    void put(unsigned value) {
        m_acc = (m_acc << Bits) | value;
        if (++m_count == 8 / Bits) flushFull();
    }
    void finish() {
        if (m_count) {
            *m_out = static_cast<std::uint8_t>(m_acc << (8 - Bits * m_count));
        }
    }

private:
    void flushFull() {
        *m_out++ = static_cast<std::uint8_t>(m_acc);
        m_acc = 0;
        m_count = 0;
    }
    std::uint8_t* m_out;
    unsigned m_acc = 0;
    int m_count = 0;
};

// Runs `pixel(x, blue, green, red, thresholds)` over every pixel of every row; Row
// is told the start of the destination row and returns whatever consumes the outputs.
template <typename RowFn>
void forEachRow(ConstPixelRows source, PixelRows destination, std::int32_t width, std::int32_t height,
                bool rotate, RowFn&& row) {
    for (std::int32_t m = 0; m < height; ++m) {
        const int y = height - 1 - m; // picture row from the top
        const RowThresholds t = thresholdsForRow(y, rotate);
        row(source.data + static_cast<std::size_t>(m) * source.stride,
            destination.data + static_cast<std::size_t>(m) * destination.stride, width, t);
    }
}

template <int Bits, typename PixelFn>
void packedRows(ConstPixelRows source, PixelRows destination, std::int32_t width, std::int32_t height,
                bool rotate, PixelFn pixel) {
    forEachRow(source, destination, width, height, rotate,
               [&](const std::uint8_t* in, std::uint8_t* out, std::int32_t w, const RowThresholds& t) {
                   RowPacker<Bits> packer(out);
                   for (std::int32_t x = 0; x < w; ++x, in += 3)
                       packer.put(pixel(in, x & 15, t));
                   packer.finish();
               });
}

void blackWhite(ConstPixelRows s, PixelRows d, std::int32_t w, std::int32_t h) {
    packedRows<1>(s, d, w, h, false, [](const std::uint8_t* p, int j, const RowThresholds& t) {
        return t.green[j] < rules::grey1Fast(p[2], p[1], p[0]) ? 1u : 0u;
    });
}

void greys(ConstPixelRows s, PixelRows d, std::int32_t w, std::int32_t h, int q) {
    const rules::GreyRule& rule = rules::greyRule(q);
    packedRows<4>(s, d, w, h, false, [&rule](const std::uint8_t* p, int j, const RowThresholds& t) {
        return static_cast<unsigned>(rule.apply(rules::greySum(p[2], p[1], p[0]), t.green[j]));
    });
}

// The rules of the three channels as bare table pointers: the loops store bytes, and
// a byte store could alias anything the compiler would otherwise have to reload.
struct ChannelRules {
    const std::uint32_t* blue;
    const std::uint32_t* green;
    const std::uint32_t* red;
    ChannelRules(const ChannelRule& b, const ChannelRule& g, const ChannelRule& r)
        : blue(b.packed.data()), green(g.packed.data()), red(r.packed.data()) {}
    static unsigned apply(std::uint32_t e, int t) { return ChannelRule::applyPacked(e, t); }
    unsigned index(const std::uint8_t* p, int j, const RowThresholds& t) const {
        return apply(blue[p[0]], t.blue[j]) + apply(green[p[1]], t.green[j]) + apply(red[p[2]], t.red[j]);
    }
};

void eightColours(ConstPixelRows s, PixelRows d, std::int32_t w, std::int32_t h, bool rotate) {
    const ChannelRules r(rules::rule8Colours(4), rules::rule8Colours(2), rules::rule8Colours(1));
    packedRows<4>(s, d, w, h, rotate,
                  [r](const std::uint8_t* p, int j, const RowThresholds& t) { return r.index(p, j, t); });
}

void indexed8(ConstPixelRows s, PixelRows d, std::int32_t w, std::int32_t h, bool rotate,
              const ChannelRules rules) {
    forEachRow(
        s, d, w, h, rotate,
        [rules](const std::uint8_t* in, std::uint8_t* out, std::int32_t width, const RowThresholds& row) {
            const ChannelRules r = rules;
            const RowThresholds t = row;
            for (std::int32_t x = 0; x < width; ++x, in += 3)
                out[x] = static_cast<std::uint8_t>(r.index(in, x & 15, t));
        });
}

void rgb565(ConstPixelRows s, PixelRows d, std::int32_t w, std::int32_t h, bool rotate) {
    const ChannelRules rules(rules::rule16Bit(false), rules::rule16Bit(true), rules::rule16Bit(false));
    forEachRow(
        s, d, w, h, rotate,
        [rules](const std::uint8_t* in, std::uint8_t* out, std::int32_t width, const RowThresholds& row) {
            const ChannelRules r = rules;
            const RowThresholds t = row;
            for (std::int32_t x = 0; x < width; ++x, in += 3, out += 3) {
                const int j = x & 15;
                const unsigned b = ChannelRules::apply(r.blue[in[0]], t.blue[j]);
                const unsigned g = ChannelRules::apply(r.green[in[1]], t.green[j]);
                const unsigned red = ChannelRules::apply(r.red[in[2]], t.red[j]);
                out[0] = static_cast<std::uint8_t>(b);
                out[1] = static_cast<std::uint8_t>(g);
                out[2] = static_cast<std::uint8_t>(red);
            }
        });
}

} // namespace

int reductionDepth(ReductionMode mode) {
    switch (mode) {
    case ReductionMode::BlackWhite:
        return 1;
    case ReductionMode::FourGreys:
    case ReductionMode::EightColours:
    case ReductionMode::SixteenGreys:
        return 4;
    case ReductionMode::Colours216:
    case ReductionMode::Colours256:
        return 8;
    case ReductionMode::Rgb565:
        return 24;
    }
    return 0;
}

std::vector<std::int32_t> reductionPalette(ReductionMode mode) {
    const auto rgb = [](int r, int g, int b) { return r + 256 * g + 65536 * b; };
    std::vector<std::int32_t> table;
    switch (mode) {
    case ReductionMode::BlackWhite:
        table = {rgb(0, 0, 0), rgb(255, 255, 255)};
        break;
    case ReductionMode::FourGreys:
        for (int k = 0; k < 4; ++k)
            table.push_back(rgb(85 * k, 85 * k, 85 * k));
        break;
    case ReductionMode::EightColours:
        for (int k = 0; k < 8; ++k)
            table.push_back(rgb(k & 1 ? 255 : 0, k & 2 ? 255 : 0, k & 4 ? 255 : 0));
        break;
    case ReductionMode::SixteenGreys:
        for (int k = 0; k < 16; ++k)
            table.push_back(rgb(17 * k, 17 * k, 17 * k));
        break;
    case ReductionMode::Colours216:
        for (int b = 0; b < 6; ++b)
            for (int g = 0; g < 6; ++g)
                for (int r = 0; r < 6; ++r)
                    table.push_back(rgb(51 * r, 51 * g, 51 * b));
        break;
    case ReductionMode::Colours256: {
        const auto level8 = [](int k) { return static_cast<int>(roundHalfEven(k * double{rules::kStep8})); };
        for (int b = 0; b < 8; ++b)
            for (int g = 0; g < 8; ++g)
                for (int r = 0; r < 4; ++r)
                    table.push_back(rgb(85 * r, level8(g), level8(b)));
        break;
    }
    case ReductionMode::Rgb565:
        break;
    }
    return table;
}

void reducePixels(ReductionMode mode, bool rotate, ConstPixelRows source, PixelRows destination,
                  std::int32_t width, std::int32_t height) {
    switch (mode) {
    case ReductionMode::BlackWhite:
        return blackWhite(source, destination, width, height);
    case ReductionMode::FourGreys:
        return greys(source, destination, width, height, 85);
    case ReductionMode::SixteenGreys:
        return greys(source, destination, width, height, 17);
    case ReductionMode::EightColours:
        return eightColours(source, destination, width, height, rotate);
    case ReductionMode::Colours216:
        return indexed8(source, destination, width, height, rotate,
                        ChannelRules(rules::rule216(36), rules::rule216(6), rules::rule216(1)));
    case ReductionMode::Colours256:
        return indexed8(
            source, destination, width, height, rotate,
            ChannelRules(rules::rule256BlueGreen(32), rules::rule256BlueGreen(4), rules::rule256Red()));
    case ReductionMode::Rgb565:
        return rgb565(source, destination, width, height, rotate);
    }
}

} // namespace pav::image
