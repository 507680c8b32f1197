// The meaning of every slot of the employee's AnnualBlock: the running
// figures of the calendar year that the payroll account shows and edits,
// the master data of the account, and the marks of the annual summation.
// This table is the one place that says what a slot holds; the summation,
// the year figures of one-off payments and the payroll account read it.
//
// Amounts are whole cents as decimal text ("123456"), days and counts whole
// numbers, dates TTMMJJ; the closed period is written MMJJJJ ("052024") and
// read by its first two and last two characters, so that MMJJ typed in the
// payroll account reads alike. Empty means 0. How a slot changes
// when a month is closed (saved with "Ja, die Abrechnung ist OK"):
//   Entered   typed in the payroll account; the summation leaves it alone
//   Summed    the closed month's value is added; a new calendar year
//             starts the slot again from 0
//   Closing   set by the summation itself (period, date of the summation)
//   RunMark   set to "1" by every calculation run, cleared by the summation
//
// kAnnualBlockTable below lists every slot with its kind, its accrual, the
// name under which the payroll account shows it and what a closed month
// adds into it (app/files/annual_sums.h does the adding).
#pragma once

#include <array>
#include <string_view>

#include "record/employee_record.h"

namespace pekto {

namespace annual_slot {
inline constexpr int kEntryDate = 0;
inline constexpr int kExitDate = 1;
inline constexpr int kSvNumber = 2;
inline constexpr int kHealthFund = 3;
inline constexpr int kVoluntaryHealthFund = 4;
inline constexpr int kHolidayEntitlement = 5;
inline constexpr int kHolidayRemaining = 6;
inline constexpr int kGrossTotal = 7;
inline constexpr int kTaxablePay = 8;     // taxable current pay of the year so far
inline constexpr int kTaxableOneOff = 9;  // taxable one-off pay of the year so far
inline constexpr int kPensionIncluded = 10;
inline constexpr int kTaxableTotal = 11;
inline constexpr int kWageTaxOneOff = 12;
inline constexpr int kWageTaxCurrent = 13;
inline constexpr int kChurchTax = 14;
inline constexpr int kSoli = 15;
inline constexpr int kChamber = 16;
inline constexpr int kInterruptions = 17;
inline constexpr int kSummationDate = 18;
inline constexpr int kKvPay = 19;
inline constexpr int kKvDays = 20;
inline constexpr int kKvEmployer = 21;
inline constexpr int kKvEmployee = 22;
inline constexpr int kRvPay = 23;
inline constexpr int kRvDays = 24;
inline constexpr int kRvEmployer = 25;
inline constexpr int kRvEmployee = 26;
inline constexpr int kAvPay = 27;
inline constexpr int kAvDays = 28;
inline constexpr int kAvEmployer = 29;
inline constexpr int kAvEmployee = 30;
inline constexpr int kPvEmployer = 31;
inline constexpr int kPvEmployee = 32;
inline constexpr int kSvEmployeeTotal = 33;
inline constexpr int kMiniJobRvEmployer = 34;
inline constexpr int kVoluntaryKvSubsidy = 35;
inline constexpr int kVoluntaryPvSubsidy = 36;
inline constexpr int kU1 = 37;
inline constexpr int kU2 = 38;
inline constexpr int kInsolvencyLevy = 39;
inline constexpr int kU1U2Pay = 40;
inline constexpr int kTransitionReduction = 41;
inline constexpr int kFlatTaxedPay = 42;
inline constexpr int kFlatWageTax = 43;
inline constexpr int kLevyPay = 44;
inline constexpr int kLevyDays = 45;
inline constexpr int kFlatChurchTax = 46;
inline constexpr int kFlatSoli = 47;
inline constexpr int kCalculated = 48;     // "1" after a calculation run
inline constexpr int kLastSummation = 49;  // period of the last summation, MMJJJJ
inline constexpr int kUniformFlatTax = 50;
}  // namespace annual_slot

enum class AnnualSlotKind { Text, Date, Period, Amount, Days, Count, Flag };
enum class AnnualAccrual { Entered, Summed, Closing, RunMark };

struct AnnualSlotSpec {
  int slot;
  AnnualSlotKind kind;
  AnnualAccrual accrual;
  std::string_view label;  // German, as the payroll account names the figure
  // What a closed month adds (Summed) or sets (Closing); empty otherwise.
  std::string_view month_value;
};

inline constexpr std::array<AnnualSlotSpec, kAnnualBlockSlots> kAnnualBlockTable = [] {
  using K = AnnualSlotKind;
  using A = AnnualAccrual;
  return std::array<AnnualSlotSpec, kAnnualBlockSlots>{{
      {0, K::Date, A::Entered, "Eintrittsdatum", ""},
      {1, K::Date, A::Entered, "Austrittsdatum", ""},
      {2, K::Text, A::Entered, "Sozialversicherungsnummer", ""},
      {3, K::Text, A::Entered, "Krankenkasse bei Pflichtversicherung", ""},
      {4, K::Text, A::Entered, "Krankenkasse bei freiwilliger Versicherung", ""},
      {5, K::Text, A::Entered, "Jahresurlaubsanspruch", ""},
      {6, K::Text, A::Entered, "Resturlaubsanspruch", ""},
      {7, K::Amount, A::Summed, "Gesamter Bruttobetrag",
       "gross pay of the month (Bruttolohn of the employee's evaluation)"},
      {8, K::Amount, A::Summed, "Steuerpflichtige laufende Bezüge",
       "taxable current pay, when not taxed at a flat rate"},
      {9, K::Amount, A::Summed, "Steuerpflichtige sonstige Bezüge",
       "taxable one-off payment, when not taxed at a flat rate"},
      {10, K::Amount, A::Summed, "Enthaltene Versorgungsbezüge",
       "pension income contained in the taxable current and one-off pay"},
      {11, K::Amount, A::Summed, "Steuerpflichtiger Gesamtbetrag",
       "taxable current pay plus taxable one-off payment (not flat-rate)"},
      {12, K::Amount, A::Summed, "Lohnsteuer für sonstige Bezüge", "wage tax on one-off payments, both parts"},
      {13, K::Amount, A::Summed, "Lohnsteuer für laufende Bezüge", "wage tax on current pay"},
      {14, K::Amount, A::Summed, "Kirchensteuer", "church tax of employee and spouse on current and one-off pay"},
      {15, K::Amount, A::Summed, "Solidaritätszuschlag", "solidarity surcharge on current and one-off pay"},
      {16, K::Amount, A::Summed, "Kammerbeitrag", "chamber contribution"},
      {17, K::Count, A::Entered, "Anzahl der Unterbrechungen", ""},
      {18, K::Date, A::Closing, "Datum der letzten Summenbildung", "the date of the summation"},
      {19, K::Amount, A::Summed, "KV-pflichtige Bezüge",
       "KV/PV contribution base of current pay plus the contributory part of the one-off payment; with a KV key"},
      {20, K::Days, A::Summed, "KV-Tage", "SV days of the month; with a KV key"},
      {21, K::Amount, A::Summed, "AG Beitrag KV", "employer's KV of current and one-off pay"},
      {22, K::Amount, A::Summed, "AN Beitrag KV", "employee's KV of current and one-off pay"},
      {23, K::Amount, A::Summed, "RV-pflichtige Bezüge",
       "RV contribution base (the actual pay in the Übergangsbereich, without a mini-job's minimum-base gap) plus the "
       "contributory one-off part; with an RV key"},
      {24, K::Days, A::Summed, "RV-Tage", "SV days of the month; with an RV key"},
      {25, K::Amount, A::Summed, "AG Beitrag RV",
       "employer's RV of current and one-off pay, except a mini-job's flat rate"},
      {26, K::Amount, A::Summed, "AN Beitrag RV", "employee's RV of current and one-off pay"},
      {27, K::Amount, A::Summed, "AV-pflichtige Bezüge",
       "AV contribution base plus the contributory one-off part; with an AV key"},
      {28, K::Days, A::Summed, "AV-Tage", "SV days of the month; with an AV key"},
      {29, K::Amount, A::Summed, "AG Beitrag AV", "employer's AV of current and one-off pay"},
      {30, K::Amount, A::Summed, "AN Beitrag AV", "employee's AV of current and one-off pay"},
      {31, K::Amount, A::Summed, "AG Beitrag PV", "employer's PV of current and one-off pay"},
      {32, K::Amount, A::Summed, "AN Beitrag PV", "employee's PV of current and one-off pay"},
      {33, K::Amount, A::Summed, "AN SV-Beitrag gesamt", "employee's KV+RV+AV+PV of current and one-off pay"},
      {34, K::Amount, A::Summed, "Arbeitgeberanteil zur Rentenversicherung", "employer's flat-rate RV of a mini-job"},
      {35, K::Amount, A::Summed, "Freiwilliger AG-KV-Zuschuß",
       "employer's subsidy to voluntary or private KV (KV-AG Betrag)"},
      {36, K::Amount, A::Summed, "Freiwilliger AG-PV-Zuschuß",
       "employer's subsidy to voluntary or private PV (PV-AG Betrag)"},
      {37, K::Amount, A::Summed, "Beitrag zur Umlageversicherung 1", "U1 levy"},
      {38, K::Amount, A::Summed, "Beitrag zur Umlageversicherung 2", "U2 levy"},
      {39, K::Amount, A::Summed, "Beitrag zur Insolvenzgeldumlage", "insolvency levy"},
      {40, K::Amount, A::Summed, "Umlageversicherungspflichtiges Entgelt",
       "levy base of current pay, when U1 or U2 is charged"},
      {41, K::Amount, A::Summed, "Minderungsbetrag im Übergangsbereich",
       "actual pay less the contribution base BE, in the Übergangsbereich"},
      {42, K::Amount, A::Summed, "Pauschalbesteuerte Bezüge", "pay taxed at a flat rate"},
      {43, K::Amount, A::Summed, "Pauschale Lohnsteuer", "flat-rate wage tax (not the uniform 2 percent tax)"},
      {44, K::Amount, A::Summed, "Umlage-/Kammerbeitragspflichtige Bezüge",
       "levy base of current pay plus the levy part of the one-off payment, when a levy or the chamber contribution is "
       "charged"},
      {45, K::Days, A::Summed, "Umlage-/Kammerbeitragstage",
       "SV days of the month, under the same condition as slot 44"},
      {46, K::Amount, A::Summed, "Pauschale Kirchensteuer", "flat-rate church tax"},
      {47, K::Amount, A::Summed, "Pauschaler Solidaritätszuschlag", "flat-rate solidarity surcharge"},
      {48, K::Flag, A::RunMark, "Berechnet seit der letzten Summenbildung", ""},
      {49, K::Period, A::Closing, "Zuletzt abgerechneter Zeitraum", "the period of the closed month"},
      {50, K::Amount, A::Summed, "Einheitliche Pauschsteuer", "the uniform 2 percent flat tax"},
  }};
}();

[[nodiscard]] constexpr const AnnualSlotSpec& AnnualSlotOf(int slot) {
  return kAnnualBlockTable[static_cast<std::size_t>(slot)];
}

[[nodiscard]] constexpr bool IsSummedAnnualSlot(int slot) {
  return slot >= 0 && slot < kAnnualBlockSlots && AnnualSlotOf(slot).accrual == AnnualAccrual::Summed;
}

}  // namespace pekto
