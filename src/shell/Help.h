#pragma once
// The help pages in the pic folder, chosen by where the user is: the main window (0), its settings
// panel (1) or the dictionary editor (2).

#include <cstdint>
#include <string_view>

#include "base/Host.h"
#include "core/Settings.h"

namespace gx {

std::string_view HelpPage(std::uint16_t help_context);
// Opens the page of the current context with the desktop's default program, without waiting.
void ShowHelp(const Settings& settings, Host& host);

}  // namespace gx
