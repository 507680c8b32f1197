#include "app/mask/main_mask_commands.h"

#include "record/annual_block.h"
#include "app/mask/main_mask_file_commands.h"
#include "app/startup/program_state.h"
#include "app/startup/system_file.h"
#include "platform/dos_file_system.h"

namespace pekto {
namespace {

using F = MaskField;

constexpr int kLastPersonalDataField = 28;

// The payroll account's personal data: its "Allgemein" group (entry and
// exit date, social-insurance number, health funds, holidays).
constexpr int kPayrollAccountPersonalSlots[] = {annual_slot::kEntryDate,
                                                annual_slot::kExitDate,
                                                annual_slot::kSvNumber,
                                                annual_slot::kHealthFund,
                                                annual_slot::kVoluntaryHealthFund,
                                                annual_slot::kHolidayEntitlement,
                                                annual_slot::kHolidayRemaining};

}  // namespace

bool HasUnsavedEntries(const EmployeeRecord& record) {
  return record.modified || record.mask_fields != record.saved_mask_fields;
}

DialogMessage UnsavedEntriesQuestion() {
  return {"Kontrolle",
          {"Sie haben Ihre Eintragungen nicht", "abgespeichert. Möchten Sie trotz-", "dem abbrechen...."},
          MessageKind::Question};
}

bool PersonalDataEntered(const MaskFields& mask) {
  bool any = false;
  for (int number = 1; number <= kLastPersonalDataField; ++number) any = any || !mask.AtNumber(number).empty();
  return any && !mask[F::BirthDate].empty() && !mask[F::FileName].empty() && !mask[F::Period].empty();
}

DialogMessage PersonalDataMissingQuestion() {
  return {"Kontrolle",
          {"Bevor Sie Buchungen vornehmen, sollten die Eingaben unter dem Block \"Persönliche Daten\" erfasst werden.",
           "Soll die Buchungsmaske trotzdem aufgerufen werden?"},
          MessageKind::Question};
}

bool PayrollAccountPersonalDataEmpty(const AnnualBlock& annual) {
  for (const int slot : kPayrollAccountPersonalSlots) {
    if (!annual[static_cast<std::size_t>(slot)].empty()) return false;
  }
  return true;
}

DialogMessage PayrollAccountQuestion() {
  return {"Kontrolle",
          {"Bevor Sie Buchungen vornehmen, sollten die Eingaben auf der Eingabemaske des Lohnkomtos unter dem Block "
           "\"Persönliche Daten\" erfasst werden.",
           "Soll das Lohnkonto jetzt aufgerufen werden?"},
          MessageKind::Question};
}

std::string_view CalcModeOf(const ProgramState& state) {
  return state.system_file.CalcMode() == kCalcAfterBookingMask ? kCalcAfterBookingMask : kCalcWithoutBookingMask;
}

std::optional<DialogMessage> ChangeCalcMode(ProgramState& state, const DosFileSystem& files, std::string_view mode) {
  SystemFile changed = state.system_file;
  changed.SetCalcMode(mode);
  const std::string path = state.paths.File(kSystemFileName);
  if (!WriteSystemFile(files, path, changed).ok) {
    return DialogMessage{
        "PEKTO Fehler!",
        {"Die Systemdatei " + path, "konnte nicht geschrieben werden.", "Die Art der Berechnung wurde nicht geändert."},
        MessageKind::Stop};
  }
  state.system_file = std::move(changed);
  return std::nullopt;
}

void FillMaskForCalcMode(EmployeeRecord& record, std::string_view mode) {
  (void)mode;  // either mode shows every text; after the booking mask the evaluation overwrites the booked ones
  CopyMaskToRecord(record);
}

bool IsBookedIncomeField(MaskField field) {
  switch (field) {
    case F::GrossTotal:
    case F::TaxDays:
    case F::TaxableGross:
    case F::SvDays:
    case F::SvGross:
    case F::SvOneOff:
    case F::TaxableOther:
    case F::PensionInCurrent:
    case F::PensionInOther:
    case F::GarnishIncome:
      return true;
    default:
      return false;
  }
}

std::optional<MaskFileCommand> MaskFileCommandOf(int command) {
  switch (static_cast<MaskFileCommand>(command)) {
    case MaskFileCommand::LoadPartial:
    case MaskFileCommand::LoadComplete:
    case MaskFileCommand::Save:
    case MaskFileCommand::DeleteFile:
    case MaskFileCommand::LoadSecurityCopy:
    case MaskFileCommand::ShowYearFigures:
    case MaskFileCommand::RemoveYearFigures:
      return static_cast<MaskFileCommand>(command);
  }
  return std::nullopt;
}

}  // namespace pekto
