#include "bookings/account/account_sheet.h"

#include <array>
#include <functional>
#include <initializer_list>

#include "bookings/account/annual_sums_page.h"
#include "bookings/payslip.h"
#include "calc/money.h"
#include "calc/year_figures.h"
#include "platform/code_page.h"
#include "record/annual_block.h"
#include "record/booking_slots.h"

namespace pekto {
namespace {

namespace s = annual_slot;
namespace r = account_row;
namespace c = account_column;

constexpr std::array<std::string_view, 12> kMonthHeads = {"Jan. ", "Feb. ", "März ", "Apr. ", "Mai ",  "Juni ",
                                                          "Juli ", "Aug. ", "Sep. ", "Okt. ", "Nov. ", "Dez. "};

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// TTMMJJ or TTMMJJJJ with points; anything else as it is.
std::string DateWithPoints(std::string_view date) {
  const std::string text = Trimmed(date);
  if ((text.size() != 6 && text.size() != 8) || text.find_first_not_of("0123456789") != std::string::npos) return text;
  return text.substr(0, 2) + "." + text.substr(2, 2) + "." + text.substr(4);
}

std::string Amount(std::int64_t cents) { return cents == 0 ? std::string() : SheetAmount(Cents(cents)); }
std::string Days(std::int64_t days) { return days == 0 ? std::string() : std::to_string(days); }

const std::string& MonthSlot(const EmployeeRecord& record, int slot) {
  return record.month_record[static_cast<std::size_t>(slot)];
}
const std::string& Mask(const EmployeeRecord& record, MaskField field) { return record.mask_fields[field]; }

std::string YesNo(bool yes) { return yes ? "J" : "N"; }

// " G", " K" or " L" for the kinds 1, 2 and 3 of flat-rate taxation.
std::string FlatTaxKindText(const EmployeeRecord& record) {
  const std::string kind = Trimmed(Mask(record, MaskField::FlatTaxKind));
  if (kind == "1") return " G";
  if (kind == "2") return " K";
  if (kind == "3") return " L";
  return "Nein";
}

std::string Joined(std::initializer_list<std::string> parts) {
  std::string text;
  for (const std::string& part : parts) {
    const std::string trimmed = Trimmed(part);
    if (trimmed.empty()) continue;
    if (!text.empty()) text += ' ';
    text += trimmed;
  }
  return text;
}

// ----------------------------------------------------------------------------
// The rows of the month table.

enum class RowKind { Text, Days, Count, Amount, Extra, Heading };

struct ItemRow {
  std::string_view label;
  RowKind kind;
  std::function<std::string(const EmployeeRecord&)> text = {};  // Text
  std::vector<int> plus = {};                                    // Days, Count, Amount
  std::vector<int> minus = {};                                   // Amount
  std::int64_t AccountColumn::*extra = nullptr;                  // Extra
};

std::string CorrectionPeriod(const EmployeeRecord& record) {
  for (const BookingRow& row : record.booking_table) {
    if (Trimmed(row[0]).empty()) break;
    const std::string period = Trimmed(row[3]);
    if (period.size() == 4) return period.substr(0, 2) + "/" + period.substr(2);
  }
  return {};
}

std::string HealthFund(const EmployeeRecord& record) {
  const std::string compulsory = Trimmed(record.annual_block[s::kHealthFund]);
  return compulsory.empty() ? Trimmed(record.annual_block[s::kVoluntaryHealthFund]) : compulsory;
}

// The contribution group: the keys of KV, RV, AV and PV ("1111").
std::string SvGroup(const EmployeeRecord& record) {
  std::string group;
  for (const MaskField field : {MaskField::KvKey, MaskField::RvKey, MaskField::AvKey, MaskField::PvKey}) {
    const std::string key = Trimmed(Mask(record, field));
    group += key.empty() ? "0" : key;
  }
  return group;
}

std::string TaxClassAndFactor(const EmployeeRecord& record) {
  const std::string tax_class = Trimmed(Mask(record, MaskField::TaxClass));
  const std::string factor = Trimmed(Mask(record, MaskField::TaxFactor));
  return factor.empty() ? tax_class : tax_class + "/0," + factor;
}

std::function<std::string(const EmployeeRecord&)> MaskText(MaskField field) {
  return [field](const EmployeeRecord& record) { return Trimmed(Mask(record, field)); };
}

const std::vector<ItemRow>& ItemRows() {
  static const std::vector<ItemRow> rows = [] {
    using K = RowKind;
    std::vector<ItemRow> list = {
        {"Enthaltene Korrektur im Monat:", K::Text, CorrectionPeriod},
        {"Krankenkasse:", K::Text, HealthFund},
        {"SV-Gruppe:", K::Text, SvGroup},
        {"KV/PV-Tage:", K::Days, {}, {s::kKvDays}},
        {"RV-Tage:", K::Days, {}, {s::kRvDays}},
        {"AV-Tage:", K::Days, {}, {s::kAvDays}},
        {"Anzahl der Unterbrechungen:", K::Count, {}, {s::kInterruptions}},
        {"Besonder Tabelle:", K::Text,
         [](const EmployeeRecord& record) { return YesNo(Trimmed(Mask(record, MaskField::SpecialTable)) == "1"); }},
        {"Lohnsteuerklasse/Faktor:", K::Text, TaxClassAndFactor},
        {"Kinderfreibetrag:", K::Text, MaskText(MaskField::ChildAllowances)},
        {"Konfession Arbeitnehmer:", K::Text, MaskText(MaskField::ChurchEmployee)},
        {"Konfession Ehegatte:", K::Text, MaskText(MaskField::ChurchSpouse)},
        {"Brutto gesamt:", K::Amount, {}, {s::kGrossTotal}},
        {"Sonstige Bezüge:", K::Amount, {}, {s::kTaxableOneOff}},
        {"Laufende Bezüge:", K::Amount, {}, {s::kTaxablePay}},
        {"Enthaltene Versorgungsbezüge:", K::Amount, {}, {s::kPensionIncluded}},
        {"Steuerpflichtig gesamt:", K::Amount, {}, {s::kTaxableTotal}},
        {"Lohnsteuer sonstige Bezüge:", K::Amount, {}, {s::kWageTaxOneOff}},
        {"Lohnsteuer laufende Bezüge:", K::Amount, {}, {s::kWageTaxCurrent}},
        {"Kirchensteuer:", K::Amount, {}, {s::kChurchTax}},
        {"Solidaritätszuschlag:", K::Amount, {}, {s::kSoli}},
        {"Kammerbeitrag:", K::Amount, {}, {s::kChamber}},
        {"Pauschalbesteuerte Bezüge:", K::Amount, {}, {s::kFlatTaxedPay}},
        {"Pauschale Lohnsteuer:", K::Amount, {}, {s::kFlatWageTax}},
        {"Pauschale Kirchensteuer:", K::Amount, {}, {s::kFlatChurchTax}},
        {"Pauschaler Solidaritätszuschlag:", K::Amount, {}, {s::kFlatSoli}},
        {"Einheitliche Pauschsteuer:", K::Amount, {}, {s::kUniformFlatTax}},
        {"KV/PV-Pflichtige Bezüge:", K::Amount, {}, {s::kKvPay}},
        {"AG Beitrag KV:", K::Amount, {}, {s::kKvEmployer}},
        {"AN Beitrag KV:", K::Amount, {}, {s::kKvEmployee}},
        {"AG Beitrag PV:", K::Amount, {}, {s::kPvEmployer}},
        {"AN Beitrag PV:", K::Amount, {}, {s::kPvEmployee}},
        {"RV-Pflichtige Bezüge:", K::Amount, {}, {s::kRvPay}},
        // The employer's pension contribution, also the flat rate of a mini-job.
        {"AG Beitrag RV:", K::Amount, {}, {s::kRvEmployer, s::kMiniJobRvEmployer}},
        {"AN Beitrag RV:", K::Amount, {}, {s::kRvEmployee}},
        {"AV-Pflichtige Bezüge:", K::Amount, {}, {s::kAvPay}},
        {"AG Beitrag AV:", K::Amount, {}, {s::kAvEmployer}},
        {"AN Beitrag AV:", K::Amount, {}, {s::kAvEmployee}},
        {"AN SV-Beitrag gesamt:", K::Amount, {}, {s::kSvEmployeeTotal}},
        {"Freiwilliger AG-KV-Zuschuß:", K::Amount, {}, {s::kVoluntaryKvSubsidy}},
        {"Freiwilliger AG-PV-Zuschuß:", K::Amount, {}, {s::kVoluntaryPvSubsidy}},
        {"Beitrag zur Umlageversicherung 1:", K::Amount, {}, {s::kU1}},
        {"Beitrag zur Umlageversicherung 2:", K::Amount, {}, {s::kU2}},
        {"Beitrag zur Insolvenzgeldumlage:", K::Amount, {}, {s::kInsolvencyLevy}},
        {"AN Beitrag priv. KV/PV LSt-Besch.", K::Extra, {}, {}, {}, &AccountColumn::private_premium},
        {"-In KV-Beiträgen enthalten-", K::Heading},
        {"Zusatzbeitrag KV-Pflichtig:", K::Extra, {}, {}, {}, &AccountColumn::supplement_compulsory},
        {"Zusatzbeitrag KV-Freiwillig:", K::Extra, {}, {}, {}, &AccountColumn::supplement_voluntary},
    };
    return list;
  }();
  return rows;
}

// In the Übergangsbereich the pay rows above hold the actual pay; the
// contributions were levied on the reduced base (§ 20 Abs. 2a SGB IV).
// Both are reported, so the block below the table shows the reduced base
// with the contributions levied on it.
const std::vector<ItemRow>& TransitionRows() {
  static const std::vector<ItemRow> rows = [] {
    using K = RowKind;
    return std::vector<ItemRow>{
        {"RV-Pflichtige Bezüge:", K::Amount, {}, {s::kRvPay}, {s::kTransitionReduction}},
        {"AG Beitrag RV:", K::Amount, {}, {s::kRvEmployer}},
        {"AN Beitrag RV:", K::Amount, {}, {s::kRvEmployee}},
        {"AV-Pflichtige Bezüge:", K::Amount, {}, {s::kAvPay}, {s::kTransitionReduction}},
        {"AG Beitrag AV:", K::Amount, {}, {s::kAvEmployer}},
        {"AN Beitrag AV:", K::Amount, {}, {s::kAvEmployee}},
    };
  }();
  return rows;
}

std::int64_t SlotSum(const std::vector<int>& slots, const std::function<std::int64_t(int)>& value) {
  std::int64_t sum = 0;
  for (const int slot : slots) sum += value(slot);
  return sum;
}

// The pay of a branch less the reduction; nothing when the branch counted
// no pay.
std::int64_t ReducedPay(const ItemRow& row, const std::function<std::int64_t(int)>& value) {
  const std::int64_t pay = SlotSum(row.plus, value);
  if (pay == 0) return 0;
  return std::max<std::int64_t>(pay - SlotSum(row.minus, value), 0);
}

std::string MonthCell(const ItemRow& row, const AccountColumn& column) {
  const auto added = [&column](int slot) { return column.added[static_cast<std::size_t>(slot)]; };
  switch (row.kind) {
    case RowKind::Text:
      return column.record ? row.text(*column.record) : std::string();
    case RowKind::Days:
      return Days(SlotSum(row.plus, added));
    case RowKind::Amount:
      return Amount(ReducedPay(row, added));
    case RowKind::Extra:
      return Amount(column.*row.extra);
    case RowKind::Count:
    case RowKind::Heading:
      return {};
  }
  return {};
}

// The year's figures once `last` is counted; the figures without an annual
// slot are the sum of the columns up to it.
std::string SumsCell(const ItemRow& row, const std::vector<AccountColumn>& columns, std::size_t last) {
  const AnnualBlock& annual = columns[last].annual_after;
  const auto stored = [&annual](int slot) { return AnnualValue(annual, slot); };
  switch (row.kind) {
    case RowKind::Days:
    case RowKind::Count:
      return Days(SlotSum(row.plus, stored));
    case RowKind::Amount:
      return Amount(ReducedPay(row, stored));
    case RowKind::Extra: {
      std::int64_t sum = 0;
      for (std::size_t i = 0; i <= last; ++i) sum += columns[i].*row.extra;
      return Amount(sum);
    }
    case RowKind::Text:
    case RowKind::Heading:
      return {};
  }
  return {};
}

std::string Bar(std::string_view left, std::string_view middle, std::string_view right) {
  std::string line(left);
  const auto run = [&line](int n) {
    for (int i = 0; i < n; ++i) line += "─";
  };
  run(c::kLabelWidth);
  line += middle;
  run(c::kMonthWidth);
  line += middle;
  run(c::kMonthWidth);
  line += middle;
  run(c::kSumsWidth);
  line += right;
  return line;
}

// A table row: the label padded with dots, the cells right-aligned with a
// blank before the bar.
std::string TableRow(std::string_view label, const std::string& first, const std::string& second,
                     const std::string& sums, char fill) {
  const auto cell = [](const std::string& value, int width) {
    const int used = static_cast<int>(Utf8ToCp437(value).size());
    if (used >= width) return value.substr(0, static_cast<std::size_t>(width));
    return std::string(static_cast<std::size_t>(width - 1 - used), ' ') + value + " ";
  };
  std::string label_cell = " " + std::string(label);
  const int used = static_cast<int>(Utf8ToCp437(label_cell).size());
  if (used < c::kLabelWidth) label_cell.append(static_cast<std::size_t>(c::kLabelWidth - used), fill);
  return "│" + label_cell + "│" + cell(first, c::kMonthWidth) + "│" + cell(second, c::kMonthWidth) + "│" +
         cell(sums, c::kSumsWidth) + "│";
}

std::string ColumnHead(const AccountColumn* column, int year) {
  if (column == nullptr) return {};
  if (column->month == 0) return "Vortrag";
  return std::string(kMonthHeads[static_cast<std::size_t>(column->month - 1)]) + std::to_string(year);
}

// "Fehlzeiten:": the booked days of sickness and other absence of the
// sheet's months, and the count of interruptions of the year.
std::string AbsenceText(const std::vector<const AccountColumn*>& shown, const AnnualBlock& annual) {
  std::string text;
  for (const AccountColumn* column : shown) {
    if (column == nullptr || !column->record) continue;
    const std::string sick = DaysText(BookedDays(column->record->booking_table, "7"));
    const std::string absent = DaysText(BookedDays(column->record->booking_table, "8"));
    if (sick.empty() && absent.empty()) continue;
    if (!text.empty()) text += "; ";
    text += Trimmed(kMonthHeads[static_cast<std::size_t>(column->month - 1)]) + ":";
    if (!sick.empty()) text += " LFZ Krank " + sick;
    if (!absent.empty()) text += std::string(sick.empty() ? "" : ",") + " Fehltage " + absent;
  }
  const std::int64_t interruptions = AnnualValue(annual, s::kInterruptions);
  if (interruptions != 0) text += (text.empty() ? "" : "; ") + std::string("Unterbrechungen ") + std::to_string(interruptions);
  return text;
}

void PutMasterData(OutputPages& pages, int sheet, const EmployeeRecord& current) {
  namespace b = booking_slot;
  const AnnualBlock& annual = current.annual_block;
  std::string name = Trimmed(MonthSlot(current, b::kEmployeeName));
  if (name.empty()) name = Trimmed(Mask(current, MaskField::FileName));
  const std::array<std::pair<std::string_view, std::string>, 7> left = {{
      {" Name: . . . . . ", name},
      {" Vorname:. . . . ", Trimmed(MonthSlot(current, b::kEmployeeFirstName))},
      {" Plz/Wohnort:. . ", Joined({MonthSlot(current, b::kEmployeePostcode), MonthSlot(current, b::kEmployeePlace)})},
      {" Straße: . . . . ", Trimmed(MonthSlot(current, b::kEmployeeStreet))},
      {" Geburtsdatum: . ", DateWithPoints(Mask(current, MaskField::BirthDate))},
      {" Eintrittsdatum: ", DateWithPoints(annual[s::kEntryDate])},
      {" Austrittsdatum: ", DateWithPoints(annual[s::kExitDate])},
  }};
  const Cents allowance = AmountOrZero(Trimmed(Mask(current, MaskField::AnnualAllowance)));
  const Cents premium = AmountOrZero(Trimmed(Mask(current, MaskField::PkvBasicPremium)));
  const std::array<std::pair<std::string_view, std::string>, 6> right = {{
      {"Versicherungs-Nr: ", Trimmed(annual[s::kSvNumber])},
      {"Geringverdiener:. ", YesNo(Trimmed(Mask(current, MaskField::SvAttributeKey)) == "1")},
      {"Pauschalierung:.. ", FlatTaxKindText(current)},
      // The monthly allowance as the tax card gives it: a twelfth, cut to the cent.
      {"Freibetr. jährl.: ", Amount(allowance.Value())},
      {"Freibetr. mtl.:.. ", Amount(allowance.Value() / 12)},
      {"PKV-Zahlung:..... ", Amount(premium.Value())},
  }};
  for (std::size_t i = 0; i < left.size(); ++i) {
    const int row = r::kFirstMasterRow + static_cast<int>(i);
    pages.PutText(sheet, row, 1, std::string(left[i].first) + left[i].second, 39);
    if (i < right.size()) pages.PutText(sheet, row, 41, std::string(right[i].first) + right[i].second, 38);
  }
}

void PutLine(OutputPages& pages, int sheet, int row, std::string_view utf8) {
  pages.Line(sheet, row) = Utf8ToCp437(utf8);
}

bool HasTransitionZone(const AccountYear& year) {
  for (const AccountColumn& column : year.columns) {
    if (column.added[s::kTransitionReduction] != 0 || AnnualValue(column.annual_after, s::kTransitionReduction) != 0) {
      return true;
    }
  }
  return false;
}

void PutSheet(OutputPages& pages, const AccountSheetInputs& in, std::size_t first_column, bool transition) {
  const std::vector<AccountColumn>& columns = in.year.columns;
  const int sheet = pages.AddSheet();
  const std::string year = in.year.year > 0 ? std::to_string(in.year.year) : std::string();
  pages.PutText(sheet, r::kTitle, 2, "L O H N K O N T O  " + year, 30);
  const std::string right = "Blatt " + std::to_string(sheet) + "   Stand: " + in.today;
  pages.PutRight(sheet, r::kTitle, 40, 39, Utf8ToCp437(right));
  std::string rule;
  for (int i = 0; i < kSheetWidth; ++i) rule += "─";
  PutLine(pages, sheet, 2, rule);
  PutMasterData(pages, sheet, in.current);

  std::vector<const AccountColumn*> shown = {nullptr, nullptr};
  for (std::size_t i = 0; i < 2 && first_column + i < columns.size(); ++i) shown[i] = &columns[first_column + i];
  const std::size_t last = shown[1] != nullptr ? first_column + 1 : first_column;
  const bool any = !columns.empty();
  const AnnualBlock& annual = any ? columns[last].annual_after : in.current.annual_block;

  std::string box_rule;
  for (int i = 0; i < kSheetWidth - 2; ++i) box_rule += "─";
  PutLine(pages, sheet, r::kBoxTop, "┌" + box_rule + "┐");
  PutLine(pages, sheet, r::kAbsence, "│" + std::string(kSheetWidth - 2, ' ') + "│");
  PutLine(pages, sheet, r::kNotifications, "│" + std::string(kSheetWidth - 2, ' ') + "│");
  pages.PutText(sheet, r::kAbsence, 3, "Fehlzeiten: " + AbsenceText(shown, annual), kSheetWidth - 4);
  pages.PutText(sheet, r::kNotifications, 3, "Abgegebene Meldungen:", kSheetWidth - 4);
  PutLine(pages, sheet, r::kTableTop, Bar("├", "┬", "┤"));
  PutLine(pages, sheet, r::kTableHead,
          TableRow("Abrechnung vom . . . . bis . . . .", ColumnHead(shown[0], in.year.year),
                   ColumnHead(shown[1], in.year.year), any ? "Summen" : std::string(), ' '));
  PutLine(pages, sheet, r::kTableHead + 1, Bar("├", "┼", "┤"));

  const auto put_rows = [&](const std::vector<ItemRow>& rows, int first_row) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const ItemRow& row = rows[i];
      const std::string first = shown[0] ? MonthCell(row, *shown[0]) : std::string();
      const std::string second = shown[1] ? MonthCell(row, *shown[1]) : std::string();
      const std::string sums = any ? SumsCell(row, columns, last) : std::string();
      PutLine(pages, sheet, first_row + static_cast<int>(i),
              TableRow(row.label, first, second, sums, row.kind == RowKind::Heading ? ' ' : '.'));
    }
  };
  put_rows(ItemRows(), r::kFirstItemRow);
  if (!transition) {
    PutLine(pages, sheet, r::kTransitionHeading, Bar("└", "┴", "┘"));
    return;
  }
  PutLine(pages, sheet, r::kTransitionHeading,
          TableRow("RV Zusätzlich meldepfl. (Midijob):", std::string(), std::string(), std::string(), ' '));
  put_rows(TransitionRows(), r::kTransitionHeading + 1);
  PutLine(pages, sheet, r::kTransitionHeading + 1 + static_cast<int>(TransitionRows().size()), Bar("└", "┴", "┘"));
}

