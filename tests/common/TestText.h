// SPDX-License-Identifier: MIT
#pragma once

// Texts for test comparisons and messages, made without any locale.

#include <QString>

#include <array>
#include <charconv>
#include <string_view>

namespace karvelo::tests {

inline QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString DecimalText(long long value)
{
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return QString::fromLatin1(digits.data(), result.ptr - digits.data());
}

} // namespace karvelo::tests
