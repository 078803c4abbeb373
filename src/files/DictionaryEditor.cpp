#include "files/DictionaryEditor.h"

#include <cstring>
#include <utility>

#include "base/Cp1251.h"
#include "files/DictionaryFile.h"
#include "files/LetterCode.h"

namespace gx {

namespace {

constexpr char kSmallYo = '\xB8';
constexpr char kCapitalYo = '\xA8';
constexpr char kSmallYe = '\xE5';
constexpr char kCapitalYe = '\xC5';

// The words of the delivered dictionary are written with е for ё; the letter code has no ё.
bool ReplaceYo(std::string& text) {
  bool replaced = false;
  for (char& c : text) {
    if (c != kSmallYo && c != kCapitalYo) continue;
    c = c == kSmallYo ? kSmallYe : kCapitalYe;
    replaced = true;
  }
  return replaced;
}

char FirstUncoded(std::string_view text) {
  for (char c : text) {
    if (!HasLetterCode(c)) return c;
  }
  return 0;
}

}  // namespace

DictionaryEditor::DictionaryEditor(DictionaryStore& store, Settings& settings, WindowState& window)
    : store_(store), settings_(settings), window_(window) {}

void DictionaryEditor::Activate() {
  settings_.HelpContext = EditorHelpContext;
  ShowCount();
}

bool DictionaryEditor::SearchFromStart() { return Search(1); }

bool DictionaryEditor::SearchOn() { return Search(CurrentEntry + 1); }

bool DictionaryEditor::Search(int first) {
  const std::string_view key = std::string_view(WordField).substr(0, MaxFieldLength);
  for (int e = first; e <= store_.DictionaryCount; ++e) {
    const std::string_view entry = store_.Entry(e);
    if (EntryWord(entry) != key) continue;
    ClueField = std::string(EditorClue(entry));
    Show(e);
    ShowCount();
    return true;
  }
  ClueField.clear();
  entry_shown_ = false;
  return false;
}

bool DictionaryEditor::EntryShown() const {
  return entry_shown_ && CurrentEntryValid() && store_.Entry(CurrentEntry) == shown_text_;
}

void DictionaryEditor::Show(int e) {
  CurrentEntry = static_cast<std::uint16_t>(e);
  shown_text_ = std::string(store_.Entry(e));
  entry_shown_ = true;
}

bool DictionaryEditor::RefusedUnlessShown() {
  if (EntryShown()) return false;
  // A stale position would change an entry the user never saw.
  StatusLine = Utf8ToCp1251(entry_shown_ ? "Найдите слово снова" : "Слово не найдено");
  return true;
}

bool DictionaryEditor::TakeCodedFields() {
  std::string word = WordField;
  std::string clue = ClueField;
  // Both parts are converted, so neither test may cut the other short.
  const bool word_replaced = ReplaceYo(word);
  const bool clue_replaced = ReplaceYo(clue);
  YoReplaced = word_replaced || clue_replaced;
  Uncoded = FirstUncoded(word);
  if (Uncoded == 0) Uncoded = FirstUncoded(clue);
  if (Uncoded != 0) {
    YoReplaced = false;
    return false;
  }
  WordField = std::move(word);
  ClueField = std::move(clue);
  return true;
}

EditOutcome DictionaryEditor::Add() {
  if (store_.DictionaryCount >= DictionaryStore::Capacity) return EditOutcome::StoreFull;
  if (!TakeCodedFields()) return EditOutcome::Uncoded;
  const int e = store_.DictionaryCount + 1;
  store_.SetEntry(e, ComposedEntry());
  store_.DictionaryCount = static_cast<std::uint16_t>(e);
  Show(e);
  Changed();
  return EditOutcome::Done;
}

EditOutcome DictionaryEditor::Correct() {
  if (RefusedUnlessShown()) return EditOutcome::NothingShown;
  if (!TakeCodedFields()) return EditOutcome::Uncoded;
  store_.SetEntry(CurrentEntry, ComposedEntry());
  Show(CurrentEntry);
  store_.DictionaryModified = true;
  return EditOutcome::Done;
}

EditOutcome DictionaryEditor::Delete() {
  if (RefusedUnlessShown()) return EditOutcome::NothingShown;
  // Records are moved whole, so the entries after the gap keep their texts and their order.
  std::uint8_t* buffer = store_.Buffer();
  const std::size_t record = DictionaryStore::RecordSize;
  const std::size_t at = record * (CurrentEntry - 1U);
  const std::size_t after = record * (static_cast<std::size_t>(store_.DictionaryCount) - CurrentEntry);
  if (after > 0) std::memmove(buffer + at, buffer + at + record, after);
  --store_.DictionaryCount;
  ClueField.clear();
  entry_shown_ = false;  // CurrentEntry now names the entry after the gap, which is not shown
  Changed();
  return EditOutcome::Done;
}

std::string DictionaryEditor::ComposedEntry() const {
  std::string text = WordField + ' ' + ClueField;
  if (text.size() > MaxFieldLength) text.resize(MaxFieldLength);
  return text;  // the store keeps the first 128 characters
}

void DictionaryEditor::Changed() {
  store_.DictionaryModified = true;
  ShowCount();
  window_.DictionaryLineText = DictionaryLine(store_);
}

void DictionaryEditor::ShowCount() { StatusLine = WordCountText(store_.DictionaryCount); }

std::string_view EditorClue(std::string_view entry) {
  const std::size_t space = entry.find(' ');
  return space == std::string_view::npos ? entry : entry.substr(space + 1);
}

std::string WordCountText(int count) { return std::to_string(count) + Utf8ToCp1251(" слов"); }

std::string DictionaryFullMessage() {
  return Utf8ToCp1251("Словарь заполнен: в нём ") + std::to_string(DictionaryStore::Capacity) +
         Utf8ToCp1251(" слов");
}

namespace {

std::string UncodedMessage(char c, const char* utf8_unchanged) {
  const std::string unchanged = Utf8ToCp1251(utf8_unchanged);
  if (c == NoCp1251Char) return Utf8ToCp1251("В тексте есть знак вне кодировки Windows-1251") + unchanged;
  const bool latin = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  return Utf8ToCp1251("Знака «") + c + Utf8ToCp1251("»") + Utf8ToCp1251(latin ? " (латинская буква)" : "") +
         Utf8ToCp1251(" нет в коде словаря") + unchanged;
}

}  // namespace

std::string UncodedCharacterMessage(char c) { return UncodedMessage(c, ": словарь не изменён"); }

std::string UncodedClueMessage(char c) { return UncodedMessage(c, ": вопрос не изменён"); }

char CodeText(std::string& text, bool& yo_replaced) {
  std::string coded = text;
  yo_replaced = ReplaceYo(coded);
  const char uncoded = FirstUncoded(coded);
  if (uncoded != 0) {
    yo_replaced = false;
    return uncoded;
  }
  text = std::move(coded);
  return 0;
}

std::string YoReplacedMessage() { return Utf8ToCp1251("Буква ё записана как е"); }

}  // namespace gx
