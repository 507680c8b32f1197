#include "calc/year_parameters.h"

#include <algorithm>

#include "calc/year_tables.h"

namespace pekto {
namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "MMYYYY" of a YYYYMM number.
std::string PeriodText(int yyyymm) {
  const int month = yyyymm % 100;
  const int year = yyyymm / 100;
  std::string text = std::to_string(month);
  if (month < 10) text.insert(0, "0");
  return text + std::to_string(year);
}

int YyyymmOfText(std::string_view mmyyyy) {
  if (mmyyyy.size() != 6 || !AllDigits(mmyyyy)) return 0;
  return static_cast<int>(IntegerOrZero(mmyyyy.substr(2)) * 100 + IntegerOrZero(mmyyyy.substr(0, 2)));
}

void SetDefaults(YearParameters& p) {
  p.tax_tariff.SoliExemptTax = Cents(97200);
  p.flat_rate_tax.RateByKey = {0, 2000, 2500, 500};
  p.ChamberRate = 15;
  p.pension_allowance.PvChildAdjustment.reset();
  p.social_insurance.KvGeneralRate = 1460;
  p.social_insurance.KvReducedRate = 1400;
}

void ApplyMarginalEmployment(const YearBlock& block, int yyyymm, std::string_view sv_attribute_key,
                             YearParameters& p) {
  const bool old_rule_case = sv_attribute_key == "7" || sv_attribute_key == "8";
  const bool standard = !old_rule_case && yyyymm >= block.standard_from_yyyymm;
  const MarginalLimits& limits = standard ? block.standard_limits : block.old_rule_limits;
  auto& m = p.marginal_employment;
  m.MiniJobLimit = limits.MiniJobLimit;
  m.TransitionUpperLimit = limits.TransitionUpperLimit;
  m.TransitionFactorF = limits.TransitionFactorF;
  m.TransitionLimitsFrom = standard ? PeriodText(block.standard_from_yyyymm) : PeriodText(block.year * 100 + 1);
  m.TraineeLowEarnerLimit = block.TraineeLowEarnerLimit;
  m.OneTwentiethReferenceValue = block.OneTwentiethReferenceValue;
  m.MiniJobRvMinimumBase = block.MiniJobRvMinimumBase;
}

void ApplyGarnishmentRow(int yyyymm, YearParameters& p) {
  // Each row holds from July of its year; a year uses the row of the July
  // before it until its own July.
  const auto rows = GarnishmentRows();
  const GarnishmentTable* chosen = &rows.front();
  for (const auto& row : rows) {
    if (YyyymmOfText(row.ValidFrom) <= yyyymm) chosen = &row;
  }
  p.garnishment_table = *chosen;
}

// Birth date "TTMMJHJJ" as YYYYMMDD; 0 when it is not eight digits.
int BirthDateNumber(std::string_view birth_date) {
  if (birth_date.size() != 8 || !AllDigits(birth_date)) return 0;
  return static_cast<int>(IntegerOrZero(birth_date.substr(4, 4)) * 10000 +
                          IntegerOrZero(birth_date.substr(2, 2)) * 100 + IntegerOrZero(birth_date.substr(0, 2)));
}

std::optional<int> DerivePvChildAdjustment(const YearBlock& block, int yyyymm, int surcharge,
                                           const YearParameterInputs& in) {
  std::optional<int> adjustment = surcharge;
  const std::int64_t pv_children = IntegerOrZero(in.pv_children);
  if (pv_children > 0 || !in.child_allowances.empty()) adjustment.reset();
  if (const int born = BirthDateNumber(in.birth_date); born != 0) {
    const int year = yyyymm / 100;
    const int month = yyyymm % 100;
    const int turns_23_limit = (year - 23) * 10000 + month * 100 + 1;
    if (born / 10000 < 1940 || born > turns_23_limit) adjustment.reset();
  }
  if (block.child_discount_from_yyyymm != 0 && yyyymm >= block.child_discount_from_yyyymm &&
      pv_children >= 2) {
    adjustment = -25 * static_cast<int>(std::min<std::int64_t>(pv_children - 1, 4));
  }
  return adjustment;
}

void ApplyChurchTax(const YearParameterInputs& in, YearParameters& p) {
  const int land = static_cast<int>(IntegerOrZero(in.state_code));
  const ChurchTaxOfLand* entry = FindChurchTaxOfLand(land);
  p.ChurchTaxByLand = entry != nullptr ? *entry : ChurchTaxOfLand{};
  if ((land == 14 || land == 15 || land == 17) && in.church_employee != "01") {
    p.ChurchTaxByLand.MinimumTaxFlag = Decimal();
  }
}

void ApplyFlatRateTax(const YearParameterInputs& in, YearParameters& p) {
  const bool pension_flat_case = in.rv_key == "1" || in.rv_key == "2" || in.rv_key == "5" || in.rv_key == "6";
  if (pension_flat_case && in.flat_tax_kind == "1") {
    p.flat_rate_tax.RateByKey[1] = 200;
    p.flat_rate_tax.RateByKey[3] = 200;
    p.flat_rate_tax.UniformFlatTax = true;
  }
}

}  // namespace

