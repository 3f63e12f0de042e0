// SPDX-License-Identifier: MIT
#include "PropertyPanel.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

namespace karvelo::display {
namespace {

constexpr int FirstConfigurationSlot = static_cast<int>(PanelSlot::Label55);

// What SubshellSlot and CountSlot give for a pair outside 1 to 18.
constexpr auto NoSlot = static_cast<PanelSlot>(PanelSlotCount);

constexpr bool IsPair(int pair) { return pair >= 1 && pair <= ConfigurationPairCount; }

// Indexed by PanelSlot.
constexpr std::array<std::string_view, PanelSlotCount> SlotNames = {
    "Label10", "Label9",  "Label8",  "Label25", "Label42", "Label39", "Label26", "Label20",
    "Label49", "Label50", "Label55", "Label56", "Label57", "Label58", "Label59", "Label60",
    "Label61", "Label62", "Label63", "Label64", "Label65", "Label66", "Label67", "Label68",
    "Label69", "Label70", "Label71", "Label72", "Label73", "Label74", "Label75", "Label76",
    "Label77", "Label78", "Label79", "Label80", "Label81", "Label82", "Label83", "Label84",
    "Label85", "Label86", "Label87", "Label88", "Label89", "Label90",
};

static_assert(static_cast<int>(PanelSlot::Label90) + 1 == PanelSlotCount);
static_assert(FirstConfigurationSlot + 2 * ConfigurationPairCount == PanelSlotCount);

constexpr int LabelNumber(std::string_view name) {
    int number = 0;
    for (char digit : name.substr(5)) number = number * 10 + (digit - '0');
    return number;
}

// The configuration names follow their slots: the slot at index i is Label(45 + i).
constexpr bool ConfigurationNamesAreConsecutive() {
    for (int i = FirstConfigurationSlot; i < PanelSlotCount; ++i)
        if (LabelNumber(SlotNames[static_cast<std::size_t>(i)]) != 55 + i - FirstConfigurationSlot) return false;
    return true;
}
static_assert(ConfigurationNamesAreConsecutive());

constexpr std::array<PanelSlot, PanelSlotCount> MakeAllSlots() {
    std::array<PanelSlot, PanelSlotCount> slots{};
    for (int i = 0; i < PanelSlotCount; ++i) slots[static_cast<std::size_t>(i)] = static_cast<PanelSlot>(i);
    return slots;
}

constexpr std::array<PanelSlot, PanelSlotCount> AllSlotsInClearOrder = MakeAllSlots();

// A PanelSlot that names no slot (NoSlot, or any other number cast to the
// enum) throws std::out_of_range rather than reaching past the texts.
std::size_t IndexOf(PanelSlot slot) {
    const auto index = static_cast<std::size_t>(slot);
    if (index >= static_cast<std::size_t>(PanelSlotCount)) throw std::out_of_range("no such panel slot");
    return index;
}

} // namespace

std::string_view SlotName(PanelSlot slot) noexcept {
    const auto index = static_cast<std::size_t>(slot);
    return index < SlotNames.size() ? SlotNames[index] : std::string_view{};
}

PanelSlot SubshellSlot(int pair) noexcept {
    return IsPair(pair) ? static_cast<PanelSlot>(FirstConfigurationSlot + 2 * (pair - 1)) : NoSlot;
}

PanelSlot CountSlot(int pair) noexcept {
    return IsPair(pair) ? static_cast<PanelSlot>(FirstConfigurationSlot + 2 * (pair - 1) + 1) : NoSlot;
}

const std::array<PanelSlot, PanelSlotCount>& AllSlots() noexcept { return AllSlotsInClearOrder; }

void PropertyPanel::SetSlot(PanelSlot slot, std::string_view text) {
    std::string& stored = texts_[IndexOf(slot)];
    stored.assign(text);
    if (observer_) observer_(slot, stored);
}

const std::string& PropertyPanel::SlotText(PanelSlot slot) const { return texts_[IndexOf(slot)]; }

void PropertyPanel::ClearPanel() {
    for (PanelSlot slot : AllSlots()) SetSlot(slot, {});
}

void PropertyPanel::SetObserver(Observer observer) { observer_ = std::move(observer); }

} // namespace karvelo::display
