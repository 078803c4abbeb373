#include <gtest/gtest.h>

#include "TestBytes.h"
#include "TestFolder.h"
#include "files/DictionaryFile.h"
#include "files/LetterCode.h"

namespace gx::test {
namespace {

// Counts the event hook calls a load makes.
class CountingHost : public NullHost {
 public:
  void ProcessEvents() override { ++calls; }
  long calls = 0;
};

struct Loaded {
  DictionaryLoadResult result;
  WindowState window;
};

Loaded LoadFile(const TestFolder& folder, const std::string& bytes, DictionaryStore& store) {
  folder.Write("d.dct", bytes);
  Loaded loaded;
  NullHost host;
  WindowProgress progress(loaded.window);
  loaded.result = LoadDictionary(store, folder.Path("d.dct"), progress, host);
  return loaded;
}

std::string EncodedEntries(int count, const std::string& stem) {
  std::string bytes;
  for (int e = 1; e <= count; ++e) EncodeText(stem + std::to_string(e), bytes);
  return bytes;
}

TEST(DictionaryFileReading, SingleEndByteIsAnEmptyDictionary) {
  TestFolder folder;
  DictionaryStore store;
  Loaded l = LoadFile(folder, Bytes({86}), store);
  ASSERT_FALSE(l.result.error);
  EXPECT_EQ(store.DictionaryCount, 0);
  EXPECT_TRUE(store.DictionaryLoaded);
  ASSERT_EQ(l.result.notices.size(), 1u);
  EXPECT_EQ(l.result.notices[0], W("В словаре всего 0 слов"));
}

TEST(DictionaryFileReading, DocumentedSevenByteFile) {
  TestFolder folder;
  DictionaryStore store;
  store.DictionaryName = "common.dct";
  store.DictionaryModified = true;
  Loaded l = LoadFile(folder, Bytes({10, 14, 18, 61, 0, 86, 86}), store);
  ASSERT_FALSE(l.result.error);
  ASSERT_EQ(store.DictionaryCount, 1);
  EXPECT_EQ(store.Entry(1), W("кот а"));
  EXPECT_EQ(EntryWord(store.Entry(1)), W("кот"));
  EXPECT_FALSE(store.DictionaryModified);
  EXPECT_EQ(DictionaryLine(store), W("Словарь common.dct 1 сл"));
  EXPECT_FALSE(l.window.ProgressVisible);
  EXPECT_EQ(l.window.ProgressPosition, 1000);  // the last byte read is the last of the file
}

TEST(DictionaryFileReading, SmallDictionaryMessageBelow5000Entries) {
  TestFolder folder;
  DictionaryStore store;
  Loaded l = LoadFile(folder, EncodedEntries(4999, W("СЛОВО вопрос ")) + Bytes({86}), store);
  EXPECT_EQ(store.DictionaryCount, 4999);
  ASSERT_EQ(l.result.notices.size(), 1u);
  EXPECT_EQ(l.result.notices[0], W("В словаре всего 4999 слов"));
  l = LoadFile(folder, EncodedEntries(5000, W("СЛОВО вопрос ")) + Bytes({86}), store);
  EXPECT_EQ(store.DictionaryCount, 5000);
  EXPECT_TRUE(l.result.notices.empty());
  EXPECT_EQ(store.Entry(5000), W("СЛОВО вопрос 5000"));
}

TEST(DictionaryFileReading, EndOfFileWithoutMarkers) {
  TestFolder folder;
  DictionaryStore store;
  LoadFile(folder, EncodedEntries(3, W("ДОМ ")), store);  // no second 86: all entries stay
  EXPECT_EQ(store.DictionaryCount, 3);
  std::string bytes = EncodedEntries(3, W("ДОМ "));
  bytes.pop_back();  // the last entry lacks its 86 and is lost
  LoadFile(folder, bytes, store);
  EXPECT_EQ(store.DictionaryCount, 2);
}

TEST(DictionaryFileReading, DoubleEndByteInTheMiddleEndsTheList) {
  TestFolder folder;
  DictionaryStore store;
  Loaded l = LoadFile(folder, EncodedEntries(2, W("А ")) + Bytes({86}) + EncodedEntries(4, W("Б ")), store);
  EXPECT_EQ(store.DictionaryCount, 2);
  EXPECT_EQ(SerializeDictionary(store), EncodedEntries(2, W("А ")) + Bytes({86}));
}

TEST(DictionaryFileReading, LongEntryIsCutTo128) {
  TestFolder folder;
  DictionaryStore store;
  std::string entry = W("СЛОН ") + std::string(195, W("ы")[0]);
  std::string bytes;
  EncodeText(entry, bytes);
  LoadFile(folder, bytes + Bytes({86}), store);
  ASSERT_EQ(store.DictionaryCount, 1);
  EXPECT_EQ(store.Entry(1), entry.substr(0, 128));
}

TEST(DictionaryFileReading, MoreEntriesThanTheStoreLoadsTheFirst16384) {
  TestFolder folder;
  DictionaryStore store;
  Loaded l = LoadFile(folder, EncodedEntries(16390, W("ЛЕС ")) + Bytes({86}), store);
  ASSERT_FALSE(l.result.error);
  EXPECT_TRUE(l.result.cut_to_capacity);
  EXPECT_EQ(store.DictionaryCount, 16384);
  EXPECT_EQ(store.Entry(16384), W("ЛЕС 16384"));
  ASSERT_EQ(l.result.notices.size(), 1u);
  EXPECT_NE(l.result.notices[0].find("16384"), std::string::npos);
}

TEST(DictionaryFileReading, FailedLoadLeavesTheStore) {
  TestFolder folder;
  DictionaryStore store;
  LoadFile(folder, EncodedEntries(7, W("РЕКА ")) + Bytes({86}), store);
  store.DictionaryModified = true;
  WindowState window;
  WindowProgress progress(window);
  NullHost host;
  DictionaryLoadResult result = LoadDictionary(store, folder.Path("missing.dct"), progress, host);
  EXPECT_EQ(result.error.Text(), "File not found");
  EXPECT_EQ(store.DictionaryCount, 7);
  EXPECT_TRUE(store.DictionaryLoaded);
  EXPECT_FALSE(store.DictionaryModified);
  EXPECT_EQ(store.Entry(7), W("РЕКА 7"));
  EXPECT_FALSE(window.ProgressVisible);
  EXPECT_EQ(LoadDictionary(store, folder.Dir(), progress, host).error.Text(), "File access denied");
  EXPECT_EQ(LoadDictionary(store, "", progress, host).error.Text(), "File not found");
}

TEST(DictionaryFileReading, EventHookRunsOncePerByteRead) {
  TestFolder folder;
  std::string bytes = EncodedEntries(500, W("КОТ ")) + Bytes({86, 5, 5, 5});
  folder.Write("d.dct", bytes);
  DictionaryStore store;
  WindowState window;
  WindowProgress progress(window);
  CountingHost host;
  LoadDictionary(store, folder.Path("d.dct"), progress, host);
  EXPECT_EQ(host.calls, static_cast<long>(bytes.size()) - 3);  // reading stops at the end marker
}

// Records the progress position the window shows each time it may repaint.
class ProgressWatcher : public NullHost {
 public:
  explicit ProgressWatcher(const WindowState& window) : window_(window) {}
  void ProcessEvents() override { seen.push_back(window_.ProgressPosition); }
  std::vector<int> seen;

