// number-sweep [COUNT [START]]: FormatNumber (0 to 9 decimals) and ParseNumber
// on COUNT values of a fixed random stream (every exponent, field-sized values,
// exact halves and neighbours; their texts, halfway points between doubles,
// random decimal, hexadecimal, inf and nan texts), printed as one digest of
// every result: the tests hold builds to the digest of glibc's results.

#include "toolkit/text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace tk;

namespace {

std::uint64_t g_state;
std::uint64_t Next() {  // splitmix64
    std::uint64_t z = (g_state += 0x9E3779B97F4A7C15);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    return z ^ (z >> 31);
}
int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

std::uint64_t g_digest = 0xCBF29CE484222325;  // FNV-1a
void Digest(const std::string& bytes) {
    for (char c : bytes) g_digest = (g_digest ^ static_cast<unsigned char>(c)) * 0x100000001B3;
    g_digest = (g_digest ^ 0xFF) * 0x100000001B3;
}

std::string Bits(double d) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &d, sizeof bits);
    return std::to_string(bits);
}

void Format(double value, int decimals) {
    std::string text;
    Digest(FormatNumber(text, value, decimals));
}
void Parse(const std::string& text) { Digest(Bits(ParseNumber(text.c_str()))); }

// Decimal digit strings times a small factor.
void Times(std::string& digits, int factor) {
    int carry = 0;
    for (auto i = digits.size(); i-- > 0;) {
        carry += (digits[i] - '0') * factor;
        digits[i] = static_cast<char>('0' + carry % 10);
        carry /= 10;
    }
    for (; carry != 0; carry /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + carry % 10));
}

// The exact decimal text of the point halfway between a positive double and
// the next one up: (2m + 1) x 2^(e - 1).
std::string Halfway(double value) {
    int e = 0;
    const double m = std::frexp(value, &e);
    const auto odd = static_cast<std::uint64_t>(std::ldexp(m, 53)) * 2 + 1;
    e -= 54;
    std::string digits = std::to_string(odd);
    if (e >= 0) {
        for (int i = 0; i < e; ++i) Times(digits, 2);
        return digits;
    }
    for (int i = 0; i < -e; ++i) Times(digits, 5);
    if (digits.size() <= static_cast<std::size_t>(-e)) digits.insert(0, 1 - e - digits.size(), '0');
    return digits.insert(digits.size() + e, ".");
}

// One draw a statement: every compiler draws in the same order.
std::string RandomText() {
    static const char* const kWords[] = {"nan", "NaN", "inf", "INFINITY", "infinit", "0x", "", "."};
    std::string text = Below(3) == 0 ? " \t" : "";
    text += "+- "[Below(3)];
    text += kWords[Below(8)];
    const bool hex = text.ends_with("0x");
    if (text.ends_with("nan") || text.ends_with("NaN")) {
        text += "(" + std::to_string(Next() >> Below(64));
        text += Below(2) ? ")" : "_)";
        return text;
    }
    for (int n = Below(2) ? Below(30) : Below(900); n > 0; --n)
        text += hex ? "0123456789abcdefABCDEF."[Below(23)] : "000123456789."[Below(13)];
    if (Below(2)) text += (hex ? "p" : "e") + std::to_string(Below(2400) - 1200);
    return text;
}

double RandomValue(int kind) {
    const double sign = Below(2) ? -1.0 : 1.0;
    const int exponent = Below(100);
    const std::uint64_t bits = Next() >> Below(64);
    switch (kind) {
        case 0: {
            double any = 0;
            const std::uint64_t random = Next();
            std::memcpy(&any, &random, sizeof any);
            return any;
        }
        case 1: return sign * std::ldexp(static_cast<double>(bits), exponent - 80);
        case 2:  // an exact half at some number of decimals
            return sign * std::ldexp(static_cast<double>(bits | 1), -1 - exponent % 12);
        case 3: return std::nextafter(RandomValue(2), sign * HUGE_VAL);
        default: {  // a power of ten times a small whole number
            double value = sign * static_cast<double>(1 + bits % 1000);
            for (int i = exponent % 40; i < 12; ++i) value /= 10;
            for (int i = 12; i < exponent % 40; ++i) value *= 10;
            return value;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 1000000;
    g_state = argc > 2 ? std::strtoull(argv[2], nullptr, 0) : 1;
    for (long i = 0; i < count; ++i) {
        const double value = RandomValue(static_cast<int>(i % 5));
        for (int decimals = 0; decimals <= 9; ++decimals) Format(value, decimals);
        std::string text;
        Parse(FormatNumber(text, value, Below(10)));
        Parse(RandomText());
        if (i % 100 == 0 && std::isfinite(value) && value != 0) {
            const std::string halfway = Halfway(std::fabs(value));
            Parse(halfway);
            Parse(halfway + (halfway.find('.') == std::string::npos ? ".5" : "1"));
            Parse(halfway.substr(0, halfway.size() - 1));
        }
    }
    std::printf("%ld values: digest %016llX\n", count, static_cast<unsigned long long>(g_digest));
    return 0;
}