// The annual-sums page as the last sheet.
void PutAnnualSums(OutputPages& pages, const AccountSheetInputs& in) {
  namespace b = booking_slot;
  const AnnualBlock& annual = in.year.columns.empty() ? in.current.annual_block : in.year.columns.back().annual_after;
  std::string name = Trimmed(MonthSlot(in.current, b::kEmployeeName));
  if (name.empty()) name = Trimmed(Mask(in.current, MaskField::FileName));
  const std::string first_name = Trimmed(MonthSlot(in.current, b::kEmployeeFirstName));
  if (!first_name.empty()) name += ", " + first_name;
  const std::vector<std::string> lines = AnnualSumsPageLines(annual, {in.today, name}, in.garnishment_cents);
  const int sheet = pages.AddSheet();
  for (std::size_t i = 0; i < lines.size() && i < static_cast<std::size_t>(kSheetLines); ++i) {
    if (!lines[i].empty()) pages.PutText(sheet, static_cast<int>(i) + 1, 1, lines[i], kSheetWidth);
  }
}

}  // namespace

DialogMessage CurrentAccountWarning() {
  return {"Kontrolle",
          {"Führen Sie bitte zuerst die Abrechnung von", "der Hauptmaske aus, mit Return, durch.",
           "Ferner sind vor Ausgabe der Abrechnung die", "Jahressummen durch Abspeichern der Abrech-",
           "nung zu bilden, falls dies noch nicht ge-", "schehen ist.", "Sollten Sie diese Arbeitsanweisung nicht",
           "einhalten, kann es zu Fehlausgaben kommen.", "Lohnkonto trotzdem anzeigen ?"},
          MessageKind::Question};
}

DialogMessage ShowAccountQuestion() {
  return {"Kontrolle",
          {"Soll das Lohnkonto jetzt angezeigt bzw. ausgedruckt werden?",
           "Beachten Sie bitte, dass lediglich ausgedruckte Lohnkonten", "archiviert werden!"},
          MessageKind::Question};
}

std::optional<std::int64_t> YearGarnishments(const AccountYear& year) {
  std::int64_t sum = 0;
  for (const AccountColumn& column : year.columns) sum += column.garnishment;
  return sum;
}

OutputPages BuildAccountSheet(const AccountSheetInputs& inputs) {
  OutputPages pages;
  const bool transition = HasTransitionZone(inputs.year);
  const std::size_t count = inputs.year.columns.size();
  if (count == 0) {
    PutSheet(pages, inputs, 0, transition);
  } else {
    for (std::size_t first = 0; first < count; first += 2) PutSheet(pages, inputs, first, transition);
  }
  PutAnnualSums(pages, inputs);
  return pages;
}

}  // namespace pekto
