#include "calc/garnishment.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "calc/net_pay.h"

namespace pekto {
namespace {

constexpr int kDaysPerMonth = 30;
constexpr int kDaysPerWeek = 7;
constexpr int kWorkingDaysPerWeek = 5;

std::int64_t FloorDiv(std::int64_t numerator, std::int64_t divisor) {
  const std::int64_t quotient = numerator / divisor;
  return (numerator % divisor != 0 && (numerator < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

int CountedDependants(int dependants) { return std::clamp(dependants, 0, 5); }

// `net` x numerator / denominator in cents, cut after six decimals.
Decimal ShareOf(Cents net, std::int64_t numerator, std::int64_t denominator) {
  return (net.ToDecimal() * Decimal::FromInt(numerator)).Divide(Decimal::FromInt(denominator), 6, Rounding::Down);
}

Decimal Times(const Decimal& amount, int count) { return amount * Decimal::FromInt(count); }

Decimal CentsToEuros(const Decimal& cents) { return cents * Decimal::FromScaled(1, 2); }

}  // namespace

int FreeTenths(const GarnishmentTable& table, int dependants) {
  const auto counted = static_cast<std::size_t>(CountedDependants(dependants));
  int tenths = 0;
  for (std::size_t i = 0; i <= counted; ++i) tenths += table.BandCount[i];
  return tenths;
}

GarnishmentBand MonthlyBand(const GarnishmentTable& table, int dependants) {
  // The routine's limits are the table's limits divided by 21.66665 and
  // multiplied by the unit factor; for months the factor is 21.66665 itself.
  const auto d = static_cast<std::size_t>(CountedDependants(dependants));
  return {table.LowerLimit[d], table.UpperLimit, kMonthlyBandWidth, FreeTenths(table, dependants),
          Cents(table.MonthlyCorrection[d])};
}

GarnishmentBand StatutoryBand(const ExemptAmounts& amounts, Cents band_width, int free_tenths, int dependants) {
  const Cents exempt = ExemptAmount(amounts, dependants);
  const std::int64_t width = band_width.Value();
  const Cents lower(FloorDiv(exempt.Value(), width) * width);
  const std::int64_t tenths_of_cents = (10 - free_tenths) * (exempt - lower).Value();
  return {lower, amounts.upper_limit, band_width, free_tenths, Cents((tenths_of_cents + 4) / 10)};
}

Decimal GarnishableAmount(const GarnishmentBand& band, const Decimal& pay) {
  const std::int64_t width = band.band_width.Value();
  if (!pay.IsPositive() || width <= 0) return {};
  const Decimal upper = band.upper.ToDecimal();
  Decimal excess;  // above the upper limit: garnishable in full
  Decimal capped = pay;
  if (pay > upper) {
    excess = pay - upper;
    capped = upper;
  }
  const std::int64_t cut = capped.ToInt64(Rounding::Floor) / width * width;
  const std::int64_t over = cut - band.lower.Value();
  const std::int64_t share = FloorDiv(over * (10 - band.free_tenths), 10);
  // A share that is not above 0 stays 0 even when the correction is negative.
  const std::int64_t garnishable = share <= 0 ? 0 : std::max<std::int64_t>(share - band.correction.Value(), 0);
  return excess + Decimal::FromInt(garnishable);
}

GarnishmentPeriod SplitGarnishmentPeriod(int months, int calendar_days) {
  GarnishmentPeriod p;
  p.months = std::max(months, 0);
  const int days = std::max(calendar_days, 0);
  p.weeks = days / kDaysPerWeek;
  p.rest_days = days % kDaysPerWeek;
  p.rest_working_days = std::min(p.rest_days, kWorkingDaysPerWeek);
  p.length_days = kDaysPerMonth * p.months + days;
  return p;
}

Garnishment ComputeGarnishment(const GarnishmentInput& in, const GarnishmentTable& table,
                               const GarnishmentExemptions* exemptions) {
  Garnishment g;
  g.period = SplitGarnishmentPeriod(in.months, in.calendar_days);
  const GarnishmentPeriod& p = g.period;
  if (p.length_days <= 0 || in.net.Value() <= 0 || table.UpperLimit.Value() <= 0) return g;

  const int k = FreeTenths(table, in.dependants);
  if (p.months > 0) {
    const Decimal per_month = ShareOf(in.net, kDaysPerMonth, p.length_days);
    g.months_part = Times(GarnishableAmount(MonthlyBand(table, in.dependants), per_month), p.months);
  }
  if (exemptions != nullptr && p.weeks > 0) {
    const GarnishmentBand band = StatutoryBand(exemptions->weekly, kWeeklyBandWidth, k, in.dependants);
    g.weeks_part = Times(GarnishableAmount(band, ShareOf(in.net, kDaysPerWeek, p.length_days)), p.weeks);
  }
  if (exemptions != nullptr && p.rest_working_days > 0) {
    // The pay of the days left over is spread over their working days; the
    // daily amounts of § 850c ZPO are per working day (a fifth of a week).
    const GarnishmentBand band = StatutoryBand(exemptions->daily, kDailyBandWidth, k, in.dependants);
    const Decimal per_day =
        ShareOf(in.net, p.rest_days, static_cast<std::int64_t>(p.length_days) * p.rest_working_days);
    g.days_part = Times(GarnishableAmount(band, per_day), p.rest_working_days);
  }
  g.total = g.months_part + g.weeks_part + g.days_part;
  const Decimal capped = Max(Min(g.total, in.claims.ToDecimal()), Decimal());
  g.amount = RoundHalfAwayFromZero(capped);
  return g;
}

Cents GarnishmentNet(const PayrollInput& in, const PayrollResult& out) {
  const Cents net = in.garnish_income - StatutoryDeductions(out);
  // Premiums to a private insurer or as a voluntary member are deducted as
  // far as the employee bears them (§ 850e Nr. 1 Satz 2 ZPO); private care
  // insurance is as compulsory as health insurance (§ 23 SGB XI).
  return net - in.kv_employee_amount - in.pv_employee_amount;
}

void RunGarnishmentStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out, Explainer& explain) {
  if (in.garnish_income.IsZero() || in.garnish_claims.IsZero()) return;
  explain.Section("Lohnpfändung");
  const Cents net = GarnishmentNet(in, out);
  out.working.garnishment_net = net;
  const GarnishmentTable& table = params.garnishment_table;
  const GarnishmentExemptions* exemptions = FindGarnishmentExemptions(table.ValidFrom);
  const Garnishment g = ComputeGarnishment(
      {net, in.garnish_months, in.garnish_calendar_days, in.garnish_dependants, in.garnish_claims}, table, exemptions);
  out.employee.garnishment = g.amount;

  explain.Amount("Pfändbares Einkommen", in.garnish_income);
  explain.Amount("Nettoeinkommen für die Pfändung", net);
  explain.Value("Pfändungstabelle ab", table.ValidFrom);
  explain.Value("Unterhaltsberechtigte Personen", std::to_string(in.garnish_dependants));
  explain.Value("Zeitraum in Tagen", std::to_string(g.period.length_days));
  if (g.period.length_days <= 0) explain.Note("Ohne Monate und Kalendertage wird nichts gepfändet");
  if (exemptions == nullptr && (g.period.weeks > 0 || g.period.rest_working_days > 0)) {
    explain.Note("Keine Wochen- und Tagesbeträge zu dieser Pfändungstabelle: Wochen und Resttage ohne Pfändung");
  }
  explain.Value("Monate / Wochen / Resttage (Arbeitstage)",
                std::to_string(g.period.months) + " / " + std::to_string(g.period.weeks) + " / " +
                    std::to_string(g.period.rest_days) + " (" + std::to_string(g.period.rest_working_days) + ")");
  explain.Euros("Pfändbar aus Monaten", CentsToEuros(g.months_part));
  explain.Euros("Pfändbar aus Wochen", CentsToEuros(g.weeks_part));
  explain.Euros("Pfändbar aus Resttagen", CentsToEuros(g.days_part));
  explain.Amount("Gesamtforderungen", in.garnish_claims);
  explain.Amount("Pfändung", g.amount);
}

}  // namespace pekto
