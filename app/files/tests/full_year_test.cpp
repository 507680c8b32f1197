// A year of months closed one by one, as a user does it: load, change the
// period, calculate, save and confirm the summation.
#include <gtest/gtest.h>

#include "record/annual_block.h"
#include "app/files/annual_sums.h"
#include "app/files/employee_files.h"
#include "app/files/file_commands.h"
#include "app/files/tests/file_command_support.h"

namespace pekto {
namespace {

using testing_support::FileCommandTest;
using testing_support::kMaier;
using F = MaskField;
using R = FileCommandResult;
namespace s = annual_slot;

constexpr std::size_t kAnnual = kMonthRecordSlots;
constexpr const char* kMonths[] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                   "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

class FullYearTest : public FileCommandTest {
 protected:
  // Closes month `m` of 20`yy`: the first month is entered, every later one
  // loaded from the employee file.
  PayrollResult CloseMonthOf(int m, const std::string& yy) {
    const std::string period = Two(m) + yy;
    if (!folder_.Has("MAIER.050")) {
      Enter(kMaier);
      Enter({{F::Period, period.c_str()}});
      record_->annual_block[s::kEntryDate] = "150320";
      record_->annual_block[s::kSvNumber] = "12050580M123";
    } else {
      NextMonth("MAIER.050", period.c_str());
    }
    const PayrollResult result = Calculate();
    context_.today = "28" + Two(m) + yy;
    EXPECT_EQ(Save().result, R::Done) << period;
    return result;
  }
};

TEST_F(FullYearTest, TwelveMonthsEndInACompleteYearFileAndAnnualBlock) {
  std::int64_t wage_tax = 0;
  std::int64_t kv_employee = 0;
  for (int m = 1; m <= 12; ++m) {
    const PayrollResult result = CloseMonthOf(m, "24");
    wage_tax += result.current_employee.wage_tax.Value();
    kv_employee += result.current_employee.kv.Value();
    ASSERT_EQ(user_.confirmed.size(), static_cast<std::size_t>(m));
    EXPECT_EQ(user_.confirmed.back().caption,
              std::string("Abschluss des Abrechnungszeitraumes ") + kMonths[m - 1] + " 2024");
    if (m > 1) {
      EXPECT_EQ(user_.confirmed.back().lines[2], "Letzter Abrechnungszeitraum:.. " + Two(m - 1) + "24");
    }
  }
  const YearFileRead year = ReadYearFile(folder_.files, "C:\\PEKTO\\01\\MAIER@@@_050.24");
  ASSERT_EQ(year.status, ReadStatus::Ok);
  for (int m = 1; m <= 12; ++m) {
    const BlockValues& block = year.file.months[static_cast<std::size_t>(m - 1)];
    EXPECT_EQ(block[80], Two(m) + "24");
    EXPECT_EQ(block[kAnnual + s::kLastSummation], Two(m) + "2024");
    EXPECT_EQ(block[kAnnual + s::kTaxablePay], std::to_string(325000 * m));
    EXPECT_EQ(block[kAnnual + s::kKvDays], std::to_string(30 * m));
    EXPECT_EQ(block[kAnnual + s::kEntryDate], "150320");
  }
  const AnnualBlock& annual = record_->annual_block;
  EXPECT_EQ(annual[s::kTaxablePay], "3900000");
  EXPECT_EQ(annual[s::kGrossTotal], "3900000");
  EXPECT_EQ(annual[s::kKvPay], "3900000");
  EXPECT_EQ(annual[s::kKvDays], "360");
  EXPECT_EQ(annual[s::kRvDays], "360");
  EXPECT_EQ(annual[s::kWageTaxCurrent], std::to_string(wage_tax));
  EXPECT_EQ(annual[s::kKvEmployee], std::to_string(kv_employee));
  EXPECT_EQ(annual[s::kLastSummation], "122024");
  EXPECT_EQ(annual[s::kSummationDate], "281224");
  EXPECT_EQ(annual[s::kCalculated], "");
  EXPECT_EQ(annual[s::kSvNumber], "12050580M123");
  EXPECT_EQ(year.file.months[11], ReadRecordFile(folder_.files, "C:\\PEKTO\\01\\MAIER.050").values);

  const RecordFileRead copy = ReadRecordFile(folder_.files, "C:\\PEKTO\\01\\MAIER~~~.050");
  EXPECT_EQ(copy.values[kAnnual + s::kTaxablePay], "3575000") << "the state before December's summation";
  EXPECT_EQ(copy.values[80], "1224");
}

TEST_F(FullYearTest, ASecurityCopyLetsTheUserCorrectAClosedMonth) {
  for (int m = 1; m <= 3; ++m) (void)CloseMonthOf(m, "24");
  user_.choice = "MAIER~~~.050";
  ASSERT_EQ(Command(file_command::kLoadSecurityCopy).result, R::Done);
  Enter({{F::TaxableGross, "3500,00"}, {F::SvGross, "3500,00"}, {F::GrossTotal, "3500,00"}});
  (void)Calculate();
  ASSERT_EQ(Save().result, R::Done);
  EXPECT_EQ(user_.confirmed.back().caption, "Abschluss des Abrechnungszeitraumes März 2024");
  EXPECT_EQ(record_->annual_block[s::kTaxablePay], std::to_string(2 * 325000 + 350000));
  const YearFileRead year = ReadYearFile(folder_.files, "C:\\PEKTO\\01\\MAIER@@@_050.24");
  EXPECT_EQ(year.file.months[2][kAnnual + s::kTaxablePay], "1000000");
  EXPECT_EQ(year.file.months[2][15], "350000");
  EXPECT_EQ(year.file.months[1][kAnnual + s::kTaxablePay], "650000");
}

TEST_F(FullYearTest, JanuaryStartsANewYearFileAndNewSums) {
  (void)CloseMonthOf(12, "23");
  (void)CloseMonthOf(1, "24");
  EXPECT_TRUE(folder_.Has("MAIER@@@_050.23"));
  EXPECT_TRUE(folder_.Has("MAIER@@@_050.24"));
  EXPECT_EQ(record_->annual_block[s::kTaxablePay], "325000");
  EXPECT_EQ(record_->annual_block[s::kEntryDate], "150320");
  const YearFileRead old_year = ReadYearFile(folder_.files, "C:\\PEKTO\\01\\MAIER@@@_050.23");
  EXPECT_EQ(old_year.file.months[11][kAnnual + s::kTaxablePay], "325000");
  EXPECT_EQ(old_year.file.months[0], EmptyBlock());
}

}  // namespace
}  // namespace pekto

