#include "platform/value_lines.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

struct SplitRow {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};
void PrintTo(const SplitRow& c, std::ostream* os) { *os << c.name; }

class SplitTest : public testing::TestWithParam<SplitRow> {};

TEST_P(SplitTest, Lines) { EXPECT_EQ(SplitValueLines(GetParam().bytes), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(LineEnds, SplitTest,
                         testing::Values(SplitRow{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                                         SplitRow{"Lf", "a\nb\n", {"a", "b"}},
                                         SplitRow{"MissingLastLineEnd", "a\r\nb", {"a", "b"}},
                                         SplitRow{"Mixed", "a\nb\r\nc", {"a", "b", "c"}},
                                         SplitRow{"EmptyValues", "\r\n\r\nx\r\n", {"", "", "x"}},
                                         SplitRow{"EmptyFile", "", {}}, SplitRow{"OnlyLineEnd", "\r\n", {""}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValueLineReader, StopsCleanlyAtTheEndOfAShortFile) {
  ValueLineReader reader("\"1\"\r\n\"2\"");
  EXPECT_EQ(reader.Next(), "\"1\"");
  EXPECT_EQ(reader.Next(), "\"2\"");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.Next(), std::nullopt);
  EXPECT_EQ(reader.Next(), std::nullopt);
  EXPECT_EQ(reader.LinesRead(), 2u);
}

TEST(ValueLines, QuotesAreStrippedOnlyWhenTheyEncloseTheValue) {
  EXPECT_EQ(StripQuotes("\"PEKTO\""), "PEKTO");
  EXPECT_EQ(StripQuotes("\"\""), "");
  EXPECT_EQ(StripQuotes("0"), "0");
  EXPECT_EQ(StripQuotes("\""), "");
  EXPECT_EQ(StripQuotes("\"a\"b\""), "a\"b");
  std::string out;
  AppendQuotedLine(out, "C");
  AppendBareLine(out, "0");
  EXPECT_EQ(out, "\"C\"\r\n0\r\n");
}

}  // namespace
}  // namespace pekto
