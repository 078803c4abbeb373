#include "files/IpuzReader.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <optional>

#include "base/Cp1251.h"
#include "base/SafeText.h"
#include "files/Json.h"
#include "files/LetterCode.h"

namespace gx {

namespace {

constexpr int kMaxAnswer = static_cast<int>(AnswerText::capacity());
constexpr int kMaxClue = 128;
constexpr int kMaxNumber = 255;
constexpr std::size_t kMaxListed = 20;  // faults beyond this many are counted, not listed

bool IsLatin(char32_t c) { return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'); }

// What a fault says about the file as a whole, most telling first: the first line of a refusal
// names the most telling reason found, and the faults are listed in this order.
enum class Reason {
  LatinAnswers,
  ForeignAnswers,
  Barred,
  Rebus,
  Styled,
  GivenLetters,
  LatinClues,
  ClueCharacters,
  Other,
};

// The first line of a refusal with more than one fault; empty where the faults say it themselves.
const char* Headline(Reason reason) {
  switch (reason) {
    case Reason::LatinAnswers: return "answers hold Latin letters: the puzzle is not Russian";
    case Reason::ForeignAnswers: return "answers hold characters that are not Russian letters";
    case Reason::Barred: return "the grid is barred (bars between cells), which a puzzle file cannot hold";
    case Reason::Rebus: return "cells hold several letters (a rebus), which a puzzle file cannot hold";
    case Reason::Styled: return "cells carry styles (shapes, colours, marks), which a puzzle file cannot hold";
    case Reason::GivenLetters: return "the grid gives letters, which a puzzle file cannot hold";
    case Reason::LatinClues: return "clues hold Latin letters, which a puzzle file's letters lack";
    case Reason::ClueCharacters: return "clues hold characters that a puzzle file's letters lack";
    case Reason::Other: break;
  }
  return "";
}

// The code's nearest spelling of ordinary punctuation it lacks ("«" -> "\""), or nothing.
std::optional<std::u32string> NearestInCode(char32_t c, char32_t before, char32_t after) {
  switch (c) {
    case U'«': case U'»': case U'„': case U'“': case U'”': case U'‟': case U'‘': case U'‚': case U'‛':
      return U"\"";
    case U'\'': case U'’': {
      // Between two letters it is an apostrophe (д'Артаньян), kept visible as a hyphen; elsewhere a quote.
      const auto letter = [](char32_t x) { return IsLatin(x) || (x >= U'А' && x <= U'я') || x == U'ё' || x == U'Ё'; };
      return letter(before) && letter(after) ? U"-" : U"\"";
    }
    case U'—': case U'–': case U'‒': case U'―': case U'−': case U'‐': case U'‑': return U"-";
    case U'…': return U"...";
    case U';': return U",";
    case U'[': return U"(";
    case U']': return U")";
    case U'\u00A0': case U'\u2007': case U'\u2009': case U'\u202F': return U" ";
    case U'№': return after == U' ' || after == 0 ? U"номер" : U"номер ";
    default: return std::nullopt;
  }
}

struct Cell {
  bool open = false;  // part of a word
  int number = 0;
  char letter = 0;  // Windows-1251, lower case
};

struct Word {
  bool down = false;
  int number = 0;
  std::string clue;  // Windows-1251
  int x = 0, y = 0, length = 0;
};

std::string CellName(int x, int y) { return "row " + std::to_string(y + 1) + ", column " + std::to_string(x + 1); }

std::string WordName(bool down, int number) { return std::string(down ? "Down " : "Across ") + std::to_string(number); }

std::string Shown(char32_t c) { return "\"" + SafeText(EncodeUtf8(std::u32string(1, c))) + "\""; }


bool SameValue(const json::Value& a, const json::Value& b) {
  if (a.IsString() && b.IsString()) return a.text == b.text;
  if (a.IsInteger() && b.IsInteger()) return *a.integer == *b.integer;
  return a.IsNull() && b.IsNull();
}

// A clue number: a whole number or a text of digits.
std::optional<int> NumberOf(const json::Value& value) {
  if (value.IsInteger()) {
    if (*value.integer < 0 || *value.integer > 1000000) return std::nullopt;
    return static_cast<int>(*value.integer);
  }
  if (!value.IsString() || value.text.empty() || value.text.size() > 7) return std::nullopt;
  int number = 0;
  for (char c : value.text) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

class Reader {
 public:
  Reader(const json::Value& root, IpuzReading& out) : root_(root), out_(out) {}

  bool Read() {
    if (!root_.IsObject()) return Fault("the file is not a JSON object");
    if (!CheckKind() || !ReadDimensions()) return false;
    ReadPuzzleGrid();
    ReadSolution();
    ReadClues();
    if (fault_count_ > 0) return false;
    LocateWords();
    CheckEveryCellInAWord();
    if (words_.size() > static_cast<std::size_t>(MaxSlots)) {
      Fault(std::to_string(words_.size()) + " words: a puzzle file holds at most 255");
    }
    NoteLeftOut();
    return fault_count_ == 0;
  }

  void Fill(Puzzle& p) const {
    std::vector<const Word*> order;
    for (const Word& w : words_) order.push_back(&w);
    std::stable_sort(order.begin(), order.end(), [](const Word* a, const Word* b) {
      return a->down != b->down ? !a->down : a->number < b->number;
    });
    p.ResetBoard();
    int k = 0;
    for (const Word* w : order) {
      ++k;
      p.SlotX[k] = static_cast<std::uint8_t>(w->x);
      p.SlotY[k] = static_cast<std::uint8_t>(w->y);
      p.SlotLength[k] = static_cast<std::uint8_t>(w->length);
      p.SlotVertical[k] = w->down ? 1 : 0;
      std::string answer;
      for (int t = 0; t < w->length; ++t) answer.push_back(At(p.SlotCellX(k, t), p.SlotCellY(k, t)).letter);
      p.SlotAnswer[k] = answer;
      p.SlotEntry[k].Clear();
      p.Clues.SetCell(0, k - 1, FormatClueNumber(w->number));
      p.Clues.SetCell(1, k - 1, " " + w->clue);
      for (int t = 0; t < w->length; ++t) {
        p.SetLetter(p.SlotCellX(k, t), p.SlotCellY(k, t), answer[static_cast<std::size_t>(t)]);
        p.SetMask(p.SlotCellX(k, t), p.SlotCellY(k, t), GridCell);
      }
    }
    p.SlotCount = static_cast<std::uint8_t>(k);
    p.Clues.SetRowCount(k);
    p.CountAcrossSlots();
  }

 private:
  // Only the faults that may be listed are kept; the others are counted.
  bool Fault(std::string text, Reason reason = Reason::Other) {
    ++fault_count_;
    std::vector<std::string>& kept = kept_faults_[static_cast<std::size_t>(reason)];
    if (kept.size() < kMaxListed) kept.push_back(std::move(text));
    return false;
  }

 public:
  // The faults as the refusal lists them: the main reason first when there are several, then the
  // faults of the most telling reasons, at most kMaxListed of them.
  void ListFaults() {
    if (fault_count_ == 0) return;
    std::size_t listed = 0;
    for (std::size_t reason = 0; reason < kept_faults_.size(); ++reason) {
      const std::vector<std::string>& kept = kept_faults_[reason];
      if (kept.empty()) continue;
      if (listed == 0 && fault_count_ > 1 && *Headline(static_cast<Reason>(reason)) != '\0') {
        out_.faults.push_back(Headline(static_cast<Reason>(reason)));
      }
      for (std::size_t i = 0; i < kept.size() && listed < kMaxListed; ++i, ++listed) out_.faults.push_back(kept[i]);
    }
    if (fault_count_ > listed) out_.faults.push_back("and " + std::to_string(fault_count_ - listed) + " more");
  }

 private:

  Cell& At(int x, int y) { return cells_[static_cast<std::size_t>(y * width_ + x)]; }
  const Cell& At(int x, int y) const { return cells_[static_cast<std::size_t>(y * width_ + x)]; }
  bool Open(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_ && At(x, y).open; }

  bool CheckKind() {
    const json::Value* version = root_.Find("version");
    if (version == nullptr || !version->IsString() || version->text.rfind("http://ipuz.org/v", 0) != 0) {
      return Fault("no \"version\" of the ipuz format");
    }
    const json::Value* kind = root_.Find("kind");
    bool crossword = false;
    if (kind != nullptr && kind->IsArray()) {
      for (const json::Value& item : kind->items) {
        if (item.IsString() && item.text.rfind("http://ipuz.org/crossword", 0) == 0) crossword = true;
      }
    }
    return crossword || Fault("\"kind\" does not name a crossword (http://ipuz.org/crossword)");
  }

  bool ReadDimensions() {
    const json::Value* dimensions = root_.Find("dimensions");
    const json::Value* width = dimensions != nullptr ? dimensions->Find("width") : nullptr;
    const json::Value* height = dimensions != nullptr ? dimensions->Find("height") : nullptr;
    if (width == nullptr || height == nullptr || !width->IsInteger() || !height->IsInteger() || *width->integer < 1 ||
        *height->integer < 1) {
      return Fault("\"dimensions\" needs a whole \"width\" and \"height\" of at least 1");
    }
    if (*width->integer > MaxBoardInUse || *height->integer > MaxBoardInUse) {
      return Fault("a grid of " + std::to_string(*width->integer) + " x " + std::to_string(*height->integer) +
                   ": the board holds at most 63 x 63");
    }
    width_ = static_cast<int>(*width->integer);
    height_ = static_cast<int>(*height->integer);
    cells_.assign(static_cast<std::size_t>(width_ * height_), Cell{});
    if (const json::Value* block = root_.Find("block")) block_ = *block;
    if (const json::Value* empty = root_.Find("empty")) empty_ = *empty;
    return true;
  }

  // The rows of a grid field, checked against the dimensions; nothing when they do not match.
  const std::vector<json::Value>* Rows(const char* field) {
    const json::Value* grid = root_.Find(field);
    if (grid == nullptr) return nullptr;
    bool fits = grid->IsArray() && static_cast<int>(grid->items.size()) == height_;
    for (std::size_t y = 0; fits && y < grid->items.size(); ++y) {
      fits = grid->items[y].IsArray() && static_cast<int>(grid->items[y].items.size()) == width_;
    }
    if (!fits) {
      Fault(std::string("\"") + field + "\" is not " + std::to_string(height_) + " rows of " + std::to_string(width_) +
            " cells, as \"dimensions\" says");
      return nullptr;
    }
    return &grid->items;
  }

  bool IsBlock(const json::Value& cell) const { return cell.IsNull() || SameValue(cell, block_); }
  bool IsEmpty(const json::Value& cell) const {
    return SameValue(cell, empty_) || (cell.IsInteger() && *cell.integer == 0) || (cell.IsString() && cell.text == "0");
  }

  // A cell given as an object: its inner cell, refused when it carries what cannot be kept.
  const json::Value* Unwrap(const json::Value& cell, int x, int y) {
    if (!cell.IsObject()) return &cell;
    for (const auto& [key, value] : cell.members) {
      if (key == "cell") continue;
      if (key == "style") {
        const bool plain = (value.IsObject() && value.members.empty()) || value.IsNull();
        if (plain) continue;
        if (value.IsObject() && value.Find("barred") != nullptr) {
          Fault(CellName(x, y) + ": a barred grid (bars between cells) cannot be kept", Reason::Barred);
        } else {
          Fault(CellName(x, y) + ": a cell style (shape, colour, mark) cannot be kept", Reason::Styled);
        }
      } else if (key == "value") {
        if (!value.IsNull() && !(value.IsString() && value.text.empty())) {
          Fault(CellName(x, y) + ": a letter given in the grid cannot be kept", Reason::GivenLetters);
        }
      } else {
        Fault(CellName(x, y) + ": \"" + SafeText(key) + "\" in a cell cannot be kept");
      }
    }
    const json::Value* inner = cell.Find("cell");
    return inner != nullptr ? inner : &empty_;
  }

  void ReadPuzzleGrid() {
    const std::vector<json::Value>* rows = Rows("puzzle");
    if (rows == nullptr) {
      if (root_.Find("puzzle") == nullptr) Fault("no \"puzzle\" grid");
      return;
    }
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) ReadPuzzleCell((*rows)[static_cast<std::size_t>(y)].items[static_cast<std::size_t>(x)], x, y);
    }
  }

  void ReadPuzzleCell(const json::Value& given, int x, int y) {
    const json::Value* cell = Unwrap(given, x, y);
    if (IsBlock(*cell)) return;
    At(x, y).open = true;
    if (IsEmpty(*cell)) return;
    const std::optional<int> number = NumberOf(*cell);
    if (!number) {
      Fault(CellName(x, y) + ": a cell is a clue number, " + (empty_.IsString() ? "\"" + empty_.text + "\"" : "0") +
            " or the block");
      return;
    }
    At(x, y).number = *number;
  }

  void ReadSolution() {
    const std::vector<json::Value>* rows = Rows("solution");
    if (rows == nullptr) {
      if (root_.Find("solution") == nullptr) Fault("no \"solution\": a puzzle file needs every answer");
      return;
    }
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const json::Value& cell = (*rows)[static_cast<std::size_t>(y)].items[static_cast<std::size_t>(x)];
        const json::Value* value = cell.IsObject() ? cell.Find("value") : &cell;
        ReadSolutionCell(value != nullptr ? *value : json::Value{}, x, y);
      }
    }
  }

