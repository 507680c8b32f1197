#include "calculator/calculator_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pekto::calculator {
namespace {

// A key sequence as a user gives it: each entry is typed into the input
// field and ended by an operator key, "+" ... "=" or "C". An entry "" is a
// key pressed with an empty field.
struct KeyStep {
  std::string input;
  char key;
};

struct SequenceCase {
  const char* name;
  std::vector<KeyStep> steps;
  const char* display;  // after the last key
};

void PrintTo(const SequenceCase& row, std::ostream* out) { *out << row.name; }

class KeySequences : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(KeySequences, ShowTheirResult) {
  CalculatorEngine engine;
  std::string shown;
  for (const KeyStep& step : GetParam().steps) shown = engine.Press(step.key, step.input);
  EXPECT_EQ(shown, GetParam().display);
}

const SequenceCase kSequences[] = {
    // The cases of the documents.
    {"TenMinusFour", {{"10", '-'}, {"4", '='}}, "6"},
    {"FiveTimesThree", {{"5", '*'}, {"3", '='}}, "15"},
    {"FiftyPercentOf200", {{"200", '%'}, {"50", '='}}, "100"},
    {"DecimalCommas", {{"2,5", '+'}, {"1,25", '='}}, "3,75"},
    {"ClearResetsTheDisplay", {{"7", '+'}, {"", 'C'}}, "0"},
    // Chains: each operator applies the one before it.
    {"ChainPlusMinus", {{"10", '+'}, {"4", '-'}, {"2", '='}}, "12"},
    {"ChainWithoutPrecedence", {{"2", '+'}, {"3", '*'}, {"4", '='}}, "20"},
    {"ChainShowsTheRunningResult", {{"2", '+'}, {"3", '*'}}, "5"},
    {"ChainDivideAndPercent", {{"90", '/'}, {"3", '%'}, {"10", '='}}, "3"},
    // "=" repeats nothing; after it an operator goes on with the result,
    // an entry starts a new calculation.
    {"RepeatedEquals", {{"10", '-'}, {"4", '='}, {"", '='}, {"", '='}}, "6"},
    {"OperatorAfterEqualsGoesOn", {{"10", '+'}, {"4", '='}, {"", '-'}, {"2", '='}}, "12"},
    {"EntryAfterEqualsStartsAnew", {{"10", '+'}, {"4", '='}, {"3", '+'}, {"1", '='}}, "4"},
    {"EqualsWithoutOperatorShowsTheEntry", {{"42", '='}}, "42"},
    {"OperatorWithEmptyFieldChangesTheOperator", {{"10", '+'}, {"", '-'}, {"3", '='}}, "7"},
    // An explicit 0 is an entry; an empty field is none.
    {"ZeroTimesFive", {{"0", '*'}, {"5", '='}}, "0"},
    {"LeadingZeroEntry", {{"0,5", '+'}, {"0,25", '='}}, "0,75"},
    {"AddingZeroAfterAResult", {{"5", '-'}, {"5", '='}, {"", '+'}, {"0", '='}}, "0"},
    {"ResultZeroThenGoingOn", {{"5", '-'}, {"5", '*'}, {"3", '='}}, "0"},
    {"EmptyEntryIsSkipped", {{"8", '/'}, {"", '='}}, "8"},
    // Division by an explicit 0 and overflow end in a message and a clear.
    {"DivisionByZero", {{"5", '/'}, {"0", '='}}, "Division durch 0"},
    {"ZeroByZero", {{"0", '/'}, {"0", '='}}, "Division durch 0"},
    {"DivisionByZeroInAChain", {{"5", '/'}, {"0", '+'}}, "Division durch 0"},
    {"AfterDivisionByZeroANewStart", {{"5", '/'}, {"0", '='}, {"2", '+'}, {"2", '='}}, "4"},
    {"Overflow", {{"1e308", '*'}, {"10", '='}}, "Überlauf"},
    // Display: 15 significant digits, decimal comma, negative sign.
    {"PointOnePlusPointTwo", {{"0,1", '+'}, {"0,2", '='}}, "0,3"},
    {"OneThird", {{"1", '/'}, {"3", '='}}, "0,333333333333333"},
    {"Negative", {{"4", '-'}, {"10", '='}}, "-6"},
    {"Large", {{"123456789", '*'}, {"1000000000000", '='}}, "1,23456789e+20"},
    {"MoneyAmount", {{"1234,56", '*'}, {"3", '='}}, "3703,68"},
    {"LowerCaseClear", {{"9", '+'}, {"1", 'c'}}, "0"},
    {"ClearForgetsThePendingOperator", {{"9", '-'}, {"", 'C'}, {"4", '='}}, "4"},
    // The field read as far as it is a number.
    {"TrailingLettersAreIgnored", {{"12,5x", '+'}, {"1", '='}}, "13,5"},
    {"LettersAreNoEntry", {{"7", '+'}, {"abc", '='}}, "7"},
};

INSTANTIATE_TEST_SUITE_P(Tables, KeySequences, ::testing::ValuesIn(kSequences),
                         [](const ::testing::TestParamInfo<SequenceCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ReadEntry, TakesTheCommaAsDecimalSeparator) {
  EXPECT_EQ(ReadEntry("2,5"), 2.5);
  EXPECT_EQ(ReadEntry(",5"), 0.5);
  EXPECT_EQ(ReadEntry("0"), 0.0);
  EXPECT_EQ(ReadEntry(" 3"), 3.0);
  EXPECT_FALSE(ReadEntry(""));
  EXPECT_FALSE(ReadEntry(","));
  EXPECT_FALSE(ReadEntry("1e999"));
}

TEST(DisplayText, NeverShowsMinusZero) {
  EXPECT_EQ(DisplayText(-0.0), "0");
  EXPECT_EQ(DisplayText(0.1 + 0.2), "0,3");
  EXPECT_EQ(DisplayText(1e-7), "1e-07");
}

}  // namespace
}  // namespace pekto::calculator
