// SPDX-License-Identifier: MIT
#pragma once

// Electron configurations, built by the compiler from the filling rule and
// its departures.
//
// The subshells are filled in Madelung order up to the atomic number, the
// departures then overwrite their named subshells, and the occupied
// subshells are written in display order into the leading entries. This
// header is private to the catalogue: it makes configurations for the
// catalogue table and is not an interface of its own. It knows nothing of
// records 111 to 118, which have no configuration.

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "ElementCatalog.h"

namespace karvelo::catalogue::configurations {

inline constexpr int ConfiguredCount = 110;
inline constexpr std::size_t SubshellCount = 18;
static_assert(SubshellCount == ShellEntryCount);

// The order in which a configuration lists its subshells.
inline constexpr std::array<std::string_view, SubshellCount> DisplayOrder = {
    "1s", "2s", "2p", "3s", "3p", "3d", "4s", "4p", "4d",
    "4f", "5s", "5p", "5d", "5f", "6s", "6p", "6d", "7s",
};

// The order in which electrons occupy the subshells.
inline constexpr std::array<std::string_view, SubshellCount> FillingOrder = {
    "1s", "2s", "2p", "3s", "3p", "4s", "3d", "4p", "5s",
    "4d", "5p", "6s", "4f", "5d", "6p", "7s", "5f", "6d",
};

inline constexpr int MaxCapacity = 14;

// s 2, p 6, d 10, f 14; 0 for a text that is not a subshell label.
constexpr int Capacity(std::string_view subshell) {
    if (subshell.size() != 2) return 0;
    switch (subshell[1]) {
    case 's': return 2;
    case 'p': return 6;
    case 'd': return 10;
    case 'f': return 14;
    default: return 0;
    }
}

// The electron count texts; ElectronTexts[n] is the text of n, n >= 1.
inline constexpr std::array<std::string_view, MaxCapacity + 1> ElectronTexts = {
    "", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14",
};

// One subshell set to a count by a departure; 0 removes the subshell.
struct Setting {
    std::string_view Subshell;
    int Electrons;
};

// A record whose configuration is not the one the filling gives.
struct Departure {
    int Record;
    std::string_view Element;
    Setting First;
    Setting Second;
};

inline constexpr std::array<Departure, 18> Departures = {{
    // Record, element, what the catalogue holds
    {24, "Cr", {"3d", 5}, {"4s", 1}},
    {29, "Cu", {"3d", 10}, {"4s", 1}},
    {41, "Nb", {"4d", 4}, {"5s", 1}},
    {42, "Mo", {"4d", 5}, {"5s", 1}},
    {44, "Ru", {"4d", 7}, {"5s", 1}},
    {45, "Rh", {"4d", 8}, {"5s", 1}},
    {46, "Pd", {"4d", 10}, {"5s", 0}},
    {47, "Ag", {"4d", 10}, {"5s", 1}},
    {57, "La", {"4f", 0}, {"5d", 1}},
    {64, "Gd", {"4f", 7}, {"5d", 1}},
    {78, "Pt", {"5d", 9}, {"6s", 1}},
    {79, "Au", {"5d", 10}, {"6s", 1}},
    {89, "Ac", {"5f", 0}, {"6d", 1}},
    {90, "Th", {"5f", 0}, {"6d", 2}},
    {91, "Pa", {"5f", 2}, {"6d", 1}},
    {92, "U", {"5f", 3}, {"6d", 1}},
    {93, "Np", {"5f", 4}, {"6d", 1}},
    {96, "Cm", {"5f", 7}, {"6d", 1}},
}};

// Position of a subshell label in DisplayOrder; SubshellCount if absent.
constexpr std::size_t DisplayIndex(std::string_view subshell) {
    std::size_t i = 0;
    while (i < SubshellCount && DisplayOrder[i] != subshell) ++i;
    return i;
}

// Electrons per subshell, indexed in display order.
using Occupation = std::array<int, SubshellCount>;

// Step 1: each subshell in filling order takes what its capacity allows.
constexpr Occupation Fill(int electrons) {
    Occupation occupation{};
    for (std::string_view subshell : FillingOrder) {
        const int taken = std::min(electrons, Capacity(subshell));
        occupation[DisplayIndex(subshell)] = taken;
        electrons -= taken;
    }
    return occupation;
}

// Step 2: the departure of this record, if it has one.
constexpr Occupation ApplyDepartures(int record, Occupation occupation) {
    for (const Departure& departure : Departures) {
        if (departure.Record != record) continue;
        for (const Setting& setting : {departure.First, departure.Second})
            occupation[DisplayIndex(setting.Subshell)] = setting.Electrons;
    }
    return occupation;
}

// Step 3: the occupied subshells in display order, then empty entries.
constexpr ElectronConfiguration Write(const Occupation& occupation) {
    ElectronConfiguration configuration{};
    std::size_t entry = 0;
    for (std::size_t i = 0; i < SubshellCount; ++i) {
        if (occupation[i] == 0) continue;
        configuration[entry++] = {DisplayOrder[i], ElectronTexts[occupation[i]]};
    }
    return configuration;
}

constexpr Occupation OccupationOf(int record) { return ApplyDepartures(record, Fill(record)); }

constexpr ElectronConfiguration ConfigurationOf(int record) { return Write(OccupationOf(record)); }

// Compile-time checks of the rule and its departures.

constexpr bool IsPermutationOfDisplayOrder(const std::array<std::string_view, SubshellCount>& order) {
    std::array<bool, SubshellCount> seen{};
    for (std::string_view subshell : order) {
        const std::size_t i = DisplayIndex(subshell);
        if (i == SubshellCount || seen[i]) return false;
        seen[i] = true;
    }
    return true;
}
static_assert(IsPermutationOfDisplayOrder(FillingOrder));

constexpr bool DeparturesAreWellFormed() {
    int previous = 0;
    for (const Departure& departure : Departures) {
        if (departure.Record <= previous || departure.Record > ConfiguredCount) return false;
        previous = departure.Record;
        for (const Setting& setting : {departure.First, departure.Second}) {
            if (DisplayIndex(setting.Subshell) == SubshellCount) return false;
            if (setting.Electrons < 0 || setting.Electrons > Capacity(setting.Subshell)) return false;
        }
    }
    return true;
}
static_assert(DeparturesAreWellFormed());

// Every record 1 to 110: the counts add up to the atomic number and none
// exceeds its subshell's capacity.
constexpr bool OccupationsAreConsistent() {
    for (int record = 1; record <= ConfiguredCount; ++record) {
        const Occupation occupation = OccupationOf(record);
        int total = 0;
        for (std::size_t i = 0; i < SubshellCount; ++i) {
            if (occupation[i] < 0 || occupation[i] > Capacity(DisplayOrder[i])) return false;
            total += occupation[i];
        }
        if (total != record) return false;
    }
    return true;
}
static_assert(OccupationsAreConsistent());

// The 18 display-order subshells suffice: the filling never reaches 7p.
static_assert(Fill(ConfiguredCount)[DisplayIndex("6d")] < Capacity("6d"));

constexpr std::size_t FilledEntries(const ElectronConfiguration& configuration) {
    std::size_t n = 0;
    while (n < configuration.size() && !configuration[n].IsEmpty()) ++n;
    return n;
}

static_assert(ConfigurationOf(26) == ElectronConfiguration{{
                  {"1s", "2"}, {"2s", "2"}, {"2p", "6"}, {"3s", "2"}, {"3p", "6"}, {"3d", "6"}, {"4s", "2"},
              }});
static_assert(FilledEntries(ConfigurationOf(1)) == 1);
static_assert(FilledEntries(ConfigurationOf(46)) == 9);
static_assert(FilledEntries(ConfigurationOf(110)) == SubshellCount);
static_assert(ConfigurationOf(110).back() == ShellEntry{"7s", "2"});

} // namespace karvelo::catalogue::configurations
