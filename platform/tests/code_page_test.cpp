#include "platform/code_page.h"

#include <gtest/gtest.h>

#include "platform/utf8.h"

namespace pekto {
namespace {

struct UmlautRow {
  const char* name;
  const char* utf8;
  unsigned char cp1252;
  unsigned char cp437;
};
void PrintTo(const UmlautRow& c, std::ostream* os) { *os << c.name; }

class UmlautTest : public testing::TestWithParam<UmlautRow> {};

TEST_P(UmlautTest, RoundTripsThroughBothCodePagesAndTheDosNameForm) {
  const auto& row = GetParam();
  const std::string ansi(1, static_cast<char>(row.cp1252));
  const std::string dos(1, static_cast<char>(row.cp437));
  EXPECT_EQ(Utf8ToCp1252(row.utf8), ansi);
  EXPECT_EQ(Cp1252ToUtf8(ansi), row.utf8);
  EXPECT_EQ(Utf8ToCp437(row.utf8), dos);
  EXPECT_EQ(Cp437ToUtf8(dos), row.utf8);
  EXPECT_EQ(Utf8ToDosUmlauts(row.utf8), dos);
  EXPECT_EQ(DosUmlautsToUtf8(dos), row.utf8);
}

INSTANTIATE_TEST_SUITE_P(SixUmlauts, UmlautTest,
                         testing::Values(UmlautRow{"ae", "ä", 0xE4, 0x84}, UmlautRow{"oe", "ö", 0xF6, 0x94},
                                         UmlautRow{"ue", "ü", 0xFC, 0x81}, UmlautRow{"Ae", "Ä", 0xC4, 0x8E},
                                         UmlautRow{"Oe", "Ö", 0xD6, 0x99}, UmlautRow{"Ue", "Ü", 0xDC, 0x9A}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CodePage, SharpSStaysAtItsWindowsPositionInNames) {
  EXPECT_EQ(Utf8ToDosUmlauts("Straße"),
            "Stra\xDF"
            "e");
  EXPECT_EQ(DosUmlautsToUtf8("Stra\xDF"
                             "e"),
            "Straße");
  EXPECT_EQ(Utf8ToCp437("ß"), "\xE1");
}

TEST(CodePage, NameWithUmlautsAndPunctuation) {
  EXPECT_EQ(Utf8ToDosUmlauts("Überstunden-Zuschläge"),
            "\x9A"
            "berstunden-Zuschl\x84"
            "ge");
  EXPECT_EQ(DosUmlautsToUtf8("\x9A"
                             "berstunden-Zuschl\x84"
                             "ge"),
            "Überstunden-Zuschläge");
}

TEST(CodePage, BoxDrawingCharactersOfCodePage437) {
  const std::string frame = "╔═╦═╗║ ║╠═╬═╣╚═╩═╝┌─┬─┐│├─┼─┤└─┴─┘";
  const std::string bytes = Utf8ToCp437(frame);
  EXPECT_EQ(bytes.substr(0, 5), "\xC9\xCD\xCB\xCD\xBB");
  EXPECT_EQ(bytes.substr(18, 5), "\xDA\xC4\xC2\xC4\xBF");
  EXPECT_EQ(Cp437ToUtf8(bytes), frame);
}

TEST(CodePage, EveryByteRoundTripsByteExact) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Utf8ToCp437(Cp437ToUtf8(all)), all);
}

TEST(CodePage, UnrepresentableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("a€b"),
            "a\x80"
            "b");
  EXPECT_EQ(Utf8ToCp1252("x≠y"), "x?y");
  EXPECT_FALSE(IsRepresentableInCp1252("x≠y"));
  EXPECT_TRUE(IsRepresentableInCp1252("Müller, Jürgen"));
  EXPECT_EQ(Utf8ToCp1252("\xFF"), "?");  // invalid UTF-8
}

TEST(Utf8, UpperCaseKeepsSharpS) {
  EXPECT_EQ(ToUpperGerman("müller, jürgen straße"), "MÜLLER, JÜRGEN STRAßE");
  EXPECT_EQ(FoldCase("PEKTO Ö"), "pekto ö");
  EXPECT_EQ(CodePointCount("Größe"), 5u);
}

}  // namespace
}  // namespace pekto
