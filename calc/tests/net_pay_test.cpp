// Net pay, payout, chamber contribution and the employer's total.
#include "calc/net_pay.h"

#include <gtest/gtest.h>

#include <ostream>

#include "calc/result_slots.h"

namespace pekto {
namespace {

YearParameters Params2023(std::string_view state_code = "11") {
  return LoadYearParameters(YearParameterInputs{.period = "0723", .state_code = state_code});
}

// Gross 3000.00; wage tax 400.00, church tax 36.00, KV 243.00, RV 279.00,
// AV 39.00, PV 51.00 (1048.00); employer KV 234.00, RV 279.00, AV 39.00,
// PV 51.00 (603.00); levy base 3000.00.
struct Month {
  PayrollInput in;
  PayrollResult out;
};

Month OrdinaryMonth() {
  Month m;
  m.in.state_code = 11;
  m.in.gross_total = Cents(300000);
  m.in.taxable_gross = Cents(300000);
  m.in.sv_gross = Cents(300000);
  m.in.sv_days = 30;
  m.out.current_employee = {Cents(40000), Cents(3600),  Cents(0),    Cents(0),
                            Cents(24300), Cents(27900), Cents(3900), Cents(5100)};
  m.out.current_employer = {Cents(23400), Cents(27900), Cents(3900), Cents(5100)};
  m.out.working.levy_base = Cents(300000);
  return m;
}

void RunMonth(Month& m, const YearParameters& params, const BookedCorrections& corrections = {}) {
  Explainer explain(nullptr);
  RunNetPayStep(m.in, corrections, params, m.out, explain);
}

TEST(NetPay, GrossDeductionsNetAndPayout) {
  Month m = OrdinaryMonth();
  m.in.booked_gross = Cents(300000);  // the same bookings as "Bruttolohn gesamt"
  RunMonth(m, Params2023());
  EXPECT_EQ(m.out.employee.gross, Cents(300000));
  EXPECT_EQ(m.out.employee.statutory_deductions, Cents(104800));
  EXPECT_EQ(m.out.employee.net, Cents(195200));
  EXPECT_EQ(m.out.employee.payout, Cents(195200));
}

TEST(NetPay, TotalDeductionsCountBothOneOffTaxPartsAndOneOffContributions) {
  PayrollResult out;
  out.current_employee.wage_tax = Cents(10000);
  out.current_employee.soli = Cents(100);
  out.one_off_tax[0] = {Cents(5000), Cents(450), Cents(0), Cents(275)};
  out.one_off_tax[1] = {Cents(2000), Cents(90), Cents(90), Cents(110)};
  out.one_off_employee = {Cents(7000), Cents(540), Cents(90),  Cents(385),
                          Cents(800),  Cents(930), Cents(130), Cents(170)};
  // 100.00 + 1.00 + 57.25 + 22.90 + one-off KV/RV/AV/PV 20.30 (the tax
  // columns of the one-off row repeat the parts and are not added again)
  EXPECT_EQ(StatutoryDeductions(out), Cents(20145));
}

TEST(NetPay, NegativeNetIsStoredNegative) {
  Month m;
  m.in.gross_total = Cents(10000);
  m.out.current_employee.kv = Cents(20000);
  RunMonth(m, Params2023());
  // 100.00 - 200.00
  EXPECT_EQ(m.out.employee.net, Cents(-10000));
  EXPECT_EQ(m.out.employee.payout, Cents(-10000));
  EXPECT_EQ(CentsText(m.out.employee.net), "-10000");
}

TEST(NetPay, EmployerSubsidyAloneIsPaidOut) {
  Month m = OrdinaryMonth();
  m.in.kv_employer_amount = Cents(15000);
  RunMonth(m, Params2023());
  EXPECT_EQ(m.out.employee.other_after_net, Cents(-15000));
  // 1952.00 + 150.00
  EXPECT_EQ(m.out.employee.payout, Cents(210200));
  EXPECT_EQ(m.out.employer.social_insurance, Cents(60300 + 15000));
}

TEST(NetPay, BremenChamberOnTaxablePayRoundedHalfAwayFromZero) {
  Month m = OrdinaryMonth();
  m.in.state_code = 6;
  m.in.chamber_key = "1";
  m.in.taxable_gross = Cents(240000);
  m.in.taxable_other = Cents(11000);
  RunMonth(m, Params2023("06"));
  // 0.14 % (Bremen from 2023) of 2510.00 = 3.514
  EXPECT_EQ(m.out.employee.chamber, Cents(351));
  EXPECT_EQ(m.out.employee.payout, Cents(195200 - 351));
}

struct ChamberCase {
  std::string name;
  ChamberInput in;
  std::int64_t expected;
};

void PrintTo(const ChamberCase& c, std::ostream* os) { *os << c.name; }

class Chamber : public ::testing::TestWithParam<ChamberCase> {};

TEST_P(Chamber, ContributionOfTheLand) {
  EXPECT_EQ(ComputeChamberContribution(GetParam().in).contribution.Value(), GetParam().expected);
}

// 2023 pension ceiling West 87600.00; Saarland cap for 30 days:
// 87600.00 / 360 x 30 = 7300.00, for 15 days 3650.00.
const ChamberCase kChamberCases[] = {
    // 0.15 % of 7300.00 = 10.95, the chamber's maximum of 2023
    {"SaarlandCappedAtTheCeiling", {13, "1", Cents(0), Cents(800000), 30, Cents(8760000), 15}, 1095},
    // 0.15 % of 7000.00 = 10.50: below the ceiling, no longer cut to 75 %
    {"SaarlandBetweenThreeQuartersAndTheCeiling", {13, "1", Cents(0), Cents(700000), 30, Cents(8760000), 15}, 1050},
    // 0.15 % of 3650.00 = 5.475
    {"SaarlandCapOfFifteenDays", {13, "1", Cents(0), Cents(700000), 15, Cents(8760000), 15}, 548},
    // Bremen 0.14 % of 2000.00 = 2.80
    {"BremenFrom2023", {6, "1", Cents(200000), Cents(0), 30, Cents(8760000), 14}, 280},
    // 0.15 % of 2000.00
    {"SaarlandBelowCap", {13, "1", Cents(999999), Cents(200000), 30, Cents(8760000), 15}, 300},
    {"SaarlandWithoutKey", {13, "", Cents(0), Cents(200000), 30, Cents(8760000), 15}, 0},
    {"BremenKeyZero", {6, "0", Cents(200000), Cents(0), 30, Cents(8760000), 15}, 0},
    {"HamburgNever", {7, "1", Cents(200000), Cents(200000), 30, Cents(8760000), 15}, 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, Chamber, ::testing::ValuesIn(kChamberCases),
                         [](const auto& info) { return info.param.name; });

TEST(NetPay, BookingsAndCorrectionsOfEarlierPeriods) {
  Month m = OrdinaryMonth();
  m.in.levy_key = "3";
  m.in.u1_rate = 160;
  m.in.u2_rate = 44;
  m.in.booked_before_net = Cents(2000);  // category 2, negated: a deduction of 20.00
  m.in.booked_after_net = Cents(3000);   // category 3: 30.00 paid with the net
  m.in.booked_employer = Cents(-4000);   // category 4, negated: 40.00 employer cost
  const BookedCorrections corrections{Cents(1000), Cents(500), Cents(-1000)};
  RunMonth(m, Params2023(), corrections);

  // before net 20.00 + 10.00; net 3000.00 - 1048.00 - 30.00 = 1922.00;
  // after net -(30.00 + 5.00); payout 1922.00 + 35.00
  EXPECT_EQ(m.out.employee.other_before_net, Cents(3000));
  EXPECT_EQ(m.out.employee.net, Cents(192200));
  EXPECT_EQ(m.out.employee.other_after_net, Cents(-3500));
  EXPECT_EQ(m.out.employee.payout, Cents(195700));

  // SV 603.00 + gross 3000.00 + U1 1.60 % 48.00 + U2 0.44 % 13.20 +
  // insolvency 0.06 % 1.80 + booked 40.00 + 10.00
  EXPECT_EQ(m.out.employer.gross, Cents(300000));
  EXPECT_EQ(m.out.employer.u1, Cents(4800));
  EXPECT_EQ(m.out.employer.u2, Cents(1320));
  EXPECT_EQ(m.out.employer.insolvency_levy, Cents(180));
  EXPECT_EQ(m.out.employer.total, Cents(371600));

  EXPECT_EQ(m.out.corrections.gross, Cents(0));
  EXPECT_EQ(m.out.corrections.other_after_gross, Cents(1000));
  EXPECT_EQ(m.out.corrections.other_after_net, Cents(-500));
  EXPECT_EQ(m.out.corrections.payout, Cents(-500));
  EXPECT_EQ(m.out.corrections.employer_total, Cents(1000));
}

TEST(NetPay, PayoutLessChamberOtherDeductionsAndGarnishment) {
  Month m = OrdinaryMonth();
  m.out.employee.garnishment = Cents(12345);
  m.in.pv_employee_amount = Cents(3000);
  RunMonth(m, Params2023());
  // 1952.00 - 30.00 - 123.45
  EXPECT_EQ(m.out.employee.payout, Cents(195200 - 3000 - 12345));
  EXPECT_EQ(m.out.employee.garnishment, Cents(12345));
}

TEST(NetPay, EmployerTotalCarriesTheFlatRateTaxes) {
  Month m;
  m.in.state_code = 11;
  m.in.flat_tax_kind = "1";
  m.in.gross_total = Cents(52000);
  m.in.taxable_gross = Cents(52000);
  const YearParameters params =
      LoadYearParameters(YearParameterInputs{.period = "0723", .state_code = "11", .flat_tax_kind = "1"});
  RunMonth(m, params);
  // 20 % of 520.00 = 104.00; surcharge 5.72; church tax 7 % 7.28
  EXPECT_EQ(m.out.employer.total, Cents(52000 + 10400 + 572 + 728));
}

}  // namespace
}  // namespace pekto
