#include "bookings/payslip.h"

#include <array>
#include <memory>

#include "calc/payroll_input.h"
#include "calc/payroll_run.h"
#include "platform/code_page.h"
#include "record/annual_block.h"

namespace pekto {
namespace {

constexpr std::string_view kTitle = "L O H N - / G E H A L T S A B R E C H N U N G";
constexpr int kFormFirstRow = 4;
constexpr int kTableTemplate = 20;  // index of the empty ruled row below
constexpr int kTableLastRow = 48;

// The preset form: rows 4 to 23 (header box and column heads), one ruled
// row of the line table (rows 24 to 48) and rows 49 to 62 (summary box).
constexpr std::array<std::string_view, 35> kForm = {
    "┌──────────┬──────┬──────────┬──────────┬────────────┬───────────────────────┐",
    "│Monat/Jahr│Blatt │Eintritt  │Austritt  │Geburtsdatum│Versicherungsnummer    │",
    "│          │      │          │          │            │                       │",
    "├──────────┴────┬─┴──────────┴───┬──────┴───┬────────┴───────────────────────┤",
    "│Geringverdiener│SV-Schlüssel    │Sozialtage│Krankenkasse                    │",
    "│               │KV RV AV PV UV  │          │Pfl.            Freiw.          │",
    "│               │                │          │                                │",
    "├────────┬──────┴─┬──────┬───────┴───────┬──┴─────────────┬─────────┬────────┤",
    "│Pauschal│LSt.-Kl.│Faktor│Kinderfreibetr.│Konfession      │Bes.-Tab.│St.-Tage│",
    "│        │        │      │               │AN      Eheg.   │         │        │",
    "│        │        │      │               │                │         │        │",
    "├────────┴──┬─────┴──────┴────────────┬──┴─────────┬──────┴──────┬──┴────────┤",
    "│Zahlung PKV│Freibetrag mtl./jährl.   │Jahresurlaub│Urlaub genom.│Urlaub Rest│",
    "│           │                         │            │             │           │",
    "├───────────┴────┬────────────────┬───┴────────────┼─────────────┴───────────┤",
    "│LFZ Krank:      │Anwesend:       │Fehltage:       │                         │",
    "├──────┬────┬────┴────────────────┴─────┬─┬─┬──────┴───┬──────────┬──────────┤",
    "│Zeit- │Lohn│Einkommensbezeichnung      │S│S│Ber.-     │Menge     │Betrag    │",
    "│raum  │art │                           │T│V│basis     │          │          │",
    "├──────┼────┼───────────────────────────┼─┼─┼──────────┼──────────┼──────────┤",
    "│      │    │                           │ │ │          │          │          │",
    "├──────┴────┴────┬──────────┬──────────┬┴─┴─┴─┬────────┴─┬────────┴┬─────────┤",
    "│Art             │Betrag    │Art       │Betrag│BBG       │AG-Ant.  │AN-Ant.  │",
    "├────────────────┼──────────┼──────────┼──────┼──────────┼─────────┼─────────┤",
    "│Brutto gesamt...│          │KV-Pfl....│      │          │         │         │",
    "│Sonstige Bez....│          │RV-Pfl....│      │          │         │         │",
    "│Laufende Bez....│          │AV-Pfl....│      │          │         │         │",
    "│Ent. Vers.-Bez..│          │PV-Pfl....│      │          │         │         │",
    "│Stpfl. gesamt...│          │AN-SV ges.│      │          │         │         │",
    "│LSt. sonst.Bez..│          │AG-RV Ant.│      │          │         │         │",
    "│LSt. lfd. Bez...│          │Freiw.KV.-│      │          │         │         │",
    "│Kirchensteuer...│          │Zuschuß...│      │          │         │         │",
    "│Sol.-Zuschlag...│          │Freiw.PV.-│      │          │         │         │",
    "│Kammerbeitrag...│          │Zuschuß...│      │          │         │         │",
    "└────────────────┴──────────┴──────────┴──────┴──────────┴─────────┴─────────┘",
};

constexpr std::string_view kPrivacyNote[] = {
    " Ihre persönlichen Daten sind für die Abrechnung mit Computer gespeichert",
    " worden (P. 26/1 BDSG).",
};
// The form in code page 437, converted once.
const std::array<std::string, kForm.size()>& FormLines() {
  static const auto lines = [] {
    std::array<std::string, kForm.size()> converted;
    for (std::size_t i = 0; i < kForm.size(); ++i) converted[i] = Utf8ToCp437(kForm[i]);
    return converted;
  }();
  return lines;
}

constexpr int kSummaryNoteRow = 63;
constexpr int kPrivacyRow = 64;
constexpr int kFirstSummaryRow = 52;

// Cell positions of the header box (1-based character positions).
struct Cell {
  int row, column, width;
};
constexpr Cell kMonthYear{6, 2, 10}, kSheetNumber{6, 13, 6}, kEntry{6, 20, 10}, kExit{6, 31, 10},
    kBirthDate{6, 42, 12}, kSvNumber{6, 55, 23};
constexpr Cell kLowEarner{10, 2, 15}, kSvKeys{10, 18, 16}, kSvDays{10, 35, 10}, kHealthFund{10, 46, 15},
    kVoluntaryFund{10, 62, 16};
constexpr Cell kFlatTax{14, 2, 8}, kTaxClass{14, 11, 8}, kFactor{14, 20, 6}, kChildren{14, 27, 15},
    kChurchEmployee{14, 43, 8}, kChurchSpouse{14, 51, 8}, kSpecialTable{14, 60, 9}, kTaxDays{14, 70, 8};
constexpr Cell kPkvPremium{17, 2, 11}, kAllowance{17, 14, 25}, kHoliday{17, 40, 12}, kHolidayTaken{17, 53, 13},
    kHolidayRemaining{17, 67, 11};
constexpr Cell kSickPay{19, 12, 6}, kAttendance{19, 29, 6}, kAbsence{19, 46, 6};

// Cents as decimal text in the annual block ("123456", "-50"); else 0.
Cents StoredCents(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && text[start] == ' ') ++start;
  text.remove_prefix(start);
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 15 || text.find_first_not_of("0123456789") != std::string_view::npos) return {};
  const auto value = static_cast<std::int64_t>(std::stoll(std::string(text)));
  return Cents(negative ? -value : value);
}

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// TTMMJJ or TTMMJHJJ with points; anything else as it is.
std::string DateText(std::string_view date) {
  const std::string text = Trimmed(date);
  if ((text.size() != 6 && text.size() != 8) || text.find_first_not_of("0123456789") != std::string::npos) return text;
  return text.substr(0, 2) + "." + text.substr(2, 2) + "." + text.substr(4);
}

