#include "files/FileNames.h"

#include <cstdio>

#include "base/Cp1251.h"
#include "base/FileIo.h"

namespace gx {

namespace {

constexpr std::u32string_view kDataFolder = U"\\data\\";
constexpr std::u32string_view kDataFolderUpper = U"\\DATA\\";

std::u32string NameTextInDataFolder(std::u32string path) {
  for (char32_t& c : path) {
    if (c == U'/') c = U'\\';
  }
  std::size_t at = path.find(kDataFolder);
  if (at == std::u32string::npos) at = path.find(kDataFolderUpper);
  std::u32string name;
  if (at != std::u32string::npos) name = path.substr(at + kDataFolder.size());
  if (at == std::u32string::npos || name.find(U'\\') != std::u32string::npos) {
    const std::size_t slash = path.rfind(U'\\');
    name = slash == std::u32string::npos ? path : path.substr(slash + 1);
  }
  return name.substr(0, MaxChosenNameLength);
}

}  // namespace

ChosenName NameInDataFolder(std::string_view path) {
  ChosenName chosen;
  for (char32_t c : NameTextInDataFolder(DecodeUtf8(path))) {
    const std::optional<char> byte = UnicodeToCp1251(c);
    if (!byte) {
      chosen.name.clear();
      chosen.lacking = c;
      return chosen;
    }
    chosen.name += *byte;
  }
  return chosen;
}

std::string DataFilePath(const std::string& folder, std::string_view name) {
  return JoinPath(folder, Cp1251ToUtf8(name));
}

std::string OverwriteQuestion(std::string_view name) {
  return Utf8ToCp1251("Файл ") + std::string(name) + Utf8ToCp1251(" уже есть. Переписать?");
}

std::string NameRefusedMessage(char32_t lacking) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(lacking));
  return Utf8ToCp1251("В имени файла есть знак ") + code +
         Utf8ToCp1251(", которого нет в кодировке Windows-1251: выберите другое имя");
}

std::string NameFromSettings(std::string_view stored) {
  bool beyond_ascii = false;
  for (char c : stored) beyond_ascii = beyond_ascii || static_cast<unsigned char>(c) >= 0x80;
  if (!beyond_ascii) return std::string(stored);
  std::string name;
  for (char32_t c : DecodeUtf8(stored)) {
    const std::optional<char> byte = UnicodeToCp1251(c);
    if (!byte) return std::string(stored);  // not UTF-8 (a malformed byte reads as U+FFFD): Windows-1251 as stored
    name += *byte;
  }
  return name;
}

FileError PathInFolder(const std::string& folder, std::string_view name, std::string& path) {
  if (!IsBareFileName(name)) return FileError(FileError::InvalidFilename);
  path = DataFilePath(folder, name);
  return {};
}

std::string NameFromSettings(std::string_view stored, const std::string& data_folder) {
  auto in_data_folder = [&](std::string_view name) {
    return IsBareFileName(name) && FileExists(DataFilePath(data_folder, name));
  };
  std::string name = NameFromSettings(stored);
  if (name != stored && in_data_folder(stored) && !in_data_folder(name)) return std::string(stored);
  return name;
}

}  // namespace gx
