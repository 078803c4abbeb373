#pragma once
// Failures injected between the program and the system. The fault tests are linked with
// --wrap=write and --wrap=rename, so every write and rename the program makes passes through
// here; an injection acts only on the temporary file (or the rename) of one named target.

#include <cstddef>
#include <string>

namespace gx::test {

// Writes to the temporary file of `target` fail with "no space" once `bytes` of it are written.
void InjectFullDisk(const std::string& target, std::size_t bytes);
// The process is killed (SIGKILL) once `bytes` of the temporary file of `target` are written.
void InjectKill(const std::string& target, std::size_t bytes);
// Renaming anything onto `target` fails with the error number given.
void InjectRenameFailure(const std::string& target, int error_number);
void ClearInjections();

}  // namespace gx::test
