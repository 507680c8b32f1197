// Tokens of a resource script: names, numbers, strings and punctuation;
// comments and preprocessor lines are skipped, "#define NAME value" is kept
// as a symbol.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pekto::rc {

enum class TokenKind { Name, Number, String, Comma, Bar, Begin, End, Minus, EndOfScript };

struct Token {
  TokenKind kind = TokenKind::EndOfScript;
  std::string text;  // name (upper case kept as written), string content
  long value = 0;    // numbers
  int line = 0;
};

struct Lexed {
  std::vector<Token> tokens;
  std::map<std::string, long> defines;
  std::vector<std::string> errors;
};

[[nodiscard]] Lexed Lex(std::string_view text);

}  // namespace pekto::rc
