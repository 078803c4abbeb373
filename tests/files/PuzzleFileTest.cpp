#include <gtest/gtest.h>

#include "TestBytes.h"
#include "TestFolder.h"
#include "files/FileNames.h"
#include "files/LetterCode.h"
#include "files/PuzzleFile.h"

namespace gx::test {
namespace {

std::string Record(int x, int y, int length, int vertical, int number, const std::string& text) {
  std::string bytes = Bytes({x, y, length, vertical, number});
  EncodeText(text, bytes);
  return bytes;
}

// A small finished crossword: КОТ across at (1,1), ТОК down from its last letter, ОКО across.
void MakeCrossword(Puzzle& p) {
  p.ResetBoard();
  struct Slot { int x, y, length, vertical, number; const char* answer; const char* clue; };
  const Slot slots[] = {{1, 1, 3, 0, 1, "КОТ", " Домашнее животное"},
                        {3, 3, 3, 0, 3, "ОКО", " Глаз"},
                        {3, 1, 3, 1, 2, "ТОК", " Электрический, 220 В"}};
  int k = 0;
  for (const Slot& s : slots) {
    ++k;
    p.SlotX[k] = static_cast<std::uint8_t>(s.x);
    p.SlotY[k] = static_cast<std::uint8_t>(s.y);
    p.SlotLength[k] = static_cast<std::uint8_t>(s.length);
    p.SlotVertical[k] = static_cast<std::uint8_t>(s.vertical);
    p.SlotAnswer[k] = W(s.answer);
    p.Clues.SetCell(0, k - 1, FormatClueNumber(s.number));
    p.Clues.SetCell(1, k - 1, W(s.clue));
  }
  p.SlotCount = 3;
}

PuzzleLoadResult LoadBytes(const TestFolder& folder, const std::string& bytes, Puzzle& p) {
  folder.Write("p.gx", bytes);
  return LoadPuzzleFile(p, folder.Path("p.gx"));
}

TEST(PuzzleFileRoundTrip, SavedPuzzleLoadsBackTheSame) {
  TestFolder folder;
  Puzzle original;
  MakeCrossword(original);
  ASSERT_FALSE(SavePuzzleFile(original, folder.Path("1.gx")));
  EXPECT_EQ(folder.Read("1.gx").substr(0, 6), Bytes({1, 1, 3, 0, 1, 42}));  // К = 42

  Puzzle loaded;
  PuzzleLoadResult result = LoadPuzzleFile(loaded, folder.Path("1.gx"));
  ASSERT_EQ(result.status, PuzzleLoadResult::Status::Loaded);
  EXPECT_TRUE(result.notices.empty());
  ASSERT_EQ(loaded.SlotCount, 3);
  EXPECT_EQ(loaded.AcrossCount, 2);
  EXPECT_EQ(loaded.Clues.RowCount(), 3);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(loaded.SlotX[k], original.SlotX[k]);
    EXPECT_EQ(loaded.SlotY[k], original.SlotY[k]);
    EXPECT_EQ(loaded.SlotLength[k], original.SlotLength[k]);
    EXPECT_EQ(loaded.SlotVertical[k], original.SlotVertical[k]);
    EXPECT_EQ(loaded.SlotAnswer[k], original.SlotAnswer[k]);
    EXPECT_TRUE(loaded.SlotEntry[k].empty());
    EXPECT_EQ(loaded.Clues.Number(k - 1), original.Clues.Number(k - 1));
    EXPECT_EQ(loaded.Clues.Clue(k - 1), original.Clues.Clue(k - 1));
  }
  EXPECT_EQ(loaded.Letter(1, 1), W("К")[0]);
  EXPECT_EQ(loaded.Letter(3, 1), W("Т")[0]);
  EXPECT_EQ(loaded.Letter(3, 2), W("О")[0]);
  EXPECT_EQ(loaded.Letter(5, 3), W("О")[0]);
  EXPECT_EQ(loaded.Mask(4, 3), GridCell);
  EXPECT_EQ(loaded.Mask(2, 2), Background);
  EXPECT_EQ(loaded.Letter(2, 2), NoLetter);
  EXPECT_EQ(SerializePuzzle(loaded), SerializePuzzle(original));
}

TEST(PuzzleFileRoundTrip, EmptyPuzzleIsAnEmptyFile) {
  TestFolder folder;
  Puzzle empty;
  ASSERT_FALSE(SavePuzzleFile(empty, folder.Path("0.gx")));
  EXPECT_EQ(folder.Read("0.gx"), "");
  Puzzle loaded;
  MakeCrossword(loaded);
  ASSERT_EQ(LoadPuzzleFile(loaded, folder.Path("0.gx")).status, PuzzleLoadResult::Status::Loaded);
  EXPECT_EQ(loaded.SlotCount, 0);
  EXPECT_EQ(loaded.Clues.RowCount(), 1);
  EXPECT_EQ(loaded.Mask(1, 1), Background);  // the old board is gone
  EXPECT_EQ(PuzzleCaption("0.gx", loaded.SlotCount), W("Кроссворд из файла 0.gx 0 сл"));
}

TEST(PuzzleFileRoundTrip, WriterTakesNumberFromClueListAndCutsTextTo255) {
  Puzzle p;
  MakeCrossword(p);
  p.Clues.SetCell(0, 0, "300");       // only the low 8 bits are written
  p.Clues.SetCell(0, 1, "  x");       // no digit: 0
  p.SlotVertical[3] = 7;              // any non-zero direction is written as 1
  p.Clues.SetCell(1, 2, " " + std::string(300, W("я")[0]));
  std::string bytes = SerializePuzzle(p);
  PuzzleFileContent content = ParsePuzzleFile(bytes);
  ASSERT_EQ(content.records.size(), 3u);
  EXPECT_EQ(content.records[0].number, 300 % 256);
  EXPECT_EQ(content.records[1].number, 0);
  EXPECT_EQ(content.records[2].vertical, 1);
  EXPECT_EQ(content.records[2].text.size(), 255u);
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[bytes.size() - 1]), EndOfText);
}

