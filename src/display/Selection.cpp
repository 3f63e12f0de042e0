// SPDX-License-Identifier: MIT
#include "Selection.h"

#include <array>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <system_error>

#include "ElementCatalog.h"

namespace karvelo::display {
namespace {

constexpr std::string_view NoValue = "-";
constexpr char NoValueMarker = '-';
constexpr char EstimateMarker = '~';

constexpr int SignificantDigits = 15;

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One or more digits, optionally "." and one or more digits.
constexpr bool IsKelvinNumber(std::string_view text) {
    std::size_t i = 0;
    const auto skipDigits = [&] {
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        return i > start;
    };
    if (!skipDigits()) return false;
    if (i == text.size()) return true;
    if (text[i] != '.') return false;
    ++i;
    return skipDigits() && i == text.size();
}

// The one subtraction of the conversion, with the floating-point flags
// checked around it.
double KelvinToCelsius(double kelvin) {
    constexpr int failures = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
    std::feclearexcept(failures);
    // volatile keeps the subtraction between the flag clearing and the test.
    const volatile double celsius = kelvin - KelvinOffset;
    if (std::fetestexcept(failures) != 0) throw std::range_error("kelvin-to-Celsius subtraction failed");
    return celsius;
}

void UpdateCelsius(PropertyPanel& panel, PanelSlot kelvinSlot, PanelSlot celsiusSlot) {
    std::string kelvin = panel.SlotText(kelvinSlot);
    if (!kelvin.empty() && kelvin.back() == NoValueMarker) {
        panel.SetSlot(celsiusSlot, NoValue);
        return;
    }
    if (!kelvin.empty() && kelvin.back() == EstimateMarker) {
        kelvin.pop_back();
        panel.SetSlot(kelvinSlot, kelvin);
    }
    const std::optional<double> value = TextToDouble(kelvin);
    panel.SetSlot(celsiusSlot, value ? DoubleToText(KelvinToCelsius(*value)) : std::string(NoValue));
}

} // namespace

void SelectElement(PropertyPanel& panel, int atomicNumber) {
    const catalogue::ElementRecord& record = catalogue::ElementAt(atomicNumber);
    panel.SetSlot(PanelSlot::Label8, record.AtomicNumber);
    panel.SetSlot(PanelSlot::Label10, record.Name);
    panel.SetSlot(PanelSlot::Label9, record.Symbol);
    panel.SetSlot(PanelSlot::Label25, record.AtomicWeight);
    panel.SetSlot(PanelSlot::Label26, record.BoilingPointK);
    panel.SetSlot(PanelSlot::Label39, record.MeltingPointK);
    panel.SetSlot(PanelSlot::Label20, record.Density);
    panel.SetSlot(PanelSlot::Label42, record.Valence);
    UpdateCelsiusValues(panel);
    for (int pair = 1; pair <= ConfigurationPairCount; ++pair) {
        const catalogue::ShellEntry& entry = record.Configuration[static_cast<std::size_t>(pair - 1)];
        panel.SetSlot(SubshellSlot(pair), entry.Subshell);
        panel.SetSlot(CountSlot(pair), entry.Electrons);
    }
}

void UpdateCelsiusValues(PropertyPanel& panel) {
    UpdateCelsius(panel, PanelSlot::Label39, PanelSlot::Label49);
    UpdateCelsius(panel, PanelSlot::Label26, PanelSlot::Label50);
}

std::optional<double> TextToDouble(std::string_view text) {
    if (!IsKelvinNumber(text)) return std::nullopt;
    double value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (error != std::errc{} || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string DoubleToText(double value) {
    if (!std::isfinite(value)) throw std::domain_error("no display text for an infinite or NaN value");
    if (value == 0) return "0";

    // "-d.dddddddddddddde-ddd": the correctly rounded significant digits and
    // the decimal exponent, which the positional text below is built from.
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::scientific, SignificantDigits - 1);
    if (error != std::errc{}) throw std::logic_error("to_chars buffer too small");
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(end - buffer.data()));

    const bool negative = scientific.front() == '-';
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, e))
        if (IsDigit(c)) digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    const std::string_view exponentText = scientific.substr(e + 1);
    const std::size_t skipPlus = exponentText.front() == '+' ? 1 : 0;
    int exponent = 0;
    if (std::from_chars(exponentText.data() + skipPlus, exponentText.data() + exponentText.size(), exponent).ec !=
        std::errc{})
        throw std::logic_error("unexpected to_chars exponent");

    // Digits before the decimal point: the first significant digit stands
    // at 10^exponent.
    const long integerDigits = exponent + 1L;
    const long digitCount = static_cast<long>(digits.size());

    std::string text = negative ? "-" : "";
    if (integerDigits <= 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-integerDigits), '0');
        text += digits;
    } else if (integerDigits >= digitCount) {
        text += digits;
        text.append(static_cast<std::size_t>(integerDigits - digitCount), '0');
    } else {
        const auto split = static_cast<std::size_t>(integerDigits);
        text.append(digits, 0, split);
        text += '.';
        text.append(digits, split);
    }
    return text;
}

} // namespace karvelo::display
