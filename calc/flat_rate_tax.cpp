#include "calc/flat_rate_tax.h"

namespace pekto {
namespace {

// amount x rate (1/100 percent), cut toward zero to whole cents.
Cents PercentOf(Cents amount, int rate) {
  return TruncateCents((amount.ToDecimal() * Decimal::FromInt(rate)).DivideExact(Decimal::FromInt(10000)));
}

int KeyIndex(FlatTaxKind kind) {
  switch (kind) {
    case FlatTaxKind::Marginal:
      return 1;
    case FlatTaxKind::ShortTerm:
      return 2;
    case FlatTaxKind::Agriculture:
      return 3;
    case FlatTaxKind::None:
      break;
  }
  return 0;
}

}  // namespace

FlatTaxKind FlatTaxKindOf(std::string_view key) {
  if (key == "1") return FlatTaxKind::Marginal;
  if (key == "2") return FlatTaxKind::ShortTerm;
  if (key == "3") return FlatTaxKind::Agriculture;
  return FlatTaxKind::None;
}

FlatChurchProcedure FlatChurchProcedureOf(std::string_view church_flat_key) {
  if (church_flat_key == "1") return FlatChurchProcedure::ProvenNonMember;
  if (church_flat_key == "2") return FlatChurchProcedure::ByDenomination;
  return FlatChurchProcedure::Simplified;
}

FlatRateTaxes ComputeFlatRateTaxes(const FlatRateTaxInput& in) {
  FlatRateTaxes taxes;
  if (in.kind == FlatTaxKind::None) return taxes;
  taxes.wage_tax = PercentOf(in.base, in.rate);
  if (in.uniform) return taxes;  // § 40a Abs. 2 EStG: surcharge and church tax included
  taxes.soli = PercentOf(taxes.wage_tax, in.soli_rate);
  switch (in.church) {
    case FlatChurchProcedure::Simplified:
      taxes.church[0] = PercentOf(taxes.wage_tax, in.church_flat_rate);
      break;
    case FlatChurchProcedure::ByDenomination:
      if (in.church_member) taxes.church[1] = PercentOf(taxes.wage_tax, in.church_rate);
      break;
    case FlatChurchProcedure::ProvenNonMember:
      break;
  }
  return taxes;
}

FlatRateTaxInput FlatRateTaxInputOf(const PayrollInput& in, const YearParameters& params) {
  FlatRateTaxInput f;
  f.kind = FlatTaxKindOf(in.flat_tax_kind);
  if (f.kind == FlatTaxKind::None) return f;
  f.uniform = f.kind == FlatTaxKind::Marginal && params.flat_rate_tax.UniformFlatTax;
  f.base = in.taxable_gross + in.taxable_other;
  f.rate = params.flat_rate_tax.RateByKey[static_cast<std::size_t>(KeyIndex(f.kind))];
  f.soli_rate = params.tax_tariff.SoliRate;
  f.church = FlatChurchProcedureOf(in.church_flat_key);
  f.church_member = in.church_employee != 0;
  f.church_flat_rate = params.ChurchTaxByLand.FlatRate;
  f.church_rate = params.ChurchTaxByLand.Rate;
  return f;
}

void RunFlatRateTaxStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out, Explainer& explain) {
  const FlatRateTaxInput input = FlatRateTaxInputOf(in, params);
  if (input.kind == FlatTaxKind::None) return;
  const FlatRateTaxes taxes = ComputeFlatRateTaxes(input);
  out.working.flat_tax_base = input.base;
  out.employer.flat_wage_tax = taxes.wage_tax;
  out.employer.flat_soli = taxes.soli;
  out.employer.flat_church_tax = taxes.church;

  explain.Section("Pauschsteuer");
  explain.Amount("Pauschal besteuerter Arbeitslohn", input.base);
  explain.Value("Pauschsteuersatz", EuroText(Decimal::FromScaled(input.rate, 2)) + " %");
  if (input.uniform) {
    explain.Amount("Einheitliche Pauschsteuer (mit Kirchensteuer und Solidaritätszuschlag)", taxes.wage_tax);
    return;
  }
  explain.Amount("Pauschale Lohnsteuer", taxes.wage_tax);
  explain.Amount("Pauschaler Solidaritätszuschlag", taxes.soli);
  explain.Amount("Pauschale Kirchensteuer (vereinfachtes Verfahren)", taxes.church[0]);
  explain.Amount("Pauschale Kirchensteuer (Nachweisverfahren)", taxes.church[1]);
}

}  // namespace pekto