// MMJJ as "MM/JJJJ".
std::string MonthYearText(std::string_view period) {
  const std::string text = Trimmed(period);
  if (text.size() != 4 || text.find_first_not_of("0123456789") != std::string::npos) return text;
  return text.substr(0, 2) + "/20" + text.substr(2);
}

// MMJJ as "MM.JJ" in the period column.
std::string PeriodColumnText(std::string_view period) {
  const std::string text = Trimmed(period);
  if (text.size() != 4) return text;
  return text.substr(0, 2) + "." + text.substr(2);
}

std::string JoinNonEmpty(std::initializer_list<std::string_view> parts, std::string_view separator) {
  std::string text;
  for (const std::string_view part : parts) {
    const std::string trimmed = Trimmed(part);
    if (trimmed.empty()) continue;
    if (!text.empty()) text += separator;
    text += trimmed;
  }
  return text;
}

// "L" for the current keys 1 and 3, "S" for the one-off keys 2 and 4.
std::string KeyLetter(std::string_view key) {
  const std::string text = Trimmed(key);
  if (text == "1" || text == "3") return "L";
  if (text == "2" || text == "4") return "S";
  return {};
}

const std::string& MonthSlot(const EmployeeRecord& record, int slot) {
  return record.month_record[static_cast<std::size_t>(slot)];
}

const std::string& AnnualSlot(const EmployeeRecord& record, int slot) {
  return record.annual_block[static_cast<std::size_t>(slot)];
}

Cents MaskAmount(const EmployeeRecord& record, MaskField field) { return AmountOrZero(Trimmed(record.mask_fields[field])); }

