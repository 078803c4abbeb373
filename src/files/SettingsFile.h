#pragma once
// The settings file gx.dat: 16-bit little-endian records. Records 0..31 hold the score, the
// reward picture number (twice), the fill attempts, the minimum slot count, the three check boxes
// and the eight colours as red, green, blue; then one record per character of the dictionary name.

#include <string>
#include <string_view>

#include "base/FixedString.h"
#include "core/Settings.h"
#include "base/FileError.h"

namespace gx {

using DictionaryNameText = FixedString<32>;

constexpr std::size_t SettingsFixedSize = 64;

// Fills the values from the bytes of a settings file, in file order. A file that ends before
// record 31 gives "Read beyond end of file"; the values read up to there stay, the rest (and a
// colour whose three records are not all there) keep what they held. A trailing odd byte is not a
// record and is ignored. A score above 999 reads as 999, a reward picture outside 1..17 as 17.
FileError ParseSettings(std::string_view bytes, Settings& settings, DictionaryNameText& dictionary_name);
std::string SerializeSettings(const Settings& settings, std::string_view dictionary_name);

// The settings file in `program_dir`: "gx.dat", else "GX.DAT", else any other spelling of the
// name; "" when there is none.
std::string FindSettingsFile(const std::string& program_dir);

// Reads the settings file of `program_dir`; the values change only when it was read whole.
FileError ReadSettings(Settings& settings, DictionaryNameText& dictionary_name, const std::string& program_dir);
// Writes "gx.dat" anew in `program_dir`; an old file survives a failed write.
FileError WriteSettings(const Settings& settings, std::string_view dictionary_name, const std::string& program_dir);

// Values to go on with when no settings file can be read.
Settings DefaultSettings();
std::string DefaultDictionaryName();

}  // namespace gx
