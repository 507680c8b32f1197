// The conditions of the input checks: each returns true when its check
// fails. They read only the check context and never assume that an earlier
// check passed; a value they cannot read leaves their check to the check
// that reports it.
#pragma once

#include "app/checks/check_table.h"
#include "calc/money.h"

namespace pekto::check {

// Period, Land, name.
bool PeriodNotFourDigits(const CheckContext& c, MaskField field);
bool PeriodMonthOutOfRange(const CheckContext& c, MaskField field);
bool NoParametersForYear(const CheckContext& c, MaskField field);
bool FileNameStartsWithBlank(const CheckContext& c, MaskField field);
bool StateCodeUnknown(const CheckContext& c, MaskField field);

// Formats and key lists.
bool AmountMalformed(const CheckContext& c, MaskField field);
bool ChildAllowancesNotInHalves(const CheckContext& c, MaskField field);
bool KeyNotInList(const CheckContext& c, MaskField field);
bool DaysOutOfRange(const CheckContext& c, MaskField field);

// Health and care insurance.
bool KvSupplementNegative(const CheckContext& c, MaskField field);

// The most other employers may pay in a multiple employment that still
// lies in the Übergangsbereich: a cent below its upper limit (§ 20 Abs. 2a
// SGB IV; 1,299.99 / 1,599.99 / 1,999.99 euros in 2020-2026). The old
// Gleitzone limit of 798,99 euros applies where no year is known.
[[nodiscard]] Cents OtherEmployerPayLimit(const YearParameters& params);
bool KvKeyTwoAbolished(const CheckContext& c, MaskField field);
bool VoluntaryAmountMissing(const CheckContext& c, MaskField field);
bool KvRateWithPrivateInsurance(const CheckContext& c, MaskField field);
bool VoluntaryAmountsWithCompulsoryKey(const CheckContext& c, MaskField field);
bool EmployeeShareWithoutFirmPayerKey(const CheckContext& c, MaskField field);
bool KvRateMissing(const CheckContext& c, MaskField field);
bool PvKeyWithPrivateInsurance(const CheckContext& c, MaskField field);

// Pension insurance, marginal employment, Gleitzone and Übergangsbereich.
bool GleitzoneProtectionEnded(const CheckContext& c, MaskField field);
bool TransitionKeyOtherThanThree(const CheckContext& c, MaskField field);
bool NetWageForLowEarner(const CheckContext& c, MaskField field);
bool ProtectionKeySevenOutsideItsPeriod(const CheckContext& c, MaskField field);
bool ProtectedMidijobWithPensionKey(const CheckContext& c, MaskField field);
bool RvKeyOfFormerBranches(const CheckContext& c, MaskField field);
bool OtherEmployerPayAboveLimit(const CheckContext& c, MaskField field);
bool TransitionKeyBeforeApril2003(const CheckContext& c, MaskField field);
bool MiniJobWithKvKey(const CheckContext& c, MaskField field);
bool MiniJobWithRvKey(const CheckContext& c, MaskField field);
bool MiniJobKvKeyWithoutMiniJob(const CheckContext& c, MaskField field);
bool MiniJobRvKeyWithoutMiniJob(const CheckContext& c, MaskField field);
bool MiniJobRvKeyBeforeApril1999(const CheckContext& c, MaskField field);
bool MiniJobKvKeyBeforeApril1999(const CheckContext& c, MaskField field);
bool OldGleitzoneProtectionKey(const CheckContext& c, MaskField field);
bool TransitionBeyondOneMonth(const CheckContext& c, MaskField field);

// Levies.
bool U1RateMissing(const CheckContext& c, MaskField field);

// Wage tax and church tax.
bool TaxClassWithFlatTax(const CheckContext& c, MaskField field);
bool FactorBefore2010(const CheckContext& c, MaskField field);
bool FactorNotThreeDigits(const CheckContext& c, MaskField field);
bool FactorZero(const CheckContext& c, MaskField field);
bool FactorWithoutClassFour(const CheckContext& c, MaskField field);
bool ChurchKeyUnknown(const CheckContext& c, MaskField field);
bool SpouseChurchWithoutEmployeeChurch(const CheckContext& c, MaskField field);
bool TaxablePayWithoutTaxation(const CheckContext& c, MaskField field);
bool TaxableOneOffWithoutTaxation(const CheckContext& c, MaskField field);
bool FlatTaxWithTaxNetWage(const CheckContext& c, MaskField field);
bool TaxDaysMissing(const CheckContext& c, MaskField field);
bool FlatChurchByDenominationWithoutChurch(const CheckContext& c, MaskField field);

// Birth date and age.
bool BirthDateNotEightDigits(const CheckContext& c, MaskField field);
bool BirthDateNotADate(const CheckContext& c, MaskField field);
bool OlderThan103(const CheckContext& c, MaskField field);
bool YoungerThan10(const CheckContext& c, MaskField field);

// One-off payments and year figures.
bool SvDaysMissing(const CheckContext& c, MaskField field);
bool OneOffYearsMissing(const CheckContext& c, MaskField field);
bool OneOffMissingForYears(const CheckContext& c, MaskField field);
bool FlatTaxOneOffForSeveralYears(const CheckContext& c, MaskField field);
bool AccumulatedDaysMissing(const CheckContext& c, MaskField field);
bool OneOffPensionWithoutOneOff(const CheckContext& c, MaskField field);

// Garnishment.
bool GarnishDaysAbove31(const CheckContext& c, MaskField field);
bool GarnishPeriodMissing(const CheckContext& c, MaskField field);
bool GarnishClaimsMissing(const CheckContext& c, MaskField field);

// Pension payments (Versorgungsbezüge) and private health insurance.
bool PensionMonthsAbove12(const CheckContext& c, MaskField field);
bool PensionMonthsMissingForYear(const CheckContext& c, MaskField field);
bool PensionFirstMonthMissing(const CheckContext& c, MaskField field);
bool PensionStartYearImplausible(const CheckContext& c, MaskField field);
bool PensionStartYearMissing(const CheckContext& c, MaskField field);
bool PrivatePremiumBefore2010(const CheckContext& c, MaskField field);
bool PrivatePremiumWithoutPrivateKey(const CheckContext& c, MaskField field);

}  // namespace pekto::check