void PutCell(OutputPages& pages, int sheet, const Cell& cell, std::string_view utf8) {
  pages.PutText(sheet, cell.row, cell.column, utf8, cell.width);
}

void PutCellRight(OutputPages& pages, int sheet, const Cell& cell, std::string_view utf8) {
  pages.PutRight(sheet, cell.row, cell.column, cell.width, Utf8ToCp437(utf8));
}

void FillHeader(const EmployeeRecord& record, OutputPages& pages, int sheet) {
  namespace a = annual_slot;
  namespace s = address_slot;
  const MaskFields& m = record.mask_fields;
  pages.Put(sheet, 1, 2, Utf8ToCp437(kTitle));
  const std::string employer =
      JoinNonEmpty({MonthSlot(record, s::kEmployerName), MonthSlot(record, s::kEmployerStreet),
                    JoinNonEmpty({MonthSlot(record, s::kEmployerPostcode), MonthSlot(record, s::kEmployerPlace)}, " ")},
                   ", ");
  const std::string employee =
      JoinNonEmpty({JoinNonEmpty({MonthSlot(record, s::kEmployeeFirstName), MonthSlot(record, s::kEmployeeName)}, " "),
                    MonthSlot(record, s::kEmployeeStreet),
                    JoinNonEmpty({MonthSlot(record, s::kEmployeePostcode), MonthSlot(record, s::kEmployeePlace)}, " ")},
                   ", ");
  if (!employer.empty()) pages.PutText(sheet, 2, 2, "Arbeitgeber:  " + employer, kSheetWidth - 1);
  if (!employee.empty()) pages.PutText(sheet, 3, 2, "Arbeitnehmer: " + employee, kSheetWidth - 1);

  PutCell(pages, sheet, kMonthYear, MonthYearText(m[MaskField::Period]));
  PutCell(pages, sheet, kSheetNumber, std::to_string(sheet));
  PutCell(pages, sheet, kEntry, DateText(AnnualSlot(record, a::kEntryDate)));
  PutCell(pages, sheet, kExit, DateText(AnnualSlot(record, a::kExitDate)));
  PutCell(pages, sheet, kBirthDate, DateText(m[MaskField::BirthDate]));
  PutCell(pages, sheet, kSvNumber, Trimmed(AnnualSlot(record, a::kSvNumber)));

  PutCell(pages, sheet, kLowEarner, Trimmed(m[MaskField::SvAttributeKey]) == "1" ? "ja" : "nein");
  const std::array<MaskField, 5> sv_keys = {MaskField::KvKey, MaskField::RvKey, MaskField::AvKey, MaskField::PvKey,
                                            MaskField::LevyKey};
  for (std::size_t i = 0; i < sv_keys.size(); ++i) {
    pages.PutText(sheet, kSvKeys.row, kSvKeys.column + 3 * static_cast<int>(i), Trimmed(m[sv_keys[i]]), 2);
  }
  PutCell(pages, sheet, kSvDays, Trimmed(m[MaskField::SvDays]));
  PutCell(pages, sheet, kHealthFund, Trimmed(AnnualSlot(record, a::kHealthFund)));
  PutCell(pages, sheet, kVoluntaryFund, Trimmed(AnnualSlot(record, a::kVoluntaryHealthFund)));

  PutCell(pages, sheet, kFlatTax, Trimmed(m[MaskField::FlatTaxKind]));
  PutCell(pages, sheet, kTaxClass, Trimmed(m[MaskField::TaxClass]));
  const std::string factor = Trimmed(m[MaskField::TaxFactor]);
  PutCell(pages, sheet, kFactor, factor.empty() ? "" : "0," + factor);
  PutCell(pages, sheet, kChildren, Trimmed(m[MaskField::ChildAllowances]));
  PutCell(pages, sheet, kChurchEmployee, Trimmed(m[MaskField::ChurchEmployee]));
  PutCell(pages, sheet, kChurchSpouse, Trimmed(m[MaskField::ChurchSpouse]));
  PutCell(pages, sheet, kSpecialTable, Trimmed(m[MaskField::SpecialTable]));
  PutCell(pages, sheet, kTaxDays, Trimmed(m[MaskField::TaxDays]));

  const Cents premium = MaskAmount(record, MaskField::PkvBasicPremium);
  if (!premium.IsZero()) PutCellRight(pages, sheet, kPkvPremium, SheetAmount(premium));
  const std::string allowance_text = Trimmed(m[MaskField::AnnualAllowance]);
  if (!allowance_text.empty()) {
    const Cents annual = AmountOrZero(allowance_text);
    // The monthly amount as the tax card gives it: a twelfth, cut to the cent.
    const Cents monthly(annual.Value() / 12);
    PutCell(pages, sheet, kAllowance, SheetAmount(monthly) + " / " + SheetAmount(annual));
  }
  PutCell(pages, sheet, kHoliday, Trimmed(AnnualSlot(record, a::kHolidayEntitlement)));
  PutCell(pages, sheet, kHolidayTaken, DaysText(BookedDays(record.booking_table, "6")));
  PutCell(pages, sheet, kHolidayRemaining, Trimmed(AnnualSlot(record, a::kHolidayRemaining)));
  PutCellRight(pages, sheet, kSickPay, DaysText(BookedDays(record.booking_table, "7")));
  PutCellRight(pages, sheet, kAttendance, DaysText(BookedDays(record.booking_table, "5")));
  PutCellRight(pages, sheet, kAbsence, DaysText(BookedDays(record.booking_table, "8")));
}