namespace pekto {
namespace {

// December 2025 closes the old year, January 2026 opens a new year file; the
// December of 2026 closes with the year's sums.
TEST_F(FullYearTest, TheYearsTwentyFiveAndTwentySixHaveTheirYearFiles) {
  (void)CloseMonthOf(12, "25");
  (void)CloseMonthOf(1, "26");
  EXPECT_TRUE(folder_.Has("MAIER@@@_050.25"));
  EXPECT_TRUE(folder_.Has("MAIER@@@_050.26"));
  EXPECT_EQ(record_->annual_block[s::kTaxablePay], "325000");
  for (int m = 2; m <= 12; ++m) (void)CloseMonthOf(m, "26");
  EXPECT_EQ(user_.confirmed.back().caption, "Abschluss des Abrechnungszeitraumes Dezember 2026");
  EXPECT_EQ(record_->annual_block[s::kTaxablePay], "3900000");
  EXPECT_EQ(record_->annual_block[s::kLastSummation], "122026");
  const YearFileRead year = ReadYearFile(folder_.files, "C:\\PEKTO\\01\\MAIER@@@_050.26");
  ASSERT_EQ(year.status, ReadStatus::Ok);
  EXPECT_EQ(year.file.months[11][80], "1226");
}

}  // namespace
}  // namespace pekto
