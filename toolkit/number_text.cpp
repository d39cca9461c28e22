// Number text both ways, worked out exactly and the same on every platform.
//
// A double is m x 2^e and a decimal text is an integer times a power of ten,
// so each conversion is the rounding of one exact value, done here on
// integers of any size rather than by the C library: the texts do not depend
// on the platform's printf, to_chars or strtod, nor on any locale. Reading
// follows the GNU C library's strtod bit for bit (the sign and payload of a
// not-a-number included); writing is its printf's "%.*f" but that exact
// halves round away from zero.

#include "toolkit/text.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace tk {

namespace {

// An unsigned integer of any size, in 32-bit limbs, the lowest first, with
// no zero limbs at the top.
class BigNumber {
public:
    explicit BigNumber(std::uint64_t value = 0) {
        for (; value != 0; value >>= 32) limbs_.push_back(static_cast<std::uint32_t>(value));
    }

    bool IsZero() const { return limbs_.empty(); }

    int BitLength() const {
        if (limbs_.empty()) return 0;
        return 32 * static_cast<int>(limbs_.size() - 1) + std::bit_width(limbs_.back());
    }

    bool Bit(int index) const {
        const auto limb = static_cast<std::size_t>(index / 32);
        return limb < limbs_.size() && ((limbs_[limb] >> (index % 32)) & 1) != 0;
    }

