#pragma once
// A strict JSON reader and the quoting of strings for writers: enough for crossword files other
// programs exchange. The reader takes UTF-8 text as RFC 8259 defines it and refuses everything
// else (comments, trailing commas, repeated keys, malformed UTF-8, lone surrogates), with the line
// and column of the first fault.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gx::json {

struct Member;

struct Value {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::optional<std::int64_t> integer;  // a number written without fraction or exponent that fits
  std::string text;                     // a string, UTF-8
  std::vector<Value> items;             // an array
  std::vector<Member> members;          // an object, in file order

  bool IsNull() const { return kind == Kind::Null; }
  bool IsString() const { return kind == Kind::String; }
  bool IsArray() const { return kind == Kind::Array; }
  bool IsObject() const { return kind == Kind::Object; }
  bool IsInteger() const { return kind == Kind::Number && integer.has_value(); }
  // The member of an object, or nothing.
  const Value* Find(std::string_view key) const;
};

// A key and its value. A pair of a string and a Value would need Value complete where Value itself
// is declared, which not every compiler's library allows.
struct Member {
  Member(std::string key, Value value) : first(std::move(key)), second(std::move(value)) {}
  std::string first;
  Value second;
};

struct ParseResult {
  std::optional<Value> value;
  std::string error;  // "line L, column C: what", when value is empty
};

// Nesting deeper than this is refused: no file of ours or of a crossword program needs it.
constexpr int MaxDepth = 64;

// A document of more values (object members and array items counted, the whole too) is refused,
// which bounds the reader's memory (about 110 bytes a value, some 15 MB in all) whatever the text:
// a 64 x 64 crossword written cell by cell as styled objects, with a thousand clues listing their
// cells, needs about 50,000.
constexpr std::size_t MaxValues = std::size_t{1} << 17;

// The whole text must be one value with only white space around it; a leading byte-order mark is
// skipped.
ParseResult Parse(std::string_view text);

// The string as a JSON literal with its quotes: quote, backslash and control characters escaped,
// everything else (UTF-8 included) as it is. A byte that is not part of well-formed UTF-8 (a file
// name from a system that does not use it) becomes U+FFFD, so that every reader takes the result.
std::string Quote(std::string_view bytes);

}  // namespace gx::json
