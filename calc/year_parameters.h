// The statutory values of one accounting month: tariff, Vorsorgepauschale
// items, contribution rates and ceilings, marginal-employment limits, church
// tax of the employee's Land and the garnishment table. Rebuilt from the
// built-in year blocks whenever the period or a field it depends on changes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/decimal.h"
#include "calc/money.h"

namespace pekto {

inline constexpr int kFirstParameterYear = 2020;
inline constexpr int kLastParameterYear = 2026;

// Income-tax tariff and allowances (the wage-tax flow chart of the year).
struct TaxTariff {
  Cents EmployeeAllowance;          // Arbeitnehmer-Pauschbetrag
  Cents SpecialExpensesAllowance;   // Sonderausgaben-Pauschbetrag
  Cents BasicAllowance;             // Grundfreibetrag
  Cents SingleParentRelief;         // Entlastungsbetrag, class II
  int Class56UpperFactor = 0;       // percent
  int Class56LowerFactor = 0;       // percent
  int MinimumTaxRate = 0;           // percent, classes V/VI
  Cents Zone2Origin;
  Cents Zone2Quadratic;
  Cents Zone2Linear;
  Cents Zone3Start;
  Cents Zone3Origin;
  Cents Zone3Quadratic;
  Cents Zone3Linear;
  Cents Zone3Constant;
  Cents Zone4Start;
  int Zone4Rate = 0;                // percent
  Cents Zone4Subtrahend;
  Cents Zone5Start;
  int Zone5Rate = 0;                // percent
  Cents Zone5Subtrahend;
  Cents Class56Limit1;              // W1STKL5
  Cents Class56Limit2;              // W2STKL5
  Cents Class56Limit3;              // W3STKL5
  int Class56Rate42 = 0;            // 1/10000
  int Class56Rate45 = 0;            // 1/10000
  int SoliRate = 0;                 // 1/100 percent
  Cents SoliExemptTax;              // annual tax up to which no surcharge is due
  Decimal PvEmployeeRate;           // fractions
  Decimal PvEmployeeRateSaxony;
  Decimal PvChildlessSurcharge;
  Decimal PvEmployerRateSaxony;
  Decimal KvReducedHalfRate;
  Decimal KvAverageSupplementHalf;
  bool Class56WholeEuros = false;   // 2026: UP5_6 cuts to whole euros
};

// Vorsorgepauschale items.
struct PensionAllowance {
  Decimal RvShare;                  // part of the pension contribution counted
  Decimal RvEmployeeRate;
  Decimal MinimumRate;
  int MinimumCap = 0;               // euro, all classes but III
  int MinimumCapClass3 = 0;         // euro
  Cents PensionExpenseAllowance;    // Werbungskosten-Pauschbetrag for pensions
  Cents PensionSecondAmount;
  // The employee's PV surcharge (positive) or child discount (negative) in
  // 1/100 percent; empty when neither applies.
  std::optional<int> PvChildAdjustment;
  int AverageKvSupplement = 0;      // 1/100 percent
  Decimal AvEmployeeRate;           // 2026: AVSATZAN of the Vorsorgepauschale
};

struct SocialInsurance {
  Cents ChildAllowanceFull;         // per child counted 1.0, both parents
  Cents KvCeiling;                  // annual, West and East
  Cents RvCeilingWest;
  Cents AvCeilingWest;
  Cents RvCeilingEast;
  Cents AvCeilingEast;
  int RvTotalRate = 0;              // 1/100 percent
  int AvTotalRate = 0;
  int PvTotalRate = 0;
  Decimal PvEmployerShareSaxony;    // 1/100 percent (102.5 before 07/2023)
  std::string MiniJobRatesFrom;     // period MMYYYY
  int MiniJobKvRate = 0;            // 1/100 percent, flat employer health
  int MiniJobRvRate = 0;            // flat employer pension
  int MiniJobRvTopUpRate = 0;       // employee's top-up
  int KvGeneralRate = 1460;
  int KvReducedRate = 1400;
};

struct MarginalEmployment {
  Cents MiniJobLimit;               // monthly
  Cents TransitionUpperLimit;       // Übergangsbereich, monthly
  std::string TransitionLimitsFrom; // period MMYYYY
  float TransitionFactorF = 0.0F;   // single precision, as the rule prescribes
  Cents TraineeLowEarnerLimit;      // monthly
  Cents OneTwentiethReferenceValue;
  Cents MiniJobRvMinimumBase;       // monthly minimum RV base of a mini-job
};

// Flat-rate wage tax by the key of "Pauschalierung der Steuer".
struct FlatRateTax {
  std::array<int, 4> RateByKey{};   // index 1..3, 1/100 percent
  bool UniformFlatTax = false;      // the 2 percent tax (includes church tax and surcharge)
};

struct ChurchTaxOfLand {
  int Rate = 0;                     // 1/100 percent (800 or 900)
  Decimal MinimumTaxFlag;           // 1.0, 0.5 or 0
  int FlatRate = 0;                 // 1/100 percent on flat-rate wage tax
};

// Lohnpfändung: lower limit and band count by dependants (0..5+), the
// upper limit, and the monthly corrections of the band routine.
struct GarnishmentTable {
  std::array<Cents, 6> LowerLimit{};
  std::array<int, 6> BandCount{};
  Cents UpperLimit;
  std::array<int, 6> MonthlyCorrection{};  // cents
  std::array<int, 6> WeeklyCorrection{};   // cents
  std::array<int, 6> DailyCorrection{};    // cents
  std::string ValidFrom;                   // period MMYYYY of the row
};

// December 2024 (Steuerfortentwicklungsgesetz of 23 December 2024): the
// year's raised basic allowance, child allowance and class V/VI limit are
// granted in the December payroll. The chart of December taxes the year
// with the values before the law (the year's tariff) and after it, and
// withholds the annual tax after the law less eleven times the difference.
struct YearEndRevision {
  TaxTariff tax_tariff;             // the tariff after the law
  Cents ChildAllowanceFull;         // per child counted 1.0, after the law
};

struct YearParameters {
  int year = 0;                     // 0 when no block exists for the period
  int period_yyyymm = 0;
  TaxTariff tax_tariff;
  PensionAllowance pension_allowance;
  SocialInsurance social_insurance;
  MarginalEmployment marginal_employment;
  FlatRateTax flat_rate_tax;
  int InsolvencyLevyRate = 0;       // 1/100 percent of the levy base
  int ChamberRate = 0;              // 1/100 percent
  ChurchTaxOfLand ChurchTaxByLand;  // of the employee's Land
  GarnishmentTable garnishment_table;
  // The employer's KV+PV rate that the flow chart subtracts for a privately
  // insured employee with subsidy; the published chart forms it by adding
  // binary floating-point numbers, so it may carry a trailing 1e-17.
  Decimal ChartKvEmployerRate;
  // Set for the December of a year whose allowances were raised with
  // effect for the whole year after its chart was published.
  std::optional<YearEndRevision> year_end_revision;
};

// The parameters with the values after the law of a year-end revision (the
// December chart's second pass and its one-off payments); `params` itself
// without one.
[[nodiscard]] YearParameters AfterYearEndRevision(const YearParameters& params);

// The fields of the employee record that the parameters depend on.
struct YearParameterInputs {
  std::string_view period{};           // "MMJJ" as on the mask
  std::string_view birth_date{};       // "TTMMJHJJ"
  std::string_view pv_children{};      // "Kinder PV Anz."
  std::string_view child_allowances{}; // "x,x"
  std::string_view state_code{};       // Land key
  std::string_view church_employee{};  // "01", "02", ...
  std::string_view sv_attribute_key{}; // "Gesamt sozialversicherungsrelevantes Merkmal"
  std::string_view flat_tax_kind{};    // "Pauschalierung der Steuer"
  std::string_view rv_key{};           // "Rentenversicherung"
};

// YYYYMM of a mask period "MMJJ" (years 20JJ); 0 when malformed.
[[nodiscard]] int PeriodToYyyymm(std::string_view period_mmjj);
// Land keys 3, 5, 9, 14, 15 and 17 use the East ceilings.
[[nodiscard]] bool IsEastLand(int land);

[[nodiscard]] YearParameters LoadYearParameters(const YearParameterInputs& inputs);

}  // namespace pekto
