// The main program's frame: exactly one of the two modeless main dialogs,
// the start mask or the main mask, exists at a time.
#pragma once

#include <functional>
#include <memory>

#include "app/dialogs/app_context.h"
#include "app/dialogs/employee_file_hook.h"
#include "app/startup/startup.h"

namespace pekto {

class ProgramFrame final : public StartMaskHost, public FrameCommands {
 public:
  // `quit` ends the message loop (QCoreApplication::quit in the program).
  ProgramFrame(AppContext& context, std::function<void()> quit);
  ~ProgramFrame() override;

  bool CreateStartMask() override;
  void ShowMainMask() override;
  void ShowStartMask() override;
  void EndProgram() override;

  [[nodiscard]] Dialog* CurrentDialog() const { return current_.get(); }
  [[nodiscard]] bool Ended() const { return ended_; }

 private:
  // Shows `next` and retires the current dialog once its command is done.
  bool Replace(std::unique_ptr<Dialog> next);

  AppContext& context_;
  std::function<void()> quit_;
  // The main mask's file commands: employee files, security copies, year
  // files and the year figures.
  EmployeeFileCommands file_commands_;
  std::unique_ptr<Dialog> current_;
  bool ended_ = false;
};

}  // namespace pekto
