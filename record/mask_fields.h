// The 60 input fields of the main mask: number, name, label, status text,
// input filter, the month-record slot each one is copied into, its help
// topic and its places in the keyboard navigation (the Up/Down cycle and
// the Page Down/Page Up line starts). Every screen, filter, help page and
// test reads this one table.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace pekto {

// Field numbers of the main mask (1..60), named as in the record.
enum class MaskField {
  BirthDate = 1,
  FileName = 2,
  NetWageAgreement = 3,
  KvKey = 4,
  RvKey = 5,
  AvKey = 6,
  SvAttributeKey = 7,
  LevyKey = 8,
  PvEmployerAmount = 9,
  PvEmployeeAmount = 10,
  KvRate = 11,
  KvEmployerAmount = 12,
  KvEmployeeAmount = 13,
  U1Rate = 14,
  U2Rate = 15,
  Period = 16,
  StateCode = 17,
  PensionMonths = 18,
  TaxClass = 19,
  ChurchEmployee = 20,
  ChurchSpouse = 21,
  ChildAllowances = 22,
  AnnualAllowance = 23,
  InsolvencyException = 24,
  SpecialTable = 25,
  PvKey = 26,
  ChamberKey = 27,
  FlatTaxKind = 28,
  PvChildren = 29,
  PensionFirstMonth = 30,
  PensionInCurrent = 31,
  PensionOneOffExpected = 32,
  ChurchFlatKey = 33,
  GrossTotal = 34,
  PensionInOther = 35,
  TaxDays = 36,
  TaxableGross = 37,
  SvDays = 38,
  SvGross = 39,
  SvOneOff = 40,
  TaxableOther = 41,
  OtherYears = 42,
  KvAccumAmount = 43,
  KvAccumDays = 44,
  RvAccumAmount = 45,
  RvAccumDays = 46,
  AvAccumAmount = 47,
  AvAccumDays = 48,
  LevyAccumAmount = 49,
  LevyAccumDays = 50,
  ExpectedAnnualIncome = 51,
  GarnishDependants = 52,
  GarnishCalendarDays = 53,
  GarnishMonths = 54,
  GarnishIncome = 55,
  GarnishClaims = 56,
  MidiOtherEmployerPay = 57,
  PensionStartYear = 58,
  TaxFactor = 59,
  PkvBasicPremium = 60,
};

inline constexpr int kMaskFieldCount = 60;

// The characters a field accepts as typed.
enum class AllowedKeys {
  Digits,
  LettersAndDigits,  // A-Z, a-z, umlauts and digits
  DigitsComma,
  DigitsCommaMinus,
  KeyList,  // exactly the digits of `key_digits`
};

struct MaskFieldSpec {
  int number;
  std::string_view name;
  std::string_view label;
  std::string_view status_text;
  int max_length;
  AllowedKeys allowed;
  std::string_view key_digits;
  int slot;         // MonthRecord slot
  int help_topic;   // F1 shows this topic of the help file
  int cycle_place;  // 1..60: place in the Up/Down cycle (the mask's reading order)
  int page_down;    // field number Page Down jumps to
  int page_up;      // field number Page Up jumps to
};

extern const std::array<MaskFieldSpec, kMaskFieldCount> kMaskFieldTable;

[[nodiscard]] const MaskFieldSpec& SpecOf(MaskField field);
[[nodiscard]] inline int SlotOf(MaskField field) { return SpecOf(field).slot; }
[[nodiscard]] inline int NumberOf(MaskField field) { return static_cast<int>(field); }
// The field with the given record name ("taxable_gross"), if any.
[[nodiscard]] std::optional<MaskField> FieldByName(std::string_view name);

// Input controls of the main mask are 299 + field number (300..359).
inline constexpr int kFirstMaskControlId = 300;
[[nodiscard]] inline int ControlIdOf(MaskField field) { return NumberOf(field) + kFirstMaskControlId - 1; }
[[nodiscard]] std::optional<MaskField> FieldOfControl(int control_id);

// The 60 fields in the order of the Up/Down cycle: Down moves to the next,
// Up to the previous; after the last comes the first again.
[[nodiscard]] const std::array<MaskField, kMaskFieldCount>& CycleOrder();
[[nodiscard]] MaskField NextInCycle(MaskField field, int step);
[[nodiscard]] inline MaskField PageDownTarget(MaskField field) {
  return static_cast<MaskField>(SpecOf(field).page_down);
}
[[nodiscard]] inline MaskField PageUpTarget(MaskField field) { return static_cast<MaskField>(SpecOf(field).page_up); }

}  // namespace pekto
