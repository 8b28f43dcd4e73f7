#pragma once
// A small pseudo-random generator (SplitMix64) whose sequence is fixed by its seed on
// every compiler and library, unlike the std:: distributions.

#include <cstdint>

namespace pav::colour {

class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1), from the top 53 bits.
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t m_state;
};

} // namespace pav::colour