TEST(PuzzleFileRoundTrip, AnswersWhoseCluesWereEmptiedStayAnswers) {
  // An unfinished fill empties the clue column but leaves the answers it placed.
  TestFolder folder;
  Puzzle original;
  MakeCrossword(original);
  original.Clues.SetCell(1, 0, "");
  original.SlotAnswer[2].Clear();
  original.Clues.SetCell(1, 1, "");
  ASSERT_FALSE(SavePuzzleFile(original, folder.Path("1.gx")));
  Puzzle loaded;
  ASSERT_EQ(LoadPuzzleFile(loaded, folder.Path("1.gx")).status, PuzzleLoadResult::Status::Loaded);
  EXPECT_EQ(loaded.SlotAnswer[1], W("КОТ"));
  EXPECT_EQ(loaded.Clues.Clue(0), " ");
  EXPECT_EQ(loaded.Letter(1, 1), W("К")[0]);
  EXPECT_TRUE(loaded.SlotAnswer[2].empty());
  EXPECT_EQ(loaded.Clues.Clue(1), " ");
  EXPECT_EQ(loaded.SlotAnswer[3], W("ТОК"));
  EXPECT_EQ(loaded.Clues.Clue(2), original.Clues.Clue(2));
}

TEST(PuzzleFileReading, AnswerAndClueSplitAtTheFirstSpace) {
  TestFolder folder;
  Puzzle p;
  std::string bytes = Record(0, 0, 3, 0, 1, W("ЛЕС Густой лес")) + Record(0, 2, 3, 0, 2, W("Безответа")) +
                      Record(0, 0, 3, 7, 1, W("ЛОБ Часть лица"));
  ASSERT_EQ(LoadBytes(folder, bytes, p).status, PuzzleLoadResult::Status::Loaded);
  ASSERT_EQ(p.SlotCount, 3);
  EXPECT_EQ(p.SlotAnswer[1], W("ЛЕС"));
  EXPECT_EQ(p.Clues.Clue(0), W(" Густой лес"));
  EXPECT_EQ(p.SlotAnswer[2], "");
  EXPECT_EQ(p.Clues.Clue(1), W(" Безответа"));
  EXPECT_EQ(p.SlotVertical[3], 1);
  EXPECT_EQ(p.Clues.Number(2), "  1");
  EXPECT_EQ(p.AcrossCount, 2);
}

