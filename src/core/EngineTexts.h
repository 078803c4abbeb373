#pragma once
// The window texts of the generators, the fill and the build commands, as Windows-1251 bytes.

#include <string>
#include <string_view>

namespace gx {
struct FillShortfall;
}

namespace gx::texts {

std::string LatticeCaption(int parity);          // "Решетчатая заготовка " + " нечетная" / " четная"
std::string FillAttemptsCaption(unsigned attempts);  // "Заполнение, N поп"
std::string BuildingGrid();                      // "Построение сетки.."
std::string NewGridFilling();                    // "Новая сетка. Заполнение.."
std::string Filling();                           // "Заполнение.."
std::string GridOfSlots(unsigned slots);         // "Сетка N слов"
std::string TooFewCells();                       // "Мало ячеек"
std::string SlotsTooLong();                      // "Ячейки более 19 клеток"
std::string NewCrossword(unsigned slots);        // "Новый кроссворд N сл"
std::string BuildAborted();                      // "Построение прервано"
// "Построение прервано", followed by the reason when the dictionary or the attempts ended the fill:
// ": в словаре нет слов длиной 7", ": слов длиной 3 в словаре 2, а в сетке 12",
// ": исчерпаны все попытки заполнения (64)".
std::string BuildAborted(const FillShortfall& why);
// "Построение прервано: подходящей сетки не нашлось (попыток: N, минимум слов: M)"
std::string NoAcceptableGrid(unsigned generations, unsigned min_slots);
std::string FinishGridFirst();                   // "Следовало бы завершить работу с данной сеткой"
std::string BuildNewCrossword();                 // "Построить новый": its button that builds over the grid
std::string KeepGrid();                          // "Оставить сетку": its button that goes back to the grid
// "Слово 12 по вертикали: нет слов вида К_Т_": the slot's number as the clue list shows it, its
// direction and its placed letters in capitals, "_" where none is placed.
std::string NoWordsOfPattern(std::string_view number, bool vertical, std::string_view pattern);
std::string PlaceYourWords();                    // "Впишите свои слова и нажмите Shift+F7"
// "Своих слов нет в словаре: N. Впишите к ним вопросы в списке"
std::string OwnWordsWantClues(unsigned words);

}  // namespace gx::texts
