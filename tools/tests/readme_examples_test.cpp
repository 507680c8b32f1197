// Runs every "$ ./run pekto-calc ..." example of README.md and compares
// what it prints with the output shown below it, so that the examples
// cannot go stale. In the shown output "..." stands for any text, trailing
// blanks do not count, and a JSON line may be shown wrapped.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/calc_command.h"

namespace pekto {
namespace {

struct ReadmeExample {
  std::string name;  // "line N" of README.md
  std::vector<std::string> arguments;
  std::string shown;
};
void PrintTo(const ReadmeExample& c, std::ostream* os) { *os << c.name; }

constexpr std::string_view kPrompt = "$ ./run pekto-calc";

// Words of a shell line: blanks separate, single quotes keep a word whole.
std::vector<std::string> ShellWords(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;
  bool quoted = false;
  for (const char c : line) {
    if (quoted) {
      if (c == '\'') {
        quoted = false;
      } else {
        word += c;
      }
    } else if (c == '\'') {
      quoted = in_word = true;
    } else if (c == ' ' || c == '\t') {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
    } else if (c == '#') {
      break;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

std::vector<ReadmeExample> ReadExamples() {
  std::ifstream file(std::string(PEKTO_SOURCE_DIR) + "/README.md");
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  std::vector<ReadmeExample> examples;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].starts_with(kPrompt)) continue;
    ReadmeExample example{"line " + std::to_string(i + 1), {}, {}};
    std::string command;
    while (true) {
      std::string part = lines[i];
      const bool continued = !part.empty() && part.back() == '\\';
      if (continued) part.pop_back();
      command += part + " ";
      if (!continued) break;
      ++i;
    }
    example.arguments = ShellWords(std::string_view(command).substr(kPrompt.size()));
    for (++i; i < lines.size() && !lines[i].starts_with("```") && !lines[i].starts_with("$ "); ++i) {
      example.shown += lines[i] + "\n";
    }
    --i;
    examples.push_back(example);
  }
  return examples;
}

std::string WithoutTrailingBlanks(const std::string& text) {
  std::istringstream in(text);
  std::string out;
  for (std::string line; std::getline(in, line);) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
  }
  return out;
}

// A JSON line shown wrapped: the lines joined, the indentation of the
// continuation lines dropped.
std::string Unwrapped(const std::string& shown) {
  if (!shown.starts_with("{")) return shown;
  std::istringstream in(shown);
  std::string out;
  for (std::string line; std::getline(in, line);) out += line.substr(line.find_first_not_of(' '));
  return out + "\n";
}

// "..." in the pattern matches any text, everything else itself.
bool Matches(std::string_view pattern, std::string_view text) {
  const std::size_t gap = pattern.find("...");
  if (gap == std::string_view::npos) return pattern == text;
  if (!text.starts_with(pattern.substr(0, gap))) return false;
  const std::string_view rest = pattern.substr(gap + 3);
  for (std::size_t from = gap; from <= text.size(); ++from) {
    if (Matches(rest, text.substr(from))) return true;
  }
  return false;
}

class ReadmeExamples : public ::testing::TestWithParam<ReadmeExample> {};

TEST_P(ReadmeExamples, PrintWhatTheReadmeShows) {
  const ReadmeExample& example = GetParam();
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  (void)RunCalcCommand(example.arguments, in, out, err);
  const std::string printed = WithoutTrailingBlanks(out.str() + err.str());
  const std::string shown = WithoutTrailingBlanks(Unwrapped(example.shown));
  EXPECT_TRUE(Matches(shown, printed)) << "README shows:\n" << shown << "\npekto-calc prints:\n" << printed;
}

INSTANTIATE_TEST_SUITE_P(Readme, ReadmeExamples, ::testing::ValuesIn(ReadExamples()),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (c == ' ') c = '_';
                           }
                           return name;
                         });

TEST(ReadmeExamplesFound, TheReadmeHasItsExamples) { EXPECT_GE(ReadExamples().size(), 4u); }

}  // namespace
}  // namespace pekto
