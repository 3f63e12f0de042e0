// SPDX-License-Identifier: MIT
// The chart's fixed texts and graphics around the grid: title, group
// headings, the bars of "VIIIA", the colour legend, the f-block labels and
// the note on the subgroup letters.

#include "MainWindow.h"
#include "PhaseCategory.h"

namespace karvelo::windows {

using runtime::ControlKind;
using runtime::ControlLayout;
using runtime::FontSpec;
using runtime::LabelBorder;
using runtime::Rect;

namespace {

constexpr FontSpec HeadingFont{.Points = 9.75, .Weight = 700};
constexpr FontSpec LegendFont{.Points = 9.75};

ControlLayout Heading(std::string name, std::string caption, Rect box)
{
    return {.Kind = ControlKind::Label, .Name = std::move(name), .Caption = std::move(caption),
            .Box = box, .Font = HeadingFont};
}

// A grey box with a sunken edge on the yellow window.
ControlLayout BoxedLabel(std::string name, std::string_view caption, Rect box, FontSpec font)
{
    return {.Kind = ControlKind::Label, .Name = std::move(name), .Caption = std::string(caption),
            .Box = box, .Font = font, .Opaque = true, .Border = LabelBorder::Sunken};
}

ControlLayout Swatch(std::string name, PhaseCategory category, Rect box, int tabIndex)
{
    const CategoryLook& look = LookOf(category);
    return {.Kind = ControlKind::Swatch, .Name = std::move(name), .Box = box,
            .BackColour = look.Colour, .TabIndex = tabIndex,
            .AccessibleName = "Legend colour: " + std::string(look.StateWords)};
}

// A bar from (x1, y) to (x2, y), in the window-text colour.
ControlLayout Bar(std::string name, runtime::Twips x1, runtime::Twips x2, runtime::Twips y)
{
    return {.Kind = ControlKind::Line, .Name = std::move(name), .Box = {x1, y, x2 - x1, 0},
            .ForeColour = runtime::SystemWindowText, .LineWidth = 3};
}

} // namespace

std::vector<ControlLayout> LegendAndHeadingRows()
{
    using enum PhaseCategory;
    return {
        {.Kind = ControlKind::Label, .Name = "Label1", .Caption = "Karvelo",
         .Box = {3300, 120, 6345, 570}, .Font = {.Points = 20.25, .Weight = 700}},

        Heading("Label44", "GROUP", {120, 0, 660, 285}),
        Heading("Label32", "IA", {330, 240, 255, 285}),
        Heading("Label31", "IIA", {960, 945, 360, 285}),
        Heading("Label21", "IIIA", {1680, 2400, 465, 285}),
        Heading("Label22", "IVA", {2355, 2400, 390, 285}),
        Heading("Label23", "VA", {3150, 2400, 285, 285}),
        Heading("Label24", "VIA", {3780, 2400, 390, 285}),
        Heading("Label27", "VIIA", {4440, 2400, 495, 285}),
        Heading("Label28", "VIIIA", {5805, 2400, 600, 285}),
        Heading("Label29", "IB", {7425, 2400, 225, 285}),
        Heading("Label30", "IIB", {8085, 2400, 330, 285}),
        Heading("Label33", "IIIB", {8685, 930, 435, 285}),
        Heading("Label34", "IVB", {9465, 915, 360, 285}),
        Heading("Label35", "VB", {10185, 930, 255, 285}),
        Heading("Label36", "VIB", {10860, 930, 360, 285}),
        Heading("Label37", "VIIB", {11520, 930, 465, 285}),
        Heading("Label38", "VIII", {12270, 210, 450, 285}),

        Bar("Line2", 5175, 5655, 2535),
        Bar("Line1", 6525, 7005, 2535),

        Swatch("Picture3", Solid, {4815, 960, 255, 255}, 105),
        BoxedLabel("Label11", LookOf(Solid).LegendCaption, {5175, 960, 660, 330}, LegendFont),
        Swatch("Picture2", Liquid, {5970, 960, 255, 255}, 104),
        BoxedLabel("Label13", LookOf(Liquid).LegendCaption, {6375, 960, 735, 330}, LegendFont),
        Swatch("Picture1", Gas, {7215, 960, 255, 255}, 103),
        BoxedLabel("Label12", LookOf(Gas).LegendCaption, {7545, 960, 510, 330}, LegendFont),
        Swatch("Picture4", SyntheticallyPrepared, {4815, 1320, 255, 255}, 106),
        BoxedLabel("Label14", LookOf(SyntheticallyPrepared).LegendCaption,
                   {5175, 1320, 2880, 330}, LegendFont),
        Swatch("Picture5", NotYetKnown, {4815, 1680, 255, 255}, 132),
        BoxedLabel("Label91", LookOf(NotYetKnown).LegendCaption, {5175, 1680, 2880, 330},
                   LegendFont),

        BoxedLabel("Label2", "* Lanthanides", {600, 6015, 1545, 405}, {.Points = 12}),
        BoxedLabel("Label3", "**  Actinides", {600, 6720, 1515, 405}, {.Points = 12}),

        {.Kind = ControlKind::Label, .Name = "Label54",
         .Caption = "The A and B subgroup designations, applicable to elements in rows 4, 5, 6, "
                    "and 7, are those recommended by the IUPAC.",
         .Box = {353, 10080, 12315, 300}, .Font = {.Points = 11.25},
         .BackColour = runtime::SystemWindowBackground, .ForeColour = runtime::SystemWindowText,
         .Look = runtime::Appearance::Flat},
    };
}

} // namespace karvelo::windows
