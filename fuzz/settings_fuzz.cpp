// The settings file reader on any bytes. A file it takes gives values within their ranges and a
// dictionary name of at most 32 characters, and reads back the same once written; a file it
// refuses leaves the settings as they were.

#include <filesystem>

#include "FuzzSupport.h"
#include "base/Cp1251.h"
#include "base/FileIo.h"
#include "files/FileNames.h"
#include "files/SettingsFile.h"

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

  // One character per record, the first 32 kept; a name that earlier builds stored as UTF-8 reads
  // as the fewer characters it spells.
  const std::size_t records = std::min<std::size_t>(32, (size - SettingsFixedSize) / 2);
  bool ascii = true;
  for (std::size_t r = 0; r < records; ++r) ascii = ascii && data[SettingsFixedSize + 2 * r] < 0x80;
  FUZZ_CHECK(name.size() <= records && (!ascii || name.size() == records));

  // Written and read back with its dictionary in the data folder, the same values and name.
  const std::string written = SerializeSettings(settings, name);
  FUZZ_CHECK(written.size() == SettingsFixedSize + 2 * name.size());
  std::filesystem::remove_all(Scratch().Path("again"));
  Scratch().Write("again/gx.dat", written);
  if (IsBareFileName(name)) Scratch().Write("again/data/" + Cp1251ToUtf8(name), "");
  Settings again;
  DictionaryNameText again_name;
  FUZZ_CHECK(!ReadSettings(again, again_name, Scratch().Path("again")));
  FUZZ_CHECK(SerializeSettings(again, name) == written);
  FUZZ_CHECK(!IsBareFileName(name) || again_name == name);
  return 0;
}
