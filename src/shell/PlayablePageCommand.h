#pragma once
// The window's command that writes the current puzzle as a page to solve in a browser: the user
// names the file, the page is written and opened in the browser.

#include "base/Host.h"

namespace gx {

struct Gridlex;

void PlayablePageCommand(Gridlex& state, Host& host);

}  // namespace gx
