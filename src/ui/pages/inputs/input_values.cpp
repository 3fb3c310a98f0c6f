#include "ui/pages/inputs/input_values.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zel::inputs {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

double parseLenientDecimal(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const std::string s = t.toStdString();
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r' || s[i] == '\v'
                            || s[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const size_t start = i;
    size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    size_t end = i;
    // The exponent counts only when it is complete.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            end = j;
        }
    }
    double value = 0.0;
    const char* first = s.data() + start;
    const char* last = s.data() + end;
    const auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: decide by the magnitude of the mantissa
        // and the exponent.
        long exponent = 0;
        bool inExponent = false;
        bool expNegative = false;
        int intDigits = 0;
        int leadingFractionZeros = 0;
        bool seenNonZero = false;
        bool inFraction = false;
        for (const char* p = first; p < last; ++p) {
            const char c = *p;
            if (inExponent) {
                if (c == '-')
                    expNegative = true;
                else if (isDigit(c) && exponent < 100000)
                    exponent = exponent * 10 + (c - '0');
                continue;
            }
            if (c == 'e' || c == 'E') {
                inExponent = true;
            } else if (c == '.') {
                inFraction = true;
            } else if (!inFraction) {
                if (c != '0' || seenNonZero) {
                    seenNonZero = true;
                    ++intDigits;
                }
            } else if (!seenNonZero) {
                if (c == '0')
                    ++leadingFractionZeros;
                else
                    seenNonZero = true;
            }
        }
        const long magnitude = (intDigits > 0 ? intDigits - 1 : -(leadingFractionZeros + 1))
                               + (expNegative ? -exponent : exponent);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

float toStoredFloat(double value)
{
    constexpr double kMax = std::numeric_limits<float>::max();
    if (std::isnan(value))
        return 0.0f;
    if (value > kMax)
        return std::numeric_limits<float>::max();
    if (value < -kMax)
        return -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

float rangeTextValue(const QString& text) { return toStoredFloat(parseLenientDecimal(text)); }

ValueRange packValueRange(const QString& minText, const QString& maxText)
{
    ValueRange r{rangeTextValue(minText), rangeTextValue(maxText)};
    if (r.min < r.max || r.min > r.max)
        return r;
    // Equal (or unordered): a scale with no span shows one value for every reading.
    float lo = toStoredFloat(static_cast<double>(r.min) - 1.0);
    float hi = toStoredFloat(static_cast<double>(r.max) + 1.0);
    if (!(lo < hi)) {
        constexpr float kMax = std::numeric_limits<float>::max();
        lo = std::nextafter(r.min, -kMax);
        hi = std::nextafter(r.max, kMax);
    }
    r.min = lo;
    r.max = hi;
    return r;
}

QString formatGeneral(double value, int precision)
{
    if (value == 0.0)
        value = 0.0; // no "-0"
    QString s = QLocale::c().toString(value, 'g', precision);
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String("."))
        s.replace(QLatin1Char('.'), point);
    return s;
}

double zaz02Temperature(int raw)
{
    // Integer division rounds toward zero, as the controller does.
    const long long hundredths = (1600LL * raw - 984100LL) / 196LL;
    return static_cast<double>(hundredths) / 100.0;
}

double scaledValue(double min, double max, int raw) { return min + (max - min) * raw / kRawFullScale; }

LiveState liveStateFor(int activeLevel, int raw, int lower, int upper)
{
    const int r = raw, L = lower, H = upper;
    switch (activeLevel) {
    case 0:
        return (r <= L || r >= H) ? LiveState::Active : LiveState::Passive;
    case 1:
        return r <= L ? LiveState::Active : LiveState::Passive;
    case 2:
        return (L <= r && r <= H) ? LiveState::Active : LiveState::Passive;
    case 3:
        return r >= H ? LiveState::Active : LiveState::Passive;
    case 4:
        if (r <= L)
            return LiveState::Active;
        return r >= H ? LiveState::Passive : LiveState::Keep;
    case 5:
        if (r >= H)
            return LiveState::Active;
        return r <= L ? LiveState::Passive : LiveState::Keep;
    default:
        return LiveState::Keep;
    }
}

} // namespace zel::inputs
