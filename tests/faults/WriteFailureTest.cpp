// Every write that replaces a user's file, under every failure a disk or a system can give: a
// read-only folder, a full disk, a rename that fails, and a kill in the middle of the write (every
// file written here exceeds 25 bytes). After each the old file is byte for byte what it was, the
// failure is shown with the run-time's text, nothing passes for done, and no temporary file is left
// that a later start could take for data.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>

#include "TestBytes.h"
#include "TestFolder.h"
#include "InjectedFailures.h"
#include "OutputTestSupport.h"
#include "files/DictionaryFile.h"
#include "base/FileIo.h"
#include "base/TempFile.h"
#include "files/PuzzleFile.h"
#include "shell/CommandCore.h"
#include "output/HtmlExport.h"
#include "shell/ProgressFile.h"
#include "files/SettingsFile.h"
#include "shell/Startup.h"
#include "shell/ExportCommands.h"

namespace gx {
namespace {

namespace fs = std::filesystem;
using test::W;

// One program folder with the old files in place and a program state ready to write.
struct Scene {
  Scene() {
    fs::create_directories(folder.Path("data"));
    fs::create_directories(folder.Path("pic"));
    b.state.settings = DefaultSettings();
    b.state.settings.ProgramDir = folder.Dir();
    b.state.window.FillAttemptsText = std::to_string(b.state.settings.MaxFillAttempts);
    b.state.window.MinCellsText = std::to_string(b.state.settings.MinSlotCount);
    b.AddSlot(2, 2, 3, false, W("КОТ"), W(" Зверь"));
    b.AddSlot(2, 2, 3, true, W("КИТ"), W(" Кит"));
    b.state.window.Caption = W("Новый кроссворд 2 сл");
  }
  ~Scene() {
    for (const char* sub : {"data", "pic", "progress"}) {
      std::error_code ignored;  // the progress folder exists only where a case made it
      fs::permissions(folder.Path(sub), fs::perms::owner_all, ignored);
    }
  }
  test::TestFolder folder;
  test::PlayBench b{21};
  test::OutputHost out;
};

struct WriteCase {
  const char* name;
  const char* folder;  // below the program folder ("" for the program folder itself)
  const char* file;
  std::function<void(Scene&)> prepare;  // lays down the old file and the state to write
  std::function<bool(Scene&)> run;      // runs the write; true when it reported success
  std::function<std::vector<std::string>(Scene&)> errors;
  bool names_file = false;  // the message names the file after the error's text
};

std::string OldSettings() {
  Settings old = DefaultSettings();
  old.Score = 77;
  return SerializeSettings(old, "old.dct");
}

std::string OldDictionary() {
  DictionaryStore store;
  const char* entries[] = {"КОТ Зверь", "ДОМ Жилище", "СЛОН Великан", "ЕЖ Колючий", "ЛЕС Бор", "КИТ Кит"};
  for (int e = 1; e <= 6; ++e) store.SetEntry(e, W(entries[e - 1]));
  store.DictionaryCount = 6;
  return SerializeDictionary(store);
}

std::vector<WriteCase> Writes() {
  auto host_errors = [](Scene& s) { return s.b.host.errors; };
  auto export_errors = [](Scene& s) { return s.out.errors; };
  auto prepare_export = [](Scene& s) {
    s.folder.Write("pic/b0", "<html>\r\n");
    s.folder.Write("pic/b2", "</html>\r\n");
    s.folder.Write("pic/pic.gif", "the old picture");
    s.folder.Write("pic/gxp.htm", "the old page");
  };
  auto run_export = [](Scene& s) {
    HtmlExportCommand(s.b.state, s.out, 336, 336);
    return s.out.errors.empty() && s.out.documents.size() == 1;
  };
  // The solving kept for the scene's puzzle, as a load of it would find it.
  static const std::string progress_file = [] {
    Scene scene;
    return ProgressFileName(ProgressKey(scene.b.state.puzzle));
  }();
  auto prepare_progress = [](Scene& s) {
    fs::create_directories(s.folder.Path("progress"));
    SolvingRecord record;
    record.ElapsedMs = 61'000;
    KeptSolving old;
    old.entries.emplace_back(1, AnswerText(W("ко")));
    old.record = record;
    s.folder.Write("progress/" + progress_file, SerializeProgress(old, ProgressKey(s.b.state.puzzle)));
    s.b.state.puzzle.PlayActive = 1;
    ++s.b.state.PuzzleLoads;
    s.b.commands.ClueChosen(0);  // the input after the load takes the kept letters back
    ASSERT_EQ(s.b.state.puzzle.SlotEntry[1], W("ко"));
  };
  auto run_progress = [](Scene& s) {
    s.b.commands.ClueChosen(1);
    s.b.commands.ClueChosen(0);
    s.b.commands.KeyPress(W("к")[0]);  // the word is typed afresh: "к" replaces "ко"
    return s.b.host.errors.empty();
  };
  return {
      {"puzzle save", "data", "5.gx",
       [](Scene& s) {
         s.folder.Write("data/5.gx", "the old puzzle, kept");
         s.b.host.dialog_answers.push_back(s.folder.Path("data/5.gx"));
         s.b.host.confirm_answers.push_back(true);
       },
       [](Scene& s) {
         s.b.commands.KeyDown(Key::F2);
         return s.b.host.errors.empty() && s.b.state.window.Caption == PuzzleCaption("5.gx", 2);
       },
       host_errors},
      {"dictionary write", "data", "ru.dct",
       [](Scene& s) {
         s.folder.Write("data/ru.dct", OldDictionary());
         s.folder.Write("gx.dat", OldSettings());
         s.b.state.dictionary.DictionaryName = "ru.dct";
         ASSERT_TRUE(s.b.commands.LoadDictionary());
         s.b.state.dictionary.SetEntry(1, W("ЯК Бык"));
         s.b.state.dictionary.DictionaryModified = true;
         s.b.host.informations.clear();
       },
       [](Scene& s) { return s.b.commands.Close(); }, host_errors},
      {"settings write", "", "gx.dat", [](Scene& s) { s.folder.Write("gx.dat", OldSettings()); },
       [](Scene& s) { return s.b.commands.Close(); }, host_errors, true},
      {"export picture", "pic", "pic.gif", prepare_export, run_export, export_errors},
      {"export page", "pic", "gxp.htm", prepare_export, run_export, export_errors},
      {"progress write", "progress", progress_file.c_str(), prepare_progress, run_progress, host_errors, true},
  };
}

std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string FolderOf(Scene& s, const WriteCase& w) {
  return std::string(w.folder).empty() ? s.folder.Dir() : s.folder.Path(w.folder);
}
std::string TargetOf(Scene& s, const WriteCase& w) { return JoinPath(FolderOf(s, w), w.file); }

// Runs the failure in a fresh scene and checks what must hold after any failed write.
void ExpectFailureHarmless(const WriteCase& w, const char* failure, const std::string& expected_error,
                           const std::function<void(Scene&)>& inject) {
  SCOPED_TRACE(std::string(w.name) + " with " + failure);
  Scene s;
  w.prepare(s);
  const std::string old = s.folder.Read(fs::relative(TargetOf(s, w), s.folder.Dir()).string());
  const std::vector<std::string> before = Listing(FolderOf(s, w));
  inject(s);
  const bool success = w.run(s);
  test::ClearInjections();
  if (!std::string(w.folder).empty()) fs::permissions(FolderOf(s, w), fs::perms::owner_all);
  fs::permissions(s.folder.Dir(), fs::perms::owner_all);
  EXPECT_FALSE(success);
  EXPECT_TRUE(s.folder.Read(fs::relative(TargetOf(s, w), s.folder.Dir()).string()) == old);
  EXPECT_EQ(w.errors(s), std::vector<std::string>{w.names_file ? expected_error + ": " + TargetOf(s, w)
                                                                : expected_error});
  EXPECT_EQ(Listing(FolderOf(s, w)), before);
  std::printf("  %-17s | %-16s | old file kept, \"%s\" shown, no temporary file left\n", w.name, failure,
              expected_error.c_str());
}

TEST(WriteFailures, EveryWriteSurvivesAReadOnlyFolderAFullDiskAndAFailedRename) {
  for (const WriteCase& w : Writes()) {
    ExpectFailureHarmless(w, "read-only folder", "File access denied", [&](Scene& s) {
      fs::permissions(FolderOf(s, w), fs::perms::owner_read | fs::perms::owner_exec);
    });
    ExpectFailureHarmless(w, "full disk", "Disk full", [&](Scene&) { test::InjectFullDisk(w.file, 20); });
    ExpectFailureHarmless(w, "failed rename", FileError::FromErrno(EIO).Text(),
                          [&](Scene&) { test::InjectRenameFailure(w.file, EIO); });
  }
}

// A write killed at a random byte leaves the old file whole and a temporary file that no reader
// takes for data (its name matches no pattern of the program's files); the next write to the
// folder removes it.
TEST(WriteFailures, AWriteKilledAtARandomByteLosesNothing) {
  std::mt19937 random(20261208);
  for (const WriteCase& w : Writes()) {
    SCOPED_TRACE(w.name);
    const std::size_t at = std::uniform_int_distribution<std::size_t>(0, 24)(random);
    Scene s;
    w.prepare(s);
    const std::string relative = fs::relative(TargetOf(s, w), s.folder.Dir()).string();
    const std::string old = s.folder.Read(relative);
    const std::uint16_t highest = HighestPuzzleNumber(s.folder.Path("data"));
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
      test::InjectKill(w.file, at);
      w.run(s);
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the write ended before byte " << at;
    EXPECT_TRUE(s.folder.Read(relative) == old);
    std::vector<std::string> leftovers;
    for (const std::string& name : Listing(FolderOf(s, w))) {
      if (IsReplacementLeftover(name)) leftovers.push_back(name);
    }
    ASSERT_EQ(leftovers.size(), 1u);
    EXPECT_TRUE(HasTempName(leftovers[0], TempFilePrefix(w.file))) << leftovers[0];
    EXPECT_EQ(HighestPuzzleNumber(s.folder.Path("data")), highest);

    // The same write done again succeeds and sweeps the leftover away.
    s.b.host.errors.clear();
    s.out.errors.clear();
    EXPECT_TRUE(w.run(s));
    EXPECT_FALSE(s.folder.Read(relative) == old);
    for (const std::string& name : Listing(FolderOf(s, w))) EXPECT_FALSE(IsReplacementLeftover(name)) << name;
    std::printf("  %-17s | killed at byte %2zu | old file kept, leftover removed by the next write\n", w.name, at);
  }
}

}  // namespace
}  // namespace gx
