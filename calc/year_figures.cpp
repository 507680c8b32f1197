#include "calc/year_figures.h"

#include <algorithm>

#include "calc/money.h"

namespace pekto {
namespace {

using F = MaskField;

Cents AnnualAmount(const AnnualBlock& annual, int slot) { return Cents(AnnualValue(annual, slot)); }

int AnnualDays(const AnnualBlock& annual, int slot) { return static_cast<int>(AnnualValue(annual, slot)); }

bool KeySet(const std::string& key) { return !key.empty() && key != "0"; }

std::string DaysText(int days) { return days == 0 ? std::string() : std::to_string(days); }

// (360 - d) x current pay / 30 for the months still to come, when the
// employee has been employed this year by the accounting month.
Cents Projection(const MaskFields& mask, const AnnualBlock& annual) {
  const int yyyymm = PeriodToYyyymm(mask[F::Period]);
  const int elapsed = 30 * (yyyymm % 100);
  if (yyyymm == 0 || elapsed >= 360) return Cents(0);
  const int employed = elapsed - DaysBeforeEntry(annual[annual_slot::kEntryDate], yyyymm / 100);
  if (employed <= 0) return Cents(0);
  const Cents pay = AmountOrZero(mask[F::TaxableGross]);
  const Decimal projection =
      (Decimal::FromInt(360 - elapsed) * pay.ToDecimal()).Divide(Decimal::FromInt(30), 0, Rounding::HalfAwayFromZero);
  return Max(Cents(projection.ToInt64(Rounding::Down)), Cents(0));
}

void SetBranch(MaskFields& mask, F amount_field, F days_field, Cents stored, int stored_days, Cents pay, int days) {
  mask[amount_field] = FormatAmount(stored + pay);
  mask[days_field] = DaysText(stored_days + days);
}

// The levy base is kept when a levy is due: the chamber contribution of
// the Saarland, an insolvency levy, or U1/U2 in years up to 2005.
bool LevyApplies(const MaskFields& mask, const YearParameters& params) {
  const bool due = (IntegerOrZero(mask[F::StateCode]) == 13 && KeySet(mask[F::ChamberKey])) ||
                   params.InsolvencyLevyRate > 0 || (params.year != 0 && params.year <= 2005);
  return due && (KeySet(mask[F::LevyKey]) || KeySet(mask[F::ChamberKey]));
}

void FormAccumulatedBases(MaskFields& mask, const AnnualBlock& annual, const YearParameters& params) {
  for (const F field : {F::KvAccumAmount, F::KvAccumDays, F::RvAccumAmount, F::RvAccumDays, F::AvAccumAmount,
                        F::AvAccumDays, F::LevyAccumAmount, F::LevyAccumDays}) {
    mask[field].clear();
  }
  if (AmountOrZero(mask[F::SvOneOff]).IsZero()) return;
  const Cents pay = AmountOrZero(mask[F::SvGross]);
  const int days = static_cast<int>(IntegerOrZero(mask[F::SvDays]));
  using namespace annual_slot;
  if (KeySet(mask[F::KvKey])) {
    SetBranch(mask, F::KvAccumAmount, F::KvAccumDays, AnnualAmount(annual, kKvPay), AnnualDays(annual, kKvDays), pay,
              days);
  }
  if (KeySet(mask[F::RvKey])) {
    SetBranch(mask, F::RvAccumAmount, F::RvAccumDays, AnnualAmount(annual, kRvPay), AnnualDays(annual, kRvDays), pay,
              days);
  }
  if (KeySet(mask[F::AvKey])) {
    SetBranch(mask, F::AvAccumAmount, F::AvAccumDays, AnnualAmount(annual, kAvPay), AnnualDays(annual, kAvDays), pay,
              days);
  }
  if (LevyApplies(mask, params)) {
    SetBranch(mask, F::LevyAccumAmount, F::LevyAccumDays, AnnualAmount(annual, kLevyPay),
              AnnualDays(annual, kLevyDays), pay, days);
  }
}

}  // namespace

std::int64_t AnnualValue(const AnnualBlock& annual, int slot) {
  std::string_view text = annual[static_cast<std::size_t>(slot)];
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.find(',') != std::string_view::npos) return AmountOrZero(text).Value();
  const bool negative = !text.empty() && text.front() == '-';
  const std::int64_t value = IntegerOrZero(negative ? text.substr(1) : text);
  return negative ? -value : value;
}

std::string LastSummationPeriod(const AnnualBlock& annual) {
  const std::string& text = annual[annual_slot::kLastSummation];
  if (text.size() < 4) return {};
  return text.substr(0, 2) + text.substr(text.size() - 2);
}

int DaysBeforeEntry(std::string_view entry_date, int accounting_year) {
  if (entry_date.size() != 6 || IntegerOrZero(entry_date) == 0) return 0;
  const auto day = IntegerOrZero(entry_date.substr(0, 2));
  const auto month = IntegerOrZero(entry_date.substr(2, 2));
  const auto year = 2000 + IntegerOrZero(entry_date.substr(4, 2));
  if (year != accounting_year || month < 1 || month > 12) return 0;
  const auto counted_day = (day > 30 || (month == 2 && day > 27)) ? 30 : day;
  return static_cast<int>(30 * (month - 1) + counted_day - 1);
}

