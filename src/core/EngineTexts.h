#pragma once
// The window texts of the generators, the fill and the build commands, as Windows-1251 bytes.

#include <string>

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
std::string FinishGridFirst();                   // "Следовало бы завершить работу с данной сеткой"

}  // namespace gx::texts
