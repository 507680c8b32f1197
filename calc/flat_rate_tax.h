// Flat-rate wage tax that the employer bears for part-time and marginal
// employment (§ 40a EStG), with its solidarity surcharge and church tax.
#pragma once

#include <array>
#include <string_view>

#include "calc/explain.h"
#include "calc/money.h"
#include "calc/payroll_input.h"
#include "calc/payroll_result.h"
#include "calc/year_parameters.h"

namespace pekto {

// "Pauschalierung der Steuer".
enum class FlatTaxKind {
  None,
  Marginal,     // "1": 2 % uniform tax (§ 40a Abs. 2) or 20 % (§ 40a Abs. 2a)
  ShortTerm,    // "2": 25 % (§ 40a Abs. 1)
  Agriculture,  // "3": 5 % for seasonal farm and forestry help (§ 40a Abs. 3)
};

[[nodiscard]] FlatTaxKind FlatTaxKindOf(std::string_view key);

// How church tax follows a flat-rate wage tax (gleich lautende Erlasse der
// obersten Finanzbehörden der Länder zur Kirchensteuer bei Pauschalierung
// der Lohnsteuer): without a key the simplified procedure at the Land's
// reduced flat rate for every employee; in the Nachweisverfahren nothing for
// an employee who is no church member (key "1"), the regular rate for a
// member (key "2", by the employee's denomination).
enum class FlatChurchProcedure { Simplified, ProvenNonMember, ByDenomination };

[[nodiscard]] FlatChurchProcedure FlatChurchProcedureOf(std::string_view church_flat_key);

struct FlatRateTaxInput {
  FlatTaxKind kind = FlatTaxKind::None;
  bool uniform = false;  // the 2 % tax, which includes surcharge and church tax
  Cents base;            // the flat-taxed pay
  int rate = 0;          // 1/100 percent
  int soli_rate = 0;     // 1/100 percent
  FlatChurchProcedure church = FlatChurchProcedure::Simplified;
  bool church_member = false;  // "Kirchensteuer (Arbeitnehmer)" set
  int church_flat_rate = 0;    // the Land's rate in the simplified procedure
  int church_rate = 0;         // the Land's regular rate
};

struct FlatRateTaxes {
  Cents wage_tax;  // "P.-LSt." or, for the 2 % tax, "P-St."
  Cents soli;      // "P.-Soli."
  // "P.-KiSt" is the sum of the two parts, which the Lohnsteuer-Anmeldung
  // keeps apart: [0] the simplified procedure, which the tax office divides
  // among the churches; [1] the Nachweisverfahren, due to the church of the
  // employee's denomination.
  std::array<Cents, 2> church;
};

// Each amount cut to whole cents: the tax like every wage tax, the
// surcharge as § 4 SolZG says, the church tax as the church-tax laws say.
// The surcharge is 5.5 % of every flat-rate tax without the exemption
// limits of § 3 SolZG, which only apply to assessed and table wage tax.
[[nodiscard]] FlatRateTaxes ComputeFlatRateTaxes(const FlatRateTaxInput& in);

// The flat-rate taxes of the month from the mask fields. The base is the
// month's taxable current and one-off pay: the Arbeitslohn of § 40a Abs. 1
// and 3 EStG, and for marginal employment (§ 40a Abs. 2 and 2a) the pay
// that is entered as taxable for the flat-taxed employee.
[[nodiscard]] FlatRateTaxInput FlatRateTaxInputOf(const PayrollInput& in, const YearParameters& params);

// Fills out.employer's flat-rate items and out.working.flat_tax_base.
void RunFlatRateTaxStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out, Explainer& explain);

}  // namespace pekto
