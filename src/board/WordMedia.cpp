#include "board/WordMedia.h"

#include <charconv>

#include "base/FileIo.h"

namespace gx {

namespace {

constexpr std::size_t kMaxText = 255;
constexpr std::size_t kMaxRest = 64;
constexpr std::size_t kShortestRest = 4;
constexpr int kFirstPage = 200;
constexpr int kLastPage = 209;

// Whether one of the keys of a keyword list occurs in text. The first key is always tried; a rest
// of fewer than 4 characters after a "!" is not.
bool KeywordsMatch(std::string_view keywords, std::string_view text) {
  std::string rest(keywords);
  while (true) {
    const std::size_t mark = rest.find('!');
    // Without any "!" the key is a single blank, which every text holds.
    const std::string key = " " + rest.substr(0, mark == std::string::npos ? 0 : mark);
    if (text.find(key) != std::string_view::npos) return true;
    if (mark == std::string::npos) return false;
    rest = rest.substr(mark + 1, kMaxRest);
    if (rest.size() < kShortestRest) return false;
  }
}

}  // namespace

int MatchAdvert(const AdvertList& list, std::string_view text) {
  for (int i = 1; i <= list.Count(); ++i) {
    if (KeywordsMatch(list.Entry(i).Keywords.view(), text)) return i;
  }
  return 0;
}

std::optional<int> PageNumber(std::string_view name) {
  if (name.size() < 2) return std::nullopt;
  const std::string_view digits = name.substr(1, name.find('.') == std::string_view::npos ? std::string_view::npos
                                                                                          : name.find('.') - 1);
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

void WordMedia::PlaySound(std::string_view name) {
  if (!settings_.SoundOn) return;
  host_.PlayMedia(settings_.ProgramDir.Snd(std::string(name) + ".wav"));
}

void WordMedia::PlayMediaFile(const std::string& path) { host_.PlayMedia(path); }

std::string WordMedia::RekPath(std::string_view name) const {
  return settings_.ProgramDir.Rek(name);
}

void WordMedia::ShowWordMedia() {
  const int row = puzzle_.Clues.CurrentRow();
  std::string text = puzzle_.SlotAnswer[static_cast<std::size_t>(row + 1)].str() + " " + puzzle_.Clues.Cell(1, row);
  if (text.size() > kMaxText) text.resize(kMaxText);

  const int chosen = MatchAdvert(adverts_, text);
  if (chosen == 0) {
    window_.AdvertVisible = false;
    return;
  }
  ShowEntry(chosen);
}

void WordMedia::ShowEntry(int i) {
  window_.AdvertCaption.clear();
  const std::string name(adverts_.Entry(i).Name());
  // The list names files of the rek folder only; a name that leads elsewhere opens nothing.
  if (!IsBareFileName(name)) {
    window_.AdvertVisible = false;
    host_.ShowError(FileError(FileError::InvalidFilename).Text());
    return;
  }
  const std::string_view ext = std::string_view(name).substr(name.size() < 3 ? 0 : name.size() - 3);
  if (ext == "mpg") {
    PlayMediaFile(RekPath(name));
  } else if (ext == "htm") {
    // Only the number is taken from the name: the pages are r200.htm to r209.htm.
    const std::optional<int> page = PageNumber(name);
    if (page && *page >= kFirstPage && *page <= kLastPage) {
      host_.OpenDocument(RekPath("r" + std::to_string(*page) + ".htm"));
    }
  } else {
    if (!host_.LoadPicture(PictureControl::AdvertPicture, RekPath(name))) return;
    // The next selection matching the same keywords shows the next matching entry.
    adverts_.MoveToEnd(i);
    window_.AdvertVisible = true;
  }
  ++window_.ClueListFocusRequests;
}

}  // namespace gx
