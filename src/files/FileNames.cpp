#include "files/FileNames.h"

#include <cstdio>
#include <string>

#include "base/Cp1251.h"
#include "base/FileIo.h"

namespace gx {

namespace {

constexpr std::u32string_view kDataFolder = U"\\data\\";
constexpr std::u32string_view kDataFolderUpper = U"\\DATA\\";

char32_t AsciiLower(char32_t c) { return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c; }

char32_t CharacterCode(char c) { return static_cast<unsigned char>(c); }
char32_t CharacterCode(char32_t c) { return c; }

template <typename Text>
bool EndsWithIgnoringAsciiCase(const Text& name, std::string_view extension) {
  if (name.size() < extension.size()) return false;
  const std::size_t at = name.size() - extension.size();
  for (std::size_t i = 0; i < extension.size(); ++i) {
    if (AsciiLower(CharacterCode(name[at + i])) != AsciiLower(CharacterCode(extension[i]))) return false;
  }
  return true;
}

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
  return name;
}

}  // namespace

bool HasExtension(std::string_view name, std::string_view extension) {
  return EndsWithIgnoringAsciiCase(name, extension);
}

ChosenName NameInDataFolder(std::string_view path, std::string_view extension) {
  ChosenName chosen;
  std::u32string text = NameTextInDataFolder(DecodeUtf8(path));
  const std::size_t stem = text.size() - (EndsWithIgnoringAsciiCase(text, extension) ? extension.size() : 0);
  if (stem > MaxChosenNameLength) {
    text.erase(MaxChosenNameLength, stem - MaxChosenNameLength);
    chosen.shortened = true;
  }
  for (char32_t c : text) {
    const std::optional<char> byte = UnicodeToCp1251(c);
    if (!byte) {
      chosen.name.clear();
      chosen.shortened = false;
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

std::string ShortenedNameQuestion(std::string_view name) {
  return Utf8ToCp1251("Имя файла длиннее ") + std::to_string(MaxChosenNameLength) +
         Utf8ToCp1251(" знаков. Сохранить под именем ") + std::string(name) + "?";
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