  void ReadSolutionCell(const json::Value& cell, int x, int y) {
    const bool blank = IsBlock(cell) || IsEmpty(cell) || (cell.IsString() && cell.text.empty());
    if (!At(x, y).open) {
      if (!blank) Fault(CellName(x, y) + ": a letter in a block");
      return;
    }
    if (blank || !cell.IsString()) {
      Fault(CellName(x, y) + ": no letter in the solution");
      return;
    }
    const std::u32string text = DecodeUtf8(cell.text);
    if (text.size() != 1) {
      Fault(CellName(x, y) + ": \"" + SafeText(cell.text) + "\" is several letters in one cell (a rebus), which cannot be kept",
            Reason::Rebus);
      return;
    }
    char32_t c = text[0];
    if (c == U'ё' || c == U'Ё') {
      yo_cells_.push_back(CellName(x, y));
      c = U'е';
    }
    if (c >= U'А' && c <= U'Я') c += U'а' - U'А';
    if (c < U'а' || c > U'я') {
      Fault(CellName(x, y) + ": " + Shown(c) +
                (IsLatin(c) ? " is a Latin letter; the answers are Russian words" : " is not a Russian letter"),
            IsLatin(c) ? Reason::LatinAnswers : Reason::ForeignAnswers);
      return;
    }
    At(x, y).letter = *UnicodeToCp1251(c);
  }

