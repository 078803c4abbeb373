#include "files/Json.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <unordered_set>

#include "base/SafeText.h"

namespace gx::json {

namespace {

struct Failure {
  std::size_t at;
  std::string what;
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  Value Document() {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    SkipSpace();
    Value value = ParseValue(0);
    SkipSpace();
    if (pos_ != text_.size()) Fail("text after the end of the document");
    return value;
  }

 private:
  [[noreturn]] void Fail(std::string what) const { throw Failure{pos_, std::move(what)}; }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

  void SkipSpace() {
    while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) ++pos_;
  }

  void Expect(char c) {
    if (Peek() != c) Fail(std::string("expected '") + c + "'");
    ++pos_;
  }

  Value ParseValue(int depth) {
    if (depth >= MaxDepth) Fail("nested deeper than " + std::to_string(MaxDepth) + " levels");
    if (++values_ > MaxValues) Fail("more than " + std::to_string(MaxValues) + " values");
    if (AtEnd()) Fail("unexpected end of the text");
    switch (Peek()) {
      case '{': return ParseObject(depth);
      case '[': return ParseArray(depth);
      case '"': {
        Value value;
        value.kind = Value::Kind::String;
        value.text = ParseString();
        return value;
      }
      case 't': return Literal("true", Value::Kind::Bool, true);
      case 'f': return Literal("false", Value::Kind::Bool, false);
      case 'n': return Literal("null", Value::Kind::Null, false);
      default: return ParseNumber();
    }
  }

  Value Literal(std::string_view word, Value::Kind kind, bool boolean) {
    if (text_.substr(pos_, word.size()) != word) Fail("unknown word");
    pos_ += word.size();
    Value value;
    value.kind = kind;
    value.boolean = boolean;
    return value;
  }

  Value ParseObject(int depth) {
    Value value;
    value.kind = Value::Kind::Object;
    ++pos_;
    SkipSpace();
    if (Peek() == '}') {
      ++pos_;
      return value;
    }
    // A set of the keys so far keeps the check for repeated keys linear in the object's size.
    std::unordered_set<std::string> keys;
    for (;;) {
      SkipSpace();
      if (Peek() != '"') Fail("expected a key in quotes");
      const std::size_t key_at = pos_;
      std::string key = ParseString();
      if (!keys.insert(key).second) {
        pos_ = key_at;
        Fail("key \"" + SafeText(key) + "\" given twice");
      }
      SkipSpace();
      Expect(':');
      SkipSpace();
      value.members.emplace_back(std::move(key), ParseValue(depth + 1));
      SkipSpace();
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      Expect('}');
      return value;
    }
  }

  Value ParseArray(int depth) {
    Value value;
    value.kind = Value::Kind::Array;
    ++pos_;
    SkipSpace();
    if (Peek() == ']') {
      ++pos_;
      return value;
    }
    for (;;) {
      SkipSpace();
      value.items.push_back(ParseValue(depth + 1));
      SkipSpace();
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      Expect(']');
      return value;
    }
  }

  unsigned Hex4() {
    unsigned code = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = Peek();
      unsigned digit = 0;
      if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
      else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
      else Fail("expected four hexadecimal digits after \\u");
      code = code * 16 + digit;
      ++pos_;
    }
    return code;
  }

  char32_t Escape() {
    const char c = Peek();
    ++pos_;
    switch (c) {
      case '"': return U'"';
      case '\\': return U'\\';
      case '/': return U'/';
      case 'b': return U'\b';
      case 'f': return U'\f';
      case 'n': return U'\n';
      case 'r': return U'\r';
      case 't': return U'\t';
      case 'u': break;
      default: --pos_; Fail("unknown escape");
    }
    const unsigned high = Hex4();
    if (high >= 0xDC00 && high <= 0xDFFF) Fail("a low surrogate without its high one");
    if (high < 0xD800 || high > 0xDBFF) return high;
    if (text_.substr(pos_, 2) != "\\u") Fail("a high surrogate without its low one");
    pos_ += 2;
    const unsigned low = Hex4();
    if (low < 0xDC00 || low > 0xDFFF) Fail("a high surrogate without its low one");
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
  }

  // One UTF-8 character copied as it stands, checked to be well formed and shortest.
  void CopyUtf8(std::string& out) {
    const auto lead = static_cast<unsigned char>(Peek());
    int extra = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      code = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      code = lead & 0x07;
    } else {
      Fail("not UTF-8");
    }
    const std::size_t start = pos_++;
    for (int i = 0; i < extra; ++i) {
      const auto next = static_cast<unsigned char>(Peek());
      if (AtEnd() || (next & 0xC0) != 0x80) {
        pos_ = start;
        Fail("not UTF-8");
      }
      code = code << 6 | (next & 0x3F);
      ++pos_;
    }
    const bool overlong = (extra == 2 && code < 0x800) || (extra == 3 && code < 0x10000);
    if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
      pos_ = start;
      Fail("not UTF-8");
    }
    out.append(text_.substr(start, pos_ - start));
  }

  std::string ParseString() {
    Expect('"');
    std::string out;
    for (;;) {
      if (AtEnd()) Fail("a string without its closing quote");
      const char c = Peek();
      if (c == '"') {
        ++pos_;
        return out;
      }
      if (static_cast<unsigned char>(c) < 0x20) Fail("a control character inside a string");
      if (c == '\\') {
        ++pos_;
        AppendUtf8(out, Escape());
        continue;
      }
      CopyUtf8(out);
    }
  }

  void Digits() {
    if (Peek() < '0' || Peek() > '9') Fail("expected a digit");
    while (Peek() >= '0' && Peek() <= '9') ++pos_;
  }

  Value ParseNumber() {
    const std::size_t start = pos_;
    if (Peek() == '-') ++pos_;
    if (Peek() < '0' || Peek() > '9') Fail("unexpected character");
    if (Peek() == '0') {
      ++pos_;
    } else {
      Digits();
    }
    bool whole = true;
    if (Peek() == '.') {
      ++pos_;
      Digits();
      whole = false;
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++pos_;
      if (Peek() == '+' || Peek() == '-') ++pos_;
      Digits();
      whole = false;
    }
    const std::string literal(text_.substr(start, pos_ - start));
    Value value;
    value.kind = Value::Kind::Number;
    value.number = std::strtod(literal.c_str(), nullptr);
    if (!std::isfinite(value.number)) Fail("a number too large");
    if (whole && literal.size() <= 18) value.integer = std::strtoll(literal.c_str(), nullptr, 10);
    return value;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t values_ = 0;
};

std::string Position(std::string_view text, std::size_t at) {
  std::size_t line = 1, column = 1;
  for (std::size_t i = 0; i < at && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

const Value* Value::Find(std::string_view key) const {
  for (const auto& member : members) {
    if (member.first == key) return &member.second;
  }
  return nullptr;
}

ParseResult Parse(std::string_view text) {
  ParseResult result;
  try {
    result.value = Parser(text).Document();
  } catch (const Failure& failure) {
    result.error = Position(text, failure.at) + ": " + failure.what;
  }
  return result;
}

std::string Quote(std::string_view bytes) {
  static const char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (char c : ValidUtf8(bytes)) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          out += "\\u00";
          out.push_back(kHex[byte >> 4]);
          out.push_back(kHex[byte & 0xF]);
        } else {
          out.push_back(c);
        }
    }
  }
  return out + "\"";
}

}  // namespace gx::json
