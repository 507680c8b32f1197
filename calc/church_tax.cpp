#include "calc/church_tax.h"

namespace pekto {

bool HalvingExemptLand(int land) { return land == 2 || land == 6 || land == 10; }

Decimal MinimumChurchTax(const YearParameters& params, const ChurchContext& church, const Decimal& church_tax,
                         Cents wage_tax, int days) {
  const Decimal& flag = params.ChurchTaxByLand.MinimumTaxFlag;
  if (flag.IsZero() || church.employee_key == 0 || wage_tax.IsZero()) return church_tax;
  const Decimal minimum = (Decimal::FromInt(days) * flag).DivideExact(Decimal::FromInt(100));
  if (!(minimum > church_tax)) return church_tax;
  // Hamburg has no minimum for a single day.
  if (church.land == 7 && days == 1) return Decimal();
  return minimum;
}

ChurchTax FinishChurchTax(const YearParameters& params, const ChurchContext& church, const Decimal& church_tax,
                          Cents wage_tax, int days, int units) {
  Decimal amount = MinimumChurchTax(params, church, church_tax, wage_tax, days);
  if (church.employee_key == 0) return {};
  const bool split = amount.IsPositive() && church.spouse_key > 0 && church.spouse_key != church.employee_key &&
                     !HalvingExemptLand(church.land);
  if (split) amount = amount.DivideExact(Decimal::FromInt(2));
  const Cents cents = ToCentsTruncating(amount);
  ChurchTax out;
  if (cents.Value() > 0) out.employee = Cents(cents.Value() * units);
  if (split) out.spouse = out.employee;
  return out;
}

ChurchTax ComputeChurchTax(const YearParameters& params, const ChurchContext& church, Cents tax_base,
                           Cents wage_tax, int days, int units) {
  const Decimal base = Max(tax_base.ToEuros(), Decimal());
  const Decimal church_tax =
      (base * Decimal::FromInt(params.ChurchTaxByLand.Rate)).DivideExact(Decimal::FromInt(10000));
  return FinishChurchTax(params, church, church_tax, wage_tax, days, units);
}

}  // namespace pekto
