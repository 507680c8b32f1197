#include "calc/contribution_shares.h"

#include <algorithm>

namespace pekto {
namespace {

const Decimal kTenThousand = Decimal::FromInt(10000);
const Decimal kTwentyThousand = Decimal::FromInt(20000);

Decimal Rate(int hundredths_of_percent) { return Decimal::FromInt(hundredths_of_percent); }

// YYYYMM of a period text "MMYYYY"; 0 when it is not one.
int YyyymmOfPeriodText(const std::string& mmyyyy) {
  if (mmyyyy.size() != 6) return 0;
  const auto month = IntegerOrZero(std::string_view(mmyyyy).substr(0, 2));
  const auto year = IntegerOrZero(std::string_view(mmyyyy).substr(2));
  if (month < 1 || month > 12 || year == 0) return 0;
  return static_cast<int>(year * 100 + month);
}

KvScheme KvSchemeOf(const PayrollInput& in, const YearParameters& params) {
  if (in.kv_key == "1" || in.kv_key == "3" || in.kv_key == "5") return KvScheme::Statutory;
  if (in.kv_key == "6") {
    const int from = YyyymmOfPeriodText(params.social_insurance.MiniJobRatesFrom);
    if (from != 0 && in.period_yyyymm >= from) return KvScheme::MiniJobFlat;
  }
  return KvScheme::None;  // "0", "8" private, "9" entered by hand
}

RvScheme RvSchemeOf(const PayrollInput& in, bool mini_job) {
  if (in.rv_key == "5") return RvScheme::MiniJobFlat;
  if (in.rv_key == "1") return mini_job ? RvScheme::MiniJobFlat : RvScheme::Full;
  if (in.rv_key == "3") return mini_job ? RvScheme::MiniJobFlat : RvScheme::EmployerHalf;
  return RvScheme::None;
}

void SetCareRates(const PayrollInput& in, const YearParameters& params, ContributionRates& r) {
  if (in.pv_key == "1") r.pv = PvScheme::Full;
  if (in.pv_key == "2") r.pv = PvScheme::HalfRate;
  if (r.pv == PvScheme::None) return;
  const bool half = r.pv == PvScheme::HalfRate;
  const Decimal two = Decimal::FromInt(2);
  r.pv_total = Rate(params.social_insurance.PvTotalRate);
  if (half) r.pv_total = r.pv_total.DivideExact(two);
  if (in.state_code == 14) {
    const Decimal& employer = params.social_insurance.PvEmployerShareSaxony;
    r.pv_employer_saxony = half ? employer.DivideExact(two) : employer;
  }
  r.pv_adjustment = Rate(params.pension_allowance.PvChildAdjustment.value_or(0));
}

void AddToBoth(ContributionShares& s, Cents BranchAmounts::*branch, Cents half) {
  s.employee.*branch += half;
  s.employer.*branch += half;
}

void ShareHealth(const ContributionRates& r, Cents base, ContributionShares& s) {
  if (r.kv != KvScheme::Statutory) return;
  AddToBoth(s, &BranchAmounts::kv, HalfShareOf(base, r.kv_general) + HalfShareOf(base, r.kv_supplement));
}

void SharePensionAndUnemployment(const ContributionRates& r, const StatutoryBases& b, ContributionShares& s) {
  if (r.rv == RvScheme::Full) AddToBoth(s, &BranchAmounts::rv, HalfShareOf(b.rv, r.rv_total));
  if (r.rv == RvScheme::EmployerHalf) s.employer.rv += HalfShareOf(b.rv, r.rv_total);
  if (r.av == AvScheme::Full) AddToBoth(s, &BranchAmounts::av, HalfShareOf(b.av, r.av_total));
  if (r.av == AvScheme::EmployerHalf) s.employer.av += HalfShareOf(b.av, r.av_total);
}

void ShareCare(const ContributionRates& r, Cents base, ContributionShares& s) {
  if (r.pv == PvScheme::None) return;
  Cents employee;
  if (r.pv_employer_saxony) {
    employee = ShareOf(base, r.pv_total - *r.pv_employer_saxony);
    s.employer.pv += ShareOf(base, *r.pv_employer_saxony);
  } else {
    employee = HalfShareOf(base, r.pv_total);
    s.employer.pv += employee;
  }
  s.employee.pv += Max(employee + ShareOf(base, r.pv_adjustment), Cents(0));
}

}  // namespace

BranchAmounts& BranchAmounts::operator+=(const BranchAmounts& other) {
  kv += other.kv;
  rv += other.rv;
  av += other.av;
  pv += other.pv;
  return *this;
}

ContributionShares& ContributionShares::operator+=(const ContributionShares& other) {
  employee += other.employee;
  employer += other.employer;
  return *this;
}

bool IsMiniJob(const PayrollInput& in) { return in.sv_attribute_key == "2" || in.kv_key == "6" || in.rv_key == "5"; }

bool IsLowEarner(const PayrollInput& in, const YearParameters& params) {
  return in.sv_attribute_key == "1" && in.sv_gross <= params.marginal_employment.TraineeLowEarnerLimit;
}

ContributionRates ContributionRatesOf(const PayrollInput& in, const YearParameters& params, bool low_earner) {
  const SocialInsurance& si = params.social_insurance;
  ContributionRates r;
  r.kv = KvSchemeOf(in, params);
  const int supplement = KvSupplementRate(in, params);
  r.kv_general = Rate(std::max(in.kv_rate - supplement, 0));
  r.kv_supplement = Rate(low_earner ? params.pension_allowance.AverageKvSupplement : supplement);
  r.mini_job_kv = Rate(si.MiniJobKvRate);
  r.rv = RvSchemeOf(in, IsMiniJob(in));
  r.rv_total = Rate(si.RvTotalRate);
  r.mini_job_rv = Rate(si.MiniJobRvRate);
  if (in.rv_key == "1") r.mini_job_rv_top_up = Rate(si.MiniJobRvTopUpRate);
  if (in.av_key == "1") r.av = AvScheme::Full;
  if (in.av_key == "2") r.av = AvScheme::EmployerHalf;
  r.av_total = Rate(si.AvTotalRate);
  SetCareRates(in, params, r);
  return r;
}

ContributionCeilings ProratedCeilings(const YearParameters& params, int land, int days) {
  const SocialInsurance& si = params.social_insurance;
  const bool east = IsEastLand(land);
  const Decimal year_days = Decimal::FromInt(360);
  const auto prorate = [&](Cents annual) {
    const Decimal share = (annual.ToDecimal() * Decimal::FromInt(std::max(days, 0)));
    return Cents(share.Divide(year_days, 0, Rounding::HalfAwayFromZero).ToInt64(Rounding::Down));
  };
  return {prorate(si.KvCeiling), prorate(east ? si.RvCeilingEast : si.RvCeilingWest),
          prorate(east ? si.AvCeilingEast : si.AvCeilingWest)};
}

Cents ShareOf(Cents base, const Decimal& rate) {
  return RoundHalfAwayFromZero((base.ToDecimal() * rate).DivideExact(kTenThousand));
}

Cents HalfShareOf(Cents base, const Decimal& rate) {
  return RoundHalfAwayFromZero((base.ToDecimal() * rate).DivideExact(kTwentyThousand));
}

ContributionShares SharedContributions(const ContributionRates& rates, const StatutoryBases& bases) {
  ContributionShares s;
  ShareHealth(rates, bases.kv, s);
  SharePensionAndUnemployment(rates, bases, s);
  ShareCare(rates, bases.kv, s);
  return s;
}

ContributionShares EmployerBorneContributions(const ContributionRates& rates, const StatutoryBases& bases) {
  ContributionShares s;
  BranchAmounts& employer = s.employer;
  if (rates.kv == KvScheme::Statutory) {
    const Cents supplement_half = HalfShareOf(bases.kv, rates.kv_supplement);
    employer.kv = ShareOf(bases.kv, rates.kv_general) + supplement_half + supplement_half;
  }
  if (rates.rv == RvScheme::Full) employer.rv = ShareOf(bases.rv, rates.rv_total);
  if (rates.rv == RvScheme::EmployerHalf) employer.rv = HalfShareOf(bases.rv, rates.rv_total);
  if (rates.av == AvScheme::Full) employer.av = ShareOf(bases.av, rates.av_total);
  if (rates.av == AvScheme::EmployerHalf) employer.av = HalfShareOf(bases.av, rates.av_total);
  if (rates.pv != PvScheme::None) {
    employer.pv = Max(ShareOf(bases.kv, rates.pv_total) + ShareOf(bases.kv, rates.pv_adjustment), Cents(0));
  }
  return s;
}

ContributionShares MiniJobContributions(const ContributionRates& rates, const MiniJobBases& bases) {
  ContributionShares s;
  if (rates.kv == KvScheme::MiniJobFlat) s.employer.kv = ShareOf(bases.kv, rates.mini_job_kv);
  if (rates.rv != RvScheme::MiniJobFlat) return s;
  s.employer.rv = ShareOf(bases.rv_pay, rates.mini_job_rv);
  if (rates.mini_job_rv_top_up.IsPositive()) {
    const Decimal on_gap = bases.rv_gap.ToDecimal() * (rates.mini_job_rv + rates.mini_job_rv_top_up);
    const Decimal on_pay = bases.rv_pay.ToDecimal() * rates.mini_job_rv_top_up;
    s.employee.rv = RoundHalfAwayFromZero((on_gap + on_pay).DivideExact(kTenThousand));
  }
  return s;
}

}  // namespace pekto
