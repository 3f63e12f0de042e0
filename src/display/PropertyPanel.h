// SPDX-License-Identifier: MIT
#pragma once

// The property panel: the 46 named texts the Properties frame shows.
//
// The panel is both what the frame displays and the working store of the
// Celsius conversion. It holds texts only, stores them exactly as written and
// knows nothing of fonts, colours or positions. A view learns of every write
// through one observer.

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace karvelo::display {

// The slots, named after the labels that show them. The enumerators stand in
// the order ClearPanel empties them: the ten value slots, then the 36
// configuration slots Label55 to Label90.
enum class PanelSlot {
    Label10, Label9, Label8, Label25, Label42, Label39, Label26, Label20, Label49, Label50,
    Label55, Label56, Label57, Label58, Label59, Label60, Label61, Label62, Label63,
    Label64, Label65, Label66, Label67, Label68, Label69, Label70, Label71, Label72,
    Label73, Label74, Label75, Label76, Label77, Label78, Label79, Label80, Label81,
    Label82, Label83, Label84, Label85, Label86, Label87, Label88, Label89, Label90,
};

inline constexpr int PanelSlotCount = 46;
inline constexpr int ConfigurationPairCount = 18;

// "Label10" for PanelSlot::Label10, and so on; the empty text for a value
// that names no slot.
std::string_view SlotName(PanelSlot slot) noexcept;

// Pair k (1 to 18) of the configuration row: Label(53 + 2k) and Label(54 + 2k).
// For any other k the result names no slot: SlotName gives the empty text and
// SetSlot and SlotText throw std::out_of_range.
PanelSlot SubshellSlot(int pair) noexcept;
PanelSlot CountSlot(int pair) noexcept;

// Every slot in ClearPanel order.
const std::array<PanelSlot, PanelSlotCount>& AllSlots() noexcept;

class PropertyPanel {
public:
    using Observer = std::function<void(PanelSlot, const std::string&)>;

    // Replaces the slot's text; the observer, if any, hears of it at once.
    void SetSlot(PanelSlot slot, std::string_view text);
    // Exactly the text last written (empty before any write).
    const std::string& SlotText(PanelSlot slot) const;
    // Empties all 46 slots in ClearPanel order.
    void ClearPanel();

    // One observer; setting another replaces it, an empty one removes it.
    void SetObserver(Observer observer);

private:
    std::array<std::string, PanelSlotCount> texts_;
    Observer observer_;
};

} // namespace karvelo::display
