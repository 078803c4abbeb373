// The batch tool's outputs never destroy what they should not: outputs that are one file with
// another output or an input, links planted among the outputs, names that cannot be used, a file
// size limit, and an interruption.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "CliRunner.h"
#include "TestFolder.h"

namespace gx::test {
namespace {

namespace fs = std::filesystem;

fs::path Delivered(const std::string& relative) { return fs::path(GRIDLEX_DIST_DIR) / relative; }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The batch tool started directly (no shell between), its output in files, with a limit on the
// size of the files it writes when `file_limit` is not 0.
pid_t Start(const std::vector<std::string>& args, const TestFolder& f, rlim_t file_limit = 0) {
  std::vector<std::string> argv = {GRIDLEX_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  const std::string out = f.Path("stdout.txt");
  const std::string err = f.Path("stderr.txt");
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
    ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
    if (file_limit != 0) {
      const rlimit limit{file_limit, file_limit};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    ::execv(pointers[0], pointers.data());
    ::_exit(127);
  }
  return child;
}

// The exit status, or 128 + the signal that ended the process.
int Wait(pid_t child) {
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool HasTemporaryFile(const std::vector<std::string>& names) {
  return std::any_of(names.begin(), names.end(), [](const std::string& name) {
    return name.find("tmp") != std::string::npos;
  });
}

TEST(CliOutputSafety, OutputsThatAreOneFileWithAnotherOutputOrAnInputAreRefusedNamingBoth) {
  TestFolder f;
  const std::string dct = f.Copy(Delivered("data/ru.dct"), "d.dct");
  const std::string gx = f.Copy(Delivered("data/1.gx"), "a.gx");
  const std::string dictionary = f.Read("d.dct");
  const std::string puzzle = f.Read("a.gx");
  fs::create_directories(f.Path("sub"));
  fs::create_hard_link(gx, f.Path("sub/hard.gx"));
  const std::string text = f.Write("t.txt", "кот животное\n");
  const std::string grid = f.Write("g.txt", "...\n");
  struct Clash {
    std::vector<std::string> args;
    std::string first;
    std::string second;
  };
  const std::vector<Clash> clashes = {
      {{"build", dct, "--seed", "1", "--out", dct}, "DICT " + dct, "--out " + dct},
      {{"build", dct, "--seed", "1", "--out", f.Path("sub/../d.dct")}, "DICT " + dct, "--out " + f.Path("sub/../d.dct")},
      {{"build", dct, "--seed", "1", "--out", f.Path("x.gx"), "--dict-out", f.Path("x.gx")},
       "--out " + f.Path("x.gx"), "--dict-out " + f.Path("x.gx")},
      {{"series", dct, "--count", "2", "--seed", "1", "--out-dir", f.Path("o"), "--dict-out", f.Path("o/2.gx")},
       "--dict-out " + f.Path("o/2.gx"), "the series' file " + f.Path("o/2.gx")},
      {{"fill", grid, dct, "--dict-out", grid}, "GRID " + grid, "--dict-out " + grid},
      {{"export", gx, "--ipuz", gx, "--force"}, "GX " + gx, "--ipuz " + gx},
      {{"export", gx, "--html-play", f.Path("sub/../a.gx"), "--force"}, "GX " + gx, "--html-play " + f.Path("sub/../a.gx")},
      {{"export", gx, "--gif", f.Path("sub/hard.gx"), "--force"}, "GX " + gx, "--gif " + f.Path("sub/hard.gx")},
      {{"import-ipuz", f.Path("sub/hard.gx"), gx, "--force"}, "FILE.ipuz " + f.Path("sub/hard.gx"), "OUT.gx " + gx},
      {{"dict", "import", text, text}, "TEXT " + text, "DCT " + text},
  };
  for (const Clash& clash : clashes) {
    SCOPED_TRACE(clash.args[0] + " " + clash.first + " / " + clash.second);
    const CliResult r = RunCli(clash.args);
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.err, "gridlex-cli: " + clash.first + " and " + clash.second + " are the same file\n");
    EXPECT_EQ(f.Names(), (std::vector<std::string>{"a.gx", "d.dct", "g.txt", "sub", "t.txt"}));
  }
  EXPECT_EQ(f.Read("d.dct"), dictionary);
  EXPECT_EQ(f.Read("a.gx"), puzzle);
  EXPECT_EQ(f.Read("t.txt"), "кот животное\n");

  // The dictionary written back under its own name carries its order to the next run.
  const CliResult carried = RunCli({"build", dct, "--seed", "1", "--dict-out", f.Path("sub/../d.dct")});
  EXPECT_EQ(carried.exit_code, 0) << carried.err;
  EXPECT_NE(f.Read("d.dct"), dictionary);
}

TEST(CliOutputSafety, ForceReplacesAPlantedLinkInsteadOfFollowingIt) {
  TestFolder f;
  const std::string gx = f.Copy(Delivered("data/1.gx"), "a.gx");
  fs::create_directories(f.Path("out"));
  fs::create_directories(f.Path("victim"));
  f.Write("victim/kept.ipuz", "the victim's file");
  f.Write("out/thesis.tmp-backup", "a decoy");
  fs::create_symlink("../victim/kept.ipuz", f.Path("out/x.ipuz"));
  fs::create_symlink("../victim/created.gx", f.Path("out/1.gx"));

  CliResult r = RunCli({"export", gx, "--ipuz", f.Path("out/x.ipuz"), "--force"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_FALSE(fs::is_symlink(f.Path("out/x.ipuz")));
  EXPECT_NE(f.Read("out/x.ipuz").find("\"title\": \"a.gx\""), std::string::npos);
  r = RunCli({"series", Delivered("data/ru.dct").string(), "--count", "1", "--seed", "2", "--out-dir", f.Path("out"),
              "--force"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_FALSE(fs::is_symlink(f.Path("out/1.gx")));
  EXPECT_EQ(f.Names("victim"), std::vector<std::string>{"kept.ipuz"});
  EXPECT_EQ(f.Read("victim/kept.ipuz"), "the victim's file");
  EXPECT_EQ(f.Names("out"), (std::vector<std::string>{"1.gx", "thesis.tmp-backup", "x.ipuz"}));
  EXPECT_EQ(f.Read("out/thesis.tmp-backup"), "a decoy");
}

TEST(CliOutputSafety, NamesThatCannotServeGetOneMessageNamingThePathAndTheFault) {
  TestFolder f;
  const std::string gx = f.Copy(Delivered("data/1.gx"), "a.gx");
  const std::string dct = Delivered("data/ru.dct").string();
  const std::string folder = f.Path("folder");
  fs::create_directories(folder);
  const std::string is_folder = "gridlex-cli: " + folder + ": is a folder, not a file\n";
  const std::string missing = f.Path("nowhere/x.gx");
  const std::string no_folder = "gridlex-cli: " + missing + ": no such folder " + f.Path("nowhere") + "\n";
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"show", folder}, is_folder},
      {{"dict", "stats", folder}, is_folder},
      {{"import-ipuz", folder, f.Path("y.gx")}, is_folder},
      {{"dict", "import", folder, f.Path("z.dct")}, is_folder},
      {{"export", gx, "--ipuz", folder, "--force"}, is_folder},
      {{"build", dct, "--seed", "1", "--out", folder}, is_folder},
      {{"export", gx, "--ipuz", missing}, no_folder},
      {{"build", dct, "--seed", "1", "--out", missing}, no_folder},
      {{"build", dct, "--seed", "1", "--dict-out", missing}, no_folder},
      {{"series", dct, "--count", "1", "--out-dir", gx}, "gridlex-cli: " + gx + ": is a file, not a folder\n"},
      {{"export", gx, "--html", gx}, "gridlex-cli: " + gx + ": is a file, not a folder\n"},
      {{"export", gx, "--ipuz", ""}, "gridlex-cli: empty file name given for --ipuz\n"},
      {{"build", dct, "--seed", "1", "--out", ""}, "gridlex-cli: empty file name given for --out\n"},
      {{"series", dct, "--count", "1", "--out-dir", ""}, "gridlex-cli: empty folder name given for --out-dir\n"},
  };
  for (const auto& [args, message] : cases) {
    SCOPED_TRACE(args[0] + " " + args[1]);
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, message);
  }
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"a.gx", "folder"}));
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST(CliOutputSafety, AWriteBeyondTheFileSizeLimitFailsKeepingTheOldFile) {
  TestFolder f;
  const std::string gx = f.Copy(Delivered("data/1.gx"), "a.gx");
  f.Write("x.ipuz", "the old ipuz");
  const pid_t child = Start({"export", gx, "--ipuz", f.Path("x.ipuz"), "--force"}, f, 1000);
  EXPECT_EQ(Wait(child), 1);
  EXPECT_EQ(ReadAll(f.Path("stderr.txt")), "gridlex-cli: File too large: " + f.Path("x.ipuz") + "\n");
  EXPECT_EQ(f.Read("x.ipuz"), "the old ipuz");
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"a.gx", "stderr.txt", "stdout.txt", "x.ipuz"}));
}

