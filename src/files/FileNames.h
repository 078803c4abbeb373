#pragma once
// Names of the files in the data folder. Like every text the program holds, a name is
// Windows-1251 text in memory: in captions, in gx.dat, in the dialogs' proposed names. On disk the
// file is named by the UTF-8 spelling of that text, as the file system and the file dialogs
// spell it, so «Зима.gx» is the same file for the program and for every other program.

#include <string>
#include <string_view>

#include "base/FileError.h"

namespace gx {

constexpr std::size_t MaxChosenNameLength = 16;

// The name a path chosen in a dialog (the file system's UTF-8) gives in the data folder.
struct ChosenName {
  std::string name;       // Windows-1251, at most 16 characters before the extension
  char32_t lacking = 0;   // the first character Windows-1251 cannot hold: the name is then refused
  bool shortened = false;  // the chosen name was longer and has been cut
  bool Refused() const { return lacking != 0; }
};

// What follows the data folder ("/" and "\" alike), or the file's own name when the path is not in
// a data folder, held as Windows-1251 text. The part before `extension` (".gx", ".dct"; matched
// whatever the case of its ASCII letters) is cut to 16 characters (not bytes) and the extension
// kept, so a name cut on saving reads back unchanged when the saved file is chosen; a name
// without the extension is cut as a whole.
ChosenName NameInDataFolder(std::string_view path, std::string_view extension);
// Whether `name` ends in `extension`, whatever the case of its ASCII letters.
bool HasExtension(std::string_view name, std::string_view extension);
// The path of the file `name` (Windows-1251) in `folder`.
std::string DataFilePath(const std::string& folder, std::string_view name);
// The path of `name` inside `folder`, or "Invalid filename" (and `path` untouched) when the name
// is not a bare file name.
FileError PathInFolder(const std::string& folder, std::string_view name, std::string& path);
// "Файл <name> уже есть. Переписать?" (Windows-1251), asked with Cancel as the default button.
std::string OverwriteQuestion(std::string_view name);
// "Имя файла длиннее 16 знаков. Сохранить под именем <name>?" (Windows-1251), asked before a file is
// written under a name cut from the one chosen.
std::string ShortenedNameQuestion(std::string_view name);
// The notice for a name refused for the character `lacking` (Windows-1251 text).
std::string NameRefusedMessage(char32_t lacking);

// The dictionary name as gx.dat holds it: one Windows-1251 character per record. Earlier builds
// of this program put the UTF-8 bytes of the name there instead; a stored name whose bytes are
// well-formed UTF-8 beyond ASCII, spelling only characters Windows-1251 holds, is taken as the
// characters it spells. Russian text in Windows-1251 never reads so: its lower-case letters are
// UTF-8 lead bytes that would have to be followed by two or three bytes of 0x80..0xBF.
std::string NameFromSettings(std::string_view stored);
// The same, told apart by the data folder where both readings are possible: a name such as
// «Рё.dct» is also the UTF-8 spelling of «и.dct», so the stored characters stay when a file of
// that name is in `data_folder` and none of the other is.
std::string NameFromSettings(std::string_view stored, const std::string& data_folder);

}  // namespace gx
