#include "app/files/annual_sums.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "calc/payroll_run.h"

namespace pekto {
namespace {

namespace s = annual_slot;
using Fields = std::initializer_list<std::pair<MaskField, const char*>>;
using F = MaskField;

struct Month {
  std::unique_ptr<EmployeeRecord> record = std::make_unique<EmployeeRecord>();
  PayrollResult result;
  MonthFigures figures;
};

Month Calculated(Fields fields) {
  Month m;
  for (const auto& [field, value] : fields) m.record->mask_fields[field] = value;
  CopyMaskToRecord(*m.record);
  const YearParameters params = LoadYearParameters(m.record->month_record);
  m.result = RunPayroll(*m.record, params);
  m.figures = MonthFiguresOf(ReadPayrollInput(m.record->month_record), m.result, params);
  return m;
}

// The demo employee of March 2024: class I, NRW, church tax, KV 16.30 %.
Month OrdinaryEmployee(const char* period = "0324", const char* sv_one_off = "") {
  return Calculated({{F::Period, period},
                     {F::BirthDate, "12051985"},
                     {F::FileName, "MAIER"},
                     {F::StateCode, "11"},
                     {F::TaxClass, "1"},
                     {F::ChurchEmployee, "01"},
                     {F::KvKey, "1"},
                     {F::RvKey, "1"},
                     {F::AvKey, "1"},
                     {F::PvKey, "1"},
                     {F::KvRate, "16,30"},
                     {F::TaxDays, "30"},
                     {F::SvDays, "30"},
                     {F::GrossTotal, "3250,00"},
                     {F::TaxableGross, "3250,00"},
                     {F::SvGross, "3250,00"},
                     {F::SvOneOff, sv_one_off},
                     {F::TaxableOther, sv_one_off}});
}

TEST(AnnualBlockTable, NamesEverySlotInOrder) {
  for (int slot = 0; slot < kAnnualBlockSlots; ++slot) {
    const AnnualSlotSpec& spec = AnnualSlotOf(slot);
    EXPECT_EQ(spec.slot, slot);
    EXPECT_FALSE(spec.label.empty()) << slot;
    const bool changed_by_closing = spec.accrual == AnnualAccrual::Summed || spec.accrual == AnnualAccrual::Closing;
    EXPECT_EQ(!spec.month_value.empty(), changed_by_closing) << slot;
    if (spec.accrual == AnnualAccrual::Summed) {
      EXPECT_TRUE(spec.kind == AnnualSlotKind::Amount || spec.kind == AnnualSlotKind::Days) << slot;
    }
  }
}

TEST(AnnualBlockTable, KeepsTheSlotsTheYearFiguresRead) {
  EXPECT_EQ(AnnualSlotOf(s::kEntryDate).kind, AnnualSlotKind::Date);
  for (const int slot : {s::kTaxablePay, s::kTaxableOneOff, s::kKvPay, s::kRvPay, s::kAvPay, s::kLevyPay}) {
    EXPECT_EQ(AnnualSlotOf(slot).kind, AnnualSlotKind::Amount) << slot;
    EXPECT_TRUE(IsSummedAnnualSlot(slot));
  }
  for (const int slot : {s::kKvDays, s::kRvDays, s::kAvDays, s::kLevyDays}) {
    EXPECT_EQ(AnnualSlotOf(slot).kind, AnnualSlotKind::Days) << slot;
  }
  EXPECT_EQ(AnnualSlotOf(48).accrual, AnnualAccrual::RunMark);
  EXPECT_EQ(AnnualSlotOf(49).kind, AnnualSlotKind::Period);
  EXPECT_EQ(s::kTaxablePay, 8);
  EXPECT_EQ(s::kLevyDays, 45);
  EXPECT_EQ(s::kLastSummation, 49);
}

TEST(MonthFigures, OfAnOrdinaryEmployee) {
  const Month m = OrdinaryEmployee();
  const MonthFigures& f = m.figures;
  EXPECT_EQ(f[s::kGrossTotal], 325000);
  EXPECT_EQ(f[s::kTaxablePay], 325000);
  EXPECT_EQ(f[s::kTaxableOneOff], 0);
  EXPECT_EQ(f[s::kTaxableTotal], 325000);
  EXPECT_EQ(f[s::kWageTaxCurrent], 37400);
  EXPECT_EQ(f[s::kChurchTax], 3366);
  EXPECT_EQ(f[s::kKvPay], 325000);
  EXPECT_EQ(f[s::kKvDays], 30);
  EXPECT_EQ(f[s::kKvEmployee], 26488);
  EXPECT_EQ(f[s::kKvEmployer], 26488);
  EXPECT_EQ(f[s::kRvPay], 325000);
  EXPECT_EQ(f[s::kRvEmployee], m.result.current_employee.rv.Value());
  EXPECT_EQ(f[s::kRvEmployer], m.result.current_employer.rv.Value());
  EXPECT_EQ(f[s::kAvPay], 325000);
  EXPECT_EQ(f[s::kAvDays], 30);
  EXPECT_EQ(f[s::kPvEmployee], 7475);
  EXPECT_EQ(f[s::kPvEmployer], 5525);
  EXPECT_EQ(f[s::kSvEmployeeTotal],
            26488 + 7475 + m.result.current_employee.rv.Value() + m.result.current_employee.av.Value());
  EXPECT_EQ(f[s::kInsolvencyLevy], m.result.employer.insolvency_levy.Value());
  EXPECT_EQ(f[s::kLevyPay], 0) << "no levy or chamber key";
  EXPECT_EQ(f[s::kMiniJobRvEmployer], 0);
  EXPECT_EQ(f[s::kFlatTaxedPay], 0);
  for (int slot = 0; slot < kAnnualBlockSlots; ++slot) {
    if (!IsSummedAnnualSlot(slot)) {
      EXPECT_EQ(f[slot], 0) << slot;
    }
  }
}

TEST(MonthFigures, OfAMiniJobGoToTheFlatRateSlots) {
  const Month m = Calculated({{F::Period, "0524"},
                              {F::BirthDate, "01011990"},
                              {F::StateCode, "11"},
                              {F::KvKey, "6"},
                              {F::RvKey, "1"},
                              {F::AvKey, "0"},
                              {F::PvKey, "0"},
                              {F::SvAttributeKey, "2"},
                              {F::FlatTaxKind, "1"},
                              {F::SvDays, "30"},
                              {F::GrossTotal, "538,00"},
                              {F::TaxableGross, "538,00"},
                              {F::SvGross, "538,00"},
                              {F::LevyKey, "3"},
                              {F::U1Rate, "1,10"},
                              {F::U2Rate, "0,24"}});
  const MonthFigures& f = m.figures;
  EXPECT_EQ(f[s::kMiniJobRvEmployer], 8070);
  EXPECT_EQ(f[s::kRvEmployer], 0);
  EXPECT_EQ(f[s::kRvEmployee], 1937);
  EXPECT_EQ(f[s::kKvEmployer], 6994);
  EXPECT_EQ(f[s::kTaxablePay], 0) << "taxed at a flat rate";
  EXPECT_EQ(f[s::kFlatTaxedPay], 53800);
  EXPECT_EQ(f[s::kUniformFlatTax], 1076);
  EXPECT_EQ(f[s::kFlatWageTax], 0);
  EXPECT_EQ(f[s::kU1], 592);
  EXPECT_EQ(f[s::kU2], 129);
  EXPECT_EQ(f[s::kInsolvencyLevy], 32);
  EXPECT_EQ(f[s::kU1U2Pay], 53800);
  EXPECT_EQ(f[s::kLevyPay], 53800);
  EXPECT_EQ(f[s::kLevyDays], 30);
  EXPECT_EQ(f[s::kAvDays], 0) << "no AV key";
  EXPECT_EQ(f[s::kRvPay], 53800);
}

TEST(MonthFigures, AddTheContributoryPartOfAOneOffPayment) {
  const Month m = OrdinaryEmployee("0624", "1000,00");
  ASSERT_GT(m.result.one_off_employee.kv.Value(), 0);
  EXPECT_EQ(m.figures[s::kKvPay], 425000);
  EXPECT_EQ(m.figures[s::kRvPay], 425000);
  EXPECT_EQ(m.figures[s::kTaxableOneOff], 100000);
  EXPECT_EQ(m.figures[s::kTaxableTotal], 425000);
  EXPECT_EQ(m.figures[s::kKvEmployee], (m.result.current_employee.kv + m.result.one_off_employee.kv).Value());
}

TEST(AddMonthFigures, AddsIntoSummedSlotsOnly) {
  AnnualBlock annual{};
  annual[s::kTaxablePay] = "100";
  annual[s::kKvDays] = "30";
  annual[s::kWageTaxCurrent] = "1,00";  // typed in the payroll account
  annual[s::kSvNumber] = "12345678A123";
  MonthFigures month;
  month.add[s::kTaxablePay] = 250;
  month.add[s::kKvDays] = 30;
  month.add[s::kWageTaxCurrent] = 5;
  month.add[s::kSvNumber] = 7;    // not a summed slot
  month.add[s::kGrossTotal] = 0;  // nothing to add
  AddMonthFigures(annual, month);
  EXPECT_EQ(annual[s::kTaxablePay], "350");
  EXPECT_EQ(annual[s::kKvDays], "60");
  EXPECT_EQ(annual[s::kWageTaxCurrent], "105");
  EXPECT_EQ(annual[s::kSvNumber], "12345678A123");
  EXPECT_EQ(annual[s::kGrossTotal], "");
  month.add = {};
  month.add[s::kTaxablePay] = -350;
  AddMonthFigures(annual, month);
  EXPECT_EQ(annual[s::kTaxablePay], "") << "zero is empty";
}

struct Due {
  const char* name;
  const char* calculated;
  const char* last_summation;
  const char* period;
  bool due;
};
void PrintTo(const Due& c, std::ostream* os) { *os << c.name; }

class SummationDueTest : public testing::TestWithParam<Due> {};

TEST_P(SummationDueTest, AsksOnlyForACalculatedNewPeriod) {
  auto record = std::make_unique<EmployeeRecord>();
  record->annual_block[s::kCalculated] = GetParam().calculated;
  record->annual_block[s::kLastSummation] = GetParam().last_summation;
  record->month_record[80] = GetParam().period;
  EXPECT_EQ(SummationDue(*record), GetParam().due);
}

INSTANTIATE_TEST_SUITE_P(Cases, SummationDueTest,
                         testing::Values(Due{"FirstMonth", "1", "", "0324", true},
                                         Due{"NextMonth", "1", "032024", "0424", true},
                                         Due{"SamePeriod", "1", "032024", "0324", false},
                                         Due{"SamePeriodTyped", "1", "0324", "0324", false},
                                         Due{"NotCalculated", "", "032024", "0424", false},
                                         Due{"MalformedPeriod", "1", "032024", "1324", false},
                                         Due{"YearWithoutParameters", "1", "", "0319", false},
                                         Due{"EarlierMonth", "1", "052024", "0324", true},
                                         Due{"January2025", "1", "122024", "0125", true},
                                         Due{"December2026", "1", "112026", "1226", true},
                                         Due{"YearAfterTheTables", "1", "122026", "0127", false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct NewYear {
  const char* name;
  const char* last_summation;
  const char* period;
  bool starts;
};
void PrintTo(const NewYear& c, std::ostream* os) { *os << c.name; }

class NewYearTest : public testing::TestWithParam<NewYear> {};

TEST_P(NewYearTest, ComparesTheYears) {
  AnnualBlock annual{};
  annual[s::kLastSummation] = GetParam().last_summation;
  EXPECT_EQ(StartsNewYear(annual, GetParam().period), GetParam().starts);
}

INSTANTIATE_TEST_SUITE_P(Cases, NewYearTest,
                         testing::Values(NewYear{"January", "122023", "0124", true},
                                         NewYear{"JanuaryTyped", "1223", "0124", true},
                                         NewYear{"SameYear", "052024", "0624", false},
                                         NewYear{"NeverClosed", "", "0124", false},
                                         NewYear{"January2026", "122025", "0126", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CloseMonth, AddsTheMonthAndMarksTheClosedPeriod) {
  Month m = OrdinaryEmployee();
  m.record->annual_block[s::kTaxablePay] = "650000";
  m.record->annual_block[s::kLastSummation] = "022024";
  m.record->month_record[18] = "stale";
  const PayrollResult result = CloseMonth(*m.record, "310324");
  EXPECT_EQ(result.current_employee.wage_tax.Value(), 37400);
  const AnnualBlock& annual = m.record->annual_block;
  EXPECT_EQ(annual[s::kTaxablePay], "975000");
  EXPECT_EQ(annual[s::kKvDays], "30");
  EXPECT_EQ(annual[s::kLastSummation], "032024");
  EXPECT_EQ(annual[s::kSummationDate], "310324");
  EXPECT_EQ(annual[s::kCalculated], "");
  EXPECT_EQ(m.record->month_record[18], "37400") << "the result slots of the closing run";
  EXPECT_FALSE(SummationDue(*m.record));
}

TEST(CloseMonth, ANewYearStartsTheSumsAgainButKeepsTheMasterData) {
  Month m = OrdinaryEmployee("0124");
  AnnualBlock& annual = m.record->annual_block;
  annual[s::kTaxablePay] = "3900000";
  annual[s::kKvDays] = "360";
  annual[s::kEntryDate] = "010720";
  annual[s::kSvNumber] = "12345678A123";
  annual[s::kHolidayEntitlement] = "30,0";
  annual[s::kLastSummation] = "122023";
  (void)CloseMonth(*m.record, "310124");
  EXPECT_EQ(annual[s::kTaxablePay], "325000");
  EXPECT_EQ(annual[s::kKvDays], "30");
  EXPECT_EQ(annual[s::kEntryDate], "010720");
  EXPECT_EQ(annual[s::kSvNumber], "12345678A123");
  EXPECT_EQ(annual[s::kHolidayEntitlement], "30,0");
  EXPECT_EQ(annual[s::kLastSummation], "012024");
}

TEST(LastSummation, ReadsBothForms) {
  AnnualBlock annual{};
  EXPECT_EQ(LastSummationPeriod(annual), "");
  annual[s::kLastSummation] = "052024";
  EXPECT_EQ(LastSummationPeriod(annual), "0524");
  annual[s::kLastSummation] = "0524";
  EXPECT_EQ(LastSummationPeriod(annual), "0524");
  EXPECT_EQ(SummationPeriodText("0524"), "052024");
}

}  // namespace
}  // namespace pekto
