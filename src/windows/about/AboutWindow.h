// SPDX-License-Identifier: MIT
#pragma once

// The About window: names the program, shows its icon, credits and a
// contact line. Its one behaviour is Ok, which hides it.

#include "FormRuntime.h"

namespace karvelo::windows {

runtime::WindowLayout AboutWindowLayout();

// Wires the Ok button of the About window.
void WireAboutWindow(runtime::FormRuntime& forms);

} // namespace karvelo::windows
