// The main mask "MainDialog". This is its frame: title, menu, status line
// and the way back to the start mask; its fields and commands build on it.
#pragma once

#include "app/app_context.h"

namespace pekto {

class MainDialog final : public Dialog {
 public:
  MainDialog(AppContext& context, FrameCommands& frame);

  static constexpr int kBackToQuery = 276;
  static constexpr int kBackToStartMask = 283;
  static constexpr int kKeyboardHelp = 274;
  static constexpr int kFieldHelp = 277;

 protected:
  void OnCommand(int id) override;

 private:
  // Leaves for the start mask unless the user keeps unsaved entries.
  void LeaveToStartMask();

  AppContext& context_;
  FrameCommands& frame_;
};

}  // namespace pekto
