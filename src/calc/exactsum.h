// A sum of doubles kept exactly: every double is an integer multiple of the
// least subnormal, 2^-1074, so a fixed-point integer of that unit, wide enough
// for the largest double and some headroom, holds any sum of them without a
// rounding. Adding or taking away one double costs the same whatever the sum
// holds; the sum is rounded once, when it is read.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace msweight {

class ExactSum
{
public:
    // `value` must be finite.
    void add(double value);
    void subtract(double value);

    // The double nearest to the exact sum, ties to even; nothing when the sum
    // lies beyond the double range.
    std::optional<double> value() const;

    bool isZero() const;

private:
    void addMagnitude(double value, bool negative);

    // Bits 0 to 2097 hold the largest double's bits; the rest is headroom
    // for 2^77 additions of it and the sign, in two's complement.
    static constexpr int Limbs = 34;
    std::array<std::uint64_t, Limbs> m_limbs{};
};

} // namespace msweight
