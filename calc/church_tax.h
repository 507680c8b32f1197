// Church tax on current pay and on one-off payments: the Land's rate on the
// tax base, the minimum church tax of some Länder and the halving in a
// denominationally mixed marriage.
#pragma once

#include "calc/decimal.h"
#include "calc/money.h"
#include "calc/year_parameters.h"

namespace pekto {

struct ChurchContext {
  int land = 0;
  int employee_key = 0;  // "Kirchensteuer (Arbeitnehmer)", 0 = none
  int spouse_key = 0;    // "Kirchensteuer (Ehegatte)"
};

struct ChurchTax {
  Cents employee;  // "KiSt-AN"
  Cents spouse;    // "KiSt-EG": the spouse's half in the split case
};

// Bayern, Bremen and Niedersachsen do not halve the church tax of a
// denominationally mixed marriage.
[[nodiscard]] bool HalvingExemptLand(int land);

// Raises a church tax (euros) below the Land's minimum of days x flag / 100
// euros, when a wage tax is withheld.
[[nodiscard]] Decimal MinimumChurchTax(const YearParameters& params, const ChurchContext& church,
                                       const Decimal& church_tax, Cents wage_tax, int days);

// Minimum, membership and split applied to a church tax in euros, then
// converted to cents and multiplied by `units`.
[[nodiscard]] ChurchTax FinishChurchTax(const YearParameters& params, const ChurchContext& church,
                                        const Decimal& church_tax, Cents wage_tax, int days, int units);

// Church tax of current pay from the period's tax base. In per-day mode the
// base is that of one day, `days` is 1 and `units` the tax days.
[[nodiscard]] ChurchTax ComputeChurchTax(const YearParameters& params, const ChurchContext& church,
                                         Cents tax_base, Cents wage_tax, int days, int units);

}  // namespace pekto
