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
int RunExportPuzzle(const std::vector<std::string>& args);
int RunImportIpuz(const std::vector<std::string>& args);
int RunSeries(const std::vector<std::string>& args);

}  // namespace gx::cli