void PutSummaryAmount(OutputPages& pages, int sheet, int row, int column, int width, const std::string& cents_text) {
  if (Trimmed(cents_text).empty()) return;
  pages.PutRight(sheet, row, column, width, SheetAmount(StoredCents(cents_text)));
}

// The year-to-date totals of the annual block, or the note that they
// have not been formed yet.
void FillSummary(const EmployeeRecord& record, OutputPages& pages, int sheet) {
  namespace a = annual_slot;
  if (Trimmed(AnnualSlot(record, a::kLastSummation)).empty()) {
    pages.PutText(sheet, kSummaryNoteRow, 2,
                  "Jahressummen werden erst nach Bildung der der Jahressummen ausgewiesen !!", kSheetWidth - 1);
    return;
  }
  constexpr std::array<int, 10> left = {a::kGrossTotal,     a::kTaxableOneOff,  a::kTaxablePay, a::kPensionIncluded,
                                        a::kTaxableTotal,   a::kWageTaxOneOff,  a::kWageTaxCurrent,
                                        a::kChurchTax,      a::kSoli,           a::kChamber};
  for (std::size_t i = 0; i < left.size(); ++i) {
    PutSummaryAmount(pages, sheet, kFirstSummaryRow + static_cast<int>(i), 20, 9, AnnualSlot(record, left[i]));
  }
  struct Branch {
    int row, days, pay, employer, employee;
  };
  constexpr std::array<Branch, 4> branches = {{{52, a::kKvDays, a::kKvPay, a::kKvEmployer, a::kKvEmployee},
                                               {53, a::kRvDays, a::kRvPay, a::kRvEmployer, a::kRvEmployee},
                                               {54, a::kAvDays, a::kAvPay, a::kAvEmployer, a::kAvEmployee},
                                               {55, a::kKvDays, a::kKvPay, a::kPvEmployer, a::kPvEmployee}}};
  for (const Branch& b : branches) {
    const std::string days = Trimmed(AnnualSlot(record, b.days));
    if (!days.empty()) pages.PutRight(sheet, b.row, 42, 5, Utf8ToCp437(days));
    PutSummaryAmount(pages, sheet, b.row, 49, 9, AnnualSlot(record, b.pay));
    PutSummaryAmount(pages, sheet, b.row, 60, 8, AnnualSlot(record, b.employer));
    PutSummaryAmount(pages, sheet, b.row, 70, 8, AnnualSlot(record, b.employee));
  }
  PutSummaryAmount(pages, sheet, 56, 70, 8, AnnualSlot(record, a::kSvEmployeeTotal));
  PutSummaryAmount(pages, sheet, 57, 60, 8, AnnualSlot(record, a::kMiniJobRvEmployer));
  PutSummaryAmount(pages, sheet, 59, 60, 8, AnnualSlot(record, a::kVoluntaryKvSubsidy));
  PutSummaryAmount(pages, sheet, 61, 60, 8, AnnualSlot(record, a::kVoluntaryPvSubsidy));
}

