#include "bookings/account/payroll_account_dialog.h"

#include <QLineEdit>
#include <QPalette>

#include "bookings/account/payroll_account_checks.h"
#include "ui/windows.h"

namespace pekto {

namespace {

// Help pages of the help menu in PEKTO.CHM.
constexpr int kKeyboardTopic = 211;
constexpr int kInputConventionsTopic = 207;
constexpr int kWorkStepsTopic = 329;

unsigned FlagsOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information:
      return kMbOk | kMbIconInformation;
    case MessageKind::Exclamation:
      return kMbOk | kMbIconExclamation;
    case MessageKind::Question:
      return kMbYesNo | kMbIconQuestion;
    case MessageKind::DeleteQuestion:
      return kMbYesNo | kMbIconQuestion | kMbDefButton2;
    case MessageKind::Warning:
      return kMbYesNo | kMbIconExclamation;
    case MessageKind::Stop:
      return kMbOk | kMbIconStop;
  }
  return kMbOk;
}

DialogMessage UnlockQuestion() {
  return {"Kontrolle",
          {"Die gesperrten Eingabefelder werden grundsätzlich programmgesteuert gefüllt und sind ",
           "nur in Ausnahmefällen manuell auszufüllem.",
           "Sollen die Eingabefelder trotzdem zur Bearbeitung freigegeben werden?"},
          MessageKind::Question};
}

// Esc after a change: the changes would be lost.
DialogMessage DiscardChangesQuestion() {
  return {"Kontrolle",
          {"Sie haben Eintragungen im Lohnkonto geändert.", "Sollen die Änderungen verworfen und das",
           "Lohnkonto trotzdem verlassen werden?"},
          MessageKind::DeleteQuestion};
}

DialogMessage AccessoryMissing(std::string_view name) {
  return {"PEKTO Fehler!",
          {"Der " + std::string(name) + " kann aus dem Lohnkonto noch nicht", "aufgerufen werden.",
           "Bitte starten Sie ihn über das Menü \"Zubehör\" der Hauptmaske."},
          MessageKind::Stop};
}

}  // namespace

PayrollAccountDialog::PayrollAccountDialog(DialogServices& services, EmployeeRecord& record,
                                           PayrollAccountOptions options, QWidget* parent)
    : Dialog(services, "LktoDialog", parent), record_(record), options_(std::move(options)) {
  if (!IsBuilt()) return;
  setWindowTitle(QString::fromStdString(PayrollAccountTitle(options_.name, options_.first_name)));
  SetUpFields();
  opened_ = AccountEntriesOf(record_.annual_block);
  ShowEntries(opened_);
  ShowLocks();
  Focus(ControlIdOf(AccountField::EntryDate));
}

void PayrollAccountDialog::SetUpFields() {
  for (const AccountFieldSpec& spec : AccountFieldTable()) {
    SetFieldRule(ControlIdOf(spec.field),
                 FieldInputRule{std::u32string(AllowedCharactersOf(spec.kind)), MaxLengthOf(spec.kind)},
                 std::string(spec.status_text), spec.help_topic);
  }
}

AccountEntries PayrollAccountDialog::ShownEntries() const {
  AccountEntries entries;
  for (const AccountFieldSpec& spec : AccountFieldTable()) entries[spec.field] = Text(ControlIdOf(spec.field));
  return entries;
}

void PayrollAccountDialog::ShowEntries(const AccountEntries& entries) {
  for (const AccountFieldSpec& spec : AccountFieldTable()) SetText(ControlIdOf(spec.field), entries[spec.field]);
}

// Locked fields stay reachable (status text, F1) but take no typing and
// show the window colour behind their text.
void PayrollAccountDialog::ShowLocks() {
  for (const AccountFieldSpec& spec : AccountFieldTable()) {
    const int id = ControlIdOf(spec.field);
    const bool locked = spec.locked && !unlocked_;
    SetReadOnly(id, locked);
    if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) {
      QPalette colours = edit->palette();
      colours.setColor(QPalette::Base, palette().color(locked ? QPalette::Window : QPalette::Base));
      edit->setPalette(colours);
    }
  }
  Enable(kUnlock, !unlocked_);
}

