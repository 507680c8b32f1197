#include "calc/one_off_tax.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

YearParameters Params(std::string_view period, std::string_view land = "11") {
  YearParameterInputs in;
  in.period = period;
  in.state_code = land;
  in.church_employee = "01";
  return LoadYearParameters(in);
}

// Special table and no deductible health contributions: the
// Vorsorgepauschale is the minimum 12 % of the wage, at most 1,900 euros
// (3,000 in class III), which keeps the worked examples short.
ChartEmployee Simple(int tax_class) {
  ChartEmployee e;
  e.tax_class = tax_class;
  e.krv = 2;
  e.pkv = 1;
  return e;
}

OneOffTaxInput Payment(std::int64_t expected_euros, std::int64_t payment_euros, bool fifth_rule = false) {
  OneOffTaxInput in;
  in.expected_annual_wage = Cents(expected_euros * 100);
  in.payment = Cents(payment_euros * 100);
  in.fifth_rule = fifth_rule;
  return in;
}

struct OneOffCase {
  const char* name;
  const char* period;
  int tax_class;
  std::int64_t expected;
  std::int64_t payment;
  bool fifth_rule;
  std::int64_t tax_cents;
  std::int64_t soli_cents;
};
void PrintTo(const OneOffCase& c, std::ostream* os) { *os << c.name; }

class OneOffWageTax : public ::testing::TestWithParam<OneOffCase> {};

TEST_P(OneOffWageTax, AnnualTableMethod) {
  const OneOffCase& c = GetParam();
  const OneOffTax tax =
      ComputeOneOffWageTax(Params(c.period), Simple(c.tax_class), 30, Payment(c.expected, c.payment, c.fifth_rule));
  EXPECT_EQ(tax.wage_tax.Value(), c.tax_cents);
  EXPECT_EQ(tax.soli.Value(), c.soli_cents);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneOffWageTax,
    ::testing::Values(
        // 2024, class I: table allowances 1,230 + 36, Vorsorgepauschale 1,900.
        // Without: 30,000 - 3,166 = 26,834 -> 3,556; with 5,000 more: 31,834
        // -> 4,978; 1,422 euros. Annual tax 4,978 within the 18,130 limit.
        OneOffCase{"Ordinary2024", "0524", 1, 30000, 5000, false, 142200, 0},
        // 2024 above the limit: 94,834 -> 30,068; 99,834 -> 32,168; 2,100
        // euros and 5.5 % = 115.50.
        OneOffCase{"SurchargeAboveTheLimit", "0524", 1, 100000, 5000, false, 210000, 11550},
        // 2020: every one-off tax bears 5.5 %: 27,064 -> 4,309, 32,064 ->
        // 5,826; 1,517 euros, surcharge 83.43 although far below any limit.
        OneOffCase{"Year2020AlwaysSurcharge", "0520", 1, 30000, 5000, false, 151700, 8343},
        // Class III 2024: 115,734 / 2 -> 2 x 13,845 = 27,690; 135,734 / 2 ->
        // 2 x 17,902 = 35,804; 8,114 euros. 35,804 is above the single
        // limit but not above the doubled one (36,260): no surcharge.
        OneOffCase{"ClassThreeDoubledExemption", "0524", 3, 120000, 20000, false, 811400, 0},
        // Fifth rule: 26,834 + 5,000 / 5 = 27,834 -> 3,833; (3,833 - 3,556)
        // x 5 + 3,556 = 4,941; 4,941 - 3,556 = 1,385 euros, less than the
        // ordinary 1,422.
        OneOffCase{"FifthRule", "0524", 1, 30000, 5000, true, 138500, 0},
        OneOffCase{"NoPayment", "0524", 1, 30000, 0, false, 0, 0},
        OneOffCase{"NoTaxClass", "0524", 0, 30000, 5000, false, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OneOffWageTax, FactorAppliesToTheDifference) {
  ChartEmployee e = Simple(4);
  e.factor = Decimal::Parse("0.9");
  // 1,422 x 0.9 = 1,279.80 -> 1,279 euros
  EXPECT_EQ(ComputeOneOffWageTax(Params("0524"), e, 30, Payment(30000, 5000)).wage_tax.Value(), 127900);
}

PayrollInput OneOffMonth() {
  PayrollInput in;
  in.period = "0524";
  in.period_yyyymm = 202405;
  in.state_code = 11;
  in.tax_class = 1;
  in.tax_days = 30;
  in.special_table = true;
  in.kv_key = "0";
  in.church_employee = 1;
  in.taxable_other = Cents(500000);
  in.expected_annual_income = Cents(3000000);
  in.other_years = 1;
  return in;
}

TEST(OneOffTaxStep, FillsTheFirstPartWithChurchTax) {
  const PayrollInput in = OneOffMonth();
  PayrollResult out;
  Explainer quiet(nullptr);
  RunOneOffTaxStep(in, Params("0524"), out, quiet);
  EXPECT_EQ(out.one_off_tax[0].wage_tax.Value(), 142200);
  EXPECT_EQ(out.one_off_tax[0].church_tax.Value(), 12798);  // 1,422 x 9 %
  EXPECT_TRUE(out.one_off_tax[1].wage_tax.IsZero());
}

TEST(OneOffTaxStep, SeveralYearsGoToTheSecondPart) {
  PayrollInput in = OneOffMonth();
  in.other_years = 3;
  PayrollResult out;
  Explainer quiet(nullptr);
  RunOneOffTaxStep(in, Params("0524"), out, quiet);
  EXPECT_TRUE(out.one_off_tax[0].wage_tax.IsZero());
  EXPECT_EQ(out.one_off_tax[1].wage_tax.Value(), 138500);
  EXPECT_EQ(out.one_off_tax[1].church_tax.Value(), 12465);  // 1,385 x 9 %
}

TEST(OneOffTaxStep, SplitChurchTaxInAMixedMarriage) {
  PayrollInput in = OneOffMonth();
  in.church_spouse = 2;
  PayrollResult out;
  Explainer quiet(nullptr);
  RunOneOffTaxStep(in, Params("0524"), out, quiet);
  EXPECT_EQ(out.one_off_tax[0].church_tax.Value(), 6399);  // 127.98 / 2
  EXPECT_EQ(out.one_off_tax[0].church_spouse.Value(), 6399);
}

struct SkipCase {
  const char* name;
  std::int64_t expected_income;
  int other_years;
};
void PrintTo(const SkipCase& c, std::ostream* os) { *os << c.name; }

class OneOffTaxSkipped : public ::testing::TestWithParam<SkipCase> {};

TEST_P(OneOffTaxSkipped, WithoutYearFiguresNoTax) {
  PayrollInput in = OneOffMonth();
  in.expected_annual_income = Cents(GetParam().expected_income);
  in.other_years = GetParam().other_years;
  PayrollResult out;
  Explainer quiet(nullptr);
  RunOneOffTaxStep(in, Params("0524"), out, quiet);
  EXPECT_TRUE(out.one_off_tax[0].wage_tax.IsZero());
  EXPECT_TRUE(out.one_off_tax[1].wage_tax.IsZero());
}

INSTANTIATE_TEST_SUITE_P(Cases, OneOffTaxSkipped,
                         ::testing::Values(SkipCase{"NoExpectedIncome", 0, 1}, SkipCase{"NoYearCount", 3000000, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pekto
