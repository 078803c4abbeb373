#pragma once
// Sound effects and the media of the chosen word: its answer and clue are matched against the
// advertisement list, and the first matching entry shows a picture, opens a page or plays a film.

#include <optional>
#include <string>
#include <string_view>

#include "base/Host.h"
#include "core/Puzzle.h"
#include "core/Settings.h"
#include "base/WindowState.h"
#include "files/AdvertList.h"

namespace gx {

// The first entry (1-based) one of whose keys occurs in text, or 0. A key is a blank followed by a
// keyword, so it matches the beginning of any word after the first.
int MatchAdvert(const AdvertList& list, std::string_view text);
// The page number a name like "r205.htm" stands for: the digits from its second character up to
// its first ".". Nothing when they do not form a number.
std::optional<int> PageNumber(std::string_view name);

class WordMedia {
 public:
  WordMedia(const Puzzle& puzzle, const Settings& settings, WindowState& window, AdvertList& adverts, Host& host)
      : puzzle_(puzzle), settings_(settings), window_(window), adverts_(adverts), host_(host) {}

  // Plays the effect e1, e3, e4, e5 or e6 from the snd folder unless the sound switch is off.
  void PlaySound(std::string_view name);
  void PlayMediaFile(const std::string& path);
  // Looks up the media of the word in the current row of the clue list.
  void ShowWordMedia();

 private:
  void ShowEntry(int i);
  std::string RekPath(std::string_view name) const;

  const Puzzle& puzzle_;
  const Settings& settings_;
  WindowState& window_;
  AdvertList& adverts_;
  Host& host_;
};

}  // namespace gx
