#pragma once
// The program folder whose colours and page templates the batch tool draws with when it is given
// no --program-dir: the folder the window works in, so that an export looks as the user's own.

#include <string>

namespace gx::cli {

// The current folder when it is a program folder of its own; otherwise the user's folder
// ($XDG_DATA_HOME/gridlex); while the window has not made that one yet, the delivered folder it
// would be copied from. Nothing is made or copied: the batch tool only reads the folder.
std::string DefaultProgramFolder();

}  // namespace gx::cli
