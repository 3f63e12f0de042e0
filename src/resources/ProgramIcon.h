// SPDX-License-Identifier: MIT
#pragma once

namespace karvelo::resources {

// The program icon as XPM data: 32 x 32, ten flat opaque colours.
const char* const* ProgramIconXpm() noexcept;

} // namespace karvelo::resources
