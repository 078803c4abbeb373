#include "cli/CliOutputs.h"

#include "cli/CliSupport.h"
#include "base/FileIo.h"
#include "files/IpuzWriter.h"

namespace gx::cli {

std::string FileNameOf(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

void Refuse(const std::string& path, const std::vector<std::string>& faults) {
  std::string message;
  for (const std::string& fault : faults) {
    if (!message.empty()) message += "\ngridlex-cli: ";
    message += path + ": " + fault;
  }
  throw CommandFailure{ExitIoError, message};
}

std::string IpuzOrRefuse(const Puzzle& puzzle, std::string_view title, const std::string& source) {
  IpuzText ipuz = WriteIpuz(puzzle, title);
  if (!ipuz.faults.empty()) Refuse(source, ipuz.faults);
  return std::move(ipuz.json);
}

void WriteIpuzOrFail(const Puzzle& puzzle, std::string_view title, const std::string& source,
                     const std::string& path) {
  const std::string json = IpuzOrRefuse(puzzle, title, source);
  if (FileError error = ReplaceFile(path, json)) throw IoFailure{error, path};
}

}  // namespace gx::cli
