// Writes the delivered settings file gx.dat with the program's own settings writer.
// Run by hand from the repository root: make_settings dist [MIN_SLOT_COUNT]

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/Settings.h"
#include "shell/SettingsFile.h"

namespace {

// Measured with the batch tool on 21 x 21 boards: with this minimum a generated grid covers the
// board well and still fills reliably from the delivered dictionary.
constexpr int DeliveredMinSlotCount = 52;

gx::Settings DeliveredSettings(int min_slot_count) {
  gx::Settings settings;
  settings.Score = 0;
  settings.RewardPictureNo = 17;  // the tally steps it before showing, so the first reward is s1
  settings.MaxFillAttempts = 256;
  settings.MinSlotCount = static_cast<std::uint8_t>(min_slot_count);
  settings.NumberedExport = false;
  settings.KaleidoscopeBox = false;
  settings.KaleidoscopeOn = false;
  settings.SoundOn = true;
  gx::Palette& colors = settings.Colors;
  colors.BoardColor = gx::Rgb(84, 110, 130);       // calm slate blue: the grid stands out on it
  colors.WordCellColor = gx::Rgb(250, 250, 244);   // near white, navy letters read well
  colors.FoundWordColor = gx::Rgb(206, 236, 206);  // soft green
  colors.TryingWordColor = gx::Rgb(255, 232, 150); // warm yellow while the engine searches
  colors.WrongWordColor = gx::Rgb(250, 186, 186);  // soft red
  // The exported picture is reduced to the 20 default palette colours: these two are among them,
  // so they come out exactly (sky blue around the grid, silver inside it).
  colors.GifBorderColor = gx::Rgb(166, 202, 240);
  colors.GifInnerColor = gx::Rgb(192, 192, 192);
  colors.PrintBackColor = gx::Rgb(232, 232, 232);  // light grey: little ink on paper
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: make_settings DIST_FOLDER [MIN_SLOT_COUNT]\n");
    return 2;
  }
  int min_slot_count = argc == 3 ? std::atoi(argv[2]) : DeliveredMinSlotCount;
  if (min_slot_count < 4 || min_slot_count > 100) {
    std::fprintf(stderr, "the minimum slot count must lie in 4..100\n");
    return 2;
  }
  gx::FileError error = gx::WriteSettings(DeliveredSettings(min_slot_count), "ru.dct", argv[1]);
  if (error) {
    std::fprintf(stderr, "cannot write the settings file in %s\n", argv[1]);
    return 1;
  }
  std::printf("%s/gx.dat written, minimum slot count %d\n", argv[1], min_slot_count);
  return 0;
}
