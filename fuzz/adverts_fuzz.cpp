// The advertisement list reader on any bytes, and the word media lookup on what it read. A list
// holds at most 128 entries with names of at most 12 and keywords of at most 64 characters, no
// comment line becomes an entry, and whatever a word matches, only files of the rek folder are
// opened.

#include <memory>

#include "FuzzSupport.h"
#include "board/WordMedia.h"
#include "core/Puzzle.h"
#include "core/Settings.h"
#include "base/WindowState.h"
#include "files/AdvertList.h"

namespace {

// Fails the run when the program asks to open anything outside the rek folder.
class RekOnlyHost : public gx::NullHost {
 public:
  explicit RekOnlyHost(std::string rek) : rek_(std::move(rek)) {}
  bool PlayMedia(const std::string& path) override { return Check(path); }
  bool LoadPicture(gx::PictureControl, const std::string& path) override { return Check(path); }
  void OpenDocument(const std::string& path) override { Check(path); }
  void ShowError(std::string_view) override { ++errors; }
  int errors = 0;

 private:
  bool Check(const std::string& path) const {
    FUZZ_CHECK(path.compare(0, rek_.size(), rek_) == 0);
    const std::string name = path.substr(rek_.size());
    FUZZ_CHECK(!name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos);
    return true;
  }
  std::string rek_;
};

// A word whose clue holds many short words, so that keywords of any list have a chance to match.
std::unique_ptr<gx::Puzzle> WordToMatch() {
  auto puzzle = std::make_unique<gx::Puzzle>();
  puzzle->SlotCount = 1;
  puzzle->SlotAnswer[1] = "abc";
  puzzle->Clues.SetCell(1, 0, " a b c d e f g h i j k l m n o p q r s t u v w x y z 0 1 2 3 4 5 6 7 8 9 ! .");
  return puzzle;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gx;
  using namespace gx::fuzz;
  static const std::unique_ptr<Puzzle> puzzle = WordToMatch();
  Scratch().Write("rek/rek.dat", data, size);
  RekOnlyHost host(Scratch().Path("rek/"));
  AdvertList list = LoadAdvertList(Scratch().Dir(), host);
  FUZZ_CHECK(host.errors == 0);
  FUZZ_CHECK(list.Count() <= AdvertList::Capacity);
  int lines = 0;
  for (std::size_t i = 0; i < size; ++i) lines += data[i] == '\n';
  FUZZ_CHECK(list.Count() <= lines + 1);
  for (int i = 1; i <= list.Count(); ++i) {
    const AdvertEntry& entry = list.Entry(i);
    FUZZ_CHECK(!entry.FileName.empty() && entry.FileName.size() <= 12 && entry.FileName[0] != '{');
    FUZZ_CHECK(entry.Keywords.size() <= 64);
    FUZZ_CHECK(entry.Name().size() <= entry.FileName.size());
  }
  Settings settings;
  settings.ProgramDir = Scratch().Dir();
  WindowState window;
  WordMedia media(*puzzle, settings, window, list, host);
  const int count = list.Count();
  for (int round = 0; round < 3; ++round) media.ShowWordMedia();
  FUZZ_CHECK(list.Count() == count);
  return 0;
}
