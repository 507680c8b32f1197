// A small JSON reader and writer for the command-line tools and their
// tests: objects, arrays, strings (UTF-8, \u escapes), numbers, true,
// false, null. Numbers keep their text so that no amount passes through
// binary floating point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pekto {

struct JsonMember;

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };

  Kind kind = Kind::Null;
  bool boolean = false;
  std::string text;  // the string's content, or the number as written
  std::vector<JsonValue> items;
  // A vector of a type completed below (allowed since C++17); a pair of
  // the incomplete JsonValue is not, and clang refuses it.
  std::vector<JsonMember> members;

  [[nodiscard]] const JsonValue* Find(std::string_view key) const;
};

struct JsonMember {
  std::string first;  // the key
  JsonValue second;   // its value
};

struct JsonParseResult {
  bool ok = false;
  JsonValue value;
  std::string error;  // German message with the character position
};

[[nodiscard]] JsonParseResult ParseJson(std::string_view text);

// The text as a JSON string literal, quotes included.
[[nodiscard]] std::string JsonQuote(std::string_view text);

// Builds one JSON object line: Begin/End nest objects, keys come in the
// order they are added.
class JsonWriter {
 public:
  void BeginObject(std::string_view key = {});
  void EndObject();
  void Integer(std::string_view key, std::int64_t value);
  void String(std::string_view key, std::string_view value);
  void Raw(std::string_view key, std::string_view json);
  [[nodiscard]] const std::string& Text() const { return out_; }

 private:
  void Key(std::string_view key);
  std::string out_;
  bool need_comma_ = false;
};

}  // namespace pekto
