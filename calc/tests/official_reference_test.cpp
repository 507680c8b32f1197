// Every wage tax of the ministry's reference cases, to the cent: current
// pay and one-off payments.
#include <gtest/gtest.h>

#include <memory>

#include "calc/payroll_run.h"
#include "calc/tests/reference_cases.h"
#include "tools/mask_input.h"

namespace pekto {
namespace {

using testing::ReferenceCase;

PayrollResult RunCase(const ReferenceCase& c) {
  auto record = std::make_unique<EmployeeRecord>();
  for (const auto& [name, value] : c.fields) {
    EXPECT_FALSE(SetMaskField(*record, name, value).has_value()) << name << "=" << value;
  }
  CopyMaskToRecord(*record);
  const YearParameters params = LoadYearParameters(record->month_record);
  EXPECT_NE(params.year, 0) << "no year table for the case's period";
  return RunPayroll(*record, params);
}

class OfficialReference : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(OfficialReference, WageTaxSurchargeAndChurchTaxBaseMatchTheFlowChart) {
  const ReferenceCase& c = GetParam();
  const PayrollResult result = RunCase(c);
  EXPECT_EQ(result.current_employee.wage_tax.Value(), c.wage_tax_cents);
  EXPECT_EQ(result.current_employee.soli.Value(), c.soli_cents);
  EXPECT_EQ(result.working.monthly_tax_base.Value(), c.church_tax_base_cents);
  EXPECT_EQ(result.one_off_tax[0].wage_tax.Value(), c.sts_cents);
  EXPECT_EQ(result.one_off_tax[0].soli.Value(), c.solzs_cents);
  EXPECT_EQ(result.working.one_off_tax_base[0].Value(), c.bks_cents);
  EXPECT_EQ(result.one_off_tax[1].wage_tax.Value(), c.stv_cents);
  EXPECT_EQ(result.one_off_tax[1].soli.Value(), c.solzv_cents);
  EXPECT_EQ(result.working.one_off_tax_base[1].Value(), c.bkv_cents);
}

std::string CaseName(const ::testing::TestParamInfo<ReferenceCase>& info) {
  std::string name = info.param.id;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(AllCases, OfficialReference, ::testing::ValuesIn(testing::OfficialReferenceCases()),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(December2024, OfficialReference,
                         ::testing::ValuesIn(testing::December2024ReferenceCases()), CaseName);
INSTANTIATE_TEST_SUITE_P(Years2025And2026, OfficialReference,
                         ::testing::ValuesIn(testing::Years2025And2026ReferenceCases()), CaseName);
INSTANTIATE_TEST_SUITE_P(Extended, OfficialReference, ::testing::ValuesIn(testing::ExtendedReferenceCases()),
                         CaseName);

TEST(OfficialReferenceData, CoversEveryYearAndTaxClass) {
  EXPECT_EQ(testing::OfficialReferenceCases().size(), 400U);
  EXPECT_EQ(testing::December2024ReferenceCases().size(), 400U);
  EXPECT_EQ(testing::Years2025And2026ReferenceCases().size(), 800U);
  EXPECT_EQ(testing::ExtendedReferenceCases().size(), 600U);
}

}  // namespace
}  // namespace pekto
