// The drawn outputs of a batch tool built with Qt: drawn by the drawing module, loaded from
// beside the program on the first drawing. The other commands never load it, nor Qt.

#ifdef GRIDLEX_CLI_DRAWS

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

#include "GridlexConfig.h"
#include "cli/CliDrawn.h"
#include "cli/CliSupport.h"
#include "cli/DrawingModule.h"

namespace gx::cli {

namespace {

// The folder of the running program: the module lies at a fixed path from it, in the build tree
// as where it is installed.
std::string ProgramFolder() {
  std::string path(PATH_MAX, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) {
    throw CommandFailure{ExitIoError, "the folder of this program is not known: it cannot load its drawing module"};
  }
  path.resize(static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/'));
}

[[noreturn]] void Unusable(const std::string& path, const std::string& why) {
  throw CommandFailure{ExitIoError, "the drawing module " + path + " " + why + ": no PDF, page or picture is drawn"};
}

const DrawingModule& LoadedModule() {
  static const DrawingModule* module = nullptr;
  if (module != nullptr) return *module;
  const std::string path = ProgramFolder() + "/" GRIDLEX_DRAWING_MODULE_FROM_BIN;
  // Kept loaded until the program ends: Qt's application lives in it.
  void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* error = ::dlerror();
    Unusable(path, std::string("cannot be loaded (") + (error != nullptr ? error : "unknown error") + ")");
  }
  const auto entry = reinterpret_cast<DrawingModuleEntry>(::dlsym(library, kDrawingModuleEntry));
  const DrawingModule* found = entry != nullptr ? entry() : nullptr;
  if (found == nullptr) Unusable(path, "is not a drawing module");
  if (std::string(found->version) != GRIDLEX_VERSION || found->puzzle_bytes != sizeof(Puzzle) ||
      found->palette_bytes != sizeof(Palette)) {
    Unusable(path, std::string("belongs to another build (version ") + found->version + ")");
  }
  module = found;
  return *module;
}

std::string Drawn(bool drawn, std::string& bytes, const DrawingFailure& failure) {
  if (!drawn) throw CommandFailure{failure.exit_code, failure.message};
  return std::move(bytes);
}

}  // namespace

std::string PictureGif(Puzzle& puzzle, const Palette& palette, int side) {
  std::string bytes;
  DrawingFailure failure;
  return Drawn(LoadedModule().picture_gif(puzzle, palette, side, bytes, failure), bytes, failure);
}

std::string PrintedPdf(PrintDocument& document, const std::string& title) {
  std::string bytes;
  DrawingFailure failure;
  return Drawn(LoadedModule().printed_pdf(document, title, bytes, failure), bytes, failure);
}

}  // namespace gx::cli

#endif
