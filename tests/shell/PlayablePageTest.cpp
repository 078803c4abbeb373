// The page to solve in a browser: what it shows, what it hides, what it refuses, and the window's
// command that writes it.

#include <gtest/gtest.h>

#include "TestBytes.h"
#include "TestFolder.h"
#include "PlayTestSupport.h"
#include "base/Cp1251.h"
#include "output/PlayablePage.h"

namespace gx::test {
namespace {

std::size_t Count(const std::string& text, const std::string& piece) {
  std::size_t count = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++count;
  return count;
}

// "кот" across and "кит" down from one corner, both numbered 1, and "ток" across lower down.
void SmallCrossword(PlayBench& b, std::string_view first_clue = "Зверь <b>&\"'") {
  b.AddSlot(0, 0, 3, false, Utf8ToCp1251("кот"), " " + Utf8ToCp1251(first_clue));
  b.AddSlot(0, 2, 3, false, Utf8ToCp1251("ток"), Utf8ToCp1251(" Течение"));
  b.AddSlot(0, 0, 3, true, Utf8ToCp1251("кит"), Utf8ToCp1251(" Морской зверь"));
  b.state.puzzle.Clues.SetCell(0, 2, FormatClueNumber(1));
  b.state.puzzle.Clues.SetCell(0, 1, FormatClueNumber(2));
}

TEST(PlayablePage, ListsEveryClueEscapedHidesTheAnswersAndFetchesNothing) {
  PlayBench b;
  SmallCrossword(b);
  const PlayablePage page = WritePlayablePage(b.state.puzzle, "Мой </title><script>");
  ASSERT_TRUE(page.faults.empty()) << page.faults.front();
  const std::string& html = page.html;
  EXPECT_EQ(Count(html, "<li data-slot="), 3u);
  const std::size_t down = html.find("По вертикали");
  ASSERT_NE(down, std::string::npos);
  EXPECT_LT(html.find("<li data-slot=\"1\"><button type=\"button\"><b>2.</b> Течение"), down);
  EXPECT_GT(html.find("<li data-slot=\"2\"><button type=\"button\"><b>1.</b> Морской зверь"), down);
  EXPECT_NE(html.find("<b>1.</b> Зверь &lt;b&gt;&amp;&quot;&#39;"), std::string::npos);
  EXPECT_NE(html.find("<title>Мой &lt;/title&gt;&lt;script&gt;</title>"), std::string::npos);
  for (const char* answer : {"кот", "ток", "кит", "КОТ", "ТОК", "КИТ"}) EXPECT_EQ(html.find(answer), std::string::npos) << answer;
  // The keys are the window's: Latin keys, capitals and the letters themselves; ё is no letter.
  for (const char* pair : {"\"f\":\"а\"", "\"F\":\"а\"", "\",\":\"б\"", "\"\\\"\":\"э\"", "\"Я\":\"я\"", "\"к\":\"к\""}) {
    EXPECT_NE(html.find(pair), std::string::npos) << pair;
  }
  EXPECT_EQ(html.find("\"ё\""), std::string::npos);
  // Nothing outside the page is named, and the page forbids itself the network.
  EXPECT_EQ(html.find("://"), std::string::npos);
  EXPECT_EQ(html.find(" src="), std::string::npos);
  EXPECT_NE(html.find("default-src 'none'"), std::string::npos);
}

TEST(PlayablePage, ProgressIsKeyedByTheContentNotTheName) {
  PlayBench b;
  SmallCrossword(b);
  const std::string id = PlayableContentId(b.state.puzzle);
  EXPECT_NE(WritePlayablePage(b.state.puzzle, "один").html.find(id), std::string::npos);
  EXPECT_NE(WritePlayablePage(b.state.puzzle, "другой").html.find(id), std::string::npos);
  b.state.puzzle.Clues.SetCell(1, 1, Utf8ToCp1251(" Ход"));
  const std::string reclued = PlayableContentId(b.state.puzzle);
  EXPECT_NE(reclued, id);
  b.state.puzzle.SlotAnswer[2] = Utf8ToCp1251("кут");
  EXPECT_NE(PlayableContentId(b.state.puzzle), reclued);
}

TEST(PlayablePage, PuzzlesThatCannotBeSolvedOnAPageAreRefused) {
  PlayBench empty;
  EXPECT_FALSE(WritePlayablePage(empty.state.puzzle, "").faults.empty());

  PlayBench disagreeing;
  SmallCrossword(disagreeing);
  disagreeing.state.puzzle.SlotAnswer[3] = Utf8ToCp1251("шит");
  PlayablePage page = WritePlayablePage(disagreeing.state.puzzle, "");
  EXPECT_TRUE(page.html.empty());
  ASSERT_EQ(page.faults.size(), 1u);
  EXPECT_EQ(page.faults[0], "row 1, column 1: crossing answers disagree (\"к\" and \"ш\")");

  PlayBench untypeable;
  SmallCrossword(untypeable);
  untypeable.state.puzzle.SlotAnswer[2] = Utf8ToCp1251("тёк");
  page = WritePlayablePage(untypeable.state.puzzle, "");
  EXPECT_TRUE(page.html.empty());
  ASSERT_EQ(page.faults.size(), 1u);
  EXPECT_EQ(page.faults[0], "row 3, column 2: the letter \"ё\" cannot be typed");
}

TEST(PlayablePageCommand, F11AsksForTheFileWritesItAndOpensItReplacingOnlyWhenConfirmed) {
  TestFolder folder;
  PlayBench b;
  b.commands.KeyDown(Key::F11);
  EXPECT_EQ(b.host.informations, (std::vector<std::string>{Utf8ToCp1251("Кроссворд не готов")}));
  EXPECT_TRUE(b.host.dialogs.empty());

  SmallCrossword(b);
  b.host.dialog_answers = {folder.Path("mine")};
  b.commands.KeyDown(Key::F11);
  ASSERT_EQ(b.host.dialogs.size(), 1u);
  EXPECT_EQ(b.host.dialogs[0].proposed_name, "crossword.html");
  EXPECT_EQ(b.host.dialogs[0].folder, b.state.settings.ProgramDir.PicFolder());
  EXPECT_EQ(b.host.documents, (std::vector<std::string>{folder.Path("mine.html")}));
  const std::string written = folder.Read("mine.html");
  EXPECT_EQ(written, WritePlayablePage(b.state.puzzle, Cp1251ToUtf8(b.state.PuzzleTitle)).html);

  // The same name again: Cancel on the question asks for another name; Cancel there keeps the file.
  folder.Write("mine.html", "kept");
  b.state.PuzzleFileName = "7.gx";
  b.host.dialog_answers = {folder.Path("mine.html"), std::nullopt};
  b.host.confirm_answers = {false};
  b.commands.ButtonClick(Button::PlayablePage);
  ASSERT_EQ(b.host.dialogs.size(), 3u);
  EXPECT_EQ(b.host.dialogs[1].proposed_name, "7.html");
  EXPECT_EQ(b.host.confirmations, (std::vector<std::string>{Utf8ToCp1251("Файл mine.html уже есть. Переписать?")}));
  EXPECT_EQ(b.host.confirm_presets, (std::vector<DefaultButton>{DefaultButton::Cancel}));
  EXPECT_EQ(folder.Read("mine.html"), "kept");
  b.host.dialog_answers = {folder.Path("mine.html")};
  b.host.confirm_answers = {true};
  b.commands.ButtonClick(Button::PlayablePage);
  EXPECT_EQ(folder.Read("mine.html"), written);
}

}  // namespace
}  // namespace gx::test
