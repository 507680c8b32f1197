#include "bookings/booking_evaluation.h"

#include "record/annual_block.h"
#include "record/booking_slots.h"

namespace pekto {
namespace {

namespace col = booking_column;
using F = MaskField;

constexpr std::string_view kPensionCurrentWageType = "50";
constexpr std::string_view kPensionOneOffWageType = "51";

Cents AmountOf(const BookingRow& line, int column) {
  return ParseBookingAmount(line[static_cast<std::size_t>(column)]).value_or(Cents(0));
}

// A deviating amount above 0 counts instead of the total, 0 (or empty)
// leaves the total, a negative one takes the line out of that sum.
Cents PartOf(const BookingRow& line, int deviating_column) {
  const Cents deviating = AmountOf(line, deviating_column);
  if (deviating > Cents(0)) return deviating;
  if (deviating < Cents(0)) return Cents(0);
  return AmountOf(line, col::kTotal);
}

bool SameNumber(std::string_view a, std::string_view b) {
  const auto x = ParseDecimalText(a, 0);
  const auto y = ParseDecimalText(b, 0);
  return !a.empty() && x && y && *x == *y;
}

void AddDays(BookingSums& sums, const BookingRow& line) {
  const std::string& category = line[col::kCategory];
  const std::string& quantity = line[col::kQuantity];
  const bool whole = category == "9" || category == "0";
  const std::int64_t value = ParseDecimalText(quantity, whole ? 0 : 1).value_or(0);
  switch (category[0]) {
    case '5': sums.attendance_tenths += value; break;
    case '6': sums.holidays_tenths += value; break;
    case '7': sums.sick_tenths += value; break;
    case '8': sums.other_absence_tenths += value; break;
    case '9': sums.tax_days += value; break;
    default: sums.sv_days += value; break;
  }
}

void AddCategory1(BookingSums& sums, const BookingRow& line, Cents garnish_claims) {
  const Cents total = AmountOf(line, col::kTotal);
  sums.gross_total += total;
  const Cents taxable = PartOf(line, col::kTaxable);
  if (line[col::kTaxKey] == "1") {
    sums.taxable_current += taxable;
    if (SameNumber(line[col::kWageType], kPensionCurrentWageType)) sums.pension_current += taxable;
  } else if (line[col::kTaxKey] == "2") {
    sums.taxable_one_off += taxable;
    if (SameNumber(line[col::kWageType], kPensionOneOffWageType)) sums.pension_one_off += taxable;
  }
  const Cents sv = PartOf(line, col::kSvLiable);
  if (line[col::kSvKey] == "1") sums.sv_current += sv;
  if (line[col::kSvKey] == "2") sums.sv_one_off += sv;
  if (garnish_claims > Cents(0)) sums.garnishable += AmountOf(line, col::kGarnishable);
}

void AddMoney(BookingSums& sums, const BookingRow& line, Cents garnish_claims) {
  const Cents total = AmountOf(line, col::kTotal);
  const bool correction = !line[col::kPeriod].empty();
  switch (line[col::kCategory][0]) {
    case '1':
      if (correction) return;  // corrections of current pay are not evaluated
      sums.category1 += total;
      AddCategory1(sums, line, garnish_claims);
      return;
    case '2': (correction ? sums.correction2 : sums.category2) -= total; return;
    case '3': (correction ? sums.correction3 : sums.category3) += total; return;
    default: (correction ? sums.correction4 : sums.category4) -= total; return;
  }
}

std::string AmountField(Cents amount) { return amount.IsZero() ? std::string() : FormatAmount(amount); }

// Right-aligned in three characters; empty for 0 or less.
std::string DaysField(std::int64_t days) {
  if (days <= 0) return {};
  std::string text = std::to_string(days);
  if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
  return text;
}

bool KeyOff(std::string_view key) { return key.empty() || key == "0"; }

// The period after the last summation ("052024" -> "0624").
std::string PeriodAfter(std::string_view last_summation) {
  if (last_summation.size() < 4) return {};
  const int month = ParseDecimalText(last_summation.substr(0, 2), 0).value_or(0);
  const int year = ParseDecimalText(last_summation.substr(last_summation.size() - 2), 0).value_or(0);
  const int next_month = month % 12 + 1;
  const int next_year = month == 12 ? (year + 1) % 100 : year;
  auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return two(next_month) + two(next_year);
}

// What the keys of the main mask exclude.
void ClearByKeys(MaskFields& m) {
  const auto clear = [&m](std::initializer_list<MaskField> fields) {
    for (const MaskField f : fields) m[f].clear();
  };
  const bool no_levies = KeyOff(m[F::LevyKey]) && KeyOff(m[F::ChamberKey]);
  const bool kv_off = KeyOff(m[F::KvKey]) || m[F::KvKey] == "9";
  if (kv_off && KeyOff(m[F::RvKey]) && KeyOff(m[F::AvKey]) && no_levies) clear({F::SvDays, F::SvGross, F::SvOneOff});
  if (no_levies) clear({F::LevyAccumAmount, F::LevyAccumDays});
  if (kv_off) clear({F::KvAccumAmount, F::KvAccumDays});
  if (KeyOff(m[F::RvKey])) clear({F::RvAccumAmount, F::RvAccumDays});
  if (KeyOff(m[F::AvKey])) clear({F::AvAccumAmount, F::AvAccumDays});
  if (m[F::TaxClass].empty()) clear({F::ExpectedAnnualIncome, F::OtherYears});
}

constexpr MaskField kWrittenFields[] = {
    F::GrossTotal, F::TaxableGross, F::TaxableOther, F::PensionInCurrent, F::PensionInOther, F::SvGross,
    F::SvOneOff,   F::GarnishIncome, F::TaxDays,     F::SvDays,           F::ExpectedAnnualIncome, F::OtherYears,
    F::KvAccumAmount, F::KvAccumDays, F::RvAccumAmount, F::RvAccumDays, F::AvAccumAmount, F::AvAccumDays,
    F::LevyAccumAmount, F::LevyAccumDays};

}  // namespace

BookingSums SumBookings(const BookingTable& table, Cents garnish_claims) {
  BookingSums sums;
  const int count = BookingLineCount(table);
  for (int i = 0; i < count; ++i) {
    const BookingRow& line = table[static_cast<std::size_t>(i)];
    const std::string& category = line[col::kCategory];
    if (IsDayCategory(category)) {
      AddDays(sums, line);
    } else if (IsMoneyCategory(category)) {
      AddMoney(sums, line, garnish_claims);
    }
  }
  return sums;
}

BookingEvaluation EvaluateBookings(EmployeeRecord& record) {
  MaskFields mask = record.mask_fields;
  const BookingSums sums = SumBookings(record.booking_table, AmountOrZero(mask[F::GarnishClaims]));
  mask[F::GrossTotal] = AmountField(sums.gross_total);
  mask[F::TaxableGross] = AmountField(sums.taxable_current);
  mask[F::TaxableOther] = AmountField(sums.taxable_one_off);
  mask[F::PensionInCurrent] = AmountField(sums.pension_current);
  mask[F::PensionInOther] = AmountField(sums.pension_one_off);
  mask[F::SvGross] = AmountField(sums.sv_current);
  mask[F::SvOneOff] = AmountField(sums.sv_one_off);
  mask[F::GarnishIncome] = AmountField(sums.garnishable);
  mask[F::TaxDays] = DaysField(sums.tax_days);
  mask[F::SvDays] = DaysField(sums.sv_days);
  if (mask[F::TaxableOther].empty()) {
    mask[F::ExpectedAnnualIncome].clear();
    mask[F::OtherYears].clear();
  }
  if (mask[F::SvOneOff].empty()) {
    for (const MaskField f : {F::KvAccumAmount, F::KvAccumDays, F::RvAccumAmount, F::RvAccumDays, F::AvAccumAmount,
                              F::AvAccumDays, F::LevyAccumAmount, F::LevyAccumDays}) {
      mask[f].clear();
    }
  }
  ClearByKeys(mask);

  BookingEvaluation evaluation;
  for (const MaskField f : kWrittenFields) evaluation.written.emplace_back(f, mask[f]);
  const bool one_off = !mask[F::TaxableOther].empty() || !mask[F::SvOneOff].empty();
  const std::string& last = record.annual_block[annual_slot::kLastSummation];
  if (one_off && !last.empty() && PeriodAfter(last) != mask[F::Period]) {
    evaluation.check_expected_income = ExpectedIncomeMessage();
  }

  // Everything is formed; now it is written.
  record.mask_fields = mask;
  for (const MaskField f : kWrittenFields) record.Slot(f) = mask[f];
  auto& month = record.month_record;
  const auto put = [&month](int slot, Cents amount) { month[static_cast<std::size_t>(slot)] = AmountField(amount); };
  put(booking_slot::kCategory1Total, sums.category1);
  put(booking_slot::kCategory2Total, sums.category2);
  put(booking_slot::kCategory3Total, sums.category3);
  put(booking_slot::kCategory4Total, sums.category4);
  put(booking_slot::kCorrectionCategory2, sums.correction2);
  put(booking_slot::kCorrectionCategory3, sums.correction3);
  put(booking_slot::kCorrectionCategory4, sums.correction4);
  BookingRow& extras = BookingExtras(record);
  extras[booking_extra::kAttendanceDays] = FormatTenths(sums.attendance_tenths);
  extras[booking_extra::kHolidaysTaken] = FormatTenths(sums.holidays_tenths);
  extras[booking_extra::kSickDaysPaid] = FormatTenths(sums.sick_tenths);
  extras[booking_extra::kOtherAbsence] = FormatTenths(sums.other_absence_tenths);
  extras[booking_extra::kFilledFromBookings] = "1";
  return evaluation;
}

DialogMessage ExpectedIncomeMessage() {
  return {"Kontrolle",
          {"Überprüfen Sie, ob die Eintragung im", "Eingabefeld vorraussichtlich steuer-",
           "pflichtiges Jahreseinkommen korrekt", "ist. Beachten Sie hierzu die Hilfe zu", "diesem Eingabefeld.",
           "Ändern Sie ggf. die Eintragung, und", "setzen Sie dann die Programmausführ-",
           "ung mittels der Return-Taste fort."},
          MessageKind::Exclamation};
}

std::vector<BookedWageType> BookedWageTypes(const BookingTable& table, const WageTypeTable& wage_types) {
  std::vector<BookedWageType> booked;
  const int count = BookingLineCount(table);
  for (int i = 0; i < count; ++i) {
    const BookingRow& line = table[static_cast<std::size_t>(i)];
    const WageTypeRow* wage_type = LookUpWageType(wage_types, line[col::kWageType]);
    booked.push_back({wage_type != nullptr ? (*wage_type)[wage_column::kName] : std::string(),
                      ParseBookingAmount(line[col::kTotal]).value_or(Cents(0))});
  }
  return booked;
}

std::string FormatTenths(std::int64_t tenths) {
  if (tenths == 0) return {};
  const bool negative = tenths < 0;
  const std::int64_t magnitude = negative ? -tenths : tenths;
  std::string text = std::to_string(magnitude / 10);
  if (magnitude % 10 != 0) text += "," + std::to_string(magnitude % 10);
  return negative ? "-" + text : text;
}

}  // namespace pekto
