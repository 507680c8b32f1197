#include "app/checks/check_conditions.h"

#include <cstdint>
#include <initializer_list>
#include <optional>

#include "app/checks/amount_format.h"
#include "app/checks/key_directories.h"

namespace pekto::check {
namespace {

using F = MaskField;

constexpr std::int64_t Euros(std::int64_t euros, std::int64_t cents = 0) { return euros * 100 + cents; }

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> keys) {
  for (const std::string_view key : keys) {
    if (text == key) return true;
  }
  return false;
}

bool Entered(const CheckContext& c, F field) { return !c[field].empty(); }

// Cents (tenths for the child allowances); 0 when empty; nothing when the
// text breaks the amount rule.
// A minus only where the field's input filter lets one be typed ("Brutto-
// lohn gesamt", "Freibetrag / Hinzurech.-Betrag"); elsewhere it is the
// field's format error, never a negative pay.
std::optional<std::int64_t> Amount(const CheckContext& c, F field) {
  const std::string& text = c[field];
  if (!text.empty() && text.front() == '-' && SpecOf(field).allowed != AllowedKeys::DigitsCommaMinus) {
    return std::nullopt;
  }
  return ParseMaskAmount(text, DecimalsOf(field));
}

bool Positive(const CheckContext& c, F field) {
  const auto amount = Amount(c, field);
  return amount && *amount > 0;
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char ch : text) {
    if (ch < '0' || ch > '9') return false;
  }
  return true;
}

// Days, months and years are digits only, as the engine reads them; 0 when
// empty, nothing for anything else (also blanks).
// Day counts of the booking evaluation stand right-aligned (" 30").
std::optional<int> Count(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.empty()) return 0;
  if (text.size() > 6) return std::nullopt;
  int value = 0;
  for (const char ch : text) {
    if (ch < '0' || ch > '9') return std::nullopt;
    value = value * 10 + (ch - '0');
  }
  return value;
}

// Empty or zero; a text that is not a count is left to its range check.
bool CountMissing(const CheckContext& c, F field) {
  const auto count = Count(c[field]);
  return count && *count == 0;
}

bool CountAbove(const CheckContext& c, F field, int limit) {
  const auto count = Count(c[field]);
  return !count || *count > limit;
}

bool FlatTax(const CheckContext& c) { return Entered(c, F::FlatTaxKind); }

// Statutory health insurance whose contributions follow from the rate typed
// in "KV %": general (1), reduced (3) and voluntary with automated
// contributions (5).
bool KvByRate(const CheckContext& c) { return IsOneOf(c[F::KvKey], {"1", "3", "5"}); }

// Marginal employment (§ 8 Abs. 1 SGB IV) in the "Gesamt
// sozialversicherungsrelevantes Merkmal".
bool MiniJob(const CheckContext& c) { return c[F::SvAttributeKey] == "2"; }

// The keys of the Gleitzone (from 07/2019 Übergangsbereich, § 20 Abs. 2 SGB IV)
// and of its transitional protection.
bool TransitionKey(const CheckContext& c) { return IsOneOf(c[F::SvAttributeKey], {"3", "4", "5", "6", "7", "8"}); }

// The regular monthly pay the Gleitzone limits refer to: the month's SV pay
// when the month is whole (30 SV days) plus the pay from other employers,
// which counts towards the limits in a multiple employment (§ 20 Abs. 2
// SGB IV).
std::optional<std::int64_t> RegularMonthlyPay(const CheckContext& c) {
  const auto pay = Amount(c, F::SvGross);
  const auto other = Amount(c, F::MidiOtherEmployerPay);
  if (Count(c[F::SvDays]) != 30 || !pay || !other) return std::nullopt;
  return *pay + *other;
}

bool InOldGleitzoneProtectionBand(std::int64_t pay) { return pay >= Euros(400, 1) && pay <= Euros(450); }

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// "TTMMJHJJ" as a calendar date.
std::optional<Date> BirthDateOf(const CheckContext& c) {
  const std::string& text = c[F::BirthDate];
  if (text.size() != 8 || !AllDigits(text)) return std::nullopt;
  const Date date{*Count(text.substr(4, 4)), *Count(text.substr(2, 2)), *Count(text.substr(0, 2))};
  if (date.year < 1 || date.month < 1 || date.month > 12) return std::nullopt;
  if (date.day < 1 || date.day > DaysInMonth(date.year, date.month)) return std::nullopt;
  return date;
}