TEST(PuzzleFileReading, AllAcrossGivesAcrossCountOfAll) {
  TestFolder folder;
  Puzzle p;
  ASSERT_EQ(LoadBytes(folder, Record(0, 0, 3, 0, 1, W("АБВ а")) + Record(0, 2, 3, 0, 2, W("ГДЕ б")), p).status,
            PuzzleLoadResult::Status::Loaded);
  EXPECT_EQ(p.AcrossCount, 2);
}

TEST(PuzzleFileReading, IncompleteLastRecordIsDropped) {
  TestFolder folder;
  Puzzle p;
  std::string bytes = Record(0, 0, 3, 0, 1, W("АБВ а")) + Record(0, 2, 3, 0, 2, W("ГДЕ б"));
  bytes.pop_back();
  ASSERT_EQ(LoadBytes(folder, bytes, p).status, PuzzleLoadResult::Status::Loaded);
  EXPECT_EQ(p.SlotCount, 1);
  EXPECT_EQ(p.Clues.RowCount(), 1);
}

TEST(PuzzleFileReading, RecordCutInsideItsHeaderFailsAndLeavesThePuzzle) {
  TestFolder folder;
  Puzzle p;
  MakeCrossword(p);
  PuzzleLoadResult result = LoadBytes(folder, Record(0, 0, 3, 0, 1, W("АБВ а")) + Bytes({1, 2, 3}), p);
  EXPECT_EQ(result.status, PuzzleLoadResult::Status::Failed);
  EXPECT_EQ(result.error.Text(), "Read beyond end of file");
  EXPECT_EQ(p.SlotCount, 3);
  EXPECT_EQ(p.SlotAnswer[1], W("КОТ"));
}

TEST(PuzzleFileReading, MissingFileTouchesNothing) {
  TestFolder folder;
  Puzzle p;
  MakeCrossword(p);
  PuzzleLoadResult result = LoadPuzzleFile(p, folder.Path("5.gx"));
  EXPECT_EQ(result.status, PuzzleLoadResult::Status::Missing);
  EXPECT_EQ(p.SlotCount, 3);
  EXPECT_EQ(MissingPuzzleMessage("0.gx"), W("Нет файла 0.gx"));
}

TEST(PuzzleFileBadInput, MoreThan255RecordsLoadsTheFirst255) {
  TestFolder folder;
  std::string bytes;
  for (int r = 0; r < 300; ++r) bytes += Record(r % 60, r % 61, 3, 0, r % 256, W("ДОМ Жилище"));
  Puzzle p;
  PuzzleLoadResult result = LoadBytes(folder, bytes, p);
  ASSERT_EQ(result.status, PuzzleLoadResult::Status::Loaded);
  EXPECT_EQ(p.SlotCount, 255);
  EXPECT_EQ(p.Clues.RowCount(), 255);
  ASSERT_EQ(result.notices.size(), 1u);
  EXPECT_NE(result.notices[0].find("255"), std::string::npos);
  EXPECT_TRUE(p.SlotAnswer[256].empty());
  // Reading stops at the full table: a broken tail after the extra records changes nothing.
  PuzzleLoadResult again = LoadBytes(folder, bytes + Bytes({1, 2}), p);
  EXPECT_EQ(again.status, PuzzleLoadResult::Status::Loaded);
  EXPECT_EQ(p.SlotCount, 255);
}

