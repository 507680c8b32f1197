#include "tools/json.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

TEST(Json, ReadsNestedObjectsAndKeepsNumbersAsText) {
  const auto r = ParseJson(R"({"id": "A1", "fields": {"tax_days": 30, "x": [1, 2.50, -3e2]}, "ok": true, "n": null})");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.value.Find("id")->text, "A1");
  const JsonValue* fields = r.value.Find("fields");
  ASSERT_NE(fields, nullptr);
  EXPECT_EQ(fields->Find("tax_days")->text, "30");
  EXPECT_EQ(fields->Find("x")->items[1].text, "2.50");
  EXPECT_EQ(fields->Find("x")->items[2].text, "-3e2");
  EXPECT_TRUE(r.value.Find("ok")->boolean);
  EXPECT_EQ(r.value.Find("n")->kind, JsonValue::Kind::Null);
  EXPECT_EQ(r.value.Find("missing"), nullptr);
}

TEST(Json, DecodesEscapesAndUnicode) {
  const auto r = ParseJson(R"("M\u00fcller \"A\" \\ \ud83d\ude00 Stra\u00DFe")");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.value.text, "Müller \"A\" \\ 😀 Straße");
}

struct BadJson {
  const char* name;
  const char* text;
};
void PrintTo(const BadJson& c, std::ostream* os) { *os << c.name; }

class JsonErrors : public ::testing::TestWithParam<BadJson> {};

TEST_P(JsonErrors, RefusedWithAPositionInTheMessage) {
  const auto r = ParseJson(GetParam().text);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("Position"), std::string::npos) << r.error;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonErrors,
    ::testing::Values(BadJson{"Empty", ""}, BadJson{"Unclosed", R"({"a": 1)"}, BadJson{"MissingColon", R"({"a" 1})"},
                      BadJson{"TrailingText", R"({} x)"}, BadJson{"BareWord", R"({"a": yes})"},
                      BadJson{"UnquotedKey", R"({a: 1})"}, BadJson{"ControlCharacter", "\"a\nb\""},
                      BadJson{"LoneSurrogate", R"("\ud83d")"}, BadJson{"BadEscape", R"("\q")"},
                      BadJson{"TooDeep", "[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]"},
                      BadJson{"LeadingDot", R"(.5)"}, BadJson{"LoneLowSurrogate", R"("\udc00")"},
                      BadJson{"LowThenHighSurrogate", R"("\udc00\ud800")"},
                      BadJson{"Windows1252Byte", "\"J\xC4GER\""}, BadJson{"TruncatedSequence", "\"\xC3\""},
                      BadJson{"OverlongSlash", "\"\xC0\xAF\""}, BadJson{"EncodedSurrogate", "\"\xED\xB0\x80\""},
                      BadJson{"AboveUnicode", "\"\xF4\x90\x80\x80\""}, BadJson{"BrokenKey", "{\"\xFF\": 1}"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Json, KeepsWellFormedUtf8) {
  const auto r = ParseJson("\"Jäger \xF0\x9F\x98\x80 \\ud83d\\ude00\"");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.value.text, "Jäger \xF0\x9F\x98\x80 \xF0\x9F\x98\x80");
}

TEST(Json, QuoteWritesOnlyValidUtf8) {
  EXPECT_EQ(JsonQuote("J\xC4GER"), "\"J\xEF\xBF\xBD" "GER\"");  // U+FFFD
  EXPECT_EQ(JsonQuote("\xED\xB0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
  EXPECT_EQ(JsonQuote("Jäger"), "\"Jäger\"");
}

TEST(Json, QuoteAndWriterProduceValidJson) {
  EXPECT_EQ(JsonQuote("a\"b\\c\n\x01"), R"("a\"b\\c\n\u0001")");
  JsonWriter w;
  w.BeginObject();
  w.String("id", "Ä");
  w.BeginObject("result");
  w.Integer("netto", -5);
  w.Integer("brutto", 100);
  w.EndObject();
  w.Raw("x", "null");
  w.EndObject();
  EXPECT_EQ(w.Text(), R"({"id":"Ä","result":{"netto":-5,"brutto":100},"x":null})");
  EXPECT_TRUE(ParseJson(w.Text()).ok);
}

}  // namespace
}  // namespace pekto