// Completed years of life on the first day of the accounting month, the
// day the year parameters also measure ages on.
std::optional<int> AgeAtPeriod(const CheckContext& c) {
  const auto birth = BirthDateOf(c);
  if (!birth || c.period_yyyymm == 0) return std::nullopt;
  const int month = c.period_yyyymm % 100;
  const bool birthday_passed = month > birth->month || (month == birth->month && birth->day == 1);
  return c.year - birth->year - (birthday_passed ? 0 : 1);
}

bool PensionPaid(const CheckContext& c) { return Positive(c, F::PensionInCurrent) || Positive(c, F::PensionInOther); }

bool GarnishmentEntered(const CheckContext& c) {
  return Positive(c, F::GarnishIncome) || Positive(c, F::GarnishClaims);
}

}  // namespace

// Period, Land, name.

bool PeriodNotFourDigits(const CheckContext& c, MaskField) {
  return c[F::Period].size() != 4 || !AllDigits(c[F::Period]);
}

bool PeriodMonthOutOfRange(const CheckContext& c, MaskField) {
  return !PeriodNotFourDigits(c, F::Period) && c.period_yyyymm == 0;
}

// The year parameters exist only for the years of this version.
bool NoParametersForYear(const CheckContext& c, MaskField) { return c.period_yyyymm != 0 && c.params.year != c.year; }

bool FileNameStartsWithBlank(const CheckContext& c, MaskField) {
  return !c[F::FileName].empty() && c[F::FileName].front() == ' ';
}

bool StateCodeUnknown(const CheckContext& c, MaskField) { return !LandOf(c[F::StateCode]); }

// Formats and key lists.

bool AmountMalformed(const CheckContext& c, MaskField field) { return !Amount(c, field); }

// Child allowances count 0,5 or 1 per child (§ 38b Abs. 2 EStG), so the
// decimal is 0 or 5.
bool ChildAllowancesNotInHalves(const CheckContext& c, MaskField) {
  const auto tenths = Amount(c, F::ChildAllowances);
  return tenths && *tenths % 5 != 0;
}

// A key that is not one of the field's directory keys; an empty key too.
bool KeyNotInList(const CheckContext& c, MaskField field) {
  const std::string& key = c[field];
  return key.size() != 1 || SpecOf(field).key_digits.find(key.front()) == std::string_view::npos;
}

// Below 30, 30 for a month or 360 for a year.
bool DaysOutOfRange(const CheckContext& c, MaskField field) {
  const auto days = Count(c[field]);
  return !days || (*days > 30 && *days != 360);
}

// Health and care insurance.

// From 2015 the fund's supplement (§ 242 SGB V) comes on top of the general
// (14,60 %, § 241 SGB V) or reduced (14,00 %, § 243 SGB V) rate; a total
// below that rate would be a negative supplement.
bool KvSupplementNegative(const CheckContext& c, MaskField) {
  if (!KvByRate(c) || c.year < 2015) return false;
  const auto rate = Amount(c, F::KvRate);
  if (!rate || *rate == 0) return false;
  const SocialInsurance& si = c.params.social_insurance;
  return *rate < (c[F::KvKey] == "3" ? si.KvReducedRate : si.KvGeneralRate);
}

// The raised rate (key 2) ended with the uniform rate of the health fund
// on 01.01.2009 (§ 241 SGB V as amended by the GKV-WSG).
bool KvKeyTwoAbolished(const CheckContext& c, MaskField) { return c[F::KvKey] == "2" && c.year >= 2009; }

// Key 9: a voluntary member owes the contributions himself (§ 250 Abs. 2
// SGB V); the employer remits them for him as typed (Firmenzahler), so all
// four amounts are needed.
bool VoluntaryAmountMissing(const CheckContext& c, MaskField field) { return c[F::KvKey] == "9" && !Entered(c, field); }

bool KvRateWithPrivateInsurance(const CheckContext& c, MaskField) {
  return c[F::KvKey] == "8" && Entered(c, F::KvRate);
}

