// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include "AboutWindow.h"
#include "Decimal.h"
#include "ElementCatalog.h"
#include "ProgramIcon.h"
#include "Selection.h"

namespace karvelo::windows {

using runtime::ControlKind;
using runtime::ControlLayout;
using runtime::Event;

namespace {

ControlLayout CommandButton(std::string name, std::string caption, runtime::Rect box, int tabIndex)
{
    return {.Kind = ControlKind::Button, .Name = std::move(name), .Caption = std::move(caption),
            .Box = box, .Font = {.Points = 12}, .TabIndex = tabIndex};
}

} // namespace

runtime::WindowLayout MainWindowLayout()
{
    runtime::WindowLayout layout{
        .Name = "Form1",
        .Caption = "Karvelo V.1.0.1",
        .ClientWidth = 13020,
        .ClientHeight = 10500,
        .BackColour = 0x00C0FFFF,
        .Border = runtime::WindowBorder::Sizable,
        .MaxButton = false,
        .Icon = resources::ProgramIconXpm(),
        .Controls = ElementGridRows(),
    };
    layout.Controls.push_back(CommandButton("Command119", "&About", {1950, 1320, 975, 495}, 130));
    layout.Controls.push_back(CommandButton("Command120", "&Exit", {3030, 1320, 975, 495}, 131));
    for (auto* region : {&LegendAndHeadingRows, &PropertiesFrameRows})
        for (ControlLayout& row : region())
            layout.Controls.push_back(std::move(row));
    return layout;
}

Chart::Chart(runtime::FormRuntime& forms) : forms_(forms)
{
    forms_.AddWindow(MainWindowLayout());
    forms_.AddWindow(AboutWindowLayout());

    // Each slot is shown by the Form1 label of the same name.
    panel_.SetObserver([this](display::PanelSlot slot, const std::string& text) {
        forms_.SetCaption("Form1", display::SlotName(slot), text);
    });

    // The wire-up: window, source (empty: the window itself), event, handler.
    forms_.On("Form1", "", Event::Load, [this] { panel_.ClearPanel(); });
    forms_.On("Form1", "", Event::Activate, [this] { forms_.SetVisible("Form2", false); });
    for (int element = 1; element <= catalogue::ElementCount; ++element)
        forms_.On("Form1", "Command" + Decimal(element), Event::Click,
                  [this, element] { display::SelectElement(panel_, element); });
    forms_.On("Form1", "Command119", Event::Click, [this] { forms_.SetVisible("Form2", true); });
    forms_.On("Form1", "Command120", Event::Click, [this] { forms_.End(); });
    WireAboutWindow(forms_);
}

} // namespace karvelo::windows
