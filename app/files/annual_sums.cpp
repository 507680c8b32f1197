#include "app/files/annual_sums.h"

#include <algorithm>

#include "calc/money.h"
#include "calc/one_off_contributions.h"
#include "calc/payroll_run.h"
#include "calc/result_slots.h"

namespace pekto {
namespace {

namespace s = annual_slot;

bool KeySet(const std::string& key) { return !key.empty() && key != "0"; }

struct Adder {
  MonthFigures& month;
  void operator()(int slot, Cents amount) const { month.add[static_cast<std::size_t>(slot)] += amount.Value(); }
  void Days(int slot, int days) const { month.add[static_cast<std::size_t>(slot)] += std::max(days, 0); }
};

// The part of the month's SV one-off payment that a branch charged: all of
// it in the Übergangsbereich, else the part within the prorated annual
// ceiling (§ 23a SGB IV), compared with the year figures as the run did.
Cents OneOffBase(const PayrollInput& in, const PayrollResult& r, bool charged, Cents annual_ceiling, Cents accumulated,
                 int accumulated_days) {
  if (in.sv_one_off.Value() <= 0 || !charged) return Cents(0);
  if (r.working.transition_range) return in.sv_one_off;
  const AccumulatedYear year = accumulated_days > 0
                                   ? AccumulatedYear{accumulated, accumulated_days}
                                   : AccumulatedYear{Max(in.sv_gross, Cents(0)), std::max(in.sv_days, 0)};
  return ContributoryOneOffPart(in.sv_one_off, annual_ceiling, year);
}

// The pay a branch counts: the capped base, but the actual pay in the
// Übergangsbereich (its reduction has a slot of its own).
Cents CurrentPay(const PayrollInput& in, const PayrollResult& r, Cents base) {
  return r.working.transition_range ? Max(in.sv_gross, Cents(0)) : base;
}

void AddTax(const PayrollInput& in, const PayrollResult& r, const Adder& add) {
  add(s::kGrossTotal, r.employee.gross);
  if (in.flat_tax_kind.empty()) {
    add(s::kTaxablePay, in.taxable_gross);
    add(s::kTaxableOneOff, in.taxable_other);
    add(s::kTaxableTotal, in.taxable_gross + in.taxable_other);
    add(s::kPensionIncluded, in.pension_in_current + in.pension_in_other);
  } else {
    add(s::kFlatTaxedPay, r.working.flat_tax_base);
  }
  for (const OneOffTaxPart& part : r.one_off_tax) {
    add(s::kWageTaxOneOff, part.wage_tax);
    add(s::kChurchTax, part.church_tax + part.church_spouse);
    add(s::kSoli, part.soli);
  }
  add(s::kWageTaxCurrent, r.current_employee.wage_tax);
  add(s::kChurchTax, r.current_employee.church_tax + r.current_employee.church_spouse);
  add(s::kSoli, r.current_employee.soli);
  add(s::kChamber, r.employee.chamber);
  add(r.uniform_flat_tax ? s::kUniformFlatTax : s::kFlatWageTax, r.employer.flat_wage_tax);
  add(s::kFlatChurchTax, r.employer.flat_church_tax[0] + r.employer.flat_church_tax[1]);
  add(s::kFlatSoli, r.employer.flat_soli);
}

void AddContributions(const PayrollInput& in, const PayrollResult& r, const Adder& add) {
  const EmployeeDeductions& an = r.current_employee;
  const EmployeeDeductions& an1 = r.one_off_employee;
  const EmployerContributions& ag = r.current_employer;
  const EmployerContributions& ag1 = r.one_off_employer;
  add(s::kKvEmployer, ag.kv + ag1.kv);
  add(s::kKvEmployee, an.kv + an1.kv);
  add(r.working.mini_job ? s::kMiniJobRvEmployer : s::kRvEmployer, ag.rv + ag1.rv);
  add(s::kRvEmployee, an.rv + an1.rv);
  add(s::kAvEmployer, ag.av + ag1.av);
  add(s::kAvEmployee, an.av + an1.av);
  add(s::kPvEmployer, ag.pv + ag1.pv);
  add(s::kPvEmployee, an.pv + an1.pv);
  add(s::kSvEmployeeTotal, an.kv + an.rv + an.av + an.pv + an1.kv + an1.rv + an1.av + an1.pv);
  add(s::kVoluntaryKvSubsidy, in.kv_employer_amount);
  add(s::kVoluntaryPvSubsidy, in.pv_employer_amount);
}

void AddBranchBases(const PayrollInput& in, const PayrollResult& r, const YearParameters& params, const Adder& add) {
  const SocialInsurance& si = params.social_insurance;
  const bool east = IsEastLand(in.state_code);
  const auto charged = [](Cents a, Cents b) { return !(a + b).IsZero(); };
  const WorkingValues& w = r.working;
  if (KeySet(in.kv_key)) {
    const bool kv_charged =
        charged(r.one_off_employee.kv + r.one_off_employee.pv, r.one_off_employer.kv + r.one_off_employer.pv);
    add(s::kKvPay, CurrentPay(in, r, w.kv_base) +
                       OneOffBase(in, r, kv_charged, si.KvCeiling, in.kv_accum_amount, in.kv_accum_days));
    add.Days(s::kKvDays, in.sv_days);
  }
  if (KeySet(in.rv_key)) {
    const bool rv_charged = charged(r.one_off_employee.rv, r.one_off_employer.rv);
    const Cents ceiling = east ? si.RvCeilingEast : si.RvCeilingWest;
    add(s::kRvPay, CurrentPay(in, r, w.rv_base - w.mini_job_rv_gap) +
                       OneOffBase(in, r, rv_charged, ceiling, in.rv_accum_amount, in.rv_accum_days));
    add.Days(s::kRvDays, in.sv_days);
  }
  if (KeySet(in.av_key)) {
    const bool av_charged = charged(r.one_off_employee.av, r.one_off_employer.av);
    const Cents ceiling = east ? si.AvCeilingEast : si.AvCeilingWest;
    add(s::kAvPay,
        CurrentPay(in, r, w.av_base) + OneOffBase(in, r, av_charged, ceiling, in.av_accum_amount, in.av_accum_days));
    add.Days(s::kAvDays, in.sv_days);
  }
}

void AddLevies(const PayrollInput& in, const PayrollResult& r, const Adder& add) {
  const EmployerEvaluation& ag = r.employer;
  add(s::kU1, ag.u1);
  add(s::kU2, ag.u2);
  add(s::kInsolvencyLevy, ag.insolvency_levy);
  if (!(ag.u1 + ag.u2).IsZero()) add(s::kU1U2Pay, r.working.levy_base);
  const bool levy_charged = !(ag.u1 + ag.u2 + ag.insolvency_levy + r.employee.chamber).IsZero();
  if (levy_charged && (KeySet(in.levy_key) || KeySet(in.chamber_key))) {
    add(s::kLevyPay, r.working.levy_base + r.working.levy_base_one_off);
    add.Days(s::kLevyDays, in.sv_days);
  }
  if (r.working.transition_range) {
    add(s::kTransitionReduction, Max(Max(in.sv_gross, Cents(0)) - r.working.transition_base, Cents(0)));
  }
}

std::string ValueText(std::int64_t value) { return value == 0 ? std::string() : std::to_string(value); }

}  // namespace

MonthFigures MonthFiguresOf(const PayrollInput& input, const PayrollResult& result, const YearParameters& params) {
  MonthFigures month;
  const Adder add{month};
  AddTax(input, result, add);
  AddContributions(input, result, add);
  AddBranchBases(input, result, params, add);
  AddLevies(input, result, add);
  return month;
}

void AddMonthFigures(AnnualBlock& annual, const MonthFigures& month) {
  for (int slot = 0; slot < kAnnualBlockSlots; ++slot) {
    if (!IsSummedAnnualSlot(slot) || month[slot] == 0) continue;
    annual[static_cast<std::size_t>(slot)] = ValueText(AnnualValue(annual, slot) + month[slot]);
  }
}

std::string SummationPeriodText(std::string_view period_mmjj) {
  if (period_mmjj.size() != 4) return std::string(period_mmjj);
  return std::string(period_mmjj.substr(0, 2)) + "20" + std::string(period_mmjj.substr(2, 2));
}

bool StartsNewYear(const AnnualBlock& annual, std::string_view period_mmjj) {
  const std::string last = LastSummationPeriod(annual);
  return last.size() == 4 && period_mmjj.size() == 4 && last.substr(2, 2) != period_mmjj.substr(2, 2);
}

void ResetSummedSlots(AnnualBlock& annual) {
  for (int slot = 0; slot < kAnnualBlockSlots; ++slot) {
    if (IsSummedAnnualSlot(slot)) annual[static_cast<std::size_t>(slot)].clear();
  }
}

bool SummationDue(const EmployeeRecord& record) {
  const std::string& period = record.month_record[static_cast<std::size_t>(SlotOf(MaskField::Period))];
  if (record.annual_block[s::kCalculated].empty() || period == LastSummationPeriod(record.annual_block)) return false;
  const int yyyymm = PeriodToYyyymm(period);
  return yyyymm / 100 >= kFirstParameterYear && yyyymm / 100 <= kLastParameterYear;
}

PayrollResult CloseMonth(EmployeeRecord& record, std::string_view today) {
  const std::string period = record.month_record[static_cast<std::size_t>(SlotOf(MaskField::Period))];
  const YearParameters params = LoadYearParameters(record.month_record);
  const PayrollInput input = ReadPayrollInput(record.month_record);
  const PayrollResult result = ComputePayroll(input, params);
  WriteResultSlots(result, record.month_record);
  AnnualBlock& annual = record.annual_block;
  if (StartsNewYear(annual, period)) ResetSummedSlots(annual);
  AddMonthFigures(annual, MonthFiguresOf(input, result, params));
  annual[s::kLastSummation] = SummationPeriodText(period);
  annual[s::kSummationDate] = std::string(today);
  annual[s::kCalculated].clear();
  return result;
}

}  // namespace pekto
