#include "tools/json.h"

#include <algorithm>

namespace pekto {
namespace {

// The length of the well-formed UTF-8 sequence at `pos` (RFC 3629: no
// overlong forms, no surrogates, nothing above U+10FFFF), 0 when there is
// none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // U+D800..U+DFFF
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  JsonParseResult Run() {
    JsonParseResult result;
    SkipSpace();
    if (!ParseValue(result.value, 0)) {
      result.error = error_;
      return result;
    }
    SkipSpace();
    if (pos_ != text_.size()) {
      result.error = Fail("unerwartete Zeichen nach dem Ende");
      return result;
    }
    result.ok = true;
    return result;
  }

 private:
  static constexpr int kMaxDepth = 64;

  std::string Fail(std::string_view what) {
    error_ = "JSON ungültig an Position " + std::to_string(pos_ + 1) + ": " + std::string(what);
    return error_;
  }

  void SkipSpace() {
    while (pos_ < text_.size() &&
           (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r')) {
      ++pos_;
    }
  }

  bool Literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  bool ParseValue(JsonValue& out, int depth) {
    if (depth > kMaxDepth) return Fail("zu tief verschachtelt"), false;
    if (pos_ >= text_.size()) return Fail("Wert fehlt"), false;
    const char c = text_[pos_];
    if (c == '{') return ParseObject(out, depth);
    if (c == '[') return ParseArray(out, depth);
    if (c == '"') {
      out.kind = JsonValue::Kind::String;
      return ParseString(out.text);
    }
    if (c == '-' || (c >= '0' && c <= '9')) return ParseNumber(out);
    if (Literal("true")) {
      out.kind = JsonValue::Kind::Bool;
      out.boolean = true;
      return true;
    }
    if (Literal("false")) {
      out.kind = JsonValue::Kind::Bool;
      return true;
    }
    if (Literal("null")) {
      out.kind = JsonValue::Kind::Null;
      return true;
    }
    return Fail("unbekannter Wert"), false;
  }

  bool ParseObject(JsonValue& out, int depth) {
    out.kind = JsonValue::Kind::Object;
    ++pos_;
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == '}') {
      ++pos_;
      return true;
    }
    while (true) {
      SkipSpace();
      if (pos_ >= text_.size() || text_[pos_] != '"') return Fail("Schlüssel in Anführungszeichen erwartet"), false;
      std::string key;
      if (!ParseString(key)) return false;
      SkipSpace();
      if (pos_ >= text_.size() || text_[pos_] != ':') return Fail("':' erwartet"), false;
      ++pos_;
      SkipSpace();
      JsonValue value;
      if (!ParseValue(value, depth + 1)) return false;
      out.members.push_back({std::move(key), std::move(value)});
      SkipSpace();
      if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == '}') {
        ++pos_;
        return true;
      }
      return Fail("',' oder '}' erwartet"), false;
    }
  }

  bool ParseArray(JsonValue& out, int depth) {
    out.kind = JsonValue::Kind::Array;
    ++pos_;
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == ']') {
      ++pos_;
      return true;
    }
    while (true) {
      SkipSpace();
      JsonValue value;
      if (!ParseValue(value, depth + 1)) return false;
      out.items.push_back(std::move(value));
      SkipSpace();
      if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == ']') {
        ++pos_;
        return true;
      }
      return Fail("',' oder ']' erwartet"), false;
    }
  }

  bool ParseNumber(JsonValue& out) {
    const std::size_t start = pos_;
    if (text_[pos_] == '-') ++pos_;
    auto digits = [&] {
      const std::size_t from = pos_;
      while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
      return pos_ > from;
    };
    if (!digits()) return Fail("Ziffer erwartet"), false;
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      if (!digits()) return Fail("Ziffer nach '.' erwartet"), false;
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
      if (!digits()) return Fail("Exponent erwartet"), false;
    }
    out.kind = JsonValue::Kind::Number;
    out.text = std::string(text_.substr(start, pos_ - start));
    return true;
  }

  static void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  bool Hex4(std::uint32_t& value) {
    if (pos_ + 4 > text_.size()) return Fail("\\u braucht vier Hexziffern"), false;
    value = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[pos_++];
      value <<= 4;
      if (c >= '0' && c <= '9') {
        value |= static_cast<std::uint32_t>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        value |= static_cast<std::uint32_t>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        value |= static_cast<std::uint32_t>(c - 'A' + 10);
      } else {
        return Fail("ungültige Hexziffer"), false;
      }
    }
    return true;
  }

  bool ParseString(std::string& out) {
    ++pos_;  // opening quote
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return Fail("Steuerzeichen in Zeichenkette"), false;
      if (static_cast<unsigned char>(c) >= 0x80) {
        const std::size_t length = Utf8SequenceLength(text_, pos_ - 1);
        if (length == 0) return --pos_, Fail("ungültiges UTF-8"), false;
        out.append(text_.substr(pos_ - 1, length));
        pos_ += length - 1;
        continue;
      }
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) break;
      const char e = text_[pos_++];
      switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          std::uint32_t cp = 0;
          if (!Hex4(cp)) return false;
          if (cp >= 0xD800 && cp <= 0xDBFF) {
            std::uint32_t low = 0;
            if (!Literal("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) {
              return Fail("unvollständiges Surrogatpaar"), false;
            }
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            return Fail("einzelnes Surrogat"), false;
          }
          AppendUtf8(out, cp);
          break;
        }
        default:
          return Fail("ungültiges Escape-Zeichen"), false;
      }
    }
    return Fail("Zeichenkette nicht abgeschlossen"), false;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::string error_;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view key) const {
  for (const auto& [name, value] : members) {
    if (name == key) return &value;
  }
  return nullptr;
}

JsonParseResult ParseJson(std::string_view text) { return Parser(text).Run(); }

std::string JsonQuote(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  const bool plain = std::none_of(text.begin(), text.end(), [](char c) {
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x80;
  });
  if (plain) {
    out += text;
    out += '"';
    return out;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (static_cast<unsigned char>(c) >= 0x80) {
      // Every line written is valid UTF-8: a broken sequence (never from
      // parsed input, which is checked) becomes U+FFFD.
      const std::size_t length = Utf8SequenceLength(text, i);
      if (length == 0) {
        out += "\xEF\xBF\xBD";  // U+FFFD
      } else {
        out.append(text.substr(i, length));
        i += length - 1;
      }
      continue;
    }
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          static constexpr char kHex[] = "0123456789abcdef";
          out += "\\u00";
          out += kHex[(c >> 4) & 0xF];
          out += kHex[c & 0xF];
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

void JsonWriter::Key(std::string_view key) {
  if (need_comma_) out_ += ',';
  if (!key.empty()) {
    out_ += JsonQuote(key);
    out_ += ':';
  }
}

void JsonWriter::BeginObject(std::string_view key) {
  Key(key);
  out_ += '{';
  need_comma_ = false;
}

void JsonWriter::EndObject() {
  out_ += '}';
  need_comma_ = true;
}

void JsonWriter::Integer(std::string_view key, std::int64_t value) {
  Key(key);
  out_ += std::to_string(value);
  need_comma_ = true;
}

void JsonWriter::String(std::string_view key, std::string_view value) {
  Key(key);
  out_ += JsonQuote(value);
  need_comma_ = true;
}

void JsonWriter::Raw(std::string_view key, std::string_view json) {
  Key(key);
  out_ += json;
  need_comma_ = true;
}

}  // namespace pekto
