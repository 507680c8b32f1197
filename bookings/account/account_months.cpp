#include "bookings/account/account_months.h"

#include "app/files/annual_sums.h"
#include "app/files/record_block.h"
#include "calc/contribution_shares.h"
#include "calc/money.h"
#include "calc/payroll_run.h"
#include "calc/year_figures.h"
#include "record/annual_block.h"

namespace pekto {
namespace {

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// MMJJ -> (month, year); nothing for another text.
std::optional<std::pair<int, int>> MonthAndYear(std::string_view period) {
  const std::string text = Trimmed(period);
  if (text.size() != 4 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const int month = std::stoi(text.substr(0, 2));
  if (month < 1 || month > 12) return std::nullopt;
  return std::pair{month, 2000 + std::stoi(text.substr(2, 2))};
}

// a * numerator / denominator, rounded half away from zero.
std::int64_t Share(std::int64_t a, std::int64_t numerator, std::int64_t denominator) {
  if (denominator <= 0 || numerator <= 0) return 0;
  const std::int64_t product = a * numerator;
  const std::int64_t half = denominator / 2;
  return product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
}

// What the month added, worked out as its summation did, and the figures
// without an annual slot.
void FillMonthFigures(AccountColumn& column) {
  const EmployeeRecord& record = *column.record;
  const YearParameters params = LoadYearParameters(record.month_record);
  const PayrollInput input = ReadPayrollInput(record.month_record);
  const PayrollResult result = ComputePayroll(input, params);
  column.added = MonthFiguresOf(input, result, params).add;
  column.garnishment = result.employee.garnishment.Value();

  namespace s = annual_slot;
  const ContributionRates rates = ContributionRatesOf(input, params, IsLowEarner(input, params));
  const std::int64_t supplement = rates.kv_supplement.ToInt64(Rounding::HalfAwayFromZero);
  const std::int64_t total_rate = supplement + rates.kv_general.ToInt64(Rounding::HalfAwayFromZero);
  const std::int64_t contributions = column.added[s::kKvEmployer] + column.added[s::kKvEmployee];
  const std::string& kv_key = input.kv_key;
  if (kv_key == "1" || kv_key == "3") {
    column.supplement_compulsory = Share(contributions, supplement, total_rate);
  } else if (kv_key == "5" || kv_key == "9") {
    // Key 9 leaves the contribution to the amounts typed in the mask.
    const std::int64_t paid = contributions != 0 ? contributions
                                                 : AmountOrZero(Trimmed(record.mask_fields[MaskField::KvEmployeeAmount]))
                                                       .Value();
    column.supplement_voluntary = Share(paid, supplement, total_rate);
  } else if (kv_key == "8") {
    column.private_premium = AmountOrZero(Trimmed(record.mask_fields[MaskField::PkvBasicPremium])).Value();
  }
}

std::shared_ptr<const EmployeeRecord> RecordOf(const BlockValues& block) {
  auto record = std::make_shared<EmployeeRecord>();
  ApplyLoadedBlock(block, LoadVariant::Complete, *record);
  return record;
}

const std::string& PeriodOf(const EmployeeRecord& record) { return record.mask_fields[MaskField::Period]; }

// Whether the record's own month is the one its annual figures last closed.
bool IsClosedMonth(const EmployeeRecord& record) {
  const std::string period = Trimmed(PeriodOf(record));
  return !period.empty() && period == LastSummationPeriod(record.annual_block);
}

}  // namespace

int AccountYearOf(const EmployeeRecord& current) {
  if (const auto closed = MonthAndYear(LastSummationPeriod(current.annual_block))) return closed->second;
  if (const auto open = MonthAndYear(PeriodOf(current))) return open->second;
  return 0;
}

std::string AccountYearFileName(const EmployeeRecord& current, int year) {
  const std::string yy = std::to_string(year % 100);
  return YearFileName(Trimmed(current.mask_fields[MaskField::FileName]), Trimmed(current.mask_fields[MaskField::BirthDate]),
                      yy.size() == 1 ? "0" + yy : yy);
}

AccountYear AccountMonthsOf(const EmployeeRecord& current, const YearFile* year_file, int year) {
  std::array<std::shared_ptr<const EmployeeRecord>, kYearFileMonths> months;
  if (year_file != nullptr) {
    for (std::size_t i = 0; i < months.size(); ++i) {
      const BlockValues& block = year_file->months[i];
      const int period_slot = SlotOf(MaskField::Period);
      if (block.size() <= static_cast<std::size_t>(period_slot)) continue;
      const auto when = MonthAndYear(block[static_cast<std::size_t>(period_slot)]);
      if (!when || when->first != static_cast<int>(i) + 1 || when->second != year) continue;
      months[i] = RecordOf(block);
    }
  }
  if (IsClosedMonth(current)) {
    const auto when = MonthAndYear(PeriodOf(current));
    if (when && when->second == year) {
      auto copy = std::make_shared<EmployeeRecord>(current);
      CopyMaskToRecord(*copy);
      months[static_cast<std::size_t>(when->first - 1)] = std::move(copy);
    }
  }

  AccountYear account;
  account.year = year;
  for (std::size_t i = 0; i < months.size(); ++i) {
    if (!months[i]) continue;
    AccountColumn column;
    column.month = static_cast<int>(i) + 1;
    column.record = months[i];
    column.annual_after = months[i]->annual_block;
    FillMonthFigures(column);
    account.columns.push_back(std::move(column));
  }
  // Figures from before the first month: a carry-forward typed into the
  // account (also before any month of the year is closed), or months of
  // this year that the year file no longer holds.
  if (account.columns.empty() && AccountYearOf(current) != year) return account;
  const AnnualBlock& first_annual = account.columns.empty() ? current.annual_block : account.columns.front().annual_after;
  const SlotValues first_added = account.columns.empty() ? SlotValues{} : account.columns.front().added;
  AccountColumn carried;
  bool any = false;
  carried.annual_after = first_annual;
  for (int slot = 0; slot < kAnnualBlockSlots; ++slot) {
    if (!IsSummedAnnualSlot(slot)) continue;
    const std::int64_t before = AnnualValue(first_annual, slot) - first_added[static_cast<std::size_t>(slot)];
    carried.added[static_cast<std::size_t>(slot)] = before;
    carried.annual_after[static_cast<std::size_t>(slot)] = before == 0 ? std::string() : std::to_string(before);
    any = any || before != 0;
  }
  if (any) account.columns.insert(account.columns.begin(), std::move(carried));
  return account;
}

AccountYear AccountMonthsFromFolder(const EmployeeRecord& current, const DosFileSystem& files,
                                    std::string_view data_dir) {
  const int year = AccountYearOf(current);
  const std::string path = std::string(data_dir) + "\\" + AccountYearFileName(current, year);
  const YearFileRead read = ReadYearFile(files, path);
  return AccountMonthsOf(current, read.status == ReadStatus::Ok ? &read.file : nullptr, year);
}

}  // namespace pekto
