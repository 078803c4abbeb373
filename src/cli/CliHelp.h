#pragma once
// --help and --version of the batch tool and --help of each command. Help goes to stdout with
// status 0; bad usage stays on stderr with status 2.

#include <string>
#include <string_view>
#include <vector>

namespace gx::cli {

const char* ToolHelp();
// The help of one command ("dict" covers its three), or nullptr for a word that is no command.
const char* CommandHelp(std::string_view command);
// What a usage error of the command shows after the message: the command's usage lines and where
// to find the rest; empty for a word that is no command.
std::string CommandUsage(std::string_view command);
std::string VersionLine();
bool AsksForHelp(const std::vector<std::string>& args);

}  // namespace gx::cli