    // this = this * factor + add
    void MultiplyAdd(std::uint32_t factor, std::uint32_t add) {
        std::uint64_t carry = add;
        for (std::uint32_t& limb : limbs_) {
            carry += std::uint64_t(limb) * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    // this = this * 5^count
    void MultiplyPowerOfFive(int count) {
        for (; count >= 13; count -= 13) MultiplyAdd(1220703125, 0);  // 5^13
        std::uint32_t rest = 1;
        while (count-- > 0) rest *= 5;
        MultiplyAdd(rest, 0);
    }

    void ShiftLeft(int bits) {
        if (limbs_.empty() || bits <= 0) return;
        const int whole = bits / 32, part = bits % 32;
        if (part != 0) {
            limbs_.push_back(0);
            for (std::size_t i = limbs_.size() - 1; i > 0; --i)
                limbs_[i] = (limbs_[i] << part) | (limbs_[i - 1] >> (32 - part));
            limbs_[0] <<= part;
        }
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(whole), 0);
        Trim();
    }

    void ShiftRight(int bits) {
        if (bits <= 0) return;
        const auto whole = static_cast<std::size_t>(bits / 32);
        const int part = bits % 32;
        if (whole >= limbs_.size()) {
            limbs_.clear();
            return;
        }
        limbs_.erase(limbs_.begin(), limbs_.begin() + static_cast<std::ptrdiff_t>(whole));
        if (part != 0) {
            for (std::size_t i = 0; i + 1 < limbs_.size(); ++i)
                limbs_[i] = (limbs_[i] >> part) | (limbs_[i + 1] << (32 - part));
            limbs_.back() >>= part;
        }
        Trim();
    }

    // this = this / divisor; returns the remainder.
    std::uint32_t Divide(std::uint32_t divisor) {
        std::uint64_t rest = 0;
        for (std::size_t i = limbs_.size(); i-- > 0;) {
            rest = (rest << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(rest / divisor);
            rest %= divisor;
        }
        Trim();
        return static_cast<std::uint32_t>(rest);
    }

    // this = this - other, where other <= this.
    void Subtract(const BigNumber& other) {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            std::int64_t d = std::int64_t(limbs_[i]) - borrow;
            if (i < other.limbs_.size()) d -= other.limbs_[i];
            borrow = d < 0 ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(d + (borrow << 32));
        }
        Trim();
    }

    friend bool operator<(const BigNumber& a, const BigNumber& b) {
        if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size();
        return std::lexicographical_compare(a.limbs_.rbegin(), a.limbs_.rend(), b.limbs_.rbegin(),
                                            b.limbs_.rend());
    }

    // The decimal digits, "0" for zero.
    std::string Decimal() const {
        BigNumber rest = *this;
        std::string digits;
        do {
            std::uint32_t group = rest.Divide(1000000000);
            for (int i = 0; i < 9 && (group != 0 || !rest.IsZero()); ++i, group /= 10)
                digits.push_back(static_cast<char>('0' + group % 10));
        } while (!rest.IsZero());
        if (digits.empty()) digits.push_back('0');
        std::reverse(digits.begin(), digits.end());
        return digits;
    }

private:
    void Trim() {
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }

    std::vector<std::uint32_t> limbs_;
};

constexpr int kMaxDecimals = 8;

// A double's bits and back (std::bit_cast is missing from some standard
// libraries the program is built with).
std::uint64_t BitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double DoubleOf(std::uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
constexpr std::uint64_t kSignBit = std::uint64_t(1) << 63;
constexpr std::uint64_t kHiddenBit = std::uint64_t(1) << 52;
constexpr std::uint64_t kInfinity = 0x7FF0000000000000;
constexpr std::uint64_t kQuietNan = 0x7FF8000000000000;

// ---- Reading ----------------------------------------------------------------

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The value of a digit or letter as a digit (a and A are 10, z and Z 35), 99
// for anything else.
int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

bool StartsWithWord(const char* text, const char* word) {
    for (; *word != '\0'; ++text, ++word)
        if ((*text | 0x20) != *word) return false;
    return true;
}

// The quiet not-a-number after "nan": a parenthesised run of letters,
// digits and '_' that reads whole as an unsigned number (decimal, octal with
// a leading 0, hexadecimal with 0x; too large reads as all ones) sets the
// payload, its low 51 bits.
std::uint64_t NotANumber(const char* text) {
    if (*text != '(') return kQuietNan;
    const char* end = text + 1;
    while (DigitValue(*end) < 36 || *end == '_') ++end;
    if (*end != ')') return kQuietNan;
    const char* digit = text + 1;
    int base = 10;
    if (digit[0] == '0' && (digit[1] | 0x20) == 'x' && DigitValue(digit[2]) < 16) {
        base = 16;
        digit += 2;
    } else if (digit[0] == '0') {
        base = 8;
    }
    std::uint64_t payload = 0;
    bool tooLarge = false;
    for (; digit < end && DigitValue(*digit) < base; ++digit) {
        const auto value = static_cast<std::uint64_t>(DigitValue(*digit));
        tooLarge = tooLarge || payload > (~std::uint64_t(0) - value) / base;
        payload = payload * base + value;
    }
    if (digit != end) return kQuietNan;
    if (tooLarge) payload = ~std::uint64_t(0);
    return kQuietNan | (payload & (kHiddenBit / 2 - 1));
}

// The bits of the double nearest to numerator / denominator x 2^exponent
// (ties to even), for a numerator that is not zero.
std::uint64_t NearestDouble(BigNumber numerator, BigNumber denominator, long long exponent) {
    // A quotient of 55 to 57 bits, the bits below it only as "not exact".
    const int shift = 55 + denominator.BitLength() - numerator.BitLength();
    if (shift > 0)
        numerator.ShiftLeft(shift);
    else
        denominator.ShiftLeft(-shift);
    exponent -= shift;
    std::uint64_t quotient = 0;
    denominator.ShiftLeft(57);
    for (int bit = 57; bit >= 0; --bit, denominator.ShiftRight(1)) {
        if (numerator < denominator) continue;
        numerator.Subtract(denominator);
        quotient |= std::uint64_t(1) << bit;
    }
    const bool inexact = !numerator.IsZero();

    // Keep 53 bits, or fewer where the result is below the normal range.
    const long long top = std::bit_width(quotient) - 1 + exponent;
    if (top > 1023) return kInfinity;
    const long long lowest = std::max(top - 52, -1074LL);
    const long long drop = lowest - exponent;
    if (drop > 57) return 0;  // below half the smallest subnormal
    std::uint64_t kept = quotient >> drop;
    const std::uint64_t rest = quotient & ((std::uint64_t(1) << drop) - 1);
    const std::uint64_t half = std::uint64_t(1) << (drop - 1);
    if (rest > half || (rest == half && (inexact || (kept & 1) != 0))) ++kept;
    long long biased = lowest + 1075;
    if (kept == 2 * kHiddenBit) {
        kept /= 2;
        ++biased;
    }
    if (kept < kHiddenBit) return kept;  // subnormal
    if (biased >= 2047) return kInfinity;
    return (static_cast<std::uint64_t>(biased) << 52) | (kept - kHiddenBit);
}

// Reads the digits of a decimal (base 10) or hexadecimal (base 16) number
// from `text` and returns the bits of its magnitude.
std::uint64_t ReadNumber(const char* text, int base) {
    // Digits past the first `keep` significant ones only tell whether the
    // value is exact: a 1 in their place rounds alike. A halfway point between
    // two doubles has at most 768 significant decimal digits (14 hexadecimal).
    const int keep = base == 10 ? 800 : 32;
    BigNumber digits;
    int kept = 0;
    long long scale = 0;  // value = digits x base^scale
    bool inexact = false, point = false;
    for (;; ++text) {
        if (*text == '.' && !point) {
            point = true;
            continue;
        }
        const int value = DigitValue(*text);
        if (value >= base) break;
        if (kept >= keep) {
            inexact = inexact || value != 0;
            if (!point) ++scale;
            continue;
        }
        if (value != 0 || kept > 0) {
            digits.MultiplyAdd(static_cast<std::uint32_t>(base), static_cast<std::uint32_t>(value));
            ++kept;
        }
        if (point) --scale;
    }
    if (inexact) {
        digits.MultiplyAdd(static_cast<std::uint32_t>(base), 1);
        ++kept;
        --scale;
    }
    // The exponent, which ends past a billion (the value is then 0 or
    // infinite anyway).
    const char mark = base == 10 ? 'e' : 'p';
    long long exponent = 0;
    if ((*text | 0x20) == mark) {
        const char* at = text + 1;
        const bool negative = *at == '-';
        if (*at == '+' || *at == '-') ++at;
        for (; *at >= '0' && *at <= '9'; ++at)
            exponent = std::min(exponent * 10 + (*at - '0'), 1000000000LL);
        if (negative) exponent = -exponent;
    }
    if (digits.IsZero()) return 0;
    if (base == 16) {
        exponent += 4 * scale;
        if (digits.BitLength() + exponent > 1100) return kInfinity;
        if (digits.BitLength() + exponent < -1100) return 0;
        return NearestDouble(digits, BigNumber(1), exponent);
    }
    // digits x 10^p = digits x 5^p x 2^p, with 10^(kept + p - 1) <= value.
    const long long power = scale + exponent;
    if (kept + power > 310) return kInfinity;
    if (kept + power < -330) return 0;
    BigNumber fives(1);
    if (power >= 0)
        digits.MultiplyPowerOfFive(static_cast<int>(power));
    else
        fives.MultiplyPowerOfFive(static_cast<int>(-power));
    return NearestDouble(digits, fives, power);
}

}  // namespace

std::string& FormatNumber(std::string& dest, double value, int decimals) {
    if (decimals < 0) return dest;
    decimals = std::min(decimals, kMaxDecimals);
    const auto bits = BitsOf(value);
    const bool negative = (bits & kSignBit) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & (kHiddenBit - 1);
    if (biased == 0x7FF) {
        dest = mantissa != 0 ? "nan" : negative ? "-inf" : "inf";
        return dest;
    }
    // |value| = mantissa x 2^exponent; its text is |value| x 10^decimals
    // rounded to a whole number, an exact half upwards.
    int exponent = -1074;
    if (biased != 0) {
        mantissa |= kHiddenBit;
        exponent = biased - 1075;
    }
    BigNumber scaled(mantissa);
    for (int i = 0; i < decimals; ++i) scaled.MultiplyAdd(10, 0);
    if (exponent >= 0) {
        scaled.ShiftLeft(exponent);
    } else {
        scaled.ShiftRight(-exponent - 1);
        const bool half = scaled.Bit(0);
        scaled.ShiftRight(1);
        if (half) scaled.MultiplyAdd(1, 1);
    }
    std::string digits = scaled.Decimal();
    const auto places = static_cast<std::size_t>(decimals);
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
    dest.clear();
    if (negative) dest.push_back('-');
    dest.append(digits, 0, digits.size() - places);
    if (places > 0) dest.append(1, '.').append(digits, digits.size() - places, places);
    return dest;
}

double ParseNumber(const char* text) {
    if (text == nullptr) return 0.0;
    while (IsSpace(*text)) ++text;
    const bool negative = *text == '-';
    if (*text == '+' || *text == '-') ++text;
    std::uint64_t bits = 0;
    if (StartsWithWord(text, "nan"))
        bits = NotANumber(text + 3);
    else if (StartsWithWord(text, "inf"))
        bits = kInfinity;
    else if (text[0] == '0' && (text[1] | 0x20) == 'x' &&
             (DigitValue(text[2]) < 16 || (text[2] == '.' && DigitValue(text[3]) < 16)))
        bits = ReadNumber(text + 2, 16);
    else if (DigitValue(text[0]) < 10 || (text[0] == '.' && DigitValue(text[1]) < 10))
        bits = ReadNumber(text, 10);
    else
        return 0.0;  // no number at all, whatever the sign
    return DoubleOf(negative ? bits | kSignBit : bits);
}

}  // namespace tk