bool VoluntaryAmountsWithCompulsoryKey(const CheckContext& c, MaskField) {
  const bool voluntary = Entered(c, F::PvEmployerAmount) || Entered(c, F::PvEmployeeAmount) ||
                         Entered(c, F::KvEmployerAmount) || Entered(c, F::KvEmployeeAmount);
  return voluntary && !IsOneOf(c[F::KvKey], {"0", "8", "9"});
}

// Without a statutory contribution (0, 8) the employer may pay a subsidy
// (§ 257 SGB V, § 61 SGB XI) but withholds no employee share; an employee
// share is remitted only for a voluntary member under key 9.
bool EmployeeShareWithoutFirmPayerKey(const CheckContext& c, MaskField) {
  const bool employee_share = Entered(c, F::KvEmployeeAmount) || Entered(c, F::PvEmployeeAmount);
  return c.year >= 2005 && IsOneOf(c[F::KvKey], {"0", "8"}) && employee_share;
}

// The rate is needed for every statutory contribution by the rate, except
// in 2011 to 2014 when the program uses 15,50 % and 14,90 % (§ 241, § 243
// SGB V as then in force).
bool KvRateMissing(const CheckContext& c, MaskField) {
  const bool fixed_by_law = c.year >= 2011 && c.year <= 2014;
  return KvByRate(c) && !Entered(c, F::KvRate) && !fixed_by_law;
}

// A privately insured employee has private long-term care insurance
// (§ 23 SGB XI), no statutory PV contribution.
bool PvKeyWithPrivateInsurance(const CheckContext& c, MaskField) { return c[F::KvKey] == "8" && c[F::PvKey] != "0"; }

// Pension insurance, marginal employment, Gleitzone.

// The protection of Gleitzone jobs paid 400,01 to 450,00 Euro ended on
// 31.12.2014 (transitional rules of the Gesetz zu Änderungen im Bereich
// der geringfügigen Beschäftigung of 05.12.2012); such a job is a mini-job
// (§ 8 Abs. 1 Nr. 1 SGB IV). Keys 5 and 6 are the protection keys of that
// time; keys 3 and 4 are caught when a whole month's SV pay lies in that
// band.
bool GleitzoneProtectionEnded(const CheckContext& c, MaskField) {
  if (c.PeriodBefore(201501) || c.period_yyyymm == 0) return false;
  if (IsOneOf(c[F::SvAttributeKey], {"5", "6"})) return true;
  const auto pay = RegularMonthlyPay(c);
  return IsOneOf(c[F::SvAttributeKey], {"3", "4"}) && pay && InOldGleitzoneProtectionBand(*pay);
}

// From 01.07.2019 the Übergangsbereich (§ 20 Abs. 2 SGB IV as amended by
// the RV-Leistungsverbesserungs- und -Stabilisierungsgesetz) gives full
// pension entitlement; the option of full pension contributions (key 4)
// and the old protection keys ended.
bool TransitionKeyOtherThanThree(const CheckContext& c, MaskField) {
  return !c.PeriodBefore(201907) && c.period_yyyymm != 0 && IsOneOf(c[F::SvAttributeKey], {"4", "5", "6"});
}

// A trainee below the low-earner limit (§ 20 Abs. 3 SGB IV) has every
// contribution paid by the employer; there is no employee share to take
// over.
bool NetWageForLowEarner(const CheckContext& c, MaskField) {
  return c[F::NetWageAgreement] == "1" && c[F::SvAttributeKey] == "1";
}

// The protection of jobs paid 450,01 to 520,00 Euro before the mini-job
// limit rose on 01.10.2022 lasts until 31.12.2023 (transitional rules of
// the Mindestlohnerhöhungsgesetz of 28.06.2022 for KV, PV and AV).
bool ProtectionKeySevenOutsideItsPeriod(const CheckContext& c, MaskField) {
  if (c[F::SvAttributeKey] != "7" || c.period_yyyymm == 0) return false;
  return c.period_yyyymm < 202210 || c.period_yyyymm > 202312;
}

// That protection does not reach the pension insurance: the job is a
// mini-job there (§ 5 Abs. 2, § 6 Abs. 1b SGB VI) and is settled through
// the Minijob-Zentrale in a second calculation, so this calculation carries
// no RV contribution; key 8 (private household) is the exception the text
// names.
bool ProtectedMidijobWithPensionKey(const CheckContext& c, MaskField) {
  return c[F::SvAttributeKey] == "7" && IsOneOf(c[F::RvKey], {"1", "3", "5", "6"});
}