TEST(PuzzleFileBadInput, ExactlyFullTableLoadsWithoutNotice) {
  TestFolder folder;
  std::string bytes;
  for (int r = 0; r < 255; ++r) bytes += Record(0, r % 63, 3, 0, r % 256, W("ДОМ Жилище"));
  Puzzle p;
  PuzzleLoadResult result = LoadBytes(folder, bytes, p);
  EXPECT_EQ(p.SlotCount, 255);
  EXPECT_TRUE(result.notices.empty());
  EXPECT_EQ(LoadBytes(folder, bytes + Bytes({1}), p).error.Text(), "Read beyond end of file");
}

TEST(PuzzleFileBadInput, RecordsOffTheBoardAreLeftOut) {
  TestFolder folder;
  std::string bytes = Record(61, 0, 3, 0, 1, W("ДОМ а")) +   // would reach column 63
                      Record(60, 0, 3, 0, 2, W("КОТ б")) +   // ends at column 62
                      Record(0, 255, 3, 1, 3, W("ЛЕС в")) +
                      Record(10, 60, 5, 1, 4, W("НОСОК г"));
  Puzzle p;
  PuzzleLoadResult result = LoadBytes(folder, bytes, p);
  ASSERT_EQ(result.status, PuzzleLoadResult::Status::Loaded);
  ASSERT_EQ(p.SlotCount, 1);
  EXPECT_EQ(p.SlotAnswer[1], W("КОТ"));
  EXPECT_EQ(p.Clues.Number(0), "  2");
  EXPECT_EQ(p.Letter(62, 0), W("Т")[0]);
  ASSERT_EQ(result.notices.size(), 1u);  // one notice for all of them, not one box per record
  EXPECT_EQ(result.notices[0].back(), '3');
}

TEST(PuzzleFileBadInput, ShortAnswerLeavesCellsWithoutLetters) {
  TestFolder folder;
  Puzzle p;
  PuzzleLoadResult result = LoadBytes(folder, Record(2, 2, 5, 0, 1, W("ОК да")), p);
  ASSERT_EQ(result.status, PuzzleLoadResult::Status::Loaded);
  EXPECT_EQ(result.notices.size(), 1u);
  EXPECT_EQ(p.Letter(3, 2), W("К")[0]);
  EXPECT_EQ(p.Letter(4, 2), NoLetter);
  EXPECT_EQ(p.Mask(6, 2), GridCell);
  EXPECT_EQ(p.Mask(7, 2), Background);
}

TEST(PuzzleFileBadInput, LongAnswerIsCutTo24AndFillsOnlyItsSlot) {
  TestFolder folder;
  Puzzle p;
  std::string answer(30, W("ж")[0]);
  ASSERT_EQ(LoadBytes(folder, Record(0, 0, 3, 1, 1, answer + " x"), p).status, PuzzleLoadResult::Status::Loaded);
  EXPECT_EQ(p.SlotAnswer[1].size(), 24u);
  EXPECT_EQ(p.Letter(0, 2), W("ж")[0]);
  EXPECT_EQ(p.Letter(0, 3), NoLetter);
}

TEST(PuzzleFolder, HighestNumberAmongPuzzleNames) {
  TestFolder folder;
  EXPECT_EQ(HighestPuzzleNumber(folder.Dir()), 0);
  EXPECT_EQ(HighestPuzzleNumber(folder.Path("no-such-folder")), 0);
  for (const char* name : {"3.gx", "12.gx", "notes.gx", "99.txt", "40000.gx", "5.tar.gx"}) folder.Write(name, "");
  EXPECT_EQ(HighestPuzzleNumber(folder.Dir()), 12);
  folder.Write("17.GX", "");
  EXPECT_EQ(HighestPuzzleNumber(folder.Dir()), 17);
}

