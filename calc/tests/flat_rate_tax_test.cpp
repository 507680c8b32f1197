// Flat-rate wage tax of § 40a EStG with its surcharge and church tax.
#include "calc/flat_rate_tax.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pekto {
namespace {

struct FlatRateCase {
  std::string name;
  std::string_view flat_tax_kind;
  std::string_view rv_key;
  std::string_view state_code;
  std::string_view church_flat_key;
  int church_employee;
  std::int64_t taxable_gross, taxable_other;
  std::int64_t wage_tax, soli, church_simplified, church_by_denomination;
};

void PrintTo(const FlatRateCase& c, std::ostream* os) { *os << c.name; }

class FlatRateTaxOfMonth : public ::testing::TestWithParam<FlatRateCase> {};

TEST_P(FlatRateTaxOfMonth, TaxSurchargeAndChurchTax) {
  const FlatRateCase& c = GetParam();
  const YearParameters params = LoadYearParameters(YearParameterInputs{
      .period = "0723", .state_code = c.state_code, .flat_tax_kind = c.flat_tax_kind, .rv_key = c.rv_key});
  PayrollInput in;
  in.flat_tax_kind = c.flat_tax_kind;
  in.church_flat_key = c.church_flat_key;
  in.church_employee = c.church_employee;
  in.taxable_gross = Cents(c.taxable_gross);
  in.taxable_other = Cents(c.taxable_other);
  PayrollResult out;
  Explainer explain(nullptr);
  RunFlatRateTaxStep(in, params, out, explain);
  const Cents base = c.flat_tax_kind.empty() ? Cents(0) : Cents(c.taxable_gross + c.taxable_other);
  EXPECT_EQ(out.working.flat_tax_base, base);
  EXPECT_EQ(out.employer.flat_wage_tax.Value(), c.wage_tax);
  EXPECT_EQ(out.employer.flat_soli.Value(), c.soli);
  EXPECT_EQ(out.employer.flat_church_tax[0].Value(), c.church_simplified);
  EXPECT_EQ(out.employer.flat_church_tax[1].Value(), c.church_by_denomination);
}

// Flat church rates: Nordrhein-Westfalen 7 %, Baden-Württemberg 6 %;
// regular rate in Bayern 8 %. Surcharge 5.5 % of the flat tax.
const FlatRateCase kFlatRateCases[] = {
    // mini-job with the employer's flat pension contribution: 2 % of 520.00,
    // church tax and surcharge included
    {"UniformTwoPercent", "1", "5", "11", "", 1, 52000, 0, 1040, 0, 0, 0},
    // no flat pension contribution: 20 % = 104.00; 5.72; 7 % = 7.28
    {"MarginalTwentyPercentSimplifiedChurchTax", "1", "0", "11", "", 0, 52000, 0, 10400, 572, 728, 0},
    // short-term: 25 % of 600.00 + 100.00 = 175.00; 9.625; 8 % = 14.00
    {"ShortTermByDenomination", "2", "0", "02", "2", 2, 60000, 10000, 17500, 962, 0, 1400},
    // 25 % of 300.00 = 75.00; 4.125; no church member
    {"ShortTermByDenominationNoMember", "2", "0", "10", "2", 0, 30000, 0, 7500, 412, 0, 0},
    // farm help: 5 % of 1234.56 = 61.728; 3.3946; non-membership proven
    {"AgricultureProvenNonMember", "3", "0", "07", "1", 1, 123456, 0, 6172, 339, 0, 0},
    // 5 % of 1000.00 = 50.00; 2.75; 6 % = 3.00
    {"AgricultureSimplifiedChurchTax", "3", "0", "01", "", 0, 100000, 0, 5000, 275, 300, 0},
    {"NotFlatTaxed", "", "0", "11", "", 1, 300000, 0, 0, 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, FlatRateTaxOfMonth, ::testing::ValuesIn(kFlatRateCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace pekto
