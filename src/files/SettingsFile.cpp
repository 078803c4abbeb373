#include "files/SettingsFile.h"

#include <dirent.h>

#include <cstdint>
#include <memory>

#include "base/FileIo.h"
#include "files/FileNames.h"

namespace gx {

namespace {

constexpr int kFirstColorRecord = 8;
constexpr std::uint16_t kMaxScore = 999;
constexpr std::uint8_t kRewardPictures = 17;

class RecordReader {
 public:
  explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}
  bool Next(std::uint16_t& value) {
    if (bytes_.size() - pos_ < 2) return false;
    value = static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes_[pos_]) |
                                       static_cast<std::uint8_t>(bytes_[pos_ + 1]) << 8);
    pos_ += 2;
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

void PutRecord(std::string& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<char>(value & 0xFF));
  bytes.push_back(static_cast<char>(value >> 8));
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Records 0..7 into the values they hold.
void TakeRecord(int record, std::uint16_t value, Settings& settings) {
  switch (record) {
    // A score or picture number out of range would reach the window as it stands: the score is
    // kept at its ceiling, and a picture number outside the cycle counts as its end, so the next
    // reward is picture 1.
    case 0: settings.Score = value > kMaxScore ? kMaxScore : value; break;
    case 1: {
      auto picture = static_cast<std::uint8_t>(value);
      settings.RewardPictureNo = picture >= 1 && picture <= kRewardPictures ? picture : kRewardPictures;
      break;
    }
    case 3: settings.MaxFillAttempts = value; break;
    case 4: settings.MinSlotCount = static_cast<std::uint8_t>(value); break;
    case 5: settings.NumberedExport = value != 0; break;
    case 6:
      settings.KaleidoscopeBox = value != 0;
      settings.KaleidoscopeOn = value == 1;
      break;
    case 7: settings.SoundOn = value != 0; break;
    default: break;  // record 2 repeats record 1 and is not read back
  }
}

// The records in file order; the dictionary name as stored, one character per record.
FileError ParseRecords(std::string_view bytes, Settings& settings, DictionaryNameText& stored_name) {
  RecordReader reader(bytes);
  std::uint16_t value = 0;
  for (int record = 0; record < kFirstColorRecord; ++record) {
    if (!reader.Next(value)) return FileError(FileError::ReadBeyondEnd);
    TakeRecord(record, value, settings);
  }
  for (int color = 0; color < PaletteSize; ++color) {
    std::uint16_t red = 0, green = 0, blue = 0;
    if (!reader.Next(red) || !reader.Next(green) || !reader.Next(blue)) return FileError(FileError::ReadBeyondEnd);
    settings.Colors[color] = Rgb(red & 0xFF, green & 0xFF, blue & 0xFF);
  }
  stored_name.Clear();
  while (reader.Next(value)) stored_name.Append(static_cast<char>(value & 0xFF));
  return {};
}

}  // namespace

FileError ParseSettings(std::string_view bytes, Settings& settings, DictionaryNameText& dictionary_name) {
  DictionaryNameText stored;
  if (FileError error = ParseRecords(bytes, settings, stored)) return error;
  dictionary_name = NameFromSettings(stored);
  return {};
}

std::string SerializeSettings(const Settings& settings, std::string_view dictionary_name) {
  std::string bytes;
  PutRecord(bytes, settings.Score);
  PutRecord(bytes, settings.RewardPictureNo);
  PutRecord(bytes, settings.RewardPictureNo);
  PutRecord(bytes, settings.MaxFillAttempts);
  PutRecord(bytes, settings.MinSlotCount);
  PutRecord(bytes, settings.NumberedExport ? 1 : 0);
  PutRecord(bytes, settings.KaleidoscopeBox ? 1 : 0);
  PutRecord(bytes, settings.SoundOn ? 1 : 0);
  for (int color = 0; color < PaletteSize; ++color) {
    Color c = settings.Colors[color];
    PutRecord(bytes, c & 0xFF);
    PutRecord(bytes, (c >> 8) & 0xFF);
    PutRecord(bytes, (c >> 16) & 0xFF);
  }
  for (char c : dictionary_name) PutRecord(bytes, static_cast<std::uint8_t>(c));
  return bytes;
}

std::string FindSettingsFile(const std::string& program_dir) {
  for (const char* name : {"gx.dat", "GX.DAT"}) {
    std::string path = JoinPath(program_dir, name);
    if (FileExists(path)) return path;
  }
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(program_dir.empty() ? "." : program_dir.c_str()), ::closedir);
  if (!dir) return {};
  while (const dirent* entry = ::readdir(dir.get())) {
    if (!SameNameIgnoringCase(entry->d_name, "gx.dat")) continue;
    std::string path = JoinPath(program_dir, entry->d_name);
    if (FileExists(path)) return path;
  }
  return {};
}

FileError ReadSettings(Settings& settings, DictionaryNameText& dictionary_name, const std::string& program_dir) {
  std::string path = FindSettingsFile(program_dir);
  if (path.empty()) return FileError(FileError::FileNotFound);
  // Name characters beyond the 32nd are dropped, so nothing past them needs reading.
  constexpr std::size_t kLongestUseful = SettingsFixedSize + 2 * DictionaryNameText::capacity();
  std::string bytes;
  std::uint64_t size = 0;
  FileError error = ReadFileBlocks(path, size, [&](const std::uint8_t* data, std::size_t count) {
    bytes.append(reinterpret_cast<const char*>(data), count);
    return bytes.size() < kLongestUseful;
  });
  if (error) return error;
  Settings read = settings;
  DictionaryNameText stored;
  error = ParseRecords(std::string_view(bytes).substr(0, kLongestUseful), read, stored);
  if (error) return error;
  settings = read;
  dictionary_name = NameFromSettings(stored, JoinPath(program_dir, "data"));
  return {};
}

FileError WriteSettings(const Settings& settings, std::string_view dictionary_name, const std::string& program_dir) {
  return ReplaceFile(JoinPath(program_dir, "gx.dat"), SerializeSettings(settings, dictionary_name));
}

// The values of the delivered gx.dat (tools/make_settings writes that file from these).
Settings DefaultSettings() {
  Settings settings;
  settings.Score = 0;
  settings.RewardPictureNo = 17;  // the tally advances it first, so the first reward is picture 1
  settings.MaxFillAttempts = 256;
  // Measured with the batch tool on 21 x 21 boards: with this minimum a generated grid covers the
  // board well and still fills reliably from the delivered dictionary.
  settings.MinSlotCount = 52;
  settings.NumberedExport = false;
  settings.KaleidoscopeBox = false;
  settings.KaleidoscopeOn = false;
  settings.SoundOn = true;
  Palette& colors = settings.Colors;
  colors.BoardColor = Rgb(84, 110, 130);        // calm slate blue: the grid stands out on it
  colors.WordCellColor = Rgb(250, 250, 244);    // near white, navy letters read well
  colors.FoundWordColor = Rgb(206, 236, 206);   // soft green
  colors.TryingWordColor = Rgb(255, 232, 150);  // warm yellow while the engine searches
  colors.WrongWordColor = Rgb(250, 186, 186);   // soft red
  // The exported picture is reduced to the 20 default palette colours: these two are among them,
  // so they come out exactly (sky blue around the grid, silver inside it).
  colors.GifBorderColor = Rgb(166, 202, 240);
  colors.GifInnerColor = Rgb(192, 192, 192);
  colors.PrintBackColor = Rgb(232, 232, 232);  // light grey: little ink on paper
  return settings;
}

std::string DefaultDictionaryName() { return "ru.dct"; }

}  // namespace gx