// Keys 2 and 4 were the Angestelltenversicherung's before the
// RV-Organisationsreformgesetz merged the branches on 01.01.2005. Key 3, the
// half contribution, lived on for every employee and is in the directory,
// so it stays valid although the message names it.
bool RvKeyOfFormerBranches(const CheckContext& c, MaskField) {
  return IsOneOf(c[F::RvKey], {"2", "4"}) && c.year >= 2005;
}

Cents OtherEmployerPayLimit(const YearParameters& params) {
  const Cents upper = params.marginal_employment.TransitionUpperLimit;
  return upper.IsZero() ? Cents(79899) : upper - Cents(1);
}

bool OtherEmployerPayAboveLimit(const CheckContext& c, MaskField) {
  const auto pay = Amount(c, F::MidiOtherEmployerPay);
  return pay && *pay > OtherEmployerPayLimit(c.params).Value();
}

// The Gleitzone began on 01.04.2003 (§ 20 Abs. 2 SGB IV as amended by the
// Zweites Gesetz für moderne Dienstleistungen am Arbeitsmarkt).
bool TransitionKeyBeforeApril2003(const CheckContext& c, MaskField) {
  return IsOneOf(c[F::SvAttributeKey], {"3", "4", "5"}) && c.PeriodBefore(200304);
}

// A mini-job carries the employer's flat KV contribution (§ 249b SGB V) or
// none (privately insured or short-term, § 8 Abs. 1 Nr. 2 SGB IV).
bool MiniJobWithKvKey(const CheckContext& c, MaskField) { return MiniJob(c) && !IsOneOf(c[F::KvKey], {"0", "6"}); }

// A mini-job is RV-liable with the employee's top-up (key 1), exempt on
// application with the employer's flat contribution (§ 6 Abs. 1b, § 172
// Abs. 3 SGB VI; keys 5, 6) or free as short-term employment (0); the
// half contribution (3) does not exist for it.
bool MiniJobWithRvKey(const CheckContext& c, MaskField) {
  return MiniJob(c) && !IsOneOf(c[F::RvKey], {"0", "1", "5", "6"});
}

bool MiniJobKvKeyWithoutMiniJob(const CheckContext& c, MaskField) { return !MiniJob(c) && c[F::KvKey] == "6"; }

bool MiniJobRvKeyWithoutMiniJob(const CheckContext& c, MaskField) {
  return !MiniJob(c) && IsOneOf(c[F::RvKey], {"5", "6"});
}

// The flat contributions for mini-jobs began on 01.04.1999 (Gesetz zur
// Neuregelung der geringfügigen Beschäftigungsverhältnisse).
bool MiniJobRvKeyBeforeApril1999(const CheckContext& c, MaskField) {
  return IsOneOf(c[F::RvKey], {"5", "6"}) && c.PeriodBefore(199904);
}

bool MiniJobKvKeyBeforeApril1999(const CheckContext& c, MaskField) {
  return c[F::KvKey] == "6" && c.PeriodBefore(199904);
}

// The protection keys of 2013 and 2014 (transitional rules of the Gesetz
// zu Änderungen im Bereich der geringfügigen Beschäftigung): only in those
// years and for a whole month's pay of 400,01 to 450,00 Euro. That the job
// existed in December 2012 is the user's to confirm.
bool OldGleitzoneProtectionKey(const CheckContext& c, MaskField) {
  if (!IsOneOf(c[F::SvAttributeKey], {"5", "6"}) || c.period_yyyymm == 0) return false;
  const auto pay = RegularMonthlyPay(c);
  const bool allowed = (c.year == 2013 || c.year == 2014) && pay && InOldGleitzoneProtectionBand(*pay);
  return !allowed;
}

// The Gleitzone limits are monthly (§ 20 Abs. 2 SGB IV).
bool TransitionBeyondOneMonth(const CheckContext& c, MaskField) {
  const auto days = Count(c[F::SvDays]);
  return TransitionKey(c) && days && *days > 30;
}

// Levies.

// U1 is due from employers with at most 30 employees (§ 1 Abs. 1, § 7 AAG).
bool U1RateMissing(const CheckContext& c, MaskField) { return c[F::LevyKey] == "3" && !Entered(c, F::U1Rate); }

