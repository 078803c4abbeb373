// Writes the delivered settings file gx.dat with the program's own settings writer.
// Run by hand from the repository root: make_settings dist [MIN_SLOT_COUNT]

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/Settings.h"
#include "files/SettingsFile.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: make_settings DIST_FOLDER [MIN_SLOT_COUNT]\n");
    return 2;
  }
  gx::Settings settings = gx::DefaultSettings();
  int min_slot_count = argc == 3 ? std::atoi(argv[2]) : settings.MinSlotCount;
  if (min_slot_count < 4 || min_slot_count > 100) {
    std::fprintf(stderr, "the minimum slot count must lie in 4..100\n");
    return 2;
  }
  settings.MinSlotCount = static_cast<std::uint8_t>(min_slot_count);
  gx::FileError error = gx::WriteSettings(settings, gx::DefaultDictionaryName(), argv[1]);
  if (error) {
    std::fprintf(stderr, "cannot write the settings file in %s\n", argv[1]);
    return 1;
  }
  std::printf("%s/gx.dat written, minimum slot count %d\n", argv[1], min_slot_count);
  return 0;
}
