// SPDX-License-Identifier: MIT
#pragma once

// Element selection and the kelvin-to-Celsius derivation.
//
// SelectElement copies one catalogue record into the panel and derives the
// Celsius slots from the kelvin slots it has just written. The number
// conversions are locale-independent: "." is always the decimal point.

#include <optional>
#include <string>
#include <string_view>

#include "PropertyPanel.h"

namespace karvelo::display {

inline constexpr double KelvinOffset = 273.16;

// Writes record N into all 46 slots: the eight value texts, then the Celsius
// conversion, then the 18 configuration pairs, subshell before count.
void SelectElement(PropertyPanel& panel, int atomicNumber);

// Melting pair first (Label39 -> Label49), then boiling (Label26 -> Label50).
// A final "~" is removed from the kelvin slot; a kelvin text that is "-" or
// not a number yields "-" in the Celsius slot. No kelvin text stops it: "12~~"
// leaves "12~" in the kelvin slot and "-" in the Celsius slot. Throws
// std::range_error should the subtraction raise an invalid, divide-by-zero
// or overflow flag, which no accepted number can cause.
void UpdateCelsiusValues(PropertyPanel& panel);

// Digits, optionally "." and more digits: the nearest double. Anything else
// (blanks, signs, exponents, ",") gives no value, and so does a number beyond
// the range of double: too large, or non-zero yet too small to differ from 0.
std::optional<double> TextToDouble(std::string_view text);

// 15 significant digits, positional notation, trailing zeros and a bare "."
// dropped, "0" for zero and negative zero. Very large and very small
// magnitudes are written positionally too ("100000000000000000000",
// "0.00000015"). Infinity and NaN have no such text: std::domain_error.
std::string DoubleToText(double value);

} // namespace karvelo::display
