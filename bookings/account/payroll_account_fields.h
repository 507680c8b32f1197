// The fields of the payroll account "Lohnkonto für ...": one table (control
// id, group, label, status text, input filter, AnnualBlock slot, locked or
// not, help topic) that the dialog, its checks and the tests all read, and
// the moves between the record's AnnualBlock and the texts on the screen.
//
// The account keeps the employee's master data that the payslip does not
// carry and the running annual figures; both live in the AnnualBlock
// (record/annual_block.h says what each slot holds). The annual figures
// and the last accounting period are filled by the summation when a month
// is closed; the dialog shows them locked until the user frees them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "record/annual_block.h"
#include "record/employee_record.h"

namespace pekto {

enum class AccountGroup { General, LastPeriod, TaxFigures, SvFigures, FlatRateFigures };

// How a field's text is typed and checked.
enum class AccountFieldKind {
  Date,       // TTMMJJ
  SvNumber,   // the social-insurance number, blanks allowed while typing
  FundName,   // short name of a health insurance fund ("AOK")
  Holiday,    // days in the form xx,x
  Period,     // MMJJ
  Amount,     // xxxx,xx on the screen, whole cents in the record
  Days,       // insurance days of the year, 0..360
  Count,      // the count of interruptions
};

enum class AccountField {
  EntryDate, ExitDate, SvNumber, HealthFund, VoluntaryHealthFund, HolidayEntitlement, HolidayRemaining,
  LastPeriod,
  GrossTotal, TaxableOneOff, TaxableCurrent, PensionIncluded, TaxableTotal, WageTaxOneOff, WageTaxCurrent,
  ChurchTax, Soli, Chamber, Interruptions,
  KvPay, KvDays, KvEmployer, KvEmployee,
  RvPay, RvDays, RvEmployer, RvEmployee,
  AvPay, AvDays, AvEmployer, AvEmployee,
  PvEmployer, PvEmployee,
  LevyPay, LevyDays,
  SvEmployeeTotal, MiniJobRvEmployer, VoluntaryKvSubsidy, VoluntaryPvSubsidy, U1, U2, InsolvencyLevy, U1U2Pay,
  TransitionReduction,
  FlatTaxedPay, FlatWageTax, FlatChurchTax, FlatSoli, UniformFlatTax,
};

inline constexpr std::size_t kAccountFieldCount = 49;

struct AccountFieldSpec {
  AccountField field;
  int slot;  // AnnualBlock slot
  AccountGroup group;
  AccountFieldKind kind;
  bool locked;  // filled by the program; editable only after "Eingabefelder freigeben"
  std::string_view status_text;
  int help_topic;
};

// The control id of a field is 400 + its AnnualBlock slot.
inline constexpr int kAccountFieldIdBase = 400;

// Help topics of the account's groups (pages of PEKTO.CHM).
namespace account_topic {
inline constexpr int kAccount = 272;
inline constexpr int kGeneral = 343;
inline constexpr int kSvNumber = 344;
inline constexpr int kLastPeriod = 345;
inline constexpr int kTaxFigures = 346;
inline constexpr int kSvFigures = 347;
inline constexpr int kFlatRateFigures = 348;
}  // namespace account_topic

[[nodiscard]] const std::array<AccountFieldSpec, kAccountFieldCount>& AccountFieldTable();
[[nodiscard]] const AccountFieldSpec& SpecOf(AccountField field);
[[nodiscard]] int ControlIdOf(AccountField field);
[[nodiscard]] std::optional<AccountField> AccountFieldOfControl(int id);

// What a field's filter lets through: the characters and the length.
[[nodiscard]] std::u32string_view AllowedCharactersOf(AccountFieldKind kind);
[[nodiscard]] int MaxLengthOf(AccountFieldKind kind);

// The texts of the account's fields as the screen shows them, in table order.
class AccountEntries {
 public:
  [[nodiscard]] std::string& operator[](AccountField field) { return texts_[Index(field)]; }
  [[nodiscard]] const std::string& operator[](AccountField field) const { return texts_[Index(field)]; }
  bool operator==(const AccountEntries&) const = default;

 private:
  static std::size_t Index(AccountField field) { return static_cast<std::size_t>(field); }
  std::array<std::string, kAccountFieldCount> texts_{};
};

// The record's values as the screen shows them: amounts from cents to the
// comma form, the closed period MMJJJJ as MMJJ.
[[nodiscard]] AccountEntries AccountEntriesOf(const AnnualBlock& annual);

// Writes what the user changed since the dialog opened into the block: a
// field whose text is as it was shown keeps its slot exactly; a changed
// amount is stored as whole cents (zero as empty), a changed social-
// insurance number in its compact form. When the annual figures were
// cleared, the date of the last summation goes with them.
void StoreAccountEntries(const AccountEntries& opened, const AccountEntries& now, bool annual_figures_cleared,
                         AnnualBlock& annual);

// "Lohnkontoeinträge <nur Jahreszahlen> löschen": the last accounting
// period and every annual figure; "<komplett>": every field.
void ClearAnnualFigures(AccountEntries& entries);
void ClearAllEntries(AccountEntries& entries);

// Whether the texts differ anywhere (what closing with Esc asks about).
[[nodiscard]] bool AccountEntriesChanged(const AccountEntries& opened, const AccountEntries& now);

// "Lohnkonto für " + name, with the first name after ", " when known.
[[nodiscard]] std::string PayrollAccountTitle(std::string_view name, std::string_view first_name);

}  // namespace pekto
