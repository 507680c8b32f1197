#include "installer/user_dialog.h"

#include <QCheckBox>

#include "ui/input_filter.h"

namespace pekto {

namespace {

constexpr int kUserTopic = 336;
constexpr int kMaxNameLength = 30;
constexpr int kMaxPasswordLength = 30;
constexpr const char* kCaption = "Kontrolle!";

}  // namespace

UserDialog::UserDialog(InstallerContext& context, QWidget* parent)
    : Dialog(context.dialogs, "BENUDIALOG", parent), context_(context) {
  if (!IsBuilt()) return;
  const std::u32string letters(kLetterKeys);
  for (int row = 0; row < kUserMaskRows; ++row) {
    // The same characters as the login fields of the start mask take.
    SetFieldRule(kFirstNameField + row, FieldInputRule{letters + U", ", kMaxNameLength}, " Name, Vorname", kUserTopic);
    SetFieldRule(kFirstPasswordField + row, FieldInputRule{letters, kMaxPasswordLength}, " Paßwort", kUserTopic);
  }
  SetFieldRule(kStartUserField, FieldInputRule{std::u32string(kDigitKeys), 2}, " Benutzer bei Programmstart",
               kUserTopic);
  preset_ = PresetUserMask(ReadExistingSystemFile(context_.services.files, context_.state.install_dir));
  Fill(preset_);
  Focus(kFirstNameField);
}

void UserDialog::Fill(const UserMaskInput& input) {
  for (int row = 0; row < kUserMaskRows; ++row) {
    SetText(kFirstNameField + row, input.users[static_cast<std::size_t>(row)].name);
    SetText(kFirstPasswordField + row, input.users[static_cast<std::size_t>(row)].password);
  }
  SetText(kStartUserField, input.start_user);
  if (auto* box = qobject_cast<QCheckBox*>(Control(kNoQuerySwitch))) box->setChecked(input.no_query);
}

UserMaskInput UserDialog::Input() const {
  UserMaskInput input;
  for (int row = 0; row < kUserMaskRows; ++row) {
    input.users[static_cast<std::size_t>(row)] = {Text(kFirstNameField + row), Text(kFirstPasswordField + row)};
  }
  input.start_user = Text(kStartUserField);
  const auto* box = qobject_cast<QCheckBox*>(Control(kNoQuerySwitch));
  input.no_query = box != nullptr && box->isChecked();
  return input;
}

void UserDialog::OnCommand(int id) {
  if (id == kContinue) Continue();
  if (id == kIdCancel) Cancel();
}

void UserDialog::Continue() {
  const UserMaskInput input = Input();
  if (const auto message = CheckUserMask(input)) {
    MessageBoxCentered(Services().messages, *message, kCaption, kMbIconExclamation);
    const bool user_number = message->starts_with("Sie haben") || message->starts_with("Für die");
    Focus(user_number ? kStartUserField : kFirstNameField);
    return;
  }
  if (WriteInstallation(context_.state, input, context_.services)) done(kContinue);
}

void UserDialog::Cancel() {
  const bool changed = !SameUserMask(Input(), preset_);
  const std::string text = changed ? JoinLines({"Sie haben Ihre Änderungen", "nicht abgespeichert!",
                                                "Möchten Sie trotzden ab-", "brechen ?"})
                                   : JoinLines({"Die Anwendung wurde nicht", "installiert!",
                                                "Möchten Sie trotzden ab-", "brechen ?"});
  if (MessageBoxCentered(Services().messages, text, kCaption, kMbYesNo | kMbIconQuestion) == MessageResult::Yes) {
    done(kIdCancel);
  }
}

}  // namespace pekto
