#include "tools/calc_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tools/json.h"

namespace pekto {
namespace {

struct CalcRun {
  int code = 0;
  std::string out;
  std::string err;
};

CalcRun Calc(std::vector<std::string> args, const std::string& input = {}) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  CalcRun r;
  r.code = RunCalcCommand(args, in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// An employee who passes the main mask's input checks: taxed, not insured.
const std::vector<std::string> kEmployee = {
    "period=0124",      "birth_date=15061980", "tax_class=1", "tax_days=30", "taxable_gross=3000,00",
    "gross_total=3000,00", "state_code=8",     "church_employee=01", "kv_key=0", "rv_key=0",
    "av_key=0",         "pv_key=0"};

TEST(PektoCalc, JsonHasEveryKeyOfTheResultShape) {
  auto args = kEmployee;
  args.push_back("--json");
  const CalcRun r = Calc(args);
  ASSERT_EQ(r.code, 0) << r.err;
  const auto parsed = ParseJson(r.out);
  ASSERT_TRUE(parsed.ok) << parsed.error;
  const std::vector<std::pair<const char*, std::vector<const char*>>> shape = {
      {"laufende_an", {"lohnsteuer", "kist_an", "kist_eg", "soli", "kv", "rv", "av", "pv"}},
      {"laufende_ag", {"kv", "rv", "av", "pv"}},
      {"sonstige_an", {"lohnsteuer", "kist_an", "kist_eg", "soli", "kv", "rv", "av", "pv"}},
      {"sonstige_ag", {"kv", "rv", "av", "pv"}},
      {"arbeitnehmer",
       {"bruttolohn", "ges_abz", "sonst_abz_vor_netto", "netto", "pfaendung", "kammer", "sonst_abz_nach_netto",
        "ausbezahlt"}},
      {"arbeitgeber", {"bruttolohn", "sv_beitrag", "uv1", "uv2", "p_lst", "p_kist", "p_soli", "u_insol", "gesamt"}},
  };
  ASSERT_EQ(parsed.value.members.size(), shape.size());
  for (const auto& [group, keys] : shape) {
    const JsonValue* object = parsed.value.Find(group);
    ASSERT_NE(object, nullptr) << group;
    ASSERT_EQ(object->members.size(), keys.size()) << group;
    for (const char* key : keys) {
      const JsonValue* value = object->Find(key);
      ASSERT_NE(value, nullptr) << group << "." << key;
      EXPECT_EQ(value->kind, JsonValue::Kind::Number) << group << "." << key;
    }
  }
  EXPECT_GT(std::stoll(parsed.value.Find("laufende_an")->Find("lohnsteuer")->text), 0);
}

TEST(PektoCalc, TableIsTheResultsOverviewInGerman) {
  const CalcRun r = Calc(kEmployee);
  ASSERT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("Ihre Abrechnungsergebnisse in der Übersicht"), std::string::npos);
  EXPECT_NE(r.out.find("Laufende AN"), std::string::npos);
  EXPECT_EQ(r.out.find(" 0,00"), std::string::npos) << "zero amounts stay empty";
  EXPECT_NE(r.out.find("3000,00"), std::string::npos);
}

TEST(PektoCalc, ExplainShowsTheWorkingValues) {
  auto args = kEmployee;
  args.push_back("--explain");
  const CalcRun r = Calc(args);
  EXPECT_NE(r.out.find("Jahresarbeitslohn: 36000,00 EUR"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Vorsorgepauschale"), std::string::npos);
}

struct BadArgument {
  const char* name;
  const char* argument;
  const char* message_part;
};
void PrintTo(const BadArgument& c, std::ostream* os) { *os << c.name; }

class PektoCalcBadInput : public ::testing::TestWithParam<BadArgument> {};

TEST_P(PektoCalcBadInput, ExitCodeTwoAndTheFieldNamed) {
  const BadArgument& c = GetParam();
  const CalcRun r = Calc({"period=0124", c.argument});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find(c.message_part), std::string::npos) << r.err;
  EXPECT_TRUE(r.out.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, PektoCalcBadInput,
    ::testing::Values(BadArgument{"UnknownField", "tax_clas=1", "Unbekanntes Feld \"tax_clas\""},
                      BadArgument{"NonNumericAmount", "taxable_gross=30x0,00", "taxable_gross"},
                      BadArgument{"DecimalPoint", "taxable_gross=3000.00", "nur Ziffern und Komma erlaubt"},
                      BadArgument{"MinusWhereTheFilterRefusesIt", "taxable_gross=-3000,00", "nur Ziffern und Komma"},
                      BadArgument{"KeyOutsideItsList", "kv_key=7", "kv_key"},
                      BadArgument{"TooLong", "tax_days=3000", "höchstens 3 Zeichen"},
                      BadArgument{"LettersInDays", "tax_days=3o", "nur Ziffern"},
                      BadArgument{"UnknownOption", "--jsn", "Unbekannte Option"}),
    [](const auto& info) { return std::string(info.param.name); });

// What the mask's input filter lets through is the input checks' to judge,
// with the message RETURN on the mask shows.
TEST(PektoCalc, ValueTheFilterLetsThroughGetsTheCheckMessage) {
  auto args = kEmployee;
  args.push_back("annual_allowance=12-,00");
  const CalcRun r = Calc(args);
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Bitte die Menge mit korrekter"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("(-xxx,xx) angeben."), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("kein gültiger Betrag"), std::string::npos) << r.err;
}

// A multiple employment of 2023 with 1.500,00 EUR at the other employer: the
// field holds seven characters and the check admits up to 1.999,99 EUR.
TEST(PektoCalc, MidiJobWithOtherEmployerPayAboveNineHundredNinetyNine) {
  const CalcRun r = Calc({"period=0523", "birth_date=12051985", "state_code=11", "tax_class=1", "tax_days=30",
                          "kv_key=1", "kv_rate=16,20", "rv_key=1", "av_key=1", "pv_key=1", "sv_attribute_key=3",
                          "sv_days=30", "gross_total=400,00", "taxable_gross=400,00", "sv_gross=400,00",
                          "midi_other_employer_pay=1500,00", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = ParseJson(r.out);
  ASSERT_TRUE(json.ok) << json.error;
  // 2023: G 520, OG 2000, F 0,6922, pay of both employers 1.900,00.
  // BE_AN = 2000/1480 x 1380 = 1864,86, this employer's share x 400/1900 =
  // 392,60; RV 9,3 % = 36,51. BE = 0,6922 x 520 + (2000/1480 - 520/1480 x
  // 0,6922) x 1380 = 1889,18, share 397,72; RV 18,6 % = 73,98 - 36,51 = 37,47.
  EXPECT_EQ(json.value.Find("laufende_an")->Find("rv")->text, "3651") << r.out;
  EXPECT_EQ(json.value.Find("laufende_ag")->Find("rv")->text, "3747") << r.out;
  const CalcRun too_long = Calc({"period=0523", "midi_other_employer_pay=15000,00"});
  EXPECT_EQ(too_long.code, 2);
  EXPECT_NE(too_long.err.find("höchstens 7 Zeichen"), std::string::npos) << too_long.err;
}

TEST(PektoCalc, FailingInputCheckStopsWithItsFieldAndMessage) {
  const CalcRun r = Calc({"period=0124", "birth_date=15061980", "tax_class=1", "tax_days=30",
                          "taxable_gross=3000,00", "state_code=8"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Eingabe Fehler !"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("KV-Schl"), std::string::npos) << r.err;
  EXPECT_TRUE(r.out.empty());
  const CalcRun unchecked = Calc({"period=0124", "tax_class=1", "tax_days=30", "taxable_gross=3000,00",
                                  "--no-checks"});
  EXPECT_EQ(unchecked.code, 0) << unchecked.err;
}

constexpr const char* kValidFields =
    R"("birth_date": "15061980", "state_code": "8", "kv_key": "0", "rv_key": "0", "av_key": "0", "pv_key": "0")";

TEST(PektoCalcJsonLines, OneResultPerLineAndErrorsDoNotStopTheRun) {
  const std::string valid = kValidFields;
  const std::string input =
      R"({"id": "A", "fields": {"period": "0124", "tax_class": "1", "tax_days": "30", "taxable_gross": "3000,00", )" +
      valid + "}}\n\n" +
      R"({"id": "B", "fields": {"period": "0124", "bogus": "1"}})"
      "\n"
      R"({"id": 7, "fields": {"period": "0124", "tax_days": 30, )" +
      valid + "}}\n" +
      R"({"id": "C", "fields": )"
      "\r\n"
      R"({"id": "D", "fields": {"taxable_gross": 12.5}})"
      "\n";
  const CalcRun r = Calc({"--json-lines"}, input);
  EXPECT_EQ(r.code, 2);
  std::istringstream lines(r.out);
  std::vector<JsonValue> outputs;
  for (std::string line; std::getline(lines, line);) {
    const auto parsed = ParseJson(line);
    ASSERT_TRUE(parsed.ok) << line;
    outputs.push_back(parsed.value);
  }
  ASSERT_EQ(outputs.size(), 5U);
  EXPECT_EQ(outputs[0].Find("id")->text, "A");
  EXPECT_NE(outputs[0].Find("result"), nullptr);
  EXPECT_NE(outputs[1].Find("error")->text.find("bogus"), std::string::npos);
  EXPECT_EQ(outputs[2].Find("id")->text, "7");
  EXPECT_NE(outputs[2].Find("result"), nullptr);
  EXPECT_EQ(outputs[3].Find("id")->kind, JsonValue::Kind::Null);
  EXPECT_NE(outputs[3].Find("error")->text.find("Zeile 5"), std::string::npos);
  EXPECT_NE(outputs[4].Find("error")->text.find("taxable_gross"), std::string::npos);
}

// Invalid UTF-8 and a lone surrogate in an input line are refused with an
// error line; no output byte is invalid UTF-8.
TEST(PektoCalcJsonLines, InvalidUtf8IsAnErrorLineAndEveryLineStaysValid) {
  const std::string input = "{\"id\": \"J\xC4GER\", \"fields\": {}}\n"
                            "{\"id\": \"\\udc00\", \"fields\": {}}\n"
                            "{\"id\": \"A\", \"fields\": {\"file_name\": \"\xED\xB0\x80\"}}\n";
  const CalcRun r = Calc({"--json-lines"}, input);
  EXPECT_EQ(r.code, 2);
  std::istringstream lines(r.out);
  int count = 0;
  for (std::string line; std::getline(lines, line); ++count) {
    EXPECT_EQ(line.find('\xED'), std::string::npos) << line;
    EXPECT_EQ(line.find('\xC4'), std::string::npos) << line;
    const auto parsed = ParseJson(line);
    ASSERT_TRUE(parsed.ok) << line;
    EXPECT_NE(parsed.value.Find("error"), nullptr) << line;
  }
  EXPECT_EQ(count, 3);
}

TEST(PektoCalcJsonLines, AFailingCheckIsAnErrorObjectWithTheField) {
  const CalcRun r = Calc({"--json-lines"}, R"({"id": "A", "fields": {"period": "1399"}})" "\n");
  EXPECT_EQ(r.code, 2);
  const auto parsed = ParseJson(r.out);
  ASSERT_TRUE(parsed.ok) << r.out;
  const JsonValue* error = parsed.value.Find("error");
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->Find("field")->text, "16");
  EXPECT_NE(error->Find("message")->text.find("Berechnung kann nicht"), std::string::npos);
}

TEST(PektoCalcJsonLines, AllGoodLinesExitZero) {
  const CalcRun r = Calc({"--json-lines", "--no-checks"}, R"({"id": "A", "fields": {}})" "\n");
  EXPECT_EQ(r.code, 0);
}

}  // namespace
}  // namespace pekto
