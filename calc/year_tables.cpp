// Statutory values 2020-2026. Sources: the wage-tax flow charts of the
// Federal Ministry of Finance (tariff, allowances, Vorsorgepauschale, PV
// fractions), the Sozialversicherungs-Rechengrößenverordnung of each year
// (ceilings), the contribution rates of SGB V, VI, XI and SGB III, the
// Geringfügigkeits-Richtlinien (mini-job and Übergangsbereich limits and
// factor F), the Insolvenzgeldumlage rates of the Federal Ministry of
// Labour, and the Pfändungsfreigrenzenbekanntmachungen (§ 850c ZPO).
#include "calc/year_tables.h"

namespace pekto {
namespace {

constexpr Decimal Fraction(std::int64_t mantissa, int scale) { return Decimal::FromScaled(mantissa, scale); }

TaxTariff Tariff(std::int64_t employee_allowance, std::int64_t basic_allowance, std::int64_t single_parent,
                 std::int64_t zone2_quadratic, std::int64_t zone3_start, std::int64_t zone3_quadratic,
                 std::int64_t zone3_constant, std::int64_t zone4_start, std::int64_t zone4_subtrahend,
                 std::int64_t zone5_start, std::int64_t zone5_subtrahend, std::int64_t w1, std::int64_t w2,
                 std::int64_t w3, std::int64_t soli_exempt) {
  TaxTariff t;
  t.EmployeeAllowance = Cents(employee_allowance);
  t.SpecialExpensesAllowance = Cents(3600);
  t.BasicAllowance = Cents(basic_allowance);
  t.SingleParentRelief = Cents(single_parent);
  t.Class56UpperFactor = 250;
  t.Class56LowerFactor = 150;
  t.MinimumTaxRate = 14;
  t.Zone2Origin = Cents(basic_allowance);
  t.Zone2Quadratic = Cents(zone2_quadratic);
  t.Zone2Linear = Cents(140000);
  t.Zone3Start = Cents(zone3_start);
  t.Zone3Origin = Cents(zone3_start - 100);
  t.Zone3Quadratic = Cents(zone3_quadratic);
  t.Zone3Linear = Cents(239700);
  t.Zone3Constant = Cents(zone3_constant);
  t.Zone4Start = Cents(zone4_start);
  t.Zone4Rate = 42;
  t.Zone4Subtrahend = Cents(zone4_subtrahend);
  t.Zone5Start = Cents(zone5_start);
  t.Zone5Rate = 45;
  t.Zone5Subtrahend = Cents(zone5_subtrahend);
  t.Class56Limit1 = Cents(w1);
  t.Class56Limit2 = Cents(w2);
  t.Class56Limit3 = Cents(w3);
  t.Class56Rate42 = 4200;
  t.Class56Rate45 = 4500;
  t.SoliRate = 550;
  t.SoliExemptTax = Cents(soli_exempt);
  t.KvReducedHalfRate = Fraction(70, 3);
  return t;
}

void SetPvFractions(TaxTariff& t, Decimal employee, Decimal employee_saxony, Decimal childless,
                    Decimal employer_saxony, Decimal kv_average_supplement_half) {
  t.PvEmployeeRate = employee;
  t.PvEmployeeRateSaxony = employee_saxony;
  t.PvChildlessSurcharge = childless;
  t.PvEmployerRateSaxony = employer_saxony;
  t.KvAverageSupplementHalf = kv_average_supplement_half;
}

PensionAllowance Pension(Decimal rv_share, int childless_surcharge, int average_kv_supplement) {
  PensionAllowance p;
  p.RvShare = rv_share;
  p.RvEmployeeRate = Fraction(93, 3);
  p.MinimumRate = Fraction(12, 2);
  p.MinimumCap = 1900;
  p.MinimumCapClass3 = 3000;
  p.PensionExpenseAllowance = Cents(10200);
  p.PensionSecondAmount = Cents(7500);
  p.PvChildAdjustment = childless_surcharge;
  p.AverageKvSupplement = average_kv_supplement;
  return p;
}

SocialInsurance Insurance(std::int64_t child_allowance, std::int64_t kv_ceiling, std::int64_t rv_west,
                          std::int64_t rv_east, int av_rate, const char* mini_job_rates_from) {
  SocialInsurance s;
  s.ChildAllowanceFull = Cents(child_allowance);
  s.KvCeiling = Cents(kv_ceiling);
  s.RvCeilingWest = Cents(rv_west);
  s.AvCeilingWest = Cents(rv_west);
  s.RvCeilingEast = Cents(rv_east);
  s.AvCeilingEast = Cents(rv_east);
  s.RvTotalRate = 1860;
  s.AvTotalRate = av_rate;
  s.PvTotalRate = 305;
  s.PvEmployerShareSaxony = Fraction(1025, 1);
  s.MiniJobRatesFrom = mini_job_rates_from;
  s.MiniJobKvRate = 1300;
  s.MiniJobRvRate = 1500;
  s.MiniJobRvTopUpRate = 360;
  return s;
}

YearBlock Year2020() {
  YearBlock b;
  b.year = 2020;
  b.tax_tariff = Tariff(100000, 940800, 190800, 97287, 1453300, 21202, 97279, 5705200, 896374, 27050100,
                        1707874, 1089800, 2852600, 21640000, 97200);
  SetPvFractions(b.tax_tariff, Fraction(1525, 5), Fraction(2025, 5), Fraction(25, 4), Fraction(1025, 5),
                 Fraction(55, 4));
  b.pension_allowance = Pension(Fraction(80, 2), 25, 110);
  b.social_insurance = Insurance(781200, 5625000, 8280000, 7740000, 240, "012020");
  b.standard_limits = {Cents(45000), Cents(130000), 0.7547F};
  b.old_rule_limits = b.standard_limits;
  b.standard_from_yyyymm = 202001;
  b.OneTwentiethReferenceValue = Cents(15925);
  b.InsolvencyLevyRate = 6;
  b.ChartKvEmployerRate = Decimal::Parse("0.07550000000000001");  // 0.0055+0.07 in binary
  b.ChartKvEmployerRateFromJuly = b.ChartKvEmployerRate;
  return b;
}

YearBlock Year2021() {
  YearBlock b;
  b.year = 2021;
  b.tax_tariff = Tariff(100000, 974400, 190800, 99521, 1475400, 20885, 95096, 5791900, 913663, 27461300,
                        1737499, 1123700, 2895900, 21969000, 1695600);
  SetPvFractions(b.tax_tariff, Fraction(1525, 5), Fraction(2025, 5), Fraction(25, 4), Fraction(1025, 5),
                 Fraction(65, 4));
  b.pension_allowance = Pension(Fraction(84, 2), 25, 130);
  b.social_insurance = Insurance(838800, 5805000, 8520000, 8040000, 240, "012021");
  b.standard_limits = {Cents(45000), Cents(130000), 0.7509F};
  b.old_rule_limits = b.standard_limits;
  b.standard_from_yyyymm = 202101;
  b.OneTwentiethReferenceValue = Cents(16450);
  b.InsolvencyLevyRate = 12;
  b.ChartKvEmployerRate = Decimal::Parse("0.07650000000000001");  // 0.0065+0.07 in binary
  b.ChartKvEmployerRateFromJuly = b.ChartKvEmployerRate;
  return b;
}

YearBlock Year2022() {
  YearBlock b;
  b.year = 2022;
  b.tax_tariff = Tariff(120000, 1034700, 400800, 108867, 1492700, 20643, 86932, 5859700, 933645, 27782600,
                        1767120, 1179300, 2929800, 22226000, 1695600);
  SetPvFractions(b.tax_tariff, Fraction(1525, 5), Fraction(2025, 5), Fraction(35, 4), Fraction(1025, 5),
                 Fraction(65, 4));
  b.pension_allowance = Pension(Fraction(88, 2), 35, 130);
  b.social_insurance = Insurance(838800, 5805000, 8460000, 8100000, 240, "012021");
  // Minijob limit 520 euros and Übergangsbereich up to 1,600 euros from
  // 1 October 2022 (Gesetz zur Erhöhung des Schutzes durch den gesetzlichen
  // Mindestlohn); characteristics "7" and "8" keep the old rule.
  b.standard_limits = {Cents(52000), Cents(160000), 0.7009F};
  b.old_rule_limits = {Cents(45000), Cents(130000), 0.7509F};
  b.standard_from_yyyymm = 202210;
  b.OneTwentiethReferenceValue = Cents(16450);
  b.InsolvencyLevyRate = 9;
  b.ChartKvEmployerRate = Decimal::Parse("0.07650000000000001");
  b.ChartKvEmployerRateFromJuly = b.ChartKvEmployerRate;
  return b;
}

YearBlock Year2023() {
  YearBlock b;
  b.year = 2023;
  b.tax_tariff = Tariff(123000, 1090800, 426000, 97918, 1600000, 19259, 96653, 6281000, 997298, 27782600,
                        1830773, 1248500, 3140400, 22226000, 1754300);
  SetPvFractions(b.tax_tariff, Fraction(1525, 5), Fraction(2025, 5), Fraction(35, 4), Fraction(1025, 5),
                 Fraction(8, 3));
  b.pension_allowance = Pension(Fraction(100, 2), 35, 160);
  b.social_insurance = Insurance(895200, 5985000, 8760000, 8520000, 260, "012023");
  b.standard_limits = {Cents(52000), Cents(200000), 0.6922F};
  b.old_rule_limits = {Cents(45000), Cents(130000), 0.7509F};
  b.standard_from_yyyymm = 202301;
  b.OneTwentiethReferenceValue = Cents(16975);
  // Pflegeunterstützungs- und -entlastungsgesetz: PV 3.4 percent, childless
  // surcharge 0.6 percent and the child discounts from 1 July 2023.
  b.rate_switch = RateSwitch{202307, 1860, 260, 340, Fraction(120, 0), 60};
  b.child_discount_from_yyyymm = 202307;
  b.InsolvencyLevyRate = 6;
  b.ChartKvEmployerRate = Decimal::Parse("0.07800000000000001");  // 0.008+0.07 in binary
  b.ChartKvEmployerRateFromJuly = Fraction(78, 3);                 // corrected in the July chart
  return b;
}

YearBlock Year2024() {
  YearBlock b;
  b.year = 2024;
  b.tax_tariff = Tariff(123000, 1160400, 426000, 92298, 1700600, 18119, 102538, 6676100, 1060213, 27782600,
                        1893688, 1327900, 3338000, 22226000, 1813000);
  SetPvFractions(b.tax_tariff, Fraction(17, 3), Fraction(22, 3), Fraction(6, 3), Fraction(12, 3),
                 Fraction(85, 4));
  b.pension_allowance = Pension(Fraction(100, 2), 60, 170);
  b.social_insurance = Insurance(931200, 6210000, 9060000, 8940000, 260, "012024");
  b.social_insurance.PvTotalRate = 340;
  b.social_insurance.PvEmployerShareSaxony = Fraction(120, 0);
  b.standard_limits = {Cents(53800), Cents(200000), 0.6846F};
  b.old_rule_limits = b.standard_limits;
  b.standard_from_yyyymm = 202401;
  b.OneTwentiethReferenceValue = Cents(17675);
  b.child_discount_from_yyyymm = 202401;
  b.InsolvencyLevyRate = 6;
  b.ChartKvEmployerRate = Fraction(785, 4);
  b.ChartKvEmployerRateFromJuly = b.ChartKvEmployerRate;
  // Lohnsteuer2024Dezember (MPARA second pass, MZTABFBN, UPTAB24N):
  // Grundfreibetrag 11,784 euros, W1STKL5 13,432 euros, Kinderfreibetrag
  // 9,540 euros per child, zone 2 factor 954.80, zone 3 from 17,006 euros
  // with 181.19 and 991.21, zone 4 from 66,761 euros less 10,636.31, zone 5
  // less 18,971.06 (Steuerfortentwicklungsgesetz).
  YearEndRevision december;
  december.tax_tariff = Tariff(123000, 1178400, 426000, 95480, 1700600, 18119, 99121, 6676100, 1063631, 27782600,
                               1897106, 1343200, 3338000, 22226000, 1813000);
  december.tax_tariff.PvEmployeeRate = b.tax_tariff.PvEmployeeRate;
  december.tax_tariff.PvEmployeeRateSaxony = b.tax_tariff.PvEmployeeRateSaxony;
  december.tax_tariff.PvChildlessSurcharge = b.tax_tariff.PvChildlessSurcharge;
  december.tax_tariff.PvEmployerRateSaxony = b.tax_tariff.PvEmployerRateSaxony;
  december.tax_tariff.KvAverageSupplementHalf = b.tax_tariff.KvAverageSupplementHalf;
  december.ChildAllowanceFull = Cents(954000);
  b.december_revision = december;
  return b;
}

// 2025. Tariff, allowances and Vorsorgepauschale from the chart
// Lohnsteuer2025 (MPARA, MZTABFB, UPTAB25; Steuerfortentwicklungsgesetz):
// Grundfreibetrag 12,096, Kinderfreibetrag 9,600 (4,800 class IV), zone 2
// factor 932.30, zone 3 from 17,444 with 176.64 and 1,015.13, zone 4 from
// 68,481 less 10,911.92, zone 5 less 19,246.67, W1-W3STKL5 13,785 / 34,240 /
// 222,260, Soli exemption 19,950 euros; PV employee 1.8 %, Saxony 2.3 %,
// employer in Saxony 1.3 %, childless +0.6 %, KVSATZAG 1.25 % + 7 %.
// Sozialversicherungsrechengrößen-Verordnung 2025: one pension ceiling for
// East and West, 96,600 euros a year (8,050 a month), KV/PV 66,150 (5,512.50),
// Bezugsgröße 3,745 euros a month (a twentieth 187.25). Average KV
// supplement 2.5 % (Bekanntmachung des BMG of 30 October 2024). PV 3.6 %
// (Pflegebeitragssatzanpassungsverordnung 2025, +0.2 points). Minimum wage
// 12.82 euros (Vierte Mindestlohnanpassungsverordnung): mini-job limit
// 556 euros (§ 8 Abs. 1a SGB IV: 12.82 x 130 / 3, rounded up); Übergangsbereich
// up to 2,000 euros (§ 20 Abs. 2 SGB IV); factor F 28 / 41.9 = 0.6683
// (rates 14.6 + 2.5 + 18.6 + 2.6 + 3.6 percent). Insolvenzgeldumlage 0.15 %
// (§ 360 SGB III; no reducing ordinance for 2025, BMAS of 18 December 2024).
YearBlock Year2025() {
  YearBlock b;
  b.year = 2025;
  b.tax_tariff = Tariff(123000, 1209600, 426000, 93230, 1744400, 17664, 101513, 6848100, 1091192, 27782600,
                        1924667, 1378500, 3424000, 22226000, 1995000);
  SetPvFractions(b.tax_tariff, Fraction(18, 3), Fraction(23, 3), Fraction(6, 3), Fraction(13, 3),
                 Fraction(125, 4));
  b.pension_allowance = Pension(Fraction(100, 2), 60, 250);
  b.social_insurance = Insurance(960000, 6615000, 9660000, 9660000, 260, "012025");
  b.social_insurance.PvTotalRate = 360;
  b.social_insurance.PvEmployerShareSaxony = Fraction(130, 0);
  b.standard_limits = {Cents(55600), Cents(200000), 0.6683F};
  b.old_rule_limits = b.standard_limits;
  b.standard_from_yyyymm = 202501;
  b.OneTwentiethReferenceValue = Cents(18725);
  b.child_discount_from_yyyymm = 202501;
  b.InsolvencyLevyRate = 15;
  b.ChartKvEmployerRate = Fraction(825, 4);
  b.ChartKvEmployerRateFromJuly = b.ChartKvEmployerRate;
  return b;
}

// 2026. Tariff and allowances from the chart Lohnsteuer2026 (MPARA,
// MZTABFB, UPTAB26): Grundfreibetrag 12,348, Kinderfreibetrag 9,756 (4,878
// class IV), zone 2 factor 914.51, zone 3 from 17,800 with 173.10 and
// 1,034.87, zone 4 from 69,879 less 11,135.63, zone 5 less 19,470.38,
// W1-W3STKL5 14,071 / 34,939 / 222,260, Soli exemption 20,350 euros; the
// class V/VI routine cuts to whole euros; the Vorsorgepauschale with
// BBGRVALV 101,400, AVSATZAN 1.3 % and the cap of 1,900 euros (MVSPHB).
// Sozialversicherungsrechengrößen-Verordnung 2026: pension ceiling 101,400
// euros a year (8,450 a month), KV/PV 69,750 (5,812.50), Bezugsgröße 3,955
// euros a month (a twentieth 197.75). Average KV supplement 2.9 %
// (Bekanntmachung des BMG for 2026). PV 3.6 %, childless +0.6 %, Saxony
// employer 1.3 %. Minimum wage 13.90 euros (Fünfte
// Mindestlohnanpassungsverordnung of 5 November 2025): mini-job limit
// 603 euros (13.90 x 130 / 3 = 602.33, rounded up); Übergangsbereich up to
// 2,000 euros; factor F 28 / 42.3 = 0.6619 (14.6 + 2.9 + 18.6 + 2.6 + 3.6).
// Insolvenzgeldumlage 0.15 % (§ 360 SGB III).
YearBlock Year2026() {
  YearBlock b;
  b.year = 2026;
  b.tax_tariff = Tariff(123000, 1234800, 426000, 91451, 1780000, 17310, 103487, 6987900, 1113563, 27782600,
                        1947038, 1407100, 3493900, 22226000, 2035000);
  b.tax_tariff.Class56WholeEuros = true;
  SetPvFractions(b.tax_tariff, Fraction(18, 3), Fraction(23, 3), Fraction(6, 3), Fraction(13, 3),
                 Fraction(145, 4));
  b.pension_allowance = Pension(Fraction(100, 2), 60, 290);
  b.pension_allowance.MinimumCapClass3 = 1900;  // MVSPHB: one cap for every class
  b.pension_allowance.AvEmployeeRate = Fraction(13, 3);
  b.social_insurance = Insurance(975600, 6975000, 10140000, 10140000, 260, "012026");
  b.social_insurance.PvTotalRate = 360;
  b.social_insurance.PvEmployerShareSaxony = Fraction(130, 0);
  b.standard_limits = {Cents(60300), Cents(200000), 0.6619F};
  b.old_rule_limits = b.standard_limits;
  b.standard_from_yyyymm = 202601;
  b.OneTwentiethReferenceValue = Cents(19775);
  b.child_discount_from_yyyymm = 202601;
  b.InsolvencyLevyRate = 15;
  // The 2026 chart no longer subtracts an employer rate for a private
  // insurance (PKPVAGZ is an input); the rate stays for the contributions.
  b.ChartKvEmployerRate = Fraction(845, 4);
  b.ChartKvEmployerRateFromJuly = b.ChartKvEmployerRate;
  return b;
}

std::array<YearBlock, 7> BuildYearBlocks() {
  std::array<YearBlock, 7> blocks = {Year2020(), Year2021(), Year2022(), Year2023(),
                                     Year2024(), Year2025(), Year2026()};
  for (auto& b : blocks) {
    b.TraineeLowEarnerLimit = Cents(32500);
    b.MiniJobRvMinimumBase = Cents(17500);
    // Arbeitnehmerkammer Bremen: 0.15 % of the pay up to 2022, 0.14 % from
    // 1 January 2023 (its Beitragsordnung, as the chamber states it);
    // Arbeitskammer des Saarlandes: 0.15 % in every year.
    b.ChamberRateBremen = b.year >= 2023 ? 14 : 15;
    b.ChamberRateSaarland = 15;
  }
  return blocks;
}

const std::array<YearBlock, 7>& Blocks() {
  static const std::array<YearBlock, 7> blocks = BuildYearBlocks();
  return blocks;
}

GarnishmentTable Row(const char* valid_from, std::array<std::int64_t, 6> lower, std::int64_t upper,
                     std::array<int, 6> monthly_correction) {
  GarnishmentTable t;
  for (std::size_t i = 0; i < 6; ++i) t.LowerLimit[i] = Cents(lower[i]);
  t.BandCount = {3, 2, 1, 1, 1, 1};
  t.UpperLimit = Cents(upper);
  t.MonthlyCorrection = monthly_correction;
  t.ValidFrom = valid_from;
  return t;
}

const std::array<GarnishmentTable, 7>& GarnishmentRowTable() {
  static const std::array<GarnishmentTable, 7> rows = {
      Row("072017", {113000, 156000, 179000, 203000, 227000, 251000}, 347579, {266, 25, 330, 179, 74, 14}),
      Row("072019", {117000, 162000, 186000, 211000, 236000, 261000}, 361308, {601, 108, 371, 192, 70, 6}),
      Row("072021", {125000, 172000, 198000, 224000, 251000, 277000}, 384008, {185, 204, 269, 281, 41, 47}),
      Row("072022", {133000, 183000, 210000, 238000, 266000, 294000}, 407772, {11, 39, 387, 257, 150, 64}),
      Row("072023", {140000, 193000, 222000, 251000, 281000, 310000}, 429881, {160, 2, 162, 242, 42, 61}),
      // From 1 July 2024 (Pfändungsfreigrenzenbekanntmachung 2024): 1,491.75
      // euros, 561.43 for the first and 312.78 for each further dependant.
      Row("072024", {149000, 205000, 236000, 267000, 299000, 330000}, 457310, {122, 159, 238, 262, 30, 43}),
      // From 1 July 2025 (Pfändungsfreigrenzenbekanntmachung 2025, BGBl. 2025
      // I Nr. 110 of 11 April 2025): 1,555.00 euros, 585.23 for the first and
      // 326.04 for each further dependant, all above 4,766.99 garnishable.
      // Lower limits cut to 10 euros; corrections (10 - free tenths) x the
      // cents above the lower limit / 10, rounded.
      Row("072025", {155000, 214000, 246000, 279000, 311000, 344000}, 476699, {350, 11, 251, 69, 167, 44}),
  };
  return rows;
}

struct LandEntry {
  int rate;
  Decimal minimum_flag;
  int flat_rate;
};

// Land keys 1..17; Berlin is split into 3 (Ost) and 4 (West).
const std::array<LandEntry, 17> kChurchTaxByLand = {{
    {800, Fraction(0, 0), 600},   // 1 Baden-Württemberg
    {800, Fraction(0, 0), 700},   // 2 Bayern
    {900, Fraction(0, 0), 500},   // 3 Berlin-Ost
    {900, Fraction(0, 0), 500},   // 4 Berlin-West
    {900, Fraction(0, 0), 500},   // 5 Brandenburg
    {900, Fraction(0, 0), 700},   // 6 Bremen
    {900, Fraction(10, 1), 400},  // 7 Hamburg
    {900, Fraction(5, 1), 700},   // 8 Hessen
    {900, Fraction(10, 1), 500},  // 9 Mecklenburg-Vorpommern
    {900, Fraction(0, 0), 600},   // 10 Niedersachsen
    {900, Fraction(0, 0), 700},   // 11 Nordrhein-Westfalen
    {900, Fraction(0, 0), 700},   // 12 Rheinland-Pfalz
    {900, Fraction(0, 0), 700},   // 13 Saarland
    {900, Fraction(10, 1), 500},  // 14 Sachsen
    {900, Fraction(10, 1), 500},  // 15 Sachsen-Anhalt
    {900, Fraction(10, 1), 600},  // 16 Schleswig-Holstein
    {900, Fraction(0, 0), 500},   // 17 Thüringen
}};

}  // namespace

const YearBlock* FindYearBlock(int year) {
  for (const auto& b : Blocks()) {
    if (b.year == year) return &b;
  }
  return nullptr;
}

std::span<const YearBlock> AllYearBlocks() { return Blocks(); }

std::span<const GarnishmentTable> GarnishmentRows() { return GarnishmentRowTable(); }

const ChurchTaxOfLand* FindChurchTaxOfLand(int land) {
  static const auto table = [] {
    std::array<ChurchTaxOfLand, 17> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
      t[i] = {kChurchTaxByLand[i].rate, kChurchTaxByLand[i].minimum_flag, kChurchTaxByLand[i].flat_rate};
    }
    return t;
  }();
  if (land < 1 || land > 17) return nullptr;
  return &table[static_cast<std::size_t>(land - 1)];
}

}  // namespace pekto
