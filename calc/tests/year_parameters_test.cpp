#include "calc/year_parameters.h"

#include <gtest/gtest.h>

#include "calc/garnishment_exemptions.h"
#include "calc/year_tables.h"

namespace pekto {
namespace {

YearParameters Load(std::string_view period, std::string_view birth_date = "15061980",
                    std::string_view sv_attribute = "", std::string_view pv_children = "",
                    std::string_view child_allowances = "") {
  YearParameterInputs in;
  in.period = period;
  in.birth_date = birth_date;
  in.sv_attribute_key = sv_attribute;
  in.pv_children = pv_children;
  in.child_allowances = child_allowances;
  in.state_code = "8";
  in.church_employee = "01";
  return LoadYearParameters(in);
}

struct MarginalCase {
  const char* name;
  const char* period;
  const char* sv_attribute;
  std::int64_t mini_job_limit;
  std::int64_t transition_limit;
  float factor;
};
void PrintTo(const MarginalCase& c, std::ostream* os) { *os << c.name; }

class MarginalEmploymentSwitch : public ::testing::TestWithParam<MarginalCase> {};

TEST_P(MarginalEmploymentSwitch, LimitsAndFactorOfThePeriod) {
  const MarginalCase& c = GetParam();
  const YearParameters p = Load(c.period, "15061980", c.sv_attribute);
  EXPECT_EQ(p.marginal_employment.MiniJobLimit.Value(), c.mini_job_limit);
  EXPECT_EQ(p.marginal_employment.TransitionUpperLimit.Value(), c.transition_limit);
  EXPECT_EQ(p.marginal_employment.TransitionFactorF, c.factor);
}

INSTANTIATE_TEST_SUITE_P(
    Periods, MarginalEmploymentSwitch,
    ::testing::Values(MarginalCase{"September2022", "0922", "", 45000, 130000, 0.7509F},
                      MarginalCase{"October2022", "1022", "", 52000, 160000, 0.7009F},
                      MarginalCase{"October2022OldRule7", "1022", "7", 45000, 130000, 0.7509F},
                      MarginalCase{"October2022OldRule8", "1022", "8", 45000, 130000, 0.7509F},
                      MarginalCase{"Year2020", "0320", "", 45000, 130000, 0.7547F},
                      MarginalCase{"Year2023", "0523", "", 52000, 200000, 0.6922F},
                      MarginalCase{"Year2023OldRule", "0523", "8", 45000, 130000, 0.7509F},
                      MarginalCase{"Year2024EverybodyAlike", "0524", "7", 53800, 200000, 0.6846F}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(YearParameters, TransitionLimitsFromFollowsTheSwitch) {
  EXPECT_EQ(Load("0922").marginal_employment.TransitionLimitsFrom, "012022");
  EXPECT_EQ(Load("1122").marginal_employment.TransitionLimitsFrom, "102022");
  EXPECT_EQ(Load("0124").marginal_employment.TransitionLimitsFrom, "012024");
}

TEST(YearParameters, CareInsuranceSwitchOfJuly2023) {
  const YearParameters june = Load("0623");
  EXPECT_EQ(june.social_insurance.PvTotalRate, 305);
  EXPECT_EQ(june.tax_tariff.PvEmployeeRate, Decimal::Parse("0.01525"));
  EXPECT_EQ(june.pension_allowance.PvChildAdjustment, 35);
  const YearParameters july = Load("0723");
  EXPECT_EQ(july.social_insurance.PvTotalRate, 340);
  EXPECT_EQ(july.social_insurance.PvEmployerShareSaxony, Decimal::FromInt(120));
  EXPECT_EQ(july.pension_allowance.PvChildAdjustment, 60);  // 0.6 percent from 1 July 2023
}

struct AdjustmentCase {
  const char* name;
  const char* period;
  const char* birth_date;
  const char* pv_children;
  const char* child_allowances;
  std::optional<int> adjustment;
};
void PrintTo(const AdjustmentCase& c, std::ostream* os) { *os << c.name; }

class PvChildAdjustment : public ::testing::TestWithParam<AdjustmentCase> {};

TEST_P(PvChildAdjustment, SurchargeOrDiscount) {
  const AdjustmentCase& c = GetParam();
  EXPECT_EQ(Load(c.period, c.birth_date, "", c.pv_children, c.child_allowances).pension_allowance.PvChildAdjustment,
            c.adjustment);
}

INSTANTIATE_TEST_SUITE_P(
    Employees, PvChildAdjustment,
    ::testing::Values(AdjustmentCase{"ChildlessAdult2022", "0522", "15061980", "", "", 35},
                      AdjustmentCase{"ChildlessAdult2020", "0520", "15061980", "", "", 25},
                      AdjustmentCase{"BornBefore1940", "0522", "31121939", "", "", std::nullopt},
                      AdjustmentCase{"Turns23AfterTheFirst", "0524", "02052001", "", "", std::nullopt},
                      AdjustmentCase{"Turned23OnTheFirst", "0524", "01052001", "", "", 60},
                      AdjustmentCase{"ChildAllowanceEntered", "0524", "15061980", "", "0,5", std::nullopt},
                      AdjustmentCase{"OneChild", "0524", "15061980", "1", "", std::nullopt},
                      AdjustmentCase{"TwoChildren2024", "0524", "15061980", "2", "", -25},
                      AdjustmentCase{"ThreeChildren2024", "0524", "15061980", "3", "", -50},
                      AdjustmentCase{"FiveChildrenJuly2023", "0723", "15061980", "5", "", -100},
                      AdjustmentCase{"TwoChildrenJune2023", "0623", "15061980", "2", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(YearParameters, YearsWithoutTablesKeepOnlyTheDefaults) {
  for (const char* period : {"1219", "0127", "1399", ""}) {
    const YearParameters p = Load(period);
    EXPECT_EQ(p.year, 0) << period;
    EXPECT_EQ(p.tax_tariff.SoliExemptTax.Value(), 97200);
    EXPECT_TRUE(p.tax_tariff.BasicAllowance.IsZero());
    EXPECT_EQ(p.flat_rate_tax.RateByKey[2], 2500);
    EXPECT_EQ(p.ChamberRate, 15);
    EXPECT_FALSE(p.pension_allowance.PvChildAdjustment.has_value());
  }
}

TEST(YearParameters, GarnishmentRowSwitchesInJuly) {
  EXPECT_EQ(Load("0120").garnishment_table.ValidFrom, "072019");
  EXPECT_EQ(Load("0621").garnishment_table.ValidFrom, "072019");
  EXPECT_EQ(Load("0721").garnishment_table.ValidFrom, "072021");
  EXPECT_EQ(Load("0623").garnishment_table.ValidFrom, "072022");
  EXPECT_EQ(Load("0723").garnishment_table.LowerLimit[0].Value(), 140000);
  EXPECT_EQ(Load("0624").garnishment_table.ValidFrom, "072023");
  EXPECT_EQ(Load("0724").garnishment_table.ValidFrom, "072024");
  EXPECT_EQ(Load("1224").garnishment_table.LowerLimit[0].Value(), 149000);
}

TEST(YearParameters, ChurchTaxOfTheLand) {
  YearParameterInputs in;
  in.period = "0124";
  in.state_code = "14";
  in.church_employee = "01";
  EXPECT_EQ(LoadYearParameters(in).ChurchTaxByLand.MinimumTaxFlag, Decimal::FromInt(1));
  in.church_employee = "02";  // Saxony keeps the minimum only for key 01
  EXPECT_TRUE(LoadYearParameters(in).ChurchTaxByLand.MinimumTaxFlag.IsZero());
  in.state_code = "16";
  EXPECT_EQ(LoadYearParameters(in).ChurchTaxByLand.MinimumTaxFlag, Decimal::FromInt(1));
  in.state_code = "2";
  EXPECT_EQ(LoadYearParameters(in).ChurchTaxByLand.Rate, 800);
  EXPECT_EQ(LoadYearParameters(in).ChurchTaxByLand.FlatRate, 700);
  in.state_code = "8";
  EXPECT_EQ(LoadYearParameters(in).ChurchTaxByLand.MinimumTaxFlag, Decimal::Parse("0.5"));
}

TEST(YearParameters, TwoPercentFlatTaxForMiniJobsWithPensionContributions) {
  YearParameterInputs in;
  in.period = "0124";
  in.flat_tax_kind = "1";
  in.rv_key = "5";
  const YearParameters p = LoadYearParameters(in);
  EXPECT_TRUE(p.flat_rate_tax.UniformFlatTax);
  EXPECT_EQ(p.flat_rate_tax.RateByKey[1], 200);
  in.rv_key = "0";
  EXPECT_EQ(LoadYearParameters(in).flat_rate_tax.RateByKey[1], 2000);
}

TEST(YearTables, EveryYearIsConsistent) {
  const YearBlock* previous = nullptr;
  for (const YearBlock& b : AllYearBlocks()) {
    SCOPED_TRACE(b.year);
    const TaxTariff& t = b.tax_tariff;
    EXPECT_EQ(t.Zone2Origin, t.BasicAllowance);
    EXPECT_LT(t.BasicAllowance, t.Zone3Start);
    EXPECT_LT(t.Zone3Start, t.Zone4Start);
    EXPECT_LT(t.Zone4Start, t.Zone5Start);
    EXPECT_LT(t.Class56Limit1, t.Class56Limit2);
    EXPECT_LT(t.Class56Limit2, t.Class56Limit3);
    EXPECT_LE(b.social_insurance.RvCeilingEast, b.social_insurance.RvCeilingWest);
    EXPECT_LT(b.social_insurance.KvCeiling, b.social_insurance.RvCeilingEast);
    EXPECT_LT(b.standard_limits.MiniJobLimit, b.standard_limits.TransitionUpperLimit);
    EXPECT_LT(b.old_rule_limits.MiniJobLimit, b.old_rule_limits.TransitionUpperLimit);
    EXPECT_GT(b.InsolvencyLevyRate, 0);
    if (previous != nullptr) {
      EXPECT_EQ(b.year, previous->year + 1);
      EXPECT_GT(t.BasicAllowance, previous->tax_tariff.BasicAllowance);
      EXPECT_GE(b.social_insurance.KvCeiling, previous->social_insurance.KvCeiling);
      EXPECT_GE(b.social_insurance.ChildAllowanceFull, previous->social_insurance.ChildAllowanceFull);
    }
    previous = &b;
  }
  EXPECT_EQ(AllYearBlocks().front().year, kFirstParameterYear);
  EXPECT_EQ(AllYearBlocks().back().year, kLastParameterYear);
}

TEST(YearTables, FromTwentyTwentyFiveOneCeilingAndRisingValues) {
  for (const YearBlock& b : AllYearBlocks()) {
    SCOPED_TRACE(b.year);
    const SocialInsurance& si = b.social_insurance;
    EXPECT_FALSE(si.ChildAllowanceFull.IsZero());
    EXPECT_FALSE(b.OneTwentiethReferenceValue.IsZero());
    EXPECT_FALSE(b.MiniJobRvMinimumBase.IsZero());
    EXPECT_GT(b.standard_limits.TransitionFactorF, 0.0F);
    EXPECT_LT(b.standard_limits.TransitionFactorF, 1.0F);
    EXPECT_GT(b.pension_allowance.AverageKvSupplement, 0);
    if (b.year >= 2025) {
      EXPECT_EQ(si.RvCeilingEast, si.RvCeilingWest);
      EXPECT_EQ(si.AvCeilingEast, si.AvCeilingWest);
    }
  }
  const YearBlock* y2024 = FindYearBlock(2024);
  const YearBlock* y2025 = FindYearBlock(2025);
  const YearBlock* y2026 = FindYearBlock(2026);
  ASSERT_NE(y2025, nullptr);
  ASSERT_NE(y2026, nullptr);
  EXPECT_GT(y2025->social_insurance.RvCeilingWest, y2024->social_insurance.RvCeilingWest);
  EXPECT_GT(y2026->social_insurance.RvCeilingWest, y2025->social_insurance.RvCeilingWest);
  EXPECT_GT(y2026->social_insurance.KvCeiling, y2025->social_insurance.KvCeiling);
  EXPECT_GT(y2025->standard_limits.MiniJobLimit, y2024->standard_limits.MiniJobLimit);
  EXPECT_GT(y2026->standard_limits.MiniJobLimit, y2025->standard_limits.MiniJobLimit);
  // The mini-job limit is 130 hours of the minimum wage over three months,
  // rounded up to a euro: 12.82 and 13.90 euros.
  EXPECT_EQ(y2025->standard_limits.MiniJobLimit.Value(), (1282 * 130 / 3 + 99) / 100 * 100);
  EXPECT_EQ(y2026->standard_limits.MiniJobLimit.Value(), (1390 * 130 / 3 + 99) / 100 * 100);
  // Factor F: 28 percent over the total of the average contribution rates.
  for (const YearBlock* b : {y2025, y2026}) {
    const SocialInsurance& si = b->social_insurance;
    const int total = si.KvGeneralRate + b->pension_allowance.AverageKvSupplement + si.RvTotalRate +
                      si.AvTotalRate + si.PvTotalRate;
    EXPECT_NEAR(b->standard_limits.TransitionFactorF, 2800.0 / total, 0.00005) << b->year;
  }
}

// The band routine's monthly corrections are (10 - free tenths) x the cents
// of the exempt amount above the row's lower limit, over ten, rounded.
TEST(YearTables, GarnishmentCorrectionsFollowFromTheExemptAmounts) {
  for (const GarnishmentTable& row : GarnishmentRows()) {
    const GarnishmentExemptions* e = FindGarnishmentExemptions(row.ValidFrom);
    ASSERT_NE(e, nullptr) << row.ValidFrom;
    EXPECT_EQ(row.UpperLimit, e->monthly.upper_limit) << row.ValidFrom;
    int tenths = 0;
    for (int d = 0; d < 6; ++d) {
      tenths += row.BandCount[static_cast<std::size_t>(d)];
      const Cents exempt = ExemptAmount(e->monthly, d);
      const Cents lower = row.LowerLimit[static_cast<std::size_t>(d)];
      EXPECT_EQ(lower.Value(), exempt.Value() / 1000 * 1000) << row.ValidFrom << " dependants " << d;
      EXPECT_EQ(row.MonthlyCorrection[static_cast<std::size_t>(d)], ((10 - tenths) * (exempt - lower).Value() + 4) / 10)
          << row.ValidFrom << " dependants " << d;
    }
  }
}

TEST(YearParameters, ChamberRateByLandAndYear) {
  YearParameterInputs in;
  in.state_code = "6";
  in.period = "1222";
  EXPECT_EQ(LoadYearParameters(in).ChamberRate, 15);
  in.period = "0123";
  EXPECT_EQ(LoadYearParameters(in).ChamberRate, 14);
  in.period = "1226";
  EXPECT_EQ(LoadYearParameters(in).ChamberRate, 14);
  in.state_code = "13";
  EXPECT_EQ(LoadYearParameters(in).ChamberRate, 15);
}

TEST(YearParameters, OnlyTheDecemberOf2024CarriesTheYearEndRevision) {
  YearParameterInputs in;
  in.period = "1124";
  EXPECT_FALSE(LoadYearParameters(in).year_end_revision.has_value());
  in.period = "1224";
  const YearParameters december = LoadYearParameters(in);
  ASSERT_TRUE(december.year_end_revision.has_value());
  EXPECT_EQ(december.year_end_revision->tax_tariff.BasicAllowance.Value(), 1178400);
  EXPECT_EQ(december.year_end_revision->ChildAllowanceFull.Value(), 954000);
  EXPECT_EQ(AfterYearEndRevision(december).tax_tariff.BasicAllowance.Value(), 1178400);
  in.period = "1225";
  EXPECT_FALSE(LoadYearParameters(in).year_end_revision.has_value());
}

TEST(YearTables, GarnishmentRowsAscend) {
  const auto rows = GarnishmentRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t d = 1; d < 6; ++d) EXPECT_GT(rows[i].LowerLimit[d], rows[i].LowerLimit[d - 1]);
    EXPECT_GT(rows[i].UpperLimit, rows[i].LowerLimit[5]);
    if (i > 0) {
      EXPECT_GT(rows[i].LowerLimit[0], rows[i - 1].LowerLimit[0]);
    }
  }
}

TEST(YearParameters, PeriodTexts) {
  EXPECT_EQ(PeriodToYyyymm("0124"), 202401);
  EXPECT_EQ(PeriodToYyyymm("1322"), 0);
  EXPECT_EQ(PeriodToYyyymm("0022"), 0);
  EXPECT_EQ(PeriodToYyyymm("12a4"), 0);
  EXPECT_TRUE(IsEastLand(14));
  EXPECT_FALSE(IsEastLand(4));
}

}  // namespace
}  // namespace pekto
