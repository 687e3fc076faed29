#include "calc/exactsum.h"

#include <bit>
#include <cmath>
#include <cstdlib>

namespace msweight {

namespace {

constexpr int LimbBits = 64;
constexpr int MantissaBits = 52;
constexpr int LeastExponent = -1074; // of the unit, the least subnormal

} // namespace

void ExactSum::add(double value)
{
    addMagnitude(value, std::signbit(value));
}

void ExactSum::subtract(double value)
{
    addMagnitude(value, !std::signbit(value));
}

// The significand of `value` lands at its bit offset from 2^-1074, straddling
// at most two limbs; the carry or borrow runs on to the top.
void ExactSum::addMagnitude(double value, bool negative)
{
    if (!std::isfinite(value))
        std::abort();
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = int((bits >> MantissaBits) & 0x7ff);
    std::uint64_t significand = bits & ((std::uint64_t(1) << MantissaBits) - 1);
    int offset = 0;
    if (biased != 0) {
        significand |= std::uint64_t(1) << MantissaBits;
        offset = biased - 1;
    }
    if (significand == 0)
        return;
    const int limb = offset / LimbBits;
    const int shift = offset % LimbBits;
    const std::uint64_t low = significand << shift;
    const std::uint64_t high = shift == 0 ? 0 : significand >> (LimbBits - shift);

    if (!negative) {
        std::uint64_t sum = m_limbs[limb] + low;
        std::uint64_t carry = sum < low;
        m_limbs[limb] = sum;
        const std::uint64_t next = high + carry; // high < 2^52: no overflow
        sum = m_limbs[limb + 1] + next;
        carry = sum < next;
        m_limbs[limb + 1] = sum;
        for (int i = limb + 2; carry && i < Limbs; ++i)
            carry = ++m_limbs[i] == 0;
    } else {
        std::uint64_t borrow = m_limbs[limb] < low;
        m_limbs[limb] -= low;
        const std::uint64_t next = high + borrow;
        borrow = m_limbs[limb + 1] < next;
        m_limbs[limb + 1] -= next;
        for (int i = limb + 2; borrow && i < Limbs; ++i)
            borrow = m_limbs[i]-- == 0;
    }
}

bool ExactSum::isZero() const
{
    for (std::uint64_t limb : m_limbs) {
        if (limb != 0)
            return false;
    }
    return true;
}

std::optional<double> ExactSum::value() const
{
    const bool negative = m_limbs[Limbs - 1] >> (LimbBits - 1);
    std::array<std::uint64_t, Limbs> magnitude = m_limbs;
    if (negative) {
        std::uint64_t carry = 1;
        for (std::uint64_t &limb : magnitude) {
            limb = ~limb + carry;
            carry = carry && limb == 0;
        }
    }
    int top = Limbs - 1;
    while (top >= 0 && magnitude[top] == 0)
        --top;
    if (top < 0)
        return 0.0;
    const int highest = top * LimbBits + (LimbBits - 1 - std::countl_zero(magnitude[top]));
    const auto bit = [&](int at) { return (magnitude[at / LimbBits] >> (at % LimbBits)) & 1; };

    // Up to 53 bits from the highest down; below 2^53 units every value is a
    // double already (a subnormal, or a normal of the least exponent).
    const int lowest = highest > MantissaBits ? highest - MantissaBits : 0;
    std::uint64_t significand = 0;
    for (int at = highest; at >= lowest; --at)
        significand = (significand << 1) | bit(at);
    if (lowest > 0) {
        const int halfAt = lowest - 1;
        const bool half = bit(halfAt);
        const int limb = halfAt / LimbBits;
        bool sticky = (magnitude[limb] & ((std::uint64_t(1) << (halfAt % LimbBits)) - 1)) != 0;
        for (int i = 0; i < limb && !sticky; ++i)
            sticky = magnitude[i] != 0;
        if (half && (sticky || (significand & 1)))
            ++significand; // 2^53 at most, still exact as a double
    }
    const double result = std::ldexp(double(significand), lowest + LeastExponent);
    if (!std::isfinite(result))
        return std::nullopt;
    return negative ? -result : result;
}

} // namespace msweight
