// SPDX-License-Identifier: MIT
#include "AboutWindow.h"

#include "ProgramIcon.h"

namespace karvelo::windows {

using runtime::ControlKind;
using runtime::ControlLayout;
using runtime::FontSpec;

namespace {

constexpr FontSpec AboutFont{.Points = 11.25};

ControlLayout TextLine(std::string name, std::string caption, runtime::Rect box)
{
    return {.Kind = ControlKind::Label,
            .Name = std::move(name),
            .Caption = std::move(caption),
            .Box = box,
            .Font = AboutFont};
}

} // namespace

runtime::WindowLayout AboutWindowLayout()
{
    return {
        .Name = "Form2",
        .Caption = "About Karvelo V.1.0.1",
        .ClientWidth = 5685,
        .ClientHeight = 1470,
        .Border = runtime::WindowBorder::FixedDialog,
        .MinButton = false,
        .MaxButton = false,
        .ShowInTaskbar = false,
        .Icon = resources::ProgramIconXpm(),
        .CloseClicks = "Command1",
        .Controls = {
            {.Kind = ControlKind::Image, .Name = "Image1", .Box = {120, 120, 480, 480},
             .Picture = resources::ProgramIconXpm(), .AccessibleName = "Karvelo icon"},
            TextLine("Label1", "Karvelo.", {705, 105, 3270, 300}),
            TextLine("Label5", "This is a freeware.", {705, 465, 1920, 300}),
            TextLine("Label2", "Developed by : the Karvelo developers.", {735, 780, 3585, 300}),
            TextLine("Label4", "e-mail : karvelo@example.org", {1440, 1095, 2865, 300}),
            {.Kind = ControlKind::Button, .Name = "Command1", .Caption = "&Ok",
             .Box = {4650, 105, 915, 1185}, .Font = AboutFont, .TabIndex = 4},
        },
    };
}

void WireAboutWindow(runtime::FormRuntime& forms)
{
    forms.On("Form2", "Command1", runtime::Event::Click,
             [&forms] { forms.SetVisible("Form2", false); });
}

} // namespace karvelo::windows