  void ReadClues() {
    const json::Value* clues = root_.Find("clues");
    if (clues == nullptr || !clues->IsObject()) {
      Fault("no \"clues\" with the Across and Down lists");
      return;
    }
    for (const auto& [key, list] : clues->members) {
      const std::string direction = key.substr(0, key.find(':'));
      if (direction != "Across" && direction != "Down") {
        Fault("clues \"" + SafeText(key) + "\": only Across and Down words can be kept");
        continue;
      }
      if (!list.IsArray()) {
        Fault("clues \"" + SafeText(key) + "\" is not a list");
        continue;
      }
      for (std::size_t i = 0; i < list.items.size(); ++i) ReadClue(list.items[i], direction == "Down", key, i + 1);
    }
  }

  void ReadClue(const json::Value& clue, bool down, const std::string& list, std::size_t index) {
    const std::string where = "clues \"" + SafeText(list) + "\", item " + std::to_string(index);
    const json::Value* number = nullptr;
    const json::Value* text = nullptr;
    if (clue.IsArray() && clue.items.size() == 2) {
      number = &clue.items[0];
      text = &clue.items[1];
    } else if (clue.IsObject()) {
      number = clue.Find("number");
      text = clue.Find("clue");
      for (const auto& member : clue.members) {
        if (member.first == "number" || member.first == "clue") continue;
        if (member.first == "enumeration") {
          left_out_.insert("enumeration");
        } else {
          Fault(where + ": \"" + SafeText(member.first) + "\" in a clue cannot be kept");
        }
      }
    }
    if (number == nullptr || text == nullptr || !text->IsString()) {
      Fault(where + ": a clue is [number, \"text\"] or {\"number\": n, \"clue\": \"text\"}");
      return;
    }
    const std::optional<int> value = NumberOf(*number);
    if (!value || *value < 1) {
      Fault(where + ": the number is not a whole number of at least 1");
      return;
    }
    const std::string name = WordName(down, *value);
    if (*value > kMaxNumber) {
      Fault(name + ": clue numbers above 255 do not fit a puzzle file");
      return;
    }
    for (const Word& w : words_) {
      if (w.down == down && w.number == *value) {
        Fault(name + ": a second clue with that number");
        return;
      }
    }
    Word word;
    word.down = down;
    word.number = *value;
    if (ClueText(text->text, name, word.clue)) words_.push_back(word);
  }