// Wage tax and church tax.

// Flat-rate wage tax (§ 40a EStG) is levied without the deduction features
// of a tax class.
bool TaxClassWithFlatTax(const CheckContext& c, MaskField) { return Entered(c, F::TaxClass) && FlatTax(c); }

// The factor procedure for class IV began in 2010 (§ 39f EStG).
bool FactorBefore2010(const CheckContext& c, MaskField) { return Entered(c, F::TaxFactor) && c.PeriodBefore(201001); }

bool FactorNotThreeDigits(const CheckContext& c, MaskField) {
  const std::string& factor = c[F::TaxFactor];
  return !factor.empty() && (factor.size() != 3 || !AllDigits(factor));
}

bool FactorZero(const CheckContext& c, MaskField) { return c[F::TaxFactor] == "000"; }

// § 39f EStG: the factor belongs to spouses in class IV only.
bool FactorWithoutClassFour(const CheckContext& c, MaskField) {
  return Entered(c, F::TaxFactor) && c[F::TaxClass] != "4";
}

// The keys of the Land's church-tax directory for the accounting year.
bool ChurchKeyUnknown(const CheckContext& c, MaskField field) {
  return Entered(c, field) && !IsChurchTaxKey(c[field], c[F::StateCode], c[F::Period]);
}

bool SpouseChurchWithoutEmployeeChurch(const CheckContext& c, MaskField) {
  return Entered(c, F::ChurchSpouse) && !Entered(c, F::ChurchEmployee);
}

bool TaxablePayWithoutTaxation(const CheckContext& c, MaskField) {
  return Positive(c, F::TaxableGross) && !Entered(c, F::TaxClass) && !FlatTax(c);
}

bool TaxableOneOffWithoutTaxation(const CheckContext& c, MaskField) {
  return Positive(c, F::TaxableOther) && !Entered(c, F::TaxClass) && !FlatTax(c);
}

// Under flat-rate wage tax only the social-insurance contributions can be
// taken over by the employer (keys 7 to 9); the flat tax is the employer's
// own tax anyway (§ 40 Abs. 3 EStG).
bool FlatTaxWithTaxNetWage(const CheckContext& c, MaskField) {
  return FlatTax(c) && IsOneOf(c[F::NetWageAgreement], {"1", "2", "3", "4", "5", "6"});
}

// Current pay is converted to the annual tax by its tax days (§ 39b Abs. 2
// EStG).
bool TaxDaysMissing(const CheckContext& c, MaskField) {
  return Positive(c, F::TaxableGross) && CountMissing(c, F::TaxDays);
}

// The split of the flat church tax by denomination (church key 2 of the
// Nachweisverfahren, the Länder's joint decrees on church tax with flat-rate
// wage tax) needs the employee's denomination.
bool FlatChurchByDenominationWithoutChurch(const CheckContext& c, MaskField) {
  return FlatTax(c) && c[F::ChurchFlatKey] == "2" && !Entered(c, F::ChurchEmployee);
}

// Birth date and age.

bool BirthDateNotEightDigits(const CheckContext& c, MaskField) {
  return c[F::BirthDate].size() != 8 || !AllDigits(c[F::BirthDate]);
}

bool BirthDateNotADate(const CheckContext& c, MaskField) {
  return !BirthDateNotEightDigits(c, F::BirthDate) && !BirthDateOf(c);
}

bool OlderThan103(const CheckContext& c, MaskField) {
  const auto age = AgeAtPeriod(c);
  return age && *age > 103;
}

bool YoungerThan10(const CheckContext& c, MaskField) {
  const auto age = AgeAtPeriod(c);
  return age && *age < 10;
}

// One-off payments and year figures.

bool SvDaysMissing(const CheckContext& c, MaskField) { return Positive(c, F::SvGross) && CountMissing(c, F::SvDays); }

// A taxed one-off payment (§ 39b Abs. 3 EStG) needs the years it is paid
// for: two or more apply the fifth rule (§ 34 Abs. 1 EStG). A flat-taxed one
// is taxed with the month's pay and needs none.
bool OneOffYearsMissing(const CheckContext& c, MaskField) {
  return Positive(c, F::TaxableOther) && !FlatTax(c) && CountMissing(c, F::OtherYears);
}

