// The program keeps one indexed word search from fill to fill. Whatever changes the dictionary
// between two fills (a direct write, the editor, a load, a requeue outside the search, a shorter
// count), the next fill must choose what the plain scan chooses on the same dictionary.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "TestFolder.h"
#include "base/Cp1251.h"
#include "core/LinearWordSearch.h"
#include "core/RandomSource.h"
#include "core/WordIndex.h"
#include "files/DictionaryEditor.h"
#include "files/DictionaryFile.h"

namespace gx {
namespace {

std::string W(const char* utf8) { return Utf8ToCp1251(utf8); }

// Words of two to four letters over three letters, so that the ring of four slots of three
// fills and later fills have many choices, and an entry taken for another one often has a word
// of another length; more entries than the margin after which a retry starts from the front.
std::vector<std::string> SmallWords() {
  const std::string letters = W("АБВ");
  SeededRandom random(4242);
  std::vector<std::string> entries;
  for (int e = 1; e <= 150; ++e) {
    std::string word;
    const int length = 2 + random.Random(3);
    for (int t = 0; t < length; ++t) word += letters[static_cast<std::size_t>(random.Random(3))];
    entries.push_back(word + W(" подсказка ") + std::to_string(e));
  }
  return entries;
}

int FirstWordOfLength(const DictionaryStore& d, std::size_t length) {
  for (int e = 1; e <= d.DictionaryCount; ++e) {
    if (EntryWord(d.Entry(e)).size() == length) return e;
  }
  return 0;
}

// One dictionary with its own editor, filled through one search kept across the fills.
struct Side {
  explicit Side(WordSearch& s) : search(s) {}
  WordSearch& search;
  std::unique_ptr<DictionaryStore> store = std::make_unique<DictionaryStore>();
  Settings settings;
  WindowState window;
  DictionaryEditor editor{*store, settings, window};
  Puzzle last;  // the puzzle of the last fill

  // Every answer with its position, then the dictionary in its order.
  std::vector<std::string> Fill(const Puzzle& grid) {
    last = grid;
    WindowState progress_window;
    WindowProgress progress(progress_window);
    NullHost host;
    NullSlotPainter painter;
    FillRun run{last, *store, progress, host, painter, Palette{}, 8};
    FillSlots(run, search);
    search.RequeueUsedWords(last, *store);
    std::vector<std::string> seen;
    for (int k = 1; k <= last.SlotCount; ++k) seen.push_back(ReconstructedEntry(last, k) + "@" + std::to_string(last.SlotDictPos[k]));
    for (const std::string& entry : test::Entries(*store)) seen.push_back(entry);
    return seen;
  }
};

TEST(KeptWordIndex, EveryChangeBetweenFillsIsSeenByTheNextFill) {
  test::TestFolder folder;
  auto grid = std::make_unique<Puzzle>();
  test::DrawRing(*grid);
  const std::vector<std::string> words = SmallWords();
  // The same words in reverse, as another dictionary file to load.
  {
    auto other = std::make_unique<DictionaryStore>();
    test::FillDictionary(*other, std::vector<std::string>(words.rbegin(), words.rend()));
    WindowState window;
    WindowProgress progress(window);
    ASSERT_FALSE(WriteDictionary(*other, folder.Path("other.dct"), progress));
  }

  using Change = std::function<void(Side&)>;
  const std::vector<std::pair<const char*, Change>> changes = {
      {"direct write of a new first word and of a longer word",
       [](Side& s) {
         s.store->SetEntry(1, W("ВВВ новая"));
         s.store->SetEntry(2, W("ББББ длиннее"));
       }},
      {"editor correction of the first word a slot can take into a longer one",
       [](Side& s) {
         s.editor.WordField = std::string(EntryWord(s.store->Entry(FirstWordOfLength(*s.store, 3))));
         ASSERT_TRUE(s.editor.SearchFromStart());
         s.editor.WordField = W("АБВА");
         ASSERT_EQ(s.editor.Correct(), EditOutcome::Done);
       }},
      {"editor deletion of the first entry",
       [](Side& s) {
         s.editor.WordField = std::string(EntryWord(s.store->Entry(1)));
         ASSERT_TRUE(s.editor.SearchFromStart());
         ASSERT_EQ(s.editor.Delete(), EditOutcome::Done);
       }},
      {"editor addition",
       [](Side& s) {
         s.editor.WordField = W("БВА");
         s.editor.ClueField = W("добавлено");
         ASSERT_EQ(s.editor.Add(), EditOutcome::Done);
       }},
      {"load of another dictionary",
       [&folder](Side& s) {
         NullHost host;
         WindowProgress progress(s.window);
         ASSERT_FALSE(LoadDictionary(*s.store, folder.Path("other.dct"), progress, host).error);
       }},
      {"requeue outside the search of the first word a slot can take",
       [](Side& s) {
         auto p = std::make_unique<Puzzle>(s.last);
         const std::string_view entry = s.store->Entry(FirstWordOfLength(*s.store, 3));
         p->SlotAnswer[1] = EntryWord(entry);
         p->Clues.SetCell(1, 0, EntryCluePart(entry));
         RequeueUsedWords(*p, *s.store);
       }},
      {"count cut to the first few words a slot can take",
       [](Side& s) {
         int e = 0;
         for (int found = 0; found < 6; ++e) found += EntryWord(s.store->Entry(e + 1)).size() == 3;
         s.store->DictionaryCount = static_cast<std::uint16_t>(e);
       }},
  };
  LinearWordSearch plain;
  IndexedWordSearch kept;
  auto a = std::make_unique<Side>(plain), b = std::make_unique<Side>(kept);
  test::FillDictionary(*a->store, words);
  test::FillDictionary(*b->store, words);
  ASSERT_EQ(a->Fill(*grid), b->Fill(*grid));
  for (const auto& [what, change] : changes) {
    // Two fills after each change: the first one meets the change, the second one the order the
    // first one's requeue left, which the kept index follows.
    const std::vector<std::string> before = b->Fill(*grid);
    ASSERT_EQ(a->Fill(*grid), before) << what;
    change(*a);
    change(*b);
    if (HasFatalFailure()) return;
    ASSERT_EQ(test::Entries(*a->store), test::Entries(*b->store)) << what;
    const std::vector<std::string> after = b->Fill(*grid);
    ASSERT_EQ(a->Fill(*grid), after) << what;
    ASSERT_GT(a->last.PlacedCount, 1) << what << ": the fill must place words to compare";
  }
}

}  // namespace
}  // namespace gx
