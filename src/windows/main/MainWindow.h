// SPDX-License-Identifier: MIT
#pragma once

// The chart: the main window's layout, its handlers and their wire-up.
//
// Chart owns the property panel and shows it through the labels of the
// Properties frame; every other piece of state (windows, visibility) lives
// in the form runtime.

#include <vector>

#include "FormRuntime.h"
#include "PropertyPanel.h"

namespace karvelo::windows {

// The rows of the main window, by region; MainWindowLayout joins them.
std::vector<runtime::ControlLayout> ElementGridRows();
std::vector<runtime::ControlLayout> LegendAndHeadingRows();
std::vector<runtime::ControlLayout> PropertiesFrameRows();
runtime::WindowLayout MainWindowLayout();

class Chart {
public:
    // Declares both windows to the runtime and wires every handler.
    explicit Chart(runtime::FormRuntime& forms);

    const display::PropertyPanel& Panel() const { return panel_; }

private:
    runtime::FormRuntime& forms_;
    display::PropertyPanel panel_;
};

} // namespace karvelo::windows
