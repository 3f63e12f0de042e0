// SPDX-License-Identifier: MIT
#include "ProgramIcon.h"

namespace {
#include "karvelo.xpm"
}

namespace karvelo::resources {

const char* const* ProgramIconXpm() noexcept { return karvelo_xpm; }

} // namespace karvelo::resources