int PeriodToYyyymm(std::string_view period_mmjj) {
  if (period_mmjj.size() != 4 || !AllDigits(period_mmjj)) return 0;
  const auto month = IntegerOrZero(period_mmjj.substr(0, 2));
  if (month < 1 || month > 12) return 0;
  return static_cast<int>((2000 + IntegerOrZero(period_mmjj.substr(2, 2))) * 100 + month);
}

bool IsEastLand(int land) {
  return land == 3 || land == 5 || land == 9 || land == 14 || land == 15 || land == 17;
}

YearParameters LoadYearParameters(const YearParameterInputs& in) {
  YearParameters p;
  SetDefaults(p);
  const int yyyymm = PeriodToYyyymm(in.period);
  p.period_yyyymm = yyyymm;
  const YearBlock* block = FindYearBlock(yyyymm / 100);
  if (block == nullptr) return p;

  p.year = block->year;
  p.tax_tariff = block->tax_tariff;
  p.pension_allowance = block->pension_allowance;
  p.social_insurance = block->social_insurance;
  p.InsolvencyLevyRate = block->InsolvencyLevyRate;
  p.ChartKvEmployerRate = yyyymm % 100 >= 7 ? block->ChartKvEmployerRateFromJuly : block->ChartKvEmployerRate;
  ApplyMarginalEmployment(*block, yyyymm, in.sv_attribute_key, p);
  ApplyGarnishmentRow(yyyymm, p);

  int surcharge = block->pension_allowance.PvChildAdjustment.value_or(0);
  if (block->rate_switch && yyyymm >= block->rate_switch->from_yyyymm) {
    const RateSwitch& s = *block->rate_switch;
    p.social_insurance.RvTotalRate = s.RvTotalRate;
    p.social_insurance.AvTotalRate = s.AvTotalRate;
    p.social_insurance.PvTotalRate = s.PvTotalRate;
    p.social_insurance.PvEmployerShareSaxony = s.PvEmployerShareSaxony;
    if (s.PvChildlessSurcharge) surcharge = *s.PvChildlessSurcharge;
  }
  p.pension_allowance.PvChildAdjustment = DerivePvChildAdjustment(*block, yyyymm, surcharge, in);
  ApplyChurchTax(in, p);
  ApplyFlatRateTax(in, p);
  p.ChamberRate = IntegerOrZero(in.state_code) == 6 ? block->ChamberRateBremen : block->ChamberRateSaarland;
  if (yyyymm % 100 == 12) p.year_end_revision = block->december_revision;
  return p;
}

YearParameters AfterYearEndRevision(const YearParameters& params) {
  YearParameters revised = params;
  if (params.year_end_revision) {
    revised.tax_tariff = params.year_end_revision->tax_tariff;
    revised.social_insurance.ChildAllowanceFull = params.year_end_revision->ChildAllowanceFull;
    revised.year_end_revision.reset();
  }
  return revised;
}

}  // namespace pekto