bool OneOffMissingForYears(const CheckContext& c, MaskField) {
  const auto years = Count(c[F::OtherYears]);
  return years && *years > 0 && !Positive(c, F::TaxableOther);
}

// Under flat-rate wage tax (§ 40a EStG) a one-off payment is taxed at the
// flat rate like current pay; neither the annual-table method nor the fifth
// rule applies, so years for it are wrong.
bool FlatTaxOneOffForSeveralYears(const CheckContext& c, MaskField) {
  const auto years = Count(c[F::OtherYears]);
  return FlatTax(c) && Positive(c, F::TaxableOther) && years && *years > 0;
}

// Each accumulated days field follows its amount field in the mask's
// numbering (43/44, 45/46, 47/48, 49/50): the SV days of the year so far
// that the ceiling for a one-off payment is measured on (§ 23a Abs. 3 SGB IV).
bool AccumulatedDaysMissing(const CheckContext& c, MaskField days_field) {
  const auto amount_field = static_cast<MaskField>(static_cast<int>(days_field) - 1);
  return Positive(c, amount_field) && CountMissing(c, days_field);
}

bool OneOffPensionWithoutOneOff(const CheckContext& c, MaskField) {
  return Positive(c, F::PensionInOther) && !Positive(c, F::TaxableOther);
}

// Garnishment.

bool GarnishDaysAbove31(const CheckContext& c, MaskField) { return CountAbove(c, F::GarnishCalendarDays, 31); }

// The protected amounts of § 850c ZPO are monthly, weekly or daily; the
// period of the pay must be known.
bool GarnishPeriodMissing(const CheckContext& c, MaskField) {
  return GarnishmentEntered(c) && CountMissing(c, F::GarnishCalendarDays) && CountMissing(c, F::GarnishMonths);
}

bool GarnishClaimsMissing(const CheckContext& c, MaskField) {
  return Positive(c, F::GarnishIncome) && !Positive(c, F::GarnishClaims);
}

// Pension payments and private health insurance.

bool PensionMonthsAbove12(const CheckContext& c, MaskField) { return CountAbove(c, F::PensionMonths, 12); }

// The Versorgungsfreibetrag is granted per month of payment (§ 19 Abs. 2
// Satz 12 EStG); a yearly calculation must know those months.
bool PensionMonthsMissingForYear(const CheckContext& c, MaskField) {
  return Count(c[F::TaxDays]) == 360 && PensionPaid(c) && CountMissing(c, F::PensionMonths);
}

// The basis of the Versorgungsfreibetrag is the first full month's payment
// times 12 (§ 19 Abs. 2 Satz 4 EStG).
bool PensionFirstMonthMissing(const CheckContext& c, MaskField) {
  return Positive(c, F::PensionInCurrent) && !Entered(c, F::PensionFirstMonth);
}

// The year the payments began fixes the percentage of § 19 Abs. 2 Satz 3
// EStG; it can lie neither after the accounting year nor before the birth.
bool PensionStartYearImplausible(const CheckContext& c, MaskField) {
  const std::string& text = c[F::PensionStartYear];
  if (text.empty()) return false;
  const auto year = Count(text);
  if (text.size() != 4 || !year) return true;
  if (c.year != 0 && *year > c.year) return true;
  const auto birth = BirthDateOf(c);
  return birth && *year < birth->year;
}

bool PensionStartYearMissing(const CheckContext& c, MaskField) {
  return PensionPaid(c) && !Entered(c, F::PensionStartYear);
}

// Private basic health and care premiums reduce the wage tax from 2010
// (§ 10 Abs. 1 Nr. 3, § 39b Abs. 2 Satz 5 Nr. 3 EStG as amended by the
// Bürgerentlastungsgesetz Krankenversicherung).
bool PrivatePremiumBefore2010(const CheckContext& c, MaskField) {
  return Entered(c, F::PkvBasicPremium) && c.PeriodBefore(201001);
}

// Only a privately insured employee has such premiums: KV key 0 as the
// message says, or 8, the directory's key for a privately insured employee.
bool PrivatePremiumWithoutPrivateKey(const CheckContext& c, MaskField) {
  return Entered(c, F::PkvBasicPremium) && !IsOneOf(c[F::KvKey], {"0", "8"});
}

}  // namespace pekto::check
