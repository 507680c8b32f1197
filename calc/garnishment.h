// Lohnpfändung: the part of the month's net pay that the employer withholds
// for the creditors, by the tables of § 850c ZPO for whole months, whole
// weeks and the working days left over.
#pragma once

#include "calc/decimal.h"
#include "calc/explain.h"
#include "calc/garnishment_exemptions.h"
#include "calc/money.h"
#include "calc/payroll_input.h"
#include "calc/payroll_result.h"
#include "calc/year_parameters.h"

namespace pekto {

// One line of a garnishment table: pay is cut down to a multiple of the band
// width - 10 euros for pay by the month, 2.50 euros by the week, 50 cents by
// the day (§ 850c ZPO) - and of what exceeds the exempt amount the free
// tenths stay with the debtor.
// The band routine measures the excess from `lower`, the start of the band
// that holds the exempt amount, and subtracts `correction`, the garnishable
// share of the distance from `lower` up to the exempt amount.
struct GarnishmentBand {
  Cents lower;
  Cents upper;  // pay above it is garnishable in full (§ 850c ZPO)
  Cents band_width;
  int free_tenths = 0;
  Cents correction;
};

// Cents per unit of pay for the band routine of § 850c ZPO.
inline constexpr Cents kMonthlyBandWidth{1000};  // 10 euros
inline constexpr Cents kWeeklyBandWidth{250};    // 2.50 euros
inline constexpr Cents kDailyBandWidth{50};      // 50 cents

// Tenths of the excess that stay free: three for the debtor, two more for
// the first dependant and one more for each further one up to the fifth
// (§ 850c ZPO) - the table's band counts summed up.
[[nodiscard]] int FreeTenths(const GarnishmentTable& table, int dependants);

// The monthly line of the program's table for a number of dependants.
[[nodiscard]] GarnishmentBand MonthlyBand(const GarnishmentTable& table, int dependants);

// A line derived from the statutory exempt amounts: `lower` is the exempt
// amount cut down to the band width, as in the published tables, and the
// correction is rounded half toward zero, so that the band routine yields
// the table amount (free tenths of the excess over the exempt amount,
// rounded half away from zero). Weeks and days use it with the weekly and
// daily amounts of § 850c ZPO: the monthly limits divided by 21.66665 and
// multiplied by 5 or 1 count a year as 52 weeks where the statute counts
// 365/7, which puts the weekly upper limit 2.71 euros too high in 2023 and
// some weekly and daily lower limits above the exempt amount, so that the
// first band above it would garnish nothing.
[[nodiscard]] GarnishmentBand StatutoryBand(const ExemptAmounts& amounts, Cents band_width, int free_tenths,
                                            int dependants);

// The band routine: garnishable cents of `pay` (cents, may carry
// fractions) for one unit of pay; 0 for pay that is not positive.
[[nodiscard]] Decimal GarnishableAmount(const GarnishmentBand& band, const Decimal& pay);

// The garnishment period: "Monate" months of 30 days and "Kalendertage"
// days, the days split into whole weeks and the days left over. A partial
// week has at most five working days.
struct GarnishmentPeriod {
  int months = 0;
  int weeks = 0;
  int rest_days = 0;
  int rest_working_days = 0;
  int length_days = 0;
};

[[nodiscard]] GarnishmentPeriod SplitGarnishmentPeriod(int months, int calendar_days);

struct GarnishmentInput {
  Cents net;  // net pay for garnishment of the whole period
  int months = 0;
  int calendar_days = 0;
  int dependants = 0;
  Cents claims;  // "Gesamtforderungen"
};

struct Garnishment {
  GarnishmentPeriod period;
  Decimal months_part;  // cents, all months
  Decimal weeks_part;   // cents, all whole weeks
  Decimal days_part;    // cents, all working days left over
  Decimal total;        // cents, before the cap by the claims
  Cents amount;         // "Pfändung"
};

// The garnished amount of a period: each month, whole week and working day
// left over garnished by its own table, the sum capped by the claims and
// rounded half away from zero. Nothing without a period, without positive
// net pay or without a table; weeks and days need `exemptions`.
[[nodiscard]] Garnishment ComputeGarnishment(const GarnishmentInput& in, const GarnishmentTable& table,
                                             const GarnishmentExemptions* exemptions);

// Net pay for garnishment (§ 850e Nr. 1 ZPO): the garnishable income less
// the taxes and the employee's contributions of current and one-off pay and
// the employee's own voluntary or private health and care premiums. The
// garnishable income is taken as it stands: the booking evaluation rebuilds
// it from the month's bookings, and the record keeps no gross from the time
// a typed value was set that a change could be measured against.
[[nodiscard]] Cents GarnishmentNet(const PayrollInput& in, const PayrollResult& out);

// Runs only when "Pfändbares Einkommen" and "Gesamtforderungen" are both
// non-zero; fills out.working.garnishment_net and out.employee.garnishment.
void RunGarnishmentStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out, Explainer& explain);

}  // namespace pekto
