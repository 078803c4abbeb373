#pragma once
// What the fuzz targets share: a scratch folder on which each input is laid down as a file (the
// readers read files, not bytes), and the check that stops the run when an invariant is broken.

#include <cstddef>
#include <cstdint>
#include <string>

// libFuzzer's entry point; the replay driver calls it too.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace gx::fuzz {

// A broken invariant is a crash to the fuzzer and a failure to the replay.
[[noreturn]] void InvariantBroken(const char* condition, const char* file, int line);

#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::gx::fuzz::InvariantBroken(#condition, __FILE__, __LINE__))

// A folder of this process, in memory where the system offers it, removed at exit.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Dir() const { return dir_; }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  // Writes the bytes as the file `name` (which may lie in a sub-folder) and returns its path.
  std::string Write(const std::string& name, const void* data, std::size_t size) const;
  std::string Write(const std::string& name, const std::string& bytes) const {
    return Write(name, bytes.data(), bytes.size());
  }

 private:
  std::string dir_;
};

ScratchFolder& Scratch();

}  // namespace gx::fuzz