 private:
  const WindowState& window_;
};

TEST(DictionaryFileReading, ProgressRoundsHalvesToEven) {
  TestFolder folder;
  folder.Write("d.dct", Bytes({0, 1, 2, 86, 3, 4, 5, 86, 6, 7, 8, 86, 9, 10, 86, 86}));  // 16 bytes
  DictionaryStore store;
  WindowState window;
  WindowProgress progress(window);
  ProgressWatcher host(window);
  ASSERT_FALSE(LoadDictionary(store, folder.Path("d.dct"), progress, host).error);
  EXPECT_EQ(store.DictionaryCount, 4);
  // Byte i of 16 is i / 16 * 1000: 62.5 -> 62, 187.5 -> 188, 312.5 -> 312.
  std::vector<int> expected = {0, 62, 125, 188, 250, 312, 375, 438, 500, 562, 625, 688, 750, 812, 875, 938};
  EXPECT_EQ(host.seen, expected);
  EXPECT_EQ(window.ProgressPosition, 1000);
}

TEST(DictionaryFileWriting, StoreWrittenAndLoadedBackIsTheSame) {
  TestFolder folder;
  DictionaryStore store;
  const char* entries[] = {"КОТ Домашнее животное", "ДОМ Жилище, 2-й этаж", "ЯК (бык)! \"Тибет\"?"};
  int e = 0;
  for (const char* text : entries) store.SetEntry(++e, W(text));
  store.DictionaryCount = 3;
  WindowState window;
  WindowProgress progress(window);
  ASSERT_FALSE(WriteDictionary(store, folder.Path("w.dct"), progress));
  EXPECT_EQ(window.Caption, W("Выгрузка словаря.."));
  EXPECT_FALSE(window.ProgressVisible);
  EXPECT_EQ(window.ProgressPosition, 1000);

  DictionaryStore again;
  NullHost host;
  ASSERT_FALSE(LoadDictionary(again, folder.Path("w.dct"), progress, host).error);
  ASSERT_EQ(again.DictionaryCount, 3);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(again.Entry(k), store.Entry(k));
}

TEST(DictionaryFileWriting, EmptyStoreIsTheSingleEndByte) {
  TestFolder folder;
  DictionaryStore store;
  WindowState window;
  WindowProgress progress(window);
  ASSERT_FALSE(WriteDictionary(store, folder.Path("e.dct"), progress));
  EXPECT_EQ(folder.Read("e.dct"), Bytes({86}));
}

TEST(DictionaryFileWriting, FailedWriteKeepsTheOldFile) {
  TestFolder folder;
  DictionaryStore store;
  store.SetEntry(1, W("НОВОЕ слово"));
  store.DictionaryCount = 1;
  WindowState window;
  WindowProgress progress(window);
  std::filesystem::create_directory(folder.Path("taken.dct"));  // a folder cannot be replaced by a file
  FileError error = WriteDictionary(store, folder.Path("taken.dct"), progress);
  EXPECT_TRUE(error);
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path("taken.dct")));
  EXPECT_EQ(folder.FileCount(), 1);  // no temporary file left behind
  EXPECT_EQ(WriteDictionary(store, folder.Path("no/such/folder.dct"), progress).Text(), "File not found");
}

}  // namespace
}  // namespace gx::test
