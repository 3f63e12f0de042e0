// SPDX-License-Identifier: MIT
#pragma once

// The colour classes of the element buttons. One table feeds both the
// buttons and the legend, so the two cannot disagree. The class is part of
// the chart's layout only: no element data is derived from it.

#include <array>
#include <string_view>

#include "FormRuntime.h"

namespace karvelo::windows {

enum class PhaseCategory { Solid, Liquid, Gas, SyntheticallyPrepared, NotYetKnown };

struct CategoryLook {
    PhaseCategory Category;
    runtime::Colour Colour;        // 0x00BBGGRR
    std::string_view LegendCaption;
    std::string_view StateWords;   // what a screen reader says of a button
};

inline constexpr std::array<CategoryLook, 5> CategoryLooks{{
    {PhaseCategory::Solid, 0x000080FF, " Solid ", "solid"},
    {PhaseCategory::Liquid, 0x0080FF80, " Liquid ", "liquid"},
    {PhaseCategory::Gas, 0x00FFFF80, " Gas ", "gas"},
    {PhaseCategory::SyntheticallyPrepared, 0x0080FFFF, " Synthetically Prepared ",
     "synthetically prepared"},
    {PhaseCategory::NotYetKnown, 0x0000C0C0, " Not Yet Known ", "not yet known"},
}};

constexpr bool LooksInCategoryOrder()
{
    for (std::size_t i = 0; i < CategoryLooks.size(); ++i)
        if (static_cast<std::size_t>(CategoryLooks[i].Category) != i)
            return false;
    return true;
}
static_assert(LooksInCategoryOrder());

constexpr const CategoryLook& LookOf(PhaseCategory category)
{
    return CategoryLooks[static_cast<std::size_t>(category)];
}

} // namespace karvelo::windows