void PayrollAccountDialog::OnCommand(int id) {
  switch (id) {
    case kContinue:
      Continue();
      break;
    case kIdCancel:
      Cancel();
      break;
    case kUnlock:
      Unlock();
      break;
    case kClearAnnualFigures:
    case kClearAll:
      Clear(id == kClearAnnualFigures);
      break;
    case kCalculator:
      StartAccessory("FIMREL.EXE", "Rechner");
      break;
    case kCalendar:
      StartAccessory("DORVEL.EXE", "Kalender");
      break;
    case kKeyboardHelp:
      ShowHelp(kKeyboardTopic);
      break;
    case kInputConventions:
      ShowHelp(kInputConventionsTopic);
      break;
    case kWorkSteps:
      ShowHelp(kWorkStepsTopic);
      break;
    case kFieldHelp:
      ShowHelp(FocusedField() != 0 ? Services().field_state.help_topic : account_topic::kAccount);
      break;
    default:
      break;
  }
}

bool PayrollAccountDialog::Ask(const DialogMessage& message) {
  return MessageBoxCentered(Services().messages, message.Text(), message.caption, FlagsOf(message.kind)) ==
         MessageResult::Yes;
}

void PayrollAccountDialog::Unlock() {
  if (unlocked_ || !Ask(UnlockQuestion())) return;
  unlocked_ = true;
  ShowLocks();
  Focus(ControlIdOf(AccountField::LastPeriod));
}

void PayrollAccountDialog::Clear(bool annual_figures_only) {
  AccountEntries entries = ShownEntries();
  if (annual_figures_only) {
    ClearAnnualFigures(entries);
  } else {
    ClearAllEntries(entries);
  }
  annual_figures_cleared_ = true;
  ShowEntries(entries);
}

void PayrollAccountDialog::Continue() {
  const AccountEntries entries = ShownEntries();
  const AccountCheckContext context{unlocked_, CarryForwardQuestionDue(opened_, entries, confirmed_carry_forward_)};
  const std::string period = entries[AccountField::LastPeriod];
  const auto failure = CheckPayrollAccount(entries, context, [this, &period](const DialogMessage& question) {
    const bool yes = Ask(question);
    if (yes) confirmed_carry_forward_ = period;
    return yes;
  });
  if (failure) {
    MessageBoxCentered(Services().messages, failure->message.Text(), failure->message.caption,
                       FlagsOf(failure->message.kind));
    Focus(ControlIdOf(failure->focus));
    return;
  }
  StoreAccountEntries(opened_, entries, annual_figures_cleared_, record_.annual_block);
  if (AccountEntriesChanged(opened_, entries) || annual_figures_cleared_) record_.modified = true;
  done(kContinue);
}

void PayrollAccountDialog::Cancel() {
  const bool changed = AccountEntriesChanged(opened_, ShownEntries()) || annual_figures_cleared_;
  if (changed && !Ask(DiscardChangesQuestion())) return;
  done(kIdCancel);
}

void PayrollAccountDialog::StartAccessory(std::string_view program, std::string_view name) {
  if (options_.start_accessory) {
    options_.start_accessory(program);
    return;
  }
  const DialogMessage message = AccessoryMissing(name);
  MessageBoxCentered(Services().messages, message.Text(), message.caption, FlagsOf(message.kind));
}

void PayrollAccountDialog::ShowHelp(int topic) { Services().help.ShowTopic(options_.help_file, topic); }

bool OpenPayrollAccount(DialogServices& services, EmployeeRecord& record, PayrollAccountOptions options,
                        QWidget* owner) {
  PayrollAccountDialog dialog(services, record, std::move(options), owner);
  return ShowModalDialog(dialog) == PayrollAccountDialog::kContinue;
}

}  // namespace pekto
