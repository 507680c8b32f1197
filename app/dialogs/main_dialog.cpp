#include "app/dialogs/main_dialog.h"

#include <QCursor>
#include <QLineEdit>

#include "app/mask/main_mask_commands.h"
#include "app/mask/main_mask_input.h"
#include "app/mask/mask_calculation.h"
#include "app/mask/message_dialogue.h"
#include "app/startup/accessory_launch.h"
#include "app/startup/program_state.h"
#include "app/checks/control_dialog_content.h"
#include "app/dialogs/control_dialog.h"
#include "app/dialogs/output_commands.h"
#include "app/dialogs/results_overview_dialog.h"
#include "bookings/account/payroll_account_dialog.h"
#include "online/online_messages.h"
#include "app/files/employee_files.h"
#include "bookings/booking_dialog.h"
#include "bookings/wage_type_dialog.h"
#include "record/booking_slots.h"
#include "platform/dos_file_system.h"
#include "platform/processes.h"
#include "platform/remote_assistance.h"
#include "ui/popup_menu.h"
#include "ui/windows.h"

namespace pekto {

MainDialog::MainDialog(AppContext& context, FrameCommands& frame, MainMaskFileCommands* file_commands)
    : Dialog(context.dialogs, "MainDialog"),
      context_(context),
      frame_(frame),
      file_commands_(file_commands != nullptr ? *file_commands : no_file_commands_),
      f1_(Qt::Key_F1, this) {
  if (!IsBuilt()) return;
  SetUpFields();
  ShowCalcMode();
  ShowMask();
  Focus(ControlIdOf(MaskField::BirthDate));
}

// In the order of the Up/Down cycle, which the dialog layer follows.
void MainDialog::SetUpFields() {
  for (const MaskField field : CycleOrder()) {
    const MaskFieldSpec& spec = SpecOf(field);
    SetFieldRule(ControlIdOf(field), FieldInputRuleOf(field), std::string(spec.status_text), spec.help_topic);
  }
}

void MainDialog::ReadMask() {
  for (const MaskFieldSpec& spec : kMaskFieldTable) {
    context_.state.record.mask_fields.AtNumber(spec.number) = Text(ControlIdOf(static_cast<MaskField>(spec.number)));
  }
}

void MainDialog::ShowMask() {
  for (const MaskFieldSpec& spec : kMaskFieldTable) {
    SetText(ControlIdOf(static_cast<MaskField>(spec.number)), context_.state.record.mask_fields.AtNumber(spec.number));
  }
}

MaskField MainDialog::CurrentField() const {
  return FieldOfControl(Services().field_state.current_field).value_or(MaskField::BirthDate);
}

void MainDialog::OnFieldFocused(int id) {
  const auto field = FieldOfControl(id);
  if (!field) return;
  EmployeeRecord& record = context_.state.record;
  record.mask_fields[*field] = Text(id);
  NoteFieldVisited(record, *field);
  if (auto* edit = qobject_cast<QLineEdit*>(Control(id)))
    edit->setCursorPosition(static_cast<int>(edit->text().size()));
}

int MainDialog::PageTarget(int id, int step) const {
  const auto field = FieldOfControl(id);
  if (!field) return 0;
  return ControlIdOf(step > 0 ? PageDownTarget(*field) : PageUpTarget(*field));
}

void MainDialog::OnCommand(int id) {
  if (RunInHelpMode(id) || RunFileCommand(id) || RunKeyCommand(id) || RunHelpCommand(id)) return;
  RunOtherCommand(id);
}

// While F1 is held down, a menu command shows its help topic instead of
// running.
bool MainDialog::RunInHelpMode(int id) {
  if (id == kFieldHelp || !f1_.IsHeld()) return false;
  const auto topic = MenuCommandTopic(id);
  if (!topic) return false;
  ShowHelp({kMainHelpFile, *topic});
  return true;
}

bool MainDialog::RunFileCommand(int id) {
  const auto command = MaskFileCommandOf(id);
  if (!command) return false;
  const bool year_figures =
      *command == MaskFileCommand::ShowYearFigures || *command == MaskFileCommand::RemoveYearFigures;
  if (year_figures && CalcModeOf(context_.state) != kCalcWithoutBookingMask) return true;  // greyed
  ReadMask();
  MaskFileCommandContext file_context{context_.state.record, [this] { return ConfirmDiscardingEntries(); }};
  const MaskFileCommandResult result = file_commands_.Run(*command, file_context);
  if (result.mask_changed) bookings_evaluated_ = false;  // another month: its bookings are evaluated anew
  if (result.mask_changed) ShowMask();
  if (result.focus) Focus(ControlIdOf(*result.focus));
  if (result.show_payslip) ShowCurrentPayslip(context_, this);
  return true;
}

// The commands of the key-directory entries write their key into the
// field whose directory is open.
bool MainDialog::RunKeyCommand(int id) {
  if (FieldOfKeyButton(id).has_value()) {
    OpenKeyDirectoryOfButton(id);
    return true;
  }
  const auto key = KeyOfCommand(id);
  if (!key) return false;
  const MaskField field = CurrentField();
  if (TextObeysRule(FieldInputRuleOf(field), *key)) SetText(ControlIdOf(field), *key);
  Focus(ControlIdOf(field));
  return true;
}

bool MainDialog::RunHelpCommand(int id) {
  if (const auto page = HelpPageOfCommand(id)) {
    ShowHelp(*page);
    return true;
  }
  switch (id) {
    case kFieldHelp:
      FieldHelp();
      return true;
    case kShowKeyDirectoryCommand:
      ShowKeyDirectory(CurrentField());
      return true;
    case kShowFieldExplanationCommand:
      ShowHelp({kMainHelpFile, SpecOf(CurrentField()).help_topic});
      return true;
    case kLegalChangesCommand:
      ShowLegalChanges();
      return true;
    default:
      return false;
  }
}

// The commands of later parts (bookings, payroll account, wage types,
// outputs, history) are in the menu and do nothing yet.
void MainDialog::RunOtherCommand(int id) {
  switch (id) {
    case kCalculate:
      // After the booking mask, RETURN leads through the booking mask.
      if (CalcModeOf(context_.state) == kCalcAfterBookingMask && !bookings_evaluated_) {
        OpenBookingMaskChecked();
      } else {
        Calculate();
      }
      break;
    case kWithoutBookingMask:
    case kAfterBookingMask:
      SetCalcMode(id == kWithoutBookingMask ? kCalcWithoutBookingMask : kCalcAfterBookingMask);
      break;
    case kBookingMaskButton:
      OpenBookingMaskChecked();
      break;
    case kBookingMask:
      OpenBookingMask();
      break;
    case kWageTypeFile:
      OpenWageTypeFile();
      break;
    case kPayrollAccount:
      OpenPayrollAccountOfMask();
      break;
    case kClearMask:
      ClearMask();
      break;
    case kBackToQuery:
    case kBackToStartMask:
    case kLeaveKey:
    case kIdCancel:
      LeaveToStartMask();
      break;
    case kCalculator:
      StartAccessory(Accessory::Calculator);
      break;
    case kCalendar:
      StartAccessory(Accessory::Calendar);
      break;
    case kEnergyAllowanceDocument:
      OpenExplanation("Energiepreispauschale.pdf",
                      "Die Erlaüterungen zur Energiepreispauschale konnten nicht angezeigt werden !");
      break;
    case kMidijobDocument:
      OpenExplanation(
          "Midijob__Bestandsschutz.pdf",
          "Die Erlaüterungen zu den Änderungen im Niedriglohnsktor(Midijob) konnte nicht angezeigt werden !");
      break;
    case kCurrentPayslip:
      ReadMask();
      if (AskControlQuestion(Services(), ControlDialogContentOf(ControlDialogMode::PayslipOutput), this) ==
          kControlDialogYes) {
        ShowCurrentPayslip(context_, this);
      }
      break;
    case kCurrentAccount:
      ReadMask();
      ShowCurrentAccount(context_, this);
      break;
    case kPayslipHistory:
    case kAccountHistory:
      if (ConfirmDiscardingEntries()) {
        ShowPastDocuments(context_, id == kPayslipHistory ? DocumentKind::Payslip : DocumentKind::PayrollAccount, this);
      }
      break;
    case kRemoteSupport:
      if (!StartRemoteAssistance(context_.programs, context_.files, SystemEnvironment()).started) {
        Services().messages.Show(online_message::NoRemoteAssistance());
      }
      break;
    default:
      break;
  }
}

void MainDialog::ShowHelp(HelpPage page) {
  Services().help.ShowTopic(context_.state.paths.File(page.help_file), ShownTopic(page.topic));
}

// F1: topic 300 on the button that leaves the mask; on a key field the
// choice between its key directory and its explanation; else the topic of
// the field.
void MainDialog::FieldHelp() {
  if (focusWidget() != nullptr && focusWidget() == Control(kBackToStartMask)) {
    ShowHelp({kMainHelpFile, kLeaveButtonTopic});
    return;
  }
  const auto field = FieldOfControl(Services().field_state.current_field);
  if (field && HasKeyDirectory(*field)) {
    const int command = ChooseFromPopupMenu(this, KeyFieldHelpChoice(), PopupPositionAt(*FieldControl(*field)));
    if (command != 0) SendCommand(command);
    return;
  }
  ShowHelp({kMainHelpFile, Services().field_state.help_topic});
}

void MainDialog::ShowKeyDirectory(MaskField field) {
  ReadMask();
  const auto directory = KeyDirectoryOf(field, context_.state.record.mask_fields);
  if (!directory) return;
  const int command = ChooseFromPopupMenu(this, KeyDirectoryEntries(*directory), PopupPositionAt(*FieldControl(field)));
  if (command != 0) SendCommand(command);
}

void MainDialog::OpenKeyDirectoryOfButton(int id) {
  const auto field = FieldOfKeyButton(id);
  if (!field) return;
  Focus(ControlIdOf(*field));
  ShowKeyDirectory(*field);
}

void MainDialog::ShowLegalChanges() {
  const int command = ChooseFromPopupMenu(this, LegalChangesYears(), QCursor::pos());
  if (command != 0) SendCommand(command);
}

void MainDialog::Calculate() {
  const MaskField field = CurrentField();
  Focus(ControlIdOf(field));
  ReadMask();
  ProgramState& state = context_.state;
  state.calculation.rejected = false;
  CalculationSettings settings;
  if (CalcModeOf(state) == kCalcAfterBookingMask) {
    settings.bookings = BookedWageTypes(state.record.booking_table, state.wage_types);
  }
  const MaskCalculation outcome = CalculateMask(state.record, Services().messages, settings);
  ShowMask();
  if (!outcome.calculated) {
    Focus(ControlIdOf(outcome.focus.value_or(field)));
    // A field of the main mask to mend keeps the evaluated bookings for the
    // next RETURN; a booking to mend leads to the booking mask again, and
    // "Möchten Sie die Energiepauschale noch buchen ?" Yes goes there now.
    if (outcome.stopped_by && *outcome.stopped_by != InputWarningId::FlatTaxLimitExceeded &&
        *outcome.stopped_by != InputWarningId::FlatTaxWithSocialInsurance) {
      bookings_evaluated_ = false;
    }
    if (outcome.stopped_by == InputWarningId::EnergyAllowanceNotBooked) SendCommand(kBookingMask);
    return;
  }
  bookings_evaluated_ = false;
  if (outcome.show_overview && outcome.result) ShowResults(*outcome.result);
}

void MainDialog::ShowResults(const PayrollResult& result) {
  CalculationMarks& marks = context_.state.calculation;
  ResultsOverviewDialog overview(Services(), result, marks.started_from_booking_mask, this);
  ShowModalDialog(overview);
  if (overview.Rejected()) {
    marks.rejected = true;
    marks.started_from_booking_mask = false;
  }
}

void MainDialog::SetCalcMode(std::string_view mode) {
  ReadMask();
  if (const auto failure = ChangeCalcMode(context_.state, context_.files, mode)) {
    ShowDialogMessage(Services().messages, *failure);
    return;
  }
  FillMaskForCalcMode(context_.state.record, mode);
  ShowMask();
  ShowCalcMode();
}

void MainDialog::ShowCalcMode() {
  const bool without_booking_mask = CalcModeOf(context_.state) == kCalcWithoutBookingMask;
  CheckMenuItem(kWithoutBookingMask, without_booking_mask);
  CheckMenuItem(kAfterBookingMask, !without_booking_mask);
  EnableMenuItem(kShowYearFigures, without_booking_mask);
  EnableMenuItem(kRemoveYearFigures, without_booking_mask);
  for (const MaskFieldSpec& spec : kMaskFieldTable) {
    const auto field = static_cast<MaskField>(spec.number);
    if (IsBookedIncomeField(field)) SetReadOnly(ControlIdOf(field), !without_booking_mask);
  }
}

// "&Buchungsmaske": the mask into the record, the wage types read again,
// the booking mask; after "Programmausführung fortsetzen" the evaluated
// month on the mask and the calculation, unless the evaluation asks to
// check the expected annual income first.
void MainDialog::OpenBookingMask() {
  ReadMask();
  ProgramState& state = context_.state;
  CopyMaskToRecord(state.record);
  if (!state.paths.drive.empty()) LoadWageTypes(context_.files, state.paths.File(kWageTypeFileName), state.wage_types);
  BookingMaskContext booking{state.record, state.wage_types, {}, state.paths.File(kMainHelpFile), {}, {}};
  booking.employers = ReadEmployerList(context_.files, DataFilePath(state.paths, kEmployerListName)).entries;
  booking.open_document = [this](std::string_view document) {
    return context_.documents.Open(context_.state.paths.File(document));
  };
  booking.start_accessory = [this](std::string_view program) { StartAccessoryNamed(program); };
  const auto evaluation = pekto::OpenBookingMask(Services(), std::move(booking), this);
  ShowMask();
  if (!evaluation) return;
  state.calculation.started_from_booking_mask = true;
  bookings_evaluated_ = true;
  if (evaluation->check_expected_income) {
    Focus(ControlIdOf(MaskField::ExpectedAnnualIncome));
    return;
  }
  Calculate();
}

void MainDialog::OpenWageTypeFile() {
  const InstallPaths& paths = context_.state.paths;
  OpenWageTypeEditor(Services(),
                     {context_.state.wage_types, context_.files, paths.File(kWageTypeFileName), paths.File(kMainHelpFile)},
                     this);
}

// Button 8914: the two checks before the booking mask. The booking mask
// and the payroll account themselves come with their own dialogs.
void MainDialog::OpenBookingMaskChecked() {
  ReadMask();
  const EmployeeRecord& record = context_.state.record;
  MessageBoxes& boxes = Services().messages;
  if (!PersonalDataEntered(record.mask_fields) && !ShowDialogMessage(boxes, PersonalDataMissingQuestion())) return;
  if (PayrollAccountPersonalDataEmpty(record.annual_block) && ShowDialogMessage(boxes, PayrollAccountQuestion())) {
    SendCommand(kPayrollAccount);
    return;
  }
  SendCommand(kBookingMask);
}

// The account edits the record's annual block; the employee's name stands
// in its title (the short name of the mask until the booking mask's name
// fields hold the full name).
void MainDialog::OpenPayrollAccountOfMask() {
  ReadMask();
  EmployeeRecord& record = context_.state.record;
  PayrollAccountOptions options;
  options.name = record.mask_fields[MaskField::FileName];
  options.help_file = context_.state.paths.File(kMainHelpFile);
  options.start_accessory = [this](std::string_view program) { StartAccessoryNamed(program); };
  OpenPayrollAccount(Services(), record, std::move(options), this);
}

void MainDialog::ClearMask() {
  if (!ConfirmDiscardingEntries()) return;
  ClearRecord(context_.state.record);
  bookings_evaluated_ = false;
  ShowMask();
  Focus(ControlIdOf(MaskField::BirthDate));
}

void MainDialog::LeaveToStartMask() {
  if (!ConfirmDiscardingEntries()) return;
  ClearRecord(context_.state.record);
  frame_.ShowStartMask();
}

// Entries typed into a field that was never left count as unsaved too.
bool MainDialog::ConfirmDiscardingEntries() {
  ReadMask();
  EmployeeRecord& record = context_.state.record;
  if (!HasUnsavedEntries(record)) return true;
  record.modified = true;
  return ShowDialogMessage(Services().messages, UnsavedEntriesQuestion());
}

// The accessory deletes the start token when it starts and refuses to run
// without it.
// The booking mask and the payroll account name the accessory by its
// program ("FIMREL.EXE", "DORVEL.EXE").
void MainDialog::StartAccessoryNamed(std::string_view program) {
  StartAccessory(program == AccessoryProgramName(Accessory::Calendar) ? Accessory::Calendar : Accessory::Calculator);
}

void MainDialog::StartAccessory(Accessory accessory) {
  const auto failure = pekto::StartAccessory(context_.files, context_.programs, context_.state.paths, accessory);
  if (failure) ShowDialogMessage(Services().messages, *failure);
}

void MainDialog::OpenExplanation(std::string_view document, std::string_view failure) {
  const LaunchResult result = context_.documents.Open(context_.state.paths.File(document));
  if (result.started) return;
  MessageBoxCentered(
      Services().messages,
      JoinLines({failure, "Eventuell wurde das Programm Adobe Reader  nicht auf", "Ihrem Rechner installiert."}),
      "Kontrolle (Fehler" + std::to_string(result.error_code) + ")", kMbIconExclamation);
}

}  // namespace pekto
