#include "app/dialogs/employee_file_hook.h"

#include <QApplication>

#include "app/dialogs/best_dialog.h"
#include "app/files/file_commands.h"
#include "app/mask/message_dialogue.h"

namespace pekto {
namespace {

// The user of the file commands on the screen; the unsaved-entries
// question is the main mask's own.
class ScreenUser final : public FileCommandUser {
 public:
  ScreenUser(DialogServices& dialogs, const EmployeeFileCommands::ControlQuestion& ask_control,
             const std::function<bool()>& confirm_discarding)
      : dialogs_(dialogs), ask_control_(ask_control), confirm_discarding_(confirm_discarding) {}

  UserAnswer Show(const DialogMessage& message) override {
    const bool yes = ShowDialogMessage(dialogs_.messages, message);
    if (!IsQuestion(message.kind)) return UserAnswer::Ok;
    return yes ? UserAnswer::Yes : UserAnswer::No;
  }
  bool Confirm(const ControlDialogContent& content) override { return ask_control_ && ask_control_(content); }
  std::optional<std::size_t> Choose(SelectionMode mode, const std::vector<std::string>& entries) override {
    return ShowSelectionList(dialogs_, mode, entries, QApplication::activeWindow());
  }
  bool ConfirmDiscardingEntries(const EmployeeRecord& record) override {
    return confirm_discarding_ ? confirm_discarding_() : FileCommandUser::ConfirmDiscardingEntries(record);
  }

 private:
  DialogServices& dialogs_;
  const EmployeeFileCommands::ControlQuestion& ask_control_;
  const std::function<bool()>& confirm_discarding_;
};

}  // namespace

MaskFileCommandResult EmployeeFileCommands::Run(MaskFileCommand command, MaskFileCommandContext& context) {
  const FileCommandContext files{files_, paths_, TodayAsTtmmjj()};
  ScreenUser user(dialogs_, ask_control_, context.confirm_discarding_entries);
  const FileCommandOutcome outcome = RunFileCommand(static_cast<int>(command), context.record, files, user);
  return {outcome.refresh_mask, outcome.focus, outcome.show_payslip};
}

}  // namespace pekto
