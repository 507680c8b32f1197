#include "app/main_dialog.h"

#include "app/program_state.h"

namespace pekto {

namespace {
constexpr int kKeyboardTopic = 211;
}  // namespace

MainDialog::MainDialog(AppContext& context, FrameCommands& frame)
    : Dialog(context.dialogs, "MainDialog"), context_(context), frame_(frame) {
  if (!IsBuilt()) return;
  const std::string name = context_.state.system_file.User(context_.state.user_number).name;
  const std::string user = name.empty() ? "Anwender " + context_.state.paths.user_dir : name;
  SetText(kStatusLineId, " " + user + " - Daten unter " + context_.state.paths.UserDataDir());
}

void MainDialog::OnCommand(int id) {
  switch (id) {
    case kBackToQuery:
    case kBackToStartMask:
    case kIdCancel:
      LeaveToStartMask();
      break;
    case kKeyboardHelp:
      Services().help.ShowTopic(context_.state.paths.File(kHelpFile), kKeyboardTopic);
      break;
    case kFieldHelp:
      Services().help.ShowTopic(context_.state.paths.File(kHelpFile), Services().field_state.help_topic);
      break;
    default:
      break;
  }
}

void MainDialog::LeaveToStartMask() {
  if (context_.state.record.modified) {
    const MessageResult answer = MessageBoxCentered(
        Services().messages,
        JoinLines({"Sie haben Ihre Eintragungen nicht", "abgespeichert. Möchten Sie trotz-", "dem abbrechen...."}),
        "Kontrolle", kMbYesNo | kMbIconQuestion);
    if (answer != MessageResult::Yes) return;
  }
  ClearRecord(context_.state.record);
  frame_.ShowStartMask();
}

}  // namespace pekto
