// SPDX-License-Identifier: MIT
#pragma once

// The element catalogue: one record of display texts per element, 1 to 118.
//
// Every value is the exact text the Properties frame shows, markers included
// ("-" no value, final "~" estimate, final "\u2020" gas, "( )" isotope
// brackets). Nothing here is a number and nothing here changes at run time:
// the whole table, configurations included, is built by the compiler.
// The catalogue knows nothing of panels, windows or colours.

#include <array>
#include <cstddef>
#include <string_view>

namespace karvelo::catalogue {

inline constexpr int ElementCount = 118;
inline constexpr std::size_t ShellEntryCount = 18;

// One (subshell, electron count) pair of a configuration; both texts are
// empty for an unused entry.
struct ShellEntry {
    std::string_view Subshell;
    std::string_view Electrons;

    constexpr bool IsEmpty() const { return Subshell.empty(); }
    friend constexpr bool operator==(const ShellEntry&, const ShellEntry&) = default;
};

using ElectronConfiguration = std::array<ShellEntry, ShellEntryCount>;

// The nine display fields of one element, in the order selection writes them.
struct ElementRecord {
    std::string_view AtomicNumber;
    std::string_view Name;
    std::string_view Symbol;
    std::string_view AtomicWeight;
    std::string_view BoilingPointK;
    std::string_view MeltingPointK;
    std::string_view Density;
    std::string_view Valence;
    ElectronConfiguration Configuration;
};

// The record for atomic number 1 to 118, by position (record 113 is found
// although its AtomicNumber text is "-"). Any other number yields a record
// of no-value markers with an empty configuration; nothing is allocated.
const ElementRecord& ElementAt(int atomicNumber) noexcept;

} // namespace karvelo::catalogue
