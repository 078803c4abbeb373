// The delivered dictionary dist/data/ru.dct, read with the program's own loader: its size, the
// shape of every entry, and that writing it back gives the same file.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "DeliveredFolder.h"
#include "base/Host.h"
#include "base/WindowState.h"
#include "base/Cp1251.h"
#include "files/DictionaryFile.h"
#include "core/DictionaryStore.h"
#include "files/LetterCode.h"

namespace gx {
namespace {

class DeliveredDictionary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    store_ = new DictionaryStore();
    Progress unseen;
    NullHost host;
    result_ = new DictionaryLoadResult(
        LoadDictionary(*store_, (test::DeliveredFolder() / "data" / "ru.dct").string(), unseen, host));
  }
  static void TearDownTestSuite() {
    delete store_;
    delete result_;
  }

  static std::string Utf8(std::string_view text) { return Cp1251ToUtf8(text); }

  static DictionaryStore* store_;
  static DictionaryLoadResult* result_;
};

DictionaryStore* DeliveredDictionary::store_ = nullptr;
DictionaryLoadResult* DeliveredDictionary::result_ = nullptr;

TEST_F(DeliveredDictionary, LoadsWholeWithinTheStoreAndWithoutNotices) {
  ASSERT_TRUE(result_->error.ok()) << result_->error.Text();
  EXPECT_FALSE(result_->cut_to_capacity);
  EXPECT_TRUE(result_->notices.empty()) << "a small-dictionary notice means the file ended early";
  EXPECT_GE(store_->DictionaryCount, 12000);
  // Room is left for the user's own additions in the editor.
  EXPECT_LT(store_->DictionaryCount, DictionaryStore::Capacity);
}

TEST_F(DeliveredDictionary, WritingTheStoreBackGivesTheDeliveredFileByteForByte) {
  ASSERT_TRUE(result_->error.ok());
  std::string file = test::ReadDeliveredFile("data/ru.dct");
  ASSERT_GE(file.size(), 2u);
  EXPECT_EQ(file.substr(file.size() - 2), std::string(2, static_cast<char>(86)));
  EXPECT_TRUE(SerializeDictionary(*store_) == file) << "an entry did not survive reading and writing";
}

TEST_F(DeliveredDictionary, EveryWordIsLowerCaseRussianOfThreeToNineteenLetters) {
  for (int e = 1; e <= store_->DictionaryCount; ++e) {
    std::string_view entry = store_->Entry(e);
    std::string_view word = EntryWord(entry);
    ASSERT_GE(word.size(), 3u) << "entry " << e << ": " << Utf8(entry);
    ASSERT_LE(word.size(), 19u) << "entry " << e << ": " << Utf8(entry);
    for (char c : word) ASSERT_TRUE(test::IsLowerLetter(c)) << "entry " << e << ": " << Utf8(entry);
  }
}

TEST_F(DeliveredDictionary, EveryClueIsEncodableSentenceCaseAndFitsTheRecord) {
  for (int e = 1; e <= store_->DictionaryCount; ++e) {
    std::string_view entry = store_->Entry(e);
    ASSERT_LE(entry.size(), static_cast<std::size_t>(DictionaryStore::MaxEntryLength));
    std::string_view clue = EntryCluePart(entry);
    ASSERT_GE(clue.size(), 2u) << "entry " << e << " has no clue: " << Utf8(entry);
    EXPECT_TRUE(test::IsUpperLetter(clue[1])) << "entry " << e << ": " << Utf8(entry);
    EXPECT_NE(clue[1], ' ') << "two spaces after the word: " << Utf8(entry);
    for (char c : entry) ASSERT_TRUE(HasLetterCode(c)) << "entry " << e << ": " << Utf8(entry);
  }
}

// A clue must not give the answer away: none of its words is the answer or starts with the
// answer's first four letters (case aside).
TEST_F(DeliveredDictionary, NoClueWordIsTheAnswerOrSharesItsFirstFourLetters) {
  int leaks = 0;
  for (int e = 1; e <= store_->DictionaryCount; ++e) {
    std::string_view entry = store_->Entry(e);
    std::string word(EntryWord(entry));
    std::string prefix = word.substr(0, 4);
    std::string_view clue = EntryCluePart(entry);
    std::string token;
    auto check = [&] {
      if (!token.empty() && (token == word || token.rfind(prefix, 0) == 0)) {
        ++leaks;
        ADD_FAILURE() << "entry " << e << ": " << Utf8(entry);
      }
      token.clear();
    };
    for (char c : clue) {
      if (test::IsLowerLetter(c) || test::IsUpperLetter(c)) token += test::ToLowerLetter(c);
      else check();
    }
    check();
    if (leaks > 10) break;
  }
  EXPECT_EQ(leaks, 0);
}

// Generated grids are made of slots of 3 to 10 letters: every such length must offer a real choice
// of distinct words, and those lengths must hold most of the dictionary.
TEST_F(DeliveredDictionary, WordsOfTheGeneratedLengthsAreManyAndVaried) {
  std::map<std::size_t, std::set<std::string_view>> words_by_length;
  for (int e = 1; e <= store_->DictionaryCount; ++e) {
    std::string_view word = EntryWord(store_->Entry(e));
    words_by_length[word.size()].insert(word);
  }
  std::size_t short_words = 0, all_words = 0;
  for (const auto& [length, words] : words_by_length) {
    all_words += words.size();
    if (length <= 9) short_words += words.size();
  }
  // Three-letter words are few in any Russian word list; the rest must be plentiful.
  EXPECT_GE(words_by_length[3].size(), 150u);
  for (std::size_t length = 4; length <= 10; ++length)
    EXPECT_GE(words_by_length[length].size(), 500u) << "too few words of " << length << " letters";
  EXPECT_GE(short_words * 10, all_words * 8) << "lengths 3..9 should hold most words";
}

// The fill takes the first fitting entry from the top of the dictionary, so the file must not
// start with a long run of one letter (an alphabetical order would always give the same words).
TEST_F(DeliveredDictionary, EntriesAreNotInAlphabeticalOrder) {
  int same_first_letter = 0;
  for (int e = 2; e <= 200; ++e)
    if (EntryWord(store_->Entry(e))[0] == EntryWord(store_->Entry(e - 1))[0]) ++same_first_letter;
  EXPECT_LT(same_first_letter, 60);
}

}  // namespace
}  // namespace gx
