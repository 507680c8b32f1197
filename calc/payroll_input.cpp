#include "calc/payroll_input.h"

#include <algorithm>

namespace pekto {
namespace {

const std::string& Text(const MonthRecord& r, MaskField field) {
  return r[static_cast<std::size_t>(SlotOf(field))];
}
// No field of the mask holds an amount of 100 million euros or more; an
// amount read from a damaged file is held within that, so that no working
// value of the calculation can overflow.
constexpr std::int64_t kLargestAmountCents = 9'999'999'999;

Cents Bounded(Cents amount) {
  return Cents(std::clamp<std::int64_t>(amount.Value(), -kLargestAmountCents, kLargestAmountCents));
}

Cents Amount(const MonthRecord& r, MaskField field) { return Bounded(AmountOrZero(Text(r, field))); }
// Counts (days, months, keys) are typed with at most three digits; a longer
// one from a damaged file is held at 999999, where every product of the
// calculation still fits.
int Number(const MonthRecord& r, MaskField field) {
  return static_cast<int>(std::min<std::int64_t>(IntegerOrZero(Text(r, field)), 999999));
}
Cents AmountAt(const MonthRecord& r, int slot) { return Bounded(AmountOrZero(r[static_cast<std::size_t>(slot)])); }

// Rates are typed like amounts ("16,50"): their cents are 1/100 percent.
// A rate in hundredths of a percent; the fields hold at most "99,99".
int Rate(const MonthRecord& r, MaskField field) {
  return static_cast<int>(std::clamp<std::int64_t>(Amount(r, field).Value(), -99'999, 99'999));
}

// Born on or before 1 January of (year - 64): the 64th year of life was
// completed before the year began (§ 24a EStG).
void AgeRelief(const PayrollInput& in, ChartEmployee& e) {
  const std::string& b = in.birth_date;
  if (b.size() != 8) return;
  const auto day = IntegerOrZero(b.substr(0, 2));
  const auto month = IntegerOrZero(b.substr(2, 2));
  const auto born = IntegerOrZero(b.substr(4, 4));
  if (born == 0) return;
  const bool first_of_january = day == 1 && month == 1;
  const auto completed_64_in = born + (first_of_january ? 63 : 64);
  const int year = in.period_yyyymm / 100;
  if (completed_64_in < year) {
    e.age_relief = true;
    e.age_relief_year = static_cast<int>(completed_64_in + 1);
  }
}

}  // namespace

namespace {

void ReadTaxFields(const MonthRecord& r, PayrollInput& in) {
  using F = MaskField;
  in.tax_class = Number(r, F::TaxClass);
  in.tax_days = Number(r, F::TaxDays);
  in.taxable_gross = Amount(r, F::TaxableGross);
  in.child_allowances = Amount(r, F::ChildAllowances).ToEuros();
  in.annual_allowance = Amount(r, F::AnnualAllowance);
  in.tax_factor = Number(r, F::TaxFactor);
  in.special_table = Text(r, F::SpecialTable) == "1";
  in.church_employee = Number(r, F::ChurchEmployee);
  in.church_spouse = Number(r, F::ChurchSpouse);
  in.flat_tax_kind = Text(r, F::FlatTaxKind);
  in.church_flat_key = Text(r, F::ChurchFlatKey);
  in.pension_first_month = Amount(r, F::PensionFirstMonth);
  in.pension_in_current = Amount(r, F::PensionInCurrent);
  in.pension_one_off_expected = Amount(r, F::PensionOneOffExpected);
  in.pension_in_other = Amount(r, F::PensionInOther);
  in.pension_start_year = Number(r, F::PensionStartYear);
  in.pension_months = Number(r, F::PensionMonths);
}

void ReadInsuranceFields(const MonthRecord& r, PayrollInput& in) {
  using F = MaskField;
  in.kv_key = Text(r, F::KvKey);
  in.rv_key = Text(r, F::RvKey);
  in.av_key = Text(r, F::AvKey);
  in.pv_key = Text(r, F::PvKey);
  in.sv_attribute_key = Text(r, F::SvAttributeKey);
  in.levy_key = Text(r, F::LevyKey);
  in.chamber_key = Text(r, F::ChamberKey);
  in.net_wage_agreement = Text(r, F::NetWageAgreement);
  in.insolvency_exception = Text(r, F::InsolvencyException);
  in.kv_rate = Rate(r, F::KvRate);
  in.kv_rate_entered = !Text(r, F::KvRate).empty();
  in.u1_rate = Rate(r, F::U1Rate);
  in.u2_rate = Rate(r, F::U2Rate);
  in.pv_children = Number(r, F::PvChildren);
  in.kv_employer_amount = Amount(r, F::KvEmployerAmount);
  in.kv_employee_amount = Amount(r, F::KvEmployeeAmount);
  in.pv_employer_amount = Amount(r, F::PvEmployerAmount);
  in.pv_employee_amount = Amount(r, F::PvEmployeeAmount);
  in.kv_employer_amount_entered = !Text(r, F::KvEmployerAmount).empty();
  in.pv_employer_amount_entered = !Text(r, F::PvEmployerAmount).empty();
  in.pkv_basic_premium = Amount(r, F::PkvBasicPremium);
  in.pkv_basic_premium_entered = !Text(r, F::PkvBasicPremium).empty();
}

void ReadPayFields(const MonthRecord& r, PayrollInput& in) {
  using F = MaskField;
  in.gross_total = Amount(r, F::GrossTotal);
  in.sv_days = Number(r, F::SvDays);
  in.sv_gross = Amount(r, F::SvGross);
  in.sv_one_off = Amount(r, F::SvOneOff);
  in.taxable_other = Amount(r, F::TaxableOther);
  in.other_years_text = Text(r, F::OtherYears);
  in.other_years = Number(r, F::OtherYears);
  in.midi_other_employer_pay = Amount(r, F::MidiOtherEmployerPay);
  in.kv_accum_amount = Amount(r, F::KvAccumAmount);
  in.kv_accum_days = Number(r, F::KvAccumDays);
  in.rv_accum_amount = Amount(r, F::RvAccumAmount);
  in.rv_accum_days = Number(r, F::RvAccumDays);
  in.av_accum_amount = Amount(r, F::AvAccumAmount);
  in.av_accum_days = Number(r, F::AvAccumDays);
  in.levy_accum_amount = Amount(r, F::LevyAccumAmount);
  in.levy_accum_days = Number(r, F::LevyAccumDays);
  in.expected_annual_income = Amount(r, F::ExpectedAnnualIncome);
}

void ReadGarnishmentAndBookings(const MonthRecord& r, PayrollInput& in) {
  using F = MaskField;
  in.garnish_dependants = Number(r, F::GarnishDependants);
  in.garnish_calendar_days = Number(r, F::GarnishCalendarDays);
  in.garnish_months = Number(r, F::GarnishMonths);
  in.garnish_income = Amount(r, F::GarnishIncome);
  in.garnish_claims = Amount(r, F::GarnishClaims);
  in.booked_gross = AmountAt(r, 67);
  in.booked_before_net = AmountAt(r, 68);
  in.booked_after_net = AmountAt(r, 69);
  in.booked_employer = AmountAt(r, 83);
  in.booked_correction_before_net = AmountAt(r, 65);
  in.booked_correction_after_net = AmountAt(r, 66);
  in.booked_correction_employer = AmountAt(r, 82);
}

}  // namespace

PayrollInput ReadPayrollInput(const MonthRecord& r) {
  PayrollInput in;
  in.period = Text(r, MaskField::Period);
  in.period_yyyymm = PeriodToYyyymm(in.period);
  in.birth_date = Text(r, MaskField::BirthDate);
  in.state_code = Number(r, MaskField::StateCode);
  ReadTaxFields(r, in);
  ReadInsuranceFields(r, in);
  ReadPayFields(r, in);
  ReadGarnishmentAndBookings(r, in);
  return in;
}

YearParameterInputs YearParameterInputsOf(const MonthRecord& r) {
  using F = MaskField;
  return {Text(r, F::Period),        Text(r, F::BirthDate),      Text(r, F::PvChildren),
          Text(r, F::ChildAllowances), Text(r, F::StateCode),    Text(r, F::ChurchEmployee),
          Text(r, F::SvAttributeKey), Text(r, F::FlatTaxKind),    Text(r, F::RvKey)};
}

YearParameters LoadYearParameters(const MonthRecord& record) {
  return LoadYearParameters(YearParameterInputsOf(record));
}

int KvSupplementRate(const PayrollInput& in, const YearParameters& params) {
  if (in.kv_key.empty() || in.kv_key == "0" || !in.kv_rate_entered) return 0;
  const int base = in.kv_key == "3" ? params.social_insurance.KvReducedRate : params.social_insurance.KvGeneralRate;
  return std::max(in.kv_rate - base, 0);
}

ChartEmployee ChartEmployeeOf(const PayrollInput& in, const YearParameters& params) {
  ChartEmployee e;
  e.tax_class = in.tax_class;
  e.child_allowances = in.child_allowances;
  if (in.tax_factor > 0) e.factor = Decimal::FromScaled(in.tax_factor, 3);
  e.krv = in.special_table ? 2 : (IsEastLand(in.state_code) ? 1 : 0);

  // Statutory health insurance unless the key says none or private, or a
  // care subsidy is paid without a private premium.
  const bool statutory = in.kv_key != "0" && in.kv_key != "8" &&
                         !(!in.pkv_basic_premium_entered && in.pv_employer_amount_entered);
  if (statutory) {
    e.pkv = 0;
    e.kv_supplement_percent = Decimal::FromScaled(KvSupplementRate(in, params), 2);
  } else if (in.kv_key == "8" && in.pkv_basic_premium_entered) {
    e.pkv = in.kv_employer_amount_entered ? 2 : 1;
    e.private_premium_monthly = in.pkv_basic_premium;
    // From 2026 the chart takes the employer's subsidy itself (PKPVAGZ).
    e.private_subsidy_monthly = in.kv_employer_amount + in.pv_employer_amount;
  } else {
    e.pkv = 1;  // no deductible health and care contributions
  }
  e.saxony = in.state_code == 14;
  e.unemployment_insured = in.av_key == "1";
  const auto& adjustment = params.pension_allowance.PvChildAdjustment;
  e.childless_surcharge = adjustment.has_value() && *adjustment > 0;
  if (adjustment.has_value() && *adjustment < 0) e.pv_discount_children = -*adjustment / 25;

  AgeRelief(in, e);
  e.pension = {in.pension_first_month, in.pension_one_off_expected, in.pension_start_year, in.pension_months};
  return e;
}

Cents CardAllowanceOfPeriod(Cents annual_allowance, int tax_days) {
  if (annual_allowance.IsZero() || tax_days <= 0) return Cents(0);
  const Decimal prorated =
      (annual_allowance.ToDecimal() * Decimal::FromInt(tax_days)).DivideExact(Decimal::FromInt(360));
  return RoundUpToFive(prorated);
}

MonthlyWageTaxInput MonthlyWageTaxInputOf(const PayrollInput& in) {
  MonthlyWageTaxInput m;
  m.tax_days = in.tax_days;
  m.taxable_pay = in.taxable_gross;
  const Cents card = CardAllowanceOfPeriod(in.annual_allowance, in.tax_days);
  if (card.Value() > 0) m.card_allowance = card;
  if (card.Value() < 0) m.card_addback = -card;
  m.pension_in_pay = in.pension_in_current;
  return m;
}

}  // namespace pekto
