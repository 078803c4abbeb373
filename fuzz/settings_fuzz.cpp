// The settings file reader on any bytes. A file it takes gives values within their ranges and a
// dictionary name of at most 32 characters, and reads back the same once written; a file it
// refuses leaves the settings as they were.

#include "FuzzSupport.h"
#include "shell/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gx;
  using namespace gx::fuzz;
  static const Settings defaults = [] {
    Settings settings = DefaultSettings();
    settings.Score = 5;
    return settings;
  }();
  static const std::string before = SerializeSettings(defaults, "before.dct");
  Settings settings = defaults;
  DictionaryNameText name("before.dct");
  Scratch().Write("gx.dat", data, size);
  if (ReadSettings(settings, name, Scratch().Dir())) {
    FUZZ_CHECK(SerializeSettings(settings, name) == before);
    return 0;
  }
  FUZZ_CHECK(size >= SettingsFixedSize);
  FUZZ_CHECK(settings.Score <= 999);
  FUZZ_CHECK(settings.RewardPictureNo >= 1 && settings.RewardPictureNo <= 17);
  FUZZ_CHECK(settings.KaleidoscopeOn == false || settings.KaleidoscopeBox);
  for (int color = 0; color < PaletteSize; ++color) FUZZ_CHECK(settings.Colors[color] <= 0xFFFFFFu);
  FUZZ_CHECK(name.size() <= 32 && name.size() == std::min<std::size_t>(32, (size - SettingsFixedSize) / 2));
  const std::string written = SerializeSettings(settings, name);
  FUZZ_CHECK(written.size() == SettingsFixedSize + 2 * name.size());
  Settings again;
  DictionaryNameText again_name;
  FUZZ_CHECK(!ParseSettings(written, again, again_name));
  FUZZ_CHECK(SerializeSettings(again, again_name) == written);
  return 0;
}
