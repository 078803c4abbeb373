#include "files/DictionaryEditor.h"

#include <cstring>

#include "files/Cp1251.h"
#include "files/DictionaryFile.h"

namespace gx {

DictionaryEditor::DictionaryEditor(DictionaryStore& store, Settings& settings, WindowState& window)
    : store_(store), settings_(settings), window_(window) {}

void DictionaryEditor::Activate() {
  settings_.HelpContext = EditorHelpContext;
  ShowCount();
}

bool DictionaryEditor::SearchFromStart() { return Search(1); }

bool DictionaryEditor::SearchOn() { return Search(CurrentEntry + 1); }

bool DictionaryEditor::Search(int first) {
  const std::string_view key = std::string_view(Edit1Text).substr(0, MaxFieldLength);
  for (int e = first; e <= store_.DictionaryCount; ++e) {
    const std::string_view entry = store_.Entry(e);
    if (EntryWord(entry) != key) continue;
    Edit2Text = std::string(EditorClue(entry));
    CurrentEntry = static_cast<std::uint16_t>(e);
    return true;
  }
  Edit2Text.clear();
  return false;
}

bool DictionaryEditor::Add() {
  if (store_.DictionaryCount >= DictionaryStore::Capacity) return false;
  const int e = store_.DictionaryCount + 1;
  store_.SetEntry(e, ComposedEntry());
  store_.DictionaryCount = static_cast<std::uint16_t>(e);
  CurrentEntry = static_cast<std::uint16_t>(e);
  Changed();
  return true;
}

bool DictionaryEditor::Correct() {
  if (!CurrentEntryValid()) return false;
  store_.SetEntry(CurrentEntry, ComposedEntry());
  store_.DictionaryModified = 1;
  return true;
}

bool DictionaryEditor::Delete() {
  if (!CurrentEntryValid()) return false;
  // Records are moved whole, so the entries after the gap keep their texts and their order.
  std::uint8_t* buffer = store_.Buffer();
  const std::size_t record = DictionaryStore::RecordSize;
  const std::size_t at = record * (CurrentEntry - 1U);
  const std::size_t after = record * (static_cast<std::size_t>(store_.DictionaryCount) - CurrentEntry);
  if (after > 0) std::memmove(buffer + at, buffer + at + record, after);
  --store_.DictionaryCount;
  Edit2Text.clear();
  Changed();
  return true;
}

std::string DictionaryEditor::ComposedEntry() const {
  std::string text = Edit1Text + ' ' + Edit2Text;
  if (text.size() > MaxFieldLength) text.resize(MaxFieldLength);
  return text;  // the store keeps the first 128 characters
}

void DictionaryEditor::Changed() {
  store_.DictionaryModified = 1;
  ShowCount();
  window_.Label6Text = DictionaryLine(store_);
}

void DictionaryEditor::ShowCount() { Label1Text = WordCountText(store_.DictionaryCount); }

std::string_view EditorClue(std::string_view entry) {
  const std::size_t space = entry.find(' ');
  return space == std::string_view::npos ? entry : entry.substr(space + 1);
}

std::string WordCountText(int count) { return std::to_string(count) + Utf8ToCp1251(" слов"); }

std::string DictionaryFullMessage() {
  return Utf8ToCp1251("Словарь заполнен: в нём ") + std::to_string(DictionaryStore::Capacity) +
         Utf8ToCp1251(" слов");
}

}  // namespace gx