TEST(PuzzleFolder, NameInDataFolder) {
  const auto name = [](std::string_view path) {
    const ChosenName chosen = NameInDataFolder(path, ".gx");
    EXPECT_FALSE(chosen.Refused()) << path;
    return chosen.name;
  };
  EXPECT_EQ(name("C:\\Games\\data\\12.gx"), "12.gx");
  EXPECT_EQ(name("C:\\Games\\data\\my.puzzle"), "my.puzzle");
  EXPECT_EQ(name("C:\\GAMES\\DATA\\A.GX"), "A.GX");
  EXPECT_EQ(name("/home/u/gridlex/data/7.gx"), "7.gx");
  EXPECT_EQ(name("/home/u/data/abcdefghijklmnopqrst"), "abcdefghijklmnop");
  EXPECT_EQ(name("/home/u/elsewhere/x.gx"), "x.gx");
  EXPECT_EQ(name("/srv/database/x.gx"), "x.gx");
  EXPECT_EQ(name("/srv/data/sub/x.gx"), "x.gx");
  EXPECT_EQ(name("plain.gx"), "plain.gx");
  // Paths come in UTF-8; names are Windows-1251 text cut to 16 characters, whatever their bytes.
  EXPECT_EQ(name("/home/u/data/Зима.gx"), W("Зима.gx"));
  EXPECT_EQ(name("/home/u/data/Зимний кроссворд номер один"), W("Зимний кроссворд"));
  EXPECT_EQ(name("/home/Домашние/data/Ёлка «№1»"), W("Ёлка «№1»"));
  EXPECT_EQ(DataFilePath("/home/u/data", W("Зима.gx")), "/home/u/data/Зима.gx");
  // The cut keeps the extension: a name cut on saving is the name of the file chosen to load.
  EXPECT_EQ(name("/home/u/data/Зимний кроссворд номер один.gx"), W("Зимний кроссворд.gx"));
  EXPECT_EQ(name("/home/u/data/Зимний кроссворд.gx"), W("Зимний кроссворд.gx"));
  EXPECT_EQ(name("/home/u/data/abcdefghijklmnopq.GX"), "abcdefghijklmnop.GX");
  EXPECT_EQ(name("/home/u/data/abcdefghijklmn.gx"), "abcdefghijklmn.gx");
  EXPECT_EQ(NameInDataFolder("/d/data/Очень длинный словарь.dct", ".dct").name, W("Очень длинный сл.dct"));
  EXPECT_TRUE(NameInDataFolder("/d/data/abcdefghijklmnopq.gx", ".gx").shortened);
  EXPECT_FALSE(NameInDataFolder("/d/data/abcdefghijklmnop.gx", ".gx").shortened);
  EXPECT_TRUE(HasExtension(W("Зима.Gx"), ".gx"));
  EXPECT_FALSE(HasExtension(W("a.gx.txt"), ".gx"));
  // A character Windows-1251 lacks, or a file name that is not UTF-8, refuses the name.
  EXPECT_EQ(NameInDataFolder("/home/u/data/雪.gx", ".gx").lacking, U'雪');
  EXPECT_EQ(NameInDataFolder("/home/u/data/\xD1.gx", ".gx").lacking, U'\uFFFD');
  EXPECT_EQ(NameInDataFolder("/home/雪/data/a.gx", ".gx").name, "a.gx");  // the folder is not part of the name
}

TEST(PuzzleFolder, DictionaryNameFromSettings) {
  EXPECT_EQ(NameFromSettings("ru.dct"), "ru.dct");
  EXPECT_EQ(NameFromSettings(W("Зимние.dct")), W("Зимние.dct"));
  EXPECT_EQ(NameFromSettings(W("ЁЖИК.dct")), W("ЁЖИК.dct"));
  // Earlier builds stored the UTF-8 bytes: read as the name they spell, so the file is found again.
  EXPECT_EQ(NameFromSettings("Зимние.dct"), W("Зимние.dct"));
  EXPECT_EQ(NameFromSettings("日.dct"), "日.dct");  // no Windows-1251 spelling: left as stored
}

}  // namespace
}  // namespace gx::test
