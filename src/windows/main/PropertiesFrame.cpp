// SPDX-License-Identifier: MIT
// The "Properties" frame: caption labels, the value slots of the property
// panel, the configuration row with its raised counts, and the notes that
// explain the value markers. Positions inside the frame are relative to it.

#include "Decimal.h"
#include "MainWindow.h"

namespace karvelo::windows {

using runtime::Alignment;
using runtime::Colour;
using runtime::ControlKind;
using runtime::ControlLayout;
using runtime::FontSpec;
using runtime::Rect;
using runtime::Twips;

namespace {

constexpr std::string_view FrameName = "Frame1";
constexpr FontSpec TextFont{.Points = 12};
constexpr FontSpec SmallFont{.Points = 9.75};
constexpr Colour Blue = 0x00FF0000;
constexpr Colour Red = 0x000000FF;

ControlLayout InFrame(std::string name, std::string caption, Rect box, FontSpec font)
{
    return {.Kind = ControlKind::Label, .Name = std::move(name), .Caption = std::move(caption),
            .Box = box, .Font = font, .Parent = std::string(FrameName)};
}

ControlLayout CaptionLabel(std::string name, std::string caption, Rect box)
{
    return InFrame(std::move(name), std::move(caption), box, TextFont);
}

// A right-justified value slot; its placeholder caption is its own name.
ControlLayout ValueSlot(std::string name, Rect box, Colour colour = Blue)
{
    ControlLayout row = InFrame(name, name, box, TextFont);
    row.ForeColour = colour;
    row.Align = Alignment::Right;
    return row;
}

ControlLayout Note(std::string name, std::string caption, Rect box, bool wraps)
{
    ControlLayout row = InFrame(std::move(name), std::move(caption), box, SmallFont);
    row.ForeColour = runtime::SystemWindowText;
    row.Look = runtime::Appearance::Flat;
    row.AutoSize = !wraps;
    if (wraps)
        row.BackColour = runtime::SystemWindowBackground; // never shown: no background
    return row;
}


// Pair k (1 to 18): the subshell label Label(53 + 2k) on the text line and the
// count label Label(54 + 2k) raised after it, every 480 twips. Three counts
// stand a little right of that rule.
constexpr Twips PairStep = 480;
constexpr Twips CountLeft(int pair)
{
    switch (pair) {
    case 12: return 8580;
    case 13: return 9060;
    case 17: return 10950;
    default: return 3240 + PairStep * (pair - 1);
    }
}

void AddConfigurationRow(std::vector<ControlLayout>& rows)
{
    for (int pair = 1; pair <= 18; ++pair) {
        const int subshell = 53 + 2 * pair;
        const int count = subshell + 1;
        const std::string placeholder = Decimal(subshell);
        const Twips subshellWidth = placeholder.back() == '1' ? 255 : 300;

        ControlLayout shell = InFrame("Label" + placeholder, placeholder,
                                      {3000 + PairStep * (pair - 1), 2040, subshellWidth, 345},
                                      TextFont);
        shell.ForeColour = Blue;
        rows.push_back(std::move(shell));

        ControlLayout electrons = InFrame("Label" + Decimal(count), Decimal(count % 10),
                                          {CountLeft(pair), 1920, 120, 270}, SmallFont);
        electrons.ForeColour = Blue;
        rows.push_back(std::move(electrons));
    }
}

} // namespace

std::vector<ControlLayout> PropertiesFrameRows()
{
    std::vector<ControlLayout> rows{
        {.Kind = ControlKind::Frame, .Name = std::string(FrameName), .Caption = "Properties",
         .Box = {150, 7560, 12720, 2475}, .Font = TextFont, .ForeColour = 0x00000080},

        CaptionLabel("Label5", "Element Name:", {240, 375, 1605, 345}),
        ValueSlot("Label10", {3000, 375, 855, 345}),
        CaptionLabel("Label19", "Density at 300K (g/cc):", {4260, 375, 2640, 345}),
        ValueSlot("Label20", {7440, 375, 900, 345}),

        CaptionLabel("Label6", "Element Symbol:", {240, 690, 1815, 345}),
        ValueSlot("Label9", {3105, 690, 750, 345}),
        CaptionLabel("Label18", "Melting Point, K:", {4260, 690, 1815, 345}),
        ValueSlot("Label39", {7440, 690, 900, 345}),

        CaptionLabel("Label4", "Atomic Number:", {240, 990, 1785, 345}),
        ValueSlot("Label8", {3105, 990, 750, 345}),
        CaptionLabel("Label17", "Boiling Point, K:", {4260, 990, 1710, 345}),
        ValueSlot("Label26", {7440, 990, 900, 345}),

        CaptionLabel("Label15", "Atomic Weight (1):", {240, 1305, 2070, 345}),
        ValueSlot("Label25", {2955, 1305, 900, 345}),
        CaptionLabel("Label16", "Melting Point, \u00B0C :", {4260, 1305, 1995, 345}),
        ValueSlot("Label49", {7440, 1305, 900, 345}, Red),

        CaptionLabel("Label41", "Valence :", {240, 1605, 975, 345}),
        ValueSlot("Label42", {2955, 1605, 900, 345}),
        CaptionLabel("Label46", "Boiling Point, \u00B0C :", {4260, 1605, 1890, 345}),
        ValueSlot("Label50", {7440, 1605, 900, 345}, Red),

        CaptionLabel("Label92", "Electron Configuration :", {240, 1920, 2640, 345}),

        Note("Label43", "~  Estimated values.", {8880, 315, 1785, 270}, false),
        Note("Label7", "(1)  Based upon Carbon-12 ( ) indicates most stable or best known isotope.",
             {8880, 660, 3600, 495}, true),
        Note("Label51",
             "\u2020  Refers to the gaseous state at 273K an 1atm and are given in units of g/l.",
             {8880, 1230, 3675, 615}, true),
    };
    AddConfigurationRow(rows);
    return rows;
}

} // namespace karvelo::windows
