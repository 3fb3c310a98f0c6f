#pragma once
// Number rules of the input pages: the lenient decimal parse of the range texts, the
// general number format of the readouts, the stored value range, the ZAZ-02
// temperature, the scaled value and the live colour levels. Plain functions, so the
// pages and their tests share one definition.

#include <QString>

namespace zel::inputs {

constexpr int kRawFullScale = 4095; // raw reading of 10 V / 100 %

// The longest leading decimal number of the text (after leading blanks; "," counts
// as "."), 0 when there is none. Numbers beyond the double range give +-infinity.
double parseLenientDecimal(const QString& text);

// The value as a stored single-precision float: +-infinity and values beyond the
// float range are held at the largest float, so a huge typed number never becomes
// an undefined conversion.
float toStoredFloat(double value);

// The range text parsed as packing does (lenient parse, then float).
float rangeTextValue(const QString& text);

struct ValueRange {
    float min;
    float max;
};

// The two range texts as stored: equal values are pulled apart to min - 1 and
// max + 1, or to the neighbouring floats where 1 is below the float's resolution.
ValueRange packValueRange(const QString& minText, const QString& maxText);

// General number format with `precision` significant digits: shortest form, no
// trailing zeros, the user's decimal separator, no group separators.
QString formatGeneral(double value, int precision);

// Temperature of a ZAZ-02 sensor for a raw reading, degrees Celsius.
double zaz02Temperature(int raw);

// Value shown for a raw reading of an analogue or VAR-03 input.
double scaledValue(double min, double max, int raw);

// Input type (ComboBoxSensType item index).
enum InputType { TypeDisabled = 0, TypeDiscrete = 1, TypeAnalogue = 2, TypeZaz02 = 3, TypeVar03 = 4 };

// Live colour decision for one reading: Active (red), Passive (window face) or Keep
// (the previous colour stays: hysteresis levels between the borders, unknown levels).
enum class LiveState { Active, Passive, Keep };
LiveState liveStateFor(int activeLevel, int raw, int lower, int upper);

} // namespace zel::inputs
