#pragma once
// The commands of the batch tool. Each takes the arguments after its command word and returns the
// exit status; failures are thrown as UsageError, IoFailure or CommandFailure (CliSupport.h).

#include <string>
#include <vector>

namespace gx::cli {

using CommandHandler = int (*)(const std::vector<std::string>& args);

int RunExtract(const std::vector<std::string>& args);
int RunDictionary(const std::vector<std::string>& args);
int RunShow(const std::vector<std::string>& args);
int RunGenerate(const std::vector<std::string>& args);
int RunFill(const std::vector<std::string>& args);
int RunBuild(const std::vector<std::string>& args);

// Commands whose options are checked but whose work is not there yet: exit 2, "not yet built".
int GenerateNotYetBuilt(const std::vector<std::string>& args);
int FillNotYetBuilt(const std::vector<std::string>& args);
int BuildNotYetBuilt(const std::vector<std::string>& args);

}  // namespace gx::cli
