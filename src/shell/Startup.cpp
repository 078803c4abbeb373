#include "shell/Startup.h"

#include <cstdio>
#include <filesystem>

#include "base/Cp1251.h"
#include "board/Tally.h"
#include "files/DictionaryFile.h"
#include "base/FileIo.h"
#include "files/FileNames.h"
#include "files/PuzzleFile.h"
#include "files/AdvertList.h"
#include "shell/PuzzleCommands.h"
#include "shell/DictionaryCommands.h"
#include "base/NumberParsing.h"
#include "files/SettingsFile.h"

namespace gx {

namespace {

constexpr int DefaultPrinterDpi = 300;

std::uint16_t DpiOrDefault(int dpi) {
  return dpi <= 0 || dpi > 0xFFFF ? DefaultPrinterDpi : static_cast<std::uint16_t>(dpi);
}

void UseDefaultSettings(Gridlex& state) {
  Settings defaults = DefaultSettings();
  defaults.ProgramDir = state.settings.ProgramDir;
  state.settings = defaults;
  state.dictionary.DictionaryName = DefaultDictionaryName();
}

// Reads gx.dat into the settings. Without a file, or with one that cannot be read (reported),
// the program goes on with the values of the delivered file rather than with zeros; a damaged
// file is remembered so that the close keeps it aside.
void RestoreSettings(Gridlex& state, Host& host) {
  const std::string& dir = state.settings.ProgramDir;
  const std::string path = FindSettingsFile(dir);
  state.DamagedSettingsFile.clear();
  if (path.empty()) {
    UseDefaultSettings(state);
    return;
  }
  if (const FileError error = ReadSettings(state.settings, state.dictionary.DictionaryName, dir)) {
    host.ShowError(error.TextAbout(path));
    UseDefaultSettings(state);
    state.DamagedSettingsFile = path;
  }
}

// Copies the damaged settings file to gx.dat.bad. False (reported) when it could not be kept:
// the damaged file must then stay where it is.
bool KeepDamagedSettings(Gridlex& state, Host& host) {
  if (state.DamagedSettingsFile.empty()) return true;
  std::string bytes;
  const std::string kept = JoinPath(state.settings.ProgramDir, "gx.dat.bad");
  FileError error = ReadWholeFile(state.DamagedSettingsFile, bytes);
  if (error) {
    host.ShowError(error.TextAbout(state.DamagedSettingsFile));
    return false;
  }
  error = ReplaceFile(kept, bytes);
  if (error) {
    host.ShowError(error.TextAbout(kept));
    return false;
  }
  state.DamagedSettingsFile.clear();
  return true;
}

// The puzzle the window opens with; false when its load failed (already reported).
bool LoadStartPuzzle(Gridlex& state, PuzzleCommands& commands, const std::string& start_puzzle) {
  if (!start_puzzle.empty() && commands.LoadNamedFile(start_puzzle)) return true;
  state.PuzzleFileName = std::to_string(HighestPuzzleNumber(state.settings.ProgramDir.DataFolder())) + ".gx";
  return commands.LoadPuzzle();
}

}  // namespace

void StartProgram(Gridlex& state, Host& host, PuzzleCommands& commands, const PrinterQuery& printer,
                  const std::string& start_puzzle) {
  RestoreSettings(state, host);

  state.puzzle.RewardShown = false;
  state.settings.HelpContext = 0;
  state.puzzle.SelectMode = 1;

  state.window.FillAttemptsText = std::to_string(state.settings.MaxFillAttempts);
  state.window.MinCellsText = std::to_string(state.settings.MinSlotCount);
  state.window.SpinnerPosition = state.settings.MinSlotCount;

  if (!LoadStartPuzzle(state, commands, start_puzzle)) return;  // a read failure ends the creation here

  // Without a printer the program goes on at 300 dots per inch; printing offers a file instead.
  const std::optional<PrinterResolution> resolution = printer ? printer() : std::nullopt;
  state.settings.PrinterDpiX = DpiOrDefault(resolution ? resolution->x : 0);
  state.settings.PrinterDpiY = DpiOrDefault(resolution ? resolution->y : 0);

  state.window.ScoreText = ScoreText(state.settings.Score);
  state.window.DictionaryLineText.clear();
  state.adverts = LoadAdvertList(state.settings.ProgramDir, host);
}

bool CloseProgram(Gridlex& state, Host& host) {
  state.settings.MaxFillAttempts = ParseNumber16(state.window.FillAttemptsText);
  state.settings.MinSlotCount = ParseNumber8(state.window.MinCellsText);
  // A damaged settings file that cannot be kept aside stays as it is; the close goes on.
  if (KeepDamagedSettings(state, host)) {
    if (const FileError error =
            WriteSettings(state.settings, state.dictionary.DictionaryName, state.settings.ProgramDir)) {
      host.ShowError(error.TextAbout(JoinPath(state.settings.ProgramDir, "gx.dat")));
      return false;
    }
  }
  return WriteChangedDictionary(state, host);
}

}  // namespace gx
