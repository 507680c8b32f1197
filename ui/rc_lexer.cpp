#include "ui/rc_lexer.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <limits>
#include <cstdlib>

namespace pekto::rc {

namespace {

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}
  Lexed Run();

 private:
  [[nodiscard]] char Peek(std::size_t ahead = 0) const {
    return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
  }
  void SkipLine() {
    while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
  }
  void Preprocessor();
  void SkipBlockComment();
  void String();
  void Number();
  void Name();
  void Add(TokenKind kind, std::string text = {}, long value = 0) {
    out_.tokens.push_back({kind, std::move(text), value, line_});
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  bool line_start_ = true;
  Lexed out_;
};

void Lexer::Preprocessor() {
  const std::size_t start = pos_;
  SkipLine();
  const std::string line(text_.substr(start, pos_ - start));
  if (line.rfind("#define", 0) != 0) return;
  std::size_t i = 7;
  while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
  const std::size_t name_start = i;
  while (i < line.size() && IsNameChar(line[i])) ++i;
  const std::string name = line.substr(name_start, i - name_start);
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(line.c_str() + i, &end, 0);
  if (name.empty() || end == line.c_str() + i) {
    out_.errors.push_back(std::to_string(line_) + ": #define without a number");
    return;
  }
  if (errno == ERANGE) {
    out_.errors.push_back(std::to_string(line_) + ": number out of range");
    return;
  }
  out_.defines[name] = value;
}

void Lexer::SkipBlockComment() {
  pos_ += 2;
  while (pos_ < text_.size() && !(Peek() == '*' && Peek(1) == '/')) {
    if (text_[pos_] == '\n') ++line_;
    ++pos_;
  }
  pos_ = std::min(pos_ + 2, text_.size());
}

void Lexer::String() {
  ++pos_;
  std::string value;
  while (pos_ < text_.size()) {
    const char c = text_[pos_++];
    if (c == '"') {
      if (Peek() != '"') {
        Add(TokenKind::String, value);
        return;
      }
      ++pos_;
      value += '"';
    } else if (c == '\\' && pos_ < text_.size()) {
      const char e = text_[pos_++];
      value += e == 't' ? '\t' : e == 'n' ? '\n' : e;
    } else if (c == '\n') {
      break;
    } else {
      value += c;
    }
  }
  out_.errors.push_back(std::to_string(line_) + ": string without its closing quote");
  Add(TokenKind::String, value);
}

void Lexer::Number() {
  const std::string rest(text_.substr(pos_, 32));
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(rest.c_str(), &end, 0);
  // Too many digits: the parser refuses what does not fit an int, so the
  // saturated value stands for every larger one.
  const auto used = static_cast<std::size_t>(end - rest.c_str());
  if (errno == ERANGE || used == rest.size()) value = std::numeric_limits<long>::max();
  pos_ += std::max<std::size_t>(1, used);
  if (used == rest.size()) {
    while (pos_ < text_.size() && std::isalnum(static_cast<unsigned char>(Peek()))) ++pos_;
  }
  while (pos_ < text_.size() && (Peek() == 'L' || Peek() == 'l' || Peek() == 'U' || Peek() == 'u')) ++pos_;
  Add(TokenKind::Number, {}, value);
}

void Lexer::Name() {
  const std::size_t start = pos_;
  while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
  std::string name(text_.substr(start, pos_ - start));
  if (name == "BEGIN") return Add(TokenKind::Begin);
  if (name == "END") return Add(TokenKind::End);
  Add(TokenKind::Name, std::move(name));
}

Lexed Lexer::Run() {
  while (pos_ < text_.size()) {
    const char c = Peek();
    if (c == '\n') {
      ++line_;
      ++pos_;
      line_start_ = true;
      continue;
    }
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++pos_;
      continue;
    }
    const bool at_line_start = line_start_;
    line_start_ = false;
    if (c == '#' && at_line_start) {
      Preprocessor();
    } else if (c == '/' && Peek(1) == '/') {
      SkipLine();
    } else if (c == '/' && Peek(1) == '*') {
      SkipBlockComment();
    } else if (c == '"') {
      String();
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      Number();
    } else if (IsNameStart(c)) {
      Name();
    } else {
      ++pos_;
      switch (c) {
        case ',':
          Add(TokenKind::Comma);
          break;
        case '|':
          Add(TokenKind::Bar);
          break;
        case '{':
          Add(TokenKind::Begin);
          break;
        case '}':
          Add(TokenKind::End);
          break;
        case '-':
          Add(TokenKind::Minus);
          break;
        default:
          out_.errors.push_back(std::to_string(line_) + ": unexpected character '" + std::string(1, c) + "'");
      }
    }
  }
  Add(TokenKind::EndOfScript);
  return std::move(out_);
}

}  // namespace

Lexed Lex(std::string_view text) { return Lexer(text).Run(); }

}  // namespace pekto::rc