DialogMessage YearFiguresIntroduction() {
  return {"Kontrolle",
          {"Die Bildung der Jahreszahlen zur Berechnung", "der gesetzlichen Abzüge aus sonstigen Bezü-",
           "gen (über diese Funktionstaste/Menüpunkt)", "ist nur sinnvoll, falls die Leistungserfas-",
           "sung nicht über die Buchungsmaske sondern", "direkt auf der Hauptmaske vorgenommen wird.", "",
           "Vor Bildung der Jahreszahlen sind die Daten", "unter dem Eingabeblock (laufende Bezüge)",
           "sowie die steuerpflichtige und sozialver-", "sicherungspflichtige Höhe des sonstigen Be-",
           "zuges anzugeben.", "", "Jahreszahlen ausweisen ?"},
          MessageKind::Question};
}

std::optional<DialogMessage> YearFiguresRefusal(const MaskFields& mask) {
  const std::vector<std::string> head = {"Die Bildung der Jahreszahlen zur Be-", "rechnung der gesetzlichen Abzüge aus",
                                         "sonstigen Bezügen kann nicht durchge-"};
  if (AmountOrZero(mask[F::TaxableGross]).Value() < 0 || AmountOrZero(mask[F::SvGross]).Value() < 0) {
    DialogMessage m{"Kontrolle", head, MessageKind::Information};
    m.lines.insert(m.lines.end(), {"führt werden, da das Steuer-/ oder", "Sozialversicherungspflichtiges Ent-",
                                   "gelt negativ ist."});
    return m;
  }
  if (AmountOrZero(mask[F::TaxableOther]).IsZero() && AmountOrZero(mask[F::SvOneOff]).IsZero()) {
    DialogMessage m{"Kontrolle", head, MessageKind::Information};
    m.lines.insert(m.lines.end(), {"führt werden, da keine steuer-/ oder", "sozialversicherungspflichtige Einmal-",
                                   "zahlung/sonstiger Bezug angegeben", "wurde."});
    return m;
  }
  return std::nullopt;
}

bool PeriodAlreadyClosed(const MaskFields& mask, const AnnualBlock& annual) {
  const int last = PeriodToYyyymm(LastSummationPeriod(annual));
  const int current = PeriodToYyyymm(mask[F::Period]);
  return last != 0 && current != 0 && current <= last;
}

std::optional<DialogMessage> ClosedPeriodQuestion(const MaskFields& mask, const AnnualBlock& annual) {
  if (!PeriodAlreadyClosed(mask, annual)) return std::nullopt;
  return DialogMessage{"Kontrolle",
                       {"Der Abrechnungszeitraum " + mask[F::Period] + " wurde bereits",
                        "abgeschlossen. Eine wiederholte Bildung der", "Jahreszahlen führt zu einem unkorrekten Er-",
                        "gebnis.", "", "Jahreszahlen trotzdem bilden ?"},
                       MessageKind::Question};
}

void FormYearFigures(MaskFields& mask, const AnnualBlock& annual, const YearParameters& params) {
  const bool taxable_one_off = !AmountOrZero(mask[F::TaxableOther]).IsZero();
  const bool flat_rate = !mask[F::FlatTaxKind].empty();
  if (taxable_one_off && !flat_rate) {
    const Cents expected = AnnualAmount(annual, annual_slot::kTaxablePay) + AmountOrZero(mask[F::TaxableGross]) +
                           Projection(mask, annual) + AnnualAmount(annual, annual_slot::kTaxableOneOff);
    mask[F::ExpectedAnnualIncome] = FormatAmount(expected);
  } else {
    mask[F::ExpectedAnnualIncome].clear();
    mask[F::OtherYears].clear();
  }
  FormAccumulatedBases(mask, annual, params);
}

std::optional<DialogMessage> RemovalClosedPeriodQuestion(const MaskFields& mask, const AnnualBlock& annual) {
  if (!PeriodAlreadyClosed(mask, annual)) return std::nullopt;
  return DialogMessage{"Kontrolle",
                       {"Der Abrechnungszeitraum " + mask[F::Period] + " wurde bereits",
                        "abgeschlossen. Die Entfernung der Jahreszahlen", "führt zu einem unkorrekten Ergebnis.",
                        "Jahreszahlen trotzdem entfernen ?"},
                       MessageKind::Question};
}

void RemoveYearFigures(MaskFields& mask) {
  for (const F field : {F::KvAccumAmount, F::KvAccumDays, F::RvAccumAmount, F::RvAccumDays, F::AvAccumAmount,
                        F::AvAccumDays, F::LevyAccumAmount, F::LevyAccumDays, F::ExpectedAnnualIncome}) {
    mask[field].clear();
  }
}

}  // namespace pekto