// One booking line of the booking table as a payslip line, with its amount
// as booked: a positive amount is pay, a negative one a deduction (the
// evaluation negates the category 2 sum because the net-pay step subtracts
// it as "Sonst. Abz").
PayslipLine BookingLine(const BookingRow& row, const WageTypeTable& wage_types) {
  PayslipLine line;
  line.wage_type = Trimmed(row[1]);
  for (std::size_t i = 0; i < wage_types.count && i < wage_types.rows.size(); ++i) {
    const WageTypeRow& type = wage_types.rows[i];
    // "5" and "05" name the same wage type.
    const std::string number = Trimmed(type[wage_column::kNumber]);
    if (!line.wage_type.empty() && (number == line.wage_type || (IntegerOrZero(number) != 0 &&
                                                                 IntegerOrZero(number) == IntegerOrZero(line.wage_type)))) {
      line.text = Trimmed(type[wage_column::kName]);
      break;
    }
  }
  line.tax_key = KeyLetter(row[7]);
  line.sv_key = KeyLetter(row[8]);
  const Cents per_unit = AmountOrZero(Trimmed(row[5]));
  line.base = per_unit.IsZero() ? AmountOrZero(Trimmed(row[12])) : per_unit;
  if (line.base->IsZero()) line.base.reset();
  line.quantity = Trimmed(row[4]);
  const Cents total = AmountOrZero(Trimmed(row[6]));
  line.amount = total;
  line.period = Trimmed(row[3]);
  return line;
}

void AddBookingLines(const PayslipInputs& in, std::string_view category, std::vector<PayslipLine>& lines) {
  if (!in.from_booking_mask) return;
  for (const BookingRow& row : in.record.booking_table) {
    if (Trimmed(row[0]).empty()) break;
    if (Trimmed(row[2]) != category) continue;
    // The evaluation leaves category 1 lines of a correction period out of
    // the month, so the payslip does too.
    if (category == "1" && !Trimmed(row[3]).empty()) continue;
    lines.push_back(BookingLine(row, in.wage_types));
  }
}

PayslipLine Line(std::string text, Cents amount, std::optional<Cents> base = std::nullopt, bool always = false) {
  PayslipLine line;
  line.text = std::move(text);
  line.amount = amount;
  line.base = base;
  line.always = always;
  return line;
}

}  // namespace

std::string DaysText(Cents hundredths) {
  if (hundredths.IsZero()) return {};
  std::string text = SheetAmount(hundredths);
  if (text.ends_with(",00")) return text.substr(0, text.size() - 3);
  if (text.ends_with('0')) text.pop_back();
  return text;
}

Cents BookedDays(const BookingTable& table, std::string_view category) {
  Cents sum;
  for (const BookingRow& row : table) {
    if (Trimmed(row[0]).empty()) break;
    if (Trimmed(row[2]) == category) sum += AmountOrZero(Trimmed(row[4]));
  }
  return sum;
}

DialogMessage NineSheetLimitMessage() {
  return {"Kontrolle",
          {"Es können maximal 9 Abrech-", "nungsseiten erstellt werden.", "Buchungen ggf. zusammenfas-", "sen."},
          MessageKind::Information};
}

PayslipWriter::PayslipWriter(const EmployeeRecord& record, OutputPages& pages) : record_(record), pages_(pages) {
  PresetSheet();
}

void PayslipWriter::PresetSheet() {
  sheet_ = pages_.AddSheet();
  const auto& form = FormLines();
  for (int i = 0; i < kTableTemplate; ++i) pages_.Line(sheet_, kFormFirstRow + i) = form[static_cast<std::size_t>(i)];
  for (int row = kFirstPayslipRow; row <= kTableLastRow; ++row) pages_.Line(sheet_, row) = form[kTableTemplate];
  for (std::size_t i = kTableTemplate + 1; i < form.size(); ++i) {
    pages_.Line(sheet_, kTableLastRow + 1 + static_cast<int>(i) - kTableTemplate - 1) = form[i];
  }
  pages_.Line(sheet_, kPrivacyRow) = Utf8ToCp437(kPrivacyNote[0]);
  pages_.Line(sheet_, kPrivacyRow + 1) = Utf8ToCp437(kPrivacyNote[1]);
  FillHeader(record_, pages_, sheet_);
  row_ = kFirstPayslipRow;
}

