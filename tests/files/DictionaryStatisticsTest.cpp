#include "files/DictionaryStatistics.h"

#include <gtest/gtest.h>

#include "PlayTestSupport.h"

namespace gx {
namespace {

using test::W;

DictionaryStore StoreOf(std::initializer_list<std::string> entries) {
  DictionaryStore store;
  int e = 0;
  for (const std::string& entry : entries) store.SetEntry(++e, entry);
  store.DictionaryCount = static_cast<std::uint16_t>(e);
  return store;
}

TEST(DictionaryStatistics, CountsWordsByLengthWithBarsRoundedHalfToEven) {
  DictionaryStore store = StoreOf({W("КОТ А"), W("ДОМ Б"), W("СЛОН В")});
  store.DictionaryName = "common.dct";
  DictionaryStatistics statistics;
  statistics.Recount(store);
  EXPECT_EQ(statistics.Caption, W("Словарь common.dct"));
  EXPECT_EQ(statistics.EntryCountText, "3");
  EXPECT_EQ(statistics.Count(3), 2);
  EXPECT_EQ(statistics.Count(4), 1);
  EXPECT_EQ(statistics.BarWidth(3), 137);
  EXPECT_EQ(statistics.BarWidth(4), 68);  // 68.5 goes to the even 68
  EXPECT_EQ(statistics.BarWidth(5), 0);
  EXPECT_EQ(StatisticsCountText(2), "   2");
  EXPECT_EQ(StatisticsCountText(16384), "16384");
}

TEST(DictionaryStatistics, ExactHalvesRoundToEvenWhateverTheLargestCount) {
  // With 274 three-letter words each of the others is worth exactly half a pixel.
  DictionaryStore store;
  int e = 0;
  for (int i = 0; i < 274; ++i) store.SetEntry(++e, "abc x");
  for (int i = 0; i < 53; ++i) store.SetEntry(++e, "abcd x");   // 26.5
  for (int i = 0; i < 59; ++i) store.SetEntry(++e, "abcde x");  // 29.5
  for (int i = 0; i < 81; ++i) store.SetEntry(++e, "abcdef x"); // 40.5
  for (int i = 0; i < 2; ++i) store.SetEntry(++e, "abcdefg x"); // 1.0
  store.DictionaryCount = static_cast<std::uint16_t>(e);
  DictionaryStatistics statistics;
  statistics.Recount(store);
  EXPECT_EQ(statistics.BarWidth(3), 137);
  EXPECT_EQ(statistics.BarWidth(4), 26);
  EXPECT_EQ(statistics.BarWidth(5), 30);
  EXPECT_EQ(statistics.BarWidth(6), 40);
  EXPECT_EQ(statistics.BarWidth(7), 1);
}

TEST(DictionaryStatistics, EntriesWithoutACounterAreLeftOutButTotalled) {
  const DictionaryStore store =
      StoreOf({"ab x", " leading", "nospace", std::string(24, 'a') + " ok", std::string(25, 'a') + " long",
               std::string(20, 'b') + " shown nowhere", "abc x"});
  DictionaryStatistics statistics;
  statistics.Recount(store);
  EXPECT_EQ(statistics.EntryCountText, "7");
  EXPECT_EQ(statistics.Count(2), 1);
  EXPECT_EQ(statistics.Count(24), 1);
  EXPECT_EQ(statistics.Count(20), 1);
  EXPECT_EQ(statistics.Count(0), 0);
  EXPECT_EQ(statistics.Count(25), 0);
  EXPECT_EQ(statistics.Uncounted(), 3);
  // Only the rows 3..19 set the scale: the one 3-letter word fills the chart.
  EXPECT_EQ(statistics.LargestShown(), 1);
  EXPECT_EQ(statistics.BarWidth(3), 137);
}

TEST(DictionaryStatistics, PaintDrawsEveryRowFrameAndBars) {
  const DictionaryStore store = StoreOf({W("КОТ А"), W("ДОМ Б"), W("СЛОН В")});
  DictionaryStatistics statistics;
  statistics.Recount(store);
  test::MemoryCanvas canvas(238, 344);
  const Color face = Rgb(212, 208, 200);
  PaintDictionaryStatistics(statistics, canvas, face);

  ASSERT_EQ(canvas.texts.size(), 34u);  // length and count for the 17 rows
  EXPECT_EQ(canvas.texts[0].text, "3");
  EXPECT_EQ(canvas.texts[0].y, 56);
  EXPECT_EQ(canvas.texts[1].text, "   2");
  EXPECT_EQ(canvas.texts[1].x, 40);
  EXPECT_EQ(canvas.texts[33].text, "   0");
  EXPECT_EQ(canvas.texts[33].y, 56 + 16 * 16);
  for (const auto& text : canvas.texts) EXPECT_EQ(text.brush, face);

  const Color navy = Rgb(0, 0, 128), blue = Rgb(0, 0, 255);
  EXPECT_EQ(canvas.At(88, 48), navy);    // frame corner
  EXPECT_EQ(canvas.At(224, 328), navy);
  EXPECT_EQ(canvas.At(200, 300), face);  // inside the frame
  // Row 3: 137 pixels, its inside blue up to the frame's edge; row 4: 68 pixels.
  EXPECT_EQ(canvas.At(200, 62), blue);
  EXPECT_EQ(canvas.At(88 + 66, 78), blue);
  EXPECT_EQ(canvas.At(88 + 67, 78), navy);
  EXPECT_EQ(canvas.At(88 + 68, 78), face);
  EXPECT_EQ(canvas.At(100, 94), face);  // row 5 has no bar
}

TEST(DictionaryStatistics, AnEmptyDictionaryShowsZerosWithoutDividing) {
  const DictionaryStore store;
  DictionaryStatistics statistics;
  statistics.Recount(store);
  EXPECT_EQ(statistics.EntryCountText, "0");
  test::MemoryCanvas canvas(238, 344);
  PaintDictionaryStatistics(statistics, canvas, Rgb(1, 2, 3));
  for (int length = 3; length <= 19; ++length) EXPECT_EQ(statistics.BarWidth(length), 0);
  EXPECT_EQ(canvas.At(120, 62), Rgb(1, 2, 3));
}

}  // namespace
}  // namespace gx
