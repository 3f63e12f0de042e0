// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <charconv>
#include <string>

namespace karvelo::windows {

// The decimal text of a small whole number, whatever the locale.
inline std::string Decimal(int value)
{
    std::array<char, 12> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return std::string(digits.data(), result.ptr);
}

} // namespace karvelo::windows
