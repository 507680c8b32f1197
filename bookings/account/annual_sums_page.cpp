#include "bookings/account/annual_sums_page.h"

#include <array>
#include <charconv>
#include <optional>
#include <span>
#include <string_view>

#include "record/annual_block.h"

namespace pekto {

namespace {

namespace s = annual_slot;

constexpr std::size_t kLabelWidth = 44;
constexpr std::size_t kValueWidth = 14;

// Characters as a reader counts them: UTF-8 continuation bytes do not add.
std::size_t Columns(std::string_view text) {
  std::size_t n = 0;
  for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

std::string PadRight(std::string text, std::size_t width, char fill) {
  const std::size_t used = Columns(text);
  if (used < width) text.append(width - used, fill);
  return text;
}

std::string PadLeft(const std::string& text, std::size_t width) {
  const std::size_t used = Columns(text);
  return used < width ? std::string(width - used, ' ') + text : text;
}

std::optional<std::int64_t> WholeNumber(std::string_view text) {
  if (text.empty()) return 0;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

const std::string& Slot(const AnnualBlock& annual, int slot) { return annual[static_cast<std::size_t>(slot)]; }

// An amount slot in the comma form; a damaged text is shown as it is, so
// that nothing on the page hides what the record holds.
std::string AmountOf(const AnnualBlock& annual, int slot) {
  const auto cents = WholeNumber(Slot(annual, slot));
  return cents ? SheetAmount(*cents) : Slot(annual, slot);
}

std::string CountOf(const AnnualBlock& annual, int slot) {
  const auto value = WholeNumber(Slot(annual, slot));
  return value && *value == 0 ? std::string() : Slot(annual, slot);
}

std::string Row(std::string_view label, const std::string& value) {
  return PadRight(" " + std::string(label), kLabelWidth, '.') + PadLeft(value, kValueWidth);
}

std::string Rule() { return std::string(kAnnualSumsWidth, '-'); }

std::string Centred(std::string_view text) {
  const std::size_t used = Columns(text);
  return used < kAnnualSumsWidth ? std::string((kAnnualSumsWidth - used) / 2, ' ') + std::string(text)
                                 : std::string(text);
}

// MMJJJJ or MMJJ -> "05/2024"; empty when no month was closed.
std::string ClosedPeriod(const std::string& period) {
  if (period.size() == 6) return period.substr(0, 2) + "/" + period.substr(2);
  if (period.size() == 4) return period.substr(0, 2) + "/20" + period.substr(2);
  return period;
}

struct LabelledSlot {
  std::string_view label;
  int slot;
};

constexpr std::array<LabelledSlot, 10> kTaxRows{{
    {"Bruttolohn gesamt", s::kGrossTotal},
    {"Laufende Bezüge", s::kTaxablePay},
    {"Sonstige Bezüge", s::kTaxableOneOff},
    {"Enthaltene Versorgungsbezüge", s::kPensionIncluded},
    {"Steuerpflichtig gesamt", s::kTaxableTotal},
    {"Lohnsteuer laufende Bezüge", s::kWageTaxCurrent},
    {"Lohnsteuer sonstige Bezüge", s::kWageTaxOneOff},
    {"Kirchensteuer", s::kChurchTax},
    {"Solidaritätszuschlag", s::kSoli},
    {"Kammerbeitrag", s::kChamber},
}};

struct BranchRow {
  std::string_view label;
  std::optional<int> pay, days, employer, employee;
};

constexpr std::array<BranchRow, 5> kBranchRows{{
    {"Krankenversicherung", s::kKvPay, s::kKvDays, s::kKvEmployer, s::kKvEmployee},
    {"Rentenversicherung", s::kRvPay, s::kRvDays, s::kRvEmployer, s::kRvEmployee},
    {"Arbeitslosenversicherung", s::kAvPay, s::kAvDays, s::kAvEmployer, s::kAvEmployee},
    {"Pflegeversicherung", std::nullopt, std::nullopt, s::kPvEmployer, s::kPvEmployee},
    {"Umlagen/Kammer/Insolvenzg.", s::kLevyPay, s::kLevyDays, std::nullopt, std::nullopt},
}};

constexpr std::array<LabelledSlot, 9> kSvRows{{
    {"AN SV-Beitrag gesamt", s::kSvEmployeeTotal},
    {"AG-Anteil Rentenversicherung (Minijob)", s::kMiniJobRvEmployer},
    {"Freiwilliger AG-KV-Zuschuß", s::kVoluntaryKvSubsidy},
    {"Freiwilliger AG-PV-Zuschuß", s::kVoluntaryPvSubsidy},
    {"Beitrag zur Umlageversicherung 1", s::kU1},
    {"Beitrag zur Umlageversicherung 2", s::kU2},
    {"Beitrag zur Insolvenzgeldumlage", s::kInsolvencyLevy},
    {"Umlageversicherungspflichtiges Entgelt", s::kU1U2Pay},
    {"Minderungsbetrag im Übergangsbereich", s::kTransitionReduction},
}};

constexpr std::array<LabelledSlot, 5> kFlatRows{{
    {"Pauschalbesteuerte Bezüge", s::kFlatTaxedPay},
    {"Pauschale Lohnsteuer", s::kFlatWageTax},
    {"Pauschale Kirchensteuer", s::kFlatChurchTax},
    {"Pauschaler Solidaritätszuschlag", s::kFlatSoli},
    {"Einheitliche Pauschsteuer", s::kUniformFlatTax},
}};

void AddRows(std::vector<std::string>& lines, const AnnualBlock& annual, std::span<const LabelledSlot> rows) {
  for (const LabelledSlot& row : rows) lines.push_back(Row(row.label, AmountOf(annual, row.slot)));
}

void AddBranchTable(std::vector<std::string>& lines, const AnnualBlock& annual) {
  constexpr std::size_t kBranchLabel = 28;
  constexpr std::size_t kColumn = 12;
  lines.push_back(PadRight("", kBranchLabel, ' ') + PadLeft("Pflichtig", kColumn) + PadLeft("Tage", 6) +
                  PadLeft("AG-Beitrag", kColumn) + PadLeft("AN-Beitrag", kColumn));
  for (const BranchRow& row : kBranchRows) {
    const auto amount = [&](std::optional<int> slot) { return slot ? AmountOf(annual, *slot) : std::string(); };
    const std::string days = row.days ? CountOf(annual, *row.days) : std::string();
    lines.push_back(PadRight(" " + std::string(row.label), kBranchLabel, ' ') + PadLeft(amount(row.pay), kColumn) +
                    PadLeft(days, 6) + PadLeft(amount(row.employer), kColumn) +
                    PadLeft(amount(row.employee), kColumn));
  }
}

}  // namespace

std::string SheetAmount(std::int64_t cents) {
  if (cents == 0) return {};
  const bool negative = cents < 0;
  const std::uint64_t magnitude =
      negative ? static_cast<std::uint64_t>(-(cents + 1)) + 1 : static_cast<std::uint64_t>(cents);
  std::string text = std::to_string(magnitude / 100) + ",";
  text += static_cast<char>('0' + magnitude % 100 / 10);
  text += static_cast<char>('0' + magnitude % 10);
  return negative ? "-" + text : text;
}

std::string SheetDate(std::string_view ttmmjj) {
  if (ttmmjj.size() != 6 || ttmmjj.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::string(ttmmjj);
  }
  const std::string text(ttmmjj);
  return text.substr(0, 2) + "." + text.substr(2, 2) + ".20" + text.substr(4);
}

std::vector<std::string> AnnualSumsPageLines(const AnnualBlock& annual, const AnnualSumsHeader& header,
                                             std::optional<std::int64_t> garnishment_cents) {
  std::vector<std::string> lines;
  lines.push_back(Centred("J A H R E S S U M M E N"));
  lines.push_back(PadRight(" " + header.employee_name, kAnnualSumsWidth - 8 - Columns(header.date), ' ') +
                  " Stand: " + header.date);
  const std::string closed = ClosedPeriod(Slot(annual, s::kLastSummation));
  lines.push_back(" Abgerechnet bis: " + (closed.empty() ? std::string("-") : closed) +
                  (Slot(annual, s::kSummationDate).empty() ? std::string()
                                                           : "   Letzte Summenbildung: " +
                                                                 SheetDate(Slot(annual, s::kSummationDate))));
  lines.push_back(Rule());
  lines.push_back(" Steuer");
  AddRows(lines, annual, kTaxRows);
  lines.push_back(Row("Anzahl der Unterbrechungen", CountOf(annual, s::kInterruptions)));
  lines.push_back(Rule());
  lines.push_back(" Sozialversicherung");
  AddBranchTable(lines, annual);
  AddRows(lines, annual, kSvRows);
  lines.push_back(Rule());
  lines.push_back(" Pauschalierung");
  AddRows(lines, annual, kFlatRows);
  lines.push_back(Rule());
  lines.push_back(Row("Lohnpfändungen", garnishment_cents ? SheetAmount(*garnishment_cents) : std::string()));
  lines.push_back(Rule());
  for (std::string& line : lines) line.erase(line.find_last_not_of(' ') + 1);
  return lines;
}

}  // namespace pekto
