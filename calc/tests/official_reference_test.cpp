// Every monthly wage tax of the ministry's reference cases, to the cent.
#include <gtest/gtest.h>

#include <memory>

#include "calc/payroll_run.h"
#include "calc/tests/reference_cases.h"
#include "tools/mask_input.h"

namespace pekto {
namespace {

using testing::OfficialReferenceCases;
using testing::ReferenceCase;

class OfficialReference : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(OfficialReference, MonthlyWageTaxSurchargeAndChurchTaxBaseMatchTheFlowChart) {
  const ReferenceCase& c = GetParam();
  auto record = std::make_unique<EmployeeRecord>();
  for (const auto& [name, value] : c.fields) {
    ASSERT_FALSE(SetMaskField(*record, name, value).has_value()) << name << "=" << value;
  }
  CopyMaskToRecord(*record);
  const YearParameters params = LoadYearParameters(record->month_record);
  const PayrollResult result = RunPayroll(*record, params);
  EXPECT_EQ(result.current_employee.wage_tax.Value(), c.wage_tax_cents);
  EXPECT_EQ(result.current_employee.soli.Value(), c.soli_cents);
  EXPECT_EQ(result.working.monthly_tax_base.Value(), c.church_tax_base_cents);
}

std::string CaseName(const ::testing::TestParamInfo<ReferenceCase>& info) {
  std::string name = info.param.id;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(AllCases, OfficialReference, ::testing::ValuesIn(OfficialReferenceCases()), CaseName);

TEST(OfficialReferenceData, CoversEveryYearAndTaxClass) {
  EXPECT_EQ(OfficialReferenceCases().size(), 400U);
}

}  // namespace
}  // namespace pekto