void PayslipWriter::AddPayslipLine(const PayslipLine& line) {
  namespace c = payslip_column;
  if (limit_message_) return;
  if (line.amount.IsZero() && !line.always) return;
  if (row_ > kLastPayslipRow) {
    if (sheet_ >= kMaxPayslipSheets) {
      limit_message_ = NineSheetLimitMessage();
      return;
    }
    pages_.PutText(sheet_, kContinuationRow, c::kText, "Weiter Blatt Nr. " + std::to_string(sheet_ + 1),
                   c::kTextWidth);
    PresetSheet();
  }
  if (!line.period.empty()) pages_.PutText(sheet_, row_, c::kPeriod, PeriodColumnText(line.period), 5);
  if (!line.wage_type.empty()) pages_.PutRight(sheet_, row_, c::kWageType, 2, Utf8ToCp437(line.wage_type));
  pages_.PutText(sheet_, row_, c::kText, line.text, c::kTextWidth);
  if (!line.tax_key.empty()) pages_.PutText(sheet_, row_, c::kTaxKey, line.tax_key, 1);
  if (!line.sv_key.empty()) pages_.PutText(sheet_, row_, c::kSvKey, line.sv_key, 1);
  // Each number field keeps the column's leading blank.
  if (line.base) pages_.PutRight(sheet_, row_, c::kBase + 1, c::kNumberWidth - 1, SheetAmount(*line.base));
  if (!line.quantity.empty()) {
    pages_.PutRight(sheet_, row_, c::kQuantity + 1, c::kNumberWidth - 1, Utf8ToCp437(line.quantity));
  }
  pages_.PutRight(sheet_, row_, c::kAmount + 1, c::kNumberWidth - 1, SheetAmount(line.amount));
  ++row_;
}

void PayslipWriter::Finish() {
  namespace c = payslip_column;
  const std::string blank_row(kSheetWidth - 2, ' ');
  pages_.PutText(sheet_, kContinuationRow, c::kText, "Betrag erhalten ..........", c::kTextWidth);
  pages_.Line(sheet_, kStatementRow) = "\xB3" + blank_row + "\xB3";  // "│" in code page 437
  pages_.PutText(sheet_, kStatementRow, c::kText, "Weitere Beschäftigungsverhältnisse bestehen nicht.", 60);
  // The rule below no longer meets the column bars of the line table.
  for (char& ch : pages_.Line(sheet_, kStatementRow + 1)) {
    if (static_cast<unsigned char>(ch) == 0xC1) ch = static_cast<char>(0xC4);  // "┴" -> "─"
  }
  for (int sheet = 1; sheet <= pages_.SheetCount(); ++sheet) FillSummary(record_, pages_, sheet);
}