  bool ClueText(const std::string& utf8, const std::string& name, std::string& cp1251) {
    const std::u32string text = DecodeUtf8(utf8);
    // No character is written shorter, so a clue already too long is refused as it stands.
    if (text.size() > static_cast<std::size_t>(kMaxClue)) {
      return Fault(name + ": a clue of " + std::to_string(text.size()) + " characters, a puzzle file holds 128");
    }
    bool sound = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
      char32_t c = text[i];
      if (c == U'ё' || c == U'Ё') {
        yo_clues_.push_back(name);
        c = c == U'ё' ? U'е' : U'Е';
      }
      const std::optional<char> byte = UnicodeToCp1251(c);
      if (byte && HasLetterCode(*byte)) {
        cp1251.push_back(*byte);
        continue;
      }
      const char32_t before = i > 0 ? text[i - 1] : 0, after = i + 1 < text.size() ? text[i + 1] : 0;
      if (const std::optional<std::u32string> nearest = NearestInCode(c, before, after)) {
        NoteReplaced(c, *nearest, name);
        for (char32_t r : *nearest) cp1251.push_back(*UnicodeToCp1251(r));
        continue;
      }
      sound = Fault(name + ", character " + std::to_string(i + 1) + ": " + Shown(c) +
                        (IsLatin(c) ? " is a Latin letter, which" : "") + " has no place in the puzzle file's letters",
                    IsLatin(c) ? Reason::LatinClues : Reason::ClueCharacters);
    }
    if (sound && cp1251.size() > static_cast<std::size_t>(kMaxClue)) {
      return Fault(name + ": a clue of " + std::to_string(cp1251.size()) +
                   " characters with its punctuation spelled out, a puzzle file holds 128");
    }
    return sound;
  }

  void NoteReplaced(char32_t c, const std::u32string& nearest, const std::string& name) {
    const std::string target = nearest == U" "        ? std::string("space")
                               : nearest == U"номер " ? std::string("номер")
                                                      : EncodeUtf8(nearest);
    const std::string source = c == U'\u00A0' || c == U'\u2007' || c == U'\u2009' || c == U'\u202F'
                                   ? std::string("no-break space")
                                   : EncodeUtf8(std::u32string(1, c));
    auto found = std::find_if(replacements_.begin(), replacements_.end(),
                              [&target](const auto& entry) { return entry.first == target; });
    if (found == replacements_.end()) found = replacements_.insert(replacements_.end(), {target, {}});
    if (std::find(found->second.begin(), found->second.end(), source) == found->second.end()) {
      found->second.push_back(source);
    }
    replaced_clues_.push_back(name);
  }

  // "« » → \", — → -, … → ..." in the order first met.
  std::string Replacements() const {
    std::string text;
    for (const auto& [target, sources] : replacements_) {
      if (!text.empty()) text += ", ";
      for (const std::string& source : sources) text += source + " ";
      text += "→ " + target;
    }
    return text;
  }

  void LocateWords() {
    std::map<int, std::vector<std::pair<int, int>>> numbered;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (At(x, y).number != 0) numbered[At(x, y).number].push_back({x, y});
      }
    }
    for (Word& w : words_) {
      const std::string name = WordName(w.down, w.number);
      const auto found = numbered.find(w.number);
      if (found == numbered.end()) {
        Fault(name + ": no cell carries the number " + std::to_string(w.number));
        continue;
      }
      if (found->second.size() > 1) {
        Fault(name + ": the number " + std::to_string(w.number) + " stands in " +
              std::to_string(found->second.size()) + " cells");
        continue;
      }
      Locate(w, found->second[0].first, found->second[0].second, name);
    }
  }

  void Locate(Word& w, int x, int y, const std::string& name) {
    const int dx = w.down ? 0 : 1, dy = w.down ? 1 : 0;
    if (Open(x - dx, y - dy)) {
      Fault(name + " (" + CellName(x, y) + "): the word does not start there");
      return;
    }
    w.x = x;
    w.y = y;
    while (Open(x + dx * w.length, y + dy * w.length)) ++w.length;
    if (w.length < 2) {
      Fault(name + " (" + CellName(x, y) + "): no word of two or more cells starts there");
    } else if (w.length > kMaxAnswer) {
      Fault(name + ": a word of " + std::to_string(w.length) + " letters, a puzzle holds at most 24");
    }
  }

  void CheckEveryCellInAWord() {
    std::vector<bool> covered(cells_.size(), false);
    for (const Word& w : words_) {
      for (int t = 0; t < w.length; ++t) {
        const int x = w.down ? w.x : w.x + t, y = w.down ? w.y + t : w.y;
        covered[static_cast<std::size_t>(y * width_ + x)] = true;
      }
    }
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (At(x, y).open && !covered[static_cast<std::size_t>(y * width_ + x)]) {
          Fault(CellName(x, y) + ": the cell belongs to no word with a clue");
        }
      }
    }
  }

  void NoteLeftOut() {
    static const char* kKept[] = {"version", "kind", "dimensions", "block", "empty", "puzzle", "solution", "clues"};
    for (const auto& member : root_.members) {
      if (std::find(std::begin(kKept), std::end(kKept), member.first) == std::end(kKept)) left_out_.insert(member.first);
    }
    if (!left_out_.empty()) {
      std::string names;
      for (const std::string& name : left_out_) names += (names.empty() ? "" : ", ") + SafeText(name);
      out_.warnings.push_back("not kept (a puzzle file has no place for them): " + names);
    }
    if (!yo_cells_.empty()) out_.warnings.push_back("ё written as е in " + Listed(yo_cells_));
    if (!yo_clues_.empty()) out_.warnings.push_back("ё written as е in the clues of " + Listed(yo_clues_));
    if (!replaced_clues_.empty()) {
      out_.warnings.push_back("punctuation the puzzle file lacks written with its characters (" + Replacements() +
                              ") in the clues of " + Listed(replaced_clues_));
    }
  }

  static std::string Listed(std::vector<std::string> places) {
    places.erase(std::unique(places.begin(), places.end()), places.end());
    std::string text;
    for (std::size_t i = 0; i < places.size() && i < kMaxListed; ++i) text += (i > 0 ? "; " : "") + places[i];
    if (places.size() > kMaxListed) text += "; and " + std::to_string(places.size() - kMaxListed) + " more";
    return text;
  }

  const json::Value& root_;
  IpuzReading& out_;
  std::size_t fault_count_ = 0;
  std::array<std::vector<std::string>, static_cast<std::size_t>(Reason::Other) + 1> kept_faults_;
  int width_ = 0, height_ = 0;
  json::Value block_ = [] {
    json::Value v;
    v.kind = json::Value::Kind::String;
    v.text = "#";
    return v;
  }();
  json::Value empty_ = [] {
    json::Value v;
    v.kind = json::Value::Kind::Number;
    v.integer = 0;
    return v;
  }();
  std::vector<Cell> cells_;
  std::vector<Word> words_;
  std::set<std::string> left_out_;
  std::vector<std::string> yo_cells_;
  std::vector<std::string> yo_clues_;
  // Each character written instead, with the characters it stands for, in the order first met.
  std::vector<std::pair<std::string, std::vector<std::string>>> replacements_;
  std::vector<std::string> replaced_clues_;
};

}  // namespace

const char IpuzTooLarge[] = "larger than 2 MiB: more than a crossword of up to 64 x 64 cells needs";

IpuzReading ReadIpuz(std::string_view bytes, Puzzle& puzzle) {
  IpuzReading reading;
  if (bytes.size() > MaxIpuzBytes) {
    reading.faults.push_back(IpuzTooLarge);
    return reading;
  }
  const json::ParseResult parsed = json::Parse(bytes);
  if (!parsed.value) {
    reading.faults.push_back("not JSON: " + parsed.error);
    return reading;
  }
  Reader reader(*parsed.value, reading);
  if (reader.Read()) reader.Fill(puzzle);
  reader.ListFaults();
  return reading;
}

}  // namespace gx
