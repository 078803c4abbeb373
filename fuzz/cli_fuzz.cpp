// The batch tool's command line, argument parsing and output planning included, run whole on a
// folder of small files: the input is the arguments parted by NUL bytes. Whatever the arguments, a
// command ends with one of the tool's exit statuses; a file that was there changes only when the
// command named it as an output (itself, or a folder it writes into) and did not fail on bad usage
// or, for a file named itself, on input or output; no file is both read and replaced by one command
// (except the dictionary written back under its own name with --dict-out), and no two outputs of
// a successful command are one file.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "cli/Cli.h"

namespace {

namespace fs = std::filesystem;

// The files every run starts with, as the names the arguments may use, and where they come from.
const std::map<std::string, std::string> kFixture = {
    {"a.gx", GRIDLEX_SOURCE_DIR "/dist/data/1.gx"},
    {"d.dct", GRIDLEX_SOURCE_DIR "/fuzz/corpus/dictionary/one-entry.dct"},
    {"g.txt", GRIDLEX_SOURCE_DIR "/fuzz/corpus/grid_text/small.txt"},
    {"x.ipuz", GRIDLEX_SOURCE_DIR "/fuzz/corpus/ipuz/delivered.ipuz"},
    {"r.txt", GRIDLEX_SOURCE_DIR "/fuzz/corpus/draws/few.txt"},
    {"o/1.gx", GRIDLEX_SOURCE_DIR "/dist/data/1.gx"},
};

const std::set<std::string> kValueOptions = {"--board", "--seed",  "--draws", "--min-slots", "--attempts",
                                             "--max-generations", "--out", "--dict-out", "--ipuz", "--pdf",
                                             "--html", "--gif", "--program-dir", "--count", "--out-dir", "--format"};
const std::set<std::string> kOutputOptions = {"--out", "--dict-out", "--ipuz", "--pdf", "--html", "--gif", "--out-dir"};

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "\x01missing";
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string Normal(const std::string& path) {
  std::string normal = fs::path(path).lexically_normal().string();
  while (!normal.empty() && normal.back() == '/') normal.pop_back();
  return normal;
}

struct Named {
  std::set<std::string> inputs, outputs;
  std::vector<std::string> output_list;
  std::string dict_out;    // the value of --dict-out
  std::string dictionary;  // the dictionary the command reads
};

Named Classify(const std::vector<std::string>& args) {
  Named named;
  std::vector<std::string> positional;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (kValueOptions.count(args[i]) && i + 1 < args.size()) {
      const std::string value = Normal(args[++i]);
      if (args[i - 1] == "--dict-out") named.dict_out = value;
      if (kOutputOptions.count(args[i - 1])) {
        named.outputs.insert(value);
        named.output_list.push_back(value);
      } else {
        named.inputs.insert(value);
      }
    } else if (args[i].rfind("--", 0) != 0) {
      positional.push_back(Normal(args[i]));
    }
  }
  const bool writes_second = args[0] == "import-ipuz" || (args[0] == "dict" && !positional.empty() &&
                                                         positional[0] == "import");
  const std::size_t dictionary_at = args[0] == "fill" ? 1 : 0;
  if ((args[0] == "fill" || args[0] == "build" || args[0] == "series") && dictionary_at < positional.size()) {
    named.dictionary = positional[dictionary_at];
  }
  for (std::size_t i = 0; i < positional.size(); ++i) {
    const std::size_t output_at = args[0] == "dict" ? 2 : 1;
    if (writes_second && i == output_at) {
      named.outputs.insert(positional[i]);
      named.output_list.push_back(positional[i]);
    } else {
      named.inputs.insert(positional[i]);
    }
  }
  return named;
}

bool Within(const std::string& file, const std::set<std::string>& outputs) {
  for (fs::path dir = fs::path(file).parent_path(); !dir.empty(); dir = dir.parent_path()) {
    if (outputs.count(dir.string())) return true;
  }
  return outputs.count(file) > 0;
}

// A run that could take long (many generations, a long series) is left out.
bool Quick(const std::vector<std::string>& args) {
  const char* bound = args[0] == "build" ? "--max-generations" : args[0] == "series" ? "--count" : nullptr;
  bool bounded = bound == nullptr;
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    const std::string& value = args[i + 1];
    if (args[i] == "--max-generations" || args[i] == "--count") {
      if (value.size() > 1) return false;
      bounded = bounded || args[i] == bound;
    }
    if (args[i] == "--attempts" && value.size() > 2) return false;
  }
  return bounded;
}

class Runner {
 public:
  Runner() : dir_(gx::fuzz::Scratch().Path("run")) {
    fs::create_directories(dir_);
    for (const auto& [name, source] : kFixture) originals_[name] = Contents(source);
    null_ = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  }

  // Lays the fixture down afresh (everything else in the folder removed) and runs the tool in the
  // folder (the fuzzer itself reads its corpus by relative names, so the folder is left after).
  int Run(std::vector<std::string> args) {
    for (const auto& entry : fs::directory_iterator(dir_)) fs::remove_all(entry.path());
    for (const auto& [name, bytes] : originals_) gx::fuzz::Scratch().Write("run/" + name, bytes);
    std::vector<char*> argv{const_cast<char*>("gridlex-cli")};
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    const int out = ::dup(1), err = ::dup(2), here = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (::chdir(dir_.c_str()) != 0) gx::fuzz::InvariantBroken("chdir to the run folder", __FILE__, __LINE__);
    ::dup2(null_, 1);
    ::dup2(null_, 2);
    const int status = gx::cli::Run(static_cast<int>(argv.size()) - 1, argv.data());
    std::fflush(stdout);
    std::fflush(stderr);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (::fchdir(here) != 0) gx::fuzz::InvariantBroken("back to the fuzzer's folder", __FILE__, __LINE__);
    for (int fd : {out, err, here}) ::close(fd);
    return status;
  }

  std::vector<std::string> Changed() const {
    std::vector<std::string> changed;
    for (const auto& [name, bytes] : originals_) {
      if (Contents(dir_ + "/" + name) != bytes) changed.push_back(name);
    }
    return changed;
  }

 private:
  std::string dir_;
  std::map<std::string, std::string> originals_;
  int null_ = -1;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Runner runner;
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      args.emplace_back();
    } else {
      args.back().push_back(static_cast<char>(data[i]));
    }
  }
  // Every name stays within the run folder.
  if (args.size() > 16) return 0;
  for (const std::string& arg : args) {
    if (arg.size() > 64 || arg.find("..") != std::string::npos || arg.rfind("/", 0) == 0 || arg.rfind("~", 0) == 0) {
      return 0;
    }
  }
  if (args[0].empty() || !Quick(args)) return 0;
  const int status = runner.Run(args);
  FUZZ_CHECK(status >= 0 && status <= 6);
  const Named named = Classify(args);
  for (const std::string& name : runner.Changed()) {
    FUZZ_CHECK(status != 2);
    FUZZ_CHECK(Within(name, named.outputs));
    if (named.outputs.count(name)) FUZZ_CHECK(status != 1);
    FUZZ_CHECK(named.inputs.count(name) == 0 || (name == named.dict_out && name == named.dictionary));
  }
  // A run that printed help (anywhere among the arguments) wrote nothing, whatever it names.
  const bool help = std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
  if (status == 0 && !help) {
    FUZZ_CHECK(std::set<std::string>(named.output_list.begin(), named.output_list.end()).size() ==
               named.output_list.size());
  }
  return 0;
}