std::vector<PayslipLine> PayslipLines(const PayslipInputs& in) {
  const PayrollResult& r = in.result;
  const EmployeeRecord& record = in.record;
  std::vector<PayslipLine> lines;
  AddBookingLines(in, "1", lines);
  // The calculation yields no net-wage compensation of its own yet; the
  // two "Nettolohnausgleich" lines stay out until it does.
  lines.push_back(Line("Bruttolohn", r.employee.gross, std::nullopt, true));
  const Cents taxable_current = MaskAmount(record, MaskField::TaxableGross);
  const Cents taxable_other = MaskAmount(record, MaskField::TaxableOther);
  lines.push_back(Line("LSt laufende Bezüge", -r.current_employee.wage_tax, taxable_current));
  lines.push_back(Line("KiSt AN laufende Bez.", -r.current_employee.church_tax));
  lines.push_back(Line("KiSt EHEG lfd. Bez.", -r.current_employee.church_spouse));
  lines.push_back(Line("Sol.-Zuschlag lfd. Bez.", -r.current_employee.soli));
  const OneOffTaxPart& once = r.one_off_tax[0];
  lines.push_back(Line("LSt sonstige Bezüge", -once.wage_tax, taxable_other));
  lines.push_back(Line("KiSt AN sonstige Bez.", -once.church_tax));
  lines.push_back(Line("KiSt EHEG st. Bez.", -once.church_spouse));
  lines.push_back(Line("Sol.-Zuschlag st. Bez.", -once.soli));
  const OneOffTaxPart& years = r.one_off_tax[1];
  lines.push_back(Line("LSt sonstige Bez. mJ", -years.wage_tax, taxable_other));
  lines.push_back(Line("KiSt AN sonstige Bez. mJ", -years.church_tax));
  lines.push_back(Line("KiSt EHEG st. Bez. mJ", -years.church_spouse));
  lines.push_back(Line("Sol.-Zuschlag st. Bez. mJ", -years.soli));
  const Cents one_off_base = MaskAmount(record, MaskField::SvOneOff);
  const WorkingValues& w = r.working;
  lines.push_back(Line("Lfd-KV-Beitrag", -r.current_employee.kv, w.kv_base));
  lines.push_back(Line("EZ-KV-Beitrag", -r.one_off_employee.kv, one_off_base));
  lines.push_back(Line("Lfd-RV-Beitrag", -r.current_employee.rv, w.rv_base));
  lines.push_back(Line("EZ-RV-Beitrag", -r.one_off_employee.rv, one_off_base));
  lines.push_back(Line("Lfd-AV-Beitrag", -r.current_employee.av, w.av_base));
  lines.push_back(Line("EZ-AV-Beitrag", -r.one_off_employee.av, one_off_base));
  lines.push_back(Line("Lfd-PV-Beitrag", -r.current_employee.pv, w.kv_base));
  lines.push_back(Line("EZ-PV-Beitrag", -r.one_off_employee.pv, one_off_base));
  AddBookingLines(in, "2", lines);
  lines.push_back(Line("Nettolohn", r.employee.net, std::nullopt, true));
  // Voluntary or private insurance as the net-pay step applies it: the
  // employee's amount is deducted when one is entered; an employer subsidy
  // alone is paid out.
  const bool private_kv = Trimmed(record.mask_fields[MaskField::KvKey]) == "8";
  const std::string prefix = private_kv ? "Priv. " : "Freiw. ";
  const Cents kv_employee = MaskAmount(record, MaskField::KvEmployeeAmount);
  const Cents kv_employer = MaskAmount(record, MaskField::KvEmployerAmount);
  const Cents pv_employee = MaskAmount(record, MaskField::PvEmployeeAmount);
  const Cents pv_employer = MaskAmount(record, MaskField::PvEmployerAmount);
  lines.push_back(Line(prefix + "KV-Beitrag", -kv_employee));
  lines.push_back(Line(prefix + "KV-Beitrag AG", kv_employee.IsZero() ? kv_employer : Cents()));
  lines.push_back(Line(prefix + "PV-Beitrag", -pv_employee));
  lines.push_back(Line(prefix + "PV-Beitrag AG", pv_employee.IsZero() ? pv_employer : Cents()));
  lines.push_back(Line("Kammerbeitrag", -r.employee.chamber));
  lines.push_back(Line("Lohnpfändung", -r.employee.garnishment, MaskAmount(record, MaskField::GarnishIncome)));
  AddBookingLines(in, "3", lines);
  lines.push_back(Line("Auszahlung", r.employee.payout, std::nullopt, true));
  return lines;
}

PayslipBuild BuildPayslip(const PayslipInputs& inputs) {
  PayslipBuild build;
  PayslipWriter writer(inputs.record, build.pages);
  for (const PayslipLine& line : PayslipLines(inputs)) writer.AddPayslipLine(line);
  writer.Finish();
  build.limit_message = writer.LimitMessage();
  return build;
}


PayrollResult PayslipResult(const EmployeeRecord& record) {
  auto copy = std::make_unique<EmployeeRecord>(record);
  CopyMaskToRecord(*copy);
  const YearParameters params = LoadYearParameters(copy->month_record);
  return RunPayroll(*copy, params);
}

PayslipBuild BuildPayslipOf(const EmployeeRecord& record, const WageTypeTable& wage_types, bool from_booking_mask) {
  const PayrollResult result = PayslipResult(record);
  return BuildPayslip({record, result, wage_types, from_booking_mask});
}

}  // namespace pekto
