// The whole calculation run over the record, for the kinds of employees the
// program serves: the steps' results fit together and land in the record.
#include "calc/payroll_run.h"

#include <gtest/gtest.h>

#include <memory>

#include "calc/result_slots.h"
#include "tools/mask_input.h"

namespace pekto {
namespace {

struct Month {
  std::unique_ptr<EmployeeRecord> record = std::make_unique<EmployeeRecord>();
  PayrollResult result;
};

Month Calculate(std::initializer_list<std::pair<const char*, const char*>> fields) {
  Month m;
  for (const auto& [name, value] : fields) {
    EXPECT_FALSE(SetMaskField(*m.record, name, value).has_value()) << name;
  }
  CopyMaskToRecord(*m.record);
  const YearParameters params = LoadYearParameters(m.record->month_record);
  m.result = RunPayroll(*m.record, params);
  return m;
}

// Net and payout follow from the rows; the employer total from its side.
void ExpectConsistent(const PayrollResult& r) {
  const EmployeeEvaluation& an = r.employee;
  EXPECT_EQ(an.net, an.gross - an.statutory_deductions - an.other_before_net);
  EXPECT_EQ(an.payout, an.net - an.chamber - an.other_after_net - an.garnishment);
  const EmployerEvaluation& ag = r.employer;
  EXPECT_EQ(ag.gross, an.gross);
  EXPECT_EQ(ag.total, ag.gross + ag.social_insurance + ag.u1 + ag.u2 + ag.flat_wage_tax + ag.flat_soli +
                          ag.flat_church_tax[0] + ag.flat_church_tax[1] + ag.insolvency_levy);
}

// Mini-job 2024 with the employee in RV: 13 % KV and 15 % RV for the
// employer on 538.00 (69.94, 80.70), 3.6 % top-up for the employee (19.37),
// 2 % flat tax (10.76), U1 1.1 % (5.92), U2 0.24 % (1.29, half to even of
// 1.2912), insolvency levy 0.06 % (0.32).
TEST(PayrollRun, MiniJobWithEmployeePensionTopUp) {
  const Month m = Calculate({{"period", "0524"}, {"birth_date", "01011990"}, {"state_code", "11"}, {"kv_key", "6"},
                       {"rv_key", "1"}, {"av_key", "0"}, {"pv_key", "0"}, {"sv_attribute_key", "2"},
                       {"flat_tax_kind", "1"}, {"sv_days", "30"}, {"gross_total", "538,00"},
                       {"taxable_gross", "538,00"}, {"sv_gross", "538,00"}, {"levy_key", "3"}, {"u1_rate", "1,10"},
                       {"u2_rate", "0,24"}});
  const PayrollResult& r = m.result;
  EXPECT_EQ(r.current_employer.kv.Value(), 6994);
  EXPECT_EQ(r.current_employer.rv.Value(), 8070);
  EXPECT_EQ(r.current_employee.rv.Value(), 1937);
  EXPECT_TRUE(r.current_employee.wage_tax.IsZero());
  EXPECT_EQ(r.employer.flat_wage_tax.Value(), 1076);
  EXPECT_TRUE(r.uniform_flat_tax);
  EXPECT_EQ(r.employer.u1.Value(), 592);
  EXPECT_EQ(r.employer.u2.Value(), 129);
  EXPECT_EQ(r.employer.insolvency_levy.Value(), 32);
  EXPECT_EQ(r.employee.payout.Value(), 51863);
  EXPECT_EQ(r.employer.total.Value(), 70693);
  ExpectConsistent(r);
}

// The demo employee of March 2024 (class I, NRW, church 9 %, KV 16.30 %):
// wage tax 374.00, church tax 33.66; KV 237.25 + 27.63 (the 1.7 %
// supplement of 55.25 split into two halves of 27.63), RV 302.25, AV 42.25,
// PV 55.25 + 19.50 childless surcharge for the employee.
TEST(PayrollRun, OrdinaryEmployeeResultsReachTheirSlots) {
  Month m = Calculate({{"period", "0324"}, {"birth_date", "12051985"}, {"state_code", "11"}, {"tax_class", "1"},
                 {"church_employee", "01"}, {"kv_key", "1"}, {"rv_key", "1"}, {"av_key", "1"}, {"pv_key", "1"},
                 {"kv_rate", "16,30"}, {"tax_days", "30"}, {"sv_days", "30"}, {"gross_total", "3250,00"},
                 {"taxable_gross", "3250,00"}, {"sv_gross", "3250,00"}});
  const PayrollResult& r = m.result;
  EXPECT_EQ(r.current_employee.wage_tax.Value(), 37400);
  EXPECT_EQ(r.current_employee.church_tax.Value(), 3366);
  EXPECT_EQ(r.current_employee.kv.Value(), 26488);
  EXPECT_EQ(r.current_employer.kv.Value(), 26488);
  EXPECT_EQ(r.current_employee.pv.Value(), 7475);
  EXPECT_EQ(r.current_employer.pv.Value(), 5525);
  EXPECT_EQ(r.employee.statutory_deductions.Value(), 109179);
  ExpectConsistent(r);
  const MonthRecord& slots = m.record->month_record;
  EXPECT_EQ(slots[18], "37400");
  EXPECT_EQ(slots[36], "3366");
  EXPECT_EQ(slots[37], "");  // zero stays empty
  EXPECT_EQ(slots[97], "215821");
  EXPECT_EQ(slots[99], "215821");
  EXPECT_EQ(m.record->annual_block[48], "1");
}

TEST(PayrollRun, OneOffPaymentFillsTheSonstigeRows) {
  const Month m = Calculate({{"period", "0524"}, {"birth_date", "12051985"}, {"state_code", "11"}, {"tax_class", "1"},
                       {"church_employee", "01"}, {"kv_key", "1"}, {"rv_key", "1"}, {"av_key", "1"}, {"pv_key", "1"},
                       {"kv_rate", "16,30"}, {"tax_days", "30"}, {"sv_days", "30"}, {"gross_total", "5250,00"},
                       {"taxable_gross", "3250,00"}, {"sv_gross", "3250,00"}, {"taxable_other", "2000,00"},
                       {"sv_one_off", "2000,00"}, {"other_years", "1"}, {"expected_annual_income", "39000,00"},
                       {"kv_accum_amount", "16250,00"}, {"kv_accum_days", "150"}, {"rv_accum_amount", "16250,00"},
                       {"rv_accum_days", "150"}, {"av_accum_amount", "16250,00"}, {"av_accum_days", "150"}});
  const PayrollResult& r = m.result;
  EXPECT_GT(r.one_off_tax[0].wage_tax.Value(), 0);
  EXPECT_GT(r.one_off_tax[0].church_tax.Value(), 0);
  // Far below the ceilings: the whole payment is contributory, 9.3 % RV.
  EXPECT_EQ(r.one_off_employee.rv.Value(), 18600);
  EXPECT_EQ(r.one_off_employer.rv.Value(), 18600);
  EXPECT_FALSE(r.march_clause);
  ExpectConsistent(r);
  EXPECT_EQ(m.record->month_record[84], std::to_string(r.one_off_tax[0].wage_tax.Value()));
}

TEST(PayrollRun, MarchClauseWhenAJanuaryPaymentExceedsTheCeiling) {
  const Month m = Calculate({{"period", "0124"}, {"birth_date", "12051985"}, {"state_code", "11"}, {"tax_class", "1"},
                       {"kv_key", "1"}, {"rv_key", "1"}, {"av_key", "1"}, {"pv_key", "1"}, {"kv_rate", "16,30"},
                       {"tax_days", "30"}, {"sv_days", "30"}, {"gross_total", "25000,00"},
                       {"taxable_gross", "5000,00"}, {"sv_gross", "5000,00"}, {"sv_one_off", "20000,00"},
                       {"kv_accum_amount", "5000,00"}, {"kv_accum_days", "30"}, {"rv_accum_amount", "5000,00"},
                       {"rv_accum_days", "30"}, {"av_accum_amount", "5000,00"}, {"av_accum_days", "30"}});
  EXPECT_TRUE(m.result.march_clause);
  EXPECT_TRUE(m.result.march_clause_branches[0]);  // KV ceiling 5,175 for 30 days
}

TEST(PayrollRun, GarnishmentReducesThePayout) {
  const Month m = Calculate({{"period", "0823"}, {"birth_date", "12051985"}, {"state_code", "11"}, {"tax_class", "1"},
                       {"tax_days", "30"}, {"gross_total", "2500,00"}, {"taxable_gross", "2500,00"},
                       {"garnish_income", "2500,00"}, {"garnish_claims", "10000,00"}, {"garnish_months", "1"},
                       {"garnish_dependants", "0"}});
  const PayrollResult& r = m.result;
  EXPECT_GT(r.employee.garnishment.Value(), 0);
  EXPECT_EQ(r.working.garnishment_net, Cents(250000) - r.employee.statutory_deductions);
  ExpectConsistent(r);
}

TEST(PayrollRun, EmptyMonthComputesNothingAndDoesNotCrash) {
  const Month m = Calculate({});
  EXPECT_TRUE(m.result.employee.payout.IsZero());
  EXPECT_TRUE(m.result.employer.total.IsZero());
}

// A damaged file can hold amounts and rates no field of the mask takes (the
// run without the input checks computes them): they are held at
// 99.999.999,99 EUR and 999,99 %, and the run stays free of overflow (this
// runs under UBSan).
TEST(PayrollRun, HugeAmountsFromADamagedFileAreHeldWithinWhatTheFieldsHold) {
  Month m;
  m.record->month_record[static_cast<std::size_t>(SlotOf(MaskField::Period))] = "122026";
  for (const MaskField field : {MaskField::AnnualAllowance, MaskField::TaxableGross, MaskField::GrossTotal,
                                MaskField::SvGross, MaskField::TaxableOther, MaskField::ExpectedAnnualIncome}) {
    m.record->month_record[static_cast<std::size_t>(SlotOf(field))] = "99999999999999999999999999";
  }
  m.record->month_record[static_cast<std::size_t>(SlotOf(MaskField::KvRate))] = "999999999999";
  m.record->month_record[static_cast<std::size_t>(SlotOf(MaskField::TaxClass))] = "1";
  m.record->month_record[static_cast<std::size_t>(SlotOf(MaskField::TaxDays))] = "30";
  m.record->month_record[static_cast<std::size_t>(SlotOf(MaskField::KvKey))] = "1";
  const YearParameters params = LoadYearParameters(m.record->month_record);
  const PayrollResult r = RunPayroll(*m.record, params);
  EXPECT_LE(r.employee.gross.Value(), 9'999'999'999);
  ExpectConsistent(r);
}

}  // namespace
}  // namespace pekto
