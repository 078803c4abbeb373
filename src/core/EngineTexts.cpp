#include "core/EngineTexts.h"

#include "base/Cp1251.h"
#include "core/BuildLogic.h"

namespace gx::texts {

namespace {
// The source holds the texts in UTF-8; the program keeps them in Windows-1251.
std::string Text(const char* utf8) { return Utf8ToCp1251(utf8); }
}  // namespace

std::string LatticeCaption(int parity) {
  return Text("Решетчатая заготовка ") + Text(parity == 0 ? " нечетная" : " четная");
}

std::string FillAttemptsCaption(unsigned attempts) {
  return Text("Заполнение, ") + std::to_string(attempts) + Text(" поп");
}

std::string BuildingGrid() { return Text("Построение сетки.."); }
std::string NewGridFilling() { return Text("Новая сетка. Заполнение.."); }
std::string Filling() { return Text("Заполнение.."); }
std::string GridOfSlots(unsigned slots) { return Text("Сетка ") + std::to_string(slots) + Text(" слов"); }
std::string TooFewCells() { return Text("Мало ячеек"); }
std::string SlotsTooLong() { return Text("Ячейки более 19 клеток"); }
std::string NewCrossword(unsigned slots) { return Text("Новый кроссворд ") + std::to_string(slots) + Text(" сл"); }
std::string BuildAborted() { return Text("Построение прервано"); }

std::string BuildAborted(const FillShortfall& why) {
  const std::string length = std::to_string(why.length);
  switch (why.cause) {
    case FillShortfall::Cause::NoWordsOfLength: return BuildAborted() + Text(": в словаре нет слов длиной ") + length;
    case FillShortfall::Cause::TooFewWordsOfLength:
      return BuildAborted() + Text(": слов длиной ") + length + Text(" в словаре ") + std::to_string(why.words) +
             Text(", а в сетке ") + std::to_string(why.needed);
    case FillShortfall::Cause::AttemptsUsedUp:
      return BuildAborted() + Text(": исчерпаны все попытки заполнения (") + std::to_string(why.attempts) + ")";
    case FillShortfall::Cause::None:
    case FillShortfall::Cause::Stopped: break;
  }
  return BuildAborted();
}
std::string NoAcceptableGrid(unsigned generations, unsigned min_slots) {
  return BuildAborted() + Text(": подходящей сетки не нашлось (попыток: ") + std::to_string(generations) +
         Text(", минимум слов: ") + std::to_string(min_slots) + ")";
}

std::string FinishGridFirst() { return Text("Следовало бы завершить работу с данной сеткой"); }
std::string BuildNewCrossword() { return Text("Построить новый"); }
std::string KeepGrid() { return Text("Оставить сетку"); }

std::string NoWordsOfPattern(std::string_view number, bool vertical, std::string_view pattern) {
  std::string shown;
  for (char c : pattern) {
    const auto byte = static_cast<unsigned char>(c);
    // Windows-1251 puts а..я 32 places above А..Я.
    shown.push_back(c == NoLetter ? '_' : byte >= 0xE0 ? static_cast<char>(byte - 0x20) : c);
  }
  std::string trimmed(number);
  trimmed.erase(0, trimmed.find_first_not_of(' '));
  return Text("Слово ") + trimmed + Text(vertical ? " по вертикали" : " по горизонтали") + Text(": нет слов вида ") + shown;
}

std::string PlaceYourWords() { return Text("Впишите свои слова и нажмите Shift+F7"); }

std::string OwnWordsWantClues(unsigned words) {
  return Text("Своих слов нет в словаре: ") + std::to_string(words) + Text(". Впишите к ним вопросы в списке");
}

}  // namespace gx::texts
