#pragma once
// Where the program keeps its data. An installed program cannot write its own folder, so unless it
// is told a folder or started in a program folder of its own, each user works in a copy of the
// delivered folder under $XDG_DATA_HOME/gridlex. Later starts bring delivered files up to date
// only where the user has not changed them.

#include <optional>
#include <string>

namespace gx {

// The list, inside a program folder, of each delivered file with the SHA-256 sum of the copy last
// delivered there: "<sum> ./<path>" per line.
inline constexpr const char* DeliveredListName = ".delivered";

// $XDG_DATA_HOME/gridlex, or $HOME/.local/share/gridlex when XDG_DATA_HOME is unset, empty or
// not absolute. Empty when neither gives an absolute folder.
std::string UserProgramFolder(const char* xdg_data_home, const char* home);

// A folder the program may work in as it stands: it holds the settings file and can be written.
bool IsOwnProgramFolder(const std::string& dir);

struct ProgramFolderChoice {
  std::string dir;              // empty when no folder could be named
  bool copy_delivered = false;  // make or refresh it from the delivered folder
};

// An explicit folder wins; then the current folder when it is a program folder of its own; then
// the user's folder.
ProgramFolderChoice ChooseProgramFolder(const std::optional<std::string>& explicit_dir, const std::string& current_dir,
                                        const char* xdg_data_home, const char* home);

// Makes `dir` a copy of `delivered`, or brings an existing one up to date: a delivered file is
// copied where the folder lacks it, or holds the copy delivered last time, or holds the delivered
// file already; any other file there is the user's and stays. A new folder is assembled beside its
// final place and renamed into it only when complete, and every file is replaced whole, so a cut
// never leaves a half-copied file behind. Without a delivered folder an existing `dir` is used as
// it is. Returns a message for the user (UTF-8) when the folder cannot be made or written, else "".
std::string PrepareProgramFolder(const std::string& delivered, const std::string& dir);

}  // namespace gx
