#include "shell/Help.h"

#include <string>

namespace gx {

std::string_view HelpPage(std::uint16_t help_context) {
  switch (help_context) {
    case 1: return "gx1.htm";
    case 2: return "gx2.htm";
    default: return "gx.htm";
  }
}

void ShowHelp(const Settings& settings, Host& host) {
  host.OpenDocument(settings.ProgramDir.Pic(HelpPage(settings.HelpContext)));
}

}  // namespace gx
