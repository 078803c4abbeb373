#include "board/WordMedia.h"

#include <gtest/gtest.h>

#include "TestBytes.h"
#include "TestFolder.h"
#include "PlayTestSupport.h"
#include "files/AdvertList.h"
#include "shell/Help.h"

namespace gx {
namespace {

using test::PlayBench;
using test::W;

// A list line: the name padded to 12 columns, then the keywords.
std::string Line(std::string_view name, std::string_view keywords) {
  std::string line(name);
  line.resize(12, ' ');
  return line + std::string(keywords);
}

AdvertList List(std::initializer_list<std::pair<const char*, const char*>> entries) {
  std::string text = "{ comment line\r\n";
  for (auto [name, keywords] : entries) text += Line(name, W(keywords)) + "\r\n";
  return ParseAdvertList(text);
}

TEST(AdvertListFile, ReadsFixedColumnsAndSkipsComments) {
  const std::string text = "{ header\r\n" + Line("pic1.jpg", W("дом!кошка!")) + "\r\n{ more\r\nshort\r\n" +
                           Line("long.jpg", std::string(100, 'k')) + "\n";
  const AdvertList list = ParseAdvertList(text);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Entry(1).FileName.view(), "pic1.jpg    ");
  EXPECT_EQ(list.Entry(1).Name(), "pic1.jpg");
  EXPECT_EQ(list.Entry(1).Keywords.view(), W("дом!кошка!"));
  EXPECT_EQ(list.Entry(2).FileName.view(), "short");
  EXPECT_TRUE(list.Entry(2).Keywords.empty());
  EXPECT_EQ(list.Entry(3).Keywords.view(), std::string(64, 'k'));
}

TEST(AdvertListFile, KeepsAtMost128EntriesAndSkipsEmptyLines) {
  std::string text = "\r\n";
  for (int i = 0; i < 140; ++i) text += Line("p" + std::to_string(i) + ".jpg", "a!") + "\r\n";
  const AdvertList list = ParseAdvertList(text);
  EXPECT_EQ(list.Count(), 128);
  EXPECT_EQ(list.Entry(1).Name(), "p0.jpg");
  EXPECT_EQ(list.Entry(128).Name(), "p127.jpg");
}

TEST(AdvertListFile, AMissingFileIsReportedAndGivesAnEmptyList) {
  test::TestFolder folder;
  test::ScriptedHost host;
  EXPECT_EQ(LoadAdvertList(folder.Dir(), host).Count(), 0);
  EXPECT_EQ(host.errors, std::vector<std::string>{"File not found"});

  std::filesystem::create_directories(folder.Path("rek"));
  folder.Write("rek/rek.dat", Line("a.jpg", "x!") + "\r\n");
  EXPECT_EQ(LoadAdvertList(folder.Dir(), host).Count(), 1);
}

TEST(KeywordMatching, AKeywordMatchesTheBeginningOfAWordOfTheClue) {
  const AdvertList list = List({{"pic1.jpg", "кот!пёс!"}});
  EXPECT_EQ(MatchAdvert(list, W("мурка Ласковый котёнок")), 1);
  EXPECT_EQ(MatchAdvert(list, W("мурка Маленький скот")), 0);
  // The answer has no blank before it.
  EXPECT_EQ(MatchAdvert(list, W("кот Домашний зверь")), 0);
}

TEST(KeywordMatching, ListsWithoutMarksMatchEverythingAndShortRestsAreNeverTried) {
  EXPECT_EQ(MatchAdvert(List({{"a.jpg", ""}}), W("лес Густой лес")), 1);
  EXPECT_EQ(MatchAdvert(List({{"a.jpg", "кот"}}), W("лес Густой лес")), 1);
  EXPECT_EQ(MatchAdvert(List({{"a.jpg", "кот!лес"}}), W("лес Густой лес")), 0);
  EXPECT_EQ(MatchAdvert(List({{"a.jpg", "кот!лесок"}}), W("лес Густой лесок")), 1);  // a rest of 4 is a key
  EXPECT_EQ(MatchAdvert(List({{"a.jpg", "кот!густ!"}}), W("лес Густой лес")), 0);   // bytes, case and all
  EXPECT_EQ(MatchAdvert(List({{"a.jpg", "кот!"}, {"b.jpg", "лес!"}}), W("лес Густой лес")), 2);
}

struct Media : ::testing::Test {
  Media() {
    b.AddSlot(1, 1, 3, false, W("кот"), W(" Ласковый котёнок"));
    b.AddSlot(1, 3, 3, false, W("лес"), W(" Густой бор"));
    b.state.puzzle.AcrossCount = 2;
  }
  void Select(int row) {
    b.state.puzzle.Clues.SetCurrentRow(row);
    media().ShowWordMedia();
  }
  WordMedia& media() {
    if (!media_) media_.emplace(b.state.puzzle, b.state.settings, b.state.window, b.state.adverts, b.host);
    return *media_;
  }
  PlayBench b;
  std::optional<WordMedia> media_;
};

TEST_F(Media, TwoMatchingPicturesAreShownInTurn) {
  b.state.adverts = List({{"one.jpg", "кот!"}, {"two.jpg", "котён!"}});
  Select(0);
  Select(0);
  Select(0);
  ASSERT_EQ(b.host.pictures.size(), 3u);
  EXPECT_EQ(b.host.pictures[0].second, "/prog/rek/one.jpg");
  EXPECT_EQ(b.host.pictures[1].second, "/prog/rek/two.jpg");
  EXPECT_EQ(b.host.pictures[2].second, "/prog/rek/one.jpg");
  EXPECT_TRUE(b.state.window.AdvertVisible);
  EXPECT_EQ(b.state.window.ClueListFocusRequests, 3);

  Select(1);  // no match hides the window
  EXPECT_FALSE(b.state.window.AdvertVisible);
}

TEST_F(Media, APictureThatCannotBeLoadedIsNotShownNorRotated) {
  b.state.adverts = List({{"one.jpg", "кот!"}, {"two.jpg", "кот!"}});
  b.host.picture_loads = false;
  Select(0);
  Select(0);
  EXPECT_EQ(b.host.pictures[1].second, "/prog/rek/one.jpg");
  EXPECT_FALSE(b.state.window.AdvertVisible);
}

TEST_F(Media, PagesOpenOnlyInTheirNumberRange) {
  b.state.adverts = List({{"x205.htm", "кот!"}, {"r215.htm", "бор!"}});
  Select(0);
  Select(1);
  EXPECT_EQ(b.host.documents, std::vector<std::string>{"/prog/rek/r205.htm"});
  EXPECT_FALSE(b.state.window.AdvertVisible);
}

TEST_F(Media, FilmsPlayEvenWithTheSoundSwitchOffButEffectsDoNot) {
  b.state.adverts = List({{"film.mpg", "кот!"}});
  b.state.settings.SoundOn = false;
  media().PlaySound("e1");
  Select(0);
  EXPECT_EQ(b.host.played, std::vector<std::string>{"/prog/rek/film.mpg"});
  b.state.settings.SoundOn = true;
  media().PlaySound("e4");
  EXPECT_EQ(b.host.played.back(), "/prog/snd/e4.wav");
}

TEST(HelpPages, FollowTheContext) {
  PlayBench b;
  b.commands.KeyDown(Key::F1);
  b.commands.ButtonClick(Button::OpenSettings);
  b.commands.ButtonClick(Button::Help);
  b.commands.ButtonClick(Button::CloseSettings);
  b.commands.KeyDown(Key::F1);
  EXPECT_EQ(b.host.documents,
            (std::vector<std::string>{"/prog/pic/gx.htm", "/prog/pic/gx1.htm", "/prog/pic/gx.htm"}));
  EXPECT_EQ(HelpPage(2), "gx2.htm");
}

}  // namespace
}  // namespace gx