TEST(CliOutputSafety, AnInterruptedSeriesRemovesItsTemporaryFileAndSaysWhatItWrote) {
  for (const int signal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(signal);
    TestFolder f;
    const pid_t child = Start({"series", Delivered("data/ru.dct").string(), "--count", "100000", "--seed", "5",
                               "--out-dir", f.Path("out"), "--format", "gx,ipuz"},
                              f);
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!fs::exists(f.Path("out/2.gx")) && std::chrono::steady_clock::now() < give_up) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_TRUE(fs::exists(f.Path("out/2.gx"))) << ReadAll(f.Path("stderr.txt"));
    ::kill(child, signal);
    EXPECT_EQ(Wait(child), 128 + signal);
    const std::vector<std::string> names = f.Names("out");
    EXPECT_FALSE(HasTemporaryFile(names)) << names.back();
    const std::string err = ReadAll(f.Path("stderr.txt"));
    // The count misses a file only when the signal came between its rename and its count.
    const std::string start = "gridlex-cli: interrupted; ";
    ASSERT_EQ(err.substr(0, start.size()), start) << err;
    const std::size_t count = std::stoul(err.substr(start.size()));
    EXPECT_TRUE(count == names.size() || count + 1 == names.size()) << err;
    const std::size_t last = err.find(" files written, the last: ");
    ASSERT_NE(last, std::string::npos) << err;
    const std::string path = err.substr(last + 26, err.size() - last - 27);
    EXPECT_TRUE(fs::is_regular_file(path)) << err;
    EXPECT_EQ(fs::path(path).parent_path(), fs::path(f.Path("out")));
  }
}

}  // namespace
}  // namespace gx::test
